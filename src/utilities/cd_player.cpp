#include "utilities/cd_player.h"

namespace vorlane {

namespace {
std::string TwoDigits(int n) {
    std::string text = std::to_string(n);
    if (n >= 0 && n < 10) text.insert(text.begin(), '0');
    return text;
}
}  // namespace

CdPlayer::CdPlayer(CdDrive& drive) : drive_(drive) { EnableAll(); }

int CdPlayer::AbsoluteSeconds(int track, int minutes, int seconds) const {
    int total = seconds + 60 * minutes;
    for (int t = 1; t < track && t <= static_cast<int>(lengths_.size()); ++t) {
        const CdLength& length = lengths_[static_cast<std::size_t>(t - 1)];
        total += length.seconds + 60 * length.minutes;
    }
    return total;
}

void CdPlayer::ReadDisc() {
    status_ = " Loading tracks";
    lengths_.clear();
    for (int t = 1, count = drive_.TrackCount(); t <= count; ++t) lengths_.push_back(drive_.TrackLength(t));
    loaded_ = true;
    UpdateRepeatEnd();
}

void CdPlayer::FollowDiscReady(CdMode mode) {
    const bool ready = mode != CdMode::NotReady && mode != CdMode::Open;
    if (ready == discReady_) return;
    discReady_ = ready;
    // Without a disc only the door can do something.
    if (ready) {
        EnableAll();
    } else {
        enabled_.fill(false);
        enabled_[static_cast<std::size_t>(CdButton::Eject)] = true;
    }
}

void CdPlayer::Reset() {
    currentTrack_ = 1;
    track_.assign(1, '0');
    time_.assign("00:00", 5);  // assigned by length: GCC 12 warns wrongly on these at -O3
    colour_ = CdColour::Red;
    drive_.Stop();
    drive_.Seek(1, 0, 0);
    playing_ = paused_ = false;
    if (discReady_) EnableAll();
}

void CdPlayer::Press(CdButton button) {
    FollowDiscReady(drive_.Mode());
    if (!discReady_ && button != CdButton::Eject) {
        Tick();
        return;
    }
    switch (button) {
        case CdButton::Play:
            drive_.Play();
            colour_ = CdColour::Lime;
            playing_ = true;
            paused_ = false;
            break;
        case CdButton::Pause:
            drive_.Pause();
            colour_ = CdColour::Yellow;
            playing_ = false;
            paused_ = true;
            EnableAll();
            break;
        case CdButton::Stop:
            drive_.Stop();
            Reset();
            break;
        case CdButton::Eject:
            drive_.Eject();
            loaded_ = false;
            Reset();
            break;
        case CdButton::Next: drive_.Next(); break;
        case CdButton::Previous: drive_.Previous(); break;
    }
    if (button == CdButton::Play || button == CdButton::Next || button == CdButton::Previous) {
        // The track that now plays is the one a ticked repeat keeps.
        const int track = drive_.Position().track;
        if (track >= 1) currentTrack_ = track;
        UpdateRepeatEnd();
    }
    Tick();
}

void CdPlayer::DiscChanged() {
    loaded_ = false;
    Reset();
    Tick();
}

void CdPlayer::Notice() {
    // A repeat restart switched the refresh off until its notice came.
    refreshOn_ = true;
    Tick();
}

void CdPlayer::Tick() {
    const CdMode mode = drive_.Mode();
    FollowDiscReady(mode);
    status_ = paused_ ? " Paused" : " " + CdModeName(mode);
    switch (mode) {
        case CdMode::Stopped:
            if (!loaded_) ReadDisc();
            if (playing_ && !paused_ && continuous_) {
                drive_.Seek(1, 0, 0);
                drive_.Play();
                enabled_[static_cast<std::size_t>(CdButton::Play)] = false;
            }
            break;
        case CdMode::Playing: {
            CdPosition at = drive_.Position();
            if (repeat_ && AbsoluteSeconds(at.track, at.minutes, at.seconds) > repeatEnd_) {
                refreshOn_ = false;
                drive_.RequestNotice();
                drive_.Previous();
            } else if (!repeat_) {
                currentTrack_ = at.track;
            }
            track_ = std::to_string(at.track);
            time_ = TwoDigits(at.minutes) + ":" + TwoDigits(at.seconds);
            break;
        }
        case CdMode::Open:
            loaded_ = false;
            Reset();
            break;
        default: break;
    }
}

void CdPlayer::SetContinuousPlay(bool on) {
    continuous_ = on;
    SetRepeatCurrentSong(repeat_);
}

void CdPlayer::SetRepeatCurrentSong(bool on) {
    repeat_ = on;
    UpdateRepeatEnd();
}

void CdPlayer::UpdateRepeatEnd() {
    if (!repeat_) return;
    if (!loaded_ || currentTrack_ < 1 || currentTrack_ > static_cast<int>(lengths_.size())) {
        repeatEnd_ = kNoRepeatEnd;
        return;
    }
    const CdLength& length = lengths_[static_cast<std::size_t>(currentTrack_ - 1)];
    repeatEnd_ = AbsoluteSeconds(currentTrack_, length.minutes, length.seconds - 2);
}

}  // namespace vorlane
