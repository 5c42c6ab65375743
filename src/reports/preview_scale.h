#pragma once
// The preview's arithmetic: zoom scales, the page box and the grid lines.

#include <optional>
#include <string>
#include <vector>

#include "reports/report_pages.h"

namespace vorlane {

inline const std::vector<std::string>& ZoomEntries() {
    static const std::vector<std::string> entries = {"Fit Both", "Fit Width", "200", "150", "100", "50", "25"};
    return entries;
}

struct PreviewGeometry {
    int screenDpi = 96;
    int windowWidth = 0, windowHeight = 0;  // pixels
    int pageWidth = 0, pageHeight = 0;      // whole inches
    Margins margins;
    bool showMargins = true;
};

// Screen pixels per inch of paper for a zoom entry or a typed percentage,
// lowered to a multiple of 4 (never below 4); nullopt when the text is no
// entry and no whole number.
std::optional<int> ZoomScale(const std::string& zoom, const PreviewGeometry& g);

struct PageBox {
    int left = 0, width = 0, height = 0;
};
PageBox PreviewPageBox(int scale, const PreviewGeometry& g);

// Margin widths in pixels: left, top, right, bottom.
Margins MarginPixels(int scale, const Margins& twips);

// Grid line positions 0, step, 2 step ... up to extent; none for a step below 1.
std::vector<int> GridPositions(int scale, int extent);

}  // namespace vorlane
