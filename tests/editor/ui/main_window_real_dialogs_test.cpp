// The main window with the real message boxes: a box takes the focus from
// the window and gives it back, which writes back and shows the record
// again without losing what was typed.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "widgets/key_typing.h"
#include "widgets/qt_dialogs.h"
#include "editor/ui/main_window.h"
#include "support/temp_folder.h"

namespace vorlane {
namespace {

TEST(MainWindowWithRealDialogsTest, AMessageBoxInTheMiddleOfEditingLosesNothing) {
    testing::TempFolder folder;
    AppPaths paths{folder.file("Vorlane.ini"), {folder.file("user"), VORLANE_SOURCE_DIR "/data"}};
    std::filesystem::create_directories(paths.data.user);
    QtDialogs dialogs;
    DatabaseSession session(dialogs, paths.data, [] { return std::string("2024/05/06"); });
    MainWindow view(session, dialogs, paths);
    dialogs.SetParent(&view);
    view.show();
    view.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view, 2000));
    QApplication::processEvents();
    ASSERT_EQ(session.records().size(), 1u);

    auto* name = view.findChild<QLineEdit*>("RecordName");
    name->setFocus();
    name->end(false);
    testing::TypeText(name, QStringLiteral(" Cuv\u00e9e"));

    QString shown;
    bool viewWasActive = true;
    auto* timer = new QTimer(&view);
    timer->setInterval(10);
    int ticks = 0;
    QObject::connect(timer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        // On a loaded machine the box may be shown a moment before it is activated.
        if (box && (box->isActiveWindow() || ++ticks > 200)) {
            timer->stop();
            shown = box->text();
            viewWasActive = view.isActiveWindow();
            box->button(QMessageBox::Ok)->click();
        }
    });
    timer->start();
    view.action("Next Record in Database")->trigger();
    QTest::qWait(50);

    EXPECT_EQ(shown, "You are already on the last record in the database.");
    EXPECT_FALSE(viewWasActive);
    EXPECT_EQ(session.records()[0].Name, "Untitled 1 Cuv\xE9" "e");
    EXPECT_EQ(name->text(), QStringLiteral("Untitled 1 Cuv\u00e9e"));
    view.hide();
}

}  // namespace
}  // namespace vorlane
