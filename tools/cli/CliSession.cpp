#include "CliSession.h"

#include "CliCommand.h"
#include "StderrPrompter.h"

#include "HeadlessView.h"
#include "files/SessionFileReader.h"
#include "session/Session.h"
#include "session/SessionContext.h"

#include <QFileInfo>

bool loadSessionFile(const QString &path, Session &session, Prompter &prompter)
{
    HeadlessView view;
    return readSessionFile(SessionContext{session, prompter, view}, QFileInfo(path).absoluteFilePath());
}

int runOnSessionFile(const CliCommand &command, const QStringList &arguments,
                     const std::function<void(const Session &)> &print)
{
    if (arguments.size() != 1)
        return usageError(command);
    Session session;
    StderrPrompter prompter;
    if (!loadSessionFile(arguments.at(0), session, prompter))
        return 1;
    print(session);
    return 0;
}
