#pragma once

#include <QObject>
#include <QTimer>
#include <memory>

#include "audio/NoiseBed.h"
#include "core/beds/Bed.h"

class AudioOutput;
class QMediaDevices;
class SessionGrid;
class SessionSynth;
class SynthSource;

// Plays a session through the default audio output: Play from a segment,
// Pause, Resume, Stop, each fading over a few milliseconds. Edited cells
// handed in while playing are heard from the next block on.
class SessionPlayer : public QObject
{
    Q_OBJECT
public:
    enum class State { Stopped, Playing, Paused };

    explicit SessionPlayer(QObject *parent = nullptr);
    ~SessionPlayer() override;

    // Starts the session from the first pass of the column. False, with the
    // reason in lastError(), when there is no audio output or a cell is not
    // a number.
    bool play(const SessionGrid &cells, int fromColumn);
    void pause();
    void resume();
    void stop();
    void setCells(const SessionGrid &cells);
    // While playing or paused: goes on from `seconds` into the session, with
    // these cells, as it was (playing or paused). False when stopped or when
    // the sound cannot start (lastError()).
    bool seek(const SessionGrid &cells, double seconds);
    // The noise under the tones, from the next block on.
    void setNoise(const NoiseChoice &noise);
    // The beds under the tones, from the next block on.
    void setBeds(const BedList &beds);

    State state() const { return mState; }
    // Where the sound that is heard now is in the session, in seconds.
    double positionSeconds() const;
    double totalSeconds() const;
    // The segment heard now (column), -1 when stopped.
    int playingColumn() const;
    QString lastError() const { return mError; }
    // Milliseconds from play() until the output first asked for sound.
    qint64 startLatencyMs() const { return mStartLatencyMs; }

signals:
    void stateChanged(SessionPlayer::State state);
    // Often while playing, and once after every change of state.
    void positionChanged();
    // The output failed while playing; the text is for a message box.
    void failed(const QString &message);

private:
    void startSink();
    void finishFade();
    void onSinkState();
    void tick();
    void setState(State state);
    qint64 heardFrames() const;

    QMediaDevices *mDevices = nullptr;
    std::unique_ptr<AudioOutput> mSink;
    SynthSource *mSource = nullptr;
    State mState = State::Stopped;
    QString mError;
    NoiseChoice mNoise;
    BedList mBeds;
    QTimer mTicker;
    QTimer mFadeTimer;
    qint64 mPlayStarted = 0;
    qint64 mStartLatencyMs = -1;
    qint64 mPausedAt = -1; // frames heard when paused
    qint64 mStartFrame = 0; // the synthesizer's frame the output started at
};
