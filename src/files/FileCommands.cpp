#include "files/FileCommands.h"

#include "files/Opensess.h"
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
FileDialogRequest sessionFileDialog(const QString &title, const Session &session)
{
    return {title, u"Light/Sound Source (LSS)|*.LSS"_s, u"LSS"_s, session.SessionFileName};
}
} // namespace

bool QuerySaveModified(const SessionContext &context)
{
    Session &session = context.session;
    if (session.SessionModified != 1)
        return true;
    const QString fileName = QFileInfo(session.SessionFileName).fileName();
    if (context.prompter.confirmYesNo(u"Session %1 has been modified. Save it?"_s.arg(fileName)))
        SaveasClick(context);
    else
        session.SessionModified = 0;
    return session.SessionModified == 0;
}

void Save1Click(const SessionContext &context)
{
    if (context.session.SessionFileName.isEmpty()) {
        SaveasClick(context);
        return;
    }
    WriteSessionFile(context.session, context.prompter);
}

void SaveasClick(const SessionContext &context)
{
    Session &session = context.session;
    const QString name = context.view.askSaveFileName(sessionFileDialog(u"Save File As"_s, session));
    if (name.isEmpty()) {
        session.SessionModified = 1;
        return;
    }
    if (name != session.SessionFileName && QFileInfo::exists(name)) {
        context.prompter.error(u"File Exists"_s);
        session.SessionModified = 1;
        return;
    }
    session.SessionFileName = name;
    Save1Click(context);
}

void Open1Click(const SessionContext &context)
{
    if (!QuerySaveModified(context))
        return;
    const QString name = context.view.askOpenFileName(sessionFileDialog(u"Select File to Read"_s, context.session));
    if (name.isEmpty())
        return;
    if (QFileInfo::exists(name))
        Opensess(context, name);
    else
        context.prompter.error(u"No Such File"_s);
}

void FormActivate(const SessionContext &context, QString &startupFileName)
{
    if (startupFileName.isEmpty())
        return;
    Opensess(context, std::exchange(startupFileName, QString()));
}

bool FormCloseQuery(const SessionContext &context)
{
    return QuerySaveModified(context);
}

void Name1Click(const SessionContext &context)
{
    Session &session = context.session;
    if (const std::optional<QString> name = context.view.askSessionName(session.SessionName)) {
        session.SessionName = *name;
        session.SessionModified = 1;
    }
    context.view.setCaption(SessionCaption(session.SessionName, false));
}

void SessionDescription1Click(const SessionContext &context)
{
    Session &session = context.session;
    const SessionDescriptionAnswer answer = context.view.askSessionDescription(session.DescriptionLines);
    if (answer.accepted && answer.changed) {
        session.SessionModified = 1;
        session.DescriptionLines = answer.lines;
    }
}
} // namespace FileCommands
