#include "editor/ui/description_menu_builder.h"

#include <QAction>
#include <QMenu>
#include <QPoint>
#include <QVariant>
#include <QWidget>

#include "widgets/lazy_menu.h"
#include "widgets/text_codec.h"

namespace vorlane {

namespace {

constexpr const char* kFieldProperty = "vorlaneDescriptionField";

QVariant EntryData(const std::vector<std::size_t>& entry) {
    QVariantList list;
    for (std::size_t position : entry) list.append(QVariant::fromValue(static_cast<qulonglong>(position)));
    return list;
}

std::vector<std::size_t> EntryOf(const QAction* action) {
    std::vector<std::size_t> entry;
    for (const QVariant& position : action->data().toList())
        entry.push_back(static_cast<std::size_t>(position.toULongLong()));
    return entry;
}

bool ValidField(int field) { return field >= 1 && field <= kDescriptionCount; }

}  // namespace

DescriptionMenuBuilder::DescriptionMenuBuilder(QWidget* owner) : QObject(owner), owner_(owner) {}

QString DescriptionMenuBuilder::shownCaption(const std::string& caption) {
    QString shown = ToQString(caption);
    shown.replace(u'&', QStringLiteral("&&"));
    shown.replace(u'\t', u' ');
    return shown;
}

QMenu* DescriptionMenuBuilder::build(const DescriptionMenu& content) {
    if (!ValidField(content.field)) return nullptr;
    // Made from no source: the next source given is new.
    sources_[static_cast<std::size_t>(content.field - 1)] = Source{};
    return install(content);
}

QMenu* DescriptionMenuBuilder::install(const DescriptionMenu& content) {
    auto slot = static_cast<std::size_t>(content.field - 1);
    // The old menu may be the one whose entry is being handled right now.
    if (menus_[slot]) menus_[slot]->deleteLater();
    auto shared = std::make_shared<const DescriptionMenu>(content);
    contents_[slot] = shared;
    auto* menu = new QMenu(owner_);
    menu->setObjectName(QStringLiteral("DescMenu%1").arg(content.field));
    fill(menu, content.field, shared, shared->entries, {});
    menus_[slot] = menu;
    return menu;
}

void DescriptionMenuBuilder::setSource(int field, const std::string& label, const std::string& treeText) {
    if (!ValidField(field)) return;
    Source& source = sources_[static_cast<std::size_t>(field - 1)];
    const bool built = menus_[static_cast<std::size_t>(field - 1)] || source.pending;
    if (built && source.label == label && source.treeText == treeText) return;
    source.label = label;
    source.treeText = treeText;
    source.pending = true;
}

void DescriptionMenuBuilder::fill(QMenu* menu, int field, const std::shared_ptr<const DescriptionMenu>& content,
                                  const std::vector<DescriptionMenuEntry>& entries,
                                  const std::vector<std::size_t>& above) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const DescriptionMenuEntry& entry = entries[i];
        // A line between the two commands and the values they are not.
        if (above.empty() && i > 0 && entry.kind == DescriptionMenuKind::Value &&
            entries[i - 1].kind != DescriptionMenuKind::Value)
            menu->addSeparator();
        std::vector<std::size_t> position = above;
        position.push_back(i);
        QAction* action = nullptr;
        if (entry.children.empty()) {
            action = menu->addAction(shownCaption(entry.caption));
            connect(action, &QAction::triggered, this, [this, action] { choose(action); });
        } else {
            const std::vector<DescriptionMenuEntry>* children = &entry.children;
            auto* submenu = new LazyMenu(shownCaption(entry.caption), menu,
                                         [this, field, content, children, position](QMenu* self) {
                                             fill(self, field, content, *children, position);
                                         });
            action = menu->addMenu(submenu);
            // Opening a value's submenu chooses that value; a choice inside
            // the submenu then replaces it.
            connect(submenu, &QMenu::aboutToShow, this, [this, action] { choose(action); });
        }
        action->setData(EntryData(position));
        action->setProperty(kFieldProperty, field);
    }
}

QMenu* DescriptionMenuBuilder::menu(int field) {
    if (!ValidField(field)) return nullptr;
    Source& source = sources_[static_cast<std::size_t>(field - 1)];
    if (source.pending) {
        source.pending = false;
        return install(MakeMenu(source.label, source.treeText, field));
    }
    return menus_[static_cast<std::size_t>(field - 1)].data();
}

QMenu* DescriptionMenuBuilder::submenu(const QAction* entry) { return LazyMenu::filledSubmenu(entry); }

QPoint DescriptionMenuBuilder::popupPosition(const QWidget* edit) {
    return edit->mapToGlobal(QPoint(edit->width() / 2, edit->height()));
}

void DescriptionMenuBuilder::popup(int field, const QWidget* edit) {
    if (QMenu* shown = menu(field)) shown->popup(popupPosition(edit));
}

void DescriptionMenuBuilder::choose(QAction* action) {
    if (!action) return;
    chosen(action->property(kFieldProperty).toInt(), EntryOf(action));
}

void DescriptionMenuBuilder::chosen(int field, const std::vector<std::size_t>& entry) {
    if (!ValidField(field)) return;
    const std::shared_ptr<const DescriptionMenu>& shown = contents_[static_cast<std::size_t>(field - 1)];
    if (!shown) return;
    const DescriptionMenu& content = *shown;
    const DescriptionMenuEntry* chosenEntry = MenuEntryAt(content, entry);
    if (!chosenEntry) return;
    switch (chosenEntry->kind) {
        case DescriptionMenuKind::AddNew: emit addNewChosen(field); break;
        case DescriptionMenuKind::ClearField: emit clearFieldChosen(field); break;
        case DescriptionMenuKind::Value: emit valueChosen(field, MenuValuePath(content, entry)); break;
    }
}

}  // namespace vorlane
