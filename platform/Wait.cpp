#include "platform/Wait.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace platform {

namespace {
// Watches any event of the application and re-checks the condition, so the
// loop ends as soon as the state changes, without polling on a clock.
class Watcher : public QObject
{
public:
    Watcher(QEventLoop &loop, const std::function<bool()> &cond) : m_loop(loop), m_cond(cond) {}
    bool eventFilter(QObject *, QEvent *) override
    {
        if (!m_scheduled) {
            m_scheduled = true;
            QTimer::singleShot(0, this, [this] {
                m_scheduled = false;
                if (m_cond())
                    m_loop.quit();
            });
        }
        return false;
    }

private:
    QEventLoop &m_loop;
    const std::function<bool()> &m_cond;
    bool m_scheduled = false;
};

bool g_quitting = false;
} // namespace

bool waitUntil(const std::function<bool()> &condition)
{
    if (condition())
        return true;
    QCoreApplication *app = QCoreApplication::instance();
    if (!app || g_quitting || QCoreApplication::closingDown())
        return condition();
    QEventLoop loop;
    Watcher watcher(loop, condition);
    app->installEventFilter(&watcher);
    QMetaObject::Connection quitConn = QObject::connect(app, &QCoreApplication::aboutToQuit, &loop, [&loop] {
        g_quitting = true;
        loop.quit();
    });
    loop.exec();
    QObject::disconnect(quitConn);
    app->removeEventFilter(&watcher);
    return condition();
}

void waitWhileVisible(QWidget *window)
{
    QPointer<QWidget> w(window);
    waitUntil([w] { return w.isNull() || w->isHidden(); });
}

} // namespace platform
