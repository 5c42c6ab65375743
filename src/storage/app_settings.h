#pragma once
// Every setting the program keeps between runs, and the groups in which the
// windows read and write them. Each function is one group: it opens the
// settings file, reads or writes, and (for writes) saves once.

#include <array>
#include <string>
#include <string_view>

#include "storage/fields.h"
#include "storage/safe_file.h"

namespace vorlane {

inline constexpr std::string_view kSettingsSection = "SETTINGS";

// An integer setting. The spreadsheet view reads two of its keys with one
// spelling and writes them with another; names match without regard to case,
// so both address the same value.
struct IntegerSetting {
    std::string_view readKey;
    std::string_view writeKey;
    int defaultValue;
};

inline constexpr std::string_view kLastFileKey = "LAST FILE";  // text, default empty
inline constexpr std::string_view kDescStateKey = "DESCSTATE";  // boolean
inline constexpr bool kDescStateDefault = false;

inline constexpr IntegerSetting kViewWidth{"ViewW:", "ViewW:", 634};
inline constexpr IntegerSetting kViewHeight{"ViewH:", "ViewH:", 482};
inline constexpr IntegerSetting kSearchWidth{"SearchW:", "SearchW:", 581};
inline constexpr IntegerSetting kSearchHeight{"SearchH:", "SearchH:", 454};
inline constexpr IntegerSetting kSpreadsheetWidth{"SpreadsheetW:", "SpreadsheetW:", 640};
inline constexpr IntegerSetting kSpreadsheetHeight{"SpreadsheetH:", "SpreadSheetH:", 475};
inline constexpr IntegerSetting kSpreadsheetSplitter{"SpreadsheetS:", "SpreadSheetS:", 174};
inline constexpr IntegerSetting kAlbumWidth{"AlbumW:", "AlbumW:", 518};
inline constexpr IntegerSetting kAlbumHeight{"AlbumH:", "AlbumH:", 437};
inline constexpr IntegerSetting kGraphWidth{"GraphW:", "GraphW:", 611};
inline constexpr IntegerSetting kGraphHeight{"GraphH:", "GraphH:", 414};
// The drinking window's size, named like the other windows' keys.
inline constexpr IntegerSetting kDrinkingWidth{"DrinkW:", "DrinkW:", 960};
inline constexpr IntegerSetting kDrinkingHeight{"DrinkH:", "DrinkH:", 760};
inline constexpr IntegerSetting kReportWidth{"ReportW:", "ReportW:", 599};
inline constexpr IntegerSetting kReportHeight{"ReportH:", "ReportH:", 481};
inline constexpr IntegerSetting kAddDescWidth{"AddDescW:", "AddDescW:", 369};
inline constexpr IntegerSetting kAddDescHeight{"AddDescH:", "AddDescH:", 393};

// "SPREADSHEET:" + n and "SPREADSHEET SIZE:" + n, n = 0 ... 50.
std::string SpreadsheetColumnKey(int position);
std::string SpreadsheetWidthKey(int position);

using ColumnWidths = std::array<int, kSpreadsheetColumns>;
ColumnWidths DefaultColumnWidths();  // all kDefaultColumnWidth

// Read the first time the main window becomes active.
struct StartupSettings {
    std::string lastFile;  // empty: no database to offer
    ColumnList columns{};
    ColumnWidths widths{};
    bool shortDescriptions = kDescStateDefault;
};
StartupSettings ReadStartupSettings(const std::string& path);

// Written when the main window closes.
FileResult WriteExitSettings(const std::string& path, const std::string& lastFile, int viewWidth,
                             int viewHeight, const ColumnList& columns, const ColumnWidths& widths,
                             bool shortDescriptions);

enum class WindowKind { Main, Search, Spreadsheet, Album, Graph, Report, ValueTreeEditor, DrinkingWindow };

struct WindowSize {
    int width = 0;
    int height = 0;
    int splitter = 0;  // the spreadsheet's browse panel width; 0 for the others
};
WindowSize DefaultWindowSize(WindowKind kind);

// A window's size, read when it is created and written when it stops being
// the active window. The spreadsheet's also carries its splitter.
WindowSize ReadWindowSize(const std::string& path, WindowKind kind);
FileResult WriteWindowSize(const std::string& path, WindowKind kind, const WindowSize& size);

// "Reset Application": the main window's and the spreadsheet's current sizes,
// and the installation sizes of the search, album, graph and report windows.
// The value-tree editor's size and the last file are left as they are.
FileResult WriteResetApplicationSizes(const std::string& path, int viewWidth, int viewHeight,
                                      int spreadsheetWidth, int spreadsheetHeight,
                                      int spreadsheetSplitter);

}  // namespace vorlane
