#pragma once
// The ten description value pop-up menus of the search window, built from
// the rules' menu content. Every entry carries the value path it stands for.

#include <QObject>
#include <QPointer>
#include <array>
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

    // Replaces all ten menus.
    void rebuild(const std::array<ValueMenu, kDescriptionCount>& menus);
    // Description field 1 ... 10; nullptr before the first build.
    QMenu* menu(int field) const;

    // A caption as shown: '&' stays a plain character, a tab does not split it.
    static QString shownCaption(const std::string& caption);
    // The value path an entry (or a submenu's own entry) stands for.
    static std::string valueOf(const QAction* action);

signals:
    // An entry was chosen, or an entry with children opened its submenu.
    void valueChosen(const std::string& value);

private:
    void fill(QMenu* menu, const ValueMenu& entries);

    QWidget* owner_;
    std::array<QPointer<QMenu>, kDescriptionCount> menus_;
};

}  // namespace vorlane
