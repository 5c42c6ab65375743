#include "reports/ui/report_preview_dialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>

#include "reports/html_report.h"
#include "reports/ui/page_painter.h"
#include "storage/dialogs.h"
#include "storage/file_choosers.h"
#include "widgets/grid_print.h"
#include "widgets/text_codec.h"

namespace vorlane {

namespace {
const QColor kMarginColor(128, 128, 128);
const QColor kGridColor(128, 128, 128);
}  // namespace

// The page box: margin frame, white printable area, the page, the grid.
class PageView : public QWidget {
public:
    const QPicture* picture = nullptr;
    PreviewGeometry geometry;
    int scale = 96;
    bool grid = false;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const Margins m = MarginPixels(scale, geometry.margins);
        QRect area = rect();
        if (geometry.showMargins) {
            p.fillRect(rect(), kMarginColor);
            area = QRect(m.left, m.top, width() - m.left - m.right, height() - m.top - m.bottom);
        }
        p.fillRect(area, Qt::white);
        if (picture) {
            p.save();
            p.setClipRect(area);
            p.translate(area.topLeft());
            p.scale(scale / double(kTwipsPerInch), scale / double(kTwipsPerInch));
            p.drawPicture(0, 0, *picture);
            p.restore();
        }
        if (!grid) return;
        p.setPen(QPen(kGridColor, 1, Qt::DotLine));
        for (int x : GridPositions(scale, scale * geometry.pageWidth)) p.drawLine(x, 0, x, scale * geometry.pageHeight);
        for (int y : GridPositions(scale, scale * geometry.pageHeight)) p.drawLine(0, y, scale * geometry.pageWidth, y);
    }
};

ReportPreviewDialog::ReportPreviewDialog(const ReportPages& pages, ExportTable exportTable, Dialogs& dialogs,
                                         QPrinter& printer, QWidget* parent)
    : QDialog(parent), pages_(pages), export_(std::move(exportTable)), dialogs_(dialogs), printer_(printer) {
    setWindowTitle(QStringLiteral("Preview"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    // Each page recorded once as a picture in twips, played at any zoom.
    for (int n = 1; n <= pages.PageCount(); ++n) {
        QPicture picture;
        QPainter painter(&picture);
        PainterCanvas canvas(painter);
        if (const RecordedPage* page = pages.Page(n)) page->PlayOn(canvas);
        painter.end();
        pictures_.push_back(picture);
    }

    auto* layout = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    zoom_ = new QComboBox(this);
    zoom_->setObjectName(QStringLiteral("Zoom"));
    zoom_->setEditable(true);
    for (const auto& entry : ZoomEntries()) zoom_->addItem(QString::fromStdString(entry));
    zoom_->setCurrentText(QStringLiteral("Fit Width"));
    connect(zoom_, &QComboBox::textActivated, this, &ReportPreviewDialog::applyZoom);
    page_ = new QSpinBox(this);
    page_->setObjectName(QStringLiteral("SpinEdit1"));
    page_->setRange(1, std::max(1, pages.PageCount()));
    page_->setToolTip(QString::fromStdString("Total Pages " + std::to_string(pages.PageCount())));
    page_->setEnabled(pages.PageCount() > 1);
    connect(page_, &QSpinBox::editingFinished, this, [this] { showPage(page_->value()); });
    connect(page_, &QSpinBox::valueChanged, this, [this](int n) { showPage(n); });
    pagesLabel_ = new QLabel(this);
    pagesLabel_->setObjectName(QStringLiteral("Pages"));
    auto addButton = [&](const char* caption, auto slot) {
        auto* b = new QPushButton(QString::fromLatin1(caption), this);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, slot);
        bar->addWidget(b);
        return b;
    };
    bar->addWidget(zoom_);
    bar->addWidget(page_);
    bar->addWidget(pagesLabel_);
    QPushButton* margin = addButton("Margin", [this] { toggleMargins(); });
    margin->setCheckable(true);
    margin->setChecked(showMargins_);
    addButton("Grid", [this] { toggleGrid(); })->setCheckable(true);
    addButton("Print", [this] { print(); });
    QPushButton* exportButton = addButton("Export", [] {});
    auto* exportMenu = new QMenu(this);
    connect(exportMenu->addAction(QStringLiteral("Export to CSV")), &QAction::triggered, this, &ReportPreviewDialog::exportCsv);
    connect(exportMenu->addAction(QStringLiteral("Export to HTML")), &QAction::triggered, this, &ReportPreviewDialog::exportHtml);
    exportButton->setMenu(exportMenu);
    addButton("Close", [this] { accept(); });
    bar->addStretch(1);
    layout->addLayout(bar);

    view_ = new PageView;
    scroll_ = new QScrollArea(this);
    scroll_->setWidget(view_);
    scroll_->setAlignment(Qt::AlignHCenter);
    layout->addWidget(scroll_, 1);
    resize(1000, 760);
    showPage(1);
    applyZoom(QStringLiteral("Fit Width"));
}

ReportPreviewDialog::~ReportPreviewDialog() = default;

PreviewGeometry ReportPreviewDialog::pageGeometry() const {
    PreviewGeometry g;
    g.screenDpi = logicalDpiX();
    g.windowWidth = width();
    g.windowHeight = height();
    g.pageWidth = pages_.pageWidth();
    g.pageHeight = pages_.pageHeight();
    g.margins = pages_.margins();
    g.showMargins = showMargins_;
    return g;
}

void ReportPreviewDialog::applyZoom(const QString& zoom) {
    std::optional<int> s = ZoomScale(zoom.toStdString(), pageGeometry());
    if (!s) {
        std::string message(1, '\'');
        message += ShownText(zoom);
        message += "' is not a valid integer value";
        dialogs_.Error(message);
        return;
    }
    scale_ = *s;
    relayout();
}

void ReportPreviewDialog::relayout() {
    const PreviewGeometry g = pageGeometry();
    const PageBox box = PreviewPageBox(scale_, g);
    view_->geometry = g;
    view_->scale = scale_;
    view_->grid = showGrid_;
    view_->setFixedSize(box.width, box.height);
    view_->update();
}

void ReportPreviewDialog::showPage(int page) {
    if (page < 1 || page > static_cast<int>(pictures_.size())) return;
    current_ = page;
    view_->picture = &pictures_[static_cast<std::size_t>(page - 1)];
    pagesLabel_->setText(QString::fromStdString("Page " + std::to_string(page) + " of " + std::to_string(pictures_.size())));
    if (page_->value() != page) page_->setValue(page);
    view_->update();
}

void ReportPreviewDialog::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (zoom_ && (zoom_->currentText() == QStringLiteral("Fit Both") || zoom_->currentText() == QStringLiteral("Fit Width")))
        applyZoom(zoom_->currentText());
}

void ReportPreviewDialog::toggleMargins() {
    showMargins_ = !showMargins_;
    view_->geometry.showMargins = showMargins_;
    view_->update();  // the box keeps its size until the next zoom
}

void ReportPreviewDialog::toggleGrid() {
    showGrid_ = !showGrid_;
    view_->grid = showGrid_;
    view_->update();
}

bool PrintReportPages(QPrinter& printer, const ReportPages& pages, int first, int last) {
    if (!pages.finished()) return false;
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const double toDevice = printer.resolution() / double(kTwipsPerInch);
    for (int n = std::max(1, first); n <= std::min(last, pages.PageCount()); ++n) {
        if (n > std::max(1, first)) printer.newPage();
        painter.save();
        painter.scale(toDevice, toDevice);
        PaintReportPage(painter, *pages.Page(n), pages.margins(), pages.pageWidth(), pages.pageHeight());
        painter.restore();
    }
    return painter.end();
}

void ReportPreviewDialog::print() {
    QPrinter& printer = printer_;
    printer.setFromTo(1, pages_.PageCount());
    if (!chooser_(printer, this, pages_.PageCount())) return;
    int first = printer.fromPage() > 0 ? printer.fromPage() : 1;
    int last = printer.toPage() > 0 ? printer.toPage() : pages_.PageCount();
    if (!PrintReportPages(printer, pages_, first, last)) dialogs_.Error(ShownText(PrinterErrorMessage(printer)));
}

void ReportPreviewDialog::exportCsv() {
    auto path = ChooseFileToReplace(dialogs_, "Export to CSV", "Comma Delimited File|*.CSV", "csv", "");
    if (!path || path->empty()) return;
    ReportWriteResult written = WriteReportFile(*path, ExportCsv(export_));
    if (written.ok) dialogs_.Information("File Saved");
    else dialogs_.Error(written.message);
}

void ReportPreviewDialog::exportHtml() {
    auto path = ChooseFileToReplace(dialogs_, "Export to HTML", "HTML File|*.HTM", "htm", "");
    if (!path || path->empty()) return;
    ReportWriteResult written = WriteReportFile(*path, ExportHtml(export_));
    if (written.ok) dialogs_.Information("File Saved");
    else dialogs_.Error(written.message);
}

}  // namespace vorlane
