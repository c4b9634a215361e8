#pragma once
// The graphics download: the server's list GRAPHICSS.HRB of pictures and
// other program files, its reader, and the install into the program folder.
// The window is F_GraDown.
//
// The list is a key-value file: "[TWS 2.X]", TWSGRAPHICSVERSION=, COUNT=,
// then COUNT lines "GRAPHIC=<flag>,<KB>,<path>": flag 0 skips a file that
// is there, any other number replaces it; the path is relative to the base
// folder (commas allowed). The server keeps every file in
// /TWS/ENG/GRAPHICS/ under the path's last part.
#include <QByteArray>
#include <QString>

#include "core/Globals.h"

struct TTGraphictype {
    QString Pfad; // emptied when the file is not to be loaded
    qint32 Ersetzen = 0;
    qint32 GroesseKB = 0;
};
using TGraphictype = QVector<TTGraphictype>;

// The entries of the open window.
extern TGraphictype Grafikdownloadliste;

// Reads anzahl file lines from the first "GRAPHIC=" line on (line 0 is the
// header). False, with no entries, for a list that holds fewer lines than
// anzahl or a line whose flag or size is not a number or that has no path.
bool Lies_Grafikliste(qint32 anzahl, const TString &zeilen, TGraphictype &eintraege);
// The same for a whole list file as it arrives: nothing for a wrong header.
TGraphictype Lies_Grafikliste_aus_Bytes(const QByteArray &bytes);

// Fetches the list, leaves out the files that are there and may stay, and
// returns the KB to load (0 when nothing is to be loaded, -1 after a
// failure that has been reported). Paths that would leave the base folder
// stop the run.
qint32 Hole_Grafikliste();

// Downloads every entry with a path, with the progress window; missing
// folders are created. Only when every file arrived is the list's version
// recorded in VERSION.HRB. True when every file arrived.
bool Installiere_Grafiken();
