#pragma once
// What the rules need from the window that shows the current record.

namespace vorlane {

class RecordScreen {
public:
    virtual ~RecordScreen() = default;
    // Copy the screen's edits into the record at the current index.
    virtual void WriteBack() = 0;
    // Show the record at the current index.
    virtual void ShowCurrent() = 0;
    // File name, save permission or button states changed.
    virtual void SessionStateChanged() {}
};

}  // namespace vorlane
