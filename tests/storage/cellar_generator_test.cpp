// The generator is built with the benchmarks; without them there is nothing to test.
#if __has_include("cellar_generator.h")

#include "cellar_generator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <regex>
#include <set>
#include <stdexcept>
#include <string>
#include <unordered_set>

#include "cellar/drinking_window.h"
#include "storage/database_file.h"
#include "storage/new_record.h"
#include "storage/picture_path.h"
#include "storage/value_tree.h"
#include "support/file_bytes.h"

namespace vorlane {
using vorlane::testing::Slurp;

namespace {

const std::string kSourceDir = VORLANE_SOURCE_DIR;

GeneratorOptions Options(bool large = false) {
    GeneratorOptions options;
    options.dataDir = kSourceDir + "/data";
    options.large = large;
    return options;
}

// "Pauillac : Bordeaux : France" -> "France"
std::string TopLevel(const std::string& path) {
    auto last = path.rfind(" : ");
    return last == std::string::npos ? path : path.substr(last + 3);
}

bool HasHighByte(const std::string& text) {
    return std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

// Every description value is empty or a value path its field's tree holds.
void ExpectDescriptionsInTrees(const Database& db) {
    std::array<std::unordered_set<std::string>, kDescriptionCount> paths;
    for (std::size_t k = 0; k < paths.size(); ++k) {
        auto all = TreePaths(db.valueTrees[k]);
        paths[k].insert(all.begin(), all.end());
    }
    for (const auto& r : db.records) {
        for (std::size_t k = 0; k < paths.size(); ++k) {
            if (r.Descriptions[k].empty()) continue;
            EXPECT_TRUE(paths[k].count(r.Descriptions[k]))
                << "description " << k + 1 << " of " << r.Name << ": " << r.Descriptions[k];
        }
    }
}

TEST(TreePathsTest, NamesEveryItemFromItselfUpToTheTop) {
    std::string text = "France\r\n\tBordeaux\r\n\t\tPauillac\r\n\tBurgundy\r\nItaly\r\n";
    EXPECT_EQ(TreePaths(text), (std::vector<std::string>{"France", "Bordeaux : France", "Pauillac : Bordeaux : France",
                                                         "Burgundy : France", "Italy"}));
    EXPECT_TRUE(TreePaths("").empty());
}

TEST(CellarGeneratorTest, SameSeedGivesTheSameFileAndAnotherSeedDoesNot) {
    for (bool large : {false, true}) {
        Database a = GenerateCellar(200, 42, Options(large));
        Database b = GenerateCellar(200, 42, Options(large));
        Database c = GenerateCellar(200, 43, Options(large));
        std::string bytesA = EncodeDatabase(a, "a.dat");
        EXPECT_EQ(bytesA, EncodeDatabase(b, "a.dat")) << "large " << large;
        EXPECT_NE(bytesA, EncodeDatabase(c, "a.dat")) << "large " << large;
    }
}

TEST(CellarGeneratorTest, GeneratedCellarSurvivesAFileRoundTrip) {
    for (bool large : {false, true}) {
        Database db = GenerateCellar(300, 7, Options(large));
        ASSERT_EQ(db.records.size(), 300u);
        std::string first = EncodeDatabase(db, "cellar.dat");
        Database read;
        ASSERT_EQ(DecodeDatabase(first, "cellar.dat", read), ReadStatus::Loaded);
        ASSERT_EQ(read.records.size(), db.records.size());
        for (std::size_t i = 0; i < db.records.size(); ++i)
            EXPECT_TRUE(read.records[i].sameStoredContent(db.records[i])) << "record " << i;
        EXPECT_EQ(read.valueTrees, db.valueTrees);
        EXPECT_EQ(read.info, db.info);
        EXPECT_EQ(read.notes, db.notes);
        EXPECT_EQ(EncodeDatabase(read, "cellar.dat"), first) << "large " << large;
    }
}

TEST(CellarGeneratorTest, LargeModeWritesMoreThanNormalMode) {
    Database normal = GenerateCellar(200, 5, Options(false));
    Database large = GenerateCellar(200, 5, Options(true));
    std::size_t normalBytes = EncodeDatabase(normal, "n.dat").size();
    std::size_t largeBytes = EncodeDatabase(large, "l.dat").size();
    EXPECT_GT(largeBytes, 2 * normalBytes);
    // Long tasting notes need the long-text form.
    bool longLine = false;
    for (const auto& r : large.records)
        for (const auto& line : r.NoteLists[2]) longLine = longLine || line.size() > 255;
    EXPECT_TRUE(longLine);
}

TEST(CellarGeneratorTest, RecordsFillEveryKindOfField) {
    Database db = GenerateCellar(1000, 11, Options());
    ExpectDescriptionsInTrees(db);

    const std::regex money(R"(\$[0-9]{1,3}(,[0-9]{3})*\.[0-9]{2})");
    const std::regex date(R"((19|20)[0-9]{2}/(0[1-9]|1[0-2])/(0[1-9]|[12][0-9]))");
    const std::regex vintage(R"(NV|19[89][0-9]|20[0-2][0-9])");
    const std::regex twoDigits(R"([0-9]{2})");
    std::array<int, kDetailCount> details{};
    std::array<int, kDescriptionCount> descriptions{};
    int favorite = 0, tested = 0, untested = 0, readOnly = 0, links = 0, emails = 0, pictures = 0, highBytes = 0;
    std::set<std::string> ids;
    for (const auto& r : db.records) {
        EXPECT_EQ(r.Id.size(), 8u);
        EXPECT_EQ(r.Id.find('9'), std::string::npos);
        ids.insert(r.Id);
        EXPECT_FALSE(r.Name.empty());
        EXPECT_TRUE(std::regex_match(r.Details[1], money)) << r.Details[1];
        EXPECT_TRUE(std::regex_match(r.Details[2], date)) << r.Details[2];
        EXPECT_TRUE(std::regex_match(r.Details[3], vintage)) << r.Details[3];
        EXPECT_TRUE(std::regex_match(r.Details[8], money)) << r.Details[8];
        EXPECT_TRUE(std::regex_match(r.Details[9], twoDigits)) << r.Details[9];
        if (r.Details[3] != "NV") {
            EXPECT_GE(std::stoi(r.Details[3]), 1985);
            EXPECT_LE(std::stoi(r.Details[3]), 2021);
            EXPECT_GT(r.Details[2].substr(0, 4), r.Details[3]) << "received before the harvest: " << r.Name;
        }
        for (std::size_t i = 0; i < details.size(); ++i) details[i] += !r.Details[i].empty();
        for (std::size_t i = 0; i < descriptions.size(); ++i) descriptions[i] += !r.Descriptions[i].empty();
        favorite += r.Favorite;
        tested += r.Tested;
        untested += r.Untested;
        readOnly += r.ReadOnly;
        EXPECT_TRUE(r.Reserved.empty());
        EXPECT_FALSE(r.NoteLists[2].empty());
        for (const auto& link : r.Links) {
            ++links;
            EXPECT_EQ(link.rfind("<A href=\"https://", 0), 0u) << link;
            EXPECT_EQ(link.substr(link.size() - 4), "</A>");
        }
        for (const auto& mail : r.EmailAddresses) {
            ++emails;
            EXPECT_TRUE(std::regex_match(mail, std::regex(R"(<A href="[^"@]+@[^"@]+">[^<]+</A>)"))) << mail;
        }
        for (int i = 0; i < kImageCount; ++i) {
            const auto& image = r.Images[static_cast<std::size_t>(i)];
            if (image.FileName.empty() && !image.Title.empty() && image.Title != "Untitled " + std::to_string(i + 1))
                ADD_FAILURE() << "a titled slot without a picture: " << image.Title;
            pictures += !image.FileName.empty();
        }
        highBytes += HasHighByte(r.Name);

        IngredientsTable table = DecodeIngredients(r.Ingredients);
        EXPECT_EQ(table.columns, 4);
        EXPECT_EQ(table.rows, 100);
        ASSERT_GE(table.cells.size(), 5u);
        EXPECT_EQ(table.cells[0].text, "Ingredients");
        EXPECT_EQ(table.cells[3].text, "Notes");
        EXPECT_EQ(table.cells[4].row, 1);
    }
    EXPECT_EQ(ids.size(), db.records.size());
    for (std::size_t i = 0; i < details.size(); ++i) EXPECT_GT(details[i], 0) << "detail " << i;
    for (std::size_t i = 0; i < descriptions.size(); ++i) EXPECT_GT(descriptions[i], 0) << "description " << i + 1;
    EXPECT_GT(favorite, 0);
    EXPECT_GT(tested, 0);
    EXPECT_GT(untested, 0);
    EXPECT_GT(readOnly, 0);
    EXPECT_LT(readOnly, 100);
    EXPECT_GT(links, 0);
    EXPECT_GT(emails, 0);
    EXPECT_GT(pictures, 0);
    EXPECT_GT(highBytes, 50);
    EXPECT_EQ(db.labels, DefaultLabels());
    EXPECT_EQ(db.info[InfoDatabaseName], "Sample Cellar");
    EXPECT_FALSE(db.notes.empty());
}

TEST(CellarGeneratorTest, MissingValueTreeFilesAreAnError) {
    GeneratorOptions options;
    options.dataDir = kSourceDir + "/no-such-folder";
    EXPECT_THROW(GenerateCellar(1, 1, options), std::runtime_error);
}

class SampleCellarTest : public ::testing::Test {
protected:
    void SetUp() override {
        bytes_ = Slurp(kSourceDir + "/data/sample/cellar.dat");
        ASSERT_FALSE(bytes_.empty());
        ASSERT_EQ(DecodeDatabase(bytes_, "cellar.dat", db_), ReadStatus::Loaded);
    }
    std::string bytes_;
    Database db_;
};

TEST_F(SampleCellarTest, ReadsAndWritesBackByteForByte) {
    EXPECT_GE(db_.records.size(), 50u);
    EXPECT_LE(db_.records.size(), 70u);
    EXPECT_EQ(db_.info[InfoDatabaseName], "Sample Cellar");
    EXPECT_EQ(EncodeDatabase(db_, "cellar.dat"), bytes_);
}

TEST_F(SampleCellarTest, ReadsLikeARealCellar) {
    ExpectDescriptionsInTrees(db_);
    std::set<std::string> countries, colours;
    int accented = 0, oldest = 9999, youngest = 0;
    for (const auto& r : db_.records) {
        accented += HasHighByte(r.Name);
        if (!r.Description(1).empty()) countries.insert(TopLevel(r.Description(1)));
        colours.insert(TopLevel(r.Description(2)));
        if (r.Details[3] != "NV") {
            oldest = std::min(oldest, std::stoi(r.Details[3]));
            youngest = std::max(youngest, std::stoi(r.Details[3]));
        }
    }
    EXPECT_GE(accented, 5);
    EXPECT_GE(countries.size(), 5u);
    EXPECT_GE(colours.size(), 4u);
    EXPECT_GE(oldest, 1985);
    EXPECT_LE(oldest, 2000);
    EXPECT_LE(youngest, 2021);
    EXPECT_GE(youngest, 2015);
    // The sample's trees are the shipped default trees.
    for (int k = 1; k <= kDescriptionCount; ++k) {
        std::string def = Slurp(kSourceDir + "/data/description" + std::to_string(k) + ".def");
        EXPECT_EQ(db_.valueTrees[static_cast<std::size_t>(k - 1)], TreeToText(ParseTreeText(def))) << k;
    }
}

// The drinking window shows something on the first start, and for a few
// years after.
TEST_F(SampleCellarTest, HasBottlesOfEveryDrinkingStatusAroundNow) {
    for (int year = 2025; year <= 2028; ++year) {
        DrinkReport report = MakeDrinkReport(db_, year);
        for (int s = 0; s < kDrinkStatusCount; ++s)
            EXPECT_GT(report.counts[static_cast<std::size_t>(s)], 0) << year << " " << s;
    }
}

TEST_F(SampleCellarTest, IsMadeByTheGeneratorWithItsPicturesBesideIt) {
    GeneratorOptions options = Options();
    options.sample = true;
    Database made = GenerateCellar(60, 1985, options);
    EXPECT_EQ(EncodeDatabase(made, "cellar.dat"), bytes_);
    EXPECT_EQ(db_.labels[static_cast<std::size_t>(DescriptionLabel(6))], "Drink Window");
    EXPECT_EQ(db_.labels[static_cast<std::size_t>(DetailLabel(5))], "Alcohol");
    EXPECT_EQ(db_.labels[static_cast<std::size_t>(DetailLabel(6))], "Drink From");
    EXPECT_EQ(db_.labels[static_cast<std::size_t>(DetailLabel(7))], "Drink To");
    ASSERT_FALSE(db_.records[0].Images[0].FileName.empty());
    std::set<std::string> formats;
    for (const auto& r : db_.records) {
        const std::string& name = r.Images[0].FileName;
        EXPECT_FALSE(Slurp(ResolvePicturePath(name, kSourceDir + "/data/sample/cellar.dat")).empty()) << name;
        formats.insert(name.substr(name.size() - 4));
    }
    EXPECT_EQ(formats, (std::set<std::string>{".jpg", ".pcx", ".png"}));
}

}  // namespace
}  // namespace vorlane

#endif
