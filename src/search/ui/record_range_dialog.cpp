#include "search/ui/record_range_dialog.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/text_codec.h"
#include "widgets/text_guard.h"
#include "storage/dialogs.h"

namespace vorlane {

RecordRangeDialog::RecordRangeDialog(const RangeDialogTexts& texts, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs) {
    setObjectName(QStringLiteral("RecordRangeDialog"));
    setWindowTitle(ToQString(kRangeDialogCaption));
    setModal(true);

    auto* guard = new TextGuard(
        [this](const QString& refused) { dialogs_.Error(UnstorableMessage(refused)); }, this);
    const QString mask = ToQString(ToQtInputMask(texts.mask));
    auto makeEdit = [&](const char* name, const std::string& text) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(name));
        if (!mask.isEmpty()) edit->setInputMask(mask);
        edit->setText(ToQString(text));
        edit->setMinimumWidth(170);
        edit->installEventFilter(this);
        guard->watch(edit);
        return edit;
    };
    auto makeOk = [&](const char* name) {
        auto* button = new QPushButton(QStringLiteral("OK"), this);
        button->setObjectName(QString::fromLatin1(name));
        // Enter is routed by the edit that has the focus, not by a default button.
        button->setAutoDefault(false);
        return button;
    };

    recordValue_ = makeEdit("RecordValue", texts.recordValue);
    lowValue_ = makeEdit("LowValue", texts.lowValue);
    highValue_ = makeEdit("HighValue", texts.highValue);
    okSpecific_ = makeOk("OKSpecificButton");
    okRange_ = makeOk("OKButton");
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    cancel->setAutoDefault(false);

    auto* specific = new QGroupBox(QStringLiteral("Include Specific Record:"), this);
    auto* specificRow = new QHBoxLayout(specific);
    specificRow->addWidget(recordValue_, 1);
    specificRow->addWidget(okSpecific_);

    auto* range = new QGroupBox(QStringLiteral("Include Record Range:"), this);
    auto* rangeForm = new QFormLayout;
    rangeForm->addRow(QStringLiteral("From:"), lowValue_);
    rangeForm->addRow(QStringLiteral("To:"), highValue_);
    auto* rangeRow = new QHBoxLayout(range);
    rangeRow->addLayout(rangeForm, 1);
    rangeRow->addWidget(okRange_, 0, Qt::AlignBottom);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(specific);
    layout->addWidget(range);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(okSpecific_, &QPushButton::clicked, this, &RecordRangeDialog::acceptSpecificValue);
    connect(okRange_, &QPushButton::clicked, this, &RecordRangeDialog::acceptRange);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    recordValue_->setFocus();
    recordValue_->selectAll();
}

bool RecordRangeDialog::textOf(QLineEdit* edit, std::string& out) {
    const QString shown = edit->text();
    if (FromQString(shown, out)) return true;
    dialogs_.Error(UnstorableMessage(FirstUnstorable(shown)));
    edit->setFocus();
    return false;
}

void RecordRangeDialog::refuse(const RangeAnswer& refused) {
    dialogs_.Information(refused.message);
    QLineEdit* edit = refused.focus == RangeFocus::RecordValue ? recordValue_
                      : refused.focus == RangeFocus::LowValue  ? lowValue_
                      : refused.focus == RangeFocus::HighValue ? highValue_
                                                               : nullptr;
    if (edit) edit->setFocus();
}

void RecordRangeDialog::acceptSpecificValue() {
    std::string text;
    if (!textOf(recordValue_, text)) return;
    RangeAnswer answer = AcceptSpecificValue(text);
    if (!answer.accepted) return refuse(answer);
    answer_ = std::move(answer);
    accept();
}

void RecordRangeDialog::acceptRange() {
    std::string from, to;
    if (!textOf(lowValue_, from) || !textOf(highValue_, to)) return;
    RangeAnswer answer = AcceptRange(from, to);
    if (!answer.accepted) return refuse(answer);
    answer_ = std::move(answer);
    accept();
}

bool RecordRangeDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (watched == recordValue_) acceptSpecificValue();
            else if (watched == lowValue_ || watched == highValue_) acceptRange();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace vorlane
