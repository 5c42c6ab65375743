#include "storage/safe_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>
#include "support/file_bytes.h"

namespace vorlane {
using vorlane::testing::Slurp;
using vorlane::testing::Spill;

namespace {

namespace fs = std::filesystem;

std::string Pattern(std::size_t size, unsigned seed) {
    std::string bytes(size, '\0');
    unsigned state = seed;
    for (char& c : bytes) {
        state = state * 1103515245u + 12345u;
        c = static_cast<char>(state >> 16);
    }
    return bytes;
}

std::vector<std::string> Names(const std::string& dir) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

std::size_t OpenDescriptors() {
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator("/proc/self/fd")) ++count;
    return count;
}

class SafeFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "safefile-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr) << std::strerror(errno);
        dir_ = pattern;
    }
    void TearDown() override {
        ::chmod(dir_.c_str(), 0755);
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }
    std::string In(const std::string& name) const { return dir_ + "/" + name; }

    // After a failed save: the old file is exactly as it was and nothing else
    // was left in the folder.
    void ExpectUntouched(const std::string& name, const std::string& oldBytes) const {
        EXPECT_EQ(Slurp(In(name)), oldBytes);
        EXPECT_EQ(Names(dir_), std::vector<std::string>{name});
    }

    std::string dir_;
};

// Passes every call through, except the faults a test switches on.
class FaultyOps : public FileSystemOps {
public:
    enum class WriteFault { Error, Nothing };

    std::size_t maxChunk = SIZE_MAX;
    std::optional<std::size_t> failAtOffset;
    WriteFault fault = WriteFault::Error;
    bool interruptEveryOtherWrite = false;
    bool corruptWrites = false;
    int refuseOpens = 0;
    int openError = EEXIST;
    int failFsyncCall = 0;  // 1 = the first fsync
    bool failClose = false;
    bool failRename = false;
    bool failUnlink = false;
    bool noUnnamedFiles = false;  // as on file systems without O_TMPFILE

    std::vector<std::string> opened;  // names of temporary files, as they are made
    std::size_t written = 0;
    int writeCalls = 0;
    int fsyncCalls = 0;
    bool faultHit = false;

    int open(const char* path, int flags, mode_t mode) override {
        const bool unnamed = (flags & O_TMPFILE) == O_TMPFILE;
        if (unnamed && noUnnamedFiles) {
            errno = EOPNOTSUPP;
            return -1;
        }
        if (!unnamed) opened.push_back(path);
        if (refuseOpens > 0) {
            --refuseOpens;
            errno = openError;
            return -1;
        }
        return FileSystemOps::open(path, flags, mode);
    }
    ssize_t write(int fd, const void* data, size_t size) override {
        ++writeCalls;
        if (interruptEveryOtherWrite && writeCalls % 2 == 1) {
            errno = EINTR;
            return -1;
        }
        std::size_t n = std::min(size, maxChunk);
        if (failAtOffset) {
            if (written >= *failAtOffset) {
                faultHit = true;
                if (fault == WriteFault::Nothing) return 0;
                errno = ENOSPC;
                return -1;
            }
            n = std::min(n, *failAtOffset - written);
        }
        std::string copy(static_cast<const char*>(data), n);
        if (corruptWrites && n > 0) copy[0] = static_cast<char>(copy[0] ^ 0x20);
        ssize_t result = FileSystemOps::write(fd, copy.data(), n);
        if (result > 0) written += static_cast<std::size_t>(result);
        return result;
    }
    int fsync(int fd) override {
        if (++fsyncCalls == failFsyncCall) {
            errno = EIO;
            return -1;
        }
        return FileSystemOps::fsync(fd);
    }
    int close(int fd) override {
        int result = FileSystemOps::close(fd);
        if (failClose) {
            errno = EIO;
            return -1;
        }
        return result;
    }
    int rename(const char* from, const char* to) override {
        if (failRename) {
            errno = EACCES;
            return -1;
        }
        return FileSystemOps::rename(from, to);
    }
    int link(int fd, const char* path) override {
        opened.push_back(path);
        return FileSystemOps::link(fd, path);
    }
    int unlink(const char* path) override {
        if (failUnlink) {
            errno = EBUSY;
            return -1;
        }
        return FileSystemOps::unlink(path);
    }
};

// --- Reading ---------------------------------------------------------------

TEST_F(SafeFileTest, ReadReturnsEveryByteIncludingNulAndFF) {
    std::string bytes("\0\xFF", 2);
    for (int i = 0; i < 256 * 3; ++i) bytes.push_back(static_cast<char>(i));
    bytes += std::string("\xFF\0", 2);
    Spill(In("all.dat"), bytes);

    std::string read = "left over";
    FileResult result = ReadWholeFile(In("all.dat"), read);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(read, bytes);

    Spill(In("empty.dat"), "");
    result = ReadWholeFile(In("empty.dat"), read);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_TRUE(read.empty());
}

TEST_F(SafeFileTest, ReadExplainsWhyItFailed) {
    std::string read = "left over";
    FileResult result = ReadWholeFile(In("missing.dat"), read);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find(In("missing.dat")), std::string::npos) << result.error;
    EXPECT_NE(result.error.find(std::strerror(ENOENT)), std::string::npos) << result.error;
    EXPECT_TRUE(read.empty());

    result = ReadWholeFile(dir_, read);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find(std::strerror(EISDIR)), std::string::npos) << result.error;

    EXPECT_FALSE(ReadWholeFile("", read).ok);
}

TEST_F(SafeFileTest, ReadRefusesFilesOverTheLimit) {
    Spill(In("hundred.dat"), Pattern(100, 1));
    std::string read;
    FileResult result = ReadWholeFile(In("hundred.dat"), read, 99);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find("too large"), std::string::npos) << result.error;
    EXPECT_TRUE(read.empty());
    result = ReadWholeFile(In("hundred.dat"), read, 100);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(read, Pattern(100, 1));

    // A terabyte would not fit in memory: it must be refused, not allocated.
    int fd = ::open(In("huge.dat").c_str(), O_WRONLY | O_CREAT, 0644);
    ASSERT_GE(fd, 0);
    bool sparse = ::ftruncate(fd, off_t{1} << 40) == 0;
    ::close(fd);
    if (!sparse) GTEST_SKIP() << "this file system cannot hold a sparse terabyte file";
    result = ReadWholeFile(In("huge.dat"), read);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find("too large"), std::string::npos) << result.error;
}

// Devices and pipes may never end: they are refused before any read.
TEST_F(SafeFileTest, ReadRefusesWhatIsNotARegularFile) {
    const std::string fifo = In("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0) << std::strerror(errno);
    for (const std::string& path : {std::string("/dev/zero"), std::string("/dev/urandom"), fifo}) {
        std::string read;
        FileResult result = ReadWholeFile(path, read);
        EXPECT_FALSE(result.ok) << path;
        EXPECT_NE(result.error.find("not a regular file"), std::string::npos) << result.error;
        EXPECT_TRUE(read.empty());
    }
}

// --- Writing that succeeds ---------------------------------------------------

TEST_F(SafeFileTest, WriteCreatesAndReplacesExactly) {
    const std::string path = In("cellar.dat");
    std::string first = Pattern(10000, 3);
    FileResult result = WriteFileSafely(path, first);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(Slurp(path), first);

    std::string shorter("\0short\xFF", 7);
    result = WriteFileSafely(path, shorter);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(Slurp(path), shorter);

    result = WriteFileSafely(path, "");
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(Slurp(path), "");
    EXPECT_EQ(Names(dir_), std::vector<std::string>{"cellar.dat"});
}

TEST_F(SafeFileTest, WriteKeepsModeAndWritesThroughLinks) {
    const std::string path = In("cellar.dat");
    Spill(path, "old");
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    ASSERT_TRUE(WriteFileSafely(path, "new").ok);
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);

    ASSERT_EQ(::symlink("cellar.dat", In("link.dat").c_str()), 0);
    FileResult result = WriteFileSafely(In("link.dat"), "through the link");
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(Slurp(path), "through the link");
    EXPECT_TRUE(fs::is_symlink(In("link.dat")));
    EXPECT_EQ(Names(dir_), (std::vector<std::string>{"cellar.dat", "link.dat"}));
}

TEST_F(SafeFileTest, WriteCarriesOnThroughShortAndInterruptedWrites) {
    const std::string path = In("cellar.dat");
    Spill(path, "old");
    FaultyOps ops;
    ops.maxChunk = 7;
    ops.interruptEveryOtherWrite = true;
    const std::string bytes = Pattern(1000, 4);
    FileResult result = WriteFileSafely(path, bytes, ops);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(Slurp(path), bytes);
    EXPECT_GE(ops.writeCalls, 2 * 143);
    EXPECT_EQ(Names(dir_), std::vector<std::string>{"cellar.dat"});
}

TEST_F(SafeFileTest, WriteTriesAnotherNameWhenTheTemporaryNameIsTaken) {
    const std::string path = In("cellar.dat");
    FaultyOps ops;
    ops.noUnnamedFiles = true;
    ops.refuseOpens = 3;
    FileResult result = WriteFileSafely(path, "data", ops);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(Slurp(path), "data");
    ASSERT_GE(ops.opened.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(ops.opened[i].rfind(path + ".tmp-", 0), 0u) << ops.opened[i];
        for (std::size_t j = 0; j < i; ++j) EXPECT_NE(ops.opened[i], ops.opened[j]);
    }
}

TEST_F(SafeFileTest, WriteSucceedsWhenOnlyTheFolderFlushFails) {
    // The file is already in place by then; reporting failure would be a lie.
    const std::string path = In("cellar.dat");
    Spill(path, "old");
    FaultyOps ops;
    ops.failFsyncCall = 2;
    FileResult result = WriteFileSafely(path, "new", ops);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(ops.fsyncCalls, 2);
    EXPECT_EQ(Slurp(path), "new");
}

// --- Writing that fails ------------------------------------------------------

TEST_F(SafeFileTest, FailedWriteAtAnyOffsetLeavesOldFile) {
    const std::string path = In("cellar.dat");
    const std::string old = "the old cellar";
    Spill(path, old);
    const std::string bytes = Pattern(4096, 5);
    const std::size_t descriptors = OpenDescriptors();

    for (auto fault : {FaultyOps::WriteFault::Error, FaultyOps::WriteFault::Nothing}) {
        for (std::size_t offset = 0; offset < bytes.size(); ++offset) {
            FaultyOps ops;
            ops.maxChunk = 97;  // several writes, failing both inside and at the edge of one
            ops.failAtOffset = offset;
            ops.fault = fault;
            FileResult result = WriteFileSafely(path, bytes, ops);
            ASSERT_FALSE(result.ok) << "offset " << offset;
            ASSERT_TRUE(ops.faultHit) << "offset " << offset;
            ASSERT_EQ(result.error, "Could not write " + path + ": " + std::strerror(ENOSPC));
            ASSERT_EQ(Slurp(path), old) << "offset " << offset;
            ASSERT_EQ(Names(dir_), std::vector<std::string>{"cellar.dat"}) << "offset " << offset;
        }
    }
    EXPECT_EQ(OpenDescriptors(), descriptors);
}

TEST_F(SafeFileTest, FailedFlushCloseOrRenameLeavesOldFile) {
    const std::string path = In("cellar.dat");
    const std::string old = "the old cellar";
    Spill(path, old);
    struct Case {
        const char* what;
        void (*arm)(FaultyOps&);
        int error;
    };
    const Case cases[] = {
        {"fsync", [](FaultyOps& ops) { ops.failFsyncCall = 1; }, EIO},
        {"close", [](FaultyOps& ops) { ops.failClose = true; }, EIO},
        {"rename", [](FaultyOps& ops) { ops.failRename = true; }, EACCES},
        {"open", [](FaultyOps& ops) { ops.refuseOpens = 1;
             ops.openError = EMFILE; }, EMFILE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FaultyOps ops;
        c.arm(ops);
        FileResult result = WriteFileSafely(path, Pattern(3000, 6), ops);
        EXPECT_FALSE(result.ok);
        EXPECT_NE(result.error.find(path), std::string::npos) << result.error;
        EXPECT_NE(result.error.find(std::strerror(c.error)), std::string::npos) << result.error;
        ExpectUntouched("cellar.dat", old);
    }
}

TEST_F(SafeFileTest, FailureToRemoveTheTemporaryFileIsReported) {
    const std::string path = In("cellar.dat");
    FaultyOps ops;
    ops.failRename = true;
    ops.failUnlink = true;
    FileResult result = WriteFileSafely(path, "data", ops);
    EXPECT_FALSE(result.ok);
    ASSERT_FALSE(ops.opened.empty());
    EXPECT_NE(result.error.find(ops.opened.front()), std::string::npos) << result.error;
    EXPECT_TRUE(fs::exists(ops.opened.front()));
}

TEST_F(SafeFileTest, AKilledSaveLeavesNothingBesideTheOldFile) {
    const std::string path = In("cellar.dat");
    const std::string old = "the old cellar";
    Spill(path, old);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // Killed halfway through writing, as a person or the system might.
        struct KilledOps : FileSystemOps {
            ssize_t write(int fd, const void* data, size_t size) override {
                FileSystemOps::write(fd, data, size / 2);
                ::raise(SIGKILL);
                return -1;
            }
        } ops;
        WriteFileSafely(path, Pattern(100000, 3), ops);
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    ExpectUntouched("cellar.dat", old);
}

TEST_F(SafeFileTest, ReadBackCatchesBadDataAndKeepsOldFile) {
    const std::string path = In("cellar.dat");
    const std::string old = "the old cellar";
    Spill(path, old);
    // The disk claims success but stores something else.
    FaultyOps corrupting;
    corrupting.corruptWrites = true;
    FileResult result = WriteFileSafely(path, Pattern(2000, 7), corrupting);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error.rfind("The saved file could not be read back.", 0), 0u) << result.error;
    ExpectUntouched("cellar.dat", old);
}

TEST_F(SafeFileTest, WriteRefusesPathsThatCannotBeWritten) {
    EXPECT_FALSE(WriteFileSafely("", "data").ok);
    EXPECT_FALSE(WriteFileSafely("", "data").error.empty());

    Spill(In("plain"), "not a folder");
    FileResult result = WriteFileSafely(In("plain") + "/cellar.dat", "data");
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find(std::strerror(ENOTDIR)), std::string::npos) << result.error;

    result = WriteFileSafely(In("missing") + "/cellar.dat", "data");
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find(std::strerror(ENOENT)), std::string::npos) << result.error;
    EXPECT_EQ(Names(dir_), std::vector<std::string>{"plain"});
    EXPECT_EQ(Slurp(In("plain")), "not a folder");

    // A folder in the place of the file.
    ASSERT_EQ(::mkdir(In("folder").c_str(), 0755), 0);
    result = WriteFileSafely(In("folder"), "data");
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(fs::is_directory(In("folder")));
    EXPECT_EQ(Names(dir_), (std::vector<std::string>{"folder", "plain"}));

    // A read-only file and a pipe are refused, named, and left as they are.
    Spill(In("locked.dat"), "old");
    ASSERT_EQ(::chmod(In("locked.dat").c_str(), 0444), 0);
    ASSERT_EQ(::mkfifo(In("pipe").c_str(), 0600), 0);
    const std::pair<std::string, const char*> refused[] = {
        {In("locked.dat"), "read-only"}, {In("pipe"), "not a regular file"}};
    for (const auto& [path, reason] : refused) {
        result = WriteFileSafely(path, "new");
        EXPECT_FALSE(result.ok) << path;
        EXPECT_NE(result.error.find(path + ": "), std::string::npos) << result.error;
        EXPECT_NE(result.error.find(reason), std::string::npos) << result.error;
    }
    EXPECT_EQ(Slurp(In("locked.dat")), "old");
    EXPECT_EQ(fs::status(In("pipe")).type(), fs::file_type::fifo);
    fs::remove(In("locked.dat"));
    fs::remove(In("pipe"));

    if (::geteuid() != 0) {
        fs::remove(In("plain"));
        fs::remove(In("folder"));
        Spill(In("cellar.dat"), "old");
        ASSERT_EQ(::chmod(dir_.c_str(), 0555), 0);
        result = WriteFileSafely(In("cellar.dat"), "new");
        ::chmod(dir_.c_str(), 0755);
        EXPECT_FALSE(result.ok);
        EXPECT_NE(result.error.find(std::strerror(EACCES)), std::string::npos) << result.error;
        ExpectUntouched("cellar.dat", "old");
    }
}

// The file size limit makes the kernel cut writes short and then refuse them,
// just as a full disk does.
TEST_F(SafeFileTest, FileSizeLimitLeavesOldFile) {
    const std::string path = In("cellar.dat");
    const std::string old = Pattern(300, 8);
    Spill(path, old);
    const std::string bytes = Pattern(64 * 1024, 9);

    int report[2];
    ASSERT_EQ(::pipe(report), 0);
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::close(report[0]);
        ::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{16 * 1024, 16 * 1024};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) ::_exit(3);
        FileResult result = WriteFileSafely(path, bytes);
        if (::write(report[1], result.error.data(), result.error.size()) < 0) ::_exit(4);
        ::_exit(result.ok ? 0 : 1);
    }
    ::close(report[1]);
    std::string error;
    char buffer[256];
    for (ssize_t n; (n = ::read(report[0], buffer, sizeof buffer)) > 0;) error.append(buffer, n);
    ::close(report[0]);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "child died with signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 1) << error;
    EXPECT_EQ(error, "Could not write " + path + ": " + std::strerror(EFBIG));
    ExpectUntouched("cellar.dat", old);
}

// Real file systems that refuse: a tiny one that fills up, and a read-only one
// (which stops even root). Needs permission to mount.
class SafeFileMountTest : public SafeFileTest {
protected:
    void SetUp() override {
        SafeFileTest::SetUp();
        mountPoint_ = In("mnt");
        ASSERT_EQ(::mkdir(mountPoint_.c_str(), 0755), 0);
        if (::mount("tmpfs", mountPoint_.c_str(), "tmpfs", 0, "size=64k") != 0)
            GTEST_SKIP() << "cannot mount a small file system here: " << std::strerror(errno);
        mounted_ = true;
    }
    void TearDown() override {
        if (mounted_) ::umount2(mountPoint_.c_str(), MNT_DETACH);
        SafeFileTest::TearDown();
    }
    std::vector<std::string> MountNames() const { return Names(mountPoint_); }

    std::string mountPoint_;
    bool mounted_ = false;
};

TEST_F(SafeFileMountTest, FullDiskLeavesOldFile) {
    const std::string path = mountPoint_ + "/cellar.dat";
    const std::string old = Pattern(8 * 1024, 10);
    Spill(path, old);
    FileResult result = WriteFileSafely(path, Pattern(200 * 1024, 11));
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, "Could not write " + path + ": " + std::strerror(ENOSPC));
    EXPECT_EQ(Slurp(path), old);
    EXPECT_EQ(MountNames(), std::vector<std::string>{"cellar.dat"});
}

TEST_F(SafeFileMountTest, ReadOnlyFolderLeavesOldFile) {
    const std::string path = mountPoint_ + "/cellar.dat";
    Spill(path, "old");
    if (::mount(nullptr, mountPoint_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0)
        GTEST_SKIP() << "cannot make the file system read-only: " << std::strerror(errno);
    FileResult result = WriteFileSafely(path, "new");
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find(std::strerror(EROFS)), std::string::npos) << result.error;
    EXPECT_EQ(Slurp(path), "old");
    EXPECT_EQ(MountNames(), std::vector<std::string>{"cellar.dat"});
}

}  // namespace
}  // namespace vorlane
