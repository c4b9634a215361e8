#pragma once
// The kitchen's export command (Ctrl+E): the save dialog SDIA proposes the
// recipe file of the working recipe's category, and the chosen file is
// written as an ordinary recipe and entered into the recipe index.
#include <QString>

#include "interactive/IAExport.h"

class QWidget;

// The dialog's filter in the form the file dialog takes: "Cooking Recipes (*.KRP)".
QString IAExportfilter(const TTIAExportdialog &dialog);

// Shows the save dialog with the proposal; the chosen path, empty when the
// user cancelled. The dialog asks before an existing file is replaced.
QString SDIA(QWidget *eltern, const TTIAExportdialog &dialog);

enum class TIAExportergebnis { Geschrieben, Abgebrochen, Fehler };

// Runs the whole export: proposal, dialog, write. A failed write is reported
// (by the file routines, or here when there is nothing to export).
TIAExportergebnis Exportiere_zur_Tafelwerkstatt(QWidget *eltern);
