#include "exchange/ui/cellar_import_wizard.h"

#include <QApplication>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "exchange/cellar_export.h"
#include "exchange/zip/zip_member.h"
#include "storage/database_file.h"
#include "storage/database_session.h"
#include "storage/dialogs.h"
#include "storage/safe_file.h"
#include "storage/settings_store.h"
#include "storage/value_tree.h"
#include "widgets/text_codec.h"

namespace vorlane {

namespace {

constexpr int kPreviewRows = 10;
constexpr const char* kSettingsSection = "CELLAR IMPORT";
constexpr const char* kImportFilter = "Delimited Text|*.csv|Text|*.txt|ZIP Archive|*.zip|All Files|*";

}  // namespace

CellarImportWizard::CellarImportWizard(WindowContext& context, QWidget* parent)
    : QWizard(parent), context_(context) {
    setWindowTitle(QStringLiteral("Import from Another Program"));
    setWizardStyle(QWizard::ClassicStyle);
    setOption(QWizard::NoBackButtonOnLastPage);
    setOption(QWizard::NoCancelButtonOnLastPage);
    setPage(FilePage, makeFilePage());
    setPage(ColumnsPage, makeColumnsPage());
    setPage(DestinationPage, makeDestinationPage());
    setPage(RunPage, makeRunPage());
    setPage(ReportPage, makeReportPage());
    resize(820, 560);
}

CellarImportWizard::~CellarImportWizard() = default;

QWizardPage* CellarImportWizard::makeFilePage() {
    auto* page = new QWizardPage;
    page->setTitle(QStringLiteral("Choose the file"));
    page->setSubTitle(QStringLiteral("A CSV or tab-separated export of another cellar program."));
    auto* layout = new QVBoxLayout(page);
    auto* explain = new QLabel(QStringLiteral(
        "Export your cellar from the other program as CSV (a web cellar service's list or inventory, a phone "
        "app's cellar.csv, a collection manager's CSV, or any spreadsheet with a header row), then choose it here."));
    explain->setWordWrap(true);
    layout->addWidget(explain);
    auto* row = new QHBoxLayout;
    auto* label = new QLabel(QStringLiteral("&File:"));
    fileEdit_ = new QLineEdit;
    fileEdit_->setObjectName(QStringLiteral("ImportFile"));
    label->setBuddy(fileEdit_);
    auto* browse = new QPushButton(QStringLiteral("&Browse\u2026"));
    connect(browse, &QPushButton::clicked, this, &CellarImportWizard::chooseFile);
    row->addWidget(label);
    row->addWidget(fileEdit_, 1);
    row->addWidget(browse);
    layout->addLayout(row);
    fileProblem_ = new QLabel;
    fileProblem_->setObjectName(QStringLiteral("FileProblem"));
    fileProblem_->setWordWrap(true);
    fileProblem_->setStyleSheet(QStringLiteral("color: #a00000"));
    layout->addWidget(fileProblem_);
    layout->addStretch();
    return page;
}

QWizardPage* CellarImportWizard::makeColumnsPage() {
    auto* page = new QWizardPage;
    page->setTitle(QStringLiteral("Columns and fields"));
    page->setSubTitle(QStringLiteral("Each column goes to the field chosen above it. Change any you like; "
                                     "the choice is kept for the next file of this layout."));
    auto* layout = new QVBoxLayout(page);
    layoutLabel_ = new QLabel;
    layoutLabel_->setObjectName(QStringLiteral("RecognisedLayout"));
    layout->addWidget(layoutLabel_);
    preview_ = new QTableWidget;
    preview_->setObjectName(QStringLiteral("ImportPreview"));
    preview_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    preview_->setTabKeyNavigation(false);
    preview_->verticalHeader()->setDefaultSectionSize(24);
    layout->addWidget(preview_, 1);
    return page;
}

QWizardPage* CellarImportWizard::makeDestinationPage() {
    auto* page = new QWizardPage;
    page->setTitle(QStringLiteral("Where the records go"));
    auto* layout = new QVBoxLayout(page);
    openDatabase_ = new QRadioButton(QStringLiteral("Add them to the &open database"));
    newDatabase_ = new QRadioButton(QStringLiteral("Make a ne&w database file:"));
    openDatabase_->setChecked(true);
    newFileEdit_ = new QLineEdit;
    newFileEdit_->setObjectName(QStringLiteral("NewDatabaseFile"));
    newFileEdit_->setEnabled(false);
    connect(newDatabase_, &QRadioButton::toggled, newFileEdit_, &QWidget::setEnabled);
    auto* note = new QLabel(QStringLiteral(
        "Imported records are put on the search list: \"Search List Records\" shows what came in, and the "
        "search window's \"Remove\" takes it out again. A wine already in the database (same name, vintage and "
        "bottle size) is skipped."));
    note->setWordWrap(true);
    layout->addWidget(openDatabase_);
    layout->addWidget(newDatabase_);
    layout->addWidget(newFileEdit_);
    layout->addSpacing(12);
    layout->addWidget(note);
    layout->addStretch();
    return page;
}

QWizardPage* CellarImportWizard::makeRunPage() {
    auto* page = new QWizardPage;
    page->setTitle(QStringLiteral("Import"));
    page->setSubTitle(QStringLiteral("Press Import to start. A cancelled import changes nothing."));
    auto* layout = new QVBoxLayout(page);
    progress_ = new QProgressBar;
    progress_->setObjectName(QStringLiteral("ImportProgress"));
    progress_->setValue(0);
    runStatus_ = new QLabel;
    cancelRun_ = new QPushButton(QStringLiteral("&Stop"));
    cancelRun_->setEnabled(false);
    connect(cancelRun_, &QPushButton::clicked, this, [this] { cancelled_ = true; });
    layout->addWidget(progress_);
    layout->addWidget(runStatus_);
    layout->addWidget(cancelRun_, 0, Qt::AlignLeft);
    layout->addStretch();
    page->setButtonText(QWizard::NextButton, QStringLiteral("&Import"));
    return page;
}

QWizardPage* CellarImportWizard::makeReportPage() {
    auto* page = new QWizardPage;
    page->setTitle(QStringLiteral("What came in"));
    auto* layout = new QVBoxLayout(page);
    reportText_ = new QPlainTextEdit;
    reportText_->setObjectName(QStringLiteral("ImportReport"));
    reportText_->setReadOnly(true);
    layout->addWidget(reportText_);
    return page;
}

void CellarImportWizard::setFile(const QString& path) { fileEdit_->setText(path); }

QComboBox* CellarImportWizard::columnChoice(int column) const {
    return qobject_cast<QComboBox*>(preview_->cellWidget(0, column));
}

bool CellarImportWizard::intoNewDatabase() const { return newDatabase_->isChecked(); }

void CellarImportWizard::chooseFile() {
    if (auto path = context_.dialogs.ChooseFileToOpen("Import from Another Program", kImportFilter, ""))
        fileEdit_->setText(PathToQString(*path));
}

bool CellarImportWizard::readFile() {
    const std::string path = PathFromQString(fileEdit_->text());
    std::string bytes;
    FileResult read = ReadWholeFile(path, bytes, kMaxDatabaseBytes);
    if (!read.ok) {
        fileProblem_->setText(MessageToQString(read.error));
        return false;
    }
    if (std::string error; !TakeCellarOutOfZip(path, bytes, error)) {
        fileProblem_->setText(MessageToQString(error));
        return false;
    }
    text_ = ReadDelimitedText(bytes, path);
    if (!text_.refusal.empty()) {
        fileProblem_->setText(MessageToQString(text_.refusal));
        return false;
    }
    plan_ = PlanImport(text_, context_.session.db().labels, layouts_);
    if (!plan_.layout || text_.rows.empty()) {
        fileProblem_->setText(QStringLiteral("The file's columns were not recognised."));
        return false;
    }
    if (const std::string refusal = plan_.layout->Refusal(); !refusal.empty()) {
        fileProblem_->setText(MessageToQString(refusal));
        return false;
    }
    SettingsStore settings(context_.paths.settingsFile);
    ApplyColumnChoices(settings.ReadText(kSettingsSection, plan_.layout->Name(), ""), plan_.header, plan_.targets);
    fileProblem_->clear();
    return true;
}

void CellarImportWizard::fillPreview() {
    const LabelTable& labels = context_.session.db().labels;
    const std::vector<ImportTarget> all = AllImportTargets();
    const int columns = static_cast<int>(plan_.header.size());
    const std::size_t first = plan_.hasHeader ? 1 : 0;
    const int rows = static_cast<int>(std::min<std::size_t>(kPreviewRows, text_.rows.size() - first));
    layoutLabel_->setText(QStringLiteral("Recognised layout: <b>%1</b> (%2 rows)")
                              .arg(ToQString(plan_.layout->Name()).toHtmlEscaped())
                              .arg(text_.rows.size() - first));
    preview_->clear();
    preview_->setColumnCount(columns);
    preview_->setRowCount(rows + 1);
    QStringList headers;
    for (const auto& h : plan_.header) headers << ToQString(h);
    preview_->setHorizontalHeaderLabels(headers);
    QStringList rowLabels = {QStringLiteral("Field")};
    for (int r = 0; r < columns; ++r) {
        auto* choice = new QComboBox;
        choice->setAccessibleName(QStringLiteral("Field for column %1").arg(headers[r]));
        for (const ImportTarget& t : all) {
            choice->addItem(ToQString(TargetName(t, labels)));
            if (t == plan_.targets[static_cast<std::size_t>(r)]) choice->setCurrentIndex(choice->count() - 1);
        }
        connect(choice, &QComboBox::currentIndexChanged, this, [this, r, all](int index) {
            plan_.targets[static_cast<std::size_t>(r)] = all[static_cast<std::size_t>(index)];
        });
        preview_->setCellWidget(0, r, choice);
    }
    for (int r = 0; r < rows; ++r) {
        const auto& fields = text_.rows[first + static_cast<std::size_t>(r)].fields;
        rowLabels << QString::number(text_.rows[first + static_cast<std::size_t>(r)].line);
        for (int c = 0; c < columns && c < static_cast<int>(fields.size()); ++c)
            preview_->setItem(r + 1, c, new QTableWidgetItem(ToQString(fields[static_cast<std::size_t>(c)])));
    }
    preview_->setVerticalHeaderLabels(rowLabels);
    preview_->resizeColumnsToContents();
    for (int c = 0; c < columns; ++c) preview_->setColumnWidth(c, std::min(std::max(preview_->columnWidth(c), 150), 260));
}

void CellarImportWizard::rememberChoices() {
    SettingsStore settings(context_.paths.settingsFile);
    settings.WriteText(kSettingsSection, plan_.layout->Name(), EncodeColumnChoices(plan_.header, plan_.targets));
    settings.Save();
}

void CellarImportWizard::initializePage(int id) {
    if (id == ColumnsPage) fillPreview();
    if (id == DestinationPage && newFileEdit_->text().isEmpty()) {
        QString base = fileEdit_->text();
        const int dot = base.lastIndexOf(u'.');
        if (dot > base.lastIndexOf(u'/')) base.truncate(dot);
        newFileEdit_->setText(base + QStringLiteral(".dat"));
    }
    if (id == RunPage) {
        progress_->setValue(0);
        runStatus_->setText(intoNewDatabase() ? QStringLiteral("Into the new file %1.").arg(newFileEdit_->text())
                                              : QStringLiteral("Into the open database."));
    }
    if (id == ReportPage) {
        QString text = ToQString(ImportSummary(report_)) + u'\n';
        for (const auto& line : ImportReportLines(report_)) text += ToQString(line) + u'\n';
        reportText_->setPlainText(text);
    }
    QWizard::initializePage(id);
}

bool CellarImportWizard::validateCurrentPage() {
    switch (currentId()) {
        case FilePage: return readFile();
        case ColumnsPage: rememberChoices(); return true;
        case RunPage: return ran_ || runImport();
        default: return QWizard::validateCurrentPage();
    }
}

bool CellarImportWizard::runImport() {
    cancelled_ = false;
    cancelRun_->setEnabled(true);
    for (auto b : {QWizard::NextButton, QWizard::BackButton, QWizard::CancelButton}) button(b)->setEnabled(false);
    auto progress = [this](std::size_t done, std::size_t total) {
        progress_->setMaximum(static_cast<int>(std::min<std::size_t>(total, INT32_MAX)));
        progress_->setValue(static_cast<int>(std::min<std::size_t>(done, INT32_MAX)));
        QApplication::processEvents();
        return !cancelled_;
    };
    const bool fresh = intoNewDatabase();
    Database fresher;
    if (fresh) {
        // The value trees a new database starts with.
        for (int k = 1; k <= kDescriptionCount; ++k) {
            const std::string found = context_.paths.data.Find("description" + std::to_string(k) + ".def");
            std::string tree;
            if (!found.empty() && ReadWholeFile(found, tree, 16u << 20).ok)
                fresher.valueTrees[static_cast<std::size_t>(k - 1)] = TreeToText(ParseTreeText(tree));
        }
    } else {
        context_.session.WriteBackCurrent();
    }
    Database& into = fresh ? fresher : context_.session.db();
    report_ = ImportCellar(into, text_, plan_, fresh, progress);
    cancelRun_->setEnabled(false);
    for (auto b : {QWizard::NextButton, QWizard::BackButton, QWizard::CancelButton}) button(b)->setEnabled(true);
    if (report_.cancelled) {
        runStatus_->setText(QStringLiteral("Stopped: nothing was changed."));
        return false;
    }
    if (!report_.error.empty()) {
        context_.dialogs.Error(report_.error);
        return false;
    }
    if (fresh) {
        const std::string path = PathFromQString(newFileEdit_->text());
        FileResult saved = SaveDatabaseFile(fresher, path);
        if (!saved.ok) {
            context_.dialogs.Error(saved.error);
            return false;
        }
        report_.notes.insert(report_.notes.begin(), {0, "Saved as " + path + "; open it with File, Open."});
    } else {
        context_.session.recordListChanged = true;
        context_.session.viewMode = 2;
        context_.session.ShowCurrentRecord();
        context_.session.NotifyStateChanged();
    }
    ran_ = true;
    progress_->setValue(progress_->maximum());
    return true;
}

void ExportAllRecordsCommand(WindowContext& context) {
    context.session.WriteBackCurrent();
    auto path = context.dialogs.ChooseFileToSave("Export All Records", "Comma Delimited File|*.csv", "csv", "");
    if (!path || path->empty()) return;
    FileResult written = WriteFileSafely(*path, ExportAllRecords(context.session.db()));
    if (!written.ok) {
        context.dialogs.Error(written.error);
        return;
    }
    context.dialogs.Information("File Saved");
}

}  // namespace vorlane
