#pragma once
// The program's help: HTML pages under help/ in the data folders, one per
// topic the windows open, shown in one browser window.

#include <QString>
#include <QWidget>

#include "storage/database_session.h"

class QTextBrowser;

namespace vorlane {

// "Getting Started" -> "getting-started.html".
QString HelpFileName(const QString& topic);

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(DataFolders folders, QWidget* parent = nullptr);
    void showTopic(const QString& topic);
    QString currentTopicFile() const { return currentFile_; }

private:
    DataFolders folders_;
    QTextBrowser* browser_;
    QString currentFile_;
};

// Opens (or raises) the one help window at topic; "Contents" is the index.
HelpWindow* ShowHelpTopic(const DataFolders& folders, const QString& topic);

}  // namespace vorlane
