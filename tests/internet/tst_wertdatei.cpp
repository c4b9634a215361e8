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
        QTest::newRow("header with more text, LF only") << QByteArray("[TWS 2.X] x\nA=1\n") << 0 << QStringList({"[TWS 2.X] x", "A=1"});
        QTest::newRow("error page") << QByteArray("<html>404</html>\r\nA=1\r\n") << -2 << QStringList({"<html>404</html>"});
        QTest::newRow("empty file") << QByteArray() << -2 << QStringList({""});
        QTest::newRow("missing") << QByteArray("-") << -1 << QStringList();
    }
    void load()
    {
        QFETCH(QByteArray, inhalt);
        QFETCH(int, ergebnis);
        QFETCH(QStringList, werte);
        testing::BaseFolder base;
        testing::ScriptedMessages messages;
        if (ergebnis == -2)
            messages.expect("Corrupt header found in file: (" + werte.first() + ") " + Programmverzeichnis + Datei);
        if (inhalt != "-")
            base.writeBytes(Datei, inhalt);
        TString gelesen{"alt"};
        QCOMPARE(LoadValueFile(Programmverzeichnis + Datei, gelesen), ergebnis);
        QCOMPARE(gelesen, werte);
        QVERIFY(messages.pending().isEmpty());
    }

    void getInt_data()
    {
        QTest::addColumn<QString>("schluessel");
        QTest::addColumn<int>("wert");
        QTest::newRow("COUNT is not COUNTRECIPES") << "COUNT" << 3;
        QTest::newRow("minus one") << "A" << -1;
        QTest::newRow("leading blank does not match") << "TWSVERSION" << 0;
        QTest::newRow("first of two") << "DOPPELT" << 11;
        QTest::newRow("missing or other case") << "count" << 0;
        QTest::newRow("not a number") << "TEXT" << 0;
        QTest::newRow("digits then text") << "GEMISCHT" << 0;
        QTest::newRow("too large") << "RIESIG" << 0;
        QTest::newRow("smallest") << "KLEINSTE" << -2147483647 - 1;
    }
    void getInt()
    {
        QFETCH(QString, schluessel);
        QFETCH(int, wert);
        const TString werte{"[TWS 2.X]", "COUNT=3", "COUNTRECIPES=7", "A=-1", "B=-2", " TWSVERSION=400", "DOPPELT=11",
                            "DOPPELT=12", "TEXT=vierhundert", "LEER=", "GEMISCHT=12x", "RIESIG=2147483648",
                            "KLEINSTE=-2147483648"};
        QCOMPARE(GetValueInt(schluessel, werte), wert);
    }

    void getAndSetText()
    {
        TString werte{"[TWS 2.X]", "SETUPNAME=a=b.exe", "X=1", "SETUPNAME=zweiter.exe", "BLANK= x "};
        QCOMPARE(GetValueStr("SETUPNAME", werte), QStringLiteral("a=b.exe"));
        QString text = "alt";
        GetValueStr("BLANK", werte, text);
        QCOMPARE(text, QStringLiteral(" x "));
        GetValueStr("FEHLT", werte, text);
        QCOMPARE(text, QString());

        QCOMPARE(SetValueStr("SETUPNAME", "neu.exe", werte), 0);
        QCOMPARE(SetValueInt("TWSVERSION", 400, werte), 0);
        QCOMPARE(werte, TString({"[TWS 2.X]", "SETUPNAME=neu.exe", "X=1", "SETUPNAME=zweiter.exe", "BLANK= x ", "TWSVERSION=400"}));

        // On an empty array the header comes first, so a save keeps the key.
        TString leer;
        SetValueInt("COUNT", -5, leer);
        QCOMPARE(leer, TString({"[TWS 2.X]", "COUNT=-5"}));
    }

    void save()
    {
        testing::BaseFolder base;
        testing::ScriptedMessages messages;
        TString werte{"[TWS 2.X] alt", "; Kommentar", "Irgendwas", "", "TWSVERSION=400", "SETUPNAME="};
        // The save never creates a file.
        QCOMPARE(SaveValueFile(Programmverzeichnis + Datei, werte), -1);
        QVERIFY(!base.exists(Datei));

        base.writeLines(Datei, {"[TWS 2.X] alt"});
        QCOMPARE(SaveValueFile(Programmverzeichnis + Datei, werte), 0);
        QCOMPARE(base.readBytes(Datei), QByteArray("[TWS 2.X]\r\n; Kommentar\r\nTWSVERSION=400\r\nSETUPNAME=\r\n"));
        QCOMPARE(werte, TString({"[TWS 2.X]", "; Kommentar", "", "", "TWSVERSION=400", "SETUPNAME="}));

        // A full disk: the failed write is reported.
        messages.expect("VERSION.HRB");
        const testing::FileSizeLimit fullDisk(0);
        QCOMPARE(SaveValueFile(Programmverzeichnis + Datei, werte), -2);
        QVERIFY(messages.pending().isEmpty());
    }
};

QTEST_MAIN(TestWertdatei)
#include "tst_wertdatei.moc"
