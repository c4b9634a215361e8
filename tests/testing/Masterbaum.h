#pragma once
// A small master data tree for the release tool's tests, built in the test's
// temporary base folder:
//   <base>/Master/Masterdaten/PRGDATA/ENG/   Lebensmittel.hbr, Lebensmittel_ALL.hbr,
//        LM_Share.hbr, IAVariablenliste.hbr, IAVariablenlisteBAK.hbr,
//        IAVTotal.hbr, IAVTotal_neu.hbr, nenoitpo.kop, RICNEU.hbr, RICWerteNEU.hbr
//   <base>/Master/Masterdaten/Anleitung/, .../FTP_KEYS/READY/ (key pictures)
//   <base>/PRGDATA/ENG/Lebensmittel.hbr (the program's own, = the shipped one)
//   <base>/GFXZUTAT/ENG/ (with the pictures the
//        databases name; brand pictures in their brand folder)
// Every file is written in the installed layout (Windows-1252, CR LF) by this
// code, not by the program's writers, so a reader fault shows.
#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>

#include "testing/Testing.h"

namespace testing {

struct MasterIngredient {
    MasterIngredient(QString n = {}, int c = 0, int s = 1, QString p = {}, bool f = true, QString r = {}, QString q = {})
        : name(std::move(n)), category(c), status(s), picture(std::move(p)), pictureFile(f), recipeName(std::move(r)),
          searchName(std::move(q))
    {
    }
    QString name;
    int category;
    int status;
    QString picture;          // Grafik as stored ("x.png", "\Brand\x.png", "" = none)
    bool pictureFile;         // whether GFXZUTAT\ENG\<picture> is written
    QString recipeName;       // empty = name
    QString searchName;       // empty = name
};

struct MasterVerb {
    MasterVerb(QString t = {}, int i = 0, QList<int> s = {}, int c = 0)
        : text(std::move(t)), icon(i), surfaces(std::move(s)), counter(c)
    {
    }
    QString text;
    int icon;
    QList<int> surfaces;      // Zulassung
    int counter;
};

class MasterTree
{
public:
    // Writes the default tree (below) into the base folder.
    explicit MasterTree(BaseFolder &base);

    // The master root as the release window holds it (system path ending in
    // a backslash).
    QString root() const;
    // Relative paths for BaseFolder's helpers.
    static QString master(const QString &name); // Master/Masterdaten/PRGDATA/ENG/<name>
    static QString local(const QString &name);  // PRGDATA/ENG/<name>

    // Shipped database: two active ingredients (one branded), one kitchen-only.
    static QList<MasterIngredient> shippedIngredients();
    // All-ingredients database: every status 0..4 once, with pictures.
    static QList<MasterIngredient> allIngredients();
    static QList<MasterVerb> verbs();
    static QStringList wholeVerbList();

    // File contents in the installed layouts.
    static QStringList ingredientLines(const QList<MasterIngredient> &list);
    static QStringList verbLines(const QList<MasterVerb> &list, const QString &header = QStringLiteral("[IAVERBEN 2.00]"));
    static QStringList wholeListLines(const QStringList &texts);

    // Write into the master tree (and, for ingredients, their pictures into
    // GFXZUTAT\ENG\).
    void writeIngredients(const QString &name, const QList<MasterIngredient> &list);
    void writeVerbs(const QString &name, const QList<MasterVerb> &list);
    void writeWholeList(const QString &name, const QStringList &texts);
    // A small real PNG at a path relative to the base folder.
    void writePicture(const QString &relative);

    QStringList masterLines(const QString &name) const;

    // --- what the edition builds read ---
    // Ingredients covering the category rules of the picture copies: groups
    // -1, 0, 1 and 2, a branded one and a kitchen-only one.
    static QList<MasterIngredient> editionIngredients();
    // Writes the rest of the master tree (units list, version, recipe index,
    // comments, help, dictionary with its help, kitchen, diet and tip files,
    // recipes, manuals, the old picture set), the shipped database as
    // editionIngredients(), and a small program tree: pictures of every
    // folder the builds copy from, the tutorial, numbered and basic
    // ingredient pictures. The units list and dictionary are valid files, so
    // an edition built from this tree starts.
    void writeEditionSources();
    // Creates the folder skeleton of an edition folder below the master root
    // (every folder a build empties or fills); the run itself creates none.
    void makeEditionFolders(const QString &folder);
    // Every file below a folder (relative to the base folder), as paths
    // relative to that folder with "/", sorted.
    QStringList fileListing(const QString &relative) const;

private:
    BaseFolder &m_base;
};

} // namespace testing

Q_DECLARE_METATYPE(testing::MasterIngredient)
Q_DECLARE_METATYPE(testing::MasterVerb)
