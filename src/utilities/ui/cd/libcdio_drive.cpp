#include "utilities/ui/cd/libcdio_drive.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>
#include <cdio/cdio.h>
#include <cdio/logging.h>
#include <cdio/mmc.h>

namespace vorlane {

namespace {
constexpr int kSectorBytes = CDIO_CD_FRAMESIZE_RAW;
constexpr int kPollMs = 50;
constexpr int kSoundLeadSectors = kCdSectorsPerSecond / 2;  // kept ahead of the clock

// libcdio's own handler ends the program on an error (a missing image, an
// unreadable disc); here a failure only leaves the drive "Not ready".
void QuietLog(cdio_log_level_t, const char*) {}

bool EndsWithCue(const std::string& path) {
    return path.size() >= 4 && (path.compare(path.size() - 4, 4, ".cue") == 0 ||
                                path.compare(path.size() - 4, 4, ".CUE") == 0);
}
}  // namespace

LibcdioDrive::LibcdioDrive(const CdClock& clock, const std::string& path, QObject* parent)
    : QObject(parent), clock_(clock), source_(path), image_(EndsWithCue(path)), playback_(clock) {
    cdio_log_set_handler(QuietLog);
    OpenHandle();

    QAudioDevice output = QMediaDevices::defaultAudioOutput();
    if (!output.isNull()) {
        QAudioFormat format;
        format.setSampleRate(44100);
        format.setChannelCount(2);
        format.setSampleFormat(QAudioFormat::Int16);
        if (output.isFormatSupported(format)) sink_ = new QAudioSink(output, format, this);
    }
    connect(&pollTimer_, &QTimer::timeout, this, &LibcdioDrive::Poll);
    pollTimer_.start(kPollMs);
}

LibcdioDrive::~LibcdioDrive() {
    if (sink_) sink_->stop();
    if (cdio_) cdio_destroy(cdio_);
}

void LibcdioDrive::OpenHandle() {
    if (image_) {
        cdio_ = cdio_open_cue(source_.c_str());
    } else {
        cdio_ = cdio_open(source_.empty() ? nullptr : source_.c_str(), DRIVER_DEVICE);
        // The first drive found becomes the one named, so that the person sees which.
        if (cdio_ && source_.empty())
            if (const char* device = cdio_get_arg(cdio_, "source")) source_ = device;
    }
    LoadDisc();
}

std::vector<std::string> LibcdioDrive::Drives() {
    std::vector<std::string> drives;
    if (char** devices = cdio_get_devices(DRIVER_DEVICE)) {
        for (char** d = devices; *d; ++d) drives.emplace_back(*d);
        cdio_free_device_list(devices);
    }
    return drives;
}

bool LibcdioDrive::OpenSource(const std::string& path) {
    playback_.Stop();
    if (sink_) sink_->stop();
    soundIn_ = nullptr;
    if (cdio_) cdio_destroy(cdio_);
    cdio_ = nullptr;
    source_ = path;
    image_ = EndsWithCue(path);
    doorOpen_ = false;
    OpenHandle();
    return playback_.trackCount() > 0;
}

void LibcdioDrive::LoadDisc() {
    playback_.Unload();
    if (!cdio_) return;
    const track_t first = cdio_get_first_track_num(cdio_);
    const track_t count = cdio_get_num_tracks(cdio_);
    if (first == CDIO_INVALID_TRACK || count == CDIO_INVALID_TRACK || count == 0) return;
    std::vector<int> starts;
    for (track_t t = first; t < first + count; ++t) starts.push_back(cdio_get_track_lsn(cdio_, t));
    const lsn_t end = cdio_get_track_lsn(cdio_, CDIO_CDROM_LEADOUT_TRACK);
    if (end == CDIO_INVALID_LSN || starts.back() == CDIO_INVALID_LSN || end <= starts.back()) return;
    playback_.Load(std::move(starts), end);
}

CdMode LibcdioDrive::Mode() {
    if (!image_ && !cdio_ && doorOpen_) Reopen();  // the door may have been closed by hand
    if (cdio_ && !image_) {
        // A real door can be opened by hand, and a new disc put in.
        if (mmc_get_tray_status(cdio_) == 1) doorOpen_ = true;
        else if (doorOpen_ || cdio_get_media_changed(cdio_) == 1) {
            doorOpen_ = false;
            LoadDisc();
        }
    }
    if (doorOpen_) return CdMode::Open;
    Poll();
    return playback_.mode();
}

CdPosition LibcdioDrive::Position() { return playback_.position(); }

bool LibcdioDrive::ReadSector(int sector, char* buffer) {
    return cdio_ && !doorOpen_ && cdio_read_audio_sectors(cdio_, buffer, sector, 1) == DRIVER_OP_SUCCESS;
}

void LibcdioDrive::RestartSound() {
    soundSector_ = playback_.sector();
    if (!sink_) return;
    if (playback_.mode() == CdMode::Playing) {
        if (sink_->state() == QAudio::SuspendedState) {
            sink_->resume();
        } else {
            sink_->stop();
            soundIn_ = sink_->start();
        }
    } else if (playback_.mode() == CdMode::Paused) {
        sink_->suspend();
    } else {
        sink_->stop();
        soundIn_ = nullptr;
    }
}

void LibcdioDrive::Poll() {
    if (playback_.Update()) {
        RestartSound();
        if (noticeHandler_) QTimer::singleShot(0, this, [this] { if (noticeHandler_) noticeHandler_(); });
    }
    if (!sink_ || !soundIn_ || playback_.mode() != CdMode::Playing) return;
    const int now = playback_.sector();
    // After a stall the sound catches up with the clock instead of lagging.
    if (soundSector_ < now - kCdSectorsPerSecond) soundSector_ = now;
    char buffer[kSectorBytes];
    while (soundSector_ < playback_.endSector() && soundSector_ < now + kSoundLeadSectors &&
           sink_->bytesFree() >= kSectorBytes) {
        if (!ReadSector(soundSector_, buffer)) std::fill(buffer, buffer + kSectorBytes, 0);
        soundIn_->write(buffer, kSectorBytes);
        ++soundSector_;
    }
}

void LibcdioDrive::Completed() {
    RestartSound();
    if (!noticeRequested_) return;
    noticeRequested_ = false;
    QTimer::singleShot(0, this, [this] { if (noticeHandler_) noticeHandler_(); });
}

void LibcdioDrive::Play() {
    if (doorOpen_) return;
    bool resuming = playback_.mode() == CdMode::Paused;
    playback_.Play();
    if (!resuming && sink_) sink_->stop();
    Completed();
}

void LibcdioDrive::Pause() {
    playback_.Pause();
    Completed();
}

void LibcdioDrive::Stop() {
    playback_.Stop();
    Completed();
}

void LibcdioDrive::Next() {
    playback_.Next();
    if (sink_) sink_->stop();
    Completed();
}

void LibcdioDrive::Previous() {
    playback_.Previous();
    if (sink_) sink_->stop();
    Completed();
}

void LibcdioDrive::Seek(int track, int minutes, int seconds) {
    playback_.Seek(track, minutes, seconds);
    Completed();
}

void LibcdioDrive::Eject() {
    playback_.Stop();
    if (doorOpen_) {
        if (!image_) {
            driver_id_t driver = DRIVER_DEVICE;
            cdio_close_tray(source_.empty() ? nullptr : source_.c_str(), &driver);
            Reopen();
        }
        doorOpen_ = false;
        LoadDisc();
    } else {
        // An image's door is make-believe: it shows "Open" until eject closes it.
        if (cdio_ && !image_) cdio_eject_media(&cdio_);  // frees the handle once ejected
        doorOpen_ = true;
        playback_.Unload();
    }
    Completed();
}

void LibcdioDrive::Reopen() {
    if (cdio_) cdio_destroy(cdio_);
    cdio_ = cdio_open(source_.empty() ? nullptr : source_.c_str(), DRIVER_DEVICE);
}

}  // namespace vorlane
