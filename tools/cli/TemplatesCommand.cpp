// mirandel-cli templates: what File > New from Template offers.
#include "CliCommand.h"
#include "CliTemplates.h"

using namespace Qt::Literals::StringLiterals;

namespace {
int run(const QStringList &arguments);

const CliCommand command{
    u"templates"_s,
    u"templates"_s,
    u"Lists the session templates that File > New from Template offers."_s,
    u"One line per template, the shipped ones first, then the user's own, each by name: the\n"
    u"name, TAB, the kind (\"pulsed\" or \"dual\"), TAB, the played length as m:ss, TAB, the\n"
    u"description on one line. Exit status 0, 2 on wrong usage."_s,
    &run};
const CliCommandRegistration registration(command);

QString lengthText(int seconds)
{
    return u"%1:%2"_s.arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

int run(const QStringList &arguments)
{
    if (!arguments.isEmpty())
        return usageError(command);
    const TemplateLibrary library = cliTemplateLibrary();
    for (const SessionTemplate &t : library.templates()) {
        QString description = t.oneLineDescription();
        description.replace(u'\t', u' ');
        printLine(u"%1\t%2\t%3\t%4"_s.arg(t.name, kindWord(t.kind), lengthText(t.totalSeconds), description));
    }
    return 0;
}
} // namespace
