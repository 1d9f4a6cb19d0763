#include "core/settings/UserPreferences.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace {
const QString ContinueGlideKey = u"NewSegment/ContinueGlide"_s;
const QString LanguageKey = u"Interface/Language"_s;
const QString NoiseBedKey = u"Sound/NoiseBed"_s;
} // namespace

QString UserPreferences::defaultPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)).filePath(u"preferences.ini"_s);
}

UserPreferences::UserPreferences(QString path)
    : mPath(std::move(path))
{
    const QSettings settings(mPath, QSettings::IniFormat);
    mNewSegmentContinuesGlide = settings.value(ContinueGlideKey, false).toBool();
    mNoiseBed = settings.value(NoiseBedKey, u"none"_s).toString();
    mLanguage = settings.value(LanguageKey).toString();
}

void UserPreferences::setNewSegmentContinuesGlide(bool on)
{
    mNewSegmentContinuesGlide = on;
    QSettings(mPath, QSettings::IniFormat).setValue(ContinueGlideKey, on);
}

void UserPreferences::setLanguage(const QString &language)
{
    mLanguage = language;
    QSettings(mPath, QSettings::IniFormat).setValue(LanguageKey, language);
}

void UserPreferences::setNoiseBed(const QString &noise)
{
    mNoiseBed = noise;
    QSettings(mPath, QSettings::IniFormat).setValue(NoiseBedKey, noise);
}
