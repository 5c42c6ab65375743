#include "cellar/ui/chart/years_ahead_chart.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLegend>
#include <QPainter>
#include <QStackedBarSeries>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <array>

namespace vorlane {

struct YearsAheadChart::Parts {
    QChartView* view = nullptr;
    std::array<QBarSet*, 3> sets{};
    QBarCategoryAxis* categories = nullptr;
};

YearsAheadChart::YearsAheadChart(QWidget* parent) : QWidget(parent), parts_(new Parts) {
    parts_->view = new QChartView;
    parts_->view->setRenderHint(QPainter::Antialiasing);
    QChart* c = parts_->view->chart();
    c->setAnimationOptions(QChart::NoAnimation);
    c->setTitle(QStringLiteral("Bottles in the years ahead"));
    c->legend()->setAlignment(Qt::AlignBottom);
    c->setMargins(QMargins(4, 4, 4, 4));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(parts_->view);
    setMinimumSize(320, 260);
}

YearsAheadChart::~YearsAheadChart() { delete parts_; }

void YearsAheadChart::showYears(const std::vector<YearBottles>& years) {
    QChart* c = parts_->view->chart();
    c->removeAllSeries();
    for (QAbstractAxis* axis : c->axes()) {
        c->removeAxis(axis);
        delete axis;
    }
    // Colours that read as the statuses: waiting, ready, too late.
    const std::array<std::pair<const char*, QColor>, 3> kinds = {{
        {"Too Young", QColor(0x7f, 0xa7, 0xd6)},
        {"In Window", QColor(0x4c, 0xa0, 0x5a)},
        {"Past", QColor(0xc8, 0x5a, 0x4e)},
    }};
    auto* series = new QStackedBarSeries;
    QStringList captions;
    long long highest = 0;
    for (std::size_t k = 0; k < kinds.size(); ++k) {
        auto* set = new QBarSet(QString::fromLatin1(kinds[k].first));
        set->setColor(kinds[k].second);
        set->setBorderColor(kinds[k].second.darker(130));
        parts_->sets[k] = set;
    }
    for (const YearBottles& y : years) {
        *parts_->sets[0] << static_cast<double>(y.tooYoung);
        *parts_->sets[1] << static_cast<double>(y.inWindow);
        *parts_->sets[2] << static_cast<double>(y.past);
        captions << QString::number(y.year);
        highest = std::max(highest, y.tooYoung + y.inWindow + y.past);
    }
    for (QBarSet* set : parts_->sets) series->append(set);
    series->setBarWidth(0.75);
    c->addSeries(series);

    parts_->categories = new QBarCategoryAxis;
    parts_->categories->append(captions);
    parts_->categories->setLabelsAngle(-45);
    c->addAxis(parts_->categories, Qt::AlignBottom);
    series->attachAxis(parts_->categories);

    auto* values = new QValueAxis;
    const long long step = std::max(1LL, (highest + 7) / 8);
    values->setRange(0, static_cast<double>((highest / step + 1) * step));
    values->setTickType(QValueAxis::TicksDynamic);
    values->setTickAnchor(0);
    values->setTickInterval(static_cast<double>(step));
    values->setLabelFormat(QStringLiteral("%d"));
    values->setTitleText(QStringLiteral("Bottles"));
    values->setTruncateLabels(false);
    c->addAxis(values, Qt::AlignLeft);
    series->attachAxis(values);
}

std::vector<double> YearsAheadChart::stackValues(int stack) const {
    std::vector<double> values;
    if (stack < 0 || stack > 2 || !parts_->sets[static_cast<std::size_t>(stack)]) return values;
    const QBarSet* set = parts_->sets[static_cast<std::size_t>(stack)];
    for (int i = 0; i < set->count(); ++i) values.push_back(set->at(i));
    return values;
}

QStringList YearsAheadChart::yearCaptions() const {
    return parts_->categories ? parts_->categories->categories() : QStringList();
}

}  // namespace vorlane
