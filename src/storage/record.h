#pragma once
// One wine: the record every window reads and edits in place.

#include <array>
#include <string>
#include <vector>

namespace vorlane {

constexpr int kDetailCount = 10;       // details 0 ... 9
constexpr int kDescriptionCount = 10;  // descriptions 1 ... 10, stored at [0 ... 9]
constexpr int kImageCount = 6;
constexpr int kNoteListCount = 3;      // Keywords, Food Pairing, Notes

struct ImageRecord {
    std::string FileName;
    std::string Title;
    bool Flag = false;
    bool operator==(const ImageRecord&) const = default;
};

struct ItemRecord {
    std::string Id;
    bool ReadOnly = false;
    std::string Name;
    std::array<std::string, kDetailCount> Details;
    std::array<std::string, kDescriptionCount> Descriptions;
    std::array<ImageRecord, kImageCount> Images;
    std::string Reserved;
    bool Favorite = false;
    bool Tested = false;
    bool Untested = false;
    std::array<std::vector<std::string>, kNoteListCount> NoteLists;
    std::vector<std::string> Links;
    std::vector<std::string> EmailAddresses;
    std::string Ingredients;  // the grid's text block, raw bytes

    // Memory only: never written to a file.
    bool OnSearchList = false;
    bool PreviouslyListed = false;
    bool BrowseMatch = false;
    int SpreadsheetRow = -1;

    // Description k (1 ... 10).
    std::string& Description(int k) { return Descriptions[static_cast<std::size_t>(k - 1)]; }
    const std::string& Description(int k) const { return Descriptions[static_cast<std::size_t>(k - 1)]; }

    void clearMemoryFlags() {
        OnSearchList = PreviouslyListed = BrowseMatch = false;
        SpreadsheetRow = -1;
    }

    // Everything a file carries; memory-only flags are not compared.
    bool sameStoredContent(const ItemRecord& other) const;
};

using RecordList = std::vector<ItemRecord>;

}  // namespace vorlane
