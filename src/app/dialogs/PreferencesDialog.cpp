#include "app/dialogs/PreferencesDialog.h"

#include "app/dialogs/NoiseBedEditor.h"
#include "core/settings/UserPreferences.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QMessageBox>
#include <QVBoxLayout>
#include <algorithm>

using namespace Qt::Literals::StringLiterals;

PreferencesDialog::PreferencesDialog(UserPreferences &preferences, QWidget *parent)
    : QDialog(parent)
    , mPreferences(preferences)
    , mContinueGlide(new QCheckBox(tr("A &new segment starts where the previous one's glide ended"), this))
    , mLanguage(new QComboBox(this))
    , mNoiseBed(new NoiseBedEditor(this))
{
    setWindowTitle(tr("Preferences"));
    mContinueGlide->setToolTip(tr("New Segment sets its Start Freq to the previous segment's Target Freq"));
    mContinueGlide->setChecked(preferences.newSegmentContinuesGlide());
    // Each language by its own name, so that a user who cannot read the
    // present one still finds theirs.
    mLanguage->addItem(tr("System default"), QString());
    mLanguage->addItem(u"English"_s, u"en"_s);
    mLanguage->addItem(u"Deutsch"_s, u"de"_s);
    mLanguage->addItem(u"Fran\u00e7ais"_s, u"fr"_s);
    mLanguage->setCurrentIndex(std::max(0, mLanguage->findData(preferences.language())));
    auto *languageNote = new QLabel(tr("The language changes at the next start of Mirandel."), this);
    languageNote->setWordWrap(true);
    auto *form = new QFormLayout;
    form->addRow(tr("&Language:"), mLanguage);
    form->addRow(QString(), languageNote);
    mNoiseBed->setChoice(NoiseChoice::parse(preferences.noiseBed()).value_or(NoiseChoice()));
    mNoiseBed->setToolTip(tr("Heard in the preview and written into exported sound files, never sent to the device"));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(mContinueGlide);
    layout->addWidget(mNoiseBed);
    layout->addLayout(form);
    layout->addWidget(buttons);
    mContinueGlide->setFocus();
}

void PreferencesDialog::accept()
{
    bool stored = true;
    if (mContinueGlide->isChecked() != mPreferences.newSegmentContinuesGlide())
        stored = mPreferences.setNewSegmentContinuesGlide(mContinueGlide->isChecked()) && stored;
    const QString language = mLanguage->currentData().toString();
    if (language != mPreferences.language())
        stored = mPreferences.setLanguage(language) && stored;
    if (mNoiseBed->text() != mPreferences.noiseBed())
        stored = mPreferences.setNoiseBed(mNoiseBed->text()) && stored;
    // The choices hold for this run all the same.
    if (!stored) {
        QMessageBox::warning(this, windowTitle(),
                             tr("Your preferences hold for this run only. %1").arg(mPreferences.lastWriteError()));
    }
    QDialog::accept();
}
