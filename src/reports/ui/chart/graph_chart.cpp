#include "reports/ui/chart/graph_chart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QFontMetricsF>
#include <QGraphicsSimpleTextItem>
#include <QPainter>
#include <QPrinter>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace vorlane {

namespace {

constexpr qreal kCaptionGap = 4;  // between the plot's bottom and the captions
constexpr qreal kSlotPadding = 2;  // each side of a caption within its bar's slot

// A caption in one line, or two split at the blank nearest its middle.
QStringList SplitInTwo(const QString& caption) {
    int best = -1;
    for (int i = 0; i < caption.size(); ++i)
        if (caption[i] == u' ' && (best < 0 || std::abs(i - caption.size() / 2) < std::abs(best - caption.size() / 2)))
            best = i;
    if (best < 0) return {caption};
    return {caption.left(best), caption.mid(best + 1)};
}

}  // namespace

// Qt Charts hides category captions that would touch and gives a bar of 0
// no label, so the chart writes both itself: every bar gets its caption
// (upright in one or two lines, or turned on its side and shortened) and
// its count.
struct GraphChart::Parts {
    QChartView* view = nullptr;
    QBarSeries* series = nullptr;
    QBarSet* set = nullptr;
    QBarCategoryAxis* categories = nullptr;
    QStringList captions;
    std::vector<QGraphicsSimpleTextItem*> captionItems, countItems;
    bool placing = false;

    void clearLabels() {
        for (auto* item : captionItems) delete item;
        for (auto* item : countItems) delete item;
        captionItems.clear();
        countItems.clear();
    }
    void placeLabels();
};

void GraphChart::Parts::placeLabels() {
    if (placing || !series || captions.isEmpty()) return;
    placing = true;
    QChart* c = view->chart();
    const int bars = static_cast<int>(captions.size());
    QFont font = c->font();
    const qreal chartHeight = c->size().height();

    // The slot of each bar, known only once the margins are set: settle them
    // in two rounds (the caption space changes the plot's width only a little).
    QStringList texts;
    bool upright = true;
    qreal space = 0;
    for (int round = 0; round < 2; ++round) {
        const qreal slot = c->plotArea().width() / bars - 2 * kSlotPadding;
        QFontMetricsF metrics(font);
        upright = true;
        int lines = 1;
        for (const QString& caption : captions) {
            const QStringList parts = metrics.horizontalAdvance(caption) <= slot ? QStringList{caption} : SplitInTwo(caption);
            for (const QString& part : parts) upright = upright && metrics.horizontalAdvance(part) <= slot;
            lines = std::max(lines, static_cast<int>(parts.size()));
        }
        if (!upright && metrics.height() > slot + 2 * kSlotPadding) {
            // Many bars: a smaller font keeps each turned caption within its slot.
            font.setPointSizeF(std::max(5.0, font.pointSizeF() * (slot + 2 * kSlotPadding) / metrics.height()));
            metrics = QFontMetricsF(font);
        }
        const qreal longest = [&] {
            qreal widest = 0;
            for (const QString& caption : captions) widest = std::max(widest, metrics.horizontalAdvance(caption));
            return widest;
        }();
        space = upright ? lines * metrics.lineSpacing() : std::min(longest, chartHeight * 0.35);
        texts.clear();
        for (const QString& caption : captions) {
            if (upright) {
                texts << (metrics.horizontalAdvance(caption) <= slot ? caption : SplitInTwo(caption).join(u'\n'));
            } else {
                texts << metrics.elidedText(caption, Qt::ElideRight, space);
            }
        }
        QMargins margins = c->margins();
        margins.setBottom(static_cast<int>(std::ceil(space + kCaptionGap)));
        if (margins != c->margins()) c->setMargins(margins);
    }

    const QRectF plot = c->plotArea();
    const qreal slotWidth = plot.width() / bars;
    while (static_cast<int>(captionItems.size()) < bars) captionItems.push_back(new QGraphicsSimpleTextItem(c));
    while (static_cast<int>(countItems.size()) < bars) countItems.push_back(new QGraphicsSimpleTextItem(c));
    for (int i = 0; i < bars; ++i) {
        QGraphicsSimpleTextItem* caption = captionItems[static_cast<std::size_t>(i)];
        caption->setFont(font);
        caption->setText(texts[i]);
        caption->setBrush(Qt::black);
        const QRectF box = caption->boundingRect();
        const qreal centre = plot.left() + (i + 0.5) * slotWidth;
        if (upright) {
            caption->setRotation(0);
            caption->setPos(centre - box.width() / 2, plot.bottom() + kCaptionGap);
        } else {
            // Turned a quarter to the left, reading upwards, its end at the axis.
            caption->setRotation(-90);
            caption->setPos(centre - box.height() / 2, plot.bottom() + kCaptionGap + box.width());
        }

        QGraphicsSimpleTextItem* count = countItems[static_cast<std::size_t>(i)];
        count->setFont(c->font());
        count->setText(QString::number(set->at(i)));
        count->setBrush(Qt::black);
        const QPointF top = c->mapToPosition(QPointF(i, set->at(i)), series);
        const QRectF countBox = count->boundingRect();
        count->setPos(centre - countBox.width() / 2, top.y() - countBox.height());
    }
    placing = false;
}

GraphChart::GraphChart(QWidget* parent) : QWidget(parent), parts_(new Parts) {
    parts_->view = new QChartView;
    parts_->view->setRenderHint(QPainter::Antialiasing);
    parts_->view->chart()->legend()->hide();
    parts_->view->chart()->setAnimationOptions(QChart::NoAnimation);
    connect(parts_->view->chart(), &QChart::plotAreaChanged, this, [this] { parts_->placeLabels(); });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(parts_->view);
    // Below this the value axis, its title and the captions would run into each other.
    setMinimumSize(360, 300);
}

GraphChart::~GraphChart() { delete parts_; }

void GraphChart::showCounts(const QString& title, const QStringList& captions, const std::vector<int>& counts) {
    QChart* c = parts_->view->chart();
    parts_->clearLabels();
    parts_->series = nullptr;
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
        QString caption = captions.value(i);
        while (shown.contains(caption)) caption += QChar(0x200B);
        shown << caption;
    }
    parts_->captions.clear();
    for (int i = 0; i < bars; ++i) parts_->captions << captions.value(i);
    parts_->categories = new QBarCategoryAxis;
    parts_->categories->append(shown);
    parts_->categories->setLabelsVisible(false);  // written by placeLabels
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
    values->setTruncateLabels(false);  // short numbers: never a lone ellipsis in a small window
    values->setTitleText(QStringLiteral("Records"));
    c->addAxis(values, Qt::AlignLeft);
    series->attachAxis(values);
    parts_->series = series;
    parts_->placeLabels();
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
