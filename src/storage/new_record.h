#pragma once
// What a freshly created record holds.

#include <functional>
#include <random>
#include <string>

#include "storage/record.h"

namespace vorlane {

// Eight characters from A ... Z and 0 ... 8.
std::string NewRecordKey(std::mt19937& rng);
std::string NewRecordKey();

// "Untitled n" for the smallest n >= 1 no record is named exactly.
std::string DefaultRecordName(const RecordList& records);

// Today as "YYYY/MM/DD".
std::string TodayText();

// today: "YYYY/MM/DD"; passed in so tests can pin the date.
ItemRecord MakeNewRecord(const RecordList& records, const std::string& today);

}  // namespace vorlane
