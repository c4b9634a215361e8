#pragma once
// Colours are stored as TColor values $00BBGGRR.
#include <QColor>

namespace platform {

QColor fromTColor(quint32 tcolor);
quint32 toTColor(const QColor &color);

} // namespace platform
