#include "core/files/FileCommands.h"

#include "core/exchange/SessionFormats.h"
#include "core/files/SessionFileReader.h"
#include "core/files/SessionFileWriter.h"
#include "core/session/Prompter.h"
#include "core/session/SessionDialogs.h"
#include "core/session/SessionContext.h"
#include "core/session/SessionDocument.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace FileCommands {
namespace {
struct FileCommandsTexts
{
    Q_DECLARE_TR_FUNCTIONS(FileCommands)
};

FileDialogRequest sessionFileDialog(const QString &title, const Session &session)
{
    const FileFormat format = SessionFormats::sessionFile();
    return {title, format.dialogFilter(), format.extensions.first(), session.fileName};
}
} // namespace

bool maybeSave(const SessionContext &context)
{
    SessionDocument &document = context.document;
    if (!document.isModified())
        return true;
    const QString fileName = QFileInfo(document.session().fileName).fileName();
    if (context.prompter.confirmYesNo(FileCommandsTexts::tr("Session %1 has been modified. Save it?").arg(fileName)))
        saveFileAs(context);
    else
        document.dropChanges();
    return !document.isModified();
}

void saveFile(const SessionContext &context)
{
    SessionDocument &document = context.document;
    if (document.session().fileName.isEmpty()) {
        saveFileAs(context);
        return;
    }
    const QString &path = document.session().fileName;
    if (const QString question = document.overwriteQuestion(path);
        !question.isEmpty() && !context.prompter.confirmYesNo(question)) {
        document.markModified();
        return;
    }
    if (writeSessionFile(document.session(), context.prompter))
        document.markSaved();
}

void saveFileAs(const SessionContext &context)
{
    SessionDocument &document = context.document;
    const QString name =
        context.dialogs.askSaveFileName(sessionFileDialog(FileCommandsTexts::tr("Save File As"), document.session()));
    if (name.isEmpty()) {
        document.markModified();
        return;
    }
    if (name != document.session().fileName && QFileInfo::exists(name)) {
        context.prompter.error(FileCommandsTexts::tr("File Exists"));
        document.markModified();
        return;
    }
    document.setFileName(name);
    saveFile(context);
}

bool openFile(const SessionContext &context)
{
    if (!maybeSave(context))
        return false;
    const QString name =
        context.dialogs.askOpenFileName(
            sessionFileDialog(FileCommandsTexts::tr("Select File to Read"), context.document.session()));
    if (name.isEmpty())
        return false;
    if (QFileInfo::exists(name))
        return readSessionFile(context, name);
    context.prompter.error(FileCommandsTexts::tr("No Such File"));
    return false;
}

bool openNamedFile(const SessionContext &context, const QString &path)
{
    if (!QFileInfo::exists(path)) {
        context.prompter.error(FileCommandsTexts::tr("No Such File"));
        return false;
    }
    return maybeSave(context) && readSessionFile(context, path);
}

bool openStartupFile(const SessionContext &context, QString &startupFileName)
{
    if (startupFileName.isEmpty())
        return false;
    return readSessionFile(context, std::exchange(startupFileName, QString()));
}

void renameSession(const SessionContext &context)
{
    SessionDocument &document = context.document;
    document.edit({FileCommandsTexts::tr("Name Session")}, [&](Session &session) {
        if (const std::optional<QString> name = context.dialogs.askSessionName(session.name)) {
            session.name = *name;
            document.markModified();
        }
    });
}

void editDescription(const SessionContext &context)
{
    SessionDocument &document = context.document;
    document.edit({FileCommandsTexts::tr("Session Description")}, [&](Session &session) {
        const SessionDescriptionAnswer answer = context.dialogs.askSessionDescription(session.descriptionLines);
        if (answer.accepted && answer.changed) {
            document.markModified();
            session.descriptionLines = answer.lines;
        }
    });
}
} // namespace FileCommands
