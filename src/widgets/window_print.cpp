#include "widgets/window_print.h"

#include <QApplication>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QWidget>

#include "widgets/text_codec.h"
#include "widgets/grid_print.h"
#include "storage/dialogs.h"

namespace vorlane {

QImage CaptureWindow(QWidget* window) {
    if (!window) return {};
    QImage picture = window->grab().toImage();
    picture.setDevicePixelRatio(1);
    return picture.convertToFormat(QImage::Format_Indexed8);
}

bool PrintWindowPicture(QPrinter& printer, QWidget* window, QString* error) {
    // Taken before the print starts, while the window still shows what the
    // person asked to print.
    QImage picture = CaptureWindow(window);
    QPainter painter;
    if (!painter.begin(&printer)) {
        if (error) *error = PrinterErrorMessage(printer);
        return false;
    }
    PictureSize size = FitPictureToPage(picture.width(), picture.height(), printer.width(), printer.height());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (size.width > 0 && size.height > 0) painter.drawImage(QRect(0, 0, size.width, size.height), picture);
    painter.end();
    return true;
}

QFont PlainTextFont() {
    QFont font = QApplication::font();
    font.setPointSizeF(11);
    return font;
}

bool PrintPlainText(QPrinter& printer, const std::vector<std::string>& lines, const QFont& font, QString* error) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        if (error) *error = PrinterErrorMessage(printer);
        return false;
    }
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QFontMetrics metrics(font, &printer);
    const int lineHeight = metrics.lineSpacing();
    const QRect page(0, 0, printer.width(), printer.height());
    auto widthOf = [&metrics](std::string_view text) { return metrics.horizontalAdvance(ToQString(text)); };
    std::vector<std::string> printed;
    for (const std::string& line : PrintedLines(lines))
        for (std::string& piece : WrapLine(line, page.width(), widthOf)) printed.push_back(std::move(piece));
    auto pages = PaginateLines(printed, LinesPerPage(page.height(), lineHeight));
    for (std::size_t p = 0; p < pages.size(); ++p) {
        if (p > 0) printer.newPage();
        int y = 0;
        for (const std::string& line : pages[p]) {
            painter.drawText(QRect(0, y, page.width(), lineHeight), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip,
                             ToQString(line));
            y += lineHeight;
        }
    }
    painter.end();
    return true;
}

std::string ShownText(const QString& text) {
    std::string bytes;
    if (FromQString(text, bytes)) return bytes;
    bytes.clear();
    for (QChar c : text) {
        std::string one;
        bytes += FromQString(QString(c), one) ? one : std::string("?");
    }
    return bytes;
}

bool RunPrintDialog(QPrinter& printer, QWidget* parent, int pageCount) {
    QPrintDialog dialog(&printer, parent);
    QAbstractPrintDialog::PrintDialogOptions options = QAbstractPrintDialog::PrintToFile |
                                                       QAbstractPrintDialog::PrintShowPageSize;
    if (pageCount > 0) {
        options |= QAbstractPrintDialog::PrintPageRange;
        dialog.setMinMax(1, pageCount);
    } else {
        printer.setPrintRange(QPrinter::AllPages);
    }
    dialog.setOptions(options);
    return dialog.exec() == QDialog::Accepted;
}

RecordPrinter::RecordPrinter(Dialogs& dialogs)
    : dialogs_(dialogs), printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)), chooser_(RunPrintDialog) {
    // Half an inch all round: the page of both prints is what lies inside.
    printer_->setPageMargins(QMarginsF(12.7, 12.7, 12.7, 12.7), QPageLayout::Millimeter);
}

RecordPrinter::~RecordPrinter() = default;

bool RecordPrinter::printForm(QWidget* window) {
    if (!chooser_(*printer_, window, 0)) return false;
    QString error;
    if (!PrintWindowPicture(*printer_, window, &error)) {
        dialogs_.Error(ShownText(error));
        return false;
    }
    return true;
}

void RecordPrinter::quickPrint(QWidget* mainWindow) {
    if (printForm(mainWindow)) dialogs_.Information(kFormPrintedMessage);
}

void RecordPrinter::printLines(QWidget* parent, const std::vector<std::string>& lines, const char* doneMessage) {
    if (!chooser_(*printer_, parent, 0)) return;
    QString error;
    if (!PrintPlainText(*printer_, lines, PlainTextFont(), &error)) {
        dialogs_.Error(ShownText(error));
        return;
    }
    dialogs_.Information(doneMessage);
}

}  // namespace vorlane
