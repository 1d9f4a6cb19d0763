#pragma once

#include <QTextBrowser>
#include <QCoreApplication>

// The page area of the help viewer: a page missing from the help folder, by
// its identifier or by a link, shows a note instead of staying blank. A page
// not yet translated is taken from the English help folder.
class HelpBrowser : public QTextBrowser
{
    Q_DECLARE_TR_FUNCTIONS(HelpBrowser)
public:
    explicit HelpBrowser(const QString &englishFolder, QWidget *parent = nullptr);

    QVariant loadResource(int type, const QUrl &name) override;

private:
    QString mEnglishFolder;
};
