#include "reports/preview_scale.h"

#include <cmath>

#include "reports/report_numbers.h"

namespace vorlane {

namespace {
int RoundEven(double v) { return static_cast<int>(std::nearbyint(v)); }

double Inches(int whole, int marginA, int marginB, bool showMargins) {
    return showMargins ? whole : whole - static_cast<double>(marginA + marginB) / kTwipsPerInch;
}
}  // namespace

std::optional<int> ZoomScale(const std::string& zoom, const PreviewGeometry& g) {
    const double w = Inches(g.pageWidth, g.margins.left, g.margins.right, g.showMargins);
    const double h = Inches(g.pageHeight, g.margins.top, g.margins.bottom, g.showMargins);
    const int P = g.screenDpi;
    long long s = 0;
    if (zoom == "Fit Both") s = h > 0 ? RoundEven((g.windowHeight - 45) / h) : 4;
    else if (zoom == "Fit Width") s = w > 0 ? RoundEven((g.windowWidth - 50) / w) : 4;
    else if (zoom == "200") s = 2 * P;
    else if (zoom == "150") s = 3 * P / 2;
    else if (zoom == "100") s = P;
    else if (zoom == "50") s = P / 2;
    else if (zoom == "25") s = P / 4;
    else {
        long long z = 0;
        if (!ReadWholeText(zoom, z) || z > 100000 || z < -100000) return std::nullopt;
        s = z * P / 100;
    }
    s -= s % 4;
    // A scale below 4 would draw no page and a grid of step 0.
    return static_cast<int>(s < 4 ? 4 : s);
}

PageBox PreviewPageBox(int s, const PreviewGeometry& g) {
    PageBox box;
    if (g.showMargins) {
        box.width = s * g.pageWidth;
        box.height = s * g.pageHeight;
    } else {
        box.width = RoundEven(Inches(g.pageWidth, g.margins.left, g.margins.right, false) * s);
        box.height = RoundEven(Inches(g.pageHeight, g.margins.top, g.margins.bottom, false) * s);
    }
    box.left = g.windowWidth - box.width < 21 ? 10 : (g.windowWidth - box.width) / 2 - 12;
    return box;
}

Margins MarginPixels(int s, const Margins& m) {
    auto px = [s](int twips) { return RoundEven(static_cast<double>(twips) * s / kTwipsPerInch); };
    return {px(m.left), px(m.top), px(m.right), px(m.bottom)};
}

std::vector<int> GridPositions(int scale, int extent) {
    std::vector<int> positions;
    const int step = scale / 4;
    if (step < 1) return positions;
    for (int p = 0; p <= extent; p += step) positions.push_back(p);
    return positions;
}

}  // namespace vorlane
