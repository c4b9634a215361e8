#include "platform/PathNames.h"

#include <QDir>
#include <QFileInfo>

#include "platform/CodePage.h"
#include "platform/Paths.h"

namespace platform {

QString comparablePath(const QString &path)
{
    QString p = path;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return upperCase(QDir::cleanPath(p));
}

bool samePath(const QString &a, const QString &b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
    if (comparablePath(a) == comparablePath(b))
        return true;
    const QString na = nativePath(a);
    const QString nb = nativePath(b);
    if (na.isEmpty() || nb.isEmpty())
        return false;
    const QFileInfo fa(na), fb(nb);
    return fa.exists() && fb.exists() && fa.canonicalFilePath() == fb.canonicalFilePath();
}

} // namespace platform
