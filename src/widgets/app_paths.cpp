#include "widgets/app_paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "widgets/text_codec.h"

namespace vorlane {

AppPaths DefaultAppPaths() {
    AppPaths paths;
    QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (config.isEmpty()) config = QDir::homePath() + QStringLiteral("/.config/Vorlane");
    paths.settingsFile = PathFromQString(config + QStringLiteral("/Vorlane.ini"));

    QString user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(user);
    paths.data.user = PathFromQString(user);

    QString installed = QCoreApplication::applicationDirPath() + QStringLiteral("/../share/vorlane");
    if (QFileInfo(installed + QStringLiteral("/description1.def")).isFile())
        paths.data.shipped = PathFromQString(QDir(installed).canonicalPath());
    else
        paths.data.shipped = VORLANE_DATA_DIR;
    return paths;
}

}  // namespace vorlane
