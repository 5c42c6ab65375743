#pragma once
// The album's pages: how many pictures across and down, which record sits
// in each cell of the page shown, paging, and where a picture is drawn
// inside its cell.

#include <string>
#include <vector>

#include "storage/record.h"

namespace vorlane {

inline constexpr int kAlbumMaxSide = 9;
inline constexpr int kAlbumLabelHeight = 20;
inline constexpr int kPlaceholderSide = 105;

class AlbumPages {
public:
    // "Rows" counts the pictures across the page and "Cols" those down it.
    int rows() const { return rows_; }
    int cols() const { return cols_; }
    int page() const { return page_; }
    int pageCount() const;
    std::size_t shownCount() const { return shown_; }

    // Each keeps its counter within 1 ... 9; true when it changed.
    bool MoreRows() { return step(rows_, 1); }
    bool LessRows() { return step(rows_, -1); }
    bool MoreCols() { return step(cols_, 1); }
    bool LessCols() { return step(cols_, -1); }

    // Activation raises the page to 1; "Mode" starts again at 1.
    void RaiseToFirstPage() { page_ = std::max(page_, 1); }
    void FirstPage() { page_ = 1; }
    void Next() { ++page_; }
    void Previous() { --page_; }

    // Places the records of the page; a page past the end falls back to the
    // last page that holds records (0 when no record is shown).
    void Build(const RecordList& records, int mode);

    // The record position in a cell (column across, row down); -1 for an empty cell.
    int RecordAt(int column, int row) const;
    bool nextEnabled() const { return shown_ > static_cast<std::size_t>(perPage()) * static_cast<std::size_t>(page_); }
    bool previousEnabled() const { return page_ > 1; }

    std::string PageLabel() const;  // "Page 1 of 3"
    std::string SizeLabel() const;  // "3 X 3"

private:
    int perPage() const { return rows_ * cols_; }
    static bool step(int& counter, int by);

    int rows_ = 3;
    int cols_ = 3;
    int page_ = 0;
    std::size_t shown_ = 0;
    std::vector<int> cells_;  // across * down, row by row
};

// Album records: all in mode 1, the records chosen in the spreadsheet's
// browse panel in mode 3, the search list otherwise.
bool InAlbum(const ItemRecord& record, int mode);
// "Album View (Searched Records)" in mode 2, "Album View (Selected Records)"
// in mode 3, "Album View (All Records)" otherwise.
std::string AlbumCaption(int mode);
// The mode after "Mode": 1 becomes 2, anything else 1.
inline int NextAlbumMode(int mode) { return mode == 1 ? 2 : 1; }
// "7: Chablis"
std::string AlbumLabel(const ItemRecord& record, int index);

// A side of a cell: the grid's side shared out, halves rounded to even, less 2.
int AlbumCellSide(int gridSide, int count);

struct AlbumRect {
    int x = 0, y = 0, width = 0, height = 0;
    bool operator==(const AlbumRect&) const = default;
};
struct AlbumDraw {
    AlbumRect source;  // in the picture
    AlbumRect target;  // in the cell
    bool operator==(const AlbumDraw&) const = default;
};
// A picture's size scaled down, proportions kept, to fit within maxWidth by
// maxHeight; never scaled up.
AlbumRect FittedPicture(int width, int height, int maxWidth, int maxHeight);
// The largest side a picture is kept at for the album and the spreadsheet:
// a phone photo is decoded once and shown scaled down, never at full size.
inline constexpr int kShownPictureSide = 640;
inline constexpr int kGridPictureSide = 200;

// Which part of a picture goes where in its cell. A picture larger than the
// cell is scaled down whole, proportions kept, to fit it (the placeholder
// fills the cell); auto-size scales any picture to the whole cell; a label
// takes the top strip.
AlbumDraw AlbumPlacement(int pictureWidth, int pictureHeight, int cellWidth, int cellHeight, bool autoSize,
                         bool label, bool placeholder);

}  // namespace vorlane
