#include "platform/Wait.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEventLoop>
#include <QPointer>
#include <QThread>
#include <QWidget>

namespace platform {

namespace {
// Set once the application's loop has ended. A wait after that (on the way
// out of main) would never wake up again, so it returns at once.
bool g_quit = false;

void watchQuit()
{
    QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, [] { g_quit = true; });
}
Q_COREAPP_STARTUP_FUNCTION(watchQuit)
} // namespace

bool waitUntil(const std::function<bool()> &condition)
{
    if (condition())
        return true;
    QCoreApplication *app = QCoreApplication::instance();
    QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance();
    if (!app || !dispatcher || QCoreApplication::closingDown())
        return condition();
    // No loop running after the application quit: nothing would wake us.
    // (A loop running again, as in a test that runs exec() twice, is fine.)
    if (g_quit && QThread::currentThread()->loopLevel() == 0)
        return condition();

    // The state can only change while events are handled on this thread, so
    // the condition is checked whenever the dispatcher has handled a batch:
    // before it goes to sleep and when it wakes up. Nothing polls a clock.
    // QCoreApplication::quit() ends every running loop, this one included.
    QEventLoop loop;
    bool checking = false;
    auto check = [&] {
        if (checking)
            return;
        checking = true;
        if (condition())
            loop.quit();
        checking = false;
    };
    QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, &loop, check);
    QObject::connect(dispatcher, &QAbstractEventDispatcher::awake, &loop, check);
    QObject::connect(app, &QCoreApplication::aboutToQuit, &loop, &QEventLoop::quit);
    loop.exec();
    return condition();
}

void waitWhileVisible(QWidget *window)
{
    QPointer<QWidget> w(window);
    waitUntil([w] { return w.isNull() || w->isHidden(); });
}

} // namespace platform
