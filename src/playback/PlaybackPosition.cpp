#include "playback/PlaybackPosition.h"

#include <QCoreApplication>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {
struct PlaybackPositionTexts
{
    Q_DECLARE_TR_FUNCTIONS(PlaybackPosition)
};

QString clock(double seconds)
{
    const auto whole = qint64(std::floor(std::max(seconds, 0.0)));
    return u"%1:%2"_s.arg(whole / 60).arg(int(whole % 60), 2, 10, QChar(u'0'));
}
} // namespace

QString playbackPositionText(double seconds, double totalSeconds, int segment)
{
    return PlaybackPositionTexts::tr("%1 / %2, segment %3").arg(clock(seconds), clock(totalSeconds)).arg(segment);
}
