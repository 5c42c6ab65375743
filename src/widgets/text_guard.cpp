#include "widgets/text_guard.h"

#include <algorithm>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QStyledItemDelegate>
#include <QTextCursor>

#include "widgets/text_codec.h"

namespace vorlane {

namespace {

constexpr const char* kLastGood = "vorlaneLastStorableText";

class GuardedDelegate : public QStyledItemDelegate {
public:
    GuardedDelegate(TextGuard* guard, QObject* parent) : QStyledItemDelegate(parent), guard_(guard) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor); line && guard_) guard_->watch(line);
        return editor;
    }

private:
    QPointer<TextGuard> guard_;
};

}  // namespace

TextGuard::TextGuard(Reporter report, QObject* parent) : QObject(parent), report_(std::move(report)) {}

void TextGuard::refuse(const QString& character) {
    QMetaObject::invokeMethod(
        this, [this, character] { if (report_) report_(character); }, Qt::QueuedConnection);
}

void TextGuard::watch(QLineEdit* edit) {
    edit->setProperty(kLastGood, edit->text());
    connect(edit, &QLineEdit::textChanged, this, [this, edit](const QString& text) {
        QString refused = FirstUnstorable(text);
        if (refused.isEmpty()) {
            edit->setProperty(kLastGood, text);
            return;
        }
        QString good = edit->property(kLastGood).toString();
        int cursor = edit->cursorPosition() - static_cast<int>(text.size() - good.size());
        edit->setText(good);
        edit->setCursorPosition(std::clamp(cursor, 0, static_cast<int>(good.size())));
        edit->setModified(true);
        refuse(refused);
    });
}

void TextGuard::watch(QPlainTextEdit* edit) {
    edit->setProperty(kLastGood, edit->toPlainText());
    connect(edit, &QPlainTextEdit::textChanged, this, [this, edit] {
        QString text = edit->toPlainText();
        QString refused = FirstUnstorable(text);
        if (refused.isEmpty()) {
            edit->setProperty(kLastGood, text);
            return;
        }
        QString good = edit->property(kLastGood).toString();
        int cursor = edit->textCursor().position() - static_cast<int>(text.size() - good.size());
        edit->setPlainText(good);
        QTextCursor restored = edit->textCursor();
        restored.setPosition(std::clamp(cursor, 0, static_cast<int>(good.size())));
        edit->setTextCursor(restored);
        edit->document()->setModified(true);
        refuse(refused);
    });
}

QAbstractItemDelegate* TextGuard::makeDelegate(QObject* parent) { return new GuardedDelegate(this, parent); }

}  // namespace vorlane
