#include "storage/safe_file.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstdint>
#include <cstring>
#include <exception>
#include <fcntl.h>
#include <new>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace vorlane {

int FileSystemOps::open(const char* path, int flags, mode_t mode) { return ::open(path, flags, mode); }
ssize_t FileSystemOps::write(int fd, const void* data, size_t size) { return ::write(fd, data, size); }
int FileSystemOps::fsync(int fd) { return ::fsync(fd); }
int FileSystemOps::close(int fd) { return ::close(fd); }
int FileSystemOps::rename(const char* from, const char* to) { return ::rename(from, to); }
int FileSystemOps::unlink(const char* path) { return ::unlink(path); }
int FileSystemOps::link(int fd, const char* path) {
    // linkat with AT_EMPTY_PATH needs a privilege; the descriptor's entry in
    // /proc does not.
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    return ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, path, AT_SYMLINK_FOLLOW);
}

FileSystemOps& FileSystemOps::system() {
    static FileSystemOps ops;
    return ops;
}

namespace {

std::string Reason(int error) {
    // strerror is not thread-safe; the GNU strerror_r returns the text it chose.
    char buffer[256];
    return ::strerror_r(error, buffer, sizeof buffer);
}

FileResult Failure(std::string text) {
    FileResult result;
    result.error = std::move(text);
    return result;
}

FileResult Success() {
    FileResult result;
    result.ok = true;
    return result;
}

int OpenRetrying(const char* path, int flags, mode_t mode = 0) {
    int fd;
    do {
        fd = ::open(path, flags, mode);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

class ReadDescriptor {
public:
    explicit ReadDescriptor(int fd) : fd_(fd) {}
    ~ReadDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    ReadDescriptor(const ReadDescriptor&) = delete;
    ReadDescriptor& operator=(const ReadDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

std::string TooLarge(const std::string& path, unsigned long long size, std::size_t maxBytes) {
    return "The file " + path + " is too large to read (" + std::to_string(size) +
           " bytes; at most " + std::to_string(maxBytes) + " bytes can be read).";
}

FileResult ReadAll(const std::string& path, std::string& bytes, std::size_t maxBytes, bool startOnly) {
    // Not blocking: a FIFO must not hang the open before it is refused.
    ReadDescriptor fd(OpenRetrying(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0) return Failure("Could not open " + path + ": " + Reason(errno));

    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) return Failure("Could not read " + path + ": " + Reason(errno));
    if (S_ISDIR(info.st_mode)) return Failure("Could not read " + path + ": " + Reason(EISDIR));
    // Devices and pipes never end or never say how long they are.
    if (!S_ISREG(info.st_mode)) return Failure("Could not read " + path + ": it is not a regular file.");
    if (!startOnly && info.st_size > 0 && static_cast<unsigned long long>(info.st_size) > maxBytes)
        return Failure(TooLarge(path, static_cast<unsigned long long>(info.st_size), maxBytes));

    // The size is only a hint: pipes report nothing and files can grow while
    // we read, so read until the end and keep enforcing the limit.
    std::string buffer;
    std::size_t expected = info.st_size > 0 ? static_cast<std::size_t>(info.st_size) : 0;
    if (startOnly) expected = std::min(expected, maxBytes);
    std::size_t used = 0;
    buffer.resize(expected < maxBytes ? expected + 1 : expected);
    for (;;) {
        if (used == buffer.size()) {
            if (used >= maxBytes) {
                if (startOnly) break;
                // Full at the limit: anything more means the file is too large.
                char probe;
                ssize_t n = ::read(fd.get(), &probe, 1);
                if (n < 0 && errno == EINTR) continue;
                if (n < 0) return Failure("Could not read " + path + ": " + Reason(errno));
                if (n == 0) break;
                return Failure(TooLarge(path, used + 1ULL, maxBytes));
            }
            std::size_t grow = std::max<std::size_t>(used, 65536);
            buffer.resize(used + std::min(grow, maxBytes - used));
        }
        std::size_t want = std::min<std::size_t>(buffer.size() - used, std::size_t{1} << 30);
        ssize_t n = ::read(fd.get(), buffer.data() + used, want);
        if (n < 0) {
            if (errno == EINTR) continue;
            return Failure("Could not read " + path + ": " + Reason(errno));
        }
        if (n == 0) break;
        used += static_cast<std::size_t>(n);
    }
    buffer.resize(used);
    bytes = std::move(buffer);
    return Success();
}

std::string DirectoryOf(const std::string& path) {
    std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// Saving through a symbolic link must update the file it points at, not
// replace the link with a plain file.
std::string ResolveTarget(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (resolved == nullptr) return path;  // a dangling link: let the save replace it
    std::string target = resolved;
    std::free(resolved);
    return target;
}

std::string RandomSuffix() {
    static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937_64 engine{std::random_device{}() ^
                                        (static_cast<std::uint64_t>(::getpid()) << 32)};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
    std::string suffix(6, 'X');
    for (char& letter : suffix) letter = kLetters[pick(engine)];
    return suffix;
}

std::string TempPrefix(const std::string& target) {
    // The temporary name must itself be a valid file name, even beside a file
    // whose name is already as long as the system allows.
    constexpr std::size_t kSuffixLength = 11;  // ".tmp-XXXXXX"
    std::size_t slash = target.find_last_of('/');
    std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    std::size_t nameLength = target.size() - nameStart;
    if (nameLength + kSuffixLength <= NAME_MAX) return target + ".tmp-";
    return target.substr(0, nameStart + (NAME_MAX - kSuffixLength)) + ".tmp-";
}

// Owns the temporary file until it has been renamed into place, so that every
// way out of a failed save closes and removes it.
class TempFile {
public:
    explicit TempFile(FileSystemOps& ops) : ops_(ops) {}
    ~TempFile() { discard(); }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    int create(const std::string& target, const std::string& directory, mode_t mode) {
        // Where the system can, the file has no name until it is complete:
        // a save that is killed on the way leaves nothing behind.
        int fd = ops_.open(directory.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, mode);
        if (fd >= 0) {
            fd_ = fd;
            prefix_ = TempPrefix(target);
            return 0;
        }
        // Older kernels and some file systems cannot; they get a named file.
        if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL && errno != ENOENT) return errno;
        return tryNames(TempPrefix(target), [&](const std::string& candidate) {
            int named = ops_.open(candidate.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, mode);
            if (named >= 0) fd_ = named;
            return named >= 0;
        });
    }

    // Gives an unnamed file its name beside the target, for the rename.
    int name() {
        if (!path_.empty()) return 0;
        return tryNames(prefix_, [&](const std::string& candidate) { return ops_.link(fd_, candidate.c_str()) == 0; });
    }

    int fd() const { return fd_; }
    const std::string& path() const { return path_; }

    // Linux releases the descriptor even when close reports an error, so it
    // is never closed twice.
    int close() {
        int fd = fd_;
        fd_ = -1;
        return ops_.close(fd) == 0 ? 0 : errno;
    }

    void committed() { path_.clear(); }

    // Returns why the file could not be removed, or an empty text.
    std::string discard() {
        if (fd_ >= 0) {
            ops_.close(fd_);
            fd_ = -1;
        }
        std::string trouble;
        if (!path_.empty()) {
            if (ops_.unlink(path_.c_str()) != 0 && errno != ENOENT)
                trouble = " The temporary file " + path_ + " could not be removed: " + Reason(errno);
            path_.clear();
        }
        return trouble;
    }

private:
    template <class Make>
    int tryNames(const std::string& prefix, Make make) {
        int lastError = EEXIST;
        for (int attempt = 0; attempt < 100; ++attempt) {
            std::string candidate = prefix + RandomSuffix();
            if (make(candidate)) {
                path_ = std::move(candidate);
                return 0;
            }
            lastError = errno;
            if (lastError != EEXIST && lastError != EINTR) break;
        }
        return lastError;
    }

    FileSystemOps& ops_;
    int fd_ = -1;
    std::string prefix_;
    std::string path_;
};

int WriteAll(FileSystemOps& ops, int fd, std::string_view bytes) {
    const char* next = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        std::size_t want = std::min<std::size_t>(left, std::size_t{1} << 30);
        ssize_t n = ops.write(fd, next, want);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno == 0 ? EIO : errno;
        }
        // A write that takes nothing will take nothing next time either;
        // the usual cause is a full disk.
        if (n == 0) return ENOSPC;
        if (static_cast<std::size_t>(n) > want) return EIO;
        next += n;
        left -= static_cast<std::size_t>(n);
    }
    return 0;
}

// Empty when the file behind fd holds exactly bytes.
std::string CompareWritten(int fd, std::string_view bytes) {
    constexpr std::size_t kPiece = std::size_t{1} << 20;
    std::string piece(std::min(kPiece, std::max<std::size_t>(bytes.size(), 1)), '\0');
    std::size_t offset = 0;
    for (;;) {
        ssize_t n = ::pread(fd, piece.data(), piece.size(), static_cast<off_t>(offset));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return Reason(errno);
        if (n == 0) break;
        std::size_t got = static_cast<std::size_t>(n);
        if (offset + got > bytes.size() || bytes.compare(offset, got, std::string_view(piece.data(), got)) != 0)
            return "What was read differs from what was written.";
        offset += got;
    }
    if (offset != bytes.size()) return "What was read differs from what was written.";
    return {};
}

void SyncDirectory(FileSystemOps& ops, const std::string& directory) {
    int fd = ops.open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (fd < 0) return;
    ops.fsync(fd);
    ops.close(fd);
}

FileResult WriteAndReplace(const std::string& path, std::string_view bytes, FileSystemOps& ops) {
    const std::string target = ResolveTarget(path);
    const std::string directory = DirectoryOf(target);

    mode_t mode = 0644;
    bool keepMode = false;
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0) {
        // The rename would put a plain file in the place of a device or a
        // pipe, and would replace a file the person made read-only.
        if (!S_ISREG(existing.st_mode))
            return Failure("Could not write " + path + ": it is not a regular file.");
        if ((existing.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
            return Failure("Could not write " + path + ": the file is read-only.");
        if (::access(target.c_str(), W_OK) != 0) return Failure("Could not write " + path + ": " + Reason(errno));
        mode = existing.st_mode & 07777;
        keepMode = true;
    }

    TempFile temp(ops);
    // The owner must be able to read the file back, whatever mode it ends with.
    if (int error = temp.create(target, directory, keepMode ? (mode | S_IRUSR | S_IWUSR) : mode))
        return Failure("Could not write " + path + ": " + Reason(error));

    if (int error = WriteAll(ops, temp.fd(), bytes))
        return Failure("Could not write " + path + ": " + Reason(error) + temp.discard());

    int syncResult;
    do {
        syncResult = ops.fsync(temp.fd());
    } while (syncResult != 0 && errno == EINTR);
    if (syncResult != 0) {
        int error = errno;
        return Failure("Could not write " + path + ": " + Reason(error) + temp.discard());
    }

    // The encoding is tested on its own; what a save must prove is that the
    // disk holds exactly those bytes. Compared piece by piece, so the check
    // costs a small buffer rather than a second copy of the file.
    if (std::string problem = CompareWritten(temp.fd(), bytes); !problem.empty())
        return Failure("The saved file could not be read back. " + problem + temp.discard());

    // Gives back what the umask took from the old file's mode. Not worth
    // failing the save over.
    if (keepMode) ::fchmod(temp.fd(), mode);

    if (int error = temp.name())
        return Failure("Could not write " + path + ": " + Reason(error) + temp.discard());
    if (int error = temp.close())
        return Failure("Could not write " + path + ": " + Reason(error) + temp.discard());

    if (ops.rename(temp.path().c_str(), target.c_str()) != 0) {
        int error = errno;
        return Failure("Could not replace " + path + " with the new version: " + Reason(error) +
                       temp.discard());
    }
    temp.committed();

    // The rename itself is only durable once the folder is flushed; the save
    // has succeeded either way, so a failure here is not reported.
    SyncDirectory(ops, directory);
    return Success();
}

}  // namespace

FileResult ReadWholeFile(const std::string& path, std::string& bytes, std::size_t maxBytes) {
    bytes.clear();
    if (path.empty()) return Failure("No file name was given to read from.");
    try {
        return ReadAll(path, bytes, maxBytes, false);
    } catch (const std::bad_alloc&) {
        bytes.clear();
        return Failure("Could not read " + path + ": " + Reason(ENOMEM));
    }
}

FileResult ReadFileStart(const std::string& path, std::string& bytes, std::size_t count) {
    bytes.clear();
    if (path.empty()) return Failure("No file name was given to read from.");
    return ReadAll(path, bytes, count, true);
}

FileStamp StampOf(const std::string& path) {
    FileStamp stamp;
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return stamp;
    stamp.exists = true;
    stamp.device = static_cast<std::uint64_t>(info.st_dev);
    stamp.inode = static_cast<std::uint64_t>(info.st_ino);
    stamp.size = static_cast<std::int64_t>(info.st_size);
    stamp.modifiedSeconds = static_cast<std::int64_t>(info.st_mtim.tv_sec);
    stamp.modifiedNanoseconds = static_cast<std::int64_t>(info.st_mtim.tv_nsec);
    return stamp;
}

FileResult WriteFileSafely(const std::string& path, std::string_view bytes, FileSystemOps& ops) {
    if (path.empty()) return Failure("No file name was given to save to.");
    try {
        return WriteAndReplace(path, bytes, ops);
    } catch (const std::bad_alloc&) {
        // The temporary file has already been removed by the time we get here.
        return Failure("Could not write " + path + ": " + Reason(ENOMEM));
    }
}

}  // namespace vorlane
