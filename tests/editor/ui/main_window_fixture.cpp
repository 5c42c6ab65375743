#include "editor/ui/main_window_fixture.h"

#include "widgets/key_typing.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <filesystem>
#include <fstream>

namespace vorlane::testing {

ViewTest::ViewTest() {
    paths.settingsFile = folder.file("config/Vorlane.ini");
    paths.data.user = folder.file("user");
    paths.data.shipped = VORLANE_SOURCE_DIR "/data";
    std::filesystem::create_directories(paths.data.user);
    session = std::make_unique<DatabaseSession>(dialogs, paths.data, [] { return std::string("2024/05/06"); });
}

ViewTest::~ViewTest() {
    if (windows_) {
        // Closing asks the exit question; tests that end open just drop it.
        windows_->main().hide();
        windows_.reset();
    }
    other_.reset();
    QApplication::processEvents();
}

ProgramWindows& ViewTest::windows() {
    if (!windows_) windows_ = std::make_unique<ProgramWindows>(*session, dialogs, paths);
    return *windows_;
}

MainWindow& ViewTest::view() { return windows().main(); }

void ViewTest::Activate() {
    MainWindow& window = view();
    window.show();
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window, 2000));
    QApplication::processEvents();
}

void ViewTest::Deactivate() {
    if (!other_) {
        other_ = std::make_unique<QWidget>();
        other_->setWindowTitle(QStringLiteral("another window"));
        other_->resize(100, 100);
    }
    other_->show();
    other_->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(other_.get(), 2000));
    QApplication::processEvents();
    EXPECT_FALSE(view().isActiveWindow());
}

void ViewTest::StartEmpty() { Activate(); }

void ViewTest::StartWith(const std::string& path) {
    view().setStartupFile(path);
    Activate();
}

void ViewTest::WriteSettings(const std::string& text) {
    std::filesystem::create_directories(std::filesystem::path(paths.settingsFile).parent_path());
    std::ofstream(paths.settingsFile, std::ios::binary) << text;
}

std::string ViewTest::ReadSettingsFile() const {
    std::ifstream in(paths.settingsFile, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

QString ViewTest::text(const QString& lineEditName) const {
    QLineEdit* edit = find<QLineEdit>(lineEditName);
    return edit ? edit->text() : QString();
}

void ViewTest::type(const QString& lineEditName, const QString& keys) {
    QLineEdit* edit = find<QLineEdit>(lineEditName);
    ASSERT_NE(edit, nullptr);
    edit->setFocus();
    edit->end(false);
    TypeText(edit, keys);
}

void ViewTest::trigger(const QString& captionOrHint) {
    QAction* action = view().action(captionOrHint);
    ASSERT_NE(action, nullptr) << captionOrHint.toStdString();
    ASSERT_TRUE(action->isEnabled()) << captionOrHint.toStdString();
    action->trigger();
    QApplication::processEvents();
}

std::vector<std::string> ViewTest::names() const {
    std::vector<std::string> out;
    for (const ItemRecord& r : session->records()) out.push_back(r.Name);
    return out;
}

}  // namespace vorlane::testing
