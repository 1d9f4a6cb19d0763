#include "core/settings/UserPreferences.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace {
const QString ContinueGlideKey = u"NewSegment/ContinueGlide"_s;
} // namespace

QString UserPreferences::defaultPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)).filePath(u"preferences.ini"_s);
}

UserPreferences::UserPreferences(QString path)
    : mPath(std::move(path))
{
    mNewSegmentContinuesGlide = QSettings(mPath, QSettings::IniFormat).value(ContinueGlideKey, false).toBool();
}

void UserPreferences::setNewSegmentContinuesGlide(bool on)
{
    mNewSegmentContinuesGlide = on;
    QSettings(mPath, QSettings::IniFormat).setValue(ContinueGlideKey, on);
}
