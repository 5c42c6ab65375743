#include "reports/ui/chart/graph_chart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QPainter>
#include <QPrinter>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

namespace vorlane {

namespace {

// Long captions are shortened where many bars share the axis.
QString AxisCaption(const QString& caption, int bars) {
    const int limit = bars > 12 ? 20 : 28;
    return caption.size() > limit ? caption.left(limit - 1) + QChar(0x2026) : caption;
}

}  // namespace

struct GraphChart::Parts {
    QChartView* view = nullptr;
    QBarSet* set = nullptr;
    QBarCategoryAxis* categories = nullptr;
};

GraphChart::GraphChart(QWidget* parent) : QWidget(parent), parts_(new Parts) {
    parts_->view = new QChartView;
    parts_->view->setRenderHint(QPainter::Antialiasing);
    parts_->view->chart()->legend()->hide();
    parts_->view->chart()->setAnimationOptions(QChart::NoAnimation);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(parts_->view);
    setMinimumSize(240, 180);
}

GraphChart::~GraphChart() { delete parts_; }

void GraphChart::showCounts(const QString& title, const QStringList& captions, const std::vector<int>& counts) {
    QChart* c = parts_->view->chart();
    c->removeAllSeries();
    for (QAbstractAxis* axis : c->axes()) {
        c->removeAxis(axis);
        delete axis;
    }
    c->setTitle(title);

    parts_->set = new QBarSet(QStringLiteral("Records"));
    for (int n : counts) *parts_->set << n;
    auto* series = new QBarSeries;
    series->append(parts_->set);
    series->setBarWidth(0.7);
    c->addSeries(series);

    const int bars = static_cast<int>(counts.size());
    QStringList shown;
    // Category captions must differ, or the axis merges equal ones.
    for (int i = 0; i < bars; ++i) {
        QString caption = AxisCaption(captions.value(i), bars);
        while (shown.contains(caption)) caption += QChar(0x200B);
        shown << caption;
    }
    parts_->categories = new QBarCategoryAxis;
    parts_->categories->append(shown);
    parts_->categories->setLabelsAngle(bars > 12 ? -90 : bars > 6 ? -45 : 0);
    parts_->categories->setTruncateLabels(false);  // shortened above, never to a lone ellipsis
    // Upright captions need no more width than a line of text: with many
    // bars a smaller one keeps each under its bar (Qt hides those that spill).
    QFont font = parts_->categories->labelsFont();
    if (bars > 16) font.setPointSizeF(std::max(6.5, font.pointSizeF() * 16 / bars * 1.1));
    parts_->categories->setLabelsFont(font);
    c->addAxis(parts_->categories, Qt::AlignBottom);
    series->attachAxis(parts_->categories);

    const int highest = counts.empty() ? 0 : *std::max_element(counts.begin(), counts.end());
    auto* values = new QValueAxis;
    // Whole counts only, with room above the tallest bar for its label.
    const int step = std::max(1, (highest + 9) / 10);
    values->setRange(0, (highest / step + 2) * step);
    values->setTickType(QValueAxis::TicksDynamic);
    values->setTickAnchor(0);
    values->setTickInterval(step);
    values->setLabelFormat(QStringLiteral("%d"));
    values->setTitleText(QStringLiteral("Records"));
    c->addAxis(values, Qt::AlignLeft);
    series->attachAxis(values);
    series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    series->setLabelsFormat(QStringLiteral("@value"));
    series->setLabelsPrecision(10);
    parts_->set->setLabelColor(Qt::black);
    series->setLabelsVisible(true);
}

std::vector<double> GraphChart::barValues() const {
    std::vector<double> values;
    if (parts_->set)
        for (int i = 0; i < parts_->set->count(); ++i) values.push_back(parts_->set->at(i));
    return values;
}

QStringList GraphChart::barCaptions() const {
    return parts_->categories ? parts_->categories->categories() : QStringList();
}

QString GraphChart::title() const { return parts_->view->chart()->title(); }

void GraphChart::print(QPrinter& printer) {
    QPainter painter(&printer);
    const QRect page = painter.viewport();
    QSize size = parts_->view->size();
    size.scale(page.size(), Qt::KeepAspectRatio);
    parts_->view->render(&painter, QRect(page.topLeft(), size));
}

}  // namespace vorlane
