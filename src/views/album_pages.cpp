#include "views/album_pages.h"

#include <algorithm>

namespace vorlane {

bool AlbumPages::step(int& counter, int by) {
    int next = std::clamp(counter + by, 1, kAlbumMaxSide);
    if (next == counter) return false;
    counter = next;
    return true;
}

int AlbumPages::pageCount() const {
    const auto s = static_cast<std::size_t>(perPage());
    return static_cast<int>((shown_ + s - 1) / s);
}

bool InAlbum(const ItemRecord& record, int mode) {
    return mode == 1 || (mode == 3 ? record.BrowseMatch : record.OnSearchList);
}

void AlbumPages::Build(const RecordList& records, int mode) {
    const auto s = static_cast<std::size_t>(perPage());
    shown_ = static_cast<std::size_t>(std::count_if(records.begin(), records.end(),
                                                    [mode](const ItemRecord& r) { return InAlbum(r, mode); }));
    // A page past the end falls back to the last one that holds records.
    while (page_ > 0 && shown_ < s * static_cast<std::size_t>(page_ - 1) + 1) --page_;
    cells_.assign(s, -1);
    if (page_ < 1) return;
    const std::size_t first = s * static_cast<std::size_t>(page_ - 1) + 1;
    std::size_t ordinal = 0, cell = 0;
    for (std::size_t i = 0; i < records.size() && cell < s; ++i) {
        if (!InAlbum(records[i], mode)) continue;
        if (++ordinal >= first) cells_[cell++] = static_cast<int>(i);
    }
}

int AlbumPages::RecordAt(int column, int row) const {
    if (column < 0 || row < 0 || column >= rows_ || row >= cols_) return -1;
    const auto at = static_cast<std::size_t>(row * rows_ + column);
    return at < cells_.size() ? cells_[at] : -1;
}

std::string AlbumPages::PageLabel() const {
    return "Page " + std::to_string(page_) + " of " + std::to_string(pageCount());
}

std::string AlbumPages::SizeLabel() const { return std::to_string(rows_) + " X " + std::to_string(cols_); }

std::string AlbumCaption(int mode) {
    return mode == 2 ? "Album View (Searched Records)" : mode == 3 ? "Album View (Selected Records)" : "Album View (All Records)";
}

std::string AlbumLabel(const ItemRecord& record, int index) { return std::to_string(index + 1) + ": " + record.Name; }

int AlbumCellSide(int gridSide, int count) {
    if (count < 1) return 0;
    int q = gridSide / count;
    const int twice = 2 * (gridSide % count);
    if (twice > count || (twice == count && q % 2 != 0)) ++q;
    return q - 2;
}

AlbumRect FittedPicture(int width, int height, int maxWidth, int maxHeight) {
    if (width <= 0 || height <= 0 || (width <= maxWidth && height <= maxHeight)) return {0, 0, width, height};
    // The tighter of the two directions decides, in exact integer arithmetic.
    if (static_cast<long long>(width) * maxHeight >= static_cast<long long>(height) * maxWidth)
        return {0, 0, maxWidth, std::max(1, static_cast<int>(static_cast<long long>(height) * maxWidth / width))};
    return {0, 0, std::max(1, static_cast<int>(static_cast<long long>(width) * maxHeight / height)), maxHeight};
}

AlbumDraw AlbumPlacement(int pictureWidth, int pictureHeight, int cellWidth, int cellHeight, bool autoSize,
                         bool label, bool placeholder) {
    AlbumDraw draw;
    draw.source = {0, 0, pictureWidth, pictureHeight};
    if (autoSize) {
        draw.target = {0, 0, cellWidth, cellHeight};
    } else {
        // The placeholder fills the cell when larger; a picture keeps its proportions.
        draw.target = placeholder ? AlbumRect{0, 0, std::min(pictureWidth, cellWidth), std::min(pictureHeight, cellHeight)}
                                  : FittedPicture(pictureWidth, pictureHeight, cellWidth, cellHeight);
    }
    if (label) {
        draw.target.y = kAlbumLabelHeight;
        // A picture that filled the cell's height is squeezed below the label.
        if (draw.target.height >= cellHeight) draw.target.height = std::max(0, cellHeight - kAlbumLabelHeight);
    }
    return draw;
}

}  // namespace vorlane
