#pragma once
// Whether two paths name one file: the same device and inode, whatever links
// or spellings lead there. A writer uses it to keep from writing over its own input.

#include <string>
#include <vector>

namespace vorlane {

// false when either path names nothing.
bool SameFile(const std::string& a, const std::string& b);

// The first of inputs that output names, or nullptr.
const std::string* InputNamedBy(const std::string& output, const std::vector<std::string>& inputs);

}  // namespace vorlane
