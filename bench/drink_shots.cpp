// Pictures of the drinking window on a cellar, for looking at them:
// drink_shots CELLAR.dat OUTDIR [YEAR] writes drinking-window.png; the
// window stays on screen a few seconds for a screen capture.

#include <QApplication>
#include <QSpinBox>
#include <QTest>
#include <cstdio>
#include <filesystem>

#include "app/ui/program_windows.h"
#include "cellar/ui/drinking_window.h"
#include "editor/ui/main_window.h"
#include "storage/database_session.h"

namespace {
// Says every message on standard error instead of waiting for a click.
class PrintedDialogs : public vorlane::Dialogs {
public:
    void Information(const std::string& text) override { std::fprintf(stderr, "info: %s\n", text.c_str()); }
    void Error(const std::string& text) override { std::fprintf(stderr, "error: %s\n", text.c_str()); }
    bool AskYesNo(const std::string& q) override { return Information(q), false; }
    vorlane::Answer AskYesNoCancel(const std::string& q) override { return Information(q), vorlane::Answer::No; }
    std::size_t AskChoice(const std::string&, const std::vector<std::string>& choices) override { return choices.size() - 1; }
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
};
}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 3) return 1;
    const QString out = QString::fromLocal8Bit(argv[2]);
    vorlane::AppPaths paths;
    paths.settingsFile = (std::filesystem::temp_directory_path() / "vorlane-drink-shots.ini").string();
    paths.data.shipped = (std::filesystem::path(argv[1]).parent_path().parent_path()).string();
    PrintedDialogs dialogs;
    vorlane::DatabaseSession session(dialogs, paths.data);
    vorlane::ProgramWindows windows(session, dialogs, paths);
    windows.main().setStartupFile(argv[1]);
    windows.main().show();
    windows.main().activateWindow();
    QTest::qWait(800);

    windows.open(vorlane::ProgramWindow::DrinkingWindow);
    auto* drink = qobject_cast<vorlane::DrinkingWindow*>(windows.openWindow(vorlane::ProgramWindow::DrinkingWindow));
    if (!drink) return 2;
    if (argc > 3) drink->yearBox()->setValue(std::atoi(argv[3]));
    drink->move(20, 20);
    QTest::qWait(1500);
    drink->grab().save(out + "/drinking-window.png");
    QTest::qWait(3000);
    return 0;
}
