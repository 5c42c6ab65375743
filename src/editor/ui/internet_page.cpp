#include "editor/ui/internet_page.h"

#include <QComboBox>
#include <QCursor>
#include <QDesktopServices>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>
#include <limits>

#include "widgets/text_codec.h"
#include "storage/safe_file.h"

namespace vorlane {

namespace {

WebSearchConfig ReadConfig(const DataFolders& folders) {
    std::string path = folders.Find(kWebSearchDataFile);
    std::string text;
    if (path.empty() || !ReadWholeFile(path, text, std::size_t{1} << 20).ok) return DefaultWebSearchConfig();
    return ParseWebSearchConfig(text);
}

QLineEdit* FreeTextEdit(const char* name) {
    auto* edit = new QLineEdit;
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(std::numeric_limits<int>::max());
    return edit;
}

QString HostTip(const char* what, const std::string& address) {
    QUrl url(ToQString(address), QUrl::TolerantMode);
    return QStringLiteral("Search for %1 at %2").arg(QString::fromLatin1(what), url.host());
}

}  // namespace

void DesktopShell::OpenFile(const std::string& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(PathToQString(path)));
}

void DesktopShell::OpenAddress(const std::string& address) {
    // Tolerant: blanks and characters beyond ASCII are encoded on the way.
    QDesktopServices::openUrl(QUrl(ToQString(address), QUrl::TolerantMode));
}

InternetPage::InternetPage(Dialogs& dialogs, const DataFolders& folders, Shell* shell, QWidget* parent)
    : QWidget(parent),
      dialogs_(dialogs),
      ownShell_(shell ? nullptr : std::make_unique<DesktopShell>()),
      config_(ReadConfig(folders)),
      pages_(dialogs, shell ? *shell : *ownShell_, folders.user),
      bookTemplate_(RetailerTemplate(Retailer::Books, config_.bookSearch)),
      magazineTemplate_(RetailerTemplate(Retailer::Magazines, config_.magazineSearch)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);

    auto* search = new QGroupBox(QStringLiteral("Internet Search"));
    auto* searchGrid = new QGridLayout(search);
    auto* termLabel = new QLabel(QStringLiteral("Search Term"));
    searchTerm_ = FreeTextEdit("SearchTerm");
    termLabel->setBuddy(searchTerm_);
    auto* engineLabel = new QLabel(QStringLiteral("Search Engine"));
    searchEngine_ = new QComboBox;
    searchEngine_->setObjectName(QStringLiteral("SearchEngineBox"));
    for (const SearchEngine& engine : config_.engines) searchEngine_->addItem(ToQString(engine.name));
    engineLabel->setBuddy(searchEngine_);
    auto* generate = new QPushButton(QStringLiteral("Generate Search Term"));
    generate->setObjectName(QStringLiteral("GenerateSearchTerm"));
    auto* launch = new QPushButton(QStringLiteral("Launch Browser"));
    launch->setObjectName(QStringLiteral("LaunchBrowser"));
    searchGrid->addWidget(termLabel, 0, 0);
    searchGrid->addWidget(searchTerm_, 0, 1, 1, 3);
    searchGrid->addWidget(engineLabel, 1, 0);
    searchGrid->addWidget(searchEngine_, 1, 1);
    searchGrid->addWidget(generate, 1, 2);
    searchGrid->addWidget(launch, 1, 3);
    searchGrid->setColumnStretch(1, 1);
    layout->addWidget(search);

    auto listGroup = [](const char* title, const char* instruction, const char* name, QListWidget*& list,
                        QPushButton*& add, const char* addCaption, const char* addName) {
        auto* group = new QGroupBox(QString::fromLatin1(title));
        auto* column = new QVBoxLayout(group);
        auto* hint = new QLabel(QString::fromLatin1(instruction));
        hint->setWordWrap(true);
        list = new QListWidget;
        list->setObjectName(QString::fromLatin1(name));
        list->setMouseTracking(true);
        list->setContextMenuPolicy(Qt::CustomContextMenu);
        add = new QPushButton(QString::fromLatin1(addCaption));
        add->setObjectName(QString::fromLatin1(addName));
        auto* buttons = new QHBoxLayout;
        buttons->addStretch();
        buttons->addWidget(add);
        column->addWidget(hint);
        column->addWidget(list, 1);
        column->addLayout(buttons);
        return group;
    };
    auto* lists = new QHBoxLayout;
    lists->addWidget(listGroup("Related Links", "Click on Link to View or Delete.", "RelatedLinks", relatedLinks_,
                               addUrl_, "Add URL", "AddURLBtn"));
    lists->addWidget(listGroup("Related Email Addreses", "Click on Address to View or Delete", "RelatedEmail",
                               relatedEmail_, addAddress_, "Add Address", "AddAddressBtn"));
    layout->addLayout(lists, 1);

    auto* shops = new QGroupBox(QStringLiteral("Books and Magazines"));
    auto* shopGrid = new QGridLayout(shops);
    auto* books = new QPushButton(QStringLiteral("Book Search"));
    books->setObjectName(QStringLiteral("AmazonImage"));
    books->setToolTip(HostTip("books", config_.bookSearch));
    bookSearch_ = FreeTextEdit("BookSearch");
    auto* magazines = new QPushButton(QStringLiteral("Magazine Search"));
    magazines->setObjectName(QStringLiteral("MagMallImage"));
    magazines->setToolTip(HostTip("magazines", config_.magazineSearch));
    magazineSearch_ = FreeTextEdit("MagazineSearch");
    shopGrid->addWidget(books, 0, 0);
    shopGrid->addWidget(bookSearch_, 0, 1);
    shopGrid->addWidget(magazines, 0, 2);
    shopGrid->addWidget(magazineSearch_, 0, 3);
    shopGrid->setColumnStretch(1, 1);
    shopGrid->setColumnStretch(3, 1);
    layout->addWidget(shops);

    connect(generate, &QPushButton::clicked, this, &InternetPage::generateSearchTerm);
    connect(launch, &QPushButton::clicked, this, &InternetPage::launchSearch);
    connect(addUrl_, &QPushButton::clicked, this, &InternetPage::addLink);
    connect(addAddress_, &QPushButton::clicked, this, &InternetPage::addEmailAddress);
    connect(books, &QPushButton::clicked, this, &InternetPage::searchBookRetailer);
    connect(magazines, &QPushButton::clicked, this, &InternetPage::searchMagazineRetailer);
    connect(bookSearch_, &QLineEdit::returnPressed, this, &InternetPage::searchBookRetailer);
    connect(magazineSearch_, &QLineEdit::returnPressed, this, &InternetPage::searchMagazineRetailer);
    connect(relatedLinks_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { showLinkMenu(relatedLinks_->row(item)); });
    connect(relatedEmail_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { showEmailMenu(relatedEmail_->row(item)); });
    connect(relatedLinks_, &QListWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        if (QListWidgetItem* item = relatedLinks_->itemAt(at)) showLinkMenu(relatedLinks_->row(item));
    });
    connect(relatedEmail_, &QListWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        if (QListWidgetItem* item = relatedEmail_->itemAt(at)) showEmailMenu(relatedEmail_->row(item));
    });
}

InternetPage::~InternetPage() = default;

void InternetPage::showRecord(const ItemRecord& record) {
    links_.Load(record.Links);
    addresses_.Load(record.EmailAddresses);
    showEntries(relatedLinks_, links_);
    showEntries(relatedEmail_, addresses_);
}

void InternetPage::saveRecord(ItemRecord& record) const {
    record.Links = links_.entries();
    record.EmailAddresses = addresses_.entries();
}

void InternetPage::setReadOnly(bool readOnly) {
    readOnly_ = readOnly;
    addUrl_->setEnabled(!readOnly);
    addAddress_->setEnabled(!readOnly);
}

std::string InternetPage::editText(const QLineEdit* edit) const {
    // The window's guard keeps out what cannot be stored; should anything
    // slip through, it is dropped rather than sent mangled.
    std::string text;
    if (!FromQString(edit->text(), text)) text.clear();
    return text;
}

void InternetPage::generateSearchTerm() {
    SearchTermSource source = termSource_ ? termSource_() : SearchTermSource{};
    searchTerm_->setText(ToQString(BuildSearchTerm(source)));
    searchTerm_->setCursorPosition(0);
}

void InternetPage::launchSearch() {
    if (searchTerm_->text().isEmpty()) generateSearchTerm();
    std::string engine;
    FromQString(searchEngine_->currentText(), engine);
    pages_.LaunchSearch(config_, engine, editText(searchTerm_));
}

void InternetPage::addLink() {
    if (links_.Add(dialogs_)) showEntries(relatedLinks_, links_);
}

void InternetPage::addEmailAddress() {
    if (addresses_.Add(dialogs_)) showEntries(relatedEmail_, addresses_);
}

void InternetPage::searchBookRetailer() { pages_.RetailerSearch(bookTemplate_, editText(bookSearch_)); }

void InternetPage::searchMagazineRetailer() { pages_.RetailerSearch(magazineTemplate_, editText(magazineSearch_)); }

void InternetPage::showLinkMenu(int row) {
    if (row < 0 || !links_.Click(static_cast<std::size_t>(row))) return;
    auto captions = links_.MenuCaptions();
    QMenu menu(this);
    connect(menu.addAction(QString::fromLatin1(captions[0])), &QAction::triggered, this, &InternetPage::viewLink);
    QAction* remove = menu.addAction(QString::fromLatin1(captions[1]));
    remove->setEnabled(!readOnly_);
    connect(remove, &QAction::triggered, this, &InternetPage::deleteLink);
    menu.exec(QCursor::pos());
}

void InternetPage::showEmailMenu(int row) {
    if (row < 0 || !addresses_.Click(static_cast<std::size_t>(row))) return;
    auto captions = addresses_.MenuCaptions();
    QMenu menu(this);
    connect(menu.addAction(QString::fromLatin1(captions[0])), &QAction::triggered, this,
            &InternetPage::sendEmail);
    QAction* remove = menu.addAction(QString::fromLatin1(captions[1]));
    remove->setEnabled(!readOnly_);
    connect(remove, &QAction::triggered, this, &InternetPage::deleteEmailAddress);
    menu.exec(QCursor::pos());
}

void InternetPage::viewLink() { pages_.ViewUrl(links_.clickedAddress()); }

void InternetPage::deleteLink() {
    if (!readOnly_ && links_.DeleteClicked(dialogs_)) showEntries(relatedLinks_, links_);
}

void InternetPage::sendEmail() { pages_.SendEmail(addresses_.clickedAddress()); }

void InternetPage::deleteEmailAddress() {
    if (!readOnly_ && addresses_.DeleteClicked(dialogs_)) showEntries(relatedEmail_, addresses_);
}

void InternetPage::showEntries(QListWidget* list, const LinkList& entries) {
    list->clear();
    QFont linkFont = list->font();
    linkFont.setUnderline(true);
    const QBrush linkColour = list->palette().brush(QPalette::Link);
    for (const std::string& entry : entries.entries()) {
        auto* item = new QListWidgetItem(list);
        if (auto anchor = ParseAnchor(entry)) {
            item->setText(ToQString(anchor->text));
            // Plain text: an address from the file must not be rendered as markup.
            item->setToolTip(Qt::convertFromPlainText(ToQString(anchor->address), Qt::WhiteSpaceNoWrap));
            item->setFont(linkFont);
            item->setForeground(linkColour);
        } else {
            item->setText(ToQString(entry));
        }
    }
}

}  // namespace vorlane
