// The recipe index.
#include "core/Dateioperationen.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <algorithm>
#include <climits>
#include <charconv>
#include <cmath>
#include <cstring>

#include "core/Dateioperationen_p.h"
#include "core/Grundoperationen.h"
#include "core/Tabellen.h"
#include "platform/CodePage.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

namespace dateien {

// The base folder, for a path that is given as a system path below it.
QString relativZurBasis(const QString &pfad)
{
    QString p = pfad;
    p.replace(QLatin1Char('/'), QLatin1Char('\\'));
    QString basis = Programmverzeichnis;
    basis.replace(QLatin1Char('/'), QLatin1Char('\\'));
    if (!basis.isEmpty() && p.startsWith(basis, Qt::CaseInsensitive))
        return p.mid(basis.size());
    return QString();
}

// A recipe file outside the base folder, as the index stores it: an absolute
// path with a recipe category's extension. Empty for anything else.
QString rezeptAusserhalb(const QString &pfad)
{
    if (!QDir::isAbsolutePath(pfad)) // as most entries are: no work for them
        return QString();
    const QString p = QDir::cleanPath(QDir::fromNativeSeparators(pfad));
    if (!QDir::isAbsolutePath(p) || !relativZurBasis(p).isEmpty()
        || Kategorie_aus_Dateiendung(rezeptendung(p)) < 0)
        return QString();
    return p;
}

bool liesIndex(const QByteArray &z, QList<std::pair<QString, QString>> &out, QString &grund)
{
    Leser l(z);
    if (!l.kopf(KopfIndex)) {
        grund = l.grund;
        return false;
    }
    qint32 n = 0;
    QList<std::pair<QString, QString>> liste;
    if (l.anzahl(n, 3)) {
        liste.reserve(n);
        for (qint32 i = 0; i < n && l.ok(); ++i) {
            QString pfad, name;
            qint32 kat = 0;
            l.zeile(pfad);
            l.zeile(name);
            l.ganzzahl(kat);
            liste.append({pfad, name});
        }
    }
    if (!l.ende()) {
        grund = l.grund;
        return false;
    }
    out = std::move(liste);
    return true;
}

} // namespace dateien

using namespace dateien;

bool Lade_RezeptdateiManager(int flags)
{
    const QString pfad = datenpfad(QStringLiteral("RMListe.hbr"));
    bool gut = true;
    if (flags & Save) {
        Schreiber w;
        w << KopfIndex;
        QList<qsizetype> eintraege;
        QStringList relativ;
        for (qsizetype i = 0; i < RezepteTotal.size(); ++i) {
            const TTRezepteTotal &r = RezepteTotal[i];
            if (r.Dateiname.isEmpty() || Kategorie_aus_Dateiendung(rezeptendung(r.Dateiname)) < 0)
                continue;
            // Outside the base folder (an export to another folder) the
            // index keeps the absolute path.
            QString rel = relativZurBasis(r.Dateiname);
            if (rel.isEmpty())
                rel = rezeptAusserhalb(r.Dateiname);
            else if (!platform::isSafeRelativePath(rel))
                continue;
            if (rel.isEmpty())
                continue;
            eintraege << i;
            relativ << rel;
        }
        w << qint32(eintraege.size());
        for (qsizetype j = 0; j < eintraege.size(); ++j) {
            const TTRezepteTotal &r = RezepteTotal[eintraege[j]];
            w << relativ[j] << r.Rezeptname << Kategorie_aus_Dateiendung(rezeptendung(r.Dateiname));
        }
        w << EOFZeile;
        // The index is rebuilt from the recipe folder on every load, so a
        // damaged one may be written over.
        entsperre(pfad);
        if (!schreibe(pfad, w.z))
            return false;
    }
    if (flags & Load) {
        QList<std::pair<QString, QString>> index;
        if (platform::fileExists(pfad)) {
            QByteArray z;
            QString grund;
            if (!platform::readBytes(pfad, z) || !liesIndex(z, index, grund)) {
                index.clear();
                gut = false;
            }
        }
        // Merge with the recipe files in Recipes\: files gone drop out, new
        // files come in.
        const QString ordner = Programmverzeichnis + QStringLiteral("Recipes\\");
        // One listing of the folder answers for every entry that lies in it
        // (key: the name in upper case, value: its spelling on disk).
        const QStringList dateien = platform::listFiles(ordner, QStringLiteral("*.*"));
        QHash<QString, QString> imOrdner;
        QList<std::pair<QString, QString>> ordnerliste; // (upper case, spelling), in listing order
        imOrdner.reserve(dateien.size());
        ordnerliste.reserve(dateien.size());
        for (const QString &d : dateien) {
            const qsizetype punkt = d.lastIndexOf(QLatin1Char('.'));
            if (punkt <= 0 || Kategorie_aus_Dateiendung(d.mid(punkt)) < 0)
                continue;
            const QString upper = platform::upperCase(d);
            imOrdner.insert(upper, d);
            ordnerliste.append({upper, d});
        }
        const QString praefix = QStringLiteral("RECIPES\\");
        const QString ordnerRel = QStringLiteral("Recipes\\");
        auto imRezeptordner = [&](const QString &upper) {
            return upper.startsWith(praefix) && upper.indexOf(QLatin1Char('\\'), praefix.size()) < 0;
        };
        // Room for exactly what can come in: every file of the folder and the
        // index's entries elsewhere (an entry of the folder is one of its
        // files or drops out). The array of records is the largest single
        // block of the start-up.
        // (Counted roughly: a wrong guess only costs the array a regrowth.)
        qsizetype anderswo = 0;
        for (const auto &e : index) {
            const QString &rel = e.first;
            const bool imOrdnerRel = rel.size() > praefix.size() && rel.startsWith(ordnerRel.chopped(1), Qt::CaseInsensitive)
                && (rel[praefix.size() - 1] == QLatin1Char('\\') || rel[praefix.size() - 1] == QLatin1Char('/'));
            if (!imOrdnerRel)
                ++anderswo;
        }
        QSet<QString> gesehen;
        gesehen.reserve(ordnerliste.size() + anderswo);
        TRezepteTotal neu;
        neu.reserve(ordnerliste.size() + anderswo);
        // One string per extension, shared by the records that have it.
        QHash<QString, QString> endungen;
        // datei: the system path; key: its upper case.
        auto nimm = [&](const QString &datei, const QString &key, const QString &name) {
            if (gesehen.contains(key))
                return;
            QString endung = rezeptendung(datei);
            const qint32 kat = Kategorie_aus_Dateiendung(endung);
            if (kat < 0)
                return;
            gesehen.insert(key);
            auto gleiche = endungen.constFind(endung);
            if (gleiche == endungen.constEnd())
                gleiche = endungen.insert(endung, endung);
            endung = *gleiche;
            TTRezepteTotal r;
            r.Dateikopf = KopfRezept;
            r.Dateiname = datei;
            r.Dateiendung = endung;
            r.Kategorie = kat;
            r.Kategoriezeile = Kategorieabschnitte[kat];
            r.Rezeptname = name;
            neu.append(std::move(r));
        };
        for (const auto &e : index) {
            // Outside the base folder only recipe files are taken.
            if (const QString aussen = rezeptAusserhalb(e.first); !aussen.isEmpty()) {
                if (platform::fileExists(aussen))
                    nimm(aussen, platform::upperCase(platform::nativePath(aussen)), e.second);
                continue;
            }
            QString rel = e.first;
            rel.replace(QLatin1Char('/'), QLatin1Char('\\'));
            const QString upper = platform::upperCase(rel);
            if (imRezeptordner(upper)) {
                const auto it = imOrdner.constFind(upper.mid(praefix.size()));
                if (it != imOrdner.constEnd())
                    nimm(Programmverzeichnis + ordnerRel + *it, it.key(), e.second);
            } else if (platform::isSafeRelativePath(rel) && platform::fileExists(rel)) {
                // A sub-folder: its spelling as the resolver finds it.
                const QString native = platform::nativePath(rel);
                const QString basis = platform::baseFolder();
                if (native.startsWith(basis)) {
                    const QString gefunden = native.mid(basis.size()).replace(QLatin1Char('/'), QLatin1Char('\\'));
                    nimm(Programmverzeichnis + gefunden, platform::upperCase(gefunden), e.second);
                }
            }
        }
        for (const auto &[upper, d] : ordnerliste) {
            if (gesehen.contains(upper))
                continue; // taken through the index
            QString name = d;
            name.truncate(name.lastIndexOf(QLatin1Char('.')));
            nimm(Programmverzeichnis + ordnerRel + d, upper, name);
        }
        RezepteTotal = std::move(neu);
        AktuellesRezept = -1;
    }
    return gut;
}
