#include "widgets/grid_print.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFontDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <type_traits>
#include <cmath>
#include <vector>

#include "storage/settings_store.h"

namespace vorlane {

GridPrintSettings::GridPrintSettings() : titleFont(QApplication::font()), headingFont(titleFont), cellFont(titleFont) {
    titleFont.setPointSizeF(14);
    titleFont.setBold(true);
    headingFont.setPointSizeF(10);
    headingFont.setBold(true);
    cellFont.setPointSizeF(10);
}

namespace {
// Every setting as text in the settings file: fonts in Qt's own form, lengths in millimetres.
template <class Visit>
void EachGridPrintSetting(GridPrintSettings& s, Visit visit) {
    visit("Title", s.title);
    visit("TitleOnEveryPage", s.titleOnEveryPage);
    visit("TitleFont", s.titleFont);
    visit("HeadingFont", s.headingFont);
    visit("CellFont", s.cellFont);
    visit("OuterBorder", s.outerBorder);
    visit("HorizontalLines", s.horizontalLines);
    visit("VerticalLines", s.verticalLines);
    visit("LineWidthMm", s.lineWidthMm);
    visit("PrintHeadings", s.printHeadings);
    visit("RepeatHeadings", s.repeatHeadings);
    visit("SkipEmptyRows", s.skipEmptyRows);
    visit("FitToPageWidth", s.fitToPageWidth);
    visit("StampDate", s.stampDate);
    visit("StampTime", s.stampTime);
    visit("PageNumbers", s.pageNumbers);
    visit("CellPaddingMm", s.cellPaddingMm);
    visit("LineSpacingPercent", s.lineSpacingPercent);
}
}  // namespace

void ReadGridPrintSettings(const std::string& settingsFile, const std::string& section, GridPrintSettings& s) {
    const SettingsStore store(settingsFile);
    auto text = [&](const char* key) { return QString::fromStdString(store.ReadText(section, key, "")); };
    EachGridPrintSetting(s, [&](const char* key, auto& value) {
        using T = std::decay_t<decltype(value)>;
        const QString stored = text(key);
        if (stored.isEmpty()) return;
        if constexpr (std::is_same_v<T, bool>) value = store.ReadBool(section, key, value);
        else if constexpr (std::is_same_v<T, int>) value = store.ReadInteger(section, key, value);
        else if constexpr (std::is_same_v<T, double>) value = stored.toDouble();
        else if constexpr (std::is_same_v<T, QFont>) value.fromString(stored);
        else value = stored;
    });
    const int alignment = store.ReadInteger(section, "TitleAlignment", static_cast<int>(s.titleAlignment));
    s.titleAlignment = static_cast<Qt::Alignment>(alignment);
    s.stampPlace = static_cast<GridPrintSettings::StampPlace>(
        std::clamp(store.ReadInteger(section, "StampPlace", static_cast<int>(s.stampPlace)), 0, 2));
    s.orientation = store.ReadInteger(section, "Landscape", s.orientation == QPageLayout::Landscape)
                        ? QPageLayout::Landscape
                        : QPageLayout::Portrait;
    const QStringList margins = text("MarginsMm").split(QLatin1Char(' '));
    if (margins.size() == 4)
        s.marginsMm = QMarginsF(margins[0].toDouble(), margins[1].toDouble(), margins[2].toDouble(), margins[3].toDouble());
}

void WriteGridPrintSettings(const std::string& settingsFile, const std::string& section,
                            const GridPrintSettings& settings) {
    SettingsStore store(settingsFile);
    GridPrintSettings s = settings;
    EachGridPrintSetting(s, [&](const char* key, auto& value) {
        using T = std::decay_t<decltype(value)>;
        if constexpr (std::is_same_v<T, bool>) store.WriteBool(section, key, value);
        else if constexpr (std::is_same_v<T, int>) store.WriteInteger(section, key, value);
        else if constexpr (std::is_same_v<T, double>) store.WriteText(section, key, QString::number(value).toStdString());
        else if constexpr (std::is_same_v<T, QFont>) store.WriteText(section, key, value.toString().toStdString());
        else store.WriteText(section, key, value.toStdString());
    });
    store.WriteInteger(section, "TitleAlignment", static_cast<int>(s.titleAlignment));
    store.WriteInteger(section, "StampPlace", static_cast<int>(s.stampPlace));
    store.WriteBool(section, "Landscape", s.orientation == QPageLayout::Landscape);
    const QMarginsF& m = s.marginsMm;
    store.WriteText(section, "MarginsMm", QStringLiteral("%1 %2 %3 %4").arg(m.left()).arg(m.top()).arg(m.right()).arg(m.bottom()).toStdString());
    (void)store.Save();  // a settings file that cannot be written only loses these settings
}

void ApplyPageSettings(QPrinter& printer, const GridPrintSettings& settings) {
    printer.setPageOrientation(settings.orientation);
    printer.setPageMargins(settings.marginsMm, QPageLayout::Millimeter);
}

QString PrinterErrorMessage(const QPrinter& printer) {
    if (!printer.outputFileName().isEmpty())
        return QStringLiteral("The file \"%1\" could not be written.").arg(printer.outputFileName());
    return QStringLiteral("The printer \"%1\" could not be started.").arg(printer.printerName());
}

namespace {

// Everything measured in the printer's pixels, in painter coordinates
// (0,0 = top-left of the printable area).
struct GridLayout {
    QRect area;
    int padding = 0;
    int gap = 0;
    int lineWidth = 1;
    std::vector<int> columns, columnX, columnWidth;  // columnX from the left of the column's band
    // [first, last) into columns: the columns printed side by side on one sheet.
    std::vector<std::pair<std::size_t, std::size_t>> bands;
    std::vector<int> rows, rowHeight;
    int headingHeight = 0;
    int titleHeight = 0;
    int stampHeight = 0;                              // one header or footer line
    std::vector<std::pair<std::size_t, std::size_t>> pages;  // [first, last) into rows

    // Sheets run through every band of one page of rows before the next rows.
    std::size_t sheetCount() const { return pages.size() * bands.size(); }
    std::size_t rowPageOf(std::size_t sheet) const { return sheet / bands.size(); }
    std::size_t bandOf(std::size_t sheet) const { return sheet % bands.size(); }
    int bandWidth(std::size_t band) const {
        const auto [first, last] = bands[band];
        return first == last ? 0 : columnX[last - 1] + columnWidth[last - 1];
    }
};

// Narrower than this, a column's text is no longer readable: the columns
// then continue on further sheets instead.
constexpr int kReadableColumnCharacters = 8;

int MmToPixels(double mm, int dpi) { return static_cast<int>(std::lround(mm * dpi / 25.4)); }

QString CellText(const QTableWidget& grid, int row, int column) {
    const QTableWidgetItem* item = grid.item(row, column);
    return item ? item->text() : QString();
}

QString HeadingText(const QTableWidget& grid, int column) {
    return grid.model()->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
}

int TextHeight(const QFontMetrics& metrics, const QString& text, int width, int spacingPercent) {
    int lines = metrics.lineSpacing();
    int height = text.isEmpty() ? lines
                                : metrics.boundingRect(QRect(0, 0, std::max(1, width), 1 << 20),
                                                       Qt::TextWordWrap, text).height();
    height = std::max(height, lines);
    return std::max(1, height * spacingPercent / 100);
}

bool TitleOnPage(const GridPrintSettings& s, std::size_t page) {
    return !s.title.isEmpty() && (page == 0 || s.titleOnEveryPage);
}
bool HeadingsOnPage(const GridPrintSettings& s, std::size_t page) {
    return s.printHeadings && (page == 0 || s.repeatHeadings);
}
bool FooterUsed(const GridPrintSettings& s) {
    return s.pageNumbers || (s.stampPlace == GridPrintSettings::StampPlace::Footer && (s.stampDate || s.stampTime));
}
bool HeaderUsed(const GridPrintSettings& s) {
    return s.stampPlace == GridPrintSettings::StampPlace::Header && (s.stampDate || s.stampTime);
}

int SpaceAbove(const GridLayout& l, const GridPrintSettings& s, std::size_t page) {
    int used = 0;
    if (HeaderUsed(s)) used += l.stampHeight + l.gap;
    if (TitleOnPage(s, page)) used += l.titleHeight + l.gap;
    if (HeadingsOnPage(s, page)) used += l.headingHeight;
    return used;
}

GridLayout MakeLayout(QPrinter& printer, const QTableWidget& grid, const GridPrintSettings& s) {
    GridLayout l;
    const int dpiX = printer.logicalDpiX(), dpiY = printer.logicalDpiY();
    l.area = QRect(0, 0, printer.width(), printer.height());
    l.padding = MmToPixels(s.cellPaddingMm, dpiX);
    l.gap = MmToPixels(3, dpiY);
    l.lineWidth = std::max(1, MmToPixels(s.lineWidthMm, dpiX));

    // Columns: the screen's widths in inches, shrunk (or stretched) to the page.
    const double screenDpi = grid.logicalDpiX() > 0 ? grid.logicalDpiX() : 96;
    double total = 0;
    std::vector<double> widths;
    for (int c = 0; c < grid.columnCount(); ++c) {
        if (grid.isColumnHidden(c)) continue;
        l.columns.push_back(c);
        widths.push_back(std::max(1, grid.columnWidth(c)) * dpiX / screenDpi);
        total += widths.back();
    }
    QFontMetrics cellMetrics(s.cellFont, &printer), headingMetrics(s.headingFont, &printer),
        titleMetrics(s.titleFont, &printer);
    double scale = (s.fitToPageWidth || total > l.area.width()) && total > 0 ? l.area.width() / total : 1.0;
    const int readable = std::min(std::max(1, l.area.width()),
                                  cellMetrics.averageCharWidth() * kReadableColumnCharacters + 2 * l.padding);
    int x = 0;
    l.bands.emplace_back(0, 0);
    for (double w : widths) {
        const int width = std::min(std::max(1, l.area.width()),
                                   std::max(std::min(readable, static_cast<int>(w)), static_cast<int>(w * scale)));
        // A column that would run past the page's edge starts the next band.
        if (x > 0 && x + width > l.area.width()) {
            l.bands.emplace_back(l.bands.back().second, l.bands.back().second);
            x = 0;
        }
        l.columnX.push_back(x);
        l.columnWidth.push_back(std::max(1, width));
        x += l.columnWidth.back();
        ++l.bands.back().second;
    }
    auto rowHeightOf = [&](const QFontMetrics& metrics, auto textOf) {
        int height = metrics.lineSpacing() * s.lineSpacingPercent / 100;
        for (std::size_t i = 0; i < l.columns.size(); ++i)
            height = std::max(height, TextHeight(metrics, textOf(l.columns[i]), l.columnWidth[i] - 2 * l.padding,
                                                 s.lineSpacingPercent));
        return height + 2 * l.padding;
    };
    l.headingHeight = rowHeightOf(headingMetrics, [&](int c) { return HeadingText(grid, c); });
    l.titleHeight = titleMetrics.boundingRect(l.area, Qt::TextWordWrap, s.title).height();
    l.stampHeight = cellMetrics.lineSpacing();

    for (int r = 0; r < grid.rowCount(); ++r) {
        if (grid.isRowHidden(r)) continue;
        if (s.skipEmptyRows && std::all_of(l.columns.begin(), l.columns.end(),
                                           [&](int c) { return CellText(grid, r, c).trimmed().isEmpty(); }))
            continue;
        l.rows.push_back(r);
        l.rowHeight.push_back(rowHeightOf(cellMetrics, [&](int c) { return CellText(grid, r, c); }));
    }

    // Rows fill each page in turn; a page always takes at least one row, and
    // a row taller than a page is cut off at its bottom.
    const int footer = FooterUsed(s) ? l.stampHeight + l.gap : 0;
    std::size_t first = 0;
    do {
        std::size_t page = l.pages.size();
        int room = l.area.height() - footer - SpaceAbove(l, s, page);
        std::size_t last = first;
        while (last < l.rows.size() && (last == first || room >= l.rowHeight[last])) room -= l.rowHeight[last++];
        l.pages.emplace_back(first, last);
        first = last;
    } while (first < l.rows.size());
    return l;
}

QString StampText(const GridPrintSettings& s, const QDateTime& now) {
    QStringList parts;
    if (s.stampDate) parts << now.toString(QStringLiteral("yyyy/MM/dd"));
    if (s.stampTime) parts << now.toString(QStringLiteral("HH:mm"));
    return parts.join(QLatin1Char(' '));
}

void DrawPage(QPainter& painter, const QTableWidget& grid, const GridPrintSettings& s, const GridLayout& l,
              std::size_t sheet, const QDateTime& now) {
    const std::size_t page = l.rowPageOf(sheet);
    const auto [firstColumn, lastColumn] = l.bands[l.bandOf(sheet)];
    const int tableWidth = l.bandWidth(l.bandOf(sheet));
    const QRect& area = l.area;
    int y = area.top();
    painter.setPen(Qt::black);
    if (HeaderUsed(s)) {
        painter.setFont(s.cellFont);
        painter.drawText(QRect(area.left(), y, area.width(), l.stampHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         StampText(s, now));
        y += l.stampHeight + l.gap;
    }
    if (TitleOnPage(s, page)) {
        painter.setFont(s.titleFont);
        painter.drawText(QRect(area.left(), y, area.width(), l.titleHeight),
                         static_cast<int>(s.titleAlignment) | Qt::TextWordWrap, s.title);
        y += l.titleHeight + l.gap;
    }

    const int tableTop = y;
    auto cellRect = [&](std::size_t i, int top, int height) {
        return QRect(area.left() + l.columnX[i], top, l.columnWidth[i], height)
            .adjusted(l.padding, l.padding, -l.padding, -l.padding);
    };
    std::vector<int> boundaries;  // y of every line between two rows
    if (HeadingsOnPage(s, page)) {
        painter.fillRect(QRect(area.left(), y, tableWidth, l.headingHeight), QColor(0xE8, 0xE8, 0xE8));
        painter.setFont(s.headingFont);
        for (std::size_t i = firstColumn; i < lastColumn; ++i)
            painter.drawText(cellRect(i, y, l.headingHeight), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                             HeadingText(grid, l.columns[i]));
        y += l.headingHeight;
        boundaries.push_back(y);
    }
    painter.setFont(s.cellFont);
    const int pageBottom = area.bottom() - (FooterUsed(s) ? l.stampHeight + l.gap : 0);
    for (std::size_t k = l.pages[page].first; k < l.pages[page].second; ++k) {
        int height = std::min(l.rowHeight[k], std::max(0, pageBottom - y));
        painter.save();
        painter.setClipRect(QRect(area.left(), y, tableWidth, height));
        for (std::size_t i = firstColumn; i < lastColumn; ++i)
            painter.drawText(cellRect(i, y, l.rowHeight[k]), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                             CellText(grid, l.rows[k], l.columns[i]));
        painter.restore();
        y += height;
        boundaries.push_back(y);
    }
    if (!boundaries.empty()) boundaries.pop_back();  // the last one is the outer border
    const int tableBottom = y;

    if (tableBottom > tableTop) {
        QPen pen(Qt::black);
        pen.setWidth(l.lineWidth);
        painter.setPen(pen);
        const int left = area.left(), right = area.left() + tableWidth;
        if (s.horizontalLines)
            for (int b : boundaries) painter.drawLine(left, b, right, b);
        if (s.verticalLines)
            for (std::size_t i = firstColumn + 1; i < lastColumn; ++i)
                painter.drawLine(left + l.columnX[i], tableTop, left + l.columnX[i], tableBottom);
        if (s.outerBorder) painter.drawRect(QRect(left, tableTop, tableWidth, tableBottom - tableTop));
        painter.setPen(Qt::black);
    }

    if (FooterUsed(s)) {
        painter.setFont(s.cellFont);
        QRect footer(area.left(), area.bottom() - l.stampHeight, area.width(), l.stampHeight);
        if (s.stampPlace == GridPrintSettings::StampPlace::Footer)
            painter.drawText(footer, Qt::AlignLeft | Qt::AlignVCenter, StampText(s, now));
        if (s.pageNumbers)
            painter.drawText(footer, Qt::AlignRight | Qt::AlignVCenter,
                             QStringLiteral("Page %1 of %2").arg(sheet + 1).arg(l.sheetCount()));
    }
}

}  // namespace

int GridPageCount(QPrinter& printer, const QTableWidget& grid, const GridPrintSettings& settings) {
    return static_cast<int>(MakeLayout(printer, grid, settings).sheetCount());
}

bool PrintGrid(QPrinter& printer, const QTableWidget& grid, const GridPrintSettings& settings, QString* error) {
    GridLayout layout = MakeLayout(printer, grid, settings);
    const int pageCount = static_cast<int>(layout.sheetCount());
    int from = 1, to = pageCount;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        from = std::max(1, printer.fromPage());
        to = std::min(pageCount, printer.toPage() > 0 ? printer.toPage() : pageCount);
    }
    if (from > to) return true;  // the chosen range holds none of the pages

    QPainter painter;
    if (!painter.begin(&printer)) {
        if (error) *error = PrinterErrorMessage(printer);
        return false;
    }
    const QDateTime now = QDateTime::currentDateTime();
    for (int page = from; page <= to; ++page) {
        if (page > from) printer.newPage();
        DrawPage(painter, grid, settings, layout, static_cast<std::size_t>(page - 1), now);
    }
    painter.end();
    return true;
}

// ---- the settings dialog ----

namespace {
QString FontText(const QFont& font) {
    return QStringLiteral("%1, %2 pt%3")
        .arg(font.family())
        .arg(font.pointSizeF())
        .arg(font.bold() ? QStringLiteral(", bold") : QString());
}

QDoubleSpinBox* MmBox(double value, double maximum) {
    auto* box = new QDoubleSpinBox;
    box->setRange(0, maximum);
    box->setDecimals(1);
    box->setSingleStep(0.5);
    box->setSuffix(QStringLiteral(" mm"));
    box->setValue(value);
    return box;
}
}  // namespace

GridPrintSettingsDialog::GridPrintSettingsDialog(const GridPrintSettings& s, QWidget* parent)
    : QDialog(parent), fonts_(s) {
    setWindowTitle(QStringLiteral("Print Settings"));
    auto* tabs = new QTabWidget;
    tabs->setObjectName(QStringLiteral("PrintSettingsTabs"));
    // Every tab's caption shows: the dialog is at least as wide as all of them.
    tabs->setUsesScrollButtons(false);

    // Title
    {
        auto* page = new QWidget;
        auto* form = new QFormLayout(page);
        title_ = new QLineEdit(s.title);
        titleEveryPage_ = new QCheckBox(QStringLiteral("Print the title on every page"));
        titleEveryPage_->setChecked(s.titleOnEveryPage);
        titleAlignment_ = new QComboBox;
        titleAlignment_->addItem(QStringLiteral("Left"), static_cast<int>(Qt::AlignLeft));
        titleAlignment_->addItem(QStringLiteral("Centre"), static_cast<int>(Qt::AlignHCenter));
        titleAlignment_->addItem(QStringLiteral("Right"), static_cast<int>(Qt::AlignRight));
        titleAlignment_->setCurrentIndex(std::max(0, titleAlignment_->findData(static_cast<int>(s.titleAlignment))));
        form->addRow(QStringLiteral("Title:"), title_);
        form->addRow(QStringLiteral("Alignment:"), titleAlignment_);
        form->addRow(titleEveryPage_);
        tabs->addTab(page, QStringLiteral("Title"));
    }
    // Fonts
    {
        auto* page = new QWidget;
        auto* form = new QFormLayout(page);
        auto fontRow = [&](const QString& caption, QFont& font, QLabel*& shown) {
            shown = new QLabel(FontText(font));
            auto* change = new QPushButton(QStringLiteral("Change..."));
            auto* row = new QHBoxLayout;
            row->addWidget(shown, 1);
            row->addWidget(change);
            form->addRow(caption, row);
            QLabel* label = shown;
            connect(change, &QPushButton::clicked, this, [this, &font, label] { chooseFont(font, label); });
        };
        fontRow(QStringLiteral("Title:"), fonts_.titleFont, titleFontShown_);
        fontRow(QStringLiteral("Headings:"), fonts_.headingFont, headingFontShown_);
        fontRow(QStringLiteral("Cells:"), fonts_.cellFont, cellFontShown_);
        tabs->addTab(page, QStringLiteral("Fonts"));
    }
    // Borders and spacing
    {
        auto* page = new QWidget;
        auto* form = new QFormLayout(page);
        outerBorder_ = new QCheckBox(QStringLiteral("Outer border"));
        horizontalLines_ = new QCheckBox(QStringLiteral("Lines between rows"));
        verticalLines_ = new QCheckBox(QStringLiteral("Lines between columns"));
        outerBorder_->setChecked(s.outerBorder);
        horizontalLines_->setChecked(s.horizontalLines);
        verticalLines_->setChecked(s.verticalLines);
        lineWidth_ = MmBox(s.lineWidthMm, 5);
        lineWidth_->setDecimals(2);
        lineWidth_->setSingleStep(0.1);
        padding_ = MmBox(s.cellPaddingMm, 20);
        lineSpacing_ = new QSpinBox;
        lineSpacing_->setRange(50, 400);
        lineSpacing_->setSuffix(QStringLiteral(" %"));
        lineSpacing_->setValue(s.lineSpacingPercent);
        form->addRow(outerBorder_);
        form->addRow(horizontalLines_);
        form->addRow(verticalLines_);
        form->addRow(QStringLiteral("Line width:"), lineWidth_);
        form->addRow(QStringLiteral("Space around cell text:"), padding_);
        form->addRow(QStringLiteral("Line spacing:"), lineSpacing_);
        tabs->addTab(page, QStringLiteral("Borders and Spacing"));
    }
    // General options, date and time, pages
    {
        auto* page = new QWidget;
        auto* form = new QFormLayout(page);
        printHeadings_ = new QCheckBox(QStringLiteral("Print the column headings"));
        repeatHeadings_ = new QCheckBox(QStringLiteral("Repeat the headings on every page"));
        skipEmptyRows_ = new QCheckBox(QStringLiteral("Leave out empty rows"));
        fitToWidth_ = new QCheckBox(QStringLiteral("Fit the columns to the page width"));
        printHeadings_->setChecked(s.printHeadings);
        repeatHeadings_->setChecked(s.repeatHeadings);
        skipEmptyRows_->setChecked(s.skipEmptyRows);
        fitToWidth_->setChecked(s.fitToPageWidth);
        connect(printHeadings_, &QCheckBox::toggled, repeatHeadings_, &QWidget::setEnabled);
        repeatHeadings_->setEnabled(s.printHeadings);
        stampPlace_ = new QComboBox;
        stampPlace_->addItems({QStringLiteral("Not printed"), QStringLiteral("Page header"),
                               QStringLiteral("Page footer")});
        stampPlace_->setCurrentIndex(static_cast<int>(s.stampPlace));
        stampDate_ = new QCheckBox(QStringLiteral("Date"));
        stampTime_ = new QCheckBox(QStringLiteral("Time"));
        stampDate_->setChecked(s.stampDate);
        stampTime_->setChecked(s.stampTime);
        auto* stampParts = new QHBoxLayout;
        stampParts->addWidget(stampDate_);
        stampParts->addWidget(stampTime_);
        stampParts->addStretch();
        pageNumbers_ = new QCheckBox(QStringLiteral("Number the pages (\"Page 1 of 2\")"));
        pageNumbers_->setChecked(s.pageNumbers);
        form->addRow(printHeadings_);
        form->addRow(repeatHeadings_);
        form->addRow(skipEmptyRows_);
        form->addRow(fitToWidth_);
        form->addRow(QStringLiteral("Date and time:"), stampPlace_);
        form->addRow(QString(), stampParts);
        form->addRow(pageNumbers_);
        tabs->addTab(page, QStringLiteral("Options"));
    }
    // Margins and orientation
    {
        auto* page = new QWidget;
        auto* layout = new QVBoxLayout(page);
        auto* marginBox = new QGroupBox(QStringLiteral("Margins"));
        auto* form = new QFormLayout(marginBox);
        const double values[4] = {s.marginsMm.left(), s.marginsMm.top(), s.marginsMm.right(), s.marginsMm.bottom()};
        const char* names[4] = {"Left:", "Top:", "Right:", "Bottom:"};
        for (int i = 0; i < 4; ++i) {
            margins_[i] = MmBox(values[i], 100);
            form->addRow(QString::fromLatin1(names[i]), margins_[i]);
        }
        auto* orientationBox = new QGroupBox(QStringLiteral("Orientation"));
        auto* radios = new QHBoxLayout(orientationBox);
        portrait_ = new QRadioButton(QStringLiteral("Portrait"));
        landscape_ = new QRadioButton(QStringLiteral("Landscape"));
        (s.orientation == QPageLayout::Landscape ? landscape_ : portrait_)->setChecked(true);
        radios->addWidget(portrait_);
        radios->addWidget(landscape_);
        radios->addStretch();
        layout->addWidget(marginBox);
        layout->addWidget(orientationBox);
        layout->addStretch();
        tabs->addTab(page, QStringLiteral("Page"));
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(buttons);
}

void GridPrintSettingsDialog::chooseFont(QFont& font, QLabel* shown) {
    bool ok = false;
    QFont chosen = QFontDialog::getFont(&ok, font, this, QStringLiteral("Font"));
    if (!ok) return;
    font = chosen;
    shown->setText(FontText(font));
}

GridPrintSettings GridPrintSettingsDialog::settings() const {
    GridPrintSettings s = fonts_;
    s.title = title_->text();
    s.titleOnEveryPage = titleEveryPage_->isChecked();
    s.titleAlignment = Qt::Alignment(titleAlignment_->currentData().toInt());
    s.outerBorder = outerBorder_->isChecked();
    s.horizontalLines = horizontalLines_->isChecked();
    s.verticalLines = verticalLines_->isChecked();
    s.lineWidthMm = lineWidth_->value();
    s.printHeadings = printHeadings_->isChecked();
    s.repeatHeadings = repeatHeadings_->isChecked();
    s.skipEmptyRows = skipEmptyRows_->isChecked();
    s.fitToPageWidth = fitToWidth_->isChecked();
    s.stampPlace = static_cast<GridPrintSettings::StampPlace>(stampPlace_->currentIndex());
    s.stampDate = stampDate_->isChecked();
    s.stampTime = stampTime_->isChecked();
    s.pageNumbers = pageNumbers_->isChecked();
    s.marginsMm = QMarginsF(margins_[0]->value(), margins_[1]->value(), margins_[2]->value(), margins_[3]->value());
    s.cellPaddingMm = padding_->value();
    s.lineSpacingPercent = lineSpacing_->value();
    s.orientation = landscape_->isChecked() ? QPageLayout::Landscape : QPageLayout::Portrait;
    return s;
}

}  // namespace vorlane
