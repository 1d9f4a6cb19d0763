#include "CliSession.h"

#include "CliCommand.h"
#include "NoDialogs.h"
#include "StderrPrompter.h"
#include "core/files/SessionFileReader.h"
#include "core/session/SessionContext.h"
#include "core/session/SessionDocument.h"
#include "core/session/TimingPanel.h"

#include <QFileInfo>

bool loadSessionFile(const QString &path, SessionDocument &document, Prompter &prompter, TimingPanel *timing)
{
    if (timing)
        timing->follow(document);
    NoDialogs dialogs;
    return readSessionFile(SessionContext{document, prompter, dialogs}, QFileInfo(path).absoluteFilePath());
}

bool readWithFormatErrors(const SessionDocument &document)
{
    // The command line restores no recovery copy: reading alone guards a file.
    return !document.overwriteQuestion(document.session().fileName).isEmpty();
}

int runOnSessionFile(const CliCommand &command, const QStringList &arguments,
                     const std::function<void(const Session &, const TimingPanel &)> &print)
{
    if (arguments.size() != 1)
        return usageError(command);
    SessionDocument document;
    TimingPanel timing;
    StderrPrompter prompter;
    if (!loadSessionFile(arguments.at(0), document, prompter, &timing))
        return 1;
    print(document.session(), timing);
    return 0;
}
