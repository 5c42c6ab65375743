#include "reports/ui/report_pdf.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QLocale>
#include <QPageLayout>
#include <QPdfWriter>

#include "reports/ui/page_painter.h"
#include "storage/cp1252.h"

namespace vorlane {

void EnsureReportGui() {
    if (QCoreApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Scripts read one line per failure: Qt's own notices stay out of it.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    static int argc = 1;
    static char name[] = "vorlane-cli";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}

std::unique_ptr<TextMeasurer> MakeFontMeasurer() { return std::make_unique<QtTextMeasurer>(); }

namespace {
QPageSize PageSizeOf(Paper paper) {
    switch (paper) {
        case Paper::A4: return QPageSize(QPageSize::A4);
        case Paper::Legal: return QPageSize(QPageSize::Legal);
        case Paper::Letter: break;
    }
    return QPageSize(QPageSize::Letter);
}
}  // namespace

std::optional<Paper> PaperNamed(const std::string& name) {
    if (name == "a4") return Paper::A4;
    if (name == "letter") return Paper::Letter;
    if (name == "legal") return Paper::Legal;
    return std::nullopt;
}

Paper LocalePaper() {
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? Paper::Letter : Paper::A4;
}

void PdfPageInches(Paper paper, bool landscape, int& width, int& height) {
    const QSizeF inches = PageSizeOf(paper).size(QPageSize::Inch);
    width = static_cast<int>(landscape ? inches.height() : inches.width());
    height = static_cast<int>(landscape ? inches.width() : inches.height());
}

std::string ReportPdf(const ReportPages& pages, const std::string& title, Paper paper, bool landscape) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kTwipsPerInch);
        writer.setPageLayout(QPageLayout(PageSizeOf(paper),
                                         landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF()));
        writer.setTitle(QString::fromStdString(Cp1252ToUtf8(title)));
        writer.setCreator(QStringLiteral("Vorlane"));
        QPainter painter(&writer);
        for (int n = 1; n <= pages.PageCount(); ++n) {
            if (n > 1) writer.newPage();
            if (const RecordedPage* page = pages.Page(n))
                PaintReportPage(painter, *page, pages.margins(), pages.pageWidth(), pages.pageHeight());
        }
    }
    return bytes.toStdString();
}

}  // namespace vorlane
