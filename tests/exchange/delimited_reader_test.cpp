#include "exchange/delimited_reader.h"

#include <gtest/gtest.h>

namespace vorlane {
namespace {

using Fields = std::vector<std::string>;

TEST(DelimitedReader, SniffsTheDelimiterAndReadsQuotes) {
    const struct { std::string text; char delimiter; std::vector<Fields> rows; std::vector<std::size_t> lines; } cases[] = {
        {"a,b;c\r\n1,2;3\r\n", ',', {{"a", "b;c"}, {"1", "2;3"}}, {1, 2}},
        {"a;b;\"c,d;e\"\n1;2;3", ';', {{"a", "b", "c,d;e"}, {"1", "2", "3"}}, {1, 2}},
        {"a\tb\n\n\n\"x\"\"y\"\t\"two\nlines\"\nz\t", '\t', {{"a", "b"}, {"x\"y", "two\nlines"}, {"z", ""}}, {1, 4, 6}},
        {"\"a,b\",c\n", ',', {{"a,b", "c"}}, {1}},
    };
    for (const auto& c : cases) {
        const DelimitedText t = ReadDelimitedText(c.text, "f.csv");
        ASSERT_EQ(t.refusal, "") << c.text;
        EXPECT_EQ(t.delimiter, c.delimiter) << c.text;
        ASSERT_EQ(t.rows.size(), c.rows.size()) << c.text;
        for (std::size_t i = 0; i < c.rows.size(); ++i) {
            EXPECT_EQ(t.rows[i].fields, c.rows[i]) << c.text;
            EXPECT_EQ(t.rows[i].line, c.lines[i]) << c.text;
        }
    }
}

TEST(DelimitedReader, RefusesWhatIsNoDelimitedText) {
    const struct { std::string bytes, refusal; } cases[] = {
        {"  <!DOCTYPE html><html><body>Sign in</body></html>",
         "f.csv is a web page (HTML), not an export: perhaps a sign-in page was saved instead."},
        {std::string("\x7F" "ELF\0\0\1", 7), "f.csv is a binary file, not delimited text."},
        {"PK\x03\x04rest", "f.csv is a ZIP archive. Take the CSV file out of it (cellar.csv) and import that."},
        {"a,b\n1,\"open\n2,3\n", "f.csv: a quote opened on line 2 is never closed."},
        {"a\n" + std::string(kMaxImportFieldBytes + 1, 'x'), "f.csv: a field longer than 1 MB on line 2."},
        {"a\n" + std::string(kMaxImportColumns + 5, ','), "f.csv: more than 1000 columns on line 2."},
    };
    for (const auto& c : cases) {
        const DelimitedText t = ReadDelimitedText(c.bytes, "f.csv");
        EXPECT_EQ(t.refusal, c.refusal) << c.bytes.substr(0, 40);
        EXPECT_TRUE(t.rows.empty());
    }
}

TEST(DelimitedReader, ManyEmptyLinesTakeNoRows) {
    const DelimitedText t = ReadDelimitedText("a,b\n" + std::string(1'000'000, '\n') + "1,2\n", "f.csv");
    ASSERT_EQ(t.rows.size(), 2u);
    EXPECT_EQ(t.rows[1].line, 1'000'002u);
}

}  // namespace
}  // namespace vorlane
