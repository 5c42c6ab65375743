#include "storage/app_settings.h"

#include <cstddef>
#include <initializer_list>
#include <string>

#include "storage/settings_store.h"

namespace vorlane {

namespace {

struct WindowKeys {
    const IntegerSetting* width;
    const IntegerSetting* height;
    const IntegerSetting* splitter;  // only the spreadsheet has one
};

WindowKeys KeysOf(WindowKind kind) {
    switch (kind) {
        case WindowKind::Main: return {&kViewWidth, &kViewHeight, nullptr};
        case WindowKind::Search: return {&kSearchWidth, &kSearchHeight, nullptr};
        case WindowKind::Spreadsheet:
            return {&kSpreadsheetWidth, &kSpreadsheetHeight, &kSpreadsheetSplitter};
        case WindowKind::Album: return {&kAlbumWidth, &kAlbumHeight, nullptr};
        case WindowKind::Graph: return {&kGraphWidth, &kGraphHeight, nullptr};
        case WindowKind::Report: return {&kReportWidth, &kReportHeight, nullptr};
        case WindowKind::ValueTreeEditor: return {&kAddDescWidth, &kAddDescHeight, nullptr};
        case WindowKind::DrinkingWindow: return {&kDrinkingWidth, &kDrinkingHeight, nullptr};
    }
    return {&kViewWidth, &kViewHeight, nullptr};
}

int Read(const SettingsStore& store, const IntegerSetting& setting) {
    return store.ReadInteger(kSettingsSection, setting.readKey, setting.defaultValue);
}

void Write(SettingsStore& store, const IntegerSetting& setting, int value) {
    store.WriteInteger(kSettingsSection, setting.writeKey, value);
}

}  // namespace

std::string SpreadsheetColumnKey(int position) { return "SPREADSHEET:" + std::to_string(position); }
std::string SpreadsheetWidthKey(int position) { return "SPREADSHEET SIZE:" + std::to_string(position); }

ColumnWidths DefaultColumnWidths() {
    ColumnWidths widths;
    widths.fill(kDefaultColumnWidth);
    return widths;
}

StartupSettings ReadStartupSettings(const std::string& path) {
    const SettingsStore store(path);
    StartupSettings settings;
    settings.lastFile = store.ReadText(kSettingsSection, kLastFileKey, "");
    settings.columns = DefaultSpreadsheetColumns();
    for (int n = 0; n < kSpreadsheetColumns; ++n) {
        int& column = settings.columns[static_cast<std::size_t>(n)];
        column = store.ReadInteger(kSettingsSection, SpreadsheetColumnKey(n), column);
    }
    for (int n = 0; n < kSpreadsheetColumns; ++n) {
        settings.widths[static_cast<std::size_t>(n)] =
            store.ReadInteger(kSettingsSection, SpreadsheetWidthKey(n), kDefaultColumnWidth);
    }
    settings.shortDescriptions = store.ReadBool(kSettingsSection, kDescStateKey, kDescStateDefault);
    return settings;
}

FileResult WriteExitSettings(const std::string& path, const std::string& lastFile, int viewWidth,
                             int viewHeight, const ColumnList& columns, const ColumnWidths& widths,
                             bool shortDescriptions) {
    SettingsStore store(path);
    store.WriteText(kSettingsSection, kLastFileKey, lastFile);
    Write(store, kViewWidth, viewWidth);
    Write(store, kViewHeight, viewHeight);
    for (int n = 0; n < kSpreadsheetColumns; ++n)
        store.WriteInteger(kSettingsSection, SpreadsheetColumnKey(n), columns[static_cast<std::size_t>(n)]);
    for (int n = 0; n < kSpreadsheetColumns; ++n)
        store.WriteInteger(kSettingsSection, SpreadsheetWidthKey(n), widths[static_cast<std::size_t>(n)]);
    store.WriteBool(kSettingsSection, kDescStateKey, shortDescriptions);
    return store.Save();
}

WindowSize DefaultWindowSize(WindowKind kind) {
    WindowKeys keys = KeysOf(kind);
    WindowSize size;
    size.width = keys.width->defaultValue;
    size.height = keys.height->defaultValue;
    if (keys.splitter) size.splitter = keys.splitter->defaultValue;
    return size;
}

WindowSize ReadWindowSize(const std::string& path, WindowKind kind) {
    const SettingsStore store(path);
    WindowKeys keys = KeysOf(kind);
    WindowSize size;
    size.width = Read(store, *keys.width);
    size.height = Read(store, *keys.height);
    if (keys.splitter) size.splitter = Read(store, *keys.splitter);
    return size;
}

FileResult WriteWindowSize(const std::string& path, WindowKind kind, const WindowSize& size) {
    SettingsStore store(path);
    WindowKeys keys = KeysOf(kind);
    Write(store, *keys.width, size.width);
    Write(store, *keys.height, size.height);
    if (keys.splitter) Write(store, *keys.splitter, size.splitter);
    return store.Save();
}

FileResult WriteResetApplicationSizes(const std::string& path, int viewWidth, int viewHeight,
                                      int spreadsheetWidth, int spreadsheetHeight,
                                      int spreadsheetSplitter) {
    SettingsStore store(path);
    Write(store, kViewWidth, viewWidth);
    Write(store, kViewHeight, viewHeight);
    Write(store, kSpreadsheetWidth, spreadsheetWidth);
    Write(store, kSpreadsheetHeight, spreadsheetHeight);
    Write(store, kSpreadsheetSplitter, spreadsheetSplitter);
    for (const IntegerSetting* setting : {&kSearchWidth, &kSearchHeight, &kAlbumWidth, &kAlbumHeight,
                                          &kGraphWidth, &kGraphHeight, &kReportWidth, &kReportHeight})
        Write(store, *setting, setting->defaultValue);
    return store.Save();
}

}  // namespace vorlane
