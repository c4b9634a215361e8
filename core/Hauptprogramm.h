#pragma once
// The first steps of the start, before any window exists.

// Program-OK flag, base folder (the current folder), defaults, option
// defaults; a write over the file-size limit fails instead of ending the
// program. The rest of the start, which creates the windows, is in app/.
void TWS_Grundwerte();
