// Toolbar pictures: the theme's where it has the icon, our drawing otherwise.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QTemporaryDir>

#include "widgets/tool_icons.h"

namespace vorlane {
namespace {

TEST(ToolIconTest, ThemeIconWhereTheThemeHasItOurDrawingOtherwise) {
    QTemporaryDir dir;  // a theme "Small" that holds only system-search
    QDir(dir.path()).mkpath(QStringLiteral("Small/16"));
    QFile index(dir.filePath(QStringLiteral("Small/index.theme")));
    ASSERT_TRUE(index.open(QIODevice::WriteOnly));
    index.write("[Icon Theme]\nName=Small\nDirectories=16\n[16]\nSize=16\n");
    index.close();
    QImage red(16, 16, QImage::Format_ARGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(dir.filePath(QStringLiteral("Small/16/system-search.png"))));
    const QStringList savedPaths = QIcon::themeSearchPaths();
    const QString savedTheme = QIcon::themeName();
    QIcon::setThemeSearchPaths({dir.path()});

    for (const char* theme : {"Small", "Absent"}) {
        QIcon::setThemeName(QString::fromLatin1(theme));
        EXPECT_EQ(MakeToolIcon(ToolIcon::Search).name(), theme == std::string("Small") ? "system-search" : "");
        for (ToolIcon drawn : {ToolIcon::Save, ToolIcon::Album})  // not in the theme; no fitting name
            EXPECT_TRUE(MakeToolIcon(drawn).name().isEmpty() && !MakeToolIcon(drawn).pixmap(16).isNull());
    }
    QIcon::setThemeSearchPaths(savedPaths);
    QIcon::setThemeName(savedTheme);
}

}  // namespace
}  // namespace vorlane
