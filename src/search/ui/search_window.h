#pragma once
// SearchWindow: the search window. It lays out the term grid, the record range,
// the buttons and the progress bar, shows the search state and forwards the
// person's actions to the search rules. Created once at start-up and kept
// for the whole run: closing only hides it.

#include <QMainWindow>
#include <functional>
#include <memory>
#include <string>

#include "widgets/app_paths.h"
#include "widgets/window_opener.h"
#include "search/range_masks.h"
#include "search/search_fields.h"
#include "search/search_session.h"
#include "storage/database_session.h"

class QAction;
class QLabel;
class QMenu;
class QPrinter;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidgetItem;
class QToolBar;

namespace vorlane {

class SearchValueMenus;
class TermGrid;
struct GridPrintSettings;

// What the search window asks of the windows around it. Every member may be
// left empty.
struct SearchWindowLinks {
    // Opens the other windows; without it their buttons stay disabled.
    WindowOpener* opener = nullptr;
    // Records were removed or the current record index was changed here.
    std::function<void()> recordsChanged;
    // The main window's name, status, notes and status-flag captions.
    std::function<SearchCaptions()> captions;
};

class SearchWindow : public QMainWindow {
    Q_OBJECT
public:
    SearchWindow(DatabaseSession& session, AppPaths paths, SearchWindowLinks links = {}, QWidget* parent = nullptr);
    ~SearchWindow() override;

    // "Search Records" and every "Perform Search" button.
    void showWindow();

    // The terms and the result message, read by the spreadsheet view.
    SearchSession& search() { return search_; }

    // A toolbar button by its hint, or a button below the grid by its caption;
    // nullptr when there is none.
    QAction* action(const QString& hint) const;
    QPushButton* button(const QString& caption) const;

    // The cell commands: what a key or a press on the current cell does. The
    // menu that opened, if any.
    QMenu* actOnCurrentCell(bool byMouse = false);

    QMenu* fieldMenu() const { return fieldMenu_; }
    QMenu* typeMenu() const { return typeMenu_; }
    QMenu* statusMenu() const { return statusMenu_; }
    QMenu* extractMenu() const { return extractMenu_; }
    QMenu* printMenu() const { return printMenu_; }
    QMenu* valueMenu(int descriptionField);
    TermGrid* grid() const { return grid_; }
    QProgressBar* progressBar() const { return progress_; }
    QSpinBox* rangeLow() const { return rangeLow_; }
    QSpinBox* rangeHigh() const { return rangeHigh_; }

    // Runs the range dialog for a term; replaceable so a caller can answer
    // without the modal dialog.
    using RangeRunner = std::function<RangeAnswer(QWidget* parent, const RangeDialogTexts& texts)>;
    void setRangeRunner(RangeRunner runner) { runRange_ = std::move(runner); }
    // Picks the printer for "Print"; false when cancelled.
    using PrinterChooser = std::function<bool(QPrinter& printer, QWidget* parent, int pageCount)>;
    void setPrinterChooser(PrinterChooser chooser) { choosePrinter_ = std::move(chooser); }

    // Buttons and toolbar commands.
    void loadSearch();
    void saveSearch();
    void newSearch();
    void addTerm();
    void runSearch();
    void clearSearchList();
    void addRecordRange();
    void showExtractMenu();
    void extractToFile();
    void removeFromDatabase();
    void saveDatabase();
    void printSetup();
    void print();

    // The save button follows the main window's save command.
    void updateCommandStates();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    class Busy;
    friend class Busy;

    void buildToolBar();
    void buildControls();
    void buildMenus();

    void activated();
    void deactivated();
    SearchCaptions captions() const;
    SearchPrompts prompts();
    std::string chooserFolder() const;

    void rebuildFieldMenu();
    void renewFieldMenuStates();
    void rebuildStatusMenu();
    void refreshGrid();
    void setExtractEnabled(bool enabled);
    void showResultMessage();
    void popup(QMenu* menu, bool byMouse);

    void fieldChosen(QAction* entry);
    void typeChosen(std::int32_t type);
    void valueChosen(const std::string& value);
    void runRangeDialog(int row);
    void typedValueChanged(QTableWidgetItem* item);
    void refuseCharacter(const QString& character);

    DatabaseSession& session_;
    AppPaths paths_;
    SearchWindowLinks links_;
    SearchSession search_;
    RangeRunner runRange_;
    PrinterChooser choosePrinter_;
    std::unique_ptr<GridPrintSettings> printSettings_;
    std::unique_ptr<QPrinter> printer_;

    int busy_ = 0;
    bool activationPending_ = false;
    bool refreshing_ = false;

    QToolBar* toolBar_ = nullptr;
    QAction* extractTool_ = nullptr;
    QAction* saveTool_ = nullptr;
    TermGrid* grid_ = nullptr;
    QSpinBox* rangeLow_ = nullptr;
    QSpinBox* rangeHigh_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* resultLabel_ = nullptr;

    QMenu* fieldMenu_ = nullptr;
    QMenu* typeMenu_ = nullptr;
    QMenu* statusMenu_ = nullptr;
    QMenu* extractMenu_ = nullptr;
    QMenu* printMenu_ = nullptr;
    SearchValueMenus* valueMenus_ = nullptr;
};

// The range dialog, modal, over parent.
RangeAnswer RunRangeDialog(QWidget* parent, const RangeDialogTexts& texts, Dialogs& dialogs);

}  // namespace vorlane
