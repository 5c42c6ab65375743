#pragma once
// Text and pictures laid out on printed pages: lines broken to the page's
// width, pages of lines, and a window's picture fitted to the page.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vorlane {

inline constexpr const char* kFormPrintedMessage = "Form sent to Printer.";

// The lines of a memo: line breaks are CR LF, LF or CR; a break at the very
// end does not start another line, so an empty memo has none.
std::vector<std::string> MemoLines(std::string_view text);

// A cell may hold line breaks of its own; on paper each part gets a line.
std::vector<std::string> PrintedLines(const std::vector<std::string>& lines);

// A line wider than the page goes on over as many printed lines as it
// needs rather than being cut off: broken at the last blank that fits, or
// inside a word that is wider than the page by itself. widthOf measures a
// piece of text in the same units as width.
std::vector<std::string> WrapLine(const std::string& line, int width,
                                  const std::function<int(std::string_view)>& widthOf);

// How many lines of lineHeight fit on a page of pageHeight (at least one,
// so that every line gets printed somewhere).
int LinesPerPage(int pageHeight, int lineHeight);

// lines cut into pages of at most linesPerPage lines.
std::vector<std::vector<std::string>> PaginateLines(const std::vector<std::string>& lines, int linesPerPage);

struct PictureSize {
    int width;
    int height;
    bool operator==(const PictureSize&) const = default;
};

// A window picture on a page, placed at the top-left corner: on a page
// narrower than high it takes the page's width, otherwise the page's height;
// the other side keeps the picture's proportions.
PictureSize FitPictureToPage(int pictureWidth, int pictureHeight, int pageWidth, int pageHeight);

}  // namespace vorlane
