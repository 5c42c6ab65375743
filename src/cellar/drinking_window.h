#pragma once
// The drinking window of every bottle: which year a wine is ready from and
// which year it should be drunk by, what that means in a given year, and
// what to open first.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "storage/database.h"
#include "storage/dialogs.h"

namespace vorlane {

enum class DrinkStatus { TooYoung, Ready, DrinkNow, Past, Unknown };
constexpr int kDrinkStatusCount = 5;

// "Too Young", "Ready", "Drink Now", "Past", "Unknown".
std::string_view DrinkStatusText(DrinkStatus status);

// The details that hold the years, found by their labels (case ignored):
// "Drink From" and "Drink To", or else one "Drink Window" holding both.
struct DrinkYearDetails {
    int from = -1;  // detail number, -1 none
    int to = -1;
    int both = -1;
    bool found() const { return from >= 0 || to >= 0 || both >= 0; }
};
DrinkYearDetails FindDrinkYearDetails(const LabelTable& labels);

// What the command and the window say when the database has none.
inline constexpr std::string_view kDrinkLabelsWanted =
    "\"Drink From\" and \"Drink To\", or \"Drink Window\"";

struct DrinkYears {
    std::optional<int> from, to;
    bool operator==(const DrinkYears&) const = default;
};

// Exactly four digits, blanks around them allowed.
std::optional<int> ReadYear(std::string_view text);
// Two years: "2026-2034", "2026 – 2034" (en or em dash), "2026 2034".
DrinkYears ReadYearPair(std::string_view text);
DrinkYears ReadDrinkYears(const ItemRecord& record, const DrinkYearDetails& details);

// From after To is a mistake in the record and tells nothing: Unknown.
DrinkStatus StatusIn(const DrinkYears& years, int year);
inline bool YearsContradict(const DrinkYears& y) { return y.from && y.to && *y.from > *y.to; }

// Bottles of a record: its quantity read as a whole number (1 when it is
// none); 0 or less means the wine has left the cellar.
long long BottlesOf(const ItemRecord& record);

struct DrinkEntry {
    std::size_t index = 0;  // record position
    DrinkYears years;
    long long bottles = 0;
    DrinkStatus status = DrinkStatus::Unknown;
};

struct YearAhead {
    int year = 0;
    long long tooYoung = 0, inWindow = 0, past = 0;  // bottles
};

constexpr int kYearsAhead = 16;

struct DrinkReport {
    int year = 0;
    // Bottles per status; Unknown counts records, not bottles.
    std::array<long long, kDrinkStatusCount> counts{};
    long long count(DrinkStatus s) const { return counts[static_cast<std::size_t>(s)]; }
    // What to open: Past, Drink Now, then Ready, the most urgent first.
    std::vector<DrinkEntry> list;
    // Records whose From is after their To.
    std::vector<std::size_t> check;
    std::array<YearAhead, kYearsAhead> ahead{};
};

// Records in the cellar only; nullopt-free: a database without the
// labels gives every record Unknown.
DrinkReport MakeDrinkReport(const Database& db, int year);

// Whether entry a is more urgent than entry b.
bool MoreUrgent(const DrinkEntry& a, const DrinkEntry& b);

// Puts exactly the listed records on the search list (and takes every
// other record off it), as a search would mark them.
void ListOnSearchList(RecordList& records, const DrinkReport& report);

// The choice of two details for databases without the labels.
// "Rename "Detail 7" to "Drink From" and "Detail 8" to "Drink To"?"
std::string RelabelQuestion(const LabelTable& labels, int fromDetail, int toDetail);
void RelabelDrinkYears(LabelTable& labels, int fromDetail, int toDetail);
// Both steps, after asking; false when the details are the same one or the
// person said No.
bool RelabelAfterAsking(LabelTable& labels, int fromDetail, int toDetail, Dialogs& dialogs);
inline constexpr std::string_view kMsgTwoDetails = "Choose two different details for the first and the last year.";

}  // namespace vorlane
