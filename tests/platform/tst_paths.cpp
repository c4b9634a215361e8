#include "testing/Testing.h"

#include <QtCore>

#include "core/Globals.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

class TestPaths : public QObject
{
    Q_OBJECT
private slots:
    void init() { testing::failOnWarnings(); }

    void findsFileNamedInAnotherCase()
    {
        testing::BaseFolder base;
        base.writeLines(QStringLiteral("PRGDATA/ENG/Lebensmittel_All.hbr"), {QStringLiteral("x")});
        const QString expected = base.root() + QStringLiteral("PRGDATA/ENG/Lebensmittel_All.hbr");
        QCOMPARE(platform::nativePath(QStringLiteral("prgdata\\eng\\LEBENSMITTEL_ALL.HBR")), expected);
        QCOMPARE(platform::nativePath(Programmverzeichnis + QStringLiteral("PRGDATA\\\\ENG/Lebensmittel_ALL.hbr")), expected);
        QCOMPARE(platform::nativePath(QStringLiteral("PRGDATA\\ENG\\..\\eng\\.\\lebensmittel_all.hbr")), expected);
        QVERIFY(platform::fileExists(QStringLiteral("Prgdata\\Eng\\lebensmittel_all.HBR")));
        QVERIFY(!platform::fileExists(QStringLiteral("Prgdata\\Eng")));
        QVERIFY(platform::folderExists(QStringLiteral("Prgdata\\Eng\\")));
    }

    void writeReusesExistingSpelling()
    {
        testing::BaseFolder base;
        base.writeLines(QStringLiteral("PRGDATA/ENG/Lebensmittel_All.hbr"), {QStringLiteral("alt")});
        QVERIFY(platform::writeLines(QStringLiteral("prgdata\\Eng\\LEBENSMITTEL_all.hbr"), {QStringLiteral("neu")}));
        QCOMPARE(QDir(base.root()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{QStringLiteral("PRGDATA")});
        QCOMPARE(QDir(base.root() + QStringLiteral("PRGDATA/ENG")).entryList(QDir::Files),
                 QStringList{QStringLiteral("Lebensmittel_All.hbr")});
        QCOMPARE(base.readLines(QStringLiteral("PRGDATA/ENG/Lebensmittel_All.hbr")), QStringList{QStringLiteral("neu")});
        // A new file below an existing folder of another spelling lands in it.
        QVERIFY(platform::makeFolder(QStringLiteral("prgdata\\eng\\Neu\\Tief")));
        QVERIFY(QFileInfo(base.root() + QStringLiteral("PRGDATA/ENG/Neu/Tief")).isDir());
        QVERIFY(platform::renameFile(QStringLiteral("prgdata\\eng\\lebensmittel_all.hbr"),
                                     QStringLiteral("PRGDATA\\ENG\\neu\\tief\\L.hbr")));
        QVERIFY(QFileInfo::exists(base.root() + QStringLiteral("PRGDATA/ENG/Neu/Tief/L.hbr")));
    }

    void exactSpellingWins()
    {
        testing::BaseFolder base;
        for (const char *name : {"a.txt", "A.TXT"}) {
            QFile f(base.root() + QLatin1String(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray(name[0] == 'a' ? "klein" : "gross"));
        }
        QCOMPARE(base.readLines(QStringLiteral("A.TXT")), QStringList{QStringLiteral("gross")});
        QCOMPARE(base.readLines(QStringLiteral("a.txt")), QStringList{QStringLiteral("klein")});
        // Neither spelling exists: the choice is stable.
        QCOMPARE(platform::nativePath(QStringLiteral("A.txt")), platform::nativePath(QStringLiteral("a.TXT")));
    }

    // Paths from data files must stay relative and inside the base folder;
    // a program path that would leave the base folder is refused as well.
    void refusesUnsafePaths_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("safe");
        QTest::addColumn<bool>("leavesBase");
        QTest::newRow("plain") << QStringLiteral("GFXZUTAT\\ENG\\Apfel.png") << true << false;
        QTest::newRow("parent") << QStringLiteral("..\\x") << false << true;
        QTest::newRow("parent after a folder") << QStringLiteral("PRGDATA\\..\\..\\x") << false << true;
        QTest::newRow("base prefix, parent") << QStringLiteral("<base>..\\x") << false << true;
        QTest::newRow("inner parent") << QStringLiteral("Recipes\\..\\x") << false << false;
        QTest::newRow("absolute") << QStringLiteral("/etc/passwd") << false << false;
        QTest::newRow("drive") << QStringLiteral("C:\\x") << false << false;
        QTest::newRow("root backslash") << QStringLiteral("\\x") << false << false;
        QTest::newRow("network") << QStringLiteral("\\\\server\\share\\x") << false << false;
        QTest::newRow("empty") << QString() << false << false;
    }
    void refusesUnsafePaths()
    {
        QFETCH(QString, path);
        QFETCH(bool, safe);
        QFETCH(bool, leavesBase);
        testing::BaseFolder base;
        path.replace(QStringLiteral("<base>"), Programmverzeichnis);
        QCOMPARE(platform::isSafeRelativePath(path), safe);
        const QString resolved = platform::resolveInsideBase(path);
        QCOMPARE(!resolved.isEmpty(), safe);
        if (safe)
            QVERIFY(resolved.startsWith(base.root()));
        if (leavesBase) {
            QCOMPARE(platform::nativePath(path), QString());
            QVERIFY(!platform::writeLines(path, {QStringLiteral("x")}));
            QVERIFY(!platform::fileExists(path));
        }
    }

    // A symlink in the base folder that leads out of it is no way out: the
    // file behind it is neither read nor written, whatever the spelling.
    void symlinksStayInBase_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("followed");
        QTest::newRow("file outside") << "Recipes/x.KRP" << "<out>/x.KRP" << "Recipes\\x.krp" << false;
        QTest::newRow("folder outside") << "Recipes/Ext" << "<out>" << "RECIPES\\ext\\x.KRP" << false;
        QTest::newRow("dangling, outside") << "Recipes/neu.KRP" << "<out>/neu.KRP" << "Recipes\\neu.KRP" << false;
        QTest::newRow("through the parent") << "Recipes/up" << "../.." << "Recipes\\up\\x.KRP" << false;
        QTest::newRow("inside") << "Recipes/y.KRP" << "<base>PRGDATA/y.KRP" << "Recipes\\Y.KRP" << true;
    }
    void symlinksStayInBase()
    {
        QFETCH(QString, link);
        QFETCH(QString, target);
        QFETCH(QString, path);
        QFETCH(bool, followed);
        testing::BaseFolder base;
        QTemporaryDir outside;
        base.writeLines(QStringLiteral("PRGDATA/y.KRP"), {QStringLiteral("innen")});
        QFile::copy(base.path(QStringLiteral("PRGDATA/y.KRP")), outside.path() + QStringLiteral("/x.KRP"));
        QVERIFY(platform::makeFolder(QStringLiteral("Recipes")));
        target.replace(QStringLiteral("<out>"), outside.path()).replace(QStringLiteral("<base>"), base.root());
        QVERIFY(QFile::link(target, base.root() + link));
        const QByteArray before = base.readBytes(QStringLiteral("PRGDATA/y.KRP"));

        QStringList lines;
        QCOMPARE(platform::readLines(path, lines), followed);
        QCOMPARE(platform::fileExists(path), followed);
        QCOMPARE(platform::writeLines(path, {QStringLiteral("neu")}), followed);
        if (!followed) {
            QCOMPARE(platform::nativePath(path), QString());
            QCOMPARE(QDir(outside.path()).entryList(QDir::Files), QStringList{QStringLiteral("x.KRP")});
            QFile f(outside.path() + QStringLiteral("/x.KRP"));
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), before);
        }
    }

    // "*.*" takes names without a dot; brackets are no pattern; many stars
    // must not take exponential time.
    void masks()
    {
        const struct {
            QString name, mask;
            bool match;
        } cases[] = {{"Suppe.krp", "*.KRP", true},   {"Suppe.krpx", "*.KRP", false},  {"README", "*.*", true},
                     {"Wizard1", "Wizard*.*", true}, {"a.txt", "a?.txt", false},      {"[1].txt", "[1].txt", true},
                     {"SOßE.KRP", "soße.*", true},   {QString(60, 'a') + "b", "*a*a*a*a*a*a*a*c", false}};
        for (const auto &c : cases)
            QVERIFY2(platform::matchesMask(c.name, c.mask) == c.match, qPrintable(c.name + " ~ " + c.mask));
    }

    void listsMatchingFilesWithHiddenOnes()
    {
        testing::BaseFolder base;
        for (const char *name : {"b.KRP", ".versteckt.krp", "A.krp", "c.txt", "ohnepunkt"})
            base.writeLines(QStringLiteral("Recipes/") + QLatin1String(name), {});
        QVERIFY(platform::makeFolder(QStringLiteral("Recipes\\Ordner.krp")));
        QCOMPARE(platform::listFiles(QStringLiteral("recipes\\"), QStringLiteral("*.krp")),
                 (QStringList{".versteckt.krp", "A.krp", "b.KRP"}));
        QCOMPARE(platform::listFiles(QStringLiteral("RECIPES"), QStringLiteral("*.*")).size(), 5);
        QCOMPARE(platform::listFolders(QStringLiteral("recipes")), QStringList{QStringLiteral("Ordner.krp")});
    }
};

QTEST_GUILESS_MAIN(TestPaths)
#include "tst_paths.moc"
