// The description fields' pop-up menus, the value-tree editor they open and
// the renaming of the field labels.

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QToolBar>

#include "widgets/text_codec.h"
#include "editor/description_display.h"
#include "editor/description_menu.h"
#include "editor/ui/description_menu_builder.h"
#include "editor/ui/value_tree_editor.h"
#include "editor/ui/main_window.h"
#include "editor/ui/main_window_parts.h"
#include "editor/window_opening.h"

namespace vorlane {

void MainWindow::updateDescriptionMenus() {
    for (int k = 1; k <= kDescriptionCount; ++k) updateDescriptionMenu(k);
}

void MainWindow::updateDescriptionMenu(int k) {
    const Database& db = session_.db();
    descMenus_->setSource(k, db.labels[static_cast<std::size_t>(DescriptionLabel(k))],
                          db.valueTrees[static_cast<std::size_t>(k - 1)]);
}

namespace {
// A text box keeps Ctrl+C for copying text only while it holds a selection.
bool leavesCopyToRecord(QObject* watched, QEvent* event) {
    if (!static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) return false;
    if (auto* edit = qobject_cast<QLineEdit*>(watched)) return !edit->hasSelectedText();
    if (auto* memo = qobject_cast<QPlainTextEdit*>(watched)) return !memo->textCursor().hasSelection();
    return false;
}
}  // namespace

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // Refusing the override lets the key reach the window's shortcut.
    if (event->type() == QEvent::ShortcutOverride && leavesCopyToRecord(watched, event)) return true;
    if (event->type() != QEvent::MouseButtonPress) return QMainWindow::eventFilter(watched, event);
    for (int k = 1; k <= kDescriptionCount; ++k) {
        auto i = static_cast<std::size_t>(k - 1);
        if (watched == descEdits_[i]) {
            if (!readonlyBox_->isChecked()) descMenus_->popup(k, descEdits_[i]);
            return true;
        }
        if (watched == descLabels_[i]) {
            customizeLabel(DescriptionLabel(k));
            return true;
        }
    }
    for (int d = 0; d < kDetailCount; ++d) {
        if (watched == detailLabels_[static_cast<std::size_t>(d)]) {
            customizeLabel(DetailLabel(d));
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::chooseDescription(int k, const std::string& path) {
    Busy busy(this);
    // Out of the edit, so the next press on it opens the menu afresh.
    toolBar_->setFocus();
    auto i = static_cast<std::size_t>(k - 1);
    descPaths_[i] = path;
    descEdits_[i]->setText(ToQString(DescriptionDisplay(path, view_.shortDescriptions)));
    descEdits_[i]->setCursorPosition(0);
    session_.WriteBackCurrent();
}

void MainWindow::clearDescription(int k) {
    auto i = static_cast<std::size_t>(k - 1);
    if (ItemRecord* record = currentRecord()) record->Description(k).clear();
    descPaths_[i].clear();
    descEdits_[i]->clear();
}

void MainWindow::showFullDescription(int k) {
    auto i = static_cast<std::size_t>(k - 1);
    ItemRecord* record = currentRecord();
    descPaths_[i] = record ? record->Description(k) : std::string();
    descEdits_[i]->setText(ToQString(descPaths_[i]));
    descEdits_[i]->setCursorPosition(0);
}

void MainWindow::editValueTree(int k) {
    Busy busy(this);
    session_.WriteBackCurrent();
    OpenWindow(dialogs_, [this, k] {
        ValueTreeEditor editor(session_, paths_, k, this);
        connect(&editor, &ValueTreeEditor::currentValueChanged, this, &MainWindow::showFullDescription);
        editor.exec();
    });
    updateDescriptionMenu(k);
    // The whole path until the record is shown again.
    showFullDescription(k);
    recordName_->setFocus();
    session_.WriteBackCurrent();
}

void MainWindow::customizeLabel(int label) {
    Busy busy(this);
    CustomizeLabel(session_.db().labels, label, dialogs_);
    applyLabels();
}

}  // namespace vorlane
