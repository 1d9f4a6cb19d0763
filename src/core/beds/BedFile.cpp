#include "core/beds/BedFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <array>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {
struct BedFileTexts
{
    Q_DECLARE_TR_FUNCTIONS(BedFile)
};

const QString Signature = u"mirandel-beds"_s;
constexpr int Version = 1;
// Far beyond any list of beds: a file that is none is refused quickly.
constexpr qint64 SizeLimit = 1024 * 1024;

struct KindName
{
    Bed::Kind kind;
    QString name;
};
const std::array<KindName, 4> KindNames = {{{Bed::File, u"file"_s},
                                            {Bed::WhiteNoise, u"white"_s},
                                            {Bed::PinkNoise, u"pink"_s},
                                            {Bed::BrownNoise, u"brown"_s}}};

QString kindName(Bed::Kind kind)
{
    for (const KindName &entry : KindNames) {
        if (entry.kind == kind)
            return entry.name;
    }
    return {};
}

std::optional<Bed::Kind> kindNamed(const QString &name)
{
    for (const KindName &entry : KindNames) {
        if (entry.name == name)
            return entry.kind;
    }
    return std::nullopt;
}

QJsonObject bedObject(const Bed &bed, const QDir &folder)
{
    QJsonObject object;
    object[u"kind"_s] = kindName(bed.kind);
    if (bed.kind == Bed::File) {
        object[u"file"_s] = folder.relativeFilePath(bed.path);
        object[u"absolute"_s] = QFileInfo(bed.path).absoluteFilePath();
    }
    object[u"gain"_s] = bed.gain;
    object[u"start"_s] = bed.start;
    object[u"fadeIn"_s] = bed.fadeIn;
    object[u"fadeOut"_s] = bed.fadeOut;
    object[u"loop"_s] = bed.loop;
    object[u"crossfade"_s] = bed.crossfade;
    return object;
}

// A number missing or out of its range takes the nearest sensible value:
// one odd field costs that field, not the bed.
double number(const QJsonObject &object, const QString &key, double lowest, double highest)
{
    const double value = object.value(key).toDouble(0);
    return std::isfinite(value) ? std::clamp(value, lowest, highest) : 0.0;
}

std::optional<Bed> bedOf(const QJsonObject &object, const QDir &folder)
{
    const std::optional<Bed::Kind> kind = kindNamed(object.value(u"kind"_s).toString());
    if (!kind)
        return std::nullopt;
    Bed bed;
    bed.kind = *kind;
    if (bed.kind == Bed::File) {
        const QString relative = object.value(u"file"_s).toString();
        const QString absolute = object.value(u"absolute"_s).toString();
        if (relative.isEmpty() && absolute.isEmpty())
            return std::nullopt;
        const QString beside = relative.isEmpty() ? QString() : QDir::cleanPath(folder.absoluteFilePath(relative));
        bed.path = !beside.isEmpty() && (QFileInfo::exists(beside) || absolute.isEmpty()) ? beside : absolute;
    }
    bed.gain = number(object, u"gain"_s, -120, 40);
    bed.start = number(object, u"start"_s, 0, 24 * 3600);
    bed.fadeIn = number(object, u"fadeIn"_s, 0, 24 * 3600);
    bed.fadeOut = number(object, u"fadeOut"_s, 0, 24 * 3600);
    bed.loop = object.value(u"loop"_s).toBool(false);
    bed.crossfade = number(object, u"crossfade"_s, 0, 60000);
    return bed;
}

QDir sessionFolder(const QString &sessionPath)
{
    return QFileInfo(sessionPath).absoluteDir();
}
} // namespace

QString bedFilePath(const QString &sessionPath)
{
    return sessionPath + u".beds"_s;
}

QByteArray bedFileBytes(const BedList &beds, const QString &sessionPath)
{
    const QDir folder = sessionFolder(sessionPath);
    QJsonArray list;
    for (const Bed &bed : beds)
        list.append(bedObject(bed, folder));
    QJsonObject root;
    root[Signature] = Version;
    root[u"beds"_s] = list;
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

BedFileContent parseBedFile(const QByteArray &bytes, const QString &sessionPath)
{
    BedFileContent content;
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        content.error = error.errorString();
        return content;
    }
    const QJsonObject root = document.object();
    if (!root.contains(Signature)) {
        content.error = BedFileTexts::tr("It is no list of beds.");
        return content;
    }
    if (root.value(Signature).toInt() > Version) {
        content.error = BedFileTexts::tr("It was written by a newer version of the program.");
        return content;
    }
    const QDir folder = sessionFolder(sessionPath);
    for (const QJsonValue &value : root.value(u"beds"_s).toArray()) {
        if (std::optional<Bed> bed = bedOf(value.toObject(), folder))
            content.beds.push_back(std::move(*bed));
    }
    return content;
}

BedFileContent readBedFile(const QString &sessionPath)
{
    QFile file(bedFilePath(sessionPath));
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        return {{}, file.errorString()};
    if (file.size() > SizeLimit)
        return {{}, BedFileTexts::tr("It is far larger than any list of beds.")};
    return parseBedFile(file.readAll(), sessionPath);
}

std::optional<FileWriteFailure> writeBedFile(const BedList &beds, const QString &sessionPath)
{
    const QString path = bedFilePath(sessionPath);
    if (!beds.empty())
        return writeFileSafely(path, bedFileBytes(beds, sessionPath));
    if (QFileInfo::exists(path) && readBedFile(sessionPath).error.isEmpty() && !QFile::remove(path))
        return FileWriteFailure{FileWriteFailure::Create, BedFileTexts::tr("The old list of beds cannot be removed."), {}};
    return std::nullopt;
}
