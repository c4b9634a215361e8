#pragma once
// The dictionary file and its entries for the dictionary tests.
#include "core/Globals.h"

namespace {

const QString Datei = QStringLiteral("PRGDATA\\ENG\\LEXIKON\\Lexikon.hbd");

[[maybe_unused]] QStringList Eintrag(int gruppe, const QString &begriff, const QStringList &text = {},
                                     const QStringList &divers = {}, const QString &grafik = QString())
{
    return QStringList{"{GRUPPENART}", QString::number(gruppe), "{GRAFIKFILENAME}", grafik, "{GRUPPE}", begriff, "{TEXT}"}
           + text + QStringList{"{DIVERS}"} + divers + QStringList{"{END}"};
}

[[maybe_unused]] QStringList Begriffe()
{
    QStringList out;
    for (const TTLexikon &e : std::as_const(GlobalLexikon))
        out << e.Begriff;
    return out;
}

} // namespace
