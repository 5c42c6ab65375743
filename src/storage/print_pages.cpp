#include "storage/print_pages.h"

#include <algorithm>
#include <cmath>

namespace vorlane {

std::vector<std::string> MemoLines(std::string_view text) {
    std::vector<std::string> lines;
    std::string line;
    bool open = false;  // a line has been started since the last break
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(std::move(line));
            line.clear();
            open = false;
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            line += c;
            open = true;
        }
    }
    if (open) lines.push_back(std::move(line));
    return lines;
}

std::vector<std::string> PrintedLines(const std::vector<std::string>& lines) {
    std::vector<std::string> printed;
    for (const std::string& line : lines) {
        std::vector<std::string> parts = MemoLines(line);
        if (parts.empty()) parts.emplace_back();  // an empty line stays a line
        for (auto& part : parts) printed.push_back(std::move(part));
    }
    return printed;
}

std::vector<std::string> WrapLine(const std::string& line, int width,
                                  const std::function<int(std::string_view)>& widthOf) {
    std::vector<std::string> pieces;
    std::string_view rest = line;
    while (!rest.empty() && widthOf(rest) > width) {
        // The longest start of rest that fits; at least one character, so
        // that the loop always moves on.
        std::size_t low = 1, high = rest.size();
        while (low < high) {
            std::size_t mid = (low + high + 1) / 2;
            if (widthOf(rest.substr(0, mid)) <= width)
                low = mid;
            else
                high = mid - 1;
        }
        std::size_t fits = low;
        // The last blank at or just after the fitting part, when it has
        // something other than blanks before it.
        std::size_t cut = fits;
        bool atBlank = false;
        std::size_t blank = rest.substr(0, std::min(rest.size(), fits + 1)).find_last_of(' ');
        if (blank != std::string_view::npos && blank > 0 &&
            rest.substr(0, blank).find_first_not_of(' ') != std::string_view::npos) {
            cut = blank;
            atBlank = true;
        }
        std::string_view piece = rest.substr(0, cut);
        if (atBlank) piece = piece.substr(0, piece.find_last_not_of(' ') + 1);
        pieces.emplace_back(piece);
        rest.remove_prefix(cut);
        std::size_t next = rest.find_first_not_of(' ');
        rest.remove_prefix(next == std::string_view::npos ? rest.size() : next);  // no line starts with the break's blanks
    }
    if (!rest.empty() || pieces.empty()) pieces.emplace_back(rest);
    return pieces;
}

int LinesPerPage(int pageHeight, int lineHeight) {
    if (lineHeight <= 0) return 1;
    return std::max(1, pageHeight / lineHeight);
}

std::vector<std::vector<std::string>> PaginateLines(const std::vector<std::string>& lines, int linesPerPage) {
    std::vector<std::vector<std::string>> pages;
    const std::size_t perPage = static_cast<std::size_t>(std::max(1, linesPerPage));
    for (std::size_t i = 0; i < lines.size(); i += perPage) {
        auto last = lines.begin() + static_cast<std::ptrdiff_t>(std::min(lines.size(), i + perPage));
        pages.emplace_back(lines.begin() + static_cast<std::ptrdiff_t>(i), last);
    }
    return pages;
}

PictureSize FitPictureToPage(int pictureWidth, int pictureHeight, int pageWidth, int pageHeight) {
    if (pictureWidth <= 0 || pictureHeight <= 0 || pageWidth <= 0 || pageHeight <= 0) return {0, 0};
    if (pageWidth < pageHeight) {
        double scale = static_cast<double>(pageWidth) / pictureWidth;
        return {pageWidth, static_cast<int>(std::lround(pictureHeight * scale))};
    }
    double scale = static_cast<double>(pageHeight) / pictureHeight;
    return {static_cast<int>(std::lround(pictureWidth * scale)), pageHeight};
}

}  // namespace vorlane
