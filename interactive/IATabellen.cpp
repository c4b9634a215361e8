#include "interactive/IATabellen.h"

#include "core/Tabellen.h"

const QString IAGrafikordner = QStringLiteral("Grafiken\\ENG\\PNG\\IAKOCHEN\\");
const QString IAWaageIcon = QStringLiteral("Waage_Icon.png");
const QString IAWaageBild = QStringLiteral("K_Kuechenwaage.png");

namespace {
QString u8(const char *s)
{
    return QString::fromUtf8(s);
}
} // namespace

// Name, device icon, kitchen picture, history icon, verb editor's green and red
// icons and its name for the device, time slider, temperature slider, switch.
const std::array<TTIAGeraet, AnzahlGeraete> IAGeraete = {{
    {u8("Brettchen"), u8("Brettchen_Icon.png"), u8("K_Brettchen.png"), u8("Brettchen_Ic.png"), u8("Brettchen_Icong.png"),
     u8("Brettchen_IconR.png"), u8("Schneidebrett"), false, false, 0},
    {u8("Topf"), u8("Topf_Icon.png"), u8("K_Topf.png"), u8("Topf_Ic.png"), u8("Topf_Icong.png"),
     u8("Topf_IconR.png"), u8("Kochtopf"), true, false, 0},
    {u8("Schüssel"), u8("Schuessel_Icon.png"), u8("K_Schuessel.png"), u8("Schuessel_Ic.png"), u8("Schuessel_Icong.png"),
     u8("Schuessel_IconR.png"), u8("Schüssel"), true, false, 0},
    {u8("Pfanne"), u8("Pfanne_Icon.png"), u8("K_Pfanne.png"), u8("Pfanne_Ic.png"), u8("Pfanne_Icong.png"),
     u8("Pfanne_IconR.png"), u8("Pfanne"), true, false, 0},
    {u8("Auflaufform/Bräter"), u8("Auflaufform_Icon.png"), u8("K_Auflaufform.png"), u8("Auflaufform_Ic.png"), u8("Auflaufform_IconG.png"),
     u8("Auflaufform_IconR.png"), u8("Auflaufform"), true, true, 0},
    {u8("Backform"), u8("Backform_Icon.png"), u8("K_Backform.png"), u8("Backform_Ic.png"), u8("Backform_Icong.png"),
     u8("Backform_IconR.png"), u8("Backform"), true, true, 0},
    {u8("Grill"), u8("Grill_Icon.png"), u8("K_Grill.png"), u8("Grill_Ic.png"), u8("Grill_Icong.png"),
     u8("Grill_IconR.png"), u8("Grill"), true, true, 0},
    {u8("Backblech"), u8("Backblech_Icon.png"), u8("K_Backblech.png"), u8("Backblech_Ic.png"), u8("Backblech_Icong.png"),
     u8("Backblech_IconR.png"), u8("Backblech"), true, true, 0},
    {u8("Fritteuse"), u8("Fritteuse_Icon.png"), u8("K_Fritteuse.png"), u8("Fritteuse_Ic.png"), u8("Fritteuse_Icong.png"),
     u8("Fritteuse_IconR.png"), u8("Friteuse"), true, true, 0},
    {u8("Mixer"), u8("Mixer_Icon.png"), u8("K_Mixer.png"), u8("Mixer_Ic.png"), u8("Mixer_Icong.png"),
     u8("Mixer_IconR.png"), u8("Mixer"), true, false, 0},
    {u8("Mikrowelle"), u8("Mikrowelle_Icon.png"), u8("K_Mikrowelle.png"), u8("Mikrowelle_Ic.png"), u8("Mikrowelle_Icong.png"),
     u8("Mikrowelle_IconR.png"), u8("Mikrowelle"), true, false, 0},
    {u8("Backofen"), u8("Backofen_Icon.png"), u8("K_Backofen.png"), u8("Backofen_Ic.png"), u8("Backofen_Icong.png"),
     u8("Backofen_IconR.png"), u8("Backofen"), true, true, 0},
    {u8("Wasserbad (Topf)"), u8("Wasserbad_Icon.png"), u8("K_Wasserbad.png"), u8("Wasserbad_Ic.png"), u8("Wasserbad_Icong.png"),
     u8("Wasserbad_IconR.png"), u8("Wasserbad"), true, true, 0},
    {u8("Kühlschrank"), u8("Kuehlschrank_Icon.png"), u8("K_Kuehlschrank.png"), u8("Kuehlschrank_Ic.png"), u8("Kuehlschrank_Icong.png"),
     u8("Kuehlschrank_IconR.png"), u8("Kühlschrank"), true, false, 0},
    {u8("Eisfach"), u8("Eisfach_Icon.png"), u8("K_Eisfach.png"), u8("Eisfach_Ic.png"), u8("Eisfach_Icong.png"),
     u8("Eisfach_IconR.png"), u8("Eisfach"), true, false, 0},
    {u8("Entsafter"), u8("Entsafter_Icon.png"), u8("K_Entsafter.png"), u8("Entsafter_Ic.png"), u8("Entsafter_Icong.png"),
     u8("Entsafter_IconR.png"), u8("Entsafter"), true, true, 0},
}};

// Icon, highlighted icon, hint, the product the verb makes.
const std::array<TTIAVerbsymbol, AnzahlVerbsymbole> IAVerbsymbole = {{
    {u8("Topf_VI.png"), u8("Topf_VI_G.png"), u8("Dem Verb einen Topf als Symbol zuordnen"), 0},
    {u8("Schuessel_VI.png"), u8("Schuessel_VI_G.png"), u8("Dem Verb eine Schüssel als Symbol zuordnen"), 0},
    {u8("Pfanne_VI.png"), u8("Pfanne_VI_G.png"), u8("Dem Verb eine Pfanne als Symbol zuordnen"), 0},
    {u8("Auflaufform_VI.png"), u8("Auflaufform_VI_G.png"), u8("Dem Verb eine Auflaufform als Symbol zuordnen"), 0},
    {u8("Backform_VI.png"), u8("Backform_VI_G.png"), u8("Dem Verb eine Backform als Symbol zuordnen"), 0},
    {u8("Grill_VI.png"), u8("Grill_VI_G.png"), u8("Dem Verb einen Grill als Symbol zuordnen"), 0},
    {u8("Backblech_VI.png"), u8("Backblech_VI_G.png"), u8("Dem Verb ein Backblech als Symbol zuordnen"), 0},
    {u8("Fritteuse_VI.png"), u8("Fritteuse_VI_G.png"), u8("Dem Verb eine Fritteuse als Symbol zuordnen"), 0},
    {u8("Mixer_VI.png"), u8("Mixer_VI_G.png"), u8("Dem Verb einen Mixer als Symbol zuordnen"), 0},
    {u8("Mikrowelle_VI.png"), u8("Mikrowelle_VI_G.png"), u8("Dem Verb eine Mikrowelle als Symbol zuordnen"), 0},
    {u8("Backofen_VI.png"), u8("Backofen_VI_G.png"), u8("Dem Verb einen Backofen als Symbol zuordnen"), 0},
    {u8("Wasserbad_VI.png"), u8("Wasserbad_VI_G.png"), u8("Dem Verb ein Wasserbad als Symbol zuordnen"), 0},
    {u8("Kuehlschrank_VI.png"), u8("Kuehlschrank_VI_G.png"), u8("Dem Verb einen Kühlschrank als Symbol zuordnen"), 0},
    {u8("Eisfach_VI.png"), u8("Eisfach_VI_G.png"), u8("Dem Verb ein Eisfach als Symbol zuordnen"), 0},
    {u8("Entsafter_VI.png"), u8("Entsafter_VI_G.png"), u8("Dem Verb einen Entsafter als Symbol zuordnen"), 0},
    {u8("Holzkochloeffel_VI.png"), u8("Holzkochloeffel_VI_G.png"), u8("Dem Verb einen Holzkochlöffel als Symbol zuordnen"), 0},
    {u8("Kuechenmesser_VI.png"), u8("Kuechenmesser_VI_G.png"), u8("Dem Verb ein Küchenmesser als Symbol zuordnen"), 0},
    {u8("Klopfer_VI.png"), u8("Klopfer_VI_G.png"), u8("Dem Verb einen Fleischklopfer als Symbol zuordnen"), 0},
    {u8("Teigrolle_VI.png"), u8("Teigrolle_VI_G.png"), u8("Dem Verb eine Teigrolle als Symbol zuordnen"), 0},
    {u8("Haende_VI.png"), u8("Haende_VI_G.png"), u8("Dem Verb die Hände als Symbol zuordnen"), 0},
    {u8("Knethaken_Maschine_VI.png"), u8("Knethaken_Maschine_VI_G.png"), u8("Dem Verb die Knethaken der Küchenmaschine als Symbol zuordnen"), 0},
    {u8("Ruehrbesen_VI.png"), u8("Ruehrbesen_VI_G.png"), u8("Dem Verb einen Rührbesen als Symbol zuordnen"), 0},
    {u8("Ruehrhaken_Maschine_VI.png"), u8("Ruehrhaken_Maschine_VI_G.png"), u8("Dem Verb die Rührhaken der Küchenmaschine als Symbol zuordnen"), 0},
    {u8("Schaelmesser_VI.png"), u8("Schaelmesser_VI_G.png"), u8("Dem Verb ein Schälmesser als Symbol zuordnen"), 0},
    {u8("Entkerner_VI.png"), u8("Entkerner_VI_G.png"), u8("Dem Verb einen Entkerner als Symbol zuordnen"), 0},
    {u8("Teig_Mehl_VI.png"), u8("Teig_Mehl_VI_G.png"), u8("Dem Verb einen Mehlteig als Symbol zuordnen"), 1},
    {u8("Sosse_VI.png"), u8("Sosse_VI_G.png"), u8("Dem Verb eine Sauce als Symbol zuordnen"), 2},
    {u8("Suppe_VI.png"), u8("Suppe_VI_G.png"), u8("Dem Verb eine Suppe als Symbol zuordnen"), 3},
    {u8("Braten_VI.png"), u8("Braten_VI_G.png"), u8("Dem Verb einen Braten als Symbol zuordnen"), 4},
    {u8("Sieb_VI.png"), u8("Sieb_VI_G.png"), u8("Dem Verb ein Sieb als Symbol zuordnen"), 0},
    {u8("Teig_Fleisch_VI.png"), u8("Teig_Fleisch_VI_G.png"), u8("Dem Verb einen Fleischteig als Symbol zuordnen"), 5},
    {u8("Stampfer_VI.png"), u8("Stampfer_VI_G.png"), u8("Dem Verb einen Stampfer als Symbol zuordnen"), 0},
    {u8("Puerierstab_VI.png"), u8("Puerierstab_VI_G.png"), u8("Dem Verb einen Pürierstab als Symbol zuordnen"), 0},
    {u8("Auflauf_VI.png"), u8("Auflauf_VI_G.png"), u8("Dem Verb einen Auflauf als Symbol zuordnen"), 6},
    {u8("Tortenboden_VI.png"), u8("Tortenboden_VI_G.png"), u8("Dem Verb einen Tortenboden als Symbol zuordnen"), 7},
    {u8("Obst_VI.png"), u8("Obst_VI_G.png"), u8("Dem Verb Obst als Symbol zuordnen"), 8},
    {u8("Creme_VI.png"), u8("Creme_VI_G.png"), u8("Dem Verb eine Creme als Symbol zuordnen"), 9},
    {u8("Fleisch_VI.png"), u8("Fleisch_VI_G.png"), u8("Dem Verb Fleisch als Symbol zuordnen"), 10},
    {u8("Gemuese_VI.png"), u8("Gemuese_VI_G.png"), u8("Dem Verb Gemüse als Symbol zuordnen"), 11},
    {u8("Salat_VI.png"), u8("Salat_VI_G.png"), u8("Dem Verb einen Salat als Symbol zuordnen"), 12},
    {u8("Dessert_VI.png"), u8("Dessert_VI_G.png"), u8("Dem Verb ein Dessert als Symbol zuordnen"), 13},
    {u8("Beilage_VI.png"), u8("Beilage_VI_G.png"), u8("Dem Verb eine Beilage als Symbol zuordnen"), 14},
    {u8("Fruechte_VI.png"), u8("Fruechte_VI_G.png"), u8("Dem Verb Früchte als Symbol zuordnen"), 15},
}};

namespace {
TTIAZwischenprodukt produkt(const char *name, bool stueck, qint32 symbol)
{
    return {QString::fromUtf8(name), stueck ? QStringLiteral("Stück") : QStringLiteral("Portion(en)"), symbol};
}
} // namespace

const std::array<TTIAZwischenprodukt, AnzahlZwischenprodukte> IAZwischenprodukte = {
    produkt("Den Mehlteig ...", true, 25),     produkt("Die Sauce ...", false, 26),
    produkt("Die Suppe ...", false, 27),       produkt("Den Braten ...", true, 28),
    produkt("Den Fleischteig ...", true, 30),  produkt("Den Auflauf ...", false, 33),
    produkt("Den Tortenboden ...", true, 34),  produkt("Das Obst ...", false, 35),
    produkt("Die Creme ...", false, 36),       produkt("Das Fleisch ...", true, 37),
    produkt("Das Gemüse ...", false, 38),      produkt("Den Salat ...", false, 39),
    produkt("Das Dessert ...", false, 40),     produkt("Die Beilage ...", false, 41),
    produkt("Die Früchte ...", false, 42),
};

QString Artikel_fuer_Produkt(const QString &anzeigename)
{
    static const struct {
        const char *name, *artikel;
    } artikel[] = {{"Sauce", "Die "},   {"Suppe", "Die "},   {"Creme", "Die "},   {"Beilage", "Die "},
                   {"Früchte", "Die "}, {"Teig", "Den "},    {"Braten", "Den "},  {"Auflauf", "Den "},
                   {"Tortenboden", "Den "}, {"Salat", "Den "}, {"Obst", "Das "}, {"Fleisch", "Das "},
                   {"Gemüse", "Das "},  {"Dessert", "Das "}};
    for (const auto &a : artikel)
        if (anzeigename == QString::fromUtf8(a.name))
            return QString::fromLatin1(a.artikel);
    return QString();
}

QString Vorheizpraefix(qint32 geraet)
{
    switch (geraet) {
    case 6: return QStringLiteral("Den Grill auf ");
    case 8: return QStringLiteral("Die Friteuse auf ");
    case 11: return QStringLiteral("Den Backofen auf ");
    case 12: return QStringLiteral("Das Wasserbad auf ");
    case 15: return QStringLiteral("Den Entsafter auf ");
    default: return QString();
    }
}

QString Exportgeraetename(qint32 geraet)
{
    // Position in Kochgeraetenamen of the caption that names each device.
    static const std::array<int, AnzahlGeraete> position = {-1, 4, -1, 16, 11, 1, 3, -1,
                                                            5,  10, 9, 2,  18, 13, 13, 8};
    if (geraet < 0 || geraet >= AnzahlGeraete || position[geraet] < 0)
        return QString();
    return Kochgeraetenamen[position[geraet]];
}

QString IAGrafik(const QString &name)
{
    return Programmverzeichnis + IAGrafikordner + name;
}

QString Verlaufsgrafik(qint32 geraet)
{
    if (geraet < 0 || geraet >= AnzahlGeraete)
        return QString();
    return IAGrafik(IAGeraete[geraet].Verlauf);
}

QString Zutatengruppengrafik(qint32 gruppe)
{
    if (gruppe < 0 || gruppe >= AnzahlZutatengruppen)
        return QString();
    return IAGrafik(Zutatengruppengrafiken[gruppe]);
}
