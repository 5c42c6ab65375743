#include "editor/description_display.h"

namespace vorlane {

std::string DescriptionDisplay(std::string_view path, bool shortValues) {
    if (!shortValues) return std::string(path);
    return std::string(path.substr(0, path.find(':')));
}

}  // namespace vorlane
