#pragma once
// The real search window over a real session, with scripted dialogs and a
// settings file of its own.

#include <gtest/gtest.h>

#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "search/ui/search_window.h"
#include "support/scripted_dialogs.h"
#include "widgets/recording_opener.h"
#include "support/temp_folder.h"

class QAction;
class QMenu;
class QWidget;

namespace vorlane::testing {

class SearchWindowTest : public ::testing::Test {
protected:
    SearchWindowTest();
    ~SearchWindowTest() override;

    // Creates the window (reading the settings file as it stands).
    SearchWindow& window();
    void Activate();
    void Deactivate();
    // Makes the window active again after a menu or a modal dialog.
    void Refocus();

    // Records named as given, the list marked as changed.
    void SetRecords(const std::vector<std::string>& names);
    ItemRecord& record(std::size_t i) { return session->records()[i]; }
    std::vector<std::string> names() const;
    std::vector<std::string> listedNames() const;

    // The grid's current cell, then what a key on it does.
    QMenu* ActOn(int row, int column);
    // Triggers the entry of menu with that shown text (submenus searched too).
    void Choose(QMenu* menu, const QString& text);
    QAction* Entry(QMenu* menu, const QString& text) const;
    QString Cell(int row, int column) const;
    int Rows() const;
    void Click(const QString& buttonCaption);
    void Tool(const QString& hint);

    void WriteSettings(const std::string& text);

    TempFolder folder;
    AppPaths paths;
    ScriptedDialogs dialogs;
    std::unique_ptr<DatabaseSession> session;
    RecordingOpener opener;
    SearchWindowLinks links;
    int spreadsheetShown() const;
    int recordsChanged = 0;

private:
    std::unique_ptr<SearchWindow> window_;
    std::unique_ptr<QWidget> other_;
};

}  // namespace vorlane::testing
