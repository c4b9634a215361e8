#include "interactive/IAExportdialog.h"

#include "core/Meldung.h"
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
    return platform::saveFileName(eltern, dialog.Titel, dialog.Ordner + dialog.Dateiname, IAExportfilter(dialog));
}

TIAExportergebnis Exportiere_zur_Tafelwerkstatt(QWidget *eltern)
{
    TTIAExportdialog dialog;
    if (!Bereite_IAExport_vor(dialog)) {
        Zeige_Meldung(QStringLiteral("Es gibt kein Rezept zum Exportieren."), QStringLiteral("Fehler:"), 0);
        return TIAExportergebnis::Fehler;
    }
    const QString gewaehlt = SDIA(eltern, dialog);
    if (gewaehlt.isEmpty())
        return TIAExportergebnis::Abgebrochen;
    // the dialog asked before replacing exactly this file
    const bool ersetzen = platform::fileExists(gewaehlt);
    return Exportiere_IARezept(gewaehlt, ersetzen) ? TIAExportergebnis::Geschrieben : TIAExportergebnis::Fehler;
}
