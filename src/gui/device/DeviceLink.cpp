#include "gui/device/DeviceLink.h"

#include "core/compiler/SegmentEncoder.h"
#include "core/compiler/SessionImage.h"
#include "core/device/ComPortError.h"
#include "gui/device/SerialLink.h"
#include "core/session/Prompter.h"
#include "core/session/Session.h"

#include <QCoreApplication>

using namespace Qt::Literals::StringLiterals;

namespace {
struct DeviceLinkTexts
{
    Q_DECLARE_TR_FUNCTIONS(DeviceLink)
};

constexpr quint8 IdentificationRequest = '?';
constexpr quint8 AnswerSignature = '6';
constexpr int IdentificationWaitTicks = 10;

void showError(Prompter &prompter, const QString &text, const QString &details = {})
{
    prompter.setBusy(false);
    if (details.isEmpty())
        prompter.error(text);
    else
        prompter.errorWithDetails(text, details);
}
} // namespace

DeviceLink::DeviceLink(SerialLink &port, QObject *parent)
    : QObject(parent)
    , mPort(port)
{
    mAnswerWait.setSingleShot(true);
    // A coarse timer may fire a little early; the answer may come just then.
    mAnswerWait.setTimerType(Qt::PreciseTimer);
    connect(&mAnswerWait, &QTimer::timeout, this, [this] { guarded([this] { answerWaitOver(); }); });
}

bool DeviceLink::refusedWhileBusy(Prompter &prompter) const
{
    if (isBusy())
        prompter.beep();
    return isBusy();
}

bool DeviceLink::checkPort(int port, Prompter &prompter)
{
    return !refusedWhileBusy(prompter) && openPort(port, prompter);
}

bool DeviceLink::startIdentification(int port, Prompter &prompter)
{
    if (refusedWhileBusy(prompter))
        return false;
    mPrompter = &prompter;
    mDownloading = false;
    begin([this, port] { identify(port); });
    return true;
}

void DeviceLink::begin(const std::function<void()> &firstSteps)
{
    // Busy from the first step: its messages run the event loop too.
    mStage = Stage::Identifying;
    try {
        firstSteps();
    } catch (...) {
        mAnswerWait.stop();
        mStage = Stage::Idle;
        throw;
    }
}

QString DeviceLink::portDevice(int port) const
{
    return mPort.systemPortName(port);
}

void DeviceLink::closePort()
{
    mPort.setOpen(false);
}

bool DeviceLink::openPort(int port, Prompter &prompter)
{
    if (port == 0) {
        showError(prompter, DeviceLinkTexts::tr("No COM port is selected"));
        return false;
    }
    try {
        mPort.setComNumber(port);
        mPort.setOpen(true);
    } catch (const ComPortError &failure) {
        if (!failure.isOpenError())
            throw;
        // The details name the device and the system's reason.
        showError(prompter, DeviceLinkTexts::tr("COM port could not be opened"), failure.message());
        return false;
    }
    return true;
}

void DeviceLink::identify(int port)
{
    if (!openPort(port, *mPrompter)) {
        identified(false);
        return;
    }
    // Bytes already waiting are read as the start of the answer.
    mPort.sendByte(IdentificationRequest);
    mPort.flush();
    mAnswerDue = SerialLink::tickWaitEnd(IdentificationWaitTicks);
    mAnswerWait.start(SerialLink::msBefore(mAnswerDue));
}

void DeviceLink::answerWaitOver()
{
    // The tick count must have passed its last tick: the answer may come at
    // the very end.
    if (const int early = SerialLink::msBefore(mAnswerDue); early > 0) {
        mAnswerWait.start(early);
        return;
    }
    const bool found = readAnswer();
    if (!found) {
        showError(*mPrompter, DeviceLinkTexts::tr("System not found."),
                  DeviceLinkTexts::tr("%1: no answer to the identification request").arg(mPort.systemPortName()));
    }
    identified(found);
}

void DeviceLink::identified(bool found)
{
    if (!mDownloading) {
        mStage = Stage::Idle;
        emit identificationFinished(found);
        return;
    }
    if (!found)
        mAborted = true;
    else if (!mClear && !fitsDevice(mSegmentCount, *mPrompter))
        mAborted = true;
    send();
}

bool DeviceLink::readAnswer()
{
    // All six bytes must have arrived during the wait; a shorter answer is no
    // device either.
    const auto next = [this](quint8 &byte) {
        if (!mPort.inputReady())
            return false;
        byte = mPort.receiveByte();
        return true;
    };
    quint8 signature = 0, model = 0, revision = 0, sessions = 0, segmentsHigh = 0, segmentsLow = 0;
    if (!next(signature) || signature != AnswerSignature || !next(model))
        return false;
    DeviceInfo found;
    if (model == 'N' || model == 'I') {
        found.modelName = u"Ambrion"_s;
        found.model = SessionImage::AmbrionModel;
    } else if (model == 'T') {
        found.modelName = u"Calidor"_s;
        found.model = SessionImage::CalidorModel;
    } else {
        return false;
    }
    if (!next(revision) || !next(sessions) || !next(segmentsHigh) || !next(segmentsLow))
        return false;
    found.revision = DeviceInfo::revisionText(revision);
    found.sessionsAvailable = sessions;
    found.segmentsAvailable = segmentsHigh * 256 + segmentsLow;
    mInfo = found;
    mIdentified = true;
    return true;
}

bool DeviceLink::startDownload(bool clear, const Session &session, int comPortNumber, Prompter &prompter)
{
    if (refusedWhileBusy(prompter))
        return false;
    prompter.setBusy(true);
    mPrompter = &prompter;
    mDownloading = true;
    mClear = clear;
    mSegmentCount = session.cells.columnCount();
    begin([&] {
        mImage = encodeSession(session, prompter, mSegmentCount);
        mAborted = !mImage;
        // A session too long for the image has been refused by the encoder;
        // the device is not even asked.
        if (mSegmentCount <= SessionImage::MaxSegments)
            identify(comPortNumber);
        else
            send();
    });
    return true;
}

bool DeviceLink::fitsDevice(int segmentCount, Prompter &prompter) const
{
    // Both checks speak, in this order.
    const QStringList refusals = mInfo.appendRefusals(segmentCount);
    for (const QString &refusal : refusals)
        showError(prompter, refusal);
    return refusals.isEmpty();
}

void DeviceLink::send()
{
    if (mAborted) {
        showError(*mPrompter, DeviceLinkTexts::tr("Download aborted"));
        endDownload(false);
        return;
    }
    mImage->setDownloadMode(mClear ? SessionImage::ClearDownload : SessionImage::AppendDownload);
    mImage->setDeviceModel(mInfo.model);
    if (mPort.outputPending() > 0)
        mPort.discardOutput();
    const QByteArray bytes = mImage->downloadBytes(mSegmentCount);
    mBytesSending = int(bytes.size());
    mStage = Stage::Sending;
    // The last sender may still be in its finishing slot, should this
    // download start from downloadFinished: it goes with the next turn.
    if (mSender)
        QTimer::singleShot(0, this, [spent = std::shared_ptr<PacedSender>(std::move(mSender))] {});
    mSender = std::make_unique<PacedSender>(mPort, bytes, mProgress,
                                            [this](PacedSender::Outcome outcome) { sendingOver(outcome); });
    mSender->start();
}

void DeviceLink::sendingOver(PacedSender::Outcome outcome)
{
    if (outcome != PacedSender::Outcome::Sent)
        mPort.discardOutput();
    mPort.setOpen(false);
    mPrompter->setBusy(false);
    switch (outcome) {
    case PacedSender::Outcome::Sent:
        mLastDownloadBytes = mBytesSending;
        endDownload(true);
        return;
    case PacedSender::Outcome::Stopped:
        mPrompter->error(DeviceLinkTexts::tr("Download incomplete: the COM port stopped sending"));
        mPrompter->error(DeviceLinkTexts::tr("Download aborted"));
        break;
    case PacedSender::Outcome::Cancelled:
        mPrompter->information(DeviceLinkTexts::tr("Download cancelled"));
        break;
    case PacedSender::Outcome::Abandoned:
        mStage = Stage::Idle;
        return;
    }
    endDownload(false);
}

void DeviceLink::endDownload(bool sent)
{
    mStage = Stage::Idle;
    emit downloadFinished(sent);
}

void DeviceLink::cancelDownload()
{
    if (!mDownloading || !isBusy())
        return;
    if (mStage == Stage::Sending) {
        mSender->cancel();
        return;
    }
    mAnswerWait.stop();
    // Closed, so that an answer still on its way is not read as the start of
    // the next one.
    mPort.setOpen(false);
    mPrompter->setBusy(false);
    mPrompter->information(DeviceLinkTexts::tr("Download cancelled"));
    endDownload(false);
}

void DeviceLink::abandon()
{
    if (mStage == Stage::Sending) {
        mSender->abandon();
    } else if (mStage == Stage::Identifying) {
        mAnswerWait.stop();
        mPrompter->setBusy(false);
        mStage = Stage::Idle;
    }
    mPort.setOpen(false);
}

void DeviceLink::guarded(const std::function<void()> &step)
{
    try {
        step();
    } catch (const CommandError &failure) {
        mAnswerWait.stop();
        mPort.setOpen(false);
        showError(*mPrompter, failure.message());
        if (mDownloading) {
            endDownload(false);
        } else {
            mStage = Stage::Idle;
            emit identificationFinished(false);
        }
    }
}
