#pragma once
// The real main window over a real session, with scripted dialogs, a
// settings file and a data folder of its own.

#include <gtest/gtest.h>

#include <QString>
#include <memory>
#include <string>

#include "app/ui/program_windows.h"
#include "editor/ui/main_window.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

class QWidget;

namespace vorlane::testing {

class ViewTest : public ::testing::Test {
protected:
    ViewTest();
    ~ViewTest() override;

    // Creates the program's windows (reading the settings file as it stands).
    ProgramWindows& windows();
    MainWindow& view();
    // Shows the window and makes it the active one; the first time runs the
    // start-up sequence.
    void Activate();
    // Another window of the program becomes the active one.
    void Deactivate();
    // Shows and activates with nothing to reopen: one new record.
    void StartEmpty();
    // Starts with path given as the file to open.
    void StartWith(const std::string& path);

    void WriteSettings(const std::string& text);
    std::string ReadSettingsFile() const;

    template <class T>
    T* find(const QString& name) const {
        T* found = windows_->main().findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QString text(const QString& lineEditName) const;
    // Types into a line edit as the person would (focus, keys).
    void type(const QString& lineEditName, const QString& keys);
    void trigger(const QString& captionOrHint);

    ItemRecord& record(std::size_t i) { return session->records()[i]; }
    std::vector<std::string> names() const;

    TempFolder folder;
    AppPaths paths;
    ScriptedDialogs dialogs;
    std::unique_ptr<DatabaseSession> session;

private:
    std::unique_ptr<ProgramWindows> windows_;
    std::unique_ptr<QWidget> other_;
};

}  // namespace vorlane::testing
