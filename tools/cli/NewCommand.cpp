// mirandel-cli new: a new session file, empty or from a template.
#include "CliCommand.h"
#include "CliTemplates.h"
#include "StderrPrompter.h"

#include "core/files/SessionFileWriter.h"
#include "core/session/NewSession.h"
#include "core/session/Session.h"

#include <QFileInfo>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {
int run(const QStringList &arguments);

const CliCommand command{
    u"new"_s,
    u"new [--kind pulsed|dual] [--template NAME] -o FILE"_s,
    u"Writes a new session file, as File > New or File > New from Template makes it."_s,
    u"Without --template the session holds File > New's first segment of the kind --kind\n"
    u"names (pulsed when not given). With --template it is a copy of the template NAME (as\n"
    u"mirandel-cli templates lists them, case aside), named \"unnamed\" with the template's\n"
    u"description; --kind, when given too, must be the template's kind. FILE is replaced only\n"
    u"once it has been written in full. Exit status 0 when FILE was written, 1 when the\n"
    u"template is unknown or of the other kind or FILE cannot be written, 2 on wrong usage."_s,
    &run};
const CliCommandRegistration registration(command);

struct NewOptions
{
    std::optional<SessionKind> kind;
    std::optional<QString> templateName;
    QString output;
};

std::optional<NewOptions> parseOptions(const QStringList &arguments)
{
    NewOptions options;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (i + 1 >= arguments.size())
            return std::nullopt;
        const QString &value = arguments.at(++i);
        if (argument == u"-o"_s && options.output.isEmpty() && !value.isEmpty()) {
            options.output = value;
        } else if (argument == u"--kind"_s && !options.kind && (value == u"pulsed"_s || value == u"dual"_s)) {
            options.kind = value == u"dual"_s ? DualBinauralSession : PulsedSession;
        } else if (argument == u"--template"_s && !options.templateName) {
            options.templateName = value;
        } else {
            return std::nullopt;
        }
    }
    if (options.output.isEmpty())
        return std::nullopt;
    return options;
}

int run(const QStringList &arguments)
{
    const std::optional<NewOptions> options = parseOptions(arguments);
    if (!options)
        return usageError(command);
    Session session;
    if (options->templateName) {
        const TemplateLibrary library = cliTemplateLibrary();
        const SessionTemplate *found = library.find(*options->templateName);
        if (!found) {
            printError(u"mirandel-cli: there is no template named \"%1\" (mirandel-cli templates lists them)"_s.arg(
                *options->templateName));
            return 1;
        }
        if (options->kind && *options->kind != found->kind) {
            printError(u"mirandel-cli: the template \"%1\" is a %2 session, not %3"_s.arg(
                found->name, kindWord(found->kind), kindWord(*options->kind)));
            return 1;
        }
        session = sessionFromTemplate(*found);
    } else {
        session = defaultSession(options->kind.value_or(PulsedSession));
    }
    session.fileName = QFileInfo(options->output).absoluteFilePath();
    StderrPrompter prompter;
    prompter.showsDetails = true; // a failed write names the file and the reason
    return writeSessionFile(session, prompter) ? 0 : 1;
}
} // namespace
