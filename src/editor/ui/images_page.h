#pragma once
// The "Images" page of the main window: six tabs, one picture slot each,
// with its picture (or a status text in its place), title and buttons.

#include <QWidget>

#include "editor/picture_slots.h"
#include "widgets/picture_loader.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QStackedWidget;
class QTabBar;

namespace vorlane {

class ImagesPage : public QWidget {
    Q_OBJECT
public:
    explicit ImagesPage(Dialogs& dialogs, PictureLoader& loader = PictureLoader::shared(), QWidget* parent = nullptr);

    // Where a chosen file, a cleared picture and every typed title go at
    // once: the record the window shows (nullptr when none).
    void setCurrentRecord(PictureSlots::CurrentRecord current) { current_ = std::move(current); }
    // The open database file, beside which relative picture names are looked up.
    void setDatabaseFile(std::function<std::string()> databaseFile) { databaseFile_ = std::move(databaseFile); }

    // The window shows record: its selected slot's file and title.
    void showRecord(const ItemRecord& record);
    // The window writes back into record: the shown slot's file.
    void saveRecord(ItemRecord& record) const { slots_.WriteBack(record); }
    // "Image File" and "Clear Image" are off for a read-only record; the
    // title stays editable.
    void setReadOnly(bool readOnly);

    int selectedSlot() const { return slots_.selected(); }
    QLineEdit* titleEdit() const { return imageTitle_; }  // for the window's character guard
    bool showingPicture() const;
    QString statusText() const;

    void choosePicture();
    void clearPicture();

private:
    void selectPictureTab(int index);
    void editPictureTitle(const QString& text);
    void displayPicture();
    void applyAutoSize();
    void showTitle();

    Dialogs& dialogs_;
    PictureLoader& loader_;
    PictureSlots::CurrentRecord current_;
    std::function<std::string()> databaseFile_;
    PictureSlots slots_;

    QTabBar* imageBook_ = nullptr;
    QStackedWidget* frame_ = nullptr;
    QLabel* status_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QLabel* picture_ = nullptr;
    QLineEdit* imageTitle_ = nullptr;
    QPushButton* selectPicture_ = nullptr;
    QPushButton* clearPicture_ = nullptr;
    QCheckBox* autosize_ = nullptr;
};

}  // namespace vorlane
