#pragma once
// SpreadsheetWindow: the spreadsheet view. Lays out the browse panel, the grid and
// its bars, shows the rules' state and forwards the person's actions. Made
// at start-up and kept for the run: closing only hides it.

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <set>
#include <string>

#include "storage/app_reset.h"
#include "widgets/window_opener.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QMenu;
class QPrinter;
class QRadioButton;
class QSplitter;
class QTableView;

namespace vorlane {

class PictureLoader;
class SpreadsheetDelegate;
class SpreadsheetModel;
class TextGuard;
struct GridPrintSettings;

// What the spreadsheet asks of the windows around it.
struct SpreadsheetLinks {
    // The column list, the column widths and the short-values switch, kept with the main window.
    ViewSettings* view = nullptr;
    // The main window's status caption and its three status flag captions.
    std::function<std::string()> statusCaption;
    std::function<std::array<std::string, 3>()> statusFlagCaptions;
    // The main window's menu of description field k (1 ... 10), rebuilt;
    // choosing from it runs the main window's command on the current record.
    std::function<QMenu*(int field)> descriptionMenu;
    // The search result message, taken (and emptied).
    std::function<std::string()> takeSearchMessage;
};

class SpreadsheetWindow : public QMainWindow {
    Q_OBJECT
public:
    SpreadsheetWindow(WindowContext& context, SpreadsheetLinks links, QWidget* parent = nullptr);
    ~SpreadsheetWindow() override;

    // Every "Generate Spreadsheet" button.
    void showWindow();
    // Activation, as when the window becomes active.
    void activate();

    SpreadsheetModel& model() { return *model_; }
    QTableView* grid() const { return grid_; }
    QMenu* statusMenu() const { return statusMenu_; }
    QMenu* pictureMenu() const { return pictureMenu_; }
    QAction* action(const QString& hint) const;
    QString statusText() const;
    QLineEdit* numberBox() const { return number_; }
    QLineEdit* viewFields() const { return viewFields_; }
    QCheckBox* highlightBox() const { return highlight_; }
    QComboBox* browseBy() const { return browseBy_; }
    QListWidget* browseList() const { return browseList_; }
    QRadioButton* modeButton(int mode) const { return modes_[static_cast<std::size_t>(mode - 1)]; }
    SpreadsheetDelegate& delegate() { return *delegate_; }

    // The person's actions on a cell, for the program's wiring and for tests.
    void selectCell(int row, int column);
    // A press on a data cell; with the right button the cell's menu pops up at global.
    void pressCell(int row, int column, bool right, const QPoint& global);
    void goToTypedNumber();
    void chooseColumns();
    // The save button follows the main window's save command.
    void updateCommandStates();
    // Replaces the modal column chooser (tests answer without it).
    using ChooserRunner = std::function<void(SpreadsheetWindow& window)>;
    void setChooserRunner(ChooserRunner runner) { runChooser_ = std::move(runner); }

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildToolBars();
    void buildControls();
    void buildMenus();

    void activated();
    void deactivated();
    void fillGrid();
    void refillBrowseList();
    void markChosenBrowseEntry();
    void setMode(int mode);
    void applyColumnWidths();
    void storeColumnWidths();
    void popUpCellMenu(int column, const QPoint& global);
    int browseCode() const;
    std::array<std::string, 3> flagCaptions() const;
    ItemRecord* editedRecord();

    void statusChosen(int k);
    void choosePicture();
    void clearPicture();
    void columnMoved(int from, int to);
    void pictureDrawn(int row, int column, QSize size);
    void saveDatabase();
    void printGrid();

    DatabaseSession& session_;
    Dialogs& dialogs_;
    AppPaths paths_;
    WindowOpener& opener_;
    SpreadsheetLinks links_;
    ViewSettings ownView_;  // when no main window keeps one
    ChooserRunner runChooser_;
    std::unique_ptr<GridPrintSettings> printSettings_;
    std::unique_ptr<QPrinter> printer_;

    SpreadsheetModel* model_ = nullptr;
    SpreadsheetDelegate* delegate_ = nullptr;
    TextGuard* guard_ = nullptr;
    bool activating_ = false;
    bool menuFlag_ = false;
    int rowUnderEdit_ = -1;
    int currentColumn_ = -1;
    QString chosenBrowse_;  // the selected browse-list entry's caption
    std::set<int> grownRows_;  // rows a picture made taller than the default

    QAction* saveTool_ = nullptr;
    QLineEdit* status_ = nullptr;
    QCheckBox* highlight_ = nullptr;
    QLineEdit* number_ = nullptr;
    QSplitter* splitter_ = nullptr;
    std::array<QRadioButton*, 3> modes_{};
    QComboBox* browseBy_ = nullptr;
    QListWidget* browseList_ = nullptr;
    QLineEdit* viewFields_ = nullptr;
    QTableView* grid_ = nullptr;
    QMenu* statusMenu_ = nullptr;
    QMenu* pictureMenu_ = nullptr;
    QMenu* printMenu_ = nullptr;
};

}  // namespace vorlane
