#include "core/session/TextPaste.h"

#include "core/session/NewSession.h"
#include "core/session/Prompter.h"
#include "core/session/SessionContext.h"
#include "core/session/SessionDocument.h"
#include "core/session/ValueMatching.h"

#include <QCoreApplication>
#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {
struct TextPasteTexts
{
    Q_DECLARE_TR_FUNCTIONS(TextPaste)
};

constexpr int MostListed = 12;

bool isLabelLine(QStringList fields)
{
    if (fields.value(0).isEmpty())
        fields.removeFirst();
    const auto sameLabels = [&fields](const QStringList &rows) {
        const QStringList labels = rows.mid(TimeRow);
        return std::equal(fields.begin(), fields.end(), labels.begin(), labels.end(), [](const QString &a, const QString &b) {
            return a.trimmed().compare(b, Qt::CaseInsensitive) == 0;
        });
    };
    // English as other programs write it, or as the user reads it here.
    const auto sameForKind = [&sameLabels](SessionKind kind) {
        return sameLabels(rowNames(kind)) || sameLabels(rowLabels(kind));
    };
    return sameForKind(PulsedSession) || sameForKind(DualBinauralSession);
}

// The cells of rows 1 to 14 of each segment line; what cannot be read is
// added to problems.
QList<QStringList> segmentLines(const QString &text, QStringList &problems)
{
    QList<QStringList> segments;
    const QStringList lines = text.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines.at(i);
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        QStringList fields = line.split(u'\t');
        if (isLabelLine(fields))
            continue;
        if (fields.size() == SessionGrid::RowCount)
            fields.removeFirst();
        if (fields.size() != SessionGrid::RowCount - 1) {
            problems.append(TextPasteTexts::tr("Line %1: %2 cells, 14 or 15 needed").arg(i + 1).arg(fields.size()));
            continue;
        }
        segments.append(fields);
    }
    return segments;
}

void report(Prompter &prompter, const QStringList &problems)
{
    if (problems.isEmpty())
        return;
    QStringList shown = problems.first(std::min<qsizetype>(problems.size(), MostListed));
    if (problems.size() > MostListed)
        shown.append(TextPasteTexts::tr("and %1 more").arg(problems.size() - MostListed));
    prompter.error(TextPasteTexts::tr("Not pasted:\n") + shown.join(u'\n'));
}
} // namespace

void pasteText(const SessionContext &context, int column, const QString &text)
{
    QStringList problems;
    QList<QStringList> segments = segmentLines(text, problems);
    if (segments.isEmpty()) {
        problems.prepend(TextPasteTexts::tr("No segment lines in the text"));
        report(context.prompter, problems);
        return;
    }
    const int room = SessionGrid::MaxSegments - column;
    if (segments.size() > room) {
        problems.append(TextPasteTexts::tr("Max 1000 Segments: %1 lines left out").arg(segments.size() - room));
        segments.resize(room);
    }
    const int count = int(segments.size());
    const EditStep step{TextPasteTexts::tr("Paste Text at Segment %1").arg(column + 1), {column, 0}, column + 1,
                        EditStep::NoMerge, count};
    context.document.edit(step, [&](Session &session) {
        const QStringList labels = rowLabels(session.kind);
        for (int i = 0; i < count; ++i) {
            const int k = column + i;
            if (k == session.cells.columnCount()) {
                session.cells.setColumnCount(k + 1);
                fillNewSegment(session, k);
            }
            for (int row = TimeRow; row < LoopSegsRow; ++row) {
                const QString &field = segments.at(i).at(row - 1);
                const ValueMatch match = matchValue(session, {k, row}, field);
                if (match.matched())
                    session.cells.setCell(k, row, match.entry);
                else
                    problems.append(
                        TextPasteTexts::tr("Segment %1 %2 \"%3\": %4").arg(k + 1).arg(labels.at(row), field, match.problem));
            }
        }
    });
    report(context.prompter, problems);
}
