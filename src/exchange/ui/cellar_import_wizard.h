#pragma once
// The wizard that brings another program's cellar export in: the file, its
// columns and their fields, where it goes, the run, the report.

#include <QWizard>

#include <memory>

#include "exchange/cellar_import.h"
#include "widgets/window_opener.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace vorlane {

class CellarImportWizard : public QWizard {
    Q_OBJECT
public:
    enum PageId { FilePage, ColumnsPage, DestinationPage, RunPage, ReportPage };

    explicit CellarImportWizard(WindowContext& context, QWidget* parent = nullptr);
    ~CellarImportWizard() override;

    // For tests: the chosen file and the target of a column.
    void setFile(const QString& path);
    QTableWidget* preview() const { return preview_; }
    QComboBox* columnChoice(int column) const;
    const CellarImportReport& report() const { return report_; }
    bool intoNewDatabase() const;

    bool validateCurrentPage() override;

protected:
    void initializePage(int id) override;

private:
    QWizardPage* makeFilePage();
    QWizardPage* makeColumnsPage();
    QWizardPage* makeDestinationPage();
    QWizardPage* makeRunPage();
    QWizardPage* makeReportPage();
    void chooseFile();
    bool readFile();
    void fillPreview();
    void rememberChoices();
    bool runImport();

    WindowContext& context_;
    std::vector<std::unique_ptr<CellarLayout>> layouts_ = KnownLayouts();
    DelimitedText text_;
    ImportPlan plan_;
    CellarImportReport report_;
    bool cancelled_ = false;
    bool ran_ = false;

    QLineEdit* fileEdit_ = nullptr;
    QLabel* fileProblem_ = nullptr;
    QLabel* layoutLabel_ = nullptr;
    QTableWidget* preview_ = nullptr;
    QRadioButton* newDatabase_ = nullptr;
    QRadioButton* openDatabase_ = nullptr;
    QLineEdit* newFileEdit_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* cancelRun_ = nullptr;
    QLabel* runStatus_ = nullptr;
    QPlainTextEdit* reportText_ = nullptr;
};

// "Export All Records": a save chooser, then every record as CSV.
void ExportAllRecordsCommand(WindowContext& context);

}  // namespace vorlane
