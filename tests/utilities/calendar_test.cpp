#include "utilities/calendar.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace vorlane {
namespace {

constexpr int kW = 18, kH = 17;

TEST(Calendar, LeapYearsAndMonthMoves) {
    struct Case {
        CalDate from;
        int months;
        CalDate to;
    };
    const Case cases[] = {
        {{2001, 1, 31}, 1, {2001, 2, 28}}, {{2004, 1, 31}, 1, {2004, 2, 29}},
        {{1900, 1, 31}, 1, {1900, 2, 28}}, {{2000, 1, 31}, 1, {2000, 2, 29}},
        {{2000, 3, 31}, -1, {2000, 2, 29}}, {{1999, 12, 15}, 1, {2000, 1, 15}},
        {{2000, 1, 15}, -1, {1999, 12, 15}}, {{2000, 2, 29}, 12, {2001, 2, 28}},
    };
    for (const Case& c : cases) EXPECT_EQ(AddMonths(c.from, c.months), c.to) << c.from.year << "-" << c.from.month;
}

TEST(Calendar, GridStartsOnSundayWithNeighbouringDays) {
    struct Case {
        CalDate selected;
        CalDate firstCell;
        int firstOfMonthCell;
        CalDate lastCell;
    };
    const Case cases[] = {
        {{2000, 10, 9}, {2000, 10, 1}, 0, {2000, 11, 11}},  // the 1st is a Sunday
        {{2000, 12, 25}, {2000, 11, 26}, 5, {2001, 1, 6}},
        {{1900, 2, 1}, {1900, 1, 28}, 4, {1900, 3, 10}},
        {{2015, 2, 1}, {2015, 2, 1}, 0, {2015, 3, 14}},
    };
    for (const Case& c : cases) {
        MonthGrid grid = MonthGridOf(c.selected, {2000, 12, 25});
        EXPECT_EQ(grid[0].date, c.firstCell);
        EXPECT_EQ(grid.back().date, c.lastCell);
        EXPECT_EQ(grid[static_cast<std::size_t>(c.firstOfMonthCell)].date, (CalDate{c.selected.year, c.selected.month, 1}));
        int selectedCells = 0, monthCells = 0;
        for (const CalCell& cell : grid) {
            selectedCells += cell.selected;
            monthCells += cell.inMonth;
            EXPECT_EQ(cell.weekend, WeekdayOf(cell.date) == 0 || WeekdayOf(cell.date) == 6);
        }
        EXPECT_EQ(selectedCells, 1);
        EXPECT_EQ(monthCells, DaysInMonth(c.selected.year, c.selected.month));
    }
    EXPECT_TRUE(MonthGridOf({2000, 12, 1}, {2000, 12, 25})[29].today);
}

TEST(Calendar, KeysMoveTheSelectionAndEscapeRestores) {
    struct Case {
        std::vector<CalKey> keys;
        CalDate selected;
        CalView view;
        CalClose last;
    };
    using K = CalKey;
    const Case cases[] = {
        {{K::Up}, {2000, 12, 27}, CalView::Days, CalClose::No},
        {{K::Down, K::Down, K::Down, K::Down}, {2001, 1, 31}, CalView::Days, CalClose::No},
        {{K::Left, K::Left, K::Left}, {2000, 12, 31}, CalView::Days, CalClose::No},
        {{K::Right}, {2001, 1, 4}, CalView::Days, CalClose::No},
        {{K::PageUp, K::PageUp}, {2000, 11, 3}, CalView::Days, CalClose::No},
        {{K::Space, K::Left, K::Up, K::PageDown}, {2001, 2, 3}, CalView::Months, CalClose::No},
        {{K::PageDown, K::Right, K::Enter}, {2001, 2, 4}, CalView::Days, CalClose::Confirmed},
        {{K::PageDown, K::PageDown, K::Escape}, {2001, 1, 3}, CalView::Days, CalClose::NotConfirmed},
    };
    for (const Case& c : cases) {
        CalendarPopup popup({2001, 1, 3}, {2000, 12, 25}, kW, kH);
        CalClose last = CalClose::No;
        for (CalKey key : c.keys) last = popup.Key(key);
        EXPECT_EQ(popup.selected(), c.selected);
        EXPECT_EQ(popup.view(), c.view);
        EXPECT_EQ(last, c.last);
    }
}

TEST(Calendar, PressesOnTitleArrowsCellsAndOutside) {
    CalendarPopup popup({2000, 12, 25}, {2000, 12, 25}, kW, kH);
    auto centre = [](CalRect r) { return std::pair{r.x + r.width / 2, r.y + r.height / 2}; };
    auto press = [&](CalRect r) { auto [x, y] = centre(r); return popup.PressLeft(x, y); };

    EXPECT_EQ(popup.title(), "Dec 2000");
    press(popup.RightArrowRect());
    EXPECT_EQ(popup.selected(), (CalDate{2001, 1, 25}));
    press(popup.CellRect(0));  // 31 December, a day of the month before
    EXPECT_EQ(popup.selected(), (CalDate{2000, 12, 31}));
    auto [x, y] = centre(popup.CellRect(0));
    EXPECT_EQ(popup.ReleaseLeft(x + 20, y), CalClose::No);

    press(popup.TitleRect());
    EXPECT_EQ(popup.title(), "2000");
    press(popup.LeftArrowRect());
    press(popup.MonthRect(1));
    EXPECT_EQ(popup.selected(), (CalDate{1999, 2, 28}));
    EXPECT_EQ(popup.view(), CalView::Days);

    press(popup.CellRect(10));
    auto [cx, cy] = centre(popup.CellRect(10));
    EXPECT_EQ(popup.ReleaseLeft(cx + 3, cy - 4), CalClose::Confirmed);
    EXPECT_EQ(popup.selected(), (CalDate{1999, 2, 10}));

    EXPECT_EQ(popup.PressLeft(5, popup.height() - 2), CalClose::NotConfirmed);
    EXPECT_EQ(popup.PressLeft(-1, 20), CalClose::NotConfirmed);
    EXPECT_EQ(popup.ReleaseRight(), CalClose::NotConfirmed);
    EXPECT_EQ(popup.selected(), (CalDate{2000, 12, 25}));
}

TEST(Calendar, DatesStayWithinYearsOneToNineThousandNineHundredNinetyNine) {
    struct Case {
        CalDate opening;
        std::vector<CalKey> keys;
        int arrowPresses;  // on the left arrow (negative: the right one), in the month view
        CalDate selected;
        const char* title;
    };
    using K = CalKey;
    const Case cases[] = {
        {{2026, 12, 10}, {K::Space}, 2027, {1, 1, 1}, "1"},
        {{2, 3, 15}, {}, 16, {1, 1, 1}, "Jan 1"},
        {{1, 1, 5}, {K::Up, K::Left, K::Left, K::PageUp}, 0, {1, 1, 1}, "Jan 1"},
        {{9999, 11, 20}, {K::PageDown, K::PageDown, K::Down, K::Right}, 0, {9999, 12, 31}, "Dec 9999"},
        {{9998, 6, 30}, {K::Space}, -5, {9999, 12, 31}, "9999"},
    };
    for (const Case& c : cases) {
        CalendarPopup popup(c.opening, {2000, 1, 1}, kW, kH);
        for (CalKey key : c.keys) popup.Key(key);
        const CalRect arrow = c.arrowPresses > 0 ? popup.LeftArrowRect() : popup.RightArrowRect();
        for (int i = 0; i < std::abs(c.arrowPresses); ++i) popup.PressLeft(arrow.x + 1, arrow.y + 2);
        EXPECT_EQ(popup.selected(), c.selected) << c.title;
        EXPECT_EQ(popup.title(), c.title);
        for (const CalCell& cell : popup.grid()) EXPECT_GE(cell.date.day, 1);
    }
    EXPECT_EQ(AddMonths({1, 2, 28}, -25), (CalDate{1, 1, 1}));
    EXPECT_EQ(DaysInMonth(1, 0), 0);
}

}  // namespace
}  // namespace vorlane
