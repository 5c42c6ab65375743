// The graph window: a double-click charts the children's record counts.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPrinter>
#include <QTest>
#include <QTreeWidget>
#include <filesystem>

#include "reports/ui/chart/graph_chart.h"
#include "reports/ui/graph_window.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"
#include "widgets/recording_opener.h"

namespace vorlane {
namespace {

TEST(GraphWindow, DoubleClickChartsTheChildrenOfAValue) {
    vorlane::testing::TempFolder folder;
    vorlane::testing::ScriptedDialogs dialogs;
    DatabaseSession session(dialogs, DataFolders{folder.path().string(), folder.path().string()});
    Database& db = session.db();
    db.valueTrees[0] = "France\r\n";
    db.valueTrees[1] = "Red\r\n\tMerlot\r\n\tShiraz\r\nWhite\r\n";
    for (const char* type : {"Merlot : Red", "Shiraz : Red", "red", "White"}) {
        ItemRecord r;
        r.Description(2) = type;
        r.Details[1] = "2.5";
        db.records.push_back(r);
    }
    vorlane::testing::RecordingOpener opener;
    opener.available = {ProgramWindow::Graph, ProgramWindow::Calculator};
    WindowContext context{session, dialogs, AppPaths{folder.file("Vorlane.ini"), {}}, opener};
    GraphWindow window(context);
    window.activated();
    EXPECT_EQ(window.chart()->title(), "Region");  // description 1 is charted first
    EXPECT_EQ(window.chart()->barValues(), (std::vector<double>{0}));

    QTreeWidgetItem* type = window.SGraph->topLevelItem(1);
    window.chartChildren(type);
    EXPECT_EQ(window.chart()->barValues(), (std::vector<double>{3, 1}));
    EXPECT_EQ(window.chart()->barCaptions(), (QStringList{"Red", "White"}));
    EXPECT_EQ(window.Paid->text(), "10.00");

    window.chartChildren(type->child(0));
    EXPECT_EQ(window.chart()->barValues(), (std::vector<double>{1, 1}));
    EXPECT_EQ(window.chart()->title(), "Red : Type");
    window.chartChildren(type->child(0)->child(0));  // a leaf changes nothing
    EXPECT_EQ(window.chart()->title(), "Red : Type");
    EXPECT_EQ(window.Paid->text(), "5.00");
    window.activated();  // coming back from another window starts over at description 1
    EXPECT_EQ(window.chart()->title(), "Region");

    const std::string pdf = folder.file("graph.pdf");
    window.askPrinter = [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(pdf));
        return true;
    };
    window.printChart();
    EXPECT_GT(std::filesystem::file_size(pdf), 1000u);
}

}  // namespace
}  // namespace vorlane
