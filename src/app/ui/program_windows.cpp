#include "app/ui/program_windows.h"
#include "app/ui/program_utilities.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QWidget>

#include "editor/ui/main_window.h"
#include "editor/window_opening.h"
#include "editor/description_menu.h"
#include "editor/ui/description_menu_builder.h"
#include "exchange/ui/cellar_import_wizard.h"
#include "reports/ui/html_report_window.h"
#include "reports/ui/regular_report_window.h"
#include "reports/ui/shopping_list_window.h"
#include "search/ui/search_window.h"
#include "storage/app_settings.h"
#include "views/ui/album_window.h"
#include "views/ui/spreadsheet_window.h"
#include "widgets/window_toolbar.h"

namespace vorlane {

namespace {

void ResizeToDefault(QWidget& window, WindowKind kind) {
    const WindowSize size = DefaultWindowSize(kind);
    if (window.isMaximized() || window.isFullScreen()) window.showNormal();
    window.resize(size.width, size.height);
}

}  // namespace

ProgramWindows::ProgramWindows(DatabaseSession& session, Dialogs& dialogs, AppPaths paths)
    : session_(session), dialogs_(dialogs), context_{session, dialogs, paths, *this} {
    // Windows made on demand are registered here, before any toolbar is
    // built, so that their buttons are enabled everywhere.
    registerOnDemand(ProgramWindow::Album, [](WindowContext& context) { return new AlbumWindow(context); });
    registerOnDemand(ProgramWindow::HtmlReport,
                     [](WindowContext& context) -> QWidget* { return new HtmlReportWindow(context); });
    registerOnDemand(ProgramWindow::RegularReport,
                     [](WindowContext& context) -> QWidget* { return new RegularReportWindow(context); });
    registerOnDemand(ProgramWindow::ShoppingList,
                     [](WindowContext& context) -> QWidget* { return new ShoppingListWindow(context); });
    registerUtilities();
    registerOnDemand(ProgramWindow::CellarImport,
                     [](WindowContext& context) -> QWidget* { return new CellarImportWizard(context); });
    registerOnDemand(ProgramWindow::CellarExport, [](WindowContext& context) -> QWidget* {
        ExportAllRecordsCommand(context);
        return nullptr;
    });

    main_ = std::make_unique<MainWindow>(session, dialogs, paths, this);
    SearchWindowLinks links;
    links.opener = this;
    links.recordsChanged = [this] { main_->recordsChangedElsewhere(); };
    links.captions = [this] {
        SearchCaptions captions;
        captions.name = main_->nameCaption();
        captions.status = main_->statusCaption();
        captions.statusFlags = main_->statusFlagCaptions();
        return captions;
    };
    search_ = std::make_unique<SearchWindow>(session, paths, std::move(links));

    SpreadsheetLinks sheet;
    sheet.view = &main_->viewSettings();
    sheet.statusCaption = [this] { return main_->statusCaption(); };
    sheet.statusFlagCaptions = [this] { return main_->statusFlagCaptions(); };
    sheet.descriptionMenu = [this](int field) {
        return main_->descriptionMenus().build(MakeMenu(session_.db(), field));
    };
    sheet.takeSearchMessage = [this] { return search_->search().TakeResultMessage(); };
    spreadsheet_ = std::make_unique<SpreadsheetWindow>(context_, std::move(sheet));
    buildReportMenu();

    connect(main_.get(), &MainWindow::commandStatesChanged, this, &ProgramWindows::followSaveState);
    connect(main_.get(), &MainWindow::commandStatesChanged, search_.get(), &SearchWindow::updateCommandStates);
    connect(main_.get(), &MainWindow::commandStatesChanged, spreadsheet_.get(), &SpreadsheetWindow::updateCommandStates);
    connect(main_.get(), &MainWindow::applicationReset, this, [this] {
        ResizeToDefault(*search_, WindowKind::Search);
        ResizeToDefault(*spreadsheet_, WindowKind::Spreadsheet);
    });
    connect(main_.get(), &MainWindow::closed, this, [this] {
        closeOthers();
        emit closed();
    });
}

ProgramWindows::~ProgramWindows() {
    for (auto& [name, window] : open_)
        if (window) delete window.data();
}

void ProgramWindows::registerOnDemand(ProgramWindow window, WindowMaker make) { makers_[window] = std::move(make); }

bool ProgramWindows::canOpen(ProgramWindow window) const {
    switch (window) {
        case ProgramWindow::Main:
        case ProgramWindow::Search:
        case ProgramWindow::Spreadsheet:
            return true;
        default:
            return makers_.count(window) > 0;
    }
}

QWidget* ProgramWindows::openWindow(ProgramWindow window) const {
    auto found = open_.find(window);
    return found == open_.end() ? nullptr : found->second.data();
}

void ProgramWindows::showKept(QWidget* window) {
    // A minimised window comes back too: opening it is asking to see it.
    if (window->isMinimized()) window->showNormal();
    else window->show();
    window->raise();
    window->activateWindow();
}

void ProgramWindows::followSaveState() {
    const bool enabled = session_.saveEnabled();
    for (auto& [name, window] : open_)
        if (window)
            if (auto* save = window->findChild<QAction*>(QString::fromLatin1(kSaveDatabaseTool))) save->setEnabled(enabled);
}

void ProgramWindows::open(ProgramWindow window) {
    switch (window) {
        case ProgramWindow::Main:
            showKept(main_.get());
            return;
        case ProgramWindow::Search:
            search_->showWindow();  // the same rule, and the search window's own
            return;
        case ProgramWindow::Spreadsheet:
            spreadsheet_->showWindow();  // the same rule, and it shows the records afresh
            return;
        default:
            break;
    }
    auto maker = makers_.find(window);
    if (maker == makers_.end()) return;
    if (QWidget* existing = openWindow(window)) {
        showKept(existing);
        return;
    }
    OpenWindow(dialogs_, [this, window, &maker] {
        QWidget* made = maker->second(context_);
        if (!made) return;
        made->setAttribute(Qt::WA_DeleteOnClose);
        open_[window] = made;
        followSaveState();
        showKept(made);
    });
}

void ProgramWindows::buildReportMenu() {
    reportMenu_ = std::make_unique<QMenu>();
    const std::pair<const char*, ProgramWindow> entries[] = {
        {"Generate HTML Report", ProgramWindow::HtmlReport},
        {"Generate Regular Report", ProgramWindow::RegularReport},
        {"Generate Shopping List", ProgramWindow::ShoppingList},
    };
    for (const auto& [caption, window] : entries) {
        QAction* entry = reportMenu_->addAction(QString::fromLatin1(caption));
        entry->setEnabled(canOpen(window));
        entry->setData(static_cast<int>(window));
        ProgramWindow target = window;
        connect(entry, &QAction::triggered, this, [this, target] {
            const bool fromHtmlReport = reportMenuAsker_ && reportMenuAsker_ == openWindow(ProgramWindow::HtmlReport);
            open(target);
            // The HTML report's "Generate Regular Report" reports all records, in an open window too.
            if (target == ProgramWindow::RegularReport && fromHtmlReport)
                if (auto* box = qobject_cast<RegularReportWindow*>(openWindow(target))) box->showAllRecords();
        });
    }
}

void ProgramWindows::popUpReportMenu() {
    // A report window's own entry is disabled in the menu it pops up.
    const QWidget* asking = QApplication::activeWindow();
    reportMenuAsker_ = QApplication::activeWindow();
    for (QAction* entry : reportMenu_->actions()) {
        const auto window = static_cast<ProgramWindow>(entry->data().toInt());
        entry->setEnabled(canOpen(window) && (!asking || openWindow(window) != asking));
    }
    reportMenu_->popup(QCursor::pos());
}

void ProgramWindows::closeOthers() {
    search_->hide();
    spreadsheet_->hide();
    for (auto& [name, window] : open_)
        if (window) window->close();
}

}  // namespace vorlane
