#include "utilities/calendar.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>

namespace vorlane {

namespace {

constexpr int kMargin = 5;
constexpr int kTitleHeight = 16;
constexpr int kRuleGap = 4;
constexpr int kArrowWidth = 5;

std::chrono::sys_days DaysOf(const CalDate& d) {
    using namespace std::chrono;
    return sys_days{year{d.year} / month{static_cast<unsigned>(d.month)} / day{static_cast<unsigned>(d.day)}};
}

}  // namespace

bool IsLeapYear(int year) { return year % 400 == 0 || (year % 4 == 0 && year % 100 != 0); }

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

CalDate BoundDate(const CalDate& date) {
    if (date < kFirstCalDate) return kFirstCalDate;
    if (date > kLastCalDate) return kLastCalDate;
    return date;
}

int WeekdayOf(const CalDate& date) {
    return static_cast<int>(std::chrono::weekday{DaysOf(date)}.c_encoding());
}

CalDate AddDays(const CalDate& date, int days) {
    std::chrono::year_month_day ymd{DaysOf(date) + std::chrono::days{days}};
    return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

CalDate AddMonths(const CalDate& date, int months) {
    const long index = static_cast<long>(date.year) * 12 + (date.month - 1) + months;
    const long first = static_cast<long>(kFirstCalDate.year) * 12, last = static_cast<long>(kLastCalDate.year) * 12 + 11;
    if (index < first) return kFirstCalDate;
    if (index > last) return kLastCalDate;
    const int year = static_cast<int>(index / 12), month = static_cast<int>(index % 12) + 1;
    return {year, month, std::min(date.day, DaysInMonth(year, month))};
}

MonthGrid MonthGridOf(const CalDate& selected, const CalDate& today) {
    CalDate first{selected.year, selected.month, 1};
    CalDate start = AddDays(first, -WeekdayOf(first));
    MonthGrid grid;
    for (int i = 0; i < 42; ++i) {
        CalCell& cell = grid[static_cast<std::size_t>(i)];
        cell.date = AddDays(start, i);
        cell.inMonth = cell.date.month == selected.month;
        cell.weekend = i % 7 == 0 || i % 7 == 6;
        cell.selected = cell.date == selected;
        cell.today = cell.date == today;
    }
    return grid;
}

CalendarPopup::CalendarPopup(CalDate opening, CalDate today, int cellWidth, int cellHeight)
    : opening_(BoundDate(opening)), today_(today), selected_(opening_), w_(cellWidth), h_(cellHeight) {}

const std::array<const char*, 7>& CalendarPopup::DayNames() {
    static const std::array<const char*, 7> kNames = {"Su", "Mo", "Tu", "We", "Th", "Fr", "Sa"};
    return kNames;
}

const std::array<const char*, 12>& CalendarPopup::MonthNames() {
    static const std::array<const char*, 12> kNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    return kNames;
}

std::string CalendarPopup::title() const {
    std::string year = std::to_string(selected_.year);
    if (view_ == CalView::Months) return year;
    return std::string(MonthNames()[static_cast<std::size_t>(selected_.month - 1)]) + " " + year;
}

CalRect CalendarPopup::LeftArrowRect() const { return {kMargin, 0, kArrowWidth + 1, 11}; }
CalRect CalendarPopup::RightArrowRect() const { return {13 * (w_ / 2), 0, kArrowWidth + 1, 11}; }
CalRect CalendarPopup::TitleRect() const {
    int left = kMargin + kArrowWidth + 3;
    return {left, 0, RightArrowRect().x - 3 - left, kTitleHeight};
}
CalRect CalendarPopup::HeaderRect() const { return {kMargin, kTitleHeight, 7 * w_, h_}; }
CalRect CalendarPopup::CellRect(int cell) const {
    return {kMargin + (cell % 7) * w_, kTitleHeight + h_ + kRuleGap + (cell / 7) * h_, w_, h_};
}
CalRect CalendarPopup::MonthRect(int month) const {
    int top = kTitleHeight + h_ + kRuleGap;
    int cellHeight = 2 * h_;
    int left = kMargin + (month % 4) * 7 * w_ / 4;
    int right = kMargin + (month % 4 + 1) * 7 * w_ / 4;
    return {left, top + (month / 4) * cellHeight, right - left, cellHeight};
}

CalHit CalendarPopup::HitTest(int x, int y) const {
    if (x < 0 || y < 0 || x >= width() || y >= height() - 4) return {CalArea::Outside};
    // The arrows answer a little beyond their drawing, like a button would.
    if (y < kTitleHeight) {
        if (x < TitleRect().x) return {CalArea::LeftArrow};
        if (x >= TitleRect().x + TitleRect().width) return {CalArea::RightArrow};
        return {CalArea::Title};
    }
    const int count = view_ == CalView::Days ? 42 : 12;
    for (int i = 0; i < count; ++i)
        if ((view_ == CalView::Days ? CellRect(i) : MonthRect(i)).contains(x, y)) return {CalArea::Cell, i};
    return {};
}

CalClose CalendarPopup::PressLeft(int x, int y) {
    dayPressed_ = false;
    CalHit hit = HitTest(x, y);
    const bool days = view_ == CalView::Days;
    switch (hit.area) {
        case CalArea::Outside: return CalClose::NotConfirmed;
        case CalArea::Title: view_ = days ? CalView::Months : CalView::Days; break;
        case CalArea::LeftArrow: selected_ = AddMonths(selected_, days ? -1 : -12); break;
        case CalArea::RightArrow: selected_ = AddMonths(selected_, days ? 1 : 12); break;
        case CalArea::Cell:
            if (days) {
                selected_ = BoundDate(grid()[static_cast<std::size_t>(hit.cell)].date);
                dayPressed_ = true;
                pressX_ = x;
                pressY_ = y;
            } else {
                selected_ = AddMonths(selected_, hit.cell + 1 - selected_.month);
                view_ = CalView::Days;
            }
            break;
        case CalArea::None: break;
    }
    return CalClose::No;
}

CalClose CalendarPopup::ReleaseLeft(int x, int y) {
    bool confirm = dayPressed_ && std::abs(x - pressX_) <= 4 && std::abs(y - pressY_) <= 4;
    dayPressed_ = false;
    return confirm ? CalClose::Confirmed : CalClose::No;
}

CalClose CalendarPopup::ReleaseRight() {
    Restore();
    return CalClose::NotConfirmed;
}

CalClose CalendarPopup::Key(CalKey key) {
    const bool days = view_ == CalView::Days;
    switch (key) {
        case CalKey::Space: view_ = days ? CalView::Months : CalView::Days; break;
        case CalKey::Enter: return CalClose::Confirmed;
        case CalKey::Escape: Restore(); return CalClose::NotConfirmed;
        case CalKey::Left: if (days) selected_ = BoundDate(AddDays(selected_, -1)); break;
        case CalKey::Right: if (days) selected_ = BoundDate(AddDays(selected_, 1)); break;
        case CalKey::Up: if (days) selected_ = BoundDate(AddDays(selected_, -7)); break;
        case CalKey::Down: if (days) selected_ = BoundDate(AddDays(selected_, 7)); break;
        case CalKey::PageUp: selected_ = AddMonths(selected_, -1); break;
        case CalKey::PageDown: selected_ = AddMonths(selected_, 1); break;
    }
    return CalClose::No;
}

}  // namespace vorlane
