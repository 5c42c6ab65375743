// The search window driven as a person would: terms built through the grid
// and its menus, searches run, the search list extracted, removed, cleared.

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QProgressBar>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include "widgets/help_window.h"
#include "search/saved_search_file.h"
#include "search/ui/search_value_menus.h"
#include "search/ui/search_window_fixture.h"
#include "search/ui/term_grid.h"
#include "search/ui/record_range_dialog.h"
#include "storage/app_settings.h"
#include "storage/database_file.h"
#include "storage/safe_file.h"
#include "support/test_cellars.h"

namespace vorlane::testing {
namespace {

constexpr int kField = 0, kType = 1, kValue = 2;

// Answers the next modal range dialog: fills its edits and presses a button.
void AnswerRangeDialog(const QString& from, const QString& to, QString* maskSeen) {
    QTimer::singleShot(0, [=] {
        auto* form = qobject_cast<RecordRangeDialog*>(QApplication::activeModalWidget());
        if (!form) {
            ADD_FAILURE() << "no range dialog open";
            return;
        }
        auto* low = form->findChild<QLineEdit*>(QStringLiteral("LowValue"));
        auto* high = form->findChild<QLineEdit*>(QStringLiteral("HighValue"));
        if (maskSeen) *maskSeen = low->inputMask();
        low->setText(from);
        high->setText(to);
        QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("OKButton")), Qt::LeftButton);
    });
}

class SearchWindowFlow : public SearchWindowTest {
protected:
    void SetUp() override {
        SetRecords({"Chablis Premier Cru", "Chablis Grand Cru", "Pauillac", "Margaux", "Barolo"});
        const char* regions[] = {"Chablis : Burgundy : France", "Chablis : Burgundy : France",
                                 "Pauillac : Bordeaux : France", "Margaux : Bordeaux : France",
                                 "Barolo : Piedmont : Italy"};
        const char* vintages[] = {"1990", "1993", "1995", "1994", "1991"};
        for (std::size_t i = 0; i < 5; ++i) {
            record(i).Description(1) = regions[i];
            record(i).Details[3] = vintages[i];
        }
        record(2).Favorite = true;
        record(3).Favorite = true;
        record(4).Favorite = true;
        session->db().valueTrees[0] =
            "France\r\n\tBordeaux\r\n\t\tPauillac\r\n\t\tMargaux\r\n\tBurgundy\r\n\t\tChablis\r\nItaly\r\n\tPiedmont\r\n";
    }
};

TEST_F(SearchWindowFlow, TermsBuiltThroughTheGridFindRecordsThatAreThenExtractedToAFile) {
    Activate();
    ASSERT_EQ(Rows(), 1);

    // Row 1: a description term from the value menu. Opening a submenu already picks its value.
    Choose(ActOn(0, kField), QStringLiteral("Region"));
    EXPECT_EQ(Cell(0, kField), "Region");
    EXPECT_EQ(Cell(0, kType), "Includes");
    QMenu* regions = ActOn(0, kValue);
    ASSERT_EQ(regions, window().valueMenu(1));
    QAction* france = Entry(regions, QStringLiteral("France"));
    ASSERT_NE(france, nullptr);
    ASSERT_NE(france->menu(), nullptr);
    emit france->menu()->aboutToShow();
    EXPECT_EQ(Cell(0, kValue), "France");
    QAction* bordeaux = Entry(france->menu(), QStringLiteral("Bordeaux"));
    ASSERT_NE(bordeaux, nullptr);
    emit bordeaux->menu()->aboutToShow();
    regions->close();
    EXPECT_EQ(Cell(0, kValue), "Bordeaux : France");

    // Row 2: a vintage range through the real range dialog.
    Click(QStringLiteral("Add Term"));
    ASSERT_EQ(Rows(), 2);
    Choose(ActOn(1, kField), QStringLiteral("Vintage"));
    QString mask;
    AnswerRangeDialog(QStringLiteral("1990"), QStringLiteral("1995"), &mask);
    EXPECT_EQ(ActOn(1, kValue), nullptr);
    EXPECT_EQ(mask, QString::fromLatin1(ToQtInputMask("9090;1;_").c_str()));
    EXPECT_EQ(Cell(1, kValue), "1990 < 1995");

    // Row 3: a typed name that must not occur.
    Click(QStringLiteral("Add Term"));
    Choose(ActOn(2, kField), QStringLiteral("Name"));
    Choose(ActOn(2, kType), QStringLiteral("Does Not Include"));
    window().grid()->setCurrentCell(2, kValue);
    window().grid()->setFocus();
    QTest::keyClick(window().grid(), Qt::Key_M);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr) << "typing did not open the cell editor";
    QTest::keyClicks(editor, QStringLiteral("arg"));
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(Cell(2, kType), "Does Not Include");
    EXPECT_EQ(Cell(2, kValue), "marg");
    ASSERT_NE(window().search().terms.criterionOf(2), nullptr);
    EXPECT_EQ(window().search().terms.criterionOf(2)->value, "marg");

    // Row 4: the status menu.
    Click(QStringLiteral("Add Term"));
    Choose(ActOn(3, kField), QStringLiteral("Status"));
    Choose(ActOn(3, kValue), QStringLiteral("Favorite"));
    EXPECT_EQ(Cell(3, kValue), "Favorite");

    EXPECT_FALSE(window().action(QStringLiteral("Save search list records to new file."))->isEnabled());
    Click(QStringLiteral("Search"));
    EXPECT_TRUE(dialogs.shown().empty()) << dialogs.messages().front();
    EXPECT_EQ(listedNames(), (std::vector<std::string>{"Pauillac"}));
    EXPECT_EQ(session->viewMode, 2);
    EXPECT_EQ(spreadsheetShown(), 1);
    EXPECT_EQ(window().search().resultMessage(), "1 new record was found during the previous search.");
    auto* shownResult = window().findChild<QLabel*>(QStringLiteral("ResultMessage"));
    ASSERT_NE(shownResult, nullptr);
    EXPECT_EQ(shownResult->text(), "1 new record was found during the previous search.");
    EXPECT_EQ(window().progressBar()->value(), 5);

    // Running it again finds nothing new.
    Click(QStringLiteral("Search"));
    EXPECT_EQ(dialogs.messages(), (std::vector<std::string>{"No new records were found during this search."}));
    EXPECT_EQ(window().search().resultMessage(), "");
    dialogs.clearShown();

    // Extract the list; the first name offered exists and is declined.
    const std::string taken = folder.file("taken.dat");
    const std::string target = folder.file("found.dat");
    WriteCellar(taken, CellarOf({"Old"}));
    dialogs.Choose(taken);
    dialogs.No();
    dialogs.Choose(target);
    Tool(QStringLiteral("Save search list records to new file."));
    Choose(window().extractMenu(), QStringLiteral("Extract To File"));
    EXPECT_EQ(dialogs.messages(),
              (std::vector<std::string>{"Extract and Save Searched Records As",
                                        taken + " already exists.  Do you want to overwrite it ?",
                                        "Extract and Save Searched Records As", "Extract Sucessful !"}));
    EXPECT_TRUE(dialogs.scriptUsedUp());

    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(target, bytes).ok);
    Database extracted;
    ASSERT_EQ(DecodeDatabase(bytes, target, extracted), ReadStatus::Loaded);
    ASSERT_EQ(extracted.records.size(), 1u);
    EXPECT_EQ(extracted.records[0].Name, "Pauillac");
    EXPECT_EQ(extracted.records[0].Description(1), "Pauillac : Bordeaux : France");
    EXPECT_EQ(ReadCellar(taken).records[0].Name, "Old");
    EXPECT_EQ(session->records().size(), 5u);
}

TEST_F(SearchWindowFlow, FieldsInUseAreDisabledExceptIngredientsAndRemovingATermFreesItsField) {
    Activate();
    Choose(ActOn(0, kField), QStringLiteral("Name"));
    Click(QStringLiteral("Add Term"));
    Choose(ActOn(1, kField), QStringLiteral("Ingredients"));
    Click(QStringLiteral("Add Term"));
    QMenu* fields = ActOn(2, kField);
    EXPECT_FALSE(Entry(fields, QStringLiteral("Name"))->isEnabled());
    EXPECT_TRUE(Entry(fields, QStringLiteral("Ingredients"))->isEnabled());
    Choose(fields, QStringLiteral("Ingredients"));
    EXPECT_EQ(Cell(2, kField), "Ingredients");

    Choose(ActOn(0, kField), QStringLiteral("REMOVE SEARCH TERM"));
    ASSERT_EQ(Rows(), 2);
    EXPECT_EQ(Cell(0, kField), "Ingredients");
    EXPECT_TRUE(Entry(window().fieldMenu(), QStringLiteral("Name"))->isEnabled());

    // The last row is kept, emptied.
    Choose(ActOn(0, kField), QStringLiteral("REMOVE SEARCH TERM"));
    Choose(ActOn(0, kField), QStringLiteral("REMOVE SEARCH TERM"));
    ASSERT_EQ(Rows(), 1);
    EXPECT_EQ(Cell(0, kField), "");
    EXPECT_EQ(Cell(0, kValue), "");
    EXPECT_EQ(window().search().terms.rows()[0].link, kNoCriterion);
}

TEST_F(SearchWindowFlow, OnlyTypedValueCellsAcceptTyping) {
    Activate();
    Choose(ActOn(0, kField), QStringLiteral("Region"));
    Click(QStringLiteral("Add Term"));
    Choose(ActOn(1, kField), QStringLiteral("Keywords"));
    auto editable = [&](int row, int column) {
        return (window().grid()->item(row, column)->flags() & Qt::ItemIsEditable) != 0;
    };
    EXPECT_FALSE(editable(0, kField));
    EXPECT_FALSE(editable(0, kType));
    EXPECT_FALSE(editable(0, kValue));
    EXPECT_FALSE(editable(1, kField));
    EXPECT_TRUE(editable(1, kValue));

    // A key on a cell that is not typed into opens its menu instead.
    window().grid()->setCurrentCell(0, kType);
    window().grid()->setFocus();
    QTest::keyClick(window().grid(), Qt::Key_X);
    QApplication::processEvents();
    EXPECT_TRUE(window().typeMenu()->isVisible());
    window().typeMenu()->close();
    EXPECT_EQ(Cell(0, kType), "Includes");
}

TEST_F(SearchWindowFlow, MenuEntriesShowAmpersandsAsTheyAreAndValueMenusListEachLevelInReverse) {
    session->db().labels[10] = "R&D";
    Activate();
    EXPECT_NE(Entry(window().fieldMenu(), QStringLiteral("R&&D")), nullptr);
    QStringList top;
    for (QAction* action : window().valueMenu(1)->actions()) top << action->text();
    EXPECT_EQ(top, (QStringList{"Italy", "France"}));
    QAction* france = Entry(window().valueMenu(1), QStringLiteral("France"));
    QStringList below;
    for (QAction* action : SearchValueMenus::submenu(france)->actions()) below << action->text();
    EXPECT_EQ(below, (QStringList{"Burgundy", "Bordeaux"}));
}

TEST_F(SearchWindowFlow, TheMainWindowsCaptionsNameTheFieldsAndStatusValues) {
    links.captions = [] {
        SearchCaptions captions;
        captions.name = "Wine";
        captions.statusFlags = {"Loved", "Tasted", "Waiting"};
        return captions;
    };
    Activate();
    EXPECT_EQ(Entry(window().fieldMenu(), QStringLiteral("Name")), nullptr);
    Choose(ActOn(0, kField), QStringLiteral("Status"));
    QMenu* statuses = ActOn(0, kValue);
    ASSERT_EQ(statuses, window().statusMenu());
    QStringList shown;
    for (QAction* action : statuses->actions()) shown << action->text();
    EXPECT_EQ(shown, (QStringList{"Loved", "Tasted", "Waiting"}));
    Choose(statuses, QStringLiteral("Loved"));
    Click(QStringLiteral("Add Term"));
    Choose(ActOn(1, kField), QStringLiteral("Wine"));
    window().grid()->item(1, kValue)->setText(QStringLiteral("PAU"));
    Click(QStringLiteral("Search"));
    EXPECT_EQ(listedNames(), (std::vector<std::string>{"Pauillac"}));
}

TEST_F(SearchWindowFlow, ValueMenusStayWhileTheirTreesAreUnchangedAndSubmenusWaitUntilOpened) {
    Activate();
    QPointer<QMenu> kept = window().valueMenu(1);
    QAction* france = Entry(kept, QStringLiteral("France"));
    ASSERT_NE(france, nullptr);
    ASSERT_NE(france->menu(), nullptr);
    EXPECT_TRUE(france->menu()->actions().isEmpty());
    Deactivate();
    session->recordListChanged = true;
    Activate();
    EXPECT_EQ(window().valueMenu(1), kept.data());
}

TEST_F(SearchWindowFlow, ValueMenusAreRebuiltWhenTheWindowBecomesActiveAgain) {
    Activate();
    EXPECT_EQ(Entry(window().valueMenu(1), QStringLiteral("Spain")), nullptr);
    Deactivate();
    session->db().valueTrees[0] = "Spain\r\n\tRioja\r\n";
    Activate();
    EXPECT_NE(Entry(window().valueMenu(1), QStringLiteral("Rioja")), nullptr);
    EXPECT_EQ(Entry(window().valueMenu(1), QStringLiteral("France")), nullptr);
}

TEST_F(SearchWindowFlow, TheFiftiethTermIsTheLast) {
    Activate();
    for (int i = 1; i < 50; ++i) Click(QStringLiteral("Add Term"));
    EXPECT_EQ(Rows(), 50);
    EXPECT_TRUE(dialogs.shown().empty());
    Click(QStringLiteral("Add Term"));
    EXPECT_EQ(Rows(), 50);
    EXPECT_EQ(dialogs.messages(), (std::vector<std::string>{"You may add a maximum of 50 search terms per search."}));
}

TEST_F(SearchWindowFlow, RecordRangeIsAddedAndClearEmptiesTheList) {
    Activate();
    EXPECT_EQ(window().rangeHigh()->maximum(), 5);
    window().rangeLow()->setValue(2);
    window().rangeHigh()->setValue(4);
    session->currentIndex = 3;
    Click(QStringLiteral("Add"));
    EXPECT_EQ(dialogs.messages(),
              (std::vector<std::string>{"Records 2 to 4 have been added to the Search List."}));
    EXPECT_EQ(listedNames(), (std::vector<std::string>{"Chablis Grand Cru", "Pauillac", "Margaux"}));
    EXPECT_EQ(session->currentIndex, 0);
    EXPECT_EQ(recordsChanged, 1);
    EXPECT_TRUE(window().action(QStringLiteral("Save search list records to new file."))->isEnabled());

    dialogs.clearShown();
    Click(QStringLiteral("Clear"));
    EXPECT_EQ(dialogs.messages(), (std::vector<std::string>{"Search List Cleared"}));
    EXPECT_TRUE(listedNames().empty());
    EXPECT_EQ(window().progressBar()->value(), 0);
    EXPECT_FALSE(window().action(QStringLiteral("Save search list records to new file."))->isEnabled());

    // "Add" enables extracting even when its range added nothing.
    window().rangeLow()->setValue(4);
    window().rangeHigh()->setValue(2);
    Click(QStringLiteral("Add"));
    EXPECT_TRUE(listedNames().empty());
    EXPECT_TRUE(window().action(QStringLiteral("Save search list records to new file."))->isEnabled());
}

TEST_F(SearchWindowFlow, RemovingEveryListedRecordKeepsOneRecord) {
    Activate();
    window().rangeLow()->setValue(1);
    window().rangeHigh()->setValue(5);
    Click(QStringLiteral("Add"));
    dialogs.clearShown();

    dialogs.No();
    Tool(QStringLiteral("Save search list records to new file."));
    Choose(window().extractMenu(), QStringLiteral("Remove From Database"));
    EXPECT_EQ(session->records().size(), 5u);

    dialogs.Yes();
    Choose(window().extractMenu(), QStringLiteral("Remove From Database"));
    EXPECT_EQ(dialogs.messages(),
              (std::vector<std::string>{
                  "All Search List Records will be removed.  Are you sure you want to continue ?",
                  "All Search List Records will be removed.  Are you sure you want to continue ?",
                  "4 records have been removed from the Database."}));
    ASSERT_EQ(session->records().size(), 1u);
    EXPECT_EQ(session->currentIndex, 0);
    EXPECT_EQ(window().rangeLow()->value(), 1);
    EXPECT_EQ(window().rangeHigh()->value(), 1);
    EXPECT_EQ(window().rangeHigh()->maximum(), 1);
    EXPECT_TRUE(session->recordListChanged);
}

TEST_F(SearchWindowFlow, RemovingSomeRecordsKeepsTheOthersInOrder) {
    Activate();
    window().grid()->setCurrentCell(0, kField);
    Choose(window().fieldMenu(), QStringLiteral("Status"));
    Choose(ActOn(0, kValue), QStringLiteral("Favorite"));
    Click(QStringLiteral("Search"));
    EXPECT_EQ(listedNames(), (std::vector<std::string>{"Pauillac", "Margaux", "Barolo"}));
    dialogs.Yes();
    Tool(QStringLiteral("Save search list records to new file."));
    Choose(window().extractMenu(), QStringLiteral("Remove From Database"));
    EXPECT_EQ(names(), (std::vector<std::string>{"Chablis Premier Cru", "Chablis Grand Cru"}));
    EXPECT_EQ(dialogs.messages().back(), "3 records have been removed from the Database.");
    EXPECT_FALSE(window().action(QStringLiteral("Save search list records to new file."))->isEnabled());
}

TEST_F(SearchWindowFlow, SearchesAreSavedClearedAndLoadedBack) {
    Activate();
    Choose(ActOn(0, kField), QStringLiteral("Name"));
    Choose(ActOn(0, kType), QStringLiteral("Does Not Include"));
    window().search().terms.SetTypedValue(0, "ch");
    Click(QStringLiteral("Add Term"));
    Choose(ActOn(1, kField), QStringLiteral("Region"));
    Choose(ActOn(1, kValue), QStringLiteral("Piedmont"));

    const std::string path = folder.file("terms.srh");
    dialogs.Choose(path);
    Tool(QStringLiteral("Save Search To Disk"));
    EXPECT_EQ(dialogs.messages().back(), "Search Saved.");

    dialogs.No();
    Click(QStringLiteral("New Search"));
    EXPECT_EQ(Rows(), 2);
    dialogs.Yes();
    Click(QStringLiteral("New Search"));
    EXPECT_EQ(Rows(), 1);
    EXPECT_EQ(Cell(0, kField), "");
    EXPECT_TRUE(Entry(window().fieldMenu(), QStringLiteral("Name"))->isEnabled());

    dialogs.Yes();
    dialogs.Choose(path);
    Tool(QStringLiteral("Load Search From Disk"));
    ASSERT_EQ(Rows(), 2);
    EXPECT_EQ(Cell(0, kField), "Name");
    EXPECT_EQ(Cell(0, kType), "Does Not Include");
    EXPECT_EQ(Cell(0, kValue), "ch");
    EXPECT_EQ(Cell(1, kField), "Region");
    EXPECT_EQ(Cell(1, kValue), "Piedmont : Italy");
    EXPECT_FALSE(Entry(window().fieldMenu(), QStringLiteral("Name"))->isEnabled());

    Click(QStringLiteral("Search"));
    EXPECT_EQ(listedNames(), (std::vector<std::string>{"Barolo"}));

    dialogs.clearShown();
    const std::string broken = folder.file("broken.srh");
    WriteCellar(broken, CellarOf({"not a search"}));
    dialogs.Yes();
    dialogs.Choose(broken);
    Tool(QStringLiteral("Load Search From Disk"));
    EXPECT_EQ(dialogs.messages().back(), "Selected search file is invalid.  No search loaded.");
}

TEST_F(SearchWindowFlow, SaveDatabaseFollowsTheSessionAndPermission) {
    const std::string path = folder.file("locked.dat");
    WriteCellar(path, CellarOf({"Barolo", "Chablis"}), "", "secret");
    Activate();
    EXPECT_FALSE(window().action(QStringLiteral("Save Database"))->isEnabled());

    dialogs.Type("wrong");
    session->OpenDatabaseFile(path);
    ASSERT_FALSE(session->savePermission());
    dialogs.clearShown();
    Deactivate();
    Activate();
    EXPECT_TRUE(window().action(QStringLiteral("Save Database"))->isEnabled());
    Tool(QStringLiteral("Save Database"));
    EXPECT_EQ(dialogs.messages(), (std::vector<std::string>{"Sorry, you do not have permission to save this file."}));

    // Extracting is refused the same way, after the file was chosen.
    window().rangeHigh()->setValue(2);
    Click(QStringLiteral("Add"));
    dialogs.clearShown();
    dialogs.Choose(folder.file("copy.dat"));
    Choose(window().extractMenu(), QStringLiteral("Extract To File"));
    EXPECT_EQ(dialogs.messages(), (std::vector<std::string>{"Extract and Save Searched Records As",
                                                            "Sorry, you do not have permission to save this file."}));
    EXPECT_FALSE(std::filesystem::exists(folder.file("copy.dat")));
}

TEST_F(SearchWindowFlow, SaveDatabaseWritesTheOpenFile) {
    const std::string path = folder.file("cellar.dat");
    WriteCellar(path, CellarOf({"Barolo"}));
    session->OpenDatabaseFile(path);
    dialogs.clearShown();
    Activate();
    session->records()[0].Name = "Barolo Riserva";
    Tool(QStringLiteral("Save Database"));
    EXPECT_EQ(dialogs.messages(), (std::vector<std::string>{"File Saved"}));
    EXPECT_EQ(ReadCellar(path).records[0].Name, "Barolo Riserva");
}

TEST_F(SearchWindowTest, ProgressBarRunsToTheEndOfALongList) {
    std::vector<std::string> many;
    for (int i = 0; i < 20000; ++i) many.push_back("Wine " + std::to_string(i + 1));
    SetRecords(many);
    for (std::size_t i = 0; i < 20000; i += 2) record(i).Tested = true;
    Activate();
    SearchTerms& terms = window().search().terms;
    ASSERT_TRUE(terms.ChooseField(0, kSearchStatus, "Status"));
    terms.SetChosenValue(0, "Tested");

    std::vector<int> seen;
    QObject::connect(window().progressBar(), &QProgressBar::valueChanged, [&seen](int v) { seen.push_back(v); });
    Click(QStringLiteral("Search"));
    EXPECT_EQ(window().progressBar()->maximum(), 20000);
    EXPECT_EQ(window().progressBar()->value(), 20000);
    ASSERT_GE(seen.size(), 4u) << "the bar did not move during the search";
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
    EXPECT_GT(seen[1], 0);
    EXPECT_LT(seen[1], 20000);
    EXPECT_EQ(listedNames().size(), 10000u);
    EXPECT_EQ(window().search().resultMessage(), "10000 new records were found during the previous search.");
}

TEST_F(SearchWindowTest, SizeIsReadAtCreationAndWrittenWhenTheWindowLosesTheFocus) {
    WriteSettings("[SETTINGS]\nSearchW:=700\nsearchh:=520\n");
    SetRecords({"Barolo"});
    Activate();
    EXPECT_EQ(window().width(), 700);
    EXPECT_EQ(window().height(), 520);
    window().resize(640, 480);
    Deactivate();
    const WindowSize written = ReadWindowSize(paths.settingsFile, WindowKind::Search);
    EXPECT_EQ(written.width, 640);
    EXPECT_EQ(written.height, 480);
}

TEST_F(SearchWindowTest, DefaultSizeAndTheButtonsOfWindowsNotThere) {
    SetRecords({"Barolo"});
    links.opener = nullptr;
    Activate();
    EXPECT_EQ(window().width(), 581);
    EXPECT_EQ(window().height(), 454);
    for (const char* hint : {"Perform Search", "Generate Album View", "Generate Graph", "Generate Spreadsheet",
                             "Generate Report", "Display Main Window", "Display Calculator", "Display Calendar",
                             "Display CD Player"}) {
        QAction* action = window().action(QString::fromLatin1(hint));
        ASSERT_NE(action, nullptr) << hint;
        EXPECT_FALSE(action->isEnabled()) << hint;
    }
    for (const char* hint : {"Load Search From Disk", "Save Search To Disk", "Print a screenshot", "Display Help",
                             "Close Search Window"}) {
        QAction* action = window().action(QString::fromLatin1(hint));
        ASSERT_NE(action, nullptr) << hint;
        EXPECT_TRUE(action->isEnabled()) << hint;
    }
}

TEST_F(SearchWindowTest, ClosingOnlyHidesAndTheTermsStay) {
    SetRecords({"Barolo"});
    Activate();
    window().search().terms.ChooseField(0, kSearchName, "Name");
    Tool(QStringLiteral("Display Main Window"));
    EXPECT_EQ(opener.opened[ProgramWindow::Main], 1);
    Tool(QStringLiteral("Close Search Window"));
    EXPECT_FALSE(window().isVisible());
    Activate();
    EXPECT_EQ(window().search().terms.rows()[0].field, "Name");
}

TEST_F(SearchWindowTest, HelpOpensTheSearchTopicAndPrintWritesTheTerms) {
    SetRecords({"Barolo"});
    Activate();
    window().search().terms.ChooseField(0, kSearchName, "Name");
    Tool(QStringLiteral("Display Help"));
    HelpWindow* help = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* candidate = qobject_cast<HelpWindow*>(top)) help = candidate;
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->currentTopicFile(), "search-function.html");
    help->close();

    const QString pdf = QString::fromStdString(folder.file("terms.pdf"));
    int offeredPages = -1;
    window().setPrinterChooser([&](QPrinter& printer, QWidget*, int pages) {
        offeredPages = pages;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    });
    Choose(window().printMenu(), QStringLiteral("Print"));
    EXPECT_EQ(offeredPages, 1);
    EXPECT_GT(QFileInfo(pdf).size(), 0);
    EXPECT_TRUE(dialogs.shown().empty());
}

// ---- the range dialog ----

class RecordRangeDialogTest : public ::testing::Test {
protected:
    ScriptedDialogs dialogs;
};

TEST_F(RecordRangeDialogTest, EditsCarryTheMaskAndTheTextsTheyOpenWith) {
    RangeDialogTexts texts{"!9090/90/00;1;_", "0000/01/01", "0000/01/01", "2050/12/12"};
    RecordRangeDialog form(texts, dialogs);
    EXPECT_EQ(form.windowTitle(), "Select Range");
    for (const char* name : {"RecordValue", "LowValue", "HighValue"}) {
        auto* edit = form.findChild<QLineEdit*>(QString::fromLatin1(name));
        ASSERT_NE(edit, nullptr) << name;
        EXPECT_EQ(edit->inputMask(), QStringLiteral("0909/09/99;_")) << name;
    }
    EXPECT_EQ(form.findChild<QLineEdit*>(QStringLiteral("LowValue"))->text(), "0000/01/01");
    EXPECT_EQ(form.findChild<QLineEdit*>(QStringLiteral("HighValue"))->text(), "2050/12/12");

    RangeDialogTexts plain{"", "", "", ""};
    RecordRangeDialog unmasked(plain, dialogs);
    EXPECT_EQ(unmasked.findChild<QLineEdit*>(QStringLiteral("RecordValue"))->inputMask(), "");
}

TEST_F(RecordRangeDialogTest, EmptyEditsAreRefusedWithTheirMessages) {
    RecordRangeDialog form(RangeDialogTexts{"", "", "", ""}, dialogs);
    form.acceptSpecificValue();
    form.acceptRange();
    form.findChild<QLineEdit*>(QStringLiteral("LowValue"))->setText(QStringLiteral("A"));
    form.acceptRange();
    EXPECT_EQ(dialogs.messages(), (std::vector<std::string>{"Please enter a value in the search field.",
                                                            "Please enter a value in the \"from\" search field.",
                                                            "Please enter a value in the \"to\" search field."}));
    EXPECT_FALSE(form.answer().accepted);
    EXPECT_EQ(form.result(), QDialog::Rejected);
}

TEST_F(RecordRangeDialogTest, AMaskWithoutLiteralsLeavesAnEmptyEditEmpty) {
    RecordRangeDialog form(RangeDialogTexts{"99;1;_", "", "", ""}, dialogs);
    form.acceptSpecificValue();
    EXPECT_EQ(dialogs.messages(), (std::vector<std::string>{"Please enter a value in the search field."}));
}

TEST_F(RecordRangeDialogTest, OkButtonsAnswerWithTheValueOrTheRange) {
    RecordRangeDialog exact(RangeDialogTexts{"", "1995", "1995", "2050"}, dialogs);
    exact.acceptSpecificValue();
    EXPECT_TRUE(exact.answer().accepted);
    EXPECT_EQ(exact.answer().value, "1995");
    EXPECT_EQ(exact.answer().highValue, "1995");
    EXPECT_EQ(exact.result(), QDialog::Accepted);

    RecordRangeDialog range(RangeDialogTexts{"", "", "", ""}, dialogs);
    range.findChild<QLineEdit*>(QStringLiteral("LowValue"))->setText(QStringLiteral("1999/01/01"));
    range.findChild<QLineEdit*>(QStringLiteral("HighValue"))->setText(QStringLiteral("1999/12/31"));
    QTest::keyClick(range.findChild<QLineEdit*>(QStringLiteral("HighValue")), Qt::Key_Return);
    EXPECT_TRUE(range.answer().accepted);
    EXPECT_EQ(range.answer().cellText, "1999/01/01 < 1999/12/31");
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(RecordRangeDialogTest, CancelChangesNothing) {
    RecordRangeDialog form(RangeDialogTexts{"", "x", "x", "y"}, dialogs);
    QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("CancelButton")), Qt::LeftButton);
    EXPECT_FALSE(form.answer().accepted);
    EXPECT_EQ(form.result(), QDialog::Rejected);
}

}  // namespace
}  // namespace vorlane::testing
