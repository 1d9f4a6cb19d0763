#pragma once

#include <QWidget>

class QPushButton;
class QTextBrowser;

// A small window that shows the help file's topics by their identifiers and
// follows the links between them.
class HelpViewer : public QWidget
{
    Q_OBJECT
public:
    explicit HelpViewer(const QString &helpFolder, QWidget *parent = nullptr);

    // Shows the topic and brings the window to the front. A topic that is not
    // in the help folder is reported in the window itself.
    void showTopic(const QString &topic);
    // The identifier of the topic shown (or reported missing), empty before any.
    QString currentTopic() const;

    QTextBrowser *browser() const { return mBrowser; }

private:
    void updateTitle();

    QString mHelpFolder;
    QTextBrowser *mBrowser;
    QPushButton *mContentsButton;
    QPushButton *mBackButton;
    QPushButton *mForwardButton;
};
