#pragma once
// The HTML report window: columns chosen from the field menu, header and
// footer HTML, font and colour, written to a file or shown in the browser.

#include <QMainWindow>
#include <memory>

#include "reports/html_report.h"
#include "widgets/own_dialog.h"
#include "widgets/window_opener.h"
#include "widgets/window_print.h"

class QAction;
class QCheckBox;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPrinter;
class QPushButton;

namespace vorlane {

struct GridPrintSettings;

class HtmlReportWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit HtmlReportWindow(WindowContext& context, QWidget* parent = nullptr);
    ~HtmlReportWindow() override;

    HtmlReport& report() { return report_; }
    void setPrinterChooser(PrinterChooser chooser) { chooser_ = std::move(chooser); }
    // The browser is asked to show a file; tests watch instead.
    void setBrowser(std::function<void(const std::string& path)> open) { browser_ = std::move(open); }

    void addField(int entry);
    void removeField();
    void clearFields();
    void moveField(int step);
    void viewReport();
    void saveHtml();
    void saveFormat();
    void loadFormat();
    void loadMemo(QPlainTextEdit* memo);
    void print();
    void printSetup();

protected:
    void changeEvent(QEvent* event) override;

private:
    void buildToolBar();
    void buildControls();
    void showFields();
    void enableButtons();
    // The memos into the report, then the table (with its warning).
    ReportTable generate();
    bool writeHtml(const std::string& path, const ReportTable& table);

    WindowContext& context_;
    HtmlReport report_;
    QListWidget* fields_ = nullptr;
    QMenu* fieldMenu_ = nullptr;
    QPlainTextEdit* header_ = nullptr;
    QPlainTextEdit* footer_ = nullptr;
    QCheckBox* searchList_ = nullptr;
    QPushButton* removeBtn_ = nullptr;
    QPushButton* viewBtn_ = nullptr;
    QAction* clearTool_ = nullptr;
    QAction* saveTool_ = nullptr;
    QMenu* printMenu_ = nullptr;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<GridPrintSettings> printSettings_;
    PrinterChooser chooser_ = RunPrintDialog;
    OwnDialogReturn ownDialog_;
    std::function<void(const std::string&)> browser_;
};

}  // namespace vorlane
