#include <gtest/gtest.h>

#include "editor/picture_slots.h"
#include "storage/new_record.h"
#include "support/scripted_dialogs.h"

using namespace vorlane;
using vorlane::testing::ScriptedDialogs;

namespace {

// Also keeps what the chooser was opened with.
class ChooserDialogs : public ScriptedDialogs {
public:
    std::optional<std::string> ChooseFileToOpen(const std::string& title, const std::string& filter,
                                                const std::string& initialDir) override {
        filter_ = filter;
        initialDir_ = initialDir;
        return ScriptedDialogs::ChooseFileToOpen(title, filter, initialDir);
    }
    std::string filter_, initialDir_;
};

struct SlotsFixture : ::testing::Test {
    RecordList records{MakeNewRecord({}, "2024/01/02"), MakeNewRecord({}, "2024/01/02")};
    std::size_t current = 0;
    PictureSlots slots{[this] { return &records[current]; }};

    // Which files the frame tried to load, and the frame it ended with.
    PictureFrame frame(bool loads, std::vector<std::string>* tried = nullptr) const {
        return slots.Frame([&](const std::string& path) {
            if (tried) tried->push_back(path);
            return loads;
        });
    }
};

}  // namespace

TEST_F(SlotsFixture, NewRecordShowsNoImageOnEveryTabWithoutLoading) {
    slots.Show(records[0]);
    for (int tab = 0; tab < kImageCount; ++tab) {
        slots.SelectTab(tab);
        std::vector<std::string> tried;
        EXPECT_EQ(frame(true, &tried), (PictureFrame{false, "No Image File Selected"})) << tab;
        EXPECT_TRUE(tried.empty());
        EXPECT_EQ(slots.title(), "Untitled " + std::to_string(tab + 1));
    }
}

TEST_F(SlotsFixture, FrameShowsThePictureOrSaysTheFileIsNotValid) {
    records[0].Images[0].FileName = "/pictures/label.jpg";
    slots.Show(records[0]);
    std::vector<std::string> tried;
    EXPECT_EQ(frame(true, &tried), (PictureFrame{true, ""}));
    EXPECT_EQ(tried, std::vector<std::string>{"/pictures/label.jpg"});
    EXPECT_EQ(frame(false), (PictureFrame{false, "Image File is Not Valid"}));
    // A file that cannot be shown stays named by its slot.
    EXPECT_EQ(records[0].Images[0].FileName, "/pictures/label.jpg");
}

TEST_F(SlotsFixture, ChoosingAFileStoresItInTheSelectedSlotOnly) {
    slots.Show(records[0]);
    slots.SelectTab(3);
    ChooserDialogs dialogs;
    dialogs.Choose("/home/me/cellar/bottle.pcx");
    slots.ChooseFile(dialogs);
    EXPECT_EQ(dialogs.filter_, "Windows Bitmap|*.bmp|JPEG Bitmat|*.jpg|PCX Bitmap|*.pcx|GIF Bitmap|*.gif");
    EXPECT_EQ(slots.fileName(), "/home/me/cellar/bottle.pcx");
    for (int i = 0; i < kImageCount; ++i)
        EXPECT_EQ(records[0].Images[static_cast<std::size_t>(i)].FileName, i == 3 ? "/home/me/cellar/bottle.pcx" : "");

    // The next choice starts in the folder of the file shown.
    dialogs.Choose("/home/me/cellar/other.gif");
    slots.ChooseFile(dialogs);
    EXPECT_EQ(dialogs.initialDir_, "/home/me/cellar");
    EXPECT_EQ(records[0].Images[3].FileName, "/home/me/cellar/other.gif");
}

TEST_F(SlotsFixture, CancellingTheChooserKeepsTheSlotsFile) {
    records[0].Images[1].FileName = "/pictures/front.bmp";
    slots.Show(records[0]);
    slots.SelectTab(1);
    ScriptedDialogs dialogs;
    dialogs.ChooseNothing();
    slots.ChooseFile(dialogs);
    EXPECT_EQ(slots.fileName(), "/pictures/front.bmp");
    EXPECT_EQ(records[0].Images[1].FileName, "/pictures/front.bmp");
    EXPECT_TRUE(dialogs.scriptUsedUp());
}

TEST_F(SlotsFixture, TitlesAreKeptAtOnceAndSurviveTabChanges) {
    slots.Show(records[0]);
    slots.SelectTab(2);
    slots.SetTitle("Back label");
    EXPECT_EQ(records[0].Images[2].Title, "Back label");
    slots.SelectTab(0);
    EXPECT_EQ(slots.title(), "Untitled 1");
    slots.SelectTab(2);
    EXPECT_EQ(slots.title(), "Back label");
}

TEST_F(SlotsFixture, ClearingRemovesThePathAndKeepsTheTitle) {
    records[0].Images[4] = {"/pictures/cork.gif", "Cork", false};
    slots.Show(records[0]);
    slots.SelectTab(4);
    slots.Clear();
    EXPECT_EQ(records[0].Images[4].FileName, "");
    EXPECT_EQ(records[0].Images[4].Title, "Cork");
    EXPECT_EQ(frame(true).status, "No Image File Selected");
}

TEST_F(SlotsFixture, SelectedTabStaysWhenAnotherRecordIsShown) {
    records[1].Images[5] = {"/pictures/six.png", "Sixth", false};
    slots.Show(records[0]);
    slots.SelectTab(5);
    current = 1;
    slots.Show(records[1]);
    EXPECT_EQ(slots.selected(), 5);
    EXPECT_EQ(slots.fileName(), "/pictures/six.png");
    EXPECT_EQ(slots.title(), "Sixth");
}

TEST_F(SlotsFixture, WriteBackPutsTheChoosersFileIntoTheSelectedSlot) {
    records[0].Images[0].FileName = "/a.bmp";
    slots.Show(records[0]);
    // Another record takes what the window shows; its other slots stay.
    records[1].Images[1].FileName = "/keep.bmp";
    slots.WriteBack(records[1]);
    EXPECT_EQ(records[1].Images[0].FileName, "/a.bmp");
    EXPECT_EQ(records[1].Images[1].FileName, "/keep.bmp");
}

TEST(PictureSlots, WithoutARecordNothingIsStoredAndNothingBreaks) {
    PictureSlots slots{[] { return static_cast<ItemRecord*>(nullptr); }};
    ScriptedDialogs dialogs;
    dialogs.Choose("/x.bmp");
    slots.ChooseFile(dialogs);
    slots.SetTitle("t");
    slots.Clear();
    slots.SelectTab(2);
    EXPECT_EQ(slots.selected(), 2);
    EXPECT_EQ(slots.fileName(), "");
    slots.SelectTab(kImageCount);  // out of range: ignored
    EXPECT_EQ(slots.selected(), 2);
}
