#include "storage/settings_store.h"
#include "storage/ascii_case.h"

#include <pwd.h>
#include <unistd.h>

#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <utility>

// Debian's SimpleIni keeps its template bodies behind SI_IMPLEMENTATION and
// its UTF converters in a file it does not ship; the store works on bytes, so
// no conversion is wanted anyway. Only this file may define these.
#define SI_IMPLEMENTATION
#define SI_NO_CONVERSION
#include <SimpleIni.h>

namespace vorlane {

// CSimpleIniA compares names with SI_GenericNoCase (ASCII letters only);
// CSimpleIniCaseA would be the case-sensitive one.
struct SettingsStore::Ini {
    CSimpleIniA doc{/*utf8*/ false, /*multiKey*/ false, /*multiLine*/ false};
};

namespace {

// A settings file is a few kilobytes; anything near this is not ours.
constexpr std::size_t kMaxSettingsBytes = std::size_t{16} << 20;

// What the INI parser trims from both ends of names and values.
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }

FileResult Failure(std::string text) {
    FileResult result;
    result.error = std::move(text);
    return result;
}

// A name that the parser would read back as something else, or not at all.
bool IsStorableName(std::string_view name, bool section) {
    if (section && name.empty()) return true;  // keys before any section header
    if (name.empty() || IsBlank(name.front()) || IsBlank(name.back())) return false;
    for (char c : name) {
        if (c == '\0' || IsLineBreak(c)) return false;
        if (section ? c == ']' : c == '=') return false;
    }
    if (!section && (name.front() == '[' || name.front() == ';' || name.front() == '#')) return false;
    return true;
}

// Plain values are stored as they are. A value whose ends the parser would
// trim, that holds a line break or NUL, or that already looks quoted is
// stored between double quotes, and inside those \\, \r, \n and \0 stand for
// the bytes the line cannot hold.
bool NeedsQuotes(std::string_view value) {
    if (value.empty()) return false;
    if (IsBlank(value.front()) || IsBlank(value.back())) return true;
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') return true;
    for (char c : value) {
        if (c == '\0' || IsLineBreak(c)) return true;
    }
    return false;
}

std::string EncodeValue(std::string_view value) {
    if (!NeedsQuotes(value)) return std::string(value);
    std::string out;
    out.reserve(value.size() + 2);
    out.push_back('"');
    for (char c : value) {
        switch (c) {
            case '\\': out += "\\\\"; break;
            case '\r': out += "\\r"; break;
            case '\n': out += "\\n"; break;
            case '\0': out += "\\0"; break;
            default: out.push_back(c);
        }
    }
    out.push_back('"');
    return out;
}

std::string DecodeValue(std::string_view stored) {
    if (stored.size() < 2 || stored.front() != '"' || stored.back() != '"') return std::string(stored);
    std::string_view inner = stored.substr(1, stored.size() - 2);
    std::string out;
    out.reserve(inner.size());
    for (std::size_t i = 0; i < inner.size(); ++i) {
        char c = inner[i];
        if (c == '\\' && i + 1 < inner.size()) {
            switch (inner[i + 1]) {
                case '\\': c = '\\'; ++i; break;
                case 'r': c = '\r'; ++i; break;
                case 'n': c = '\n'; ++i; break;
                case '0': c = '\0'; ++i; break;
                default: break;  // an unknown escape is kept as written
            }
        }
        out.push_back(c);
    }
    return out;
}

// The parser stops at a NUL byte, and after a "[" line without "]" it files
// every following key under a garbled section name. Neither can come from a
// file we wrote, so such bytes and lines are dropped before parsing.
std::string WithoutBrokenLines(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = pos;
        while (end < text.size() && !IsLineBreak(text[end])) ++end;
        std::string_view line = text.substr(pos, end - pos);
        std::size_t first = line.find_first_not_of(std::string_view(" \t\0", 3));
        bool brokenSection = first != std::string_view::npos && line[first] == '[' &&
                             line.find(']', first) == std::string_view::npos;
        if (!brokenSection) {
            for (char c : line) {
                if (c != '\0') out.push_back(c);
            }
        }
        // Keep the line break itself so that line structure is unchanged.
        if (end < text.size()) out.push_back(text[end]);
        pos = end + 1;
    }
    return out;
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool ParseInteger(std::string_view text, int& value) {
    text = Trimmed(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') return false;
    }
    if (text.empty()) return false;
    int parsed = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (error != std::errc() || end != text.data() + text.size()) return false;
    value = parsed;
    return true;
}

}  // namespace

SettingsStore::SettingsStore(std::string path) : path_(std::move(path)), ini_(std::make_unique<Ini>()) {
    ini_->doc.SetSpaces(false);
    if (path_.empty()) {
        loadError_ = "No settings file name was given.";
        return;
    }
    std::error_code ec;
    if (std::filesystem::status(path_, ec).type() == std::filesystem::file_type::not_found) return;

    std::string bytes;
    FileResult read = ReadWholeFile(path_, bytes, kMaxSettingsBytes);
    if (!read.ok) {
        loadError_ = read.error;
        return;
    }
    if (ini_->doc.LoadData(WithoutBrokenLines(bytes)) < 0) {
        ini_->doc.Reset();
        loadError_ = "Could not read " + path_ + ": it is not a settings file.";
    }
}

SettingsStore::~SettingsStore() = default;

const char* SettingsStore::Stored(std::string_view section, std::string_view key) const {
    // A name the file cannot hold cannot be in it either.
    if (!IsStorableName(section, true) || !IsStorableName(key, false)) return nullptr;
    return ini_->doc.GetValue(std::string(section).c_str(), std::string(key).c_str(), nullptr);
}

std::string SettingsStore::ReadText(std::string_view section, std::string_view key,
                                    std::string_view defaultValue) const {
    const char* stored = Stored(section, key);
    return stored ? DecodeValue(stored) : std::string(defaultValue);
}

int SettingsStore::ReadInteger(std::string_view section, std::string_view key, int defaultValue) const {
    const char* stored = Stored(section, key);
    int value = defaultValue;
    if (!stored || !ParseInteger(DecodeValue(stored), value)) return defaultValue;
    return value;
}

bool SettingsStore::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const {
    const char* stored = Stored(section, key);
    if (!stored) return defaultValue;
    std::string value = DecodeValue(stored);
    std::string_view text = Trimmed(value);
    if (EqualsIgnoringAsciiCase(text, "true")) return true;
    if (EqualsIgnoringAsciiCase(text, "false")) return false;
    int number = 0;
    if (ParseInteger(text, number)) return number != 0;
    return defaultValue;
}

void SettingsStore::WriteText(std::string_view section, std::string_view key, std::string_view value) {
    if (!IsStorableName(section, true) || !IsStorableName(key, false)) {
        // Only a programming error gets here; keep the first one for Save().
        if (writeError_.empty()) {
            writeError_ = "The setting \"" + std::string(key) + "\" in [" + std::string(section) +
                          "] has a name that a settings file cannot hold.";
        }
        return;
    }
    std::string encoded = EncodeValue(value);
    if (ini_->doc.SetValue(std::string(section).c_str(), std::string(key).c_str(), encoded.c_str(),
                           nullptr, true) < 0 &&
        writeError_.empty()) {
        writeError_ = "Could not write " + path_ + ": out of memory.";
    }
}

void SettingsStore::WriteInteger(std::string_view section, std::string_view key, int value) {
    WriteText(section, key, std::to_string(value));
}

void SettingsStore::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteText(section, key, value ? "1" : "0");
}

FileResult SettingsStore::Save() {
    if (!writeError_.empty()) return Failure(writeError_);
    if (!loadError_.empty()) {
        return Failure("The settings were not saved, because the settings file could not be read. " +
                       loadError_);
    }
    std::string text;
    if (ini_->doc.Save(text, false) < 0) return Failure("Could not write " + path_ + ": out of memory.");

    std::filesystem::path folder = std::filesystem::path(path_).parent_path();
    if (!folder.empty()) {
        std::error_code ec;
        std::filesystem::create_directories(folder, ec);
        if (ec) return Failure("Could not create the folder " + folder.string() + ": " + ec.message());
    }
    return WriteFileSafely(path_, text);
}

std::string DefaultSettingsPath() {
    const std::string tail = "Vorlane/Vorlane.ini";
    // Relative values of XDG_CONFIG_HOME are to be ignored.
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && config[0] == '/')
        return (std::filesystem::path(config) / tail).string();
    std::string home;
    if (const char* env = std::getenv("HOME"); env && env[0] != '\0') {
        home = env;
    } else if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir) {
        home = entry->pw_dir;
    }
    if (home.empty()) return tail;
    return (std::filesystem::path(home) / ".config" / tail).string();
}

}  // namespace vorlane
