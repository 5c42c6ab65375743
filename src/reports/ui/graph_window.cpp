#include "reports/ui/graph_window.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QShortcut>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QWindow>

#include "reports/graph_counts.h"
#include "reports/ui/chart/graph_chart.h"
#include "storage/app_settings.h"
#include "widgets/help_window.h"
#include "widgets/text_codec.h"
#include "widgets/tool_icons.h"
#include "widgets/window_toolbar.h"

namespace vorlane {

namespace {

void AddChildren(QTreeWidgetItem* parent, const std::vector<TreeItem>& items) {
    for (const TreeItem& item : items) {
        auto* child = new QTreeWidgetItem(parent, {ToQString(item.text)});
        AddChildren(child, item.children);
    }
}

}  // namespace

GraphWindow::GraphWindow(WindowContext& context, QWidget* parent)
    : QMainWindow(parent), context_(context), session_(context.session), settingsFile_(context.paths.settingsFile) {
    setWindowTitle(QStringLiteral("Graph Function"));
    setAttribute(Qt::WA_DeleteOnClose);
    buildToolbar();

    SGraph = new QTreeWidget;
    SGraph->setObjectName(QStringLiteral("SGraph"));
    SGraph->setHeaderHidden(true);
    SGraph->setExpandsOnDoubleClick(false);
    connect(SGraph, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) { chartChildren(item); });
    // Enter charts the selected value too, for those who use the keyboard.
    for (int key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* enter = new QShortcut(QKeySequence(key), SGraph);
        enter->setContext(Qt::WidgetShortcut);
        connect(enter, &QShortcut::activated, this, [this] {
            if (QTreeWidgetItem* item = SGraph->currentItem()) chartChildren(item);
        });
    }

    chart_ = new GraphChart;
    Paid = new QLineEdit;
    Value = new QLineEdit;
    for (QLineEdit* box : {Paid, Value}) {
        box->setReadOnly(true);
        box->setAlignment(Qt::AlignRight);
        box->setMaximumWidth(160);
    }
    paidLabel_ = new QLabel;
    valueLabel_ = new QLabel;
    auto* sums = new QHBoxLayout;
    sums->addWidget(paidLabel_);
    sums->addWidget(Paid);
    sums->addSpacing(16);
    sums->addWidget(valueLabel_);
    sums->addWidget(Value);
    sums->addStretch();

    auto* right = new QWidget;
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addWidget(chart_, 1);
    rightLayout->addLayout(sums);

    auto* splitter = new QSplitter;
    splitter->addWidget(SGraph);
    splitter->addWidget(right);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({170, 440});
    setCentralWidget(splitter);

    WindowSize size = ReadWindowSize(settingsFile_, WindowKind::Graph);
    resize(size.width, size.height);

    askPrinter = [this](QPrinter& printer) {
        QPrintDialog dialog(&printer, this);
        return dialog.exec() == QDialog::Accepted;
    };
    // Coming back from another of the program's windows redraws; coming back
    // from another program does not. Leaving for another of ours saves the size.
    // This window's own dialogs (the print dialog) are part of it.
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* window) {
        QWindow* mine = windowHandle();
        if (!window || (mine && window->transientParent() == mine)) return;
        if (window == mine && lastActive_ != mine) activated();
        if (window != mine && lastActive_ == mine) saveSize();
        lastActive_ = window;
    });
}

void GraphWindow::buildToolbar() {
    WindowToolbar tools(*this, &context_.opener);
    tools.add(MakeToolIcon(ToolIcon::PrintScreen), QStringLiteral("Print a screenshot"), [this] { printChart(); });
    tools.addWindowButtons(ProgramWindow::Graph);
    saveTool_ = tools.addSaveHelpClose(
        [this] {
            session_.QuickSave();
            saveTool_->setEnabled(session_.saveEnabled());
        },
        [this] { ShowHelpTopic(context_.paths.data, QStringLiteral("Graph Function")); },
        QStringLiteral("Close Graph Window"), [this] { close(); });
    saveTool_->setEnabled(session_.saveEnabled());
}

void GraphWindow::closeEvent(QCloseEvent* event) {
    // Closed with its own button while still active: no other window took over to save it.
    saveSize();
    QMainWindow::closeEvent(event);
}

void GraphWindow::saveSize() {
    WriteWindowSize(settingsFile_, WindowKind::Graph, {width(), height(), 0});
}

void GraphWindow::activated() {
    const Database& db = session_.db();
    tree_ = GraphTree(db);
    SGraph->clear();
    for (const TreeItem& top : tree_) {
        auto* item = new QTreeWidgetItem(SGraph, {ToQString(top.text)});
        AddChildren(item, top.children);
    }
    paidLabel_->setText(ToQString(db.labels[static_cast<std::size_t>(DetailLabel(1))]));
    valueLabel_->setText(ToQString(db.labels[static_cast<std::size_t>(DetailLabel(8))]));
    if (QTreeWidgetItem* first = SGraph->topLevelItem(0)) {
        SGraph->setCurrentItem(first);
        chartChildren(first);
    }
}

NodeIndex GraphWindow::indexOf(QTreeWidgetItem* item) const {
    NodeIndex index;
    for (; item; item = item->parent()) {
        int at = item->parent() ? item->parent()->indexOfChild(item) : SGraph->indexOfTopLevelItem(item);
        index.insert(index.begin(), static_cast<std::size_t>(at));
    }
    return index;
}

void GraphWindow::chartChildren(QTreeWidgetItem* item) {
    const NodeIndex node = indexOf(item);
    std::optional<GraphCounts> counts = CountGraph(session_.db(), tree_, node);
    if (!counts) return;
    QStringList captions;
    for (const std::string& caption : counts->captions) captions << ToQString(caption);
    chart_->showCounts(ToQString(ValuePath(tree_, node)), captions, counts->counts);
    Paid->setText(QString::fromStdString(FormatGraphSum(counts->paid)));
    Value->setText(QString::fromStdString(FormatGraphSum(counts->value)));
}

void GraphWindow::printChart() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    if (askPrinter(printer)) chart_->print(printer);
}

}  // namespace vorlane
