// Printing a grid: columns that stay readable, and a settings dialog whose tabs all show.

#include <gtest/gtest.h>

#include <QPrinter>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>

#include "widgets/grid_print.h"

namespace vorlane {
namespace {

TEST(GridPrintTest, FittedColumnsStayReadableAndContinueOnFurtherSheets) {
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    GridPrintSettings settings;
    settings.fitToPageWidth = true;
    ApplyPageSettings(printer, settings);
    for (const auto& [columns, sheets] : {std::pair{29, 3}, {4, 1}}) {
        QTableWidget grid(3, columns);
        for (int c = 0; c < columns; ++c) {
            grid.setColumnWidth(c, 136);
            for (int r = 0; r < 3; ++r) grid.setItem(r, c, new QTableWidgetItem(QStringLiteral("Louis Jadot")));
        }
        EXPECT_GE(GridPageCount(printer, grid, settings), sheets) << columns;
        if (sheets == 1) {
            EXPECT_EQ(GridPageCount(printer, grid, settings), 1);
        }
    }
}

TEST(GridPrintTest, TheSettingsDialogIsWideEnoughForEveryTab) {
    GridPrintSettingsDialog dialog{GridPrintSettings{}};
    auto* tabs = dialog.findChild<QTabWidget*>();
    ASSERT_NE(tabs, nullptr);
    dialog.show();
    EXPECT_GE(tabs->width(), tabs->findChild<QTabBar*>()->sizeHint().width());
}

}  // namespace
}  // namespace vorlane
