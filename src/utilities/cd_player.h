#pragma once
// The CD player window's rules: what its labels show, how the buttons and
// the once-a-second refresh drive the disc, Continuous Play and Repeat.

#include <array>
#include <string>
#include <vector>

#include "utilities/cd_drive.h"

namespace vorlane {

enum class CdButton { Play, Pause, Stop, Next, Previous, Eject };
constexpr int kCdButtonCount = 6;
enum class CdColour { Red, Lime, Yellow };

class CdPlayer {
public:
    explicit CdPlayer(CdDrive& drive);

    // The drive does the button's command, then the window follows it.
    void Press(CdButton button);
    void Tick();
    void Notice();  // the drive's completion notice
    // Another drive or disc image was chosen: read its tracks afresh.
    void DiscChanged();
    void SetContinuousPlay(bool on);
    void SetRepeatCurrentSong(bool on);

    const std::string& trackText() const { return track_; }
    const std::string& timeText() const { return time_; }
    const std::string& status() const { return status_; }
    CdColour colour() const { return colour_; }
    bool refreshOn() const { return refreshOn_; }
    bool enabled(CdButton button) const { return enabled_[static_cast<std::size_t>(button)]; }
    bool continuousPlay() const { return continuous_; }
    bool repeatCurrentSong() const { return repeat_; }
    int currentTrack() const { return currentTrack_; }
    int repeatEnd() const { return repeatEnd_; }
    bool tracksLoaded() const { return loaded_; }
    // False while the drive has no disc to play (or there is no drive).
    bool discReady() const { return discReady_; }

    // Seconds from the start of the disc; tracks not read count as empty.
    int AbsoluteSeconds(int track, int minutes, int seconds) const;

private:
    void ReadDisc();
    void Reset();
    void EnableAll() { enabled_.fill(true); }
    void FollowDiscReady(CdMode mode);
    // The repeat end of the track playing; none while the lengths are unknown.
    void UpdateRepeatEnd();

    CdDrive& drive_;
    std::vector<CdLength> lengths_;
    bool loaded_ = false, playing_ = false, paused_ = false;
    bool continuous_ = false, repeat_ = false, refreshOn_ = true;
    bool discReady_ = true;
    int currentTrack_ = 1;
    int repeatEnd_ = kNoRepeatEnd;
    static constexpr int kNoRepeatEnd = 1 << 30;
    std::string track_ = "0", time_ = "00:00", status_ = "Ready";
    CdColour colour_ = CdColour::Red;
    std::array<bool, kCdButtonCount> enabled_{};
};

}  // namespace vorlane
