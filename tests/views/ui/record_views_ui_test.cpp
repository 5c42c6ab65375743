#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QDialog>
#include <QDir>
#include <QImage>
#include <QRadioButton>
#include <QSplitter>
#include <QTest>
#include <QTimer>

#include "editor/ui/description_menu_builder.h"
#include "editor/ui/images_page.h"
#include "editor/ui/main_window_fixture.h"
#include "views/ui/album_grid.h"
#include "views/ui/spreadsheet_delegate.h"
#include "views/ui/spreadsheet_model.h"
#include "views/ui/album_window.h"
#include "views/ui/column_chooser_dialog.h"
#include "views/ui/spreadsheet_window.h"
#include "widgets/grid_print.h"
#include "widgets/key_typing.h"
#include "widgets/recording_opener.h"

namespace vorlane::testing {
namespace {

class RecordViewsTest : public ViewTest {
protected:
    // Three records named A, B, C; the spreadsheet shown on all of them.
    SpreadsheetWindow& Sheet() {
        StartEmpty();
        for (const char* name : {"B", "C"}) {
            session->AppendNewRecord();
            session->records().back().Name = name;
        }
        record(0).Name = "A";
        SpreadsheetWindow& sheet = windows().spreadsheet();
        windows().open(ProgramWindow::Spreadsheet);
        sheet.activate();
        QApplication::processEvents();
        return sheet;
    }
    int Column(SpreadsheetWindow& sheet, int code) {
        for (int c = 0; c < sheet.model().columnCount(); ++c)
            if (sheet.model().codeAt(c) == code) return c;
        ADD_FAILURE() << "no column " << code;
        return 0;
    }
    // A right press on the cell; returns the menu that popped up.
    void RightPress(SpreadsheetWindow& sheet, int row, int code) { sheet.pressCell(row, Column(sheet, code), true, {10, 10}); }
};

TEST_F(RecordViewsTest, TypingInACellReachesTheRecordAndTheMainWindow) {
    SpreadsheetWindow& sheet = Sheet();
    const QModelIndex cell = sheet.model().index(1, Column(sheet, kNameCode));
    sheet.selectCell(1, cell.column());
    sheet.grid()->edit(cell);
    QLineEdit* editor = sheet.delegate().openEditor();
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    TypeText(editor, QStringLiteral("Chablis"));
    EXPECT_EQ(record(1).Name, "Chablis");  // at every keystroke
    EXPECT_EQ(session->currentIndex, 1);
    EXPECT_EQ(text(QStringLiteral("RecordName")), QStringLiteral("Chablis"));

    record(2).ReadOnly = true;
    EXPECT_FALSE(sheet.model().flags(sheet.model().index(2, cell.column())) & Qt::ItemIsEditable);
    EXPECT_FALSE(sheet.model().setData(sheet.model().index(2, cell.column()), QStringLiteral("x"), Qt::EditRole));
    EXPECT_EQ(record(2).Name, "C");
}

TEST_F(RecordViewsTest, EscapeGivesTheCellBackItsText) {
    SpreadsheetWindow& sheet = Sheet();
    record(1).Name = "Louis Jadot Meursault 2017";
    const QModelIndex cell = sheet.model().index(1, Column(sheet, kNameCode));
    sheet.selectCell(1, cell.column());
    QTest::keyClick(sheet.grid(), Qt::Key_X);  // a stray key opens the editor over the text
    ASSERT_NE(sheet.delegate().openEditor(), nullptr);
    EXPECT_EQ(record(1).Name, "x");
    QTest::keyClick(sheet.delegate().openEditor(), Qt::Key_Escape);
    EXPECT_TRUE(!sheet.delegate().openEditor() || !sheet.delegate().openEditor()->isVisible());  // closed
    EXPECT_EQ(record(1).Name, "Louis Jadot Meursault 2017");
    EXPECT_EQ(cell.data().toString(), QStringLiteral("Louis Jadot Meursault 2017"));
    EXPECT_EQ(text(QStringLiteral("RecordName")), QStringLiteral("Louis Jadot Meursault 2017"));
}

TEST_F(RecordViewsTest, ClosingTheWindowWithAnOpenEditorCommitsItFirst) {
    Sheet();
    RecordingOpener opener;
    WindowContext context{*session, dialogs, paths, opener};
    auto own = std::make_unique<SpreadsheetWindow>(context, SpreadsheetLinks{});
    own->activate();
    const int column = Column(*own, kNameCode);
    own->selectCell(0, column);
    own->grid()->edit(own->model().index(0, column));
    QLineEdit* editor = own->delegate().openEditor();
    ASSERT_NE(editor, nullptr);
    editor->setText(QStringLiteral("Chablis"));  // not yet handed to the record
    own.reset();
    QApplication::processEvents();
    EXPECT_EQ(record(0).Name, "Chablis");
}

TEST_F(RecordViewsTest, StatusMenuSetsOneFlagAndTheMainWindowFollows) {
    SpreadsheetWindow& sheet = Sheet();
    record(2).Favorite = true;
    RightPress(sheet, 2, kStatusCode);
    ASSERT_TRUE(sheet.statusMenu()->isVisible());
    EXPECT_EQ(sheet.statusMenu()->actions()[2]->text(), QStringLiteral("Untested"));
    sheet.statusMenu()->actions()[2]->trigger();
    sheet.statusMenu()->hide();
    EXPECT_FALSE(record(2).Favorite);
    EXPECT_TRUE(record(2).Untested);
    EXPECT_TRUE(find<QCheckBox>(QStringLiteral("CheckBox3"))->isChecked());
    EXPECT_FALSE(find<QCheckBox>(QStringLiteral("CheckBox1"))->isChecked());
    EXPECT_EQ(sheet.model().index(2, Column(sheet, kStatusCode)).data().toString(), QStringLiteral("Untested"));

    // The description menu is the main window's, acting on the pressed row's record.
    record(1).Description(1) = "Pauillac : Bordeaux : France";
    RightPress(sheet, 1, DescriptionCode(1));
    QMenu* regions = view().descriptionMenus().menu(1);
    ASSERT_TRUE(regions && regions->isVisible());
    regions->actions()[1]->trigger();  // "CLEAR FIELD"
    regions->hide();
    EXPECT_EQ(record(1).Description(1), "");

    // Detail 0 and read-only records open no menu.
    sheet.statusMenu()->hide();
    RightPress(sheet, 0, DetailCode(0));
    record(1).ReadOnly = true;
    RightPress(sheet, 1, kStatusCode);
    EXPECT_FALSE(sheet.statusMenu()->isVisible());
}

TEST_F(RecordViewsTest, PictureMenuChoosesAndClearsTheSlot) {
    SpreadsheetWindow& sheet = Sheet();
    const std::string picture = VORLANE_SOURCE_DIR "/data/placeholder.png";
    dialogs.Choose(picture);
    RightPress(sheet, 1, ImageCode(2));
    ASSERT_TRUE(sheet.pictureMenu()->isVisible());
    sheet.pictureMenu()->actions()[0]->trigger();  // "Select Image"
    sheet.pictureMenu()->hide();
    EXPECT_EQ(record(1).Images[1].FileName, picture);
    EXPECT_TRUE(record(1).Images[0].FileName.empty());

    RightPress(sheet, 1, ImageCode(2));
    sheet.pictureMenu()->actions()[1]->trigger();  // "Clear Image"
    sheet.pictureMenu()->hide();
    EXPECT_TRUE(record(1).Images[1].FileName.empty());
    EXPECT_TRUE(dialogs.scriptUsedUp());
}

TEST_F(RecordViewsTest, RecordNumberBoxAndEmptySearchList) {
    SpreadsheetWindow& sheet = Sheet();
    for (const auto& [typed, shown] : {std::pair{"0", "1"}, {"99", "3"}}) {
        sheet.numberBox()->setText(QString::fromLatin1(typed));
        sheet.goToTypedNumber();
        EXPECT_EQ(sheet.numberBox()->text(), QString::fromLatin1(shown));
    }
    EXPECT_EQ(sheet.grid()->currentIndex().row(), 2);
    sheet.numberBox()->setText(QStringLiteral("x"));
    sheet.goToTypedNumber();
    EXPECT_EQ(dialogs.messages().back(), "You have entered an invalid number, please try again");

    sheet.modeButton(2)->click();
    EXPECT_EQ(sheet.model().rowCount(), 0);
    EXPECT_EQ(sheet.statusText(), QStringLiteral("Search List Empty"));
}

TEST_F(RecordViewsTest, BrowsePanelSelectsByPrimaryCategory) {
    SpreadsheetWindow& sheet = Sheet();
    const char* regions[] = {"Pauillac : Bordeaux : France", "Napa : California : USA", "Medoc : Bordeaux : France"};
    for (std::size_t i = 0; i < 3; ++i) record(i).Description(1) = regions[i];
    sheet.modeButton(3)->click();
    QApplication::processEvents();
    ASSERT_EQ(sheet.browseBy()->currentText(), QStringLiteral("Primary \"Region\" Category"));
    ASSERT_EQ(sheet.browseList()->count(), 2);
    EXPECT_EQ(sheet.model().rowCount(), 0);
    EXPECT_EQ(sheet.statusText(), QStringLiteral("No Records are Selected"));
    emit sheet.browseList()->itemClicked(sheet.browseList()->item(0));  // "France"
    EXPECT_EQ(sheet.model().rowCount(), 2);
    EXPECT_EQ(sheet.model().recordOf(1), 2);
    EXPECT_EQ(sheet.statusText(), QStringLiteral("Selected Records"));
}

TEST_F(RecordViewsTest, ClickingABrowseValueShowsItsRecordsAndTheAlbumShowsThemToo) {
    SpreadsheetWindow& sheet = Sheet();
    const char* regions[] = {"Pauillac : Bordeaux : France", "Napa : California : USA", "Medoc : Bordeaux : France"};
    for (std::size_t i = 0; i < 3; ++i) record(i).Description(1) = regions[i];
    sheet.activate();
    QApplication::processEvents();
    ASSERT_TRUE(sheet.modeButton(1)->isChecked());
    ASSERT_EQ(sheet.browseList()->count(), 2);
    emit sheet.browseList()->itemClicked(sheet.browseList()->item(0));  // "France", from "All Records"
    EXPECT_TRUE(sheet.modeButton(3)->isChecked());
    EXPECT_EQ(sheet.model().rowCount(), 2);
    EXPECT_EQ(sheet.statusText(), QStringLiteral("Selected Records"));

    windows().open(ProgramWindow::Album);
    auto* album = qobject_cast<AlbumWindow*>(windows().openWindow(ProgramWindow::Album));
    ASSERT_NE(album, nullptr);
    album->activate();
    EXPECT_EQ(album->windowTitle(), QStringLiteral("Album View (Selected Records)"));
    EXPECT_EQ(album->pageLabel(), QStringLiteral("Page 1 of 1"));
}

TEST_F(RecordViewsTest, PicturesShowScaledDownAndRowsGoBackWhenRefilled) {
    const std::string photo = folder.file("photo.png");
    QImage big(2000, 1500, QImage::Format_RGB32);
    big.fill(Qt::darkRed);
    ASSERT_TRUE(big.save(QString::fromStdString(photo)));
    SpreadsheetWindow& sheet = Sheet();
    record(0).Images[0].FileName = photo;
    sheet.resize(900, 600);
    sheet.activate();
    const int column = Column(sheet, ImageCode(1));
    sheet.grid()->scrollTo(sheet.model().index(0, column));
    sheet.grid()->viewport()->grab();
    QApplication::processEvents();
    EXPECT_GT(sheet.grid()->rowHeight(0), 100);
    EXPECT_LE(sheet.grid()->rowHeight(0), 200);
    EXPECT_LE(sheet.grid()->columnWidth(column), 200);

    record(0).Images[0].FileName.clear();  // no picture any more: the refill gives the row back
    sheet.activate();
    EXPECT_EQ(sheet.grid()->rowHeight(0), 21);
}

TEST_F(RecordViewsTest, TheGridShowsOneLineACellAndTheBoxesShowTheirStart) {
    SpreadsheetWindow& sheet = Sheet();
    EXPECT_FALSE(sheet.grid()->wordWrap());
    EXPECT_EQ(sheet.grid()->textElideMode(), Qt::ElideRight);
    EXPECT_EQ(sheet.browseBy()->lineEdit()->cursorPosition(), 0);
    sheet.grid()->horizontalHeader()->moveSection(1, 0);
    EXPECT_EQ(sheet.viewFields()->cursorPosition(), 0);

    // A wider window widens the grid, not the browse panel.
    sheet.resize(800, 500);
    QApplication::processEvents();
    auto* splitter = sheet.findChild<QSplitter*>();
    const int browseWidth = splitter->sizes().front();
    sheet.resize(1200, 500);
    QApplication::processEvents();
    EXPECT_EQ(splitter->sizes().front(), browseWidth);
}

TEST_F(RecordViewsTest, PrintSettingsAreKeptBetweenRuns) {
    auto printSettings = [](SpreadsheetWindow& sheet, std::function<void(QDialog*)> answer) {
        auto* timer = new QTimer;
        timer->setInterval(10);
        QObject::connect(timer, &QTimer::timeout, [timer, answer] {
            if (auto* dialog = qobject_cast<GridPrintSettingsDialog*>(QApplication::activeModalWidget())) {
                timer->stop();
                timer->deleteLater();
                answer(dialog);
            }
        });
        timer->start();
        QMenu* menu = sheet.action(QStringLiteral("Print a screenshot"))->menu();
        menu->actions()[0]->trigger();  // "Print Settings"
    };
    auto landscape = [](QDialog* dialog) {
        for (auto* radio : dialog->findChildren<QRadioButton*>())
            if (radio->text().contains(QStringLiteral("Landscape"))) return radio;
        return static_cast<QRadioButton*>(nullptr);
    };
    {
        RecordingOpener opener;
        WindowContext context{*session, dialogs, paths, opener};
        SpreadsheetWindow first(context, SpreadsheetLinks{});
        printSettings(first, [&](QDialog* dialog) {
            landscape(dialog)->setChecked(true);
            dialog->accept();
        });
    }
    RecordingOpener opener;
    WindowContext context{*session, dialogs, paths, opener};
    SpreadsheetWindow next(context, SpreadsheetLinks{});
    bool kept = false;
    printSettings(next, [&](QDialog* dialog) {
        kept = landscape(dialog)->isChecked();
        dialog->reject();
    });
    EXPECT_TRUE(kept);
}

TEST_F(RecordViewsTest, DraggingAHeaderRewritesTheColumnList) {
    SpreadsheetWindow& sheet = Sheet();
    sheet.grid()->setColumnWidth(1, 60);
    sheet.grid()->horizontalHeader()->moveSection(1, 0);  // the name to the front
    const ViewSettings& view = windows().main().viewSettings();
    EXPECT_EQ(view.columns[0], kNameCode);
    EXPECT_EQ(view.columns[1], kRecordNumberCode);
    EXPECT_EQ(view.widths[0], 60);
    EXPECT_TRUE(sheet.viewFields()->text().startsWith(QStringLiteral("Name+Record #+Region")));
    EXPECT_EQ(sheet.model().index(0, 0).data().toString(), QStringLiteral("A"));
}

TEST_F(RecordViewsTest, RightClickInTheAlbumOpensTheSpreadsheetOnThatRecord) {
    SpreadsheetWindow& sheet = Sheet();
    windows().open(ProgramWindow::Album);
    auto* album = qobject_cast<AlbumWindow*>(windows().openWindow(ProgramWindow::Album));
    ASSERT_NE(album, nullptr);
    album->activate();
    EXPECT_EQ(album->pageLabel(), QStringLiteral("Page 1 of 1"));
    AlbumGrid* grid = album->grid();
    const QSize cell = grid->cellSize();
    QTest::mouseClick(grid, Qt::RightButton, {}, QPoint(cell.width() + 5, 5));  // second cell: record B
    QApplication::processEvents();
    EXPECT_EQ(session->currentIndex, 1);
    EXPECT_TRUE(sheet.isVisible());
    EXPECT_EQ(sheet.grid()->currentIndex().row(), 1);
}

TEST_F(RecordViewsTest, TheSampleShowsItsFirstPictureFromBesideTheFile) {
    StartWith(VORLANE_SOURCE_DIR "/data/sample/cellar.dat");
    ASSERT_EQ(session->currentIndex, 0);
    auto* images = view().findChild<ImagesPage*>();
    ASSERT_NE(images, nullptr);
    EXPECT_TRUE(images->showingPicture()) << images->statusText().toStdString();
}

TEST_F(RecordViewsTest, ChooserListsTheColumnsAndKeepsOne) {
    ColumnChooserDialog form(DefaultSpreadsheetColumns(), DefaultLabels());
    EXPECT_EQ(form.fields()->count(), 29);
    for (QAction* entry : form.fieldMenu()->actions()) EXPECT_FALSE(entry->isEnabled());
    form.fields()->setCurrentRow(0);
    form.removeColumn();
    form.fieldMenu()->actions()[21]->trigger();  // "Record #" again
    EXPECT_EQ(form.columns()[28], kRecordNumberCode);
    while (form.fields()->count() > 1) form.removeColumn();
    EXPECT_FALSE(form.button(QStringLiteral("Remove"))->isEnabled());
}

}  // namespace
}  // namespace vorlane::testing
