#include "testing/Testing.h"

#include <QtWidgets>

#include "platform/Wait.h"

class TestWait : public QObject
{
    Q_OBJECT
private slots:
    void init() { testing::failOnWarnings(); }

    void endsWhenClickHidesWindow()
    {
        QWidget window;
        auto *ok = new QPushButton(QStringLiteral("OK"), &window);
        QObject::connect(ok, &QPushButton::clicked, &window, &QWidget::hide);
        window.show();
        QTimer::singleShot(0, ok, [ok] { QTest::mouseClick(ok, Qt::LeftButton); });
        platform::waitWhileVisible(&window);
        QVERIFY(window.isHidden());
    }

    void endsWhenWindowIsDeleted()
    {
        auto *window = new QWidget;
        window->show();
        QTimer::singleShot(0, window, [window] { window->deleteLater(); });
        platform::waitWhileVisible(window);
        // A hidden window or none: no wait at all.
        QWidget hidden;
        platform::waitWhileVisible(&hidden);
        platform::waitWhileVisible(nullptr);
    }

    void endsOnCondition()
    {
        bool finished = false;
        int ticks = 0;
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, [&] {
            if (++ticks == 3)
                finished = true;
        });
        timer.start(10);
        QVERIFY(platform::waitUntil([&] { return finished; }));
        QCOMPARE(ticks, 3);
    }

    // Runs last: it ends the application's loop.
    void endsWhenProgramQuits()
    {
        // quit() only acts inside the application's own loop, so run one.
        bool returned = false;
        bool result = true;
        QTimer::singleShot(0, [&] {
            result = platform::waitUntil([] { return false; });
            returned = true;
        });
        QTimer::singleShot(20, [] { QCoreApplication::quit(); });
        QCoreApplication::exec();
        QVERIFY(returned);
        QVERIFY(!result);
        // Past the application's loop (on the way out of main) a wait
        // returns at once instead of sleeping forever.
        QVERIFY(!platform::waitUntil([] { return false; }));
        QWidget window;
        window.show();
        platform::waitWhileVisible(&window);
    }
};

QTEST_MAIN(TestWait)
#include "tst_wait.moc"
