// Report cells as they reach paper: whole letters, nothing past a cell's edge.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <functional>

#include "reports/ui/page_painter.h"

namespace vorlane {
namespace {

int Ink(const QImage& image, int fromX = 0) {
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = fromX; x < image.width(); ++x) dark += qGray(image.pixel(x, y)) < 128;
    return dark;
}

// One twip to the pixel: a 10-point line is 210 pixels high.
QImage Page(const std::function<void(PainterCanvas&)>& draw) {
    QImage image(2400, 700, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PainterCanvas canvas(painter);
    canvas.SetFont(ReportFont{});
    canvas.SetBrush(kWhite);
    draw(canvas);
    return image;
}

TEST(PagePainterTest, ALineKeepsItsDescendersUnderTheNextLinesFill) {
    const int line = 21 * ReportFont{}.size;
    const QImage drawn = Page([&](PainterCanvas& canvas) {
        canvas.TextRect({0, 0, 2400, line + 2}, 0, 0, "gjpqy");
        canvas.TextRect({0, line, 2400, 2 * line + 2}, 0, line, "");  // the next line's cell
    });
    const QImage free = Page([&](PainterCanvas& canvas) { canvas.TextOut(0, 0, "gjpqy"); });
    EXPECT_GT(Ink(drawn), Ink(free) * 95 / 100);
}

TEST(PagePainterTest, TextStopsAtItsCellsRightEdge) {
    const QImage drawn = Page([](PainterCanvas& canvas) {
        canvas.TextRect({0, 0, 1000, 212}, 0, 0, "Chablis Premier Cru Vaillons");
    });
    EXPECT_GT(Ink(drawn), 0);
    EXPECT_EQ(Ink(drawn, 1000), 0);
}

}  // namespace
}  // namespace vorlane
