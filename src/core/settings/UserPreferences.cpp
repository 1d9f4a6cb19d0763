#include "core/settings/UserPreferences.h"

#include <QDir>
#include <QStandardPaths>

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
    : mFile(std::make_shared<SharedIniFile>(path))
{
    const IniFile &ini = mFile->ini();
    mNewSegmentContinuesGlide = ini.value(ContinueGlideKey) == u"true"_s;
    mNoiseBed = ini.contains(NoiseBedKey) ? ini.value(NoiseBedKey) : u"none"_s;
    mLanguage = ini.value(LanguageKey);
}

bool UserPreferences::store(const QString &key, const QString &value)
{
    return mFile->change([&](IniFile &ini) { ini.setValue(key, value); });
}

bool UserPreferences::setNewSegmentContinuesGlide(bool on)
{
    mNewSegmentContinuesGlide = on;
    return store(ContinueGlideKey, on ? u"true"_s : u"false"_s);
}

bool UserPreferences::setLanguage(const QString &language)
{
    mLanguage = language;
    return store(LanguageKey, language);
}

bool UserPreferences::setNoiseBed(const QString &noise)
{
    mNoiseBed = noise;
    return store(NoiseBedKey, noise);
}
