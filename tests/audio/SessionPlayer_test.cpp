// Playing for real through the audio server's output (a null sink in CI).
#include "PlayerSignals.h"
#include "SoundProbe.h"
#include "SoundServer.h"

#include "playback/PlaybackPosition.h"
#include "playback/SessionPlayer.h"
#include "core/session/Session.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {
using State = SessionPlayer::State;

void needSoundServer()
{
    static const SoundServer server;
    ASSERT_TRUE(server.problem().isEmpty()) << server.problem().toStdString();
}
} // namespace

TEST(SessionPlayer, PlaysPausesResumesAndStopsWhereTheSoundIs)
{
    const SessionGrid cells = soundSession({{PulsedSession, {{1, "0:01.0"}, {2, "bb"}}},
                                            {PulsedSession, {{1, "0:02.0"}, {2, "PFr"}}},
                                            {PulsedSession, {{1, "0:00.5"}, {2, "PSu"}}}});
    needSoundServer();
    SessionPlayer player;
    QSignalSpy states(&player, &SessionPlayer::stateChanged);
    ASSERT_TRUE(player.play(cells, 1)) << player.lastError().toStdString();
    EXPECT_EQ(player.state(), State::Playing);
    EXPECT_DOUBLE_EQ(player.totalSeconds(), 3.5);
    // From segment 2: the sound starts one second into the session.
    ASSERT_TRUE(waitForPlayer(player, [&] { return player.positionSeconds() > 1.4; }));
    EXPECT_EQ(player.playingColumn(), 1);
    EXPECT_GE(player.startLatencyMs(), 0);

    player.pause();
    EXPECT_EQ(player.state(), State::Paused);
    const double pausedAt = player.positionSeconds();
    QTest::qWait(300);
    EXPECT_DOUBLE_EQ(player.positionSeconds(), pausedAt);

    player.resume();
    ASSERT_TRUE(waitForPlayer(player, [&] { return player.positionSeconds() > pausedAt + 0.2; }));
    player.stop();
    EXPECT_EQ(player.state(), State::Stopped);
    EXPECT_EQ(player.playingColumn(), -1);

    // Played to the end, it stops by itself.
    ASSERT_TRUE(player.play(cells, 2));
    EXPECT_TRUE(waitForPlayer(player, [&] { return player.state() == State::Stopped; }));
    EXPECT_GE(states.size(), 6);
}

TEST(SessionPlayer, ATextThatIsNotANumberIsReportedAndNothingPlays)
{
    SessionGrid cells = soundSession({{PulsedSession, {{1, "x:00.0"}}}});
    needSoundServer();
    SessionPlayer player;
    EXPECT_FALSE(player.play(cells, 0));
    EXPECT_EQ(player.state(), State::Stopped);
    EXPECT_FALSE(player.lastError().isEmpty());
}

TEST(PlaybackPosition, MinutesAndSecondsOfThePositionAndTheTotal)
{
    const struct
    {
        double seconds;
        double total;
        int segment;
        const char *text;
    } cases[] = {{750.9, 2700, 7, "12:30 / 45:00, segment 7"},
                 {0, 0.5, 1, "0:00 / 0:00, segment 1"},
                 {4530, 7200, 1000, "75:30 / 120:00, segment 1000"}};
    for (const auto &c : cases)
        EXPECT_EQ(playbackPositionText(c.seconds, c.total, c.segment).toStdString(), c.text);
}
