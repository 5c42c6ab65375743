// Prints go to PDF files in a temporary folder and are read back with the
// poppler tools (pdftotext, pdfinfo, pdftoppm).

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTableWidget>
#include <QVBoxLayout>

#include "editor/ingredient_lists.h"
#include "widgets/window_print.h"
#include "widgets/grid_print.h"
#include "editor/ui/ingredients_actions.h"
#include "editor/ui/recipe_print.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

using namespace vorlane;
using vorlane::testing::ScriptedDialogs;
using vorlane::testing::TempFolder;

namespace {

QString Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString() << " failed: " << process.readAllStandardError().toStdString();
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString PdfText(const std::string& pdf) {
    return Run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QString::fromStdString(pdf), QStringLiteral("-")});
}

int PdfPages(const std::string& pdf) {
    QString info = Run(QStringLiteral("pdfinfo"), {QString::fromStdString(pdf)});
    auto match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// Page size in points.
QSizeF PdfPageSize(const std::string& pdf) {
    QString info = Run(QStringLiteral("pdfinfo"), {QString::fromStdString(pdf)});
    auto match = QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts")).match(info);
    return match.hasMatch() ? QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble()) : QSizeF();
}

QImage PdfPageImage(const TempFolder& folder, const std::string& pdf) {
    QString prefix = QString::fromStdString(folder.file("page"));
    Run(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("40"),
                                     QStringLiteral("-singlefile"), QString::fromStdString(pdf), prefix});
    return QImage(prefix + QStringLiteral(".png"));
}

void ToPdf(QPrinter& printer, const std::string& file) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(file));
    printer.setPageSize(QPageSize(QPageSize::A4));
}

PrinterChooser PdfChooser(const std::string& file) {
    return [file](QPrinter& printer, QWidget*, int) {
        ToPdf(printer, file);
        return true;
    };
}

// The grid as the main window holds it: 99 data rows of four columns.
std::unique_ptr<QTableWidget> IngredientsGrid() {
    auto grid = std::make_unique<QTableWidget>(99, 4);
    grid->setHorizontalHeaderLabels({"Ingredients", "Quantity", "Measure", "Notes"});
    grid->resize(600, 400);
    return grid;
}

void Fill(QTableWidget& grid, int row, const QStringList& cells) {
    for (int c = 0; c < cells.size(); ++c) SetGridCell(grid, row, c, cells[c]);
}

QString Cell(const QTableWidget& grid, int row, int column) {
    auto* item = grid.item(row, column);
    return item ? item->text() : QString();
}

// Every needle in text, in this order.
void ExpectInOrder(const QString& text, const QStringList& needles) {
    qsizetype from = 0;
    for (const QString& needle : needles) {
        qsizetype at = text.indexOf(needle, from);
        EXPECT_GE(at, 0) << "missing or out of order: " << needle.toStdString() << "\n" << text.toStdString();
        if (at >= 0) from = at + needle.size();
    }
}

bool IsWhite(QRgb pixel) { return qRed(pixel) > 240 && qGreen(pixel) > 240 && qBlue(pixel) > 240; }

// Share of non-white pixels in a rectangle of the image.
double Ink(const QImage& image, QRect area) {
    area &= image.rect();
    int ink = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) ink += IsWhite(image.pixel(x, y)) ? 0 : 1;
    return area.isEmpty() ? 0 : double(ink) / (area.width() * area.height());
}

// A window painted dark all over, so that its picture is easy to find.
std::unique_ptr<QWidget> DarkWindow(QSize size) {
    auto window = std::make_unique<QWidget>();
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, QColor(20, 40, 120));
    palette.setColor(QPalette::WindowText, Qt::white);
    window->setPalette(palette);
    window->setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(window.get());
    layout->addWidget(new QLabel(QStringLiteral("Cellar window")));
    window->resize(size);
    window->show();
    return window;
}

}  // namespace

// ---- the recipe ----

TEST(RecipePrint, ShownRecordIsPrintedLineByLine) {
    TempFolder folder;
    ScriptedDialogs dialogs;
    auto grid = IngredientsGrid();
    Fill(*grid, 0, {"Yeast", "1", "teaspoon", "Champagne"});
    Fill(*grid, 1, {"", "12", "cup", "Forgotten"});  // no ingredient: left out
    Fill(*grid, 4, {"Elderberries", "3", "pound", "ripe"});
    RecordPrinter printer(dialogs);
    printer.setChooser(PdfChooser(folder.file("recipe.pdf")));

    PrintRecipe(printer, nullptr, QStringLiteral("Elderberry Wine"), *grid,
                                QStringLiteral("Crush the berries.\nRack after a week.\n"));

    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{"Recipe sent to printer."});
    QString text = PdfText(folder.file("recipe.pdf"));
    ExpectInOrder(text, {"Recipe for Elderberry Wine", "Ingredients:", "1 teaspoon Yeast Champagne",
                         "3 pound Elderberries ripe", "Directions", "Crush the berries.", "Rack after a week."});
    EXPECT_FALSE(text.contains(QStringLiteral("Forgotten")));
    EXPECT_EQ(PdfPages(folder.file("recipe.pdf")), 1);
}

TEST(RecipePrint, LineWiderThanThePageIsNotCutOff) {
    TempFolder folder;
    ScriptedDialogs dialogs;
    auto grid = IngredientsGrid();
    QString note = QStringLiteral("rehydrated in warm water");
    for (int i = 0; i < 8; ++i) note += QStringLiteral(" and stirred gently");
    Fill(*grid, 0, {"Yeast", "1", "teaspoon", note + QStringLiteral(" before pitching")});
    RecordPrinter printer(dialogs);
    printer.setChooser(PdfChooser(folder.file("wide.pdf")));

    PrintRecipe(printer, nullptr, QStringLiteral("Mead"), *grid, QStringLiteral("Wait."));

    QString text = PdfText(folder.file("wide.pdf"));
    ExpectInOrder(text, {"1 teaspoon Yeast rehydrated", "before pitching", "Directions", "Wait."});
}

TEST(RecipePrint, LongNotesContinueOnNewPages) {
    TempFolder folder;
    ScriptedDialogs dialogs;
    auto grid = IngredientsGrid();
    QStringList notes;
    for (int i = 1; i <= 150; ++i) notes << QStringLiteral("Step %1 of the directions").arg(i);
    RecordPrinter printer(dialogs);
    printer.setChooser(PdfChooser(folder.file("long.pdf")));

    PrintRecipe(printer, nullptr, QStringLiteral("Mead"), *grid, notes.join('\n'));

    int pages = PdfPages(folder.file("long.pdf"));
    EXPECT_GE(pages, 3);
    QString text = PdfText(folder.file("long.pdf"));
    ExpectInOrder(text, {"Recipe for Mead", "Directions", "Step 1 of the directions", "Step 75 of the directions",
                         "Step 150 of the directions"});
    EXPECT_EQ(text.count('\f'), pages);  // pdftotext ends every page with a form feed
}

TEST(RecipePrint, CancelledDialogPrintsAndSaysNothing) {
    TempFolder folder;
    ScriptedDialogs dialogs;
    auto grid = IngredientsGrid();
    RecordPrinter printer(dialogs);
    printer.setChooser([](QPrinter&, QWidget*, int) { return false; });
    PrintRecipe(printer, nullptr, QStringLiteral("x"), *grid, {});
    printer.quickPrint(grid.get());
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST(RecipePrint, UnwritableOutputIsReportedInsteadOfTheSentMessage) {
    TempFolder folder;
    ScriptedDialogs dialogs;
    auto grid = IngredientsGrid();
    RecordPrinter printer(dialogs);
    const std::string target = folder.file("missing-folder/recipe.pdf");
    printer.setChooser(PdfChooser(target));
    PrintRecipe(printer, nullptr, QStringLiteral("x"), *grid, {});
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].kind, vorlane::testing::Shown::Error);
    EXPECT_EQ(dialogs.shown()[0].text, "The file \"" + target + "\" could not be written.");
}

// ---- the window picture ----

TEST(FormPrint, PortraitPageTakesThePictureAtFullWidth) {
    TempFolder folder;
    ScriptedDialogs dialogs;
    auto window = DarkWindow({640, 320});
    RecordPrinter printer(dialogs);
    printer.setChooser(PdfChooser(folder.file("form.pdf")));

    printer.quickPrint(window.get());

    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{"Form sent to Printer."});
    EXPECT_EQ(PdfPages(folder.file("form.pdf")), 1);
    QSizeF page = PdfPageSize(folder.file("form.pdf"));
    EXPECT_NEAR(page.width(), 595.3, 1);  // A4
    EXPECT_NEAR(page.height(), 841.9, 1);

    QImage image = PdfPageImage(folder, folder.file("form.pdf"));
    ASSERT_FALSE(image.isNull());
    // Inside the half-inch margins the picture spans the width and half as
    // much down; below it the page stays white.
    const int margin = image.width() * 12.7 / 210 + 2;
    const int inner = image.width() - 2 * margin;
    EXPECT_GT(Ink(image, QRect(margin, margin, inner, inner / 2 - 4)), 0.95);
    EXPECT_LT(Ink(image, QRect(margin, margin + inner / 2 + 4, inner, image.height() / 4)), 0.01);
    EXPECT_LT(Ink(image, QRect(0, 0, image.width(), margin - 3)), 0.01);
}

TEST(FormPrint, LandscapePageTakesThePictureAtFullHeight) {
    TempFolder folder;
    auto window = DarkWindow({400, 300});
    QPrinter printer(QPrinter::HighResolution);
    ToPdf(printer, folder.file("landscape.pdf"));
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);

    ASSERT_TRUE(PrintWindowPicture(printer, window.get()));

    QSizeF page = PdfPageSize(folder.file("landscape.pdf"));
    EXPECT_GT(page.width(), page.height());
    QImage image = PdfPageImage(folder, folder.file("landscape.pdf"));
    ASSERT_FALSE(image.isNull());
    // 210 mm high gives 280 mm wide of the page's 297.
    const int pictureWidth = image.width() * 280 / 297;
    EXPECT_GT(Ink(image, QRect(0, 0, pictureWidth - 3, image.height())), 0.95);
    EXPECT_LT(Ink(image, QRect(pictureWidth + 3, 0, image.width(), image.height())), 0.01);
}

TEST(FormPrint, CaptureIsEightBitsWithAColourTable) {
    auto window = DarkWindow({200, 100});
    QImage picture = CaptureWindow(window.get());
    EXPECT_EQ(picture.format(), QImage::Format_Indexed8);
    EXPECT_LE(picture.colorCount(), 256);
    EXPECT_EQ(picture.size(), QSize(200, 100));
    EXPECT_EQ(QColor(picture.pixel(5, 95)), QColor(20, 40, 120));
}

// ---- the ingredients grid ----

TEST(GridPrint, TitleHeadingsAndFilledRowsOnOnePage) {
    TempFolder folder;
    auto grid = IngredientsGrid();
    Fill(*grid, 0, {"Yeast", "1", "teaspoon", "Champagne"});
    Fill(*grid, 7, {"Acid Blend", "2", "tablespoon", ""});
    GridPrintSettings settings;
    settings.title = QStringLiteral("Elderberry ingredients");
    QPrinter printer(QPrinter::HighResolution);
    ToPdf(printer, folder.file("grid.pdf"));
    ApplyPageSettings(printer, settings);

    ASSERT_TRUE(PrintGrid(printer, *grid, settings));

    EXPECT_EQ(PdfPages(folder.file("grid.pdf")), 1);
    QString text = PdfText(folder.file("grid.pdf"));
    ExpectInOrder(text, {"Elderberry ingredients", "Ingredients", "Quantity", "Measure", "Notes", "Yeast", "1",
                         "teaspoon", "Champagne", "Acid Blend", "2", "tablespoon", "Page 1 of 1"});
}

TEST(GridPrint, LongTablesRepeatHeadingsAndHonourThePageRange) {
    TempFolder folder;
    auto grid = IngredientsGrid();
    grid->setRowCount(300);
    for (int r = 0; r < 300; ++r) Fill(*grid, r, {QStringLiteral("Item %1").arg(r + 1), "1", "cup", ""});
    GridPrintSettings settings;
    settings.title = QStringLiteral("Cellar stock");
    settings.orientation = QPageLayout::Landscape;
    QPrinter printer(QPrinter::HighResolution);
    ToPdf(printer, folder.file("all.pdf"));
    ApplyPageSettings(printer, settings);
    const int pages = GridPageCount(printer, *grid, settings);
    ASSERT_GE(pages, 3);

    ASSERT_TRUE(PrintGrid(printer, *grid, settings));
    EXPECT_EQ(PdfPages(folder.file("all.pdf")), pages);
    EXPECT_GT(PdfPageSize(folder.file("all.pdf")).width(), PdfPageSize(folder.file("all.pdf")).height());
    QString all = PdfText(folder.file("all.pdf"));
    EXPECT_EQ(all.count(QStringLiteral("Quantity")), pages);
    EXPECT_EQ(all.count(QStringLiteral("Cellar stock")), 1);  // the title heads the first page only
    ExpectInOrder(all, {"Item 1 ", "Item 2 ", "Item 299", "Item 300", QStringLiteral("Page %1 of %1").arg(pages)});

    QPrinter second(QPrinter::HighResolution);
    ToPdf(second, folder.file("second.pdf"));
    ApplyPageSettings(second, settings);
    second.setPrintRange(QPrinter::PageRange);
    second.setFromTo(2, 2);
    ASSERT_TRUE(PrintGrid(second, *grid, settings));
    EXPECT_EQ(PdfPages(folder.file("second.pdf")), 1);
    QString text = PdfText(folder.file("second.pdf"));
    EXPECT_TRUE(text.contains(QStringLiteral("Page 2 of %1").arg(pages)));
    EXPECT_FALSE(text.contains(QStringLiteral("Item 1 ")));
    EXPECT_FALSE(text.contains(QStringLiteral("Cellar stock")));
    EXPECT_TRUE(text.contains(QStringLiteral("Quantity")));
}

TEST(GridPrint, EmptyRowsAreLeftOutUnlessAskedFor) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    auto grid = IngredientsGrid();
    Fill(*grid, 98, {"Last", "", "", ""});
    GridPrintSettings settings;
    EXPECT_EQ(GridPageCount(printer, *grid, settings), 1);
    settings.skipEmptyRows = false;
    EXPECT_GE(GridPageCount(printer, *grid, settings), 2);
}

TEST(GridPrint, SettingsDialogGivesBackWhatItWasGiven) {
    GridPrintSettings settings;
    settings.title = QStringLiteral("Cellar");
    settings.titleOnEveryPage = true;
    settings.titleAlignment = Qt::AlignRight;
    settings.cellFont.setPointSize(13);
    settings.outerBorder = false;
    settings.verticalLines = false;
    settings.lineWidthMm = 0.5;
    settings.repeatHeadings = false;
    settings.skipEmptyRows = false;
    settings.fitToPageWidth = false;
    settings.stampPlace = GridPrintSettings::StampPlace::Header;
    settings.stampTime = true;
    settings.pageNumbers = false;
    settings.marginsMm = QMarginsF(10, 11, 12, 13);
    settings.cellPaddingMm = 2.5;
    settings.lineSpacingPercent = 150;
    settings.orientation = QPageLayout::Landscape;

    GridPrintSettings back = GridPrintSettingsDialog(settings).settings();

    EXPECT_EQ(back.title, settings.title);
    EXPECT_TRUE(back.titleOnEveryPage);
    EXPECT_EQ(back.titleAlignment, Qt::AlignRight);
    EXPECT_EQ(back.cellFont, settings.cellFont);
    EXPECT_EQ(back.titleFont, settings.titleFont);
    EXPECT_FALSE(back.outerBorder);
    EXPECT_TRUE(back.horizontalLines);
    EXPECT_FALSE(back.verticalLines);
    EXPECT_DOUBLE_EQ(back.lineWidthMm, 0.5);
    EXPECT_TRUE(back.printHeadings);
    EXPECT_FALSE(back.repeatHeadings);
    EXPECT_FALSE(back.skipEmptyRows);
    EXPECT_FALSE(back.fitToPageWidth);
    EXPECT_EQ(back.stampPlace, GridPrintSettings::StampPlace::Header);
    EXPECT_TRUE(back.stampDate);
    EXPECT_TRUE(back.stampTime);
    EXPECT_FALSE(back.pageNumbers);
    EXPECT_EQ(back.marginsMm, settings.marginsMm);
    EXPECT_DOUBLE_EQ(back.cellPaddingMm, 2.5);
    EXPECT_EQ(back.lineSpacingPercent, 150);
    EXPECT_EQ(back.orientation, QPageLayout::Landscape);
}

// ---- the page's commands ----

class IngredientsPage : public ::testing::Test {
protected:
    IngredientsPage() : grid(IngredientsGrid()), actions(new IngredientsActions(grid.get(), dialogs)) {
        grid->show();
    }
    QPoint cellCentre(int row, int column) const {
        return grid->visualRect(grid->model()->index(row, column)).center();
    }
    ScriptedDialogs dialogs;
    std::unique_ptr<QTableWidget> grid;
    IngredientsActions* actions;  // owned by the grid
};

TEST_F(IngredientsPage, RightClickOffersThePickListOfTheColumn) {
    QMenu* menu = actions->menuForCell(cellCentre(3, kIngredientColumn));
    ASSERT_EQ(menu, actions->ingredientMenu());
    EXPECT_EQ(grid->currentRow(), 3);
    ASSERT_EQ(menu->actions().size(), 25);
    EXPECT_EQ(menu->actions()[0]->text(), QStringLiteral("Acid Blend"));
    EXPECT_EQ(menu->actions()[24]->data().toInt(), 24);
    menu->close();

    menu = actions->menuForCell(cellCentre(5, kMeasureColumn));
    ASSERT_EQ(menu, actions->unitMenu());
    ASSERT_EQ(menu->actions().size(), 16);
    EXPECT_EQ(menu->actions()[15]->text(), QStringLiteral("units"));
    menu->close();

    EXPECT_EQ(actions->menuForCell(cellCentre(5, kQuantityColumn)), nullptr);
    EXPECT_EQ(actions->menuForCell(cellCentre(5, kNotesColumn)), nullptr);
}

TEST_F(IngredientsPage, ChosenEntryReplacesTheCurrentCellOfItsColumnOnly) {
    Fill(*grid, 2, {"old", "1", "cup", ""});
    QSignalSpy changed(grid.get(), &QTableWidget::itemChanged);
    grid->setCurrentCell(2, kIngredientColumn);
    actions->ingredientMenu()->actions()[18]->trigger();  // Tannin
    EXPECT_EQ(Cell(*grid, 2, kIngredientColumn), QStringLiteral("Tannin"));
    EXPECT_EQ(changed.count(), 1);  // the main window learns that the table was edited

    grid->setCurrentCell(6, kMeasureColumn);
    actions->unitMenu()->actions()[12]->trigger();  // quart
    EXPECT_EQ(Cell(*grid, 6, kMeasureColumn), QStringLiteral("quart"));

    grid->setCurrentCell(2, kQuantityColumn);
    actions->unitMenu()->actions()[0]->trigger();
    actions->ingredientMenu()->actions()[0]->trigger();
    EXPECT_EQ(Cell(*grid, 2, kQuantityColumn), QStringLiteral("1"));
    EXPECT_EQ(Cell(*grid, 2, kIngredientColumn), QStringLiteral("Tannin"));
}

TEST_F(IngredientsPage, ConversionWritesQuantityAndMeasureOfTheRow) {
    Fill(*grid, 4, {"Sugar", "2", "cup", "white"});
    grid->setCurrentCell(4, kNotesColumn);
    ASSERT_TRUE(actions->convertUnits());
    QList<QAction*> entries = actions->conversionMenu()->actions();
    ASSERT_EQ(entries.size(), 9);
    EXPECT_EQ(entries[0]->text(), QStringLiteral("2 cup to 16 ounce"));
    EXPECT_EQ(entries[2]->text(), QStringLiteral("2 cup to 32 tablespoon"));
    actions->conversionMenu()->close();
    entries[0]->trigger();
    EXPECT_EQ(Cell(*grid, 4, kQuantityColumn), QStringLiteral("16"));
    EXPECT_EQ(Cell(*grid, 4, kMeasureColumn), QStringLiteral("ounce"));
    EXPECT_EQ(Cell(*grid, 4, kIngredientColumn), QStringLiteral("Sugar"));
    EXPECT_TRUE(dialogs.messages().empty());

    // A second click starts a fresh menu from the converted row.
    ASSERT_TRUE(actions->convertUnits());
    EXPECT_EQ(actions->conversionMenu()->actions()[0]->text(), QStringLiteral("16 ounce to 96 teaspoon"));
    actions->conversionMenu()->close();
}

TEST_F(IngredientsPage, NothingToConvertIsSaidAndChangesNothing) {
    Fill(*grid, 1, {"Sugar", "2", "Cup", ""});
    Fill(*grid, 2, {"Water", "1/2", "cup", ""});
    for (int row : {1, 2, 3}) {
        grid->setCurrentCell(row, kQuantityColumn);
        EXPECT_FALSE(actions->convertUnits());
    }
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>(3, "No valid value is available to convert."));
    EXPECT_TRUE(actions->conversionMenu()->actions().isEmpty());
    EXPECT_EQ(Cell(*grid, 1, kMeasureColumn), QStringLiteral("Cup"));
}

TEST_F(IngredientsPage, PrintMenuPrintsTheGridWithTheRememberedSettings) {
    TempFolder folder;
    QPushButton printButton(QStringLiteral("Print Ingredients"));
    actions->attachButtons(&printButton, nullptr);
    printButton.click();
    QList<QAction*> entries = actions->printMenu()->actions();
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0]->text(), QStringLiteral("Print Settings"));
    EXPECT_EQ(entries[1]->text(), QStringLiteral("Print"));
    actions->printMenu()->close();

    Fill(*grid, 0, {"Potassium Sorbate", "0.5", "teaspoon", "after fermenting"});
    actions->printSettings().title = QStringLiteral("Batch 7");
    actions->printSettings().orientation = QPageLayout::Landscape;
    int offeredPages = 0;
    actions->setPrinterChooser([&](QPrinter& printer, QWidget*, int pages) {
        offeredPages = pages;
        ToPdf(printer, folder.file("page.pdf"));
        return true;
    });
    entries[1]->trigger();

    EXPECT_EQ(offeredPages, 1);
    QString text = PdfText(folder.file("page.pdf"));
    ExpectInOrder(text, {"Batch 7", "Potassium Sorbate", "0.5", "teaspoon", "after fermenting"});
    EXPECT_GT(PdfPageSize(folder.file("page.pdf")).width(), PdfPageSize(folder.file("page.pdf")).height());
    EXPECT_TRUE(dialogs.messages().empty());
}
