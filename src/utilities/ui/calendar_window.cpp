#include "utilities/ui/calendar_window.h"

#include <algorithm>

#include <QDate>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

namespace vorlane {

namespace {
QRect ToQt(const CalRect& r) { return {r.x, r.y, r.width, r.height}; }

const QColor kNeighbourInk(0x59, 0x59, 0x59);  // 6.1 : 1 on #f0f0f0

QFont PopupFont() {
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    return font;
}
}  // namespace

// A light face whatever the desktop's theme: the day numbers are black.
QColor CalendarWindow::face() const {
    const QColor button = palette().button().color();
    return button.lightness() >= 215 ? button : QColor(0xF0, 0xF0, 0xF0);
}

CalDate Today() {
    QDate d = QDate::currentDate();
    return {d.year(), d.month(), d.day()};
}

CalendarWindow::CalendarWindow(CalDate date, CalDate today, QWidget* parent) : QDialog(parent, Qt::Popup) {
    setFont(PopupFont());
    QFontMetrics metrics(font());
    // Wide enough for "99" and for the widest day name, with a gap between names.
    int widest = metrics.horizontalAdvance(QStringLiteral("99"));
    for (const char* name : CalendarPopup::DayNames())
        widest = std::max(widest, metrics.horizontalAdvance(QString::fromLatin1(name)));
    const int w = widest + 8;
    const int h = metrics.height() + 4;
    popup_ = std::make_unique<CalendarPopup>(date, today, w, h);
    setFixedSize(popup_->width(), popup_->height());
    setMouseTracking(true);
    setCursor(Qt::ArrowCursor);
}

void CalendarWindow::follow(CalClose close) {
    update();
    if (close == CalClose::No) return;
    confirmed_ = close == CalClose::Confirmed;
    if (confirmed_) accept();
    else reject();
}

void CalendarWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        QPoint at = event->position().toPoint();
        follow(popup_->PressLeft(at.x(), at.y()));
    }
}

void CalendarWindow::mouseReleaseEvent(QMouseEvent* event) {
    QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton) follow(popup_->ReleaseLeft(at.x(), at.y()));
    else if (event->button() == Qt::RightButton) follow(popup_->ReleaseRight());
}

void CalendarWindow::mouseMoveEvent(QMouseEvent* event) {
    QPoint at = event->position().toPoint();
    CalArea area = popup_->HitTest(at.x(), at.y()).area;
    if (area != hover_) {
        hover_ = area;
        update();
    }
}

void CalendarWindow::keyPressEvent(QKeyEvent* event) {
    static const std::pair<int, CalKey> kKeys[] = {
        {Qt::Key_Space, CalKey::Space},   {Qt::Key_Return, CalKey::Enter},    {Qt::Key_Enter, CalKey::Enter},
        {Qt::Key_Escape, CalKey::Escape}, {Qt::Key_Left, CalKey::Left},       {Qt::Key_Right, CalKey::Right},
        {Qt::Key_Up, CalKey::Up},         {Qt::Key_Down, CalKey::Down},       {Qt::Key_PageUp, CalKey::PageUp},
        {Qt::Key_PageDown, CalKey::PageDown},
    };
    for (const auto& [qtKey, key] : kKeys) {
        if (event->key() == qtKey) {
            follow(popup_->Key(key));
            return;
        }
    }
}

void CalendarWindow::paintArrow(QPainter& p, CalRect r, bool left) {
    p.setBrush(hover_ == (left ? CalArea::LeftArrow : CalArea::RightArrow) ? palette().highlight().color()
                                                                             : QColor(Qt::black));
    p.setPen(Qt::NoPen);
    const int x0 = r.x, x1 = r.x + r.width - 1, mid = r.y + r.height / 2;
    QPolygon triangle = left ? QPolygon({QPoint(x1, r.y), QPoint(x1, r.y + r.height - 1), QPoint(x0, mid)})
                             : QPolygon({QPoint(x0, r.y), QPoint(x0, r.y + r.height - 1), QPoint(x1, mid)});
    p.drawPolygon(triangle);
}

void CalendarWindow::paintDoubleRule(QPainter& p, int y) {
    p.setPen(Qt::black);
    p.drawLine(5, y, width() - 6, y);
    p.setPen(Qt::white);
    p.drawLine(5, y + 1, width() - 6, y + 1);
}

void CalendarWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), face());
    p.setPen(Qt::darkGray);
    p.drawRect(rect().adjusted(0, 0, -1, -1));

    paintArrow(p, popup_->LeftArrowRect(), true);
    paintArrow(p, popup_->RightArrowRect(), false);
    p.setPen(hover_ == CalArea::Title ? palette().highlight().color() : QColor(Qt::black));
    p.drawText(ToQt(popup_->TitleRect()), Qt::AlignCenter, QString::fromLatin1(popup_->title().c_str()));

    if (popup_->view() == CalView::Days) paintDays(p);
    else paintMonths(p);
}

void CalendarWindow::paintDays(QPainter& p) {
    const CalRect header = popup_->HeaderRect();
    for (int c = 0; c < 7; ++c) {
        QRect cell = ToQt(popup_->CellRect(c));
        cell.moveTop(header.y);
        p.setPen(Qt::black);
        p.drawText(cell.adjusted(0, 0, -3, 0), Qt::AlignRight | Qt::AlignVCenter,
                   QString::fromLatin1(CalendarPopup::DayNames()[static_cast<std::size_t>(c)]));
    }
    paintDoubleRule(p, header.y + header.height + 1);

    const MonthGrid grid = popup_->grid();
    for (int i = 0; i < 42; ++i) {
        const CalCell& cell = grid[static_cast<std::size_t>(i)];
        QRect r = ToQt(popup_->CellRect(i));
        // The neighbouring months' days are grey, yet at least 4.5 : 1 against the face.
        QColor ink = !cell.inMonth ? kNeighbourInk : QColor(Qt::black);  // weekend colour is black too
        if (cell.selected) {
            p.fillRect(r.adjusted(1, 1, -1, -1), palette().highlight());
            ink = palette().highlightedText().color();
        }
        if (cell.today) {
            p.setPen(Qt::gray);
            p.drawLine(r.topLeft(), r.topRight());
            p.drawLine(r.topLeft(), r.bottomLeft());
            p.setPen(Qt::white);
            p.drawLine(r.bottomLeft(), r.bottomRight());
            p.drawLine(r.topRight(), r.bottomRight());
        }
        p.setPen(ink);
        p.drawText(r.adjusted(0, 0, -3, 0), Qt::AlignRight | Qt::AlignVCenter, QString::number(cell.date.day));
    }
}

void CalendarWindow::paintMonths(QPainter& p) {
    const CalRect header = popup_->HeaderRect();
    p.setPen(Qt::black);
    p.drawText(ToQt(header), Qt::AlignCenter, QStringLiteral("Select month"));
    paintDoubleRule(p, header.y + header.height + 1);
    for (int m = 0; m < 12; ++m) {
        QRect r = ToQt(popup_->MonthRect(m));
        QColor ink = Qt::black;
        if (m + 1 == popup_->selected().month) {
            QRect box = p.fontMetrics().boundingRect(r, Qt::AlignCenter, QStringLiteral("MMM")).adjusted(-3, -1, 3, 1);
            p.fillRect(box, palette().highlight());
            ink = palette().highlightedText().color();
        }
        p.setPen(ink);
        p.drawText(r, Qt::AlignCenter, QString::fromLatin1(CalendarPopup::MonthNames()[static_cast<std::size_t>(m)]));
    }
}

bool CalendarPicker::pick(QWidget* parent) {
    CalendarWindow form(date, Today(), parent);
    QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        QRect area = screen->geometry();
        form.move(area.x() + CalendarLeft(area.width()), area.y() + CalendarTop(area.height()));
    }
    form.exec();
    date = form.popup().selected();
    return form.confirmed();
}

}  // namespace vorlane
