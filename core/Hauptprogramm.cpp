#include "core/Hauptprogramm.h"

#include "core/Globals.h"

void TWS_Grundwerte()
{
    ProgrammOK = 1;
    GlobalSystemInit();
    GlobalVARInit();
    Setze_GlobalOptionen();
}
