#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <random>
#include <sstream>

#include "cli_runner.h"
#include "storage/database_file.h"
#include "storage/new_record.h"
#include "storage/scramble.h"
#include "test_cellar.h"

namespace vorlane::cli::test {
namespace {

std::string SaveAndRead(Database db, const std::string& path) {
    FileResult saved = SaveDatabaseFile(db, path);
    EXPECT_TRUE(saved.ok) << saved.error;
    return ReadBytes(path);
}

Database OneNewRecord() {
    Database db;
    db.records.push_back(MakeNewRecord(db.records, "2024/01/02"));
    return db;
}

// ---- resave ----

class ResaveTest : public CliTest {
protected:
    void ExpectIdentical(const Database& db) {
        const std::string in = Path("in.dat");
        const std::string out = Path("out.dat");
        std::string original = SaveAndRead(db, in);
        CliResult result = Run({"resave", in, out});
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, "");
        EXPECT_TRUE(ReadBytes(out) == original) << "resaved file differs";
    }
};

TEST_F(ResaveTest, EveryKindOfContentComesBackByteForByte) {
    ExpectIdentical(RichCellar());
    ExpectIdentical(OneNewRecord());
    Database empty;
    empty.info[InfoDatabaseName] = "no records";
    ExpectIdentical(empty);
}

TEST_F(ResaveTest, SavePasswordDoesNotStopIt) {
    Database db = OneNewRecord();
    db.savePassword = Scramble("keeper");
    ExpectIdentical(db);
}

TEST_F(ResaveTest, OverwritesAnExistingOutput) {
    const std::string out = Path("out.dat");
    WriteBytes(out, "old contents");
    ExpectIdentical(RichCellar());
}

// The reader gives a nameless database the name of the file it came from,
// as the program does; resave keeps that name.
TEST_F(ResaveTest, EmptyNameBecomesInputsBaseName) {
    Database db = RichCellar();
    db.info[InfoDatabaseName].clear();
    const std::string in = Path("nameless.dat");
    WriteBytes(in, EncodeDatabase(db, ""));  // no file name, so the name stays empty

    const std::string out = Path("out.dat");
    ASSERT_EQ(Run({"resave", in, out}).exitCode, 0);
    Database back;
    ASSERT_EQ(DecodeDatabase(ReadBytes(out), "other.dat", back), ReadStatus::Loaded);
    EXPECT_EQ(back.info[InfoDatabaseName], "nameless.dat");
    EXPECT_EQ(Run({"dump", in}).out, Run({"dump", out}).out);

    // Once named, the file goes round unchanged.
    const std::string again = Path("again.dat");
    ASSERT_EQ(Run({"resave", out, again}).exitCode, 0);
    EXPECT_TRUE(ReadBytes(again) == ReadBytes(out));
}

TEST_F(ResaveTest, InvalidInputWritesNothing) {
    const std::string in = Path("bad.dat");
    const std::string out = Path("out.dat");
    WriteBytes(in, "definitely not a cellar");
    CliResult result = Run({"resave", in, out});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.err, "vorlane-cli: " + in + " is not a valid Vorlane file\n");
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST_F(ResaveTest, UnwritableOutputIsAFileProblem) {
    const std::string in = Path("in.dat");
    SaveAndRead(OneNewRecord(), in);
    const std::string out = Path("missing-folder/out.dat");
    CliResult result = Run({"resave", in, out});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_TRUE(IsOneLine(result.err));
    EXPECT_EQ(result.err.rfind("vorlane-cli: ", 0), 0u);
    EXPECT_NE(result.err.find(out), std::string::npos);
}

// ---- info ----

using InfoTest = CliTest;

TEST_F(InfoTest, CountNameLabelsAndPasswords) {
    const std::string file = Path("cellar.dat");
    SaveAndRead(RichCellar(), file);
    CliResult result = Run({"info", file});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, "");
    std::string expected = "Records: 3\nName: Cave à vin\n";
    for (int i = 0; i < 20; ++i) expected += "Label " + std::to_string(i) + ": Label " + std::to_string(i) + " é\n";
    expected += "Read password: yes\nSave password: yes\n";
    EXPECT_EQ(result.out, expected);
}

TEST_F(InfoTest, DefaultsAndFileNameAsName) {
    Database db = OneNewRecord();
    db.records.push_back(MakeNewRecord(db.records, "2024/01/03"));
    db.readPassword = Scramble("reader");
    const std::string file = Path("cellar.dat");
    SaveAndRead(db, file);
    CliResult result = Run({"info", file});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out.rfind("Records: 2\nName: cellar.dat\nLabel 0: Winery\nLabel 1: Paid\n", 0), 0u)
        << result.out;
    EXPECT_NE(result.out.find("\nLabel 10: Region\n"), std::string::npos);
    EXPECT_NE(result.out.find("\nLabel 19: Description 9\nRead password: yes\nSave password: no\n"),
              std::string::npos);
}

// ---- files that are not databases ----

class BadFileTest : public CliTest {
protected:
    void ExpectRefused(const std::string& file, const std::string& message) {
        for (const char* command : {"dump", "info"}) {
            CliResult result = Run({command, file});
            EXPECT_EQ(result.exitCode, 2) << command;
            EXPECT_EQ(result.out, "") << command;
            EXPECT_TRUE(IsOneLine(result.err)) << command;
            if (!message.empty()) {
                EXPECT_EQ(result.err, message) << command;
            }
        }
    }
    void ExpectInvalid(const std::string& file) {
        ExpectRefused(file, "vorlane-cli: " + file + " is not a valid Vorlane file\n");
    }
};

TEST_F(BadFileTest, RandomBytes) {
    std::mt19937 rng(20240517);
    std::string noise(4096, '\0');
    for (char& c : noise) c = static_cast<char>(rng() & 0xFF);
    const std::string file = Path("noise.dat");
    WriteBytes(file, noise);
    ExpectInvalid(file);
}

TEST_F(BadFileTest, TruncatedAnywhere) {
    const std::string full = Path("full.dat");
    std::string bytes = SaveAndRead(RichCellar(), full);
    ASSERT_GT(bytes.size(), 100u);
    const std::string file = Path("cut.dat");
    for (std::size_t length : {std::size_t{0}, std::size_t{1}, std::size_t{10}, bytes.size() / 3,
                               bytes.size() / 2, bytes.size() - 1}) {
        SCOPED_TRACE(length);
        WriteBytes(file, bytes.substr(0, length));
        ExpectInvalid(file);
    }
}

TEST_F(BadFileTest, WrongIdentification) {
    std::string bytes = SaveAndRead(OneNewRecord(), Path("good.dat"));
    std::size_t at = bytes.find("Vorlane");
    ASSERT_NE(at, std::string::npos);
    bytes[at + 6] = 'o';  // everything else still in order
    const std::string file = Path("other.dat");
    WriteBytes(file, bytes);
    ExpectInvalid(file);
}

TEST_F(BadFileTest, MissingFileOrFolder) {
    const std::string missing = Path("nowhere.dat");
    ExpectRefused(missing, "");
    CliResult result = Run({"dump", missing});
    EXPECT_NE(result.err.find(missing), std::string::npos);
    EXPECT_EQ(result.err.rfind("vorlane-cli: ", 0), 0u);

    ExpectRefused(Path(""), "");  // the test's own folder
}

// ---- usage ----

using UsageTest = CliTest;

TEST_F(UsageTest, WrongCallsExitOneWithAUsageLine) {
    const std::string file = Path("cellar.dat");
    SaveAndRead(OneNewRecord(), file);
    const std::vector<std::vector<std::string>> calls = {
        {},
        {"frobnicate"},
        {"DUMP", file},
        {"dump"},
        {"dump", file, file},
        {"info"},
        {"info", file, "extra"},
        {"resave", file},
        {"resave", file, Path("a.dat"), Path("b.dat")},
        {"--help", "dump"},
        {"--version", file},
        {"--frobnicate"},
        {"-x", file},
    };
    for (const auto& call : calls) {
        std::string shown;
        for (const auto& a : call) shown += a + " ";
        SCOPED_TRACE(shown);
        CliResult result = Run(call);
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.out, "");
        EXPECT_TRUE(IsOneLine(result.err));
        // One form for every usage error: what is wrong, then the usage.
        EXPECT_EQ(result.err.rfind("vorlane-cli: ", 0), 0u);
        EXPECT_NE(result.err.find("; usage: vorlane-cli "), std::string::npos);
    }
    EXPECT_FALSE(std::filesystem::exists(Path("a.dat")));
    EXPECT_EQ(Run({"dump"}).err, "vorlane-cli: dump takes 1 argument, not 0; usage: vorlane-cli dump FILE\n");
    EXPECT_EQ(Run({"resave", file}).err,
              "vorlane-cli: resave takes 2 arguments, not 1; usage: vorlane-cli resave IN OUT\n");
    // A command's own complaint about an argument takes the same form.
    EXPECT_TRUE(Run({"sort", file, "x", Path("a.dat")}).err.ends_with("; usage: vorlane-cli sort FILE KEY OUT\n"));
    EXPECT_NE(Run({"frobnicate"}).err.find("\"frobnicate\""), std::string::npos);
    EXPECT_EQ(Run({"--frobnicate"}).err.rfind("vorlane-cli: unknown option \"--frobnicate\"", 0), 0u);
}

TEST_F(UsageTest, HelpGoesToStandardOutput) {
    CliResult result = Run({"--help"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, "");
    for (const char* form : {"dump FILE", "resave IN OUT", "info FILE", "--version"})
        EXPECT_NE(result.out.find(form), std::string::npos) << form;
    std::istringstream lines(result.out);
    for (std::string line; std::getline(lines, line);) EXPECT_LE(line.size(), 80u) << line;
}

TEST_F(UsageTest, VersionIsOneLineWithTheProgramsName) {
    CliResult result = Run({"--version"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_TRUE(IsOneLine(result.out));
    EXPECT_EQ(result.out.rfind("vorlane-cli ", 0), 0u);
    EXPECT_TRUE(result.out.size() > 12 && std::isdigit(static_cast<unsigned char>(result.out[12]))) << result.out;
}

}  // namespace
}  // namespace vorlane::cli::test

// ---- sort ----

namespace vorlane::cli::test {
namespace {

class SortTest : public CliTest {};

TEST_F(SortTest, WritesTheRecordsInKeyOrderAndKeepsTies) {
    Database db;
    const char* paid[] = {"$10.00", "9.50", "", "$10", "abc"};
    for (int i = 0; i < 5; ++i) {
        db.records.push_back(ItemRecord{});
        db.records.back().Name = "wine " + std::to_string(i);
        db.records.back().Details[1] = paid[i];
    }
    ASSERT_TRUE(SaveDatabaseFile(db, Path("in.dat")).ok);
    CliResult result = Run({"sort", Path("in.dat"), "12", Path("out.dat")});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    Database sorted;
    ASSERT_EQ(DecodeDatabase(ReadBytes(Path("out.dat")), "out.dat", sorted), ReadStatus::Loaded);
    std::vector<std::string> names;
    for (const auto& r : sorted.records) names.push_back(r.Name);
    // "" and "abc" are both 0; "$10.00" and "$10" tie and keep their order.
    EXPECT_EQ(names, (std::vector<std::string>{"wine 2", "wine 4", "wine 1", "wine 0", "wine 3"}));
}

TEST_F(SortTest, RefusesKeysOutsideTheRange) {
    Database db;
    db.records.push_back(ItemRecord{});
    ASSERT_TRUE(SaveDatabaseFile(db, Path("in.dat")).ok);
    for (const char* key : {"0", "22", "x", "1x", ""}) {
        CliResult result = Run({"sort", Path("in.dat"), key, Path("out.dat")});
        EXPECT_EQ(result.exitCode, 1) << key;
        EXPECT_TRUE(IsOneLine(result.err)) << key;
        EXPECT_FALSE(std::filesystem::exists(Path("out.dat")));
    }
    CliResult bad = Run({"sort", Path("missing.dat"), "21", Path("out.dat")});
    EXPECT_EQ(bad.exitCode, 2);
}

}  // namespace
}  // namespace vorlane::cli::test
