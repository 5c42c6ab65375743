// Moving between records, the record commands, the read-only state and
// the copying of records onto the window and back.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTextDocument>

#include "editor/ui/ingredients_grid.h"
#include "editor/ui/main_window_fixture.h"
#include "storage/database_file.h"
#include "support/test_cellars.h"

namespace vorlane::testing {
namespace {

class RecordsTest : public ViewTest {
protected:
    void startWith(Database db) {
        std::string path = folder.file("cellar.dat");
        WriteCellar(path, std::move(db));
        StartWith(path);
        dialogs.clearShown();
    }
    void goTo(const QString& number) {
        QLineEdit* box = find<QLineEdit>("number");
        box->setText(number);
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Return);
    }
    std::string shownName() { return text("RecordName").toStdString(); }
};

TEST_F(RecordsTest, NextAndPreviousStopAtTheEndsWithTheirMessages) {
    startWith(CellarOf({"One", "Two", "Three"}));
    trigger("Next Record in Database");
    EXPECT_EQ(shownName(), "Two");
    EXPECT_EQ(text("number"), "2");
    trigger("Next Record in Database");
    trigger("Next Record in Database");
    EXPECT_EQ(shownName(), "Three");
    EXPECT_EQ(dialogs.messages(), (std::vector<std::string>{"You are already on the last record in the database."}));
    dialogs.clearShown();
    for (int i = 0; i < 3; ++i) trigger("Previous Record in Database");
    EXPECT_EQ(shownName(), "One");
    EXPECT_EQ(dialogs.messages(), (std::vector<std::string>{"You are already on the first item in the database."}));
}

TEST_F(RecordsTest, TheRecordNumberBoxGoesToAClampedRecordOnEnter) {
    startWith(CellarOf({"One", "Two", "Three"}));
    goTo("3");
    EXPECT_EQ(shownName(), "Three");
    goTo("0");
    EXPECT_EQ(shownName(), "One");
    goTo("99");
    EXPECT_EQ(shownName(), "Three");
    goTo("-4");
    EXPECT_EQ(shownName(), "One");
    EXPECT_TRUE(dialogs.shown().empty());
    goTo("2");
    goTo("abc");
    EXPECT_EQ(dialogs.messages(), (std::vector<std::string>{"You have entered an invalid number, please try again"}));
    EXPECT_EQ(shownName(), "Two");
    EXPECT_EQ(text("number"), "2");
}

TEST_F(RecordsTest, SearchListSteppingAndItsFourMessages) {
    Database db = CellarOf({"One", "Two", "Three", "Four"});
    startWith(db);
    record(1).OnSearchList = true;
    trigger("Next Record on Search List");
    EXPECT_EQ(shownName(), "Two");
    EXPECT_TRUE(find<QCheckBox>("SearchListBox")->isChecked());
    trigger("Next Record on Search List");
    EXPECT_EQ(shownName(), "Two");
    trigger("Previous Record On Search List");
    EXPECT_EQ(shownName(), "Two");
    goTo("1");
    trigger("Previous Record On Search List");
    goTo("4");
    trigger("Next Record on Search List");
    EXPECT_EQ(dialogs.messages(), (std::vector<std::string>{"There are no records on the Search List after this one.",
                                                             "There are no records on the Search List prior to this one.",
                                                             "There are no records in the search list prior to this one.",
                                                             "There are no records in the search list after this one."}));
    EXPECT_FALSE(find<QCheckBox>("SearchListBox")->isChecked());
}

TEST_F(RecordsTest, TheSearchListBoxMarksTheRecordAsListedAndPreviouslyListed) {
    startWith(CellarOf({"One", "Two"}));
    find<QCheckBox>("SearchListBox")->click();
    EXPECT_TRUE(record(0).OnSearchList);
    EXPECT_TRUE(record(0).PreviouslyListed);
    find<QCheckBox>("SearchListBox")->click();
    EXPECT_FALSE(record(0).OnSearchList);
    EXPECT_FALSE(record(0).PreviouslyListed);
}

TEST_F(RecordsTest, NewRecordIsAppendedShownAndEnablesDelete) {
    StartEmpty();
    EXPECT_FALSE(view().action("Delete Record")->isEnabled());
    type("RecordName", "x");  // "Untitled 1x" frees the number 1 again
    trigger("Add New Record");
    EXPECT_EQ(names(), (std::vector<std::string>{"Untitled 1x", "Untitled 1"}));
    EXPECT_EQ(text("number"), "2");
    EXPECT_EQ(text("Detail2"), "2024/05/06");
    EXPECT_TRUE(view().action("Delete Record")->isEnabled());
    trigger("New Record");
    EXPECT_EQ(shownName(), "Untitled 2");
}

TEST_F(RecordsTest, KeyboardShortcutsReachTheRecordCommands) {
    startWith(CellarOf({"One", "Two"}));
    find<QTabWidget>("RecordBook")->setFocus();
    QTest::keyClick(&view(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(names().size(), 3u);
    QTest::keyClick(&view(), Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(names(), (std::vector<std::string>{"One", "Two"}));
    QTest::keyClick(&view(), Qt::Key_I, Qt::ControlModifier);
    EXPECT_EQ(names().size(), 3u);
    QTest::keyClick(&view(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(view().action("Insert Record")->isEnabled());
}

TEST_F(RecordsTest, CtrlCInATextBoxCopiesTheRecordUnlessTextIsSelected) {
    startWith(CellarOf({"One", "Two"}));
    for (QWidget* box : {static_cast<QWidget*>(find<QLineEdit>("RecordName")),
                         static_cast<QWidget*>(find<QPlainTextEdit>("Memo1"))}) {
        SCOPED_TRACE(box->objectName().toStdString());
        Deactivate();
        Activate();  // empties the record clipboard
        find<QPlainTextEdit>("Memo1")->setPlainText("oak");
        ASSERT_FALSE(view().action("Insert Record")->isEnabled());
        find<QTabWidget>("RecordBook")->setCurrentIndex(qobject_cast<QPlainTextEdit*>(box) ? 1 : 0);
        box->setFocus();
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);  // select all
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        EXPECT_FALSE(view().action("Insert Record")->isEnabled());  // the text was copied
        QTest::keyClick(box, Qt::Key_End);
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        EXPECT_TRUE(view().action("Insert Record")->isEnabled());  // the record was copied
    }
}

TEST_F(RecordsTest, AClearedOrHalfTypedDateKeepsItsBlanksAndSlashes) {
    startWith(CellarOf({"One"}));
    const std::pair<const char*, const char*> cases[] = {{"", "    /  /  "}, {"2024", "2024/  /  "}, {"20240506", "2024/05/06"}};
    for (auto [keys, stored] : cases) {
        QLineEdit* date = find<QLineEdit>("Detail2");
        date->setFocus();
        date->selectAll();
        QTest::keyClick(date, Qt::Key_Delete);
        date->home(false);
        QTest::keyClicks(date, keys);
        Deactivate();
        EXPECT_EQ(record(0).Details[2], stored) << keys;
        Activate();
    }
}

TEST_F(RecordsTest, DeleteThenInsertPutsTheRecordBackWhereItWas) {
    Database db = CellarOf({"One", "Two", "Three"});
    db.records[1].NoteLists[2] = {"decant", "two hours"};
    db.records[1].Links = {"<A href=\"https://example.org\">Shop</A>"};
    startWith(db);
    ItemRecord before = record(1);
    trigger("Next Record in Database");
    trigger("Delete Record");
    EXPECT_EQ(names(), (std::vector<std::string>{"One", "Three"}));
    EXPECT_EQ(shownName(), "Three");
    EXPECT_EQ(text("number"), "2");
    EXPECT_TRUE(view().action("Insert Record")->isEnabled());
    trigger("Insert Record");
    EXPECT_EQ(names(), (std::vector<std::string>{"One", "Two", "Three"}));
    EXPECT_EQ(shownName(), "Two");
    EXPECT_TRUE(record(1).sameStoredContent(before));
    EXPECT_FALSE(view().action("Insert Record")->isEnabled());
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(RecordsTest, TheLastRecordCannotBeDeleted) {
    startWith(CellarOf({"One", "Two"}));
    trigger("Delete Record");
    EXPECT_EQ(names(), (std::vector<std::string>{"Two"}));
    EXPECT_FALSE(view().action("Delete Record")->isEnabled());
    view().action("Delete Record")->trigger();
    EXPECT_EQ(names(), (std::vector<std::string>{"Two"}));
}

TEST_F(RecordsTest, CopyTakesEditsMadeBeforeTheInsert) {
    startWith(CellarOf({"One", "Two"}));
    trigger("Copy Record");
    type("RecordName", " edited");
    trigger("Next Record in Database");
    trigger("Insert Record");
    EXPECT_EQ(names(), (std::vector<std::string>{"One edited", "One edited", "Two"}));
    EXPECT_EQ(text("number"), "2");
}

TEST_F(RecordsTest, ReadOnlyRecordsRefuseEditingAndDeletion) {
    startWith(CellarOf({"One", "Two"}));
    auto* box = find<QCheckBox>("ReadonlyBox");
    box->click();
    EXPECT_TRUE(record(0).ReadOnly);
    EXPECT_TRUE(find<QLineEdit>("Detail0")->isReadOnly());
    EXPECT_TRUE(find<QLineEdit>("Detail9")->isReadOnly());
    EXPECT_TRUE(find<QPlainTextEdit>("Memo3")->isReadOnly());
    EXPECT_FALSE(find<QCheckBox>("CheckBox1")->isEnabled());
    EXPECT_FALSE(find<QCheckBox>("CheckBox3")->isEnabled());
    EXPECT_FALSE(find<QLineEdit>("RecordName")->isReadOnly());

    type("Detail0", "typed");
    EXPECT_EQ(text("Detail0"), "");
    trigger("Delete Record");
    EXPECT_EQ(dialogs.messages(), (std::vector<std::string>{"You may not delete read only records."}));
    EXPECT_EQ(names().size(), 2u);

    trigger("Next Record in Database");
    EXPECT_FALSE(box->isChecked());
    EXPECT_FALSE(find<QLineEdit>("Detail0")->isReadOnly());
    EXPECT_TRUE(find<QCheckBox>("CheckBox1")->isEnabled());
    trigger("Previous Record in Database");
    EXPECT_TRUE(box->isChecked());
    EXPECT_TRUE(find<QLineEdit>("Detail0")->isReadOnly());
    box->click();
    EXPECT_FALSE(record(0).ReadOnly);
    EXPECT_FALSE(find<QPlainTextEdit>("Memo1")->isReadOnly());
}

TEST_F(RecordsTest, EditsSurviveMovingBetweenRecords) {
    startWith(CellarOf({"One", "Two"}));
    type("RecordName", " Reserve");
    type("Detail0", "Huet");
    find<QPlainTextEdit>("Memo2")->setFocus();
    QTest::keyClicks(find<QPlainTextEdit>("Memo2"), "Goat cheese");
    QTest::keyClick(find<QPlainTextEdit>("Memo2"), Qt::Key_Return);
    QTest::keyClicks(find<QPlainTextEdit>("Memo2"), "Tarte Tatin");
    find<QCheckBox>("CheckBox2")->click();
    auto* grid = find<IngredientsGrid>("DirGrid");
    grid->setItem(0, 0, new QTableWidgetItem(QStringLiteral("Yeast")));
    grid->setItem(0, 1, new QTableWidgetItem(QStringLiteral("2")));

    trigger("Next Record in Database");
    EXPECT_EQ(shownName(), "Two");
    EXPECT_EQ(find<QPlainTextEdit>("Memo2")->toPlainText(), "");
    trigger("Previous Record in Database");

    EXPECT_EQ(record(0).Name, "One Reserve");
    EXPECT_EQ(record(0).Details[0], "Huet");
    EXPECT_EQ(record(0).NoteLists[1], (std::vector<std::string>{"Goat cheese", "Tarte Tatin"}));
    EXPECT_TRUE(record(0).Tested);
    IngredientsTable table = DecodeIngredients(record(0).Ingredients);
    EXPECT_EQ(table.columns, 4);
    EXPECT_EQ(table.rows, 100);
    EXPECT_EQ(table.cells, (std::vector<IngredientsTable::Cell>{{0, 0, "Ingredients"},
                                                                 {1, 0, "Quantity"},
                                                                 {2, 0, "Measure"},
                                                                 {3, 0, "Notes"},
                                                                 {0, 1, "Yeast"},
                                                                 {1, 1, "2"}}));
    EXPECT_EQ(shownName(), "One Reserve");
    EXPECT_EQ(find<QPlainTextEdit>("Memo2")->toPlainText(), "Goat cheese\nTarte Tatin");
    EXPECT_TRUE(find<QCheckBox>("CheckBox2")->isChecked());
    EXPECT_EQ(grid->item(0, 0)->text(), "Yeast");
}

TEST_F(RecordsTest, ShowingAndWritingBackLeavesUntouchedFieldsByteForByte) {
    Database db = CellarOf({"One", "Two"});
    ItemRecord& odd = db.records[0];
    odd.Details[2] = "June 2003";  // does not fit the date mask
    odd.Details[3] = "NV";
    odd.Details[9] = "120";
    odd.Name = "Line\r\nbreak";
    odd.NoteLists[0] = {""};
    odd.Description(1) = "Merlot : Red : Grape";
    odd.Links = {"not an anchor", "<a href=\"x\">y</a>"};
    odd.Ingredients.clear();
    odd.Images[3].FileName = "/nowhere/picture.jpg";
    startWith(db);
    ItemRecord before = record(0);
    trigger("Next Record in Database");
    trigger("Previous Record in Database");
    Deactivate();
    EXPECT_TRUE(record(0).sameStoredContent(before));
    EXPECT_EQ(record(0).Details[2], "June 2003");
    EXPECT_TRUE(record(0).Ingredients.empty());
}

TEST_F(RecordsTest, IngredientsAndLinksAreShownFromTheRecord) {
    Database db = CellarOf({"One"});
    IngredientsTable table;
    table.cells = {{0, 0, "Ingredients"}, {0, 1, "Sugar"}, {2, 1, "cup"}, {3, 2, "later"}};
    db.records[0].Ingredients = EncodeIngredients(table);
    db.records[0].Links = {"<A href=\"https://example.org/wine\">Tasting notes</A>",
                           "<A href=\"<b>https://x.example/</b>\">Marked up</A>"};
    db.records[0].EmailAddresses = {"<A href=\"cellar@example.org\">Cellar master</A>"};
    startWith(db);
    auto* grid = find<IngredientsGrid>("DirGrid");
    EXPECT_EQ(grid->columnCount(), 4);
    EXPECT_EQ(grid->rowCount(), 99);
    EXPECT_EQ(grid->horizontalHeaderItem(1)->text(), "Quantity");
    EXPECT_EQ(grid->item(0, 0)->text(), "Sugar");
    EXPECT_EQ(grid->item(0, 2)->text(), "cup");
    EXPECT_EQ(grid->item(1, 3)->text(), "later");
    auto* links = find<QListWidget>("RelatedLinks");
    ASSERT_EQ(links->count(), 2);
    EXPECT_TRUE(links->item(0)->text().contains("Tasting notes"));
    // The address is the tooltip, shown as the plain text it is, markup included.
    for (auto [row, address] : {std::pair{0, "https://example.org/wine"}, std::pair{1, "<b>https://x.example/</b>"}}) {
        QTextDocument tip;
        tip.setHtml(links->item(row)->toolTip());
        EXPECT_EQ(tip.toPlainText().toStdString(), address);
    }
    EXPECT_EQ(find<QListWidget>("RelatedEmail")->count(), 1);
}

TEST_F(RecordsTest, ACellStillBeingTypedInIsKeptByNavigationAndBothSaves) {
    StartEmpty();
    for (const char* command : {"Next Record in Database", "Save Database", "Save"}) {
        SCOPED_TRACE(command);
        std::string path = folder.file("typing.dat");
        WriteCellar(path, CellarOf({"One", "Two"}));
        session->OpenDatabaseFile(path);
        dialogs.clearShown();
        find<QTabWidget>("RecordBook")->setCurrentIndex(2);
        auto* grid = find<IngredientsGrid>("DirGrid");
        QModelIndex cell = grid->model()->index(0, 0);
        grid->setCurrentIndex(cell);
        grid->edit(cell);
        auto* editor = qobject_cast<QLineEdit*>(grid->indexWidget(cell));
        ASSERT_NE(editor, nullptr);
        QTest::keyClicks(editor, "Yeast");
        trigger(command);
        EXPECT_EQ(grid->indexWidget(cell), nullptr);  // the editor was closed
        EXPECT_NE(record(0).Ingredients.find("0,1,Yeast"), std::string::npos);
        if (std::string(command) != "Next Record in Database") {
            EXPECT_NE(ReadCellar(path).records[0].Ingredients.find("0,1,Yeast"), std::string::npos);
        }
    }
}

TEST_F(RecordsTest, ACharacterWindows1252CannotHoldIsRefusedWithAMessage) {
    startWith(CellarOf({"Chateau"}));
    type("RecordName", QStringLiteral("\u0141x"));
    QApplication::processEvents();
    EXPECT_EQ(text("RecordName"), "Chateaux");
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].kind, Shown::Error);
    EXPECT_EQ(dialogs.shown()[0].text,
              "The character U+0141 cannot be stored in a Vorlane file, which holds only Western European "
              "(Windows-1252) characters.  It was not entered.");
    type("RecordName", QStringLiteral("\u00e2\u20ac"));
    Deactivate();
    EXPECT_EQ(record(0).Name, "Chateaux\xE2\x80");
}

TEST_F(RecordsTest, DescriptionsShowTheirPathWholeOrShort) {
    Database db = CellarOf({"One"});
    db.records[0].Description(1) = "Merlot : Red : Grape";
    db.records[0].Description(10) = "Cellar";
    startWith(db);
    EXPECT_EQ(text("DescOne"), "Merlot : Red : Grape");
    EXPECT_TRUE(find<QLineEdit>("DescOne")->isReadOnly());
    trigger("Short Description Values");
    EXPECT_EQ(text("DescOne"), "Merlot ");
    EXPECT_EQ(text("DescTen"), "Cellar");
    Deactivate();
    EXPECT_EQ(record(0).Description(1), "Merlot : Red : Grape");
    Activate();
    EXPECT_EQ(text("DescOne"), "Merlot ");
    trigger("Short Description Values");
    EXPECT_EQ(text("DescOne"), "Merlot : Red : Grape");
}

TEST_F(RecordsTest, LabelsAndTheSortMenuFollowTheDatabaseLabels) {
    Database db = CellarOf({"One"});
    db.labels[0] = "Estate";
    db.labels[10] = "Appellation";
    startWith(db);
    EXPECT_EQ(find<QLabel>("sn0")->text(), "Estate");
    EXPECT_EQ(find<QLabel>("Desc1")->text(), "Appellation");
    EXPECT_EQ(find<QLabel>("sn9")->text(), "Quantity");
    QMenu* sort = find<QMenu>("SortMenu");
    ASSERT_EQ(sort->actions().size(), 21);
    EXPECT_EQ(sort->actions()[0]->text(), "Sort by Appellation");
    EXPECT_EQ(sort->actions()[10]->text(), "Sort by Estate");
    EXPECT_EQ(sort->actions()[20]->text(), "Sort by Name");
}

TEST_F(RecordsTest, SortingKeepsTheRecordNumberAndShowsWhateverLandedThere) {
    startWith(CellarOf({"Cab", "abc", "Bar"}));
    trigger("Next Record in Database");
    trigger("Sort by Name");
    EXPECT_EQ(names(), (std::vector<std::string>{"abc", "Bar", "Cab"}));
    EXPECT_EQ(text("number"), "2");
    EXPECT_EQ(shownName(), "Bar");
}

TEST_F(RecordsTest, RelatedRecordsJumpToTheChosenRecordOnTheFirstPage) {
    Database db = CellarOf({"One", "Two", "Three", "Four"});
    db.records[0].Details[0] = "Huet";
    db.records[2].Details[0] = "HUET";
    db.records[3].Details[0] = "huet";
    startWith(db);
    QString caption;
    std::vector<std::string> listed;
    view().setRelatedPicker([&](const QString& c, const std::vector<PickItem>& items) -> std::optional<std::size_t> {
        caption = c;
        for (const PickItem& item : items) listed.push_back(item.name);
        return items.back().index;
    });
    find<QTabWidget>("RecordBook")->setCurrentIndex(2);
    trigger("Display Related Records");
    QMenu* menu = find<QMenu>("RelatedMenu");
    ASSERT_EQ(menu->actions().size(), 31);
    EXPECT_EQ(menu->actions()[0]->text(), "Display records with the same Primary \"Region\"");
    EXPECT_EQ(menu->actions()[20]->text(), "Display records with the same Winery");
    EXPECT_EQ(menu->actions()[30]->text(), "Status");
    menu->actions()[20]->trigger();
    menu->hide();
    EXPECT_EQ(caption, "Display records with the same Winery");
    EXPECT_EQ(listed, (std::vector<std::string>{"Three", "Four"}));
    EXPECT_EQ(shownName(), "Four");
    EXPECT_EQ(find<QTabWidget>("RecordBook")->currentIndex(), 0);

    view().setRelatedPicker([](const QString&, const std::vector<PickItem>&) { return std::nullopt; });
    find<QTabWidget>("RecordBook")->setCurrentIndex(1);
    view().showRelatedRecords(100, QStringLiteral("Display records with the same Winery"));
    EXPECT_EQ(shownName(), "Four");
    EXPECT_EQ(find<QTabWidget>("RecordBook")->currentIndex(), 1);
}

TEST_F(RecordsTest, BecomingActiveAgainEmptiesTheRecordClipboardAndWritesBackOnLeaving) {
    startWith(CellarOf({"One", "Two"}));
    trigger("Copy Record");
    EXPECT_TRUE(view().action("Insert Record")->isEnabled());
    type("RecordName", "!");
    Deactivate();
    EXPECT_EQ(record(0).Name, "One!");
    record(0).Name = "Changed elsewhere";
    Activate();
    EXPECT_FALSE(view().action("Insert Record")->isEnabled());
    EXPECT_EQ(shownName(), "Changed elsewhere");
}

TEST_F(RecordsTest, ComingBackFromAnotherProgramKeepsTheRecordClipboard) {
    startWith(CellarOf({"One", "Two"}));
    trigger("Copy Record");
    type("RecordName", "?");
    QApplication::setActiveWindow(nullptr);  // the desktop gave the focus to another program
    QApplication::processEvents();
    EXPECT_EQ(record(0).Name, "One?");
    Activate();
    EXPECT_TRUE(view().action("Insert Record")->isEnabled());
    trigger("Insert Record");
    EXPECT_EQ(names(), (std::vector<std::string>{"One?", "One?", "Two"}));
}

TEST_F(RecordsTest, TheImageTitleIsStoredAsItIsTypedAndFollowsTheTabs) {
    startWith(CellarOf({"One"}));
    find<QTabWidget>("RecordBook")->setCurrentIndex(3);
    auto* tabs = view().findChild<QTabBar*>("ImageBook");
    ASSERT_NE(tabs, nullptr);
    tabs->setCurrentIndex(2);
    EXPECT_EQ(text("ImageTitle"), "Untitled 3");
    type("ImageTitle", "Label");
    EXPECT_EQ(record(0).Images[2].Title, "Untitled 3Label");
    tabs->setCurrentIndex(0);
    EXPECT_EQ(text("ImageTitle"), "Untitled 1");
    tabs->setCurrentIndex(2);
    EXPECT_EQ(text("ImageTitle"), "Untitled 3Label");
    EXPECT_EQ(find<QLabel>("PictureStatus")->text(), "No Image File Selected");
}

}  // namespace
}  // namespace vorlane::testing
