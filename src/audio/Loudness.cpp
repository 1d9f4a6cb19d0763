#include "audio/Loudness.h"

#include <QCoreApplication>
#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {
struct LoudnessTexts
{
    Q_DECLARE_TR_FUNCTIONS(Loudness)
};

// Room for the rounding to 16-bit samples, which may lift a peak by a fraction of a step.
constexpr double QuantisingMargin = 0.01;
} // namespace

double Loudness::gainTo(double target) const
{
    if (!std::isfinite(integrated))
        return 0;
    return std::min(target - integrated, TruePeakCeiling - QuantisingMargin - truePeak);
}

QString Loudness::text() const
{
    if (!std::isfinite(truePeak))
        return LoudnessTexts::tr("silent");
    const QString peak = LoudnessTexts::tr("peak %1 dBTP").arg(truePeak, 0, 'f', 1);
    if (!std::isfinite(integrated))
        return LoudnessTexts::tr("below -70 LUFS, ") + peak;
    return LoudnessTexts::tr("%1 LUFS, ").arg(integrated, 0, 'f', 1) + peak;
}
