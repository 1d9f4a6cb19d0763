// Our exports in the peer program: it reads every one, and plays in each ear
// what the preview plays there.
#include "EditingFixtures.h"
#include "RandomSession.h"
#include "SbagenxPeer.h"
#include "SoundProbe.h"

#include "core/exchange/SessionExchange.h"
#include "core/session/Session.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

TEST(PeerRoundTrip, ThePeerReadsEveryExport)
{
    if (sbagenxPath().isEmpty())
        GTEST_SKIP() << sbagenxMissingReason().toStdString();
    QTemporaryDir dir;
    const QString path = dir.filePath(u"export.sbg"_s);
    std::mt19937 random(32);
    for (int run = 0; run < 40; ++run) {
        SCOPED_TRACE(run);
        Session session = randomSession(random);
        // A voice without a pitch is left out rather than written as carrier 0.
        if (run % 4 == 0)
            session.cells.setCell(0, session.kind == DualBinauralSession ? Pitch2Row : PitchRow, QString());
        writeFileBytes(path, exportSession(session, ExchangeFormat::Sbg).bytes);
        // Both of its parsers.
        for (const QString &backend : {u"SBAGENX_SEQ_BACKEND=legacy"_s, QString()}) {
            const PeerRun peer = runSbagenx({u"-D"_s, path}, backend.isEmpty() ? QStringList() : QStringList{backend});
            EXPECT_EQ(peer.exitCode, 0) << peer.err.toStdString() << readFileBytes(path).toStdString();
        }
    }
}

TEST(PeerRoundTrip, ThePeerPlaysOurExportInEachEarAsThePreviewDoes)
{
    if (sbagenxPath().isEmpty())
        GTEST_SKIP() << sbagenxMissingReason().toStdString();
    constexpr SessionKind P = PulsedSession;
    // A glide, a step of pitch and beat, and a loop played twice.
    Session session;
    session.name = u"round trip"_s;
    session.cells = soundSession({
        {P, {{TimeRow, "0:20.0"}, {ToneRow, "bb"}, {StartFreqRow, "10.0"}, {PitchRow, "240"}, {TargetFreqRow, "4.0"}}},
        {P, {{TimeRow, "0:30.0"}, {ToneRow, "bb"}, {StartFreqRow, "4.0"}, {PitchRow, "192"}}},
        {P, {{TimeRow, "0:20.0"}, {ToneRow, "bb"}, {StartFreqRow, "7.83"}, {PitchRow, "427"}, {TargetFreqRow, "15.0"}}},
        {P, {{TimeRow, "0:10.0"}, {ToneRow, "bb"}, {StartFreqRow, "2.0"}, {PitchRow, "128"}}},
    });
    putLoop(session.cells, 2, 2, 2);
    QTemporaryDir dir;
    const QString schedule = dir.filePath(u"export.sbg"_s);
    const QString sound = dir.filePath(u"peer.wav"_s);
    writeFileBytes(schedule, exportSession(session, ExchangeFormat::Sbg).bytes);
    const PeerRun peer = runSbagenx({u"-Q"_s, u"-r"_s, u"44100"_s, u"-Wo"_s, sound, schedule});
    ASSERT_EQ(peer.exitCode, 0) << peer.err.toStdString();

    const Ears theirs = readEars(sound);
    const Ears ours = renderEars(session.cells, 44100);
    ASSERT_EQ(theirs.rate, ours.rate);
    // The first segment's glide, the second segment, the loop's first and
    // second pass: two seconds around each.
    for (const double at : {10.0, 35.0, 60.0, 85.0}) {
        SCOPED_TRACE(at);
        const double oursLeft = crossingFrequency(ours.left, ours.rate, at - 1, at + 1);
        const double oursRight = crossingFrequency(ours.right, ours.rate, at - 1, at + 1);
        EXPECT_GT(oursRight - oursLeft, 1.9);
        EXPECT_NEAR(crossingFrequency(theirs.left, theirs.rate, at - 1, at + 1), oursLeft, 0.01);
        EXPECT_NEAR(crossingFrequency(theirs.right, theirs.rate, at - 1, at + 1), oursRight, 0.01);
    }
}
