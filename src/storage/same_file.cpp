#include "storage/same_file.h"

#include <filesystem>

namespace vorlane {

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code ec;
    const bool same = std::filesystem::equivalent(a, b, ec);
    return !ec && same;
}

const std::string* InputNamedBy(const std::string& output, const std::vector<std::string>& inputs) {
    for (const std::string& input : inputs)
        if (SameFile(output, input)) return &input;
    return nullptr;
}

}  // namespace vorlane
