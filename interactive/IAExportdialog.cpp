#include "interactive/IAExportdialog.h"

#include "core/Meldung.h"
#include "dialogs/Fensterlage.h"
#include "interactive/IAModell.h"
#include "platform/CodePage.h"
#include "platform/Paths.h"
#include "platform/Seams.h"

QString IAExportfilter(const TTIAExportdialog &dialog)
{
    const qsizetype strich = dialog.Filter.indexOf(QLatin1Char('|'));
    if (strich < 0)
        return dialog.Filter;
    return dialog.Filter.left(strich) + QStringLiteral(" (") + dialog.Filter.mid(strich + 1) + QLatin1Char(')');
}

QString SDIA(QWidget *eltern, const TTIAExportdialog &dialog)
{
    // In front of the whole verb list, which stays on top.
    const Dialog_vorne vorne;
    return platform::saveFileName(eltern, dialog.Titel, dialog.Ordner + dialog.Dateiname, IAExportfilter(dialog));
}

TIAExportergebnis Exportiere_zur_Tafelwerkstatt(QWidget *eltern)
{
    TTIAExportdialog dialog;
    if (!Bereite_IAExport_vor(dialog)) {
        Zeige_Meldung(QStringLiteral("Es gibt kein Rezept zum Exportieren."), QStringLiteral("Fehler:"), Knopf_OK);
        return TIAExportergebnis::Fehler;
    }
    const QString gewaehlt = SDIA(eltern, dialog);
    if (gewaehlt.isEmpty())
        return TIAExportergebnis::Abgebrochen;
    // The dialog asked before replacing the file it returned; a file that
    // the appended extension names is asked about here.
    const QString endung = platform::upperCase(IARezept()->Dateiendung);
    const QString ziel = platform::upperCase(gewaehlt.right(4)) == endung ? gewaehlt : gewaehlt + endung;
    bool ersetzen = ziel == gewaehlt && platform::fileExists(ziel);
    if (ziel != gewaehlt && platform::fileExists(ziel)) {
        if (Zeige_Meldung(QStringLiteral("Die Datei existiert bereits! Überschreiben?"), QStringLiteral("Frage:"), Knoepfe_Ja_Nein) != Antwort_Ja)
            return TIAExportergebnis::Abgebrochen;
        ersetzen = true;
    }
    return Exportiere_IARezept(ziel, ersetzen) ? TIAExportergebnis::Geschrieben : TIAExportergebnis::Fehler;
}
