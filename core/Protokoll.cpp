#include "core/Protokoll.h"

#include <QDir>

TString Protokoll;

namespace {
TProtokollEmpfaenger g_empfaenger;
} // namespace

void Setze_Protokollempfaenger(TProtokollEmpfaenger empfaenger)
{
    g_empfaenger = std::move(empfaenger);
}

void Schreibe_Protokoll(quint8 art, const QString &text)
{
    QString zeile;
    switch (art) {
    case ProtokollOK:
        zeile = QStringLiteral("OK:      ");
        break;
    case ProtokollFehler:
        zeile = QStringLiteral("ERROR:   ");
        break;
    case ProtokollWarnung:
        zeile = QStringLiteral("WARNING: ");
        break;
    default:
        break;
    }
    // Paths are built from a typed or platform root and backslash parts;
    // the protocol shows each in the platform's one form.
    zeile += QDir::toNativeSeparators(QString(text).replace(QLatin1Char('\\'), QLatin1Char('/')));
    Protokoll.append(zeile);
    if (g_empfaenger)
        g_empfaenger(zeile);
}
