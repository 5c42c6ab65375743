#include "reports/ui/html_report_window.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QCursor>
#include <QDesktopServices>
#include <QEvent>
#include <QFontDialog>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <filesystem>

#include "reports/ui/page_painter.h"
#include "storage/database_session.h"
#include "storage/file_choosers.h"
#include "storage/safe_file.h"
#include "widgets/grid_print.h"
#include "widgets/help_window.h"
#include "widgets/search_icons.h"
#include "widgets/text_codec.h"
#include "widgets/tool_icons.h"
#include "widgets/window_toolbar.h"

namespace vorlane {

namespace {
constexpr const char* kHtmlFilter = "HTML File|*.htm";
constexpr const char* kFormatFilter = "HTML Report Format|*.hrf";

std::vector<std::string> MemoLines(const QPlainTextEdit* memo) {
    std::vector<std::string> lines;
    if (memo->toPlainText().isEmpty()) return lines;
    for (const QString& line : memo->toPlainText().split(QLatin1Char('\n'))) lines.push_back(ShownText(line));
    return lines;
}

void ShowLines(QPlainTextEdit* memo, const std::vector<std::string>& lines) {
    QStringList shown;
    for (const auto& l : lines) shown << ToQString(l);
    memo->setPlainText(shown.join(QLatin1Char('\n')));
}

ReportFont FromQFont(const QFont& f, Rgb color) {
    ReportFont font;
    font.name = ShownText(f.family());
    font.size = f.pointSize() > 0 ? f.pointSize() : 10;
    font.bold = f.bold();
    font.italic = f.italic();
    font.underline = f.underline();
    font.strikeOut = f.strikeOut();
    font.color = color;
    return font;
}

// A letter for the font chooser, a swatch of colours for the colour chooser.
QIcon FontIcon() {
    return IconFromDrawing([](QPainter& p) {
        QFont f(QStringLiteral("Serif"));
        f.setPixelSize(26);
        f.setBold(true);
        p.setFont(f);
        p.setPen(QColor(40, 40, 120));
        p.drawText(QRect(0, 0, 32, 32), Qt::AlignCenter, QStringLiteral("A"));
    });
}
QIcon ColourIcon() {
    return IconFromDrawing([](QPainter& p) {
        const QColor colours[] = {QColor(200, 40, 40), QColor(40, 160, 60), QColor(40, 80, 200), QColor(230, 190, 30)};
        for (int i = 0; i < 4; ++i) p.fillRect(4 + (i % 2) * 12, 4 + (i / 2) * 12, 12, 12, colours[i]);
        p.setPen(Qt::black);
        p.drawRect(4, 4, 24, 24);
    });
}

}  // namespace

HtmlReportWindow::HtmlReportWindow(WindowContext& context, QWidget* parent)
    : QMainWindow(parent), context_(context), printer_(std::make_unique<QPrinter>()),
      printSettings_(std::make_unique<GridPrintSettings>()) {
    setWindowTitle(QStringLiteral("Generate HTML Report"));
    setObjectName(QStringLiteral("HtmlReportWindow"));
    printSettings_->title = QStringLiteral("HTML Report");
    browser_ = [](const std::string& path) { QDesktopServices::openUrl(QUrl::fromLocalFile(PathToQString(path))); };
    fieldMenu_ = new QMenu(this);
    for (int e = 0; e < kReportFieldCount; ++e)
        connect(fieldMenu_->addAction(QString()), &QAction::triggered, this, [this, e] { addField(e); });
    buildToolBar();
    buildControls();
    report_.Activate(FromQFont(font(), kBlack));
    enableButtons();
    resize(620, 520);
}

HtmlReportWindow::~HtmlReportWindow() = default;

void HtmlReportWindow::buildToolBar() {
    WindowToolbar tools(*this, &context_.opener);
    clearTool_ = tools.add(MakeToolIcon(ToolIcon::DeleteRecord), QStringLiteral("Clear the Report"), [this] { clearFields(); });
    tools.add(FontIcon(), QStringLiteral("Select Report Font"), [this] {
        bool ok = false;
        // The chooser works in points; the report font's own size is a point size.
        QFont shown(ToQString(report_.font.name), report_.font.size);
        shown.setBold(report_.font.bold);
        shown.setItalic(report_.font.italic);
        shown.setUnderline(report_.font.underline);
        shown.setStrikeOut(report_.font.strikeOut);
        QFont chosen = QFontDialog::getFont(&ok, shown, this);
        if (ok) report_.font = FromQFont(chosen, report_.font.color);
    });
    tools.add(ColourIcon(), QStringLiteral("Select Report Colors"), [this] {
        QColor chosen = QColorDialog::getColor(ReportQColor(report_.color), this);
        if (chosen.isValid()) report_.color = ReportRgb(chosen);
    });
    printMenu_ = new QMenu(this);
    connect(printMenu_->addAction(QStringLiteral("Print Settings")), &QAction::triggered, this, &HtmlReportWindow::printSetup);
    connect(printMenu_->addAction(QStringLiteral("Print")), &QAction::triggered, this, &HtmlReportWindow::print);
    QAction* print = tools.add(MakeToolIcon(ToolIcon::PrintScreen), QStringLiteral("Preview Report in Browser"),
                               [this] { printMenu_->popup(QCursor::pos()); });
    print->setMenu(printMenu_);
    if (auto* button = qobject_cast<QToolButton*>(tools.bar()->widgetForAction(print)))
        button->setPopupMode(QToolButton::InstantPopup);
    tools.add(MakeToolIcon(ToolIcon::Save), QStringLiteral("Save Report Format"), [this] { saveFormat(); });
    tools.add(MakeSearchIcon(SearchIcon::LoadSearch), QStringLiteral("Load Report Form"), [this] { loadFormat(); });
    tools.addSeparator();
    tools.addWindowButtons(ProgramWindow::HtmlReport);
    saveTool_ = tools.addSaveHelpClose([this] { context_.session.QuickSave(); },
                                       [this] { ShowHelpTopic(context_.paths.data, QStringLiteral("HTML Reports")); },
                                       QStringLiteral("Close HTML Report Window"), [this] { close(); });
    saveTool_->setEnabled(context_.session.saveEnabled());
}

void HtmlReportWindow::buildControls() {
    auto* central = new QWidget(this);
    auto* grid = new QGridLayout(central);
    auto button = [&](const char* caption, const char* name, const char* hint, auto slot) {
        auto* b = new QPushButton(QString::fromLatin1(caption), central);
        b->setObjectName(QString::fromLatin1(name));
        if (hint) b->setToolTip(QString::fromLatin1(hint));
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    fields_ = new QListWidget(central);
    fields_->setObjectName(QStringLiteral("Fields"));
    grid->addWidget(new QLabel(QStringLiteral("Report Fields"), central), 0, 0);
    grid->addWidget(fields_, 1, 0, 5, 1);
    grid->addWidget(button("Add", "AddBtn", "Add a new field to the Report", [this] { fieldMenu_->popup(QCursor::pos()); }), 1, 1);
    removeBtn_ = button("Remove", "RemoveBtn", "Remove the Last added field", [this] { removeField(); });
    grid->addWidget(removeBtn_, 2, 1);
    grid->addWidget(button("Move Up", "MoveUpBtn", nullptr, [this] { moveField(-1); }), 3, 1);
    grid->addWidget(button("Move Down", "MoveDownBtn", nullptr, [this] { moveField(1); }), 4, 1);
    searchList_ = new QCheckBox(QStringLiteral("Only include search list items."), central);
    searchList_->setObjectName(QStringLiteral("SearchList"));
    connect(searchList_, &QCheckBox::toggled, this, [this](bool on) { report_.searchListOnly = on; });
    grid->addWidget(searchList_, 6, 0, 1, 2);

    header_ = new QPlainTextEdit(central);
    header_->setObjectName(QStringLiteral("HeaderHTML"));
    footer_ = new QPlainTextEdit(central);
    footer_->setObjectName(QStringLiteral("FooterHTML"));
    grid->addWidget(new QLabel(QStringLiteral("Header HTML"), central), 7, 0);
    grid->addWidget(header_, 8, 0);
    grid->addWidget(button("Load Header", "LoadHeaderBtn", nullptr, [this] { loadMemo(header_); }), 8, 1, Qt::AlignTop);
    grid->addWidget(new QLabel(QStringLiteral("Footer HTML"), central), 9, 0);
    grid->addWidget(footer_, 10, 0);
    grid->addWidget(button("Load Footer", "LoadFooterBtn", nullptr, [this] { loadMemo(footer_); }), 10, 1, Qt::AlignTop);

    auto* row = new QHBoxLayout;
    viewBtn_ = button("View", "ViewReportBtn", nullptr, [this] { viewReport(); });
    row->addStretch(1);
    row->addWidget(viewBtn_);
    row->addWidget(button("Save HTML", "SaveHTMLBtn", nullptr, [this] { saveHtml(); }));
    grid->addLayout(row, 11, 0, 1, 2);
    setCentralWidget(central);
}

void HtmlReportWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange) return;
    if (!isActiveWindow()) {
        ownDialog_.deactivated(this);
        return;
    }
    // Closing the window's own font or colour chooser is no return to the window.
    if (ownDialog_.returning()) return;
    const auto captions = report_.MenuCaptions(context_.session.db().labels, {});
    const auto actions = fieldMenu_->actions();
    for (int e = 0; e < kReportFieldCount; ++e) actions[e]->setText(ToQString(captions[static_cast<std::size_t>(e)]));
    report_.Activate(FromQFont(font(), kBlack));
}

void HtmlReportWindow::showFields() {
    const int row = fields_->currentRow();
    fields_->clear();
    for (const auto& f : report_.fields()) fields_->addItem(ToQString(f.caption));
    if (row >= 0 && row < fields_->count()) fields_->setCurrentRow(row);
    const auto actions = fieldMenu_->actions();
    for (int e = 0; e < kReportFieldCount; ++e) actions[e]->setEnabled(report_.MenuEnabled(e));
}

void HtmlReportWindow::enableButtons() {
    const bool any = report_.HasFields();
    removeBtn_->setEnabled(any);
    viewBtn_->setEnabled(any);
    clearTool_->setEnabled(any);
}

void HtmlReportWindow::addField(int entry) {
    const auto captions = report_.MenuCaptions(context_.session.db().labels, {});
    if (!report_.Add(entry, captions[static_cast<std::size_t>(entry)])) return;
    showFields();
    enableButtons();
}

void HtmlReportWindow::removeField() {
    if (fields_->currentRow() < 0) return;
    report_.Remove(fields_->currentRow());
    showFields();
    if (!report_.HasFields()) enableButtons();
}

void HtmlReportWindow::clearFields() {
    report_.Clear();
    showFields();  // the buttons keep their state
}

void HtmlReportWindow::moveField(int step) {
    const int row = fields_->currentRow();
    if (step < 0 ? !report_.MoveUp(row) : !report_.MoveDown(row)) return;
    fields_->setCurrentRow(row + step);
    showFields();
}

ReportTable HtmlReportWindow::generate() {
    report_.header = MemoLines(header_);
    report_.footer = MemoLines(footer_);
    HtmlReportTable table = report_.Generate(context_.session.records(), context_.session.db().labels, {}, false);
    if (table.truncated) context_.dialogs.Information(kHtmlRowLimitWarning);
    // The working copies of the header and footer, as last generated.
    auto working = [this](const char* name, const std::vector<std::string>& lines) {
        std::string text;
        for (const auto& l : lines) text += l + "\r\n";
        WriteFileSafely((std::filesystem::path(context_.paths.data.user) / name).string(), text);
    };
    working("header.htm", report_.header);
    working("footer.htm", report_.footer);
    return std::move(table.rows);
}

bool HtmlReportWindow::writeHtml(const std::string& path, const ReportTable& table) {
    ReportWriteResult written = WriteReportFile(path, report_.Html(table));
    if (!written.ok) context_.dialogs.Error(written.message);
    return written.ok;
}

void HtmlReportWindow::viewReport() {
    std::filesystem::create_directories(context_.paths.data.user);
    const std::string path = (std::filesystem::path(context_.paths.data.user) / "rphtml.htm").string();
    if (writeHtml(path, generate())) browser_(path);
}

void HtmlReportWindow::saveHtml() {
    auto path = ChooseFileToReplace(context_.dialogs, "Save HTML", kHtmlFilter, "htm", "");
    if (!path || path->empty()) return;
    if (writeHtml(*path, generate())) context_.dialogs.Information("HTML report saved as " + *path + ".");
}

void HtmlReportWindow::saveFormat() {
    auto path = ChooseFileToReplace(context_.dialogs, "Save Report Format", kFormatFilter, "hrf", "");
    if (!path || path->empty()) return;
    report_.header = MemoLines(header_);
    report_.footer = MemoLines(footer_);
    FileResult written = WriteFileSafely(*path, report_.EncodeFormat());
    if (!written.ok) context_.dialogs.Error("Cannot create file " + *path);
    else context_.dialogs.Information(kHrfSaved);
}

void HtmlReportWindow::loadFormat() {
    auto path = context_.dialogs.ChooseFileToOpen("Load Report Form", kFormatFilter, "");
    if (!path || path->empty()) return;
    std::string bytes;
    FileResult read = ReadWholeFile(*path, bytes, std::size_t{64} << 20);
    if (!read.ok) {
        context_.dialogs.Error(read.error);
        return;
    }
    const bool ok = report_.DecodeFormat(bytes);
    showFields();
    ShowLines(header_, report_.header);
    ShowLines(footer_, report_.footer);
    searchList_->setChecked(report_.searchListOnly);
    if (report_.HasFields()) enableButtons();
    context_.dialogs.Information(ok ? kHrfLoaded : kHrfInvalid);
}

void HtmlReportWindow::loadMemo(QPlainTextEdit* memo) {
    auto path = context_.dialogs.ChooseFileToOpen(memo == header_ ? "Load Header" : "Load Footer", kHtmlFilter, "");
    if (!path || path->empty()) return;
    std::string bytes;
    if (!ReadWholeFile(*path, bytes, std::size_t{64} << 20).ok) return;
    memo->setPlainText(ToQString(bytes).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void HtmlReportWindow::printSetup() {
    GridPrintSettingsDialog dialog(*printSettings_, this);
    if (dialog.exec() == QDialog::Accepted) *printSettings_ = dialog.settings();
}

void HtmlReportWindow::print() {
    const ReportTable table = generate();
    QTableWidget grid(static_cast<int>(table.size()) - 1, static_cast<int>(report_.fields().size()));
    QStringList titles;
    for (const auto& t : table.front()) titles << ToQString(t);
    grid.setHorizontalHeaderLabels(titles);
    const QFont font = ReportQFont(report_.font);
    for (std::size_t r = 1; r < table.size(); ++r)
        for (std::size_t c = 0; c < table[r].size(); ++c) {
            auto* item = new QTableWidgetItem(ToQString(table[r][c]));
            item->setBackground(ReportQColor(report_.color));
            item->setForeground(ReportQColor(report_.font.color));
            grid.setItem(static_cast<int>(r - 1), static_cast<int>(c), item);
        }
    GridPrintSettings settings = *printSettings_;
    settings.cellFont = QFont(font.family(), report_.font.size);
    settings.cellFont.setBold(report_.font.bold);
    settings.cellFont.setItalic(report_.font.italic);
    ApplyPageSettings(*printer_, settings);
    if (!chooser_(*printer_, this, GridPageCount(*printer_, grid, settings))) return;
    QString error;
    if (!PrintGrid(*printer_, grid, settings, &error)) context_.dialogs.Error(ShownText(error));
}

}  // namespace vorlane
