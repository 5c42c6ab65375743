// The main window's description menus, tree editor, label renaming,
// ingredients page and record printing, driven through the window itself.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "editor/ui/description_menu_builder.h"
#include "widgets/window_print.h"
#include "editor/ui/ingredients_actions.h"
#include "editor/ui/ingredients_grid.h"
#include "editor/ui/value_tree_editor.h"
#include "editor/ui/main_window_fixture.h"
#include "search/ui/search_window.h"
#include "support/test_cellars.h"

namespace vorlane::testing {
namespace {

class WiringTest : public ViewTest {
protected:
    void startWith(Database db) {
        std::string path = folder.file("cellar.dat");
        WriteCellar(path, std::move(db));
        StartWith(path);
        dialogs.clearShown();
    }
    // Grape > Red > Merlot, Grape > White, and Colour in field 1.
    static Database Cellar(const std::vector<std::string>& names) {
        Database db = CellarOf(names);
        db.valueTrees[0] = "Grape\r\n\tRed\r\n\t\tMerlot\r\n\tWhite\r\nColour\r\n";
        return db;
    }
    QMenu* menu(int field) { return view().descriptionMenus().menu(field); }
    // The entry with this caption in menu, or in one of its submenus.
    static QAction* entry(QMenu* menu, const QString& caption) {
        if (!menu) return nullptr;
        for (QAction* a : menu->actions()) {
            if (a->text() == caption) return a;
            if (QAction* inner = entry(DescriptionMenuBuilder::submenu(a), caption)) return inner;
        }
        return nullptr;
    }
    void choose(int field, const QString& caption) {
        QAction* a = entry(menu(field), caption);
        ASSERT_NE(a, nullptr) << caption.toStdString();
        view().descriptionMenus().choose(a);
        QApplication::processEvents();
    }
    void press(const QString& name) {
        auto* widget = find<QWidget>(name);
        ASSERT_NE(widget, nullptr);
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(4, 4));
        QApplication::processEvents();
    }
    IngredientsGrid* grid() { return find<IngredientsGrid>("DirGrid"); }
};

TEST_F(WiringTest, ChoosingAValueStoresItsPathAndShowsTheDisplayForm) {
    Database db = Cellar({"One", "Two"});
    db.records[0].Links = {"<A href=\"http://a.example\">A</A>"};
    startWith(db);
    EXPECT_NE(entry(menu(1), "ADD NEW REGION CATEGORY"), nullptr);
    choose(1, "Merlot");
    EXPECT_EQ(record(0).Description(1), "Merlot : Red : Grape");
    EXPECT_EQ(text("DescOne"), "Merlot : Red : Grape");
    choose(1, "Colour");
    EXPECT_EQ(record(0).Description(1), "Colour");

    trigger("Short Description Values");
    choose(1, "Merlot");
    EXPECT_EQ(text("DescOne"), "Merlot ");
    EXPECT_EQ(record(0).Description(1), "Merlot : Red : Grape");

    // The kept path, not the short text, goes back when moving on, and the
    // other lists of the record stay.
    trigger("Next Record in Database");
    trigger("Previous Record in Database");
    EXPECT_EQ(record(0).Description(1), "Merlot : Red : Grape");
    EXPECT_EQ(record(0).Links.size(), 1u);
    EXPECT_EQ(text("DescOne"), "Merlot ");
}

TEST_F(WiringTest, ClearFieldEmptiesTheRecordAndTheEdit) {
    Database db = Cellar({"One", "Two"});
    db.records[0].Description(1) = "White : Grape";
    startWith(db);
    EXPECT_EQ(text("DescOne"), "White : Grape");
    choose(1, "CLEAR FIELD");
    EXPECT_EQ(record(0).Description(1), "");
    EXPECT_EQ(text("DescOne"), "");
    trigger("Next Record in Database");
    trigger("Previous Record in Database");
    EXPECT_EQ(record(0).Description(1), "");
}

TEST_F(WiringTest, APressOnADescriptionOpensItsMenuUnlessTheRecordIsReadOnly) {
    startWith(Cellar({"One"}));
    find<QCheckBox>("ReadonlyBox")->click();
    press("DescOne");
    EXPECT_FALSE(menu(1)->isVisible());

    find<QCheckBox>("ReadonlyBox")->click();
    press("DescOne");
    EXPECT_TRUE(menu(1)->isVisible());
    auto* edit = find<QLineEdit>("DescOne");
    EXPECT_EQ(menu(1)->pos(), DescriptionMenuBuilder::popupPosition(edit));
    menu(1)->close();
    press("DescTwo");
    EXPECT_TRUE(menu(2)->isVisible());
    EXPECT_FALSE(menu(1)->isVisible());
    menu(2)->close();
}

TEST_F(WiringTest, ReturningKeepsTheMenusWhoseTreesAreUnchangedAndSubmenusWaitUntilOpened) {
    startWith(Cellar({"One"}));
    QPointer<QMenu> kept = menu(1);
    QMenu* grape = nullptr;
    for (QAction* a : kept->actions())
        if (a->text() == "Grape") grape = a->menu();
    ASSERT_NE(grape, nullptr);
    EXPECT_TRUE(grape->actions().isEmpty());

    Deactivate();
    Activate();
    EXPECT_EQ(menu(1), kept.data());

    session->db().valueTrees[0] += "Rose\r\n";
    Deactivate();
    Activate();
    EXPECT_NE(menu(1), kept.data());
    EXPECT_NE(entry(menu(1), "Rose"), nullptr);
}

TEST_F(WiringTest, AddNewOpensTheTreeEditorAndTheInsertedValueBecomesTheRecords) {
    startWith(Cellar({"One", "Two"}));
    bool seen = false;
    auto* timer = new QTimer(&view());
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [&, timer] {
        auto* editor = qobject_cast<ValueTreeEditor*>(QApplication::activeModalWidget());
        if (!editor) return;
        timer->stop();
        seen = true;
        EXPECT_EQ(editor->windowTitle(), "Add Region Category");
        editor->descriptionList()->setCurrentItem(editor->descriptionList()->topLevelItem(0));
        editor->addText()->setText(QStringLiteral("Syrah"));
        editor->addChildValue();
        // The main window follows every change at once, with the whole path.
        EXPECT_EQ(text("DescOne"), "Syrah : Grape");
        editor->done(QDialog::Accepted);
    });
    timer->start();
    trigger("Short Description Values");
    choose(1, "ADD NEW REGION CATEGORY");
    EXPECT_TRUE(seen);
    EXPECT_EQ(record(0).Description(1), "Syrah : Grape");
    EXPECT_NE(entry(menu(1), "Syrah"), nullptr);  // rebuilt from the edited tree
    trigger("Next Record in Database");
    trigger("Previous Record in Database");
    EXPECT_EQ(record(0).Description(1), "Syrah : Grape");
    EXPECT_EQ(text("DescOne"), "Syrah ");
}

TEST_F(WiringTest, ALabelRenamedThroughThePromptChangesTheTableCaptionAndSortMenu) {
    startWith(Cellar({"One"}));
    dialogs.Type("Country");
    press("Desc1");
    EXPECT_EQ(dialogs.shown(), (std::vector<ShownText>{{Shown::Prompt, "Field Name|Please enter a new Filed Name:"}}));
    EXPECT_EQ(session->db().labels[10], "Country");
    EXPECT_EQ(find<QLabel>("Desc1")->text(), "Country");
    EXPECT_NE(view().action("Sort by Country"), nullptr);

    dialogs.CancelPrompt();
    press("sn2");
    EXPECT_EQ(session->db().labels[2], "Date Received");
    dialogs.Type("");
    press("sn2");
    EXPECT_EQ(session->db().labels[2], "");
    EXPECT_EQ(find<QLabel>("sn2")->text(), "");
    EXPECT_TRUE(dialogs.scriptUsedUp());
}

TEST_F(WiringTest, ConvertUnitsWritesIntoTheGridAndTheRecordKeepsIt) {
    startWith(Cellar({"One", "Two"}));
    IngredientsGrid* dir = grid();
    dir->setCell(0, 1, "Tannin");
    dir->setCell(1, 1, "2");
    dir->setCell(2, 1, "cup");
    dir->setCurrentCell(0, 1);
    QPushButton* convert = nullptr;
    for (QPushButton* b : view().findChildren<QPushButton*>())
        if (b->text() == "Convert Units") convert = b;
    ASSERT_NE(convert, nullptr);
    ASSERT_TRUE(convert->isEnabled());
    convert->click();
    QMenu* conversions = view().ingredientsActions().conversionMenu();
    ASSERT_TRUE(conversions->isVisible());
    ASSERT_FALSE(conversions->actions().isEmpty());
    EXPECT_EQ(conversions->actions().first()->text(), "2 cup to 16 ounce");
    conversions->actions().first()->trigger();
    conversions->close();
    EXPECT_EQ(dir->cell(1, 1), "16");
    EXPECT_EQ(dir->cell(2, 1), "ounce");

    trigger("Next Record in Database");
    EXPECT_EQ(dir->cell(1, 1), "");
    trigger("Previous Record in Database");
    EXPECT_EQ(dir->cell(0, 1), "Tannin");
    EXPECT_EQ(dir->cell(1, 1), "16");
    EXPECT_EQ(dir->cell(2, 1), "ounce");

    dir->setCurrentCell(3, 0);  // a row without quantity and unit
    convert->click();
    EXPECT_EQ(dialogs.messages(), (std::vector<std::string>{"No valid value is available to convert."}));
}

TEST_F(WiringTest, ThePrintButtonPrintsTheRecipeOfWhatTheWindowShows) {
    startWith(Cellar({"One"}));
    std::string pdf = folder.file("recipe.pdf");
    view().recordPrinter().setChooser([pdf](QPrinter& printer, QWidget*, int) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(pdf));
        return true;
    });
    auto* print = find<QPushButton>("PrintRecordBtn");
    ASSERT_TRUE(print->isEnabled());
    print->click();
    EXPECT_EQ(dialogs.messages(), (std::vector<std::string>{"Recipe sent to printer."}));
    EXPECT_GT(QFile(QString::fromStdString(pdf)).size(), 0);

    dialogs.clearShown();
    QFile::remove(QString::fromStdString(pdf));
    trigger("Print Form");
    EXPECT_EQ(dialogs.messages(), (std::vector<std::string>{"Form sent to Printer."}));
    EXPECT_GT(QFile(QString::fromStdString(pdf)).size(), 0);
    EXPECT_TRUE(view().action("Print a screenshot")->isEnabled());
}

TEST_F(WiringTest, ReadOnlySwitchesThePictureAndLinkButtonsAndTheListsFollowTheRecord) {
    Database db = Cellar({"One", "Two"});
    db.records[0].Links = {"<A href=\"https://example.org/a\">A</A>", "<A href=\"https://example.org/b\">B</A>"};
    db.records[1].EmailAddresses = {"<A href=\"mailto:x@example.org\">X</A>"};
    startWith(db);
    auto button = [this](const QString& caption) {
        for (QPushButton* b : view().findChildren<QPushButton*>())
            if (b->text() == caption) return b;
        return static_cast<QPushButton*>(nullptr);
    };
    for (const char* caption : {"Image File", "Clear Image", "Add URL", "Add Address"})
        ASSERT_NE(button(caption), nullptr) << caption;
    find<QCheckBox>("ReadonlyBox")->click();
    for (const char* caption : {"Image File", "Clear Image", "Add URL", "Add Address"})
        EXPECT_FALSE(button(caption)->isEnabled()) << caption;
    EXPECT_TRUE(find<QLineEdit>("ImageTitle")->isEnabled());

    trigger("Next Record in Database");
    for (const char* caption : {"Image File", "Clear Image", "Add URL", "Add Address"})
        EXPECT_TRUE(button(caption)->isEnabled()) << caption;
    EXPECT_EQ(find<QListWidget>("RelatedLinks")->count(), 0);
    EXPECT_EQ(find<QListWidget>("RelatedEmail")->count(), 1);
    trigger("Previous Record in Database");
    EXPECT_EQ(find<QListWidget>("RelatedLinks")->count(), 2);
    EXPECT_EQ(record(0).Links.size(), 2u);
    EXPECT_EQ(record(1).EmailAddresses.size(), 1u);
    EXPECT_FALSE(button("Add URL")->isEnabled());
}

TEST_F(WiringTest, PerformSearchShowsTheOneSearchWindowWhichLeadsBackToTheRecord) {
    startWith(Cellar({"One", "Two", "Three"}));
    trigger("Perform Search");
    SearchWindow& search = windows().search();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&search, 2000));
    search.close();  // only hidden: the same window comes back
    EXPECT_FALSE(search.isVisible());
    trigger("Search Records");
    EXPECT_EQ(&windows().search(), &search);
    EXPECT_TRUE(search.isVisible());

    // A range addition makes the first record current; the main window
    // shows it, not the one it showed before.
    trigger("Next Record in Database");
    trigger("Next Record in Database");
    search.rangeHigh()->setMaximum(3);
    search.rangeLow()->setValue(2);
    search.rangeHigh()->setValue(3);
    search.addRecordRange();
    EXPECT_EQ(session->currentIndex, 0);
    EXPECT_EQ(text("RecordName"), "One");
    EXPECT_TRUE(record(1).OnSearchList);

    QAction* back = search.action("Display Main Window");
    ASSERT_NE(back, nullptr);
    ASSERT_TRUE(back->isEnabled());
    back->trigger();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&view(), 2000));
}

}  // namespace
}  // namespace vorlane::testing
