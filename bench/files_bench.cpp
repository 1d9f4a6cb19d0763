#include "app/MainWindow.h"
#include "app/MirandelWindows.h"
#include "core/files/SessionFileParser.h"
#include "core/files/SessionFileReader.h"
#include "core/files/SessionFileWriter.h"
#include "core/session/NewSession.h"
#include "core/session/ValueLists.h"
#include "app/QtPrompter.h"

#include <QSaveFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace Qt::Literals::StringLiterals;

namespace {
// 1000 segments stepping through times, tones, frequencies and duties,
// with a description, as a long hand-made session would be.
Session longSession()
{
    using namespace ValueLists;
    Session session;
    session.name = u"Long session"_s;
    session.descriptionLines = {u"A thousand segments"_s, QString(), u"for the benchmark"_s};
    session.cells.setColumnCount(SessionGrid::MaxSegments);
    for (int c = 0; c < SessionGrid::MaxSegments; ++c) {
        SessionGrid::Column column = newSessionColumn(PulsedSession);
        column[SegmentNumberRow] = QString::number(c + 1);
        column[TimeRow] = TimeList.at(c % TimeList.size());
        column[ToneRow] = PulsedToneList.at(c % PulsedToneList.size());
        column[StartFreqRow] = FreqList.at(c % FreqList.size());
        column[TargetFreqRow] = TargetFreqList.at((c * 7) % TargetFreqList.size());
        column[ChordRow] = column[ToneRow] == u"PCh" ? ChordList.at(c % ChordList.size()) : QString();
        column[DutyCycleRow] = DutyList.at(c % DutyList.size());
        session.cells.setColumn(c, column);
    }
    return session;
}

QString writtenLongSession(const QTemporaryDir &dir)
{
    const QString path = dir.filePath(u"long.LSS"_s);
    QSaveFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(sessionFileBytes(longSession()));
    file.commit();
    return path;
}

// Reading without the file system and the window.
void parseThousandSegmentFile(benchmark::State &state)
{
    const QByteArray bytes = sessionFileBytes(longSession());
    QtPrompter prompter;
    for (auto _ : state) {
        SessionFileContent content = parseSessionFile(bytes, PulsedSession, prompter);
        benchmark::DoNotOptimize(content);
    }
}

// File > Open as the user sees it: the file read into the main window.
void openThousandSegmentSession(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = writtenLongSession(dir);
    MirandelWindows windows({});
    MainWindow &window = *windows.mainWindow;
    for (auto _ : state) {
        if (!readSessionFile(window.context(), path))
            state.SkipWithError("not read");
    }
}

// File > Save: the whole file through a temporary file and the replacement.
void saveThousandSegmentSession(benchmark::State &state)
{
    QTemporaryDir dir;
    Session session = longSession();
    session.fileName = dir.filePath(u"saved.LSS"_s);
    QtPrompter prompter;
    for (auto _ : state) {
        if (!writeSessionFile(session, prompter))
            state.SkipWithError("not written");
    }
}
} // namespace

BENCHMARK(parseThousandSegmentFile)->Unit(benchmark::kMillisecond);
BENCHMARK(openThousandSegmentSession)->Unit(benchmark::kMillisecond);
BENCHMARK(saveThousandSegmentSession)->Unit(benchmark::kMillisecond);
