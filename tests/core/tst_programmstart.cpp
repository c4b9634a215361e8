#include <QDir>
#include <QWidget>

#include "CoreFixtures.h"
#include "core/Dateioperationen.h"
#include "core/Globals.h"
#include "core/Hauptprogramm.h"
#include "core/Tabellen.h"
#include "platform/Paths.h"
#include "platform/Seams.h"
#include "testing/Testing.h"

using namespace corefixtures;

namespace {

const QString LM = QStringLiteral("PRGDATA\\ENG\\Lebensmittel.hbr");
const QString LMAll = QStringLiteral("PRGDATA\\ENG\\Lebensmittel_ALL.hbr");
const QString Var = QStringLiteral("PRGDATA\\ENG\\Variablen200.hbr");
const QString Verb = QStringLiteral("PRGDATA\\ENG\\IAVariablenliste.hbr");
const QString Kom = QStringLiteral("PRGDATA\\ENG\\Kommentare.hbr");

QString neu(const char *name)
{
    return QStringLiteral("PRGDATA\\ENG\\") + QLatin1String(name);
}

// The smallest installation the start-up accepts, with two recipes.
void installiere(testing::BaseFolder &base)
{
    base.writeLines(LM, zutaten());
    base.writeLines(Var, variablen());
    base.writeLines(Verb, verben());
    base.writeLines(Kom, kommentare());
    base.writeLines(QStringLiteral("PRGDATA\\ENG\\nenoitpo.kop"), optionen());
    base.writeLines(QStringLiteral("Recipes\\Zucchini.KRP"), rezept(QStringLiteral("Zucchini")));
    base.writeLines(QStringLiteral("Recipes\\Apple Pie.TRP"), rezept(QStringLiteral("Apple Pie")));
    QDir().mkpath(base.path(QStringLiteral("GFXZUTAT/ENG")));
    QDir().mkpath(base.path(QStringLiteral("Grafiken/ENG/PNG")));
}

QStringList namen(const TZutatentotal &liste)
{
    QStringList out;
    for (const TTZutatentotal &r : liste)
        out << r.Zutatname;
    return out;
}

TZutatentotal liesDb(const QString &datei)
{
    Lade_Zutaten(Load | Alle, datei);
    return Zutatentotal;
}

} // namespace

class TestProgrammstart : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        testing::failOnWarnings();
        platform::resetSeams();
    }

    void runsInOrderOnFixtureInstallation()
    {
        testing::BaseFolder base;
        testing::ScriptedMessages messages;
        installiere(base);
        // A delivered database stands in for the missing one: the take-over
        // comes before the installation check.
        QFile::rename(base.path(QStringLiteral("PRGDATA/ENG/Lebensmittel.hbr")),
                      base.path(QStringLiteral("PRGDATA/ENG/Lebensmittel_Neu.hbr")));
        TWS_Grundwerte();
        QCOMPARE(Programmverzeichnis, platform::baseFolder());
        QVERIFY(TWS_Programmstart_Daten());
        QVERIFY(messages.seen.isEmpty());
        QCOMPARE(int(ProgrammOK), 1);

        QCOMPARE(Optionen.Kategoriefilter, 5);
        QCOMPARE(namen(Zutatentotal), (QStringList{QStringLiteral("Apple"), QString::fromUtf8("Cr\u00e8me fra\u00eeche")}));
        QCOMPARE(VariablenTotal.size(), 1);
        QCOMPARE(VariablenTotal[0].Einheiten.size(), 2);
        QCOMPARE(IAVERBEN.size(), 2);
        QCOMPARE(IAVTotalliste.size(), 2);
        QCOMPARE(RezepteTotal.size(), 2);
        QCOMPARE(RezepteTotal[0].Rezeptname, QStringLiteral("Apple Pie"));
        QCOMPARE(RezepteTotal[0].Kategorie, 17);
        QCOMPARE(AktuellesRezept, -1);
        QCOMPARE(base.readLines(QStringLiteral("PRGDATA\\ENG\\RMListe.hbr")),
                 index({{QStringLiteral("Recipes\\Apple Pie.TRP"), QStringLiteral("Apple Pie")},
                        {QStringLiteral("Recipes\\Zucchini.KRP"), QStringLiteral("Zucchini")}}));
        QVERIFY(base.exists(QStringLiteral("PRGDATA/ENG/IAVTotal.hbr")));
        for (const char *ordner : {"Recipes/IAKochen", "PreparedRecipes", "DRUCKTEMP", "PRGDATA/ENG/LEXIKON"})
            QVERIFY2(QFileInfo(base.path(QLatin1String(ordner))).isDir(), ordner);
    }

    void missingRequiredFileEndsTheProgram_data()
    {
        QTest::addColumn<QString>("fehlt");
        QTest::newRow("ingredient database") << LM;
        QTest::newRow("units list") << Var;
        QTest::newRow("verb list") << Verb;
        QTest::newRow("ingredient pictures") << QStringLiteral("GFXZUTAT\\ENG\\");
        QTest::newRow("window pictures") << QStringLiteral("Grafiken\\ENG\\PNG\\");
    }
    void missingRequiredFileEndsTheProgram()
    {
        QFETCH(QString, fehlt);
        testing::BaseFolder base;
        testing::ScriptedMessages messages;
        installiere(base);
        QDir(base.path(fehlt)).removeRecursively();
        QFile::remove(base.path(fehlt));
        TWS_Grundwerte();
        messages.expect(QStringLiteral("Missing file: ") + fehlt);
        QVERIFY(!TWS_Programmstart_Daten());
        QVERIFY(messages.pending().isEmpty());
        QCOMPARE(messages.seen.size(), 1);
        QCOMPARE(messages.seen[0].heading, QStringLiteral("Installation error:"));
        QCOMPARE(messages.seen[0].text, QStringLiteral("Missing file: ") + fehlt);
        QCOMPARE(int(ProgrammOK), 0);
        // Nothing after the check ran.
        QVERIFY(!base.exists(QStringLiteral("PRGDATA/ENG/RMListe.hbr")));
        QVERIFY(!base.exists(QStringLiteral("DRUCKTEMP")));
    }

    void deliveredFileIsTakenOverAndDeleted_data()
    {
        QTest::addColumn<int>("fall");
        QTest::newRow("LM_Share.hbr") << 0;
        QTest::newRow("Lebensmittel_Neu.hbr") << 1;
        QTest::newRow("Variablen200_NEU.hbr, no units list") << 2;
        QTest::newRow("Variablen200_NEU.hbr, units list present") << 3;
        QTest::newRow("IAVariablenliste_NEU.hbr") << 4;
        QTest::newRow("RICNEU.hbr") << 5;
        QTest::newRow("RICWerteNEU.hbr") << 6;
        QTest::newRow("Kommentare_neu.hbr") << 7;
    }
    void deliveredFileIsTakenOverAndDeleted()
    {
        QFETCH(int, fall);
        testing::BaseFolder base;
        testing::ScriptedMessages messages;
        installiere(base);
        QString geliefert;
        QStringList inhalt;
        switch (fall) {
        case 0:
            geliefert = neu("LM_Share.hbr");
            inhalt = QStringList{QStringLiteral("[TAFELWERKSTATT 2.00]"), QStringLiteral("1")}
                + zutatenRecord(QStringLiteral("Shared"), 2, 1) + QStringList{QStringLiteral("[EOF]")};
            base.writeLines(LMAll, zutaten());
            break;
        case 1:
            geliefert = neu("Lebensmittel_Neu.hbr");
            inhalt = QStringList{QStringLiteral("[TAFELWERKSTATT 2.00]"), QStringLiteral("2")}
                + zutatenRecord(QStringLiteral("APPLE"), 2, 1) + zutatenRecord(QStringLiteral("Dill"), 7, 1)
                + QStringList{QStringLiteral("[EOF]")};
            break;
        case 2:
            QFile::remove(base.path(QStringLiteral("PRGDATA/ENG/Variablen200.hbr")));
            Q_FALLTHROUGH();
        case 3:
            geliefert = neu("Variablen200_NEU.hbr");
            inhalt = variablen();
            inhalt[9] = QStringLiteral("delivered=cup=g");
            break;
        case 4:
            geliefert = neu("IAVariablenliste_NEU.hbr");
            inhalt = verben().mid(0, 10);
            inhalt[1] = QStringLiteral("1");
            break;
        case 5:
            geliefert = neu("RICNEU.hbr");
            inhalt = QStringList{QStringLiteral("[RICDATA 2.00]"), QStringLiteral("2"), QStringLiteral("FLOUR=CUP=G"),
                                 QStringLiteral("99"), QStringLiteral("sugar=cup=g"), QStringLiteral("200,5")};
            break;
        case 6:
            geliefert = neu("RICWerteNEU.hbr");
            inhalt = QStringList{QStringLiteral("[RICWERTE 2.00]"), QStringLiteral("2"), QStringLiteral("el=tbsp"),
                                 QStringLiteral("TL=tsp")};
            break;
        default:
            geliefert = neu("Kommentare_neu.hbr");
            inhalt = QStringList{QStringLiteral("[TAFELWERKSTATTZUTATKOMMENTARE 2.0]"), QStringLiteral("2"),
                                 QStringLiteral("To taste"), QStringLiteral("diced")};
        }
        base.writeLines(geliefert, inhalt);
        const QByteArray geliefertBytes = base.readBytes(geliefert);
        const QByteArray alteVerben = base.readBytes(Verb);
        const QByteArray alteVariablen = base.readBytes(Var);

        TWS_Grundwerte();
        QVERIFY(TWS_Programmstart_Daten());
        QVERIFY(messages.seen.isEmpty());
        QVERIFY(!base.exists(geliefert));

        switch (fall) {
        case 0:
            QCOMPARE(base.readBytes(LMAll), geliefertBytes);
            break;
        case 1:
            QCOMPARE(namen(liesDb(QString())), (QStringList{QStringLiteral("Apple"), QStringLiteral("Basil"),
                                                            QString::fromUtf8("Cr\u00e8me fra\u00eeche"),
                                                            QStringLiteral("Dill")}));
            break;
        case 2:
            QCOMPARE(base.readBytes(Var), geliefertBytes);
            break;
        case 3:
            QCOMPARE(base.readBytes(Var), alteVariablen);
            break;
        case 4:
            QCOMPARE(base.readBytes(Verb), geliefertBytes);
            QCOMPARE(base.readBytes(QStringLiteral("PRGDATA\\ENG\\IAVariablenlisteBAK.hbr")), alteVerben);
            QCOMPARE(IAVERBEN.size(), 1);
            break;
        case 5:
            QCOMPARE(VariablenTotal[0].RICDATA.size(), 2);
            QCOMPARE(VariablenTotal[0].RICDATA[1].Text, QStringLiteral("sugar=cup=g"));
            QCOMPARE(VariablenTotal[0].RICDATA[1].Faktor, 200.5);
            break;
        case 6:
            QCOMPARE(VariablenTotal[0].RICWerte,
                     (TString{QStringLiteral("gr=g"), QStringLiteral("EL=tbsp"), QStringLiteral("TL=tsp")}));
            break;
        default:
            TString liste;
            QVERIFY(Lade_Zutatenkommentare(Load, liste));
            QCOMPARE(liste, (TString{QStringLiteral("finely chopped"), QStringLiteral("to taste"),
                                     QStringLiteral("diced")}));
        }
    }

    void invalidDeliveredFileIsLeftAlone_data()
    {
        QTest::addColumn<QString>("geliefert");
        QTest::addColumn<QString>("nutzerdatei");
        QTest::newRow("LM_Share.hbr") << neu("LM_Share.hbr") << LMAll;
        QTest::newRow("Lebensmittel_Neu.hbr") << neu("Lebensmittel_Neu.hbr") << LM;
        QTest::newRow("IAVariablenliste_NEU.hbr") << neu("IAVariablenliste_NEU.hbr") << Verb;
        QTest::newRow("RICNEU.hbr") << neu("RICNEU.hbr") << Var;
        QTest::newRow("RICWerteNEU.hbr") << neu("RICWerteNEU.hbr") << Var;
        QTest::newRow("Kommentare_neu.hbr") << neu("Kommentare_neu.hbr") << Kom;
    }
    void invalidDeliveredFileIsLeftAlone()
    {
        QFETCH(QString, geliefert);
        QFETCH(QString, nutzerdatei);
        testing::BaseFolder base;
        testing::ScriptedMessages messages;
        installiere(base);
        base.writeLines(LMAll, zutaten());
        // A right header with a count the file cannot hold.
        const QString kopf = geliefert.contains(QLatin1String("RICNEU")) ? QStringLiteral("[RICDATA 2.00]")
            : geliefert.contains(QLatin1String("RICWerte"))             ? QStringLiteral("[RICWERTE 2.00]")
            : geliefert.contains(QLatin1String("Kommentare"))           ? QStringLiteral("[TAFELWERKSTATTZUTATKOMMENTARE 2.0]")
            : geliefert.contains(QLatin1String("IAVariablen"))          ? QStringLiteral("[IAVERBEN 2.00]")
                                                                        : QStringLiteral("[TAFELWERKSTATT 2.00]");
        base.writeLines(geliefert, {kopf, QStringLiteral("7"), QStringLiteral("only one line")});
        const QByteArray geliefertBytes = base.readBytes(geliefert);
        const QByteArray nutzerBytes = base.readBytes(nutzerdatei);
        messages.expect(QStringLiteral("delivered file ") + geliefert.mid(12));
        TWS_Grundwerte();
        QVERIFY(TWS_Programmstart_Daten());
        QVERIFY(messages.pending().isEmpty());
        QCOMPARE(base.readBytes(geliefert), geliefertBytes);
        QCOMPARE(base.readBytes(nutzerdatei), nutzerBytes);
    }

    void invalidDeliveredUnitsListForMissingOne()
    {
        testing::BaseFolder base;
        testing::ScriptedMessages messages;
        installiere(base);
        QFile::remove(base.path(QStringLiteral("PRGDATA/ENG/Variablen200.hbr")));
        base.writeLines(neu("Variablen200_NEU.hbr"), {QStringLiteral("[TAFELWERKSTATTVARIABLEN 2.00]")});
        messages.expect(QStringLiteral("delivered file Variablen200_NEU.hbr"));
        messages.expect(QStringLiteral("Missing file: PRGDATA\\ENG\\Variablen200.hbr"));
        TWS_Grundwerte();
        QVERIFY(!TWS_Programmstart_Daten());
        QVERIFY(messages.pending().isEmpty());
        QVERIFY(base.exists(QStringLiteral("PRGDATA/ENG/Variablen200_NEU.hbr")));
    }

    // The delivered dictionary goes through the dictionary loader: a good one
    // is merged and deleted, a bad one stays and the user's file is untouched.
    void deliveredDictionary_data()
    {
        QTest::addColumn<bool>("gut");
        QTest::newRow("valid") << true;
        QTest::newRow("invalid") << false;
    }
    void deliveredDictionary()
    {
        QFETCH(bool, gut);
        const QString lex = QStringLiteral("PRGDATA\\ENG\\LEXIKON\\Lexikon.hbd");
        const QString lexNeu = QStringLiteral("PRGDATA\\ENG\\LEXIKON\\Lexikon_NEU.hbd");
        const QStringList kopf = {"[TAFELWERKSTATT LEXIKON]", "0", "Lexikon", "2", "Kochbegriffe", "Obst und Gemüse",
                                  "Sonstiges", ";;"};
        auto eintrag = [](const QString &begriff, const QString &text) {
            return QStringList{"{GRUPPENART}", "0", "{GRAFIKFILENAME}", "", "{GRUPPE}", begriff, "{TEXT}", text,
                               "{DIVERS}", "{END}"};
        };
        testing::BaseFolder base;
        testing::ScriptedMessages messages;
        if (!gut)
            messages.expect(QStringLiteral("delivered file LEXIKON\\Lexikon_NEU.hbd"));
        installiere(base);
        base.writeLines(lex, kopf + eintrag("Eigenes", "vom Nutzer") + eintrag("Braten", "alt"));
        const QByteArray vorher = base.readBytes(lex);
        base.writeLines(lexNeu, gut ? kopf + eintrag("Braten", "neu") + eintrag("Garen", "neu")
                                    : QStringList{"<html>Not found</html>"});
        TWS_Grundwerte();
        QVERIFY(TWS_Programmstart_Daten());
        QVERIFY(messages.pending().isEmpty());
        if (!gut) {
            QVERIFY(base.exists(lexNeu));
            QCOMPARE(base.readBytes(lex), vorher);
            return;
        }
        QVERIFY(!base.exists(lexNeu));
        QStringList begriffe;
        for (const TTLexikon &e : std::as_const(GlobalLexikon))
            begriffe << e.Begriff + QLatin1Char('=') + e.Text.value(0);
        QCOMPARE(begriffe, (QStringList{"Braten=neu", "Eigenes=vom Nutzer", "Garen=neu"}));
    }

    void unreadNewsAreAnnounced()
    {
        testing::BaseFolder base;
        testing::ScriptedMessages messages;
        installiere(base);
        base.writeLines(QStringLiteral("PRGDATA\\ENG\\NEWS.HRB"),
                        {"[TWSNEWS]", "1", "**NEWSSTART**", "1", " 4.53217500000000E+0004", "*TWSTCW*", "", "ENG", "-1",
                         "Welcome", "1", "Hello", ""});
        messages.expect(QStringLiteral("You have some news to read!"));
        TWS_Grundwerte();
        QVERIFY(TWS_Programmstart_Daten());
        QVERIFY(messages.pending().isEmpty());
        QCOMPARE(messages.seen.first().heading, QStringLiteral("Hinweis:"));
    }

    void damagedDataFiles_data()
    {
        QTest::addColumn<QString>("datei");
        QTest::addColumn<QStringList>("meldungen");
        QTest::addColumn<bool>("weiter");
        QTest::newRow("units list") << Var
                                    << QStringList{QStringLiteral("Variablen200.hbr could not be read"),
                                                   QStringLiteral("Fatal error: Error while loading the unit list!")}
                                    << false;
        QTest::newRow("ingredient database") << LM
                                             << QStringList{QStringLiteral("Lebensmittel.hbr could not be read"),
                                                            QStringLiteral("Error: Error on the ingredient database!")}
                                             << true;
        QTest::newRow("recipe index") << QStringLiteral("PRGDATA\\ENG\\RMListe.hbr")
                                      << QStringList{QStringLiteral("Error: Error in the recipe manager file!")} << true;
    }
    void damagedDataFiles()
    {
        QFETCH(QString, datei);
        QFETCH(QStringList, meldungen);
        QFETCH(bool, weiter);
        testing::BaseFolder base;
        testing::ScriptedMessages messages;
        installiere(base);
        base.writeLines(datei, {base.readLines(datei).value(0, QStringLiteral("[TAFELWERKSTATT RM]")),
                                QStringLiteral("-4")});
        const QByteArray vorher = base.readBytes(datei);
        for (const QString &m : meldungen)
            messages.expect(m);
        TWS_Grundwerte();
        QCOMPARE(TWS_Programmstart_Daten(), weiter);
        QVERIFY(messages.pending().isEmpty());
        QCOMPARE(messages.seen.size(), meldungen.size());
        QCOMPARE(int(ProgrammOK), weiter ? 1 : 0);
        if (datei.endsWith(QLatin1String("RMListe.hbr"))) {
            QCOMPARE(RezepteTotal.size(), 2); // rebuilt from the recipe folder
            QCOMPARE(base.readLines(datei).size(), 2 + 2 * 3 + 1);
        } else {
            QCOMPARE(base.readBytes(datei), vorher);
            if (weiter) {
                // The damaged database is not saved over later either.
                messages.expect(QStringLiteral("not overwritten"));
                QVERIFY(!Lade_Zutaten(Save));
                QCOMPARE(base.readBytes(datei), vorher);
            }
        }
    }

    // The default installation starts without a message, and every data
    // file of it is written back exactly as it was read.
    void defaultInstallationStartsAndRoundTrips()
    {
        testing::BaseFolder base;
        testing::ScriptedMessages messages;
        base.copyInstallation();
        const QStringList dateien{LM, LMAll, Var, Verb, Kom, QStringLiteral("PRGDATA\\ENG\\IAVTotal.hbr"),
                                  QStringLiteral("PRGDATA\\ENG\\nenoitpo.kop")};
        QStringList rezepte;
        for (const QString &d : platform::listFiles(QStringLiteral("Recipes"), QStringLiteral("*.*")))
            if (Kategorie_aus_Dateiendung(d.mid(d.lastIndexOf(QLatin1Char('.')))) >= 0)
                rezepte << QStringLiteral("Recipes\\") + d;
        QHash<QString, QByteArray> vorher;
        for (const QString &d : dateien + rezepte)
            vorher.insert(d, base.readBytes(d));

        TWS_Grundwerte();
        QVERIFY(TWS_Programmstart_Daten());
        QVERIFY(messages.seen.isEmpty());
        QVERIFY(!rezepte.isEmpty());
        QCOMPARE(RezepteTotal.size(), rezepte.size());

        QVERIFY(Lade_Zutaten(Save)); // loaded without the inactive records
        QVERIFY(Lade_Variablenlisten(Save));
        QCOMPARE(Lade_IAVerben(Save), 0);
        QVERIFY(Lade_IAVerbenTotal(Save, IAVTotalliste));
        QVERIFY(Lade_Optionen(Save));
        QVERIFY(Lade_Rezepte(Save, -1));
        TString kommentare;
        QVERIFY(Lade_Zutatenkommentare(Load, kommentare));
        QVERIFY(Lade_Zutatenkommentare(Save, kommentare));
        QVERIFY(Lade_Zutaten(Load | Alle, QStringLiteral("Lebensmittel_ALL.hbr")));
        QVERIFY(Lade_Zutaten(Save, QStringLiteral("Lebensmittel_ALL.hbr")));
        for (auto it = vorher.constBegin(); it != vorher.constEnd(); ++it)
            QVERIFY2(base.readBytes(it.key()) == it.value(), qPrintable(it.key()));
    }

    void smallScreenRule_data()
    {
        QTest::addColumn<QSize>("bildschirm");
        QTest::addColumn<bool>("groessenaenderbar");
        QTest::addColumn<int>("hoehe");
        QTest::newRow("800 x 600") << QSize(800, 600) << true << 560;
        QTest::newRow("1000 x 900") << QSize(1000, 900) << true << 700;
        QTest::newRow("1280 x 767") << QSize(1280, 767) << true << 727;
        QTest::newRow("1024 x 768") << QSize(1024, 768) << false << 700;
        QTest::newRow("1920 x 1080") << QSize(1920, 1080) << false << 700;
    }
    void smallScreenRule()
    {
        QFETCH(QSize, bildschirm);
        QFETCH(bool, groessenaenderbar);
        QFETCH(int, hoehe);
        QWidget fenster;
        fenster.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
        fenster.setFixedSize(900, 700);
        Passe_an_Bildschirm_an(&fenster, bildschirm);
        QCOMPARE(fenster.maximumHeight() > 700, groessenaenderbar);
        QCOMPARE(bool(fenster.windowFlags() & Qt::WindowMaximizeButtonHint), groessenaenderbar);
        QCOMPARE(fenster.height(), hoehe);
    }
};

QTEST_MAIN(TestProgrammstart)
#include "tst_programmstart.moc"
