#pragma once
// CdPlayerWindow: the CD player window. The CdPlayer core decides what the labels
// show and what the buttons and the refresh tick do; this window lays them
// out on the black panel and runs the once-a-second timer.

#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

#include "utilities/cd_player.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QToolButton;

namespace vorlane {

class CdPlayerWindow : public QWidget {
    Q_OBJECT
public:
    // The window uses drive for its whole life; it does not own it.
    explicit CdPlayerWindow(CdDrive& drive, QWidget* parent = nullptr);
    ~CdPlayerWindow() override;

    const CdPlayer& player() const { return player_; }
    QToolButton* button(CdButton b) const { return buttons_[static_cast<std::size_t>(b)]; }
    QCheckBox* continuousPlay() const { return continuous_; }
    QCheckBox* repeatCurrentSong() const { return repeat_; }
    QLabel* lblTrack = nullptr;
    QLabel* lblTime = nullptr;
    QLabel* CDStatus = nullptr;
    QTimer Timer1;

    // What the player cannot do without a drive or a disc, in words.
    QLabel* notice() const { return notice_; }
    QComboBox* driveChoice() const { return driveChoice_; }
    QPushButton* openImageButton() const { return openImage_; }
    // Plays from a drive's device or a CUE image from now on.
    void openSource(const QString& path);
    // Asks for a disc image; replaceable so tests need no file chooser.
    std::function<QString()> chooseImage;

private:
    void showPlayer();
    void fillDriveChoice();

    CdDrive& drive_;
    CdPlayer player_;
    QLabel* trackCaption_ = nullptr;
    QLabel* timeCaption_ = nullptr;
    std::array<QToolButton*, kCdButtonCount> buttons_{};
    QCheckBox* continuous_ = nullptr;
    QCheckBox* repeat_ = nullptr;
    QLabel* notice_ = nullptr;
    QComboBox* driveChoice_ = nullptr;
    QPushButton* openImage_ = nullptr;
    bool hasDrive_ = false;
};

}  // namespace vorlane
