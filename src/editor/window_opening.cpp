#include "editor/window_opening.h"

#include <exception>

namespace vorlane {

bool OpenWindow(Dialogs& dialogs, const std::function<void()>& open) {
    try {
        open();
        return true;
    } catch (const std::exception&) {
        dialogs.Information(kTooManyWindows);
        return false;
    }
}

}  // namespace vorlane
