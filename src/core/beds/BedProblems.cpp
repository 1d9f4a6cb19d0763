#include "core/beds/BedProblems.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
struct BedProblemsTexts
{
    Q_DECLARE_TR_FUNCTIONS(BedProblems)
};
} // namespace

QList<SessionProblem> bedProblems(const BedList &beds)
{
    QList<SessionProblem> problems;
    for (size_t i = 0; i < beds.size(); ++i) {
        const Bed &bed = beds[i];
        if (bed.kind != Bed::File)
            continue;
        const QFileInfo file(bed.path);
        const QString shown = QDir::toNativeSeparators(bed.path);
        QString text;
        if (!file.exists())
            text = BedProblemsTexts::tr("Bed %1: the sound file %2 is missing; the bed plays as silence");
        else if (!file.isFile() || !file.isReadable())
            text = BedProblemsTexts::tr("Bed %1: the sound file %2 cannot be read; the bed plays as silence");
        if (!text.isEmpty())
            problems.append({SessionProblem::Note, 0, 0, text.arg(i + 1).arg(shown)});
    }
    return problems;
}
