#pragma once
// An audio-CD drive as the CD player sees it: modes, a table of contents,
// a playing position and the buttons' commands.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vorlane {

enum class CdMode { NotReady, Stopped, Playing, Recording, Seeking, Paused, Open };
// "Not ready", "Stopped", ... in the order of the modes.
const std::string& CdModeName(CdMode mode);

struct CdLength {
    int minutes = 0, seconds = 0;
};
struct CdPosition {
    int track = 0, minutes = 0, seconds = 0;
};

class CdDrive {
public:
    virtual ~CdDrive() = default;
    virtual CdMode Mode() = 0;
    virtual int TrackCount() = 0;
    virtual CdLength TrackLength(int track) = 0;  // track 1 ... TrackCount()
    virtual CdPosition Position() = 0;

    virtual void Play() = 0;  // from the position, or on after a pause
    virtual void Pause() = 0;
    virtual void Stop() = 0;
    virtual void Next() = 0;
    // Back to the start of the track, or to the track before when already there.
    virtual void Previous() = 0;
    virtual void Eject() = 0;  // opens the door, or closes an open one
    virtual void Seek(int track, int minutes, int seconds) = 0;

    // The handler runs, later and on the caller's thread, when playback runs
    // off the end of the disc and when a command asked for a notice completes.
    virtual void SetNoticeHandler(std::function<void()> handler) = 0;
    virtual void RequestNotice() = 0;  // for the next command

    // Where the disc comes from: the machine's drives, and a drive's device
    // or a CUE disc image to read from (false when it holds no audio disc).
    virtual std::vector<std::string> Drives() { return {}; }
    virtual std::string Source() const { return {}; }
    virtual bool OpenSource(const std::string&) { return false; }
};

// A machine without a drive: always "Not ready", every command harmless.
class NoCdDrive : public CdDrive {
public:
    CdMode Mode() override { return CdMode::NotReady; }
    int TrackCount() override { return 0; }
    CdLength TrackLength(int) override { return {}; }
    CdPosition Position() override { return {}; }
    void Play() override {}
    void Pause() override {}
    void Stop() override {}
    void Next() override {}
    void Previous() override {}
    void Eject() override {}
    void Seek(int, int, int) override {}
    void SetNoticeHandler(std::function<void()>) override {}
    void RequestNotice() override {}
};

// Milliseconds from any fixed point; tests move it by hand.
class CdClock {
public:
    virtual ~CdClock() = default;
    virtual std::int64_t NowMs() const = 0;
};
class SteadyCdClock : public CdClock {
public:
    std::int64_t NowMs() const override;
};

}  // namespace vorlane
