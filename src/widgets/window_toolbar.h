#pragma once
// The toolbar every window of the program carries: the window's own buttons
// first, then the buttons that open the other windows, then save, help and
// close. A button whose window the program cannot open stays disabled, and
// so does the button of the window itself.

#include <QIcon>
#include <QString>
#include <functional>

#include "widgets/window_opener.h"

class QAction;
class QMainWindow;
class QToolBar;

namespace vorlane {

// The object name of every toolbar's "Save Database" button.
inline constexpr const char* kSaveDatabaseTool = "SaveDatabase";

class WindowToolbar {
public:
    WindowToolbar(QMainWindow& window, WindowOpener* opener);

    QToolBar* bar() const { return bar_; }

    // A button with its hint text; disabled when run is empty.
    QAction* add(const QIcon& icon, const QString& hint, std::function<void()> run);
    void addSeparator();

    // "Perform Search" ... "Generate Report", the main window's button
    // (unless self is the main window), a separator and the three desk
    // utilities. beforeReportMenu runs before the report menu pops up.
    void addWindowButtons(ProgramWindow self, std::function<void()> beforeReportMenu = {});

    // "Save Database", "Display Help" and the close button with its hint.
    // Returns the save button, whose enabled state the window keeps.
    QAction* addSaveHelpClose(std::function<void()> save, std::function<void()> help, const QString& closeHint,
                              std::function<void()> close);

private:
    QAction* addOpen(const QIcon& icon, const QString& hint, ProgramWindow self, ProgramWindow target);

    QMainWindow& window_;
    WindowOpener* opener_;
    QToolBar* bar_;
};

}  // namespace vorlane
