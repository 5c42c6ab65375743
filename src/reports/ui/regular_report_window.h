#pragma once
// The regular report window: fields, page head options, margins, columns
// with their widths and colours, fonts; lays the report out and previews it.

#include <QMainWindow>
#include <memory>

#include "reports/regular_report_state.h"
#include "widgets/own_dialog.h"
#include "widgets/window_opener.h"
#include "widgets/window_print.h"

class QAction;
class QCheckBox;
class QDoubleSpinBox;
class QHeaderView;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPrinter;
class QRadioButton;
class QSpinBox;
class QStandardItemModel;

namespace vorlane {

class ReportPreviewDialog;

class RegularReportWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit RegularReportWindow(WindowContext& context, QWidget* parent = nullptr);
    ~RegularReportWindow() override;

    RegularReportState& box() { return box_; }
    // Tests look at the preview instead of running it modally.
    void setPreviewRunner(std::function<void(ReportPreviewDialog&)> run) { runPreview_ = std::move(run); }

    void addField(int entry);
    void undoField();
    void clearFields();
    void setColumns();  // DoColumns
    void preview();
    void saveFormat();
    void loadFormat();
    void importRecords();
    void toggleMode();
    void showAllRecords();

protected:
    void changeEvent(QEvent* event) override;

private:
    void buildToolBar();
    void buildControls();
    void readControls();
    void showSettings();
    void enableScreen();
    int printableWidth();
    void pageInches(int& width, int& height) const;
    void chooseFont(ReportFont& font, int maxSize, const char* word, QLineEdit* shown);

    WindowContext& context_;
    RegularReportState box_;
    std::unique_ptr<QPrinter> printer_;
    QMenu* fieldMenu_ = nullptr;
    QPlainTextEdit* memo_ = nullptr;
    QLineEdit* title_ = nullptr;
    QCheckBox *titleOn_ = nullptr, *dateOn_ = nullptr, *headerOn_ = nullptr, *pageNumbers_ = nullptr,
              *itemNumbers_ = nullptr, *totals_ = nullptr, *indent_ = nullptr;
    QDoubleSpinBox* margins_[4] = {};  // left, right, top, bottom
    QSpinBox* columns_ = nullptr;
    QHeaderView* widths_ = nullptr;
    QStandardItemModel* widthsModel_ = nullptr;
    QRadioButton *portrait_ = nullptr, *landscape_ = nullptr;
    QLineEdit *titleFont_ = nullptr, *bodyFont_ = nullptr, *valueFont_ = nullptr;
    QWidget *undoBtn_ = nullptr, *clearBtn_ = nullptr, *fontBtn_ = nullptr;
    QAction *saveFormatTool_ = nullptr, *importTool_ = nullptr, *modeTool_ = nullptr, *previewTool_ = nullptr,
            *saveTool_ = nullptr;
    std::function<void(ReportPreviewDialog&)> runPreview_;
    OwnDialogReturn ownDialog_;
    ReportPreviewDialog* preview_ = nullptr;  // while shown: coming back from it is a return
};

}  // namespace vorlane
