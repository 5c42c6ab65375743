#include "widgets/icon_drawing.h"

#include <QPainterPath>
#include <QPen>

namespace vorlane::icons {

void page(QPainter& p, QRectF r) {
    p.setPen(QPen(kInk, 1.6));
    p.setBrush(kPaper);
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - 6, r.top());
    path.lineTo(r.right(), r.top() + 6);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.drawPath(path);
}

}  // namespace vorlane::icons
