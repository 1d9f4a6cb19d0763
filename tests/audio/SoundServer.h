#pragma once

#include <QProcess>
#include <QTemporaryDir>

// A sound server with an output for the playback tests: the one the
// environment names when it answers (CI starts one with a null output),
// otherwise a private one with a null output, started for this test program
// and ended with it. Must exist before the first audio call of the program.
class SoundServer
{
public:
    SoundServer();
    ~SoundServer();
    QString problem() const { return mProblem; } // empty when a server answers

private:
    QTemporaryDir mRuntime;
    QProcess mServer;
    QString mProblem;
};
