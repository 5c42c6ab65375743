#pragma once
// Shared between the files that make up MainWindow.

#include <QString>

#include "editor/ui/main_window.h"

class QAction;
class QWidget;

namespace vorlane {

// Controls of windows and commands that later releases bring stay visible
// but disabled; the read-only switch never enables them.
inline constexpr const char* kPendingProperty = "vorlanePending";
void MarkPending(QWidget* widget, const QString& hint = {});
void MarkPending(QAction* action);
void SetEnabledUnlessPending(QWidget* widget, bool enabled);
void SetEnabledUnlessPending(QAction* action, bool enabled);

class MainWindow::Busy {
public:
    explicit Busy(MainWindow* view) : view_(view) { ++view_->busy_; }
    ~Busy() {
        if (--view_->busy_ == 0 && view_->activationPending_) {
            view_->activationPending_ = false;
            if (view_->isActiveWindow()) view_->activated();
        }
    }
    Busy(const Busy&) = delete;
    Busy& operator=(const Busy&) = delete;

private:
    MainWindow* view_;
};

}  // namespace vorlane
