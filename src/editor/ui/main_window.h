#pragma once
// MainWindow: the main window. It shows one record of the open database, forwards
// the person's commands to the session and the record commands, and writes
// its edits back into the record whenever another window may need them.

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "widgets/app_paths.h"
#include "widgets/window_opener.h"
#include "editor/record_commands.h"
#include "editor/related_records.h"
#include "storage/app_reset.h"
#include "storage/database_session.h"
#include "storage/record_screen.h"

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QSplitter;
class QTabWidget;
class QToolBar;

namespace vorlane {

class DescriptionMenuBuilder;
class ImagesPage;
class IngredientsActions;
class InternetPage;
class IngredientsGrid;
class RecordPrinter;
class TextGuard;

class MainWindow : public QMainWindow, public RecordScreen {
    Q_OBJECT
public:
    // opener: how the window opens the program's other windows; without it
    // their commands stay disabled.
    MainWindow(DatabaseSession& session, Dialogs& dialogs, AppPaths paths, WindowOpener* opener = nullptr,
          QWidget* parent = nullptr);
    ~MainWindow() override;

    // A file to open after start-up in place of the offer of the last file
    // (the program was started with a file to open).
    void setStartupFile(std::string path) { startupFile_ = std::move(path); }

    // RecordScreen
    void WriteBack() override;
    void ShowCurrent() override;
    void SessionStateChanged() override;

    void loadRecord(int index);
    void storeRecord(int index);
    void setReadOnlyState(bool on);

    RecordCommands& commands() { return commands_; }
    const ViewSettings& viewSettings() const { return view_; }
    ViewSettings& viewSettings() { return view_; }
    int shownIndex() const { return shownIndex_; }

    // A menu or toolbar command by its caption or hint, for the program's
    // own wiring and for tests; nullptr when there is none.
    QAction* action(const QString& captionOrHint) const;

    // Picks one of the related records; returns the chosen record's index.
    // Replaceable so a caller can answer without the modal list.
    using RelatedPicker = std::function<std::optional<std::size_t>(const QString& caption,
                                                                   const std::vector<PickItem>& items)>;
    void setRelatedPicker(RelatedPicker picker) { pickRelated_ = std::move(picker); }

    // The related-records command for one of the 31 entries of its menu.
    void showRelatedRecords(int key, const QString& caption);
    void sortRecords(int key);

    // The pieces behind the description menus, the ingredients page and the
    // printing commands, for the program's own wiring and for tests.
    DescriptionMenuBuilder& descriptionMenus() { return *descMenus_; }
    IngredientsActions& ingredientsActions() { return *dirActions_; }
    RecordPrinter& recordPrinter() { return *recordPrinter_; }

    // Another window removed records or moved the current record index:
    // what the window shows may no longer be the current record.
    void recordsChangedElsewhere();
    // The captions of the name, status, notes and status-flag fields as shown.
    std::string nameCaption() const;
    std::string statusCaption() const;
    std::array<std::string, 3> statusFlagCaptions() const;

signals:
    // The window closed and the program should end.
    void closed();
    // The save command's state, or another command state, may have changed.
    void commandStatesChanged();
    // Reset Application cleared the settings: windows kept for the run take
    // their default sizes, or they would write their old ones back.
    void applicationReset();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Presses on the description edits and on the twenty field labels.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Held while the window calls into the session or the commands; an
    // activation that arrives meanwhile runs when the call has returned.
    class Busy;
    friend class Busy;

    // main_window_layout.cpp
    void buildControls();
    QWidget* buildTopStrip();
    QWidget* buildDescriptionPage();
    QWidget* buildDetailPage();
    QWidget* buildIngredientsPage();
    QWidget* buildImagesPage();
    QWidget* buildInternetPage();

    // main_window_menus.cpp
    void buildMenus();
    void buildToolBar();
    QAction* addCommand(QMenu* menu, const QString& caption, void (MainWindow::*slot)());
    QAction* addOpenCommand(QMenu* menu, const QString& caption, ProgramWindow window);
    void rebuildSortMenu();
    void showRelatedMenu();
    void updateCommandStates();
    void applyLabels();
    void showAbout();
    void quickPrint();
    void showSearch();
    void openHelp(const QString& topic);
    void openPasswordDialog();
    void openInformationDialog();
    void resetApplication();

    // main_window_record_io.cpp
    void toggleReadOnly();
    void toggleSearchList();
    void showDescriptions(const ItemRecord& record);
    ItemRecord* currentRecord();

    // main_window_descriptions.cpp
    void updateDescriptionMenus();
    void updateDescriptionMenu(int k);
    void chooseDescription(int k, const std::string& path);
    void clearDescription(int k);
    void editValueTree(int k);
    void customizeLabel(int label);
    void showFullDescription(int k);

    // main_window.cpp: activation and commands
    void activated();
    void deactivated();
    void runCommand(const std::function<void()>& command);
    void refuseCharacter(const QString& character);

    void newRecord();
    void nextRecord();
    void previousRecord();
    void nextSearchRecord();
    void previousSearchRecord();
    void copyRecord();
    void cutRecord();
    void insertRecord();
    void goToTypedNumber();
    void toggleShortDescriptions();
    void newDatabase();
    void openDatabase();
    void saveDatabase();
    void saveDatabaseAs();
    void mergeDatabase();

    DatabaseSession& session_;
    Dialogs& dialogs_;
    AppPaths paths_;
    RecordCommands commands_;
    ViewSettings view_;
    std::string startupFile_;
    RelatedPicker pickRelated_;
    TextGuard* guard_ = nullptr;
    DescriptionMenuBuilder* descMenus_ = nullptr;
    IngredientsActions* dirActions_ = nullptr;
    std::unique_ptr<RecordPrinter> recordPrinter_;
    WindowOpener* opener_ = nullptr;

    int busy_ = 0;
    bool activationPending_ = false;
    bool inActivation_ = false;
    // Set when the window lost the focus to another program (or to the help
    // window) rather than to one of the program's own windows.
    bool leftProgram_ = false;
    int shownIndex_ = -1;

    // Top strip
    QLabel* recordTitle_ = nullptr;
    QLineEdit* recordName_ = nullptr;
    QLineEdit* number_ = nullptr;
    QCheckBox* readonlyBox_ = nullptr;
    QCheckBox* searchListBox_ = nullptr;
    QPushButton* printButton_ = nullptr;

    QTabWidget* recordBook_ = nullptr;

    // "Description" page
    QSplitter* descSplitter_ = nullptr;
    std::array<QLabel*, kDescriptionCount> descLabels_{};
    std::array<QLineEdit*, kDescriptionCount> descEdits_{};
    std::array<std::string, kDescriptionCount> descPaths_{};  // kept value paths
    std::array<QLabel*, kDetailCount> detailLabels_{};
    std::array<QLineEdit*, kDetailCount> detailEdits_{};
    QGroupBox* statusGroup_ = nullptr;
    std::array<QCheckBox*, 3> statusBoxes_{};

    // "Detail" page
    std::array<QPlainTextEdit*, kNoteListCount> memos_{};

    // "Ingredients" page
    IngredientsGrid* dirGrid_ = nullptr;
    QPushButton* printIngredients_ = nullptr;
    QPushButton* convertUnits_ = nullptr;

    // "Images" and "Internet Search and Email" pages
    ImagesPage* imagesPage_ = nullptr;
    InternetPage* internetPage_ = nullptr;

    // Menus and toolbar
    QToolBar* toolBar_ = nullptr;
    QMenu* sortMenu_ = nullptr;
    QMenu* relatedMenu_ = nullptr;
    QAction* saveAction_ = nullptr;
    QAction* mergeAction_ = nullptr;
    QAction* deleteAction_ = nullptr;
    QAction* insertAction_ = nullptr;
    QAction* shortDescriptions_ = nullptr;
    QAction* deleteTool_ = nullptr;
    QAction* insertTool_ = nullptr;
    QAction* saveTool_ = nullptr;
};

// The pick dialog of the related-records command: a list of names.
std::optional<std::size_t> PickRelated(QWidget* parent, const QString& caption, const std::vector<PickItem>& items);

}  // namespace vorlane
