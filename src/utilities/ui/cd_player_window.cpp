#include "utilities/ui/cd_player_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace vorlane {

namespace {

QLabel* PanelLabel(const QString& text, int pointScale = 1) {
    auto* label = new QLabel(text);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * pointScale);
    label->setFont(font);
    return label;
}

// The style has no eject symbol: a triangle over a bar, in the text colour.
QIcon EjectIcon(const QColor& ink) {
    QPixmap pixmap(20, 20);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPolygon(QPolygon({QPoint(10, 3), QPoint(17, 11), QPoint(3, 11)}));
    p.drawRect(3, 14, 14, 3);
    return QIcon(pixmap);
}

const char* ColourName(CdColour colour) {
    switch (colour) {
        case CdColour::Lime: return "#00ff00";
        case CdColour::Yellow: return "#ffff00";
        case CdColour::Red: break;
    }
    return "#ff0000";
}

}  // namespace

CdPlayerWindow::CdPlayerWindow(CdDrive& drive, QWidget* parent) : QWidget(parent, Qt::Window), drive_(drive), player_(drive) {
    setWindowTitle(QStringLiteral("CD Player"));
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("CDPanel"));
    // Only the panel is black: the check boxes' and the chooser's own faces
    // stay light, so a tick stays dark on white and shows.
    setStyleSheet(QStringLiteral("#CDPanel { background: black; } QLabel#CDStatus, QLabel#CDNotice { color: white; }"));

    trackCaption_ = PanelLabel(QStringLiteral("Track:"));
    timeCaption_ = PanelLabel(QStringLiteral("Postion:"));
    lblTrack = PanelLabel(QString(), 2);
    lblTime = PanelLabel(QString(), 2);
    CDStatus = PanelLabel(QString());
    CDStatus->setObjectName(QStringLiteral("CDStatus"));

    auto* readout = new QGridLayout;
    readout->addWidget(trackCaption_, 0, 0);
    readout->addWidget(lblTrack, 1, 0);
    readout->addWidget(timeCaption_, 0, 1);
    readout->addWidget(lblTime, 1, 1);
    readout->setColumnStretch(1, 1);

    struct Key {
        CdButton button;
        QStyle::StandardPixmap icon;
        const char* hint;
    };
    const Key keys[] = {
        {CdButton::Play, QStyle::SP_MediaPlay, "Play"},
        {CdButton::Pause, QStyle::SP_MediaPause, "Pause"},
        {CdButton::Stop, QStyle::SP_MediaStop, "Stop"},
        {CdButton::Previous, QStyle::SP_MediaSkipBackward, "Previous"},
        {CdButton::Next, QStyle::SP_MediaSkipForward, "Next"},
        {CdButton::Eject, QStyle::SP_TitleBarShadeButton, "Eject"},
    };
    auto* controls = new QHBoxLayout;
    controls->setSpacing(2);
    for (const Key& k : keys) {
        auto* b = new QToolButton;
        b->setIcon(k.button == CdButton::Eject ? EjectIcon(palette().color(QPalette::ButtonText))
                                               : style()->standardIcon(k.icon));
        b->setIconSize(QSize(20, 20));
        b->setToolTip(QString::fromLatin1(k.hint));
        b->setAutoRaise(false);
        connect(b, &QToolButton::clicked, this, [this, button = k.button] {
            player_.Press(button);
            showPlayer();
        });
        buttons_[static_cast<std::size_t>(k.button)] = b;
        controls->addWidget(b);
    }
    controls->addStretch();

    continuous_ = new QCheckBox(QStringLiteral("Continuous Play"));
    repeat_ = new QCheckBox(QStringLiteral("Repeat Current Song"));
    for (QCheckBox* box : {continuous_, repeat_}) {
        QPalette white = box->palette();
        white.setColor(QPalette::WindowText, Qt::white);
        box->setPalette(white);
    }

    notice_ = new QLabel;
    notice_->setObjectName(QStringLiteral("CDNotice"));
    notice_->setWordWrap(true);
    driveChoice_ = new QComboBox;
    driveChoice_->setToolTip(QStringLiteral("The drive to play from"));
    openImage_ = new QPushButton(QStringLiteral("Open Image..."));
    openImage_->setToolTip(QStringLiteral("Play a disc image (CUE/BIN) instead of a drive"));
    chooseImage = [this] {
        return QFileDialog::getOpenFileName(this, QStringLiteral("Open Disc Image"), QString(),
                                            QStringLiteral("Disc images (*.cue)"));
    };
    connect(openImage_, &QPushButton::clicked, this, [this] {
        const QString path = chooseImage();
        if (!path.isEmpty()) openSource(path);
    });
    fillDriveChoice();
    connect(driveChoice_, &QComboBox::activated, this, [this](int index) {
        const QString device = driveChoice_->itemData(index).toString();
        if (!device.isEmpty() && device != QString::fromStdString(drive_.Source())) openSource(device);
    });
    auto* source = new QHBoxLayout;
    source->addWidget(driveChoice_, 1);
    source->addWidget(openImage_);
    connect(continuous_, &QCheckBox::toggled, this, [this](bool on) { player_.SetContinuousPlay(on); });
    connect(repeat_, &QCheckBox::toggled, this, [this](bool on) { player_.SetRepeatCurrentSong(on); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(readout);
    layout->addWidget(CDStatus);
    layout->addWidget(notice_);
    layout->addLayout(controls);
    layout->addLayout(source);
    layout->addWidget(continuous_);
    layout->addWidget(repeat_);

    drive_.SetNoticeHandler([this] {
        player_.Notice();
        showPlayer();
    });
    connect(&Timer1, &QTimer::timeout, this, [this] {
        player_.Tick();
        showPlayer();
    });
    Timer1.start(1000);
    player_.Tick();
    showPlayer();
}

void CdPlayerWindow::fillDriveChoice() {
    driveChoice_->clear();
    const std::string source = drive_.Source();
    for (const std::string& device : drive_.Drives()) {
        const QString name = QString::fromStdString(device);
        driveChoice_->addItem(QStringLiteral("Drive %1").arg(name), name);
    }
    hasDrive_ = driveChoice_->count() > 0;
    const QString current = QString::fromStdString(source);
    if (!current.isEmpty() && driveChoice_->findData(current) < 0)
        driveChoice_->addItem(QFileInfo(current).fileName(), current);
    if (driveChoice_->count() == 0) driveChoice_->addItem(QStringLiteral("No CD drive found"));
    driveChoice_->setCurrentIndex(std::max(0, driveChoice_->findData(current)));
    driveChoice_->setEnabled(hasDrive_);
}

void CdPlayerWindow::openSource(const QString& path) {
    drive_.OpenSource(path.toStdString());
    fillDriveChoice();
    player_.DiscChanged();
    showPlayer();
}

// The drive plays on after the window closes; its notices must not reach it.
CdPlayerWindow::~CdPlayerWindow() { drive_.SetNoticeHandler({}); }

void CdPlayerWindow::showPlayer() {
    lblTrack->setText(QString::fromLatin1(player_.trackText().c_str()));
    lblTime->setText(QString::fromLatin1(player_.timeText().c_str()));
    CDStatus->setText(QString::fromLatin1(player_.status().c_str()));
    const QString ink = QStringLiteral("color: %1;").arg(QLatin1String(ColourName(player_.colour())));
    for (QLabel* label : {trackCaption_, timeCaption_, lblTrack, lblTime}) label->setStyleSheet(ink);
    for (int b = 0; b < kCdButtonCount; ++b)
        buttons_[static_cast<std::size_t>(b)]->setEnabled(player_.enabled(static_cast<CdButton>(b)));
    const bool anySource = hasDrive_ || !drive_.Source().empty();
    if (!anySource) button(CdButton::Eject)->setEnabled(false);
    QString notice;
    if (!player_.discReady()) {
        if (!anySource) notice = QStringLiteral("No CD drive found. Open a disc image (CUE/BIN) to play one.");
        else notice = QStringLiteral("No audio disc in %1.").arg(driveChoice_->currentText());
    }
    notice_->setText(notice);
    notice_->setVisible(!notice.isEmpty());
    if (player_.refreshOn() != Timer1.isActive()) {
        if (player_.refreshOn()) Timer1.start(1000);
        else Timer1.stop();
    }
}

}  // namespace vorlane
