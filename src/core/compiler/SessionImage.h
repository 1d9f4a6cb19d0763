#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <array>

// The byte form of a session as the device receives it: record 1 is the
// download header, the segment records follow from record 2 on. It starts
// zero-filled.
struct SessionImage
{
    static constexpr int RecordCount = 251;
    static constexpr int MaxSegments = RecordCount - 1;
    static constexpr int RecordSize = 8;
    static constexpr int HeaderRecord = 1;
    static constexpr int FirstSegmentRecord = 2;
    using Record = std::array<quint8, RecordSize>;

    // Header byte 1.
    enum DownloadMode : int { ClearDownload = 1, AppendDownload = 2 };
    // Header byte 2.
    enum DeviceModel : int { AmbrionModel = 1, CalidorModel = 2 };

    // index from 1 (the header) to RecordCount.
    Record &record(int index);
    const Record &record(int index) const;

    // Header bytes 0 and 1: 0 and the mode.
    void setDownloadMode(DownloadMode mode);
    // Header byte 2.
    void setDeviceModel(DeviceModel model);

    // What a download sends: records 1 to segmentCount + 1, each byte 0 to 7
    // in order, then the checksum. Empty when segmentCount is not 1 to
    // MaxSegments, so nothing outside the image can be sent.
    QByteArray downloadBytes(int segmentCount) const;

    // The byte that makes the sum of bytes plus itself 0 modulo 256.
    static quint8 checksum(QByteArrayView bytes);

private:
    std::array<Record, RecordCount> mRecords{};
};
