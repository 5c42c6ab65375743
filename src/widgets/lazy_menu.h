#pragma once
// A submenu that makes its entries the first time it is about to be shown,
// so that the menu of a large value tree costs only the levels a person opens.

#include <QMenu>
#include <functional>

namespace vorlane {

class LazyMenu : public QMenu {
public:
    // fill is called once, with this menu, before the menu first shows.
    LazyMenu(const QString& title, QWidget* parent, std::function<void(QMenu*)> fill);

    void fillNow();

    // The entry's submenu with its entries made; nullptr for an entry
    // without a submenu.
    static QMenu* filledSubmenu(const QAction* entry);

private:
    std::function<void(QMenu*)> fill_;
};

}  // namespace vorlane
