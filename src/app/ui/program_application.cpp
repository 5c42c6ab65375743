#include "app/ui/program_application.h"

#include <QMessageBox>
#include <new>

#include "storage/dialogs.h"

namespace vorlane {

ProgramApplication::ProgramApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool ProgramApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::bad_alloc&) {
        // Unwinding gave the failed action's memory back. The database keeps
        // what the action had not changed yet: the import, the one action
        // that grows it by a file's worth, adds its records only once all
        // of them are made.
        if (dialogs_) dialogs_->Error(kNotEnoughMemory);
        else QMessageBox::critical(nullptr, applicationName(), QString::fromLatin1(kNotEnoughMemory));
        return false;
    }
}

}  // namespace vorlane
