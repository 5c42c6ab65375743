// Copying a record onto the window and the window's edits back into it.
//
// A text control that the person has not touched since the record was
// shown is not copied back: its record field stays byte for byte as it was,
// even where the control cannot show it exactly (a date that does not fit
// the date mask, a text with line breaks in a one-line edit).

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTabBar>
#include <QTextDocument>

#include "widgets/text_codec.h"
#include "editor/description_display.h"
#include "editor/ui/images_page.h"
#include "editor/ui/ingredients_grid.h"
#include "editor/ui/internet_page.h"
#include "editor/ui/main_window.h"
#include "editor/ui/main_window_parts.h"
#include "storage/database_forms.h"

namespace vorlane {

namespace {

void SetText(QLineEdit* edit, const std::string& text) {
    edit->setText(ToQString(text));
    edit->setModified(false);
}

// A masked edit's text() leaves out the blanks; the stored form keeps them
// as spaces between the slashes, as an empty date is stored.
QString StoredText(const QLineEdit* edit) {
    if (edit->inputMask().isEmpty()) return edit->text();
    return edit->displayText().replace(u'_', u' ');
}

// Writes the edit into field only when the person changed it.
void TakeText(const QLineEdit* edit, std::string& field) {
    if (!edit->isModified()) return;
    std::string text;
    if (FromQString(StoredText(edit), text)) field = std::move(text);
}

void SetLines(QPlainTextEdit* memo, const std::vector<std::string>& lines) {
    memo->setPlainText(ToQString(JoinLines(lines)));
    memo->document()->setModified(false);
}

void TakeLines(const QPlainTextEdit* memo, std::vector<std::string>& field) {
    if (!memo->document()->isModified()) return;
    std::string text;
    if (FromQString(memo->toPlainText(), text)) field = SplitLines(text);
}

}  // namespace

ItemRecord* MainWindow::currentRecord() {
    int index = session_.currentIndex;
    if (index < 0 || index >= static_cast<int>(session_.records().size())) return nullptr;
    return &session_.records()[static_cast<std::size_t>(index)];
}

void MainWindow::showDescriptions(const ItemRecord& record) {
    for (int k = 1; k <= kDescriptionCount; ++k) {
        auto i = static_cast<std::size_t>(k - 1);
        descPaths_[i] = record.Description(k);
        descEdits_[i]->setText(ToQString(DescriptionDisplay(descPaths_[i], view_.shortDescriptions)));
        descEdits_[i]->setCursorPosition(0);
    }
}

void MainWindow::loadRecord(int index) {
    if (index < 0 || index >= static_cast<int>(session_.records().size())) return;
    ItemRecord& record = session_.records()[static_cast<std::size_t>(index)];

    setWindowTitle(session_.fileName().empty() ? QStringLiteral("Untitled") : PathToQString(session_.fileName()));
    number_->setText(QString::number(index + 1));

    // The box's click handler follows every change of its state, so the
    // editing controls always match the record shown.
    readonlyBox_->setChecked(record.ReadOnly);
    setReadOnlyState(record.ReadOnly);

    imagesPage_->showRecord(record);

    showDescriptions(record);

    SetText(recordName_, record.Name);
    recordName_->setCursorPosition(0);
    for (int d = 0; d < kDetailCount; ++d) {
        auto i = static_cast<std::size_t>(d);
        SetText(detailEdits_[i], record.Details[i]);
        detailEdits_[i]->setCursorPosition(0);
    }

    statusBoxes_[0]->setChecked(record.Favorite);
    statusBoxes_[1]->setChecked(record.Tested);
    statusBoxes_[2]->setChecked(record.Untested);

    if (searchListBox_->isChecked() != record.OnSearchList) {
        searchListBox_->setChecked(record.OnSearchList);
        record.PreviouslyListed = record.OnSearchList;
    }

    for (int m = 0; m < kNoteListCount; ++m)
        SetLines(memos_[static_cast<std::size_t>(m)], record.NoteLists[static_cast<std::size_t>(m)]);

    dirGrid_->load(record.Ingredients);

    internetPage_->showRecord(record);

    shownIndex_ = index;
}

void MainWindow::storeRecord(int index) {
    if (index < 0 || index >= static_cast<int>(session_.records().size())) return;
    ItemRecord& record = session_.records()[static_cast<std::size_t>(index)];

    // A cell still being typed in is part of the record too.
    dirGrid_->commitOpenEditor();
    TakeText(recordName_, record.Name);
    record.ReadOnly = readonlyBox_->isChecked();
    imagesPage_->saveRecord(record);
    record.Favorite = statusBoxes_[0]->isChecked();
    record.Tested = statusBoxes_[1]->isChecked();
    record.Untested = statusBoxes_[2]->isChecked();
    for (int m = 0; m < kNoteListCount; ++m)
        TakeLines(memos_[static_cast<std::size_t>(m)], record.NoteLists[static_cast<std::size_t>(m)]);
    if (dirGrid_->edited()) record.Ingredients = dirGrid_->store();
    internetPage_->saveRecord(record);
    for (int d = 0; d < kDetailCount; ++d)
        TakeText(detailEdits_[static_cast<std::size_t>(d)], record.Details[static_cast<std::size_t>(d)]);
    for (int k = 1; k <= kDescriptionCount; ++k) record.Description(k) = descPaths_[static_cast<std::size_t>(k - 1)];
}

void MainWindow::setReadOnlyState(bool on) {
    for (QLineEdit* edit : descEdits_) edit->setReadOnly(true);  // chosen from menus, never typed
    for (QLineEdit* edit : detailEdits_) edit->setReadOnly(on);
    for (QPlainTextEdit* memo : memos_) memo->setReadOnly(on);
    for (QCheckBox* box : statusBoxes_) box->setEnabled(!on);
    imagesPage_->setReadOnly(on);
    internetPage_->setReadOnly(on);
}

void MainWindow::toggleReadOnly() {
    ItemRecord* record = currentRecord();
    if (record) record->ReadOnly = readonlyBox_->isChecked();
    setReadOnlyState(readonlyBox_->isChecked());
}

void MainWindow::toggleSearchList() {
    if (ItemRecord* record = currentRecord()) record->OnSearchList = record->PreviouslyListed = searchListBox_->isChecked();
}

}  // namespace vorlane
