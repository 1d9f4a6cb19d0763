#include "core/files/RecoveryCopyFormat.h"

#include <QStringDecoder>
#include <QtEndian>

namespace {
constexpr QByteArrayView Signature = "Mirandel recovery copy 2\n";
constexpr qsizetype HashSize = 32;

template<typename T>
void appendNumber(QByteArray &out, T value)
{
    char bytes[sizeof(T)];
    qToBigEndian(value, bytes);
    out.append(bytes, sizeof(T));
}

// Takes fields off the front of a copy; every take fails once one has.
class FieldReader
{
public:
    explicit FieldReader(QByteArrayView bytes) : mRest(bytes) {}

    std::optional<QByteArrayView> take(qint64 count)
    {
        if (mFailed || count < 0 || count > mRest.size()) {
            mFailed = true;
            return std::nullopt;
        }
        const QByteArrayView field = mRest.first(qsizetype(count));
        mRest = mRest.sliced(qsizetype(count));
        return field;
    }
    template<typename T>
    std::optional<T> number()
    {
        const std::optional<QByteArrayView> field = take(sizeof(T));
        return field ? std::optional<T>(qFromBigEndian<T>(field->data())) : std::nullopt;
    }
    QByteArrayView rest() const { return mRest; }

private:
    QByteArrayView mRest;
    bool mFailed = false;
};

std::optional<QString> decodeUtf8(QByteArrayView bytes)
{
    // A byte order mark at the start belongs to the path; a character cut
    // at the end is an error, not one left for a next call.
    QStringDecoder decoder(QStringConverter::Utf8,
                           QStringConverter::Flag::ConvertInitialBom | QStringConverter::Flag::Stateless);
    QString text = decoder(bytes);
    return decoder.hasError() ? std::nullopt : std::optional<QString>(std::move(text));
}

std::optional<FileFingerprint> readFingerprint(FieldReader &reader)
{
    const std::optional<quint8> exists = reader.number<quint8>();
    if (!exists || *exists > 1)
        return std::nullopt;
    if (*exists == 0)
        return FileFingerprint();
    const std::optional<qint64> size = reader.number<qint64>();
    const std::optional<qint64> modified = reader.number<qint64>();
    const std::optional<QByteArrayView> hash = reader.take(HashSize);
    if (!hash || *size < 0)
        return std::nullopt;
    return FileFingerprint{true, *size, *modified, hash->toByteArray()};
}
} // namespace

QByteArray recoveryCopyBytes(const RecoveredSession &session)
{
    const QByteArray path = session.path.toUtf8();
    QByteArray copy = Signature.toByteArray();
    appendNumber<quint32>(copy, quint32(path.size()));
    copy += path;
    appendNumber<quint8>(copy, session.file.exists);
    if (session.file.exists) {
        appendNumber<qint64>(copy, session.file.size);
        appendNumber<qint64>(copy, session.file.modified);
        copy += session.file.sha256.leftJustified(HashSize, '\0', true);
    }
    copy += session.bytes;
    return copy;
}

std::optional<RecoveredSession> parseRecoveryCopy(QByteArrayView bytes)
{
    FieldReader reader(bytes);
    if (reader.take(Signature.size()) != Signature)
        return std::nullopt;
    const std::optional<quint32> pathSize = reader.number<quint32>();
    const std::optional<QByteArrayView> pathBytes = pathSize ? reader.take(*pathSize) : std::nullopt;
    const std::optional<QString> path = pathBytes ? decodeUtf8(*pathBytes) : std::nullopt;
    const std::optional<FileFingerprint> file = path ? readFingerprint(reader) : std::nullopt;
    if (!file)
        return std::nullopt;
    return RecoveredSession{*path, *file, reader.rest().toByteArray()};
}
