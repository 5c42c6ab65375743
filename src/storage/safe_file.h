#pragma once
// Reading whole files, and writing them so that a failed write never
// damages what was there before.

#include <cstdint>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace vorlane {

struct FileResult {
    bool ok = false;
    std::string error;  // why it failed, for the person
};

// The system calls a safe write makes, so tests can make any one of them fail.
class FileSystemOps {
public:
    virtual ~FileSystemOps() = default;
    virtual int open(const char* path, int flags, mode_t mode);
    virtual ssize_t write(int fd, const void* data, size_t size);
    virtual int fsync(int fd);
    virtual int close(int fd);
    virtual int rename(const char* from, const char* to);
    virtual int unlink(const char* path);
    // Gives the unnamed file open at fd the name path.
    virtual int link(int fd, const char* path);
    static FileSystemOps& system();
};

// Refuses files larger than maxBytes before allocating anything.
FileResult ReadWholeFile(const std::string& path, std::string& bytes,
                         std::size_t maxBytes = std::size_t{4} << 30);

// At most the first count bytes of a file (all of a shorter one).
FileResult ReadFileStart(const std::string& path, std::string& bytes, std::size_t count);

// Enough of a file's state to tell that it changed behind the program's
// back: a safe save by another program gives it a new inode, an edit in
// place a new time or size.
struct FileStamp {
    bool exists = false;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedSeconds = 0;
    std::int64_t modifiedNanoseconds = 0;
    bool operator==(const FileStamp&) const = default;
};
FileStamp StampOf(const std::string& path);

// Writes a temporary file beside path, checks every write, flushes it to
// disk, compares what it reads back with bytes, and only then renames it
// over path. On failure the old file is untouched and the temporary file
// is gone.
FileResult WriteFileSafely(const std::string& path, std::string_view bytes,
                           FileSystemOps& ops = FileSystemOps::system());

}  // namespace vorlane
