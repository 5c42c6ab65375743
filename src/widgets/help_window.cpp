#include "widgets/help_window.h"

#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "widgets/text_codec.h"

namespace vorlane {

QString HelpFileName(const QString& topic) {
    QString name = topic.trimmed().toLower();
    name.replace(u' ', u'-');
    return name + QStringLiteral(".html");
}

HelpWindow::HelpWindow(DataFolders folders, QWidget* parent)
    : QWidget(parent, Qt::Window), folders_(std::move(folders)), browser_(new QTextBrowser(this)) {
    setWindowTitle(QStringLiteral("Vorlane Help"));
    setObjectName(QStringLiteral("HelpWindow"));
    // The help stays open beside the program without keeping it running.
    setAttribute(Qt::WA_QuitOnClose, false);
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    browser_->setOpenExternalLinks(true);

    auto* contents = new QPushButton(QStringLiteral("Contents"), this);
    auto* back = new QPushButton(QStringLiteral("Back"), this);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    back->setEnabled(false);
    connect(contents, &QPushButton::clicked, this, [this] { showTopic(QStringLiteral("Contents")); });
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);
    resize(620, 520);
}

void HelpWindow::showTopic(const QString& topic) {
    currentFile_ = HelpFileName(topic);
    std::string found = folders_.Find("help/" + PathFromQString(currentFile_));
    if (found.empty()) {
        browser_->setHtml(QStringLiteral("<h2>%1</h2><p>The help page for this topic is missing from the "
                                         "program's data folder (help/%2).</p>")
                              .arg(topic.toHtmlEscaped(), currentFile_.toHtmlEscaped()));
        return;
    }
    // Links between pages are relative, so they resolve in the same folder.
    browser_->setSource(QUrl::fromLocalFile(PathToQString(found)));
}

HelpWindow* ShowHelpTopic(const DataFolders& folders, const QString& topic) {
    static QPointer<HelpWindow> window;
    if (!window) {
        window = new HelpWindow(folders);
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    // Asked from a modal window (the calculator): help joins that window so
    // it can be used while it runs, and goes back on its own when it closes.
    if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        modal && window->parentWidget() != modal) {
        window->setParent(modal, Qt::Window);
        QObject::connect(modal, &QDialog::finished, window, [help = window.data()] {
            const bool shown = help->isVisible();
            help->setParent(nullptr, Qt::Window);
            if (shown) help->show();
        });
    }
    window->showTopic(topic);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

}  // namespace vorlane
