#pragma once
// Shared set-up of the download tests: the main and overview windows made
// once; per test a fresh base folder with this version file, the settings at
// their start values and the program pointed at the test server.
#include <memory>

#include "core/Globals.h"
#include "internet/F_Down.h"
#include "platform/Paths.h"
#include "recipes/F_Main.h"
#include "Serverbaum.h"
#include "testing/Testing.h"

namespace testing {

inline void erzeugeDownloadfenster()
{
    FMain = new TFMain;
    FDown = new TFDown;
}

inline void loescheDownloadfenster()
{
    delete FDown;
    delete FMain;
    FDown = nullptr;
    FMain = nullptr;
}

inline void neueDownloadbasis(std::unique_ptr<BaseFolder> &base, Serverbaum &server, const QStringList &version)
{
    failOnWarnings();
    base.reset(new BaseFolder);
    QVERIFY(platform::makeFolder(QStringLiteral("PRGDATA\\ENG")));
    QVERIFY(platform::makeFolder(QStringLiteral("Recipes")));
    base->writeLines(QStringLiteral("PRGDATA\\ENG\\VERSION.HRB"), version);
    GlobalVARInit();
    Setze_GlobalOptionen();
    server.verbinde();
}

} // namespace testing
