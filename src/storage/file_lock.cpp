#include "storage/file_lock.h"

namespace vorlane {

std::string DescribeHolder(const LockHolder& holder) {
    std::string text = holder.program.empty() ? "another program" : holder.program;
    if (holder.processId > 0) {
        text += " (process " + std::to_string(holder.processId);
        if (!holder.host.empty()) text += " on " + holder.host;
        text += ")";
    }
    return text;
}

}  // namespace vorlane
