#include "core/exchange/ImportFinish.h"

#include "core/compiler/SessionImage.h"
#include "core/files/SessionFileParser.h"
#include "core/files/Windows1252.h"
#include "core/session/Session.h"
#include "core/session/TextNumbers.h"
#include "core/session/ValueLists.h"

#include <QCoreApplication>

using namespace Qt::Literals::StringLiterals;

namespace {
// One context for lupdate and the translator alike.
struct ImportFinishTexts
{
    Q_DECLARE_TR_FUNCTIONS(ImportFinish)
};

// What a session file holds of a text, and which kinds of change that took.
struct FileText
{
    bool replacedUnknown = false;
    bool replacedBreaks = false;

    QString kept(const QString &text)
    {
        QString kept = Windows1252::decode(Windows1252::encode(text));
        replacedUnknown = replacedUnknown || kept.size() != text.size() || kept.count(u'?') != text.count(u'?');
        for (QChar &c : kept) {
            if (c == u'\r' || c == u'\n' || c == QChar(0)) {
                c = u' ';
                replacedBreaks = true;
            }
        }
        return kept;
    }
};

// Lines of at most `length` characters, broken after the last space that
// leaves the line at least half full, else at the length.
QStringList wrapped(const QString &line, qsizetype length)
{
    QStringList lines;
    QStringView rest(line);
    while (rest.size() > length) {
        qsizetype end = rest.first(length + 1).lastIndexOf(u' ');
        const bool atSpace = end >= length / 2;
        if (!atSpace)
            end = length;
        lines.append(rest.first(end).toString());
        rest = rest.sliced(atSpace ? end + 1 : end);
    }
    lines.append(rest.toString());
    return lines;
}

qint64 longestSessionHalfSeconds()
{
    const qint64 longestSegment = *TextNumbers::tryHalfSecondsOfTime(ValueLists::TimeList.last());
    return longestSegment * SessionImage::MaxSegments;
}

QString timeText(qint64 halfSeconds)
{
    const qint64 seconds = halfSeconds / 2;
    return u"%1:%2:%3"_s.arg(seconds / 3600).arg(seconds / 60 % 60, 2, 10, QChar(u'0')).arg(seconds % 60, 2, 10, QChar(u'0'));
}
} // namespace

void finishImport(Session &session, QList<ExchangeNote> &notes)
{
    auto note = [&notes](int segment, int row, const QString &message) { notes.append({segment, row, 0, message}); };
    FileText file;
    session.name = file.kept(session.name);
    if (session.name.size() > SessionFileParser::NameLength) {
        note(0, 0, ImportFinishTexts::tr("name cut to %1 characters, as many as a session file keeps")
                       .arg(SessionFileParser::NameLength));
        session.name.truncate(SessionFileParser::NameLength);
    }
    QStringList lines;
    int wraps = 0;
    for (const QString &line : std::as_const(session.descriptionLines)) {
        const QStringList parts = wrapped(file.kept(line), SessionFileParser::DescriptionLineLength);
        wraps += parts.size() > 1 ? 1 : 0;
        lines += parts;
    }
    if (wraps > 0)
        note(0, 0, ImportFinishTexts::tr("%n description line(s) wrapped: a session file keeps %1 characters a line", nullptr, wraps)
                       .arg(SessionFileParser::DescriptionLineLength));
    if (lines.size() > SessionFileParser::DescriptionLineLimit) {
        note(0, 0, ImportFinishTexts::tr("description cut after line %1: a session file keeps no more")
                       .arg(SessionFileParser::DescriptionLineLimit));
        lines.resize(SessionFileParser::DescriptionLineLimit);
    }
    session.descriptionLines = lines;
    if (file.replacedUnknown)
        note(0, 0, ImportFinishTexts::tr("characters a session file cannot hold written as \"?\""));
    if (file.replacedBreaks)
        note(0, 0, ImportFinishTexts::tr("line breaks and NUL characters in the name or description written as spaces"));

    const qint64 longest = longestSessionHalfSeconds();
    for (int column = 0; column < session.cells.columnCount(); ++column) {
        const QString &time = session.cells.cell(column, TimeRow);
        const std::optional<qint64> halfSeconds = TextNumbers::tryHalfSecondsOfTime(time);
        if (halfSeconds && *halfSeconds > longest)
            note(column + 1, TimeRow,
                 ImportFinishTexts::tr("time %1 is implausible: longer than the longest session the device holds (%2)")
                     .arg(time, timeText(longest)));
    }
}
