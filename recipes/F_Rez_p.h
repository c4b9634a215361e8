#pragma once
// Helpers that the recipe editor's sources and the recipe save
// (Rezeptspeicher) share; other windows use the routines of F_Rez.h.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include "core/Globals.h"
#include "reference/Einkaufsliste.h"

class QPlainTextEdit;
class QTextDocument;
class QTextEdit;

namespace rezeditor {

extern const QString Dateikopf20;

bool Gueltiger_Satz(qint32 index);
TTRezepteTotal *Aktuelles();
// The record the editor's fields were filled from; null for none.
TTRezepteTotal *Formularsatz();
TTZutatenliste *Zeile_mit_Index(TTRezepteTotal &r, int index);
void Zeige_Zeilenbeschriftung();
QStringList Ohne_Leerzeilen_am_Ende(QStringList zeilen);
QStringList Dokumentzeilen(const QTextDocument *doc);
QStringList Memozeilen(const QPlainTextEdit *memo);
QByteArray In_Codepage(const QStringList &zeilen);
void Lade_Text(QTextEdit *feld, const QString &pfad, const TString &zeilen);
qint32 Zutatengruppe(const QString &name);
TTDeluxeliste Deluxe_aus_Zutaten(const TTRezepteTotal &r);
bool Hat_Deluxezeilen(const TTDeluxeliste &d);
QString Kochgeraeteliste(const QString &text);
bool Gleiche_Datei(const QString &a, const QString &b);
bool Datei_vergeben(const QString &datei, qint32 ausser);
bool Seitendatei_vergeben(const QString &pfad, qint32 ausser);
bool Schritt(int schritt);

} // namespace rezeditor
