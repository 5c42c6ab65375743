#include "utilities/cd_playback.h"

#include <algorithm>
#include <chrono>

namespace vorlane {

const std::string& CdModeName(CdMode mode) {
    static const std::array<std::string, 7> kNames = {"Not ready", "Stopped", "Playing", "Recording",
                                                      "Seeking",   "Paused",  "Open"};
    return kNames[static_cast<std::size_t>(mode)];
}

std::int64_t SteadyCdClock::NowMs() const {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void CdPlayback::Load(std::vector<int> trackStarts, int endSector) {
    starts_ = std::move(trackStarts);
    end_ = endSector;
    mode_ = starts_.empty() ? CdMode::NotReady : CdMode::Stopped;
    startSector_ = starts_.empty() ? 0 : starts_.front();
}

void CdPlayback::Unload() {
    starts_.clear();
    end_ = 0;
    mode_ = CdMode::NotReady;
    startSector_ = 0;
}

CdLength CdPlayback::TrackLength(int track) const {
    if (track < 1 || track > trackCount()) return {};
    int next = track < trackCount() ? TrackStart(track + 1) : end_;
    int seconds = (next - TrackStart(track)) / kCdSectorsPerSecond;
    return {seconds / 60, seconds % 60};
}

int CdPlayback::sector() const {
    if (mode_ != CdMode::Playing) return startSector_;
    std::int64_t elapsed = clock_.NowMs() - startMs_;
    std::int64_t at = startSector_ + elapsed * kCdSectorsPerSecond / 1000;
    return static_cast<int>(std::min<std::int64_t>(at, end_));
}

bool CdPlayback::Update() {
    if (mode_ != CdMode::Playing || sector() < end_) return false;
    startSector_ = end_;
    mode_ = CdMode::Stopped;
    return true;
}

int CdPlayback::TrackAt(int at) const {
    auto after = std::upper_bound(starts_.begin(), starts_.end(), at);
    return std::max(1, static_cast<int>(after - starts_.begin()));
}

CdPosition CdPlayback::position() const {
    if (!loaded()) return {};
    int at = std::min(sector(), end_ - 1);
    int track = TrackAt(at);
    int seconds = std::max(0, at - TrackStart(track)) / kCdSectorsPerSecond;
    return {track, seconds / 60, seconds % 60};
}

void CdPlayback::MoveTo(int at) {
    startSector_ = std::clamp(at, loaded() ? starts_.front() : 0, end_);
    startMs_ = clock_.NowMs();
}

void CdPlayback::Play() {
    if (!loaded() || mode_ == CdMode::Playing) return;
    // Play at the end of the disc starts it over.
    MoveTo(startSector_ >= end_ ? starts_.front() : startSector_);
    mode_ = CdMode::Playing;
}

void CdPlayback::Pause() {
    if (mode_ != CdMode::Playing) return;
    startSector_ = sector();
    mode_ = CdMode::Paused;
}

void CdPlayback::Stop() {
    if (!loaded()) return;
    startSector_ = sector();
    mode_ = CdMode::Stopped;
}

void CdPlayback::Next() {
    if (!loaded()) return;
    int track = TrackAt(sector());
    if (track < trackCount()) MoveTo(TrackStart(track + 1));
}

void CdPlayback::Previous() {
    if (!loaded()) return;
    int at = sector();
    int track = TrackAt(at);
    bool nearStart = at - TrackStart(track) < kCdSectorsPerSecond;
    MoveTo(TrackStart(nearStart && track > 1 ? track - 1 : track));
}

void CdPlayback::Seek(int track, int minutes, int seconds) {
    if (!loaded()) return;
    track = std::clamp(track, 1, trackCount());
    if (mode_ == CdMode::Playing || mode_ == CdMode::Paused) mode_ = CdMode::Stopped;
    MoveTo(TrackStart(track) + (minutes * 60 + seconds) * kCdSectorsPerSecond);
}

}  // namespace vorlane
