// Takes the README's screenshots: starts the program on a copy of the default
// installation (offscreen), opens the overview and a recipe in the editor, and
// saves what the windows show.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QLineEdit>
#include <QPushButton>
#include <QFrame>
#include <QTreeView>

#include "core/Globals.h"
#include "app/Start.h"
#include "core/Hauptprogramm.h"
#include "platform/Seams.h"
#include "core/Dateioperationen.h"
#include "core/Grundoperationen.h"
#include "interactive/F_IAMain.h"
#include "interactive/F_IARezeptladen.h"
#include "interactive/IAModell.h"
#include "interactive/IATabellen.h"
#include "recipes/F_Main.h"
#include "recipes/F_Rez.h"

namespace {
void copyTree(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString src = it.next();
        const QString dst = to + QLatin1Char('/') + QDir(from).relativeFilePath(src);
        if (it.fileInfo().isDir())
            QDir().mkpath(dst);
        else
            QFile::copy(src, dst);
    }
}

void settle()
{
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents();
}

// The main window with its tool windows beside it, as a person sees them.
QImage grabWithTools(QWidget *main, const QList<QWidget *> &tools)
{
    QRect all = main->frameGeometry();
    for (QWidget *t : tools)
        if (t->isVisible())
            all = all.united(t->frameGeometry());
    QImage out(all.size(), QImage::Format_ARGB32);
    out.fill(QColor(0x3c, 0x3f, 0x41));
    QPainter p(&out);
    p.drawPixmap(main->geometry().topLeft() - all.topLeft(), main->grab());
    for (QWidget *t : tools)
        if (t->isVisible())
            p.drawPixmap(t->geometry().topLeft() - all.topLeft(), t->grab());
    return out;
}
// A pan of vegetables in the middle of cooking: items on the shelf and in the
// pan, a few sentences written, the oven set.
bool cookVegetables()
{
    FRez->hide();
    FMain->LVRezepte->setCurrentIndex(FMain->LVRezepte->model()->index(0, 0));
    FMain->LVRezepteDblClick();
    FIARezeptladen->EName->setText(QStringLiteral("Gemüsepfanne"));
    FIARezeptladen->BNeu->click();
    settle();
    if (!FIAMain->isVisible() || !IARezept())
        return false;
    const struct {
        const char *name, *menge, *einheit;
        int ort;
    } items[] = {{"Potatoes", "500", "g", 0}, {"Carrots", "3", "Stück", 0},   {"Garlic", "2", "Zehe(n)", 0},
                 {"Eggs", "2", "Stück", 0},   {"Butter", "20", "g", 0},        {"Tomatoes", "400", "g", 1},
                 {"Red onions", "2", "Stück", 1}, {"Cucumber", "1", "Stück", 1}, {"Olive oil", "2", "EL", 1}};
    for (const auto &i : items) {
        const qint32 k = Suche_Zutat(QString::fromUtf8(i.name), -1);
        if (k < 0)
            return false;
        TTIAZutatenliste z;
        z.Zutatname = Zutatentotal[k].Zutatname;
        z.Anzeigename = z.Zutatname;
        z.Kategorie = Zutatentotal[k].Kategorie;
        z.Menge = QString::fromUtf8(i.menge);
        z.Einheit = QString::fromUtf8(i.einheit);
        z.Ort = i.ort;
        z.DBIndex = k;
        z.Grafik = Zutatentotal[k].Grafik().isEmpty()
                       ? Zutatengruppengrafik(z.Kategorie)
                       : Programmverzeichnis + QStringLiteral("GFXZUTAT\\ENG\\") + Zutatentotal[k].Grafik();
        z.Geraete = {-1, -1, -1, 0, i.ort == 1 ? 3 : 0};
        IARezept()->IAZutaten.append(z);
    }
    for (const char *satz : {"Die Tomaten waschen und vierteln.", "Die Zwiebeln schälen und in Ringe schneiden.",
                             "Das Olivenöl in der Pfanne erhitzen.", "Die Zwiebeln darin glasig dünsten."}) {
        TTIARezepttext zeile;
        zeile.Satz = QString::fromUtf8(satz);
        IARezepttext.prepend(zeile);
    }
    IAStatus.Geraet = 3;
    IAStatus.Panel = 0;
    IAStatus.Zeit = 12;
    FIAMain->P0->show();
    FIAMain->P2->show();
    FIAMain->P3->hide();
    FIAMain->Aktualisiere();
    FIAMain->Zeige_Zutatenregal();
    FIAMain->Zeige_Kochgeraet();
    settle();
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOption({QStringLiteral("installation"), QStringLiteral("installation tree"), QStringLiteral("dir")});
    parser.addOption({QStringLiteral("output"), QStringLiteral("output folder"), QStringLiteral("dir")});
    parser.process(app);
    const QString output = QDir(parser.value(QStringLiteral("output"))).absolutePath();
    QDir().mkpath(output);

    QTemporaryDir base;
    copyTree(parser.value(QStringLiteral("installation")), base.path());
    QDir::setCurrent(base.path());
    // Answer every question with No: no update search, nothing changed.
    platform::setMessageAnswerer([](const QString &, const QString &, int buttons) { return buttons == 4 ? 7 : 1; });

    TWS_Grundwerte();
    Erzeuge_Formulare();
    if (!TWS_Programmstart_Daten())
        return 1;
    Optionen.Tipps = 0;
    Programmstart(true);

    FMain->setGeometry(40, 40, 900, 640);
    FMain->show();
    settle();
    // Select a recipe with a picture, so the preview has something to show.
    for (int i = 0; i < RezepteTotal.size(); ++i)
        if (!RezepteTotal[i].Rezeptgrafik.isEmpty() && FMain->Waehle_Rezept(i))
            break;
    settle();
    const QList<QWidget *> tools = {FMainRezeptbild, FMainTextanzeige, FMainZutatbild};
    // The offscreen screen is small; put the tool windows beside the main
    // window as on a desktop.
    int y = FMain->geometry().top();
    for (QWidget *t : tools) {
        t->move(FMain->geometry().right() + 12, y);
        y += t->frameGeometry().height() + 12;
    }
    settle();
    if (!grabWithTools(FMain, tools).save(output + QStringLiteral("/overview.png")))
        return 2;

    FMain->MRezeptoeffnenClick();
    settle();
    FRez->resize(1000, 720);
    settle();
    if (!FRez->grab().save(output + QStringLiteral("/editor.png")))
        return 3;

    if (!cookVegetables() || !FIAMain->grab().save(output + QStringLiteral("/kitchen.png")))
        return 4;
    return 0;
}
