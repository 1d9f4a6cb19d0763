#include "core/compiler/SessionImage.h"

SessionImage::Record &SessionImage::record(int index)
{
    return mRecords.at(size_t(index - 1));
}

const SessionImage::Record &SessionImage::record(int index) const
{
    return mRecords.at(size_t(index - 1));
}

void SessionImage::setDownloadMode(DownloadMode mode)
{
    Record &header = record(HeaderRecord);
    header[0] = 0;
    header[1] = quint8(mode);
}

void SessionImage::setDeviceModel(DeviceModel model)
{
    record(HeaderRecord)[2] = quint8(model);
}

QByteArray SessionImage::downloadBytes(int segmentCount) const
{
    if (segmentCount < 1 || segmentCount > MaxSegments)
        return {};
    QByteArray bytes;
    bytes.reserve((segmentCount + 1) * RecordSize + 1);
    for (int index = HeaderRecord; index <= segmentCount + 1; ++index) {
        for (const quint8 byte : record(index))
            bytes.append(char(byte));
    }
    bytes.append(char(checksum(bytes)));
    return bytes;
}

quint8 SessionImage::checksum(QByteArrayView bytes)
{
    quint8 sum = 0;
    for (const char byte : bytes)
        sum = quint8(sum + quint8(byte));
    return quint8(256 - sum);
}
