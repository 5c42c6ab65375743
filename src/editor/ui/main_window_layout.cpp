// The controls of the main window and how they follow its size.

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <limits>

#include "widgets/detail_rules.h"
#include "widgets/text_codec.h"
#include "widgets/text_guard.h"
#include "editor/ui/recipe_print.h"
#include "widgets/window_print.h"
#include "editor/ui/images_page.h"
#include "editor/ui/ingredients_actions.h"
#include "editor/ui/ingredients_grid.h"
#include "editor/ui/internet_page.h"
#include "editor/ui/main_window.h"
#include "editor/ui/main_window_parts.h"

namespace vorlane {

namespace {

QString DescriptionName(int k) {
    static const char* const kNames[] = {"DescOne", "DescTwo", "DescThree", "DescFour", "DescFive",
                                         "DescSix", "DescSeven", "DescEight", "DescNine", "DescTen"};
    return QString::fromLatin1(kNames[k - 1]);
}

// A page that scrolls instead of squeezing its controls when the window is
// made smaller than they need.
QScrollArea* Scrolling(QWidget* content) {
    auto* scroll = new QScrollArea;
    scroll->setWidget(content);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    return scroll;
}

QLineEdit* FreeTextEdit() {
    auto* edit = new QLineEdit;
    // The default limit would cut longer texts of a record when shown.
    edit->setMaxLength(std::numeric_limits<int>::max());
    return edit;
}

}  // namespace

void MarkPending(QWidget* widget, const QString& hint) {
    widget->setProperty(kPendingProperty, true);
    widget->setEnabled(false);
    if (!hint.isEmpty()) widget->setToolTip(hint);
}

void MarkPending(QAction* action) {
    action->setProperty(kPendingProperty, true);
    action->setEnabled(false);
}

void SetEnabledUnlessPending(QWidget* widget, bool enabled) {
    widget->setEnabled(enabled && !widget->property(kPendingProperty).toBool());
}

void SetEnabledUnlessPending(QAction* action, bool enabled) {
    action->setEnabled(enabled && !action->property(kPendingProperty).toBool());
}

void MainWindow::buildControls() {
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->setSpacing(4);
    layout->addWidget(buildTopStrip());

    recordBook_ = new QTabWidget;
    recordBook_->setObjectName(QStringLiteral("RecordBook"));
    recordBook_->setDocumentMode(false);
    recordBook_->addTab(buildDescriptionPage(), QStringLiteral("Description"));
    recordBook_->addTab(buildDetailPage(), QStringLiteral("Detail"));
    recordBook_->addTab(buildIngredientsPage(), QStringLiteral("Ingredients"));
    recordBook_->addTab(buildImagesPage(), QStringLiteral("Images"));
    recordBook_->addTab(buildInternetPage(), QStringLiteral("Internet Search and Email"));
    layout->addWidget(recordBook_, 1);
    setCentralWidget(central);
    // Ctrl+C in a text box without a selection is "Copy Record" (see eventFilter).
    for (QLineEdit* edit : central->findChildren<QLineEdit*>()) edit->installEventFilter(this);
    for (QPlainTextEdit* memo : central->findChildren<QPlainTextEdit*>()) memo->installEventFilter(this);
}

QWidget* MainWindow::buildTopStrip() {
    auto* strip = new QWidget;
    auto* row = new QHBoxLayout(strip);
    row->setContentsMargins(0, 0, 0, 0);

    recordTitle_ = new QLabel(QStringLiteral("Name"));
    recordTitle_->setObjectName(QStringLiteral("RecordTitle"));
    recordName_ = FreeTextEdit();
    recordName_->setObjectName(QStringLiteral("RecordName"));
    recordTitle_->setBuddy(recordName_);
    guard_->watch(recordName_);

    number_ = new QLineEdit;
    number_->setObjectName(QStringLiteral("number"));
    number_->setToolTip(QStringLiteral("Enter the record you want to go to here "));
    number_->setAlignment(Qt::AlignRight);
    number_->setMaximumWidth(number_->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 14);
    connect(number_, &QLineEdit::returnPressed, this, &MainWindow::goToTypedNumber);

    readonlyBox_ = new QCheckBox(QStringLiteral("Read Only"));
    readonlyBox_->setObjectName(QStringLiteral("ReadonlyBox"));
    connect(readonlyBox_, &QCheckBox::clicked, this, &MainWindow::toggleReadOnly);
    searchListBox_ = new QCheckBox(QStringLiteral("Search List"));
    searchListBox_->setObjectName(QStringLiteral("SearchListBox"));
    connect(searchListBox_, &QCheckBox::clicked, this, &MainWindow::toggleSearchList);
    printButton_ = new QPushButton(QStringLiteral("Print"));
    printButton_->setObjectName(QStringLiteral("PrintRecordBtn"));
    printButton_->setToolTip(QStringLiteral("Print the record as a recipe"));
    connect(printButton_, &QPushButton::clicked, this, [this] {
        PrintRecipe(*recordPrinter_, this, recordName_->text(), *dirGrid_, memos_[2]->toPlainText());
    });

    row->addWidget(recordTitle_);
    row->addWidget(recordName_, 1);
    row->addSpacing(8);
    row->addWidget(number_);
    row->addWidget(readonlyBox_);
    row->addWidget(searchListBox_);
    row->addWidget(printButton_);
    return strip;
}

QWidget* MainWindow::buildDescriptionPage() {
    auto* descPanel = new QWidget;
    descPanel->setObjectName(QStringLiteral("DescPanel"));
    auto* descGrid = new QGridLayout(descPanel);
    descGrid->setContentsMargins(4, 6, 6, 4);
    descGrid->setVerticalSpacing(3);
    for (int k = 1; k <= kDescriptionCount; ++k) {
        auto i = static_cast<std::size_t>(k - 1);
        descLabels_[i] = new QLabel;
        descLabels_[i]->setObjectName(QStringLiteral("Desc%1").arg(k));
        descEdits_[i] = FreeTextEdit();
        descEdits_[i]->setObjectName(DescriptionName(k));
        // Values are chosen from the field's value tree, never typed.
        descEdits_[i]->setReadOnly(true);
        descLabels_[i]->setBuddy(descEdits_[i]);
        descLabels_[i]->installEventFilter(this);
        descEdits_[i]->installEventFilter(this);
        descGrid->addWidget(descLabels_[i], k - 1, 0);
        descGrid->addWidget(descEdits_[i], k - 1, 1);
    }
    descGrid->setColumnStretch(1, 1);
    descGrid->setRowStretch(kDescriptionCount + 1, 1);  // rows line up with the details'
    descPanel->setMinimumWidth(50);

    auto* detailPanel = new QWidget;
    detailPanel->setObjectName(QStringLiteral("DetailPanel"));
    auto* detailGrid = new QGridLayout(detailPanel);
    detailGrid->setContentsMargins(6, 6, 4, 4);
    detailGrid->setVerticalSpacing(3);
    for (int d = 0; d < kDetailCount; ++d) {
        auto i = static_cast<std::size_t>(d);
        detailLabels_[i] = new QLabel;
        detailLabels_[i]->setObjectName(QStringLiteral("sn%1").arg(d));
        detailEdits_[i] = FreeTextEdit();
        detailEdits_[i]->setObjectName(QStringLiteral("Detail%1").arg(d));
        detailLabels_[i]->setBuddy(detailEdits_[i]);
        detailLabels_[i]->installEventFilter(this);
        detailGrid->addWidget(detailLabels_[i], d, 0);
        detailGrid->addWidget(detailEdits_[i], d, 1);
    }
    for (int d = 0; d < kDetailCount; ++d) ApplyDetailRule(detailEdits_[static_cast<std::size_t>(d)], d);
    detailEdits_[2]->setToolTip(QStringLiteral("Date Received (CCYY/MM/DD)"));
    for (QLineEdit* edit : detailEdits_) guard_->watch(edit);

    statusGroup_ = new QGroupBox(QStringLiteral("Status"));
    statusGroup_->setObjectName(QStringLiteral("boxname"));
    auto* statusRow = new QHBoxLayout(statusGroup_);
    const char* const kStatus[] = {"Favorite", "Tested", "Untested"};
    for (int b = 0; b < 3; ++b) {
        statusBoxes_[static_cast<std::size_t>(b)] = new QCheckBox(QString::fromLatin1(kStatus[b]));
        statusBoxes_[static_cast<std::size_t>(b)]->setObjectName(QStringLiteral("CheckBox%1").arg(b + 1));
        statusRow->addWidget(statusBoxes_[static_cast<std::size_t>(b)]);
    }
    statusRow->addStretch();
    detailGrid->addWidget(statusGroup_, kDetailCount, 0, 1, 2);
    detailGrid->setColumnStretch(1, 1);
    detailGrid->setRowStretch(kDetailCount + 1, 1);
    detailPanel->setMinimumWidth(50);

    descSplitter_ = new QSplitter(Qt::Horizontal);
    descSplitter_->setObjectName(QStringLiteral("DescSplitter"));
    descSplitter_->addWidget(descPanel);
    descSplitter_->addWidget(detailPanel);
    descSplitter_->setChildrenCollapsible(false);
    descSplitter_->setHandleWidth(6);
    descSplitter_->setStretchFactor(0, 1);
    descSplitter_->setStretchFactor(1, 1);
    descSplitter_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Maximum);

    // The two columns stand in the middle of the page however tall it is.
    auto* page = new QWidget;
    auto* centred = new QVBoxLayout(page);
    centred->setContentsMargins(0, 0, 0, 0);
    centred->addStretch(1);
    centred->addWidget(descSplitter_);
    centred->addStretch(1);
    return Scrolling(page);
}

QWidget* MainWindow::buildDetailPage() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(8, 8, 8, 8);
    const char* const kMemoLabels[] = {"Keywords", "Food Pairing", "Notes"};
    for (int m = 0; m < kNoteListCount; ++m) {
        auto i = static_cast<std::size_t>(m);
        auto* label = new QLabel(QString::fromLatin1(kMemoLabels[m]));
        label->setAlignment(Qt::AlignRight | Qt::AlignTop);
        memos_[i] = new QPlainTextEdit;
        memos_[i]->setObjectName(QStringLiteral("Memo%1").arg(m + 1));
        memos_[i]->setTabChangesFocus(true);
        label->setBuddy(memos_[i]);
        guard_->watch(memos_[i]);
        grid->addWidget(label, m, 0);
        grid->addWidget(memos_[i], m, 1);
    }
    int line = memos_[0]->fontMetrics().lineSpacing();
    memos_[0]->setMinimumHeight(line * 3 + 12);
    memos_[1]->setMinimumHeight(line * 3 + 12);
    memos_[2]->setMinimumHeight(line * 4 + 12);
    grid->setRowStretch(0, 2);
    grid->setRowStretch(1, 2);
    grid->setRowStretch(2, 5);
    grid->setColumnStretch(1, 1);
    return Scrolling(page);
}

QWidget* MainWindow::buildIngredientsPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(6, 6, 6, 6);
    dirGrid_ = new IngredientsGrid(guard_);
    layout->addWidget(dirGrid_, 1);

    auto* hint = new QLabel(
        QStringLiteral("Right-click an Ingredients or Measure cell to pick a commonly used value."));
    hint->setObjectName(QStringLiteral("DirHint"));
    hint->setWordWrap(true);
    hint->setAlignment(Qt::AlignCenter);
    layout->addWidget(hint);

    printIngredients_ = new QPushButton(QStringLiteral("Print Ingredients"));
    convertUnits_ = new QPushButton(QStringLiteral("Convert Units"));
    dirActions_ = new IngredientsActions(dirGrid_, dialogs_);
    dirActions_->attachButtons(printIngredients_, convertUnits_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(printIngredients_);
    buttons->addWidget(convertUnits_);
    buttons->addStretch();
    layout->addLayout(buttons);
    return page;
}

QWidget* MainWindow::buildImagesPage() {
    imagesPage_ = new ImagesPage(dialogs_);
    imagesPage_->setCurrentRecord([this] { return currentRecord(); });
    imagesPage_->setDatabaseFile([this] { return session_.fileName(); });
    guard_->watch(imagesPage_->titleEdit());
    return imagesPage_;
}

QWidget* MainWindow::buildInternetPage() {
    internetPage_ = new InternetPage(dialogs_, paths_.data);
    // The term is made of what the window shows, edits not yet written back included.
    internetPage_->setTermSource([this] {
        SearchTermSource source;
        FromQString(recordName_->text(), source.name);
        FromQString(memos_[1]->toPlainText(), source.foodPairing);
        for (int k = 1; k <= kDescriptionCount; ++k) {
            auto i = static_cast<std::size_t>(k - 1);
            FromQString(descEdits_[i]->text(), source.descriptions[i]);
        }
        FromQString(detailEdits_[0]->text(), source.detail0);
        return source;
    });
    guard_->watch(internetPage_->searchTermEdit());
    guard_->watch(internetPage_->bookSearchEdit());
    guard_->watch(internetPage_->magazineSearchEdit());
    // Not in a scrolling frame: that would give the two lists their full
    // preferred height and push the rest of the page out of sight.
    return internetPage_;
}

}  // namespace vorlane
