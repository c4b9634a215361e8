// The graphics list reader and the graphics download window, installing
// from a real HTTP server on 127.0.0.1.
#include <QtWidgets>

#include "core/Globals.h"
#include "internet/F_Down.h"
#include "internet/F_GraDown.h"
#include "internet/Grafikdownload.h"
#include "internet/Update.h"
#include "internet/Wertdatei.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "recipes/F_Main.h"
#include "Downloadfenster.h"
#include "testing/Testing.h"

namespace {
QStringList Liste(int anzahl, const QStringList &dateien)
{
    QStringList z{QStringLiteral("[TWS 2.X]"), QStringLiteral("TWSGRAPHICSVERSION=9"),
                  QStringLiteral("COUNT=%1").arg(anzahl)};
    for (const QString &d : dateien)
        z << "GRAPHIC=" + d;
    return z;
}

QString Grafikversion()
{
    TString v;
    LoadValueFile(Datenpfad(QStringLiteral("VERSION.HRB")), v);
    return GetValueStr(QStringLiteral("TWSGRAPHICSVERSION"), v);
}
} // namespace

class TestGraDown : public QObject
{
    Q_OBJECT

    testing::Serverbaum m_server;
    std::unique_ptr<testing::BaseFolder> m_base;

private slots:
    void initTestCase()
    {
        QVERIFY2(m_server.starte(), qPrintable(m_server.error()));
        testing::erzeugeDownloadfenster();
        FGraDown = new TFGraDown;
    }
    void cleanupTestCase()
    {
        delete FGraDown;
        FGraDown = nullptr;
        testing::loescheDownloadfenster();
    }
    void init()
    {
        testing::neueDownloadbasis(m_base, m_server, {QStringLiteral("[TWS 2.X]"), QStringLiteral("TWSGRAPHICSVERSION=1")});
        FMain->setEnabled(true);
        FMain->show();
        FMain->MGrafikendownloaden->setEnabled(true);
    }
    void cleanup()
    {
        FGraDown->hide();
        FMain->hide();
        m_base.reset();
    }

    void lies_grafikliste_data()
    {
        QTest::addColumn<QStringList>("liste");
        QTest::addColumn<QStringList>("pfade"); // "flag|KB|path"
        QTest::newRow("blanks and a comma in the name")
            << Liste(2, {"  0,12,GFXZUTAT\\ENG\\Salt, coarse.png  ", "1,3,Grafiken\\ENG\\PNG\\x.png"})
            << QStringList{"0|12|GFXZUTAT\\ENG\\Salt, coarse.png", "1|3|Grafiken\\ENG\\PNG\\x.png"};
        QTest::newRow("size not a number") << Liste(1, {"1,big,a.png"}) << QStringList();
        QTest::newRow("no path") << Liste(1, {"1,3"}) << QStringList();
        QStringList kopf = Liste(1, {"1,3,a.png"});
        kopf[0] = QStringLiteral("<html>");
        QTest::newRow("wrong header") << kopf << QStringList();
    }
    void lies_grafikliste()
    {
        QFETCH(QStringList, liste);
        QStringList pfade;
        for (const TTGraphictype &e : Lies_Grafikliste_aus_Bytes(platform::joinLines(liste)))
            pfade << QStringLiteral("%1|%2|%3").arg(e.Ersetzen).arg(e.GroesseKB).arg(e.Pfad);
        QTEST(pfade, "pfade");
    }

    // Present files with flag 0 stay; the rest arrive, nested folders
    // created; the version is recorded only after a complete run.
    void installieren_data()
    {
        QTest::addColumn<bool>("fehlt"); // one file missing on the server
        QTest::newRow("complete") << false;
        QTest::newRow("one file missing") << true;
    }
    void installieren()
    {
        QFETCH(bool, fehlt);
        m_server.schreibe(QStringLiteral("TWS/ENG/GRAPHICS/GRAPHICSS.HRB"),
                          Liste(3, {"0,5,Grafiken\\ENG\\PNG\\alt.png", "1,4,GFXZUTAT\\ENG\\Neu\\Tief\\salt, coarse.png",
                                    "1,2,Grafiken\\ENG\\PNG\\ersetzt.png"}));
        m_server.schreibe(QStringLiteral("TWS/ENG/GRAPHICS/alt.png"), QByteArray("server alt"));
        m_server.schreibe(QStringLiteral("TWS/ENG/GRAPHICS/salt, coarse.png"), QByteArray("salt"));
        if (!fehlt)
            m_server.schreibe(QStringLiteral("TWS/ENG/GRAPHICS/ersetzt.png"), QByteArray("new picture"));
        QVERIFY(platform::makeFolder(QStringLiteral("Grafiken\\ENG\\PNG")));
        m_base->writeBytes(QStringLiteral("Grafiken\\ENG\\PNG\\alt.png"), "local alt");
        m_base->writeBytes(QStringLiteral("Grafiken\\ENG\\PNG\\ersetzt.png"), "old picture");

        testing::ScriptedMessages meldungen;
        FMain->MGrafikendownloadenClick();
        QCOMPARE(FGraDown->Label1->text(), QStringLiteral("6 KB new data wait for downloading!"));
        meldungen.expect(fehlt ? QStringLiteral("Error while downloading!") : QStringLiteral("Download was successful!"));
        FGraDown->BInstallierenClick();
        QVERIFY(meldungen.pending().isEmpty());
        QVERIFY(FMain->isVisible() && FMain->isEnabled());
        QCOMPARE(m_base->readBytes(QStringLiteral("Grafiken\\ENG\\PNG\\alt.png")), QByteArray("local alt"));
        QCOMPARE(m_base->readBytes(QStringLiteral("GFXZUTAT\\ENG\\Neu\\Tief\\salt, coarse.png")), QByteArray("salt"));
        QCOMPARE(m_base->readBytes(QStringLiteral("Grafiken\\ENG\\PNG\\ersetzt.png")),
                 fehlt ? QByteArray("old picture") : QByteArray("new picture"));
        QCOMPARE(Grafikversion(), fehlt ? QStringLiteral("1") : QStringLiteral("9"));
        QCOMPARE(FMain->MGrafikendownloaden->isEnabled(), fehlt);
    }

    // Lists that offer nothing, or that cannot be used, stop before the window.
    void nichts_zu_laden_data()
    {
        QTest::addColumn<QStringList>("liste"); // empty = no list on the server
        QTest::addColumn<QString>("meldung");
        QTest::newRow("all there") << Liste(1, {"0,5,Grafiken\\ENG\\PNG\\alt.png"})
                                   << "All graphics and data already exists!";
        QTest::newRow("no list") << QStringList() << "Download fails!";
        QTest::newRow("count 0") << Liste(0, {}) << "No new graphics found!";
        QTest::newRow("short list") << Liste(2, {"0,5,Grafiken\\ENG\\PNG\\alt.png"}) << "is damaged";
        QTest::newRow("leaves the folder") << Liste(1, {"1,5,..\\..\\evil.sh"}) << "cannot be used: ..\\..\\evil.sh";
    }
    void nichts_zu_laden()
    {
        QFETCH(QStringList, liste);
        if (!liste.isEmpty())
            m_server.schreibe(QStringLiteral("TWS/ENG/GRAPHICS/GRAPHICSS.HRB"), liste);
        QVERIFY(platform::makeFolder(QStringLiteral("Grafiken\\ENG\\PNG")));
        m_base->writeBytes(QStringLiteral("Grafiken\\ENG\\PNG\\alt.png"), "local alt");
        testing::ScriptedMessages meldungen;
        QFETCH(QString, meldung);
        meldungen.expect(meldung);
        FMain->MGrafikendownloadenClick();
        QVERIFY(meldungen.pending().isEmpty());
        QVERIFY(!FGraDown->isVisible());
        QCOMPARE(Grafikversion(), QStringLiteral("1"));
    }
};

QTEST_MAIN(TestGraDown)
#include "tst_gradown.moc"
