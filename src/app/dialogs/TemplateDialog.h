#pragma once

#include "core/templates/SessionTemplate.h"

#include <QDialog>
#include <optional>

class Prompter;
class QLabel;
class QPushButton;
class QTreeWidget;
class TemplateLibrary;

// "New from Template": the shipped templates and, under "My templates", the
// user's own, each with its kind, length, description and time graph. Open
// (or a double click) takes the template chosen; the user's own can be
// renamed, described and deleted here.
class TemplateDialog : public QDialog
{
    Q_OBJECT
public:
    static constexpr QSize PictureSize{160, 56};

    TemplateDialog(TemplateLibrary &library, Prompter &prompter, QWidget *parent = nullptr);

    // The template taken with Open; none before or after Cancel.
    const std::optional<SessionTemplate> &chosen() const { return mChosen; }
    QTreeWidget *list() const { return mList; }

private:
    // Selects the template of currentPath, or else the user's group.
    void fill(const QString &currentPath);
    const SessionTemplate *current() const;
    void showCurrent();
    void openCurrent();
    void renameCurrent();
    void deleteCurrent();
    void describeCurrent();

    TemplateLibrary &mLibrary;
    Prompter &mPrompter;
    QTreeWidget *mList;
    QLabel *mDescription;
    QPushButton *mOpenButton;
    QPushButton *mRenameButton;
    QPushButton *mDeleteButton;
    QPushButton *mDescribeButton;
    std::optional<SessionTemplate> mChosen;
};
