#pragma once
// Where playback of a disc stands, measured by a clock: what a drive that
// plays the audio itself (rather than through an analogue output) tracks.

#include <vector>

#include "utilities/cd_drive.h"

namespace vorlane {

constexpr int kCdSectorsPerSecond = 75;

class CdPlayback {
public:
    explicit CdPlayback(const CdClock& clock) : clock_(clock) {}

    // Track starts in sectors from the first track's start, then the end.
    void Load(std::vector<int> trackStarts, int endSector);
    void Unload();
    bool loaded() const { return !starts_.empty(); }
    int trackCount() const { return static_cast<int>(starts_.size()); }
    CdLength TrackLength(int track) const;
    int TrackStart(int track) const { return starts_[static_cast<std::size_t>(track - 1)]; }
    int endSector() const { return end_; }

    // Advances by the clock; true once when playback runs off the end.
    bool Update();
    CdMode mode() const { return mode_; }
    int sector() const;
    int TrackAt(int sector) const;
    CdPosition position() const;

    void Play();
    void Pause();
    void Stop();
    void Next();
    void Previous();
    void Seek(int track, int minutes, int seconds);

private:
    void MoveTo(int sector);

    const CdClock& clock_;
    std::vector<int> starts_;
    int end_ = 0;
    CdMode mode_ = CdMode::NotReady;
    int startSector_ = 0;        // where the clock started counting
    std::int64_t startMs_ = 0;
};

}  // namespace vorlane
