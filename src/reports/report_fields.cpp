#include "reports/report_fields.h"

#include "editor/description_display.h"
#include "storage/fields.h"

namespace vorlane {

std::string ReportFieldTitle(int index, const LabelTable& labels, const ReportCaptions& captions) {
    if (index == kStatusIndex) return captions.status;
    if (index == kNameIndex) return captions.name;
    return FieldName(FieldCodeOfIndex(index), labels);
}

std::string ReportFieldText(const ItemRecord& record, int index, std::size_t position, bool shortValues) {
    if (index >= 0 && index < kDescriptionCount)
        return DescriptionDisplay(record.Descriptions[static_cast<std::size_t>(index)], shortValues);
    if (index >= 10 && index < 20) return record.Details[static_cast<std::size_t>(index - 10)];
    if (index == kRecordNumberIndex) return std::to_string(position);
    if (index == kNameIndex) return record.Name;
    return {};
}

}  // namespace vorlane
