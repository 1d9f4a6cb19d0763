// mirandel-cli encode: the bytes a download of a session file would send.
#include "CliCommand.h"
#include "CliSession.h"
#include "StderrPrompter.h"

#include "core/compiler/SegmentEncoder.h"
#include "core/compiler/SessionImage.h"
#include "core/session/Session.h"
#include "core/session/SessionDocument.h"

using namespace Qt::Literals::StringLiterals;

namespace {
int runEncode(const QStringList &arguments);

const CliCommand encodeCommand{
    u"encode"_s,
    u"encode FILE [--clear] [--model ambrion|calidor]"_s,
    u"Print the bytes a download of FILE sends: header, segment records, checksum."_s,
    u"The header asks the device to append the session (the default) or, with --clear, to\n"
    u"replace its sessions; --model names the device (ambrion, the default, or calidor).\n"
    u"Every byte in decimal, 8 to a line; the checksum alone on the last line. Encoder\n"
    u"messages go to stderr. Exit status 1 when the session cannot be sent."_s,
    runEncode};

const CliCommandRegistration registration(encodeCommand);

struct EncodeOptions
{
    QString path;
    SessionImage::DownloadMode mode = SessionImage::AppendDownload;
    SessionImage::DeviceModel model = SessionImage::AmbrionModel;
};

std::optional<EncodeOptions> parseOptions(const QStringList &arguments)
{
    EncodeOptions options;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == u"--clear"_s) {
            options.mode = SessionImage::ClearDownload;
        } else if (argument == u"--model"_s && i + 1 < arguments.size()) {
            const QString &model = arguments.at(++i);
            if (model == u"ambrion"_s)
                options.model = SessionImage::AmbrionModel;
            else if (model == u"calidor"_s)
                options.model = SessionImage::CalidorModel;
            else
                return std::nullopt;
        } else if (argument.startsWith(u'-') || !options.path.isEmpty()) {
            return std::nullopt;
        } else {
            options.path = argument;
        }
    }
    if (options.path.isEmpty())
        return std::nullopt;
    return options;
}

void printRecords(const QByteArray &bytes)
{
    for (qsizetype start = 0; start < bytes.size(); start += SessionImage::RecordSize) {
        QStringList line;
        for (const char byte : bytes.mid(start, SessionImage::RecordSize))
            line.append(QString::number(quint8(byte)));
        printLine(line.join(u' '));
    }
}

int runEncode(const QStringList &arguments)
{
    const std::optional<EncodeOptions> options = parseOptions(arguments);
    if (!options)
        return usageError(encodeCommand);
    SessionDocument document;
    StderrPrompter prompter;
    if (!loadSessionFile(options->path, document, prompter))
        return 1;
    const Session &session = document.session();
    const int segments = session.cells.columnCount();
    std::optional<SessionImage> image = encodeSession(session, prompter, segments);
    if (!image)
        return 1;
    image->setDownloadMode(options->mode);
    image->setDeviceModel(options->model);
    printRecords(image->downloadBytes(segments));
    return 0;
}
} // namespace
