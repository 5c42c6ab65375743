// The calculator, calendar and CD player windows driven by keys and clicks.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLocale>
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

// Keys go where a person's would: to the widget with the focus, else the window.
void Type(QWidget& window, const char* keys) {
    for (const char* k = keys; *k; ++k) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &window;
        if (*k == '\t') QTest::keyClick(target, Qt::Key_Tab);
        else QTest::keyClick(target, *k);
    }
}

TEST(CalculatorWindow, DecimalsAreTypedIntoTheOptionsPageNotTheHiddenEntry) {
    CalculatorWindow window;
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    Type(window, "1\t");  // Tab is "Opt": the "# Decimals" page shows
    ASSERT_EQ(window.calculator().optionState(), 1);
    Type(window, "5");
    QTest::mouseClick(window.key(calc_key::kOptions), Qt::LeftButton);
    EXPECT_EQ(window.calculator().decimals(), 5);
    Type(window, "77\t\t");  // the contact and help pages take no digits either
    EXPECT_EQ(window.calculator().optionState(), 0);
    EXPECT_EQ(window.displayText(), "1.00000 ");
    Type(window, "/3=");
    EXPECT_EQ(window.displayText(), "0.33333 ");
}

TEST(CalculatorWindow, ShowsTheLocalesSeparatorsAndAKeypadWithoutHoles) {
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    CalculatorWindow window;
    QLocale::setDefault(before);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.key(calc_key::kPoint)->text(), ",");
    QTest::keyClicks(&window, "1234,5*2=");
    EXPECT_EQ(window.displayText(), "2.469,00 ");
    // Without a memory "M +" starts the row where "7" starts its own.
    EXPECT_EQ(window.key(calc_key::kMemoryPlus)->geometry().left(), window.key('7')->geometry().left());
    QTest::mouseClick(window.key(calc_key::kMemoryPlus), Qt::LeftButton);
    QTest::qWait(10);
    EXPECT_EQ(window.key(calc_key::kMemoryClear)->geometry().left(), window.key('7')->geometry().left());
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

TEST(CdPlayerWindow, WithoutADriveItSaysSoAndPlaysNothing) {
    NoCdDrive drive;
    CdPlayerWindow window(drive);  // made after the drive, so gone before it
    window.show();
    EXPECT_EQ(window.CDStatus->text(), " Not ready");
    EXPECT_EQ(window.notice()->text(), "No CD drive found. Open a disc image (CUE/BIN) to play one.");
    EXPECT_FALSE(window.driveChoice()->isEnabled());
    EXPECT_TRUE(window.openImageButton()->isEnabled());
    for (CdButton b : {CdButton::Play, CdButton::Pause, CdButton::Stop, CdButton::Next, CdButton::Previous,
                       CdButton::Eject})
        EXPECT_FALSE(window.button(b)->isEnabled());
    EXPECT_TRUE(window.lblTrack->styleSheet().contains("#ff0000"));
    EXPECT_EQ(window.CDStatus->text(), " Not ready");
    window.repeatCurrentSong()->click();
    EXPECT_TRUE(window.player().repeatCurrentSong());
}

}  // namespace
}  // namespace vorlane
