// Pictures of the record views on a cellar, for looking at them:
// view_shots CELLAR.dat OUTDIR writes spreadsheet.png, chooser.png, album.png.

#include <QApplication>
#include <QCheckBox>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <filesystem>

#include "app/ui/program_windows.h"
#include "editor/ui/main_window.h"
#include "storage/database_session.h"
#include "views/ui/album_window.h"
#include "views/ui/album_grid.h"
#include "views/ui/column_chooser_dialog.h"
#include "views/ui/spreadsheet_window.h"
#include <cstdio>

namespace {
// Says every message on standard error instead of waiting for a click.
class PrintedDialogs : public vorlane::Dialogs {
public:
    void Information(const std::string& text) override { std::fprintf(stderr, "info: %s\n", text.c_str()); }
    void Error(const std::string& text) override { std::fprintf(stderr, "error: %s\n", text.c_str()); }
    bool AskYesNo(const std::string& q) override { return Information(q), false; }
    vorlane::Answer AskYesNoCancel(const std::string& q) override { return Information(q), vorlane::Answer::No; }
    std::string Prompt(const std::string&, const std::string& p, const std::string& d, bool) override {
        return Information(p), d;
    }
    std::optional<std::string> ChooseFileToOpen(const std::string&, const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> ChooseFileToSave(const std::string&, const std::string&, const std::string&,
                                                const std::string&) override {
        return std::nullopt;
    }
    std::size_t AskChoice(const std::string& q, const std::vector<std::string>& choices) override {
        return Information(q), choices.size() - 1;
    }
};
}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 3) return 1;
    const QString out = QString::fromLocal8Bit(argv[2]);
    vorlane::AppPaths paths;
    paths.settingsFile = (std::filesystem::temp_directory_path() / "vorlane-shots.ini").string();
    paths.data.shipped = (std::filesystem::path(argv[1]).parent_path().parent_path()).string();
    PrintedDialogs dialogs;
    vorlane::DatabaseSession session(dialogs, paths.data);
    vorlane::ProgramWindows windows(session, dialogs, paths);
    windows.main().setStartupFile(argv[1]);
    windows.main().show();
    windows.main().activateWindow();
    QTest::qWait(800);
    std::fprintf(stderr, "main shown\n");

    // Pictures next to the names, and a search list to colour the rows by.
    auto& columns = windows.main().viewSettings().columns;
    columns = {220, 230, 240, 10, 20, 30, 40, 60, 120, 130, 140, 210};
    std::fill(columns.begin() + 12, columns.end(), -1);
    for (std::size_t i = 0; i < session.records().size(); i += 3) {
        session.records()[i].OnSearchList = true;
        session.records()[i].PreviouslyListed = i % 2 == 0;
    }
    windows.open(vorlane::ProgramWindow::Spreadsheet);
    vorlane::SpreadsheetWindow& sheet = windows.spreadsheet();
    sheet.resize(1100, 650);
    sheet.highlightBox()->setChecked(true);
    QTest::qWait(800);
    sheet.grab().save(out + "/spreadsheet.png");

    vorlane::ColumnChooserDialog chooser(windows.main().viewSettings().columns, session.db().labels, &sheet);
    chooser.show();
    QTest::qWait(400);
    chooser.grab().save(out + "/chooser.png");
    chooser.close();

    windows.open(vorlane::ProgramWindow::Album);
    auto* album = qobject_cast<vorlane::AlbumWindow*>(windows.openWindow(vorlane::ProgramWindow::Album));
    album->resize(700, 560);
    album->labelBox()->setChecked(true);
    album->activate();
    album->grid()->decodeAll();
    QTest::qWait(600);
    album->grab().save(out + "/album.png");
    windows.main().hide();
    return 0;
}
