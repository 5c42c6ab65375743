// The graph window: a double-click charts the children's record counts.

#include <gtest/gtest.h>

#include <QAction>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QGraphicsView>
#include <QLineEdit>
#include <QPrinter>
#include <QTest>
#include <QTreeWidget>
#include <algorithm>
#include <cmath>
#include <filesystem>

#include "reports/ui/chart/graph_chart.h"
#include "reports/ui/graph_window.h"
#include "storage/app_settings.h"
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
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    window.SGraph->setFocus();
    window.SGraph->setCurrentItem(window.SGraph->topLevelItem(1));  // the tree was built afresh
    QTest::keyClick(window.SGraph, Qt::Key_Return);  // Enter charts like a double-click
    EXPECT_EQ(window.chart()->title(), "Type");

    const std::string pdf = folder.file("graph.pdf");
    window.askPrinter = [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(pdf));
        return true;
    };
    window.printChart();
    EXPECT_GT(std::filesystem::file_size(pdf), 1000u);
}

TEST(GraphWindow, ClosingWithItsOwnButtonKeepsItsSize) {
    vorlane::testing::TempFolder folder;
    vorlane::testing::ScriptedDialogs dialogs;
    DatabaseSession session(dialogs, DataFolders{folder.path().string(), folder.path().string()});
    vorlane::testing::RecordingOpener opener;
    WindowContext context{session, dialogs, AppPaths{folder.file("Vorlane.ini"), {}}, opener};
    auto* window = new GraphWindow(context);
    window->show();
    window->resize(700, 480);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    QAction* close = nullptr;
    for (QAction* action : window->findChildren<QAction*>())
        if (action->toolTip() == "Close Graph Window") close = action;
    ASSERT_NE(close, nullptr);
    close->trigger();  // the window deletes itself
    const WindowSize size = ReadWindowSize(folder.file("Vorlane.ini"), WindowKind::Graph);
    EXPECT_EQ(size.width, 700);
    EXPECT_EQ(size.height, 480);
}

struct ShownText {
    QString text;
    QRectF box;
};

// Every text the chart shows (captions, counts, axis numbers, title).
std::vector<ShownText> ChartTexts(GraphChart& chart) {
    std::vector<ShownText> texts;
    for (QGraphicsItem* item : chart.findChild<QGraphicsView*>()->scene()->items()) {
        if (!item->isVisible()) continue;
        QString text;
        if (auto* simple = dynamic_cast<QGraphicsSimpleTextItem*>(item)) text = simple->text();
        else if (auto* rich = dynamic_cast<QGraphicsTextItem*>(item)) text = rich->toPlainText();
        if (!text.isEmpty()) texts.push_back({text.replace(u'\n', u' '), item->sceneBoundingRect()});
    }
    return texts;
}

// "Rarity" of the sample (7 bars) and up to a dozen regions: every bar
// shows its whole or shortened caption, none touching another, and its count.
TEST(GraphWindow, EveryBarShowsItsCaptionAndCountAtTheDefaultSize) {
    const QStringList rarity = {"Everyday", "Available", "Limited Release", "Allocated", "Rare", "Very Rare", "Unique"};
    QStringList regions = {"France", "Italy", "Spain", "Portugal", "Germany", "Austria", "United States of America",
                           "Australia", "New Zealand", "South Africa", "Chile", "Argentina"};
    for (const QStringList& values : {rarity, regions, regions.mid(0, 9)}) {
        vorlane::testing::TempFolder folder;
        vorlane::testing::ScriptedDialogs dialogs;
        DatabaseSession session(dialogs, DataFolders{folder.path().string(), folder.path().string()});
        Database& db = session.db();
        db.valueTrees[0] = values.join("\r\n").toStdString() + "\r\n";
        for (int i = 1; i < values.size(); i += 2) {  // every other value held by i records: some bars are 0
            ItemRecord r;
            r.Description(1) = values[i].toStdString();
            for (int n = 0; n < i; ++n) db.records.push_back(r);
        }
        vorlane::testing::RecordingOpener opener;
        WindowContext context{session, dialogs, AppPaths{folder.file("Vorlane.ini"), {}}, opener};
        GraphWindow window(context);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.activated();
        QTest::qWait(50);
        ASSERT_EQ(window.chart()->barCaptions().size(), values.size());

        const std::vector<ShownText> texts = ChartTexts(*window.chart());
        std::vector<QRectF> captionBoxes;
        for (int i = 0; i < values.size(); ++i) {
            const auto caption = std::find_if(texts.begin(), texts.end(), [&](const ShownText& t) {
                return t.text == values[i] ||
                       (t.text.endsWith(QChar(0x2026)) && t.text.size() > 2 && values[i].startsWith(t.text.chopped(1)));
            });
            ASSERT_NE(caption, texts.end()) << values[i].toStdString() << " of " << values.size();
            for (const QRectF& other : captionBoxes) EXPECT_FALSE(caption->box.intersects(other)) << values[i].toStdString();
            captionBoxes.push_back(caption->box);
            EXPECT_GE(caption->box.left(), 0);
            EXPECT_LE(caption->box.bottom(), window.chart()->height());
            const QString count = QString::number(i % 2 ? i : 0);
            const bool counted = std::any_of(texts.begin(), texts.end(), [&](const ShownText& t) {
                return t.text == count && std::abs(t.box.center().x() - caption->box.center().x()) < 4 &&
                       t.box.bottom() <= caption->box.top();
            });
            EXPECT_TRUE(counted) << values[i].toStdString() << " " << count.toStdString();
        }
    }
}

}  // namespace
}  // namespace vorlane
