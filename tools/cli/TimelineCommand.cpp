// mirandel-cli timeline: the timeline of the window, as a PNG or SVG file.
#include "CliBatch.h"
#include "CliCommand.h"
#include "CliSession.h"
#include "StderrPrompter.h"

#include "core/session/SessionDocument.h"
#include "gui/timeline/TimelinePicture.h"

#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {
int runTimeline(const QStringList &arguments);

constexpr int LeastWidth = 200;
constexpr int LeastHeight = 100;
constexpr int MostWidth = 16384;
constexpr int MostHeight = 4096;

const CliBatch batch{{u"lss"_s}, u"png"_s, {}};

const CliCommand timelineCommand{
    u"timeline"_s,
    u"timeline FILE -o OUT.png|OUT.svg [--width W --height H]"_s,
    u"Draw FILE's timeline (beat, sound and light over time) as a PNG or SVG picture."_s,
    u"The whole session, loops played out, in a picture of W x H pixels: W from 200 to 16384\n"
    u"(1200 when not given), H from 100 to 4096 (400 when not given). OUT ending in .svg gives\n"
    u"an SVG document, any other name a PNG picture. Exit status 1 when the session cannot be\n"
    u"read or OUT cannot be written; the message goes to stderr."_s,
    runTimeline,
    true,
    &batch};

const CliCommandRegistration registration(timelineCommand);

struct TimelineOptions
{
    QString path;
    QString output;
    int width = 1200;
    int height = 400;
};

std::optional<int> pixels(const QString &text, int least, int most)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value >= least && value <= most ? std::optional<int>(value) : std::nullopt;
}

std::optional<TimelineOptions> parseOptions(const QStringList &arguments)
{
    TimelineOptions options;
    bool widthGiven = false;
    bool heightGiven = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        const bool hasValue = i + 1 < arguments.size();
        if (argument == u"--width"_s && hasValue && !widthGiven) {
            const auto width = pixels(arguments.at(++i), LeastWidth, MostWidth);
            if (!width)
                return std::nullopt;
            options.width = *width;
            widthGiven = true;
        } else if (argument == u"--height"_s && hasValue && !heightGiven) {
            const auto height = pixels(arguments.at(++i), LeastHeight, MostHeight);
            if (!height)
                return std::nullopt;
            options.height = *height;
            heightGiven = true;
        } else if (argument == u"-o"_s && hasValue && options.output.isEmpty()) {
            options.output = arguments.at(++i);
        } else if (argument.startsWith(u'-') || !options.path.isEmpty()) {
            return std::nullopt;
        } else {
            options.path = argument;
        }
    }
    if (options.path.isEmpty() || options.output.isEmpty())
        return std::nullopt;
    return options;
}

int runTimeline(const QStringList &arguments)
{
    const std::optional<TimelineOptions> options = parseOptions(arguments);
    if (!options)
        return usageError(timelineCommand);
    SessionDocument document;
    StderrPrompter prompter;
    if (!loadSessionFile(options->path, document, prompter))
        return 1;
    if (const auto failure = TimelinePicture::save(options->output, document.session(), options->width,
                                                   options->height)) {
        printError(u"mirandel-cli: %1"_s.arg(*failure));
        return 1;
    }
    return 0;
}
} // namespace
