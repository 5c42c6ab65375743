#include "search/ui/search_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <climits>
#include <filesystem>

#include "widgets/help_window.h"
#include "widgets/text_codec.h"
#include "widgets/text_guard.h"
#include "widgets/tool_icons.h"
#include "widgets/window_print.h"
#include "widgets/window_toolbar.h"
#include "widgets/grid_print.h"
#include "search/search_list.h"
#include "widgets/search_icons.h"
#include "search/ui/search_value_menus.h"
#include "search/ui/term_grid.h"
#include "search/ui/record_range_dialog.h"
#include "search/value_menu.h"
#include "storage/app_settings.h"

namespace vorlane {

namespace {

constexpr const char* kCaptionProperty = "vorlaneFieldCaption";
constexpr int kFieldColumn = static_cast<int>(TermColumn::Field);
constexpr int kTypeColumn = static_cast<int>(TermColumn::Type);
constexpr int kValueColumn = static_cast<int>(TermColumn::Value);

// Menu entries show their text as it is: '&' is no accelerator, a tab no shortcut.
QString MenuText(const std::string& text) { return SearchValueMenus::shownCaption(text); }

QByteArray Bytes(const std::string& text) { return QByteArray(text.data(), static_cast<qsizetype>(text.size())); }
std::string FromBytes(const QByteArray& bytes) {
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// A search over a large list keeps the window painted without taking input.
constexpr std::size_t kProgressStep = 4096;

}  // namespace

class SearchWindow::Busy {
public:
    explicit Busy(SearchWindow* window) : window_(window) { ++window_->busy_; }
    ~Busy() {
        if (--window_->busy_ == 0 && window_->activationPending_) {
            window_->activationPending_ = false;
            if (window_->isActiveWindow()) window_->activated();
        }
    }
    Busy(const Busy&) = delete;
    Busy& operator=(const Busy&) = delete;

private:
    SearchWindow* window_;
};

RangeAnswer RunRangeDialog(QWidget* parent, const RangeDialogTexts& texts, Dialogs& dialogs) {
    RecordRangeDialog form(texts, dialogs, parent);
    form.exec();
    return form.answer();
}

SearchWindow::SearchWindow(DatabaseSession& session, AppPaths paths, SearchWindowLinks links, QWidget* parent)
    : QMainWindow(parent),
      session_(session),
      paths_(std::move(paths)),
      links_(std::move(links)),
      printSettings_(std::make_unique<GridPrintSettings>()),
      printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    setObjectName(QStringLiteral("SearchWindow"));
    setWindowTitle(QStringLiteral("Search"));
    runRange_ = [this](QWidget* parentWidget, const RangeDialogTexts& texts) {
        return RunRangeDialog(parentWidget, texts, session_.dialogs());
    };
    choosePrinter_ = RunPrintDialog;
    printSettings_->title = QStringLiteral("Search Terms");

    buildMenus();
    buildToolBar();
    buildControls();
    refreshGrid();
    setExtractEnabled(false);
    updateCommandStates();

    const WindowSize size = ReadWindowSize(paths_.settingsFile, WindowKind::Search);
    resize(size.width, size.height);
}

SearchWindow::~SearchWindow() = default;

// ---- building ----

void SearchWindow::buildMenus() {
    fieldMenu_ = new QMenu(this);
    fieldMenu_->setObjectName(QStringLiteral("FieldMenu"));
    connect(fieldMenu_, &QMenu::triggered, this, &SearchWindow::fieldChosen);

    typeMenu_ = new QMenu(this);
    typeMenu_->setObjectName(QStringLiteral("TypeMenu"));
    const auto types = TypeMenu();
    for (const std::string& caption : types) {
        QAction* entry = typeMenu_->addAction(MenuText(caption));
        const std::int32_t type = TypeOfCaption(caption);
        connect(entry, &QAction::triggered, this, [this, type] { typeChosen(type); });
    }

    statusMenu_ = new QMenu(this);
    statusMenu_->setObjectName(QStringLiteral("StatusMenu"));
    connect(statusMenu_, &QMenu::triggered, this,
            [this](QAction* entry) { valueChosen(FromBytes(entry->property(kCaptionProperty).toByteArray())); });

    valueMenus_ = new SearchValueMenus(this);
    connect(valueMenus_, &SearchValueMenus::valueChosen, this, &SearchWindow::valueChosen);
    valueMenus_->setTrees(session_.db().valueTrees);

    extractMenu_ = new QMenu(this);
    extractMenu_->setObjectName(QStringLiteral("ExtractMenu"));
    connect(extractMenu_->addAction(QStringLiteral("Remove From Database")), &QAction::triggered, this,
            &SearchWindow::removeFromDatabase);
    connect(extractMenu_->addAction(QStringLiteral("Extract To File")), &QAction::triggered, this,
            &SearchWindow::extractToFile);

    printMenu_ = new QMenu(this);
    printMenu_->setObjectName(QStringLiteral("PrintMenu"));
    connect(printMenu_->addAction(QStringLiteral("Print Settings")), &QAction::triggered, this,
            &SearchWindow::printSetup);
    connect(printMenu_->addAction(QStringLiteral("Print")), &QAction::triggered, this, &SearchWindow::print);

    rebuildFieldMenu();
    rebuildStatusMenu();
}

void SearchWindow::buildToolBar() {
    WindowToolbar tools(*this, links_.opener);
    toolBar_ = tools.bar();
    tools.add(MakeSearchIcon(SearchIcon::LoadSearch), QStringLiteral("Load Search From Disk"),
              [this] { loadSearch(); });
    tools.add(MakeSearchIcon(SearchIcon::SaveSearch), QStringLiteral("Save Search To Disk"),
              [this] { saveSearch(); });
    extractTool_ = tools.add(MakeSearchIcon(SearchIcon::ExtractList),
                             QStringLiteral("Save search list records to new file."), [this] { showExtractMenu(); });
    tools.addSeparator();
    QAction* print = tools.add(MakeToolIcon(ToolIcon::PrintScreen), QStringLiteral("Print a screenshot"),
                               [this] { printMenu_->popup(QCursor::pos()); });
    print->setMenu(printMenu_);
    if (auto* button = qobject_cast<QToolButton*>(toolBar_->widgetForAction(print)))
        button->setPopupMode(QToolButton::InstantPopup);
    tools.addWindowButtons(ProgramWindow::Search);
    saveTool_ = tools.addSaveHelpClose([this] { saveDatabase(); },
                                       [this] { ShowHelpTopic(paths_.data, QStringLiteral("Search Function")); },
                                       QStringLiteral("Close Search Window"), [this] { close(); });
}

void SearchWindow::buildControls() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(6, 6, 6, 4);
    layout->setSpacing(6);

    grid_ = new TermGrid(central);
    auto* guard = new TextGuard([this](const QString& refused) { refuseCharacter(refused); }, this);
    grid_->setItemDelegate(guard->makeDelegate(grid_));
    connect(grid_, &TermGrid::actRequested, this, [this](bool byMouse) { actOnCurrentCell(byMouse); },
            Qt::QueuedConnection);
    connect(grid_, &QTableWidget::itemChanged, this, &SearchWindow::typedValueChanged);
    layout->addWidget(grid_, 1);

    // The buttons keep their size and sit in the middle whatever the width.
    auto* panel = new QFrame(central);
    panel->setObjectName(QStringLiteral("ControlPanel"));
    auto* centring = new QHBoxLayout(panel);
    centring->setContentsMargins(0, 0, 0, 0);
    auto* inner = new QWidget(panel);
    inner->setObjectName(QStringLiteral("ButtonPanel"));
    centring->addStretch(1);
    centring->addWidget(inner);
    centring->addStretch(1);

    auto* rows = new QVBoxLayout(inner);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(6);

    auto* rangeRow = new QHBoxLayout;
    rangeRow->addWidget(new QLabel(QStringLiteral("Add Record Range:"), inner));
    rangeLow_ = new QSpinBox(inner);
    rangeLow_->setObjectName(QStringLiteral("RangeLow"));
    rangeLow_->setRange(1, INT_MAX);
    rangeLow_->setValue(1);
    rangeLow_->setMinimumWidth(80);
    rangeRow->addWidget(rangeLow_);
    rangeRow->addWidget(new QLabel(QStringLiteral("To"), inner));
    rangeHigh_ = new QSpinBox(inner);
    rangeHigh_->setObjectName(QStringLiteral("RangeHigh"));
    rangeHigh_->setRange(1, 1);
    rangeHigh_->setValue(1);
    rangeHigh_->setMinimumWidth(80);
    rangeRow->addWidget(rangeHigh_);
    auto* add = new QPushButton(QStringLiteral("Add"), inner);
    add->setObjectName(QStringLiteral("AddRangeBtn"));
    connect(add, &QPushButton::clicked, this, &SearchWindow::addRecordRange);
    rangeRow->addWidget(add);
    rangeRow->addStretch(1);
    rows->addLayout(rangeRow);

    auto* buttonRow = new QHBoxLayout;
    auto button = [&](const char* caption, const char* name, void (SearchWindow::*slot)()) {
        auto* b = new QPushButton(QString::fromLatin1(caption), inner);
        b->setObjectName(QString::fromLatin1(name));
        b->setMinimumWidth(96);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, slot);
        buttonRow->addWidget(b);
    };
    button("New Search", "NewSearchBtn", &SearchWindow::newSearch);
    button("Add Term", "AddTermBtn", &SearchWindow::addTerm);
    button("Search", "SearchBtn", &SearchWindow::runSearch);
    button("Clear", "ClearBtn", &SearchWindow::clearSearchList);
    rows->addLayout(buttonRow);

    progress_ = new QProgressBar(inner);
    progress_->setObjectName(QStringLiteral("ProgressBar"));
    progress_->setRange(0, 1);
    progress_->setValue(0);
    progress_->setTextVisible(false);
    progress_->setFixedHeight(14);
    rows->addWidget(progress_);

    layout->addWidget(panel);
    setCentralWidget(central);

    resultLabel_ = new QLabel(this);
    resultLabel_->setObjectName(QStringLiteral("ResultMessage"));
    statusBar()->addWidget(resultLabel_, 1);
    statusBar()->setSizeGripEnabled(true);
}

// ---- finding controls ----

QAction* SearchWindow::action(const QString& hint) const {
    for (QAction* candidate : toolBar_->actions())
        if (candidate->toolTip() == hint) return candidate;
    return nullptr;
}

QPushButton* SearchWindow::button(const QString& caption) const {
    for (QPushButton* candidate : findChildren<QPushButton*>())
        if (candidate->text() == caption && candidate->window() == this) return candidate;
    return nullptr;
}

QMenu* SearchWindow::valueMenu(int descriptionField) { return valueMenus_->menu(descriptionField); }

// ---- showing, becoming active and leaving ----

void SearchWindow::showWindow() {
    if (isMinimized()) showNormal();
    else show();
    raise();
    activateWindow();
}

void SearchWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange) return;
    if (isActiveWindow()) {
        if (busy_ > 0) {
            activationPending_ = true;
            return;
        }
        activated();
    } else {
        deactivated();
    }
}

void SearchWindow::activated() {
    Busy busy(this);
    rangeHigh_->setMaximum(std::max<int>(1, static_cast<int>(session_.records().size())));
    // The main window never clears the flag: the value trees may have been
    // edited as well; a menu is made afresh only when its tree changed.
    if (session_.recordListChanged) {
        valueMenus_->setTrees(session_.db().valueTrees);
        setExtractEnabled(false);
    }
    rebuildFieldMenu();
    rebuildStatusMenu();
    setExtractEnabled(!SearchListEmpty(session_.records()));
    updateCommandStates();
}

void SearchWindow::deactivated() {
    const QSize size = (isMaximized() || isFullScreen()) ? normalGeometry().size() : this->size();
    // A settings file that cannot be written only costs the size; the
    // person is not interrupted each time the window loses the focus.
    (void)WriteWindowSize(paths_.settingsFile, WindowKind::Search, {size.width(), size.height(), 0});
}

void SearchWindow::closeEvent(QCloseEvent* event) {
    // Kept for the whole run: the terms wait for the next time it is shown.
    event->accept();
}

void SearchWindow::updateCommandStates() { saveTool_->setEnabled(session_.saveEnabled()); }

// ---- state shown ----

SearchCaptions SearchWindow::captions() const { return links_.captions ? links_.captions() : SearchCaptions{}; }

std::string SearchWindow::chooserFolder() const {
    if (session_.fileName().empty()) return {};
    return std::filesystem::path(session_.fileName()).parent_path().string();
}

SearchPrompts SearchWindow::prompts() {
    SearchPrompts prompts;
    Dialogs& dialogs = session_.dialogs();
    const std::string folder = chooserFolder();
    prompts.askYesNo = [&dialogs](const std::string& question) { return dialogs.AskYesNo(question); };
    prompts.chooseSaveFile = [&dialogs, folder](const FileChooserOptions& options) {
        return dialogs.ChooseFileToSave(options.title, options.filter, options.defaultExtension, folder)
            .value_or(std::string());
    };
    prompts.chooseOpenFile = [&dialogs, folder](const FileChooserOptions& options) {
        return dialogs.ChooseFileToOpen(options.title, options.filter, folder).value_or(std::string());
    };
    return prompts;
}

void SearchWindow::rebuildFieldMenu() {
    fieldMenu_->clear();
    for (const FieldMenuEntry& entry : search_.terms.FieldMenu(session_.db().labels, captions())) {
        QAction* item = fieldMenu_->addAction(MenuText(entry.caption));
        item->setData(entry.number);
        item->setProperty(kCaptionProperty, Bytes(entry.caption));
        item->setEnabled(entry.enabled);
        if (entry.number == kRemoveTermEntry) fieldMenu_->addSeparator();
    }
}

void SearchWindow::rebuildStatusMenu() {
    statusMenu_->clear();
    for (const std::string& caption : StatusMenu(captions())) {
        QAction* entry = statusMenu_->addAction(MenuText(caption));
        entry->setProperty(kCaptionProperty, Bytes(caption));
    }
}

void SearchWindow::renewFieldMenuStates() {
    for (QAction* item : fieldMenu_->actions()) {
        if (item->isSeparator()) continue;
        const int number = item->data().toInt();
        item->setEnabled(number == kRemoveTermEntry || search_.terms.FieldAvailable(number));
    }
}

void SearchWindow::refreshGrid() {
    refreshing_ = true;
    const int current = grid_->currentRow();
    const int column = std::max(grid_->currentColumn(), 0);
    const auto& rows = search_.terms.rows();
    grid_->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const TermRow& row = rows[static_cast<std::size_t>(r)];
        const std::string* cells[3] = {&row.field, &row.type, &row.value};
        for (int c = 0; c < 3; ++c) {
            QTableWidgetItem* item = grid_->item(r, c);
            if (!item) {
                item = new QTableWidgetItem;
                grid_->setItem(r, c, item);
            }
            const QString text = ToQString(*cells[c]);
            if (item->text() != text) item->setText(text);
            Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
            if (search_.terms.AcceptsTyping(r, static_cast<TermColumn>(c))) flags |= Qt::ItemIsEditable;
            item->setFlags(flags);
            item->setToolTip(c == kValueColumn ? text : QString());
        }
    }
    const int last = grid_->rowCount() - 1;
    if (last >= 0) grid_->setCurrentCell(std::clamp(current, 0, last), column);
    refreshing_ = false;
}

void SearchWindow::setExtractEnabled(bool enabled) { extractTool_->setEnabled(enabled); }

void SearchWindow::showResultMessage() { resultLabel_->setText(ToQString(search_.resultMessage())); }

void SearchWindow::refuseCharacter(const QString& character) { session_.dialogs().Error(UnstorableMessage(character)); }

// ---- the term grid ----

void SearchWindow::popup(QMenu* menu, bool byMouse) {
    if (!menu) return;
    menu->popup(byMouse ? QCursor::pos() : grid_->currentCellBottomLeft());
}

QMenu* SearchWindow::actOnCurrentCell(bool byMouse) {
    Busy busy(this);
    const int row = grid_->currentRow();
    if (row < 0) return nullptr;
    QMenu* menu = nullptr;
    switch (grid_->currentColumn()) {
        case kFieldColumn:
            menu = fieldMenu_;
            break;
        case kTypeColumn:
            menu = typeMenu_;
            break;
        case kValueColumn:
            switch (search_.terms.ChooserOf(row)) {
                case ValueChooser::DescriptionMenu:
                    menu = valueMenus_->menu(DescriptionOfSearchField(search_.terms.criterionOf(row)->code));
                    break;
                case ValueChooser::StatusMenu:
                    menu = statusMenu_;
                    break;
                case ValueChooser::RangeDialog:
                    runRangeDialog(row);
                    break;
                case ValueChooser::Typed:
                    if (QTableWidgetItem* item = grid_->item(row, kValueColumn)) grid_->editItem(item);
                    break;
                case ValueChooser::None:
                    break;
            }
            break;
        default:
            break;
    }
    popup(menu, byMouse);
    return menu;
}

void SearchWindow::fieldChosen(QAction* entry) {
    Busy busy(this);
    const int row = grid_->currentRow();
    if (row < 0 || !entry) return;
    const int number = entry->data().toInt();
    if (number == kRemoveTermEntry) search_.terms.RemoveTerm(row);
    else search_.terms.ChooseField(row, number, FromBytes(entry->property(kCaptionProperty).toByteArray()));
    refreshGrid();
    renewFieldMenuStates();
}

void SearchWindow::typeChosen(std::int32_t type) {
    Busy busy(this);
    const int row = grid_->currentRow();
    if (row < 0) return;
    search_.terms.ChooseType(row, type);
    refreshGrid();
}

void SearchWindow::valueChosen(const std::string& value) {
    Busy busy(this);
    const int row = grid_->currentRow();
    if (row < 0) return;
    search_.terms.SetChosenValue(row, value);
    refreshGrid();
}

void SearchWindow::runRangeDialog(int row) {
    if (!runRange_) return;
    const RangeAnswer answer = runRange_(this, search_.terms.RangeDialogFor(row));
    search_.terms.ApplyRange(row, answer);
    refreshGrid();
}

void SearchWindow::typedValueChanged(QTableWidgetItem* item) {
    if (refreshing_ || !item || item->column() != kValueColumn) return;
    Busy busy(this);
    std::string text;
    if (!FromQString(item->text(), text)) {
        refuseCharacter(FirstUnstorable(item->text()));
        refreshGrid();
        return;
    }
    if (!search_.terms.SetTypedValue(item->row(), text)) refreshGrid();
}

// ---- buttons ----

void SearchWindow::addTerm() {
    Busy busy(this);
    const std::string message = search_.terms.AddTerm();
    if (!message.empty()) {
        session_.dialogs().Information(message);
        return;
    }
    refreshGrid();
    grid_->setCurrentCell(grid_->rowCount() - 1, kFieldColumn);
    grid_->setFocus();
}

void SearchWindow::runSearch() {
    Busy busy(this);
    RecordList& records = session_.records();
    progress_->setRange(0, std::max<int>(1, static_cast<int>(records.size())));
    progress_->setValue(0);
    resultLabel_->clear();
    const SearchOutcome outcome = search_.Search(
        records, captions(),
        [this](std::size_t done, std::size_t) {
            progress_->setValue(static_cast<int>(done));
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        },
        kProgressStep);
    if (!outcome.message.empty()) session_.dialogs().Information(outcome.message);
    if (!outcome.foundNew()) return;
    setExtractEnabled(true);
    session_.viewMode = 2;
    showResultMessage();
    if (links_.recordsChanged) links_.recordsChanged();
    if (links_.opener && links_.opener->canOpen(ProgramWindow::Spreadsheet))
        links_.opener->open(ProgramWindow::Spreadsheet);
}

void SearchWindow::clearSearchList() {
    Busy busy(this);
    const std::string message = ClearSearchList(session_.records());
    progress_->setValue(0);
    setExtractEnabled(false);
    if (links_.recordsChanged) links_.recordsChanged();
    session_.dialogs().Information(message);
}

void SearchWindow::addRecordRange() {
    Busy busy(this);
    rangeLow_->interpretText();
    rangeHigh_->interpretText();
    const RangeAddResult result = AddRecordRange(session_.records(), rangeLow_->value(), rangeHigh_->value());
    session_.currentIndex = result.currentIndex;
    setExtractEnabled(true);  // whether or not the range held a record
    if (links_.recordsChanged) links_.recordsChanged();
    session_.dialogs().Information(result.message);
}

void SearchWindow::showExtractMenu() { extractMenu_->popup(QCursor::pos()); }

void SearchWindow::extractToFile() {
    Busy busy(this);
    const ExtractResult result = ExtractSearchList(session_.db(), session_.savePermission(), prompts());
    if (result.message.empty()) return;
    if (result.error) session_.dialogs().Error(result.message);
    else session_.dialogs().Information(result.message);
}

void SearchWindow::removeFromDatabase() {
    Busy busy(this);
    Dialogs& dialogs = session_.dialogs();
    const RemoveResult result = RemoveSearchListRecords(
        session_.records(), session_.currentIndex, [&dialogs](const std::string& q) { return dialogs.AskYesNo(q); });
    if (!result.removed) return;
    session_.currentIndex = result.currentIndex;
    session_.recordListChanged = true;
    rangeLow_->setValue(1);
    rangeHigh_->setValue(1);
    rangeHigh_->setMaximum(std::max<int>(1, static_cast<int>(session_.records().size())));
    setExtractEnabled(!SearchListEmpty(session_.records()));
    if (links_.recordsChanged) links_.recordsChanged();
    dialogs.Information(result.message);
}

void SearchWindow::saveDatabase() {
    Busy busy(this);
    session_.QuickSave();
    updateCommandStates();
}

void SearchWindow::newSearch() {
    Busy busy(this);
    Dialogs& dialogs = session_.dialogs();
    if (!search_.NewSearch([&dialogs](const std::string& q) { return dialogs.AskYesNo(q); })) return;
    progress_->setValue(0);
    resultLabel_->clear();
    refreshGrid();
    renewFieldMenuStates();
}

void SearchWindow::saveSearch() {
    Busy busy(this);
    const std::string message = search_.SaveSearch(prompts());
    if (!message.empty()) session_.dialogs().Information(message);
}

void SearchWindow::loadSearch() {
    Busy busy(this);
    const std::string message = search_.LoadSearch(prompts(), session_.db().labels, captions());
    // What was read stays, also from a file that broke off.
    refreshGrid();
    renewFieldMenuStates();
    if (!message.empty()) session_.dialogs().Information(message);
}

// ---- printing the terms ----

void SearchWindow::printSetup() {
    Busy busy(this);
    GridPrintSettingsDialog dialog(*printSettings_, this);
    if (dialog.exec() == QDialog::Accepted) *printSettings_ = dialog.settings();
}

void SearchWindow::print() {
    Busy busy(this);
    ApplyPageSettings(*printer_, *printSettings_);
    const int pages = GridPageCount(*printer_, *grid_, *printSettings_);
    if (!choosePrinter_ || !choosePrinter_(*printer_, this, pages)) return;
    QString error;
    if (!PrintGrid(*printer_, *grid_, *printSettings_, &error)) session_.dialogs().Error(ShownText(error));
}

}  // namespace vorlane
