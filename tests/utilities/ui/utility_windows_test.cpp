// The calculator, calendar and CD player windows driven by keys and clicks.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "utilities/ui/calendar_window.h"
#include "utilities/ui/cd_player_window.h"
#include "utilities/ui/calculator_window.h"

namespace vorlane {
namespace {

TEST(CalculatorWindow, TypedAndClickedKeysShareOneHandling) {
    CalculatorWindow window;
    window.show();
    QTest::keyClicks(&window, "12+3");
    QTest::mouseClick(window.key('0'), Qt::LeftButton);
    QTest::keyClick(&window, Qt::Key_Return);
    EXPECT_EQ(window.displayText(), "42.00 ");
    EXPECT_EQ(window.tapeLines().mid(3), (QStringList{"      12.00   ", "      30.00  +", "      42.00  =", "--------------"}));

    EXPECT_TRUE(window.key(calc_key::kMemoryRecall)->isHidden());
    QTest::mouseClick(window.key(calc_key::kMemoryPlus), Qt::LeftButton);
    EXPECT_FALSE(window.key(calc_key::kMemoryRecall)->isHidden());

    QStringList printed;
    window.setTapePrinter([&](const QStringList& lines, const QFont&) { printed = lines; });
    QTest::mouseClick(window.key(calc_key::kPrint), Qt::LeftButton);
    EXPECT_EQ(printed, window.tapeLines());

    QTest::keyClicks(&window, "8/0=");
    EXPECT_EQ(window.displayText(), "Error");
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_EQ(window.result(), QDialog::Rejected);
}

TEST(CalendarWindow, KeysAndClicksMoveAndConfirm) {
    CalendarWindow form({2001, 1, 31}, {2001, 1, 1});
    form.show();
    QTest::keyClick(&form, Qt::Key_PageDown);
    EXPECT_EQ(form.popup().selected(), (CalDate{2001, 2, 28}));
    QTest::keyClick(&form, Qt::Key_Up);
    EXPECT_EQ(form.popup().selected(), (CalDate{2001, 2, 21}));

    CalRect cell = form.popup().CellRect(40);  // 9 March, shown after February
    QPoint centre(cell.x + cell.width / 2, cell.y + cell.height / 2);
    QTest::mouseClick(&form, Qt::LeftButton, Qt::NoModifier, centre);
    EXPECT_EQ(form.popup().selected(), (CalDate{2001, 3, 9}));
    EXPECT_TRUE(form.confirmed());
    EXPECT_EQ(form.result(), QDialog::Accepted);
}

TEST(CdPlayerWindow, WithoutADriveItSaysNotReady) {
    NoCdDrive drive;
    CdPlayerWindow window(drive);  // made after the drive, so gone before it
    window.show();
    EXPECT_EQ(window.CDStatus->text(), "Ready");
    QTest::mouseClick(window.button(CdButton::Play), Qt::LeftButton);
    EXPECT_EQ(window.CDStatus->text(), " Not ready");
    EXPECT_TRUE(window.lblTrack->styleSheet().contains("#00ff00"));
    window.repeatCurrentSong()->click();
    EXPECT_TRUE(window.player().repeatCurrentSong());
}

}  // namespace
}  // namespace vorlane
