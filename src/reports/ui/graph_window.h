#pragma once
// GraphWindow, "Graph Function": a tree of the ten value trees; a
// double-click on a value charts how many records fall under each of its
// child values, with the counted records' paid and value sums beside.

#include <QMainWindow>
#include <QPointer>

#include "editor/value_tree_ops.h"
#include "storage/database_session.h"
#include "storage/value_tree.h"
#include "widgets/window_opener.h"

class QAction;
class QLabel;
class QLineEdit;
class QPrinter;
class QTreeWidget;
class QTreeWidgetItem;
class QWindow;

namespace vorlane {

class GraphChart;

class GraphWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit GraphWindow(WindowContext& context, QWidget* parent = nullptr);

    // Rebuilds the tree from the open database and charts description 1.
    void activated();
    // Charts the children of the tree item; a value without children changes nothing.
    void chartChildren(QTreeWidgetItem* item);
    void printChart();

    QTreeWidget* SGraph = nullptr;
    QLineEdit* Paid = nullptr;
    QLineEdit* Value = nullptr;
    GraphChart* chart() const { return chart_; }

    // Where printing goes; replaceable so tests need no print dialog.
    std::function<bool(QPrinter&)> askPrinter;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildToolbar();
    NodeIndex indexOf(QTreeWidgetItem* item) const;
    void saveSize();

    WindowContext& context_;
    DatabaseSession& session_;
    std::string settingsFile_;
    QAction* saveTool_ = nullptr;
    ValueTree tree_;
    GraphChart* chart_ = nullptr;
    QLabel* paidLabel_ = nullptr;
    QLabel* valueLabel_ = nullptr;
    QPointer<QWindow> lastActive_;
};

}  // namespace vorlane
