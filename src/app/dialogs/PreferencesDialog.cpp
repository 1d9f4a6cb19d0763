#include "app/dialogs/PreferencesDialog.h"

#include "app/dialogs/NoiseBedEditor.h"
#include "core/settings/UserPreferences.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

PreferencesDialog::PreferencesDialog(UserPreferences &preferences, QWidget *parent)
    : QDialog(parent)
    , mPreferences(preferences)
    , mContinueGlide(new QCheckBox(u"A &new segment starts where the previous one's glide ended"_s, this))
    , mNoiseBed(new NoiseBedEditor(this))
{
    setWindowTitle(u"Preferences"_s);
    mContinueGlide->setToolTip(u"New Segment sets its Start Freq to the previous segment's Target Freq"_s);
    mContinueGlide->setChecked(preferences.newSegmentContinuesGlide());
    mNoiseBed->setChoice(NoiseChoice::parse(preferences.noiseBed()).value_or(NoiseChoice()));
    mNoiseBed->setToolTip(tr("Heard in the preview and written into exported sound files, never sent to the device"));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(mContinueGlide);
    layout->addWidget(mNoiseBed);
    layout->addWidget(buttons);
    mContinueGlide->setFocus();
}

void PreferencesDialog::accept()
{
    if (mContinueGlide->isChecked() != mPreferences.newSegmentContinuesGlide())
        mPreferences.setNewSegmentContinuesGlide(mContinueGlide->isChecked());
    if (mNoiseBed->text() != mPreferences.noiseBed())
        mPreferences.setNoiseBed(mNoiseBed->text());
    QDialog::accept();
}
