#include "widgets/app_paths.h"

#include <QCoreApplication>
#include <QDir>
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

    // Beside bin/ when installed; the build tree has the same layout.
    paths.data.shipped = PathFromQString(
        QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/vorlane")));
    return paths;
}

}  // namespace vorlane
