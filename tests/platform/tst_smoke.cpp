#include "testing/Testing.h"
#include "platform/TextFile.h"

class TestSmoke : public QObject
{
    Q_OBJECT
private slots:
    void init() { testing::failOnWarnings(); }
    void roundTrip()
    {
        testing::BaseFolder base;
        QVERIFY(platform::writeLines(QStringLiteral("PRGDATA\\ENG\\a.hbr"), {QStringLiteral("x")}) == false);
    }
};
QTEST_MAIN(TestSmoke)
#include "tst_smoke.moc"
