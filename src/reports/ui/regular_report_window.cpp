#include "reports/ui/regular_report_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QCursor>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QFontDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardItemModel>
#include <algorithm>
#include <filesystem>

#include "reports/delimited_import.h"
#include "reports/report_format_file.h"
#include "reports/ui/page_painter.h"
#include "reports/ui/report_preview_dialog.h"
#include "storage/app_settings.h"
#include "storage/database_session.h"
#include "storage/new_record.h"
#include "storage/safe_file.h"
#include "widgets/help_window.h"
#include "widgets/search_icons.h"
#include "widgets/text_codec.h"
#include "widgets/tool_icons.h"
#include "widgets/window_toolbar.h"

namespace vorlane {

namespace {
constexpr const char* kFormatLoadFilter = "Comma Delimated|*.txt|Report|*.rpt";
constexpr std::size_t kMaxFormatBytes = std::size_t{64} << 20;


// The column-width bar: each section filled with its column's colour and
// showing its width in inches.
class ColumnBar : public QHeaderView {
public:
    ColumnBar(RegularReportState& box, std::function<int()> printableWidth, QWidget* parent)
        : QHeaderView(Qt::Horizontal, parent), box_(box), width_(std::move(printableWidth)) {
        setSectionsClickable(true);
        setStretchLastSection(false);
    }

protected:
    void paintSection(QPainter* p, const QRect& rect, int logical) const override {
        const auto& colors = box_.settings.columnColors;
        p->fillRect(rect, ReportQColor(colors[static_cast<std::size_t>(logical % kColumnColorCount)]));
        p->setPen(Qt::black);
        p->drawRect(rect.adjusted(0, 0, -1, -1));
        p->drawText(rect.adjusted(10, 5, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                    QString::fromStdString(SectionInches(box_.settings, logical, width_())));
    }

private:
    RegularReportState& box_;
    std::function<int()> width_;
};

}  // namespace

RegularReportWindow::RegularReportWindow(WindowContext& context, QWidget* parent)
    : QMainWindow(parent), context_(context), printer_(std::make_unique<QPrinter>()) {
    setObjectName(QStringLiteral("RegularReportWindow"));
    runPreview_ = [](ReportPreviewDialog& preview) {
        preview.setWindowState(Qt::WindowMaximized);
        preview.exec();
    };
    fieldMenu_ = new QMenu(this);
    for (int e = 0; e < kReportFieldCount; ++e)
        connect(fieldMenu_->addAction(QString()), &QAction::triggered, this, [this, e] { addField(e); });
    buildToolBar();
    buildControls();
    showSettings();
    setColumns();
    enableScreen();
    setWindowTitle(ToQString(box_.Caption()));
    const WindowSize size = ReadWindowSize(context_.paths.settingsFile, WindowKind::Report);
    resize(size.width, size.height);
}

RegularReportWindow::~RegularReportWindow() = default;

void RegularReportWindow::buildToolBar() {
    WindowToolbar tools(*this, &context_.opener);
    modeTool_ = tools.add(MakeToolIcon(ToolIcon::Search), QStringLiteral("Toggle Between Searched Records or All Records"),
                          [this] { toggleMode(); });
    previewTool_ = tools.add(MakeToolIcon(ToolIcon::PrintScreen), QStringLiteral("Print Preview Report"), [this] { preview(); });
    saveFormatTool_ = tools.add(MakeToolIcon(ToolIcon::Save), QStringLiteral("Save a Report Format"), [this] { saveFormat(); });
    tools.add(MakeSearchIcon(SearchIcon::LoadSearch), QStringLiteral("Load a Report Format"), [this] { loadFormat(); });
    importTool_ = tools.add(MakeSearchIcon(SearchIcon::ExtractList), QStringLiteral("Import/Export Comma Delimited Files"),
                            [this] { importRecords(); });
    tools.add(MakeToolIcon(ToolIcon::Related), QStringLiteral("Email Report"), {});
    tools.add(MakeToolIcon(ToolIcon::Spreadsheet), QStringLiteral("Post report to Internet Newsgroup"), {});
    tools.addSeparator();
    tools.addWindowButtons(ProgramWindow::RegularReport);
    saveTool_ = tools.addSaveHelpClose([this] { context_.session.QuickSave(); },
                                       [this] { ShowHelpTopic(context_.paths.data, QStringLiteral("Regular Reports")); },
                                       QStringLiteral("Close Report Window"), [this] { close(); });
    saveTool_->setEnabled(context_.session.saveEnabled());
}

void RegularReportWindow::buildControls() {
    auto* central = new QWidget(this);
    auto* grid = new QGridLayout(central);
    auto button = [&](const char* caption, const char* hint, auto slot) {
        auto* b = new QPushButton(QString::fromLatin1(caption), central);
        if (hint) b->setToolTip(QString::fromLatin1(hint));
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };

    auto* head = new QGroupBox(QStringLiteral("Page"), central);
    auto* headForm = new QGridLayout(head);
    title_ = new QLineEdit(head);
    title_->setObjectName(QStringLiteral("ReportTitle"));
    headForm->addWidget(title_, 0, 0, 1, 3);
    auto check = [&](const char* caption, const char* name, int row, int column) {
        auto* c = new QCheckBox(QString::fromLatin1(caption), head);
        c->setObjectName(QString::fromLatin1(name));
        headForm->addWidget(c, row, column);
        return c;
    };
    titleOn_ = check("Report Title", "rTitle", 1, 0);
    dateOn_ = check("Date", "rDate", 1, 1);
    headerOn_ = check("Header", "HeadInd", 1, 2);
    pageNumbers_ = check("Page Numbers", "rPageNumber", 2, 0);
    itemNumbers_ = check("Item Numbers", "pItemNumber", 2, 1);
    totals_ = check("", "pValue", 2, 2);
    grid->addWidget(head, 0, 0, 1, 2);

    memo_ = new QPlainTextEdit(central);
    memo_->setObjectName(QStringLiteral("Fields"));
    memo_->setReadOnly(true);
    grid->addWidget(memo_, 1, 0, 4, 1);
    grid->addWidget(button("Add", "Add a new field to the Report", [this] { fieldMenu_->popup(QCursor::pos()); }), 1, 1);
    undoBtn_ = button("Undo", "Remove the Last added field", [this] { undoField(); });
    grid->addWidget(undoBtn_, 2, 1);
    clearBtn_ = button("Clear", nullptr, [this] { clearFields(); });
    grid->addWidget(clearBtn_, 3, 1);
    auto* fontButton = button("Font", "Select Report Fonts", [] {});
    auto* fontMenu = new QMenu(this);
    titleFont_ = new QLineEdit(central);
    bodyFont_ = new QLineEdit(central);
    valueFont_ = new QLineEdit(central);
    connect(fontMenu->addAction(QStringLiteral("Title")), &QAction::triggered, this,
            [this] { chooseFont(box_.settings.titleFont, 18, "Title", titleFont_); });
    connect(fontMenu->addAction(QStringLiteral("Body")), &QAction::triggered, this,
            [this] { chooseFont(box_.settings.bodyFont, 12, "Body", bodyFont_); });
    connect(fontMenu->addAction(QStringLiteral("Value")), &QAction::triggered, this,
            [this] { chooseFont(box_.settings.valueFont, 18, "Value", valueFont_); });
    fontButton->setMenu(fontMenu);
    fontBtn_ = fontButton;
    grid->addWidget(fontButton, 4, 1);

    auto* layoutBox = new QGroupBox(QStringLiteral("Layout"), central);
    auto* form = new QGridLayout(layoutBox);
    const char* marginNames[] = {"LeftM", "RightM", "TopM", "BottomM"};
    const char* marginCaptions[] = {"Left", "Right", "Top", "Bottom"};
    for (int i = 0; i < 4; ++i) {
        margins_[i] = new QDoubleSpinBox(layoutBox);
        margins_[i]->setObjectName(QString::fromLatin1(marginNames[i]));
        margins_[i]->setRange(0, 2);
        margins_[i]->setDecimals(2);
        margins_[i]->setSingleStep(0.25);
        form->addWidget(new QLabel(QString::fromLatin1(marginCaptions[i]), layoutBox), 0, 2 * i);
        form->addWidget(margins_[i], 0, 2 * i + 1);
    }
    columns_ = new QSpinBox(layoutBox);
    columns_->setObjectName(QStringLiteral("ColNum"));
    columns_->setRange(1, kMaxColumns);
    form->addWidget(new QLabel(QStringLiteral("Columns"), layoutBox), 1, 0);
    form->addWidget(columns_, 1, 1);
    auto* set = new QPushButton(QStringLiteral("Set"), layoutBox);
    connect(set, &QPushButton::clicked, this, &RegularReportWindow::setColumns);
    form->addWidget(set, 1, 2);
    form->addWidget(new QLabel(QStringLiteral("Press Set After Entering Columns."), layoutBox), 1, 3, 1, 5);
    indent_ = new QCheckBox(QStringLiteral("Indent"), layoutBox);
    indent_->setObjectName(QStringLiteral("ic"));
    form->addWidget(indent_, 2, 0, 1, 2);
    portrait_ = new QRadioButton(QStringLiteral("Portrait Mode"), layoutBox);
    landscape_ = new QRadioButton(QStringLiteral("Landscape Mode"), layoutBox);
    form->addWidget(portrait_, 2, 2, 1, 3);
    form->addWidget(landscape_, 2, 5, 1, 3);
    connect(portrait_, &QRadioButton::clicked, this, [this] { printer_->setPageOrientation(QPageLayout::Portrait); setColumns(); });
    connect(landscape_, &QRadioButton::clicked, this, [this] { printer_->setPageOrientation(QPageLayout::Landscape); setColumns(); });
    for (auto* shown : {titleFont_, bodyFont_, valueFont_}) shown->setReadOnly(true);
    titleFont_->setObjectName(QStringLiteral("HeaderFont"));
    bodyFont_->setObjectName(QStringLiteral("BodyFont"));
    valueFont_->setObjectName(QStringLiteral("ValueFont"));
    form->addWidget(titleFont_, 3, 0, 1, 3);
    form->addWidget(bodyFont_, 3, 3, 1, 2);
    form->addWidget(valueFont_, 3, 5, 1, 3);
    grid->addWidget(layoutBox, 5, 0, 1, 2);

    widthsModel_ = new QStandardItemModel(0, 0, this);
    widths_ = new ColumnBar(box_, [this] { return printableWidth(); }, central);
    widths_->setObjectName(QStringLiteral("Widths"));
    widths_->setModel(widthsModel_);
    widths_->setFixedHeight(28);
    // Fixed, so the sections' share of it does not change with the window.
    widths_->setFixedWidth(kDefaultBarWidth);
    connect(widths_, &QHeaderView::sectionResized, this, [this](int section, int, int size) {
        if (section < static_cast<int>(box_.settings.sections.size())) box_.settings.sections[static_cast<std::size_t>(section)].width = size;
        widths_->viewport()->update();
    });
    connect(widths_, &QHeaderView::sectionClicked, this, [this](int section) {
        auto& color = box_.settings.columnColors[static_cast<std::size_t>(section % kColumnColorCount)];
        QColor chosen = QColorDialog::getColor(ReportQColor(color), this);
        if (chosen.isValid()) color = ReportRgb(chosen);
        widths_->viewport()->update();
    });
    grid->addWidget(new QLabel(QStringLiteral("Click Column to Change Color."), central), 6, 0, 1, 2);
    grid->addWidget(widths_, 7, 0, 1, 2, Qt::AlignLeft);
    grid->setRowStretch(8, 1);
    setCentralWidget(central);
}

void RegularReportWindow::pageInches(int& width, int& height) const {
    const QRect paint = printer_->pageLayout().paintRectPixels(printer_->resolution());
    width = paint.width() / printer_->resolution();
    height = paint.height() / printer_->resolution();
}

int RegularReportWindow::printableWidth() {
    int w = 0, h = 0;
    pageInches(w, h);
    ReportSpace space;
    return CalculateSpace(box_.settings, w, h, space) ? space.width : 0;
}

void RegularReportWindow::readControls() {
    RegularReportSettings& s = box_.settings;
    s.title = ShownText(title_->text());
    s.titleOn = titleOn_->isChecked();
    s.dateOn = dateOn_->isChecked();
    s.headerOn = headerOn_->isChecked();
    s.pageNumbersOn = pageNumbers_->isChecked();
    s.itemNumbersOn = itemNumbers_->isChecked();
    s.totalsOn = totals_->isChecked();
    s.indent = indent_->isChecked();
    std::string* margins[] = {&s.leftMargin, &s.rightMargin, &s.topMargin, &s.bottomMargin};
    for (int i = 0; i < 4; ++i) *margins[i] = QString::number(margins_[i]->value(), 'g', 4).toStdString();
    s.columnCount = std::to_string(columns_->value());
    s.barWidth = kDefaultBarWidth;
    s.portrait = portrait_->isChecked();
    s.landscape = landscape_->isChecked();
}

void RegularReportWindow::showSettings() {
    const RegularReportSettings& s = box_.settings;
    title_->setText(ToQString(s.title));
    titleOn_->setChecked(s.titleOn);
    dateOn_->setChecked(s.dateOn);
    headerOn_->setChecked(s.headerOn);
    pageNumbers_->setChecked(s.pageNumbersOn);
    itemNumbers_->setChecked(s.itemNumbersOn);
    totals_->setChecked(s.totalsOn);
    indent_->setChecked(s.indent);
    const std::string* margins[] = {&s.leftMargin, &s.rightMargin, &s.topMargin, &s.bottomMargin};
    for (int i = 0; i < 4; ++i) margins_[i]->setValue(QString::fromStdString(*margins[i]).toDouble());
    columns_->setValue(QString::fromStdString(s.columnCount).toInt());
    portrait_->setChecked(s.portrait);
    landscape_->setChecked(s.landscape);
    memo_->setPlainText(ToQString(box_.MemoText()).trimmed());
    titleFont_->setText(ToQString(s.titleFontText));
    bodyFont_->setText(ToQString(s.bodyFontText));
    valueFont_->setText(ToQString(s.valueFontText));
    auto shownFont = [](const ReportFont& f) { return QFont(ToQString(f.name), f.size); };
    titleFont_->setFont(shownFont(s.titleFont));
    bodyFont_->setFont(shownFont(s.bodyFont));
    valueFont_->setFont(shownFont(s.valueFont));
    const auto actions = fieldMenu_->actions();
    for (int e = 0; e < kReportFieldCount; ++e) actions[e]->setEnabled(box_.MenuEnabled(e));
}

void RegularReportWindow::enableScreen() {
    const RegularReportControls c = box_.Controls(context_.session.loaded() || !context_.session.records().empty());
    importTool_->setEnabled(c.importExport);
    undoBtn_->setEnabled(c.undo);
    saveFormatTool_->setEnabled(c.saveFormat);
    clearBtn_->setEnabled(c.clear);
    modeTool_->setEnabled(c.modeToggle);
    fontBtn_->setEnabled(c.font);
    previewTool_->setEnabled(c.preview);
}

void RegularReportWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange) return;
    if (!isActiveWindow()) {
        // Another of the program's windows took over (not another program).
        if (QApplication::activeWindow())
            WriteWindowSize(context_.paths.settingsFile, WindowKind::Report, {width(), height(), 0});
        ownDialog_.deactivated(this, preview_);
        return;
    }
    // Closing one of the window's own choosers keeps the dragged column widths.
    if (ownDialog_.returning()) return;
    const LabelTable& labels = context_.session.db().labels;
    const auto captions = box_.MenuCaptions(labels, {});
    const auto actions = fieldMenu_->actions();
    for (int e = 0; e < kReportFieldCount; ++e) actions[e]->setText(ToQString(captions[static_cast<std::size_t>(e)]));
    totals_->setText(ToQString(RegularReportState::TotalsCaption(labels)));
    setColumns();
    if (!box_.settings.items.empty()) enableScreen();
    setWindowTitle(ToQString(box_.Caption()));
}

void RegularReportWindow::setColumns() {
    readControls();
    DoColumns(box_.settings, columns_->value(), printableWidth());
    widthsModel_->setColumnCount(columns_->value());
    for (int c = 0; c < columns_->value(); ++c)
        widths_->resizeSection(c, box_.settings.sections[static_cast<std::size_t>(c)].width);
    widths_->viewport()->update();
}

void RegularReportWindow::addField(int entry) {
    const auto captions = box_.MenuCaptions(context_.session.db().labels, {});
    if (!box_.Add(entry, captions[static_cast<std::size_t>(entry)])) return;
    readControls();
    showSettings();
    enableScreen();
}

void RegularReportWindow::undoField() {
    box_.Undo();
    readControls();
    showSettings();
    enableScreen();
}

void RegularReportWindow::clearFields() {
    box_.Clear();
    readControls();
    showSettings();
    enableScreen();
}

void RegularReportWindow::toggleMode() {
    box_.ToggleMode();
    setWindowTitle(ToQString(box_.Caption()));
}

void RegularReportWindow::showAllRecords() {
    box_.settings.searchedRecordsOnly = false;
    setWindowTitle(ToQString(box_.Caption()));
}

void RegularReportWindow::chooseFont(ReportFont& font, int maxSize, const char* word, QLineEdit* shown) {
    bool ok = false;
    QFont chosen = QFontDialog::getFont(&ok, QFont(ToQString(font.name), font.size), this);
    if (!ok) return;
    font.name = ShownText(chosen.family());
    font.size = std::clamp(chosen.pointSize() > 0 ? chosen.pointSize() : font.size, 1, maxSize);
    font.bold = chosen.bold();
    font.italic = chosen.italic();
    font.underline = chosen.underline();
    shown->setText(QString::fromLatin1(word));
    shown->setFont(QFont(chosen.family(), font.size));
    std::string* text = word[0] == 'T' ? &box_.settings.titleFontText : word[0] == 'B' ? &box_.settings.bodyFontText : &box_.settings.valueFontText;
    *text = word;
}

void RegularReportWindow::preview() {
    readControls();
    int w = 0, h = 0;
    pageInches(w, h);
    QtTextMeasurer measurer;
    ReportPages pages(w, h, measurer);
    LayoutResult result = LayOutReport(box_.settings, LayoutInput{context_.session.records(), context_.session.db().labels,
                                                                   {}, false, TodayText()}, pages);
    if (!result.error.empty()) {
        context_.dialogs.Error(result.error);
        return;
    }
    if (!result.warning.empty()) context_.dialogs.Information(result.warning);
    ReportPreviewDialog preview(pages, std::move(result.exportTable), context_.dialogs, *printer_, this);
    preview_ = &preview;
    runPreview_(preview);
    preview_ = nullptr;
}

void RegularReportWindow::saveFormat() {
    readControls();
    for (;;) {
        auto path = context_.dialogs.ChooseFileToSave("Save Report Format", "Report File|*.rpt|Comma Delimited File|*.txt", "rpt", "");
        if (!path || path->empty()) return;
        if (std::filesystem::exists(*path) && !context_.dialogs.AskYesNo(OverwriteQuestion(*path))) continue;
        FileResult written = WriteFileSafely(*path, EncodeReportFormat(box_.settings));
        if (!written.ok) context_.dialogs.Error("Cannot create file " + *path);
        else context_.dialogs.Information(kReportFormatSaved);
        return;
    }
}

void RegularReportWindow::loadFormat() {
    auto path = context_.dialogs.ChooseFileToOpenOnFilter("Load a Report Format", kFormatLoadFilter, "", 1);
    if (!path || path->empty()) return;
    std::string bytes;
    FileResult read = ReadWholeFile(*path, bytes, kMaxFormatBytes);
    if (!read.ok) {
        context_.dialogs.Error(read.error);
        return;
    }
    const bool ok = DecodeReportFormat(bytes, box_.settings);
    if (box_.settings.landscape) printer_->setPageOrientation(QPageLayout::Landscape);
    if (box_.settings.portrait) printer_->setPageOrientation(QPageLayout::Portrait);
    showSettings();
    if (!ok) {
        context_.dialogs.Error(InvalidReportFileMessage(*path));
        return;
    }
    widthsModel_->setColumnCount(static_cast<int>(box_.settings.sections.size()));
    for (int c = 0; c < static_cast<int>(box_.settings.sections.size()); ++c)
        widths_->resizeSection(c, box_.settings.sections[static_cast<std::size_t>(c)].width);
    context_.dialogs.Information(kReportFormatLoaded);
    enableScreen();
}

void RegularReportWindow::importRecords() {
    auto path = context_.dialogs.ChooseFileToOpen("Import Comma Delimated File", kFormatLoadFilter, "");
    if (!path || path->empty()) return;
    std::string text;
    FileResult read = ReadWholeFile(*path, text);
    if (!read.ok) {
        context_.dialogs.Error(read.error);
        return;
    }
    const ImportResult imported = ImportDelimited(context_.session.db(), box_.settings.items, text, TodayText());
    if (imported.tooLarge) {
        context_.dialogs.Error(ImportTooLargeMessage(imported));
        return;
    }
    context_.session.recordListChanged = true;
    context_.dialogs.Information(ImportedMessage(imported));
    enableScreen();
}

}  // namespace vorlane
