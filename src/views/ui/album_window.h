#pragma once
// AlbumWindow: the album. Lays out the control panel and the page of
// pictures, shows the pages' state and forwards the person's actions. Made
// when opened and destroyed when closed.

#include <QMainWindow>
#include <memory>

#include "views/album_pages.h"
#include "widgets/window_opener.h"

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QToolButton;

namespace vorlane {

class AlbumGrid;
class RecordPrinter;

class AlbumWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit AlbumWindow(WindowContext& context, QWidget* parent = nullptr);
    ~AlbumWindow() override;

    AlbumPages& pages() { return pages_; }
    AlbumGrid* grid() const { return grid_; }
    RecordPrinter& printer() { return *printer_; }
    QPushButton* button(const QString& caption) const;
    QAction* action(const QString& hint) const;
    QString pageLabel() const;
    QString sizeLabel() const;
    QCheckBox* labelBox() const { return label_; }
    QCheckBox* autoSizeBox() const { return autoSize_; }
    QComboBox* imageBox() const { return image_; }

    // Activation, as when the window becomes active.
    void activate();
    void buildSheet();
    void print();

protected:
    void changeEvent(QEvent* event) override;

private:
    void buildToolBar();
    void buildPanel();
    void layoutSheet();
    void cellPressed(int record, Qt::MouseButton button);
    void changeSize(bool (AlbumPages::*step)());
    void toggleMode();
    void saveDatabase();

    DatabaseSession& session_;
    Dialogs& dialogs_;
    AppPaths paths_;
    WindowOpener& opener_;
    AlbumPages pages_;
    std::unique_ptr<RecordPrinter> printer_;

    QFrame* panel_ = nullptr;
    AlbumGrid* grid_ = nullptr;
    QLabel* page_ = nullptr;
    QLabel* size_ = nullptr;
    QCheckBox* label_ = nullptr;
    QCheckBox* autoSize_ = nullptr;
    QComboBox* image_ = nullptr;
    QPushButton* previous_ = nullptr;
    QPushButton* next_ = nullptr;
    QAction* saveTool_ = nullptr;
};

}  // namespace vorlane
