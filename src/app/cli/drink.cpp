#include <charconv>

#include <nlohmann/json.hpp>

#include "app/cli/command.h"
#include "app/cli/load_database.h"
#include "cellar/drinking_window.h"
#include "storage/cp1252.h"
#include "storage/new_record.h"

namespace vorlane::cli {

namespace {

// "YYYY/MM/DD" of today: its first four characters are the year.
int ThisYear() { return std::stoi(TodayText().substr(0, 4)); }

constexpr DrinkStatus kCounted[] = {DrinkStatus::TooYoung, DrinkStatus::Ready, DrinkStatus::DrinkNow,
                                    DrinkStatus::Past, DrinkStatus::Unknown};

std::string YearText(const std::optional<int>& year) { return year ? std::to_string(*year) : std::string(); }

nlohmann::ordered_json YearJson(const std::optional<int>& year) {
    return year ? nlohmann::ordered_json(*year) : nlohmann::ordered_json(nullptr);
}

}  // namespace

void RunDrink(const std::vector<std::string>& arguments, std::ostream& out) {
    bool json = false;
    std::optional<int> year;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        if (a == "--json") {
            json = true;
        } else if (a == "--year" && i + 1 < arguments.size()) {
            const std::string& text = arguments[++i];
            int y = 0;
            auto parsed = std::from_chars(text.data(), text.data() + text.size(), y);
            if (text.size() != 4 || parsed.ec != std::errc() || parsed.ptr != text.data() + text.size())
                throw UsageError("Y must be a year of four digits, not " + text);
            year = y;
        } else {
            throw UsageError("usage: drink DB [--year Y] [--json]");
        }
    }

    Database db = LoadDatabase(arguments[0]);
    if (!FindDrinkYearDetails(db.labels).found())
        throw UsageError("the database has no details labelled " + std::string(kDrinkLabelsWanted));
    const DrinkReport report = MakeDrinkReport(db, year.value_or(ThisYear()));

    if (json) {
        nlohmann::ordered_json result;
        result["year"] = report.year;
        nlohmann::ordered_json counts = nlohmann::ordered_json::object();
        for (DrinkStatus s : kCounted) counts[std::string(DrinkStatusText(s))] = report.count(s);
        result["counts"] = counts;
        nlohmann::ordered_json list = nlohmann::ordered_json::array();
        for (const DrinkEntry& e : report.list)
            list.push_back({{"record", e.index + 1},
                            {"name", Cp1252ToUtf8(db.records[e.index].Name)},
                            {"from", YearJson(e.years.from)},
                            {"to", YearJson(e.years.to)},
                            {"quantity", e.bottles},
                            {"status", DrinkStatusText(e.status)}});
        result["list"] = list;
        nlohmann::ordered_json check = nlohmann::ordered_json::array();
        for (std::size_t i : report.check) check.push_back(i + 1);
        result["check"] = check;
        out << result.dump(2) << '\n';
        return;
    }
    for (DrinkStatus s : kCounted) out << DrinkStatusText(s) << '\t' << report.count(s) << '\n';
    out << '\n';
    for (const DrinkEntry& e : report.list)
        out << e.index + 1 << '\t' << Cp1252ToUtf8(db.records[e.index].Name) << '\t' << YearText(e.years.from) << '\t'
            << YearText(e.years.to) << '\t' << e.bottles << '\t' << DrinkStatusText(e.status) << '\n';
}

}  // namespace vorlane::cli
