#pragma once
// Report pages played onto a QPainter whose units are twips, and text
// widths measured with Qt's fonts.

#include <QColor>
#include <QFont>
#include <QPainter>

#include "reports/report_pages.h"

namespace vorlane {

// Report colours (0xRRGGBB) to and from Qt's.
QColor ReportQColor(Rgb color);
Rgb ReportRgb(const QColor& color);

// A font of s points is 20 s twips high: pixel sizes in twips.
QFont ReportQFont(const ReportFont& font);

class PainterCanvas : public PageCanvas {
public:
    explicit PainterCanvas(QPainter& painter);
    void SetFont(const ReportFont& font) override;
    void SetBrush(std::optional<Rgb> color) override;
    void FillRect(const TwipRect& rect) override;
    void TextOut(int x, int y, const std::string& text) override;
    void TextRect(const TwipRect& rect, int x, int y, const std::string& text) override;
    void Line(int x1, int y1, int x2, int y2) override;

private:
    QPainter& painter_;
    std::optional<Rgb> brush_;
    QColor textColor_ = Qt::black;
};

class QtTextMeasurer : public TextMeasurer {
public:
    int TextWidth(const ReportFont& font, std::string_view text) const override;
};

// The page's drawing with the margins' offset and the printable area's clip.
void PaintReportPage(QPainter& painter, const RecordedPage& page, const Margins& margins, int pageWidthInches,
                     int pageHeightInches);

}  // namespace vorlane
