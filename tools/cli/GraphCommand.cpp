// mirandel-cli graph: the picture the graph window shows, as a PNG file.
#include "CliBatch.h"
#include "CliCommand.h"
#include "CliSession.h"
#include "StderrPrompter.h"

#include "core/files/SafeFileWriter.h"
#include "core/session/Session.h"
#include "core/session/SessionDocument.h"
#include "core/session/TimingPanel.h"
#include "gui/graph/GraphCanvas.h"
#include "gui/graph/GraphDrawing.h"
#include "gui/graph/GraphPicture.h"
#include "gui/graph/PngWriter.h"

#include <algorithm>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {
int runGraph(const QStringList &arguments);

const CliBatch batch{{u"lss"_s}, u"png"_s, {u"--with-scale"_s}};

const CliCommand graphCommand{
    u"graph"_s,
    u"graph FILE --mode segments|time --width W --height H [--with-scale] -o OUT.png"_s,
    u"Draw FILE's segment graph or time graph as a PNG picture."_s,
    u"The picture is the bitmap the graph window shows in a scroll box of W x H pixels,\n"
    u"each 1 to 16384. --with-scale adds the frequency scale strip left of it, with its\n"
    u"units, as the window shows it; without it the scale is not part of it. The time graph\n"
    u"spaces its minutes by the session's total time. The picture is as high as whole frequency\n"
    u"steps fit into H and as wide as the session: at a terminal, stderr tells a size other than\n"
    u"W x H. Exit status 1 when the session cannot be read or drawn or OUT.png cannot be\n"
    u"written; the message goes to stderr."_s,
    runGraph,
    true,
    &batch};

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

// Rows painted at a time: about 4 MB of picture, however wide.
constexpr qint64 BandPixels = 4 << 20;

// The picture as the bytes of a PNG file with the picture's palette, painted
// and compressed a band of rows at a time: the whole bitmap of a graph
// 100001 pixels wide never exists at once. Nothing when memory runs out.
std::optional<QByteArray> pngOf(const GraphCanvas &canvas)
{
    const int rowsPerBand = int(std::clamp<qint64>(BandPixels / canvas.width(), 1, canvas.height()));
    PngWriter writer(QSize(canvas.width(), canvas.height()), canvas.colourTable());
    for (int top = 0; top < canvas.height(); top += rowsPerBand) {
        if (!writer.addRows(canvas.paint(QRect(0, top, canvas.width(), std::min(rowsPerBand, canvas.height() - top)))))
            return std::nullopt;
    }
    QByteArray bytes = writer.finish();
    return bytes.isEmpty() ? std::nullopt : std::optional<QByteArray>(bytes);
}

// The picture is the bitmap the window shows inside its scroll box: as high
// as whole frequency units allow, as wide as the session is long.
QString sizeNote(const GraphOptions &options, QSize size)
{
    return u"mirandel-cli: %1 is %2 x %3 pixels, the graph as a scroll box of %4 x %5 shows it: as high as whole "
           u"frequency steps fit, as wide as the session"_s.arg(options.output)
        .arg(size.width())
        .arg(size.height())
        .arg(options.width)
        .arg(options.height);
}

int runGraph(const QStringList &arguments)
{
    const std::optional<GraphOptions> options = parseOptions(arguments);
    if (!options)
        return usageError(graphCommand);
    SessionDocument document;
    TimingPanel timing;
    StderrPrompter prompter;
    if (!loadSessionFile(options->path, document, prompter, &timing))
        return 1;
    const Session &session = document.session();
    const GraphSketch sketch = sketchGraph(session.cells, *options->mode, session.name, timing.totalSeconds(),
                                           options->width, options->height);
    if (!sketch.error.isEmpty()) {
        printError(sketch.error);
        return 1;
    }
    // With the scale the picture is composed whole; the bare bitmap is
    // painted and compressed band by band.
    std::optional<QByteArray> png;
    QSize size(sketch.canvas->width(), sketch.canvas->height());
    if (options->withScale) {
        const QImage picture = GraphPicture::image(paintWhole(sketch), GraphGeometry(options->width, options->height),
                                                   *options->mode);
        size = picture.size();
        if (!picture.isNull())
            png = GraphPicture::png(picture);
    } else {
        png = pngOf(*sketch.canvas);
    }
    if (!png) {
        printError(u"mirandel-cli: the picture for %1 x %2 pixels is too large"_s.arg(options->width)
                       .arg(options->height));
        return 1;
    }
    // Whole or not at all: an earlier picture of that name survives a failure.
    if (png->isEmpty() || writeFileSafely(options->output, *png)) {
        printError(u"mirandel-cli: cannot write %1"_s.arg(options->output));
        return 1;
    }
    if (size != QSize(options->width, options->height) && stderrIsTerminal())
        printError(sizeNote(*options, size));
    return 0;
}
} // namespace
