#include "views/ui/album_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "storage/app_settings.h"
#include "storage/database_session.h"
#include "views/ui/album_grid.h"
#include "widgets/help_window.h"
#include "widgets/picture_loader.h"
#include "widgets/text_codec.h"
#include "widgets/tool_icons.h"
#include "widgets/window_print.h"
#include "widgets/window_toolbar.h"

namespace vorlane {

namespace {
constexpr int kPanelWidth = 155;

QImage Placeholder(const DataFolders& folders) {
    QImage picture(PathToQString(folders.Find("placeholder.png")));
    if (picture.isNull()) {
        picture = QImage(kPlaceholderSide, kPlaceholderSide, QImage::Format_RGB32);
        picture.fill(QColor(224, 224, 224));
    }
    return picture;
}
}  // namespace

AlbumWindow::AlbumWindow(WindowContext& context, QWidget* parent)
    : QMainWindow(parent),
      session_(context.session),
      dialogs_(context.dialogs),
      paths_(context.paths),
      opener_(context.opener),
      printer_(std::make_unique<RecordPrinter>(context.dialogs)) {
    setObjectName(QStringLiteral("AlbumView"));
    setWindowTitle(ToQString(AlbumCaption(session_.viewMode)));
    buildToolBar();
    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(5, 5, 5, 5);
    buildPanel();
    layout->addWidget(panel_, 0, Qt::AlignVCenter);
    grid_ = new AlbumGrid(session_, pages_, PictureLoader::shared(), central);
    grid_->setPlaceholder(Placeholder(paths_.data));
    connect(grid_, &AlbumGrid::pressed, this, &AlbumWindow::cellPressed);
    connect(grid_, &AlbumGrid::doubleClicked, this, [this](int record) {
        session_.currentIndex = record;
        opener_.open(ProgramWindow::Main);
    });
    layout->addWidget(grid_, 1);
    setCentralWidget(central);
    const WindowSize size = ReadWindowSize(paths_.settingsFile, WindowKind::Album);
    resize(size.width, size.height);
}

AlbumWindow::~AlbumWindow() = default;

void AlbumWindow::buildToolBar() {
    WindowToolbar tools(*this, &opener_);
    tools.add(MakeToolIcon(ToolIcon::PrintScreen), QStringLiteral("Print a screenshot"), [this] { print(); });
    tools.addWindowButtons(ProgramWindow::Album);
    saveTool_ = tools.addSaveHelpClose([this] { saveDatabase(); },
                                       [this] { ShowHelpTopic(paths_.data, QStringLiteral("Album View")); },
                                       QStringLiteral("Close Album Window"), [this] { close(); });
    saveTool_->setEnabled(session_.saveEnabled());
}

void AlbumWindow::buildPanel() {
    panel_ = new QFrame(this);
    panel_->setObjectName(QStringLiteral("ControlPanel"));
    panel_->setFixedWidth(kPanelWidth);
    auto* column = new QVBoxLayout(panel_);
    page_ = new QLabel(QStringLiteral("Page 0 of 0"), panel_);
    size_ = new QLabel(panel_);
    for (QLabel* label : {page_, size_}) {
        label->setAlignment(Qt::AlignCenter);
        column->addWidget(label);
    }
    label_ = new QCheckBox(QStringLiteral("Label"), panel_);
    autoSize_ = new QCheckBox(QStringLiteral("Auto-Size"), panel_);
    connect(label_, &QCheckBox::toggled, this, [this](bool on) {
        grid_->setLabel(on);
        if (pages_.page() > 0) buildSheet();
    });
    connect(autoSize_, &QCheckBox::toggled, this, [this](bool on) {
        grid_->setAutoSize(on);
        buildSheet();
    });
    column->addWidget(label_);
    column->addWidget(autoSize_);

    auto* arrows = new QGridLayout;
    auto arrow = [this, arrows](Qt::ArrowType type, const char* name, int row, int col, bool (AlbumPages::*step)()) {
        auto* button = new QToolButton(panel_);
        button->setArrowType(type);
        button->setObjectName(QString::fromLatin1(name));
        connect(button, &QToolButton::clicked, this, [this, step] { changeSize(step); });
        arrows->addWidget(button, row, col, Qt::AlignCenter);
    };
    arrow(Qt::UpArrow, "LessCols", 0, 1, &AlbumPages::LessCols);
    arrow(Qt::LeftArrow, "LessRows", 1, 0, &AlbumPages::LessRows);
    arrow(Qt::RightArrow, "MoreRows", 1, 2, &AlbumPages::MoreRows);
    arrow(Qt::DownArrow, "MoreCols", 2, 1, &AlbumPages::MoreCols);
    auto* full = new QToolButton(panel_);
    full->setObjectName(QStringLiteral("FullScreen"));
    full->setText(QStringLiteral("[ ]"));
    full->setToolTip(QStringLiteral("Full Screen"));
    connect(full, &QToolButton::clicked, this, [this] { isMaximized() ? showNormal() : showMaximized(); });
    arrows->addWidget(full, 1, 1, Qt::AlignCenter);
    column->addLayout(arrows);

    auto* imageRow = new QHBoxLayout;
    imageRow->addWidget(new QLabel(QStringLiteral("Record Image"), panel_));
    image_ = new QComboBox(panel_);
    image_->setObjectName(QStringLiteral("Image"));
    for (int n = 1; n <= 6; ++n) image_->addItem(QString::number(n));
    connect(image_, &QComboBox::currentIndexChanged, this, [this](int at) {
        grid_->setImageNumber(at + 1);
        layoutSheet();
    });
    imageRow->addWidget(image_);
    column->addLayout(imageRow);

    previous_ = new QPushButton(QStringLiteral("Previous"), panel_);
    next_ = new QPushButton(QStringLiteral("Next"), panel_);
    auto* mode = new QPushButton(QStringLiteral("Mode"), panel_);
    previous_->setEnabled(false);
    connect(next_, &QPushButton::clicked, this, [this] {
        pages_.Next();
        buildSheet();
    });
    connect(previous_, &QPushButton::clicked, this, [this] {
        pages_.Previous();
        buildSheet();
    });
    connect(mode, &QPushButton::clicked, this, &AlbumWindow::toggleMode);
    for (QPushButton* b : {previous_, next_, mode}) column->addWidget(b);
}

QPushButton* AlbumWindow::button(const QString& caption) const {
    for (QPushButton* b : findChildren<QPushButton*>())
        if (b->text() == caption) return b;
    return nullptr;
}

QAction* AlbumWindow::action(const QString& hint) const {
    for (QToolBar* bar : findChildren<QToolBar*>())
        for (QAction* a : bar->actions())
            if (a->toolTip() == hint) return a;
    return nullptr;
}

QString AlbumWindow::pageLabel() const { return page_->text(); }
QString AlbumWindow::sizeLabel() const { return size_->text(); }

void AlbumWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange) return;
    if (isActiveWindow()) {
        activate();
    } else {
        const QSize size = (isMaximized() || isFullScreen()) ? normalGeometry().size() : this->size();
        (void)WriteWindowSize(paths_.settingsFile, WindowKind::Album, {size.width(), size.height(), 0});
    }
}

void AlbumWindow::activate() {
    setWindowTitle(ToQString(AlbumCaption(session_.viewMode)));
    pages_.RaiseToFirstPage();
    layoutSheet();
}

void AlbumWindow::layoutSheet() {
    size_->setText(ToQString(pages_.SizeLabel()));
    buildSheet();
}

void AlbumWindow::buildSheet() {
    pages_.Build(session_.records(), session_.viewMode);
    next_->setEnabled(pages_.nextEnabled());
    previous_->setEnabled(pages_.previousEnabled());
    page_->setText(ToQString(pages_.PageLabel()));
    grid_->sheetBuilt(session_.viewMode);
}

void AlbumWindow::changeSize(bool (AlbumPages::*step)()) {
    if ((pages_.*step)()) layoutSheet();
}

void AlbumWindow::cellPressed(int record, Qt::MouseButton button) {
    if (record >= 0) {
        session_.currentIndex = record;
        if (button == Qt::RightButton) opener_.open(ProgramWindow::Spreadsheet);
    }
    buildSheet();
}

void AlbumWindow::toggleMode() {
    pages_.FirstPage();
    session_.viewMode = NextAlbumMode(session_.viewMode);
    setWindowTitle(ToQString(AlbumCaption(session_.viewMode)));
    buildSheet();
}

void AlbumWindow::saveDatabase() {
    session_.QuickSave();
    saveTool_->setEnabled(session_.saveEnabled());
}

void AlbumWindow::print() {
    // The page alone goes to the printer: the panel steps aside meanwhile.
    panel_->hide();
    resize(width() - kPanelWidth, height());
    buildSheet();
    grid_->decodeAll();
    const bool printed = printer_->printForm(this);
    resize(width() + kPanelWidth, height());
    panel_->show();
    if (printed) dialogs_.Information("Form sent to Printer.");
    buildSheet();
}

}  // namespace vorlane
