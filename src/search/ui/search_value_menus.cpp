#include "search/ui/search_value_menus.h"

#include <QAction>
#include <QByteArray>
#include <QMenu>
#include <QWidget>

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

void SearchValueMenus::rebuild(const std::array<ValueMenu, kDescriptionCount>& menus) {
    for (std::size_t i = 0; i < menus.size(); ++i) {
        // An old menu may still be delivering the choice that led here.
        if (menus_[i]) menus_[i]->deleteLater();
        auto* menu = new QMenu(owner_);
        menu->setObjectName(QStringLiteral("SearchValueMenu%1").arg(i + 1));
        fill(menu, menus[i]);
        menus_[i] = menu;
    }
}

void SearchValueMenus::fill(QMenu* menu, const ValueMenu& entries) {
    for (const ValueMenuEntry& entry : entries) {
        QAction* action = nullptr;
        if (entry.children.empty()) {
            action = menu->addAction(shownCaption(entry.caption));
            connect(action, &QAction::triggered, this, [this, action] { emit valueChosen(valueOf(action)); });
        } else {
            QMenu* submenu = menu->addMenu(shownCaption(entry.caption));
            action = submenu->menuAction();
            // Opening the submenu already picks its entry; a choice inside replaces it.
            connect(submenu, &QMenu::aboutToShow, this, [this, action] { emit valueChosen(valueOf(action)); });
            fill(submenu, entry.children);
        }
        action->setProperty(kValueProperty,
                            QByteArray(entry.value.data(), static_cast<qsizetype>(entry.value.size())));
    }
}

QMenu* SearchValueMenus::menu(int field) const {
    if (field < 1 || field > kDescriptionCount) return nullptr;
    return menus_[static_cast<std::size_t>(field - 1)].data();
}

}  // namespace vorlane
