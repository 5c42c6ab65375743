#pragma once
// CdPlayerWindow: the CD player window. The CdPlayer core decides what the labels
// show and what the buttons and the refresh tick do; this window lays them
// out on the black panel and runs the once-a-second timer.

#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>

#include "utilities/cd_player.h"

class QCheckBox;
class QLabel;
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

private:
    void showPlayer();

    CdDrive& drive_;
    CdPlayer player_;
    QLabel* trackCaption_ = nullptr;
    QLabel* timeCaption_ = nullptr;
    std::array<QToolButton*, kCdButtonCount> buttons_{};
    QCheckBox* continuous_ = nullptr;
    QCheckBox* repeat_ = nullptr;
};

}  // namespace vorlane
