#include "cellar/ui/drinking_window.h"

#include <QAbstractTableModel>
#include <QComboBox>
#include <QDate>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QWindow>

#include "cellar/ui/chart/years_ahead_chart.h"
#include "storage/app_settings.h"
#include "views/record_browse.h"
#include "widgets/grid_print.h"
#include "widgets/help_window.h"
#include "widgets/text_codec.h"
#include "widgets/tool_icons.h"
#include "widgets/window_toolbar.h"

namespace vorlane {

namespace {

enum Column { kName, kVintage, kFrom, kTo, kQuantity, kStatus, kColumnCount };

QString YearText(const std::optional<int>& year) { return year ? QString::number(*year) : QString(); }

}  // namespace

// The "what to open" list over the report's entries; texts are made only
// for the rows on screen.
class DrinkListModel : public QAbstractTableModel {
public:
    explicit DrinkListModel(const DatabaseSession& session) : session_(session) {}

    void show(const DrinkReport* report) {
        beginResetModel();
        report_ = report;
        endResetModel();
    }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() || !report_ ? 0 : static_cast<int>(report_->list.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : kColumnCount; }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!report_ || !index.isValid() || index.row() >= rowCount()) return {};
        const DrinkEntry& e = report_->list[static_cast<std::size_t>(index.row())];
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(index.column() == kName || index.column() == kStatus
                                           ? Qt::AlignLeft | Qt::AlignVCenter
                                           : Qt::AlignRight | Qt::AlignVCenter);
        if (role != Qt::DisplayRole) return {};
        const ItemRecord& r = session_.records()[e.index];
        switch (index.column()) {
            case kName: return ToQString(r.Name);
            case kVintage: return ToQString(r.Details[3]);
            case kFrom: return YearText(e.years.from);
            case kTo: return YearText(e.years.to);
            case kQuantity: return QString::number(e.bottles);
            case kStatus: return ToQString(DrinkStatusText(e.status));
            default: return {};
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
        const LabelTable& labels = session_.db().labels;
        switch (section) {
            case kName: return QStringLiteral("Name");
            case kVintage: return ToQString(labels[static_cast<std::size_t>(DetailLabel(3))]);
            case kFrom: return QStringLiteral("From");
            case kTo: return QStringLiteral("To");
            case kQuantity: return ToQString(labels[static_cast<std::size_t>(DetailLabel(9))]);
            case kStatus: return QStringLiteral("Status");
            default: return {};
        }
    }

private:
    const DatabaseSession& session_;
    const DrinkReport* report_ = nullptr;
};

DrinkingWindow::DrinkingWindow(WindowContext& context, QWidget* parent)
    : QMainWindow(parent), context_(context), session_(context.session), settingsFile_(context.paths.settingsFile) {
    setWindowTitle(QStringLiteral("Drinking Window"));
    setAttribute(Qt::WA_DeleteOnClose);
    buildToolbar();

    yearBox_ = new QSpinBox;
    yearBox_->setObjectName(QStringLiteral("year"));
    yearBox_->setRange(1000, 9984);  // the last year whose sixteen years ahead have four digits
    yearBox_->setValue(QDate::currentDate().year());
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Year:")));
    top->addWidget(yearBox_);
    top->addSpacing(18);
    for (int s = 0; s < kDrinkStatusCount; ++s) {
        auto* label = new QLabel;
        label->setTextFormat(Qt::PlainText);
        counts_[static_cast<std::size_t>(s)] = label;
        top->addWidget(label);
        top->addSpacing(14);
    }
    top->addStretch();

    check_ = new QLabel;
    check_->setWordWrap(true);
    check_->setStyleSheet(QStringLiteral("color: #a03020;"));

    model_ = std::make_unique<DrinkListModel>(session_);
    list_ = new QTableView;
    list_->setObjectName(QStringLiteral("whatToOpen"));
    list_->setModel(model_.get());
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setAlternatingRowColors(true);
    list_->setWordWrap(false);
    list_->verticalHeader()->hide();
    list_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    list_->verticalHeader()->setDefaultSectionSize(list_->fontMetrics().height() + 6);
    // Double-click and Enter both activate a row.
    connect(list_, &QAbstractItemView::activated, this, [this](const QModelIndex& index) { openRecordAt(index.row()); });

    searchListButton_ = new QPushButton(QStringLiteral("Put on Search List"));
    connect(searchListButton_, &QPushButton::clicked, this, [this] { putOnSearchList(); });
    printButton_ = new QPushButton(QStringLiteral("Print List..."));
    connect(printButton_, &QPushButton::clicked, this, [this] { printList(); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(new QLabel(QStringLiteral("What to open, the most urgent first:")));
    buttons->addStretch();
    buttons->addWidget(searchListButton_);
    buttons->addWidget(printButton_);

    auto* listPart = new QWidget;
    auto* listLayout = new QVBoxLayout(listPart);
    listLayout->setContentsMargins(0, 0, 0, 0);
    listLayout->addLayout(buttons);
    listLayout->addWidget(list_, 1);

    chart_ = new YearsAheadChart;
    auto* splitter = new QSplitter(Qt::Vertical);
    splitter->addWidget(listPart);
    splitter->addWidget(chart_);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({360, 320});
    splitter->setChildrenCollapsible(false);

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(buildRelabelPanel());
    layout->addLayout(top);
    layout->addWidget(check_);
    layout->addWidget(splitter, 1);
    setCentralWidget(central);

    const WindowSize size = ReadWindowSize(settingsFile_, WindowKind::DrinkingWindow);
    resize(size.width, size.height);

    askPrinter = [this](QPrinter& printer) {
        QPrintDialog dialog(&printer, this);
        return dialog.exec() == QDialog::Accepted;
    };
    connect(yearBox_, &QSpinBox::valueChanged, this, [this] { refresh(); });
    // Coming back from another of the program's windows reads the records
    // again; leaving for another of ours keeps the size. The window's own
    // dialogs are part of it.
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* window) {
        QWindow* mine = windowHandle();
        if (!window || (mine && window->transientParent() == mine)) return;
        if (window == mine && lastActive_ != mine) refresh();
        if (window != mine && lastActive_ == mine) saveSize();
        lastActive_ = window;
    });
    refresh();
}

DrinkingWindow::~DrinkingWindow() = default;

void DrinkingWindow::buildToolbar() {
    WindowToolbar tools(*this, &context_.opener);
    tools.add(MakeToolIcon(ToolIcon::PrintScreen), QStringLiteral("Print the list"), [this] { printList(); });
    // No window button of its own: the shared toolbar keeps its buttons.
    tools.addWindowButtons(ProgramWindow::DrinkingWindow);
    saveTool_ = tools.addSaveHelpClose(
        [this] {
            session_.QuickSave();
            saveTool_->setEnabled(session_.saveEnabled());
        },
        [this] { ShowHelpTopic(context_.paths.data, QStringLiteral("Drinking Window")); },
        QStringLiteral("Close Drinking Window"), [this] { close(); });
    saveTool_->setEnabled(session_.saveEnabled());
}

QWidget* DrinkingWindow::buildRelabelPanel() {
    relabelPanel_ = new QWidget;
    relabelPanel_->setObjectName(QStringLiteral("relabel"));
    auto* text = new QLabel(QStringLiteral("This database has no details labelled ") + ToQString(kDrinkLabelsWanted) +
                            QStringLiteral(". Choose the two details that hold the first and the last year:"));
    text->setWordWrap(true);
    fromChoice_ = new QComboBox;
    toChoice_ = new QComboBox;
    auto* relabel = new QPushButton(QStringLiteral("Relabel"));
    connect(relabel, &QPushButton::clicked, this, [this] { relabelChosenDetails(); });
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("First year:")));
    row->addWidget(fromChoice_);
    row->addSpacing(12);
    row->addWidget(new QLabel(QStringLiteral("Last year:")));
    row->addWidget(toChoice_);
    row->addWidget(relabel);
    row->addStretch();
    auto* layout = new QVBoxLayout(relabelPanel_);
    layout->setContentsMargins(0, 0, 0, 6);
    layout->addWidget(text);
    layout->addLayout(row);
    return relabelPanel_;
}

void DrinkingWindow::saveSize() { WriteWindowSize(settingsFile_, WindowKind::DrinkingWindow, {width(), height(), 0}); }

void DrinkingWindow::refresh() {
    const Database& db = session_.db();
    const bool found = FindDrinkYearDetails(db.labels).found();
    relabelPanel_->setVisible(!found);
    if (!found) {
        // The generic details are the likely free ones.
        const int from = fromChoice_->count() ? fromChoice_->currentIndex() : 5;
        const int to = toChoice_->count() ? toChoice_->currentIndex() : 6;
        for (QComboBox* choice : {fromChoice_, toChoice_}) {
            choice->clear();
            for (int d = 0; d < kDetailCount; ++d) choice->addItem(ToQString(db.labels[static_cast<std::size_t>(DetailLabel(d))]));
        }
        fromChoice_->setCurrentIndex(from);
        toChoice_->setCurrentIndex(to);
    }

    model_->show(nullptr);
    report_ = MakeDrinkReport(db, yearBox_->value());
    model_->show(&report_);

    for (int s = 0; s < kDrinkStatusCount; ++s) {
        const auto status = static_cast<DrinkStatus>(s);
        const long long n = report_.count(status);
        const QString unit = status == DrinkStatus::Unknown ? QStringLiteral(" record") : QStringLiteral(" bottle");
        counts_[static_cast<std::size_t>(s)]->setText(ToQString(DrinkStatusText(status)) + QStringLiteral(": ") +
                                                      QString::number(n) + unit + (n == 1 ? "" : "s"));
    }
    if (report_.check.empty()) {
        check_->hide();
    } else {
        QStringList numbers;
        for (std::size_t i = 0; i < report_.check.size() && i < 20; ++i) numbers << QString::number(report_.check[i] + 1);
        if (report_.check.size() > 20) numbers << QStringLiteral("...");
        check_->setText(QStringLiteral("Check (From after To): record ") + numbers.join(QStringLiteral(", ")));
        check_->show();
    }
    searchListButton_->setEnabled(!report_.list.empty());
    printButton_->setEnabled(!report_.list.empty());

    std::vector<YearBottles> years;
    for (const YearAhead& a : report_.ahead) years.push_back({a.year, a.tooYoung, a.inWindow, a.past});
    chart_->showYears(years);

    // Columns fit their texts; the name takes the rest. Measured on the
    // headers and a few rows, never on every row of a large cellar.
    QHeaderView* header = list_->horizontalHeader();
    const QFontMetrics metrics = list_->fontMetrics();
    for (int c = kVintage; c < kColumnCount; ++c) {
        int width = metrics.horizontalAdvance(model_->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString());
        const int rows = std::min(model_->rowCount(), 200);
        for (int r = 0; r < rows; ++r)
            width = std::max(width, metrics.horizontalAdvance(model_->data(model_->index(r, c), Qt::DisplayRole).toString()));
        header->setSectionResizeMode(c, QHeaderView::Interactive);
        header->resizeSection(c, width + 24);
    }
    header->setSectionResizeMode(kName, QHeaderView::Stretch);
}

void DrinkingWindow::openRecordAt(int row) {
    if (row < 0 || row >= static_cast<int>(report_.list.size())) return;
    const std::size_t index = report_.list[static_cast<std::size_t>(row)].index;
    if (index >= session_.records().size()) return;  // changed elsewhere since
    session_.currentIndex = static_cast<int>(index);
    context_.opener.open(ProgramWindow::Main);
}

void DrinkingWindow::putOnSearchList() {
    ListOnSearchList(session_.records(), report_);
    session_.viewMode = kSearchListRecords;
    statusBar()->showMessage(QString::number(report_.list.size()) + QStringLiteral(" records are on the Search List."));
}

void DrinkingWindow::printList() {
    if (report_.list.empty()) return;
    // The shared table printer takes a grid of texts: the list is copied
    // into one that is never shown.
    QTableWidget grid(model_->rowCount(), kColumnCount);
    for (int c = 0; c < kColumnCount; ++c) {
        grid.setHorizontalHeaderItem(c, new QTableWidgetItem(model_->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString()));
        grid.setColumnWidth(c, list_->columnWidth(c));
        for (int r = 0; r < model_->rowCount(); ++r)
            grid.setItem(r, c, new QTableWidgetItem(model_->data(model_->index(r, c), Qt::DisplayRole).toString()));
    }
    GridPrintSettings settings;
    settings.title = QStringLiteral("What to Open in ") + QString::number(report_.year);
    settings.titleOnEveryPage = true;
    QPrinter printer(QPrinter::HighResolution);
    ApplyPageSettings(printer, settings);
    if (!askPrinter(printer)) return;
    QString error;
    if (!PrintGrid(printer, grid, settings, &error)) {
        std::string text;
        FromQString(error, text);
        context_.dialogs.Error(text);
    }
}

void DrinkingWindow::relabelChosenDetails() {
    if (RelabelAfterAsking(session_.db().labels, fromChoice_->currentIndex(), toChoice_->currentIndex(),
                           context_.dialogs))
        refresh();
}

}  // namespace vorlane
