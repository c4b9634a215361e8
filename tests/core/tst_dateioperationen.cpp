#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "CoreFixtures.h"
#include "core/Dateioperationen.h"
#include "core/Globals.h"
#include "core/Grundoperationen.h"
#include "platform/CodePage.h"
#include "platform/Paths.h"
#include "platform/Seams.h"
#include "testing/Testing.h"

using namespace corefixtures;

namespace {

enum Art { Zutaten, Variablen, Kommentare, Verben, VTotal, Optionen_, Rezept, Index };

const char *const Dateien[] = {"PRGDATA\\ENG\\Lebensmittel.hbr", "PRGDATA\\ENG\\Variablen200.hbr",
                               "PRGDATA\\ENG\\Kommentare.hbr",   "PRGDATA\\ENG\\IAVariablenliste.hbr",
                               "PRGDATA\\ENG\\IAVTotal.hbr",     "PRGDATA\\ENG\\nenoitpo.kop",
                               "Recipes\\Pasta.KRP",             "PRGDATA\\ENG\\RMListe.hbr"};

QStringList gueltig(int art)
{
    switch (art) {
    case Zutaten: return zutaten();
    case Variablen: return variablen();
    case Kommentare: return kommentare();
    case Verben: return verben();
    case VTotal: return vtotal();
    case Optionen_: return optionen();
    case Rezept: return rezept(QStringLiteral("Pasta"));
    default: return index({{QStringLiteral("Recipes\\Pasta.KRP"), QStringLiteral("Pasta")}});
    }
}

bool lade(int art)
{
    switch (art) {
    case Zutaten: return Lade_Zutaten(Load | Alle);
    case Variablen: return Lade_Variablenlisten(Load);
    case Kommentare: return Lade_Zutatenkommentare(Load, Zutatenkommentare);
    case Verben: return Lade_IAVerben(Load) == 0;
    case VTotal: return Lade_IAVerbenTotal(Load, IAVTotalliste);
    case Optionen_: return Lade_Optionen(Load);
    case Rezept:
        RezepteTotal = TRezepteTotal(1);
        RezepteTotal[0].Dateiname = Programmverzeichnis + QStringLiteral("Recipes\\Pasta.KRP");
        return Lade_Rezepte(Load, 0);
    default: return Lade_RezeptdateiManager(Load);
    }
}

bool speichere(int art)
{
    switch (art) {
    case Zutaten: return Lade_Zutaten(Save);
    case Variablen: return Lade_Variablenlisten(Save);
    case Kommentare: return Lade_Zutatenkommentare(Save, Zutatenkommentare);
    case Verben: return Lade_IAVerben(Save) == 0;
    case VTotal: return Lade_IAVerbenTotal(Save, IAVTotalliste);
    case Optionen_: return Lade_Optionen(Save);
    case Rezept: return Lade_Rezepte(Save, 0);
    default: return Lade_RezeptdateiManager(Save);
    }
}

// A recognisable state of every global a reader fills, to see that a failed
// load leaves it alone.
void setzeMarke()
{
    GlobalVARInit();
    Zutatentotal[0].Zutatname = QStringLiteral("MARK");
    VariablenTotal[0].Einheiten = TString{QStringLiteral("[MARK]")};
    Zutatenkommentare = TString{QStringLiteral("MARK")};
    IAVERBEN[0].Text = QStringLiteral("MARK");
    IAVTotalliste[0].Text = QStringLiteral("MARK");
}

bool markeUnveraendert(int art)
{
    switch (art) {
    case Zutaten: return Zutatentotal.size() == 1 && Zutatentotal[0].Zutatname == QLatin1String("MARK");
    case Variablen: return VariablenTotal.size() == 1 && VariablenTotal[0].Einheiten == TString{QStringLiteral("[MARK]")};
    case Kommentare: return Zutatenkommentare == TString{QStringLiteral("MARK")};
    case Verben: return IAVERBEN.size() == 1 && IAVERBEN[0].Text == QLatin1String("MARK");
    case VTotal: return IAVTotalliste.size() == 1 && IAVTotalliste[0].Text == QLatin1String("MARK");
    default: return true;
    }
}


} // namespace

class TestDateioperationen : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        testing::failOnWarnings();
        platform::resetSeams();
    }

    void roundTripIsByteIdentical_data()
    {
        QTest::addColumn<int>("art");
        QTest::newRow("ingredient database") << int(Zutaten);
        QTest::newRow("units list") << int(Variablen);
        QTest::newRow("comments") << int(Kommentare);
        QTest::newRow("verbs") << int(Verben);
        QTest::newRow("whole verb list") << int(VTotal);
        QTest::newRow("options") << int(Optionen_);
        QTest::newRow("recipe") << int(Rezept);
        QTest::newRow("recipe index") << int(Index);
    }
    void roundTripIsByteIdentical()
    {
        QFETCH(int, art);
        testing::BaseFolder base;
       testing::ScriptedMessages messages;
        GlobalVARInit();
        Setze_GlobalOptionen();
        base.writeLines(QLatin1String(Dateien[art]), gueltig(art));
        if (art == Index)
            base.writeLines(QStringLiteral("Recipes\\Pasta.KRP"), rezept(QStringLiteral("Pasta")));
        const QByteArray vorher = base.readBytes(QLatin1String(Dateien[art]));
        QVERIFY(lade(art));
        platform::removeFile(QLatin1String(Dateien[art]));
        QVERIFY(speichere(art));
        QCOMPARE(base.readBytes(QLatin1String(Dateien[art])), vorher);
        QVERIFY(messages.seen.isEmpty());
    }

    // A file with LF line ends reads as the same data.
    void lfOnlyFilesRead_data() { roundTripIsByteIdentical_data(); }
    void lfOnlyFilesRead()
    {
        QFETCH(int, art);
        testing::BaseFolder base;
        testing::ScriptedMessages messages;
        GlobalVARInit();
        Setze_GlobalOptionen();
        if (art == Index)
            base.writeLines(QStringLiteral("Recipes\\Pasta.KRP"), rezept(QStringLiteral("Pasta")));
        base.writeLines(QLatin1String(Dateien[art]), {QStringLiteral("x")});
        const QByteArray crlfBytes = platform::encodeCp1252(gueltig(art).join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
        QByteArray lf = crlfBytes;
        lf.replace("\r\n", "\n");
        base.writeBytes(QLatin1String(Dateien[art]), lf);
        QVERIFY(lade(art));
        QVERIFY(speichere(art));
        QCOMPARE(base.readBytes(QLatin1String(Dateien[art])), crlfBytes);
    }

    void badInputFailsAndKeepsEverything_data()
    {
        QTest::addColumn<int>("art");
        QTest::addColumn<int>("zeile");   // line to replace (-1: cut the file in half)
        QTest::addColumn<QString>("neu");
        const int zaehlzeile[] = {1, 2, 1, 1, 1};
        const int zahlzeile[] = {5, 10, -1, 3, -1};
        const char *const namen[] = {"ingredients", "units", "comments", "verbs", "verb list"};
        for (int art = Zutaten; art <= VTotal; ++art) {
            const QByteArray n(namen[art]);
            QTest::newRow(n + ": wrong header") << art << 0 << QStringLiteral("[TAFELWERKSTATT 1.00]");
            QTest::newRow(n + ": truncated") << art << -1 << QString();
            QTest::newRow(n + ": negative count") << art << zaehlzeile[art] << QStringLiteral("-3");
            QTest::newRow(n + ": huge count") << art << zaehlzeile[art] << QStringLiteral("2147483647");
            QTest::newRow(n + ": text as count") << art << zaehlzeile[art] << QStringLiteral("three");
            if (zahlzeile[art] >= 0)
                QTest::newRow(n + ": text as number") << art << zahlzeile[art] << QStringLiteral("1x");
        }
        QTest::newRow("units: wrong section") << int(Variablen) << 1 << QStringLiteral("[UNITS]:");
        QTest::newRow("units: 20 categories") << int(Variablen) << 12 << QStringLiteral("20");
        QTest::newRow("units: text as flag") << int(Variablen) << 16 << QStringLiteral("yes");
        QTest::newRow("verbs: bad device list") << int(Verben) << 4 << QStringLiteral("1,x,");
        QTest::newRow("ingredients: empty file") << int(Zutaten) << -2 << QString();
    }
    void badInputFailsAndKeepsEverything()
    {
        QFETCH(int, art);
        QFETCH(int, zeile);
        QFETCH(QString, neu);
        testing::BaseFolder base;
       testing::ScriptedMessages messages;
        QStringList z = gueltig(art);
        if (zeile == -1)
            z = z.mid(0, z.size() / 2);
        else if (zeile == -2)
            z.clear();
        else
            z[zeile] = neu;
        base.writeLines(QLatin1String(Dateien[art]), z);
        const QByteArray vorher = base.readBytes(QLatin1String(Dateien[art]));
        setzeMarke();

        messages.expect(QStringLiteral("could not be read"));
        QVERIFY(!lade(art));
        QVERIFY(markeUnveraendert(art));
        QVERIFY(messages.pending().isEmpty());

        // What memory holds is not that file's content: it is not saved over it.
        messages.expect(QStringLiteral("not overwritten"));
        QVERIFY(!speichere(art));
        QCOMPARE(base.readBytes(QLatin1String(Dateien[art])), vorher);
        QVERIFY(messages.pending().isEmpty());
    }

    void missingFileIsFailureWithoutMessage_data()
    {
        QTest::addColumn<int>("art");
        for (int art = Zutaten; art <= VTotal; ++art)
            QTest::newRow(Dateien[art]) << art;
    }
    void missingFileIsFailureWithoutMessage()
    {
        QFETCH(int, art);
        testing::BaseFolder base;
       testing::ScriptedMessages messages;
        setzeMarke();
        QVERIFY(!lade(art));
        QVERIFY(markeUnveraendert(art));
        QVERIFY(messages.seen.isEmpty());
    }

    void ingredientsWithoutAlleKeepInactiveOnSave()
    {
        testing::BaseFolder base;
        testing::ScriptedMessages messages;
        GlobalVARInit();
        base.writeLines(QStringLiteral("PRGDATA\\ENG\\Lebensmittel.hbr"), zutaten());
        const QByteArray vorher = base.readBytes(QStringLiteral("PRGDATA\\ENG\\Lebensmittel.hbr"));

        QVERIFY(Lade_Zutaten(Load));
        QCOMPARE(Zutatentotal.size(), 2); // Basil is inactive
        QVERIFY(Lade_Zutaten(Save));
        QCOMPARE(base.readBytes(QStringLiteral("PRGDATA\\ENG\\Lebensmittel.hbr")), vorher);

        // Changes, a deletion and a new record; Basil stays in its place.
        Zutatentotal[0].Status = 0;
        Zutatentotal[1].Zutatname.clear();
        Zutatentotal.append(Zutatentotal[0]);
        Zutatentotal.last().Zutatname = QStringLiteral("Dill");
        QVERIFY(Lade_Zutaten(Save));
        QVERIFY(Lade_Zutaten(Load | Alle));
        QStringList namen;
        for (const TTZutatentotal &r : Zutatentotal)
            namen << r.Zutatname + QLatin1Char('/') + QString::number(r.Status);
        QCOMPARE(namen, (QStringList{QStringLiteral("Apple/0"), QStringLiteral("Basil/0"), QStringLiteral("Dill/0")}));
    }

    void ingredientFileAcceptsOddValues()
    {
        testing::BaseFolder base;
        testing::ScriptedMessages messages;
        QStringList z = zutaten();
        z[0] += QStringLiteral(" (shared)"); // the header need only begin the line
        z[5] = QStringLiteral("25");          // group out of range reads as 16
        z[6] = QStringLiteral("3");           // status 3 is kept
        z.removeLast();                       // no [EOF]
        base.writeLines(QStringLiteral("PRGDATA\\ENG\\Lebensmittel.hbr"), z + QStringList{QStringLiteral("[EOF]"),
                                                                                          QStringLiteral("junk")});
        QVERIFY(Lade_Zutaten(Load | Alle));
        QCOMPARE(Zutatentotal.size(), 3);
        QCOMPARE(Zutatentotal[0].Kategorie, 16);
        QCOMPARE(int(Zutatentotal[0].Status), 3);
        QCOMPARE(Zutatentotal[0].Grafik(), QStringLiteral("Apple.png"));
        QCOMPARE(Zutatentotal[0].Standardeinheit(), QStringLiteral("g"));
        QCOMPARE(Zutatentotal[0].Plural(), QStringLiteral("Apples"));
        QCOMPARE(Zutatentotal[2].Zutatname, QString::fromUtf8("Cr\u00e8me fra\u00eeche"));
    }

    void unitsLongerUnitBeforeItsPrefix()
    {
        testing::BaseFolder base;
        testing::ScriptedMessages messages;
        QStringList z = variablen();
        z.replace(2, QStringLiteral("4"));
        z.replace(3, QStringLiteral("[g]"));
        z.replace(4, QStringLiteral("[garlic clove]"));
        z.insert(5, QStringLiteral("[tbsp]"));
        z.insert(6, QStringLiteral("[G]"));
        base.writeLines(QStringLiteral("PRGDATA\\ENG\\Variablen200.hbr"), z);
        QVERIFY(Lade_Variablenlisten(Load));
        QCOMPARE(VariablenTotal[0].Einheiten,
                 (TString{QStringLiteral("[garlic clove]"), QStringLiteral("[g]"), QStringLiteral("[tbsp]"),
                          QStringLiteral("[G]")}));
        QCOMPARE(VariablenTotal[0].RICDATA[0].Faktor, 125.5);
        QCOMPARE(VariablenTotal[0].Kategorien[0].size(), 2);
        QCOMPARE(VariablenTotal[0].Kategorien[0][1].Name, QString()); // not offered, record kept
        QCOMPARE(VariablenTotal[0].Kategorien[20][0].Mengentabelle.size(), 3);
    }

    void verbsTypeFromTextAndSymbolRange()
    {
        testing::BaseFolder base;
        testing::ScriptedMessages messages;
        QStringList z = verben();
        z[6] = QStringLiteral("0"); // a wrong stored type
        z[11] = QStringLiteral("43");
        base.writeLines(QStringLiteral("PRGDATA\\ENG\\IAVariablenliste.hbr"), z);
        QCOMPARE(Lade_IAVerben(Load), 0);
        QCOMPARE(IAVERBEN.size(), 2);
        QCOMPARE(IAVERBEN[0].Typ, 2);
        QCOMPARE(IAVERBEN[1].Typ, 3);
        QCOMPARE(IAVERBEN[1].Symbol, 0);
        QCOMPARE(int(IAVERBEN[0].Zulassung[1]), 1);
        QCOMPARE(int(IAVERBEN[0].Zulassung[3]), 1);
        QCOMPARE(int(IAVERBEN[0].Geraete[2]), 1);
        QCOMPARE(int(IAVERBEN[1].Geraete[15]), 1);

        // Save and Load: verbs without text are not written.
        IAVERBEN[0].Text.clear();
        QCOMPARE(Lade_IAVerben(Save | Load), 0);
        QCOMPARE(IAVERBEN.size(), 1);
    }

    void updateIAVTotalAddsMissingVerbTexts()
    {
        testing::BaseFolder base;
        testing::ScriptedMessages messages;
        GlobalVARInit();
        base.writeLines(QStringLiteral("PRGDATA\\ENG\\IAVariablenliste.hbr"), verben());
        base.writeLines(QStringLiteral("PRGDATA\\ENG\\IAVTotal.hbr"), vtotal());
        QCOMPARE(Lade_IAVerben(Load), 0);
        QVERIFY(Update_IAVTotal());
        QCOMPARE(base.readLines(QStringLiteral("PRGDATA\\ENG\\IAVTotal.hbr")),
                 (QStringList{QStringLiteral("[IAVTOTAL 2.00]"), QStringLiteral("3"),
                              QStringLiteral("fry ... for ZZZ minutes"), QStringLiteral("stir ..."),
                              QStringLiteral("bake ... at GGG degrees and ZZZ minutes")}));
        QVERIFY(!Update_IAVTotal()); // nothing new
    }

    void optionsValuesAndDefaults()
    {
        testing::BaseFolder base;
        testing::ScriptedMessages messages;
        GlobalSystemInit();
        GlobalVARInit();
        Setze_GlobalOptionen();
        base.writeLines(QStringLiteral("PRGDATA\\ENG\\nenoitpo.kop"), optionen());
        QVERIFY(Lade_Optionen(Load));
        QCOMPARE(Optionen.Kategoriefilter, 5);
        QCOMPARE(Optionen.Schrift1.family(), QStringLiteral("Arial"));
        QVERIFY(Optionen.Schrift1.bold());
        QCOMPARE(Optionen.Schrift2.pointSizeF(), 12.5);
        QVERIFY(Optionen.Schrift3.underline() && Optionen.Schrift3.strikeOut());
        QCOMPARE(Optionen.Schriftfarbe[2], quint32(16711680));
        QCOMPARE(Optionen.Rezeptverzeichnis, QStringLiteral("C:\\Recipes\\"));
        QCOMPARE(Hintergrundgrafik, QStringLiteral("Winter.png"));
        QCOMPARE(IAStatus.Temperatur, 180);
        QCOMPARE(int(IAStatus.VerbenSpeichern), 0);
        QCOMPARE(Optionen.Lexikonschrift.family(), QStringLiteral("Georgia"));

        // A shorter file keeps the defaults of what is missing, and an
        // unreadable value keeps its default too.
        Setze_GlobalOptionen();
        base.writeLines(QStringLiteral("PRGDATA\\ENG\\nenoitpo.kop"),
                        {QStringLiteral("[TAFELWERKSTATTOPTIONEN 2.0]"), QStringLiteral("[FMAIN]"), QStringLiteral("1"),
                         QStringLiteral("many"), QStringLiteral("[FSYS]"), QString(), QString(), QStringLiteral("x"),
                         QString(), QString(), QString(), QString(), QString(), QStringLiteral("..\\evil.png"),
                         QStringLiteral("[EOF]")});
        QVERIFY(Lade_Optionen(Load));
        QCOMPARE(Optionen.Ansicht, 1);
        QCOMPARE(Optionen.Sortierung, 0);
        QCOMPARE(Optionen.Rezeptverzeichnis, Programmverzeichnis + QStringLiteral("Recipes\\"));
        QCOMPARE(Optionen.Zutatgrafikverzeichnis, QStringLiteral("x"));
        QCOMPARE(Hintergrundgrafik, QStringLiteral("Hintergrund.png"));
        QCOMPARE(IAStatus.Temperatur, 50);
        QCOMPARE(int(Optionen.Tooltipps), 1);

        // No options file: the defaults, no message.
        platform::removeFile(QStringLiteral("PRGDATA\\ENG\\nenoitpo.kop"));
        QVERIFY(Lade_Optionen(Load));
    }

    void valuesWithLineBreaksStayOnOneLine()
    {
        testing::BaseFolder base;
        testing::ScriptedMessages messages;
        Zutatenkommentare = TString{QStringLiteral("two\r\nlines"), QString(), QStringLiteral("one")};
        QVERIFY(Lade_Zutatenkommentare(Save, Zutatenkommentare));
        QCOMPARE(base.readLines(QStringLiteral("PRGDATA\\ENG\\Kommentare.hbr")),
                 (QStringList{QStringLiteral("[TAFELWERKSTATTZUTATKOMMENTARE 2.0]"), QStringLiteral("2"),
                              QStringLiteral("two lines"), QStringLiteral("one")}));
    }

    void failedWriteKeepsOldFileAndReportsFailure()
    {
        testing::BaseFolder base;
       testing::ScriptedMessages messages;
        QDir().mkpath(base.path(QStringLiteral("PRGDATA/ENG/Kommentare.hbr")));
        messages.expect(QStringLiteral("could not be written"));
        QVERIFY(!Lade_Zutatenkommentare(Save, Zutatenkommentare));
        QVERIFY(messages.pending().isEmpty());
    }

    void recipeIndexMergesWithFolder()
    {
        testing::BaseFolder base;
        testing::ScriptedMessages messages;
        GlobalVARInit();
        base.writeLines(QStringLiteral("Recipes\\Pasta.KRP"), rezept(QStringLiteral("pasta")));
        base.writeLines(QStringLiteral("Recipes\\banana bread.brp"), rezept(QStringLiteral("Banana bread")));
        base.writeLines(QStringLiteral("Recipes\\Notes.txt"), {QStringLiteral("x")});
        base.writeLines(QStringLiteral("Recipes\\IAKochen\\Kitchen.KRP"), rezept(QStringLiteral("Kitchen")));
        base.writeLines(QStringLiteral("Recipes\\Eclair.DRP"), rezept(QString::fromUtf8("\u00c9clair")));
        base.writeLines(QStringLiteral("PRGDATA\\ENG\\RMListe.hbr"),
                        index({{QStringLiteral("Recipes\\Pasta.KRP"), QStringLiteral("pasta")},
                               {QStringLiteral("Recipes\\Gone.KRP"), QStringLiteral("Gone")},
                               {QStringLiteral("..\\outside.KRP"), QStringLiteral("Outside")},
                               {QStringLiteral("recipes\\pasta.krp"), QStringLiteral("twice")}}));
        QVERIFY(Lade_RezeptdateiManager(Load));
        QCOMPARE(RezepteTotal.size(), 3);
        QCOMPARE(RezepteTotal[0].Rezeptname, QStringLiteral("pasta")); // index order first, then new files
        QSet<QString> endungen;
        for (const TTRezepteTotal &r : RezepteTotal)
            endungen << r.Dateiendung + QString::number(r.Kategorie);
        QCOMPARE(endungen, (QSet<QString>{QStringLiteral(".KRP0"), QStringLiteral(".BRP1"), QStringLiteral(".DRP2")}));

        QVERIFY(Lade_Rezepte(Load | Alle, -1));
        QStringList namen;
        for (const TTRezepteTotal &r : RezepteTotal)
            namen << r.Rezeptname;
        // Sorted by the code page's upper case: "É" sorts after the ASCII letters.
        QCOMPARE(namen, (QStringList{QStringLiteral("Banana bread"), QStringLiteral("pasta"),
                                     QString::fromUtf8("\u00c9clair")}));
        QCOMPARE(RezepteTotal[0].Kategorie, 1); // extension wins over the tag
        QCOMPARE(RezepteTotal[0].Kategoriezeile, QStringLiteral("[BACKREZEPT]:"));

        // The kitchen's working recipe and records without a file are not indexed.
        RezepteTotal.append(TTRezepteTotal());
        RezepteTotal.last().Dateiname = Programmverzeichnis + QStringLiteral("Recipes\\IAKochen\\Work.IAK");
        RezepteTotal.append(TTRezepteTotal());
        QVERIFY(Lade_RezeptdateiManager(Save));
        QCOMPARE(base.readLines(QStringLiteral("PRGDATA\\ENG\\RMListe.hbr")),
                 index({{QStringLiteral("Recipes\\banana bread.brp"), QStringLiteral("Banana bread")},
                        {QStringLiteral("Recipes\\Pasta.KRP"), QStringLiteral("pasta")},
                        {QStringLiteral("Recipes\\Eclair.DRP"), QString::fromUtf8("\u00c9clair")}}));
    }

    void damagedIndexIsRebuiltFromFolder()
    {
        testing::BaseFolder base;
       testing::ScriptedMessages messages;
        base.writeLines(QStringLiteral("Recipes\\Pasta.KRP"), rezept(QStringLiteral("Pasta")));
        base.writeLines(QStringLiteral("PRGDATA\\ENG\\RMListe.hbr"),
                        {QStringLiteral("[TAFELWERKSTATT RM]"), QStringLiteral("5"), QStringLiteral("x")});
        QVERIFY(!Lade_RezeptdateiManager(Load));
        QCOMPARE(RezepteTotal.size(), 1);
        QVERIFY(Lade_RezeptdateiManager(Save));
        QCOMPARE(base.readLines(QStringLiteral("PRGDATA\\ENG\\RMListe.hbr")).size(), 6);
    }

    void unreadableRecipesAreLeftOut()
    {
        testing::BaseFolder base;
       testing::ScriptedMessages messages;
        base.writeLines(QStringLiteral("Recipes\\Good.KRP"), rezept(QStringLiteral("Good")));
        QStringList kaputt = rezept(QStringLiteral("Bad"));
        kaputt[kaputt.indexOf(QStringLiteral("[ZUTATEN]:")) + 1] = QStringLiteral("1000000");
        base.writeLines(QStringLiteral("Recipes\\Bad.KRP"), kaputt);
        base.writeLines(QStringLiteral("Recipes\\Old.KRP"), {QStringLiteral("[TAFELWERKSTATT 1.75]")});
        QVERIFY(Lade_RezeptdateiManager(Load));
        messages.expect(QStringLiteral("Bad.KRP"));
        QVERIFY(!Lade_Rezepte(Load | Alle, -1));
        QVERIFY(messages.seen.last().text.contains(QStringLiteral("Old.KRP")));
        QCOMPARE(RezepteTotal.size(), 1);
        QCOMPARE(RezepteTotal[0].Rezeptname, QStringLiteral("Good"));
    }

    void recipeSaveRefusesEmptyNameAndSharedFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("datei");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("empty name") << QString() << QStringLiteral("Recipes\\.KRP") << QStringLiteral("without a name");
        QTest::newRow("blank name") << QStringLiteral("  ") << QStringLiteral("Recipes\\New.KRP")
                                    << QStringLiteral("without a name");
        QTest::newRow("other recipe's file") << QStringLiteral("Other") << QStringLiteral("Recipes\\pasta.krp")
                                             << QStringLiteral("already uses the file");
    }
    void recipeSaveRefusesEmptyNameAndSharedFile()
    {
        QFETCH(QString, name);
        QFETCH(QString, datei);
        QFETCH(QString, meldung);
        testing::BaseFolder base;
       testing::ScriptedMessages messages;
        base.writeLines(QStringLiteral("Recipes\\Pasta.KRP"), rezept(QStringLiteral("Pasta")));
        const QByteArray vorher = base.readBytes(QStringLiteral("Recipes\\Pasta.KRP"));
        QVERIFY(Lade_RezeptdateiManager(Load));
        QVERIFY(Lade_Rezepte(Load | Alle, -1));
        RezepteTotal.append(RezepteTotal[0]);
        RezepteTotal[1].Rezeptname = name;
        RezepteTotal[1].Dateiname = Programmverzeichnis + datei;
        messages.expect(meldung);
        QVERIFY(!Lade_Rezepte(Save, 1));
        QVERIFY(messages.pending().isEmpty());
        QCOMPARE(base.readBytes(QStringLiteral("Recipes\\Pasta.KRP")), vorher);
        QVERIFY(!base.exists(QStringLiteral("Recipes/.KRP")));
    }

    void recipeWriterSkipsPlaceholdersAndFollowsExtension()
    {
        testing::BaseFolder base;
        testing::ScriptedMessages messages;
        GlobalVARInit();
        Initialisiere_Rezept(0);
        TTRezepteTotal &r = RezepteTotal[0];
        r.Rezeptname = QStringLiteral("Soup");
        r.Dateiname = Rezept_Dateiname(QStringLiteral("Soup: \"hot\"/cold"), 4);
        QCOMPARE(Ermittle_Dateiname(r.Dateiname), QStringLiteral("Soup_ _hot__cold.URP"));
        r.Kategoriezeile = QStringLiteral("[KOCHREZEPT]:");
        QVERIFY(Lade_Rezepte(Save, 0));
        const QStringList z = base.readLines(QStringLiteral("Recipes\\Soup_ _hot__cold.URP"));
        QCOMPARE(z[1], QStringLiteral("[SUPPENREZEPT]:"));
        QCOMPARE(z.mid(z.indexOf(QStringLiteral("[ZUTATEN]:")), 4),
                 (QStringList{QStringLiteral("[ZUTATEN]:"), QStringLiteral("0"), QStringLiteral("[ZUTATENLISTE]:"),
                              QStringLiteral("0")}));
        QCOMPARE(z.size(), 14 + 29 + 1 + 12 + 1);

        // Read back: no placeholder element in any list.
        QVERIFY(Lade_Rezepte(Load, 0));
        QVERIFY(RezepteTotal[0].Zutaten.isEmpty());
        QVERIFY(RezepteTotal[0].Rezeptliste.isEmpty());
        QVERIFY(RezepteTotal[0].Deluxeliste.Name.isEmpty());
        QCOMPARE(RezepteTotal[0].Kategorie, 4);
        QCOMPARE(RezepteTotal[0].Reservezeilen.size(), 29);
    }

    void sideFilePaths()
    {
        testing::BaseFolder base;
        testing::ScriptedMessages messages;
        RezepteTotal = TRezepteTotal(2);
        RezepteTotal[0].Dateiname = Programmverzeichnis + QStringLiteral("Recipes\\Pasta.KRP");
        RezepteTotal[0].Anleitungsdatei = QStringLiteral("Own.RRT");
        QCOMPARE(Rezept_Anleitungspfad(0), Programmverzeichnis + QStringLiteral("Recipes\\Own.RRT"));
        QCOMPARE(Rezept_Bemerkungspfad(0), Programmverzeichnis + QStringLiteral("Recipes\\Pasta.KRP.BRT"));
        QCOMPARE(Rezept_Anleitungspfad(1), QString());
        QCOMPARE(Rezept_Bemerkungspfad(7), QString());

        // A side-file name from the file never leaves the recipe folder.
        QStringList z = rezept(QStringLiteral("Pasta"));
        z[12] = QStringLiteral("..\\..\\etc\\passwd");
        base.writeLines(QStringLiteral("Recipes\\Pasta.KRP"), z);
        QVERIFY(Lade_Rezepte(Load, 0));
        QCOMPARE(Rezept_Anleitungspfad(0), Programmverzeichnis + QStringLiteral("Recipes\\Pasta.KRP.RRT"));
    }

    void kopiereDatei()
    {
        testing::BaseFolder base;
        testing::ScriptedMessages messages;
        base.writeLines(QStringLiteral("a.txt"), {QStringLiteral("new")});
        base.writeLines(QStringLiteral("b.txt"), {QStringLiteral("old")});
        QVERIFY(!Kopiere_Datei(Programmverzeichnis + QStringLiteral("missing.txt"),
                               Programmverzeichnis + QStringLiteral("b.txt")));
        QCOMPARE(base.readLines(QStringLiteral("b.txt")), QStringList{QStringLiteral("old")});
        QVERIFY(Kopiere_Datei(Programmverzeichnis + QStringLiteral("b.txt"), Programmverzeichnis + QStringLiteral("B.TXT")));
        QCOMPARE(base.readLines(QStringLiteral("b.txt")), QStringList{QStringLiteral("old")});
        QVERIFY(Kopiere_Datei(Programmverzeichnis + QStringLiteral("a.txt"), Programmverzeichnis + QStringLiteral("b.txt")));
        QCOMPARE(base.readLines(QStringLiteral("b.txt")), QStringList{QStringLiteral("new")});
    }

    void zutatengrafik_data()
    {
        QTest::addColumn<QString>("grafik");
        QTest::addColumn<int>("kategorie");
        QTest::addColumn<bool>("bilder");
        QTest::addColumn<bool>("gruppenbilder");
        QTest::addColumn<int>("erwartet"); // 0 none, else picture width
        QTest::newRow("own picture") << QStringLiteral("Brand\\Apple.png") << 3 << true << true << 7;
        QTest::newRow("missing picture: group") << QStringLiteral("Nope.png") << 3 << true << true << 5;
        QTest::newRow("pictures off: group") << QStringLiteral("Brand\\Apple.png") << 3 << false << true << 5;
        QTest::newRow("no group: other ingredients") << QString() << -1 << true << true << 9;
        QTest::newRow("both off") << QStringLiteral("Brand\\Apple.png") << 3 << false << false << 0;
        QTest::newRow("outside the folder") << QStringLiteral("..\\..\\x.png") << 3 << true << false << 0;
    }
    void zutatengrafik()
    {
        QFETCH(QString, grafik);
        QFETCH(int, kategorie);
        QFETCH(bool, bilder);
        QFETCH(bool, gruppenbilder);
        QFETCH(int, erwartet);
        testing::BaseFolder base;
        testing::ScriptedMessages messages;
        auto bild = [&](const QString &rel, int breite) {
            QDir().mkpath(QFileInfo(base.path(rel)).absolutePath());
            QImage img(breite, 4, QImage::Format_RGB32);
            img.fill(Qt::red);
            QVERIFY(img.save(base.path(rel)));
        };
        bild(QStringLiteral("GFXZUTAT/ENG/Brand/Apple.png"), 7);
        bild(QStringLiteral("Grafiken/ENG/PNG/IAKOCHEN/Z_Obst.png"), 5);
        bild(QStringLiteral("Grafiken/ENG/PNG/IAKOCHEN/Z_Sonstiges.png"), 9);
        bild(QStringLiteral("x.png"), 11);
        Zutatentotal = TZutatentotal(1);
        Zutatentotal[0].Grafik() = grafik;
        Zutatentotal[0].Kategorie = kategorie;
        Optionen.Zutatengrafiken = bilder;
        Optionen.Zutatengruppengrafiken = gruppenbilder;
        QLabel label;
        label.setPixmap(QPixmap(3, 3));
        QCOMPARE(Lade_Zutatengrafik(&label, 0), erwartet != 0);
        QCOMPARE(label.pixmap().width(), erwartet);
        QImage img;
        QCOMPARE(Lade_Zutatengrafik(img, 0), erwartet != 0);
        QCOMPARE(img.width(), erwartet);
        QVERIFY(!Lade_Zutatengrafik(&label, -1));
        QVERIFY(!Lade_Zutatengrafik(&label, 5));
        Optionen = TOptionen();
    }

    void shellExecute()
    {
        testing::BaseFolder base;
        testing::ScriptedMessages messages;
        QList<platform::ShellRequest> gesehen;
        platform::setShellRecorder([&](const platform::ShellRequest &r) {
            gesehen << r;
            return true;
        });
        QVERIFY(Starte_ShellExecute(QStringLiteral("notepad.exe"), QStringLiteral("\"C:\\my file.txt\" -x"),
                                    QString(), 5));
        QVERIFY(Starte_ShellExecute(Programmverzeichnis + QStringLiteral("Manual.pdf"), QString(), QString(), 1));
        QVERIFY(!Starte_ShellExecute(QString(), QString(), QString(), 1));
        QCOMPARE(gesehen.size(), 2);
        QCOMPARE(gesehen[0].kind, platform::ShellRequest::Start);
        QCOMPARE(gesehen[0].arguments, (QStringList{QStringLiteral("C:\\my file.txt"), QStringLiteral("-x")}));
        QCOMPARE(gesehen[1].kind, platform::ShellRequest::Open);
    }

    void tooltipsFollowTheirSwitch()
    {
        testing::ScriptedMessages messages;
        GlobalVARInit();
        Setze_GlobalOptionen();
        QWidget fenster;
        fenster.setObjectName(QStringLiteral("FTest"));
        auto *knopf = new QPushButton(&fenster);
        knopf->setObjectName(QStringLiteral("BOK"));
        quint8 schalter = 1;
        Registriere_Tooltipps(&fenster, {{QStringLiteral("BOK"), QStringLiteral("Take over")},
                                         {QStringLiteral("FTest"), QStringLiteral("The window")},
                                         {QStringLiteral("Missing"), QStringLiteral("ignored")}},
                              &schalter);
        QCOMPARE(knopf->toolTip(), QStringLiteral("Take over"));
        QCOMPARE(fenster.toolTip(), QStringLiteral("The window"));
        QVERIFY(Tooltipps_sichtbar(&fenster));
        QCOMPARE(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 500);

        // Only the windows in the set follow a changed switch; the empty set is all.
        schalter = 0;
        QWidget anderes;
        Setze_Tooltipps({&anderes});
        QVERIFY(Tooltipps_sichtbar(&fenster));
        Setze_Tooltipps();
        QVERIFY(!Tooltipps_sichtbar(&fenster));
        QHelpEvent ereignis(QEvent::ToolTip, QPoint(1, 1), QPoint(1, 1));
        QVERIFY(QApplication::sendEvent(knopf, &ereignis)); // swallowed: no hint
        schalter = 1;
        Setze_Tooltipps({&fenster});
        QVERIFY(Tooltipps_sichtbar(&fenster));

        // The default switch is the general tool-tip option.
        QWidget standard;
        Optionen.Tooltipps = 0;
        Registriere_Tooltipps(&standard, {});
        QVERIFY(!Tooltipps_sichtbar(&standard));
    }
};

QTEST_MAIN(TestDateioperationen)
#include "tst_dateioperationen.moc"
