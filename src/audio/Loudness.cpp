#include "audio/Loudness.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {
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
        return u"silent"_s;
    const QString peak = u"peak %1 dBTP"_s.arg(truePeak, 0, 'f', 1);
    if (!std::isfinite(integrated))
        return u"below -70 LUFS, "_s + peak;
    return u"%1 LUFS, "_s.arg(integrated, 0, 'f', 1) + peak;
}
