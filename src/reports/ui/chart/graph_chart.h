#pragma once
// The graph window's chart: one bar series of labelled record counts, kept
// readable from two bars to a few dozen, and printable. Qt Charts stays
// behind this class.

#include <QStringList>
#include <QWidget>
#include <vector>

class QPrinter;

namespace vorlane {

class GraphChart : public QWidget {
    Q_OBJECT
public:
    explicit GraphChart(QWidget* parent = nullptr);
    ~GraphChart() override;

    void showCounts(const QString& title, const QStringList& captions, const std::vector<int>& counts);
    // The chart alone, scaled to the page and kept in proportion.
    void print(QPrinter& printer);

    // What the chart shows: its one series' values and category captions.
    std::vector<double> barValues() const;
    QStringList barCaptions() const;
    QString title() const;

private:
    struct Parts;
    Parts* parts_;
};

}  // namespace vorlane
