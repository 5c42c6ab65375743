#pragma once
// How one window of the program asks for another: by name, through the
// program's window coordinator, never through the other window's class.

#include "widgets/app_paths.h"

namespace vorlane {

class DatabaseSession;
class Dialogs;

enum class ProgramWindow {
    Main, Search, Spreadsheet, Album, Graph, HtmlReport, RegularReport, ShoppingList,
    Calculator, Calendar, CdPlayer,
    DrinkingWindow,  // reached from the main window's menu only: no toolbar button
    CellarImport, CellarExport,  // bringing a cellar in from another program, and every record out
};

class WindowOpener {
public:
    virtual ~WindowOpener() = default;
    // False while the program has no such window yet: its buttons stay disabled.
    virtual bool canOpen(ProgramWindow window) const = 0;
    // Shows the window, making it first where it is made on demand.
    virtual void open(ProgramWindow window) = 0;
    // The main window's report menu at the mouse pointer.
    virtual void popUpReportMenu() = 0;
    // True when any entry of the report menu can open.
    bool canOpenAnyReport() const {
        return canOpen(ProgramWindow::HtmlReport) || canOpen(ProgramWindow::RegularReport) ||
               canOpen(ProgramWindow::ShoppingList);
    }
};

// What every window of the program is made with.
struct WindowContext {
    DatabaseSession& session;
    Dialogs& dialogs;
    AppPaths paths;
    WindowOpener& opener;
};

}  // namespace vorlane
