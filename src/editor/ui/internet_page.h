#pragma once
// The "Internet Search and Email" page of the main window: a web search
// built from the record, the two retailer searches, and the record's lists
// of related links and e-mail addresses.

#include <QWidget>
#include <functional>
#include <memory>

#include "editor/link_lists.h"
#include "editor/web_search.h"
#include "storage/database_session.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace vorlane {

// The desktop's "open": the default browser, mail program or file viewer.
class DesktopShell : public Shell {
public:
    void OpenFile(const std::string& path) override;
    void OpenAddress(const std::string& address) override;
};

class InternetPage : public QWidget {
    Q_OBJECT
public:
    // The addresses come from "web_search.txt" in folders (the per-user
    // folder first); the pages for the browser are written to folders.user.
    // shell: nullptr for the desktop's own.
    InternetPage(Dialogs& dialogs, const DataFolders& folders, Shell* shell = nullptr, QWidget* parent = nullptr);
    ~InternetPage() override;

    // What "Generate Search Term" reads from the rest of the window.
    void setTermSource(std::function<SearchTermSource()> source) { termSource_ = std::move(source); }

    // The window shows record: its link and address lists.
    void showRecord(const ItemRecord& record);
    // The window writes back into record: both lists as they now stand.
    void saveRecord(ItemRecord& record) const;
    // Adding and deleting are off for a read-only record; viewing and
    // mailing stay possible.
    void setReadOnly(bool readOnly);

    // For the window's character guard.
    QLineEdit* searchTermEdit() const { return searchTerm_; }
    QLineEdit* bookSearchEdit() const { return bookSearch_; }
    QLineEdit* magazineSearchEdit() const { return magazineSearch_; }

    const WebSearchConfig& config() const { return config_; }
    const LinkList& links() const { return links_; }
    const LinkList& addresses() const { return addresses_; }

    void generateSearchTerm();
    void launchSearch();
    void addLink();
    void addEmailAddress();
    void searchBookRetailer();
    void searchMagazineRetailer();
    // An entry was clicked: the entry menu opens at the mouse pointer.
    void showLinkMenu(int row);
    void showEmailMenu(int row);

    // The entry menus' commands, for the entry last clicked.
    void viewLink();
    void deleteLink();
    void sendEmail();
    void deleteEmailAddress();

private:
    void showEntries(QListWidget* list, const LinkList& entries);
    std::string editText(const QLineEdit* edit) const;

    Dialogs& dialogs_;
    std::unique_ptr<Shell> ownShell_;
    WebSearchConfig config_;
    WebPages pages_;
    std::vector<std::string> bookTemplate_;
    std::vector<std::string> magazineTemplate_;
    std::function<SearchTermSource()> termSource_;
    LinkList links_{LinkKind::Web};
    LinkList addresses_{LinkKind::Email};
    bool readOnly_ = false;

    QLineEdit* searchTerm_ = nullptr;
    QComboBox* searchEngine_ = nullptr;
    QListWidget* relatedLinks_ = nullptr;
    QListWidget* relatedEmail_ = nullptr;
    QPushButton* addUrl_ = nullptr;
    QPushButton* addAddress_ = nullptr;
    QLineEdit* bookSearch_ = nullptr;
    QLineEdit* magazineSearch_ = nullptr;
};

}  // namespace vorlane
