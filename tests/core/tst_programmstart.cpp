#include <QDir>
#include <QWidget>

#include "CoreFixtures.h"
#include "core/Dateioperationen.h"
#include "core/Globals.h"
#include "core/Hauptprogramm.h"
#include "core/Tabellen.h"
#include "platform/Paths.h"
#include "platform/Seams.h"

using namespace corefixtures;

namespace {

const QString LM = u"PRGDATA\\ENG\\Lebensmittel.hbr"_s;
const QString LMAll = u"PRGDATA\\ENG\\Lebensmittel_ALL.hbr"_s;
const QString Var = u"PRGDATA\\ENG\\Variablen200.hbr"_s;
const QString Verb = u"PRGDATA\\ENG\\IAVariablenliste.hbr"_s;
const QString Kom = u"PRGDATA\\ENG\\Kommentare.hbr"_s;
const QString Lex = u"PRGDATA\\ENG\\LEXIKON\\Lexikon.hbd"_s;

QString neu(const char *name)
{
    return u"PRGDATA\\ENG\\"_s + QLatin1String(name);
}

// A dictionary file with the given entries (term, text).
QStringList lexikon(const QList<std::pair<const char *, const char *>> &eintraege)
{
    QStringList z = zeilen("[TAFELWERKSTATT LEXIKON]|0|Lexikon|2|Kochbegriffe|Obst und Gemüse|Sonstiges|;;");
    for (const auto &[begriff, text] : eintraege)
        z << u"{GRUPPENART}|0|{GRAFIKFILENAME}||{GRUPPE}|%1|{TEXT}|%2|{DIVERS}|{END}"_s
                 .arg(QString::fromUtf8(begriff), QString::fromUtf8(text))
                 .split(u'|');
    return z;
}

// The smallest installation the start-up accepts, with two recipes and a
// dictionary of the user's.
void installiere(testing::BaseFolder &base)
{
    base.writeLines(LM, zutaten());
    base.writeLines(Var, variablen());
    base.writeLines(Verb, verben());
    base.writeLines(Kom, kommentare());
    base.writeLines(u"PRGDATA\\ENG\\nenoitpo.kop"_s, optionen());
    base.writeLines(u"Recipes\\Zucchini.KRP"_s, rezept(u"Zucchini"_s));
    base.writeLines(u"Recipes\\Apple Pie.TRP"_s, rezept(u"Apple Pie"_s));
    QDir().mkpath(base.path(u"GFXZUTAT/ENG"_s));
    QDir().mkpath(base.path(u"Grafiken/ENG/PNG"_s));
    base.writeLines(Lex, lexikon({{"Eigenes", "vom Nutzer"}, {"Braten", "alt"}}));
}

bool starte()
{
    TWS_Grundwerte();
    return TWS_Programmstart_Daten();
}

} // namespace

class TestProgrammstart : public QObject, Testumgebung
{
    Q_OBJECT
private slots:
    void init() { beginne(); }
    void cleanup() { beende(); }

    void runsInOrderOnFixtureInstallation()
    {
        installiere(*base);
        // A delivered database stands in for the missing one: the take-over
        // comes before the installation check.
        QFile::rename(base->path(u"PRGDATA/ENG/Lebensmittel.hbr"_s), base->path(u"PRGDATA/ENG/Lebensmittel_Neu.hbr"_s));
        TWS_Grundwerte();
        QCOMPARE(Programmverzeichnis, platform::baseFolder());
        QVERIFY(TWS_Programmstart_Daten());
        QCOMPARE(int(ProgrammOK), 1);

        QCOMPARE(Optionen.Kategoriefilter, 5);
        QStringList namen; // the delivered database, loaded without its inactive record
        for (const TTZutatentotal &r : std::as_const(Zutatentotal))
            namen << r.Zutatname;
        QCOMPARE(namen, zeilen("Apple|Crème fraîche"));
        QCOMPARE((QList<qsizetype>{VariablenTotal.size(), VariablenTotal[0].Einheiten.size(), IAVERBEN.size(),
                                   IAVTotalliste.size(), RezepteTotal.size(), GlobalLexikon.size()}),
                 (QList<qsizetype>{1, 2, 2, 2, 2, 2}));
        QCOMPARE(RezepteTotal[0].Rezeptname, u"Apple Pie"_s);
        QCOMPARE(RezepteTotal[0].Kategorie, 17);
        QCOMPARE(AktuellesRezept, -1);
        QCOMPARE(base->readLines(u"PRGDATA\\ENG\\RMListe.hbr"_s),
                 index({{u"Recipes\\Apple Pie.TRP"_s, u"Apple Pie"_s}, {u"Recipes\\Zucchini.KRP"_s, u"Zucchini"_s}}));
        QVERIFY(base->exists(u"PRGDATA/ENG/IAVTotal.hbr"_s));
        for (const char *ordner : {"Recipes/IAKochen", "PreparedRecipes", "DRUCKTEMP", "PRGDATA/ENG/LEXIKON"})
            QVERIFY2(QFileInfo(base->path(QLatin1String(ordner))).isDir(), ordner);
    }

    void missingRequiredFileEndsTheProgram_data()
    {
        QTest::addColumn<QString>("fehlt");
        QTest::addColumn<bool>("geliefert"); // an invalid delivered file stands in for it
        QTest::newRow("ingredient database") << LM << false;
        QTest::newRow("units list") << Var << false;
        QTest::newRow("units list, invalid delivered one") << Var << true;
        QTest::newRow("verb list") << Verb << false;
        QTest::newRow("ingredient pictures") << u"GFXZUTAT\\ENG\\"_s << false;
        QTest::newRow("window pictures") << u"Grafiken\\ENG\\PNG\\"_s << false;
    }
    void missingRequiredFileEndsTheProgram()
    {
        QFETCH(QString, fehlt);
        QFETCH(bool, geliefert);
        installiere(*base);
        QDir(base->path(fehlt)).removeRecursively();
        QFile::remove(base->path(fehlt));
        if (geliefert) {
            base->writeLines(neu("Variablen200_NEU.hbr"), {u"[TAFELWERKSTATTVARIABLEN 2.00]"_s});
            messages->expect(u"delivered file Variablen200_NEU.hbr"_s);
        }
        messages->expect(u"Missing file: "_s + fehlt);
        QVERIFY(!starte());
        QCOMPARE(messages->seen.size(), geliefert ? 2 : 1);
        QCOMPARE(messages->seen.last().heading + u' ' + messages->seen.last().text,
                 u"Installation error: Missing file: "_s + fehlt);
        QCOMPARE(int(ProgrammOK), 0);
        QCOMPARE(base->exists(neu("Variablen200_NEU.hbr")), geliefert);
        // Nothing after the check ran.
        QVERIFY(!base->exists(u"PRGDATA/ENG/RMListe.hbr"_s));
        QVERIFY(!base->exists(u"DRUCKTEMP"_s));
    }

    // Each delivered file is taken over and deleted; the file it went into
    // then holds what is expected.
    void deliveredFileIsTakenOverAndDeleted_data()
    {
        QTest::addColumn<QString>("geliefert");
        QTest::addColumn<QStringList>("inhalt");
        QTest::addColumn<QString>("datei");
        QTest::addColumn<QStringList>("erwartet");
        const QString lmNeu = neu("Lebensmittel_Neu.hbr"), varNeu = neu("Variablen200_NEU.hbr");
        const QStringList share = zeilen("[TAFELWERKSTATT 2.00]|1") + zutatenRecord(u"Shared"_s, 2, 1) + zeilen("[EOF]");
        const QStringList lm = zeilen("[TAFELWERKSTATT 2.00]|2") + zutatenRecord(u"APPLE"_s, 2, 1)
            + zutatenRecord(u"Dill"_s, 7, 1) + zeilen("[EOF]");
        const QStringList var = variablen(), verb = zeilen("[IAVERBEN 2.00]|1") + verben().mid(2, 8);
        QStringList varGeliefert = var;
        varGeliefert[9] = u"delivered=cup=g"_s;
        QTest::newRow("LM_Share.hbr") << neu("LM_Share.hbr") << share << LMAll << share;
        // New names are appended; "APPLE" is no new name.
        QTest::newRow("Lebensmittel_Neu.hbr") << lmNeu << lm << LM
                                              << zeilen("[TAFELWERKSTATT 2.00]|4") + zutaten().mid(2, 51)
                + zutatenRecord(u"Dill"_s, 7, 1) + zeilen("[EOF]");
        QTest::newRow("Variablen200_NEU.hbr, no units list") << varNeu << varGeliefert << Var << varGeliefert;
        QTest::newRow("Variablen200_NEU.hbr, units list present") << varNeu << varGeliefert << Var << var;
        QTest::newRow("IAVariablenliste_NEU.hbr") << neu("IAVariablenliste_NEU.hbr") << verb << Verb << verb;
        QTest::newRow("RICNEU.hbr") << neu("RICNEU.hbr") << zeilen("[RICDATA 2.00]|2|FLOUR=CUP=G|99|sugar=cup=g|200,5")
                                    << Var << var.mid(0, 8) + zeilen("2|flour=cup=g|125.5|sugar=cup=g|200.5") + var.mid(11);
        QTest::newRow("RICWerteNEU.hbr") << neu("RICWerteNEU.hbr") << zeilen("[RICWERTE 2.00]|2|el=tbsp|TL=tsp") << Var
                                         << var.mid(0, 5) + zeilen("3|gr=g|EL=tbsp|TL=tsp") + var.mid(8);
        QTest::newRow("Kommentare_neu.hbr") << neu("Kommentare_neu.hbr")
                                            << zeilen("[TAFELWERKSTATTZUTATKOMMENTARE 2.0]|2|To taste|diced") << Kom
                                            << zeilen("[TAFELWERKSTATTZUTATKOMMENTARE 2.0]|3|finely chopped|to taste|diced");
        // The dictionary goes through the dictionary loader and is merged.
        QTest::newRow("Lexikon_NEU.hbd") << neu("LEXIKON\\Lexikon_NEU.hbd")
                                         << lexikon({{"Braten", "neu"}, {"Garen", "neu"}}) << Lex
                                         << zeilen("Braten=neu|Eigenes=vom Nutzer|Garen=neu");
    }
    void deliveredFileIsTakenOverAndDeleted()
    {
        QFETCH(QString, geliefert);
        QFETCH(QStringList, inhalt);
        QFETCH(QString, datei);
        QFETCH(QStringList, erwartet);
        installiere(*base);
        base->writeLines(LMAll, zutaten());
        if (QByteArray(QTest::currentDataTag()).endsWith("no units list"))
            QFile::remove(base->path(Var));
        base->writeLines(geliefert, inhalt);
        QVERIFY(starte());
        QVERIFY(!base->exists(geliefert));
        QStringList begriffe; // the dictionary: its entries as loaded
        for (const TTLexikon &e : std::as_const(GlobalLexikon))
            begriffe << e.Begriff + u'=' + e.Text.value(0);
        QCOMPARE(datei == Lex ? begriffe : base->readLines(datei), erwartet);
        if (datei == Verb) { // the old verb list is kept as the backup, the new one is loaded
            QCOMPARE(base->readLines(u"PRGDATA\\ENG\\IAVariablenlisteBAK.hbr"_s), verben());
            QCOMPARE(IAVERBEN.size(), 1);
        }
    }

    // A delivered file that is invalid stays, with a message, and the user's
    // file is untouched.
    void invalidDeliveredFileIsLeftAlone_data()
    {
        QTest::addColumn<QString>("geliefert");
        QTest::addColumn<QString>("kopf"); // a right header with a count the file cannot hold
        QTest::addColumn<QString>("nutzerdatei");
        QTest::newRow("LM_Share.hbr") << neu("LM_Share.hbr") << u"[TAFELWERKSTATT 2.00]"_s << LMAll;
        QTest::newRow("Lebensmittel_Neu.hbr") << neu("Lebensmittel_Neu.hbr") << u"[TAFELWERKSTATT 2.00]"_s << LM;
        QTest::newRow("IAVariablenliste_NEU.hbr") << neu("IAVariablenliste_NEU.hbr") << u"[IAVERBEN 2.00]"_s << Verb;
        QTest::newRow("RICNEU.hbr") << neu("RICNEU.hbr") << u"[RICDATA 2.00]"_s << Var;
        QTest::newRow("RICWerteNEU.hbr") << neu("RICWerteNEU.hbr") << u"[RICWERTE 2.00]"_s << Var;
        QTest::newRow("Kommentare_neu.hbr") << neu("Kommentare_neu.hbr") << u"[TAFELWERKSTATTZUTATKOMMENTARE 2.0]"_s
                                            << Kom;
        QTest::newRow("Lexikon_NEU.hbd, bad header") << neu("LEXIKON\\Lexikon_NEU.hbd") << u"<html>Not found</html>"_s
                                                     << Lex;
    }
    void invalidDeliveredFileIsLeftAlone()
    {
        QFETCH(QString, geliefert);
        QFETCH(QString, kopf);
        QFETCH(QString, nutzerdatei);
        installiere(*base);
        base->writeLines(LMAll, zutaten());
        base->writeLines(geliefert, {kopf, u"7"_s, u"only one line"_s});
        const QByteArray geliefertBytes = base->readBytes(geliefert);
        const QByteArray nutzerBytes = base->readBytes(nutzerdatei);
        messages->expect(u"delivered file "_s + geliefert.mid(12));
        QVERIFY(starte());
        QCOMPARE(base->readBytes(geliefert), geliefertBytes);
        QCOMPARE(base->readBytes(nutzerdatei), nutzerBytes);
    }

    void unreadNewsAreAnnounced()
    {
        installiere(*base);
        base->writeLines(u"PRGDATA\\ENG\\NEWS.HRB"_s,
                         zeilen("[TWSNEWS]|1|**NEWSSTART**|1| 4.53217500000000E+0004|*TWSTCW*||ENG|-1|Welcome|1|Hello|"));
        messages->expect(u"You have some news to read!"_s);
        QVERIFY(starte());
        QCOMPARE(messages->seen.first().heading, u"Hinweis:"_s);
    }

    void damagedDataFiles_data()
    {
        QTest::addColumn<QString>("datei");
        QTest::addColumn<QStringList>("meldungen");
        QTest::addColumn<bool>("weiter");
        QTest::newRow("units list")
            << Var << zeilen("Variablen200.hbr could not be read|Fatal error: Error while loading the unit list!") << false;
        QTest::newRow("ingredient database")
            << LM << zeilen("Lebensmittel.hbr could not be read|Error: Error on the ingredient database!") << true;
        QTest::newRow("recipe index") << u"PRGDATA\\ENG\\RMListe.hbr"_s
                                      << zeilen("Error: Error in the recipe manager file!") << true;
    }
    void damagedDataFiles()
    {
        QFETCH(QString, datei);
        QFETCH(QStringList, meldungen);
        QFETCH(bool, weiter);
        installiere(*base);
        base->writeLines(datei, {base->readLines(datei).value(0, u"[TAFELWERKSTATT RM]"_s), u"-4"_s});
        const QByteArray vorher = base->readBytes(datei);
        for (const QString &m : meldungen)
            messages->expect(m);
        QCOMPARE(starte(), weiter);
        QVERIFY(messages->pending().isEmpty());
        QCOMPARE(messages->seen.size(), meldungen.size());
        QCOMPARE(int(ProgrammOK), weiter ? 1 : 0);
        if (datei.endsWith("RMListe.hbr"_L1)) {
            QCOMPARE(RezepteTotal.size(), 2); // rebuilt from the recipe folder
            QCOMPARE(base->readLines(datei).size(), 2 + 2 * 3 + 1);
            return;
        }
        QCOMPARE(base->readBytes(datei), vorher);
        if (weiter) {
            // The damaged database is not saved over later either.
            messages->expect(u"not overwritten"_s);
            QVERIFY(!Lade_Zutaten(Save));
            QCOMPARE(base->readBytes(datei), vorher);
        }
    }

    // The default installation starts without a message, and every data
    // file of it is written back exactly as it was read.
    void defaultInstallationStartsAndRoundTrips()
    {
        base->copyInstallation();
        const QStringList dateien{LM, LMAll, Var, Verb, Kom, u"PRGDATA\\ENG\\IAVTotal.hbr"_s, u"PRGDATA\\ENG\\nenoitpo.kop"_s};
        QStringList rezepte;
        for (const QString &d : platform::listFiles(u"Recipes"_s, u"*.*"_s))
            if (Kategorie_aus_Dateiendung(d.mid(d.lastIndexOf(u'.'))) >= 0)
                rezepte << u"Recipes\\"_s + d;
        QHash<QString, QByteArray> vorher;
        for (const QString &d : dateien + rezepte)
            vorher.insert(d, base->readBytes(d));

        QVERIFY(starte());
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
        QVERIFY(Lade_Zutaten(Load | Alle, u"Lebensmittel_ALL.hbr"_s));
        QVERIFY(Lade_Zutaten(Save, u"Lebensmittel_ALL.hbr"_s));
        for (auto it = vorher.constBegin(); it != vorher.constEnd(); ++it)
            QVERIFY2(base->readBytes(it.key()) == it.value(), qPrintable(it.key()));
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
