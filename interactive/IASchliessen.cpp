#include "interactive/IASchliessen.h"

#include "core/Dateioperationen.h"
#include "core/Globals.h"
#include "core/Meldung.h"
#include "interactive/IADatei.h"
#include "interactive/IAModell.h"

const QString IALetztesRezept = QStringLiteral("-Letztes Rezept-");

namespace {

QStringList iaStand()
{
    QStringList s;
    if (const TTRezepteTotal *r = IARezept())
        for (const TTIAZutatenliste &z : r->IAZutaten) {
            s << z.Zutatname << z.WaageMenge << z.WaageEinheit << z.Menge << z.Einheit << z.Anzeigename << z.Grafik;
            for (qint32 n : {z.Kategorie, qint32(z.Gewuerz), z.Ort, z.DBIndex, z.Auswahl})
                s << QString::number(n);
            for (qint32 g : z.Geraete)
                s << QString::number(g);
        }
    for (const TTIARezepttext &t : std::as_const(IARezepttext))
        s << QString::number(t.Art) << t.Ziel << t.Einheit << t.Menge << t.Gewuerz << t.Satz;
    return s;
}

QStringList &gemerkterStand()
{
    static QStringList s;
    return s;
}

} // namespace

void Merke_IAStand()
{
    gemerkterStand() = iaStand();
}

bool Ist_IAStand_geaendert()
{
    return iaStand() != gemerkterStand();
}

bool Zwischenspeichern()
{
    if (Speichere_IARezept()) {
        Zeige_Meldung(QStringLiteral("Das Rezept wurde gespeichert!"), QStringLiteral("Hinweis:"), Knopf_OK);
        return true;
    }
    Zeige_Meldung(QStringLiteral("Das Rezept konnte nicht gespeichert werden!"), QStringLiteral("Fehler:"), Knopf_OK);
    return false;
}

bool Frage_IAKochen_beenden(bool nebenfensterOffen)
{
    if (nebenfensterOffen || TutorialSchritt != 0)
        return false;
    return Zeige_Meldung(QStringLiteral("Soll das Interaktive Kochen beendet werden?"), QStringLiteral("Frage:"),
                         Knoepfe_Ja_Nein)
        == Antwort_Ja;
}

bool Schliesse_IASitzung()
{
    bool ok = true;
    if (IAStatus.VerbenSpeichern == 1)
        ok = Lade_IAVerben(Save) == 0 && ok;
    if (IAStatus.VTotalSpeichern == 1)
        ok = Lade_IAVerbenTotal(Load | Save, IAVTotalliste) && ok;
    TutorialSchritt = 0;
    IAStatus.Bild.reset();
    TTRezepteTotal *r = IARezept();
    // A run in which nothing was cooked keeps the last recipe as it is.
    if (r && r->Rezeptname != QStringLiteral("Tutorial") && Ist_IAStand_geaendert()) {
        IADateiname = Erzeuge_IARezeptdateiname(QStringLiteral("Letztes Rezept")) + QStringLiteral(".IAK");
        r->Rezeptname = IALetztesRezept;
        ok = Speichere_IARezept() && ok;
    }
    Entferne_IAArbeitsrezept();
    // Changes made to the options in this run are kept before the file is read.
    if (Lade_Optionen(Save))
        Lade_Optionen(Load);
    else
        ok = false;
    return ok;
}

bool Entferne_IAArbeitsrezept()
{
    if (!IARezept())
        return false;
    RezepteTotal.removeAt(AktuellesRezept);
    AktuellesRezept = -1;
    return true;
}

TIAVerbreset Setze_IAVerben_zurueck()
{
    const QString sicherung = QStringLiteral("IAVariablenlisteBAK.hbr");
    const QString ordner = Programmverzeichnis + QStringLiteral("PRGDATA\\ENG\\");
    // Read first, so that a damaged backup never replaces the list.
    const TIAVERBEN jetzt = IAVERBEN;
    const bool lesbar = Lade_IAVerben(Load, sicherung) == 0;
    IAVERBEN = jetzt;
    if (!lesbar || !Kopiere_Datei(ordner + sicherung, ordner + QStringLiteral("IAVariablenliste.hbr")))
        return TIAVerbreset::Nicht_zurueckgesetzt;
    return Lade_IAVerben(Load) == 0 ? TIAVerbreset::Geladen : TIAVerbreset::Nicht_geladen;
}
