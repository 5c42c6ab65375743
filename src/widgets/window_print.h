#pragma once
// Printing a window: its picture on one page ("Print Form"), and plain-text
// lines. The page builders take a ready printer, so a caller (or a test) can
// print straight to a PDF file; RecordPrinter adds the print dialog and the
// messages.

#include <QFont>
#include <QImage>
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "storage/print_pages.h"

class QPrinter;
class QWidget;

namespace vorlane {

class Dialogs;

// The window as it is drawn, in 8 bits per pixel with a 256-colour table.
QImage CaptureWindow(QWidget* window);

// One page: the window's picture scaled to the page's width (portrait) or
// height (landscape), at the page's top-left corner.
bool PrintWindowPicture(QPrinter& printer, QWidget* window, QString* error = nullptr);

// The font of plain-text prints.
QFont PlainTextFont();

// lines one below the other, new pages as needed; a line wider than the
// page goes on in the next printed line.
bool PrintPlainText(QPrinter& printer, const std::vector<std::string>& lines, const QFont& font,
                    QString* error = nullptr);

// A shown text as the program's Windows-1252 bytes; a character that
// cannot be stored becomes '?'.
std::string ShownText(const QString& text);

// Lets the person pick the printer (or a PDF file) and pages. pageCount 0:
// no page choice. False when cancelled.
using PrinterChooser = std::function<bool(QPrinter& printer, QWidget* parent, int pageCount)>;
bool RunPrintDialog(QPrinter& printer, QWidget* parent, int pageCount);

class RecordPrinter {
public:
    explicit RecordPrinter(Dialogs& dialogs);
    ~RecordPrinter();
    RecordPrinter(const RecordPrinter&) = delete;
    RecordPrinter& operator=(const RecordPrinter&) = delete;

    // Replaces the print dialog (tests answer with a PDF file).
    void setChooser(PrinterChooser chooser) { chooser_ = std::move(chooser); }
    // Kept for the run, so the person's choice of printer stays.
    QPrinter& printer() { return *printer_; }

    // printForm: after the print dialog, the window's picture on one page.
    // False when cancelled or failed (the failure is shown).
    bool printForm(QWidget* window);
    // printForm of the main window, then "Form sent to Printer.".
    void quickPrint(QWidget* mainWindow);
    // After the print dialog, lines as plain text, then doneMessage.
    void printLines(QWidget* parent, const std::vector<std::string>& lines, const char* doneMessage);

private:
    Dialogs& dialogs_;
    std::unique_ptr<QPrinter> printer_;
    PrinterChooser chooser_;
};

}  // namespace vorlane
