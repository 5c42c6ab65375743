#include "editor/ui/images_page.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>
#include <limits>

#include "widgets/text_codec.h"

namespace vorlane {

ImagesPage::ImagesPage(Dialogs& dialogs, PictureLoader& loader, QWidget* parent)
    : QWidget(parent), dialogs_(dialogs), loader_(loader), slots_([this] { return current_ ? current_() : nullptr; }) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(0);

    imageBook_ = new QTabBar;
    imageBook_->setObjectName(QStringLiteral("ImageBook"));
    imageBook_->setExpanding(false);
    imageBook_->setUsesScrollButtons(true);
    for (const char* caption : kImageTabCaptions) imageBook_->addTab(QString::fromLatin1(caption));
    layout->addWidget(imageBook_);

    auto* page = new QFrame;
    page->setFrameShape(QFrame::StyledPanel);
    auto* row = new QHBoxLayout(page);

    frame_ = new QStackedWidget;
    frame_->setObjectName(QStringLiteral("PictureFrame"));
    status_ = new QLabel(QString::fromLatin1(kNoImageFileText));
    status_->setObjectName(QStringLiteral("PictureStatus"));
    status_->setAlignment(Qt::AlignCenter);
    status_->setFrameShape(QFrame::StyledPanel);
    status_->setFrameShadow(QFrame::Sunken);
    picture_ = new QLabel;
    picture_->setObjectName(QStringLiteral("Picture"));
    picture_->setAlignment(Qt::AlignCenter);
    scroll_ = new QScrollArea;
    scroll_->setWidget(picture_);
    scroll_->setAlignment(Qt::AlignCenter);
    frame_->addWidget(status_);
    frame_->addWidget(scroll_);
    frame_->setMinimumSize(160, 120);
    row->addWidget(frame_, 1);

    auto* side = new QWidget;
    auto* column = new QVBoxLayout(side);
    column->setContentsMargins(6, 0, 0, 0);
    auto* titleLabel = new QLabel(QStringLiteral("Title"));
    imageTitle_ = new QLineEdit;
    imageTitle_->setObjectName(QStringLiteral("ImageTitle"));
    // The default limit would cut a longer stored title when shown.
    imageTitle_->setMaxLength(std::numeric_limits<int>::max());
    titleLabel->setBuddy(imageTitle_);
    selectPicture_ = new QPushButton(QString::fromLatin1(kImageFileCaption));
    selectPicture_->setObjectName(QStringLiteral("SelectPicture"));
    selectPicture_->setToolTip(QString::fromLatin1(kImageFileHint));
    clearPicture_ = new QPushButton(QString::fromLatin1(kClearImageCaption));
    clearPicture_->setObjectName(QStringLiteral("ClearPicture"));
    clearPicture_->setToolTip(QString::fromLatin1(kClearImageHint));
    autosize_ = new QCheckBox(QString::fromLatin1(kAutoSizeCaption));
    autosize_->setObjectName(QStringLiteral("Autosize"));
    column->addStretch();
    column->addWidget(titleLabel);
    column->addWidget(imageTitle_);
    column->addSpacing(10);
    column->addWidget(selectPicture_);
    column->addWidget(clearPicture_);
    column->addSpacing(4);
    column->addWidget(autosize_);
    column->addStretch();
    side->setFixedWidth(std::max(180, side->sizeHint().width()));
    row->addWidget(side);
    layout->addWidget(page, 1);

    connect(imageBook_, &QTabBar::currentChanged, this, &ImagesPage::selectPictureTab);
    connect(imageTitle_, &QLineEdit::textEdited, this, &ImagesPage::editPictureTitle);
    connect(selectPicture_, &QPushButton::clicked, this, &ImagesPage::choosePicture);
    connect(clearPicture_, &QPushButton::clicked, this, &ImagesPage::clearPicture);
    connect(autosize_, &QCheckBox::toggled, this, &ImagesPage::applyAutoSize);
}

void ImagesPage::showRecord(const ItemRecord& record) {
    slots_.Show(record);
    showTitle();
    displayPicture();
}

void ImagesPage::setReadOnly(bool readOnly) {
    selectPicture_->setEnabled(!readOnly);
    clearPicture_->setEnabled(!readOnly);
}

bool ImagesPage::showingPicture() const { return frame_->currentWidget() == scroll_; }

QString ImagesPage::statusText() const { return showingPicture() ? QString() : status_->text(); }

void ImagesPage::choosePicture() {
    slots_.ChooseFile(dialogs_);
    displayPicture();
}

void ImagesPage::clearPicture() {
    slots_.Clear();
    displayPicture();
}

void ImagesPage::selectPictureTab(int index) {
    slots_.SelectTab(index);
    showTitle();
    displayPicture();
}

void ImagesPage::editPictureTitle(const QString& text) {
    // A character the file cannot hold is undone by the window's guard.
    std::string title;
    if (FromQString(text, title)) slots_.SetTitle(title);
}

void ImagesPage::showTitle() {
    imageTitle_->setText(ToQString(slots_.title()));
    imageTitle_->setCursorPosition(0);
}

void ImagesPage::displayPicture() {
    QImage image;
    PictureFrame shown = slots_.Frame([&](const std::string& path) {
        image = loader_.loadRecordPicture(path, databaseFile_ ? databaseFile_() : std::string());
        return !image.isNull();
    });
    if (!shown.showPicture) {
        picture_->clear();
        status_->setText(QString::fromLatin1(shown.status.data(), static_cast<qsizetype>(shown.status.size())));
        frame_->setCurrentWidget(status_);
        return;
    }
    picture_->setPixmap(QPixmap::fromImage(image));
    applyAutoSize();
    frame_->setCurrentWidget(scroll_);
}

void ImagesPage::applyAutoSize() {
    // Stretched to the frame, or at its own size with scroll bars.
    const bool stretch = autosize_->isChecked();
    picture_->setScaledContents(stretch);
    scroll_->setWidgetResizable(stretch);
    if (!stretch) picture_->adjustSize();
}

}  // namespace vorlane
