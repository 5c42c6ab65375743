#pragma once
// What may be typed into a detail field, wherever it is typed: the date
// mask for detail 2, digits only for details 3 (four) and 9 (two).

class QLineEdit;

namespace vorlane {

void ApplyDetailRule(QLineEdit* edit, int detail);

}  // namespace vorlane
