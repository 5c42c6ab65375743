#pragma once
// The per-user settings file: an INI file with named text, integer and
// boolean values. Key and section names match without regard to ASCII case.
//
// One SettingsStore is one group of reads or writes: the file is read when
// it is constructed, and the writes reach the disk in one safe write when
// Save() is called. Nothing is kept between groups, so every group sees
// what the previous one wrote.

#include <memory>
#include <string>
#include <string_view>

#include "storage/safe_file.h"

namespace vorlane {

class SettingsStore {
public:
    explicit SettingsStore(std::string path);
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    const std::string& path() const { return path_; }

    // A missing file, section or key gives the default; so does a value that
    // is not a whole number within range.
    std::string ReadText(std::string_view section, std::string_view key,
                         std::string_view defaultValue) const;
    int ReadInteger(std::string_view section, std::string_view key, int defaultValue) const;
    // Accepts true/false in any case and whole numbers (non-zero is true).
    bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;

    // Any bytes may be written as a text value; the file shows them as they
    // are unless they would not survive a plain "key=value" line.
    void WriteText(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int value);
    void WriteBool(std::string_view section, std::string_view key, bool value);  // 1 / 0

    // Writes the whole file once, creating its folders. A failure leaves the
    // old file as it was. A file that exists but could not be read is never
    // overwritten, so settings that could not be seen are not thrown away.
    FileResult Save();

private:
    struct Ini;
    const char* Stored(std::string_view section, std::string_view key) const;  // null: not there

    std::string path_;
    std::unique_ptr<Ini> ini_;
    std::string loadError_;   // why an existing file could not be read
    std::string writeError_;  // a key that cannot be stored was written
};

// $XDG_CONFIG_HOME/Vorlane/Vorlane.ini, else ~/.config/Vorlane/Vorlane.ini.
std::string DefaultSettingsPath();

}  // namespace vorlane
