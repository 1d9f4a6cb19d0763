#include "CliBedOption.h"

#include "core/session/TextNumbers.h"

#include <QFileInfo>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {
constexpr double QuietestGain = -120;
constexpr double LoudestGain = 40;
} // namespace

std::optional<Bed> parseBedOption(const QString &text)
{
    Bed bed;
    QString rest = text;
    if (rest.endsWith(u":loop"_s)) {
        bed.loop = true;
        rest.chop(5);
    }
    // A file name may hold colons: only a number after the last one is a gain.
    const qsizetype colon = rest.lastIndexOf(u':');
    if (colon > 0) {
        if (const std::optional<double> gain = TextNumbers::tryDecimal(rest.mid(colon + 1))) {
            if (!(*gain >= QuietestGain && *gain <= LoudestGain))
                return std::nullopt;
            bed.gain = *gain;
            rest.truncate(colon);
        } else if (bed.loop) {
            return std::nullopt;
        }
    }
    if (rest.isEmpty())
        return std::nullopt;
    bed.path = QFileInfo(rest).absoluteFilePath();
    return bed;
}

QString bedOptionHelp()
{
    return u"--bed mixes a sound file (WAV, FLAC, Ogg or MP3) under the tones: GAIN_DB is the gain\n"
           u"applied to the file (-120 to 40, 0 when not given), :loop repeats it to the session's\n"
           u"end, as in --bed rain.flac:-12:loop; repeat --bed for more files. The beds kept with\n"
           u"the session play as well.\n"_s;
}
