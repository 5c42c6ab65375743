// An allocation that fails inside a window's handler ends that action with a
// message; the program goes on.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <new>

#include "app/ui/program_application.h"
#include "support/scripted_dialogs.h"

namespace vorlane {
namespace {

class FailingHandler : public QObject {
public:
    int handled = 0;

protected:
    bool event(QEvent* e) override {
        if (e->type() != QEvent::User) return QObject::event(e);
        ++handled;
        throw std::bad_alloc();
    }
};

TEST(ProgramApplication, AnAllocationFailureInAHandlerIsCaughtAndReported) {
    auto* app = dynamic_cast<ProgramApplication*>(QCoreApplication::instance());
    ASSERT_NE(app, nullptr);
    testing::ScriptedDialogs dialogs;
    app->setDialogs(&dialogs);
    FailingHandler target;
    QCoreApplication::postEvent(&target, new QEvent(QEvent::User));
    QCoreApplication::sendPostedEvents(&target);
    QEvent direct(QEvent::User);
    EXPECT_FALSE(QCoreApplication::sendEvent(&target, &direct));
    app->setDialogs(nullptr);

    EXPECT_EQ(target.handled, 2);
    EXPECT_EQ(dialogs.messages(), (std::vector<std::string>{kNotEnoughMemory, kNotEnoughMemory}));
}

}  // namespace
}  // namespace vorlane
