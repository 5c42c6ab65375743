#pragma once
// "Database Information": the database's name, its owner's address and
// its notes.

#include <QDialog>
#include <array>

#include "storage/database.h"
#include "storage/dialogs.h"

class QLineEdit;
class QPlainTextEdit;

namespace vorlane {

class DatabaseInfoDialog : public QDialog {
    Q_OBJECT
public:
    DatabaseInfoDialog(Database& db, Dialogs& dialogs, QWidget* parent = nullptr);

    // In the dialog's order, top to bottom.
    QLineEdit* field(int i) const { return fields_[static_cast<std::size_t>(i)]; }
    QPlainTextEdit* notes() const { return notes_; }

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    Database& db_;
    std::array<QLineEdit*, kInfoFieldCount> fields_{};
    QPlainTextEdit* notes_ = nullptr;
};

}  // namespace vorlane
