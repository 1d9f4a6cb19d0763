#pragma once

#include "core/settings/SharedIniFile.h"

#include <QString>
#include <memory>
#include <optional>

// What File > Export Audio was last given: the file type by its suffix,
// the loudness target when normalising, and the encoders' settings (zero:
// the encoder's default).
struct AudioExportChoices
{
    QString suffix;
    std::optional<double> targetLoudness;
    double lastTarget = 0; // shown, also while normalising is off; 0: none yet
    int flacLevel = -1;
    int mp3Bitrate = 0;
};

// The user's choices of Edit > Preferences, in preferences.ini beside the
// user's notices.ini: MIRANDEL.INI keeps only the device's settings.
class UserPreferences
{
public:
    static QString defaultPath();

    // Reads the file at path; a missing file gives the defaults.
    explicit UserPreferences(QString path = defaultPath());

    // Each choice is stored at once; a file that cannot be written keeps it
    // for this run only, and the setter gives false with the reason in
    // lastWriteError().

    // A new segment starts where the previous one's glide ended. Off by
    // default: New Segment then copies the previous segment as it is.
    bool newSegmentContinuesGlide() const { return mNewSegmentContinuesGlide; }
    bool setNewSegmentContinuesGlide(bool on);
    // The language of the windows from the next start on: empty for the
    // system's, else a language code such as "de".
    const QString &language() const { return mLanguage; }
    bool setLanguage(const QString &language);

    // The noise the preview and audio exports mix under the tones, as
    // "none" or "pink:-20" (kind and level in dBFS).
    QString noiseBed() const { return mNoiseBed; }
    bool setNoiseBed(const QString &noise);

    // The file and the system's reason.
    const QString &lastWriteError() const { return mFile->lastError(); }

    AudioExportChoices audioExport() const { return mAudioExport; }
    bool setAudioExport(const AudioExportChoices &choices);

private:
    bool store(const QString &key, const QString &value);

    std::shared_ptr<SharedIniFile> mFile;
    bool mNewSegmentContinuesGlide = false;
    QString mLanguage;
    QString mNoiseBed;
    AudioExportChoices mAudioExport;
};
