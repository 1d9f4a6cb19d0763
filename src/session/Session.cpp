#include "session/Session.h"

using namespace Qt::Literals::StringLiterals;

QStringList rowLabels(SessionKind kind)
{
    const bool dual = kind == DualBinauralSession;
    return {QString(),
            u"Time m:s"_s,
            u"Tone"_s,
            dual ? u"Freq 1"_s : u"Start Freq"_s,
            dual ? u"Pitch 1"_s : u"Pitch"_s,
            dual ? u"Freq 2"_s : u"Target Freq"_s,
            dual ? u"Pitch 2"_s : u"Chord"_s,
            u"Phase"_s,
            u"Duty Cycle"_s,
            u"Volume"_s,
            u"Intensity"_s,
            u"VI Ramp"_s,
            u"dbb Ramp"_s,
            u"Loop Segs"_s,
            u"Loop Times"_s};
}
