#include "interactive/IATabellen.h"

#include "core/Tabellen.h"

const QString IAGrafikordner = QStringLiteral("Grafiken\\ENG\\PNG\\IAKOCHEN\\");
const QString IAWaageIcon = QStringLiteral("Waage_Icon.png");
const QString IAWaageBild = QStringLiteral("K_Kuechenwaage.png");

namespace {

TTIAGeraet geraet(const char *name, const char *stamm, const char *hinweis, bool zeit, bool grad,
                  const char *gruen = nullptr)
{
    const QString s = QString::fromLatin1(stamm);
    TTIAGeraet g;
    g.Name = QString::fromUtf8(name);
    g.Icon = s + QStringLiteral("_Icon.png");
    g.Kueche = QStringLiteral("K_") + s + QStringLiteral(".png");
    g.Verlauf = s + QStringLiteral("_Ic.png");
    g.Gruen = gruen ? QString::fromLatin1(gruen) : s + QStringLiteral("_Icong.png");
    g.Rot = s + QStringLiteral("_IconR.png");
    g.Hinweis = QString::fromUtf8(hinweis);
    g.Zeit = zeit;
    g.Grad = grad;
    return g;
}

TTIAVerbsymbol symbol(const char *stamm, const char *was, qint32 produkt = 0)
{
    const QString s = QString::fromLatin1(stamm);
    return {s + QStringLiteral("_VI.png"), s + QStringLiteral("_VI_G.png"),
            QStringLiteral("Dem Verb %1 als Symbol zuordnen").arg(QString::fromUtf8(was)), produkt};
}

} // namespace

const std::array<TTIAGeraet, AnzahlGeraete> IAGeraete = {
    geraet("Brettchen", "Brettchen", "Schneidebrett", false, false),
    geraet("Topf", "Topf", "Kochtopf", true, false),
    geraet("Schüssel", "Schuessel", "Schüssel", true, false),
    geraet("Pfanne", "Pfanne", "Pfanne", true, false),
    geraet("Auflaufform/Bräter", "Auflaufform", "Auflaufform", true, true, "Auflaufform_IconG.png"),
    geraet("Backform", "Backform", "Backform", true, true),
    geraet("Grill", "Grill", "Grill", true, true),
    geraet("Backblech", "Backblech", "Backblech", true, true),
    geraet("Fritteuse", "Fritteuse", "Friteuse", true, true),
    geraet("Mixer", "Mixer", "Mixer", true, false),
    geraet("Mikrowelle", "Mikrowelle", "Mikrowelle", true, false),
    geraet("Backofen", "Backofen", "Backofen", true, true),
    geraet("Wasserbad (Topf)", "Wasserbad", "Wasserbad", true, true),
    geraet("Kühlschrank", "Kuehlschrank", "Kühlschrank", true, false),
    geraet("Eisfach", "Eisfach", "Eisfach", true, false),
    geraet("Entsafter", "Entsafter", "Entsafter", true, true),
};

const std::array<TTIAVerbsymbol, AnzahlVerbsymbole> IAVerbsymbole = {
    symbol("Topf", "einen Topf"),
    symbol("Schuessel", "eine Schüssel"),
    symbol("Pfanne", "eine Pfanne"),
    symbol("Auflaufform", "eine Auflaufform"),
    symbol("Backform", "eine Backform"),
    symbol("Grill", "einen Grill"),
    symbol("Backblech", "ein Backblech"),
    symbol("Fritteuse", "eine Fritteuse"),
    symbol("Mixer", "einen Mixer"),
    symbol("Mikrowelle", "eine Mikrowelle"),
    symbol("Backofen", "einen Backofen"),
    symbol("Wasserbad", "ein Wasserbad"),
    symbol("Kuehlschrank", "einen Kühlschrank"),
    symbol("Eisfach", "ein Eisfach"),
    symbol("Entsafter", "einen Entsafter"),
    symbol("Holzkochloeffel", "einen Holzkochlöffel"),
    symbol("Kuechenmesser", "ein Küchenmesser"),
    symbol("Klopfer", "einen Fleischklopfer"),
    symbol("Teigrolle", "eine Teigrolle"),
    symbol("Haende", "die Hände"),
    symbol("Knethaken_Maschine", "die Knethaken der Küchenmaschine"),
    symbol("Ruehrbesen", "einen Rührbesen"),
    symbol("Ruehrhaken_Maschine", "die Rührhaken der Küchenmaschine"),
    symbol("Schaelmesser", "ein Schälmesser"),
    symbol("Entkerner", "einen Entkerner"),
    symbol("Teig_Mehl", "einen Mehlteig", 1),
    symbol("Sosse", "eine Sauce", 2),
    symbol("Suppe", "eine Suppe", 3),
    symbol("Braten", "einen Braten", 4),
    symbol("Sieb", "ein Sieb"),
    symbol("Teig_Fleisch", "einen Fleischteig", 5),
    symbol("Stampfer", "einen Stampfer"),
    symbol("Puerierstab", "einen Pürierstab"),
    symbol("Auflauf", "einen Auflauf", 6),
    symbol("Tortenboden", "einen Tortenboden", 7),
    symbol("Obst", "Obst", 8),
    symbol("Creme", "eine Creme", 9),
    symbol("Fleisch", "Fleisch", 10),
    symbol("Gemuese", "Gemüse", 11),
    symbol("Salat", "einen Salat", 12),
    symbol("Dessert", "ein Dessert", 13),
    symbol("Beilage", "eine Beilage", 14),
    symbol("Fruechte", "Früchte", 15),
};

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
