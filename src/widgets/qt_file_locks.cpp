#include "widgets/qt_file_locks.h"

#include <QFileInfo>
#include <QLockFile>

namespace vorlane {

namespace {

class QtHeldLock : public HeldLock {
public:
    explicit QtHeldLock(std::unique_ptr<QLockFile> file) : file_(std::move(file)) {}

private:
    std::unique_ptr<QLockFile> file_;  // unlocks when destroyed
};

// The file a link points at, so that every name of one database shares a lock.
QString LockPathFor(const std::string& path) {
    const QString name = QString::fromLocal8Bit(path.data(), static_cast<qsizetype>(path.size()));
    const QString target = QFileInfo(name).canonicalFilePath();
    return (target.isEmpty() ? QFileInfo(name).absoluteFilePath() : target) + QStringLiteral(".lock");
}

}  // namespace

std::unique_ptr<HeldLock> QtFileLocks::TryLock(const std::string& path, LockHolder& holder) {
    holder = LockHolder{};
    auto file = std::make_unique<QLockFile>(LockPathFor(path));
    // Held for as long as the database is open: only a holder that is gone
    // makes a lock stale, never its age.
    file->setStaleLockTime(0);
    if (file->tryLock(0)) return std::make_unique<QtHeldLock>(std::move(file));
    if (file->error() == QLockFile::LockFailedError) {
        qint64 pid = 0;
        QString host, program;
        if (file->getLockInfo(&pid, &host, &program)) {
            holder.processId = pid;
            holder.host = host.toStdString();
            holder.program = program.toStdString();
        }
        if (holder.program.empty()) holder.program = "another program";
    }
    return nullptr;
}

}  // namespace vorlane
