#include "CliSession.h"

#include "CliCommand.h"
#include "StderrPrompter.h"

#include "HeadlessView.h"
#include "files/SessionFileReader.h"
#include "session/Session.h"
#include "session/SessionContext.h"

#include <QFileInfo>

bool loadSessionFile(const QString &path, Session &session, Prompter &prompter, TimingPanel *timing)
{
    HeadlessView view;
    const bool read = readSessionFile(SessionContext{session, prompter, view}, QFileInfo(path).absoluteFilePath());
    if (timing)
        *timing = view.timing();
    return read;
}

int runOnSessionFile(const CliCommand &command, const QStringList &arguments,
                     const std::function<void(const Session &, const TimingPanel &)> &print)
{
    if (arguments.size() != 1)
        return usageError(command);
    Session session;
    TimingPanel timing;
    StderrPrompter prompter;
    if (!loadSessionFile(arguments.at(0), session, prompter, &timing))
        return 1;
    print(session, timing);
    return 0;
}
