#pragma once

#include <QtGlobal>

class QIODevice;

// The computer's sound output as the preview uses it: it pulls 16-bit
// stereo from a source.
class AudioOutput
{
public:
    enum class State { Stopped, Active, Suspended, Idle };
    enum class Error { None, Open, Underrun, Other };

    virtual ~AudioOutput() = default;

    virtual void start(QIODevice *source) = 0;
    virtual void suspend() = 0;
    virtual void resume() = 0;
    virtual void stop() = 0;
    virtual State state() const = 0;
    virtual Error error() const = 0;
    // Microseconds of sound handed to the system since start().
    virtual qint64 processedUSecs() const = 0;
};
