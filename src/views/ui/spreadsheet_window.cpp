#include "views/ui/spreadsheet_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QRadioButton>
#include <QSplitter>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <filesystem>

#include "editor/picture_slots.h"
#include "editor/record_commands.h"
#include "storage/app_settings.h"
#include "storage/database_session.h"
#include "views/record_browse.h"
#include "views/spreadsheet_cells.h"
#include "views/spreadsheet_columns.h"
#include "views/ui/spreadsheet_delegate.h"
#include "views/ui/spreadsheet_model.h"
#include "views/ui/column_chooser_dialog.h"
#include "widgets/grid_print.h"
#include "widgets/help_window.h"
#include "widgets/picture_loader.h"
#include "widgets/text_codec.h"
#include "widgets/text_guard.h"
#include "widgets/tool_icons.h"
#include "widgets/window_print.h"
#include "widgets/window_toolbar.h"

namespace vorlane {

namespace {

constexpr int kDefaultRowHeight = 21;
const std::string kPrintSettingsSection = "Spreadsheet Print";
const QColor kSilver(192, 192, 192);
const char* const kYellowBox = "QLineEdit { background: rgb(255, 255, 160); }";

QIcon ColumnsIcon() {
    return IconFromDrawing([](QPainter& p) {
        p.setPen(QPen(QColor(40, 40, 40), 1.5));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4, 6, 24, 20));
        p.fillRect(QRectF(4.75, 6.75, 22.5, 5), QColor(90, 120, 180));
        for (int x : {12, 20}) p.drawLine(QPointF(x, 6), QPointF(x, 26));
    });
}

QIcon StateIcon(bool selected) {
    return IconFromDrawing([selected](QPainter& p) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(60, 60, 60), 2));
        p.setBrush(selected ? QColor(30, 140, 60) : QColor(Qt::white));
        p.drawEllipse(QRectF(8, 8, 16, 16));
    });
}

QLineEdit* YellowBox(QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setReadOnly(true);
    box->setStyleSheet(QString::fromLatin1(kYellowBox));
    return box;
}

}  // namespace

SpreadsheetWindow::SpreadsheetWindow(WindowContext& context, SpreadsheetLinks links, QWidget* parent)
    : QMainWindow(parent),
      session_(context.session),
      dialogs_(context.dialogs),
      paths_(context.paths),
      opener_(context.opener),
      links_(std::move(links)),
      printSettings_(std::make_unique<GridPrintSettings>()),
      printer_(std::make_unique<QPrinter>()) {
    if (!links_.view) links_.view = &ownView_;
    setWindowTitle(QStringLiteral("Spreadsheet View"));
    setObjectName(QStringLiteral("SnapShot"));
    printSettings_->title = QStringLiteral("Spreadsheet View");
    ReadGridPrintSettings(paths_.settingsFile, kPrintSettingsSection, *printSettings_);
    guard_ = new TextGuard([this](const QString& c) { dialogs_.Error(UnstorableMessage(c)); }, this);
    model_ = new SpreadsheetModel(session_, this);
    model_->setTypedHandler([this](int record) {
        session_.currentIndex = record;
        session_.ShowCurrentRecord();
    });
    buildMenus();
    buildToolBars();
    buildControls();

    const WindowSize size = ReadWindowSize(paths_.settingsFile, WindowKind::Spreadsheet);
    resize(size.width, size.height);
    splitter_->setSizes({size.splitter, std::max(1, size.width - size.splitter)});
}

SpreadsheetWindow::~SpreadsheetWindow() {
    // An editor left open would commit while the grid is torn down, after
    // this window is gone: its text reaches the record now.
    delegate_->commitOpenEditor();
    model_->setTypedHandler({});
}

// ---- building ----

void SpreadsheetWindow::buildMenus() {
    statusMenu_ = new QMenu(this);
    statusMenu_->setObjectName(QStringLiteral("StatusMenu"));
    for (int k = 1; k <= 3; ++k)
        connect(statusMenu_->addAction(QString()), &QAction::triggered, this, [this, k] { statusChosen(k); });
    pictureMenu_ = new QMenu(this);
    pictureMenu_->setObjectName(QStringLiteral("PictureMenu"));
    connect(pictureMenu_->addAction(QStringLiteral("Select Image")), &QAction::triggered, this,
            &SpreadsheetWindow::choosePicture);
    connect(pictureMenu_->addAction(QStringLiteral("Clear Image")), &QAction::triggered, this,
            &SpreadsheetWindow::clearPicture);
    printMenu_ = new QMenu(this);
    connect(printMenu_->addAction(QStringLiteral("Print Settings")), &QAction::triggered, this, [this] {
        GridPrintSettingsDialog dialog(*printSettings_, this);
        if (dialog.exec() != QDialog::Accepted) return;
        *printSettings_ = dialog.settings();
        WriteGridPrintSettings(paths_.settingsFile, kPrintSettingsSection, *printSettings_);
    });
    connect(printMenu_->addAction(QStringLiteral("Print")), &QAction::triggered, this, &SpreadsheetWindow::printGrid);
}

void SpreadsheetWindow::buildToolBars() {
    WindowToolbar tools(*this, &opener_);
    tools.add(ColumnsIcon(), QStringLiteral("Select Spreadsheet Fields"), [this] { chooseColumns(); });
    tools.addSeparator();
    QAction* print = tools.add(MakeToolIcon(ToolIcon::PrintScreen), QStringLiteral("Print a screenshot"),
                               [this] { printMenu_->popup(QCursor::pos()); });
    print->setMenu(printMenu_);
    if (auto* button = qobject_cast<QToolButton*>(tools.bar()->widgetForAction(print)))
        button->setPopupMode(QToolButton::InstantPopup);
    tools.addWindowButtons(ProgramWindow::Spreadsheet,
                           [this] { session_.viewMode = modes_[0]->isChecked() ? kAllRecords : kSearchListRecords; });
    saveTool_ = tools.addSaveHelpClose([this] { saveDatabase(); },
                                       [this] { ShowHelpTopic(paths_.data, QStringLiteral("Spreadsheet View")); },
                                       QStringLiteral("Close Spreadsheet Window"), [this] { close(); });

    addToolBarBreak();
    QToolBar* second = addToolBar(QStringLiteral("Status"));
    second->setObjectName(QStringLiteral("StatusBar"));
    second->setMovable(false);
    second->addWidget(new QLabel(QStringLiteral(" Status "), second));
    status_ = YellowBox(second);
    status_->setObjectName(QStringLiteral("Status"));
    status_->setMinimumWidth(260);
    second->addWidget(status_);
    highlight_ = new QCheckBox(QStringLiteral("Highlight"), second);
    connect(highlight_, &QCheckBox::toggled, this, [this](bool on) { model_->setHighlight(on); });
    second->addSeparator();
    second->addWidget(highlight_);
    second->addSeparator();
    second->addWidget(new QLabel(QStringLiteral(" Record Number "), second));
    number_ = new QLineEdit(second);
    number_->setObjectName(QStringLiteral("number"));
    number_->setMaximumWidth(80);
    connect(number_, &QLineEdit::returnPressed, this, &SpreadsheetWindow::goToTypedNumber);
    second->addWidget(number_);
}

void SpreadsheetWindow::buildControls() {
    splitter_ = new QSplitter(Qt::Horizontal, this);
    splitter_->setChildrenCollapsible(false);

    auto* browse = new QWidget(splitter_);
    browse->setObjectName(QStringLiteral("BrowsePanel"));
    auto* left = new QVBoxLayout(browse);
    left->setContentsMargins(4, 4, 2, 4);
    auto* group = new QButtonGroup(this);
    const char* captions[] = {"All Records", "Search List Records", "Selected Records"};
    for (int mode = 1; mode <= 3; ++mode) {
        auto* radio = new QRadioButton(QString::fromLatin1(captions[mode - 1]), browse);
        modes_[static_cast<std::size_t>(mode - 1)] = radio;
        group->addButton(radio, mode);
        left->addWidget(radio);
    }
    connect(group, &QButtonGroup::idClicked, this, &SpreadsheetWindow::setMode);
    browseBy_ = new QComboBox(browse);
    browseBy_->setObjectName(QStringLiteral("BrowseBy"));
    browseBy_->setEditable(true);
    browseBy_->setInsertPolicy(QComboBox::NoInsert);
    connect(browseBy_, &QComboBox::textActivated, this, [this] {
        chosenBrowse_.clear();  // a new list: nothing in it is chosen yet
        modes_[2]->setChecked(true);
        setMode(kSelectedRecords);
    });
    left->addWidget(browseBy_);
    browseList_ = new QListWidget(browse);
    browseList_->setObjectName(QStringLiteral("BrowseList"));
    browseList_->setUniformItemSizes(true);
    connect(browseList_, &QListWidget::itemClicked, this, [this](QListWidgetItem* clicked) {
        chosenBrowse_ = clicked->text();
        markChosenBrowseEntry();
        // Choosing a value shows its records, from whichever mode.
        session_.viewMode = kSelectedRecords;
        modes_[2]->setChecked(true);
        status_->setText(QString::fromLatin1(kStatusSelected));
        fillGrid();
    });
    left->addWidget(browseList_, 1);

    auto* sheet = new QWidget(splitter_);
    auto* right = new QVBoxLayout(sheet);
    right->setContentsMargins(2, 4, 4, 4);
    viewFields_ = YellowBox(sheet);
    viewFields_->setObjectName(QStringLiteral("ViewFields"));
    viewFields_->installEventFilter(this);
    right->addWidget(viewFields_);
    grid_ = new QTableView(sheet);
    grid_->setObjectName(QStringLiteral("SpreadView"));
    grid_->setModel(model_);
    delegate_ = new SpreadsheetDelegate(session_, PictureLoader::shared(), *guard_, grid_);
    grid_->setItemDelegate(delegate_);
    connect(delegate_, &SpreadsheetDelegate::pictureSize, this, &SpreadsheetWindow::pictureDrawn, Qt::QueuedConnection);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    // One line a cell, cut with an ellipsis at the cell's edge.
    grid_->setWordWrap(false);
    grid_->setTextElideMode(Qt::ElideRight);
    grid_->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::SelectedClicked);
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setDefaultSectionSize(kDefaultRowHeight);
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    grid_->horizontalHeader()->setSectionsMovable(true);
    grid_->horizontalHeader()->setHighlightSections(false);
    grid_->viewport()->installEventFilter(this);
    grid_->installEventFilter(this);
    connect(grid_->horizontalHeader(), &QHeaderView::sectionMoved, this,
            [this](int, int from, int to) { columnMoved(from, to); });
    connect(grid_, &QTableView::doubleClicked, this, [this] { opener_.open(ProgramWindow::Main); });
    right->addWidget(grid_, 1);
    // A wider window widens the grid; the browse panel keeps its width.
    splitter_->setStretchFactor(0, 0);
    splitter_->setStretchFactor(1, 1);
    setCentralWidget(splitter_);
}

QAction* SpreadsheetWindow::action(const QString& hint) const {
    for (QToolBar* bar : findChildren<QToolBar*>())
        for (QAction* a : bar->actions())
            if (a->toolTip() == hint || a->text() == hint) return a;
    return nullptr;
}

QString SpreadsheetWindow::statusText() const { return status_->text(); }

// ---- activation ----

void SpreadsheetWindow::showWindow() {
    // An active window gets no activation from being shown again, yet it shows
    // the records afresh; any other window does so when it becomes active.
    const bool wasActive = isActiveWindow();
    if (isMinimized()) showNormal();
    else show();
    raise();
    activateWindow();
    if (wasActive) activated();
}

void SpreadsheetWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange) return;
    if (isActiveWindow()) activated();
    else deactivated();
}

void SpreadsheetWindow::activate() { activated(); }

void SpreadsheetWindow::activated() {
    if (activating_) return;
    activating_ = true;
    const int mode = session_.viewMode;
    modes_[static_cast<std::size_t>(std::clamp(mode, 1, 3) - 1)]->setChecked(true);
    std::string message = links_.takeSearchMessage && mode == kSearchListRecords ? links_.takeSearchMessage() : "";
    status_->setText(ToQString(mode != kSearchListRecords ? kStatusAllRecords
                               : message.empty()          ? kStatusSearchList
                                                          : message));
    number_->setText(QString::number(session_.currentIndex + 1));
    const auto flags = flagCaptions();
    for (int k = 0; k < 3; ++k) statusMenu_->actions()[k]->setText(ToQString(flags[static_cast<std::size_t>(k)]));

    // The browse-by entries follow the labels; the shown text and the chosen value stay.
    const QString shown = browseBy_->currentText();
    browseBy_->blockSignals(true);
    browseBy_->clear();
    const std::string statusCaption = links_.statusCaption ? links_.statusCaption() : std::string("Status");
    for (const auto& entry : BrowseByEntries(session_.db().labels, statusCaption))
        browseBy_->addItem(ToQString(entry.caption), entry.code);
    browseBy_->setCurrentText(shown.isEmpty() ? browseBy_->itemText(0) : shown);
    browseBy_->lineEdit()->setCursorPosition(0);  // the entry's start says what it is
    browseBy_->blockSignals(false);
    fillGrid();
    // The browse list walks every record: the grid is shown first.
    QTimer::singleShot(0, this, [this] { refillBrowseList(); });
    updateCommandStates();
    activating_ = false;
}

void SpreadsheetWindow::deactivated() {
    delegate_->commitOpenEditor();
    storeColumnWidths();
    const QSize size = (isMaximized() || isFullScreen()) ? normalGeometry().size() : this->size();
    const QList<int> sizes = splitter_->sizes();
    (void)WriteWindowSize(paths_.settingsFile, WindowKind::Spreadsheet,
                          {size.width(), size.height(), sizes.isEmpty() ? 0 : sizes.front()});
}

void SpreadsheetWindow::closeEvent(QCloseEvent* event) {
    delegate_->commitOpenEditor();
    storeColumnWidths();
    event->accept();
}

std::array<std::string, 3> SpreadsheetWindow::flagCaptions() const {
    return links_.statusFlagCaptions ? links_.statusFlagCaptions()
                                     : std::array<std::string, 3>{"Favorite", "Tested", "Untested"};
}

int SpreadsheetWindow::browseCode() const {
    const int at = browseBy_->findText(browseBy_->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
    return at < 0 ? kNoBrowseCode : browseBy_->itemData(at).toInt();
}

void SpreadsheetWindow::refillBrowseList() {
    browseList_->clear();
    const QIcon other = StateIcon(false);
    for (const auto& value : BrowseList(session_.records(), browseCode(), flagCaptions()))
        browseList_->addItem(new QListWidgetItem(other, ToQString(value)));
    markChosenBrowseEntry();
}

void SpreadsheetWindow::markChosenBrowseEntry() {
    const QIcon chosen = StateIcon(true), other = StateIcon(false);
    for (int i = 0; i < browseList_->count(); ++i) {
        QListWidgetItem* item = browseList_->item(i);
        const bool again = !chosenBrowse_.isEmpty() && item->text() == chosenBrowse_;
        item->setIcon(again ? chosen : other);
        if (again) browseList_->setCurrentItem(item);
    }
}

void SpreadsheetWindow::setMode(int mode) {
    delegate_->commitOpenEditor();
    session_.viewMode = mode;
    if (mode == kSelectedRecords) {
        status_->setText(QString::fromLatin1(kStatusSelected));
        refillBrowseList();
        fillGrid();
        return;
    }
    browseList_->clear();
    chosenBrowse_.clear();
    activated();
}

// ---- the grid ----

void SpreadsheetWindow::fillGrid() {
    if (session_.currentIndex < 0) session_.currentIndex = 0;
    const int mode = session_.viewMode;
    if (mode == kSelectedRecords) {
        std::string selected;
        const bool any = !chosenBrowse_.isEmpty() && FromQString(chosenBrowse_, selected);
        MarkBrowseMatches(session_.records(), browseCode(), any ? &selected : nullptr, flagCaptions());
    }
    model_->setShortDescriptions(links_.view->shortDescriptions);
    model_->fill(mode, links_.view->columns);
    // Every fill starts from default rows; pictures grow them again as they are drawn.
    for (int row : grownRows_)
        if (row < model_->rowCount()) grid_->setRowHeight(row, kDefaultRowHeight);
    grownRows_.clear();
    applyColumnWidths();
    viewFields_->setText(ToQString(ViewFieldsText(links_.view->columns, session_.db().labels)));
    viewFields_->setCursorPosition(0);
    QPalette palette = grid_->palette();
    if (model_->rowCount() == 0) {
        palette.setColor(QPalette::Base, kSilver);
        status_->setText(QString::fromLatin1(EmptyGridStatus(mode).c_str()));
    } else {
        palette.setColor(QPalette::Base, QApplication::palette(grid_).color(QPalette::Base));
    }
    grid_->setPalette(palette);
    const int row = model_->rowOf(session_.currentIndex);
    if (row >= 0) {
        const int column = std::max(0, grid_->currentIndex().column());
        grid_->setCurrentIndex(model_->index(row, std::min(column, model_->columnCount() - 1)));
    }
}

void SpreadsheetWindow::applyColumnWidths() {
    for (int i = 0; i < model_->columnCount(); ++i)
        grid_->setColumnWidth(i, links_.view->widths[static_cast<std::size_t>(i)]);
}

void SpreadsheetWindow::storeColumnWidths() {
    for (int i = 0; i < model_->columnCount() && i < kSpreadsheetColumns; ++i)
        links_.view->widths[static_cast<std::size_t>(i)] = grid_->columnWidth(i);
}

void SpreadsheetWindow::columnMoved(int from, int to) {
    storeColumnWidths();
    MoveColumn(links_.view->columns, links_.view->widths, from, to);
    // The grid's sections go back in order; the column list now holds the new order.
    QHeaderView* header = grid_->horizontalHeader();
    header->blockSignals(true);
    header->moveSection(to, from);
    header->blockSignals(false);
    model_->fill(session_.viewMode, links_.view->columns);
    applyColumnWidths();
    viewFields_->setText(ToQString(ViewFieldsText(links_.view->columns, session_.db().labels)));
    viewFields_->setCursorPosition(0);
    const int row = model_->rowOf(session_.currentIndex);
    if (row >= 0) grid_->setCurrentIndex(model_->index(row, to));
}

void SpreadsheetWindow::pictureDrawn(int row, int column, QSize size) {
    // Rows and columns grow to their pictures and never shrink.
    if (row < model_->rowCount() && grid_->rowHeight(row) < size.height()) {
        grid_->setRowHeight(row, size.height());
        grownRows_.insert(row);
    }
    if (column < model_->columnCount() && grid_->columnWidth(column) < size.width())
        grid_->setColumnWidth(column, size.width());
}

void SpreadsheetWindow::selectCell(int row, int column) {
    const int record = model_->recordOf(row);
    if (record < 0) return;
    session_.currentIndex = record;
    number_->setText(QString::number(record + 1));
    currentColumn_ = column;
    menuFlag_ = MenuFlag(session_.records()[static_cast<std::size_t>(record)], model_->codeAt(column));
    if (grid_->currentIndex() != model_->index(row, column)) {
        grid_->blockSignals(true);
        grid_->setCurrentIndex(model_->index(row, column));
        grid_->blockSignals(false);
    }
    session_.ShowCurrentRecord();
    if (highlight_->isChecked()) grid_->viewport()->update();
}

void SpreadsheetWindow::pressCell(int row, int column, bool right, const QPoint& global) {
    selectCell(row, column);
    if (!right || !menuFlag_) return;
    rowUnderEdit_ = row;
    popUpCellMenu(column, global);
}

void SpreadsheetWindow::popUpCellMenu(int column, const QPoint& global) {
    const int code = model_->codeAt(column);
    QMenu* menu = nullptr;
    switch (CellEditOf(code)) {
        case CellEdit::DescriptionMenu:
            menu = links_.descriptionMenu ? links_.descriptionMenu(code / 10) : nullptr;
            if (menu) {
                // The main window's command writes the record; the row shows it afterwards.
                const int row = rowUnderEdit_;
                connect(menu, &QMenu::triggered, this, [this, row] { model_->refreshRow(row); },
                        Qt::SingleShotConnection);
            }
            break;
        case CellEdit::StatusMenu: menu = statusMenu_; break;
        case CellEdit::PictureMenu: menu = pictureMenu_; break;
        default: break;
    }
    if (menu) menu->popup(global);
}

bool SpreadsheetWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == viewFields_ && event->type() == QEvent::MouseButtonPress) {
        chooseColumns();
        return true;
    }
    if (watched == grid_->viewport() && event->type() == QEvent::MouseButtonPress) {
        auto* press = static_cast<QMouseEvent*>(event);
        const QModelIndex at = grid_->indexAt(press->position().toPoint());
        if (at.isValid()) pressCell(at.row(), at.column(), press->button() == Qt::RightButton,
                                    press->globalPosition().toPoint());
        return press->button() == Qt::RightButton;
    }
    if (watched == grid_ && event->type() == QEvent::KeyPress && !delegate_->openEditor()) {
        auto* key = static_cast<QKeyEvent*>(event);
        const QModelIndex current = grid_->currentIndex();
        const bool moving = key->key() >= Qt::Key_Home && key->key() <= Qt::Key_PageDown;
        const CellEdit edit = CellEditOf(model_->codeAt(current.column()));
        const bool menuCell = edit == CellEdit::DescriptionMenu || edit == CellEdit::StatusMenu ||
                              edit == CellEdit::PictureMenu;
        if (current.isValid() && !moving && menuCell && menuFlag_ && key->key() != Qt::Key_Tab) {
            rowUnderEdit_ = current.row();
            popUpCellMenu(current.column(), grid_->viewport()->mapToGlobal(grid_->visualRect(current).topLeft()));
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---- menus ----

ItemRecord* SpreadsheetWindow::editedRecord() { return model_->recordAt(rowUnderEdit_); }

void SpreadsheetWindow::statusChosen(int k) {
    ItemRecord* record = editedRecord();
    if (!record) return;
    SetStatusFlag(*record, k);
    session_.currentIndex = model_->recordOf(rowUnderEdit_);
    session_.ShowCurrentRecord();
    model_->refreshRow(rowUnderEdit_);
}

void SpreadsheetWindow::choosePicture() {
    ItemRecord* record = editedRecord();
    const int code = model_->codeAt(currentColumn_);
    if (!record || !IsImageCode(code)) return;
    ImageRecord& slot = record->Images[static_cast<std::size_t>((code - kFirstImageCode) / 10)];
    const std::string folder = std::filesystem::path(slot.FileName).parent_path().string();
    if (auto chosen = dialogs_.ChooseFileToOpen(kImageFileHint, kPictureFilter, folder)) slot.FileName = *chosen;
    session_.ShowCurrentRecord();
    grid_->viewport()->update();
}

void SpreadsheetWindow::clearPicture() {
    ItemRecord* record = editedRecord();
    const int code = model_->codeAt(currentColumn_);
    if (!record || !IsImageCode(code)) return;
    record->Images[static_cast<std::size_t>((code - kFirstImageCode) / 10)].FileName.clear();
    grid_->setRowHeight(rowUnderEdit_, kDefaultRowHeight);
    session_.ShowCurrentRecord();
    grid_->viewport()->update();
}

// ---- boxes and buttons ----

void SpreadsheetWindow::goToTypedNumber() {
    std::string text;
    if (!FromQString(number_->text(), text)) text.assign(1, '?');
    const std::optional<int> index = RecordIndexFromText(text, session_.records().size());
    if (!index) {
        dialogs_.Information(kInvalidRecordNumber);
        return;
    }
    session_.currentIndex = *index;
    number_->setText(QString::number(*index + 1));
    session_.ShowCurrentRecord();
    activated();
}

void SpreadsheetWindow::chooseColumns() {
    delegate_->commitOpenEditor();
    storeColumnWidths();
    if (runChooser_) {
        runChooser_(*this);
    } else {
        ColumnChooserDialog chooser(links_.view->columns, session_.db().labels, this);
        if (chooser.exec() == QDialog::Accepted) links_.view->columns = chooser.columns();
    }
    activated();
}

void SpreadsheetWindow::updateCommandStates() { saveTool_->setEnabled(session_.saveEnabled()); }

void SpreadsheetWindow::saveDatabase() {
    delegate_->commitOpenEditor();
    session_.QuickSave();
    updateCommandStates();
}

void SpreadsheetWindow::printGrid() {
    delegate_->commitOpenEditor();
    // The grid printer works on cell texts: the shown rows are copied once.
    QTableWidget copy(model_->rowCount(), model_->columnCount());
    for (int c = 0; c < model_->columnCount(); ++c) {
        copy.setHorizontalHeaderItem(c, new QTableWidgetItem(model_->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString()));
        copy.setColumnWidth(c, grid_->columnWidth(c));
    }
    for (int r = 0; r < model_->rowCount(); ++r)
        for (int c = 0; c < model_->columnCount(); ++c)
            copy.setItem(r, c, new QTableWidgetItem(model_->index(r, c).data().toString()));
    ApplyPageSettings(*printer_, *printSettings_);
    if (!RunPrintDialog(*printer_, this, GridPageCount(*printer_, copy, *printSettings_))) return;
    QString error;
    if (!PrintGrid(*printer_, copy, *printSettings_, &error)) dialogs_.Error(ShownText(error));
}

}  // namespace vorlane
