#include "app/windows/HelpBrowser.h"

#include <QFileInfo>
#include <QTextDocument>

using namespace Qt::Literals::StringLiterals;

HelpBrowser::HelpBrowser(const QString &englishFolder, QWidget *parent)
    : QTextBrowser(parent)
    , mEnglishFolder(englishFolder)
{
}

QVariant HelpBrowser::loadResource(int type, const QUrl &name)
{
    const QFileInfo file(name.isLocalFile() ? name.toLocalFile() : name.path());
    QVariant page = QTextBrowser::loadResource(type, name);
    // A page not translated yet, and the style sheet, come from the English folder.
    if (!page.isValid())
        page = QTextBrowser::loadResource(type, QUrl::fromLocalFile(mEnglishFolder + u'/' + file.fileName()));
    if (type != QTextDocument::HtmlResource || page.isValid())
        return page;
    return tr("<html><head><title>Help topic not found</title></head><body><h2>Help topic not found</h2>"
              "<p>The help topic <b>%1</b> is not in the help folder <tt>%2</tt>. Installing Mirandel again "
              "puts the help pages back beside the program.</p></body></html>")
        .arg(
               file.completeBaseName().toHtmlEscaped(), file.absolutePath().toHtmlEscaped());
}
