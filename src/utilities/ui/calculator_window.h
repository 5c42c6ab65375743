#pragma once
// CalculatorWindow: the tape calculator window. The Calculator core keeps
// every rule; this window lays out the keys, the display and the tape, and
// forwards clicks and typed keys as key codes.

#include <QDialog>
#include <functional>
#include <map>

#include "utilities/calculator.h"

class QGridLayout;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;
class QStackedWidget;

namespace vorlane {

class CalculatorWindow : public QDialog {
    Q_OBJECT
public:
    explicit CalculatorWindow(QWidget* parent = nullptr);

    // "Call for Help" opens the help contents through this.
    void setHelp(std::function<void()> openHelp) { openHelp_ = std::move(openHelp); }
    // Printing the tape; replaceable so tests need no print dialog.
    using TapePrinter = std::function<void(const QStringList& lines, const QFont& font)>;
    void setTapePrinter(TapePrinter printer) { printTape_ = std::move(printer); }

    const Calculator& calculator() const { return calc_; }
    QString displayText() const;
    QStringList tapeLines() const;
    QPushButton* key(int code) const;  // nullptr for codes without a key

    void pressKey(int code);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPushButton* makeKey(const QString& caption, int code);
    void refresh();
    void showMemoryKeys(bool shown);
    void printTape();

    Calculator calc_;
    QLabel* display_ = nullptr;
    QListWidget* ScreenTicket = nullptr;
    QStackedWidget* options_ = nullptr;
    QSpinBox* decimals_ = nullptr;
    std::map<int, QPushButton*> keys_;
    QGridLayout* keypad_ = nullptr;
    bool memoryKeysShown_ = true;
    QString decimalPoint_;
    std::function<void()> openHelp_;
    TapePrinter printTape_;
};

// CalculatorLauncher: opens the calculator modally and keeps what it closed with.
struct CalculatorLauncher {
    double value = 0;
    bool used = false;  // closed with "Use"
    void run(QWidget* parent, std::function<void()> openHelp);
};

}  // namespace vorlane
