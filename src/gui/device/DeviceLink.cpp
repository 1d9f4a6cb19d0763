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

// Marks the link busy for one conversation, whatever way it ends.
class BusyScope
{
public:
    explicit BusyScope(bool &busy)
        : mBusy(busy)
    {
        mBusy = true;
    }
    ~BusyScope() { mBusy = false; }

private:
    bool &mBusy;
};

void showError(Prompter &prompter, const QString &text, const QString &details = {})
{
    prompter.setBusy(false);
    if (details.isEmpty())
        prompter.error(text);
    else
        prompter.errorWithDetails(text, details);
}
} // namespace

DeviceLink::DeviceLink(SerialLink &port)
    : mPort(port)
{
}

bool DeviceLink::refusedWhileBusy(Prompter &prompter) const
{
    if (mBusy)
        prompter.beep();
    return mBusy;
}

bool DeviceLink::checkPort(int port, Prompter &prompter)
{
    return !refusedWhileBusy(prompter) && openPort(port, prompter);
}

bool DeviceLink::checkSystem(int port, Prompter &prompter)
{
    if (refusedWhileBusy(prompter))
        return false;
    const BusyScope busy(mBusy);
    return identify(port, prompter) == Identification::Found;
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

DeviceLink::Identification DeviceLink::identify(int port, Prompter &prompter)
{
    if (!openPort(port, prompter))
        return Identification::NotFound;
    // Bytes already waiting are read as the start of the answer.
    mPort.sendByte(IdentificationRequest);
    if (!mPort.waitTicks(IdentificationWaitTicks, true))
        return Identification::Interrupted; // the program is quitting: no more messages
    if (readAnswer())
        return Identification::Found;
    showError(prompter, DeviceLinkTexts::tr("System not found."),
              DeviceLinkTexts::tr("%1: no answer to the identification request").arg(mPort.systemPortName()));
    return Identification::NotFound;
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

bool DeviceLink::download(bool clear, const Session &session, int comPortNumber, Prompter &prompter)
{
    if (refusedWhileBusy(prompter))
        return false;
    const BusyScope busy(mBusy);
    prompter.setBusy(true);
    const int segmentCount = session.cells.columnCount();
    std::optional<SessionImage> image = encodeSession(session, prompter, segmentCount);
    bool aborted = !image;
    // A session too long for the image has been refused by the encoder; the
    // device is not even asked.
    if (segmentCount <= SessionImage::MaxSegments) {
        switch (identify(comPortNumber, prompter)) {
        case Identification::Interrupted:
            prompter.setBusy(false);
            return false;
        case Identification::NotFound:
            aborted = true;
            break;
        case Identification::Found:
            if (!clear && !fitsDevice(segmentCount, prompter))
                aborted = true;
            break;
        }
    }
    if (aborted) {
        showError(prompter, DeviceLinkTexts::tr("Download aborted"));
        return false;
    }
    image->setDownloadMode(clear ? SessionImage::ClearDownload : SessionImage::AppendDownload);
    image->setDeviceModel(mInfo.model);
    return sendImage(*image, segmentCount, prompter);
}

bool DeviceLink::fitsDevice(int segmentCount, Prompter &prompter) const
{
    // Both checks speak, in this order.
    const QStringList refusals = mInfo.appendRefusals(segmentCount);
    for (const QString &refusal : refusals)
        showError(prompter, refusal);
    return refusals.isEmpty();
}

bool DeviceLink::sendImage(const SessionImage &image, int segmentCount, Prompter &prompter)
{
    if (mPort.outputPending() > 0)
        mPort.discardOutput();
    const QByteArray bytes = image.downloadBytes(segmentCount);
    PacedSender sender(mPort, bytes, mProgress);
    mSender = &sender;
    const PacedSender::Outcome outcome = sender.run();
    mSender = nullptr;
    if (outcome != PacedSender::Outcome::Sent)
        mPort.discardOutput();
    mPort.setOpen(false);
    prompter.setBusy(false);
    switch (outcome) {
    case PacedSender::Outcome::Sent:
        mLastDownloadBytes = int(bytes.size());
        return true;
    case PacedSender::Outcome::Stopped:
        prompter.error(DeviceLinkTexts::tr("Download incomplete: the COM port stopped sending"));
        prompter.error(DeviceLinkTexts::tr("Download aborted"));
        return false;
    case PacedSender::Outcome::Cancelled:
        prompter.information(DeviceLinkTexts::tr("Download cancelled"));
        return false;
    case PacedSender::Outcome::Interrupted:
        return false; // the program is quitting: no more messages
    }
    return false;
}

void DeviceLink::cancelDownload()
{
    if (mSender)
        mSender->cancel();
}
