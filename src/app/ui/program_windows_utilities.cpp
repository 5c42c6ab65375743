// The graph, the drinking window and the desk utilities, as the coordinator makes them.

#include <QApplication>

#include "app/ui/program_utilities.h"
#include "cellar/ui/drinking_window.h"
#include "reports/ui/graph_window.h"
#include "utilities/ui/cd_player_window.h"
#include "widgets/help_window.h"

namespace vorlane {

void ProgramWindows::registerUtilities() {
    utilities_ = std::make_unique<Utilities>();
    registerOnDemand(ProgramWindow::Graph, [](WindowContext& context) -> QWidget* { return new GraphWindow(context); });
    registerOnDemand(ProgramWindow::DrinkingWindow,
                     [](WindowContext& context) -> QWidget* { return new DrinkingWindow(context); });
    registerOnDemand(ProgramWindow::Calculator, [this](WindowContext& context) -> QWidget* {
        utilities_->calculator.run(QApplication::activeWindow(), [data = context.paths.data] {
            ShowHelpTopic(data, QStringLiteral("Contents"));
        });
        return nullptr;
    });
    registerOnDemand(ProgramWindow::Calendar, [this](WindowContext&) -> QWidget* {
        utilities_->calendar.pick(QApplication::activeWindow());
        return nullptr;
    });
    registerOnDemand(ProgramWindow::CdPlayer, [this](WindowContext&) -> QWidget* {
        if (!utilities_->drive) utilities_->drive = std::make_unique<LibcdioDrive>(utilities_->clock);
        return new CdPlayerWindow(*utilities_->drive);
    });
}

}  // namespace vorlane
