#include "testing/Masterbaum.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
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

QList<MasterIngredient> MasterTree::editionIngredients()
{
    return {
        {QStringLiteral("Apfel"), 1, 1, QStringLiteral("Apfel.png")},
        {QStringLiteral("Brot"), 0, 1, QStringLiteral("Brot.png")},
        {QStringLiteral("Ohne Gruppe"), -1, 1, QStringLiteral("Ohne_Gruppe.png")},
        {QStringLiteral("Milch"), 2, 1, QStringLiteral("Milch.png")},
        {QStringLiteral("Ketchup (%1)").arg(Markennamen[1]), 10, 1,
         QStringLiteral("\\%1\\Ketchup_(%1).png").arg(Markennamen[1])},
        {QStringLiteral("Kochtopf"), 18, 4, QStringLiteral("Kochtopf.png")},
    };
}

void MasterTree::writeEditionSources()
{
    const QString installation = QStringLiteral(TW_INSTALLATION_DIR) + QLatin1Char('/');
    auto copyInstalled = [&](const QString &from, const QString &to) {
        QDir().mkpath(QFileInfo(m_base.root() + to).absolutePath());
        QFile::remove(m_base.root() + to);
        QVERIFY2(QFile::copy(installation + from, m_base.root() + to), qPrintable(from));
    };
    writeIngredients(QStringLiteral("Lebensmittel.hbr"), editionIngredients());
    copyInstalled(QStringLiteral("PRGDATA/ENG/Variablen200.hbr"), master(QStringLiteral("Variablen200.hbr")));
    const QString d = QStringLiteral("Master/Masterdaten/PRGDATA/ENG/");
    copyInstalled(QStringLiteral("PRGDATA/ENG/VERSION.HRB"), d + QStringLiteral("Version.hrb"));
    m_base.writeLines(d + QStringLiteral("RMListe.hbr"), {QStringLiteral("[RMLISTE 2.00]"), QStringLiteral("0")});
    m_base.writeLines(local(QStringLiteral("RMListe.hbr")), {QStringLiteral("[RMLISTE 2.00]"), QStringLiteral("0")});
    m_base.writeLines(d + QStringLiteral("Kommentare.hbr"), {QStringLiteral("[KOMMENTARE 2.00]"), QStringLiteral("0")});
    m_base.writeLines(d + QStringLiteral("Anleitung.hbr"), {QStringLiteral("Help")});
    m_base.writeLines(d + QStringLiteral("IAKOCHEN/Kueche.hbr"), {QStringLiteral("Kitchen")});
    m_base.writeLines(d + QStringLiteral("Reigenkost/Diaet.hbr"), {QStringLiteral("Diet")});
    m_base.writeLines(d + QStringLiteral("FIRSTTIPP/Tipp1.hbr"), {QStringLiteral("Tip")});
    m_base.writeLines(d + QStringLiteral("LEXIKON/Anleitung.hbr"), {QStringLiteral("Dictionary help")});
    auto entry = [](int group, const QString &term, const QString &picture) {
        return QStringList{QStringLiteral("{GRUPPENART}"), QString::number(group), QStringLiteral("{GRAFIKFILENAME}"),
                           picture, QStringLiteral("{GRUPPE}"), term, QStringLiteral("{TEXT}"), term,
                           QStringLiteral("{DIVERS}"), QStringLiteral("{END}")};
    };
    m_base.writeLines(d + QStringLiteral("LEXIKON/Lexikon.hbd"),
                      QStringList{QStringLiteral("[TAFELWERKSTATT LEXIKON]"), QStringLiteral("380000"),
                                  QStringLiteral("Das kleine Herdfibel 5.00"), QStringLiteral("3"),
                                  QStringLiteral("Kochbegriffe"), QStringLiteral("Obst und Gemüse"),
                                  QStringLiteral("Küchengeräte"), QStringLiteral(";; Zeilen")}
                          + entry(0, QStringLiteral("Abbrühen"), QStringLiteral("Abbrühen.PNG"))
                          + entry(2, QStringLiteral("Messbecher"), QStringLiteral("Messbecher.PNG"))
                          + entry(1, QStringLiteral("Quark"), QStringLiteral("-\\GFXZUTAT\\ENG\\Quark.png"))
                          + entry(0, QStringLiteral("Ohne Bild"), QString()));
    for (const char *recipe : {"Apple Crumble.DRP", "Apple Crumble.DRP.BRT", "Apple Crumble.DRP.RRT"})
        copyInstalled(QStringLiteral("Recipes/") + QLatin1String(recipe),
                      QStringLiteral("Master/Masterdaten/Recipes/") + QLatin1String(recipe));
    QDir().mkpath(m_base.root() + QStringLiteral("PRGDATA/ENG/LEXIKON"));
    for (const char *manual : {"Tafelwerkstatt.pdf", "RGKAnleitung.pdf", "TablecraftWorks.pdf"})
        m_base.writeBytes(QStringLiteral("Master/Masterdaten/Anleitung/") + QLatin1String(manual), "%PDF-1.4\n");
    writePicture(QStringLiteral("Master/Masterdaten/Zutaten_GFX_10_2008/GFXZUTAT/ENG/Alt.png"));
    writePicture(QStringLiteral("Master/Masterdaten/Zutaten_GFX_10_2008/GFXZUTAT/ENG/%1/AltMarke.png").arg(Markennamen[3]));

    // The program's own pictures and files that the builds ship.
    const QString g = QStringLiteral("Grafiken/ENG/");
    for (const QString &png : {QStringLiteral("PNG/Original.png"), QStringLiteral("PNG/Knopf.png"),
                               QStringLiteral("PNG/Wizard_1.png"), QStringLiteral("PNG/3sterne.png"),
                               QStringLiteral("PNG/drucker.png"), QStringLiteral("PNG/%1.png").arg(Kochgeraetenamen[1]),
                               QStringLiteral("PNG/IAKOCHEN/Z_Fleischart.png"), QStringLiteral("PNG/LEXIKON/Abbrühen.PNG"),
                               QStringLiteral("PNG/LEXIKON/Messbecher.PNG"),
                               QStringLiteral("PNG/LEXIKON/LeipzigerAllerlei.PNG"), QStringLiteral("PNG/FirstTipp/Tipp1.png")})
        writePicture(g + png);
    // The category icons of the overview.
    for (const QString &icon : Kategorieicons)
        for (const char *size : {"16", "32", "48"})
            writePicture(g + QStringLiteral("ICO/") + icon + QLatin1String(size) + QStringLiteral(".png"));
    for (const char *other : {"JPG/Holz.jpg", "BMP/Hilfe.bmp", "ICO/16_16/TW.ICO", "ICO/32_32/TW.ICO", "ICO/48_48/TW.ICO"})
        m_base.writeBytes(g + QLatin1String(other), "picture");
    m_base.writeLines(QStringLiteral("Recipes/IAKochen/Tutorial.IAK"), {QStringLiteral("[IAKOCHEN]")});
    for (const char *picture : {"0.png", "20.png", "21.png", "Salz.png", "Quark.png"})
        writePicture(QStringLiteral("GFXZUTAT/ENG/") + QLatin1String(picture));
}

void MasterTree::makeEditionFolders(const QString &folder)
{
    const QString e = m_base.root() + QStringLiteral("Master/") + folder + QLatin1Char('/');
    QStringList folders{QStringLiteral("DRUCKTEMP"), QStringLiteral("Recipes/IAKochen"), QStringLiteral("PreparedRecipes"),
                        QStringLiteral("PRGDATA/ENG/IAKOCHEN"), QStringLiteral("PRGDATA/ENG/LEXIKON"),
                        QStringLiteral("PRGDATA/ENG/Reigenkost"), QStringLiteral("PRGDATA/ENG/FIRSTTIPP")};
    for (const char *g : {"PNG/IAKOCHEN", "PNG/LEXIKON", "PNG/FirstTipp", "JPG", "BMP", "ICO/16_16", "ICO/32_32",
                          "ICO/48_48"})
        folders << QStringLiteral("Grafiken/ENG/") + QLatin1String(g);
    for (const QString &brand : Markennamen)
        folders << QStringLiteral("GFXZUTAT/ENG/") + brand;
    for (const QString &f : folders)
        QVERIFY(QDir().mkpath(e + f));
}

QStringList MasterTree::fileListing(const QString &relative) const
{
    const QString top = m_base.root() + relative + QLatin1Char('/');
    QStringList files;
    QDirIterator it(top, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next().mid(top.size());
    files.sort();
    return files;
}

} // namespace testing
