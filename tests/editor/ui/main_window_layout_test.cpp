// The window's commands in their order, the controls of the five pages,
// and a layout that gives every label and edit its room at the smallest
// and at a large size.

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QApplication>
#include <QTest>
#include <QValidator>

#include "editor/ui/ingredients_grid.h"
#include "editor/ui/main_window_fixture.h"

namespace vorlane::testing {
namespace {

class LayoutTest : public ViewTest {
protected:
    QStringList menuTitles() {
        QStringList titles;
        for (QAction* a : view().menuBar()->actions()) titles << a->text().remove(u'&');
        return titles;
    }
    QStringList entries(const QString& menuTitle) {
        QStringList out;
        for (QAction* a : view().menuBar()->actions())
            if (a->text().remove(u'&') == menuTitle)
                for (QAction* e : a->menu()->actions())
                    if (!e->isSeparator()) out << e->text();
        return out;
    }
};

TEST_F(LayoutTest, MenusHoldTheirEntriesInOrder) {
    StartEmpty();
    EXPECT_EQ(menuTitles(), (QStringList{"File", "Edit", "Report and View", "Utilities", "Help", "About"}));
    EXPECT_EQ(entries("File"), (QStringList{"New", "Open", "Save", "Save As", "Merge", "Set Database Information",
                                            "Set Database Password", "Reset Application",
                                            "Import from Another Program\u2026", "Export All Records\u2026", "Close"}));
    EXPECT_EQ(entries("Edit"), (QStringList{"New Record", "Copy Record", "Delete Record", "Insert Record",
                                            "Print Form", "Sort Records"}));
    EXPECT_EQ(entries("Report and View"),
              (QStringList{"Search Records", "Album View", "Graph View", "Spreadsheet View", "Generate HTML Report",
                           "Generate Regular Report", "Drinking Window", "Short Description Values"}));
    EXPECT_EQ(entries("Utilities"), (QStringList{"Calculator", "Calendar"}));
    EXPECT_EQ(entries("Help"), (QStringList{"Contents", "Introduction", "Getting Started"}));
    EXPECT_EQ(entries("About"), (QStringList{"Vorlane"}));
    EXPECT_EQ(view().action("New Record")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
    EXPECT_EQ(view().action("Insert Record")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_I));
}

TEST_F(LayoutTest, ToolbarHintsInOrderAndTheWindowsStillToComeAreDisabled) {
    StartEmpty();
    auto* bar = view().findChild<QToolBar*>("ToolBar");
    ASSERT_NE(bar, nullptr);
    QStringList hints;
    QStringList disabled;
    for (QAction* a : bar->actions()) {
        hints << (a->isSeparator() ? QStringLiteral("|") : a->toolTip());
        if (!a->isSeparator() && !a->isEnabled()) disabled << a->toolTip();
    }
    EXPECT_EQ(hints, (QStringList{"Previous Record in Database", "Next Record in Database",
                                  "Previous Record On Search List", "Next Record on Search List", "|",
                                  "Add New Record", "Copy Record", "Delete Record", "Insert Record", "Sort Records",
                                  "Display Related Records", "|", "Print a screenshot", "Perform Search",
                                  "Generate Album View", "Generate Graph", "Generate Spreadsheet", "Generate Report",
                                  "|", "Display Calculator", "Display Calendar", "Display CD Player", "Save Database",
                                  "Display Help", "Exit the Program"}));
    EXPECT_EQ(disabled, (QStringList{"Delete Record", "Insert Record", "Save Database"}));
}

TEST_F(LayoutTest, TopStripAndPagesCarryTheirControls) {
    StartEmpty();
    EXPECT_EQ(find<QLabel>("RecordTitle")->text(), "Name");
    EXPECT_EQ(find<QLineEdit>("number")->toolTip(), "Enter the record you want to go to here ");
    EXPECT_EQ(find<QCheckBox>("ReadonlyBox")->text(), "Read Only");
    EXPECT_EQ(find<QCheckBox>("SearchListBox")->text(), "Search List");
    EXPECT_TRUE(find<QPushButton>("PrintRecordBtn")->isEnabled());

    auto* book = find<QTabWidget>("RecordBook");
    QStringList pages;
    for (int i = 0; i < book->count(); ++i) pages << book->tabText(i);
    EXPECT_EQ(pages, (QStringList{"Description", "Detail", "Ingredients", "Images", "Internet Search and Email"}));

    EXPECT_EQ(find<QGroupBox>("boxname")->title(), "Status");
    EXPECT_EQ(find<QCheckBox>("CheckBox1")->text(), "Favorite");
    EXPECT_EQ(find<QLabel>("Desc1")->text(), "Region");
    EXPECT_EQ(find<QLabel>("Desc10")->text(), "Description 9");
    EXPECT_EQ(find<QLabel>("sn2")->text(), "Date Received");

    auto* tabs = view().findChild<QTabBar*>("ImageBook");
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->count(), 6);
    EXPECT_EQ(tabs->tabText(5), "Image Six");
    auto* grid = find<IngredientsGrid>("DirGrid");
    EXPECT_EQ(grid->columnCount(), 4);
    EXPECT_EQ(grid->rowCount() + 1, 100);
    EXPECT_EQ(grid->horizontalHeaderItem(3)->text(), "Notes");
    for (const char* caption : {"Image File", "Clear Image", "Add URL", "Add Address", "Print Ingredients",
                                "Convert Units", "Generate Search Term", "Launch Browser"}) {
        bool seen = false;
        for (QPushButton* button : view().findChildren<QPushButton*>())
            if (button->text() == caption) {
                seen = true;
                EXPECT_TRUE(button->isEnabled()) << caption;
            }
        EXPECT_TRUE(seen) << caption;
    }
}

TEST_F(LayoutTest, DetailMasksTakeOnlyWhatTheFieldHolds) {
    StartEmpty();
    type("Detail9", "5");
    EXPECT_EQ(text("Detail9"), "01");  // a new record's "01" leaves no room
    find<QLineEdit>("Detail9")->clear();
    type("Detail9", "7x42");
    EXPECT_EQ(text("Detail9"), "74");
    find<QLineEdit>("Detail3")->clear();
    type("Detail3", "19a987");
    EXPECT_EQ(text("Detail3"), "1998");
    auto* date = find<QLineEdit>("Detail2");
    date->clear();
    date->setFocus();
    date->home(false);
    QTest::keyClicks(date, "20011231");
    EXPECT_EQ(date->text(), "2001/12/31");
    date->setFocus();
    date->home(false);
    QTest::keyClicks(date, "ab");
    EXPECT_EQ(date->text(), "2001/12/31");
}

// Every label shows its whole caption and no two edits of a page overlap.
void ExpectRoomy(QWidget* page) {
    for (QLabel* label : page->findChildren<QLabel*>()) {
        if (!label->isVisibleTo(page) || label->wordWrap() || label->text().isEmpty()) continue;
        EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();
    }
    QList<QLineEdit*> edits = page->findChildren<QLineEdit*>();
    for (QLineEdit* edit : edits) {
        if (!edit->isVisibleTo(page)) continue;
        EXPECT_GE(edit->width(), 50) << edit->objectName().toStdString();
        QRect mine(edit->mapTo(page, QPoint(0, 0)), edit->size());
        for (QLineEdit* other : edits) {
            if (other == edit || !other->isVisibleTo(page) || other->parentWidget() != edit->parentWidget())
                continue;
            QRect theirs(other->mapTo(page, QPoint(0, 0)), other->size());
            EXPECT_FALSE(mine.intersects(theirs))
                << edit->objectName().toStdString() << " / " << other->objectName().toStdString();
        }
    }
}

TEST_F(LayoutTest, EveryPageHasRoomAtTheSmallestAndALargeSize) {
    StartEmpty();
    auto* book = find<QTabWidget>("RecordBook");
    for (QSize size : {QSize(634, 482), QSize(1400, 900)}) {
        view().resize(size);
        for (int page = 0; page < book->count(); ++page) {
            book->setCurrentIndex(page);
            QApplication::processEvents();
            SCOPED_TRACE(book->tabText(page).toStdString() + " at " + std::to_string(size.width()));
            ExpectRoomy(book->currentWidget());
        }
        for (QWidget* w : {static_cast<QWidget*>(find<QLineEdit>("RecordName")), static_cast<QWidget*>(find<QLineEdit>("number"))})
            EXPECT_GE(w->width(), 40);
    }
    // The description column grows with the window.
    auto* splitter = find<QSplitter>("DescSplitter");
    book->setCurrentIndex(0);
    view().resize(634, 482);
    QApplication::processEvents();
    int small = splitter->sizes()[0];
    view().resize(1400, 900);
    QApplication::processEvents();
    EXPECT_GT(splitter->sizes()[0], small + 200);
}

}  // namespace
}  // namespace vorlane::testing
