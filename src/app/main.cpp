// The windowed program: one main window over one open database.

#include <QApplication>
#include <QStringList>

#include "app/ui/app_paths.h"
#include "app/ui/qt_dialogs.h"
#include "app/ui/text_codec.h"
#include "editor/ui/tview.h"
#include "storage/database_session.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vorlane"));
    // No display name: Qt would append it to every caption, and a caption is
    // the database's path or "Untitled" alone.
    QApplication::setApplicationVersion(QStringLiteral(VORLANE_VERSION));
    QApplication::setQuitOnLastWindowClosed(false);

    vorlane::AppPaths paths = vorlane::DefaultAppPaths();
    vorlane::QtDialogs dialogs;
    vorlane::DatabaseSession session(dialogs, paths.data);
    vorlane::TView view(session, dialogs, paths);
    dialogs.SetParent(&view);

    // A file handed over by a file manager or on the command line is opened
    // in place of the offer to reopen the last one.
    QStringList arguments = QApplication::arguments();
    if (arguments.size() == 2) view.SetStartupFile(vorlane::PathFromQString(arguments.at(1)));

    QObject::connect(&view, &vorlane::TView::closed, &app, &QApplication::quit, Qt::QueuedConnection);
    view.show();
    // Start-up waits for the window to become active; without a window
    // manager (a bare X server) nothing else would make it so.
    view.activateWindow();
    return QApplication::exec();
}
