#pragma once
// The shopping list window: the summed ingredients of all records or of
// the search list, in a grid that can be printed.

#include <QMainWindow>
#include <memory>

#include "widgets/window_opener.h"
#include "widgets/window_print.h"

class QAction;
class QCheckBox;
class QMenu;
class QPrinter;
class QPushButton;
class QTableWidget;

namespace vorlane {

struct GridPrintSettings;

class ShoppingListWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit ShoppingListWindow(WindowContext& context, QWidget* parent = nullptr);
    ~ShoppingListWindow() override;

    // Tests print to a PDF file instead of asking.
    void setPrinterChooser(PrinterChooser chooser) { chooser_ = std::move(chooser); }

    void generateList();
    void printSetup();
    void print();

protected:
    void changeEvent(QEvent* event) override;

private:
    WindowContext& context_;
    QTableWidget* grid_ = nullptr;
    QCheckBox* searchListOnly_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QMenu* printMenu_ = nullptr;
    QAction* saveTool_ = nullptr;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<GridPrintSettings> printSettings_;
    PrinterChooser chooser_ = RunPrintDialog;
};

}  // namespace vorlane
