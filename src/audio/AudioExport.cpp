#include "audio/AudioExport.h"

#include "audio/SessionSynth.h"

#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sndfile.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {
constexpr qint64 BlockFrames = 4096;
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
    case AudioFileType::Ogg:
        break;
    }
    return SF_FORMAT_OGG | SF_FORMAT_VORBIS;
}

AudioExportResult failure(const QString &error)
{
    return {AudioExportResult::Failed, error};
}

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Encodes everything into the open temporary file.
AudioExportResult encode(SessionSynth &synth, Sink &sink, AudioFileType type, const QString &path,
                         const AudioExportProgress &progress)
{
    SF_INFO info{};
    info.samplerate = synth.sampleRate();
    info.channels = 2;
    info.format = sndfileFormat(type);
    SF_VIRTUAL_IO io{sinkLength, sinkSeek, sinkRead, sinkWrite, sinkTell};
    SNDFILE *file = sf_open_virtual(&io, SFM_WRITE, &info, &sink);
    if (!file)
        return failure(u"Cannot write \"%1\": %2"_s.arg(path, QString::fromUtf8(sf_strerror(nullptr))));
    sf_command(file, SFC_SET_CLIPPING, nullptr, SF_TRUE);

    const qint64 total = synth.endFrame() - synth.position();
    std::vector<float> block(size_t(2 * BlockFrames));
    qint64 done = 0;
    bool cancelled = false;
    QString error;
    while (!synth.atEnd()) {
        const qint64 frames = synth.render(block.data(), BlockFrames);
        if (sf_writef_float(file, block.data(), frames) != frames || sink.error != 0) {
            error = QString::fromUtf8(sf_strerror(file));
            break;
        }
        done += frames;
        if (progress && !progress(done, total)) {
            cancelled = true;
            break;
        }
    }
    const int closed = sf_close(file);
    if (cancelled)
        return {AudioExportResult::Cancelled, QString()};
    if (sink.error != 0)
        error = systemError(sink.error);
    else if (error.isEmpty() && closed != 0)
        error = QString::fromUtf8(sf_error_number(closed));
    if (!error.isEmpty())
        return failure(u"Cannot write \"%1\": %2"_s.arg(path, error));
    return {AudioExportResult::Written, QString()};
}
} // namespace

AudioExportResult exportAudio(SessionSynth &synth, const QString &path, AudioFileType type,
                              const AudioExportProgress &progress)
{
    if (type == AudioFileType::Wav && (synth.endFrame() - synth.position()) * 4 > WavDataLimit)
        return failure(u"Cannot write \"%1\": the session is too long for a WAV file (4 GB at most); "
                       u"choose FLAC or Ogg Vorbis"_s.arg(path));
    const QFileInfo target(path);
    QTemporaryFile temporary(target.absolutePath() + u"/."_s + target.fileName() + u".XXXXXX"_s);
    if (!temporary.open())
        return failure(u"Cannot write \"%1\": %2"_s.arg(path, temporary.errorString()));
    Sink sink{temporary.handle(), 0};
    const AudioExportResult result = encode(synth, sink, type, path, progress);
    if (result.outcome != AudioExportResult::Written)
        return result;

    // A file that is replaced keeps its permissions; a new one is readable by all.
    struct stat existing;
    const mode_t mode = stat(QFile::encodeName(path).constData(), &existing) == 0 ? existing.st_mode & 07777 : 0644;
    if (fchmod(sink.fd, mode) != 0 || fsync(sink.fd) != 0)
        return failure(u"Cannot write \"%1\": %2"_s.arg(path, systemError(errno)));
    if (std::rename(QFile::encodeName(temporary.fileName()).constData(), QFile::encodeName(path).constData()) != 0)
        return failure(u"Cannot write \"%1\": %2"_s.arg(path, systemError(errno)));
    temporary.setAutoRemove(false);
    return result;
}
