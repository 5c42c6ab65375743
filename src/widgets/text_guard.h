#pragma once
// Keeps out of the edits every character a Vorlane file cannot store: the
// edit goes back to its last storable text and the person is told why.

#include <QObject>
#include <QString>
#include <functional>

class QAbstractItemDelegate;
class QLineEdit;
class QPlainTextEdit;

namespace vorlane {

class TextGuard : public QObject {
    Q_OBJECT
public:
    using Reporter = std::function<void(const QString& refusedCharacter)>;
    // report is called once per refused edit, after the edit has been undone
    // and outside the key handling that caused it.
    explicit TextGuard(Reporter report, QObject* parent = nullptr);

    void watch(QLineEdit* edit);
    void watch(QPlainTextEdit* edit);
    // For grids: every cell editor it creates is watched.
    QAbstractItemDelegate* makeDelegate(QObject* parent);

private:
    void refuse(const QString& character);
    Reporter report_;
};

}  // namespace vorlane
