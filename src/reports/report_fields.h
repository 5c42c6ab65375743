#pragma once
// The 23 fields a report can show, their titles and their texts.

#include <array>
#include <string>

#include "storage/labels.h"
#include "storage/record.h"

namespace vorlane {

constexpr int kReportFieldCount = 23;  // field indexes 0 ... 22
constexpr int kStatusIndex = 20;
constexpr int kRecordNumberIndex = 21;
constexpr int kNameIndex = 22;

// The main window's captions, which the person may not rename but another
// window may show differently.
struct ReportCaptions {
    std::string status = "Status";
    std::string name = "Name";
};

// Title of field index 0 ... 22: labels for descriptions and details, then
// the status caption, "Record #" and the name caption.
std::string ReportFieldTitle(int index, const LabelTable& labels, const ReportCaptions& captions);

// The record's text for field index 0 ... 21 except status: description
// display text, detail, the 1-based position as record number, name.
std::string ReportFieldText(const ItemRecord& record, int index, std::size_t position, bool shortValues);

}  // namespace vorlane
