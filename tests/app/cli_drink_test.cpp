// vorlane-cli drink: bottles per drinking-window status, then what to open.

#include <gtest/gtest.h>

#include "cli_runner.h"
#include "storage/database_file.h"

namespace vorlane::cli::test {
namespace {

class DrinkCommandTest : public CliTest {
protected:
    void SetUp() override {
        CliTest::SetUp();
        Database db;
        db.labels[6] = "Drink From";
        db.labels[7] = "drink to";
        auto add = [&](const char* name, const char* from, const char* to, const char* quantity) {
            ItemRecord r;
            r.Name = name;
            r.Details[6] = from;
            r.Details[7] = to;
            r.Details[9] = quantity;
            db.records.push_back(r);
        };
        add("Ch\xE2teau Young", "2030", "2040", "06");
        add("Ready Wine", "2020", "2028", "02");
        add("Gone", "2010", "2020", "00");
        add("Past Wine", "2010", "2024", "03");
        add("Last Year", "", "2026", "x");
        add("No Years", "", "", "01");
        add("Backwards", "2030", "2020", "01");
        ASSERT_TRUE(SaveDatabaseFile(db, Path("cellar.dat")).ok);
        db.labels[6] = "Detail 7";
        db.labels[7] = "Detail 8";
        ASSERT_TRUE(SaveDatabaseFile(db, Path("plain.dat")).ok);
    }
};

TEST_F(DrinkCommandTest, PrintsTheCountsThenWhatToOpen) {
    CliResult result = Run({"drink", Path("cellar.dat"), "--year", "2026"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out,
              "Too Young\t6\nReady\t2\nDrink Now\t1\nPast\t3\nUnknown\t2\n\n"
              "4\tPast Wine\t2010\t2024\t3\tPast\n"
              "5\tLast Year\t\t2026\t1\tDrink Now\n"
              "2\tReady Wine\t2020\t2028\t2\tReady\n");

    result = Run({"drink", Path("cellar.dat"), "--json", "--year", "2031"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out.substr(0, result.out.find("\"list\"")),
              "{\n  \"year\": 2031,\n  \"counts\": {\n    \"Too Young\": 0,\n    \"Ready\": 6,\n"
              "    \"Drink Now\": 0,\n    \"Past\": 6,\n    \"Unknown\": 2\n  },\n  ");
    EXPECT_NE(result.out.find("{\n      \"record\": 1,\n      \"name\": \"Ch\xC3\xA2teau Young\",\n"
                              "      \"from\": 2030,\n      \"to\": 2040,\n      \"quantity\": 6,\n"
                              "      \"status\": \"Ready\"\n    }"),
              std::string::npos)
        << result.out;
    EXPECT_NE(result.out.find("\"from\": null"), std::string::npos);
    EXPECT_NE(result.out.find("\"check\": [\n    7\n  ]"), std::string::npos);
}

TEST_F(DrinkCommandTest, WithoutTheLabelsOrWithABadYearItIsAUsageError) {
    CliResult result = Run({"drink", Path("plain.dat")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.out.empty());
    EXPECT_NE(result.err.find("\"Drink From\" and \"Drink To\", or \"Drink Window\""), std::string::npos) << result.err;
    EXPECT_TRUE(IsOneLine(result.err));
    for (std::vector<std::string> bad : {std::vector<std::string>{"--year", "26"}, {"--year", "20x6"}, {"--year"}, {"--csv"}}) {
        std::vector<std::string> arguments = {"drink", Path("cellar.dat")};
        arguments.insert(arguments.end(), bad.begin(), bad.end());
        result = Run(arguments);
        EXPECT_EQ(result.exitCode, 1) << bad[0];
        EXPECT_TRUE(IsOneLine(result.err)) << result.err;
    }
}

}  // namespace
}  // namespace vorlane::cli::test
