#include "TWSMUmgebung.h"
#include "testing/Testing.h"

#include <QDir>

#include "core/Globals.h"
#include "mastering/Mastering.h"
#include "platform/Paths.h"
#include "platform/Seams.h"

namespace {
QByteArray Muster(int groesse)
{
    QByteArray b(groesse, '\0');
    for (int i = 0; i < groesse; ++i)
        b[i] = char((i * 7 + 3) % 256);
    return b;
}

QStringList Dateien(const QString &ordner)
{
    return QDir(platform::baseFolder() + ordner).entryList(QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
}

TString Sortiert(TString zeilen)
{
    zeilen.sort(Qt::CaseInsensitive);
    return zeilen;
}
} // namespace

class TestMastering : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        testing::failOnWarnings();
        Protokoll.clear();
        Setze_Protokollempfaenger({});
    }

    void copyAndDeleteByMask_data()
    {
        QTest::addColumn<bool>("kopieren");
        QTest::addColumn<QString>("maske");
        QTest::addColumn<QStringList>("betroffen");
        const QStringList alle{".versteckt", "Bild.Png", "foto.jpg", "klein.png", "LIESMICH"};
        QTest::newRow("copy, upper mask") << true << "*.PNG" << QStringList({"Bild.Png", "klein.png"});
        QTest::newRow("copy *.* takes names without a dot") << true << "*.*" << alle;
        QTest::newRow("delete, ? is a pattern") << false << "?ILD.png" << QStringList({"Bild.Png"});
    }
    void copyAndDeleteByMask()
    {
        QFETCH(bool, kopieren);
        QFETCH(QString, maske);
        QFETCH(QStringList, betroffen);
        testing::BaseFolder base;
        for (const char *n : {"Bild.Png", "klein.png", "foto.jpg", "LIESMICH", ".versteckt", "Unter/tief.png"})
            base.writeBytes("Q/" + QString(n), QByteArray(n));
        QDir().mkpath(base.root() + "Z");
        const QString q = Programmverzeichnis + "Q\\";
        const QString z = Programmverzeichnis + "Z\\";
        TString zeilen;
        if (kopieren) {
            QVERIFY(Kopiere_Dateien(q, maske, z));
            for (const QString &n : betroffen) {
                zeilen << Einheitlich("OK:      Kopiert: " + z + n);
                QCOMPARE(base.readBytes("Z/" + n), n.toUtf8());
            }
            QCOMPARE(Dateien("Z"), betroffen);
        } else {
            QVERIFY(Loesche_Dateien(q, maske));
            QStringList bleiben = Dateien("Q");
            for (const QString &n : betroffen) {
                zeilen << Einheitlich("OK:      Gelöscht: " + q + n);
                QVERIFY(!bleiben.contains(n));
            }
            QCOMPARE(bleiben.size(), 5 - betroffen.size());
        }
        QCOMPARE(Sortiert(Protokoll), Sortiert(zeilen));
        // Sub-folders are never touched.
        QVERIFY(base.exists("Q/Unter/tief.png"));
        QVERIFY(!base.exists("Z/Unter"));
    }

    void singleNames()
    {
        testing::BaseFolder base;
        base.writeBytes("PRGDATA/ENG/Variablen200_NEU.hbr", "neu");
        base.writeBytes("PRGDATA/ENG/Kopf.txt", "alt");
        const QString e = Programmverzeichnis + "PRGDATA\\ENG\\";
        // Whole paths with an empty mask, as at start-up.
        QVERIFY(Kopiere_Dateien(e + "Variablen200_NEU.hbr", QString(), e + "Variablen200.hbr"));
        QCOMPARE(base.readBytes("PRGDATA/ENG/Variablen200.hbr"), QByteArray("neu"));
        // "?" is no pattern when copying: no such file, and the target stays.
        QVERIFY(!Kopiere_Dateien(e, "K?pf.txt", Programmverzeichnis));
        QVERIFY(!Kopiere_Dateien(Programmverzeichnis, "Kopf.txt", e));
        QCOMPARE(base.readBytes("PRGDATA/ENG/Kopf.txt"), QByteArray("alt"));
        // A name that is not there is still logged as deleted.
        QVERIFY(Loesche_Dateien(e, "fehlt.txt"));
        QCOMPARE(Protokoll.size(), 4);
        QCOMPARE(Protokoll[0], Einheitlich("OK:      Kopiert: " + e + "Variablen200.hbr"));
        QVERIFY(Protokoll[1].startsWith("ERROR:   ") && Protokoll[2].startsWith("ERROR:   "));
        QCOMPARE(Protokoll[3], Einheitlich("OK:      Gelöscht: " + e + "fehlt.txt"));
    }

    // By a mask or by the name in another case: the file must survive.
    void copyOntoItself()
    {
        testing::BaseFolder base;
        const QByteArray inhalt = Muster(20000);
        base.writeBytes("PRGDATA/ENG/daten.hbr", inhalt);
        for (const QString maske : {"*.*", "DATEN.HBR"}) {
            QVERIFY(Kopiere_Dateien(Programmverzeichnis + "PRGDATA\\ENG\\", maske, Programmverzeichnis + "prgdata\\eng\\"));
            QCOMPARE(base.readBytes("PRGDATA/ENG/daten.hbr"), inhalt);
            QCOMPARE(Dateien("PRGDATA/ENG"), QStringList({"daten.hbr"}));
        }
    }

    void emptyFolder()
    {
        testing::BaseFolder base;
        for (const char *n : {"a.txt", "OHNEPUNKT", ".versteckt", "Unter/b.txt"})
            base.writeBytes("E/" + QString(n), "x");
        const QString ordner = Programmverzeichnis + "E\\";
        QList<qsizetype> vorhanden;
        Setze_Protokollempfaenger([&](const QString &) { vorhanden << Dateien("E").size(); });
        Loesche_Verzeichnisdateien(ordner);
        Loesche_Verzeichnisdateien(Programmverzeichnis + "Fehlt\\");
        QCOMPARE(Protokoll, Einheitlich(TString({"OK:      Lösche Dateien im Verzeichnis: " + ordner,
                                                 "ERROR:   Lösche Dateien im Verzeichnis: " + Programmverzeichnis + "Fehlt\\"})));
        QCOMPARE(Dateien("E"), QStringList());
        QVERIFY(base.exists("E/Unter/b.txt"));
        // The line is written before the first delete.
        QCOMPARE(vorhanden, QList<qsizetype>({3, 0}));
    }

    // Only the bytes that hide the value change; a short file, a value too
    // long or a missing source is refused with a message and writes nothing.
    void hideValue_data()
    {
        QTest::addColumn<int>("zufall");
        QTest::addColumn<int>("groesse"); // -1: no source file
        QTest::addColumn<QString>("wert");
        QTest::addColumn<bool>("ok");
        QTest::newRow("highest position, just long enough") << 149 << 249 + 9 << "Zugang÷ÿ!" << true;
        QTest::newRow("255 characters") << 149 << 249 + 255 << QString(255, 'z') << true;
        QTest::newRow("file one byte short") << 0 << 249 + 9 - 1 << "geheim123" << false;
        QTest::newRow("value too long") << 0 << 2000 << QString(256, 'z') << false;
        QTest::newRow("missing source") << 0 << -1 << "x" << false;
    }
    void hideValue()
    {
        QFETCH(int, zufall);
        QFETCH(int, groesse);
        QFETCH(QString, wert);
        QFETCH(bool, ok);
        testing::BaseFolder base;
        testing::ScriptedMessages messages;
        if (!ok)
            messages.expect("Hinweis: Error 1!");
        platform::setRandom([&](int grenze) { return grenze == 150 ? zufall : -1000; });
        const QByteArray quelle = Muster(qMax(groesse, 0));
        if (groesse >= 0)
            base.writeBytes("M/Bild.png", quelle);
        base.writeBytes("M/Key.png", "alt");
        QCOMPARE(Verberge_Wert_in_Datei(wert, Programmverzeichnis + "M\\", "Bild.png", Programmverzeichnis + "M\\", "Key.png"), ok);
        if (!ok) {
            QCOMPARE(messages.seen.size(), 1);
            QCOMPARE(base.readBytes("M/Key.png"), QByteArray("alt"));
            QVERIFY(Protokoll.last().startsWith("ERROR:   "));
            return;
        }
        QCOMPARE(base.readBytes("M/Bild.png"), quelle);
        QByteArray erwartet = quelle;
        const int p = 100 + zufall;
        erwartet[60] = char(p);
        erwartet[61] = char(wert.size());
        for (int i = 0; i < wert.size(); ++i)
            erwartet[p + i] = char((wert[i].unicode() + 10) % 256);
        QCOMPARE(base.readBytes("M/Key.png"), erwartet);
    }
};

QTEST_GUILESS_MAIN(TestMastering)
#include "tst_mastering.moc"
