#include "core/settings/UserPreferences.h"

#include <QDir>
#include <QStandardPaths>

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
    : mFile(std::make_shared<SharedIniFile>(path))
{
    const IniFile &ini = mFile->ini();
    mNewSegmentContinuesGlide = ini.value(ContinueGlideKey) == u"true"_s;
    mNoiseBed = ini.contains(NoiseBedKey) ? ini.value(NoiseBedKey) : u"none"_s;
    mLanguage = ini.value(LanguageKey);
    mAudioExport.suffix = ini.value(ExportTypeKey);
    mAudioExport.lastTarget = ini.value(ExportTargetKey).toDouble();
    if (ini.value(ExportNormaliseKey) == u"true"_s)
        mAudioExport.targetLoudness = mAudioExport.lastTarget;
    mAudioExport.flacLevel = ini.contains(ExportFlacLevelKey) ? ini.value(ExportFlacLevelKey).toInt() : -1;
    mAudioExport.mp3Bitrate = ini.value(ExportMp3BitrateKey).toInt();
}

bool UserPreferences::setAudioExport(const AudioExportChoices &choices)
{
    mAudioExport = choices;
    return mFile->change([&](IniFile &ini) {
        ini.setValue(ExportTypeKey, choices.suffix);
        ini.setValue(ExportNormaliseKey, choices.targetLoudness ? u"true"_s : u"false"_s);
        ini.setValue(ExportTargetKey, QString::number(choices.lastTarget));
        ini.setValue(ExportFlacLevelKey, QString::number(choices.flacLevel));
        ini.setValue(ExportMp3BitrateKey, QString::number(choices.mp3Bitrate));
    });
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
