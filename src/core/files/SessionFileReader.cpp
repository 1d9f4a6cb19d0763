#include "core/files/SessionFileReader.h"

#include "core/beds/BedFile.h"
#include "core/files/FileKind.h"
#include "core/files/SessionFileParser.h"
#include "core/session/Prompter.h"
#include "core/session/Session.h"
#include "core/session/SessionContext.h"
#include "core/session/SessionDocument.h"
#include "core/session/TimingSummary.h"

#include <QCoreApplication>
#include <QFile>
#include <QDir>
#include <QFileInfo>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {
struct SessionFileReaderTexts
{
    Q_DECLARE_TR_FUNCTIONS(SessionFileReader)
};

// Far beyond any session (1000 segments and their description take well
// under a megabyte), so that a file that is no session is refused in
// bounded time and memory.
constexpr qint64 FileSizeLimit = 64 * 1024 * 1024;
constexpr qint64 ChunkSize = 64 * 1024;

QString tooLargeReason()
{
    return SessionFileReaderTexts::tr("The file is larger than %1 MB, far larger than any session file.")
        .arg(FileSizeLimit / (1024 * 1024));
}

// Reads the file into the parser piece by piece. The reason why it cannot be
// read, or nothing.
std::optional<QString> readInto(QFile &file, SessionFileParser &parser)
{
    if (fileKindOf(file.fileName()) == FileKind::Other)
        return unusableFileKindReason();
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    if (file.size() > FileSizeLimit)
        return tooLargeReason();
    QByteArray chunk(ChunkSize, Qt::Uninitialized);
    qint64 total = 0;
    for (;;) {
        const qint64 count = file.read(chunk.data(), ChunkSize);
        if (count < 0)
            return file.errorString();
        if (count == 0 || !parser.feed(QByteArrayView(chunk.constData(), count)))
            return std::nullopt;
        // Devices and pipes tell no size beforehand.
        if ((total += count) > FileSizeLimit)
            return tooLargeReason();
    }
}

// What saving over the file would lose, each named; empty when nothing.
QStringList lossesOf(const SessionFileContent &content)
{
    QStringList losses;
    if (content.formatErrors)
        losses << SessionFileReaderTexts::tr("the lines with format errors");
    if (content.cut)
        losses << SessionFileReaderTexts::tr("the segments after the first %1").arg(SessionGrid::MaxSegments);
    if (content.endedAtNul)
        losses << SessionFileReaderTexts::tr("the text after the NUL byte");
    if (content.nameCut)
        losses << SessionFileReaderTexts::tr("the end of the name after %1 characters").arg(SessionFileParser::NameLength);
    if (content.descriptionLineCut) {
        losses << SessionFileReaderTexts::tr("the ends of description lines after %1 characters")
                      .arg(SessionFileParser::DescriptionLineLength);
    }
    if (content.descriptionCut) {
        losses << SessionFileReaderTexts::tr("the description lines after the first %1")
                      .arg(SessionFileParser::DescriptionLineLimit);
    }
    return losses;
}

// The question Save asks before it replaces a file read with losses.
QString overwriteQuestion(const SessionFileContent &content, const QString &fileName)
{
    const QStringList losses = lossesOf(content);
    if (losses.isEmpty())
        return QString();
    if (losses.size() == 1 && content.formatErrors) {
        return SessionFileReaderTexts::tr("%1 was read with format errors; saving replaces it with what could be read. "
                                          "Replace it?")
            .arg(fileName);
    }
    return SessionFileReaderTexts::tr("%1 was read with losses; saving replaces it with what could be read, without %2. "
                                      "Replace it?")
        .arg(fileName, losses.join(u"; "_s));
}
} // namespace

bool readSessionFile(const SessionContext &context, const QString &path)
{
    SessionFileParser parser(context.document.session().kind, context.prompter);
    QFile file(path);
    if (const auto reason = readInto(file, parser)) {
        context.prompter.error(SessionFileReaderTexts::tr("Cannot open file \"%1\". %2").arg(path, *reason));
        return false;
    }
    file.close();

    SessionFileContent content = parser.finish();
    if (!content.readable) {
        context.prompter.error(SessionFileReaderTexts::tr("Cannot open file \"%1\". %2")
                                   .arg(path, SessionFileReaderTexts::tr("Nothing in it reads as a session file.")));
        return false;
    }
    if (content.endedAtNul)
        context.prompter.error(SessionFileReaderTexts::tr("The file holds a NUL byte; the text after it was not read."));
    if (content.formatErrors)
        context.prompter.error(SessionFileReaderTexts::tr("Format errors in file"));
    if (content.cut) {
        context.prompter.error(
            SessionFileReaderTexts::tr("The file holds more than %1 segments; only the first %1 were read.").arg(SessionGrid::MaxSegments));
    }
    if (content.descriptionCut) {
        context.prompter.error(SessionFileReaderTexts::tr("The file holds more than %1 description lines; only the first %1 were read.")
                                   .arg(SessionFileParser::DescriptionLineLimit));
    }

    const QString question = overwriteQuestion(content, QFileInfo(path).fileName());
    showSessionFileContent(context, std::move(content), path);
    context.document.markSaved();
    // What could not be read would be lost: the file may be a newer
    // program's session, or one damaged that the user wants to rescue.
    if (!question.isEmpty())
        context.document.guardFile(path, question);
    return true;
}

void showSessionFileContent(const SessionContext &context, SessionFileContent content, const QString &path)
{
    Session session;
    session.fileName = path;
    session.name = content.name;
    session.descriptionLines = content.descriptionLines;
    session.kind = content.kind;
    session.cells = std::move(content.cells);
    BedFileContent beds = readBedFile(path);
    session.beds = std::move(beds.beds);
    context.document.replace(std::move(session), false);
    // Loop fields are taken as they stand; one that is no number is reported
    // once the session is shown.
    const QString timingError = computeTimingSummary(context.document.cells(), 1).error;
    if (!timingError.isEmpty())
        context.prompter.error(timingError);
    if (!beds.error.isEmpty()) {
        context.prompter.error(SessionFileReaderTexts::tr("The beds of this session in %1 cannot be read, so it opens without "
                                                          "them; saving leaves that file as it is. %2")
                                   .arg(QDir::toNativeSeparators(bedFilePath(path)), beds.error));
    }
}
