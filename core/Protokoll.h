#pragma once
// The protocol that the release steps, the start-up and the dictionary
// editor write to, and that the release window shows.
#include <QString>
#include <functional>

#include "core/Globals.h"

// Protocol kinds; any other kind writes the bare text.
constexpr quint8 ProtokollOK = 0;
constexpr quint8 ProtokollFehler = 1;
constexpr quint8 ProtokollWarnung = 2;

// The protocol lines, oldest first. The release window shows them and clears
// this list when an edition is chosen.
extern TString Protokoll;

// Called with every new line after it was appended (the release window's
// memo); empty = nobody listens.
using TProtokollEmpfaenger = std::function<void(const QString &zeile)>;
void Setze_Protokollempfaenger(TProtokollEmpfaenger empfaenger);

// One line: "OK:      ", "ERROR:   " or "WARNING: " (kind 0, 1, 2) + text,
// its separators written in the platform's one form ("/" here, "\" on
// Windows).
void Schreibe_Protokoll(quint8 art, const QString &text);
