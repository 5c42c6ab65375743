#include "widgets/window_toolbar.h"

#include <QAction>
#include <QMainWindow>
#include <QToolBar>

#include "widgets/search_icons.h"
#include "widgets/tool_icons.h"

namespace vorlane {

WindowToolbar::WindowToolbar(QMainWindow& window, WindowOpener* opener)
    : window_(window), opener_(opener), bar_(window.addToolBar(QStringLiteral("Tools"))) {
    bar_->setObjectName(QStringLiteral("ToolBar"));
    bar_->setMovable(false);
    bar_->setIconSize(QSize(18, 18));
    bar_->setContextMenuPolicy(Qt::PreventContextMenu);
}

QAction* WindowToolbar::add(const QIcon& icon, const QString& hint, std::function<void()> run) {
    QAction* action = bar_->addAction(icon, hint);
    action->setToolTip(hint);
    action->setStatusTip(hint);
    if (run) QObject::connect(action, &QAction::triggered, &window_, [run = std::move(run)] { run(); });
    else action->setEnabled(false);
    return action;
}

void WindowToolbar::addSeparator() { bar_->addSeparator(); }

QAction* WindowToolbar::addOpen(const QIcon& icon, const QString& hint, ProgramWindow self, ProgramWindow target) {
    std::function<void()> run;
    if (opener_ && target != self && opener_->canOpen(target)) run = [opener = opener_, target] { opener->open(target); };
    return add(icon, hint, std::move(run));
}

void WindowToolbar::addWindowButtons(ProgramWindow self, std::function<void()> beforeReportMenu) {
    addOpen(MakeToolIcon(ToolIcon::Search), QStringLiteral("Perform Search"), self, ProgramWindow::Search);
    addOpen(MakeToolIcon(ToolIcon::Album), QStringLiteral("Generate Album View"), self, ProgramWindow::Album);
    addOpen(MakeToolIcon(ToolIcon::Graph), QStringLiteral("Generate Graph"), self, ProgramWindow::Graph);
    addOpen(MakeToolIcon(ToolIcon::Spreadsheet), QStringLiteral("Generate Spreadsheet"), self,
            ProgramWindow::Spreadsheet);
    std::function<void()> report;
    if (opener_ && opener_->canOpenAnyReport())
        report = [opener = opener_, before = std::move(beforeReportMenu)] {
            if (before) before();
            opener->popUpReportMenu();
        };
    add(MakeToolIcon(ToolIcon::Report), QStringLiteral("Generate Report"), std::move(report));
    if (self != ProgramWindow::Main)
        addOpen(MakeSearchIcon(SearchIcon::MainWindow), QStringLiteral("Display Main Window"), self,
                ProgramWindow::Main);
    addSeparator();
    addOpen(MakeToolIcon(ToolIcon::Calculator), QStringLiteral("Display Calculator"), self, ProgramWindow::Calculator);
    addOpen(MakeToolIcon(ToolIcon::Calendar), QStringLiteral("Display Calendar"), self, ProgramWindow::Calendar);
    addOpen(MakeToolIcon(ToolIcon::CdPlayer), QStringLiteral("Display CD Player"), self, ProgramWindow::CdPlayer);
}

QAction* WindowToolbar::addSaveHelpClose(std::function<void()> save, std::function<void()> help,
                                         const QString& closeHint, std::function<void()> close) {
    QAction* saveButton = add(MakeToolIcon(ToolIcon::Save), QStringLiteral("Save Database"), std::move(save));
    saveButton->setObjectName(QString::fromLatin1(kSaveDatabaseTool));
    add(MakeToolIcon(ToolIcon::Help), QStringLiteral("Display Help"), std::move(help));
    add(MakeToolIcon(ToolIcon::Exit), closeHint, std::move(close));
    return saveButton;
}

}  // namespace vorlane
