// The value-tree editor and the description menus, driven headless.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>
#include <filesystem>
#include <memory>

#include "widgets/help_window.h"
#include "editor/ui/description_menu_builder.h"
#include "editor/ui/value_tree_editor.h"
#include "storage/app_settings.h"
#include "storage/safe_file.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

namespace vorlane::testing {
namespace {

constexpr int kType = 2;

const char* const kTypes =
    "Grape\r\n"
    "\tRed\r\n"
    "\t\tMerlot\r\n"
    "\t\tCabernet\r\n"
    "\tWhite\r\n"
    "Colour\r\n"
    "\tRed\r\n";

class ValueTreeEditorTest : public ::testing::Test {
protected:
    ValueTreeEditorTest() {
        paths.settingsFile = folder.file("config/Vorlane.ini");
        paths.data.user = folder.file("user");
        paths.data.shipped = VORLANE_SOURCE_DIR "/data";
        session = std::make_unique<DatabaseSession>(dialogs, paths.data, [] { return std::string("2024/05/06"); });
        session->db().valueTrees[kType - 1] = kTypes;
        for (const char* type : {"Merlot : Red : Grape", "Red : Colour", "red : grape", ""}) {
            ItemRecord r;
            r.Description(kType) = type;
            session->records().push_back(r);
        }
        session->currentIndex = 3;
    }
    ~ValueTreeEditorTest() override {
        window.reset();
        QApplication::processEvents();
    }

    ValueTreeEditor& open() {
        window = std::make_unique<ValueTreeEditor>(*session, paths, kType);
        return *window;
    }
    QTreeWidgetItem* item(std::initializer_list<int> index) {
        QTreeWidgetItem* at = window->descriptionList()->invisibleRootItem();
        for (int i : index) at = at->child(i);
        return at;
    }
    void select(QTreeWidgetItem* item) { window->descriptionList()->setCurrentItem(item); }
    void click(const char* caption) {
        QPushButton* b = window->button(QString::fromLatin1(caption));
        ASSERT_NE(b, nullptr) << caption;
        QTest::mouseClick(b, Qt::LeftButton);
    }
    void type(const QString& text) {
        window->addText()->clear();
        window->addText()->insert(text);  // as pasted: key clicks know only ASCII
    }
    std::string stored(std::size_t i) const { return session->records()[i].Description(kType); }
    // The window shows exactly the tree the rules hold.
    void expectMirror() { EXPECT_EQ(window->shownTreeText(), TreeToText(window->editor().tree())); }

    TempFolder folder;
    AppPaths paths;
    ScriptedDialogs dialogs;
    std::unique_ptr<DatabaseSession> session;
    std::unique_ptr<ValueTreeEditor> window;
};

TEST_F(ValueTreeEditorTest, OpensWithTheLabelTheTreeAndTheStoredSize) {
    ValueTreeEditor& w = open();
    EXPECT_EQ(w.windowTitle(), "Add Type Category");
    EXPECT_EQ(w.size(), QSize(369, 393));
    EXPECT_TRUE(w.isModal());
    EXPECT_TRUE(w.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(w.shownTreeText(), kTypes);
    EXPECT_TRUE(w.addText()->text().isEmpty());
    EXPECT_EQ(w.focusWidget(), w.addText());
    for (const char* caption : {"Insert", "Remove", "Add Child", "Rename", "Sort Children", "Sort Everything",
                                "Make Default", "Close", "Help"})
        EXPECT_NE(w.button(QString::fromLatin1(caption)), nullptr) << caption;

    window.reset();
    std::filesystem::create_directories(folder.file("config"));
    ASSERT_TRUE(WriteFileSafely(paths.settingsFile, "[SETTINGS]\nADDDESCW:=520\nAddDescH:=610\n").ok);
    session->db().labels[DescriptionLabel(kType)] = "Style & Body";
    ValueTreeEditor& again = open();
    EXPECT_EQ(again.size(), QSize(520, 610));
    EXPECT_EQ(again.windowTitle(), "Add Style & Body Category");
}

TEST_F(ValueTreeEditorTest, InsertAndAddChildGrowTheTreeAndSetTheCurrentRecord) {
    ValueTreeEditor& w = open();
    QSignalSpy changed(&w, &ValueTreeEditor::currentValueChanged);

    select(item({0, 0, 0}));
    type(QStringLiteral("Syrah"));
    click("Insert");
    EXPECT_EQ(stored(3), "Syrah : Red : Grape");
    EXPECT_EQ(w.addText()->text(), "Syrah");  // kept for the next click
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).toInt(), kType);

    select(item({0, 1}));
    type(QStringLiteral("Gr\u00fcner"));
    click("Add Child");
    EXPECT_EQ(stored(3), "Gr\xFCner : White : Grape");
    EXPECT_TRUE(item({0, 1})->isExpanded());

    w.descriptionList()->clearSelection();
    type(QStringLiteral("Ros\u00e9"));
    click("Insert");
    EXPECT_EQ(stored(3), "Ros\xE9");
    expectMirror();
    EXPECT_EQ(TreeToText(w.editor().tree()), "Grape\r\n\tRed\r\n\t\tMerlot\r\n\t\tCabernet\r\n\t\tSyrah\r\n\tWhite\r\n"
                                             "\t\tGr\xFCner\r\nColour\r\n\tRed\r\nRos\xE9\r\n");

    // An empty box adds nothing.
    w.addText()->clear();
    click("Insert");
    click("Add Child");
    expectMirror();
    EXPECT_EQ(w.editor().tree().size(), 3u);
    EXPECT_EQ(changed.count(), 3);
}

TEST_F(ValueTreeEditorTest, RenameCarriesIntoRecordsAndRemoveAsksFirst) {
    ValueTreeEditor& w = open();
    select(item({0, 0}));
    type(QStringLiteral("Rouge"));
    click("Rename");
    EXPECT_EQ(stored(0), "Merlot : Rouge : Grape");
    EXPECT_EQ(stored(1), "Red : Colour");
    EXPECT_EQ(stored(2), "Rouge : Grape");
    EXPECT_EQ(item({0, 0})->text(0), "Rouge");
    expectMirror();

    dialogs.No();
    select(item({0}));
    click("Remove");
    EXPECT_EQ(dialogs.messages().back(), "2 records will be effected by this change.  Are you sure you want to continue ?");
    EXPECT_EQ(w.descriptionList()->topLevelItemCount(), 2);

    dialogs.Yes();
    select(item({0}));
    click("Remove");
    EXPECT_EQ(w.descriptionList()->topLevelItemCount(), 1);
    expectMirror();
    EXPECT_EQ(stored(0), "Merlot : Rouge : Grape");

    // Nothing selected: nothing happens.
    w.descriptionList()->clearSelection();
    click("Remove");
    click("Rename");
    EXPECT_TRUE(dialogs.scriptUsedUp());
    expectMirror();
}

TEST_F(ValueTreeEditorTest, SortingKeepsTheShownTreeInStepAndOpenBranchesOpen) {
    // Equal texts with different children show whether the two sorts agree.
    session->db().valueTrees[kType - 1] = "b\r\n\tz\r\n\t\tq\r\n\t\tp\r\n\ty\r\nx\r\n\tone\r\nx\r\n\ttwo\r\nA\r\n";
    ValueTreeEditor& w = open();
    item({0})->setExpanded(true);
    item({0, 0})->setExpanded(true);
    QTreeWidgetItem* z = item({0, 0});

    select(item({0}));
    click("Sort Children");
    expectMirror();
    EXPECT_EQ(item({0, 1}), z);
    EXPECT_TRUE(z->isExpanded());
    EXPECT_EQ(w.descriptionList()->currentItem(), item({0}));

    click("Sort Everything");
    expectMirror();
    EXPECT_EQ(TreeToText(w.editor().tree()), "A\r\nb\r\n\ty\r\n\tz\r\n\t\tp\r\n\t\tq\r\nx\r\n\tone\r\nx\r\n\ttwo\r\n");
    EXPECT_TRUE(z->isExpanded());
    EXPECT_TRUE(item({1})->isExpanded());
}

TEST_F(ValueTreeEditorTest, DropsOnlyAtTheSameDepth) {
    ValueTreeEditor& w = open();
    QTreeWidgetItem* colour = item({1});
    QTreeWidgetItem* red = item({0, 0});
    EXPECT_FALSE(w.canDropOn(colour, red));
    EXPECT_FALSE(w.dropValue(colour, red));
    EXPECT_FALSE(w.canDropOn(red, red));
    EXPECT_FALSE(w.canDropOn(red, nullptr));
    EXPECT_EQ(w.shownTreeText(), kTypes);

    red->setExpanded(true);
    EXPECT_TRUE(w.dropValue(red, item({1, 0})));  // under Colour, before its Red
    expectMirror();
    EXPECT_EQ(red->parent(), colour);
    EXPECT_EQ(colour->indexOfChild(red), 0);
    EXPECT_TRUE(red->isExpanded());
    EXPECT_EQ(red->childCount(), 2);
    EXPECT_EQ(stored(0), "Merlot : Red : Grape");  // records are not changed

    EXPECT_TRUE(w.dropValue(colour, item({0})));
    expectMirror();
    EXPECT_EQ(TreeToText(w.editor().tree()), "Colour\r\n\tRed\r\n\t\tMerlot\r\n\t\tCabernet\r\n\tRed\r\nGrape\r\n\tWhite\r\n");
}

TEST_F(ValueTreeEditorTest, ClosingHandsTheTreeBackAndKeepsTheSize) {
    ValueTreeEditor& w = open();
    select(item({1}));
    type(QStringLiteral("Hue"));
    click("Rename");
    EXPECT_EQ(session->db().valueTrees[kType - 1], kTypes);  // not before closing
    w.resize(450, 500);
    click("Close");
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(session->db().valueTrees[kType - 1], "Grape\r\n\tRed\r\n\t\tMerlot\r\n\t\tCabernet\r\n\tWhite\r\nHue\r\n\tRed\r\n");
    WindowSize kept = ReadWindowSize(paths.settingsFile, WindowKind::ValueTreeEditor);
    EXPECT_EQ(kept.width, 450);
    EXPECT_EQ(kept.height, 500);
}

TEST_F(ValueTreeEditorTest, LosingTheFocusWritesTheSize) {
    ValueTreeEditor& w = open();
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w, 2000));
    w.resize(401, 402);
    QWidget other;
    other.resize(50, 50);
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other, 2000));
    WindowSize kept = ReadWindowSize(paths.settingsFile, WindowKind::ValueTreeEditor);
    EXPECT_EQ(kept.width, 401);
    EXPECT_EQ(kept.height, 402);
    EXPECT_EQ(session->db().valueTrees[kType - 1], kTypes);  // still open
}

TEST_F(ValueTreeEditorTest, MakeDefaultWritesIntoTheUserDataFolder) {
    open();
    select(item({1}));
    type(QStringLiteral("Blush"));
    click("Add Child");
    click("Make Default");
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(paths.data.user + "/description2.def", bytes).ok);
    EXPECT_EQ(bytes, std::string(kTypes) + "\tBlush\r\n");
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(ValueTreeEditorTest, HelpStaysUsableWhileTheEditorIsOpenAndOutlivesIt) {
    ValueTreeEditor& w = open();
    w.show();
    click("Help");
    auto* help = w.findChild<HelpWindow*>();
    ASSERT_NE(help, nullptr);
    QPointer<HelpWindow> kept = help;
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(help->isWindow());
    EXPECT_EQ(help->currentTopicFile(), "customizing-the-software.html");
    click("Close");
    window.reset();
    ASSERT_FALSE(kept.isNull());
    EXPECT_EQ(kept->parentWidget(), nullptr);
    EXPECT_TRUE(kept->isVisible());
    kept->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// ---- the pop-up menus ----

const char* const kRegions =
    "France\r\n"
    "\tBordeaux\r\n"
    "\t\tM\xE9" "doc\r\n"
    "\t\t\tPauillac\r\n"
    "\t\t\tMargaux\r\n"
    "\tLoire\r\n"
    "Salt & Pepper\r\n";

QStringList Captions(const QMenu* menu) {
    QStringList out;
    for (const QAction* a : menu->actions()) out << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return out;
}

TEST(DescriptionMenuBuilderTest, BuildsEveryLevelWithPlainCaptions) {
    QWidget owner;
    DescriptionMenuBuilder builder(&owner);
    QMenu* menu = builder.build(MakeMenu("Region", kRegions, 1));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(builder.menu(1), menu);
    EXPECT_EQ(builder.menu(2), nullptr);
    EXPECT_EQ(Captions(menu), (QStringList{"ADD NEW REGION CATEGORY", "CLEAR FIELD", "-", "France", "Salt && Pepper"}));
    QMenu* france = DescriptionMenuBuilder::submenu(menu->actions()[3]);
    ASSERT_NE(france, nullptr);
    QMenu* bordeaux = DescriptionMenuBuilder::submenu(france->actions()[0]);
    ASSERT_NE(bordeaux, nullptr);
    QMenu* medoc = DescriptionMenuBuilder::submenu(bordeaux->actions()[0]);
    ASSERT_NE(medoc, nullptr);
    EXPECT_EQ(Captions(medoc), (QStringList{"Pauillac", "Margaux"}));
    EXPECT_EQ(bordeaux->actions()[0]->text(), QStringLiteral("M\u00e9doc"));
    EXPECT_EQ(medoc->actions()[0]->menu(), nullptr);
    EXPECT_EQ(france->actions()[1]->menu(), nullptr);
}

TEST(DescriptionMenuBuilderTest, ChoicesBecomeValuePathsAndCommands) {
    QWidget owner;
    DescriptionMenuBuilder builder(&owner);
    QMenu* menu = builder.build(MakeMenu("Region", kRegions, 4));
    QSignalSpy values(&builder, &DescriptionMenuBuilder::valueChosen);
    QSignalSpy cleared(&builder, &DescriptionMenuBuilder::clearFieldChosen);
    QSignalSpy added(&builder, &DescriptionMenuBuilder::addNewChosen);
    std::vector<std::pair<int, std::string>> chosen;
    QObject::connect(&builder, &DescriptionMenuBuilder::valueChosen,
                     [&](int field, const std::string& path) { chosen.emplace_back(field, path); });

    auto open = [](QMenu* m, int i) { return DescriptionMenuBuilder::submenu(m->actions()[i]); };
    QMenu* medoc = open(open(open(menu, 3), 0), 0);
    medoc->actions()[1]->trigger();
    menu->actions()[4]->trigger();
    // Opening a submenu chooses its value.
    emit medoc->aboutToShow();
    menu->actions()[0]->trigger();
    menu->actions()[1]->trigger();

    EXPECT_EQ(chosen, (std::vector<std::pair<int, std::string>>{{4, "Margaux : M\xE9" "doc : Bordeaux : France"},
                                                                {4, "Salt & Pepper"},
                                                                {4, "M\xE9" "doc : Bordeaux : France"}}));
    EXPECT_EQ(values.count(), 3);
    ASSERT_EQ(added.count(), 1);
    EXPECT_EQ(added.at(0).at(0).toInt(), 4);
    ASSERT_EQ(cleared.count(), 1);
    EXPECT_EQ(cleared.at(0).at(0).toInt(), 4);
}

TEST(DescriptionMenuBuilderTest, RebuildingReplacesTheMenu) {
    QWidget owner;
    DescriptionMenuBuilder builder(&owner);
    QPointer<QMenu> first = builder.build(MakeMenu("Region", kRegions, 1));
    QMenu* second = builder.build(MakeMenu("Area", "North\r\n", 1));
    EXPECT_EQ(Captions(builder.build(MakeMenu("Area", "", 2))), (QStringList{"ADD NEW AREA CATEGORY", "CLEAR FIELD"}));
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(builder.menu(1), second);
    EXPECT_EQ(Captions(second), (QStringList{"ADD NEW AREA CATEGORY", "CLEAR FIELD", "-", "North"}));
}

TEST(DescriptionMenuBuilderTest, OpensBelowTheMiddleOfTheEdit) {
    QWidget edit;
    edit.setGeometry(100, 200, 180, 24);
    EXPECT_EQ(DescriptionMenuBuilder::popupPosition(&edit), edit.mapToGlobal(QPoint(90, 24)));
    EXPECT_EQ(DescriptionMenuBuilder::shownCaption("a\tb&c"), "a b&&c");
}

}  // namespace
}  // namespace vorlane::testing
