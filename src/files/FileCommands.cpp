#include "files/FileCommands.h"

#include "files/SessionFileReader.h"
#include "files/SessionFileWriter.h"
#include "session/Prompter.h"
#include "session/Session.h"
#include "session/SessionContext.h"
#include "session/SessionView.h"

#include <QFileInfo>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace FileCommands {
namespace {
bool readFile(const SessionContext &context, const QString &path)
{
    if (!readSessionFile(context, path))
        return false;
    context.view.fileOpenedOrSaved(path);
    return true;
}

FileDialogRequest sessionFileDialog(const QString &title, const Session &session)
{
    return {title, u"Light/Sound Source (LSS)|*.LSS"_s, u"LSS"_s, session.fileName};
}
} // namespace

bool maybeSave(const SessionContext &context)
{
    Session &session = context.session;
    if (session.modified != 1)
        return true;
    const QString fileName = QFileInfo(session.fileName).fileName();
    if (context.prompter.confirmYesNo(u"Session %1 has been modified. Save it?"_s.arg(fileName)))
        saveFileAs(context);
    else
        session.modified = 0;
    return session.modified == 0;
}

void saveFile(const SessionContext &context)
{
    if (context.session.fileName.isEmpty()) {
        saveFileAs(context);
        return;
    }
    if (writeSessionFile(context.session, context.prompter))
        context.view.fileOpenedOrSaved(context.session.fileName);
}

void saveFileAs(const SessionContext &context)
{
    Session &session = context.session;
    const QString name = context.view.askSaveFileName(sessionFileDialog(u"Save File As"_s, session));
    if (name.isEmpty()) {
        session.modified = 1;
        return;
    }
    if (name != session.fileName && QFileInfo::exists(name)) {
        context.prompter.error(u"File Exists"_s);
        session.modified = 1;
        return;
    }
    session.fileName = name;
    saveFile(context);
}

bool openFile(const SessionContext &context)
{
    if (!maybeSave(context))
        return false;
    const QString name = context.view.askOpenFileName(sessionFileDialog(u"Select File to Read"_s, context.session));
    if (name.isEmpty())
        return false;
    if (QFileInfo::exists(name))
        return readFile(context, name);
    context.prompter.error(u"No Such File"_s);
    return false;
}

bool openNamedFile(const SessionContext &context, const QString &path)
{
    if (!QFileInfo::exists(path)) {
        context.prompter.error(u"No Such File"_s);
        return false;
    }
    return maybeSave(context) && readFile(context, path);
}

bool openStartupFile(const SessionContext &context, QString &startupFileName)
{
    if (startupFileName.isEmpty())
        return false;
    return readFile(context, std::exchange(startupFileName, QString()));
}

void renameSession(const SessionContext &context)
{
    Session &session = context.session;
    if (const std::optional<QString> name = context.view.askSessionName(session.name)) {
        session.name = *name;
        session.modified = 1;
    }
    context.view.setCaption(sessionCaption(session.name, false));
}

void editDescription(const SessionContext &context)
{
    Session &session = context.session;
    const SessionDescriptionAnswer answer = context.view.askSessionDescription(session.descriptionLines);
    if (answer.accepted && answer.changed) {
        session.modified = 1;
        session.descriptionLines = answer.lines;
    }
}
} // namespace FileCommands
