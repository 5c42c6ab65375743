#pragma once
// Tells a window's activation that is only the return from one of its own
// choosers or message boxes from the person coming back to it from elsewhere.

#include <QApplication>
#include <QWidget>

namespace vorlane {

class OwnDialogReturn {
public:
    // At deactivation: the window is left for a modal dialog of its own
    // (except one that counts as another window, such as a preview).
    void deactivated(const QWidget* window, const QWidget* counts = nullptr) {
        const QWidget* modal = QApplication::activeModalWidget();
        leftForOwnDialog_ = modal && modal != window && modal != counts && modal->parentWidget() &&
                            modal->parentWidget()->window() == window;
    }
    // At activation: true when it is that return, which then is used up.
    bool returning() {
        const bool was = leftForOwnDialog_;
        leftForOwnDialog_ = false;
        return was;
    }

private:
    bool leftForOwnDialog_ = false;
};

}  // namespace vorlane
