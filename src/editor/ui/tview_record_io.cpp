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

#include "app/ui/text_codec.h"
#include "editor/description_display.h"
#include "editor/ui/ingredients_grid.h"
#include "editor/ui/tview.h"
#include "editor/ui/tview_parts.h"
#include "storage/database_forms.h"

namespace vorlane {

namespace {

void SetText(QLineEdit* edit, const std::string& text) {
    edit->setText(ToQString(text));
    edit->setModified(false);
}

// Writes the edit into field only when the person changed it.
void TakeText(const QLineEdit* edit, std::string& field) {
    if (!edit->isModified()) return;
    std::string text;
    if (FromQString(edit->text(), text)) field = std::move(text);
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

// A stored entry is an anchor: <A href="address">title</A>.
QString EntryDisplay(const QString& entry) {
    static const QRegularExpression anchor(QStringLiteral("^<a href=\"(.*)\">(.*)</a>$"),
                                           QRegularExpression::CaseInsensitiveOption |
                                               QRegularExpression::DotMatchesEverythingOption);
    QRegularExpressionMatch match = anchor.match(entry);
    if (!match.hasMatch()) return entry;
    return QStringLiteral("%1  \u2014  %2").arg(match.captured(2), match.captured(1));
}

void SetEntries(QListWidget* list, const std::vector<std::string>& entries) {
    list->clear();
    for (const std::string& entry : entries) {
        QString raw = ToQString(entry);
        auto* item = new QListWidgetItem(EntryDisplay(raw), list);
        item->setData(Qt::UserRole, raw);
        item->setToolTip(raw);
    }
}

std::vector<std::string> Entries(const QListWidget* list) {
    std::vector<std::string> entries;
    for (int i = 0; i < list->count(); ++i) {
        std::string entry;
        FromQString(list->item(i)->data(Qt::UserRole).toString(), entry);
        entries.push_back(std::move(entry));
    }
    return entries;
}

}  // namespace

ItemRecord* TView::currentRecord() {
    int index = session_.currentIndex;
    if (index < 0 || index >= static_cast<int>(session_.records().size())) return nullptr;
    return &session_.records()[static_cast<std::size_t>(index)];
}

void TView::showDescriptions(const ItemRecord& record) {
    for (int k = 1; k <= kDescriptionCount; ++k) {
        auto i = static_cast<std::size_t>(k - 1);
        descPaths_[i] = record.Description(k);
        descEdits_[i]->setText(ToQString(DescriptionDisplay(descPaths_[i], view_.shortDescriptions)));
        descEdits_[i]->setCursorPosition(0);
    }
}

void TView::GetRecord(int index) {
    if (index < 0 || index >= static_cast<int>(session_.records().size())) return;
    ItemRecord& record = session_.records()[static_cast<std::size_t>(index)];

    setWindowTitle(session_.fileName().empty() ? QStringLiteral("Untitled") : PathToQString(session_.fileName()));
    number_->setText(QString::number(index + 1));

    // The box's click handler follows every change of its state, so the
    // editing controls always match the record shown.
    readonlyBox_->setChecked(record.ReadOnly);
    SetReadOnlyState(record.ReadOnly);

    const ImageRecord& slot = record.Images[static_cast<std::size_t>(imageBook_->currentIndex())];
    pictureFileName_ = slot.FileName;
    imageTitle_->setText(ToQString(slot.Title));
    showPicture();

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

    dirGrid_->Load(record.Ingredients);

    SetEntries(relatedLinks_, record.Links);
    SetEntries(relatedEmail_, record.EmailAddresses);

    shownIndex_ = index;
}

void TView::SaveRecord(int index) {
    if (index < 0 || index >= static_cast<int>(session_.records().size())) return;
    ItemRecord& record = session_.records()[static_cast<std::size_t>(index)];

    TakeText(recordName_, record.Name);
    record.ReadOnly = readonlyBox_->isChecked();
    record.Images[static_cast<std::size_t>(imageBook_->currentIndex())].FileName = pictureFileName_;
    record.Favorite = statusBoxes_[0]->isChecked();
    record.Tested = statusBoxes_[1]->isChecked();
    record.Untested = statusBoxes_[2]->isChecked();
    for (int m = 0; m < kNoteListCount; ++m)
        TakeLines(memos_[static_cast<std::size_t>(m)], record.NoteLists[static_cast<std::size_t>(m)]);
    if (dirGrid_->edited()) record.Ingredients = dirGrid_->Store();
    record.Links = Entries(relatedLinks_);
    record.EmailAddresses = Entries(relatedEmail_);
    for (int d = 0; d < kDetailCount; ++d)
        TakeText(detailEdits_[static_cast<std::size_t>(d)], record.Details[static_cast<std::size_t>(d)]);
    for (int k = 1; k <= kDescriptionCount; ++k) record.Description(k) = descPaths_[static_cast<std::size_t>(k - 1)];
}

void TView::SetReadOnlyState(bool on) {
    for (QLineEdit* edit : descEdits_) edit->setReadOnly(true);  // chosen from menus, never typed
    for (QLineEdit* edit : detailEdits_) edit->setReadOnly(on);
    for (QPlainTextEdit* memo : memos_) memo->setReadOnly(on);
    for (QCheckBox* box : statusBoxes_) box->setEnabled(!on);
    for (QPushButton* button : {imageFile_, clearImage_, addUrl_, addAddress_}) SetEnabledUnlessPending(button, !on);
    SetEnabledUnlessPending(deleteUrl_, !on);
    SetEnabledUnlessPending(deleteEmail_, !on);
}

void TView::readonlyBoxClick() {
    ItemRecord* record = currentRecord();
    if (record) record->ReadOnly = readonlyBox_->isChecked();
    SetReadOnlyState(readonlyBox_->isChecked());
}

void TView::searchListBoxClick() {
    if (ItemRecord* record = currentRecord()) record->OnSearchList = record->PreviouslyListed = searchListBox_->isChecked();
}

void TView::showPicture() {
    if (pictureFileName_.empty()) {
        pictureStatus_->setText(QStringLiteral("No Image File Selected"));
        pictureStack_->setCurrentWidget(pictureStatus_);
        picture_->clear();
        return;
    }
    QImageReader reader(PathToQString(pictureFileName_));
    reader.setAutoTransform(true);
    reader.setAllocationLimit(256);
    QImage image = reader.read();
    if (image.isNull()) {
        pictureStatus_->setText(QStringLiteral("Image File is Not Valid"));
        pictureStack_->setCurrentWidget(pictureStatus_);
        picture_->clear();
        return;
    }
    picture_->setPixmap(QPixmap::fromImage(image));
    picture_->setScaledContents(autoSize_->isChecked());
    pictureScroll_->setWidgetResizable(autoSize_->isChecked());
    if (!autoSize_->isChecked()) picture_->adjustSize();
    pictureStack_->setCurrentWidget(pictureScroll_);
}

}  // namespace vorlane
