#pragma once
// The report preview: pages recorded as pictures in twips, shown at a zoom
// with an optional margin frame and quarter-inch grid, printed through the
// print dialog and exported as CSV or HTML.

#include <QDialog>
#include <QPicture>
#include <vector>

#include "reports/preview_scale.h"
#include "reports/report_export.h"
#include "widgets/window_print.h"

class QComboBox;
class QLabel;
class QPrinter;
class QPushButton;
class QScrollArea;
class QSpinBox;

namespace vorlane {

class Dialogs;
class PageView;

class ReportPreviewDialog : public QDialog {
    Q_OBJECT
public:
    // printer: the report's own, whose paper and orientation the pages were laid out on.
    ReportPreviewDialog(const ReportPages& pages, ExportTable exportTable, Dialogs& dialogs, QPrinter& printer,
                        QWidget* parent = nullptr);
    ~ReportPreviewDialog() override;

    void setPrinterChooser(PrinterChooser chooser) { chooser_ = std::move(chooser); }
    void applyZoom(const QString& zoom);
    void showPage(int page);
    void toggleMargins();
    void toggleGrid();
    void print();
    void exportCsv();
    void exportHtml();
    int scale() const { return scale_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    PreviewGeometry pageGeometry() const;
    void relayout();

    const ReportPages& pages_;
    ExportTable export_;
    Dialogs& dialogs_;
    std::vector<QPicture> pictures_;
    QComboBox* zoom_ = nullptr;
    QSpinBox* page_ = nullptr;
    QLabel* pagesLabel_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    PageView* view_ = nullptr;
    int scale_ = 96;
    int current_ = 1;
    bool showMargins_ = true;
    bool showGrid_ = false;
    PrinterChooser chooser_ = RunPrintDialog;
    QPrinter& printer_;
};

// Plays pages first ... last onto the printer, 1440 units to its inch.
bool PrintReportPages(QPrinter& printer, const ReportPages& pages, int first, int last);

}  // namespace vorlane
