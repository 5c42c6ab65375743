#include "reports/ui/page_painter.h"

#include <QFontMetricsF>
#include <algorithm>

#include "storage/cp1252.h"

namespace vorlane {

namespace {
QString Text(const std::string& bytes) { return QString::fromStdString(Cp1252ToUtf8(bytes)); }
QColor Color(Rgb c) { return ReportQColor(c); }
QRect Rect(const TwipRect& r) { return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top); }
constexpr int kThinPen = 10;  // twips
}  // namespace

QColor ReportQColor(Rgb c) {
    return QColor(static_cast<int>((c >> 16) & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>(c & 0xFF));
}

Rgb ReportRgb(const QColor& c) { return static_cast<Rgb>(c.red() << 16 | c.green() << 8 | c.blue()); }

QFont ReportQFont(const ReportFont& font) {
    QFont f(QString::fromStdString(Cp1252ToUtf8(font.name)));
    f.setPixelSize(20 * font.size);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    f.setStrikeOut(font.strikeOut);
    return f;
}

PainterCanvas::PainterCanvas(QPainter& painter) : painter_(painter) {
    painter_.setPen(QPen(Qt::black, kThinPen));
}

void PainterCanvas::SetFont(const ReportFont& font) {
    painter_.setFont(ReportQFont(font));
    textColor_ = Color(font.color);
}

void PainterCanvas::SetBrush(std::optional<Rgb> color) { brush_ = color; }

void PainterCanvas::FillRect(const TwipRect& rect) {
    if (brush_) painter_.fillRect(Rect(rect), Color(*brush_));
}

void PainterCanvas::TextOut(int x, int y, const std::string& text) {
    const QString t = Text(text);
    QRectF bounds = painter_.boundingRect(QRectF(x, y, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, t);
    if (brush_) painter_.fillRect(bounds, Color(*brush_));
    painter_.save();
    painter_.setPen(textColor_);
    painter_.drawText(bounds, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, t);
    painter_.restore();
}

void PainterCanvas::TextRect(const TwipRect& rect, int x, int y, const std::string& text) {
    FillRect(rect);
    const QRect cell = Rect(rect);
    const QFontMetricsF metrics(painter_.font());
    // The strip is shorter than the font's ascent plus descent: the text rises
    // so that its descenders stay inside the strip, which the next line's
    // fill does not cover; only the left and right edges clip.
    const double baseline = y + std::min(metrics.ascent(), std::max(0.0, cell.bottom() + 1 - y - metrics.descent()));
    // Only the characters that fit whole are drawn, so that text extracted
    // from a PDF never runs into the neighbouring cell.
    QString shown = Text(text);
    double room = cell.right() + 1 - x;
    if (metrics.horizontalAdvance(shown) > room) {
        // A cut text keeps a blank's width from the edge, so it never touches the next cell's.
        room -= metrics.horizontalAdvance(QLatin1Char(' '));
        qsizetype fits = 0, over = shown.size();  // the longest start that fits lies in [fits, over)
        while (over - fits > 1) {
            const qsizetype middle = (fits + over) / 2;
            (metrics.horizontalAdvance(shown.left(middle)) <= room ? fits : over) = middle;
        }
        shown.truncate(fits);
    }
    if (shown.isEmpty()) return;
    painter_.save();
    painter_.setClipRect(QRect(cell.left(), y - cell.height(), cell.width(), 3 * cell.height()), Qt::IntersectClip);
    painter_.setPen(textColor_);
    painter_.drawText(QPointF(x, baseline), shown);
    painter_.restore();
}

void PainterCanvas::Line(int x1, int y1, int x2, int y2) {
    painter_.save();
    painter_.setPen(QPen(Qt::black, kThinPen));
    painter_.drawLine(x1, y1, x2, y2);
    painter_.restore();
}

int QtTextMeasurer::TextWidth(const ReportFont& font, std::string_view text) const {
    return static_cast<int>(QFontMetricsF(ReportQFont(font)).horizontalAdvance(Text(std::string(text))) + 0.5);
}

void PaintReportPage(QPainter& painter, const RecordedPage& page, const Margins& m, int pageWidthInches,
                     int pageHeightInches) {
    painter.save();
    painter.translate(m.left, m.top);
    painter.setClipRect(QRect(0, 0, pageWidthInches * kTwipsPerInch - m.left - m.right,
                              pageHeightInches * kTwipsPerInch - m.top - m.bottom));
    PainterCanvas canvas(painter);
    page.PlayOn(canvas);
    painter.restore();
}

}  // namespace vorlane
