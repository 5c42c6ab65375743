#include <gtest/gtest.h>

#include <functional>

#include <nlohmann/json.hpp>

#include "cli_runner.h"
#include "storage/cp1252.h"
#include "storage/database_file.h"
#include "storage/scramble.h"
#include "test_cellar.h"

namespace vorlane::cli::test {
namespace {

using Json = nlohmann::ordered_json;

std::vector<std::string> Keys(const Json& object) {
    std::vector<std::string> keys;
    for (const auto& item : object.items()) keys.push_back(item.key());
    return keys;
}

class DumpTest : public CliTest {
protected:
    // Saves db, dumps it and parses the output; the output must also be laid
    // out exactly as one whole two-space dump would be.
    Json Dump(Database db) {
        const std::string file = Path("cellar.dat");
        FileResult saved = SaveDatabaseFile(db, file);
        EXPECT_TRUE(saved.ok) << saved.error;
        CliResult result = Run({"dump", file});
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_EQ(result.err, "");
        Json parsed = Json::parse(result.out);
        EXPECT_EQ(result.out, parsed.dump(2) + "\n");
        output_ = result.out;
        return parsed;
    }
    std::string output_;
};

TEST_F(DumpTest, HeaderValuesInUtf8) {
    Json j = Dump(RichCellar());
    EXPECT_EQ(Keys(j), (std::vector<std::string>{"version", "identification", "readPasswordSet", "savePasswordSet",
                                                  "info", "notes", "labels", "valueTrees", "records"}));
    EXPECT_EQ(j["version"], "1.03");
    EXPECT_EQ(j["identification"], "Vorlane");
    EXPECT_EQ(j["readPasswordSet"], true);
    EXPECT_EQ(j["savePasswordSet"], true);
    EXPECT_EQ(j["info"], Json({"Cave à vin", "René Dupont", LongUtf8(), "Beaune", "France", "21200", "+33 1",
                               "+33 2", "rene@example.org", "http://example.org/cave"}));
    EXPECT_EQ(j["notes"], Json({"Bought the lot in 1998", "", "Prix moyen 12 €"}));

    // The file holds labels 10 ... 19 before 0 ... 9; the dump is in table order.
    ASSERT_EQ(j["labels"].size(), 20u);
    for (int i = 0; i < 20; ++i) EXPECT_EQ(j["labels"][i], "Label " + std::to_string(i) + " é");

    ASSERT_EQ(j["valueTrees"].size(), 10u);
    EXPECT_EQ(j["valueTrees"][0], "France\r\n\tBordeaux\r\n\t\tMédoc\r\n\tBourgogne\r\nItaly\r\n");
    EXPECT_EQ(j["valueTrees"][1], "Red\r\nRosé\r\nWhite\r\n");
    EXPECT_EQ(j["valueTrees"][2], "");
    std::string longestItem;  // 255 bytes in the file
    for (int i = 0; i < 25; ++i) longestItem += "Château € ";
    EXPECT_EQ(j["valueTrees"][9], longestItem + "Châte\r\n");
}

TEST_F(DumpTest, PasswordsAreOnlyReportedAsSet) {
    Json j = Dump(RichCellar());
    EXPECT_EQ(output_.find("Zq7"), std::string::npos);
    const std::vector<std::string> secrets = {Cp1252ToUtf8(Scramble(kReadPassword)),
                                              Cp1252ToUtf8(Scramble(kSavePassword))};
    std::function<void(const Json&)> walk = [&](const Json& value) {
        if (value.is_string()) {
            for (const auto& secret : secrets) EXPECT_NE(value.get<std::string>(), secret);
        } else if (value.is_structured()) {
            for (const auto& child : value) walk(child);
        }
    };
    walk(j);

    Database onlyRead = RichCellar();
    onlyRead.savePassword.clear();
    j = Dump(onlyRead);
    EXPECT_EQ(j["readPasswordSet"], true);
    EXPECT_EQ(j["savePasswordSet"], false);

    Database onlySave = RichCellar();
    onlySave.readPassword.clear();
    j = Dump(onlySave);
    EXPECT_EQ(j["readPasswordSet"], false);
    EXPECT_EQ(j["savePasswordSet"], true);
}

TEST_F(DumpTest, FullRecord) {
    Database db = RichCellar();
    Json j = Dump(db);
    ASSERT_EQ(j["records"].size(), 3u);
    const Json& r = j["records"][0];
    EXPECT_EQ(Keys(r), (std::vector<std::string>{"readOnly", "name", "id", "details", "descriptions", "ingredients",
                                                  "noteLists", "links", "emailAddresses", "images", "reserved",
                                                  "favorite", "tested", "untested"}));
    EXPECT_EQ(r["readOnly"], false);
    EXPECT_EQ(r["name"], "Château Margaux");
    EXPECT_EQ(r["id"], "ABCD1234");
    EXPECT_EQ(r["details"], Json({"detail 0", "€ 45.50", "detail 2", "detail 3", "detail 4", "detail 5",
                                  "detail 6", LongUtf8(), "detail 8", "detail 9"}));
    EXPECT_EQ(r["descriptions"], Json({"Médoc : Bordeaux : France", "Rosé", "value 3", "value 4", "value 5",
                                       "value 6", "value 7", "value 8", "value 9", "value 10"}));
    EXPECT_EQ(r["noteLists"], Json({Json({"oak", "‘big’"}), Json({"lamb"}), Json({LongUtf8(), "second note"})}));
    EXPECT_EQ(r["links"], Json({"http://example.org/margaux", "http://example.org/1995"}));
    EXPECT_EQ(r["emailAddresses"], Json({"<a href=\"mailto:shop@example.org\">Caviste André</a>"}));
    EXPECT_EQ(r["reserved"], "kept \u0081\u008D\u008F\u0090\u009D");
    EXPECT_EQ(r["favorite"], false);
    EXPECT_EQ(r["tested"], true);
    EXPECT_EQ(r["untested"], true);

    ASSERT_EQ(r["images"].size(), 6u);
    for (const auto& image : r["images"])
        EXPECT_EQ(Keys(image), (std::vector<std::string>{"fileName", "title", "flag"}));
    EXPECT_EQ(r["images"][0], Json({{"fileName", "/home/rene/pictures/label.jpg"}, {"title", "Front étiquette"},
                                    {"flag", true}}));
    EXPECT_EQ(r["images"][1], Json({{"fileName", ""}, {"title", "Untitled 2"}, {"flag", false}}));
    EXPECT_EQ(r["images"][3]["fileName"], "/home/rene/pictures/back.png");
    EXPECT_EQ(r["images"][3]["flag"], false);
    EXPECT_EQ(r["images"][5]["title"], "Untitled 6");
    EXPECT_EQ(r["images"][5]["flag"], true);
}

TEST_F(DumpTest, IngredientsBlockAsText) {
    Json j = Dump(RichCellar());
    std::string block = j["records"][0]["ingredients"];
    EXPECT_EQ(block.rfind("4,100\r\n0,0,Ingredients\r\n1,0,Quantity\r\n2,0,Measure\r\n3,0,Notes\r\n", 0), 0u);
    EXPECT_NE(block.find("\r\n1,1,two, commas, here\r\n"), std::string::npos);
    EXPECT_NE(block.find("\r\n2,1,first line\t\bsecond line\r\n"), std::string::npos);
    EXPECT_NE(block.find("\r\n3,99,Rosé 3/99\r\n"), std::string::npos);
    std::size_t lines = 0;
    for (std::size_t at = block.find("\r\n"); at != std::string::npos; at = block.find("\r\n", at + 2)) ++lines;
    EXPECT_EQ(lines, 401u);

    std::string bytes;
    ASSERT_TRUE(Utf8ToCp1252(block, bytes));
    IngredientsTable table = DecodeIngredients(bytes);
    EXPECT_EQ(table.columns, 4);
    EXPECT_EQ(table.rows, 100);
    EXPECT_EQ(table.cells, FullIngredients().cells);
}

TEST_F(DumpTest, OtherRecordsKeepTheirOwnValues) {
    Database db = RichCellar();
    Json j = Dump(db);
    const Json& fresh = j["records"][1];
    EXPECT_EQ(fresh["name"], "Untitled 1");
    EXPECT_EQ(fresh["id"], db.records[1].Id);
    EXPECT_EQ(fresh["details"][2], "2024/05/18");
    EXPECT_EQ(fresh["ingredients"], "");
    EXPECT_EQ(fresh["noteLists"], Json({Json::array(), Json::array(), Json::array()}));
    EXPECT_EQ(fresh["links"], Json::array());
    EXPECT_EQ(fresh["emailAddresses"], Json::array());
    EXPECT_EQ(fresh["readOnly"], false);
    EXPECT_EQ(fresh["tested"], false);

    const Json& locked = j["records"][2];
    EXPECT_EQ(locked["name"], "Untitled 2");
    EXPECT_EQ(locked["readOnly"], true);
    EXPECT_EQ(locked["favorite"], true);
    EXPECT_EQ(locked["tested"], false);
    EXPECT_EQ(locked["untested"], false);
}

TEST_F(DumpTest, DatabaseWithoutRecords) {
    Database db;
    db.info[InfoDatabaseName] = "empty";
    Json j = Dump(db);
    EXPECT_EQ(j["records"], Json::array());
    EXPECT_EQ(j["readPasswordSet"], false);
    EXPECT_EQ(j["labels"][0], "Winery");
    EXPECT_EQ(j["labels"][19], "Description 9");
}

}  // namespace
}  // namespace vorlane::cli::test
