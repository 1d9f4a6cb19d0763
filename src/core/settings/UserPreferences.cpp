#include "core/settings/UserPreferences.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace {
const QString ContinueGlideKey = u"NewSegment/ContinueGlide"_s;
const QString LanguageKey = u"Interface/Language"_s;
} // namespace

QString UserPreferences::defaultPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)).filePath(u"preferences.ini"_s);
}

UserPreferences::UserPreferences(QString path)
    : mPath(std::move(path))
{
    const QSettings file(mPath, QSettings::IniFormat);
    mNewSegmentContinuesGlide = file.value(ContinueGlideKey, false).toBool();
    mLanguage = file.value(LanguageKey).toString();
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
