#include "exchange/zip/zip_member.h"

#include <zip.h>

#include <memory>

#include "exchange/cellar_layout.h"

namespace vorlane {

namespace {

struct ZipCloser {
    void operator()(zip_t* z) const { zip_discard(z); }  // read only: nothing to write back
};
struct ZipFileCloser {
    void operator()(zip_file_t* f) const { zip_fclose(f); }
};
using ZipArchive = std::unique_ptr<zip_t, ZipCloser>;

ZipArchive OpenZip(const std::string& path, std::string& error) {
    int code = 0;
    ZipArchive z(zip_open(path.c_str(), ZIP_RDONLY, &code));
    if (!z) {
        zip_error_t e;
        zip_error_init_with_code(&e, code);
        error = path + " cannot be read as a ZIP archive: " + zip_error_strerror(&e);
        zip_error_fini(&e);
    }
    return z;
}

std::optional<zip_uint64_t> FindMember(zip_t* z, std::string_view baseName) {
    const zip_int64_t count = zip_get_num_entries(z, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const char* raw = zip_get_name(z, static_cast<zip_uint64_t>(i), 0);
        if (!raw) continue;
        std::string_view name = raw;
        if (const std::size_t slash = name.find_last_of("/\\"); slash != std::string_view::npos)
            name.remove_prefix(slash + 1);
        if (name == baseName) return static_cast<zip_uint64_t>(i);
    }
    return std::nullopt;
}

}  // namespace

bool IsZipArchive(std::string_view bytes) { return bytes.starts_with("PK\x03\x04"); }

std::optional<std::string> ReadZipMember(const std::string& zipPath, std::string_view baseName, std::string& error,
                                         std::size_t maxBytes) {
    error.clear();
    ZipArchive z = OpenZip(zipPath, error);
    if (!z) return std::nullopt;
    const std::optional<zip_uint64_t> index = FindMember(z.get(), baseName);
    if (!index) return std::nullopt;
    const std::string member = std::string(baseName) + " in " + zipPath;
    std::unique_ptr<zip_file_t, ZipFileCloser> file(zip_fopen_index(z.get(), *index, 0));
    if (!file) {
        error = member + " cannot be read: " + zip_strerror(z.get());
        return std::nullopt;
    }
    // The sizes in the archive's headers may lie: the bound is counted on what comes out.
    std::string out;
    char buffer[64 * 1024];
    for (;;) {
        const zip_int64_t n = zip_fread(file.get(), buffer, sizeof buffer);
        if (n < 0) {
            error = member + " cannot be read: " + zip_file_strerror(file.get());
            return std::nullopt;
        }
        if (n == 0) break;
        if (static_cast<std::size_t>(n) > maxBytes - out.size()) {
            error = member + " is larger than the " + std::to_string(maxBytes) + " bytes an import may read.";
            return std::nullopt;
        }
        out.append(buffer, static_cast<std::size_t>(n));
    }
    return out;
}

bool TakeCellarOutOfZip(const std::string& path, std::string& bytes, std::string& error) {
    if (!IsZipArchive(bytes)) return true;
    if (std::optional<std::string> cellar = ReadZipMember(path, "cellar.csv", error)) {
        bytes = std::move(*cellar);
        return true;
    }
    if (!error.empty()) return false;
    ZipArchive z = OpenZip(path, error);
    if (!z) return false;
    error = FindMember(z.get(), "full_wine_list.csv") ? MakePhoneAppHistoryLayout()->Refusal()
                                                       : path + " holds no cellar.csv";
    return false;
}

}  // namespace vorlane
