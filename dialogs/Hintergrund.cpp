#include "dialogs/Hintergrund.h"

#include "core/Globals.h"

QString Hintergrunddatei()
{
    const QString name = Hintergrundgrafik.isEmpty() ? QStringLiteral("Hintergrund.png") : Hintergrundgrafik;
    return Programmverzeichnis + QStringLiteral("Grafiken\\ENG\\PNG\\") + name;
}
