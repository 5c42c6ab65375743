#include "widgets/lazy_menu.h"

#include <QAction>
#include <utility>

namespace vorlane {

LazyMenu::LazyMenu(const QString& title, QWidget* parent, std::function<void(QMenu*)> fill)
    : QMenu(title, parent), fill_(std::move(fill)) {
    // Connected first, so that the entries exist for whatever else listens.
    connect(this, &QMenu::aboutToShow, this, [this] { fillNow(); });
}

void LazyMenu::fillNow() {
    if (!fill_) return;
    const auto fill = std::move(fill_);
    fill_ = nullptr;
    fill(this);
}

QMenu* LazyMenu::filledSubmenu(const QAction* entry) {
    QMenu* submenu = entry ? entry->menu() : nullptr;
    if (auto* lazy = dynamic_cast<LazyMenu*>(submenu)) lazy->fillNow();
    return submenu;
}

}  // namespace vorlane
