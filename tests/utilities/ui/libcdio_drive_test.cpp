// A generated disc image (three short tracks of tones) played through libcdio.

#include "utilities/ui/cd/libcdio_drive.h"
#include "utilities/ui/cd_player_window.h"

#include <gtest/gtest.h>

#include "support/manual_clock.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <cmath>
#include <fstream>

#include "support/temp_folder.h"

namespace vorlane {
namespace {

using vorlane::testing::ManualClock;

constexpr int kSectorBytes = 2352;
constexpr int kTrackSeconds[] = {3, 4, 2};

// Track t holds a tone of 220 * t Hz; returns the image's bytes.
std::string WriteDisc(const std::string& folder) {
    std::string bin;
    std::ofstream cue(folder + "/disc.cue");
    cue << "FILE \"disc.bin\" BINARY\n";
    int second = 0;
    for (int t = 1; t <= 3; ++t) {
        cue << "  TRACK 0" << t << " AUDIO\n    INDEX 01 00:" << (second < 10 ? "0" : "") << second << ":00\n";
        const int samples = kTrackSeconds[t - 1] * 44100;
        for (int i = 0; i < samples; ++i) {
            auto v = static_cast<std::int16_t>(8000 * std::sin(2 * M_PI * 220 * t * i / 44100.0));
            for (int channel = 0; channel < 2; ++channel) {
                bin.push_back(static_cast<char>(v & 0xFF));
                bin.push_back(static_cast<char>((v >> 8) & 0xFF));
            }
        }
        second += kTrackSeconds[t - 1];
    }
    std::ofstream(folder + "/disc.bin", std::ios::binary) << bin;
    return bin;
}

std::string At(LibcdioDrive& drive) {
    CdPosition p = drive.Position();
    return CdModeName(drive.Mode()) + " " + std::to_string(p.track) + " " + std::to_string(p.minutes * 60 + p.seconds);
}

TEST(LibcdioDrive, PlaysAGeneratedDiscImage) {
    vorlane::testing::TempFolder folder;
    const std::string bin = WriteDisc(folder.path().string());
    ManualClock clock;
    LibcdioDrive drive(clock, folder.path().string() + "/disc.cue");

    ASSERT_EQ(drive.TrackCount(), 3);
    for (int t = 1; t <= 3; ++t) EXPECT_EQ(drive.TrackLength(t).seconds, kTrackSeconds[t - 1]);
    char sector[kSectorBytes];
    const int inTrackTwo = 3 * 75 + 10;
    ASSERT_TRUE(drive.ReadSector(inTrackTwo, sector));
    EXPECT_EQ(std::string(sector, kSectorBytes), bin.substr(std::size_t{inTrackTwo} * kSectorBytes, kSectorBytes));

    struct Step {
        void (LibcdioDrive::*command)();
        int waitMs;
        const char* at;
    };
    const Step steps[] = {
        {&LibcdioDrive::Play, 1500, "Playing 1 1"},  {&LibcdioDrive::Pause, 4000, "Paused 1 1"},
        {&LibcdioDrive::Next, 0, "Paused 2 0"},      {&LibcdioDrive::Play, 2200, "Playing 2 2"},
        {&LibcdioDrive::Previous, 0, "Playing 2 0"}, {&LibcdioDrive::Previous, 0, "Playing 1 0"},
        {&LibcdioDrive::Eject, 0, "Open 0 0"},        {&LibcdioDrive::Eject, 0, "Stopped 1 0"},
        {&LibcdioDrive::Play, 2000, "Playing 1 2"},  {&LibcdioDrive::Stop, 1000, "Stopped 1 2"},
    };
    for (const Step& s : steps) {
        (drive.*s.command)();
        clock.now += s.waitMs;
        EXPECT_EQ(At(drive), s.at);
    }

    int notices = 0;
    drive.SetNoticeHandler([&] { ++notices; });
    drive.Play();
    clock.now += 10000;
    EXPECT_EQ(At(drive), "Stopped 3 1");
    QTest::qWait(20);
    EXPECT_EQ(notices, 1);
}

TEST(LibcdioDrive, AMissingImageIsNotReady) {
    ManualClock clock;
    LibcdioDrive drive(clock, "/nonexistent/disc.cue");
    drive.Play();
    drive.Next();
    EXPECT_EQ(At(drive), "Not ready 0 0");
    EXPECT_EQ(drive.TrackCount(), 0);
}

TEST(CdPlayerWindow, APersonWithoutADrivePlaysADiscImage) {
    vorlane::testing::TempFolder folder;
    WriteDisc(folder.path().string());
    ManualClock clock;
    LibcdioDrive drive(clock, "/nonexistent/disc.cue");
    CdPlayerWindow window(drive);
    window.show();
    EXPECT_FALSE(window.button(CdButton::Play)->isEnabled());
    EXPECT_FALSE(window.notice()->isHidden());

    const QString image = QString::fromStdString(folder.path().string() + "/disc.cue");
    window.chooseImage = [&] { return image; };
    QTest::mouseClick(window.openImageButton(), Qt::LeftButton);
    EXPECT_TRUE(window.notice()->isHidden());
    EXPECT_EQ(window.driveChoice()->currentData().toString(), image);
    ASSERT_TRUE(window.button(CdButton::Play)->isEnabled());
    QTest::mouseClick(window.button(CdButton::Play), Qt::LeftButton);
    clock.now += 4500;
    QTest::qWait(1100);  // one tick of the player's own timer
    EXPECT_EQ(window.CDStatus->text(), " Playing");
    EXPECT_EQ(window.lblTrack->text(), "2");
    EXPECT_EQ(window.lblTime->text(), "00:01");
}

}  // namespace
}  // namespace vorlane
