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
const QString ExportTypeKey = u"AudioExport/Type"_s;
const QString ExportNormaliseKey = u"AudioExport/Normalise"_s;
const QString ExportTargetKey = u"AudioExport/Target"_s;
const QString ExportFlacLevelKey = u"AudioExport/FlacLevel"_s;
const QString ExportMp3BitrateKey = u"AudioExport/Mp3Bitrate"_s;
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
    mAudioExport.suffix = settings.value(ExportTypeKey).toString();
    mAudioExport.lastTarget = settings.value(ExportTargetKey, 0.0).toDouble();
    if (settings.value(ExportNormaliseKey, false).toBool())
        mAudioExport.targetLoudness = mAudioExport.lastTarget;
    mAudioExport.flacLevel = settings.value(ExportFlacLevelKey, -1).toInt();
    mAudioExport.mp3Bitrate = settings.value(ExportMp3BitrateKey, 0).toInt();
}

void UserPreferences::setAudioExport(const AudioExportChoices &choices)
{
    mAudioExport = choices;
    QSettings settings(mPath, QSettings::IniFormat);
    settings.setValue(ExportTypeKey, choices.suffix);
    settings.setValue(ExportNormaliseKey, choices.targetLoudness.has_value());
    settings.setValue(ExportTargetKey, choices.lastTarget);
    settings.setValue(ExportFlacLevelKey, choices.flacLevel);
    settings.setValue(ExportMp3BitrateKey, choices.mp3Bitrate);
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
