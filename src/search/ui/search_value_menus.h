#pragma once
// The ten description value pop-up menus of the search window, built from
// the rules' menu content. Every entry carries the value path it stands for.
// A menu is made when it is first needed after its tree changed, one level
// at a time: a submenu makes its entries when it is first opened.

#include <QObject>
#include <QPointer>
#include <array>
#include <memory>
#include <string>

#include "search/value_menu.h"

class QAction;
class QMenu;
class QWidget;

namespace vorlane {

class SearchValueMenus : public QObject {
    Q_OBJECT
public:
    // The menus belong to owner.
    explicit SearchValueMenus(QWidget* owner);

    // The value trees (text form) the menus show; a menu whose tree differs
    // from the last one given is made afresh the next time it is needed.
    void setTrees(const std::array<std::string, kDescriptionCount>& trees);
    // Description field 1 ... 10; nullptr before trees were given.
    QMenu* menu(int field);
    // The entry's submenu, its entries made; nullptr for an entry without one.
    static QMenu* submenu(const QAction* entry);

    // A caption as shown: '&' stays a plain character, a tab does not split it.
    static QString shownCaption(const std::string& caption);
    // The value path an entry (or a submenu's own entry) stands for.
    static std::string valueOf(const QAction* action);

signals:
    // An entry was chosen, or an entry with children opened its submenu.
    void valueChosen(const std::string& value);

private:
    void fill(QMenu* menu, const std::shared_ptr<const ValueMenu>& content, const ValueMenu& entries);

    QWidget* owner_;
    std::array<std::string, kDescriptionCount> trees_;
    std::array<bool, kDescriptionCount> given_{};
    std::array<bool, kDescriptionCount> pending_{};  // given, not yet built
    std::array<QPointer<QMenu>, kDescriptionCount> menus_;
};

}  // namespace vorlane
