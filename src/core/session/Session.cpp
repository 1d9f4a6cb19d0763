#include "core/session/Session.h"

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

QString cellChangeText(SessionKind kind, const CellPos &cell)
{
    return u"Change %1 of Segment %2"_s.arg(rowLabels(kind).value(cell.row)).arg(cell.column + 1);
}
