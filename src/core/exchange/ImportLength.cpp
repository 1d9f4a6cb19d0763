#include "core/exchange/ImportLength.h"

#include "core/session/Prompter.h"

#include <QCoreApplication>
#include <QTime>

using namespace Qt::Literals::StringLiterals;

namespace {
// One context for lupdate and the translator alike.
struct ImportLength
{
    Q_DECLARE_TR_FUNCTIONS(ImportLength)
};
} // namespace

std::optional<double> askImportLength(Prompter &prompter, const QString &fileName, double offered)
{
    const QString initial = QTime(0, 0).addSecs(int(offered)).toString(u"H:mm:ss"_s);
    const QString answer = prompter.inputBox(
        ImportLength::tr("Import"), ImportLength::tr("%1 plays until it is stopped. Length of the session (H:MM:SS):").arg(fileName),
        initial);
    const QTime length = QTime::fromString(answer.trimmed(), u"H:mm:ss"_s);
    if (!length.isValid() || length.msecsSinceStartOfDay() == 0) {
        prompter.error(ImportLength::tr("Cannot import %1: \"%2\" is not a length (H:MM:SS)").arg(fileName, answer));
        return std::nullopt;
    }
    return length.msecsSinceStartOfDay() / 1000.0;
}
