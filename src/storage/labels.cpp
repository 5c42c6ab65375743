#include "storage/labels.h"

namespace vorlane {

LabelTable DefaultLabels() {
    LabelTable labels;
    // Generic names first, then the cellar's own names over some of them;
    // that is why description 6 reads "Description 5".
    for (int i = 0; i < 10; ++i) {
        labels[static_cast<std::size_t>(i)] = "Detail " + std::to_string(i + 1);
        labels[static_cast<std::size_t>(i + 10)] = "Description " + std::to_string(i);
    }
    labels[0] = "Winery";
    labels[1] = "Paid";
    labels[2] = "Date Received";
    labels[3] = "Vintage";
    labels[4] = "Bottle Size";
    labels[8] = "Value";
    labels[9] = "Quantity";
    labels[10] = "Region";
    labels[11] = "Type";
    labels[12] = "Producer";
    labels[13] = "Rating";
    labels[14] = "Rarity";
    return labels;
}

}  // namespace vorlane
