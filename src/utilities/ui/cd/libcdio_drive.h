#pragma once
// An audio CD in a real drive or a CUE/BIN disc image, read with libcdio
// and played digitally through the sound output (today's drives seldom
// have an analogue one). The playing position follows a clock, so a
// machine without sound still shows the disc playing.

#include <QObject>
#include <QTimer>
#include <memory>
#include <string>

#include "utilities/cd_drive.h"
#include "utilities/cd_playback.h"

class QAudioSink;
class QIODevice;
typedef struct _CdIo CdIo_t;

namespace vorlane {

class LibcdioDrive : public QObject, public CdDrive {
    Q_OBJECT
public:
    // Opens the first audio-CD drive, or path: a device or a .cue image.
    // Without a disc the drive is "Not ready".
    explicit LibcdioDrive(const CdClock& clock, const std::string& path = {}, QObject* parent = nullptr);
    ~LibcdioDrive() override;

    CdMode Mode() override;
    int TrackCount() override { return playback_.trackCount(); }
    CdLength TrackLength(int track) override { return playback_.TrackLength(track); }
    CdPosition Position() override;
    void Play() override;
    void Pause() override;
    void Stop() override;
    void Next() override;
    void Previous() override;
    void Eject() override;
    void Seek(int track, int minutes, int seconds) override;
    void SetNoticeHandler(std::function<void()> handler) override { noticeHandler_ = std::move(handler); }
    void RequestNotice() override { noticeRequested_ = true; }
    std::vector<std::string> Drives() override;
    std::string Source() const override { return source_; }
    bool OpenSource(const std::string& path) override;

    // One raw audio sector (2352 bytes of 16-bit stereo at 44.1 kHz).
    bool ReadSector(int sector, char* buffer);
    bool hasSound() const { return sink_ != nullptr; }

private:
    void OpenHandle();
    void LoadDisc();
    void Reopen();  // a real drive's handle, after its door was opened
    void Completed();  // after a command: the notice it asked for
    void Poll();       // feeds the sound output, notices the end of the disc
    void RestartSound();

    const CdClock& clock_;
    std::string source_;
    bool image_ = false;
    CdIo_t* cdio_ = nullptr;
    CdPlayback playback_;
    bool doorOpen_ = false;
    std::function<void()> noticeHandler_;
    bool noticeRequested_ = false;

    QTimer pollTimer_;
    QAudioSink* sink_ = nullptr;
    QIODevice* soundIn_ = nullptr;  // owned by sink_
    int soundSector_ = 0;           // the next sector to hand to the sound output
};

}  // namespace vorlane
