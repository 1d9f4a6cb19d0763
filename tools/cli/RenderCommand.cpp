// mirandel-cli render: the preview's sound of a session, as a sound file.
#include "CliBatch.h"
#include "CliBedOption.h"
#include "CliCommand.h"
#include "CliSession.h"
#include "StderrPrompter.h"

#include "audio/AudioExport.h"
#include "audio/AudioFormats.h"
#include "audio/SessionSynth.h"
#include "core/exchange/SessionFormats.h"
#include "audio/SoundFileLoop.h"
#include "core/beds/BedProblems.h"
#include "core/session/Session.h"
#include "core/session/SessionDocument.h"
#include "core/session/TextNumbers.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {
int runRender(const QStringList &arguments);

const CliBatch batch{{u"lss"_s}, u"wav"_s, {}};

const CliCommand renderCommand{
    u"render"_s,
    u"render FILE -o OUT [--rate HZ] [--from SEGMENT] [--seconds S] [--loudness LUFS] [--flac-level N] "
    u"[--bitrate KBPS] [--noise KIND:LEVEL] [--bed FILE[:GAIN_DB[:loop]]]..."_s,
    u"Render FILE as the preview plays it into a sound file."_s,
    u"OUT's extension chooses the format: .wav (16-bit), .flac (16-bit), .ogg (Ogg Vorbis) or\n"
    u".mp3, always stereo, 44100 samples a second unless --rate says otherwise (8000 to\n"
    u"192000; MP3 takes 8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100 or 48000).\n"
    u"--flac-level sets FLAC's compression from 0 (fastest, the default) to 8 (smallest);\n"
    u"--bitrate sets MP3's constant bit rate in kbit/s: 32, 64, 96, 128, 160, 192 (the\n"
    u"default), 224, 256 or 320 (at most 160 below 32000 samples a second, 64 below 16000).\n"
    u"--noise mixes noise under the tones: KIND white, pink or brown, LEVEL its RMS in\n"
    u"dBFS from -60 to -20, as in --noise pink:-20 (none by default).\n"_s
        + bedOptionHelp() +
    u"The sound lasts the session's played length, loops played out, from the first pass of\n"
    u"segment SEGMENT when given, cut to S seconds when given. OUT is replaced only when\n"
    u"the file is complete. stderr then tells the sound's integrated loudness (EBU R128)\n"
    u"and true peak, as in \"-23.4 LUFS, peak -6.1 dBTP\". --loudness brings the sound to\n"
    u"LUFS (-60 to 0; -23 is the EBU R128 programme level), as far as a true peak of\n"
    u"-1 dBTP allows. Exit status 1 when FILE cannot be read or OUT cannot be\n"
    u"written (the reason goes to stderr, OUT is left as it was), 2 on wrong usage."_s,
    runRender,
    false,
    &batch};

const CliCommandRegistration registration(renderCommand);

constexpr int DefaultRate = 44100;
constexpr int LowestRate = 8000;
constexpr int HighestRate = 192000;
constexpr double QuietestTarget = -60;
constexpr double LoudestTarget = 0;

struct RenderOptions
{
    QString path;
    QString output;
    AudioFileType type = AudioFileType::Wav;
    int rate = DefaultRate;
    std::optional<int> from;
    std::optional<double> seconds;
    std::optional<double> loudness;
    std::optional<int> flacLevel;
    std::optional<int> bitrate;
    std::optional<NoiseChoice> noise;
    BedList beds;
};

bool isMp3Bitrate(int kbps)
{
    return std::find(std::begin(AudioEncoding::Mp3Bitrates), std::end(AudioEncoding::Mp3Bitrates), kbps)
        != std::end(AudioEncoding::Mp3Bitrates);
}

// Nothing on wrong usage; refusal then names what was refused, when that
// tells more than the usage line.
std::optional<RenderOptions> parseOptions(const QStringList &arguments, QString &refusal)
{
    RenderOptions options;
    std::optional<int> rate;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        const bool hasValue = i + 1 < arguments.size();
        if (argument == u"-o"_s && hasValue && options.output.isEmpty()) {
            options.output = arguments.at(++i);
        } else if (argument == u"--rate"_s && hasValue && !rate) {
            rate = TextNumbers::tryInteger(arguments.at(++i));
            if (!rate || *rate < LowestRate || *rate > HighestRate)
                return std::nullopt;
        } else if (argument == u"--from"_s && hasValue && !options.from) {
            options.from = TextNumbers::tryInteger(arguments.at(++i));
            if (!options.from || *options.from < 1)
                return std::nullopt;
        } else if (argument == u"--seconds"_s && hasValue && !options.seconds) {
            options.seconds = TextNumbers::tryDecimal(arguments.at(++i));
            if (!options.seconds || !(*options.seconds > 0))
                return std::nullopt;
        } else if (argument == u"--loudness"_s && hasValue && !options.loudness) {
            options.loudness = TextNumbers::tryDecimal(arguments.at(++i));
            if (!options.loudness || !(*options.loudness >= QuietestTarget && *options.loudness <= LoudestTarget))
                return std::nullopt;
        } else if (argument == u"--flac-level"_s && hasValue && !options.flacLevel) {
            options.flacLevel = TextNumbers::tryInteger(arguments.at(++i));
            if (!options.flacLevel || *options.flacLevel < AudioEncoding::FastestFlacLevel
                || *options.flacLevel > AudioEncoding::SmallestFlacLevel) {
                refusal = u"mirandel-cli: --flac-level takes 0 to 8"_s;
                return std::nullopt;
            }
        } else if (argument == u"--bitrate"_s && hasValue && !options.bitrate) {
            options.bitrate = TextNumbers::tryInteger(arguments.at(++i));
            if (!options.bitrate || !isMp3Bitrate(*options.bitrate)) {
                refusal = u"mirandel-cli: --bitrate takes 32, 64, 96, 128, 160, 192, 224, 256 or 320"_s;
                return std::nullopt;
            }
        } else if (argument == u"--noise"_s && hasValue && !options.noise) {
            options.noise = NoiseChoice::parse(arguments.at(++i));
            if (!options.noise) {
                refusal = u"mirandel-cli: --noise takes white, pink or brown and a level from -60 to -20 dBFS, "
                          u"as in pink:-20, or none"_s;
                return std::nullopt;
            }
        } else if (argument == u"--bed"_s && hasValue) {
            const std::optional<Bed> bed = parseBedOption(arguments.at(++i));
            if (!bed) {
                refusal = u"mirandel-cli: --bed takes FILE, FILE:GAIN_DB or FILE:GAIN_DB:loop, GAIN_DB from -120 to 40"_s;
                return std::nullopt;
            }
            options.beds.push_back(*bed);
        } else if (argument.startsWith(u'-') || !options.path.isEmpty()) {
            return std::nullopt;
        } else {
            options.path = argument;
        }
    }
    const std::optional<AudioFileType> type = audioFileTypeOf(options.output);
    if (!options.output.isEmpty() && !type)
        refusal = u"mirandel-cli: render writes %1 files, not \"%2\""_s.arg(
            SessionFormats::extensionList(audioFileFormats()), options.output);
    else if (options.flacLevel && type != AudioFileType::Flac)
        refusal = u"mirandel-cli: --flac-level is for .flac files"_s;
    else if (options.bitrate && type != AudioFileType::Mp3)
        refusal = u"mirandel-cli: --bitrate is for .mp3 files"_s;
    if (options.path.isEmpty() || options.output.isEmpty() || !refusal.isEmpty())
        return std::nullopt;
    options.type = *type;
    options.rate = rate.value_or(DefaultRate);
    return options;
}

int runRender(const QStringList &arguments)
{
    QString refusal;
    const std::optional<RenderOptions> options = parseOptions(arguments, refusal);
    if (!options) {
        const int status = usageError(renderCommand);
        if (!refusal.isEmpty())
            printError(refusal);
        return status;
    }
    SessionDocument document;
    StderrPrompter prompter;
    if (!loadSessionFile(options->path, document, prompter))
        return 1;
    const Session &session = document.session();
    const int segments = session.cells.columnCount();
    if (options->from && *options->from > segments) {
        printError(u"mirandel-cli: the session has no segment %1 (it has %2)"_s.arg(*options->from).arg(segments));
        return 1;
    }
    SessionSynth synth(session.cells, options->rate, options->from.value_or(1) - 1);
    if (options->seconds)
        synth.setLimit(std::llround(std::min(*options->seconds * options->rate, 1e18)));
    synth.setNoise(options->noise.value_or(NoiseChoice()));
    // A file named here must play; one kept with the session may be missing.
    for (const Bed &bed : options->beds) {
        if (const SoundFileLoop file(bed.path, false, 0); !file.isOpen()) {
            printError(u"mirandel-cli: cannot read the bed \"%1\": %2"_s.arg(bed.path, file.error()));
            return 1;
        }
    }
    for (const SessionProblem &problem : bedProblems(session.beds))
        printError(u"mirandel-cli: "_s + problem.text);
    BedList beds = session.beds;
    beds.insert(beds.end(), options->beds.begin(), options->beds.end());
    synth.setBeds(beds);
    AudioEncoding encoding;
    encoding.flacLevel = options->flacLevel.value_or(encoding.flacLevel);
    encoding.mp3Bitrate = options->bitrate.value_or(encoding.mp3Bitrate);
    const AudioExportResult result =
        exportAudio(synth, options->output, options->type, {}, {true, options->loudness}, encoding);
    if (result.outcome != AudioExportResult::Written) {
        printError(result.error);
        return 1;
    }
    printError(result.loudness.text());
    return 0;
}
} // namespace
