#pragma once
// A kitchen to test with: one working recipe, the hand and page globals at
// their start values, and a small ingredient database on disk.
#include "core/CoreFixtures.h"
#include "core/Dateioperationen.h"
#include "core/Globals.h"
#include "core/Grundoperationen.h"
#include "interactive/IATabellen.h"

#include <QListWidget>

#include "reference/Zutatenliste.h"

namespace kueche {
using namespace corefixtures;

inline TTIAZutatenliste zutat(const QString &name, int ort, int gewuerz = 0, const QString &menge = {},
                              const QString &einheit = {})
{
    TTIAZutatenliste z;
    z.Zutatname = name;
    z.Anzeigename = name;
    z.Ort = ort;
    z.Gewuerz = quint8(gewuerz);
    z.Menge = menge;
    z.Einheit = einheit;
    return z;
}

inline TTIAVERBEN verb(const QString &text, int typ, std::initializer_list<int> geraete)
{
    TTIAVERBEN v;
    v.Text = text;
    v.Typ = typ;
    for (int g : geraete)
        v.Geraete[g] = 1;
    return v;
}

// A unit offered to these ingredient groups, with its quantity table.
inline TTEinheit einheit(const QString &name, std::initializer_list<int> gruppen, const QStringList &mengen)
{
    TTEinheit e;
    e.Schluessel = u'[' + name + u']';
    e.Name = name;
    for (int g : gruppen)
        e.Zuordnung[g] = 1;
    e.Mengentabelle = mengen;
    return e;
}

// Units of category 0; the other categories have none.
inline void kategorieNull(const TTAEinheit &einheiten)
{
    VariablenTotal = TVariablenTotal(1);
    VariablenTotal[0].Kategorien[0] = einheiten;
}

// The working recipe "Testrezept" (category 0) with these items.
inline void neueKueche(const TTAIAZutatenliste &zutaten = {})
{
    GlobalVARInit();
    Setze_GlobalOptionen();
    RezepteTotal = TRezepteTotal(1);
    AktuellesRezept = 0;
    RezepteTotal[0].Rezeptname = u"Testrezept"_s;
    RezepteTotal[0].Kategorie = 0;
    RezepteTotal[0].IAZutaten = zutaten;
    IARezepttext.clear();
    IAVERBEN.clear();
    IAHandZutat = IAVerbInHand = IAWaageZutat = IAPopupZutat = -1;
    IARegalZaehler = IAZutatenregalOffset = IAGewuerzregalOffset = IAGeraeteOffset = IAVerbOffset = 0;
    IAStatus.Geraet = 1;
}

// Kartoffeln, Zwiebel, Salz (active), Basilikum (inactive), and the sauce
// product as the installation ships it (recipe text "Die Sauce", hidden).
inline void schreibeDatenbank(testing::BaseFolder &base)
{
    base.writeLines(u"PRGDATA\\ENG\\Lebensmittel.hbr"_s,
                    zeilen("[TAFELWERKSTATT 2.00]|5") + zutatenRecord(u"Kartoffeln"_s, 2, 1)
                        + zutatenRecord(u"Zwiebel"_s, 2, 1) + zutatenRecord(u"Salz"_s, 8, 1)
                        + zutatenRecord(u"Basilikum"_s, 7, 0)
                        + zeilen("Die Sauce ...|Die Sauce|Die Sauce ...|9|4") + QStringList(12) + zeilen("[EOF]"));
}

inline QStringList zeilenVon(const QListWidget *l)
{
    QStringList z;
    for (int i = 0; i < l->count(); ++i)
        z << l->item(i)->text();
    return z;
}

inline QStringList zeilenVon(const TZutatenliste *l)
{
    QStringList z;
    for (int i = 0; i < l->count(); ++i)
        z << l->Text(i);
    return z;
}

// Text, icon and allowed devices of each verb in the verb list file.
inline QStringList verbdatei(testing::BaseFolder &base)
{
    const QStringList z = base.readLines(u"PRGDATA\\ENG\\IAVariablenliste.hbr"_s);
    QStringList verben;
    for (qsizetype i = 2; i + 7 < z.size(); i += 8)
        verben << z[i] + u'|' + z[i + 1] + u'|' + z[i + 2];
    return verben;
}

// The verb icon that makes the sauce.
inline qint32 saucensymbol()
{
    for (qint32 s = 0; s < AnzahlVerbsymbole; ++s)
        if (IAVerbsymbole[s].Produkt > 0 && IAZwischenprodukte[IAVerbsymbole[s].Produkt - 1].Zutatname == u"Die Sauce ..."_s)
            return s;
    return -1;
}

} // namespace kueche
