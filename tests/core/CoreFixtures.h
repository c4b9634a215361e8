#pragma once
// Small valid data files of the data core, built line by line, for the core
// tests. Each is what the writers write, so a load and save gives the same
// bytes back.
#include <QStringList>

namespace corefixtures {

inline QStringList zutatenRecord(const QString &name, int kategorie, int status, const QString &grafik = QString())
{
    QStringList z{name, name + QStringLiteral(" (recipe)"), name.toUpper(), QString::number(kategorie),
                  QString::number(status)};
    for (int i = 1; i <= 12; ++i) {
        if (i == 2)
            z << grafik;
        else if (i == 3)
            z << QStringLiteral("g");
        else if (i == 5)
            z << name + QStringLiteral("s");
        else
            z << QString();
    }
    return z;
}

// Three ingredients: Apple (active), Basil (inactive), Crème fraîche (active).
inline QStringList zutaten()
{
    QStringList z{QStringLiteral("[TAFELWERKSTATT 2.00]"), QStringLiteral("3")};
    z << zutatenRecord(QStringLiteral("Apple"), 3, 1, QStringLiteral("Apple.png"));
    z << zutatenRecord(QStringLiteral("Basil"), 7, 0);
    z << zutatenRecord(QString::fromUtf8("Cr\u00e8me fra\u00eeche"), 5, 1);
    z << QStringLiteral("[EOF]");
    return z;
}

inline QStringList einheit(const QString &schluessel, const QString &name)
{
    QStringList z{schluessel, name};
    for (int i = 0; i < 19; ++i)
        z << QString::number(i % 3 == 0 ? 1 : 0);
    z << QStringLiteral("0");
    z << QStringLiteral("r1") << QString() << QString() << QString() << QStringLiteral("r5");
    z << QStringLiteral("3") << QStringLiteral("not stated") << QStringLiteral("1") << QStringLiteral("250");
    return z;
}

// Units "[tbsp]", "[g]"; two replacements, one unit entry; category 0 has two
// units, category 20 one, the others none.
inline QStringList variablen()
{
    QStringList z{QStringLiteral("[TAFELWERKSTATTVARIABLEN 2.00]"), QStringLiteral("[EINHEITEN]:"),
                  QStringLiteral("2"), QStringLiteral("[tbsp]"), QStringLiteral("[g]"),
                  QStringLiteral("2"), QStringLiteral("gr=g"), QStringLiteral("EL=tbsp"),
                  QStringLiteral("1"), QStringLiteral("flour=cup=g"), QStringLiteral("125.5"),
                  QStringLiteral("[KATEGORIEANZAHL]"), QStringLiteral("21")};
    for (int k = 0; k < 21; ++k) {
        if (k == 0) {
            z << QStringLiteral("2") << einheit(QStringLiteral("[g]"), QStringLiteral("g"))
              << einheit(QStringLiteral("[tbsp]"), QString());
        } else if (k == 20) {
            z << QStringLiteral("1") << einheit(QStringLiteral("[ml]"), QStringLiteral("ml"));
        } else {
            z << QStringLiteral("0");
        }
    }
    z << QStringLiteral("[EOF]");
    return z;
}

inline QStringList kommentare()
{
    return {QStringLiteral("[TAFELWERKSTATTZUTATKOMMENTARE 2.0]"), QStringLiteral("2"), QStringLiteral("finely chopped"),
            QStringLiteral("to taste")};
}

// Two verbs: "fry ... for ZZZ minutes" (time) and "bake ... at GGG degrees".
inline QStringList verben()
{
    return {QStringLiteral("[IAVERBEN 2.00]"), QStringLiteral("2"),
            QStringLiteral("fry ... for ZZZ minutes"), QStringLiteral("5"), QStringLiteral("1,3,"),
            QStringLiteral("2,"), QStringLiteral("2"), QStringLiteral("7"), QString(), QString(),
            QStringLiteral("bake ... at GGG degrees and ZZZ minutes"), QStringLiteral("42"), QString(),
            QStringLiteral("0,15,"), QStringLiteral("3"), QStringLiteral("0"), QString(), QString()};
}

inline QStringList vtotal()
{
    return {QStringLiteral("[IAVTOTAL 2.00]"), QStringLiteral("2"), QStringLiteral("fry ... for ZZZ minutes"),
            QStringLiteral("stir ...")};
}

inline QStringList optionen()
{
    return {QStringLiteral("[TAFELWERKSTATTOPTIONEN 2.0]"),
            QStringLiteral("[FMAIN]"),
            QStringLiteral("2"), QStringLiteral("1"), QStringLiteral("5"), QStringLiteral("quick"),
            QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("1"),
            QStringLiteral("Arial"), QStringLiteral("10"), QStringLiteral("1"), QStringLiteral("255"), QStringLiteral("0"),
            QStringLiteral("Times"), QStringLiteral("12.5"), QStringLiteral("2"), QStringLiteral("0"), QStringLiteral("1"),
            QStringLiteral("Courier"), QStringLiteral("9"), QStringLiteral("12"), QStringLiteral("16711680"),
            QStringLiteral("1"),
            QStringLiteral("Verdana"), QStringLiteral("8"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("1"),
            QStringLiteral("[FREZ]"),
            QStringLiteral("1"), QStringLiteral("2"),
            QStringLiteral("[FSYS]"),
            QStringLiteral("C:\\Recipes\\"), QStringLiteral("C:\\Export\\"), QStringLiteral("D:\\pics\\"),
            QString(), QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("0110"), QStringLiteral("3"),
            QStringLiteral("Winter.png"), QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("1"),
            QStringLiteral("0"), QStringLiteral("1"),
            QStringLiteral("1"), QStringLiteral("4"), QStringLiteral("2"), QStringLiteral("0"), QStringLiteral("1"),
            QStringLiteral("0"), QStringLiteral("180"), QStringLiteral("30"), QStringLiteral("1"), QStringLiteral("0"),
            QStringLiteral("[FLEX]"),
            QStringLiteral("Georgia"), QStringLiteral("11"), QStringLiteral("4"), QStringLiteral("32768"),
            QStringLiteral("0"),
            QStringLiteral("[EOF]")};
}

inline QStringList rezept(const QString &name, const QString &tag = QStringLiteral("[KOCHREZEPT]:"))
{
    QStringList z{QStringLiteral("[TAFELWERKSTATT 2.0]"), tag, name, QStringLiteral("1"),
                  QStringLiteral("45321.750000"), QStringLiteral("3"), QStringLiteral("4 persons"),
                  QStringLiteral("30 minutes"), QStringLiteral("cooking pot,skillet,"), QStringLiteral("pasta.png"),
                  QStringLiteral("quick,Italian,"), QStringLiteral("7.50"), name + QStringLiteral(".KRP.RRT"),
                  QString()};
    for (int i = 0; i < 29; ++i)
        z << (i == 3 ? QStringLiteral("kept") : QString());
    z << QStringLiteral("1") << QStringLiteral("A short note.");
    z << QStringLiteral("[ZUTATEN]:") << QStringLiteral("2") << QStringLiteral("Spaghetti") << QStringLiteral("4")
      << QStringLiteral("500") << QStringLiteral("g") << QStringLiteral("Salt") << QStringLiteral("-1") << QString()
      << QString();
    z << QStringLiteral("[ZUTATENLISTE]:") << QStringLiteral("2") << QStringLiteral("500") << QStringLiteral("g")
      << QStringLiteral("Spaghetti") << QString() << QString() << QStringLiteral("Salt");
    z << QStringLiteral("[REZEPTLISTE]:") << QStringLiteral("3") << QStringLiteral("Boil the pasta.") << QString()
      << QStringLiteral("Serve.");
    z << QStringLiteral("[EINKAUFSLISTE]:") << QStringLiteral("1") << QStringLiteral("500 g Spaghetti");
    z << QStringLiteral("[DELUXELISTE]:") << QStringLiteral("1") << QStringLiteral("500") << QStringLiteral("g")
      << QStringLiteral("Spaghetti") << QStringLiteral("al dente");
    z << QStringLiteral("[BEMERKUNGSLISTE]:") << QStringLiteral("1") << QStringLiteral("Good with cheese.");
    z << QStringLiteral("[EOF]");
    return z;
}

inline QStringList index(const QList<std::pair<QString, QString>> &eintraege)
{
    QStringList z{QStringLiteral("[TAFELWERKSTATT RM]"), QString::number(eintraege.size())};
    for (const auto &e : eintraege) {
        const QString ext = e.first.mid(e.first.lastIndexOf(QLatin1Char('.')));
        const QStringList ext21{".KRP", ".BRP", ".DRP", ".SRP", ".URP", ".ORP", ".ARP", ".VRP", ".VGR", ".FRP", ".MRP",
                                ".PRP", ".NRP", ".RRP", ".KAR", ".AUF", ".BTR", ".TRP", ".PLR", ".ERP", ".GRP"};
        z << e.first << e.second << QString::number(ext21.indexOf(ext.toUpper()));
    }
    z << QStringLiteral("[EOF]");
    return z;
}

} // namespace corefixtures
