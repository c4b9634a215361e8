#pragma once
// Key-value files (VERSION.HRB, VERSIONS.HRB, RECIPESS.HRB, GRAPHICSS.HRB,
// INTERNET.HRB): the header "[TWS 2.X]", then "KEY=value" lines, comment
// lines beginning with ";". In memory a file is its list of lines, element 0
// the header; every get and set scans from the start, the first match wins.
// Keys are case-sensitive and stand at the very start of a line.
#include <QString>

#include "core/Globals.h"

// 0 loaded; -1 no such file (array empty); -2 header wrong (message shown,
// the array holds line 1 only).
qint32 LoadValueFile(const QString &datei, TString &werte);

// Rewrites an existing file: line 0 becomes the header, comment and key lines
// stay, other lines are emptied; empty lines are not written. 0 written;
// -1 no such file (nothing written; the save never creates one); -2 the write
// failed (message shown, the old file stays as it was).
qint32 SaveValueFile(const QString &datei, TString &werte);

// The value after "key="; 0 when the key is missing or its value is not an
// integer.
qint32 GetValueInt(const QString &schluessel, const TString &werte);
// The value after "key=", unchanged; empty when the key is missing.
void GetValueStr(const QString &schluessel, const TString &werte, QString &text);
QString GetValueStr(const QString &schluessel, const TString &werte);

// Replace the first "key=" line, or append one. Only the array changes; the
// caller saves. Always 0.
qint32 SetValueStr(const QString &schluessel, const QString &text, TString &werte);
qint32 SetValueInt(const QString &schluessel, qint32 zahl, TString &werte);
