#include "search/ui/search_value_menus.h"

#include <QAction>
#include <QByteArray>
#include <QMenu>
#include <QWidget>

#include "widgets/lazy_menu.h"
#include "widgets/text_codec.h"

namespace vorlane {

namespace {
constexpr const char* kValueProperty = "vorlaneSearchValue";
}

SearchValueMenus::SearchValueMenus(QWidget* owner) : QObject(owner), owner_(owner) {}

QString SearchValueMenus::shownCaption(const std::string& caption) {
    QString shown = ToQString(caption);
    shown.replace(u'&', QStringLiteral("&&"));
    shown.replace(u'\t', u' ');
    return shown;
}

std::string SearchValueMenus::valueOf(const QAction* action) {
    if (!action) return {};
    const QByteArray bytes = action->property(kValueProperty).toByteArray();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

void SearchValueMenus::setTrees(const std::array<std::string, kDescriptionCount>& trees) {
    for (std::size_t i = 0; i < trees.size(); ++i) {
        if (given_[i] && trees_[i] == trees[i]) continue;
        trees_[i] = trees[i];
        given_[i] = true;
        pending_[i] = true;
    }
}

void SearchValueMenus::fill(QMenu* menu, const std::shared_ptr<const ValueMenu>& content, const ValueMenu& entries) {
    for (const ValueMenuEntry& entry : entries) {
        QAction* action = nullptr;
        if (entry.children.empty()) {
            action = menu->addAction(shownCaption(entry.caption));
            connect(action, &QAction::triggered, this, [this, action] { emit valueChosen(valueOf(action)); });
        } else {
            const ValueMenu* children = &entry.children;
            auto* submenu = new LazyMenu(shownCaption(entry.caption), menu,
                                         [this, content, children](QMenu* self) { fill(self, content, *children); });
            action = menu->addMenu(submenu);
            // Opening the submenu already picks its entry; a choice inside replaces it.
            connect(submenu, &QMenu::aboutToShow, this, [this, action] { emit valueChosen(valueOf(action)); });
        }
        action->setProperty(kValueProperty,
                            QByteArray(entry.value.data(), static_cast<qsizetype>(entry.value.size())));
    }
}

QMenu* SearchValueMenus::menu(int field) {
    if (field < 1 || field > kDescriptionCount) return nullptr;
    const auto i = static_cast<std::size_t>(field - 1);
    if (pending_[i]) {
        pending_[i] = false;
        // An old menu may still be delivering the choice that led here.
        if (menus_[i]) menus_[i]->deleteLater();
        auto content = std::make_shared<const ValueMenu>(BuildValueMenu(trees_[i]));
        auto* menu = new QMenu(owner_);
        menu->setObjectName(QStringLiteral("SearchValueMenu%1").arg(field));
        fill(menu, content, *content);
        menus_[i] = menu;
    }
    return menus_[i].data();
}

QMenu* SearchValueMenus::submenu(const QAction* entry) { return LazyMenu::filledSubmenu(entry); }

}  // namespace vorlane
