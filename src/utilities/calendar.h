#pragma once
// The pop-up month calendar's rules: dates, the six-week grid with Sunday
// first, the day and month views, and what each press and key does.

#include <array>
#include <compare>
#include <string>

namespace vorlane {

struct CalDate {
    int year = 2000, month = 1, day = 1;
    auto operator<=>(const CalDate&) const = default;
};

// The dates the calendar reaches: years 1 ... 9999.
inline constexpr CalDate kFirstCalDate{1, 1, 1};
inline constexpr CalDate kLastCalDate{9999, 12, 31};
CalDate BoundDate(const CalDate& date);

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);
int WeekdayOf(const CalDate& date);  // 0 Sunday ... 6 Saturday
CalDate AddDays(const CalDate& date, int days);
// The day is kept, lowered to the new month's last day where needed; a
// move beyond years 1 ... 9999 stops at the first or last date.
CalDate AddMonths(const CalDate& date, int months);

struct CalCell {
    CalDate date;
    bool inMonth = false;   // false: a neighbouring month's day
    bool weekend = false;
    bool selected = false;
    bool today = false;
};
using MonthGrid = std::array<CalCell, 42>;  // six rows of seven, Sunday first

MonthGrid MonthGridOf(const CalDate& selected, const CalDate& today);

enum class CalView { Days, Months };
enum class CalKey { Space, Enter, Escape, Left, Right, Up, Down, PageUp, PageDown };
enum class CalClose { No, Confirmed, NotConfirmed };
enum class CalArea { None, Outside, Title, LeftArrow, RightArrow, Cell };

struct CalRect {
    int x = 0, y = 0, width = 0, height = 0;
    bool contains(int px, int py) const { return px >= x && px < x + width && py >= y && py < y + height; }
};

struct CalHit {
    CalArea area = CalArea::None;
    int cell = -1;  // day cell 0 ... 41 or month 0 ... 11
};

class CalendarPopup {
public:
    // cellWidth and cellHeight: the text "99" (or the widest day name) plus
    // room on each side, and its height plus 4 pixels.
    CalendarPopup(CalDate opening, CalDate today, int cellWidth, int cellHeight);

    const CalDate& selected() const { return selected_; }
    CalView view() const { return view_; }
    MonthGrid grid() const { return MonthGridOf(selected_, today_); }
    std::string title() const;

    static const std::array<const char*, 7>& DayNames();     // Sunday first
    static const std::array<const char*, 12>& MonthNames();  // "Jan" ... "Dec"

    int width() const { return 7 * w_ + 10; }
    // Below the last row a strip as high as the bottom 4 pixels that close
    // the pop-up, so that row neither touches the border nor closes it.
    int height() const { return 7 * h_ + 26; }
    CalRect TitleRect() const;
    CalRect LeftArrowRect() const;
    CalRect RightArrowRect() const;
    CalRect HeaderRect() const;  // day names, or "Select month"
    CalRect CellRect(int cell) const;
    CalRect MonthRect(int month) const;  // 0 ... 11
    CalHit HitTest(int x, int y) const;

    CalClose PressLeft(int x, int y);
    CalClose ReleaseLeft(int x, int y);
    CalClose ReleaseRight();
    CalClose Key(CalKey key);

private:
    void Restore() { selected_ = opening_; }

    CalDate opening_, today_, selected_;
    int w_, h_;
    CalView view_ = CalView::Days;
    bool dayPressed_ = false;
    int pressX_ = 0, pressY_ = 0;
};

// Where the pop-up opens: a little left of and above the screen's centre.
inline int CalendarLeft(int screenWidth) { return screenWidth / 2 - 50; }
inline int CalendarTop(int screenHeight) { return screenHeight / 2 - 100; }

}  // namespace vorlane
