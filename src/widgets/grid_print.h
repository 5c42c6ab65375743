#pragma once
// Printing a grid of text cells as a table, with a title, borders, page
// numbers and a date stamp, and the dialog in which those are chosen.

#include <QDialog>
#include <QFont>
#include <QMarginsF>
#include <QPageLayout>
#include <QString>
#include <string>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QRadioButton;
class QSpinBox;
class QTableWidget;

namespace vorlane {

struct GridPrintSettings {
    GridPrintSettings();  // needs the application's default font

    // Title
    QString title = QStringLiteral("Ingredients");
    bool titleOnEveryPage = false;
    Qt::Alignment titleAlignment = Qt::AlignHCenter;

    // Fonts
    QFont titleFont;
    QFont headingFont;
    QFont cellFont;

    // Borders
    bool outerBorder = true;
    bool horizontalLines = true;
    bool verticalLines = true;
    double lineWidthMm = 0.2;

    // General options
    bool printHeadings = true;
    bool repeatHeadings = true;  // on every page, not only the first
    bool skipEmptyRows = true;
    bool fitToPageWidth = true;  // otherwise columns keep their screen size unless too wide

    // Date and time
    enum class StampPlace { None, Header, Footer };
    StampPlace stampPlace = StampPlace::Footer;
    bool stampDate = true;
    bool stampTime = false;

    // Pages
    bool pageNumbers = true;

    // Margins (millimetres) and spacing
    QMarginsF marginsMm{15, 15, 15, 15};
    double cellPaddingMm = 1.0;
    int lineSpacingPercent = 100;

    QPageLayout::Orientation orientation = QPageLayout::Portrait;
};

// The settings kept between runs in the settings file, in a section of
// their own per grid ("Spreadsheet Print", ...). Missing keys keep what
// settings holds.
void ReadGridPrintSettings(const std::string& settingsFile, const std::string& section, GridPrintSettings& settings);
void WriteGridPrintSettings(const std::string& settingsFile, const std::string& section,
                            const GridPrintSettings& settings);

// Margins and orientation go onto the printer before the print dialog opens,
// so that the person can still change them there.
void ApplyPageSettings(QPrinter& printer, const GridPrintSettings& settings);

// Pages the grid takes on printer's current page.
int GridPageCount(QPrinter& printer, const QTableWidget& grid, const GridPrintSettings& settings);

// Prints the grid (the printer's page range honoured). False, with the
// reason in error, when the printer could not be used.
bool PrintGrid(QPrinter& printer, const QTableWidget& grid, const GridPrintSettings& settings,
               QString* error = nullptr);

// What to tell the person when a printer or output file cannot be opened.
QString PrinterErrorMessage(const QPrinter& printer);

class GridPrintSettingsDialog : public QDialog {
    Q_OBJECT
public:
    explicit GridPrintSettingsDialog(const GridPrintSettings& settings, QWidget* parent = nullptr);
    GridPrintSettings settings() const;

private:
    void chooseFont(QFont& font, QLabel* shown);

    GridPrintSettings fonts_;  // the fonts being chosen; the rest lives in the controls
    QLineEdit* title_ = nullptr;
    QCheckBox* titleEveryPage_ = nullptr;
    QComboBox* titleAlignment_ = nullptr;
    QLabel* titleFontShown_ = nullptr;
    QLabel* headingFontShown_ = nullptr;
    QLabel* cellFontShown_ = nullptr;
    QCheckBox* outerBorder_ = nullptr;
    QCheckBox* horizontalLines_ = nullptr;
    QCheckBox* verticalLines_ = nullptr;
    QDoubleSpinBox* lineWidth_ = nullptr;
    QCheckBox* printHeadings_ = nullptr;
    QCheckBox* repeatHeadings_ = nullptr;
    QCheckBox* skipEmptyRows_ = nullptr;
    QCheckBox* fitToWidth_ = nullptr;
    QComboBox* stampPlace_ = nullptr;
    QCheckBox* stampDate_ = nullptr;
    QCheckBox* stampTime_ = nullptr;
    QCheckBox* pageNumbers_ = nullptr;
    QDoubleSpinBox* margins_[4] = {};  // left, top, right, bottom
    QDoubleSpinBox* padding_ = nullptr;
    QSpinBox* lineSpacing_ = nullptr;
    QRadioButton* portrait_ = nullptr;
    QRadioButton* landscape_ = nullptr;
};

}  // namespace vorlane
