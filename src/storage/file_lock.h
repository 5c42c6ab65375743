#pragma once
// A lock beside a database file, held while a program has it open, so that
// two programs never overwrite each other's work without a word.

#include <cstdint>
#include <memory>
#include <string>

namespace vorlane {

// Who holds a lock, as far as the lock file tells.
struct LockHolder {
    std::int64_t processId = 0;
    std::string host;
    std::string program;
};

// Released when destroyed.
class HeldLock {
public:
    virtual ~HeldLock() = default;
};

class FileLocks {
public:
    virtual ~FileLocks() = default;
    // The lock of the database at path. nullptr when another program holds
    // it (holder.program then names it) or when no lock can be made there at
    // all (holder.program empty). A lock left by a program that is gone is
    // taken over.
    virtual std::unique_ptr<HeldLock> TryLock(const std::string& path, LockHolder& holder) = 0;
};

// "vorlane (process 4242 on cellar-pc)": the words for a holder in messages.
std::string DescribeHolder(const LockHolder& holder);

}  // namespace vorlane
