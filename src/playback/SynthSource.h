#pragma once

#include "audio/SessionSynth.h"

#include <QIODevice>
#include <deque>
#include <memory>

// The synthesizer as a device the audio output pulls 16-bit stereo from.
// After the end it gives silence, so that the output drains without an
// underrun; the player stops it.
class SynthSource : public QIODevice
{
public:
    explicit SynthSource(std::unique_ptr<SessionSynth> synth, QObject *parent = nullptr);

    SessionSynth &synth() { return *mSynth; }
    const SessionSynth &synth() const { return *mSynth; }
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;
    // The segment (column) of the sound at `frame`, among the sound handed
    // out lately: the output plays it some time after it was rendered.
    int columnAt(qint64 frame) const;

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    struct SegmentMark
    {
        qint64 frame; // where the segment's sound began
        int column;
    };
    void markSegment(qint64 frame, int column);

    std::unique_ptr<SessionSynth> mSynth;
    std::deque<SegmentMark> mMarks;
};
