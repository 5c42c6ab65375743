// The windowed program: its windows over one open database.

#include <QApplication>
#include <QStringList>

#include "widgets/app_paths.h"
#include "widgets/qt_dialogs.h"
#include "widgets/text_codec.h"
#include "app/ui/program_windows.h"
#include "editor/ui/tview.h"
#include "storage/database_session.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vorlane"));
    QApplication::setApplicationDisplayName(QStringLiteral("Vorlane"));
    QApplication::setApplicationVersion(QStringLiteral(VORLANE_VERSION));
    QApplication::setQuitOnLastWindowClosed(false);

    vorlane::AppPaths paths = vorlane::DefaultAppPaths();
    vorlane::QtDialogs dialogs;
    vorlane::DatabaseSession session(dialogs, paths.data);
    vorlane::ProgramWindows windows(session, dialogs, paths);
    vorlane::TView& view = windows.main();
    dialogs.SetParent(&view);

    // A file handed over by a file manager or on the command line is opened
    // in place of the offer to reopen the last one.
    QStringList arguments = QApplication::arguments();
    if (arguments.size() == 2) view.SetStartupFile(vorlane::PathFromQString(arguments.at(1)));

    QObject::connect(&windows, &vorlane::ProgramWindows::closed, &app, &QApplication::quit, Qt::QueuedConnection);
    view.show();
    // Start-up waits for the window to become active; without a window
    // manager (a bare X server) nothing else would make it so.
    view.activateWindow();
    return QApplication::exec();
}
