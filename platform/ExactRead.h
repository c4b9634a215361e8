#pragma once
// Reading a file whose exact name is known (from a folder listing): no path
// resolution, one open and one read for a file that does not grow meanwhile.
#include <QByteArray>
#include <QString>

namespace platform {

// native is a name as the operating system spells it (not a system path, see
// Paths.h). False when it is not a regular file or cannot be read; bytes are
// then unchanged.
bool readExactFile(const QString &native, QByteArray &bytes);

} // namespace platform
