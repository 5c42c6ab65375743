#include "test_cellar.h"

#include "storage/new_record.h"
#include "storage/scramble.h"

namespace vorlane::cli::test {

namespace {
std::string Repeat(const std::string& piece, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += piece;
    return out;
}
}  // namespace

std::string LongCp1252() { return Repeat("Ch\xE2teau \x80 ", 30); }
std::string LongUtf8() { return Repeat("Château € ", 30); }

IngredientsTable FullIngredients() {
    IngredientsTable table;
    const char* headings[] = {"Ingredients", "Quantity", "Measure", "Notes"};
    for (int row = 0; row < 100; ++row) {
        for (int column = 0; column < 4; ++column) {
            std::string text = row == 0 ? headings[column]
                                        : "Ros\xE9 " + std::to_string(column) + "/" + std::to_string(row);
            table.cells.push_back({column, row, text});
        }
    }
    table.cells[5].text = "two, commas, here";        // column 1, row 1
    table.cells[6].text = "first line\r\nsecond line";  // column 2, row 1
    return table;
}

Database RichCellar() {
    Database db;
    db.readPassword = Scramble(kReadPassword);
    db.savePassword = Scramble(kSavePassword);
    db.info = {"Cave \xE0 vin", "Ren\xE9 Dupont", LongCp1252(), "Beaune", "France",
               "21200", "+33 1", "+33 2", "rene@example.org", "http://example.org/cave"};
    db.notes = {"Bought the lot in 1998", "", "Prix moyen 12 \x80"};
    for (int i = 0; i < kLabelCount; ++i) db.labels[static_cast<std::size_t>(i)] = "Label " + std::to_string(i) + " \xE9";
    db.valueTrees[0] = "France\r\n\tBordeaux\r\n\t\tM\xE9" "doc\r\n\tBourgogne\r\nItaly\r\n";
    db.valueTrees[1] = "Red\r\nRos\xE9\r\nWhite\r\n";
    db.valueTrees[9] = LongCp1252().substr(0, 255) + "\r\n";  // the longest item text a tree holds

    ItemRecord full = MakeNewRecord(db.records, "2024/05/17");
    full.Id = "ABCD1234";
    full.Name = "Ch\xE2teau Margaux";
    for (int i = 0; i < kDetailCount; ++i) full.Details[static_cast<std::size_t>(i)] = "detail " + std::to_string(i);
    full.Details[1] = "\x80 45.50";
    full.Details[7] = LongCp1252();
    for (int k = 1; k <= kDescriptionCount; ++k) full.Description(k) = "value " + std::to_string(k);
    full.Description(1) = "M\xE9" "doc : Bordeaux : France";
    full.Description(2) = "Ros\xE9";
    full.Ingredients = EncodeIngredients(FullIngredients());
    full.NoteLists[0] = {"oak", "\x91" "big\x92"};
    full.NoteLists[1] = {"lamb"};
    full.NoteLists[2] = {LongCp1252(), "second note"};
    full.Links = {"http://example.org/margaux", "http://example.org/1995"};
    full.EmailAddresses = {"<a href=\"mailto:shop@example.org\">Caviste Andr\xE9</a>"};
    full.Images[0] = {"/home/rene/pictures/label.jpg", "Front \xE9tiquette", true};
    full.Images[3] = {"/home/rene/pictures/back.png", "Back", false};
    full.Images[5].Flag = true;
    full.Reserved = "kept \x81\x8D\x8F\x90\x9D";
    full.Tested = true;
    full.Untested = true;
    db.records.push_back(full);

    db.records.push_back(MakeNewRecord(db.records, "2024/05/18"));

    ItemRecord locked = MakeNewRecord(db.records, "2024/05/19");
    locked.ReadOnly = true;
    locked.Favorite = true;
    db.records.push_back(locked);
    return db;
}

}  // namespace vorlane::cli::test
