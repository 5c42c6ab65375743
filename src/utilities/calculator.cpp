#include "utilities/calculator.h"

#include <algorithm>
#include <charconv>
#include <utility>

#include "storage/ascii_case.h"
#include "utilities/calc_number.h"

namespace vorlane {

using namespace calc_key;

namespace {
bool IsOperatorKey(int code) {
    return code == kPlus || code == kMinus || code == kMultiply || code == kDivide || code == kEquals;
}
}  // namespace

Calculator::Calculator() {
    ClearAll();
    Tape("Calculator");
    Tape("", true);
}

int Calculator::TypedKeyCode(char typed) {
    char c = AsciiUpper(typed);
    if (c == '\r' || c == '\n') return kEquals;
    if (c == 'C') return kClear;
    return static_cast<unsigned char>(c);
}

void Calculator::Show(double x) {
    shown_ = x;
    text_ = FormatCalcNumber(x, decimals_, decimalPoint_, thousands_) + " ";
}

void Calculator::SetSeparators(std::string decimalPoint, std::string thousands) {
    decimalPoint_ = std::move(decimalPoint);
    thousands_ = std::move(thousands);
    Show(shown_);
}

void Calculator::Tape(const std::string& line, bool separator) {
    std::size_t width = static_cast<std::size_t>(width_);
    tape_.push_back(line.size() < width ? std::string(width - line.size(), ' ') + line : line);
    if (separator) tape_.push_back(std::string(width, '-'));
}

void Calculator::TapeShown(const char* suffix, bool separator) {
    std::string line = text_;
    line += suffix;
    Tape(line, separator);
}

void Calculator::ClearAll() {
    noPoint_ = true;
    decimalsTyped_ = 0;
    pending_ = lastOperator_ = ' ';
    shown_ = accumulator_ = entry_ = lastOperand_ = 0;
    Show(0);
    entryText_.clear();
}

double Calculator::EntryValue() const {
    // After "%" the entry starts with a blank; a lone point reads as 0.
    std::size_t begin = entryText_.find_first_not_of(' ');
    if (begin == std::string::npos) return 0;
    double value = 0;
    const char* first = entryText_.data() + begin;
    std::from_chars(first, entryText_.data() + entryText_.size(), value, std::chars_format::fixed);
    return value;
}

CalcAction Calculator::Key(int code) {
    previousKey_ = key_;
    key_ = code;
    errorShown_ = false;
    if (code >= '0' && code <= '9') {
        Digit(static_cast<char>(code));
    } else if (IsOperatorKey(code)) {
        Operator(code);
    } else {
        switch (code) {
            case kPoint: Point(); break;
            case kBackspace: Backspace(); break;
            case kPercent: Percent(); break;
            case kClear:
                noPoint_ = true;
                decimalsTyped_ = 0;
                if (previousKey_ == kClear) {
                    ClearAll();
                    Tape("C", true);
                } else {
                    entry_ = 0;
                    entryText_.clear();
                    Show(entry_);
                }
                break;
            case kMemoryClear:
                Tape("MC");
                memory_ = 0;
                break;
            case kMemoryRecall:
                Show(memory_);
                TapeShown("MR");
                break;
            case kMemoryPlus:
            case kMemoryMinus:
                memory_ += code == kMemoryPlus ? shown_ : -shown_;
                TapeShown(code == kMemoryPlus ? "M+" : "M-");
                pending_ = ' ';
                entryText_.clear();
                break;
            case kOptions:
                if (optionState_ == 1) {
                    decimals_ = std::clamp(decimalsEdit_, 0, kMaxDecimals);
                    Show(shown_);  // the display takes the new decimals at once
                }
                optionState_ = (optionState_ + 1) % 4;
                if (optionState_ == 1) decimalsEdit_ = decimals_;
                break;
            case kPrint: return CalcAction::Print;
            case kUse: return CalcAction::CloseConfirmed;
            case kQuit: return CalcAction::Close;
            default: break;
        }
    }
    return CalcAction::None;
}

void Calculator::Digit(char digit) {
    // Counts only digits that are kept, so that backspace and retyping agree.
    int typed = noPoint_ ? 0 : decimalsTyped_ + 1;
    if (typed > decimals_) return;
    decimalsTyped_ = typed;
    if (entryText_.size() <= static_cast<std::size_t>(width_)) entryText_.push_back(digit);
    entry_ = EntryValue();
    Show(entry_);
}

void Calculator::Point() {
    if (!noPoint_) return;
    noPoint_ = false;
    decimalsTyped_ = 0;
    entryText_.push_back('.');
    entry_ = EntryValue();
    Show(entry_);
}

void Calculator::Backspace() {
    if (entryText_.empty()) return;
    if (entryText_.back() == '.') {
        noPoint_ = true;
    } else if (decimalsTyped_ > 0) {
        --decimalsTyped_;
    }
    entryText_.pop_back();
    entry_ = EntryValue();
    Show(entry_);
}

void Calculator::Operator(int key) {
    noPoint_ = true;
    decimalsTyped_ = 0;
    if (previousKey_ == kEquals && key != kEquals) {
        // A desk calculator goes on from the result: it starts the next sum.
        TapeShown("  ");
        pending_ = static_cast<char>(key);
        lastOperand_ = accumulator_;  // "* =" squares the result, as "5 * =" squares 5
        entry_ = 0;
        entryText_.clear();
        return;
    }
    if (previousKey_ == kEquals) {
        pending_ = lastOperator_;
        entry_ = lastOperand_;
    } else if (IsOperatorKey(previousKey_)) {
        entry_ = lastOperand_;
    }
    // The tape records the operand used, not a recalled memory left on the display.
    Show(entry_);
    bool divisionByZero = false;
    switch (pending_) {
        case '*':
            TapeShown(" *");
            accumulator_ *= entry_;
            break;
        case '+':
            TapeShown(" +");
            accumulator_ += entry_;
            break;
        case '-':
            TapeShown(" -");
            accumulator_ -= entry_;
            break;
        case '/':
            TapeShown(" /");
            divisionByZero = entry_ == 0;
            accumulator_ = divisionByZero ? 0 : accumulator_ / entry_;
            break;
        default:
            TapeShown("  ");
            accumulator_ = entry_;
            break;
    }
    lastOperand_ = entry_;
    entry_ = 0;
    entryText_.clear();
    if (key == kEquals) lastOperator_ = pending_;
    pending_ = key == kEquals ? ' ' : static_cast<char>(key);
    Show(accumulator_);
    if (key == kEquals) TapeShown(" =", true);
    errorShown_ = divisionByZero;
}

void Calculator::Percent() {
    noPoint_ = true;
    decimalsTyped_ = 0;
    bool divisionByZero = false;
    switch (pending_) {
        case '*':
            TapeShown("%*");
            accumulator_ = accumulator_ * entry_ / 100;
            break;
        case '+':
            TapeShown("%+");
            accumulator_ += accumulator_ * entry_ / 100;
            break;
        case '-':
            TapeShown("%-");
            accumulator_ -= accumulator_ * entry_ / 100;
            break;
        case '/':
            TapeShown("%/");
            divisionByZero = entry_ == 0;
            accumulator_ = divisionByZero ? 0 : accumulator_ / entry_ / 100;
            break;
        default:
            TapeShown("% ");
            accumulator_ = entry_;
            break;
    }
    pending_ = ' ';
    entryText_.assign(1, ' ');  // "%" leaves a blank entry
    Show(accumulator_);
    lastOperand_ = entry_;
    entry_ = accumulator_;
    accumulator_ = 0;
    TapeShown("%=", true);
    errorShown_ = divisionByZero;
}

}  // namespace vorlane
