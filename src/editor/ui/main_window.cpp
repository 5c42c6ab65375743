#include "editor/ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWindow>

#include "widgets/help_window.h"
#include "widgets/text_codec.h"
#include "widgets/text_guard.h"
#include "editor/ui/description_menu_builder.h"
#include "widgets/window_print.h"
#include "editor/ui/main_window_parts.h"
#include "editor/ui/ingredients_actions.h"
#include "editor/window_opening.h"
#include "storage/app_settings.h"

namespace vorlane {

MainWindow::MainWindow(DatabaseSession& session, Dialogs& dialogs, AppPaths paths, WindowOpener* opener, QWidget* parent)
    : QMainWindow(parent),
      session_(session),
      dialogs_(dialogs),
      paths_(std::move(paths)),
      commands_(session),
      recordPrinter_(std::make_unique<RecordPrinter>(dialogs)),
      opener_(opener) {
    setObjectName(QStringLiteral("MainWindow"));
    guard_ = new TextGuard([this](const QString& refused) { refuseCharacter(refused); }, this);
    descMenus_ = new DescriptionMenuBuilder(this);
    connect(descMenus_, &DescriptionMenuBuilder::valueChosen, this, &MainWindow::chooseDescription);
    connect(descMenus_, &DescriptionMenuBuilder::clearFieldChosen, this, &MainWindow::clearDescription);
    connect(descMenus_, &DescriptionMenuBuilder::addNewChosen, this, &MainWindow::editValueTree);
    pickRelated_ = [this](const QString& caption, const std::vector<PickItem>& items) {
        return PickRelated(this, caption, items);
    };

    buildMenus();
    buildToolBar();
    buildControls();
    applyLabels();
    setReadOnlyState(false);
    setWindowTitle(QStringLiteral("Untitled"));

    const WindowSize size = ReadWindowSize(paths_.settingsFile, WindowKind::Main);
    resize(size.width, size.height);

    session_.SetScreen(this);


    // Leaving for another program and coming back is no change between the
    // program's windows, unless one of them took the focus in between.
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* window) {
        QWidget* active = QApplication::activeWindow();
        if (window && active && active != this && !qobject_cast<HelpWindow*>(active)) leftProgram_ = false;
    });
}

MainWindow::~MainWindow() { session_.SetScreen(nullptr); }

// ---- RecordScreen ----

void MainWindow::WriteBack() { storeRecord(session_.currentIndex); }

void MainWindow::ShowCurrent() {
    loadRecord(session_.currentIndex);
    updateCommandStates();
}

void MainWindow::SessionStateChanged() { updateCommandStates(); }

// ---- becoming active and leaving ----

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange) return;
    if (isActiveWindow()) {
        if (inActivation_) return;  // a box shown by the activation itself closed
        if (busy_ > 0) {
            activationPending_ = true;
            return;
        }
        if (leftProgram_ && session_.started()) {
            leftProgram_ = false;
            return;
        }
        activated();
    } else {
        QWidget* now = QApplication::activeWindow();
        leftProgram_ = now == nullptr || qobject_cast<HelpWindow*>(now) != nullptr;
        deactivated();
    }
}

void MainWindow::activated() {
    inActivation_ = true;
    Busy busy(this);
    if (!session_.started()) {
        StartupSettings settings = ReadStartupSettings(paths_.settingsFile);
        view_.columns = settings.columns;
        view_.widths = settings.widths;
        view_.shortDescriptions = settings.shortDescriptions;
        shortDescriptions_->setChecked(settings.shortDescriptions);
        if (startupFile_.empty()) {
            session_.RunStartup(settings.lastFile);
        } else {
            session_.RunStartup({});
            session_.OpenDatabaseFile(startupFile_);
        }
    }
    applyLabels();
    updateDescriptionMenus();
    dirActions_->rebuildPickMenus();
    commands_.ClearClipboard();
    session_.EnsureDatabase();
    updateCommandStates();
    inActivation_ = false;
}

void MainWindow::deactivated() {
    // Only while the screen shows the record at the current index: during a
    // command that replaces the records the screen may be a step behind.
    if (!session_.started() || shownIndex_ != session_.currentIndex) return;
    WriteBack();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    Busy busy(this);
    if (!session_.ConfirmExit()) {
        event->ignore();
        return;
    }
    QSize size = (isMaximized() || isFullScreen()) ? normalGeometry().size() : this->size();
    FileResult written = WriteExitSettings(paths_.settingsFile, session_.fileName(), size.width(), size.height(),
                                           view_.columns, view_.widths, view_.shortDescriptions);
    if (!written.ok) dialogs_.Error(written.error);
    if (shownIndex_ == session_.currentIndex) session_.WriteBackCurrent();
    DeleteTemporaryPages(paths_.data.user);
    event->accept();
    emit closed();
}

// ---- commands ----

void MainWindow::runCommand(const std::function<void()>& command) {
    Busy busy(this);
    command();
    updateCommandStates();
}

std::string MainWindow::nameCaption() const {
    std::string caption;
    FromQString(recordTitle_->text(), caption);
    return caption;
}

std::string MainWindow::statusCaption() const {
    std::string caption;
    FromQString(statusGroup_->title(), caption);
    return caption;
}

std::array<std::string, 3> MainWindow::statusFlagCaptions() const {
    std::array<std::string, 3> captions;
    for (std::size_t b = 0; b < statusBoxes_.size(); ++b) FromQString(statusBoxes_[b]->text(), captions[b]);
    return captions;
}

void MainWindow::refuseCharacter(const QString& character) { dialogs_.Error(UnstorableMessage(character)); }

void MainWindow::showSearch() {
    if (opener_ && opener_->canOpen(ProgramWindow::Search)) opener_->open(ProgramWindow::Search);
}

// What the window shows may no longer be the current record, so it must
// not be written back over it.
void MainWindow::recordsChangedElsewhere() {
    if (session_.currentIndex >= 0 && session_.currentIndex < static_cast<int>(session_.records().size()))
        ShowCurrent();
    else
        shownIndex_ = -1;
    updateCommandStates();
}

void MainWindow::newRecord() { runCommand([this] { commands_.NewRecord(); }); }
void MainWindow::nextRecord() { runCommand([this] { commands_.Next(); }); }
void MainWindow::previousRecord() { runCommand([this] { commands_.Previous(); }); }
void MainWindow::nextSearchRecord() { runCommand([this] { commands_.NextSearch(); }); }
void MainWindow::previousSearchRecord() { runCommand([this] { commands_.PreviousSearch(); }); }
void MainWindow::copyRecord() { runCommand([this] { commands_.Copy(); }); }
void MainWindow::cutRecord() { runCommand([this] { commands_.Delete(readonlyBox_->isChecked()); }); }
void MainWindow::insertRecord() { runCommand([this] { commands_.Insert(); }); }
void MainWindow::sortRecords(int key) { runCommand([this, key] { commands_.Sort(key); }); }

void MainWindow::goToTypedNumber() {
    std::string text;
    // Any character outside Windows-1252 makes it no number at all.
    if (!FromQString(number_->text(), text)) text.assign(1, '?');
    runCommand([this, &text] { commands_.GoTo(text); });
}

void MainWindow::toggleShortDescriptions() {
    runCommand([this] {
        session_.WriteBackCurrent();
        view_.shortDescriptions = shortDescriptions_->isChecked();
        session_.ShowCurrentRecord();
    });
}

void MainWindow::newDatabase() { runCommand([this] { session_.NewCommand(); }); }
void MainWindow::openDatabase() { runCommand([this] { session_.OpenCommand(); }); }
void MainWindow::saveDatabase() { runCommand([this] { session_.SaveCommand(); }); }
void MainWindow::saveDatabaseAs() { runCommand([this] { session_.SaveAsCommand(); }); }
void MainWindow::mergeDatabase() { runCommand([this] { session_.MergeCommand(); }); }

void MainWindow::showRelatedRecords(int key, const QString& caption) {
    runCommand([this, key, &caption] {
        if (session_.currentIndex < 0) return;
        // Compared with the record as the screen shows it, edits included.
        session_.WriteBackCurrent();
        auto current = static_cast<std::size_t>(session_.currentIndex);
        std::vector<PickItem> items = FindRelated(session_.records(), current, key);
        std::optional<std::size_t> chosen;
        if (!OpenWindow(dialogs_, [&] { chosen = pickRelated_(caption, items); })) return;
        if (!chosen || *chosen >= session_.records().size()) return;
        session_.WriteBackCurrent();
        session_.currentIndex = static_cast<int>(*chosen);
        session_.ShowCurrentRecord();
        recordBook_->setCurrentIndex(0);
    });
}

// ---- the related-records pick list ----

std::optional<std::size_t> PickRelated(QWidget* parent, const QString& caption, const std::vector<PickItem>& items) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("PickRelated"));
    dialog.setWindowTitle(caption);
    auto* list = new QListWidget(&dialog);
    list->setObjectName(QStringLiteral("PickList"));
    for (const PickItem& item : items) {
        auto* entry = new QListWidgetItem(ToQString(item.name), list);
        entry->setData(Qt::UserRole, static_cast<qulonglong>(item.index));
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(list, &QListWidget::itemDoubleClicked, &dialog, &QDialog::accept);
    auto* layout = new QVBoxLayout(&dialog);
    auto* count = new QLabel(items.empty()       ? QStringLiteral("No other record matches.")
                             : items.size() == 1 ? QStringLiteral("1 matching record")
                                                 : QStringLiteral("%1 matching records").arg(items.size()));
    layout->addWidget(count);
    layout->addWidget(list);
    layout->addWidget(buttons);
    dialog.resize(420, 360);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    QListWidgetItem* selected = list->currentItem();
    if (!selected || !selected->isSelected()) return std::nullopt;
    return static_cast<std::size_t>(selected->data(Qt::UserRole).toULongLong());
}

}  // namespace vorlane
