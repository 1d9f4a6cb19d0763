// File > New from Template and Save as Template.
#include "app/MainWindow.h"
#include "app/dialogs/TemplateDialog.h"
#include "core/templates/TemplateLibrary.h"

void MainWindow::newFromTemplate()
{
    TemplateLibrary library;
    TemplateDialog dialog(library, prompter(), this);
    // The template first: Cancel there leaves the session unasked, as does a
    // template browsed before and left as it was.
    if (dialog.exec() != QDialog::Accepted || !dialog.chosen())
        return;
    if (!library.isUnchangedTemplate(session()) && !maybeSave())
        return;
    newSessionFromTemplate(context(), *dialog.chosen());
}

void MainWindow::saveAsTemplate()
{
    TemplateLibrary library;
    if (library.saveAsTemplate(session(), prompter()))
        showConfirmation(tr("Kept as a template: File > New from Template offers it under My templates"));
}
