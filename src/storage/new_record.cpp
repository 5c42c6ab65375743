#include "storage/new_record.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <unordered_set>

namespace vorlane {

std::string NewRecordKey(std::mt19937& rng) {
    std::uniform_int_distribution<int> draw(0, 34);
    std::string key(8, 'A');
    for (char& c : key) {
        int r = draw(rng);
        c = r < 26 ? static_cast<char>('A' + r) : static_cast<char>('0' + (r - 26));
    }
    return key;
}

std::string NewRecordKey() {
    // One generator for the run: reseeding from the clock per key would hand
    // records made in the same tick the same key.
    static std::mt19937 rng{std::random_device{}()};
    return NewRecordKey(rng);
}

std::string DefaultRecordName(const RecordList& records) {
    std::unordered_set<std::string> names;
    names.reserve(records.size());
    for (const auto& r : records) names.insert(r.Name);
    for (std::size_t n = 1;; ++n) {
        std::string candidate = "Untitled " + std::to_string(n);
        if (!names.count(candidate)) return candidate;
    }
}

std::string TodayText() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%04d/%02d/%02d", local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
    return buffer;
}

ItemRecord MakeNewRecord(const RecordList& records, const std::string& today) {
    ItemRecord r;
    r.Id = NewRecordKey();
    r.Name = DefaultRecordName(records);
    // assign() rather than operator= with literals: GCC 12 at -O3 warns
    // falsely (-Wrestrict) about the inlined copies.
    r.Details[1].assign(1, '0');
    r.Details[2] = today;
    r.Details[3] = today.substr(0, 4);
    r.Details[8].assign(1, '0');
    r.Details[9].assign("01", 2);
    for (int i = 0; i < kImageCount; ++i) r.Images[static_cast<std::size_t>(i)].Title = "Untitled " + std::to_string(i + 1);
    return r;
}

}  // namespace vorlane
