#pragma once

#include <QDialog>

class NoiseBedEditor;
class QCheckBox;
class QComboBox;
class UserPreferences;

// Edit > Preferences: the user's choices, stored when OK is pressed.
class PreferencesDialog : public QDialog
{
    Q_OBJECT
public:
    explicit PreferencesDialog(UserPreferences &preferences, QWidget *parent = nullptr);

    void accept() override;

    // Controls, for tests
    QCheckBox *continueGlideBox() const { return mContinueGlide; }
    QComboBox *languageBox() const { return mLanguage; }

private:
    UserPreferences &mPreferences;
    QCheckBox *mContinueGlide;
    QComboBox *mLanguage;
    NoiseBedEditor *mNoiseBed;
};
