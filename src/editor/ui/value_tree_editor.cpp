#include "editor/ui/value_tree_editor.h"

#include <QDragMoveEvent>
#include <QDropEvent>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>
#include <functional>

#include "widgets/help_window.h"
#include "widgets/text_codec.h"
#include "widgets/text_guard.h"
#include "storage/app_settings.h"

namespace vorlane {

namespace {

constexpr const char* kHelpTopic = "Customizing the Software";

// A tree whose values can only be dragged onto values at their own depth.
// The window decides and carries out each drop; the line above the row
// under the pointer shows where the dragged value would go.
class ValueTreeWidget : public QTreeWidget {
public:
    std::function<bool(QTreeWidgetItem* dragged, QTreeWidgetItem* target)> canDrop;
    std::function<void(QTreeWidgetItem* dragged, QTreeWidgetItem* target)> drop;

protected:
    void dragEnterEvent(QDragEnterEvent* event) override {
        if (event->source() != this) {
            event->ignore();
            return;
        }
        QTreeWidget::dragEnterEvent(event);
    }

    void dragMoveEvent(QDragMoveEvent* event) override {
        QTreeWidget::dragMoveEvent(event);  // scrolling and opening branches while dragging
        QTreeWidgetItem* target = allowedTarget(event);
        showTarget(target);
        if (target) {
            event->setDropAction(Qt::MoveAction);
            event->accept();
        } else {
            event->ignore();
        }
    }

    void dragLeaveEvent(QDragLeaveEvent* event) override {
        showTarget(nullptr);
        QTreeWidget::dragLeaveEvent(event);
    }

    void dropEvent(QDropEvent* event) override {
        QTreeWidgetItem* target = allowedTarget(event);
        showTarget(nullptr);
        if (!target) {
            event->ignore();
            return;
        }
        if (drop) drop(currentItem(), target);
        // Already moved: a "move" answer would make the view delete the
        // dragged rows once more.
        event->setDropAction(Qt::CopyAction);
        event->accept();
    }

    void paintEvent(QPaintEvent* event) override {
        QTreeWidget::paintEvent(event);
        if (!target_) return;
        QRect row = visualItemRect(target_);
        QPainter painter(viewport());
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.drawLine(row.left(), row.top() + 1, viewport()->width(), row.top() + 1);
    }

private:
    QTreeWidgetItem* allowedTarget(QDropEvent* event) {
        if (event->source() != this || !canDrop) return nullptr;
        QTreeWidgetItem* target = itemAt(event->position().toPoint());
        return canDrop(currentItem(), target) ? target : nullptr;
    }

    void showTarget(QTreeWidgetItem* target) {
        if (target == target_) return;
        target_ = target;
        viewport()->update();
    }

    QTreeWidgetItem* target_ = nullptr;
};

QTreeWidgetItem* NewItem(const std::string& text) {
    auto* item = new QTreeWidgetItem;
    item->setText(0, ToQString(text));
    return item;
}

void AddItems(QTreeWidgetItem* parent, const std::vector<TreeItem>& items) {
    for (const TreeItem& value : items) {
        QTreeWidgetItem* item = NewItem(value.text);
        parent->addChild(item);
        AddItems(item, value.children);
    }
}

// Taking items out of a tree forgets which of them were open and which was
// current; this puts both back.
class KeepViewState {
public:
    explicit KeepViewState(QTreeWidget* tree) : tree_(tree), current_(tree->currentItem()) {
        for (QTreeWidgetItemIterator it(tree); *it; ++it)
            if ((*it)->isExpanded()) expanded_.append(*it);
    }
    ~KeepViewState() {
        for (QTreeWidgetItem* item : expanded_) item->setExpanded(true);
        if (current_) tree_->setCurrentItem(current_);
    }
    KeepViewState(const KeepViewState&) = delete;
    KeepViewState& operator=(const KeepViewState&) = delete;

private:
    QTreeWidget* tree_;
    QTreeWidgetItem* current_;
    QList<QTreeWidgetItem*> expanded_;
};

// Puts parent's children in the order the rules chose (order[i] = old position).
void Reorder(QTreeWidgetItem* parent, const std::vector<std::size_t>& order) {
    QList<QTreeWidgetItem*> children = parent->takeChildren();
    QList<QTreeWidgetItem*> sorted;
    sorted.reserve(children.size());
    for (std::size_t old : order) sorted.append(children.at(static_cast<qsizetype>(old)));
    parent->addChildren(sorted);
}

// Sorts the shown tree the way the rules sorted unsorted, level by level.
void MirrorSortEverything(QTreeWidgetItem* parent, const std::vector<TreeItem>& unsorted) {
    std::vector<std::string> texts;
    texts.reserve(unsorted.size());
    for (const TreeItem& item : unsorted) texts.push_back(item.text);
    std::vector<std::size_t> order = SortedOrder(texts);
    Reorder(parent, order);
    for (std::size_t i = 0; i < order.size(); ++i)
        MirrorSortEverything(parent->child(static_cast<int>(i)), unsorted[order[i]].children);
}

void AppendShown(std::string& out, const QTreeWidgetItem* parent, int depth) {
    for (int i = 0; i < parent->childCount(); ++i) {
        const QTreeWidgetItem* item = parent->child(i);
        std::string text;
        FromQString(item->text(0), text);
        out.append(static_cast<std::size_t>(depth), '\t');
        out += text + "\r\n";
        AppendShown(out, item, depth + 1);
    }
}

QTreeWidgetItem* Selected(const QTreeWidget* tree) { return tree->selectedItems().value(0); }

}  // namespace

ValueTreeEditor::ValueTreeEditor(DatabaseSession& session, const AppPaths& paths, int field, QWidget* parent)
    : QDialog(parent),
      session_(session),
      paths_(paths),
      editor_(session.db(), field, session.currentIndex, session.dialogs(), paths.data.user) {
    setObjectName(QStringLiteral("ValueTreeEditor"));
    setWindowTitle(ToQString(editor_.Caption()));
    setModal(true);
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setSizeGripEnabled(true);

    auto* tree = new ValueTreeWidget;
    descriptionList_ = tree;
    tree->setObjectName(QStringLiteral("DescriptionList"));
    tree->setHeaderHidden(true);
    tree->setColumnCount(1);
    tree->setSelectionMode(QAbstractItemView::SingleSelection);
    tree->setDragDropMode(QAbstractItemView::InternalMove);
    tree->setDropIndicatorShown(false);  // the tree draws its own: drops always go before the target
    tree->setUniformRowHeights(true);
    tree->canDrop = [this](QTreeWidgetItem* dragged, QTreeWidgetItem* target) { return canDropOn(dragged, target); };
    tree->drop = [this](QTreeWidgetItem* dragged, QTreeWidgetItem* target) { dropValue(dragged, target); };

    auto* nameLabel = new QLabel(QStringLiteral("Category Name"));
    addText_ = new QLineEdit;
    addText_->setObjectName(QStringLiteral("AddText"));
    addText_->setMinimumWidth(170);
    nameLabel->setBuddy(addText_);
    auto* guard = new TextGuard(
        [this](const QString& refused) { session_.dialogs().Error(UnstorableMessage(refused)); }, this);
    guard->watch(addText_);

    auto* namePanel = new QHBoxLayout;
    namePanel->addStretch(1);
    namePanel->addWidget(nameLabel);
    namePanel->addWidget(addText_, 3);
    namePanel->addStretch(1);

    struct Command {
        const char* caption;
        void (ValueTreeEditor::*click)();
    };
    const Command commands[] = {
        {"Insert", &ValueTreeEditor::insertValue},
        {"Remove", &ValueTreeEditor::removeValue},
        {"Add Child", &ValueTreeEditor::addChildValue},
        {"Rename", &ValueTreeEditor::renameValue},
        {"Sort Children", &ValueTreeEditor::sortChildren},
        {"Sort Everything", &ValueTreeEditor::sortEverything},
        {"Make Default", &ValueTreeEditor::makeDefault},
        {"Close", nullptr},
        {"Help", &ValueTreeEditor::showHelp},
    };
    auto* buttonPanel = new QGridLayout;
    buttonPanel->setHorizontalSpacing(6);
    buttonPanel->setVerticalSpacing(6);
    int position = 0;
    for (const Command& command : commands) {
        auto* button = new QPushButton(QString::fromLatin1(command.caption));
        button->setAutoDefault(false);
        if (command.click)
            connect(button, &QPushButton::clicked, this, command.click);
        else
            connect(button, &QPushButton::clicked, this, &QDialog::accept);
        buttonPanel->addWidget(button, position / 3, position % 3);
        buttons_.append(button);
        ++position;
    }
    // Typing a name and pressing Enter inserts it.
    button(QStringLiteral("Insert"))->setDefault(true);

    auto* frame = new QFrame;
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Raised);
    auto* inside = new QVBoxLayout(frame);
    inside->setContentsMargins(8, 8, 8, 8);
    inside->setSpacing(8);
    inside->addWidget(descriptionList_, 1);
    inside->addLayout(namePanel);
    inside->addLayout(buttonPanel);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(12, 12, 12, 12);
    outer->addWidget(frame);

    load();
    const WindowSize size = ReadWindowSize(paths_.settingsFile, WindowKind::ValueTreeEditor);
    resize(size.width, size.height);
    addText_->clear();
    addText_->setFocus();
}

ValueTreeEditor::~ValueTreeEditor() = default;

QPushButton* ValueTreeEditor::button(const QString& caption) const {
    for (QPushButton* b : buttons_)
        if (b->text() == caption) return b;
    return nullptr;
}

void ValueTreeEditor::load() {
    descriptionList_->clear();
    AddItems(descriptionList_->invisibleRootItem(), editor_.tree());
}

NodeIndex ValueTreeEditor::indexOf(const QTreeWidgetItem* item) const {
    NodeIndex index;
    while (item) {
        const QTreeWidgetItem* parent = item->parent();
        int position = parent ? parent->indexOfChild(const_cast<QTreeWidgetItem*>(item))
                              : descriptionList_->indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(item));
        if (position < 0) return {};
        index.insert(index.begin(), static_cast<std::size_t>(position));
        item = parent;
    }
    return index;
}

QTreeWidgetItem* ValueTreeEditor::itemAt(const NodeIndex& index) const {
    QTreeWidgetItem* item = descriptionList_->invisibleRootItem();
    for (std::size_t position : index) {
        if (static_cast<int>(position) >= item->childCount()) return nullptr;
        item = item->child(static_cast<int>(position));
    }
    return index.empty() ? nullptr : item;
}

std::string ValueTreeEditor::typedText(bool& ok) const {
    std::string text;
    ok = FromQString(addText_->text(), text);
    return text;
}

std::string ValueTreeEditor::currentFieldValue() const {
    int index = session_.currentIndex;
    const RecordList& records = session_.records();
    if (index < 0 || index >= static_cast<int>(records.size())) return {};
    return records[static_cast<std::size_t>(index)].Description(field());
}

void ValueTreeEditor::afterRecordsMayHaveChanged(const std::string& before) {
    if (currentFieldValue() != before) emit currentValueChanged(field());
}

void ValueTreeEditor::addValue(bool asChild) {
    bool ok = false;
    std::string text = typedText(ok);
    if (!ok) return;
    std::string before = currentFieldValue();
    NodeIndex selected = indexOf(Selected(descriptionList_));
    std::optional<NodeIndex> added = asChild ? editor_.AddChild(selected, text) : editor_.Insert(selected, text);
    if (!added) return;

    NodeIndex parentIndex(added->begin(), added->end() - 1);
    QTreeWidgetItem* parent = parentIndex.empty() ? descriptionList_->invisibleRootItem() : itemAt(parentIndex);
    QTreeWidgetItem* item = NewItem(NodeAt(editor_.tree(), *added)->text);
    parent->addChild(item);
    if (!parentIndex.empty()) parent->setExpanded(true);
    descriptionList_->scrollToItem(item);
    afterRecordsMayHaveChanged(before);
}

void ValueTreeEditor::insertValue() { addValue(false); }

void ValueTreeEditor::addChildValue() { addValue(true); }

void ValueTreeEditor::removeValue() {
    QTreeWidgetItem* selected = Selected(descriptionList_);
    if (!selected || !editor_.Remove(indexOf(selected))) return;
    delete selected;
}

void ValueTreeEditor::renameValue() {
    bool ok = false;
    std::string text = typedText(ok);
    QTreeWidgetItem* selected = Selected(descriptionList_);
    if (!ok || !selected) return;
    std::string before = currentFieldValue();
    NodeIndex index = indexOf(selected);
    if (!editor_.Rename(index, text)) return;
    selected->setText(0, ToQString(NodeAt(editor_.tree(), index)->text));
    afterRecordsMayHaveChanged(before);
}

void ValueTreeEditor::sortChildren() {
    QTreeWidgetItem* selected = Selected(descriptionList_);
    if (!selected) return;
    std::optional<std::vector<std::size_t>> order = editor_.SortChildren(indexOf(selected));
    if (!order) return;
    KeepViewState keep(descriptionList_);
    Reorder(selected, *order);
}

void ValueTreeEditor::sortEverything() {
    ValueTree unsorted = editor_.tree();
    editor_.SortEverything();
    KeepViewState keep(descriptionList_);
    MirrorSortEverything(descriptionList_->invisibleRootItem(), unsorted);
}

bool ValueTreeEditor::canDropOn(QTreeWidgetItem* dragged, QTreeWidgetItem* target) const {
    if (!dragged || !target) return false;
    return DescriptionTreeEditor::CanDrop(indexOf(dragged), indexOf(target));
}

bool ValueTreeEditor::dropValue(QTreeWidgetItem* dragged, QTreeWidgetItem* target) {
    if (!canDropOn(dragged, target)) return false;
    std::optional<NodeIndex> moved = editor_.Move(indexOf(dragged), indexOf(target));
    if (!moved) return false;
    KeepViewState keep(descriptionList_);
    QTreeWidgetItem* from = dragged->parent() ? dragged->parent() : descriptionList_->invisibleRootItem();
    QTreeWidgetItem* to = target->parent() ? target->parent() : descriptionList_->invisibleRootItem();
    from->takeChild(from->indexOfChild(dragged));
    to->insertChild(static_cast<int>(moved->back()), dragged);
    descriptionList_->setCurrentItem(dragged);
    return true;
}

void ValueTreeEditor::makeDefault() { editor_.MakeDefault(); }

void ValueTreeEditor::showHelp() {
    HelpWindow* help = ShowHelpTopic(paths_.data, QString::fromLatin1(kHelpTopic));
    // Only windows of its own are open to the person while this one is
    // modal; the help goes back to being a window of its own when it closes.
    if (help->parentWidget() != this) {
        help->setParent(this, Qt::Window);
        help->show();
        help->raise();
        help->activateWindow();
    }
    help_ = help;
}

std::string ValueTreeEditor::shownTreeText() const {
    std::string out;
    AppendShown(out, descriptionList_->invisibleRootItem(), 0);
    return out;
}

void ValueTreeEditor::writeSize() {
    FileResult written =
        WriteWindowSize(paths_.settingsFile, WindowKind::ValueTreeEditor, WindowSize{width(), height(), 0});
    (void)written;  // a size that could not be kept is not worth a message box
}

void ValueTreeEditor::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isVisible() && !isActiveWindow() && !closed_) writeSize();
}

void ValueTreeEditor::done(int result) {
    if (!closed_) {
        closed_ = true;
        editor_.Commit();
        writeSize();
        if (help_ && help_->parentWidget() == this) {
            bool visible = help_->isVisible();
            help_->setParent(nullptr, Qt::Window);
            if (visible) help_->show();
        }
    }
    QDialog::done(result);
}

}  // namespace vorlane
