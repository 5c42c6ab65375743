// The help pages: one per topic the windows open, linked from the contents.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTextBrowser>

#include "widgets/help_window.h"

namespace vorlane {
namespace {

const QString kHelpDir = QStringLiteral(VORLANE_SOURCE_DIR "/data/help/");

const QStringList kTopics = {"Contents",        "Introduction",   "Getting Started",  "Customizing the Software",
                             "Search Function", "Spreadsheet View", "Album View",     "HTML Reports",
                             "Regular Reports", "Shopping Lists", "Graph Function",   "Passwords",
                             "Calculator",      "Calendar",       "CD Player"};

QString Read(const QString& file) {
    QFile f(kHelpDir + file);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << file.toStdString();
    return QString::fromUtf8(f.readAll());
}

TEST(HelpTest, TopicNamesMapToFileNames) {
    EXPECT_EQ(HelpFileName("Getting Started"), "getting-started.html");
    EXPECT_EQ(HelpFileName("Contents"), "contents.html");
}

TEST(HelpTest, EveryTopicHasAPageAndEveryLinkLeadsToOne) {
    static const QRegularExpression link(QStringLiteral("href=\"([^\"#:]+)\""));
    for (const QString& topic : kTopics) {
        QString page = Read(HelpFileName(topic));
        EXPECT_TRUE(page.contains("<h1>" + topic.toHtmlEscaped() + "</h1>")) << topic.toStdString();
        for (const QRegularExpressionMatch& m : link.globalMatch(page))
            EXPECT_TRUE(QFile::exists(kHelpDir + m.captured(1)))
                << topic.toStdString() << " links to " << m.captured(1).toStdString();
    }
    QString contents = Read("contents.html");
    for (const QString& topic : kTopics) {
        if (topic != "Contents") {
            EXPECT_TRUE(contents.contains(HelpFileName(topic))) << topic.toStdString();
        }
    }
}

TEST(HelpTest, ThePasswordsPageSaysTheyAreNotEncryption) {
    EXPECT_TRUE(Read("passwords.html").contains("not encryption"));
}

TEST(HelpTest, TheContentsListEveryPageAndTheSampleCellar) {
    const QString contents = Read("contents.html");
    for (const QString& topic : kTopics.mid(1)) EXPECT_TRUE(contents.contains(HelpFileName(topic))) << topic.toStdString();
    EXPECT_FALSE(contents.contains("later versions"));
    EXPECT_TRUE(contents.contains("sample/cellar.dat"));
    EXPECT_TRUE(Read("graph-function.html").contains("Double-click"));
}

TEST(HelpTest, HelpAskedFromAModalWindowCanBeUsedWhileItRuns) {
    DataFolders folders{"", VORLANE_SOURCE_DIR "/data"};
    QDialog modal;
    QPointer<HelpWindow> help;
    bool usable = false;
    QTimer::singleShot(0, &modal, [&] {
        help = ShowHelpTopic(folders, QStringLiteral("Contents"));
        // A window the modal one does not block: its own child window.
        usable = help && help->isWindow() && help->parentWidget() == &modal && help->isVisible();
        modal.accept();
    });
    modal.exec();
    EXPECT_TRUE(usable);
    ASSERT_TRUE(help);
    EXPECT_EQ(help->parentWidget(), nullptr);  // it outlives the modal window
    EXPECT_TRUE(help->isVisible());
    help->close();
    QApplication::processEvents();
}

TEST(HelpTest, TheWindowOpensATopicAndSaysSoWhenAPageIsMissing) {
    DataFolders folders{"", VORLANE_SOURCE_DIR "/data"};
    HelpWindow* window = ShowHelpTopic(folders, QStringLiteral("Getting Started"));
    ASSERT_NE(window, nullptr);
    auto* browser = window->findChild<QTextBrowser*>("HelpBrowser");
    ASSERT_NE(browser, nullptr);
    EXPECT_TRUE(browser->toPlainText().contains("Getting Started"));
    EXPECT_EQ(ShowHelpTopic(folders, QStringLiteral("No Such Topic")), window);
    EXPECT_TRUE(browser->toPlainText().contains("missing"));
    window->close();
    QApplication::processEvents();
}

}  // namespace
}  // namespace vorlane
