#include "interactive/IATutorial.h"

#include <algorithm>

#include "interactive/IAModell.h"
#include "interactive/IASchliessen.h"

namespace {

std::array<bool, 17> nurGeraet(int symbol)
{
    std::array<bool, 17> g{};
    g[symbol] = true;
    return g;
}

std::array<bool, 17> alle(bool wert)
{
    std::array<bool, 17> g;
    g.fill(wert);
    return g;
}

constexpr std::array<bool, 5> alleSymbole{true, true, true, true, true};
constexpr std::array<bool, 5> ohneVariable{true, true, true, false, true};
constexpr std::array<bool, 5> ohneGewuerz{true, false, true, true, true};

} // namespace

TTIATutorialschritt Richte_Tutorialschritt_ein()
{
    TTIATutorialschritt s;
    s.Seite = TutorialSchritt;
    switch (TutorialSchritt) {
    case 1:
        s.Geraete = nurGeraet(0);
        s.Symbole = ohneVariable;
        s.P0 = true;
        IAStatus.Panel = 0;
        IAStatus.Geraet = 16;
        s.P3 = true;
        break;
    case 2:
        s.Geraete[1] = s.Geraete[3] = true;
        s.Symbole = ohneGewuerz;
        s.Bedienung = true;
        IAStatus.Geraet = 0;
        IAStatus.Panel = 0;
        s.P0 = s.P2 = true;
        break;
    case 3:
        s.Geraete = alle(true);
        s.Geraete[0] = false;
        s.Symbole = ohneVariable;
        s.Bedienung = true;
        IAStatus.Panel = 1;
        s.P0 = s.P2 = true;
        break;
    case 4:
    case 5:
    case 6:
        s.Geraete = TutorialSchritt == 4 ? alle(true) : nurGeraet(TutorialSchritt == 5 ? 12 : 3);
        s.Symbole = alleSymbole;
        s.Bedienung = true;
        IAStatus.Panel = 2;
        IAStatus.AlleVerben = 0;
        if (TutorialSchritt == 6)
            IAStatus.Geraet = 2;
        s.P1 = s.P2 = true;
        s.Weiter = TutorialSchritt != 5;
        if (TutorialSchritt != 5)
            ++TutorialSchritt;
        break;
    default:
        s.Ende = true;
        s.Seite = 0;
        break;
    }
    return s;
}

bool Pruefe_Tutorialschritt()
{
    const TTAIAZutatenliste &z = IAZutaten();
    bool bestanden = false;
    switch (TutorialSchritt) {
    case 1:
        bestanden = Waage_ist_leer()
            && std::all_of(z.cbegin(), z.cend(), [](const TTIAZutatenliste &i) { return !i.Einheit.isEmpty(); });
        break;
    case 2: {
        const auto inKueche = std::count_if(z.cbegin(), z.cend(),
                                            [](const TTIAZutatenliste &i) { return i.Ort == 1 && i.Gewuerz == 0; });
        bestanden = 3 - inKueche - (IARezepttext.isEmpty() ? 0 : 1) <= 0;
        break;
    }
    case 3:
        bestanden = std::any_of(IARezepttext.cbegin(), IARezepttext.cend(),
                                [](const TTIARezepttext &l) { return l.Art != 0; });
        break;
    case 5:
        bestanden = IAStatus.Temperatur > 50 || IAStatus.Zeit > 0;
        break;
    default:
        break;
    }
    if (bestanden)
        ++TutorialSchritt;
    return bestanden;
}

void Beende_Tutorial()
{
    TutorialSchritt = 0;
    IAStatus.Bild.reset();
    Entferne_IAArbeitsrezept();
}
