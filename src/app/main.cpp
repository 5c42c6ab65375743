// The windowed program: its windows over one open database.

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QIcon>
#include <QStringList>
#include <cstdio>
#include <string_view>

#include "widgets/app_paths.h"
#include "widgets/qt_dialogs.h"
#include "widgets/qt_file_locks.h"
#include "widgets/text_codec.h"
#include "app/ui/program_application.h"
#include "app/ui/program_windows.h"
#include "editor/ui/main_window.h"
#include "storage/database_session.h"

namespace {

const QString kAppId = QStringLiteral("org.vorlane.Vorlane");

void NameTheApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("Vorlane"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VORLANE_VERSION));
}

void DescribeOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(QStringLiteral("A database for a private wine cellar."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("The cellar (.dat) to open."),
                                 QStringLiteral("[file]"));
}

// Help and version are answered without a window system, so that they work
// from any terminal.
bool AsksOnlyForText(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        if (a == "--") break;
        if (a == "-h" || a == "-?" || a == "--help" || a == "--help-all" || a == "-v" || a == "--version")
            return true;
    }
    return false;
}

// Options and file arguments are checked before the window system is
// reached, so a wrong one is reported (exit 1) even where there is no display.
bool CommandLineIsValid(int argc, char* argv[], QStringList& files) {
    // Qt's own options (-platform offscreen, -style ...) are Qt's to take.
    static const QStringList kQtWithValue = {
        "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon",
        "qwindowtitle", "session", "display", "geometry", "style", "stylesheet", "name", "title", "font", "fn",
        "bg", "background", "fg", "foreground", "btn", "button", "visual", "im", "inputstyle", "ncols", "cmap",
        "qmljsdebugger"};
    static const QStringList kQtAlone = {"reverse", "widgetcount", "nograb", "dograb", "sync"};
    QStringList arguments{QString::fromLocal8Bit(argv[0])};
    for (int i = 1; i < argc; ++i) {
        const QString a = QString::fromLocal8Bit(argv[i]);
        if (a == QLatin1String("--")) {
            for (; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
            break;
        }
        QString name = a.startsWith(QLatin1String("--")) ? a.mid(2) : a.startsWith(u'-') ? a.mid(1) : QString();
        const bool withValue = name.contains(u'=');
        name = name.section(u'=', 0, 0);
        if (kQtAlone.contains(name)) continue;
        if (kQtWithValue.contains(name)) {
            if (!withValue) ++i;
            continue;
        }
        arguments << a;
    }
    QCommandLineParser parser;
    DescribeOptions(parser);
    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "vorlane: %s\nTry 'vorlane --help' for more information.\n",
                     qPrintable(parser.errorText()));
        return false;
    }
    files = parser.positionalArguments();
    if (files.size() > 1) {
        std::fputs("vorlane: only one file can be opened at a time\n", stderr);
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (AsksOnlyForText(argc, argv)) {
        QCoreApplication app(argc, argv);
        NameTheApplication();
        QCommandLineParser parser;
        DescribeOptions(parser);
        parser.process(app);  // prints the text and leaves
        return 0;
    }
    QStringList files;
    if (!CommandLineIsValid(argc, argv, files)) return 1;

    vorlane::ProgramApplication app(argc, argv);
    NameTheApplication();
    // No display name: Qt would append it to every caption, and a caption is
    // the database's path or "Untitled" alone.
    QGuiApplication::setDesktopFileName(kAppId);
    QApplication::setWindowIcon(QIcon::fromTheme(kAppId, QIcon(QStringLiteral(":/icons/") + kAppId + ".svg")));
    QApplication::setQuitOnLastWindowClosed(false);

    vorlane::AppPaths paths = vorlane::DefaultAppPaths();
    vorlane::QtDialogs dialogs;
    app.setDialogs(&dialogs);
    vorlane::DatabaseSession session(dialogs, paths.data);
    vorlane::QtFileLocks locks;  // held beside the open database while it is open
    session.SetFileLocks(&locks);
    vorlane::ProgramWindows windows(session, dialogs, paths);
    vorlane::MainWindow& view = windows.main();
    dialogs.SetParent(&view);

    // A file handed over by a file manager or on the command line is opened
    // in place of the offer to reopen the last one.
    if (files.size() == 1) view.setStartupFile(vorlane::PathFromQString(files.at(0)));

    QObject::connect(&windows, &vorlane::ProgramWindows::closed, &app, &QApplication::quit, Qt::QueuedConnection);
    view.show();
    // Start-up waits for the window to become active; without a window
    // manager (a bare X server) nothing else would make it so.
    view.activateWindow();
    return QApplication::exec();
}
