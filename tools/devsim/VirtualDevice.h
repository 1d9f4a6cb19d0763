#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <optional>

// How the virtual device misbehaves, if at all.
enum class DeviceFault {
    None,
    Silent,         // never answers the identification
    WrongSignature, // answers "7" instead of "6"
    UnknownModel,   // answers with the model byte "X"
    ShortAnswer,    // sends only the first three answer bytes
    LateAnswer,     // answers after the host has stopped waiting
    HangUp,         // answers, then hangs up the line before the download
    Stall,          // answers, then stops the host's output for good
    HangUpInDownload,   // hangs up once a download's header and first record have come
    HangUpAfterDownload // hangs up as soon as a download block is complete, as a device that restarts
};

struct DeviceSettings
{
    quint8 modelByte = 'N';
    quint8 revision = 23;
    int freeSessions = 10;
    int freeSegments = 1000;
    int maxSessions = 10; // what a clear download makes room for
    int maxSegments = 1000;
    DeviceFault fault = DeviceFault::None;
};

// The device's side of the protocol: the identification answer, download
// blocks checked and stored. Knows nothing of time or of the line; each
// finished request or download is reported as a JSON object.
class VirtualDevice
{
public:
    explicit VirtualDevice(const DeviceSettings &settings);

    struct Reaction
    {
        bool identificationRequested = false;
        std::optional<QJsonObject> report;
        bool hangUp = false; // the line drops now, after the report
    };
    Reaction receive(quint8 byte);

    // The six answer bytes, or fewer for a short answer, as the fault makes them.
    QByteArray answer() const;
    // A download that stopped arriving: reported and dropped.
    bool downloadInProgress() const { return !mBlock.isEmpty(); }
    QJsonObject abandonDownload();

    int freeSessions() const { return mFreeSessions; }
    int freeSegments() const { return mFreeSegments; }
    const QList<QByteArray> &storedSessions() const { return mSessions; }

    static QString faultName(DeviceFault fault);
    static std::optional<DeviceFault> faultFromName(const QString &name);

private:
    static constexpr int RecordSize = 8;
    static constexpr int MaxRecords = 250;

    bool blockComplete() const;
    quint8 blockSum() const;
    QJsonObject finishDownload();
    QJsonObject downloadReport(const QString &outcome) const;

    DeviceSettings mSettings;
    int mFreeSessions;
    int mFreeSegments;
    QList<QByteArray> mSessions; // segment records of each stored session
    QByteArray mBlock;           // the download being received
};
