#include "testing/Masterbaum.h"

#include <QDir>
#include <QImage>

#include "core/Globals.h"
#include "core/Tabellen.h"

namespace testing {

namespace {
QString surfaceList(const QList<int> &surfaces)
{
    QString s;
    for (int n : surfaces)
        s += QString::number(n) + QLatin1Char(',');
    return s;
}
} // namespace

MasterTree::MasterTree(BaseFolder &base) : m_base(base)
{
    for (const char *folder : {"Master/Masterdaten/PRGDATA/ENG", "Master/Masterdaten/Anleitung",
                               "Master/Masterdaten/FTP_KEYS/READY", "PRGDATA/ENG", "GFXZUTAT/ENG"})
        QDir().mkpath(m_base.root() + QLatin1String(folder));
    writeIngredients(QStringLiteral("Lebensmittel.hbr"), shippedIngredients());
    writeIngredients(QStringLiteral("Lebensmittel_ALL.hbr"), allIngredients());
    writeIngredients(QStringLiteral("LM_Share.hbr"), allIngredients());
    // The program's own database, which the tools replace by master copies.
    m_base.writeLines(local(QStringLiteral("Lebensmittel.hbr")), ingredientLines(shippedIngredients()));
    writeVerbs(QStringLiteral("IAVariablenliste.hbr"), verbs());
    writeVerbs(QStringLiteral("IAVariablenlisteBAK.hbr"), verbs());
    writeWholeList(QStringLiteral("IAVTotal.hbr"), wholeVerbList());
    writeWholeList(QStringLiteral("IAVTotal_neu.hbr"), wholeVerbList());
    m_base.writeLines(master(QStringLiteral("nenoitpo.kop")), {QStringLiteral("[TAFELWERKSTATTOPTIONEN 2.0]")});
    m_base.writeLines(master(QStringLiteral("RICNEU.hbr")), {QStringLiteral("[RICDATA 2.00]"), QStringLiteral("0")});
    m_base.writeLines(master(QStringLiteral("RICWerteNEU.hbr")), {QStringLiteral("[RICWERTE 2.00]"), QStringLiteral("0")});
    m_base.writeLines(QStringLiteral("Master/Masterdaten/Anleitung/history.txt"), {QStringLiteral("Release notes")});
    for (const char *key : {"Pfirsich__.png", "Sossenbinder__.png"})
        writePicture(QStringLiteral("Master/Masterdaten/FTP_KEYS/READY/") + QLatin1String(key));
}

QString MasterTree::root() const
{
    return Programmverzeichnis + QStringLiteral("Master\\");
}

QString MasterTree::master(const QString &name)
{
    return QStringLiteral("Master/Masterdaten/PRGDATA/ENG/") + name;
}

QString MasterTree::local(const QString &name)
{
    return QStringLiteral("PRGDATA/ENG/") + name;
}

QList<MasterIngredient> MasterTree::shippedIngredients()
{
    return {
        {QStringLiteral("Butter"), 5, 1, QStringLiteral("Butter.png")},
        {QStringLiteral("Ketchup (%1)").arg(Markennamen[1]), 10, 1,
         QStringLiteral("\\%1\\Ketchup_(%1).png").arg(Markennamen[1])},
        {QStringLiteral("Kochtopf"), 18, 4, QStringLiteral("Kochtopf.png")},
    };
}

QList<MasterIngredient> MasterTree::allIngredients()
{
    return {
        {QStringLiteral("Anis"), 7, 0, QStringLiteral("Anis.png")},
        {QStringLiteral("Butter"), 5, 1, QStringLiteral("Butter.png")},
        {QStringLiteral("Zwei"), 16, 2, QStringLiteral("Zwei.png")},
        {QStringLiteral("Drei"), 16, 3, QStringLiteral("Drei.png")},
        {QStringLiteral("Kochtopf"), 18, 4, QStringLiteral("Kochtopf.png")},
    };
}

QList<MasterVerb> MasterTree::verbs()
{
    return {
        {QStringLiteral("Backe ... bei GGG Grad"), 7, {2, 5}, 3},
        {QStringLiteral("Rühre ... um"), 1, {0}, 9},
        {QStringLiteral("Koche ... für ZZZ Minuten"), 12, {0, 1}, 0},
    };
}

QStringList MasterTree::wholeVerbList()
{
    return {QStringLiteral("Backe ... bei GGG Grad"), QStringLiteral("Rühre ... um"),
            QStringLiteral("Koche ... für ZZZ Minuten"), QStringLiteral("Schneide ... in Würfel"),
            QStringLiteral("Gieße Tomatensoße über ...")};
}

QStringList MasterTree::ingredientLines(const QList<MasterIngredient> &list)
{
    QStringList z{QStringLiteral("[TAFELWERKSTATT 2.00]"), QString::number(list.size())};
    for (const MasterIngredient &r : list) {
        z << r.name << (r.recipeName.isEmpty() ? r.name : r.recipeName)
          << (r.searchName.isEmpty() ? r.name : r.searchName) << QString::number(r.category)
          << QString::number(r.status);
        QStringList s(12);
        s[1] = r.picture;
        z << s;
    }
    z << QStringLiteral("[EOF]");
    return z;
}

QStringList MasterTree::verbLines(const QList<MasterVerb> &list, const QString &header)
{
    QStringList z{header, QString::number(list.size())};
    for (const MasterVerb &v : list)
        z << v.text << QString::number(v.icon) << surfaceList(v.surfaces) << surfaceList(v.surfaces)
          << QStringLiteral("0") << QString::number(v.counter) << QString() << QString();
    return z;
}

QStringList MasterTree::wholeListLines(const QStringList &texts)
{
    return QStringList{QStringLiteral("[IAVTOTAL 2.00]"), QString::number(texts.size())} + texts;
}

void MasterTree::writeIngredients(const QString &name, const QList<MasterIngredient> &list)
{
    m_base.writeLines(master(name), ingredientLines(list));
    for (const MasterIngredient &r : list)
        if (r.pictureFile && !r.picture.isEmpty())
            writePicture(QStringLiteral("GFXZUTAT/ENG/") + QString(r.picture).replace(QLatin1Char('\\'), QLatin1Char('/')));
}

void MasterTree::writeVerbs(const QString &name, const QList<MasterVerb> &list)
{
    m_base.writeLines(master(name), verbLines(list));
}

void MasterTree::writeWholeList(const QString &name, const QStringList &texts)
{
    m_base.writeLines(master(name), wholeListLines(texts));
}

void MasterTree::writePicture(const QString &relative)
{
    const QString path = m_base.root() + relative;
    QDir().mkpath(path.section(QLatin1Char('/'), 0, -2));
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::darkYellow);
    QVERIFY(image.save(path, "PNG"));
}

QStringList MasterTree::masterLines(const QString &name) const
{
    return m_base.readLines(master(name));
}

} // namespace testing
