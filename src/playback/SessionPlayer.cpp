#include "playback/SessionPlayer.h"

#include "audio/SessionSynth.h"
#include "playback/MediaAudioOutput.h"
#include "playback/SynthSource.h"
#include "core/session/ConversionError.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QMediaDevices>
#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {
struct SessionPlayerTexts
{
    Q_DECLARE_TR_FUNCTIONS(AudioOutput)
};

constexpr int Rate = 44100;
constexpr int BufferMs = 80;
constexpr int FadeMs = 10;
constexpr int TickMs = 40;
// The audio server needs a moment after the device list is first known
// before a stream may start; starting at once has aborted inside it.
constexpr int StartDelayMs = 30;
} // namespace

SessionPlayer::SessionPlayer(QObject *parent)
    : QObject(parent)
{
    mTicker.setInterval(TickMs);
    connect(&mTicker, &QTimer::timeout, this, &SessionPlayer::tick);
    mFadeTimer.setSingleShot(true);
    connect(&mFadeTimer, &QTimer::timeout, this, &SessionPlayer::finishFade);
}

SessionPlayer::~SessionPlayer()
{
    if (mSink)
        mSink->stop();
}

bool SessionPlayer::play(const SessionGrid &cells, int fromColumn)
{
    // From the user's Play: the first one also opens the output.
    const qint64 playPressed = QDateTime::currentMSecsSinceEpoch();
    if (mSink) {
        mFadeTimer.stop();
        mSink->stop();
        mSink.reset();
    }
    // Watches the device list once sound is first wanted, so that a later
    // Play finds it known.
    if (!mDevices)
        mDevices = new QMediaDevices(this);
    std::unique_ptr<AudioOutput> output =
        MediaAudioOutput::openDefault(Rate, BufferMs, [this] { onSinkState(); }, mError);
    if (!output)
        return false;
    std::unique_ptr<SessionSynth> synth;
    try {
        synth = std::make_unique<SessionSynth>(cells, Rate, fromColumn);
    } catch (const ConversionError &e) {
        mError = e.message();
        return false;
    }
    synth->setNoise(mNoise);
    synth->setBeds(mBeds);
    delete mSource;
    mSource = new SynthSource(std::move(synth), this);
    mSink = std::move(output);
    mPausedAt = -1;
    mStartFrame = 0;
    mPlayStarted = playPressed;
    mStartLatencyMs = -1;
    setState(State::Playing);
    QTimer::singleShot(StartDelayMs, this, &SessionPlayer::startSink);
    return true;
}

void SessionPlayer::startSink()
{
    if (mSink && mState == State::Playing && mSink->state() == AudioOutput::State::Stopped)
        mSink->start(mSource);
}

void SessionPlayer::onSinkState()
{
    if (!mSink)
        return;
    if (mSink->state() == AudioOutput::State::Active && mStartLatencyMs < 0)
        mStartLatencyMs = QDateTime::currentMSecsSinceEpoch() - mPlayStarted;
    const AudioOutput::Error error = mSink->error();
    if (error != AudioOutput::Error::None && error != AudioOutput::Error::Underrun) {
        const QString message = SessionPlayerTexts::tr("No audio output is available: the sound device stopped (%1).").arg(
            error == AudioOutput::Error::Open ? SessionPlayerTexts::tr("it cannot be opened") : SessionPlayerTexts::tr("it failed"));
        stop();
        emit failed(message);
        return;
    }
}

void SessionPlayer::tick()
{
    // The end of the session: the output plays out what it holds, then stops.
    if (mSource->synth().atEnd() && !mFadeTimer.isActive())
        mFadeTimer.start(BufferMs + FadeMs);
    emit positionChanged();
}

void SessionPlayer::pause()
{
    if (mState != State::Playing)
        return;
    mPausedAt = heardFrames();
    mSource->synth().fadeOut(qint64(FadeMs) * Rate / 1000);
    setState(State::Paused);
    mFadeTimer.start(BufferMs + FadeMs);
}

void SessionPlayer::resume()
{
    if (mState != State::Paused)
        return;
    mFadeTimer.stop();
    mSource->synth().fadeIn();
    mPausedAt = -1;
    setState(State::Playing);
    if (mSink->state() == AudioOutput::State::Suspended)
        mSink->resume();
    else
        startSink();
}

void SessionPlayer::stop()
{
    if (mState == State::Stopped)
        return;
    if (mSink && mSink->state() == AudioOutput::State::Active) {
        mSource->synth().fadeOut(qint64(FadeMs) * Rate / 1000);
        mFadeTimer.start(BufferMs + FadeMs);
    } else {
        mFadeTimer.stop();
        mSink.reset();
    }
    setState(State::Stopped);
}

// The fade has been heard: now the output may hold still.
void SessionPlayer::finishFade()
{
    if (!mSink)
        return;
    if (mState == State::Paused) {
        mSink->suspend();
        return;
    }
    mSink->stop();
    mSink.reset();
    if (mState != State::Stopped)
        setState(State::Stopped);
}

void SessionPlayer::setCells(const SessionGrid &cells)
{
    if (mState == State::Stopped || !mSource)
        return;
    try {
        mSource->synth().setCells(cells);
    } catch (const ConversionError &) {
        // The sound goes on with the cells it had until the text is a number.
    }
}

bool SessionPlayer::seek(const SessionGrid &cells, double seconds)
{
    if (mState == State::Stopped)
        return false;
    const bool paused = mState == State::Paused;
    // A new stream from the session's start, begun at the time: what the
    // output still holds of the old place is not heard.
    if (!play(cells, 0))
        return false;
    mStartFrame = std::max<qint64>(0, std::llround(seconds * Rate));
    mSource->synth().startAt(mStartFrame);
    if (paused) {
        mPausedAt = mStartFrame;
        setState(State::Paused);
    }
    return true;
}

void SessionPlayer::setNoise(const NoiseChoice &noise)
{
    mNoise = noise;
    if (mSource)
        mSource->synth().setNoise(noise);
}

void SessionPlayer::setBeds(const BedList &beds)
{
    mBeds = beds;
    if (mSource)
        mSource->synth().setBeds(beds);
}

void SessionPlayer::setState(State state)
{
    mState = state;
    if (state == State::Playing)
        mTicker.start();
    else
        mTicker.stop();
    emit stateChanged(state);
    emit positionChanged();
}

qint64 SessionPlayer::heardFrames() const
{
    if (!mSource)
        return 0;
    const SessionSynth &synth = mSource->synth();
    if (mPausedAt >= 0)
        return mPausedAt;
    const qint64 played = mStartFrame + (mSink ? mSink->processedUSecs() * Rate / 1000000 : 0);
    return std::min(played, synth.position());
}

double SessionPlayer::positionSeconds() const
{
    if (!mSource || mState == State::Stopped)
        return 0;
    const SessionSynth &synth = mSource->synth();
    return synth.sessionSeconds() - double(synth.position() - heardFrames()) / Rate;
}

double SessionPlayer::totalSeconds() const
{
    return mSource ? mSource->synth().sessionTotalSeconds() : 0;
}

int SessionPlayer::playingColumn() const
{
    if (!mSource || mState == State::Stopped)
        return -1;
    return mSource->columnAt(heardFrames());
}
