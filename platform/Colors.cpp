#include "platform/Colors.h"

namespace platform {

QColor fromTColor(quint32 tcolor)
{
    return QColor(int(tcolor & 0xFF), int((tcolor >> 8) & 0xFF), int((tcolor >> 16) & 0xFF));
}

quint32 toTColor(const QColor &color)
{
    return quint32(color.red()) | (quint32(color.green()) << 8) | (quint32(color.blue()) << 16);
}

} // namespace platform
