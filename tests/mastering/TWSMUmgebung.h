#pragma once
// The set-up the release window's tests share: the windows created once, and
// per test a fresh base folder with the master folder in it, scripted
// messages and the master path on the base folder. A message the test does
// not expect, or one it expects and does not get, fails it. The release
// tool's tests without the window use only the protocol's path form.
#include <QtWidgets>
#include <memory>

#include "app/Start.h"
#include "core/Globals.h"
#include "core/Hauptprogramm.h"
#include "mastering/F_TWSM.h"
#include "testing/Testing.h"

// The protocol writes every path with "/".
inline QString Einheitlich(QString zeile)
{
    return zeile.replace(QLatin1Char('\\'), QLatin1Char('/'));
}
inline TString Einheitlich(TString zeilen)
{
    for (QString &z : zeilen)
        z = Einheitlich(z);
    return zeilen;
}

class TWSMUmgebung
{
protected:
    std::unique_ptr<testing::BaseFolder> m_base;
    std::unique_ptr<testing::ScriptedMessages> m_meldungen;

    // From initTestCase().
    static void erzeuge()
    {
        TWS_Grundwerte();
        Erzeuge_Formulare();
    }
    // From init(); ordner are made below the base folder.
    void beginne(const QStringList &ordner)
    {
        testing::failOnWarnings();
        m_base = std::make_unique<testing::BaseFolder>();
        m_meldungen = std::make_unique<testing::ScriptedMessages>();
        for (const QString &o : ordner)
            QVERIFY(QDir().mkpath(m_base->path(o)));
        FTWSM->CBMP->setEditText(m_base->root() + "Master");
    }
    // From cleanup().
    void beende()
    {
        QVERIFY2(m_meldungen->pending().isEmpty(), qPrintable(m_meldungen->pending().join(", ")));
        m_meldungen.reset();
        m_base.reset();
    }
};
