// mirandel-cli graph: the picture the graph window shows, as a PNG file.
#include "CliCommand.h"
#include "CliSession.h"
#include "StderrPrompter.h"

#include "files/SafeFileWriter.h"
#include "session/Session.h"
#include "views/GraphDrawing.h"
#include "views/GraphPicture.h"

#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {
int runGraph(const QStringList &arguments);

const CliCommand graphCommand{
    u"graph"_s,
    u"graph FILE --mode segments|time --width W --height H [--with-scale] -o OUT.png"_s,
    u"Draw FILE's segment graph or time graph as a PNG picture."_s,
    u"The picture is the bitmap the graph window shows in a scroll box of W x H pixels,\n"
    u"each 1 to 16384. --with-scale adds the frequency scale strip left of it, with its\n"
    u"units, as the window shows it; without it the scale is not part of it. The time graph\n"
    u"spaces its minutes by the session's total time. Exit status 1 when the session\n"
    u"cannot be read or drawn or OUT.png cannot be written; the message goes to stderr."_s,
    runGraph};

const CliCommandRegistration registration(graphCommand);

struct GraphOptions
{
    QString path;
    std::optional<GraphKind> mode;
    int width = 0;
    int height = 0;
    QString output;
    bool withScale = false;
};

// Beyond what any screen shows; larger pictures take minutes and gigabytes.
constexpr int MostPixels = 16384;

// A whole number of pixels, 1 to MostPixels.
int pixels(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value > 0 && value <= MostPixels ? value : 0;
}

std::optional<GraphOptions> parseOptions(const QStringList &arguments)
{
    GraphOptions options;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        const bool hasValue = i + 1 < arguments.size();
        if (argument == u"--mode"_s && hasValue && !options.mode) {
            const QString &mode = arguments.at(++i);
            if (mode == u"segments"_s)
                options.mode = GraphKind::Segment;
            else if (mode == u"time"_s)
                options.mode = GraphKind::Time;
            else
                return std::nullopt;
        } else if (argument == u"--width"_s && hasValue && options.width == 0) {
            if ((options.width = pixels(arguments.at(++i))) == 0)
                return std::nullopt;
        } else if (argument == u"--height"_s && hasValue && options.height == 0) {
            if ((options.height = pixels(arguments.at(++i))) == 0)
                return std::nullopt;
        } else if (argument == u"--with-scale"_s && !options.withScale) {
            options.withScale = true;
        } else if (argument == u"-o"_s && hasValue && options.output.isEmpty()) {
            options.output = arguments.at(++i);
        } else if (argument.startsWith(u'-') || !options.path.isEmpty()) {
            return std::nullopt;
        } else {
            options.path = argument;
        }
    }
    if (options.path.isEmpty() || !options.mode || options.width == 0 || options.height == 0
        || options.output.isEmpty())
        return std::nullopt;
    return options;
}

// Whole or not at all: an earlier picture of that name survives a failure.
bool writePng(const QImage &image, const QString &path)
{
    const QByteArray png = GraphPicture::png(image);
    return !png.isEmpty() && !writeFileSafely(path, png);
}

int runGraph(const QStringList &arguments)
{
    const std::optional<GraphOptions> options = parseOptions(arguments);
    if (!options)
        return usageError(graphCommand);
    Session session;
    StderrPrompter prompter;
    if (!loadSessionFile(options->path, session, prompter))
        return 1;
    const GraphDrawing drawing = drawGraph(session.cells, *options->mode, session.name,
                                           session.totalSeconds, options->width, options->height);
    if (!drawing.error.isEmpty()) {
        printError(drawing.error);
        return 1;
    }
    const QImage picture = options->withScale
                               ? GraphPicture::image(drawing, GraphGeometry(options->width, options->height),
                                                     *options->mode)
                               : drawing.bitmap;
    if (picture.isNull()) {
        printError(u"mirandel-cli: the picture for %1 x %2 pixels is too large"_s.arg(options->width)
                       .arg(options->height));
        return 1;
    }
    if (!writePng(picture, options->output)) {
        printError(u"mirandel-cli: cannot write %1"_s.arg(options->output));
        return 1;
    }
    return 0;
}
} // namespace
