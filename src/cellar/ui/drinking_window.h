#pragma once
// DrinkingWindow, "Drinking Window": where the cellar's bottles stand in
// their drinking window in a year, what to open first, and the sixteen
// years ahead as a chart.

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>

#include "cellar/drinking_window.h"
#include "storage/database_session.h"
#include "widgets/window_opener.h"

class QAction;
class QComboBox;
class QLabel;
class QPrinter;
class QPushButton;
class QSpinBox;
class QTableView;
class QWidget;
class QWindow;

namespace vorlane {

class DrinkListModel;
class YearsAheadChart;

class DrinkingWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit DrinkingWindow(WindowContext& context, QWidget* parent = nullptr);
    ~DrinkingWindow() override;

    // Reads the records again for the year shown.
    void refresh();
    // The record of a row of the list, shown in the main window.
    void openRecordAt(int row);
    // Exactly the listed records go on the search list.
    void putOnSearchList();
    void printList();
    // Labels the two chosen details "Drink From" and "Drink To", after asking.
    void relabelChosenDetails();

    QSpinBox* yearBox() const { return yearBox_; }
    QTableView* list() const { return list_; }
    YearsAheadChart* chart() const { return chart_; }
    QLabel* countLabel(DrinkStatus status) const { return counts_[static_cast<std::size_t>(status)]; }
    QWidget* relabelPanel() const { return relabelPanel_; }
    QComboBox* fromChoice() const { return fromChoice_; }
    QComboBox* toChoice() const { return toChoice_; }
    const DrinkReport& report() const { return report_; }

    // Where printing goes; replaceable so tests need no print dialog.
    std::function<bool(QPrinter&)> askPrinter;

private:
    void buildToolbar();
    QWidget* buildRelabelPanel();
    void saveSize();

    WindowContext& context_;
    DatabaseSession& session_;
    std::string settingsFile_;
    QAction* saveTool_ = nullptr;
    QSpinBox* yearBox_ = nullptr;
    std::array<QLabel*, kDrinkStatusCount> counts_{};
    QLabel* check_ = nullptr;
    QWidget* relabelPanel_ = nullptr;
    QComboBox* fromChoice_ = nullptr;
    QComboBox* toChoice_ = nullptr;
    QPushButton* searchListButton_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QTableView* list_ = nullptr;
    std::unique_ptr<DrinkListModel> model_;
    YearsAheadChart* chart_ = nullptr;
    DrinkReport report_;
    QPointer<QWindow> lastActive_;
};

}  // namespace vorlane
