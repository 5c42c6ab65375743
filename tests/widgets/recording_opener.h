#pragma once
// A window opener for tests: says which windows exist and counts the
// requests to open them.

#include <map>
#include <set>

#include "widgets/window_opener.h"

namespace vorlane::testing {

class RecordingOpener : public WindowOpener {
public:
    std::set<ProgramWindow> available;
    std::map<ProgramWindow, int> opened;
    int reportMenus = 0;

    bool canOpen(ProgramWindow window) const override { return available.count(window) > 0; }
    void open(ProgramWindow window) override { ++opened[window]; }
    void popUpReportMenu() override { ++reportMenus; }
};

}  // namespace vorlane::testing
