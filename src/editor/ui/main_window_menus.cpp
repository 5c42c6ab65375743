// The main window's menus, toolbar and the small windows they open.

#include <QAction>
#include <QCursor>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QToolBar>

#include "widgets/help_window.h"
#include "widgets/text_codec.h"
#include "widgets/tool_icons.h"
#include "widgets/window_toolbar.h"
#include "editor/record_sort.h"
#include "widgets/window_print.h"
#include "editor/window_opening.h"
#include "editor/ui/main_window.h"
#include "editor/ui/main_window_parts.h"
#include "editor/ui/database_info_dialog.h"
#include "editor/ui/password_dialog.h"

#ifndef VORLANE_VERSION
#define VORLANE_VERSION "0.1"
#endif

namespace vorlane {

namespace {

QString WithoutMnemonic(QString text) { return text.remove(u'&'); }

}  // namespace

QAction* MainWindow::addCommand(QMenu* menu, const QString& caption, void (MainWindow::*slot)()) {
    QAction* action = menu->addAction(caption);
    if (slot) connect(action, &QAction::triggered, this, slot);
    else MarkPending(action);
    return action;
}

QAction* MainWindow::addOpenCommand(QMenu* menu, const QString& caption, ProgramWindow window) {
    QAction* action = menu->addAction(caption);
    if (opener_ && opener_->canOpen(window))
        connect(action, &QAction::triggered, this, [this, window] { opener_->open(window); });
    else
        MarkPending(action);
    return action;
}

QAction* MainWindow::action(const QString& captionOrHint) const {
    for (QAction* candidate : findChildren<QAction*>())
        if (WithoutMnemonic(candidate->text()) == captionOrHint || candidate->toolTip() == captionOrHint)
            return candidate;
    return nullptr;
}

void MainWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    addCommand(file, QStringLiteral("New"), &MainWindow::newDatabase);
    addCommand(file, QStringLiteral("Open"), &MainWindow::openDatabase);
    saveAction_ = addCommand(file, QStringLiteral("Save"), &MainWindow::saveDatabase);
    addCommand(file, QStringLiteral("Save As"), &MainWindow::saveDatabaseAs);
    mergeAction_ = addCommand(file, QStringLiteral("Merge"), &MainWindow::mergeDatabase);
    file->addSeparator();
    addCommand(file, QStringLiteral("Set Database Information"), &MainWindow::openInformationDialog);
    addCommand(file, QStringLiteral("Set Database Password"), &MainWindow::openPasswordDialog);
    addCommand(file, QStringLiteral("Reset Application"), &MainWindow::resetApplication);
    file->addSeparator();
    addOpenCommand(file, QStringLiteral("Import from Another Program\u2026"), ProgramWindow::CellarImport);
    addOpenCommand(file, QStringLiteral("Export All Records\u2026"), ProgramWindow::CellarExport);
    file->addSeparator();
    QAction* close = file->addAction(QStringLiteral("Close"));
    connect(close, &QAction::triggered, this, &QWidget::close);
    saveAction_->setEnabled(false);
    mergeAction_->setEnabled(false);

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    addCommand(edit, QStringLiteral("New Record"), &MainWindow::newRecord)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    addCommand(edit, QStringLiteral("Copy Record"), &MainWindow::copyRecord)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    deleteAction_ = addCommand(edit, QStringLiteral("Delete Record"), &MainWindow::cutRecord);
    deleteAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    insertAction_ = addCommand(edit, QStringLiteral("Insert Record"), &MainWindow::insertRecord);
    insertAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    deleteAction_->setEnabled(false);
    insertAction_->setEnabled(false);
    addCommand(edit, QStringLiteral("Print Form"), &MainWindow::quickPrint);
    sortMenu_ = edit->addMenu(QStringLiteral("Sort Records"));
    sortMenu_->setObjectName(QStringLiteral("SortMenu"));

    QMenu* views = menuBar()->addMenu(QStringLiteral("&Report and View"));
    addOpenCommand(views, QStringLiteral("Search Records"), ProgramWindow::Search);
    addOpenCommand(views, QStringLiteral("Album View"), ProgramWindow::Album);
    addOpenCommand(views, QStringLiteral("Graph View"), ProgramWindow::Graph);
    addOpenCommand(views, QStringLiteral("Spreadsheet View"), ProgramWindow::Spreadsheet);
    addOpenCommand(views, QStringLiteral("Generate HTML Report"), ProgramWindow::HtmlReport);
    addOpenCommand(views, QStringLiteral("Generate Regular Report"), ProgramWindow::RegularReport);
    addOpenCommand(views, QStringLiteral("Drinking Window"), ProgramWindow::DrinkingWindow);
    views->addSeparator();
    shortDescriptions_ = addCommand(views, QStringLiteral("Short Description Values"),
                                    &MainWindow::toggleShortDescriptions);
    shortDescriptions_->setCheckable(true);

    QMenu* utilities = menuBar()->addMenu(QStringLiteral("&Utilities"));
    addOpenCommand(utilities, QStringLiteral("Calculator"), ProgramWindow::Calculator);
    addOpenCommand(utilities, QStringLiteral("Calendar"), ProgramWindow::Calendar);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    for (const char* topic : {"Contents", "Introduction", "Getting Started"}) {
        QString name = QString::fromLatin1(topic);
        connect(help->addAction(name), &QAction::triggered, this, [this, name] { openHelp(name); });
    }

    QMenu* about = menuBar()->addMenu(QStringLiteral("&About"));
    connect(about->addAction(QStringLiteral("Vorlane")), &QAction::triggered, this, &MainWindow::showAbout);

    relatedMenu_ = new QMenu(this);
    relatedMenu_->setObjectName(QStringLiteral("RelatedMenu"));
}

void MainWindow::buildToolBar() {
    WindowToolbar tools(*this, opener_);
    toolBar_ = tools.bar();
    auto tool = [this, &tools](ToolIcon icon, const QString& hint, void (MainWindow::*slot)()) {
        return tools.add(MakeToolIcon(icon), hint, [this, slot] { (this->*slot)(); });
    };
    tool(ToolIcon::PreviousRecord, QStringLiteral("Previous Record in Database"), &MainWindow::previousRecord);
    tool(ToolIcon::NextRecord, QStringLiteral("Next Record in Database"), &MainWindow::nextRecord);
    tool(ToolIcon::PreviousSearch, QStringLiteral("Previous Record On Search List"), &MainWindow::previousSearchRecord);
    tool(ToolIcon::NextSearch, QStringLiteral("Next Record on Search List"), &MainWindow::nextSearchRecord);
    tools.addSeparator();
    tool(ToolIcon::NewRecord, QStringLiteral("Add New Record"), &MainWindow::newRecord);
    tool(ToolIcon::CopyRecord, QStringLiteral("Copy Record"), &MainWindow::copyRecord);
    deleteTool_ = tool(ToolIcon::DeleteRecord, QStringLiteral("Delete Record"), &MainWindow::cutRecord);
    insertTool_ = tool(ToolIcon::InsertRecord, QStringLiteral("Insert Record"), &MainWindow::insertRecord);
    deleteTool_->setEnabled(false);
    insertTool_->setEnabled(false);
    tools.add(MakeToolIcon(ToolIcon::Sort), QStringLiteral("Sort Records"), [this] { sortMenu_->popup(QCursor::pos()); });
    tool(ToolIcon::Related, QStringLiteral("Display Related Records"), &MainWindow::showRelatedMenu);
    tools.addSeparator();
    tool(ToolIcon::PrintScreen, QStringLiteral("Print a screenshot"), &MainWindow::quickPrint);
    tools.addWindowButtons(ProgramWindow::Main);
    saveTool_ = tools.addSaveHelpClose([this] { saveDatabase(); }, [this] { openHelp(QStringLiteral("Contents")); },
                                       QStringLiteral("Exit the Program"), [this] { close(); });
    saveTool_->setEnabled(false);
}

void MainWindow::quickPrint() {
    Busy busy(this);
    recordPrinter_->quickPrint(this);
}

void MainWindow::rebuildSortMenu() {
    sortMenu_->clear();
    std::string nameCaption;
    FromQString(recordTitle_->text(), nameCaption);
    for (const SortMenuEntry& entry : SortMenu(session_.db().labels, nameCaption)) {
        QAction* item = sortMenu_->addAction(ToQString(entry.caption));
        int key = entry.key;
        connect(item, &QAction::triggered, this, [this, key] { sortRecords(key); });
    }
}

void MainWindow::showRelatedMenu() {
    relatedMenu_->clear();
    std::string statusCaption;
    FromQString(statusGroup_->title(), statusCaption);
    for (const RelatedMenuEntry& entry : RelatedMenu(session_.db().labels, statusCaption)) {
        QString caption = ToQString(entry.caption);
        int key = entry.key;
        connect(relatedMenu_->addAction(caption), &QAction::triggered, this,
                [this, key, caption] { showRelatedRecords(key, caption); });
    }
    relatedMenu_->popup(QCursor::pos());
}

void MainWindow::updateCommandStates() {
    bool save = session_.saveEnabled();
    saveAction_->setEnabled(save);
    saveTool_->setEnabled(save);
    mergeAction_->setEnabled(session_.mergeEnabled());
    bool canDelete = commands_.deleteEnabled();
    deleteAction_->setEnabled(canDelete);
    deleteTool_->setEnabled(canDelete);
    bool canInsert = commands_.insertEnabled();
    insertAction_->setEnabled(canInsert);
    insertTool_->setEnabled(canInsert);
    QString title = session_.fileName().empty() ? QStringLiteral("Untitled") : PathToQString(session_.fileName());
    // Another program holds the file: say so where the person looks first.
    if (session_.readOnly()) title += QStringLiteral(" (read-only)");
    setWindowTitle(title);
    emit commandStatesChanged();
}

void MainWindow::applyLabels() {
    const LabelTable& labels = session_.db().labels;
    for (int k = 1; k <= kDescriptionCount; ++k)
        descLabels_[static_cast<std::size_t>(k - 1)]->setText(
            ToQString(labels[static_cast<std::size_t>(DescriptionLabel(k))]));
    for (int d = 0; d < kDetailCount; ++d)
        detailLabels_[static_cast<std::size_t>(d)]->setText(
            ToQString(labels[static_cast<std::size_t>(DetailLabel(d))]));
    rebuildSortMenu();
}

void MainWindow::showAbout() {
    QMessageBox::about(this, QStringLiteral("About Vorlane"),
                       QStringLiteral("<h3>Vorlane</h3><p>Version %1</p>"
                                      "<p>A database for a private wine cellar.</p>")
                           .arg(QStringLiteral(VORLANE_VERSION)));
}

void MainWindow::openHelp(const QString& topic) {
    OpenWindow(dialogs_, [this, &topic] { ShowHelpTopic(paths_.data, topic); });
}

void MainWindow::openPasswordDialog() {
    OpenWindow(dialogs_, [this] {
        PasswordDialog dialog(session_.db(), dialogs_, this);
        dialog.exec();
    });
}

void MainWindow::openInformationDialog() {
    OpenWindow(dialogs_, [this] {
        DatabaseInfoDialog dialog(session_.db(), dialogs_, this);
        dialog.exec();
    });
}

void MainWindow::resetApplication() {
    if (!ResetApplication(dialogs_, paths_.settingsFile, view_)) return;
    const WindowSize size = DefaultWindowSize(WindowKind::Main);
    if (isMaximized() || isFullScreen()) showNormal();
    resize(size.width, size.height);
    emit applicationReset();
    shortDescriptions_->setChecked(view_.shortDescriptions);
    if (ItemRecord* record = currentRecord()) showDescriptions(*record);
}

}  // namespace vorlane
