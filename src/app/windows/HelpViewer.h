#pragma once

#include "gui/help/HelpSearch.h"

#include <QWidget>
#include <optional>

class QLineEdit;
class QListWidget;
class QPushButton;
class QTextBrowser;

// A small window that shows the help file's topics by their identifiers, in
// the user's language where they are translated, and follows the links
// between them.
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
    QLineEdit *searchBox() const { return mSearchBox; }
    QListWidget *searchResults() const { return mResults; }

private:
    void updateTitle();
    void search(const QString &query);
    // Whole on the screen it opens on, whatever the screen's size and scale.
    void fitOnScreen();

    QString mHelpFolder;
    QString mPageFolder; // the pages in the user's language
    QTextBrowser *mBrowser;
    QPushButton *mContentsButton;
    QPushButton *mBackButton;
    QPushButton *mForwardButton;
    QLineEdit *mSearchBox;
    QListWidget *mResults;
    std::optional<HelpSearch> mSearch; // read at the first search
};
