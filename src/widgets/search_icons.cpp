#include "widgets/search_icons.h"

#include "widgets/icon_drawing.h"
#include "widgets/tool_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#include <cmath>

namespace vorlane {

using namespace icons;

namespace {

const QColor kFolder(0xf3, 0xc9, 0x6b);

void magnifier(QPainter& p, QPointF centre, qreal radius) {
    p.setPen(QPen(kInk, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre + QPointF(radius * 0.7, radius * 0.7), centre + QPointF(radius * 1.7, radius * 1.7));
    p.setPen(QPen(kInk, 1.8));
    p.setBrush(QColor(0xd8, 0xe9, 0xf7));
    p.drawEllipse(centre, radius, radius);
}

void arrow(QPainter& p, QPointF from, QPointF to, const QColor& colour) {
    p.setPen(QPen(colour, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(from, to);
    QPointF d = to - from;
    qreal length = std::hypot(d.x(), d.y());
    if (length <= 0) return;
    QPointF unit = d / length;
    QPointF normal(-unit.y(), unit.x());
    p.drawLine(to, to - unit * 5 + normal * 4);
    p.drawLine(to, to - unit * 5 - normal * 4);
}

void draw(QPainter& p, SearchIcon kind) {
    switch (kind) {
        case SearchIcon::LoadSearch: {
            p.setPen(QPen(kInk, 1.5));
            p.setBrush(kFolder);
            QPolygonF folder;
            folder << QPointF(2, 9) << QPointF(10, 9) << QPointF(13, 12) << QPointF(24, 12) << QPointF(24, 27)
                   << QPointF(2, 27);
            p.drawPolygon(folder);
            magnifier(p, QPointF(19, 15), 6);
            break;
        }
        case SearchIcon::SaveSearch:
            p.setPen(QPen(kInk, 1.5));
            p.setBrush(kAccent);
            p.drawRoundedRect(QRectF(2, 6, 21, 21), 2, 2);
            p.setBrush(kPaper);
            p.drawRect(QRectF(7, 6, 11, 7));
            p.drawRect(QRectF(6, 18, 13, 9));
            magnifier(p, QPointF(21, 11), 6);
            break;
        case SearchIcon::ExtractList:
            page(p, QRectF(3, 4, 18, 24));
            p.setPen(QPen(kInk, 1.4));
            for (int i = 0; i < 3; ++i) p.drawLine(QPointF(7, 12 + i * 4), QPointF(16, 12 + i * 4));
            arrow(p, QPointF(14, 22), QPointF(29, 22), kGreen);
            break;
        case SearchIcon::MainWindow:
            p.setPen(QPen(kInk, 1.5));
            p.setBrush(kPaper);
            p.drawRoundedRect(QRectF(3, 5, 26, 22), 2, 2);
            p.setBrush(kWine);
            p.drawRect(QRectF(3, 5, 26, 5));
            p.setBrush(QColor(0xd8, 0xe9, 0xf7));
            p.drawRect(QRectF(6, 13, 8, 11));
            p.setPen(QPen(kInk, 1.4));
            for (int i = 0; i < 3; ++i) p.drawLine(QPointF(17, 15 + i * 4), QPointF(26, 15 + i * 4));
            break;
    }
}

}  // namespace

QIcon MakeSearchIcon(SearchIcon kind) {
    return IconFromDrawing([kind](QPainter& painter) { draw(painter, kind); });
}

}  // namespace vorlane
