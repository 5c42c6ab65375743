#pragma once
// The tape calculator's rules: every key is one code, each operation adds
// lines to a paper tape, and the display shows the last value put on it.

#include <string>
#include <vector>

namespace vorlane {

namespace calc_key {
constexpr int kUse = 1, kMemoryClear = 2, kMemoryRecall = 3, kMemoryPlus = 4, kMemoryMinus = 5;
constexpr int kPrint = 7, kBackspace = 8, kOptions = 9, kClear = 12, kQuit = 27;
constexpr int kPercent = '%', kMultiply = '*', kPlus = '+', kMinus = '-', kPoint = '.', kDivide = '/';
constexpr int kEquals = '=';
}  // namespace calc_key

// What the window does after a key.
enum class CalcAction { None, Print, Close, CloseConfirmed };

class Calculator {
public:
    Calculator();

    CalcAction Key(int code);
    // A typed character: letters in upper case, Enter as "=", "C" as the clear key.
    static int TypedKeyCode(char typed);

    const std::string& display() const { return errorShown_ ? kErrorText : text_; }
    double shown() const { return shown_; }
    double accumulator() const { return accumulator_; }
    double memory() const { return memory_; }
    bool memoryKeysVisible() const { return memory_ != 0; }
    const std::vector<std::string>& tape() const { return tape_; }

    int decimals() const { return decimals_; }
    int optionState() const { return optionState_; }
    // The "# Decimals" edit; taken as the decimals when the options move on.
    int decimalsEdit() const { return decimalsEdit_; }
    void SetDecimalsEdit(int n) { decimalsEdit_ = n; }

    static constexpr int kMaxDecimals = 7;

    // The locale's separators (UTF-8) for the display and the tape.
    void SetSeparators(std::string decimalPoint, std::string thousands);

private:
    static inline const std::string kErrorText = "Error";

    void Show(double x);
    void Tape(const std::string& line, bool separator = false);
    void TapeShown(const char* suffix, bool separator = false);  // the display text, then suffix
    void ClearAll();
    void Digit(char digit);
    void Point();
    void Backspace();
    void Operator(int key);
    void Percent();
    double EntryValue() const;

    std::string entryText_;
    double entry_ = 0, accumulator_ = 0, lastOperand_ = 0, shown_ = 0, memory_ = 0;
    std::string text_;
    char pending_ = ' ';
    char lastOperator_ = ' ';  // what the last "=" applied; a second "=" repeats it
    bool noPoint_ = true;
    int decimalsTyped_ = 0;
    int decimals_ = 2;
    int width_ = 14;
    int previousKey_ = 0, key_ = 0;
    int optionState_ = 0;
    int decimalsEdit_ = 2;
    bool errorShown_ = false;
    std::string decimalPoint_ = ".", thousands_ = ",";
    std::vector<std::string> tape_;
};

}  // namespace vorlane
