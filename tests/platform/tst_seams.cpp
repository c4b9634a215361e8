#include "testing/Testing.h"

#include "platform/Seams.h"

class TestSeams : public QObject
{
    Q_OBJECT
private slots:
    void init() { testing::failOnWarnings(); }

    void recordedShellRequests()
    {
        testing::BaseFolder base;
        QList<platform::ShellRequest> seen;
        platform::setShellRecorder([&](const platform::ShellRequest &r) {
            seen << r;
            return true;
        });
        QVERIFY(platform::openDocument(QStringLiteral("PRGDATA\\ENG\\Manual.pdf")));
        QVERIFY(platform::openDocument(QStringLiteral("mailto:kitchen@example.org")));
        QVERIFY(platform::startProgram(QStringLiteral("Setup.exe"), {QStringLiteral("/S")}, base.root()));
        QVERIFY(!platform::openDocument(QString()));
        QCOMPARE(seen.size(), 3);
        QCOMPARE(seen[1].target, QStringLiteral("mailto:kitchen@example.org"));
        QCOMPARE(seen[2].kind, platform::ShellRequest::Start);
        QCOMPARE(seen[2].arguments, QStringList{QStringLiteral("/S")});
        QCOMPARE(seen[2].folder, base.root());

        // A text editor given one document: the document is opened instead.
        seen.clear();
        QVERIFY(platform::startProgram(QStringLiteral("notepad.exe"), {QStringLiteral("E\\history.txt")}, QString()));
        QVERIFY(platform::startProgram(QStringLiteral("C:\\Windows\\NOTEPAD.EXE"), {QStringLiteral("a.txt")}, QString()));
        QVERIFY(platform::startProgram(QStringLiteral("notepad.exe"), {QStringLiteral("a"), QStringLiteral("b")}, QString()));
        QCOMPARE(seen.size(), 3);
        QCOMPARE(seen[0].kind, platform::ShellRequest::Open);
        QCOMPARE(seen[0].target, QStringLiteral("E\\history.txt"));
        QCOMPARE(seen[1].kind, platform::ShellRequest::Open);
        QCOMPARE(seen[2].kind, platform::ShellRequest::Start);
    }
};

QTEST_GUILESS_MAIN(TestSeams)
#include "tst_seams.moc"
