#include "app/AudioExportCommand.h"

#include "app/dialogs/NoiseBedEditor.h"
#include "audio/AudioExportJob.h"
#include "audio/AudioFormats.h"
#include "audio/SessionSynth.h"
#include "core/exchange/SessionFormats.h"
#include "core/session/SessionEditor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QProgressDialog>
#include <QSpinBox>
#include <QStatusBar>

using namespace Qt::Literals::StringLiterals;

namespace {
constexpr int ProgressSteps = 1000;

QString audioFileSuffix(const QString &path)
{
    return QFileInfo(path).suffix().toLower();
}

} // namespace

AudioExportCommand::AudioExportCommand(SessionEditor &editor, QMainWindow &window, QObject *parent)
    : QObject(parent), mEditor(editor), mWindow(window)
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
    QFileDialog dialog(&mWindow, tr("Export Audio"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // Qt's own dialog, which takes the loudness option below its fields.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    const AudioExportChoices last = mEditor.preferences().audioExport();
    // Alt+N is the file name's.
    auto *normalise = new QCheckBox(tr("N&ormalise loudness to"));
    auto *target = new QDoubleSpinBox;
    target->setRange(-60, 0);
    target->setDecimals(1);
    target->setSingleStep(0.5);
    target->setSuffix(u" LUFS"_s);
    target->setValue(last.lastTarget != 0 ? last.lastTarget : Loudness::ProgrammeLevel);
    normalise->setChecked(last.targetLoudness.has_value());
    target->setEnabled(normalise->isChecked());
    target->setAccessibleName(tr("Loudness target"));
    connect(normalise, &QCheckBox::toggled, target, &QWidget::setEnabled);
    auto *option = new QHBoxLayout;
    option->addWidget(normalise);
    option->addWidget(target);
    option->addStretch();
    // How the compressed formats are written: each applies to its own type.
    auto *flacLevel = new QSpinBox;
    flacLevel->setRange(AudioEncoding::FastestFlacLevel, AudioEncoding::SmallestFlacLevel);
    flacLevel->setValue(last.flacLevel >= 0 ? last.flacLevel : AudioEncoding::DefaultFlacLevel);
    flacLevel->setAccessibleName(tr("FLAC compression level"));
    flacLevel->setToolTip(tr("0 writes fastest, 8 makes the smallest file; the sound is the same"));
    auto *flacLabel = new QLabel(tr("FLAC &level:"));
    flacLabel->setBuddy(flacLevel);
    auto *bitrate = new QComboBox;
    for (int kbps : AudioEncoding::Mp3Bitrates)
        bitrate->addItem(tr("%1 kbit/s").arg(kbps), kbps);
    bitrate->setCurrentIndex(
        std::max(bitrate->findData(last.mp3Bitrate), bitrate->findData(AudioEncoding::DefaultMp3Bitrate)));
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
    noise->setChoice(NoiseChoice::parse(mEditor.preferences().noiseBed()).value_or(NoiseChoice()));
    if (auto *grid = qobject_cast<QGridLayout *>(dialog.layout())) {
        grid->addLayout(option, grid->rowCount(), 0, 1, -1);
        grid->addLayout(encoding, grid->rowCount(), 0, 1, -1);
        grid->addWidget(noise, grid->rowCount(), 0, 1, -1);
    }
    const QList<FileFormat> formats = audioFileFormats();
    QStringList filters;
    for (const FileFormat &format : formats)
        filters << format.nameFilter();
    const auto suffixOf = [formats, filters](const QString &filter) {
        return formats.at(std::max<qsizetype>(0, filters.indexOf(filter))).extensions.first();
    };
    dialog.setNameFilters(filters);
    // The type of the last export, or the first.
    const qsizetype lastKind = std::find_if(formats.begin(), formats.end(), [&last](const FileFormat &format) {
                                   return format.extensions.first() == last.suffix;
                               }) - formats.begin();
    const qsizetype chosenKind = lastKind < formats.size() ? lastKind : 0;
    dialog.selectNameFilter(filters.at(chosenKind));
    dialog.setDefaultSuffix(suffixOf(filters.at(chosenKind)));
    connect(&dialog, &QFileDialog::filterSelected, &dialog,
            [&dialog, suffixOf](const QString &filter) { dialog.setDefaultSuffix(suffixOf(filter)); });
    const Session &session = mEditor.session();
    const QFileInfo sessionFile(session.fileName);
    const QString baseName = session.fileName.isEmpty() ? session.name : sessionFile.completeBaseName();
    if (!session.fileName.isEmpty())
        dialog.setDirectory(sessionFile.absolutePath());
    dialog.selectFile(baseName + u'.' + suffixOf(filters.at(chosenKind)));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    QString path = dialog.selectedFiles().value(0);
    // A name with another extension gets the one of the chosen file type.
    if (!audioFileTypeOf(path))
        path += u'.' + suffixOf(dialog.selectedNameFilter());
    if (noise->text() != mEditor.preferences().noiseBed() && !mEditor.preferences().setNoiseBed(noise->text()))
        mEditor.prompter().error(mEditor.preferences().lastWriteError());
    AudioEncoding chosen;
    chosen.flacLevel = flacLevel->value();
    chosen.mp3Bitrate = bitrate->currentData().toInt();
    const std::optional<double> loudness = normalise->isChecked() ? std::optional<double>(target->value()) : std::nullopt;
    if (!mEditor.preferences().setAudioExport(
            {audioFileSuffix(path), loudness, target->value(), chosen.flacLevel, chosen.mp3Bitrate}))
        mEditor.prompter().error(mEditor.preferences().lastWriteError());
    return {path, loudness, chosen};
}

void AudioExportCommand::exportTo(const QString &path, std::optional<double> targetLoudness,
                                  const AudioEncoding &encoding)
{
    if (isRunning())
        return;
    const std::optional<AudioFileType> type = audioFileTypeOf(path);
    if (!type) {
        mEditor.prompter().error(tr("Cannot write \"%1\": choose a name ending in %2.")
                                   .arg(path, SessionFormats::extensionList(audioFileFormats())));
        return;
    }
    // A cell that is not a number ends the command before anything is written.
    mEditor.runCommand([&] {
        auto synth = std::make_unique<SessionSynth>(mEditor.session().cells, SampleRate);
        synth->setNoise(NoiseChoice::parse(mEditor.preferences().noiseBed()).value_or(NoiseChoice()));
        synth->setBeds(mEditor.session().beds);
        mJob = std::make_unique<AudioExportJob>(std::move(synth), path, *type, LoudnessChoice{true, targetLoudness},
                                                encoding);
    });
    if (!mJob)
        return;

    if (!mProgress) {
        mProgress = new QProgressDialog(&mWindow);
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
    // With a target the first half of the work measures, before a byte is written.
    const auto label = [this, measures = targetLoudness.has_value()](qint64 done, qint64 total) {
        return measures && 2 * done < total ? tr("Measuring loudness\u2026") : tr("Writing %1\u2026").arg(mFileName);
    };
    mProgress->setLabelText(label(0, 1));
    mProgress->setValue(0);

    connect(mJob.get(), &AudioExportJob::progressed, mProgress, [this, label](qint64 done, qint64 total) {
        mProgress->setValue(total > 0 ? int(done * ProgressSteps / total) : ProgressSteps);
        if (const QString text = label(done, total); text != mProgress->labelText())
            mProgress->setLabelText(text);
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
        mEditor.prompter().error(result.error);
    if (result.outcome == AudioExportResult::Written)
        mWindow.statusBar()->showMessage(tr("Audio exported to %1: %2").arg(mFileName, result.loudness.text()));
    if (result.outcome == AudioExportResult::Cancelled)
        mWindow.statusBar()->showMessage(tr("Export cancelled"));
    emit finished(result.outcome);
}
