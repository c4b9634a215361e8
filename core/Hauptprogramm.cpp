#include "core/Hauptprogramm.h"

#include "core/Globals.h"
#include "platform/TextFile.h"

void TWS_Grundwerte()
{
    ProgrammOK = 1;
    platform::ignoreFileSizeSignal();
    GlobalSystemInit();
    GlobalVARInit();
    Setze_GlobalOptionen();
}
