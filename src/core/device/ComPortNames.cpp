#include "core/device/ComPortNames.h"

using namespace Qt::Literals::StringLiterals;

ComPortNames::ComPortNames(const Settings &settings)
    : mSettings(settings)
{
}

void ComPortNames::assign(int comNumber, const QString &device)
{
    mAssigned.insert(comNumber, device);
}

QString ComPortNames::systemPortName(int comNumber) const
{
    if (const auto assigned = mAssigned.constFind(comNumber); assigned != mAssigned.cend())
        return *assigned;
    // Looked up at every open, so that a changed file needs no restart.
    const QString configured = mSettings.portDevice(comNumber);
    if (!configured.isEmpty())
        return configured;
    return standardName(comNumber);
}

QString ComPortNames::standardName(int comNumber)
{
#ifdef Q_OS_WIN
    return u"COM%1"_s.arg(comNumber);
#else
    return u"/dev/ttyS%1"_s.arg(comNumber - 1);
#endif
}
