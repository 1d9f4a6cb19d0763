#include "app/dialogs/BedsDialog.h"

#include "app/BedTableModel.h"
#include "audio/NoiseBed.h"
#include "audio/SoundFileLoop.h"
#include "core/beds/BedAudition.h"
#include "core/session/SessionDocument.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace {
constexpr double QuietestFileGain = -60;
constexpr double LoudestFileGain = 20;
constexpr double LongestStart = 24 * 3600;
constexpr double LongestFade = 3600;

QDoubleSpinBox *spinBox(double lowest, double highest, double step, int decimals, const QString &suffix)
{
    auto *box = new QDoubleSpinBox;
    box->setRange(lowest, highest);
    box->setSingleStep(step);
    box->setDecimals(decimals);
    box->setSuffix(suffix);
    // One undo step per value the user settles on, not per digit typed.
    box->setKeyboardTracking(false);
    return box;
}

QString minutesText(qint64 frames, int rate)
{
    const qint64 seconds = (frames + rate / 2) / rate;
    return u"%1:%2"_s.arg(seconds / 60).arg(seconds % 60, 2, 10, QChar(u'0'));
}
} // namespace

BedsDialog::BedsDialog(SessionDocument &document, BedAudition &audition, QWidget *parent)
    : QDialog(parent)
    , mDocument(document)
    , mAudition(audition)
    , mModel(new BedTableModel(document, this))
    , mTable(new QTableView)
    , mAddFile(new QPushButton(tr("Add &Sound File\u2026")))
    , mAddNoise(new QPushButton(tr("Add &Noise")))
    , mRemove(new QPushButton(tr("&Remove")))
    , mGain(spinBox(QuietestFileGain, LoudestFileGain, 0.5, 1, tr(" dB")))
    , mStart(spinBox(0, LongestStart, 1, 1, tr(" s")))
    , mFadeIn(spinBox(0, LongestFade, 0.5, 1, tr(" s")))
    , mFadeOut(spinBox(0, LongestFade, 0.5, 1, tr(" s")))
    , mLoop(new QCheckBox(tr("Loo&p to the session's end")))
    , mCrossfade(spinBox(0, SoundFileLoop::LongestCrossfadeSeconds * 1000, 10, 0, tr(" ms")))
    , mMute(new QCheckBox(tr("&Mute in the preview")))
    , mSolo(new QCheckBox(tr("S&olo in the preview")))
    , mStatus(new QLabel)
{
    setWindowTitle(tr("Beds"));
    mTable->setModel(mModel);
    mTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    mTable->setSelectionMode(QAbstractItemView::SingleSelection);
    mTable->horizontalHeader()->setSectionResizeMode(BedTableModel::SoundColumn, QHeaderView::Stretch);
    mTable->setAccessibleName(tr("Beds under the session"));
    mTable->setAccessibleDescription(tr("Sound files and noise heard in the preview and written into exported sound "
                                        "files, never sent to the device"));

    auto *noiseMenu = new QMenu(mAddNoise);
    const std::pair<Bed::Kind, QString> noises[] = {
        {Bed::WhiteNoise, tr("&White")}, {Bed::PinkNoise, tr("&Pink")}, {Bed::BrownNoise, tr("&Brown")}};
    for (const auto &[kind, caption] : noises)
        noiseMenu->addAction(caption, this, [this, kind = kind] { addNoise(kind); });
    mAddNoise->setMenu(noiseMenu);
    connect(mAddFile, &QPushButton::clicked, this, &BedsDialog::chooseFiles);
    connect(mRemove, &QPushButton::clicked, this, &BedsDialog::removeSelected);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(mAddFile);
    buttons->addWidget(mAddNoise);
    buttons->addWidget(mRemove);
    buttons->addStretch();

    const std::pair<QWidget *, QString> names[] = {
        {mGain, tr("Level")}, {mStart, tr("Start")}, {mFadeIn, tr("Fade in")}, {mFadeOut, tr("Fade out")},
        {mCrossfade, tr("Crossfade where the loop meets its start")}};
    for (const auto &[widget, name] : names)
        widget->setAccessibleName(name);
    auto *form = new QFormLayout;
    form->addRow(tr("&Level:"), mGain);
    form->addRow(tr("S&tart after:"), mStart);
    form->addRow(tr("Fade &in:"), mFadeIn);
    form->addRow(tr("Fade o&ut:"), mFadeOut);
    form->addRow(mLoop);
    form->addRow(tr("&Crossfade:"), mCrossfade);
    form->addRow(mMute);
    form->addRow(mSolo);
    mStatus->setWordWrap(true);
    mStatus->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    auto *close = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(mTable, 1);
    layout->addLayout(buttons);
    layout->addLayout(form);
    layout->addWidget(mStatus);
    layout->addWidget(close);

    connectValue(mGain, tr("Change Bed Level"), &Bed::gain);
    connectValue(mStart, tr("Change Bed Start"), &Bed::start);
    connectValue(mFadeIn, tr("Change Bed Fade In"), &Bed::fadeIn);
    connectValue(mFadeOut, tr("Change Bed Fade Out"), &Bed::fadeOut);
    connectValue(mCrossfade, tr("Change Bed Crossfade"), &Bed::crossfade);
    connect(mLoop, &QCheckBox::toggled, this, [this](bool on) {
        if (!mShowing)
            changeBed(tr("Change Bed Loop"), [on](Bed &bed) { bed.loop = on; });
    });
    connect(mMute, &QCheckBox::toggled, this, [this](bool on) { hear(&BedAudition::setMuted, on); });
    connect(mSolo, &QCheckBox::toggled, this, [this](bool on) { hear(&BedAudition::setSolo, on); });
    connect(mTable->selectionModel(), &QItemSelectionModel::selectionChanged, this, &BedsDialog::showSelected);
    // A change elsewhere (undo, another session) shows in the controls, the
    // same bed selected as far as there is one.
    connect(mModel, &QAbstractItemModel::modelAboutToBeReset, this, [this] { mKeptBed = selectedBed(); });
    connect(mModel, &QAbstractItemModel::modelReset, this,
            [this] { selectBed(std::min(mKeptBed, mModel->rowCount() - 1)); });
    resize(560, 480);
    showSelected();
}

void BedsDialog::connectValue(QDoubleSpinBox *box, const QString &text, double Bed::*field)
{
    connect(box, &QDoubleSpinBox::valueChanged, this, [this, text, field](double value) {
        if (!mShowing)
            changeBed(text, [field, value](Bed &bed) { bed.*field = value; });
    });
}

int BedsDialog::selectedBed() const
{
    const QModelIndexList rows = mTable->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void BedsDialog::selectBed(int bed)
{
    if (bed < 0 || bed >= mModel->rowCount())
        mTable->clearSelection();
    else
        mTable->selectRow(bed);
    showSelected();
}

void BedsDialog::chooseFiles()
{
    const QStringList paths = QFileDialog::getOpenFileNames(
        this, tr("Add Sound File"), QString(),
        tr("Sound files (*.wav *.flac *.ogg *.oga *.mp3 *.aif *.aiff);;All files (*)"));
    addFiles(paths);
}

void BedsDialog::addFiles(const QStringList &paths)
{
    BedList beds;
    for (const QString &path : paths) {
        Bed bed;
        bed.path = QFileInfo(path).absoluteFilePath();
        beds.push_back(bed);
    }
    addBeds(beds);
}

void BedsDialog::addNoise(Bed::Kind kind)
{
    Bed bed;
    bed.kind = kind;
    bed.gain = NoiseChoice().level;
    addBeds({bed});
}

void BedsDialog::addBeds(const BedList &beds)
{
    if (beds.empty())
        return;
    const int first = int(mDocument.session().beds.size());
    mDocument.edit({tr("Add Bed")}, [&beds](Session &session) {
        session.beds.insert(session.beds.end(), beds.begin(), beds.end());
    });
    selectBed(first);
}

void BedsDialog::removeSelected()
{
    const int bed = selectedBed();
    if (bed < 0)
        return;
    mDocument.edit({tr("Remove Bed")}, [bed](Session &session) { session.beds.erase(session.beds.begin() + bed); });
    mAudition.remove(bed);
    emit auditionChanged();
    selectBed(std::min(bed, mModel->rowCount() - 1));
}

void BedsDialog::changeBed(const QString &text, const std::function<void(Bed &)> &change)
{
    const int bed = selectedBed();
    if (bed < 0)
        return;
    mDocument.edit({text}, [&](Session &session) { change(session.beds[size_t(bed)]); });
    selectBed(bed);
}

void BedsDialog::showSelected()
{
    const int index = selectedBed();
    const auto &beds = mDocument.session().beds;
    const bool chosen = index >= 0 && size_t(index) < beds.size();
    const Bed bed = chosen ? beds[size_t(index)] : Bed();
    mShowing = true;
    for (QWidget *control : std::initializer_list<QWidget *>{mGain, mStart, mFadeIn, mFadeOut, mMute, mSolo, mRemove})
        control->setEnabled(chosen);
    mLoop->setEnabled(chosen && !bed.isNoise());
    mCrossfade->setEnabled(chosen && !bed.isNoise() && bed.loop);
    if (bed.isNoise()) {
        mGain->setRange(NoiseChoice::QuietestLevel, NoiseChoice::LoudestLevel);
        mGain->setSuffix(tr(" dBFS"));
    } else {
        mGain->setRange(QuietestFileGain, LoudestFileGain);
        mGain->setSuffix(tr(" dB"));
    }
    mGain->setValue(bed.gain);
    mStart->setValue(bed.start);
    mFadeIn->setValue(bed.fadeIn);
    mFadeOut->setValue(bed.fadeOut);
    mLoop->setChecked(bed.loop);
    mCrossfade->setValue(bed.crossfade);
    mMute->setChecked(mAudition.isMuted(index));
    mSolo->setChecked(mAudition.isSolo(index));
    mShowing = false;
    mStatus->setText(!chosen          ? tr("Add a sound file or noise to hear it under the session.")
                     : bed.isNoise() ? tr("%1 at its level in each ear.").arg(BedTableModel::soundName(bed))
                                     : fileStatus(bed));
}

QString BedsDialog::fileStatus(const Bed &bed) const
{
    const SoundFileLoop file(bed.path, false, 0);
    const QString path = QDir::toNativeSeparators(bed.path);
    if (!file.isOpen())
        return tr("%1 cannot be read (%2); the bed plays as silence.").arg(path, file.error());
    QString text = tr("%1: %2, %3 Hz.").arg(path, minutesText(file.length(), file.sampleRate())).arg(file.sampleRate());
    if (file.loopStart() > 0 || file.loopEnd() < file.length()) {
        text += u' ' + tr("Its loop, marked in the file, runs from %1 to %2.")
                           .arg(minutesText(file.loopStart(), file.sampleRate()), minutesText(file.loopEnd(), file.sampleRate()));
    }
    return text;
}

// Muting and soloing change what the preview plays, never the session.
void BedsDialog::hear(void (BedAudition::*set)(int, bool), bool on)
{
    if (mShowing)
        return;
    (mAudition.*set)(selectedBed(), on);
    emit auditionChanged();
}
