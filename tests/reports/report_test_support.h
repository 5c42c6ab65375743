#pragma once
// A text measurer with fixed widths and a canvas that keeps the cells drawn.

#include <string>
#include <vector>

#include "reports/report_pages.h"

namespace vorlane::testing {

class FixedWidthMeasurer : public TextMeasurer {
public:
    int TextWidth(const ReportFont& font, std::string_view text) const override {
        return static_cast<int>(text.size()) * font.size * 10;
    }
};

struct DrawnCell {
    std::string text;
    int x, y;
};

// Keeps the texts of cells (clipped texts) and of free texts.
class CellCanvas : public PageCanvas {
public:
    std::vector<DrawnCell> cells, texts;
    void SetFont(const ReportFont&) override {}
    void SetBrush(std::optional<Rgb>) override {}
    void FillRect(const TwipRect&) override {}
    void TextOut(int x, int y, const std::string& t) override { texts.push_back({t, x, y}); }
    void TextRect(const TwipRect&, int x, int y, const std::string& t) override { cells.push_back({t, x, y}); }
    void Line(int, int, int, int) override {}

    // Cell texts grouped by line (same y), in drawing order.
    std::vector<std::vector<std::string>> Lines() const {
        std::vector<std::vector<std::string>> lines;
        int y = -1;
        for (const auto& c : cells) {
            if (lines.empty() || c.y != y) lines.emplace_back();
            y = c.y;
            lines.back().push_back(c.text);
        }
        return lines;
    }
};

}  // namespace vorlane::testing
