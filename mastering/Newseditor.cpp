#include "mastering/Newseditor.h"

#include <QLocale>

#include "platform/Seams.h"

const QStringList Newsprodukte{QStringLiteral("*TWSTCW*"), QStringLiteral("*HFB*"), QStringLiteral("*RGK*"),
                               QStringLiteral("*PQ*")};
const QStringList Newstypen{QStringLiteral("*ALLE*"), QStringLiteral("*VOLL*"), QStringLiteral("*DEMO*")};
const QStringList Newssprachen{QStringLiteral("ENG"), QStringLiteral("GER")};

QString Newstag(const QStringList &tabelle, int auswahl)
{
    if (tabelle.isEmpty())
        return QString();
    return tabelle.value(auswahl >= 0 && auswahl < tabelle.size() ? auswahl : 0);
}

int Newstagindex(const QStringList &tabelle, const QString &tag)
{
    return int(tabelle.indexOf(tag));
}

QString Erzeuge_NewsID()
{
    QString id;
    for (int i = 0; i < 20; ++i)
        id += QChar(u'0' + qBound(0, platform::randomInt(10), 9));
    return id;
}

QString Newseditorzeile(const TTNewsInhalt &eintrag)
{
    return QLocale::system().toString(TWSToDateTime(eintrag.Datum).date(), QLocale::ShortFormat) + QStringLiteral(": ")
           + eintrag.Ziel + QLatin1Char(' ') + eintrag.Edition + QLatin1Char(' ') + eintrag.Sprache
           + QStringLiteral(" / ") + eintrag.Betreff;
}
