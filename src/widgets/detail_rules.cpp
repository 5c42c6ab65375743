#include "widgets/detail_rules.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace vorlane {

void ApplyDetailRule(QLineEdit* edit, int detail) {
    switch (detail) {
        case 2:
            // CCYY/MM/DD with the slashes in place; blanks show as "_".
            edit->setInputMask(QStringLiteral("9999/99/99;_"));
            break;
        case 3:
            edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,4}")), edit));
            break;
        case 9:
            edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,2}")), edit));
            break;
        default:
            break;
    }
}

}  // namespace vorlane
