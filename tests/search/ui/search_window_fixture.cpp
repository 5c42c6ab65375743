#include "search/ui/search_window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "search/ui/search_value_menus.h"
#include "search/ui/term_grid.h"
#include "storage/new_record.h"

namespace vorlane::testing {

SearchWindowTest::SearchWindowTest() {
    paths.settingsFile = folder.file("config/Vorlane.ini");
    paths.data.user = folder.file("user");
    paths.data.shipped = VORLANE_SOURCE_DIR "/data";
    std::filesystem::create_directories(paths.data.user);
    session = std::make_unique<DatabaseSession>(dialogs, paths.data, [] { return std::string("2024/05/06"); });
    opener.available = {ProgramWindow::Main, ProgramWindow::Spreadsheet};
    links.opener = &opener;
    links.recordsChanged = [this] { ++recordsChanged; };
}

SearchWindowTest::~SearchWindowTest() {
    for (QWidget* popup = QApplication::activePopupWidget(); popup; popup = QApplication::activePopupWidget())
        popup->close();
    window_.reset();
    other_.reset();
    QApplication::processEvents();
}

int SearchWindowTest::spreadsheetShown() const {
    auto found = opener.opened.find(ProgramWindow::Spreadsheet);
    return found == opener.opened.end() ? 0 : found->second;
}

SearchWindow& SearchWindowTest::window() {
    if (!window_) window_ = std::make_unique<SearchWindow>(*session, paths, links);
    return *window_;
}

void SearchWindowTest::Activate() {
    SearchWindow& w = window();
    w.showWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&w, 2000));
    QApplication::processEvents();
}

void SearchWindowTest::Deactivate() {
    if (!other_) {
        other_ = std::make_unique<QWidget>();
        other_->resize(100, 100);
    }
    other_->show();
    other_->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(other_.get(), 2000));
    QApplication::processEvents();
    EXPECT_FALSE(window().isActiveWindow());
}

void SearchWindowTest::SetRecords(const std::vector<std::string>& names) {
    RecordList& records = session->records();
    records.clear();
    // One new record copied: making each anew looks through all before it.
    const ItemRecord blank = MakeNewRecord(records, "2024/05/06");
    for (const std::string& name : names) {
        ItemRecord r = blank;
        r.Name = name;
        records.push_back(std::move(r));
    }
    session->currentIndex = records.empty() ? -1 : 0;
    session->recordListChanged = true;
}

std::vector<std::string> SearchWindowTest::names() const {
    std::vector<std::string> out;
    for (const ItemRecord& r : session->records()) out.push_back(r.Name);
    return out;
}

std::vector<std::string> SearchWindowTest::listedNames() const {
    std::vector<std::string> out;
    for (const ItemRecord& r : session->records())
        if (r.OnSearchList) out.push_back(r.Name);
    return out;
}

QMenu* SearchWindowTest::ActOn(int row, int column) {
    window().grid()->setCurrentCell(row, column);
    QMenu* menu = window().actOnCurrentCell();
    if (!menu) Refocus();
    return menu;
}

QAction* SearchWindowTest::Entry(QMenu* menu, const QString& text) const {
    if (!menu) return nullptr;
    for (QAction* action : menu->actions()) {
        if (action->text() == text) return action;
        if (QAction* inner = Entry(SearchValueMenus::submenu(action), text)) return inner;
    }
    return nullptr;
}

void SearchWindowTest::Choose(QMenu* menu, const QString& text) {
    ASSERT_NE(menu, nullptr) << text.toStdString();
    QAction* action = Entry(menu, text);
    ASSERT_NE(action, nullptr) << text.toStdString();
    ASSERT_TRUE(action->isEnabled()) << text.toStdString();
    action->trigger();
    menu->close();
    QApplication::processEvents();
    Refocus();
}

void SearchWindowTest::Refocus() {
    // A desktop hands the focus back when a menu or a dialog closes; the
    // headless test platform does not.
    if (window().isVisible() && !window().isActiveWindow()) Activate();
}

QString SearchWindowTest::Cell(int row, int column) const {
    const QTableWidgetItem* item = window_->grid()->item(row, column);
    return item ? item->text() : QString();
}

int SearchWindowTest::Rows() const { return window_->grid()->rowCount(); }

void SearchWindowTest::Click(const QString& buttonCaption) {
    QPushButton* button = window().button(buttonCaption);
    ASSERT_NE(button, nullptr) << buttonCaption.toStdString();
    QTest::mouseClick(button, Qt::LeftButton);
    QApplication::processEvents();
}

void SearchWindowTest::Tool(const QString& hint) {
    QAction* action = window().action(hint);
    ASSERT_NE(action, nullptr) << hint.toStdString();
    ASSERT_TRUE(action->isEnabled()) << hint.toStdString();
    action->trigger();
    QApplication::processEvents();
}

void SearchWindowTest::WriteSettings(const std::string& text) {
    std::filesystem::create_directories(std::filesystem::path(paths.settingsFile).parent_path());
    std::ofstream(paths.settingsFile, std::ios::binary) << text;
}

}  // namespace vorlane::testing
