// vorlane-cli search: the record numbers a saved search finds.

#include <gtest/gtest.h>

#include "cli_runner.h"
#include "search/saved_search_file.h"
#include "search/search_fields.h"
#include "search/search_test_support.h"
#include "storage/database_file.h"
#include "storage/fields.h"

namespace vorlane::cli::test {
namespace {

using vorlane::testing_support::AddSearchTerm;
using vorlane::testing_support::Wine;

class SearchCommandTest : public CliTest {
protected:
    void WriteCellar(const RecordList& records) {
        Database db;
        db.records = records;
        FileResult saved = SaveDatabaseFile(db, Path("cellar.dat"));
        ASSERT_TRUE(saved.ok) << saved.error;
    }
    void WriteSearch(const SearchTerms& terms) {
        ASSERT_EQ(SaveSearchFile(terms, Path("terms.srh")), "Search Saved.");
    }
    CliResult Search() const { return Run({"search", Path("cellar.dat"), Path("terms.srh")}); }
};

RecordList Cellar() {
    RecordList records;
    auto add = [&](const std::string& name, const std::string& vintage, bool favourite, const std::string& region) {
        ItemRecord r = Wine(name);
        r.Details[3] = vintage;
        r.Favorite = favourite;
        r.Description(1) = region;
        records.push_back(r);
    };
    add("Chablis Premier Cru", "1990", false, "Chablis : Burgundy : France");
    add("Chablis Grand Cru", "1993", true, "Chablis : Burgundy : France");
    add("Pauillac", "1995", true, "Pauillac : Bordeaux : France");
    add("Barolo", "1996", true, "Barolo : Piedmont : Italy");
    add("Chianti", "1992", false, "Chianti : Tuscany : Italy");
    return records;
}

TEST_F(SearchCommandTest, PrintsThePassingRecordNumbersInListOrder) {
    WriteCellar(Cellar());
    SearchTerms terms;
    AddSearchTerm(terms, SearchFieldOfDetail(3), kTypeIncludes, "1990", "1995");
    AddSearchTerm(terms, kSearchStatus, kTypeIncludes, "Favorite");
    WriteSearch(terms);

    CliResult result = Search();
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "2\n3\n");
    EXPECT_EQ(result.err, "");
}

TEST_F(SearchCommandTest, DescriptionAndInvertedNameTermsCombine) {
    WriteCellar(Cellar());
    SearchTerms terms;
    AddSearchTerm(terms, 0, kTypeIncludes, "France");
    AddSearchTerm(terms, kSearchName, kTypeDoesNotInclude, "grand");
    WriteSearch(terms);

    CliResult result = Search();
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "1\n3\n");
}

TEST_F(SearchCommandTest, ASearchWithoutTermsFindsNothing) {
    WriteCellar(Cellar());
    WriteSearch(SearchTerms{});
    CliResult result = Search();
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "");
}

TEST_F(SearchCommandTest, AnInvalidOrMissingFileIsAFileProblem) {
    WriteCellar(Cellar());
    WriteBytes(Path("terms.srh"), "not a search");
    CliResult broken = Search();
    EXPECT_EQ(broken.exitCode, 2);
    EXPECT_EQ(broken.out, "");
    EXPECT_TRUE(IsOneLine(broken.err));
    EXPECT_NE(broken.err.find("terms.srh is not a valid search file"), std::string::npos) << broken.err;

    CliResult missingSearch = Run({"search", Path("cellar.dat"), Path("gone.srh")});
    EXPECT_EQ(missingSearch.exitCode, 2);
    EXPECT_TRUE(IsOneLine(missingSearch.err));

    SearchTerms terms;
    AddSearchTerm(terms, kSearchName, kTypeIncludes, "a");
    WriteSearch(terms);
    WriteBytes(Path("cellar.dat"), "no database");
    CliResult badDatabase = Search();
    EXPECT_EQ(badDatabase.exitCode, 2);
    EXPECT_EQ(badDatabase.out, "");
}

TEST_F(SearchCommandTest, WrongArgumentCountIsAUsageError) {
    CliResult result = Run({"search", Path("cellar.dat")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "vorlane-cli: search takes 2 arguments, not 1; usage: vorlane-cli search DB SRH\n");
}

}  // namespace
}  // namespace vorlane::cli::test
