#pragma once
// The pop-up menus of the ten description fields, built from the rules'
// menu content. A window keeps one builder for its ten menus. A menu is
// made when it is first needed after its tree or label changed, one level
// at a time: a submenu makes its entries when it is first opened.

#include <QObject>
#include <QPointer>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "editor/description_menu.h"

class QAction;
class QMenu;
class QPoint;
class QWidget;

namespace vorlane {

class DescriptionMenuBuilder : public QObject {
    Q_OBJECT
public:
    // The menus belong to owner.
    explicit DescriptionMenuBuilder(QWidget* owner);

    // Discards the old menu of content.field and builds the new one.
    QMenu* build(const DescriptionMenu& content);
    // The label and value tree the field's menu shows. When they differ from
    // the last ones, the menu is made afresh the next time it is needed.
    void setSource(int field, const std::string& label, const std::string& treeText);
    // nullptr until the field's menu was built or given a source.
    QMenu* menu(int field);
    // The entry's submenu, its entries made; nullptr for an entry without one.
    static QMenu* submenu(const QAction* entry);

    // Opens the field's menu with its top-left corner at the middle of the
    // bottom edge of edit (the description edit that was clicked).
    void popup(int field, const QWidget* edit);
    static QPoint popupPosition(const QWidget* edit);

    // What choosing action would do, as if the person had chosen it.
    void choose(QAction* action);

    // A menu caption as shown: '&' stays a plain character, and a tab does
    // not split the caption into text and shortcut.
    static QString shownCaption(const std::string& caption);

signals:
    // A value (or, while its submenu opens, a value with children) was chosen.
    void valueChosen(int field, const std::string& path);
    void clearFieldChosen(int field);
    void addNewChosen(int field);

private:
    struct Source {
        std::string label, treeText;
        bool pending = false;  // given, not yet built
    };
    QMenu* install(const DescriptionMenu& content);
    void fill(QMenu* menu, int field, const std::shared_ptr<const DescriptionMenu>& content,
              const std::vector<DescriptionMenuEntry>& entries, const std::vector<std::size_t>& above);
    void chosen(int field, const std::vector<std::size_t>& entry);

    QWidget* owner_;
    std::array<Source, 10> sources_;
    // Shared with the submenus still to be filled, which may outlive a rebuild.
    std::array<std::shared_ptr<const DescriptionMenu>, 10> contents_;
    std::array<QPointer<QMenu>, 10> menus_;
};

}  // namespace vorlane
