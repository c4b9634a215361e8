// The recipe index and graphics list readers and the recipe and graphics
// download windows, installing from a real HTTP server on 127.0.0.1.
#include <QtWidgets>

#include "core/Globals.h"
#include "core/Grundoperationen.h"
#include "core/Tabellen.h"
#include "internet/F_Down.h"
#include "internet/F_GraDown.h"
#include "internet/F_RezDown.h"
#include "internet/Grafikdownload.h"
#include "internet/Rezeptdownload.h"
#include "internet/Update.h"
#include "internet/Wertdatei.h"
#include "platform/Paths.h"
#include "platform/Seams.h"
#include "platform/TextFile.h"
#include "recipes/F_Main.h"
#include "Serverbaum.h"
#include "testing/Testing.h"

namespace {
struct Block {
    QString nummer;
    QString name;
    QStringList dateien;
    QStringList text;
    bool mitGroesse = true;
};

QStringList Index(int anzahl, const QList<Block> &bloecke)
{
    QStringList z{QStringLiteral("[TWS 2.X]"), QStringLiteral("TWSRECIPESVERSION=4"),
                  QStringLiteral("COUNTRECIPES=%1").arg(anzahl)};
    for (const Block &b : bloecke) {
        z << "RECIPE=" + b.nummer;
        if (b.mitGroesse)
            z << QStringLiteral("DOWNLOADSIZEKB=3");
        z << "RECIPENAME=" + b.name;
        for (const QString &d : b.dateien)
            z << "RECIPEFILE=" + d;
        z << QStringLiteral("RECIPETEXTBEGIN=") << (b.text.isEmpty() ? QStringList{" "} : b.text)
          << QStringLiteral("RECIPETEXTEND=") << "RECIPEEND" + b.nummer + "=";
    }
    return z;
}

QStringList Namen(const TRecipetype &eintraege)
{
    QStringList n;
    for (const TTRecipetype &e : eintraege)
        n << e.Name;
    return n;
}

QByteArray Installiert(const QString &name)
{
    QByteArray b;
    platform::readBytes(QStringLiteral(TW_INSTALLATION_DIR "/Recipes/") + name, b);
    return b;
}

// The combo line of a category.
QString Kategoriezeile(qint32 kategorie)
{
    for (qint32 p = 0; p < AnzahlKategorien; ++p)
        if (Ermittle_Kategorie_aus_Anzeigeposition(p) == kategorie)
            return FRezDown->CBKategorie->itemText(p + 1);
    return QString();
}
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

class TestRezDown : public QObject
{
    Q_OBJECT

    testing::Serverbaum m_server;
    std::unique_ptr<testing::BaseFolder> m_base;

    // Two dessert recipes (one already installed), one cake, one bread.
    void Standardserver()
    {
        const QList<Block> bloecke{
            {"0", "Apple Crumble", {"Apple Crumble.DRP", "Apple Crumble.DRP.BRT", "Apple Crumble.DRP.RRT"},
             {"Baked apples", "with crumbs"}},
            {"1", "Banana Bread", {"Banana Bread.BRP", "", ""}, {}},
            {"2", "Old Dessert", {"Old.DRP", "", ""}, {}},
            {"3", "Cheesecake", {"Cheesecake.URP", "", ""}, {"Creamy"}}};
        m_server.schreibe(QStringLiteral("TWS/ENG/RECIPES/RECIPESS.HRB"), Index(4, bloecke));
        for (const char *d : {"Apple Crumble.DRP", "Apple Crumble.DRP.BRT", "Apple Crumble.DRP.RRT",
                                 "Banana Bread.BRP"})
            m_server.schreibe(QStringLiteral("TWS/ENG/RECIPES/") + d, Installiert(d));
        QByteArray kaese = Installiert(QStringLiteral("Banana Bread.BRP"));
        kaese.replace("Banana Bread", "Cheesecake");
        m_server.schreibe(QStringLiteral("TWS/ENG/RECIPES/Cheesecake.URP"), kaese);
        m_base->writeBytes(QStringLiteral("Recipes\\Old.DRP"), Installiert(QStringLiteral("Banana Bread.BRP")));
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_server.starte(), qPrintable(m_server.error()));
        testing::erzeugeDownloadfenster();
        FRezDown = new TFRezDown;
        FGraDown = new TFGraDown;
    }
    void cleanupTestCase()
    {
        delete FRezDown;
        delete FGraDown;
        FRezDown = nullptr;
        FGraDown = nullptr;
        testing::loescheDownloadfenster();
    }
    void init()
    {
        testing::neueDownloadbasis(m_base, m_server, {"[TWS 2.X]", "TWSRECIPESVERSION=1", "TWSGRAPHICSVERSION=1"});
        FMain->setEnabled(true);
        FMain->show();
        FMain->MRezeptedownloaden->setEnabled(true);
        FMain->MGrafikendownloaden->setEnabled(true);
    }
    void cleanup()
    {
        FRezDown->hide();
        FGraDown->hide();
        Rezeptdownloadliste.clear();
        FMain->hide();
        m_base.reset();
    }

    // The reader finds each block by its whole number line and keeps every
    // block to its own files.
    void lies_rezeptliste_data()
    {
        QTest::addColumn<QStringList>("index");
        QTest::addColumn<QStringList>("namen");
        QTest::newRow("RECIPE=1 is not RECIPE=10")
            << Index(2, {{"10", "Ten", {"T.KRP"}, {}}, {"1", "One", {"O.KRP"}, {}}, {"0", "Zero", {"Z.KRP"}, {}}})
            << QStringList{"One", "Zero"};
        QTest::newRow("sorted by bytes")
            << Index(3, {{"0", "b", {"b.KRP"}, {}}, {"1", "A", {"A.KRP"}, {}}, {"2", "a", {"a.KRP"}, {}}})
            << QStringList{"A", "a", "b"};
        QTest::newRow("sorted by Windows-1252 bytes")
            << Index(3, {{"0", "Äpfel", {"A.KRP"}, {}}, {"1", "Œufs", {"O.KRP"}, {}}, {"2", "Zwiebeln", {"Z.KRP"}, {}}})
            << QStringList{"Zwiebeln", "Œufs", "Äpfel"};
        Block ohneGroesse{"1", "No size", {"N.KRP"}, {}};
        ohneGroesse.mitGroesse = false;
        QTest::newRow("block without size skipped")
            << Index(2, {{"0", "Soup", {"S.KRP"}, {}}, ohneGroesse}) << QStringList{"Soup"};
        QTest::newRow("count far beyond the file") << Index(2000000000, {{"0", "Soup", {"S.KRP"}, {}}})
                                                   << QStringList{"Soup"};
        QStringList kopf = Index(1, {{"0", "Soup", {"S.KRP"}, {}}});
        kopf[0] = QStringLiteral("<html>");
        QTest::newRow("wrong header") << kopf << QStringList();
    }
    void lies_rezeptliste()
    {
        QFETCH(QStringList, index);
        QTEST(Namen(Lies_Rezeptindex(platform::joinLines(index))), "namen");
    }

    void lies_rezeptliste_felder()
    {
        QStringList index = Index(2, {{"0", "Soup", {"Soup.KRP", "", "Soup.KRP.RRT"}, {"Hot", "and quick"}},
                                      {"1", "Stew", {"Stew.KRP"}, {}}});
        // A block that lost its description must not take the next block's files.
        index.removeAt(index.indexOf(QStringLiteral("RECIPETEXTBEGIN="), index.indexOf("RECIPE=1")));
        index[index.indexOf(QStringLiteral("DOWNLOADSIZEKB=3"))] = QStringLiteral("DOWNLOADSIZEKB=a lot");
        const TRecipetype e = Lies_Rezeptindex(platform::joinLines(index));
        QCOMPARE(e.size(), 2);
        QCOMPARE(e[0].GroesseKB, 0);
        QCOMPARE(e[0].Dateien, QStringList({"Soup.KRP", "", "Soup.KRP.RRT"}));
        QCOMPARE(e[0].Text, QStringList({"Hot", "and quick"}));
        QCOMPARE(e[1].Dateien, QStringList{"Stew.KRP"});
        QCOMPARE(e[1].GroesseKB, 3);
    }

    // The window offers what is not installed, by category with counts.
    void kategorien()
    {
        Standardserver();
        testing::ScriptedMessages meldungen;
        FMain->MRezeptedownloadenClick();
        QCOMPARE(Kategoriezeile(2), QStringLiteral("Dessert Recipes 1"));
        QCOMPARE(Kategoriezeile(1), QStringLiteral("Baking Recipes 1"));
        QCOMPARE(FRezDown->CLBRezepte->count(), 3);
        QCOMPARE(FRezDown->MRezepte->toPlainText(), QStringLiteral("Baked apples\nwith crumbs"));

        FRezDown->CBKategorie->setCurrentText(Kategoriezeile(1));
        QCOMPARE(FRezDown->CLBRezepte->item(0)->text(), QStringLiteral("Banana Bread"));
        // The index's version is kept as soon as it is fetched.
        TString v;
        QCOMPARE(LoadValueFile(Datenpfad(QStringLiteral("VERSION.HRB")), v), 0);
        QCOMPARE(GetValueInt(QStringLiteral("TWSRECIPESVERSION"), v), 4);
        FRezDown->close();
        QVERIFY(FMain->isVisible() && FMain->isEnabled());
    }

    // The checked recipes arrive with their side files and are listed in
    // the overview.
    void installieren()
    {
        Standardserver();
        testing::ScriptedMessages meldungen;
        FMain->MRezeptedownloadenClick();
        meldungen.expect(QStringLiteral("No recipe selected!"));
        FRezDown->BRezeptinstallierenClick();
        QVERIFY(FRezDown->isVisible());
        FRezDown->CLBRezepte->item(0)->setCheckState(Qt::Checked); // Apple Crumble
        FRezDown->CLBRezepte->item(2)->setCheckState(Qt::Checked); // Cheesecake
        FRezDown->BRezeptinstallierenClick();
        QVERIFY(meldungen.pending().isEmpty());
        QVERIFY(FMain->isVisible() && FMain->isEnabled());
        for (const char *d : {"Apple Crumble.DRP", "Apple Crumble.DRP.BRT", "Apple Crumble.DRP.RRT"})
            QCOMPARE(m_base->readBytes(QStringLiteral("Recipes\\") + QLatin1String(d)), Installiert(QLatin1String(d)));
        QVERIFY(m_base->exists(QStringLiteral("Recipes\\Cheesecake.URP")));
        QVERIFY(!m_base->exists(QStringLiteral("Recipes\\Banana Bread.BRP")));
        QStringList namen;
        for (const TTRezepteTotal &r : std::as_const(RezepteTotal))
            namen << r.Rezeptname;
        QVERIFY2(namen.contains("Apple Crumble") && namen.contains("Cheesecake"), qPrintable(namen.join(',')));
    }

    // A recipe file that arrives as something else is removed and its side
    // files are skipped; every file that does not arrive is reported, leaves
    // nothing behind, and the next file is fetched all the same.
    void fehlende_rezepte_data()
    {
        QTest::addColumn<QByteArray>("inhalt"); // empty = not on the server
        QTest::addColumn<bool>("abgebrochen");  // every transfer cut half-way
        QTest::addColumn<QStringList>("meldungen");
        QTest::addColumn<bool>("seitendatei");  // Pie.DRP.BRT installed
        QTest::newRow("error page") << QByteArray("<html>Not here</html>\r\n") << false
                                    << QStringList{"\"Pie\" cannot be found on the Internet server!"} << false;
        QTest::newRow("404") << QByteArray() << false << QStringList{"Cannot find: /TWS/ENG/RECIPES/Pie.DRP!"} << true;
        QTest::newRow("cut off") << QByteArray("[TAFELWERKSTATT 2.0]\r\n") << true
                                 << QStringList{"Cannot find: /cut/TWS/ENG/RECIPES/Pie.DRP!",
                                                "Cannot find: /cut/TWS/ENG/RECIPES/Pie.DRP.BRT!"}
                                 << false;
    }
    void fehlende_rezepte()
    {
        QFETCH(QByteArray, inhalt);
        QFETCH(QStringList, meldungen);
        m_server.schreibe(QStringLiteral("TWS/ENG/RECIPES/RECIPESS.HRB"),
                          Index(1, {{"0", "Pie", {"Pie.DRP", "Pie.DRP.BRT"}, {}}}));
        if (!inhalt.isEmpty())
            m_server.schreibe(QStringLiteral("TWS/ENG/RECIPES/Pie.DRP"), inhalt);
        m_server.schreibe(QStringLiteral("TWS/ENG/RECIPES/Pie.DRP.BRT"), QByteArray("{\\rtf1 x}"));
        testing::ScriptedMessages skript;
        FMain->MRezeptedownloadenClick();
        FRezDown->CLBRezepte->item(0)->setCheckState(Qt::Checked);
        QFETCH(bool, abgebrochen);
        if (abgebrochen)
            Interneteinstellungen.Serveradresse = m_server.url(QStringLiteral("/cut"));
        for (const QString &m : meldungen)
            skript.expect(m.startsWith(QLatin1String("Cannot")) ? m.section(QLatin1Char(' '), 2) : m);
        FRezDown->BRezeptinstallierenClick();
        QVERIFY(skript.pending().isEmpty());
        QStringList gesehen;
        for (const auto &m : std::as_const(skript.seen))
            gesehen << QString(m.text).replace(m_server.url(QString()), QString());
        QCOMPARE(gesehen, meldungen);
        QVERIFY(!m_base->exists(QStringLiteral("Recipes\\Pie.DRP")));
        QTEST(m_base->exists(QStringLiteral("Recipes\\Pie.DRP.BRT")), "seitendatei");
        QCOMPARE(platform::listFiles(Programmverzeichnis + QStringLiteral("Recipes"), QStringLiteral("*")).size(),
                 m_base->exists(QStringLiteral("Recipes\\Pie.DRP.BRT")) ? 1 : 0);
    }

    // The window cannot be closed while it installs (a message shown
    // meanwhile runs the event loop); the install goes on.
    void schliessen_waehrend_installation()
    {
        m_server.schreibe(QStringLiteral("TWS/ENG/RECIPES/RECIPESS.HRB"),
                          Index(2, {{"0", "Pie", {"Pie.DRP"}, {}}, {"1", "Apple Crumble", {"Apple Crumble.DRP"}, {}}}));
        m_server.schreibe(QStringLiteral("TWS/ENG/RECIPES/Apple Crumble.DRP"),
                          Installiert(QStringLiteral("Apple Crumble.DRP")));
        testing::ScriptedMessages meldungen;
        FMain->MRezeptedownloadenClick();
        FRezDown->PMAlleauswaehlen->trigger();
        QStringList gesehen;
        bool blieb = false;
        platform::setMessageAnswerer([&](const QString &text, const QString &, int) {
            gesehen << text;
            FRezDown->close();
            blieb = FRezDown->isVisible();
            return 1;
        });
        FRezDown->BRezeptinstallierenClick();
        platform::setMessageAnswerer({});
        QCOMPARE(gesehen.size(), 1);
        QVERIFY(gesehen[0].startsWith(QStringLiteral("Cannot find: ")));
        QVERIFY(blieb);
        QVERIFY(m_base->exists(QStringLiteral("Recipes\\Apple Crumble.DRP")));
    }

    // Nothing to offer: no empty window, the message, and the entry goes off.
    void nichts_anzubieten_data()
    {
        QTest::addColumn<QString>("datei");
        QTest::addColumn<QStringList>("erwartet");
        QTest::newRow("all installed") << "Old.DRP" << QStringList{"All recipes are installed!"};
        QTest::newRow("only a refused name") << "../Old.DRP"
                                             << QStringList{"cannot be used: ../Old.DRP", "All recipes are installed!"};
    }
    void nichts_anzubieten()
    {
        QFETCH(QString, datei);
        m_base->writeLines(QStringLiteral("Recipes\\Old.DRP"), {"[TAFELWERKSTATT 2.0]"});
        m_server.schreibe(QStringLiteral("TWS/ENG/RECIPES/RECIPESS.HRB"), Index(1, {{"0", "Old", {datei}, {}}}));
        testing::ScriptedMessages meldungen;
        QFETCH(QStringList, erwartet);
        for (const QString &m : erwartet)
            meldungen.expect(m);
        FMain->MRezeptedownloadenClick();
        QVERIFY(meldungen.pending().isEmpty());
        QVERIFY(!FRezDown->isVisible());
        QVERIFY(!FMain->MRezeptedownloaden->isEnabled());
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
    void grafiken_installieren_data()
    {
        QTest::addColumn<bool>("fehlt"); // one file missing on the server
        QTest::newRow("complete") << false;
        QTest::newRow("one file missing") << true;
    }
    void grafiken_installieren()
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
    void keine_grafiken_data()
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
    void keine_grafiken()
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

QTEST_MAIN(TestRezDown)
#include "tst_rezdown.moc"
