// The import wizard driven through its real widgets, with scripted dialogs.

#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

#include "exchange/ui/cellar_import_wizard.h"
#include "storage/database_session.h"
#include "storage/settings_store.h"
#include "support/file_bytes.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"
#include "widgets/recording_opener.h"

namespace vorlane::testing {
namespace {

class CellarImportWizardTest : public ::testing::Test {
protected:
    CellarImportWizardTest() {
        session->records().resize(1);
        session->records()[0].Name = "Already here";
        context.paths.settingsFile = folder.file("Vorlane.ini");
        Spill(csv, "iWine,Wine,Producer,Vintage,Size,Currency,Price\r\n"
                   "1,Ch\xC3\xA2teau Margaux 2015,Ch\xC3\xA2teau Margaux,2015,750ml,USD,120\r\n"
                   "2,Barolo 2016,Vietti,2016,750ml,USD,55.5\r\n");
    }
    TempFolder folder;
    ScriptedDialogs dialogs;
    AppPaths paths{"", {folder.file("user"), VORLANE_SOURCE_DIR "/data"}};
    RecordingOpener opener;
    std::unique_ptr<DatabaseSession> session =
        std::make_unique<DatabaseSession>(dialogs, paths.data, [] { return std::string("2026/12/09"); });
    WindowContext context{*session, dialogs, paths, opener};
    std::string csv = folder.file("list.csv");
};

TEST_F(CellarImportWizardTest, ImportsIntoTheOpenDatabaseWithTheChosenFields) {
    CellarImportWizard wizard(context);
    wizard.show();
    wizard.setFile(QString::fromStdString(folder.file("missing.csv")));
    wizard.next();
    EXPECT_EQ(wizard.currentId(), CellarImportWizard::FilePage);  // a file that cannot be read keeps the page
    EXPECT_FALSE(wizard.findChild<QLabel*>(QStringLiteral("FileProblem"))->text().isEmpty());

    wizard.setFile(QString::fromStdString(csv));
    wizard.next();
    ASSERT_EQ(wizard.currentId(), CellarImportWizard::ColumnsPage);
    EXPECT_NE(wizard.findChild<QLabel*>(QStringLiteral("RecognisedLayout"))->text().indexOf(u"web cellar service"), -1);
    EXPECT_EQ(wizard.preview()->item(1, 1)->text(), QStringLiteral("Ch\u00e2teau Margaux 2015"));
    QComboBox* size = wizard.columnChoice(4);
    ASSERT_NE(size, nullptr);
    EXPECT_EQ(size->currentText(), QStringLiteral("Bottle Size"));
    size->setCurrentText(QStringLiteral("Keywords"));
    wizard.next();
    ASSERT_EQ(wizard.currentId(), CellarImportWizard::DestinationPage);
    EXPECT_FALSE(wizard.intoNewDatabase());
    wizard.next();
    ASSERT_EQ(wizard.currentId(), CellarImportWizard::RunPage);
    wizard.next();
    ASSERT_EQ(wizard.currentId(), CellarImportWizard::ReportPage);
    EXPECT_TRUE(wizard.findChild<QPlainTextEdit*>(QStringLiteral("ImportReport"))
                    ->toPlainText()
                    .startsWith(QStringLiteral("2 records imported, 0 skipped")));

    const RecordList& records = session->records();
    ASSERT_EQ(records.size(), 3u);
    EXPECT_FALSE(records[0].OnSearchList);
    EXPECT_TRUE(records[1].OnSearchList && records[2].OnSearchList);
    EXPECT_EQ(records[1].Name, "Ch\xE2teau Margaux 2015");
    EXPECT_EQ(records[1].Details[1], "$120.00");
    EXPECT_EQ(records[1].Details[4], "");
    EXPECT_EQ(records[1].NoteLists[0], std::vector<std::string>{"750ml"});

    // The choice is kept for the next file of this layout.
    CellarImportWizard again(context);
    again.show();
    again.setFile(QString::fromStdString(csv));
    again.next();
    ASSERT_NE(again.columnChoice(4), nullptr);
    EXPECT_EQ(again.columnChoice(4)->currentText(), QStringLiteral("Keywords"));
}

TEST_F(CellarImportWizardTest, RefusesAWebPageAndIsUsableByKeyboard) {
    const std::string page = folder.file("page.csv");
    Spill(page, "<!DOCTYPE html><html><body>Sign in</body></html>");
    CellarImportWizard wizard(context);
    wizard.show();
    // "&File:" leads to the file box; Return in it presses Next.
    auto* file = wizard.findChild<QLineEdit*>(QStringLiteral("ImportFile"));
    bool labelled = false;
    for (auto* label : wizard.findChildren<QLabel*>()) labelled = labelled || label->buddy() == file;
    EXPECT_TRUE(labelled);
    QTest::keyClicks(file, QString::fromStdString(page));
    QTest::keyClick(file, Qt::Key_Return);
    EXPECT_EQ(wizard.currentId(), CellarImportWizard::FilePage);
    EXPECT_EQ(wizard.findChild<QLabel*>(QStringLiteral("FileProblem"))->text().toStdString(),
              page + " is a web page (HTML), not an export: perhaps a sign-in page was saved instead.");
    EXPECT_EQ(session->records().size(), 1u);
}

}  // namespace
}  // namespace vorlane::testing
