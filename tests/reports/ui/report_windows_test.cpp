// The report windows over a real session, with scripted dialogs.

// GCC 12 at -O3 warns falsely that the scripted answers' variant may be
// used uninitialized where a chooser answer is queued.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QFontDialog>
#include <QHeaderView>
#include <QListWidget>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <filesystem>
#include <functional>

#include "reports/ui/html_report_window.h"
#include "reports/ui/regular_report_window.h"
#include "reports/ui/report_preview_dialog.h"
#include "reports/ui/shopping_list_window.h"
#include "storage/database_session.h"
#include "support/file_bytes.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"
#include "widgets/recording_opener.h"

namespace vorlane::testing {
namespace {

class ReportWindowsTest : public ::testing::Test {
protected:
    ReportWindowsTest() {
        RecordList& records = session->records();
        records.resize(3);
        records[0].Name = "<script>alert(1)</script>";
        records[0].Ingredients = "4,100\r\n0,1,Yeast\r\n1,1,1\r\n2,1,teaspoon\r\n";
        records[1].Name = "Barolo";
        records[1].Ingredients = "4,100\r\n0,1,yeast\r\n1,1,2.5\r\n2,1,Teaspoon\r\n0,2,Sugar\r\n1,2,1\r\n2,2,cup\r\n";
        records[1].OnSearchList = true;
    }
    TempFolder folder;
    ScriptedDialogs dialogs;
    AppPaths paths{"", {folder.file("user"), VORLANE_SOURCE_DIR "/data"}};
    RecordingOpener opener;
    std::unique_ptr<DatabaseSession> session =
        std::make_unique<DatabaseSession>(dialogs, paths.data, [] { return std::string("2026/12/09"); });
    WindowContext context{*session, dialogs, paths, opener};
};

// What the person was told, choosers left out.
std::vector<std::string> Told(const ScriptedDialogs& dialogs) {
    std::vector<std::string> told;
    for (const auto& s : dialogs.shown())
        if (s.kind == Shown::Information || s.kind == Shown::Error) told.push_back(s.text);
    return told;
}

std::vector<std::string> Rows(const QTableWidget& grid) {
    std::vector<std::string> rows;
    for (int r = 0; r < grid.rowCount(); ++r) {
        auto text = [&](int c) { return grid.item(r, c) ? grid.item(r, c)->text().toStdString() : std::string(); };
        rows.push_back(text(0) + "|" + text(1));
    }
    return rows;
}

// Runs answer on the first modal window of type T that opens.
template <class T>
void WhenShown(std::function<void(T*)> answer) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, answer] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            answer(dialog);
        }
    });
    timer->start();
}

QAction* Tool(QWidget& window, const QString& hint) {
    for (QToolBar* bar : window.findChildren<QToolBar*>())
        for (QAction* action : bar->actions())
            if (action->toolTip() == hint) return action;
    ADD_FAILURE() << hint.toStdString();
    return nullptr;
}

// Also what a window manager does when a chooser closes: focus back to its window.
void ShowActive(QWidget& window) {
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

std::vector<std::string> Asked(const ScriptedDialogs& dialogs) {
    std::vector<std::string> asked;
    for (const auto& s : dialogs.shown())
        if (s.kind == Shown::YesNo) asked.push_back(s.text);
    return asked;
}

TEST_F(ReportWindowsTest, HtmlReportChoosersKeepWhatWasChosenAfterTheyClose) {
    HtmlReportWindow window(context);
    window.addField(kNameIndex);
    ShowActive(window);
    int openedAt = 0;
    WhenShown<QFontDialog>([&](QFontDialog* chooser) {
        EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isActiveWindow(); }));  // a person takes longer than that
        openedAt = chooser->currentFont().pointSize();
        QFont underlined = chooser->currentFont();
        underlined.setUnderline(true);
        chooser->setCurrentFont(underlined);
        chooser->accept();
    });
    Tool(window, QStringLiteral("Select Report Font"))->trigger();
    ShowActive(window);
    WhenShown<QColorDialog>([&](QColorDialog* chooser) {
        EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isActiveWindow(); }));
        chooser->setCurrentColor(QColor(255, 0, 0));
        chooser->accept();
    });
    Tool(window, QStringLiteral("Select Report Colors"))->trigger();
    ShowActive(window);
    EXPECT_EQ(openedAt, window.font().pointSize());
    const std::string out = folder.file("styled.htm");
    dialogs.Choose(out);
    window.saveHtml();
    const std::string html = Slurp(out);
    EXPECT_NE(html.find("<U>Barolo</U>"), std::string::npos);
    EXPECT_NE(html.find("BGCOLOR=\"#FF0000\""), std::string::npos);
}

TEST_F(ReportWindowsTest, SaveChoosersAskBeforeReplacingAFile) {
    HtmlReportWindow window(context);
    window.addField(kNameIndex);
    RegularReportWindow box(context);
    box.addField(kNameIndex);
    auto exporting = [&](void (ReportPreviewDialog::*exporter)()) {
        return [&box, exporter] {
            box.setPreviewRunner([exporter](ReportPreviewDialog& preview) { (preview.*exporter)(); });
            box.preview();
        };
    };
    struct Case { std::string typed, file; std::function<void()> save; };
    const Case cases[] = {{"page.htm", "page.htm", [&] { window.saveHtml(); }},
                          {"format", "format.hrf", [&] { window.saveFormat(); }},  // the default extension counts
                          {"table.csv", "table.csv", exporting(&ReportPreviewDialog::exportCsv)},
                          {"table.htm", "table.htm", exporting(&ReportPreviewDialog::exportHtml)}};
    for (const Case& c : cases) {
        const std::string file = folder.file(c.file);
        Spill(file, "mine");
        dialogs.clearShown();
        dialogs.Choose(folder.file(c.typed));
        dialogs.No();  // the chooser again, closed
        dialogs.ChooseNothing();
        c.save();
        EXPECT_EQ(Slurp(file), "mine") << c.file;
        EXPECT_EQ(Asked(dialogs), std::vector<std::string>{file + " already exists.  Do you want to overwrite it ?"});
        dialogs.Choose(folder.file(c.typed));
        dialogs.Yes();
        c.save();
        EXPECT_NE(Slurp(file), "mine") << c.file;
        EXPECT_TRUE(dialogs.scriptUsedUp()) << c.file;
    }
}

TEST_F(ReportWindowsTest, ShoppingListTalliesAndFollowsTheCheckBox) {
    ShoppingListWindow form(context);
    auto* grid = form.findChild<QTableWidget*>(QStringLiteral("ShoppingListGrid"));
    auto* only = form.findChild<QCheckBox*>(QStringLiteral("SearchListOnly"));
    ASSERT_TRUE(grid && only);
    form.generateList();
    EXPECT_EQ(Rows(*grid), (std::vector<std::string>{"Yeast|3.500 teaspoon", "Sugar|1.000 cup"}));
    only->click();
    EXPECT_EQ(Rows(*grid), (std::vector<std::string>{"yeast|2.500 Teaspoon", "Sugar|1.000 cup"}));
    session->records()[1].OnSearchList = false;
    form.generateList();
    EXPECT_EQ(Rows(*grid), (std::vector<std::string>{"|"}));  // one empty row
}

TEST_F(ReportWindowsTest, HtmlReportSavesEscapedHtmlAndSaysWhere) {
    HtmlReportWindow window(context);
    for (int e : {kNameIndex, kRecordNumberIndex}) window.addField(e);
    const std::string out = folder.file("out.htm");
    dialogs.Choose(out);
    window.saveHtml();
    const std::string html = Slurp(out);
    EXPECT_NE(html.find("&lt;script&gt;alert(1)&lt;/script&gt;"), std::string::npos);
    EXPECT_EQ(html.find("<script>"), std::string::npos);
    EXPECT_NE(html.find("><B>Name</B></td>\r\n"), std::string::npos);

    const std::string bad = folder.file("missing/out.htm");
    dialogs.Choose(bad);
    window.saveHtml();
    EXPECT_FALSE(std::filesystem::exists(bad));

    std::string viewed;
    window.setBrowser([&](const std::string& path) { viewed = path; });
    window.viewReport();
    EXPECT_EQ(viewed, folder.file("user/rphtml.htm"));
    EXPECT_EQ(Slurp(viewed), html);
    EXPECT_EQ(Told(dialogs), (std::vector<std::string>{"HTML report saved as " + out + ".", "Cannot create file " + bad}));
}

TEST_F(ReportWindowsTest, HtmlReportFormatSavesAndLoads) {
    const std::string format = folder.file("f.hrf");
    {
        HtmlReportWindow window(context);
        window.addField(3);
        window.addField(kNameIndex);
        dialogs.Choose(format);
        window.saveFormat();
    }
    Spill(folder.file("bad.hrf"), "\x01\x06\x04Name");
    HtmlReportWindow window(context);
    dialogs.Choose(format);
    window.loadFormat();
    auto* list = window.findChild<QListWidget*>(QStringLiteral("Fields"));
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(1)->text(), QStringLiteral("Name"));
    dialogs.Choose(folder.file("bad.hrf"));
    window.loadFormat();
    EXPECT_EQ(Told(dialogs), (std::vector<std::string>{"HTML Report Format Saved.", "HTML Report Format file loaded.",
                                                             "HTML Report Format file is invalid.  No format loaded."}));
}

}  // namespace
}  // namespace vorlane::testing

#include <QPrinter>
#include <cstdio>

namespace vorlane::testing {
namespace {

std::string PdfPages(const std::string& path) {
    std::string out;
    if (std::FILE* pipe = ::popen(("pdfinfo " + path + " | grep Pages").c_str(), "r")) {
        char buffer[256];
        while (std::fgets(buffer, sizeof buffer, pipe)) out += buffer;
        ::pclose(pipe);
    }
    return out;
}

TEST_F(ReportWindowsTest, RegularReportPreviewPrintsAPageRangeAndExports) {
    session->records().resize(300);
    RegularReportWindow box(context);
    for (int e : {kNameIndex, 10, 0, kStatusIndex}) box.addField(e);
    const std::string pdf = folder.file("range.pdf"), csv = folder.file("t.csv");
    int pageCount = 0;
    box.setPreviewRunner([&](ReportPreviewDialog& preview) {
        preview.setPrinterChooser([&](QPrinter& printer, QWidget*, int pages) {
            pageCount = pages;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QString::fromStdString(pdf));
            printer.setFromTo(2, 3);
            return true;
        });
        preview.print();
        preview.applyZoom(QStringLiteral("25"));
        EXPECT_EQ(preview.scale(), preview.logicalDpiX() / 4 / 4 * 4);
        preview.toggleGrid();
        preview.applyZoom(QStringLiteral("1"));  // a tiny scale must not hang the grid
        preview.grab();
        dialogs.Choose(csv);
        preview.exportCsv();
    });
    box.preview();
    EXPECT_GT(pageCount, 3);
    EXPECT_EQ(PdfPages(pdf), "Pages:           2\n");
    const std::string table = Slurp(csv);
    EXPECT_EQ(table.substr(0, table.find("\r\n")), "\xEF\xBB\xBF#,Name,Winery,Region,Status");
    EXPECT_EQ(Told(dialogs).back(), "File Saved");
}

TEST_F(ReportWindowsTest, RegularReportFormatRoundTripsThroughTheWindow) {
    const std::string format = folder.file("f.rpt");
    {
        RegularReportWindow box(context);
        box.addField(kNameIndex);
        box.addField(3);
        dialogs.Choose(format);
        box.saveFormat();
    }
    RegularReportWindow box(context);
    dialogs.Choose(format);
    box.loadFormat();
    EXPECT_EQ(box.box().settings.items.size(), 2u);
    EXPECT_FALSE(box.box().MenuEnabled(3));
    EXPECT_EQ(dialogs.selectedFilters.back(), 1);  // "Report|*.rpt", not the text files
    Spill(folder.file("bad.rpt"), "\x06\x02hi\x09");
    dialogs.Choose(folder.file("bad.rpt"));
    box.loadFormat();
    EXPECT_EQ(Told(dialogs), (std::vector<std::string>{"Report format saved", "Report format loaded",
                                                       "Sorry " + folder.file("bad.rpt") + " is not a valid report file"}));
}

TEST_F(ReportWindowsTest, RegularReportImportReadsUtf8AndSaysWhatItReplaced) {
    RegularReportWindow box(context);
    box.addField(kNameIndex);
    box.addField(11);
    const std::string csv = folder.file("in.csv");
    Spill(csv, "\xEF\xBB\xBF" "Ch\xC3\xA2teau Margaux,25\r\nK\xC5\x91 Tokaji,1234.5\r\n");
    dialogs.Choose(csv);
    box.importRecords();
    const RecordList& records = session->records();
    ASSERT_EQ(records.size(), 5u);
    EXPECT_EQ(records[3].Name, "Ch\xE2teau Margaux");
    EXPECT_EQ(records[3].Details[1], "$25.00");
    EXPECT_EQ(records[4].Name, "Ko Tokaji");
    EXPECT_EQ(records[4].Details[1], "$1,234.50");
    EXPECT_EQ(Told(dialogs).back(), "File Imported\n\n1 character replaced by the nearest letter on line 2.");
}

TEST_F(ReportWindowsTest, RegularReportTakesItsSizeFromTheSettings) {
    paths.settingsFile = folder.file("Vorlane.ini");
    Spill(paths.settingsFile, "[SETTINGS]\nReportW:=900\nreporth:=700\n");
    WindowContext withSettings{*session, dialogs, paths, opener};
    RegularReportWindow box(withSettings);
    EXPECT_EQ(box.size(), QSize(900, 700));
}

TEST_F(ReportWindowsTest, RegularReportKeepsDraggedWidthsWhenItsColourChooserCloses) {
    RegularReportWindow box(context);
    ShowActive(box);
    auto* bar = box.findChild<QHeaderView*>(QStringLiteral("Widths"));
    ASSERT_NE(bar, nullptr);
    bar->resizeSection(0, 50);
    WhenShown<QColorDialog>([&](QColorDialog* chooser) {
        EXPECT_TRUE(QTest::qWaitFor([&] { return !box.isActiveWindow(); }));
        chooser->accept();
    });
    emit bar->sectionClicked(1);
    ShowActive(box);
    EXPECT_EQ(bar->sectionSize(0), 50);
}

TEST_F(ReportWindowsTest, ALandscapeReportPrintsOnLandscapePaper) {
    RegularReportWindow box(context);
    box.addField(kNameIndex);
    for (auto* radio : box.findChildren<QRadioButton*>())
        if (radio->text() == QStringLiteral("Landscape Mode")) radio->click();
    const std::string pdf = folder.file("wide.pdf");
    box.setPreviewRunner([&](ReportPreviewDialog& preview) {
        preview.setPrinterChooser([&](QPrinter& printer, QWidget*, int) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QString::fromStdString(pdf));
            return true;
        });
        preview.print();
    });
    box.preview();
    std::string size;
    if (std::FILE* pipe = ::popen(("pdfinfo " + pdf + " | grep 'Page size'").c_str(), "r")) {
        char buffer[256];
        while (std::fgets(buffer, sizeof buffer, pipe)) size += buffer;
        ::pclose(pipe);
    }
    double width = 0, height = 0;
    ASSERT_EQ(std::sscanf(size.c_str(), "Page size: %lf x %lf", &width, &height), 2) << size;
    EXPECT_GT(width, height) << size;
}

}  // namespace
}  // namespace vorlane::testing
