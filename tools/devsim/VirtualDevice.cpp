#include "VirtualDevice.h"

#include <QJsonArray>
#include <array>

using namespace Qt::Literals::StringLiterals;

namespace {
constexpr quint8 IdentificationRequest = '?';
constexpr int HeaderSize = 8;

const std::array<std::pair<DeviceFault, const char16_t *>, 10> FaultNames = {{
    {DeviceFault::None, u"none"},
    {DeviceFault::Silent, u"silent"},
    {DeviceFault::WrongSignature, u"wrong-signature"},
    {DeviceFault::UnknownModel, u"unknown-model"},
    {DeviceFault::ShortAnswer, u"short-answer"},
    {DeviceFault::LateAnswer, u"late-answer"},
    {DeviceFault::HangUp, u"hangup"},
    {DeviceFault::Stall, u"stall"},
    {DeviceFault::HangUpInDownload, u"hangup-in-download"},
    {DeviceFault::HangUpAfterDownload, u"hangup-after-download"},
}};

QString modeName(quint8 mode)
{
    switch (mode) {
    case 1:
        return u"clear"_s;
    case 2:
        return u"append"_s;
    default:
        return u"unknown"_s;
    }
}
} // namespace

VirtualDevice::VirtualDevice(const DeviceSettings &settings)
    : mSettings(settings)
    , mFreeSessions(settings.freeSessions)
    , mFreeSegments(settings.freeSegments)
{
    mSettings.maxSessions = std::max(mSettings.maxSessions, mSettings.freeSessions);
    mSettings.maxSegments = std::max(mSettings.maxSegments, mSettings.freeSegments);
}

QString VirtualDevice::faultName(DeviceFault fault)
{
    for (const auto &[value, name] : FaultNames) {
        if (value == fault)
            return QString::fromUtf16(name);
    }
    return {};
}

std::optional<DeviceFault> VirtualDevice::faultFromName(const QString &name)
{
    for (const auto &[value, text] : FaultNames) {
        if (name == QStringView(text))
            return value;
    }
    return std::nullopt;
}

QByteArray VirtualDevice::answer() const
{
    QByteArray bytes;
    bytes.append(mSettings.fault == DeviceFault::WrongSignature ? '7' : '6');
    bytes.append(char(mSettings.fault == DeviceFault::UnknownModel ? 'X' : mSettings.modelByte));
    bytes.append(char(mSettings.revision));
    bytes.append(char(std::clamp(mFreeSessions, 0, 255)));
    const int segments = std::clamp(mFreeSegments, 0, 65535);
    bytes.append(char(segments >> 8));
    bytes.append(char(segments & 0xff));
    if (mSettings.fault == DeviceFault::ShortAnswer)
        bytes.truncate(3);
    return bytes;
}

VirtualDevice::Reaction VirtualDevice::receive(quint8 byte)
{
    Reaction reaction;
    if (mBlock.isEmpty()) {
        if (byte == IdentificationRequest) {
            reaction.identificationRequested = true;
            reaction.report = QJsonObject{{u"event"_s, u"identify"_s},
                                          {u"fault"_s, faultName(mSettings.fault)},
                                          {u"answer"_s, QString::fromLatin1(answer().toHex())}};
            return reaction;
        }
        if (byte != 0) {
            // A download starts with header byte 0; anything else is noise.
            reaction.report = QJsonObject{{u"event"_s, u"unexpected"_s}, {u"byte"_s, int(byte)}};
            return reaction;
        }
    }
    mBlock.append(char(byte));
    if (blockComplete()) {
        reaction.report = finishDownload();
        reaction.hangUp = mSettings.fault == DeviceFault::HangUpAfterDownload;
    } else if (mSettings.fault == DeviceFault::HangUpInDownload && mBlock.size() == HeaderSize + RecordSize) {
        reaction.report = abandonDownload();
        reaction.hangUp = true;
    }
    return reaction;
}

bool VirtualDevice::blockComplete() const
{
    const qsizetype recordBytes = mBlock.size() - HeaderSize;
    if (recordBytes < RecordSize + 1 || recordBytes % RecordSize != 1)
        return false;
    // The last record carries the end flag; the checksum follows it.
    const qsizetype records = recordBytes / RecordSize;
    const quint8 lastByte7 = quint8(mBlock.at(HeaderSize + records * RecordSize - 1));
    return (lastByte7 & 0x80) != 0 || records >= MaxRecords;
}

quint8 VirtualDevice::blockSum() const
{
    quint8 sum = 0;
    for (const char byte : std::as_const(mBlock))
        sum = quint8(sum + quint8(byte));
    return sum;
}

QJsonObject VirtualDevice::downloadReport(const QString &outcome) const
{
    const qsizetype recordBytes = std::max<qsizetype>(0, mBlock.size() - HeaderSize - 1);
    // A block that stopped arriving has no checksum byte to pass.
    const bool complete = outcome != u"incomplete"_s;
    return QJsonObject{{u"event"_s, u"download"_s},
                       {u"outcome"_s, outcome},
                       {u"complete"_s, complete},
                       {u"checksum_ok"_s, complete && blockSum() == 0},
                       {u"mode"_s, mBlock.size() > 1 ? modeName(quint8(mBlock.at(1))) : u"unknown"_s},
                       {u"model"_s, mBlock.size() > 2 ? int(quint8(mBlock.at(2))) : 0},
                       {u"segments"_s, int(recordBytes / RecordSize)},
                       {u"bytes"_s, QString::fromLatin1(mBlock.toHex())},
                       {u"sessions_stored"_s, int(mSessions.size())},
                       {u"sessions_available"_s, mFreeSessions},
                       {u"segments_available"_s, mFreeSegments}};
}

QJsonObject VirtualDevice::finishDownload()
{
    const quint8 sum = blockSum();
    const quint8 mode = quint8(mBlock.at(1));
    const QByteArray records = mBlock.mid(HeaderSize, mBlock.size() - HeaderSize - 1);
    const int segments = int(records.size() / RecordSize);
    const bool clear = mode == 1;
    const int sessionRoom = clear ? mSettings.maxSessions : mFreeSessions;
    const int segmentRoom = clear ? mSettings.maxSegments : mFreeSegments;

    QString outcome = u"stored"_s;
    if (sum != 0)
        outcome = u"bad-checksum"_s;
    else if (mode != 1 && mode != 2)
        outcome = u"bad-mode"_s;
    else if ((quint8(records.back()) & 0x80) == 0)
        outcome = u"no-end-flag"_s;
    else if (sessionRoom < 1 || segmentRoom < segments)
        outcome = u"no-room"_s;

    if (outcome == u"stored"_s) {
        if (clear)
            mSessions.clear();
        mSessions.append(records);
        mFreeSessions = sessionRoom - 1;
        mFreeSegments = segmentRoom - segments;
    }
    const QJsonObject report = downloadReport(outcome);
    mBlock.clear();
    return report;
}

QJsonObject VirtualDevice::abandonDownload()
{
    const QJsonObject report = downloadReport(u"incomplete"_s);
    mBlock.clear();
    return report;
}
