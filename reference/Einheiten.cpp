#include "reference/Einheiten.h"

#include <algorithm>

#include "core/Tabellen.h"
#include "platform/CodePage.h"

const QString MengeNichtAngegeben = QStringLiteral("not stated");
const QString MengeKeineAngabe = QStringLiteral("k.A.");

QVector<int> Einheitenbereich(bool alleKategorien, int kategorie)
{
    QVector<int> bereich;
    if (alleKategorien) {
        for (int k = 0; k < AnzahlKategorien; ++k)
            bereich << k;
    } else if (kategorie >= 0 && kategorie < AnzahlKategorien) {
        bereich << kategorie;
    }
    return bereich;
}

TTEinheit *Einheit_nach_Name(TTAEinheit &liste, const QString &name)
{
    if (name.isEmpty())
        return nullptr;
    for (TTEinheit &e : liste)
        if (e.Name == name)
            return &e;
    return nullptr;
}

TTEinheit *Einheit_nach_Schluessel(TTAEinheit &liste, const QString &einheit)
{
    const QString schluessel = platform::upperCase(QLatin1Char('[') + einheit + QLatin1Char(']'));
    for (TTEinheit &e : liste)
        if (platform::upperCase(e.Schluessel) == schluessel)
            return &e;
    return nullptr;
}

void Biete_Einheit_an(TTVariablenTotal &v, const QVector<int> &bereich, const QString &einheit, bool angeboten)
{
    for (int k : bereich) {
        TTAEinheit &liste = v.Kategorien[k];
        if (!angeboten) {
            if (TTEinheit *e = Einheit_nach_Name(liste, einheit))
                e->Name.clear();
            continue;
        }
        if (TTEinheit *e = Einheit_nach_Schluessel(liste, einheit)) {
            e->Name = einheit;
            if (e->Mengentabelle.isEmpty())
                e->Mengentabelle = {MengeNichtAngegeben, QStringLiteral("1")};
            continue;
        }
        TTEinheit neu;
        neu.Schluessel = platform::upperCase(QLatin1Char('[') + einheit + QLatin1Char(']'));
        neu.Name = einheit;
        neu.Mengentabelle = {MengeNichtAngegeben, QStringLiteral("1")};
        liste.append(neu);
    }
}

void Ordne_Gruppe_zu(TTVariablenTotal &v, const QVector<int> &bereich, const QString &einheit, int gruppe,
                     bool zugeordnet)
{
    if (gruppe < 0 || gruppe >= AnzahlZutatengruppen)
        return;
    for (int k : bereich) {
        TTEinheit *e = Einheit_nach_Schluessel(v.Kategorien[k], einheit);
        if (!e)
            continue;
        e->Zuordnung[gruppe] = zugeordnet ? 1 : 0;
        if (zugeordnet && e->Mengentabelle.isEmpty())
            e->Mengentabelle = {MengeKeineAngabe, QStringLiteral("1")};
    }
}

void Setze_Einkauf(TTVariablenTotal &v, const QVector<int> &bereich, const QString &einheit, quint8 nichtEinkaufen)
{
    for (int k : bereich)
        if (TTEinheit *e = Einheit_nach_Name(v.Kategorien[k], einheit))
            e->NichtEinkaufen = nichtEinkaufen;
}

bool Mengen_loeschbar(int zeilen, int markiert)
{
    return markiert >= 1 && zeilen - markiert >= 2;
}

void Loesche_Mengen(TTEinheit &einheit, const QVector<int> &markiert)
{
    TString rest;
    for (int i = 0; i < einheit.Mengentabelle.size(); ++i)
        if (i == 0 || !markiert.contains(i))
            rest << einheit.Mengentabelle[i];
    einheit.Mengentabelle = rest;
}

QList<TEinheitenmeldung> Pruefe_Einheiten(const TTVariablenTotal &v)
{
    QList<TEinheitenmeldung> meldungen;
    for (int k = 0; k < AnzahlKategorien; ++k)
        for (const TTEinheit &e : v.Kategorien[k])
            if (!e.Name.isEmpty() && e.Mengentabelle.size() < 2)
                meldungen.append({QStringLiteral("There is no input for the unit (quantity schedule): ") + e.Name,
                                  QStringLiteral("Category: ") + Kategoriebezeichnungen[k]});
    if (!meldungen.isEmpty())
        return meldungen;
    for (int k = 0; k < AnzahlKategorien; ++k) {
        std::array<int, AnzahlZutatengruppen> anzahl{};
        for (const TTEinheit &e : v.Kategorien[k])
            if (!e.Name.isEmpty())
                for (int g = 0; g < AnzahlZutatengruppen; ++g)
                    anzahl[g] += e.Zuordnung[g] ? 1 : 0;
        for (int g = 0; g < AnzahlZutatengruppen; ++g)
            if (anzahl[g] == 0)
                meldungen.append({QStringLiteral("Missing one or more assignments of the unit: \"") + Zutatengruppen[g]
                                      + QStringLiteral("\" has no unit!"),
                                  QStringLiteral("Category: ") + Kategoriebezeichnungen[k]});
    }
    return meldungen;
}
