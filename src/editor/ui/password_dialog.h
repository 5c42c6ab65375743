#pragma once
// "Set Database Password": the read and the save password, each typed twice.

#include <QDialog>
#include <array>

#include "storage/database.h"
#include "storage/dialogs.h"

class QLineEdit;

namespace vorlane {

class PasswordDialog : public QDialog {
    Q_OBJECT
public:
    PasswordDialog(Database& db, Dialogs& dialogs, QWidget* parent = nullptr);

    // Read, Re-type Read, Save, Re-type Save.
    QLineEdit* field(int i) const { return fields_[static_cast<std::size_t>(i)]; }

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    Database& db_;
    Dialogs& dialogs_;
    std::array<QLineEdit*, 4> fields_{};
};

}  // namespace vorlane
