#include "utilities/cd_player.h"

#include <gtest/gtest.h>

#include "support/manual_clock.h"

#include "utilities/cd_playback.h"

namespace vorlane {
namespace {

using vorlane::testing::ManualClock;

// Tracks of 3:00, 4:00 and 2:30, played by the clock.
class ScriptedDrive : public CdDrive {
public:
    ScriptedDrive() : playback(clock) {
        const int s = kCdSectorsPerSecond;
        playback.Load({0, 180 * s, 420 * s}, 570 * s);
    }
    CdMode Mode() override {
        playback.Update();
        return doorOpen ? CdMode::Open : playback.mode();
    }
    int TrackCount() override { return playback.trackCount(); }
    CdLength TrackLength(int t) override { return playback.TrackLength(t); }
    CdPosition Position() override { return playback.position(); }
    void Play() override { log += "play "; playback.Play(); }
    void Pause() override { log += "pause "; playback.Pause(); }
    void Stop() override { log += "stop "; playback.Stop(); }
    void Next() override { log += "next "; playback.Next(); }
    void Previous() override { log += "previous "; playback.Previous(); }
    void Eject() override { log += "eject "; doorOpen = !doorOpen; }
    void Seek(int t, int m, int s) override {
        log += "seek" + std::to_string(t) + " ";
        playback.Seek(t, m, s);
    }
    void SetNoticeHandler(std::function<void()>) override {}
    void RequestNotice() override { log += "notice "; }
    void Wait(int seconds) { clock.now += seconds * 1000; }

    ManualClock clock;
    CdPlayback playback;
    bool doorOpen = false;
    std::string log;
};

TEST(CdPlayer, ReadsTheDiscAtTheFirstStopAndShowsThePosition) {
    ScriptedDrive drive;
    CdPlayer player(drive);
    EXPECT_EQ(player.status(), "Ready");
    player.Tick();
    EXPECT_EQ(player.status(), " Loading tracks");
    EXPECT_TRUE(player.tracksLoaded());
    EXPECT_EQ(player.AbsoluteSeconds(3, 1, 5), 180 + 240 + 65);

    player.Press(CdButton::Next);
    player.Press(CdButton::Play);
    drive.Wait(65);
    player.Tick();
    EXPECT_EQ(player.status(), " Playing");
    EXPECT_EQ(player.trackText(), "2");
    EXPECT_EQ(player.timeText(), "01:05");
    EXPECT_EQ(player.colour(), CdColour::Lime);
    EXPECT_EQ(player.currentTrack(), 2);
}

TEST(CdPlayer, ButtonsSetColoursAndStatus) {
    struct Case {
        std::vector<CdButton> buttons;
        CdColour colour;
        const char* status;
        const char* track;
        const char* time;
    };
    using B = CdButton;
    const Case cases[] = {
        {{B::Play, B::Pause}, CdColour::Yellow, " Paused", "1", "00:00"},
        {{B::Play, B::Pause, B::Play}, CdColour::Lime, " Playing", "1", "00:03"},
        {{B::Play, B::Stop}, CdColour::Red, " Stopped", "0", "00:00"},
        {{B::Play, B::Eject}, CdColour::Red, " Open", "0", "00:00"},
        {{B::Play, B::Eject, B::Eject}, CdColour::Red, " Loading tracks", "0", "00:00"},
    };
    for (const Case& c : cases) {
        ScriptedDrive drive;
        CdPlayer player(drive);
        player.Tick();
        for (B b : c.buttons) {
            drive.Wait(3);
            player.Press(b);
        }
        EXPECT_EQ(player.colour(), c.colour) << c.status;
        EXPECT_EQ(player.status(), c.status);
        EXPECT_EQ(player.trackText(), c.track) << c.status;
        EXPECT_EQ(player.timeText(), c.time) << c.status;
    }
}

TEST(CdPlayer, RepeatRestartsTheTrackTwoSecondsBeforeItsEnd) {
    ScriptedDrive drive;
    CdPlayer player(drive);
    player.Tick();
    drive.Seek(3, 0, 0);
    player.Press(CdButton::Play);
    player.SetRepeatCurrentSong(true);
    EXPECT_EQ(player.repeatEnd(), 180 + 240 + 148);

    drive.Wait(148);
    drive.log.clear();
    player.Tick();
    EXPECT_EQ(drive.log, "");
    drive.Wait(1);
    player.Tick();
    EXPECT_EQ(drive.log, "notice previous ");
    EXPECT_FALSE(player.refreshOn());
    player.Notice();
    EXPECT_TRUE(player.refreshOn());
    EXPECT_EQ(player.timeText(), "00:00");
    EXPECT_EQ(player.trackText(), "3");
}

TEST(CdPlayer, RepeatTickedBeforeTheDiscWasReadKeepsPlaying) {
    ScriptedDrive drive;
    CdPlayer player(drive);
    player.SetRepeatCurrentSong(true);
    player.Tick();
    drive.Seek(2, 0, 0);
    player.Press(CdButton::Play);
    EXPECT_EQ(player.repeatEnd(), 180 + 238);
    drive.log.clear();
    for (int second = 1; second <= 5; ++second) {
        drive.Wait(1);
        player.Tick();
    }
    EXPECT_EQ(drive.log, "");
    EXPECT_EQ(player.trackText(), "2");
    EXPECT_EQ(player.timeText(), "00:05");
    player.Press(CdButton::Next);
    EXPECT_EQ(player.repeatEnd(), 180 + 240 + 148);
}

TEST(CdPlayer, ContinuousPlayStartsOverAtTheEndOfTheDisc) {
    for (bool continuous : {false, true}) {
        ScriptedDrive drive;
        CdPlayer player(drive);
        player.Tick();
        player.SetContinuousPlay(continuous);
        player.Press(CdButton::Play);
        drive.Wait(571);
        drive.log.clear();
        player.Tick();
        EXPECT_EQ(drive.log, continuous ? "seek1 play " : "");
        EXPECT_EQ(player.enabled(CdButton::Play), !continuous);
        EXPECT_EQ(player.enabled(CdButton::Pause), true);
        drive.Wait(10);
        player.Tick();
        EXPECT_EQ(player.status(), continuous ? " Playing" : " Stopped");
    }
}

TEST(CdPlayer, OpenDoorResetsAndForgetsTheDisc) {
    ScriptedDrive drive;
    CdPlayer player(drive);
    player.Tick();
    player.Press(CdButton::Play);
    drive.Wait(5);
    player.Tick();
    drive.doorOpen = true;
    player.Tick();
    EXPECT_EQ(player.trackText(), "0");
    EXPECT_EQ(player.timeText(), "00:00");
    EXPECT_EQ(player.colour(), CdColour::Red);
    EXPECT_FALSE(player.tracksLoaded());
}

TEST(CdPlayer, WithoutADiscNothingPretendsToPlay) {
    NoCdDrive drive;
    CdPlayer player(drive);
    for (CdButton b : {CdButton::Play, CdButton::Pause}) {
        player.Press(b);
        EXPECT_EQ(player.status(), " Not ready");
        EXPECT_EQ(player.colour(), CdColour::Red);
    }
    player.SetRepeatCurrentSong(true);
    player.Tick();
    EXPECT_FALSE(player.discReady());
    for (CdButton b : {CdButton::Play, CdButton::Pause, CdButton::Stop, CdButton::Next, CdButton::Previous})
        EXPECT_FALSE(player.enabled(b));
    EXPECT_TRUE(player.enabled(CdButton::Eject));
}

TEST(CdPlayback, StepsAndEndsByTheClock) {
    ScriptedDrive drive;
    CdPlayback& p = drive.playback;
    struct Step {
        void (CdPlayback::*command)();
        int wait;
        int track, minutes, seconds;
        CdMode mode;
    };
    const Step steps[] = {
        {&CdPlayback::Play, 62, 1, 1, 2, CdMode::Playing},
        {&CdPlayback::Pause, 30, 1, 1, 2, CdMode::Paused},
        {&CdPlayback::Next, 0, 2, 0, 0, CdMode::Paused},
        {&CdPlayback::Play, 5, 2, 0, 5, CdMode::Playing},
        {&CdPlayback::Previous, 0, 2, 0, 0, CdMode::Playing},
        {&CdPlayback::Previous, 0, 1, 0, 0, CdMode::Playing},
        {&CdPlayback::Next, 0, 2, 0, 0, CdMode::Playing},
        {&CdPlayback::Next, 0, 3, 0, 0, CdMode::Playing},
        {&CdPlayback::Next, 149, 3, 2, 29, CdMode::Playing},
        {&CdPlayback::Stop, 0, 3, 2, 29, CdMode::Stopped},
        {&CdPlayback::Play, 5, 3, 2, 29, CdMode::Stopped},
    };
    for (const Step& s : steps) {
        (p.*s.command)();
        drive.Wait(s.wait);
        p.Update();
        CdPosition at = p.position();
        EXPECT_EQ(p.mode(), s.mode);
        EXPECT_EQ(at.track * 10000 + at.minutes * 100 + at.seconds, s.track * 10000 + s.minutes * 100 + s.seconds);
    }
}

}  // namespace
}  // namespace vorlane
