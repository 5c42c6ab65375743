#pragma once
// ValueTreeEditor: the modal editor of one description field's value tree
// ("Add Region Category"). The rules live in DescriptionTreeEditor; this
// window shows the tree and mirrors every change the rules make.

#include <QDialog>
#include <QPointer>

#include "widgets/app_paths.h"
#include "editor/value_tree_ops.h"
#include "storage/database_session.h"

class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace vorlane {

class HelpWindow;

class ValueTreeEditor : public QDialog {
    Q_OBJECT
public:
    // field: 1 ... 10. The record at session.currentIndex receives every
    // inserted value. The size comes from the settings file of paths.
    ValueTreeEditor(DatabaseSession& session, const AppPaths& paths, int field, QWidget* parent = nullptr);
    ~ValueTreeEditor() override;

    int field() const { return editor_.field(); }
    const DescriptionTreeEditor& editor() const { return editor_; }

    QTreeWidget* descriptionList() const { return descriptionList_; }
    QLineEdit* addText() const { return addText_; }
    // A button by its caption ("Insert", "Remove", ...); nullptr when none.
    QPushButton* button(const QString& caption) const;

    // Drag and drop of the tree, also for tests: whether dragged may be
    // dropped on target, and the drop itself.
    bool canDropOn(QTreeWidgetItem* dragged, QTreeWidgetItem* target) const;
    bool dropValue(QTreeWidgetItem* dragged, QTreeWidgetItem* target);

    // The tree as the window shows it, in text form (to check the mirror).
    std::string shownTreeText() const;

    void insertValue();
    void addChildValue();
    void removeValue();
    void renameValue();
    void sortChildren();
    void sortEverything();
    void makeDefault();
    void showHelp();

signals:
    // Description n of the current record changed (a value was inserted, or
    // renamed under it); the main window may show it at once.
    void currentValueChanged(int field);

public slots:
    // Every way of closing ends here: the tree goes back into the database
    // and the window's size into the settings.
    void done(int result) override;

protected:
    void changeEvent(QEvent* event) override;

private:
    void addValue(bool asChild);
    void load();
    void writeSize();
    void afterRecordsMayHaveChanged(const std::string& before);
    std::string typedText(bool& ok) const;
    NodeIndex indexOf(const QTreeWidgetItem* item) const;
    QTreeWidgetItem* itemAt(const NodeIndex& index) const;
    std::string currentFieldValue() const;

    DatabaseSession& session_;
    AppPaths paths_;
    DescriptionTreeEditor editor_;
    QTreeWidget* descriptionList_ = nullptr;
    QLineEdit* addText_ = nullptr;
    QList<QPushButton*> buttons_;
    QPointer<HelpWindow> help_;
    bool closed_ = false;
};

}  // namespace vorlane
