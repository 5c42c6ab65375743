#pragma once
// Shared between the files that make up TView.

#include <QString>

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

}  // namespace vorlane
