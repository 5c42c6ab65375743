#pragma once
// Database locks as QLockFile: "cellar.dat.lock" beside "cellar.dat".

#include "storage/file_lock.h"

namespace vorlane {

class QtFileLocks : public FileLocks {
public:
    std::unique_ptr<HeldLock> TryLock(const std::string& path, LockHolder& holder) override;
};

}  // namespace vorlane
