// The drinking window: the year changes the counts, the list goes on the
// search list exactly, and a row opens its record.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPrinter>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <filesystem>

#include "cellar/ui/chart/years_ahead_chart.h"
#include "cellar/ui/drinking_window.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"
#include "widgets/recording_opener.h"

namespace vorlane {
namespace {

class DrinkingWindowTest : public ::testing::Test {
protected:
    DrinkingWindowTest() : session(dialogs, DataFolders{folder.path().string(), folder.path().string()}) {
        Database& db = session.db();
        db.labels[6] = "Drink From";
        db.labels[7] = "Drink To";
        auto add = [&](const char* name, const char* from, const char* to, const char* quantity) {
            ItemRecord r;
            r.Name = name;
            r.Details[6] = from;
            r.Details[7] = to;
            r.Details[9] = quantity;
            db.records.push_back(r);
        };
        add("young", "2030", "2040", "06");
        add("ready", "2020", "2031", "02");
        add("past", "2010", "2024", "03");
        add("no years", "", "", "01");
        add("gone", "2010", "2024", "00");
        db.records[3].OnSearchList = true;  // listed before: taken off
        opener.available = {ProgramWindow::Main};
    }

    QString count(DrinkingWindow& w, DrinkStatus s) { return w.countLabel(s)->text(); }

    vorlane::testing::TempFolder folder;
    vorlane::testing::ScriptedDialogs dialogs;
    DatabaseSession session;
    vorlane::testing::RecordingOpener opener;
    WindowContext context{session, dialogs, AppPaths{folder.file("Vorlane.ini"), {}}, opener};
};

TEST_F(DrinkingWindowTest, TheYearChangesTheCountsListAndChart) {
    DrinkingWindow window(context);
    EXPECT_TRUE(window.relabelPanel()->isHidden());
    window.yearBox()->setValue(2026);
    EXPECT_EQ(count(window, DrinkStatus::TooYoung), "Too Young: 6 bottles");
    EXPECT_EQ(count(window, DrinkStatus::Ready), "Ready: 2 bottles");
    EXPECT_EQ(count(window, DrinkStatus::Past), "Past: 3 bottles");
    EXPECT_EQ(count(window, DrinkStatus::Unknown), "Unknown: 1 record");
    EXPECT_EQ(window.list()->model()->rowCount(), 2);
    EXPECT_EQ(window.list()->model()->index(0, 0).data().toString(), "past");

    window.yearBox()->setValue(2031);
    EXPECT_EQ(count(window, DrinkStatus::TooYoung), "Too Young: 0 bottles");
    EXPECT_EQ(count(window, DrinkStatus::Ready), "Ready: 6 bottles");
    EXPECT_EQ(count(window, DrinkStatus::DrinkNow), "Drink Now: 2 bottles");
    EXPECT_EQ(window.list()->model()->rowCount(), 3);
    EXPECT_EQ(window.chart()->yearCaptions().front(), "2031");
    EXPECT_EQ(window.chart()->stackValues(1).front(), 6 + 2);
    EXPECT_EQ(window.chart()->stackValues(2).back(), 6 + 2 + 3);  // 2046: every bottle is past
}

TEST_F(DrinkingWindowTest, PutOnSearchListMarksExactlyTheListedRecords) {
    DrinkingWindow window(context);
    window.yearBox()->setValue(2026);
    window.putOnSearchList();
    std::vector<bool> listed;
    for (const ItemRecord& r : session.records()) listed.push_back(r.OnSearchList);
    EXPECT_EQ(listed, (std::vector<bool>{false, true, true, false, false}));
    EXPECT_EQ(session.viewMode, 2);
}

TEST_F(DrinkingWindowTest, DoubleClickOrEnterOpensTheRecordInTheMainWindow) {
    DrinkingWindow window(context);
    window.yearBox()->setValue(2026);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTableView* list = window.list();
    const QRect second = list->visualRect(list->model()->index(1, 0));
    // A double-click as the window system delivers it: press, release, then the double-click.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, second.center());
    EXPECT_EQ(session.currentIndex, 1);  // "ready"
    EXPECT_EQ(opener.opened[ProgramWindow::Main], 1);

    list->setCurrentIndex(list->model()->index(0, 0));
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(session.currentIndex, 2);  // "past"
    EXPECT_EQ(opener.opened[ProgramWindow::Main], 2);
}

TEST_F(DrinkingWindowTest, WithoutLabelsItOffersToRelabelTwoDetailsAfterAsking) {
    session.db().labels[6] = "Detail 7";
    session.db().labels[7] = "Detail 8";
    DrinkingWindow window(context);
    dialogs.clearShown();
    EXPECT_FALSE(window.relabelPanel()->isHidden());
    EXPECT_EQ(window.list()->model()->rowCount(), 0);
    window.fromChoice()->setCurrentIndex(6);
    window.toChoice()->setCurrentIndex(6);
    window.relabelChosenDetails();
    window.toChoice()->setCurrentIndex(7);
    dialogs.No();
    window.relabelChosenDetails();
    EXPECT_EQ(session.db().labels[6], "Detail 7");
    dialogs.Yes();
    window.relabelChosenDetails();
    EXPECT_EQ(dialogs.messages(),
              (std::vector<std::string>{"Choose two different details for the first and the last year.",
                                        "Rename \"Detail 7\" to \"Drink From\" and \"Detail 8\" to \"Drink To\"?",
                                        "Rename \"Detail 7\" to \"Drink From\" and \"Detail 8\" to \"Drink To\"?"}));
    EXPECT_EQ(session.db().labels[6], "Drink From");
    EXPECT_EQ(session.db().labels[7], "Drink To");
    EXPECT_TRUE(window.relabelPanel()->isHidden());
    EXPECT_GT(window.list()->model()->rowCount(), 0);
}

TEST_F(DrinkingWindowTest, PrintsTheListToPdf) {
    DrinkingWindow window(context);
    const std::string pdf = folder.file("list.pdf");
    window.askPrinter = [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(pdf));
        return true;
    };
    window.printList();
    EXPECT_GT(std::filesystem::file_size(pdf), 1000u);
}

}  // namespace
}  // namespace vorlane
