#include "testing/Testing.h"

#include <QDir>

#include "core/Globals.h"
#include "mastering/Mastering.h"
#include "platform/Seams.h"

namespace {
QByteArray Muster(int groesse)
{
    QByteArray b(groesse, '\0');
    for (int i = 0; i < groesse; ++i)
        b[i] = char((i * 7 + 3) % 256);
    return b;
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

    void protocol_data()
    {
        QTest::addColumn<int>("art");
        QTest::addColumn<QString>("zeile");
        QTest::newRow("ok") << 0 << "OK:      Schritt";
        QTest::newRow("error") << 1 << "ERROR:   Schritt";
        QTest::newRow("warning") << 2 << "WARNING: Schritt";
        QTest::newRow("bare") << 3 << "Schritt";
        QTest::newRow("bare 255") << 255 << "Schritt";
    }
    void protocol()
    {
        QFETCH(int, art);
        QFETCH(QString, zeile);
        QStringList empfangen;
        Setze_Protokollempfaenger([&](const QString &z) { empfangen << z; });
        Schreibe_Protokoll(quint8(art), "Schritt");
        QCOMPARE(Protokoll, TString({zeile}));
        QCOMPARE(empfangen, QStringList({zeile}));
        Setze_Protokollempfaenger({});
    }

    void copyByMask_data()
    {
        QTest::addColumn<QString>("maske");
        QTest::addColumn<QStringList>("kopiert");
        QTest::newRow("upper mask") << "*.PNG" << QStringList({"Bild.Png", "klein.png"});
        QTest::newRow("lower mask") << "*.png" << QStringList({"Bild.Png", "klein.png"});
        QTest::newRow("all, also without dot") << "*.*" << QStringList({".versteckt", "Bild.Png", "LIESMICH", "foto.jpg", "klein.png"});
        QTest::newRow("prefix") << "k*" << QStringList({"klein.png"});
        QTest::newRow("no match") << "*.gif" << QStringList();
    }
    void copyByMask()
    {
        QFETCH(QString, maske);
        QFETCH(QStringList, kopiert);
        testing::BaseFolder base;
        for (const char *n : {"Bild.Png", "klein.png", "foto.jpg", "LIESMICH", ".versteckt", "Unter/tief.png"})
            base.writeBytes("Quelle/" + QString(n), QByteArray(n));
        QDir().mkpath(base.root() + "Ziel");
        const QString quelle = Programmverzeichnis + "Quelle\\";
        const QString ziel = Programmverzeichnis + "Ziel\\";
        QVERIFY(Kopiere_Dateien(quelle, maske, ziel));
        QStringList zeilen;
        for (const QString &n : kopiert) {
            zeilen << "OK:      Kopiert: " + ziel + n;
            QCOMPARE(base.readBytes("Ziel/" + n), n.toUtf8());
        }
        TString protokoll = Protokoll;
        protokoll.sort();
        zeilen.sort();
        QCOMPARE(protokoll, zeilen);
        QDir zielordner(base.root() + "Ziel");
        QCOMPARE(zielordner.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(), kopiert.size());
    }

    void copyOneFile()
    {
        testing::BaseFolder base;
        base.writeBytes("PRGDATA/ENG/Variablen200_NEU.hbr", "neu");
        const QString quelle = Programmverzeichnis + "PRGDATA\\ENG\\Variablen200_NEU.hbr";
        const QString ziel = Programmverzeichnis + "PRGDATA\\ENG\\Variablen200.hbr";
        QVERIFY(Kopiere_Dateien(quelle, QString(), ziel));
        QCOMPARE(base.readBytes("PRGDATA/ENG/Variablen200.hbr"), QByteArray("neu"));
        QCOMPARE(Protokoll, TString({"OK:      Kopiert: " + ziel}));

        // A named file, with a "?" that is no pattern when copying.
        Protokoll.clear();
        base.writeBytes("A/x.txt", "x");
        QVERIFY(Kopiere_Dateien(Programmverzeichnis + "A\\", "X.TXT", Programmverzeichnis + "PRGDATA\\"));
        QCOMPARE(base.readBytes("PRGDATA/x.txt"), QByteArray("x"));
        QVERIFY(!Kopiere_Dateien(Programmverzeichnis + "A\\", "?.txt", Programmverzeichnis + "PRGDATA\\"));
        QVERIFY(Protokoll.last().startsWith("ERROR:   "));
    }

    void failedCopyKeepsTarget()
    {
        testing::BaseFolder base;
        base.writeBytes("Ziel/daten.hbr", "Benutzerdaten");
        QDir().mkpath(base.root() + "Quelle");
        QVERIFY(!Kopiere_Dateien(Programmverzeichnis + "Quelle\\", "daten.hbr", Programmverzeichnis + "Ziel\\"));
        QCOMPARE(base.readBytes("Ziel/daten.hbr"), QByteArray("Benutzerdaten"));
        QCOMPARE(Protokoll.size(), 1);
        QVERIFY(Protokoll[0].startsWith("ERROR:   "));
        QVERIFY(!Protokoll[0].contains("OK"));
    }

    void copyOntoItself_data()
    {
        QTest::addColumn<QString>("maske");
        QTest::newRow("mask") << "*.*";
        QTest::newRow("name") << "daten.hbr";
        QTest::newRow("name in other case") << "DATEN.HBR";
    }
    void copyOntoItself()
    {
        QFETCH(QString, maske);
        testing::BaseFolder base;
        const QByteArray inhalt = Muster(20000);
        base.writeBytes("PRGDATA/ENG/daten.hbr", inhalt);
        const QString ordner = Programmverzeichnis + "PRGDATA\\ENG\\";
        QVERIFY(Kopiere_Dateien(ordner, maske, Programmverzeichnis + "prgdata\\eng\\"));
        QCOMPARE(base.readBytes("PRGDATA/ENG/daten.hbr"), inhalt);
        QCOMPARE(QDir(base.root() + "PRGDATA/ENG").entryList(QDir::Files).size(), 1);
        QCOMPARE(Protokoll.size(), 1);
        QVERIFY(Protokoll[0].startsWith("OK:      Kopiert: "));
    }

    void deleteByMask_data()
    {
        QTest::addColumn<QString>("maske");
        QTest::addColumn<QStringList>("bleiben");
        QTest::addColumn<QStringList>("zeilen");
        QTest::newRow("mask in other case") << "*.HBR" << QStringList({"a.txt", "b1.txt", "b22.txt"})
                                            << QStringList({"OK:      Gelöscht: %1A.hbr", "OK:      Gelöscht: %1c.Hbr"});
        QTest::newRow("question mark is a pattern") << "b?.txt" << QStringList({"A.hbr", "a.txt", "b22.txt", "c.Hbr"})
                                                    << QStringList({"OK:      Gelöscht: %1b1.txt"});
        QTest::newRow("missing name still logged") << "fehlt.txt" << QStringList({"A.hbr", "a.txt", "b1.txt", "b22.txt", "c.Hbr"})
                                                   << QStringList({"OK:      Gelöscht: %1fehlt.txt"});
        QTest::newRow("no match") << "*.gif" << QStringList({"A.hbr", "a.txt", "b1.txt", "b22.txt", "c.Hbr"}) << QStringList();
    }
    void deleteByMask()
    {
        QFETCH(QString, maske);
        QFETCH(QStringList, bleiben);
        QFETCH(QStringList, zeilen);
        testing::BaseFolder base;
        for (const char *n : {"A.hbr", "c.Hbr", "a.txt", "b1.txt", "b22.txt", "Unter/d.hbr"})
            base.writeBytes("Ordner/" + QString(n), "x");
        const QString ordner = Programmverzeichnis + "Ordner\\";
        QVERIFY(Loesche_Dateien(ordner, maske));
        QCOMPARE(QDir(base.root() + "Ordner").entryList(QDir::Files, QDir::Name), bleiben);
        QVERIFY(base.exists("Ordner/Unter/d.hbr"));
        TString erwartet;
        for (const QString &z : zeilen)
            erwartet << z.arg(ordner);
        QCOMPARE(Protokoll, erwartet);
    }

    void emptyFolder()
    {
        testing::BaseFolder base;
        for (const char *n : {"a.txt", "OHNEPUNKT", ".versteckt", "Unter/b.txt"})
            base.writeBytes("E/" + QString(n), "x");
        const QString ordner = Programmverzeichnis + "E\\";
        QStringList beimErstenLoeschen;
        Setze_Protokollempfaenger([&](const QString &z) {
            beimErstenLoeschen = QDir(base.root() + "E").entryList(QDir::Files | QDir::Hidden);
            Q_UNUSED(z);
        });
        Loesche_Verzeichnisdateien(ordner);
        QCOMPARE(Protokoll, TString({QStringLiteral("OK:      Lösche Dateien im Verzeichnis: ") + ordner}));
        // The line is written before the first delete.
        QCOMPARE(beimErstenLoeschen.size(), 3);
        QVERIFY(QDir(base.root() + "E").entryList(QDir::Files | QDir::Hidden).isEmpty());
        QVERIFY(base.exists("E/Unter/b.txt"));

        Protokoll.clear();
        Loesche_Verzeichnisdateien(Programmverzeichnis + "Fehlt\\");
        QCOMPARE(Protokoll, TString({QStringLiteral("ERROR:   Lösche Dateien im Verzeichnis: ") + Programmverzeichnis + "Fehlt\\"}));
    }

    void hideValue_data()
    {
        QTest::addColumn<int>("zufall");
        QTest::addColumn<int>("groesse");
        QTest::addColumn<QString>("wert");
        QTest::newRow("nine characters") << 37 << 1000 << "geheim123";
        QTest::newRow("lowest position") << 0 << 1000 << "a";
        QTest::newRow("highest position, file just long enough") << 149 << 249 + 9 << "Zugang÷ÿ!";
        QTest::newRow("empty value") << 5 << 249 << "";
        QTest::newRow("255 characters") << 149 << 249 + 255 << QString(255, QLatin1Char('z'));
    }
    void hideValue()
    {
        QFETCH(int, zufall);
        QFETCH(int, groesse);
        QFETCH(QString, wert);
        testing::BaseFolder base;
        testing::ScriptedMessages messages;
        platform::setRandom([&](int grenze) {
            [&] { QCOMPARE(grenze, 150); }();
            return zufall;
        });
        const QByteArray quelle = Muster(groesse);
        base.writeBytes("M/Bild.png", quelle);
        QVERIFY(Verberge_Wert_in_Datei(wert, Programmverzeichnis + "M\\", "Bild.png", Programmverzeichnis + "M\\", "Key.png"));
        QCOMPARE(base.readBytes("M/Bild.png"), quelle);
        const QByteArray ziel = base.readBytes("M/Key.png");
        QCOMPARE(ziel.size(), quelle.size());
        const int p = 100 + zufall;
        QCOMPARE(quint8(ziel[60]), quint8(p));
        QCOMPARE(quint8(ziel[61]), quint8(wert.size()));
        const QByteArray latin = wert.toLatin1();
        for (int i = 0; i < ziel.size(); ++i) {
            if (i == 60 || i == 61)
                continue;
            if (i >= p && i < p + wert.size())
                QCOMPARE(quint8(ziel[i]), quint8((quint8(latin[i - p]) + 10) % 256));
            else
                QCOMPARE(ziel[i], quelle[i]);
        }
    }

    void hideValueRefuses_data()
    {
        QTest::addColumn<int>("groesse");
        QTest::addColumn<QString>("wert");
        QTest::newRow("file one byte short") << 249 + 9 - 1 << "geheim123";
        QTest::newRow("tiny file") << 10 << "x";
        QTest::newRow("value too long") << 2000 << QString(256, QLatin1Char('z'));
        QTest::newRow("missing source") << -1 << "x";
    }
    void hideValueRefuses()
    {
        QFETCH(int, groesse);
        QFETCH(QString, wert);
        testing::BaseFolder base;
        testing::ScriptedMessages messages;
        messages.expect("Error 1!");
        platform::setRandom([](int) { return 149; });
        QDir().mkpath(base.root() + "M");
        if (groesse >= 0)
            base.writeBytes("M/Bild.png", Muster(groesse));
        base.writeBytes("M/Key.png", "alt");
        QVERIFY(!Verberge_Wert_in_Datei(wert, Programmverzeichnis + "M\\", "Bild.png", Programmverzeichnis + "M\\", "Key.png"));
        QVERIFY(messages.pending().isEmpty());
        QCOMPARE(messages.seen.size(), 1);
        QCOMPARE(messages.seen[0].heading, QStringLiteral("Hinweis:"));
        QCOMPARE(base.readBytes("M/Key.png"), QByteArray("alt"));
        QVERIFY(Protokoll.last().startsWith("ERROR:   "));
    }
};

QTEST_MAIN(TestMastering)
#include "tst_mastering.moc"
