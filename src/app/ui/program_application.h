#pragma once
// The program's QApplication: every event is delivered through it, so an
// allocation that fails in any window's handler ends that one action with a
// message instead of ending the program with the person's unsaved work.

#include <QApplication>

namespace vorlane {

class Dialogs;

inline constexpr const char* kNotEnoughMemory = "not enough memory";

class ProgramApplication : public QApplication {
public:
    ProgramApplication(int& argc, char** argv);

    // Who is told; until set, a plain message box.
    void setDialogs(Dialogs* dialogs) { dialogs_ = dialogs; }

    bool notify(QObject* receiver, QEvent* event) override;

private:
    Dialogs* dialogs_ = nullptr;
};

}  // namespace vorlane
