#pragma once

#include "core/settings/ProgramFiles.h"
#include "core/templates/SessionTemplate.h"

#include <QCoreApplication>
#include <QList>
#include <memory>

class Prompter;
class QLockFile;
struct Session;
struct SessionContext;

// The shipped folder: "templates" beside the program, or the installed one.
QString shippedTemplateFolder(const QString &programFolder = exeDirectory());
// The user's own templates, in the user's data folder.
QString ownTemplateFolder();

// The templates of both folders, read when made: the shipped ones, then the
// user's own, each by name. A file that cannot be read, or was read with
// format errors, is no template. The commands ask and report through the
// prompter and read the folders again after a change.
class TemplateLibrary
{
    Q_DECLARE_TR_FUNCTIONS(TemplateLibrary)
public:
    explicit TemplateLibrary(const QString &shippedFolder = shippedTemplateFolder(),
                             const QString &ownFolder = ownTemplateFolder());

    const QList<SessionTemplate> &templates() const { return mTemplates; }
    // By name, case aside; null when there is none.
    const SessionTemplate *find(const QString &name) const;

    // Asks a name and keeps the session under it among the user's own,
    // replacing the own template of that name after a yes. True when kept.
    bool saveAsTemplate(const Session &session, Prompter &prompter);
    // Only the user's own; true when changed.
    bool rename(const SessionTemplate &ownTemplate, Prompter &prompter);
    bool remove(const SessionTemplate &ownTemplate, Prompter &prompter);
    // Gives an own template another description; true when changed.
    bool describe(const SessionTemplate &ownTemplate, const QStringList &lines, Prompter &prompter);
    // The session is one of the templates as it was opened, never saved:
    // nothing would be lost without saving it.
    bool isUnchangedTemplate(const Session &session) const;

private:
    void reload();
    // The reason a name cannot be taken; empty when it can.
    QString refusal(const QString &name, const SessionTemplate *renamed) const;
    // A name the user gives, asked again after each refusal; empty when none.
    QString askName(const QString &caption, const QString &prompt, const QString &initial,
                    const SessionTemplate *renamed, Prompter &prompter) const;
    bool write(const Session &session, const QString &path, Prompter &prompter);
    // Holds off other instances' changes of the own folder, made if need be;
    // null, reported, when it cannot be had.
    std::unique_ptr<QLockFile> lockOwnFolder(Prompter &prompter);
    // Reads the folders again: true when no template but the one at ownPath
    // (empty for none) has the name; otherwise says so.
    bool stillFree(const QString &name, const QString &ownPath, Prompter &prompter);

    QString mShippedFolder;
    QString mOwnFolder;
    QList<SessionTemplate> mTemplates;
};

// The template as a new session: unnamed, without a file, its description kept.
Session sessionFromTemplate(const SessionTemplate &sessionTemplate);
// That session in the document's place, modified.
void newSessionFromTemplate(const SessionContext &context, const SessionTemplate &sessionTemplate);
