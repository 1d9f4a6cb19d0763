#include "app/windows/HelpBrowser.h"

#include <QFileInfo>
#include <QTextDocument>

using namespace Qt::Literals::StringLiterals;

HelpBrowser::HelpBrowser(QWidget *parent)
    : QTextBrowser(parent)
{
}

QVariant HelpBrowser::loadResource(int type, const QUrl &name)
{
    const QVariant page = QTextBrowser::loadResource(type, name);
    if (type != QTextDocument::HtmlResource || page.isValid())
        return page;
    const QFileInfo file(name.isLocalFile() ? name.toLocalFile() : name.path());
    return tr("<html><head><title>Help topic not found</title></head><body><h2>Help topic not found</h2>"
              "<p>The help topic <b>%1</b> is not in the help folder <tt>%2</tt>. Installing Mirandel again "
              "puts the help pages back beside the program.</p></body></html>")
        .arg(
               file.completeBaseName().toHtmlEscaped(), file.absolutePath().toHtmlEscaped());
}
