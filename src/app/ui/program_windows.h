#pragma once
// ProgramWindows: owns the program's windows for the run and opens any of
// them by name. The main, search and spreadsheet windows are made at start and kept;
// the others are made when first opened and destroyed when closed.

#include <QObject>
#include <QPointer>
#include <functional>
#include <map>
#include <memory>

#include "widgets/window_opener.h"

class QMenu;
class QWidget;

namespace vorlane {

class SearchWindow;
class SpreadsheetWindow;
class MainWindow;

class ProgramWindows : public QObject, public WindowOpener {
    Q_OBJECT
public:
    ProgramWindows(DatabaseSession& session, Dialogs& dialogs, AppPaths paths);
    ~ProgramWindows() override;

    MainWindow& main() { return *main_; }
    SearchWindow& search() { return *search_; }
    SpreadsheetWindow& spreadsheet() { return *spreadsheet_; }
    // A window made on demand while it is open, else nullptr.
    QWidget* openWindow(ProgramWindow window) const;
    QMenu* reportMenu() const { return reportMenu_.get(); }

    // WindowOpener
    bool canOpen(ProgramWindow window) const override;
    void open(ProgramWindow window) override;
    void popUpReportMenu() override;

signals:
    // The main window closed and the program should end.
    void closed();

private:
    // Makes a top-level window that is destroyed when closed; nullptr when
    // the window ran and ended by itself (a modal one).
    using WindowMaker = std::function<QWidget*(WindowContext&)>;
    void registerOnDemand(ProgramWindow window, WindowMaker make);
    void registerUtilities();  // the graph, the drinking window and the desk utilities
    void buildReportMenu();
    void showKept(QWidget* window);
    // Every open window's "Save Database" follows the main window's state.
    void followSaveState();
    void closeOthers();

    DatabaseSession& session_;
    Dialogs& dialogs_;
    WindowContext context_;
    std::unique_ptr<MainWindow> main_;
    std::unique_ptr<SearchWindow> search_;
    std::unique_ptr<SpreadsheetWindow> spreadsheet_;
    std::map<ProgramWindow, WindowMaker> makers_;
    std::map<ProgramWindow, QPointer<QWidget>> open_;
    std::unique_ptr<QMenu> reportMenu_;
    QPointer<QWidget> reportMenuAsker_;  // the window that popped the report menu up
    struct Utilities;
    std::unique_ptr<Utilities> utilities_;
};

}  // namespace vorlane
