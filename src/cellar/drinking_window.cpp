#include "cellar/drinking_window.h"

#include <algorithm>

#include "storage/ascii_case.h"
#include "storage/number_text.h"

namespace vorlane {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view Trim(std::string_view text) {
    std::size_t begin = text.find_first_not_of(' ');
    if (begin == std::string_view::npos) return {};
    return text.substr(begin, text.find_last_not_of(' ') + 1 - begin);
}

// Four digits at the front of text, taken off it.
std::optional<int> TakeYear(std::string_view& text) {
    if (text.size() < 4 || !std::all_of(text.begin(), text.begin() + 4, IsDigit)) return std::nullopt;
    int year = 0;
    for (int i = 0; i < 4; ++i) year = year * 10 + (text[static_cast<std::size_t>(i)] - '0');
    text.remove_prefix(4);
    return year;
}

std::size_t Slot(DrinkStatus s) { return static_cast<std::size_t>(s); }

// Nulls sort last, as a year after every year.
int YearOrLast(const std::optional<int>& year) { return year ? *year : 1'000'000; }

}  // namespace

std::string_view DrinkStatusText(DrinkStatus status) {
    switch (status) {
        case DrinkStatus::TooYoung: return "Too Young";
        case DrinkStatus::Ready: return "Ready";
        case DrinkStatus::DrinkNow: return "Drink Now";
        case DrinkStatus::Past: return "Past";
        case DrinkStatus::Unknown: break;
    }
    return "Unknown";
}

DrinkYearDetails FindDrinkYearDetails(const LabelTable& labels) {
    DrinkYearDetails found;
    for (int d = 0; d < kDetailCount; ++d) {
        const std::string& label = labels[static_cast<std::size_t>(DetailLabel(d))];
        if (found.from < 0 && EqualsIgnoringAsciiCase(label, kDrinkFromLabel)) found.from = d;
        if (found.to < 0 && EqualsIgnoringAsciiCase(label, kDrinkToLabel)) found.to = d;
        if (found.both < 0 && EqualsIgnoringAsciiCase(label, "Drink Window")) found.both = d;
    }
    // The pair wins: its years are the ones a person edits one by one.
    if (found.from >= 0 || found.to >= 0) found.both = -1;
    return found;
}

std::optional<int> ReadYear(std::string_view text) {
    text = Trim(text);
    std::optional<int> year = TakeYear(text);
    return year && text.empty() ? year : std::nullopt;
}

DrinkYears ReadYearPair(std::string_view text) {
    text = Trim(text);
    std::optional<int> from = TakeYear(text);
    if (!from) return {};
    // Between the years: blanks and at most one dash ('-', en dash, em dash).
    std::size_t gap = 0;
    bool dash = false;
    while (gap < text.size()) {
        const unsigned char c = static_cast<unsigned char>(text[gap]);
        if (c == ' ') {
        } else if ((c == '-' || c == 0x96 || c == 0x97) && !dash) {
            dash = true;
        } else {
            break;
        }
        ++gap;
    }
    if (gap == 0) return {};
    text.remove_prefix(gap);
    std::optional<int> to = TakeYear(text);
    if (!to || !text.empty()) return {};
    return {from, to};
}

DrinkYears ReadDrinkYears(const ItemRecord& record, const DrinkYearDetails& details) {
    auto detail = [&](int d) -> const std::string& { return record.Details[static_cast<std::size_t>(d)]; };
    if (details.both >= 0) return ReadYearPair(detail(details.both));
    DrinkYears years;
    if (details.from >= 0) years.from = ReadYear(detail(details.from));
    if (details.to >= 0) years.to = ReadYear(detail(details.to));
    return years;
}

DrinkStatus StatusIn(const DrinkYears& years, int year) {
    if ((!years.from && !years.to) || YearsContradict(years)) return DrinkStatus::Unknown;
    if (years.from && year < *years.from) return DrinkStatus::TooYoung;
    if (!years.to || year < *years.to) return DrinkStatus::Ready;
    return year == *years.to ? DrinkStatus::DrinkNow : DrinkStatus::Past;
}

long long BottlesOf(const ItemRecord& record) { return QuantityValue(record.Details[9]); }

bool MoreUrgent(const DrinkEntry& a, const DrinkEntry& b) {
    auto rank = [](DrinkStatus s) { return s == DrinkStatus::Past ? 0 : s == DrinkStatus::DrinkNow ? 1 : 2; };
    if (rank(a.status) != rank(b.status)) return rank(a.status) < rank(b.status);
    if (YearOrLast(a.years.to) != YearOrLast(b.years.to)) return YearOrLast(a.years.to) < YearOrLast(b.years.to);
    // A window without From has been open the longest.
    const int fromA = a.years.from.value_or(0), fromB = b.years.from.value_or(0);
    if (fromA != fromB) return fromA < fromB;
    return a.index < b.index;
}

DrinkReport MakeDrinkReport(const Database& db, int year) {
    DrinkReport report;
    report.year = year;
    for (int i = 0; i < kYearsAhead; ++i) report.ahead[static_cast<std::size_t>(i)].year = year + i;
    const DrinkYearDetails details = FindDrinkYearDetails(db.labels);

    for (std::size_t i = 0; i < db.records.size(); ++i) {
        const ItemRecord& record = db.records[i];
        const long long bottles = BottlesOf(record);
        if (bottles <= 0) continue;
        DrinkEntry entry{i, details.found() ? ReadDrinkYears(record, details) : DrinkYears{}, bottles,
                         DrinkStatus::Unknown};
        entry.status = StatusIn(entry.years, year);
        if (entry.status == DrinkStatus::Unknown) {
            ++report.counts[Slot(DrinkStatus::Unknown)];
            if (YearsContradict(entry.years)) report.check.push_back(i);
            continue;
        }
        report.counts[Slot(entry.status)] += bottles;
        if (entry.status != DrinkStatus::TooYoung) report.list.push_back(entry);

        // The years ahead without asking each year: the window's edges
        // split Y ... Y + 15 into at most three runs.
        const int first = year, last = year + kYearsAhead - 1;
        const int readyFrom = std::clamp(entry.years.from.value_or(first), first, last + 1);
        const int pastFrom = entry.years.to ? std::clamp(*entry.years.to + 1, first, last + 1) : last + 1;
        for (int y = first; y < readyFrom; ++y) report.ahead[static_cast<std::size_t>(y - first)].tooYoung += bottles;
        for (int y = readyFrom; y < pastFrom; ++y) report.ahead[static_cast<std::size_t>(y - first)].inWindow += bottles;
        for (int y = std::max(readyFrom, pastFrom); y <= last; ++y)
            report.ahead[static_cast<std::size_t>(y - first)].past += bottles;
    }
    std::sort(report.list.begin(), report.list.end(), MoreUrgent);
    return report;
}

void ListOnSearchList(RecordList& records, const DrinkReport& report) {
    for (ItemRecord& r : records) r.OnSearchList = r.PreviouslyListed = false;
    for (const DrinkEntry& entry : report.list) {
        if (entry.index >= records.size()) continue;
        records[entry.index].OnSearchList = records[entry.index].PreviouslyListed = true;
    }
}

std::string RelabelQuestion(const LabelTable& labels, int fromDetail, int toDetail) {
    return "Rename \"" + labels[static_cast<std::size_t>(DetailLabel(fromDetail))] + "\" to \"" +
           std::string(kDrinkFromLabel) + "\" and \"" + labels[static_cast<std::size_t>(DetailLabel(toDetail))] +
           "\" to \"" + std::string(kDrinkToLabel) + "\"?";
}

void RelabelDrinkYears(LabelTable& labels, int fromDetail, int toDetail) {
    labels[static_cast<std::size_t>(DetailLabel(fromDetail))] = kDrinkFromLabel;
    labels[static_cast<std::size_t>(DetailLabel(toDetail))] = kDrinkToLabel;
}

bool RelabelAfterAsking(LabelTable& labels, int fromDetail, int toDetail, Dialogs& dialogs) {
    if (fromDetail == toDetail) {
        dialogs.Error(std::string(kMsgTwoDetails));
        return false;
    }
    if (!dialogs.AskYesNo(RelabelQuestion(labels, fromDetail, toDetail))) return false;
    RelabelDrinkYears(labels, fromDetail, toDetail);
    return true;
}

}  // namespace vorlane
