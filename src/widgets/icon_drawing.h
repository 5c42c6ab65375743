#pragma once
// The palette and shapes the drawn toolbar pictures share.

#include <QColor>
#include <QPainter>
#include <QRectF>

namespace vorlane::icons {

inline const QColor kInk(0x2b, 0x3a, 0x55);
inline const QColor kPaper(0xfb, 0xfb, 0xf7);
inline const QColor kAccent(0x2f, 0x7d, 0xc4);
inline const QColor kWine(0x8e, 0x1b, 0x3a);
inline const QColor kGreen(0x2e, 0x8b, 0x57);

// A sheet with a folded top-right corner.
void page(QPainter& p, QRectF r);

}  // namespace vorlane::icons
