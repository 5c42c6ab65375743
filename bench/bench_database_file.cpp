// Reading and writing a 100,000-record cellar, measured against copying and
// writing the same bytes in the same run.
//
//   vorlane_bench [benchmark flags], e.g. --benchmark_repetitions=3

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "cellar_generator.h"
#include "storage/database_file.h"
#include "storage/safe_file.h"

namespace {

using namespace vorlane;
namespace fs = std::filesystem;

constexpr std::size_t kRecords = 100'000;
constexpr std::uint32_t kSeed = 20231130;

struct Workload {
    Database db;
    std::string bytes;  // the encoded file
    std::string dir;
    std::string path;  // the file on disk, written once

    Workload() {
        db = GenerateCellar(kRecords, kSeed);
        bytes = EncodeDatabase(db, "bench.dat");
        std::string pattern = (fs::temp_directory_path() / "vorlane-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) std::perror("mkdtemp"), std::exit(2);
        dir = pattern;
        path = dir + "/cellar.dat";
        if (!SaveDatabaseFile(db, path).ok) std::fprintf(stderr, "cannot write %s\n", path.c_str()), std::exit(2);
    }
    ~Workload() {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
};

Workload& work() {
    static Workload w;
    return w;
}

void setBytes(benchmark::State& state) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(work().bytes.size()));
    state.counters["records"] = static_cast<double>(kRecords);
}

// Drops the file's pages from the page cache so the next read goes to the disk.
void evict(const std::string& path) {
    int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0) return;
    ::fdatasync(fd);
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
    ::close(fd);
}

// ---- baselines ----

void BM_CopyBytes(benchmark::State& state) {
    const std::string& bytes = work().bytes;
    for (auto _ : state) {
        std::unique_ptr<char[]> copy(new char[bytes.size()]);
        std::memcpy(copy.get(), bytes.data(), bytes.size());
        benchmark::DoNotOptimize(copy.get());
        benchmark::ClobberMemory();
    }
    setBytes(state);
}

// The same copy into a buffer whose pages are already mapped: what copying
// costs once first-touch page faults are out of the picture.
void BM_CopyBytesReused(benchmark::State& state) {
    const std::string& bytes = work().bytes;
    std::unique_ptr<char[]> copy(new char[bytes.size()]);
    std::memset(copy.get(), 0, bytes.size());
    for (auto _ : state) {
        std::memcpy(copy.get(), bytes.data(), bytes.size());
        benchmark::DoNotOptimize(copy.get());
        benchmark::ClobberMemory();
    }
    setBytes(state);
}

void BM_WriteBytesFsync(benchmark::State& state) {
    const std::string& bytes = work().bytes;
    const std::string path = work().dir + "/raw.bin";
    for (auto _ : state) {
        int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        std::size_t done = 0;
        while (fd >= 0 && done < bytes.size()) {
            ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
            if (n <= 0) break;
            done += static_cast<std::size_t>(n);
        }
        if (fd < 0 || done != bytes.size() || ::fsync(fd) != 0) state.SkipWithError("write failed");
        if (fd >= 0) ::close(fd);
    }
    ::unlink(path.c_str());
    setBytes(state);
}

// ---- the database file ----

void BM_Encode(benchmark::State& state) {
    Database& db = work().db;
    for (auto _ : state) {
        std::string bytes = EncodeDatabase(db, "bench.dat");
        benchmark::DoNotOptimize(bytes.data());
    }
    setBytes(state);
}

void BM_Decode(benchmark::State& state) {
    const std::string& bytes = work().bytes;
    for (auto _ : state) {
        Database db;
        if (DecodeDatabase(bytes, "bench.dat", db) != ReadStatus::Loaded) state.SkipWithError("decode failed");
        benchmark::DoNotOptimize(db.records.data());
    }
    setBytes(state);
}

// Encode, write, fsync, read back and check, rename: the whole Save.
void BM_SaveFile(benchmark::State& state) {
    Database& db = work().db;
    const std::string path = work().dir + "/saved.dat";
    for (auto _ : state) {
        if (!SaveDatabaseFile(db, path).ok) state.SkipWithError("save failed");
    }
    ::unlink(path.c_str());
    setBytes(state);
}

void readAndDecode(benchmark::State& state, bool cold) {
    const std::string& path = work().path;
    for (auto _ : state) {
        if (cold) {
            state.PauseTiming();
            evict(path);
            state.ResumeTiming();
        }
        std::string bytes;
        Database db;
        if (!ReadWholeFile(path, bytes).ok || DecodeDatabase(bytes, path, db) != ReadStatus::Loaded)
            state.SkipWithError("read failed");
        benchmark::DoNotOptimize(db.records.data());
    }
    setBytes(state);
}

void BM_ReadFile(benchmark::State& state) { readAndDecode(state, false); }
void BM_ReadFileCold(benchmark::State& state) { readAndDecode(state, true); }

// The same bytes read cold without decoding: the disk's share of a cold read.
void BM_ReadBytesCold(benchmark::State& state) {
    const std::string& path = work().path;
    for (auto _ : state) {
        state.PauseTiming();
        evict(path);
        state.ResumeTiming();
        std::string bytes;
        if (!ReadWholeFile(path, bytes).ok) state.SkipWithError("read failed");
        benchmark::DoNotOptimize(bytes.data());
    }
    setBytes(state);
}

BENCHMARK(BM_CopyBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CopyBytesReused)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteBytesFsync)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Encode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Decode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveFile)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadFile)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadBytesCold)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadFileCold)->Unit(benchmark::kMillisecond)->UseRealTime();

// ---- ratios ----

// Keeps each benchmark's best time per iteration (over repetitions) so the
// run can end with the ratios against its own baselines. The machine may be
// shared, so CPU time is kept beside wall time.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const auto& run : runs) {
            if (run.error_occurred || run.run_type != Run::RT_Iteration || run.iterations == 0) continue;
            auto n = static_cast<double>(run.iterations);
            auto [it, fresh] = best_.try_emplace(run.run_name.function_name,
                                                 Times{run.real_accumulated_time / n, run.cpu_accumulated_time / n});
            if (!fresh) {
                it->second.real = std::min(it->second.real, run.real_accumulated_time / n);
                it->second.cpu = std::min(it->second.cpu, run.cpu_accumulated_time / n);
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    // Other benchmarks share this program; the summary is only for these.
    bool ranFileBenchmarks() const { return best_.count("BM_CopyBytes") != 0; }

    void printRatios() const {
        const Times copy = at("BM_CopyBytes");
        const Times reused = at("BM_CopyBytesReused");
        const double mb = static_cast<double>(work().bytes.size()) / 1e6;
        std::printf("\n%zu records, file %.1f MB (%zu bytes); best of the repetitions\n", kRecords, mb,
                    work().bytes.size());
        std::printf("ratios are wall/wall and cpu/cpu against copying the bytes into a fresh buffer (copy) and\n"
                    "into an already mapped one (mapped), and for writes and cold reads against their own kind\n");
        std::printf("%-18s %8s %8s %6s  %-13s %-13s %s\n", "", "wall ms", "cpu ms", "MB/s", "x copy",
                    "x mapped", "x own baseline");
        struct Line {
            const char* name;
            const char* own;  // a closer baseline, or nullptr
        };
        const Line lines[] = {
            {"BM_CopyBytes", nullptr},       {"BM_CopyBytesReused", nullptr},
            {"BM_WriteBytesFsync", nullptr}, {"BM_Encode", nullptr},
            {"BM_Decode", nullptr},          {"BM_ReadFile", nullptr},
            {"BM_SaveFile", "BM_WriteBytesFsync"}, {"BM_ReadBytesCold", nullptr},
            {"BM_ReadFileCold", "BM_ReadBytesCold"},
        };
        for (const auto& line : lines) {
            Times t = at(line.name);
            if (t.real <= 0) continue;
            std::printf("%-18s %8.1f %8.1f %6.0f  %6.2f/%-6.2f %6.1f/%-6.1f", line.name + 3, t.real * 1e3,
                        t.cpu * 1e3, mb / t.real, ratio(t.real, copy.real), ratio(t.cpu, copy.cpu),
                        ratio(t.real, reused.real), ratio(t.cpu, reused.cpu));
            if (line.own) {
                Times own = at(line.own);
                std::printf(" %.1f/%.1f vs %s", ratio(t.real, own.real), ratio(t.cpu, own.cpu), line.own + 3);
            }
            std::printf("\n");
        }
    }

private:
    struct Times {
        double real = 0;
        double cpu = 0;
    };
    Times at(const char* name) const {
        auto it = best_.find(name);
        return it == best_.end() ? Times{} : it->second;
    }
    static double ratio(double t, double base) { return base > 0 ? t / base : 0.0; }

    std::map<std::string, Times> best_;
};

// ---- peak memory of one read ----

// The peak is measured in a child forked before anything big is made, so
// its high-water mark starts small and counts the read alone. It waits for
// a path on one pipe and answers on the other.
class PeakReader {
public:
    PeakReader() {
        int toChild[2], toParent[2];
        if (::pipe(toChild) != 0 || ::pipe(toParent) != 0) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(toChild[1]);
            ::close(toParent[0]);
            serve(toChild[0], toParent[1]);
            ::_exit(0);
        }
        ::close(toChild[0]);
        ::close(toParent[1]);
        out_ = toChild[1];
        in_ = toParent[0];
    }
    ~PeakReader() {
        if (out_ >= 0) ::close(out_);
        if (in_ >= 0) ::close(in_);
        if (pid_ > 0) ::waitpid(pid_, nullptr, 0);
    }

    void report(const std::string& path) {
        std::string line = path + "\n";
        if (pid_ <= 0 || ::write(out_, line.data(), line.size()) != static_cast<ssize_t>(line.size())) return;
        char buffer[256] = {};
        ssize_t n = ::read(in_, buffer, sizeof buffer - 1);
        long startKiB = 0, peakKiB = 0, hwmKiB = 0;
        std::size_t fileBytes = 0, records = 0;
        if (n <= 0 || std::sscanf(buffer, "%ld %ld %ld %zu %zu", &startKiB, &peakKiB, &hwmKiB, &fileBytes,
                                  &records) != 5) {
            std::printf("\npeak memory of a read: not measured\n");
            return;
        }
        const double fileMiB = static_cast<double>(fileBytes) / (1024.0 * 1024.0);
        std::printf("\npeak memory reading %zu records from a %.1f MiB file (read whole, then decoded):\n"
                    "  ru_maxrss %.1f MiB (%.1f MiB before the read; VmHWM %.1f MiB), %.2f x the file size\n",
                    records, fileMiB, peakKiB / 1024.0, startKiB / 1024.0, hwmKiB / 1024.0,
                    peakKiB / 1024.0 / fileMiB);
    }

private:
    static long maxRssKiB() {
        rusage usage{};
        ::getrusage(RUSAGE_SELF, &usage);
        return usage.ru_maxrss;
    }
    static long highWaterKiB() {
        std::FILE* status = std::fopen("/proc/self/status", "r");
        if (!status) return 0;
        char line[256];
        long kib = 0;
        while (std::fgets(line, sizeof line, status))
            if (std::sscanf(line, "VmHWM: %ld kB", &kib) == 1) break;
        std::fclose(status);
        return kib;
    }

    static void serve(int in, int out) {
        std::string path;
        char c;
        while (::read(in, &c, 1) == 1 && c != '\n') path.push_back(c);
        if (path.empty()) return;
        long before = maxRssKiB();
        std::string bytes;
        Database db;
        if (!ReadWholeFile(path, bytes).ok || DecodeDatabase(bytes, path, db) != ReadStatus::Loaded) return;
        char answer[256];
        int n = std::snprintf(answer, sizeof answer, "%ld %ld %ld %zu %zu\n", before, maxRssKiB(), highWaterKiB(),
                              bytes.size(), db.records.size());
        if (n > 0) (void)!::write(out, answer, static_cast<std::size_t>(n));
    }

    pid_t pid_ = -1;
    int out_ = -1;
    int in_ = -1;
};

}  // namespace

int main(int argc, char** argv) {
    PeakReader peak;  // before anything else, while this process is small
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    if (reporter.ranFileBenchmarks()) {
        reporter.printRatios();
        peak.report(work().path);
    }
    benchmark::Shutdown();
    return 0;
}
