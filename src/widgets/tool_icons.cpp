#include "widgets/tool_icons.h"

#include "widgets/icon_drawing.h"
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>

namespace vorlane {

using namespace icons;

namespace {


void triangle(QPainter& p, qreal x, qreal y, qreal w, qreal h, bool left, const QColor& fill) {
    QPolygonF t;
    if (left) t << QPointF(x + w, y) << QPointF(x, y + h / 2) << QPointF(x + w, y + h);
    else t << QPointF(x, y) << QPointF(x + w, y + h / 2) << QPointF(x, y + h);
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(fill);
    p.drawPolygon(t);
}

void magnifier(QPainter& p, QPointF centre, qreal radius) {
    p.setPen(QPen(kInk, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre + QPointF(radius * 0.7, radius * 0.7), centre + QPointF(radius * 1.8, radius * 1.8));
    p.setPen(QPen(kInk, 2));
    p.setBrush(QColor(0xd8, 0xe9, 0xf7));
    p.drawEllipse(centre, radius, radius);
}

void draw(QPainter& p, ToolIcon kind) {
    switch (kind) {
        case ToolIcon::PreviousRecord:
            triangle(p, 8, 6, 16, 20, true, kAccent);
            break;
        case ToolIcon::NextRecord:
            triangle(p, 8, 6, 16, 20, false, kAccent);
            break;
        case ToolIcon::PreviousSearch:
            triangle(p, 3, 8, 12, 16, true, kGreen);
            triangle(p, 15, 8, 12, 16, true, kGreen);
            break;
        case ToolIcon::NextSearch:
            triangle(p, 5, 8, 12, 16, false, kGreen);
            triangle(p, 17, 8, 12, 16, false, kGreen);
            break;
        case ToolIcon::NewRecord:
            page(p, QRectF(6, 3, 18, 24));
            p.setPen(QPen(kGreen, 3));
            p.drawLine(QPointF(22, 19), QPointF(22, 29));
            p.drawLine(QPointF(17, 24), QPointF(27, 24));
            break;
        case ToolIcon::CopyRecord:
            page(p, QRectF(4, 3, 16, 20));
            page(p, QRectF(12, 9, 16, 20));
            break;
        case ToolIcon::DeleteRecord:
            page(p, QRectF(5, 3, 18, 24));
            p.setPen(QPen(kWine, 3, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(17, 18), QPointF(27, 28));
            p.drawLine(QPointF(27, 18), QPointF(17, 28));
            break;
        case ToolIcon::InsertRecord:
            page(p, QRectF(8, 10, 18, 19));
            p.setPen(QPen(kGreen, 3, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(12, 2), QPointF(12, 16));
            p.drawLine(QPointF(7, 11), QPointF(12, 16));
            p.drawLine(QPointF(17, 11), QPointF(12, 16));
            break;
        case ToolIcon::Sort:
            p.setPen(Qt::NoPen);
            p.setBrush(kInk);
            for (int i = 0; i < 4; ++i) p.drawRect(QRectF(4, 5 + i * 6, 6 + i * 4, 3.5));
            p.setPen(QPen(kAccent, 2.5, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(25, 5), QPointF(25, 27));
            p.drawLine(QPointF(20, 22), QPointF(25, 27));
            p.drawLine(QPointF(30, 22), QPointF(25, 27));
            break;
        case ToolIcon::Related:
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(kAccent, 3));
            p.drawRoundedRect(QRectF(3, 11, 15, 10), 5, 5);
            p.setPen(QPen(kInk, 3));
            p.drawRoundedRect(QRectF(14, 11, 15, 10), 5, 5);
            break;
        case ToolIcon::PrintScreen:
            p.setPen(QPen(kInk, 1.6));
            p.setBrush(kPaper);
            p.drawRect(QRectF(9, 3, 14, 10));
            p.setBrush(QColor(0xc8, 0xcf, 0xda));
            p.drawRoundedRect(QRectF(3, 12, 26, 11), 2, 2);
            p.setBrush(kPaper);
            p.drawRect(QRectF(9, 20, 14, 9));
            break;
        case ToolIcon::Search:
            magnifier(p, QPointF(13, 13), 8);
            break;
        case ToolIcon::Album:
            p.setPen(QPen(kInk, 1.4));
            for (int r = 0; r < 2; ++r)
                for (int c = 0; c < 2; ++c) {
                    p.setBrush(r == c ? QColor(0xa9, 0xd0, 0xf5) : QColor(0xf3, 0xd9, 0x9b));
                    p.drawRect(QRectF(4 + c * 13, 4 + r * 13, 11, 11));
                }
            break;
        case ToolIcon::Graph:
            p.setPen(QPen(kInk, 1.6));
            p.drawLine(QPointF(4, 28), QPointF(29, 28));
            p.drawLine(QPointF(4, 28), QPointF(4, 3));
            p.setBrush(kAccent);
            p.drawRect(QRectF(8, 16, 5, 12));
            p.setBrush(kWine);
            p.drawRect(QRectF(15, 8, 5, 20));
            p.setBrush(kGreen);
            p.drawRect(QRectF(22, 13, 5, 15));
            break;
        case ToolIcon::Spreadsheet:
            p.setPen(QPen(kInk, 1.4));
            p.setBrush(kPaper);
            p.drawRect(QRectF(3, 5, 26, 22));
            p.setBrush(QColor(0xc8, 0xdc, 0xf0));
            p.drawRect(QRectF(3, 5, 26, 5.5));
            for (int i = 1; i < 4; ++i) p.drawLine(QPointF(3, 5 + i * 5.5), QPointF(29, 5 + i * 5.5));
            p.drawLine(QPointF(12, 5), QPointF(12, 27));
            p.drawLine(QPointF(20, 5), QPointF(20, 27));
            break;
        case ToolIcon::Report:
            page(p, QRectF(6, 3, 20, 26));
            p.setPen(QPen(kInk, 1.5));
            for (int i = 0; i < 4; ++i) p.drawLine(QPointF(10, 11 + i * 4), QPointF(22 - (i % 2) * 4, 11 + i * 4));
            break;
        case ToolIcon::Calculator:
            p.setPen(QPen(kInk, 1.5));
            p.setBrush(QColor(0xe4, 0xe7, 0xec));
            p.drawRoundedRect(QRectF(6, 3, 20, 26), 2, 2);
            p.setBrush(QColor(0xbf, 0xe3, 0xc4));
            p.drawRect(QRectF(9, 6, 14, 6));
            p.setPen(Qt::NoPen);
            p.setBrush(kInk);
            for (int r = 0; r < 3; ++r)
                for (int c = 0; c < 3; ++c) p.drawRect(QRectF(9 + c * 5, 15 + r * 4.5, 3.5, 3));
            break;
        case ToolIcon::Calendar:
            p.setPen(QPen(kInk, 1.5));
            p.setBrush(kPaper);
            p.drawRect(QRectF(4, 6, 24, 22));
            p.setBrush(kWine);
            p.drawRect(QRectF(4, 6, 24, 6));
            p.setPen(Qt::NoPen);
            p.setBrush(kInk);
            for (int r = 0; r < 3; ++r)
                for (int c = 0; c < 4; ++c) p.drawRect(QRectF(7 + c * 5.5, 15 + r * 4, 3, 2.5));
            break;
        case ToolIcon::CdPlayer: {
            QRadialGradient shine(QPointF(16, 16), 13);
            shine.setColorAt(0, QColor(0xe8, 0xe8, 0xf0));
            shine.setColorAt(1, QColor(0xa8, 0xb8, 0xd8));
            p.setPen(QPen(kInk, 1.4));
            p.setBrush(shine);
            p.drawEllipse(QPointF(16, 16), 13, 13);
            p.setBrush(kPaper);
            p.drawEllipse(QPointF(16, 16), 3.5, 3.5);
            break;
        }
        case ToolIcon::Save:
            p.setPen(QPen(kInk, 1.5));
            p.setBrush(kAccent);
            p.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
            p.setBrush(kPaper);
            p.drawRect(QRectF(9, 4, 14, 9));
            p.drawRect(QRectF(8, 18, 16, 10));
            break;
        case ToolIcon::Help: {
            p.setPen(QPen(kInk, 1.5));
            p.setBrush(kAccent);
            p.drawEllipse(QPointF(16, 16), 13, 13);
            QFont font = p.font();
            font.setBold(true);
            font.setPixelSize(20);
            p.setFont(font);
            p.setPen(Qt::white);
            p.drawText(QRectF(0, 0, 32, 32), Qt::AlignCenter, QStringLiteral("?"));
            break;
        }
        case ToolIcon::Exit:
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(kWine, 3, Qt::SolidLine, Qt::RoundCap));
            p.drawArc(QRectF(5, 6, 22, 22), 120 * 16, 300 * 16);
            p.drawLine(QPointF(16, 3), QPointF(16, 16));
            break;
    }
}

}  // namespace

QIcon IconFromDrawing(const std::function<void(QPainter&)>& drawing) {
    QIcon icon;
    for (int size : {16, 24, 32, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / 32.0, size / 32.0);
        drawing(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

namespace {

// The freedesktop icon name that means the same, or none where the naming
// standard has nothing that fits.
const char* ThemeName(ToolIcon kind) {
    switch (kind) {
        case ToolIcon::PreviousRecord: return "go-previous";
        case ToolIcon::NextRecord: return "go-next";
        case ToolIcon::NewRecord: return "document-new";
        case ToolIcon::CopyRecord: return "edit-copy";
        case ToolIcon::DeleteRecord: return "edit-delete";
        case ToolIcon::InsertRecord: return "edit-paste";
        case ToolIcon::Sort: return "view-sort-ascending";
        case ToolIcon::PrintScreen: return "document-print";
        case ToolIcon::Search: return "system-search";
        case ToolIcon::Calculator: return "accessories-calculator";
        case ToolIcon::Calendar: return "x-office-calendar";
        case ToolIcon::CdPlayer: return "media-optical";
        case ToolIcon::Save: return "document-save";
        case ToolIcon::Help: return "help-contents";
        case ToolIcon::Exit: return "application-exit";
        default: return nullptr;
    }
}

}  // namespace

QIcon MakeToolIcon(ToolIcon kind) {
    QIcon drawn = IconFromDrawing([kind](QPainter& painter) { draw(painter, kind); });
    const char* name = ThemeName(kind);
    return name ? QIcon::fromTheme(QString::fromLatin1(name), drawn) : drawn;
}

}  // namespace vorlane
