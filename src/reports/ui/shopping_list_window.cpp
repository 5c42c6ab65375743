#include "reports/ui/shopping_list_window.h"

#include <QCheckBox>
#include <QCursor>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "reports/shopping_list.h"
#include "storage/database_session.h"
#include "widgets/grid_print.h"
#include "widgets/help_window.h"
#include "widgets/search_icons.h"
#include "widgets/text_codec.h"
#include "widgets/tool_icons.h"
#include "widgets/window_toolbar.h"

namespace vorlane {

namespace {
const std::string kPrintSettingsSection = "Shopping List Print";
}  // namespace

ShoppingListWindow::ShoppingListWindow(WindowContext& context, QWidget* parent)
    : QMainWindow(parent), context_(context), printer_(std::make_unique<QPrinter>()),
      printSettings_(std::make_unique<GridPrintSettings>()) {
    setWindowTitle(QStringLiteral("Shopping List"));
    setObjectName(QStringLiteral("ShoppingListWindow"));
    printSettings_->title = QStringLiteral("Shopping List");
    ReadGridPrintSettings(context_.paths.settingsFile, kPrintSettingsSection, *printSettings_);

    WindowToolbar tools(*this, &context_.opener);
    tools.add(MakeSearchIcon(SearchIcon::LoadSearch), QStringLiteral("Load Search From Disk"), {});
    tools.add(MakeSearchIcon(SearchIcon::SaveSearch), QStringLiteral("Save Search To Disk"), {});
    tools.add(MakeToolIcon(ToolIcon::PrintScreen), QStringLiteral("Print a screenshot"), {});
    tools.addWindowButtons(ProgramWindow::ShoppingList);
    saveTool_ = tools.addSaveHelpClose([this] { context_.session.QuickSave(); },
                                       [this] { ShowHelpTopic(context_.paths.data, QStringLiteral("Shopping Lists")); },
                                       QStringLiteral("Close Search Window"), [this] { close(); });
    saveTool_->setEnabled(context_.session.saveEnabled());

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    grid_ = new QTableWidget(1, 2, central);
    grid_->setObjectName(QStringLiteral("ShoppingListGrid"));
    grid_->setHorizontalHeaderLabels({QStringLiteral("Item"), QStringLiteral("Quantity Required")});
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid_->verticalHeader()->hide();
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layout->addWidget(grid_, 1);

    auto* row = new QHBoxLayout;
    searchListOnly_ = new QCheckBox(QStringLiteral("Search List Items Only"), central);
    searchListOnly_->setObjectName(QStringLiteral("SearchListOnly"));
    connect(searchListOnly_, &QCheckBox::clicked, this, &ShoppingListWindow::generateList);
    auto* generate = new QPushButton(QStringLiteral("Generate"), central);
    generate->setObjectName(QStringLiteral("GenerateShoppingListBtn"));
    connect(generate, &QPushButton::clicked, this, &ShoppingListWindow::generateList);
    printButton_ = new QPushButton(QStringLiteral("Print"), central);
    printButton_->setObjectName(QStringLiteral("PrintDirectoryBtn"));
    printMenu_ = new QMenu(this);
    connect(printMenu_->addAction(QStringLiteral("Print Settings")), &QAction::triggered, this,
            &ShoppingListWindow::printSetup);
    connect(printMenu_->addAction(QStringLiteral("Print")), &QAction::triggered, this, &ShoppingListWindow::print);
    connect(printButton_, &QPushButton::clicked, this, [this] { printMenu_->popup(QCursor::pos()); });
    row->addWidget(searchListOnly_);
    row->addStretch(1);
    row->addWidget(generate);
    row->addWidget(printButton_);
    layout->addLayout(row);
    setCentralWidget(central);
    resize(460, 420);
}

ShoppingListWindow::~ShoppingListWindow() = default;

void ShoppingListWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) generateList();
}

void ShoppingListWindow::generateList() {
    const std::vector<ShoppingLine> lines = TallyShoppingList(context_.session.records(), searchListOnly_->isChecked());
    grid_->clearContents();
    // The title row and one empty row when nothing is listed.
    grid_->setRowCount(std::max<int>(1, static_cast<int>(lines.size())));
    for (int r = 0; r < static_cast<int>(lines.size()); ++r) {
        grid_->setItem(r, 0, new QTableWidgetItem(ToQString(lines[static_cast<std::size_t>(r)].item)));
        grid_->setItem(r, 1, new QTableWidgetItem(ToQString(lines[static_cast<std::size_t>(r)].quantity)));
    }
}

void ShoppingListWindow::printSetup() {
    GridPrintSettingsDialog dialog(*printSettings_, this);
    if (dialog.exec() != QDialog::Accepted) return;
    *printSettings_ = dialog.settings();
    WriteGridPrintSettings(context_.paths.settingsFile, kPrintSettingsSection, *printSettings_);
}

void ShoppingListWindow::print() {
    ApplyPageSettings(*printer_, *printSettings_);
    if (!chooser_(*printer_, this, GridPageCount(*printer_, *grid_, *printSettings_))) return;
    QString error;
    if (!PrintGrid(*printer_, *grid_, *printSettings_, &error)) context_.dialogs.Error(ShownText(error));
}

}  // namespace vorlane
