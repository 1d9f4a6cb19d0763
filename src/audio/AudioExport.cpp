#include "audio/AudioExport.h"

#include "audio/MeterThread.h"
#include "audio/SessionSynth.h"
#include "core/files/FileKind.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <sndfile.h>
#include <sys/stat.h>
#include <type_traits>
#include <unistd.h>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {
struct AudioExportTexts
{
    Q_DECLARE_TR_FUNCTIONS(AudioExport)
};

// Large blocks: a write call per block costs more than the samples it takes.
constexpr qint64 BlockFrames = 65536;
constexpr qint64 BytesPerFrame = 4; // stereo, 16 bits
// A WAV file counts its bytes in 32 bits.
constexpr qint64 WavDataLimit = 0xFFFFFFFFLL - 1024;

// libsndfile writes through these, so that every short write is seen: the
// library itself does not report all of them (an encoder's last bytes go out
// when the file is closed).
struct Sink
{
    int fd = -1;
    int error = 0; // errno of the first failed write
};

sf_count_t sinkLength(void *data)
{
    struct stat status;
    return fstat(static_cast<Sink *>(data)->fd, &status) == 0 ? sf_count_t(status.st_size) : -1;
}

sf_count_t sinkSeek(sf_count_t offset, int whence, void *data)
{
    return sf_count_t(lseek(static_cast<Sink *>(data)->fd, off_t(offset), whence));
}

sf_count_t sinkRead(void *buffer, sf_count_t count, void *data)
{
    const ssize_t got = read(static_cast<Sink *>(data)->fd, buffer, size_t(count));
    return got < 0 ? 0 : sf_count_t(got);
}

sf_count_t sinkWrite(const void *buffer, sf_count_t count, void *data)
{
    Sink &sink = *static_cast<Sink *>(data);
    const char *bytes = static_cast<const char *>(buffer);
    sf_count_t written = 0;
    while (written < count && sink.error == 0) {
        const ssize_t n = write(sink.fd, bytes + written, size_t(count - written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            sink.error = n < 0 ? errno : ENOSPC;
            break;
        }
        written += n;
    }
    return written;
}

sf_count_t sinkTell(void *data)
{
    return sf_count_t(lseek(static_cast<Sink *>(data)->fd, 0, SEEK_CUR));
}

int sndfileFormat(AudioFileType type)
{
    switch (type) {
    case AudioFileType::Wav:
        return SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    case AudioFileType::Flac:
        return SF_FORMAT_FLAC | SF_FORMAT_PCM_16;
    case AudioFileType::Mp3:
        return SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III;
    case AudioFileType::Ogg:
        break;
    }
    return SF_FORMAT_OGG | SF_FORMAT_VORBIS;
}

// The sample rates MP3 knows.
bool isMp3Rate(int rate)
{
    for (int known : {8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000}) {
        if (rate == known)
            return true;
    }
    return false;
}

// The library takes a bit rate as a compression level from 0 (its highest
// rate, 320, 160 or 64 kbit/s by the sample rate) to 1 (its lowest, 32, 8 or
// 8), and truncates the rate it works out: half a kbit/s up keeps it exact.
double mp3CompressionLevel(int rate, int kbps)
{
    const auto [highest, lowest] = rate >= 32000 ? std::pair(320, 32) : rate >= 16000 ? std::pair(160, 8) : std::pair(64, 8);
    return std::clamp((highest - kbps - 0.5) / (highest - lowest), 0.0, 1.0);
}

// Sets the encoder's options; false when the library refuses one.
bool setEncoding(SNDFILE *file, AudioFileType type, int rate, const AudioEncoding &encoding)
{
    if (type == AudioFileType::Flac) {
        double level = double(encoding.flacLevel) / AudioEncoding::SmallestFlacLevel;
        return sf_command(file, SFC_SET_COMPRESSION_LEVEL, &level, sizeof level) == SF_TRUE;
    }
    if (type == AudioFileType::Mp3) {
        double level = mp3CompressionLevel(rate, encoding.mp3Bitrate);
        int mode = SF_BITRATE_MODE_CONSTANT;
        return sf_command(file, SFC_SET_COMPRESSION_LEVEL, &level, sizeof level) == SF_TRUE
            && sf_command(file, SFC_SET_BITRATE_MODE, &mode, sizeof mode) == SF_TRUE;
    }
    return true;
}

// Why the format cannot be written at this rate here, or nothing.
std::optional<QString> formatRefusal(AudioFileType type, int rate)
{
    if (type != AudioFileType::Mp3)
        return std::nullopt;
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = 2;
    info.format = sndfileFormat(type);
    if (!sf_format_check(&info))
        return AudioExportTexts::tr("this system's libsndfile cannot write MP3 files (it was built without MPEG support); "
                         "choose WAV, FLAC or Ogg Vorbis");
    if (!isMp3Rate(rate))
        return AudioExportTexts::tr(
            "MP3 files take 8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100 or 48000 samples a second");
    return std::nullopt;
}

AudioExportResult failure(const QString &error)
{
    return {AudioExportResult::Failed, error, {}};
}

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// The most the file can take. WAV holds the samples as they are. A FLAC
// frame at worst holds them verbatim behind its headers, and Vorbis at any
// quality stays below 16-bit samples; headers and codebooks fit the margin.
// MP3 at a constant bit rate takes that rate.
qint64 largestFileSize(qint64 frames, AudioFileType type, int rate, const AudioEncoding &encoding)
{
    const qint64 samples = frames * BytesPerFrame;
    if (type == AudioFileType::Wav)
        return samples + 4 * 1024;
    if (type == AudioFileType::Mp3)
        return frames * encoding.mp3Bitrate * 1000 / 8 / rate + 256 * 1024;
    return samples + samples / 16 + 256 * 1024;
}

// Why the disk that would take path cannot hold size bytes, or nothing: a
// disk filled by the export itself would fail only at its end, and would
// fail everyone else's writes meanwhile.
std::optional<QString> roomShortfall(const QString &path, qint64 size)
{
    const QString target = QFileInfo(path).canonicalFilePath();
    const qint64 free = QStorageInfo(target.isEmpty() ? QFileInfo(path).absolutePath() : target).bytesAvailable();
    if (free < 0 || free >= size)
        return std::nullopt;
    constexpr qint64 MB = 1024 * 1024;
    return AudioExportTexts::tr("Cannot write \"%1\": the sound may take up to %2 MB, and the disk has only %3 MB free").arg(path)
        .arg((size + MB - 1) / MB)
        .arg(free / MB);
}

// Where a pass over the sound stands in the whole export, for its progress.
struct Passes
{
    AudioExportProgress progress;
    qint64 doneBefore = 0;
    qint64 total = 0;

    bool report(qint64 done) const { return !progress || progress(doneBefore + done, total); }
};

// How the rendered sound goes to the file.
struct Shaping
{
    bool measured = false; // the loudness of what is written
    AudioEncoding encoding;
};

// The loudness of the sound as it comes, rendered to its end and not kept;
// nothing when cancelled.
std::optional<Loudness> measure(SessionSynth &synth, const Passes &passes)
{
    MeterThread<float> meter(synth.sampleRate(), BlockFrames);
    qint64 done = 0;
    while (!synth.atEnd()) {
        const qint64 frames = synth.render(meter.nextBlock(), BlockFrames);
        meter.measure(frames);
        done += frames;
        if (!passes.report(done))
            return std::nullopt;
    }
    return meter.loudness();
}

// Writes a block after another, measured when `loudness` is given; false
// on a failed write.
template <typename Sample>
bool writeBlocks(SessionSynth &synth, SNDFILE *file, Sink &sink, const Passes &passes, bool &cancelled,
                 std::optional<Loudness> *loudness)
{
    std::optional<MeterThread<Sample>> meter;
    std::vector<Sample> ownBlock;
    if (loudness)
        meter.emplace(synth.sampleRate(), BlockFrames);
    else
        ownBlock.resize(size_t(2 * BlockFrames));
    qint64 done = 0;
    while (!synth.atEnd()) {
        Sample *block = meter ? meter->nextBlock() : ownBlock.data();
        const qint64 frames = synth.render(block, BlockFrames);
        // The meter only reads the block: it measures while it is written.
        if (meter)
            meter->measure(frames);
        sf_count_t written = 0;
        if constexpr (std::is_same_v<Sample, float>)
            written = sf_writef_float(file, block, frames);
        else
            written = sf_writef_short(file, block, frames);
        if (written != frames || sink.error != 0)
            return false;
        done += frames;
        if (!passes.report(done)) {
            cancelled = true;
            return true;
        }
    }
    if (meter)
        *loudness = meter->loudness();
    return true;
}

// Encodes everything into the open file: 16-bit formats take the
// synthesizer's 16-bit samples as they are, the lossy ones its floats.
AudioExportResult encode(SessionSynth &synth, Sink &sink, AudioFileType type, const QString &path,
                         const Shaping &shaping, const Passes &passes)
{
    SF_INFO info{};
    info.samplerate = synth.sampleRate();
    info.channels = 2;
    info.format = sndfileFormat(type);
    SF_VIRTUAL_IO io{sinkLength, sinkSeek, sinkRead, sinkWrite, sinkTell};
    SNDFILE *file = sf_open_virtual(&io, SFM_WRITE, &info, &sink);
    if (!file)
        return failure(AudioExportTexts::tr("Cannot write \"%1\": %2").arg(path, QString::fromUtf8(sf_strerror(nullptr))));
    if (!setEncoding(file, type, info.samplerate, shaping.encoding)) {
        const QString error = QString::fromUtf8(sf_strerror(file));
        sf_close(file);
        return failure(AudioExportTexts::tr("Cannot write \"%1\": %2").arg(path, error));
    }
    sf_command(file, SFC_SET_CLIPPING, nullptr, SF_TRUE);

    bool cancelled = false;
    std::optional<Loudness> loudness;
    std::optional<Loudness> *measured = shaping.measured ? &loudness : nullptr;
    const bool shorts = type == AudioFileType::Wav || type == AudioFileType::Flac;
    const bool written = shorts ? writeBlocks<qint16>(synth, file, sink, passes, cancelled, measured)
                                : writeBlocks<float>(synth, file, sink, passes, cancelled, measured);
    QString error = written ? QString() : QString::fromUtf8(sf_strerror(file));
    const int closed = sf_close(file);
    if (cancelled)
        return {AudioExportResult::Cancelled, QString(), {}};
    if (sink.error != 0)
        error = systemError(sink.error);
    else if (error.isEmpty() && closed != 0)
        error = QString::fromUtf8(sf_error_number(closed));
    if (!error.isEmpty())
        return failure(AudioExportTexts::tr("Cannot write \"%1\": %2").arg(path, error));
    return {AudioExportResult::Written, QString(), loudness.value_or(Loudness())};
}

// A device takes the sound as it comes; there is nothing to replace.
AudioExportResult exportToDevice(SessionSynth &synth, const QString &path, AudioFileType type,
                                 const Shaping &shaping, const Passes &passes)
{
    Sink sink{::open(QFile::encodeName(path).constData(), O_WRONLY | O_CLOEXEC), 0};
    if (sink.fd < 0)
        return failure(AudioExportTexts::tr("Cannot write \"%1\": %2").arg(path, systemError(errno)));
    const AudioExportResult result = encode(synth, sink, type, path, shaping, passes);
    ::close(sink.fd);
    return result;
}

// As a session's save: a link is followed, a file that is replaced keeps its
// permissions, a new one has those the umask leaves.
AudioExportResult exportToFile(SessionSynth &synth, const QString &path, AudioFileType type,
                               const Shaping &shaping, const Passes &passes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failure(AudioExportTexts::tr("Cannot write \"%1\": %2").arg(path, file.errorString()));
    Sink sink{file.handle(), 0};
    const AudioExportResult result = encode(synth, sink, type, path, shaping, passes);
    if (result.outcome != AudioExportResult::Written)
        return result;
    if (fsync(sink.fd) != 0)
        return failure(AudioExportTexts::tr("Cannot write \"%1\": %2").arg(path, systemError(errno)));
    if (!file.commit())
        return failure(AudioExportTexts::tr("Cannot write \"%1\": %2").arg(path, file.errorString()));
    return result;
}
} // namespace

AudioExportResult exportAudio(SessionSynth &synth, const QString &path, AudioFileType type,
                              const AudioExportProgress &progress, const LoudnessChoice &loudness,
                              const AudioEncoding &encoding)
{
    const qint64 frames = synth.endFrame() - synth.position();
    if (const std::optional<QString> refusal = formatRefusal(type, synth.sampleRate()))
        return failure(AudioExportTexts::tr("Cannot write \"%1\": %2").arg(path, *refusal));
    if (type == AudioFileType::Wav && frames * BytesPerFrame > WavDataLimit)
        return failure(AudioExportTexts::tr("Cannot write \"%1\": the session is too long for a WAV file (4 GB at most); "
                       "choose FLAC or Ogg Vorbis").arg(path));
    const FileKind kind = fileKindOf(path);
    if (kind == FileKind::Other)
        return failure(AudioExportTexts::tr("Cannot write \"%1\": %2").arg(path, unusableFileKindReason()));
    if (kind != FileKind::CharacterDevice) {
        if (const std::optional<QString> shortfall = roomShortfall(path, largestFileSize(frames, type, synth.sampleRate(), encoding)))
            return failure(*shortfall);
    }

    // The gain needs the loudness of the whole sound first. The sound is
    // rendered twice rather than kept: an hour of it would take 600 MB. The
    // written pass is not measured again: the gain moves both figures by
    // itself, and measuring costs several times what rendering does.
    Passes passes{progress, 0, loudness.target ? 2 * frames : frames};
    Shaping shaping;
    shaping.encoding = encoding;
    std::optional<Loudness> measured;
    if (loudness.target) {
        measured = measure(synth, passes);
        if (!measured)
            return {AudioExportResult::Cancelled, QString(), {}};
        const double gain = measured->gainTo(*loudness.target);
        measured = measured->gained(gain);
        synth.rewind();
        synth.setGain(float(std::pow(10.0, gain / 20)));
        passes.doneBefore = frames;
    }
    shaping.measured = loudness.measured && !measured;

    AudioExportResult result = kind == FileKind::CharacterDevice
        ? exportToDevice(synth, path, type, shaping, passes)
        : exportToFile(synth, path, type, shaping, passes);
    if (result.outcome == AudioExportResult::Written && measured)
        result.loudness = *measured;
    return result;
}
