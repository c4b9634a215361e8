#include "testing/Testing.h"

#include <QFile>

#include "core/Globals.h"
#include "internet/Wertdatei.h"

namespace {
const QString Datei = QStringLiteral("PRGDATA\\ENG\\VERSION.HRB");
}

class TestWertdatei : public QObject
{
    Q_OBJECT
private slots:
    void init() { testing::failOnWarnings(); }

    void load_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<int>("ergebnis");
        QTest::addColumn<QStringList>("werte");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("plain") << QByteArray("[TWS 2.X]\r\nTWSVERSION=400\r\n") << 0
                               << QStringList({"[TWS 2.X]", "TWSVERSION=400"}) << QString();
        QTest::newRow("header with more text, LF only") << QByteArray("[TWS 2.X] server\nA=1\n") << 0
                                                        << QStringList({"[TWS 2.X] server", "A=1"}) << QString();
        QTest::newRow("error page") << QByteArray("<html>404</html>\r\nA=1\r\n") << -2 << QStringList({"<html>404</html>"})
                                    << QStringLiteral("Corrupt header found in file: (<html>404</html>) ");
        QTest::newRow("empty file") << QByteArray() << -2 << QStringList({""})
                                    << QStringLiteral("Corrupt header found in file: () ");
        QTest::newRow("lower case header") << QByteArray("[tws 2.x]\r\n") << -2 << QStringList({"[tws 2.x]"})
                                           << QStringLiteral("Corrupt header found in file: ([tws 2.x]) ");
    }
    void load()
    {
        QFETCH(QByteArray, inhalt);
        QFETCH(int, ergebnis);
        QFETCH(QStringList, werte);
        QFETCH(QString, meldung);
        testing::BaseFolder base;
        testing::ScriptedMessages messages;
        if (!meldung.isEmpty())
            messages.expect(meldung);
        base.writeBytes(Datei, inhalt);
        TString gelesen{"alt"};
        QCOMPARE(LoadValueFile(Programmverzeichnis + Datei, gelesen), ergebnis);
        QCOMPARE(gelesen, werte);
        QVERIFY(messages.pending().isEmpty());
        if (!meldung.isEmpty()) {
            QCOMPARE(messages.seen.first().heading, QStringLiteral("Error:"));
            QVERIFY(messages.seen.first().text.endsWith("VERSION.HRB"));
        }
    }

    void loadMissing()
    {
        testing::BaseFolder base;
        testing::ScriptedMessages messages;
        TString werte{"alt"};
        QCOMPARE(LoadValueFile(Programmverzeichnis + Datei, werte), -1);
        QVERIFY(werte.isEmpty());
    }

    void getInt_data()
    {
        QTest::addColumn<QString>("schluessel");
        QTest::addColumn<int>("wert");
        QTest::newRow("COUNT is not COUNTRECIPES") << "COUNT" << 3;
        QTest::newRow("COUNTRECIPES") << "COUNTRECIPES" << 7;
        QTest::newRow("minus one") << "MINUSEINS" << -1;
        QTest::newRow("minus two") << "MINUSZWEI" << -2;
        QTest::newRow("leading blank does not match") << "TWSVERSION" << 0;
        QTest::newRow("first of two") << "DOPPELT" << 11;
        QTest::newRow("missing") << "FEHLT" << 0;
        QTest::newRow("not a number") << "TEXT" << 0;
        QTest::newRow("empty value") << "LEER" << 0;
        QTest::newRow("digits then text") << "GEMISCHT" << 0;
        QTest::newRow("too large") << "RIESIG" << 0;
        QTest::newRow("largest") << "GROESSTE" << 2147483647;
        QTest::newRow("smallest") << "KLEINSTE" << -2147483647 - 1;
        QTest::newRow("key is case-sensitive") << "count" << 0;
    }
    void getInt()
    {
        QFETCH(QString, schluessel);
        QFETCH(int, wert);
        const TString werte{"[TWS 2.X]",  "COUNT=3",     "COUNTRECIPES=7", "MINUSEINS=-1", "MINUSZWEI=-2",
                            " TWSVERSION=400", "DOPPELT=11", "DOPPELT=12", "TEXT=vierhundert", "LEER=",
                            "GEMISCHT=12x", "RIESIG=99999999999", "GROESSTE=2147483647", "KLEINSTE=-2147483648"};
        QCOMPARE(GetValueInt(schluessel, werte), wert);
    }

    void getStr_data()
    {
        QTest::addColumn<QString>("schluessel");
        QTest::addColumn<QString>("wert");
        QTest::newRow("value with =") << "SETUPNAME" << "a=b.exe";
        QTest::newRow("blanks kept") << "BLANK" << " x ";
        QTest::newRow("key with blank before =") << "KEY " << "v";
        QTest::newRow("missing") << "FEHLT" << "";
    }
    void getStr()
    {
        QFETCH(QString, schluessel);
        QFETCH(QString, wert);
        const TString werte{"[TWS 2.X]", "SETUPNAME=a=b.exe", "SETUPNAME=zweiter.exe", "BLANK= x ", "KEY =v", "; KOMMENTAR=1"};
        QString text = "alt";
        GetValueStr(schluessel, werte, text);
        QCOMPARE(text, wert);
        QCOMPARE(GetValueStr(schluessel, werte), wert);
    }

    void set()
    {
        TString werte{"[TWS 2.X]", "SETUPNAME=a.exe", "X=1", "SETUPNAME=b.exe"};
        QCOMPARE(SetValueStr("SETUPNAME", "neu.exe", werte), 0);
        QCOMPARE(SetValueInt("TWSVERSION", 400, werte), 0);
        QCOMPARE(SetValueInt("X", -2, werte), 0);
        QCOMPARE(werte, TString({"[TWS 2.X]", "SETUPNAME=neu.exe", "X=-2", "SETUPNAME=b.exe", "TWSVERSION=400"}));

        TString leer;
        SetValueInt("COUNT", 5, leer);
        QCOMPARE(leer, TString({"[TWS 2.X]", "COUNT=5"}));
        QCOMPARE(GetValueInt("COUNT", leer), 5);
        QCOMPARE(GetValueInt("COUNT", TString()), 0);
    }

    void save()
    {
        testing::BaseFolder base;
        testing::ScriptedMessages messages;
        base.writeLines(Datei, {"[TWS 2.X] alt"});
        TString werte{"[TWS 2.X] alt", "; Kommentar ohne Gleich", "Irgendwas", "", "TWSVERSION=400", "=nur Wert", "SETUPNAME="};
        QCOMPARE(SaveValueFile(Programmverzeichnis + Datei, werte), 0);
        QCOMPARE(base.readBytes(Datei),
                 QByteArray("[TWS 2.X]\r\n; Kommentar ohne Gleich\r\nTWSVERSION=400\r\n=nur Wert\r\nSETUPNAME=\r\n"));
        QCOMPARE(werte, TString({"[TWS 2.X]", "; Kommentar ohne Gleich", "", "", "TWSVERSION=400", "=nur Wert", "SETUPNAME="}));
        TString zurueck;
        QCOMPARE(LoadValueFile(Programmverzeichnis + Datei, zurueck), 0);
        QCOMPARE(GetValueInt("TWSVERSION", zurueck), 400);
    }

    void saveNeverCreates()
    {
        testing::BaseFolder base;
        testing::ScriptedMessages messages;
        base.writeLines("PRGDATA\\ENG\\x", {"x"});
        TString werte{"[TWS 2.X]", "A=1"};
        QCOMPARE(SaveValueFile(Programmverzeichnis + Datei, werte), -1);
        QVERIFY(!base.exists(Datei));
    }

    void saveFailureIsReported()
    {
        testing::BaseFolder base;
        testing::ScriptedMessages messages;
        messages.expect("VERSION.HRB");
        // A file on a read-only file system: the write must fail.
        base.writeLines("PRGDATA\\ENG\\x", {"x"});
        QVERIFY(QFile::link("/proc/version", base.root() + "PRGDATA/ENG/VERSION.HRB"));
        TString werte{"[TWS 2.X]", "A=1"};
        QCOMPARE(SaveValueFile(Programmverzeichnis + Datei, werte), -2);
        QVERIFY(messages.pending().isEmpty());
        QCOMPARE(messages.seen.first().heading, QStringLiteral("Error:"));
    }
};

QTEST_MAIN(TestWertdatei)
#include "tst_wertdatei.moc"
