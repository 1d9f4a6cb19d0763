#include "core/device/DeviceInfo.h"

#include <QCoreApplication>

using namespace Qt::Literals::StringLiterals;

namespace {
struct DeviceInfoTexts
{
    Q_DECLARE_TR_FUNCTIONS(DeviceInfo)
};
} // namespace

QString DeviceInfo::summary() const
{
    return DeviceInfoTexts::tr("%1, rev %2 has %3 sessions and %4 segments available").arg(modelName, revision)
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
        refusals.append(DeviceInfoTexts::tr("Download capacity of %1 segments exceeded").arg(segmentsAvailable));
    if (sessionsAvailable == 0)
        refusals.append(DeviceInfoTexts::tr("System has max sessions downloaded"));
    return refusals;
}
