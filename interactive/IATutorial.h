#pragma once
// The guided tour: the interactive recipe "Tutorial" in seven steps. Each step
// shows some devices, icons and panels and asks for one action; the pointer
// movements over the kitchen run the test of the current step, and a pass
// lets the user go on with "Weiter".
#include <array>

#include "core/Globals.h"

// What a step shows; the window applies it, draws the kitchen and the left
// panel, and shows the page.
struct TTIATutorialschritt {
    std::array<bool, 17> Geraete{};  // IC0 (the scale) .. IC16
    std::array<bool, 5> Symbole{};   // IZPfeilOben, IGewuerz, IZutat, IVariable, IZPfeilUnten
    bool Bedienung = false;          // every kitchen control, or none
    bool P0 = false, P1 = false, P2 = false, P3 = false;
    qint32 Seite = 0;                // tutorial page 1..6
    bool Weiter = false;             // "Weiter" enabled from the start
    bool Ende = false;               // step 7: the tutorial ends instead
};

// Sets up step TutorialSchritt (1..7): the kitchen state changed as the step
// needs it; steps without a test (4 and 6) move the counter on at once.
TTIATutorialschritt Richte_Tutorialschritt_ein();

// The test of the current step; on a pass the counter moves on and the
// answer is true. Steps without a test never pass here.
bool Pruefe_Tutorialschritt();

// The end of the tour: counter 0, the picture object freed, the working
// recipe dropped. Nothing is saved.
void Beende_Tutorial();
