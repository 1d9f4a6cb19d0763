#include "core/files/SessionFileWriter.h"

#include "core/beds/BedFile.h"
#include "core/files/SafeFileWriter.h"
#include "core/files/Windows1252.h"
#include "core/session/Prompter.h"
#include "core/session/Session.h"
#include "core/session/ToneKinds.h"
#include "core/session/ValueLists.h"

#include <QCoreApplication>
#include <QDir>
#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {
struct SessionFileWriterTexts
{
    Q_DECLARE_TR_FUNCTIONS(SessionFileWriter)
};

// The name line and the description lines: ";" and the text, which must stay
// one line and must not end the file early when read back.
void appendSemicolonLine(QString &text, QStringView line)
{
    text += u';';
    const qsizetype start = text.size();
    text += line;
    for (qsizetype i = start; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\r' || c == u'\n' || c == QChar(0))
            text[i] = u' ';
    }
    text += u"\r\n";
}

void appendSegmentLine(QString &text, const SessionGrid &cells, int column)
{
    const SessionGrid::Column &cell = *cells.storedColumn(column);
    const QString &tone = cell[ToneRow];
    const ToneKindEntry *entry = ToneKinds::find(tone);
    const bool dual = entry && entry->session == DualBinauralSession;
    const bool sixthRow = entry && entry->sixthRow != SixthRow::Unused;
    const QString none = u"none"_s;
    const QString empty;
    const std::array<const QString *, 15> fields = {
        &cell[TimeRow],
        &cell[ToneRow],
        &cell[StartFreqRow],
        &cell[PitchRow],
        !dual && cell[TargetFreqRow] == cell[StartFreqRow] ? &empty : &cell[TargetFreqRow],
        sixthRow ? &cell[ChordRow] : &empty,
        &cell[PhaseRow],
        &cell[DutyCycleRow],
        &cell[VolumeRow],
        &cell[IntensityRow],
        &cell[VIRampRow],
        &none, // reserved
        dual ? &cell[DbbRampRow] : &empty,
        &cell[LoopSegsRow],
        &cell[LoopTimesRow]};
    const QString &number = cells.cell(column, SegmentNumberRow);
    // The line written in place: one TAB after each field, then CR LF.
    qsizetype length = number.size() + qsizetype(fields.size()) + 3;
    for (const QString *field : fields)
        length += field->size();
    const qsizetype start = text.size();
    text.resize(start + length);
    QChar *out = text.data() + start;
    const auto put = [&out](QStringView part) {
        out = std::copy(part.begin(), part.end(), out);
        *out++ = u'\t';
    };
    put(number);
    for (const QString *field : fields)
        put(*field);
    *out++ = u'\r';
    *out++ = u'\n';
}
} // namespace

QByteArray sessionFileBytes(const Session &session)
{
    QString text;
    text.reserve(80 * (session.cells.columnCount() + 1));
    appendSemicolonLine(text, session.name);
    for (int column = 0; column < session.cells.columnCount(); ++column)
        appendSegmentLine(text, session.cells, column);
    for (const QString &line : session.descriptionLines)
        appendSemicolonLine(text, line);
    return Windows1252::encode(text);
}

bool writeSessionFile(const Session &session, Prompter &prompter)
{
    auto failure = writeFileSafely(session.fileName, sessionFileBytes(session));
    if (!failure) {
        failure = writeBedFile(session.beds, session.fileName);
        if (!failure)
            return true;
        prompter.error(SessionFileWriterTexts::tr("The session was saved, but not its beds in \"%1\". %2")
                           .arg(bedFilePath(session.fileName), failure->reason));
        return false;
    }
    switch (failure->stage) {
    case FileWriteFailure::Create:
        prompter.error(SessionFileWriterTexts::tr("Cannot create file \"%1\". %2").arg(session.fileName, failure->reason));
        break;
    case FileWriteFailure::NoTemporaryFile:
        prompter.error(QCoreApplication::translate("SessionFileWriter",
                                                   "Cannot save \"%1\" safely: no temporary file can be made in the "
                                                   "folder %2 (%3). Save it under another name with File > Save As.")
                           .arg(
                           session.fileName, QDir::toNativeSeparators(failure->folder), failure->reason));
        break;
    case FileWriteFailure::Write:
        prompter.errorWithDetails(SessionFileWriterTexts::tr("Stream write error"),
                                  SessionFileWriterTexts::tr("%1 could not be written: %2")
                                      .arg(QDir::toNativeSeparators(session.fileName), failure->reason));
        break;
    }
    return false;
}
