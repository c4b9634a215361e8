#include "core/Meldung.h"

#include "platform/Seams.h"

namespace {

TMeldungsfenster &meldungsfenster()
{
    static TMeldungsfenster f;
    return f;
}

} // namespace

void Setze_Meldungsfenster(TMeldungsfenster fenster)
{
    meldungsfenster() = std::move(fenster);
}

int Zeige_Meldung(const QString &text, const QString &heading, int buttons)
{
    if (const auto &answerer = platform::messageAnswerer())
        return answerer(text, heading, buttons);
    if (const auto &fenster = meldungsfenster())
        return fenster(text, heading, buttons);
    return buttons == Knoepfe_Ja_Nein ? Antwort_Nein : Antwort_OK;
}
