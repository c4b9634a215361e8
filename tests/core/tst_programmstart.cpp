#include <QDir>
#include <QWidget>
#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include "CoreFixtures.h"
#include "core/Dateioperationen.h"
#include "core/Globals.h"
#include "app/Start.h"
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
const QString RM = u"PRGDATA\\ENG\\RMListe.hbr"_s;

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
    base.writeLines(u"PRGDATA\\ENG\\IAVTotal.hbr"_s, vtotal());
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
        // A save killed before its rename left its temporary file.
        base->writeLines(u"Recipes\\Zucchini.KRP.tw-save-a1B2c3"_s, {u"cut"_s});
        TWS_Grundwerte();
        QCOMPARE(Programmverzeichnis, platform::baseFolder());
        QVERIFY(TWS_Programmstart_Daten());
        // The delivered database, loaded without its inactive record.
        QCOMPARE(spalte(Zutatentotal, [](auto &r) { return r.Zutatname; }), zeilen("Apple|Crème fraîche"));
        QCOMPARE((QList<qsizetype>{ProgrammOK, Optionen.Kategoriefilter, VariablenTotal.size(), VariablenTotal[0].Einheiten.size(),
                                   IAVERBEN.size(), GlobalLexikon.size(), AktuellesRezept}),
                 (QList<qsizetype>{1, 5, 1, 2, 2, 2, -1}));
        // The whole verb list gains the verb text it missed, once.
        QCOMPARE(spalte(IAVTotalliste, [](auto &v) { return v.Text; }) + base->readLines(u"PRGDATA\\ENG\\IAVTotal.hbr"_s),
                 zeilen("fry ... for ZZZ minutes|stir ...|bake ... at GGG degrees and ZZZ minutes|[IAVTOTAL 2.00]|3"
                        "|fry ... for ZZZ minutes|stir ...|bake ... at GGG degrees and ZZZ minutes"));
        QVERIFY(!Update_IAVTotal());
        // The recipes sorted, and the index written back.
        QCOMPARE(spalte(RezepteTotal, [](auto &r) { return r.Rezeptname + QString::number(r.Kategorie); }),
                 zeilen("Apple Pie17|Zucchini0"));
        QCOMPARE(base->readLines(RM),
                 index({{u"Recipes\\Apple Pie.TRP"_s, u"Apple Pie"_s}, {u"Recipes\\Zucchini.KRP"_s, u"Zucchini"_s}}));
        QVERIFY(!base->exists(u"Recipes\\Zucchini.KRP.tw-save-a1B2c3"_s));
        for (const char *ordner : {"Recipes/IAKochen", "PreparedRecipes", "DRUCKTEMP", "PRGDATA/ENG/LEXIKON"})
            QVERIFY2(QFileInfo(base->path(QLatin1String(ordner))).isDir(), ordner);
    }

    // Each delivered file is taken over and deleted; the file it went into
    // then holds what is expected. A delivered file that is invalid (a right
    // header with a count the file cannot hold) stays, with a message, and
    // the user's file is untouched.
    void deliveredFiles_data()
    {
        QTest::addColumn<QString>("geliefert");
        QTest::addColumn<QStringList>("inhalt");
        QTest::addColumn<QString>("datei");
        QTest::addColumn<QStringList>("erwartet"); // empty: invalid, nothing changes
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
        const std::tuple<const char *, const char *, QString> ungueltig[] = {
            {"LM_Share.hbr", "[TAFELWERKSTATT 2.00]", LMAll}, {"Lebensmittel_Neu.hbr", "[TAFELWERKSTATT 2.00]", LM},
            {"IAVariablenliste_NEU.hbr", "[IAVERBEN 2.00]", Verb}, {"RICNEU.hbr", "[RICDATA 2.00]", Var},
            {"RICWerteNEU.hbr", "[RICWERTE 2.00]", Var}, {"Kommentare_neu.hbr", "[TAFELWERKSTATTZUTATKOMMENTARE 2.0]", Kom},
            {"LEXIKON\\Lexikon_NEU.hbd", "<html>Not found</html>", Lex}};
        for (const auto &[name, kopf, datei] : ungueltig)
            QTest::addRow("%s, invalid", name) << neu(name) << zeilen(kopf) + zeilen("7|only one line") << datei
                                               << QStringList();
    }
    void deliveredFiles()
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
        const QByteArray geliefertBytes = base->readBytes(geliefert), nutzerBytes = base->readBytes(datei);
        if (erwartet.isEmpty())
            messages->expect(u"delivered file "_s + geliefert.mid(12));
        QVERIFY(starte());
        if (erwartet.isEmpty()) {
            QCOMPARE(base->readBytes(geliefert), geliefertBytes);
            QCOMPARE(base->readBytes(datei), nutzerBytes);
            return;
        }
        QVERIFY(!base->exists(geliefert));
        // The dictionary: its entries as loaded.
        const QStringList begriffe = spalte(GlobalLexikon, [](auto &e) { return e.Begriff + u'=' + e.Text.value(0); });
        QCOMPARE(datei == Lex ? begriffe : base->readLines(datei), erwartet);
        if (datei == Verb) { // the old verb list is kept as the backup, the new one is loaded
            QCOMPARE(base->readLines(u"PRGDATA\\ENG\\IAVariablenlisteBAK.hbr"_s), verben());
            QCOMPARE(IAVERBEN.size(), 1);
        }
    }

    // A required file that is missing ends the program with the installation
    // message before anything after the check runs. A damaged data file gives
    // its messages, and only the units list is fatal; the damaged file is not
    // saved over, and the recipe index is rebuilt from the recipe folder.
    // Unread news are announced.
    void startMessages_data()
    {
        QTest::addColumn<QString>("datei");
        QTest::addColumn<QStringList>("inhalt"); // empty: the file is missing
        QTest::addColumn<QStringList>("meldungen");
        QTest::addColumn<bool>("weiter");
        const auto fehlt = [](const QString &d) { return QStringList{u"Installation error: Missing file: "_s + d}; };
        QTest::newRow("missing ingredient database") << LM << QStringList() << fehlt(LM) << false;
        QTest::newRow("missing units list") << Var << QStringList() << fehlt(Var) << false;
        // an invalid delivered file does not stand in for it
        QTest::newRow("missing units list, invalid delivered one")
            << Var << QStringList() << QStringList{u"delivered file Variablen200_NEU.hbr"_s} + fehlt(Var) << false;
        QTest::newRow("missing verb list") << Verb << QStringList() << fehlt(Verb) << false;
        for (const QString &ordner : {u"GFXZUTAT\\ENG\\"_s, u"Grafiken\\ENG\\PNG\\"_s})
            QTest::addRow("missing %s", qPrintable(ordner)) << ordner << QStringList() << fehlt(ordner) << false;
        QTest::newRow("damaged units list")
            << Var << zeilen("[TAFELWERKSTATTVARIABLEN 2.00]|-4")
            << zeilen("Variablen200.hbr could not be read|Fatal error: Error while loading the unit list!") << false;
        QTest::newRow("damaged ingredient database")
            << LM << zeilen("[TAFELWERKSTATT 2.00]|-4")
            << zeilen("Lebensmittel.hbr could not be read|Error: Error on the ingredient database!") << true;
        QTest::newRow("damaged recipe index") << RM << zeilen("[TAFELWERKSTATT RM]|-4")
                                              << zeilen("Error: Error in the recipe manager file!") << true;
        QTest::newRow("unread news") << u"PRGDATA\\ENG\\NEWS.HRB"_s
            << zeilen("[TWSNEWS]|1|**NEWSSTART**|1| 4.53217500000000E+0004|*TWSTCW*||ENG|-1|Welcome|1|Hello|")
            << QStringList{u"Hinweis: You have some news to read! Use the menu entry \"update\"!"_s} << true;
    }
    void startMessages()
    {
        QFETCH(QString, datei);
        QFETCH(QStringList, inhalt);
        QFETCH(QStringList, meldungen);
        QFETCH(bool, weiter);
        installiere(*base);
        if (inhalt.isEmpty()) {
            QDir(base->path(datei)).removeRecursively();
            QFile::remove(base->path(datei));
        } else {
            base->writeLines(datei, inhalt);
        }
        const bool geliefert = meldungen.first().startsWith(u"delivered"_s);
        if (geliefert)
            base->writeLines(neu("Variablen200_NEU.hbr"), {u"[TAFELWERKSTATTVARIABLEN 2.00]"_s});
        const QByteArray vorher = base->readBytes(datei);
        for (const QString &m : meldungen)
            messages->expect(m);
        QCOMPARE(starte(), weiter);
        QVERIFY(messages->pending().isEmpty());
        QCOMPARE((QList<int>{int(messages->seen.size()), ProgrammOK}), (QList<int>{int(meldungen.size()), weiter}));
        QCOMPARE(messages->seen.last().heading + u' ' + messages->seen.last().text, meldungen.last());
        if (inhalt.isEmpty()) {
            QCOMPARE(base->exists(neu("Variablen200_NEU.hbr")), geliefert);
            QVERIFY(!base->exists(RM) && !base->exists(u"DRUCKTEMP"_s));
        } else if (datei == RM) {
            QCOMPARE((QList<qsizetype>{RezepteTotal.size(), base->readLines(datei).size()}), (QList<qsizetype>{2, 2 + 2 * 3 + 1}));
        } else {
            QCOMPARE(base->readBytes(datei), vorher);
        }
        if (datei == LM && weiter) { // the damaged database is not saved over later either
            messages->expect(u"not overwritten"_s);
            QVERIFY(!Lade_Zutaten(Save));
            QCOMPARE(base->readBytes(datei), vorher);
        }
    }

    // Every data file of the default installation is written back exactly
    // as the start-up read it.
    void defaultInstallationRoundTrips()
    {
        base->copyInstallation();
        QStringList dateien{LM, LMAll, Var, Verb, Kom, u"PRGDATA\\ENG\\IAVTotal.hbr"_s, u"PRGDATA\\ENG\\nenoitpo.kop"_s};
        for (const QString &d : platform::listFiles(u"Recipes"_s, u"*.*"_s))
            if (Kategorie_aus_Dateiendung(d.mid(d.lastIndexOf(u'.'))) >= 0)
                dateien << u"Recipes\\"_s + d;
        QHash<QString, QByteArray> vorher;
        for (const QString &d : std::as_const(dateien))
            vorher.insert(d, base->readBytes(d));
        QVERIFY(starte());
        QVERIFY(RezepteTotal.size() > 0 && RezepteTotal.size() == dateien.size() - 7);
        TString kommentare;
        QVERIFY(Lade_Zutaten(Save) && Lade_Variablenlisten(Save) && Lade_IAVerben(Save) == 0); // without the inactive records
        QVERIFY(Lade_IAVerbenTotal(Save, IAVTotalliste) && Lade_Optionen(Save) && Lade_Rezepte(Save, -1));
        QVERIFY(Lade_Zutatenkommentare(Load, kommentare) && Lade_Zutatenkommentare(Save, kommentare));
        QVERIFY(Lade_Zutaten(Load | Alle, u"Lebensmittel_ALL.hbr"_s) && Lade_Zutaten(Save, u"Lebensmittel_ALL.hbr"_s));
        for (const QString &d : std::as_const(dateien))
            QVERIFY2(base->readBytes(d) == vorher[d], qPrintable(d));
    }

    // Under "ulimit -f" a write over the limit fails instead of ending the
    // program, also for what writes without the data-file routines (a
    // download).
    void fileSizeLimitEndsNoProgram()
    {
        const QByteArray datei = QFile::encodeName(base->path(u"download.tmp"_s));
        const QString ende = testing::inChildProcess([&datei] {
            std::signal(SIGXFSZ, SIG_DFL);
            TWS_Grundwerte();
            rlimit grenze{};
            getrlimit(RLIMIT_FSIZE, &grenze);
            grenze.rlim_cur = 0;
            setrlimit(RLIMIT_FSIZE, &grenze);
            const int fd = ::open(datei.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            return fd >= 0 && ::write(fd, "x", 1) < 0 && errno == EFBIG ? 0 : 1;
        });
        QCOMPARE(ende, u"exit 0"_s);
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
