#include "utilities/ui/calculator_window.h"

#include <QDesktopServices>
#include <QFontDatabase>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace vorlane {

using namespace calc_key;

namespace {

void PrintLines(QWidget* parent, const QStringList& lines, const QFont& font) {
    QPrinter printer;
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) return;
    QPainter painter(&printer);
    painter.setFont(QFont(font, &printer));
    const int lineHeight = painter.fontMetrics().lineSpacing();
    const QRect page = painter.viewport();
    int y = lineHeight;
    for (const QString& line : lines) {
        if (y > page.height()) {
            printer.newPage();
            y = lineHeight;
        }
        painter.drawText(0, y, line);
        y += lineHeight;
    }
}

}  // namespace

CalculatorWindow::CalculatorWindow(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Calculator"));
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);

    ScreenTicket = new QListWidget;
    ScreenTicket->setObjectName(QStringLiteral("ScreenTicket"));
    ScreenTicket->setFont(fixed);
    ScreenTicket->setFocusPolicy(Qt::NoFocus);
    ScreenTicket->setSelectionMode(QAbstractItemView::NoSelection);
    ScreenTicket->setMinimumWidth(QFontMetrics(fixed).horizontalAdvance(QString(22, u'0')));

    display_ = new QLabel;
    display_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    display_->setFrameShape(QFrame::StyledPanel);
    display_->setFrameShadow(QFrame::Sunken);
    display_->setAutoFillBackground(true);
    display_->setBackgroundRole(QPalette::Base);
    QFont big = fixed;
    big.setPointSizeF(fixed.pointSizeF() * 1.5);
    display_->setFont(big);

    // The options area takes the display's place while it is shown.
    options_ = new QStackedWidget;
    options_->addWidget(display_);
    auto* decimalsPage = new QWidget;
    auto* decimalsRow = new QHBoxLayout(decimalsPage);
    decimalsRow->setContentsMargins(0, 0, 0, 0);
    decimalsRow->addWidget(new QLabel(QStringLiteral("# Decimals")));
    decimals_ = new QSpinBox;
    decimals_->setRange(0, Calculator::kMaxDecimals);
    connect(decimals_, &QSpinBox::valueChanged, this, [this](int n) { calc_.SetDecimalsEdit(n); });
    decimalsRow->addWidget(decimals_);
    decimalsRow->addStretch();
    options_->addWidget(decimalsPage);
    auto* contact = new QPushButton(QStringLiteral("Contact Us"));
    connect(contact, &QPushButton::clicked, this,
            [] { QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:?subject=Vorlane"))); });
    options_->addWidget(contact);
    auto* help = new QPushButton(QStringLiteral("Call for Help"));
    connect(help, &QPushButton::clicked, this, [this] { if (openHelp_) openHelp_(); });
    options_->addWidget(help);
    for (QWidget* w : {static_cast<QWidget*>(contact), static_cast<QWidget*>(help)}) w->setFocusPolicy(Qt::NoFocus);
    // "# Decimals" is typed into: it takes the keys while its page shows.
    decimals_->setFocusPolicy(Qt::ClickFocus);
    decimals_->installEventFilter(this);

    // The locale's separators; "." keeps its code whatever it shows.
    const QLocale locale;
    calc_.SetSeparators(locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString());
    decimalPoint_ = locale.decimalPoint();

    auto* grid = new QGridLayout;
    keypad_ = grid;
    struct Place {
        const char* caption;
        int code, row, column;
    };
    const Place places[] = {
        {"MC", kMemoryClear, 0, 0}, {"MR", kMemoryRecall, 0, 1}, {"M +", kMemoryPlus, 0, 2}, {"M -", kMemoryMinus, 0, 3},
        {"C", kClear, 1, 0},        {"%", kPercent, 1, 1},      {"/", kDivide, 1, 2},       {"*", kMultiply, 1, 3},
        {"7", '7', 2, 0},           {"8", '8', 2, 1},           {"9", '9', 2, 2},           {"-", kMinus, 2, 3},
        {"4", '4', 3, 0},           {"5", '5', 3, 1},           {"6", '6', 3, 2},           {"+", kPlus, 3, 3},
        {"1", '1', 4, 0},           {"2", '2', 4, 1},           {"3", '3', 4, 2},           {"=", kEquals, 4, 3},
        {"0", '0', 5, 0},           {".", kPoint, 5, 1},        {"Opt", kOptions, 5, 2},    {"Print", kPrint, 5, 3},
    };
    for (const Place& p : places)
        grid->addWidget(makeKey(p.code == kPoint ? decimalPoint_ : QString::fromLatin1(p.caption), p.code), p.row, p.column);
    grid->addWidget(makeKey(QStringLiteral("Quit"), kQuit), 6, 0, 1, 4);
    makeKey(QStringLiteral("Use"), kUse)->hide();

    auto* keysColumn = new QVBoxLayout;
    keysColumn->addWidget(options_);
    keysColumn->addLayout(grid);
    keysColumn->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(keysColumn);
    layout->addWidget(ScreenTicket, 1);

    printTape_ = [this](const QStringList& lines, const QFont& font) { PrintLines(this, lines, font); };
    installEventFilter(this);
    refresh();
}

QPushButton* CalculatorWindow::makeKey(const QString& caption, int code) {
    auto* button = new QPushButton(caption, this);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoDefault(false);
    button->setMinimumWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("Print")) + 16);
    connect(button, &QPushButton::clicked, this, [this, code] { pressKey(code); });
    keys_[code] = button;
    return button;
}

QPushButton* CalculatorWindow::key(int code) const {
    auto it = keys_.find(code);
    return it == keys_.end() ? nullptr : it->second;
}

QString CalculatorWindow::displayText() const { return display_->text(); }

QStringList CalculatorWindow::tapeLines() const {
    QStringList lines;
    for (int i = 0; i < ScreenTicket->count(); ++i) lines << ScreenTicket->item(i)->text();
    return lines;
}

void CalculatorWindow::pressKey(int code) {
    const int stateBefore = calc_.optionState();
    if (stateBefore == 1) decimals_->interpretText();  // what was typed counts, Enter or not
    CalcAction action = calc_.Key(code);
    if (calc_.optionState() == 1 && stateBefore != 1) {
        decimals_->setValue(calc_.decimalsEdit());
        decimals_->setFocus();
        decimals_->selectAll();
    } else if (calc_.optionState() != 1 && decimals_->hasFocus()) {
        decimals_->clearFocus();
    }
    refresh();
    switch (action) {
        case CalcAction::Print: printTape(); break;
        case CalcAction::Close: reject(); break;
        case CalcAction::CloseConfirmed: accept(); break;
        case CalcAction::None: break;
    }
}

void CalculatorWindow::printTape() { printTape_(tapeLines(), ScreenTicket->font()); }

void CalculatorWindow::refresh() {
    display_->setText(QString::fromStdString(calc_.display()));
    options_->setCurrentIndex(calc_.optionState());
    const auto& tape = calc_.tape();
    for (int i = ScreenTicket->count(); i < static_cast<int>(tape.size()); ++i) {
        // Aligned by the list, so a line longer than the tape's width lines up too.
        auto* line = new QListWidgetItem(QString::fromStdString(tape[static_cast<std::size_t>(i)]));
        line->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        ScreenTicket->addItem(line);
    }
    ScreenTicket->scrollToBottom();
    showMemoryKeys(calc_.memoryKeysVisible());
}

void CalculatorWindow::showMemoryKeys(bool shown) {
    if (memoryKeysShown_ == shown) return;
    memoryKeysShown_ = shown;
    // Without a memory, "M +" and "M -" take the whole row: no holes where MC and MR were.
    QPushButton* row[] = {key(kMemoryClear), key(kMemoryRecall), key(kMemoryPlus), key(kMemoryMinus)};
    for (QPushButton* b : row) keypad_->removeWidget(b);
    row[0]->setVisible(shown);
    row[1]->setVisible(shown);
    if (shown) {
        for (int column = 0; column < 4; ++column) keypad_->addWidget(row[column], 0, column);
    } else {
        keypad_->addWidget(row[2], 0, 0, 1, 2);
        keypad_->addWidget(row[3], 0, 2, 1, 2);
    }
}

bool CalculatorWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (calc_.optionState() != 0) {
        // The options page has the keys: Esc still quits, Tab ("Opt") and
        // Enter move on; the rest belong to the page, never the hidden entry.
        switch (key->key()) {
            case Qt::Key_Escape: pressKey(kQuit); return true;
            case Qt::Key_Tab:
            case Qt::Key_Return:
            case Qt::Key_Enter: pressKey(kOptions); return true;
            default: return watched != decimals_;
        }
    }
    if (watched == decimals_) return false;
    int code = 0;
    switch (key->key()) {
        case Qt::Key_Escape: code = kQuit; break;
        case Qt::Key_Backspace: code = kBackspace; break;
        case Qt::Key_Return:
        case Qt::Key_Enter: code = kEquals; break;
        default:
            if (key->text() == decimalPoint_) code = kPoint;
            else if (key->text().size() == 1 && key->text()[0].unicode() < 0x80)
                code = Calculator::TypedKeyCode(key->text()[0].toLatin1());
    }
    if (code == 0) return QDialog::eventFilter(watched, event);
    pressKey(code);
    return true;
}

void CalculatorLauncher::run(QWidget* parent, std::function<void()> openHelp) {
    CalculatorWindow window(parent);
    window.setHelp(std::move(openHelp));
    used = window.exec() == QDialog::Accepted;
    value = window.calculator().shown();
}

}  // namespace vorlane
