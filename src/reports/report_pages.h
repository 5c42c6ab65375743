#pragma once
// The report paginator: a report drawn in twips (1/1440 inch) from the top
// left of the printable area, recorded page by page so that the preview,
// the printer and a PDF file all play back the same drawing.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "reports/report_style.h"

namespace vorlane {

constexpr int kTwipsPerInch = 1440;

struct TwipRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const TwipRect&) const = default;
};

// What a page is drawn on: the program's painter, a PDF, or a test.
class PageCanvas {
public:
    virtual ~PageCanvas() = default;
    virtual void SetFont(const ReportFont& font) = 0;
    // nullopt: clear brush (no fill, text drawn transparent).
    virtual void SetBrush(std::optional<Rgb> color) = 0;
    virtual void FillRect(const TwipRect& rect) = 0;
    virtual void TextOut(int x, int y, const std::string& text) = 0;
    // Text from (x, y) clipped to rect; rect first filled when the brush is solid.
    virtual void TextRect(const TwipRect& rect, int x, int y, const std::string& text) = 0;
    virtual void Line(int x1, int y1, int x2, int y2) = 0;
};

// Widths in twips of a text in a font at 1440 units per inch.
class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    virtual int TextWidth(const ReportFont& font, std::string_view text) const = 0;
};

struct PageOp {
    enum class Kind { Font, Brush, ClearBrush, Fill, Text, ClippedText, Line } kind;
    TwipRect rect;  // Fill, ClippedText; Line from (left, top) to (right, bottom)
    int x = 0, y = 0;
    std::string text;
    ReportFont font;
    Rgb color = kWhite;
};

struct RecordedPage {
    std::vector<PageOp> ops;
    void PlayOn(PageCanvas& canvas) const;
};

struct Margins {
    int left = 0, top = 0, right = 0, bottom = 0;  // twips
};

// Named TRKPrinter in the window that shows it.
class ReportPages : public PageCanvas {
public:
    ReportPages(int pageWidthInches, int pageHeightInches, const TextMeasurer& measurer)
        : pageWidth_(pageWidthInches), pageHeight_(pageHeightInches), measurer_(measurer) {}

    void Reset();
    int NewPage();  // 0 once finished
    void Finish() { finished_ = true; }
    bool finished() const { return finished_; }
    int PageCount() const { return static_cast<int>(pages_.size()); }
    // Only once finished and for 1 ... PageCount.
    const RecordedPage* Page(int n) const;

    int pageWidth() const { return pageWidth_; }    // whole inches
    int pageHeight() const { return pageHeight_; }  // whole inches
    void SetMargins(const Margins& m) { margins_ = m; }
    const Margins& margins() const { return margins_; }

    const ReportFont& Font() const { return font_; }
    int TextWidth(std::string_view text) const { return measurer_.TextWidth(font_, text); }

    void SetFont(const ReportFont& font) override;
    void SetBrush(std::optional<Rgb> color) override;
    void FillRect(const TwipRect& rect) override;
    void TextOut(int x, int y, const std::string& text) override;
    void TextRect(const TwipRect& rect, int x, int y, const std::string& text) override;
    void Line(int x1, int y1, int x2, int y2) override;

private:
    void Record(PageOp op);
    int pageWidth_, pageHeight_;
    const TextMeasurer& measurer_;
    std::vector<RecordedPage> pages_;
    bool finished_ = false;
    Margins margins_;
    ReportFont font_;
};

}  // namespace vorlane
