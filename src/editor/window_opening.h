#pragma once
// Opening a window that the program creates on demand.

#include <functional>

#include "storage/dialogs.h"

namespace vorlane {

inline constexpr const char* kTooManyWindows = "Too many windows are open.  Please close some windows and try again.";

// Runs open, which creates and shows a window. When that fails for want of
// memory or other resources, the person is told so and false is returned;
// the program goes on as before.
bool OpenWindow(Dialogs& dialogs, const std::function<void()>& open);

}  // namespace vorlane
