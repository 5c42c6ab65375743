#pragma once
// The drinking window's chart: bottles per year ahead, stacked by where
// they stand (too young, in their window, past). Qt Charts stays behind
// this class.

#include <QWidget>
#include <vector>

namespace vorlane {

struct YearBottles {
    int year = 0;
    long long tooYoung = 0, inWindow = 0, past = 0;
};

class YearsAheadChart : public QWidget {
    Q_OBJECT
public:
    explicit YearsAheadChart(QWidget* parent = nullptr);
    ~YearsAheadChart() override;

    void showYears(const std::vector<YearBottles>& years);

    // What the chart shows: the three stacks' values and the year captions.
    std::vector<double> stackValues(int stack) const;  // 0 too young, 1 in window, 2 past
    QStringList yearCaptions() const;

private:
    struct Parts;
    Parts* parts_;
};

}  // namespace vorlane
