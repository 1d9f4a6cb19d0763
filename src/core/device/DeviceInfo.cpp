#include "core/device/DeviceInfo.h"

using namespace Qt::Literals::StringLiterals;

QString DeviceInfo::summary() const
{
    return u"%1, rev %2 has %3 sessions and %4 segments available"_s.arg(modelName, revision)
        .arg(sessionsAvailable)
        .arg(segmentsAvailable);
}

QString DeviceInfo::revisionText(quint8 revision)
{
    return u"%1.%2"_s.arg(revision / 10).arg(revision % 10);
}

QStringList DeviceInfo::appendRefusals(int segmentCount) const
{
    QStringList refusals;
    if (segmentCount > segmentsAvailable)
        refusals.append(u"Download capacity of %1 segments exceeded"_s.arg(segmentsAvailable));
    if (sessionsAvailable == 0)
        refusals.append(u"System has max sessions downloaded"_s);
    return refusals;
}
