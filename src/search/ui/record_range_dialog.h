#pragma once
// RecordRangeDialog: the "Select Range" dialog through which a detail or
// name term gets one exact value or a range.

#include <QDialog>

#include "search/range_masks.h"

class QLineEdit;
class QPushButton;

namespace vorlane {

class Dialogs;

class RecordRangeDialog : public QDialog {
    Q_OBJECT
public:
    // texts.mask is in the main window's edit-mask notation; every edit gets it.
    RecordRangeDialog(const RangeDialogTexts& texts, Dialogs& dialogs, QWidget* parent = nullptr);

    // Accepted only when the dialog was closed by one of its OK buttons.
    const RangeAnswer& answer() const { return answer_; }

    void acceptSpecificValue();
    void acceptRange();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The edit's text as shown (mask literals included) as the file's bytes;
    // false, after telling the person, when it holds a character that cannot be stored.
    bool textOf(QLineEdit* edit, std::string& out);
    void refuse(const RangeAnswer& refused);

    Dialogs& dialogs_;
    RangeAnswer answer_;
    QLineEdit* recordValue_ = nullptr;
    QLineEdit* lowValue_ = nullptr;
    QLineEdit* highValue_ = nullptr;
    QPushButton* okSpecific_ = nullptr;
    QPushButton* okRange_ = nullptr;
};

}  // namespace vorlane
