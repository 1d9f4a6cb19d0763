#include "app/AudioExportCommand.h"

#include "app/MainWindow.h"
#include "app/dialogs/NoiseBedEditor.h"
#include "audio/AudioExportJob.h"
#include "audio/SessionSynth.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressDialog>
#include <QSpinBox>
#include <QStatusBar>

using namespace Qt::Literals::StringLiterals;

namespace {
constexpr int ProgressSteps = 1000;

struct SoundFileKind
{
    const char *filter; // translated where shown
    QString suffix;
};
const SoundFileKind SoundFileKinds[] = {
    {QT_TRANSLATE_NOOP("AudioExportCommand", "WAV sound, 16-bit (*.wav)"), u"wav"_s},
    {QT_TRANSLATE_NOOP("AudioExportCommand", "FLAC sound, 16-bit (*.flac)"), u"flac"_s},
    {QT_TRANSLATE_NOOP("AudioExportCommand", "Ogg Vorbis sound (*.ogg)"), u"ogg"_s},
    {QT_TRANSLATE_NOOP("AudioExportCommand", "MP3 sound (*.mp3)"), u"mp3"_s},
};
} // namespace

AudioExportCommand::AudioExportCommand(MainWindow &mainWindow, QObject *parent)
    : QObject(parent), mMain(mainWindow)
{
}

AudioExportCommand::~AudioExportCommand() = default;

void AudioExportCommand::run()
{
    if (isRunning())
        return;
    const Choice choice = askFileName();
    if (!choice.path.isEmpty())
        exportTo(choice.path, choice.targetLoudness, choice.encoding);
}

AudioExportCommand::Choice AudioExportCommand::askFileName()
{
    QFileDialog dialog(&mMain, tr("Export Audio"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // Qt's own dialog, which takes the loudness option below its fields.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    auto *normalise = new QCheckBox(tr("&Normalise loudness to"));
    auto *target = new QDoubleSpinBox;
    target->setRange(-60, 0);
    target->setDecimals(1);
    target->setSingleStep(0.5);
    target->setSuffix(u" LUFS"_s);
    target->setValue(Loudness::ProgrammeLevel);
    target->setEnabled(false);
    target->setAccessibleName(tr("Loudness target"));
    connect(normalise, &QCheckBox::toggled, target, &QWidget::setEnabled);
    auto *option = new QHBoxLayout;
    option->addWidget(normalise);
    option->addWidget(target);
    option->addStretch();
    // How the compressed formats are written: each applies to its own type.
    auto *flacLevel = new QSpinBox;
    flacLevel->setRange(AudioEncoding::FastestFlacLevel, AudioEncoding::SmallestFlacLevel);
    flacLevel->setValue(AudioEncoding::DefaultFlacLevel);
    flacLevel->setAccessibleName(tr("FLAC compression level"));
    flacLevel->setToolTip(tr("0 writes fastest, 8 makes the smallest file; the sound is the same"));
    auto *flacLabel = new QLabel(tr("FLAC &level:"));
    flacLabel->setBuddy(flacLevel);
    auto *bitrate = new QComboBox;
    for (int kbps : AudioEncoding::Mp3Bitrates)
        bitrate->addItem(tr("%1 kbit/s").arg(kbps), kbps);
    bitrate->setCurrentIndex(bitrate->findData(AudioEncoding::DefaultMp3Bitrate));
    bitrate->setAccessibleName(tr("MP3 bit rate"));
    auto *bitrateLabel = new QLabel(tr("MP3 &bit rate:"));
    bitrateLabel->setBuddy(bitrate);
    auto *encoding = new QHBoxLayout;
    encoding->addWidget(flacLabel);
    encoding->addWidget(flacLevel);
    encoding->addSpacing(24);
    encoding->addWidget(bitrateLabel);
    encoding->addWidget(bitrate);
    encoding->addStretch();
    auto *noise = new NoiseBedEditor;
    noise->setChoice(NoiseChoice::parse(mMain.preferences().noiseBed()).value_or(NoiseChoice()));
    if (auto *grid = qobject_cast<QGridLayout *>(dialog.layout())) {
        grid->addLayout(option, grid->rowCount(), 0, 1, -1);
        grid->addLayout(encoding, grid->rowCount(), 0, 1, -1);
        grid->addWidget(noise, grid->rowCount(), 0, 1, -1);
    }
    QStringList filters;
    for (const SoundFileKind &kind : SoundFileKinds)
        filters << tr(kind.filter);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(SoundFileKinds[0].suffix);
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, filters](const QString &filter) {
        dialog.setDefaultSuffix(SoundFileKinds[std::max<qsizetype>(0, filters.indexOf(filter))].suffix);
    });
    const Session &session = mMain.session();
    const QFileInfo sessionFile(session.fileName);
    const QString baseName = session.fileName.isEmpty() ? session.name : sessionFile.completeBaseName();
    if (!session.fileName.isEmpty())
        dialog.setDirectory(sessionFile.absolutePath());
    dialog.selectFile(baseName + u".wav"_s);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    QString path = dialog.selectedFiles().value(0);
    // A name with another extension gets the one of the chosen file type.
    if (!audioFileTypeOf(path)) {
        const qsizetype chosen = std::max<qsizetype>(0, filters.indexOf(dialog.selectedNameFilter()));
        path += u'.' + SoundFileKinds[chosen].suffix;
    }
    if (noise->text() != mMain.preferences().noiseBed() && !mMain.preferences().setNoiseBed(noise->text()))
        mMain.prompter().error(mMain.preferences().lastWriteError());
    AudioEncoding chosen;
    chosen.flacLevel = flacLevel->value();
    chosen.mp3Bitrate = bitrate->currentData().toInt();
    return {path, normalise->isChecked() ? std::optional<double>(target->value()) : std::nullopt, chosen};
}

void AudioExportCommand::exportTo(const QString &path, std::optional<double> targetLoudness,
                                  const AudioEncoding &encoding)
{
    if (isRunning())
        return;
    const std::optional<AudioFileType> type = audioFileTypeOf(path);
    if (!type) {
        mMain.prompter().error(tr("Cannot write \"%1\": choose a name ending in .wav, .flac, .ogg or .mp3.").arg(path));
        return;
    }
    // A cell that is not a number ends the command before anything is written.
    mMain.runCommand([&] {
        auto synth = std::make_unique<SessionSynth>(mMain.session().cells, SampleRate);
        synth->setNoise(NoiseChoice::parse(mMain.preferences().noiseBed()).value_or(NoiseChoice()));
        mJob = std::make_unique<AudioExportJob>(std::move(synth), path, *type, LoudnessChoice{true, targetLoudness},
                                                encoding);
    });
    if (!mJob)
        return;

    if (!mProgress) {
        mProgress = new QProgressDialog(&mMain);
        mProgress->setWindowTitle(tr("Export Audio"));
        mProgress->setWindowModality(Qt::WindowModal);
        mProgress->setRange(0, ProgressSteps);
        mProgress->setAutoClose(false);
        mProgress->setAutoReset(false);
        // Short exports end before the dialog would only flash.
        mProgress->setMinimumDuration(300);
        connect(mProgress, &QProgressDialog::canceled, this, [this] {
            if (mJob)
                mJob->cancel();
        });
    }
    mFileName = QFileInfo(path).fileName();
    mProgress->setLabelText(tr("Writing %1\u2026").arg(mFileName));
    mProgress->setValue(0);

    connect(mJob.get(), &AudioExportJob::progressed, mProgress, [this](qint64 done, qint64 total) {
        mProgress->setValue(total > 0 ? int(done * ProgressSteps / total) : ProgressSteps);
    });
    connect(mJob.get(), &AudioExportJob::finished, this, &AudioExportCommand::finish);
    mJob->start();
}

void AudioExportCommand::finish(const AudioExportResult &result)
{
    // The job's thread has ended; the job goes once its signal is through.
    mJob.release()->deleteLater();
    mProgress->reset();
    mProgress->hide();
    if (result.outcome == AudioExportResult::Failed)
        mMain.prompter().error(result.error);
    if (result.outcome == AudioExportResult::Written)
        mMain.statusBar()->showMessage(tr("Audio exported to %1: %2").arg(mFileName, result.loudness.text()));
    emit finished(result.outcome);
}
