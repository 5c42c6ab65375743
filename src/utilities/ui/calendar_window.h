#pragma once
// CalendarWindow: the pop-up month calendar, drawn from the CalendarPopup core,
// which decides what every press, release and key does. CalendarPicker holds the
// date between openings and places the pop-up.

#include <QColor>
#include <QDialog>
#include <memory>

#include "utilities/calendar.h"

namespace vorlane {

class CalendarWindow : public QDialog {
    Q_OBJECT
public:
    CalendarWindow(CalDate date, CalDate today, QWidget* parent = nullptr);

    const CalendarPopup& popup() const { return *popup_; }
    bool confirmed() const { return confirmed_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void follow(CalClose close);
    QColor face() const;
    void paintDays(class QPainter& p);
    void paintMonths(class QPainter& p);
    void paintArrow(class QPainter& p, CalRect r, bool left);
    void paintDoubleRule(class QPainter& p, int y);

    std::unique_ptr<CalendarPopup> popup_;
    CalArea hover_ = CalArea::None;
    bool confirmed_ = false;
};

class CalendarPicker {
public:
    CalDate date;  // today when the main window creates it
    // Opens the pop-up at the centre of the screen; true when confirmed.
    bool pick(QWidget* parent);
};

CalDate Today();

}  // namespace vorlane
