#include "interactive/IASchliessen.h"

#include "core/Dateioperationen.h"
#include "core/Globals.h"
#include "core/Meldung.h"
#include "interactive/IADatei.h"
#include "interactive/IAModell.h"

const QString IALetztesRezept = QStringLiteral("-Letztes Rezept-");

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
    if (r && r->Rezeptname != QStringLiteral("Tutorial")) {
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
