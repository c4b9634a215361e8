#pragma once
// The background picture that the recipe windows and the reference windows
// share.
#include <QString>

// Hintergrundgrafik, or the default picture while none is set.
QString Hintergrunddatei();
