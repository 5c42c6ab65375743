#pragma once
// The open database: records plus everything the file carries about them.

#include <array>
#include <string>
#include <vector>

#include "storage/labels.h"
#include "storage/record.h"

namespace vorlane {

enum InfoField {
    InfoDatabaseName,
    InfoOwner,
    InfoStreet,
    InfoCity,
    InfoCountry,
    InfoZipCode,
    InfoHomePhone,
    InfoWorkPhone,
    InfoEmail,
    InfoWebPage,
    kInfoFieldCount
};

struct Database {
    std::string formatVersion = "1.03";  // as read; always written as "1.03"
    std::string readPassword;            // scrambled; empty = none
    std::string savePassword;            // scrambled; empty = none
    std::array<std::string, kInfoFieldCount> info;
    std::vector<std::string> notes;
    LabelTable labels = DefaultLabels();
    std::array<std::string, kDescriptionCount> valueTrees;  // text form, one per description field
    RecordList records;
};

}  // namespace vorlane
