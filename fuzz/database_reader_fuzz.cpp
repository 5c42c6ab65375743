// Feeds arbitrary bytes to every reader of the database file.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "storage/database_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    vorlane::Database db;
    if (vorlane::DecodeDatabase(bytes, "fuzz.dat", db) == vorlane::ReadStatus::Loaded) {
        // What was read must write and read back the same.
        std::string again = vorlane::EncodeDatabase(db, "fuzz.dat");
        vorlane::Database second;
        if (vorlane::DecodeDatabase(again, "fuzz.dat", second) != vorlane::ReadStatus::Loaded) __builtin_trap();
        if (vorlane::EncodeDatabase(second, "fuzz.dat") != again) __builtin_trap();
    }
    std::string readPw, savePw;
    vorlane::DecodePasswords(bytes, readPw, savePw);
    vorlane::Database open;
    vorlane::MergeDatabase(open, bytes, "fuzz.dat");
    vorlane::DecodeIngredients(bytes);
    return 0;
}
