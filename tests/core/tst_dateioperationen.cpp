#include <QtWidgets>

#include "CoreFixtures.h"
#include "core/Dateioperationen.h"
#include "core/Globals.h"
#include "core/Grundoperationen.h"
#include "platform/Paths.h"
#include "platform/Seams.h"

using namespace corefixtures;

namespace {

enum Art { Zutaten, Variablen, Kommentare, Verben, VTotal, Optionen_, Rezept, RezeptStart, Index };

// Each kind's file, name and a valid content.
const struct {
    const char *datei, *name;
    QStringList (*gueltig)();
} Arten[] = {{"PRGDATA\\ENG\\Lebensmittel.hbr", "ingredients", zutaten},
             {"PRGDATA\\ENG\\Variablen200.hbr", "units", variablen},
             {"PRGDATA\\ENG\\Kommentare.hbr", "comments", kommentare},
             {"PRGDATA\\ENG\\IAVariablenliste.hbr", "verbs", verben},
             {"PRGDATA\\ENG\\IAVTotal.hbr", "verb list", vtotal},
             {"PRGDATA\\ENG\\nenoitpo.kop", "options", optionen},
             {"Recipes\\Pasta.KRP", "recipe", [] { return rezept(u"Pasta"_s); }},
             // The start-up load shares values between records and takes the
             // ingredient list's values from the ingredients where they match.
             {"Recipes\\Pasta.KRP", "recipe at start-up", [] {
                  QStringList z = rezept(u"Pasta"_s);
                  const qsizetype liste = z.indexOf(u"[ZUTATENLISTE]:"_s);
                  for (int i = 0; i < 6; ++i)
                      z[liste + 2 + i] = zeilen("||Salt|500|kg|Spaghetti")[i];
                  return z;
              }},
             {"PRGDATA\\ENG\\RMListe.hbr", "index", [] { return index({{u"Recipes\\Pasta.KRP"_s, u"Pasta"_s}}); }}};

// Loads (flags Load) or saves (flags Save) the file of the kind.
bool lies(int art, int flags)
{
    switch (art) {
    case Zutaten: return Lade_Zutaten(flags == Load ? Load | Alle : flags);
    case Variablen: return Lade_Variablenlisten(flags);
    case Kommentare: return Lade_Zutatenkommentare(flags, Zutatenkommentare);
    case Verben: return Lade_IAVerben(flags) == 0;
    case VTotal: return Lade_IAVerbenTotal(flags, IAVTotalliste);
    case Optionen_: return Lade_Optionen(flags);
    case Rezept:
        if (flags == Load) {
            RezepteTotal = TRezepteTotal(1);
            RezepteTotal[0].Dateiname = Programmverzeichnis + u"Recipes\\Pasta.KRP"_s;
        }
        return Lade_Rezepte(flags, 0);
    case RezeptStart:
        return flags == Load ? Lade_RezeptdateiManager(Load) && Lade_Rezepte(Load | Alle, -1) && RezepteTotal.size() == 1
                             : Lade_Rezepte(flags, 0);
    default: return Lade_RezeptdateiManager(flags);
    }
}

// What every global a reader fills holds, to see that a failed load leaves a
// recognisable state alone.
QStringList zustand()
{
    return {Zutatentotal.value(0).Zutatname, VariablenTotal.value(0).Einheiten.join(u','), Zutatenkommentare.join(u','),
            IAVERBEN.value(0).Text, IAVTotalliste.value(0).Text,
            u"%1%2%3%4"_s.arg(Zutatentotal.size()).arg(VariablenTotal.size()).arg(IAVERBEN.size()).arg(IAVTotalliste.size())};
}

} // namespace

class TestDateioperationen : public QObject, Testumgebung
{
    Q_OBJECT
private slots:
    void init() { beginne(); }
    void cleanup() { beende(); }

    // Load and save give the same bytes back; a file with LF line ends reads
    // as the same data.
    void roundTripIsByteIdentical_data()
    {
        QTest::addColumn<int>("art");
        QTest::addColumn<bool>("lf");
        for (int art = Zutaten; art <= Index; ++art)
            for (bool lf : {false, true})
                QTest::addRow("%s%s", Arten[art].name, lf ? ", LF only" : "") << art << lf;
    }
    void roundTripIsByteIdentical()
    {
        QFETCH(int, art);
        QFETCH(bool, lf);
        const QString datei = QLatin1String(Arten[art].datei);
        GlobalVARInit();
        Setze_GlobalOptionen();
        base->writeLines(datei, Arten[art].gueltig());
        if (art == Index)
            base->writeLines(u"Recipes\\Pasta.KRP"_s, rezept(u"Pasta"_s));
        const QByteArray vorher = base->readBytes(datei);
        if (lf)
            base->writeBytes(datei, QByteArray(vorher).replace("\r\n", "\n"));
        QVERIFY(lies(art, Load));
        platform::removeFile(datei);
        QVERIFY(lies(art, Save));
        QCOMPARE(base->readBytes(datei), vorher);
    }

    void badInputFailsAndKeepsEverything_data()
    {
        QTest::addColumn<int>("art");
        QTest::addColumn<int>("zeile"); // line to replace (-1: cut in half, -2: empty, -3: no file)
        QTest::addColumn<QString>("neu");
        const int zaehlzeile[] = {1, 2, 1, 1, 1};
        const int zahlzeile[] = {6, 10, -1, 3, -1};
        for (int art = Zutaten; art <= VTotal; ++art) {
            const QByteArray n(Arten[art].name);
            QTest::newRow(n + ": wrong header") << art << 0 << u"[TAFELWERKSTATT 1.00]"_s;
            QTest::newRow(n + ": truncated") << art << -1 << QString();
            QTest::newRow(n + ": missing file") << art << -3 << QString();
            QTest::newRow(n + ": negative count") << art << zaehlzeile[art] << u"-3"_s;
            QTest::newRow(n + ": huge count") << art << zaehlzeile[art] << u"2147483647"_s;
            QTest::newRow(n + ": text as count") << art << zaehlzeile[art] << u"three"_s;
            if (zahlzeile[art] >= 0)
                QTest::newRow(n + ": text as number") << art << zahlzeile[art] << u"1x"_s;
        }
        QTest::newRow("units: wrong section") << int(Variablen) << 1 << u"[UNITS]:"_s;
        QTest::newRow("units: 20 categories") << int(Variablen) << 12 << u"20"_s;
        QTest::newRow("units: text as flag") << int(Variablen) << 16 << u"yes"_s;
        QTest::newRow("verbs: bad device list") << int(Verben) << 4 << u"1,x,"_s;
        QTest::newRow("ingredients: empty file") << int(Zutaten) << -2 << QString();
    }
    void badInputFailsAndKeepsEverything()
    {
        QFETCH(int, art);
        QFETCH(int, zeile);
        QFETCH(QString, neu);
        const QString datei = QLatin1String(Arten[art].datei);
        QStringList z = Arten[art].gueltig();
        if (zeile >= 0)
            z[zeile] = neu;
        else
            z = z.mid(0, zeile == -1 ? z.size() / 2 : 0);
        if (zeile != -3)
            base->writeLines(datei, z);
        const QByteArray vorher = base->readBytes(datei);
        GlobalVARInit();
        Zutatentotal[0].Zutatname = IAVERBEN[0].Text = IAVTotalliste[0].Text = u"MARK"_s;
        VariablenTotal[0].Einheiten = Zutatenkommentare = TString{u"MARK"_s};

        if (zeile != -3) // a missing file is failure without a message
            messages->expect(u"could not be read"_s);
        QVERIFY(!lies(art, Load));
        // A failed load of the ingredient database leaves it empty; every
        // other reader leaves its global as it was.
        QCOMPARE(zustand(), zeilen(art == Zutaten ? "|MARK|MARK|MARK|MARK|0111" : "MARK|MARK|MARK|MARK|MARK|1111"));
        QVERIFY(messages->pending().isEmpty());
        if (zeile == -3)
            return;
        // What memory holds is not that file's content: it is not saved over it.
        messages->expect(u"not overwritten"_s);
        QVERIFY(!lies(art, Save));
        QCOMPARE(base->readBytes(datei), vorher);
    }

    void ingredientsWithoutAlleKeepInactiveOnSave()
    {
        const QString datei = u"PRGDATA\\ENG\\Lebensmittel.hbr"_s;
        GlobalVARInit();
        base->writeLines(datei, zutaten());
        const QByteArray vorher = base->readBytes(datei);
        QVERIFY(Lade_Zutaten(Load));
        QCOMPARE(Zutatentotal.size(), 2); // Basil is inactive
        QVERIFY(Lade_Zutaten(Save));
        QCOMPARE(base->readBytes(datei), vorher);

        // Changes, a deletion and a new record; Basil stays in its place.
        Zutatentotal[0].Status = 0;
        Zutatentotal[1].Zutatname.clear();
        Zutatentotal.append(Zutatentotal[0]);
        Zutatentotal.last().Zutatname = u"Dill"_s;
        QVERIFY(Lade_Zutaten(Save));
        // An inactive record that memory held and deletes stays deleted.
        Zutatentotal.append(Zutatentotal[0]);
        Zutatentotal.last().Zutatname = u"Egg"_s;
        QVERIFY(Lade_Zutaten(Save));
        Zutatentotal.last().Zutatname.clear();
        QVERIFY(Lade_Zutaten(Save));
        QVERIFY(Lade_Zutaten(Load | Alle));
        QCOMPARE(spalte(Zutatentotal, [](auto &r) { return r.Zutatname + u'/' + QString::number(r.Status); }),
                 zeilen("Apple/0|Basil/0|Dill/0"));
    }

    // An inactive record that shares its name (ignoring case) with an active
    // one is a record of its own: a load without Alle and a save keep it.
    void inactiveNamesakeOfActiveRecordIsKept()
    {
        const QString datei = u"PRGDATA\\ENG\\Lebensmittel.hbr"_s;
        QStringList z = zutaten();
        z.removeLast(); // [EOF]
        z[1] = QString::number(z[1].toInt() + 1);
        z << zutatenRecord(u"APPLE"_s, 3, 0) << u"[EOF]"_s;
        base->writeLines(datei, z);
        QVERIFY(Lade_Zutaten(Load | Alle));
        const auto alle = spalte(Zutatentotal, [](auto &r) { return r.Zutatname + u'/' + QString::number(r.Status); });
        QVERIFY(alle.contains(u"APPLE/0"_s));
        QVERIFY(Lade_Zutaten(Load));
        QVERIFY(Lade_Zutaten(Save));
        QVERIFY(Lade_Zutaten(Load | Alle));
        QCOMPARE(spalte(Zutatentotal, [](auto &r) { return r.Zutatname + u'/' + QString::number(r.Status); }), alle);
    }

    void ingredientFileAcceptsOddValues()
    {
        QStringList z = zutaten();
        z[0] += u" (shared)"_s; // the header need only begin the line
        z[5] = u"25"_s;         // group out of range reads as 16
        z[6] = u"3"_s;          // status 3 is kept
        z[22] = u"herbs"_s;     // a group that is no number reads as 16
        z[23] = u"-1"_s;        // odd status values are kept as they stand
        z[40] = u"300"_s;
        z.removeLast();         // no [EOF]
        base->writeLines(u"PRGDATA\\ENG\\Lebensmittel.hbr"_s, z + zeilen("[EOF]||junk"));
        QVERIFY(Lade_Zutaten(Load | Alle));
        const TTZutatentotal &a = Zutatentotal[0];
        const auto werte = [] {
            return spalte(Zutatentotal, [](auto &r) { return u"%1/%2"_s.arg(r.Kategorie).arg(r.Status); });
        };
        QCOMPARE((QStringList{QString::number(Zutatentotal.size()), a.Grafik(), a.Standardeinheit(), a.Plural(),
                              Zutatentotal[2].Zutatname}) + werte(),
                 zeilen("3|Apple.png|g|Apples|Crème fraîche|16/3|16/-1|5/300"));
        // ... and written back, so a save loses none of them.
        QVERIFY(Lade_Zutaten(Save));
        QVERIFY(Lade_Zutaten(Load | Alle));
        QCOMPARE(werte(), zeilen("16/3|16/-1|5/300"));
    }

    void unitsLongerUnitBeforeItsPrefix()
    {
        const QStringList z = variablen();
        base->writeLines(u"PRGDATA\\ENG\\Variablen200.hbr"_s,
                         z.mid(0, 2) + zeilen("4|[g]|[garlic clove]|[tbsp]|[G]") + z.mid(5));
        QVERIFY(Lade_Variablenlisten(Load));
        const TTVariablenTotal &v = VariablenTotal[0];
        QCOMPARE(v.Einheiten, zeilen("[garlic clove]|[g]|[tbsp]|[G]"));
        QCOMPARE(v.RICDATA[0].Faktor, 125.5);
        // The unit that is not offered keeps its record.
        QCOMPARE((QList<qsizetype>{v.Kategorien[0].size(), v.Kategorien[0][1].Name.size(), v.Kategorien[20][0].Mengentabelle.size()}),
                 (QList<qsizetype>{2, 0, 3}));
    }

    void verbsTypeFromTextAndSymbolRange()
    {
        QStringList z = verben();
        z[6] = u"0"_s; // a wrong stored type
        z[11] = u"43"_s;
        base->writeLines(u"PRGDATA\\ENG\\IAVariablenliste.hbr"_s, z);
        QCOMPARE(Lade_IAVerben(Load), 0);
        QCOMPARE((QList<int>{int(IAVERBEN.size()), IAVERBEN[0].Typ, IAVERBEN[1].Typ, IAVERBEN[1].Symbol,
                             IAVERBEN[0].Zulassung[1], IAVERBEN[0].Zulassung[3], IAVERBEN[0].Zulassung[2],
                             IAVERBEN[0].Geraete[2], IAVERBEN[1].Geraete[15]}),
                 (QList<int>{2, 2, 3, 0, 1, 1, 0, 1, 1}));

        // Save and Load: verbs without text are not written.
        IAVERBEN[0].Text.clear();
        QCOMPARE(Lade_IAVerben(Save | Load), 0);
        QCOMPARE(IAVERBEN.size(), 1);
    }

    void optionsValuesAndDefaults()
    {
        const QString datei = u"PRGDATA\\ENG\\nenoitpo.kop"_s;
        GlobalSystemInit();
        GlobalVARInit();
        Setze_GlobalOptionen();
        base->writeLines(datei, optionen());
        QVERIFY(Lade_Optionen(Load));
        QCOMPARE((QList<double>{double(Optionen.Kategoriefilter), double(IAStatus.Temperatur), double(IAStatus.VerbenSpeichern),
                                double(Optionen.Schrift1.bold()), Optionen.Schrift2.pointSizeF(),
                                double(Optionen.Schrift3.underline() && Optionen.Schrift3.strikeOut()),
                                double(Optionen.Schriftfarbe[2])}),
                 (QList<double>{5, 180, 0, 1, 12.5, 1, 16711680}));
        QCOMPARE((QStringList{Optionen.Schrift1.family(), Optionen.Rezeptverzeichnis, Hintergrundgrafik,
                              Optionen.Lexikonschrift.family()}),
                 zeilen("Arial|C:\\Recipes\\|Winter.png|Georgia"));

        // A value that begins with "[" is no section: what follows it stays.
        Optionen.Unterkategoriefilter = u"[Party]"_s;
        QVERIFY(Lade_Optionen(Save));
        Setze_GlobalOptionen();
        QVERIFY(Lade_Optionen(Load));
        QCOMPARE(Optionen.Unterkategoriefilter + QString::number(Optionen.Textanzeigezeigen), u"[Party]0"_s);

        // A kitchen device beyond the scale keeps its default.
        QStringList z = optionen();
        z[z.indexOf(u"180"_s) - 5] = u"99"_s;
        base->writeLines(datei, z);
        Setze_GlobalOptionen();
        QVERIFY(Lade_Optionen(Load));
        QCOMPARE((QList<int>{IAStatus.Panel, IAStatus.Geraet, IAStatus.Auswahlmodus}), (QList<int>{1, 16, 2}));

        // A shorter file keeps the defaults of what is missing, and an
        // unreadable value keeps its default too.
        Setze_GlobalOptionen();
        base->writeLines(datei, zeilen("[TAFELWERKSTATTOPTIONEN 2.0]|[FMAIN]|1|many|[FSYS]|||x||||||..\\evil.png|[EOF]"));
        QVERIFY(Lade_Optionen(Load));
        QCOMPARE((QList<int>{Optionen.Ansicht, Optionen.Sortierung, IAStatus.Temperatur, Optionen.Tooltipps}),
                 (QList<int>{1, 0, 50, 1}));
        QCOMPARE((QStringList{Optionen.Rezeptverzeichnis, Optionen.Zutatgrafikverzeichnis, Hintergrundgrafik}),
                 (QStringList{Programmverzeichnis + u"Recipes\\"_s, u"x"_s, u"Hintergrund.png"_s}));

        // No options file: the defaults, no message.
        platform::removeFile(datei);
        QVERIFY(Lade_Optionen(Load));
    }

    // A value with a line break stays on one line; a write that fails says so.
    void optionFontsReachTheirWindowsOnLoad()
    {
        GlobalVARInit();
        Setze_GlobalOptionen();
        Optionen.Lexikonschrift.setFamily(u"DejaVu Serif"_s);
        Optionen.Lexikonschrift.setPointSize(13);
        QVERIFY(Lade_Optionen(Save));
        Setze_GlobalOptionen();
        QStringList gesehen;
        {
            QObject fenster;
            Registriere_Optionsschrift(&fenster, [&gesehen] {
                gesehen << u"%1 %2"_s.arg(Optionen.Lexikonschrift.family()).arg(Optionen.Lexikonschrift.pointSize());
            });
            QVERIFY(Lade_Optionen(Load));
        }
        QVERIFY(Lade_Optionen(Load)); // a window that is gone is not called
        QCOMPARE(gesehen.size(), 2);
        QCOMPARE(gesehen.last(), u"DejaVu Serif 13"_s);
    }

    void commentsWrite()
    {
        Zutatenkommentare = TString{u"two\r\nlines"_s, QString(), u"one"_s};
        QVERIFY(Lade_Zutatenkommentare(Save, Zutatenkommentare));
        QCOMPARE(base->readLines(u"PRGDATA\\ENG\\Kommentare.hbr"_s),
                 zeilen("[TAFELWERKSTATTZUTATKOMMENTARE 2.0]|2|two lines|one"));
        QVERIFY(platform::removeFile(u"PRGDATA\\ENG\\Kommentare.hbr"_s));
        QDir().mkpath(base->path(u"PRGDATA/ENG/Kommentare.hbr"_s));
        messages->expect(u"Kommentare.hbr could not be written because a folder stands in the file's place"_s);
        QVERIFY(!Lade_Zutatenkommentare(Save, Zutatenkommentare));
    }

    void recipeIndexMergesWithFolder()
    {
        GlobalVARInit();
        base->writeLines(u"Recipes\\Pasta.KRP"_s, rezept(u"pasta"_s));
        base->writeLines(u"Recipes\\banana bread.brp"_s, rezept(u"Banana bread"_s));
        base->writeLines(u"Recipes\\Notes.txt"_s, {u"x"_s});
        base->writeLines(u"Recipes\\IAKochen\\Kitchen.KRP"_s, rezept(u"Kitchen"_s));
        base->writeLines(u"Recipes\\Eclair.DRP"_s, rezept(u"Éclair"_s));
        base->writeLines(u"PRGDATA\\ENG\\RMListe.hbr"_s,
                         index({{u"Recipes\\Pasta.KRP"_s, u"pasta"_s}, {u"Recipes\\Gone.KRP"_s, u"Gone"_s},
                                {u"..\\outside.KRP"_s, u"Outside"_s}, {u"recipes\\pasta.krp"_s, u"twice"_s}}));
        QVERIFY(Lade_RezeptdateiManager(Load));
        QCOMPARE(RezepteTotal.value(0).Rezeptname, u"pasta"_s); // index order first, then new files
        QStringList endungen = spalte(RezepteTotal, [](auto &r) { return r.Dateiendung + QString::number(r.Kategorie); });
        endungen.sort();
        QCOMPARE(endungen, zeilen(".BRP1|.DRP2|.KRP0"));

        AktuellesRezept = 0; // "pasta" stays current through the reload
        QVERIFY(Lade_Rezepte(Load | Alle, -1));
        // Sorted by the code page's upper case: "É" sorts after the ASCII letters.
        QCOMPARE(spalte(RezepteTotal, [](auto &r) { return r.Rezeptname; }), zeilen("Banana bread|pasta|Éclair"));
        QCOMPARE(AktuellesRezept, 1);
        // The extension wins over the tag.
        QCOMPARE(QString::number(RezepteTotal[0].Kategorie) + RezepteTotal[0].Kategoriezeile, u"1[BACKREZEPT]:"_s);

        // The kitchen's working recipe and records without a file are not indexed.
        RezepteTotal.append(TTRezepteTotal());
        RezepteTotal.last().Dateiname = Programmverzeichnis + u"Recipes\\IAKochen\\Work.IAK"_s;
        RezepteTotal.append(TTRezepteTotal());
        QVERIFY(Lade_RezeptdateiManager(Save));
        QCOMPARE(base->readLines(u"PRGDATA\\ENG\\RMListe.hbr"_s),
                 index({{u"Recipes\\banana bread.brp"_s, u"Banana bread"_s}, {u"Recipes\\Pasta.KRP"_s, u"pasta"_s},
                        {u"Recipes\\Eclair.DRP"_s, u"Éclair"_s}}));
    }

    void unreadableRecipesAreLeftOut()
    {
        base->writeLines(u"Recipes\\Good.KRP"_s, rezept(u"Good"_s));
        QStringList kaputt = rezept(u"Bad"_s);
        kaputt[kaputt.indexOf(u"[ZUTATEN]:"_s) + 1] = u"1000000"_s;
        base->writeLines(u"Recipes\\Bad.KRP"_s, kaputt);
        base->writeLines(u"Recipes\\Old.KRP"_s, {u"[TAFELWERKSTATT 1.75]"_s});
        QVERIFY(Lade_RezeptdateiManager(Load));
        messages->expect(u"Bad.KRP"_s);
        QVERIFY(!Lade_Rezepte(Load | Alle, -1));
        QVERIFY(messages->seen.last().text.contains(u"Old.KRP"_s));
        QCOMPARE(spalte(RezepteTotal, [](auto &r) { return r.Rezeptname; }), QStringList{u"Good"_s});

        // A record that later takes the name of a file left out is not
        // written over it.
        const QByteArray alt = base->readBytes(u"Recipes\\Old.KRP"_s);
        RezepteTotal.append(RezepteTotal[0]);
        RezepteTotal.last().Rezeptname = u"Old"_s;
        RezepteTotal.last().Dateiname = base->root() + u"Recipes/Old.KRP"_s;
        messages->expect(u"not overwritten"_s);
        QVERIFY(!Lade_Rezepte(Save, qint32(RezepteTotal.size() - 1)));
        QCOMPARE(base->readBytes(u"Recipes\\Old.KRP"_s), alt);
    }

    void recipeSaveRefusesEmptyNameAndSharedFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("datei");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("empty name") << QString() << u"Recipes\\.KRP"_s << u"without a name"_s;
        QTest::newRow("blank name") << u"  "_s << u"Recipes\\New.KRP"_s << u"without a name"_s;
        QTest::newRow("other recipe's file") << u"Other"_s << u"Recipes\\pasta.krp"_s << u"already uses the file"_s;
    }
    void recipeSaveRefusesEmptyNameAndSharedFile()
    {
        QFETCH(QString, name);
        QFETCH(QString, datei);
        QFETCH(QString, meldung);
        base->writeLines(u"Recipes\\Pasta.KRP"_s, rezept(u"Pasta"_s));
        const QByteArray vorher = base->readBytes(u"Recipes\\Pasta.KRP"_s);
        QVERIFY(Lade_RezeptdateiManager(Load));
        QVERIFY(Lade_Rezepte(Load | Alle, -1));
        RezepteTotal.append(RezepteTotal[0]);
        RezepteTotal[1].Rezeptname = name;
        RezepteTotal[1].Dateiname = Programmverzeichnis + datei;
        messages->expect(meldung);
        QVERIFY(!Lade_Rezepte(Save, 1));
        QCOMPARE(base->readBytes(u"Recipes\\Pasta.KRP"_s), vorher);
        QVERIFY(!base->exists(u"Recipes/.KRP"_s));
    }

    void recipeWriterSkipsPlaceholdersAndFollowsExtension()
    {
        GlobalVARInit();
        Initialisiere_Rezept(0);
        TTRezepteTotal &r = RezepteTotal[0];
        r.Rezeptname = u"Soup"_s;
        r.Dateiname = Rezept_Dateiname(u"Soup: \"hot\"/cold"_s, 4);
        QCOMPARE(Ermittle_Dateiname(r.Dateiname), u"Soup_ _hot__cold.URP"_s);
        r.Kategoriezeile = u"[KOCHREZEPT]:"_s;
        QVERIFY(Lade_Rezepte(Save, 0));
        const QStringList z = base->readLines(u"Recipes\\Soup_ _hot__cold.URP"_s);
        QCOMPARE(z[1] + z.mid(z.indexOf(u"[ZUTATEN]:"_s), 4).join(u'|'), u"[SUPPENREZEPT]:[ZUTATEN]:|0|[ZUTATENLISTE]:|0"_s);
        QCOMPARE(z.size(), 14 + 29 + 1 + 12 + 1);

        // Read back: no placeholder element in any list.
        QVERIFY(Lade_Rezepte(Load, 0));
        const TTRezepteTotal &g = RezepteTotal[0];
        QVERIFY(g.Zutaten.isEmpty() && g.Rezeptliste.isEmpty() && g.Deluxeliste.Name.isEmpty());
        QCOMPARE((QList<qsizetype>{g.Kategorie, g.Reservezeilen.size()}), (QList<qsizetype>{4, 29}));
    }

    void sideFilePaths()
    {
        RezepteTotal = TRezepteTotal(2);
        RezepteTotal[0].Dateiname = Programmverzeichnis + u"Recipes\\Pasta.KRP"_s;
        RezepteTotal[0].Anleitungsdatei = u"Own.RRT"_s;
        QCOMPARE((QStringList{Rezept_Anleitungspfad(0), Rezept_Bemerkungspfad(0), Rezept_Anleitungspfad(1),
                              Rezept_Bemerkungspfad(7)}),
                 (QStringList{Programmverzeichnis + u"Recipes\\Own.RRT"_s, Programmverzeichnis + u"Recipes\\Pasta.KRP.BRT"_s,
                              QString(), QString()}));

        // A side-file name from the file never leaves the recipe folder.
        QStringList z = rezept(u"Pasta"_s);
        z[12] = u"..\\..\\etc\\passwd"_s;
        base->writeLines(u"Recipes\\Pasta.KRP"_s, z);
        QVERIFY(Lade_Rezepte(Load, 0));
        QCOMPARE(Rezept_Anleitungspfad(0), Programmverzeichnis + u"Recipes\\Pasta.KRP.RRT"_s);
    }

    void zutatengrafik_data()
    {
        QTest::addColumn<QString>("grafik");
        QTest::addColumn<int>("kategorie");
        QTest::addColumn<bool>("bilder");
        QTest::addColumn<bool>("gruppenbilder");
        QTest::addColumn<int>("erwartet"); // 0 none, else picture width
        QTest::newRow("own picture") << u"Brand\\Apple.png"_s << 3 << true << true << 7;
        QTest::newRow("missing picture: group") << u"Nope.png"_s << 3 << true << true << 5;
        QTest::newRow("pictures off: group") << u"Brand\\Apple.png"_s << 3 << false << true << 5;
        QTest::newRow("no group: other ingredients") << QString() << -1 << true << true << 9;
        QTest::newRow("both off") << u"Brand\\Apple.png"_s << 3 << false << false << 0;
        QTest::newRow("outside the folder") << u"..\\..\\x.png"_s << 3 << true << false << 0;
    }
    void zutatengrafik()
    {
        QFETCH(QString, grafik);
        QFETCH(int, kategorie);
        QFETCH(bool, bilder);
        QFETCH(bool, gruppenbilder);
        QFETCH(int, erwartet);
        const std::pair<const char *, int> dateien[] = {{"GFXZUTAT/ENG/Brand/Apple.png", 7},
                                                        {"Grafiken/ENG/PNG/IAKOCHEN/Z_Obst.png", 5},
                                                        {"Grafiken/ENG/PNG/IAKOCHEN/Z_Sonstiges.png", 9},
                                                        {"x.png", 11}};
        for (const auto &[rel, breite] : dateien) {
            QImage img(breite, 4, QImage::Format_RGB32);
            img.fill(Qt::red);
            QVERIFY(QDir().mkpath(QFileInfo(base->path(QLatin1String(rel))).absolutePath()) && img.save(base->path(QLatin1String(rel))));
        }
        Zutatentotal = TZutatentotal(1);
        Zutatentotal[0].Grafik() = grafik;
        Zutatentotal[0].Kategorie = kategorie;
        Optionen.Zutatengrafiken = bilder;
        Optionen.Zutatengruppengrafiken = gruppenbilder;
        QLabel label;
        label.setPixmap(QPixmap(3, 3));
        QImage img;
        // Into a label and into an image; an index out of range loads nothing.
        QCOMPARE((QList<int>{Lade_Zutatengrafik(&label, 0), label.pixmap().width(), Lade_Zutatengrafik(img, 0), img.width(),
                             Lade_Zutatengrafik(&label, -1), Lade_Zutatengrafik(&label, 5)}),
                 (QList<int>{erwartet != 0, erwartet, erwartet != 0, erwartet, false, false}));
        Optionen = TOptionen();
    }

    // Hints by object name; a window's hints follow its switch when the set
    // of windows named includes it (the empty set is all), and the default
    // switch is the general tool-tip option.
    void tooltipsFollowTheirSwitch()
    {
        GlobalVARInit();
        Setze_GlobalOptionen();
        QWidget fenster, anderes, standard;
        fenster.setObjectName(u"FTest"_s);
        auto *knopf = new QPushButton(&fenster);
        knopf->setObjectName(u"BOK"_s);
        quint8 schalter = 1;
        Registriere_Tooltipps(&fenster, {{u"BOK"_s, u"Take over"_s}, {u"FTest"_s, u"The window"_s},
                                         {u"Missing"_s, u"ignored"_s}}, &schalter);
        QCOMPARE((QStringList{knopf->toolTip(), fenster.toolTip()}), zeilen("Take over|The window"));
        QList<bool> sichtbar{Tooltipps_sichtbar(&fenster)};
        schalter = 0;
        Setze_Tooltipps({&anderes});
        sichtbar << Tooltipps_sichtbar(&fenster);
        Setze_Tooltipps(); // an empty set switches no window
        sichtbar << Tooltipps_sichtbar(&fenster);
        Setze_Tooltipps({&fenster});
        sichtbar << Tooltipps_sichtbar(&fenster);
        QHelpEvent ereignis(QEvent::ToolTip, QPoint(1, 1), QPoint(1, 1));
        QVERIFY(QApplication::sendEvent(knopf, &ereignis)); // swallowed: no hint
        schalter = 1;
        Setze_Tooltipps({&fenster});
        Optionen.Tooltipps = 0;
        Registriere_Tooltipps(&standard, {});
        QCOMPARE(sichtbar << Tooltipps_sichtbar(&fenster) << Tooltipps_sichtbar(&standard),
                 (QList<bool>{true, true, true, false, true, false}));
    }
};

QTEST_MAIN(TestDateioperationen)
#include "tst_dateioperationen.moc"
