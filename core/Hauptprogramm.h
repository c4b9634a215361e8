#pragma once
// The first steps of the start, before any window exists.

// Program-OK flag, base folder (the current folder), defaults, option
// defaults. The rest of the start, which creates the windows, is in app/.
void TWS_Grundwerte();
