#include "testing/Testing.h"

#include <QtCore>
#include <csignal>
#include <sys/resource.h>

#include "core/Globals.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

class TestTextFile : public QObject
{
    Q_OBJECT
private slots:
    void init() { testing::failOnWarnings(); }

    void readsLines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("mixed, no final end") << QByteArray("a\r\nb\nc") << QStringList{"a", "b", "c"};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
        QTest::newRow("empty lines kept") << QByteArray("\r\na\r\n\r\n") << QStringList{"", "a", ""};
        QTest::newRow("repeated lines") << QByteArray("0\r\n\xe4" "1\r\n0\r\n\r\n\xe4" "1\r\n\xe4" "2")
                                        << QStringList{"0", QStringLiteral("ä1"), "0", "", QStringLiteral("ä1"), QStringLiteral("ä2")};
        QTest::newRow("lone CR is text") << QByteArray("a\rb\r\n") << QStringList{"a\rb"};
        QTest::newRow("code page") << QByteArray("Gem\xfcse \x80 5\r\n\x84Zitat\x93\r\n")
                                   << QStringList{QStringLiteral("Gemüse € 5"), QStringLiteral("„Zitat“")};
    }
    void readsLines()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        testing::BaseFolder base;
        base.writeBytes(QStringLiteral("PRGDATA\\ENG\\a.hbr"), bytes);
        QStringList read{QStringLiteral("old content")};
        QVERIFY(platform::readLines(QStringLiteral("PRGDATA\\ENG\\a.hbr"), read));
        QCOMPARE(read, lines);
    }

    void writesCrLfInCodePage()
    {
        testing::BaseFolder base;
        QVERIFY(platform::makeFolder(QStringLiteral("PRGDATA\\ENG")));
        const QStringList lines{QStringLiteral("[TAFELWERKSTATT 2.0]"), QStringLiteral("Käse – 100 g"),
                                QString(), QStringLiteral("Łódź 😀")};
        QVERIFY(platform::writeLines(QStringLiteral("PRGDATA\\ENG\\a.hbr"), lines));
        QCOMPARE(base.readBytes(QStringLiteral("PRGDATA\\ENG\\a.hbr")),
                 QByteArray("[TAFELWERKSTATT 2.0]\r\nK\xe4se \x96 100 g\r\n\r\n?\xf3" "d? ?\r\n"));
        QCOMPARE(base.readLines(QStringLiteral("PRGDATA\\ENG\\a.hbr")).mid(0, 3), lines.mid(0, 3));
    }

    void failedWriteKeepsOldFile_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("limit");
        // A few KB stay in the device's buffer until the commit; 255 KB do not.
        QTest::newRow("small file") << 60 << 1024;
        QTest::newRow("large file") << 5000 << 4096;
    }
    void failedWriteKeepsOldFile()
    {
        QFETCH(int, lines);
        QFETCH(int, limit);
        testing::BaseFolder base;
        const QStringList old{QStringLiteral("[TAFELWERKSTATT 2.0]"), QStringLiteral("alt")};
        base.writeLines(QStringLiteral("PRGDATA\\ENG\\data.hbr"), old);
        const QByteArray before = base.readBytes(QStringLiteral("PRGDATA\\ENG\\data.hbr"));
        const QStringList big(lines, QStringLiteral("a line that will not fit into the allowed file size"));
        int error = 0;
        {
            const testing::FileSizeLimit sizeLimit(limit);
            QVERIFY(!platform::writeLines(QStringLiteral("PRGDATA\\ENG\\data.hbr"), big, &error));
        }
        QCOMPARE(error, EFBIG);
        QCOMPARE(base.readBytes(QStringLiteral("PRGDATA\\ENG\\data.hbr")), before);
        // No temporary file is left behind.
        QCOMPARE(QDir(base.path(QStringLiteral("PRGDATA\\ENG"))).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("data.hbr")});
    }

    // Started from a shell under "ulimit -f", the program has the default
    // action for SIGXFSZ, which ends it at a write over the limit; the write
    // must fail as on a full disk instead, the old file whole.
    void survivesFileSizeLimitSignal()
    {
        testing::BaseFolder base;
        const QString file = QStringLiteral("PRGDATA\\ENG\\data.hbr");
        base.writeLines(file, {QStringLiteral("alt")});
        const QByteArray before = base.readBytes(file);
        const QString end = testing::inChildProcess([&file] {
            std::signal(SIGXFSZ, SIG_DFL);
            rlimit limit{};
            getrlimit(RLIMIT_FSIZE, &limit);
            limit.rlim_cur = 1024;
            setrlimit(RLIMIT_FSIZE, &limit);
            const QStringList big(500, QStringLiteral("a line that will not fit into the allowed file size"));
            int error = 0;
            return !platform::writeLines(file, big, &error) && error == EFBIG ? 0 : 1;
        });
        QCOMPARE(end, QStringLiteral("exit 0"));
        QCOMPARE(base.readBytes(file), before);
    }

    // The caller learns why a write failed, to tell the user.
    void failedWriteGivesCause()
    {
        testing::BaseFolder base;
        const QString file = QStringLiteral("PRGDATA\\ENG\\data.hbr");
        base.writeLines(file, {QStringLiteral("alt")});
        int error = 0;
        {
            const testing::ReadOnlyFolder readOnly(base.path(QStringLiteral("PRGDATA/ENG")));
            QVERIFY(!platform::writeLines(file, {QStringLiteral("neu")}, &error));
        }
        QCOMPARE(error, EACCES);
        QCOMPARE(base.readLines(file), QStringList{QStringLiteral("alt")});
        QVERIFY(!platform::writeLines(QStringLiteral("PRGDATA\\ENG"), {}, &error));
        QCOMPARE(error, EISDIR);
        QVERIFY(!platform::writeLines(QStringLiteral("Fehlt\\data.hbr"), {}, &error));
        QCOMPARE(error, ENOENT);
    }

    // Only our own leftovers go, in every folder below, never behind a
    // symlink and never a file that merely looks alike.
    void removesStaleTemporaryFiles()
    {
        testing::BaseFolder base;
        QTemporaryDir outside;
        const QStringList ours{QStringLiteral("PRGDATA/ENG/Lebensmittel.hbr.tw-save-Ab12Cd"),
                               QStringLiteral("Recipes/Unter/Pasta.KRP.tw-save-x9Y8z7")};
        const QStringList others{QStringLiteral("PRGDATA/ENG/Lebensmittel.hbr"), QStringLiteral("Recipes/Pasta.KRP.RRT"),
                                 QStringLiteral("Recipes/Notiz.tw-save-alt"), QStringLiteral("Recipes/x.tw-save-Ab12Cd.bak")};
        for (const QString &f : ours + others)
            base.writeLines(f, {QStringLiteral("x")});
        QFile(outside.path() + QStringLiteral("/a.hbr.tw-save-Ab12Cd")).open(QIODevice::WriteOnly);
        QVERIFY(QFile::link(outside.path(), base.root() + QStringLiteral("Recipes/Link")));
        QCOMPARE(platform::removeStaleTemporaryFiles(Programmverzeichnis), 2);
        for (const QString &f : ours)
            QVERIFY2(!base.exists(f), qPrintable(f));
        for (const QString &f : others)
            QVERIFY2(base.exists(f), qPrintable(f));
        QVERIFY(QFile::exists(outside.path() + QStringLiteral("/a.hbr.tw-save-Ab12Cd")));
    }

    // A save keeps the file's permissions and writes through a symlink
    // that stays in the base folder.
    void saveKeepsModeAndLink()
    {
        testing::BaseFolder base;
        base.writeLines(QStringLiteral("PRGDATA/ENG/a.hbr"), {QStringLiteral("alt")});
        const QString native = base.path(QStringLiteral("PRGDATA/ENG/a.hbr"));
        QVERIFY(QFile::setPermissions(native, QFile::ReadOwner | QFile::WriteOwner));
        QVERIFY(QFile::link(native, base.root() + QStringLiteral("PRGDATA/ENG/b.hbr")));
        QVERIFY(platform::writeLines(QStringLiteral("PRGDATA\\ENG\\b.hbr"), {QStringLiteral("neu")}));
        QVERIFY(QFileInfo(base.root() + QStringLiteral("PRGDATA/ENG/b.hbr")).isSymLink());
        QCOMPARE(base.readLines(QStringLiteral("PRGDATA/ENG/a.hbr")), QStringList{QStringLiteral("neu")});
        QCOMPARE(QFile::permissions(native) & 0x7077, QFile::ReadOwner | QFile::WriteOwner);
    }

    // A folder that is a file, a missing folder, a target that is a folder.
    void writeToImpossiblePathFails()
    {
        testing::BaseFolder base;
        base.writeLines(QStringLiteral("PRGDATA\\ENG\\data.hbr"), {QStringLiteral("alt")});
        for (const QString path : {"PRGDATA\\ENG\\data.hbr\\x.hbr", "NOFOLDER\\x.hbr", "PRGDATA\\ENG"}) {
            QVERIFY2(!platform::writeLines(path, {QStringLiteral("neu")}), qPrintable(path));
            QStringList lines;
            QVERIFY2(!platform::readLines(path, lines), qPrintable(path));
        }
        QCOMPARE(base.readLines(QStringLiteral("PRGDATA\\ENG\\data.hbr")), QStringList{QStringLiteral("alt")});
    }

    void copyFile()
    {
        testing::BaseFolder base;
        base.writeLines(QStringLiteral("a\\Quelle.hbr"), {QStringLiteral("eins")});
        base.writeLines(QStringLiteral("b\\Ziel.hbr"), {QStringLiteral("alt")});
        // A missing source leaves the target as it was.
        QVERIFY(!platform::copyFile(QStringLiteral("a\\fehlt.hbr"), QStringLiteral("b\\Ziel.hbr")));
        QCOMPARE(base.readLines(QStringLiteral("b\\Ziel.hbr")), QStringList{QStringLiteral("alt")});
        QVERIFY(platform::copyFile(QStringLiteral("a\\Quelle.hbr"), QStringLiteral("b\\ziel.HBR")));
        QCOMPARE(base.readLines(QStringLiteral("b\\Ziel.hbr")), QStringList{QStringLiteral("eins")});
        QCOMPARE(platform::listFiles(QStringLiteral("b"), QStringLiteral("*.*")), QStringList{QStringLiteral("Ziel.hbr")});
    }
};

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_textfile.moc"
