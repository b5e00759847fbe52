// Pictures of the administration windows for looking at their layout: written only when
// KZP_SCREENSHOT_DIR names a folder, skipped otherwise.
#include "AdminWindowsFixture.h"

#include "app/TFDaneFirmy.h"
#include "app/TFDzialy.h"
#include "app/TFKasy.h"
#include "app/TFOpisy.h"
#include "app/TFUzytkownicy.h"
#include "app/TFZmHasla.h"

#include <QDir>

namespace kzp::test {
namespace {

class TFAdminScreenshots : public AdminWindowsFixture {
protected:
    void SetUp() override
    {
        folder = qEnvironmentVariable("KZP_SCREENSHOT_DIR");
        if (folder.isEmpty())
            GTEST_SKIP() << "KZP_SCREENSHOT_DIR not set";
        AdminWindowsFixture::SetUp();
        store::Cursor& k = dm->TKasy;
        const struct {
            const char* name;
            const char* type;
            double fee;
        } funds[] = {{"Kasa Zapomogowo-Pożyczkowa", "K", 10}, {"Zakładowy Fundusz Mieszkaniowy", "M", 0}};
        for (const auto& f : funds) {
            k.insert();
            k.setValue("NazwaKasy", QString::fromUtf8(f.name));
            k.setValue("RodzajKasy", QString::fromLatin1(f.type));
            k.setValue("KwotaWpisowe", f.fee);
            k.setValue("KwotaSkladka", 25.5);
            k.setValue("Procent", 2.0);
            k.setValue("KodWpisowe", "401");
            k.setValue("KodSkladka", "402");
            k.setValue("KodRata", "403");
            k.setValue("KiedyInnaRata", 1);
            k.setValue("Uzupelniajace", 0);
            k.setValue("SciezkaPlac", "/dane/place");
            k.setValue("DataZamkniecia", QDate(2003, 4, 30));
            k.post();
        }
        k.first();
        dialogs.clear();
    }

    void shoot(QWidget& w, const char* name)
    {
        showAndWait(w);
        EXPECT_TRUE(w.grab().save(QDir(folder).filePath(QLatin1String(name) + QStringLiteral(".png"))));
        w.hide();
    }

    QString folder;
};

TEST_F(TFAdminScreenshots, Windows)
{
    { TFKasy w(*ctx); shoot(w, "TFKasy"); }
    { TFUzytkownicy w(*ctx); shoot(w, "TFUzytkownicy"); }
    { TFZmHasla w(*ctx); shoot(w, "TFZmHasla"); }
    { TFDaneFirmy w(*ctx); shoot(w, "TFDaneFirmy"); }
    { TFDzialy w(*ctx); shoot(w, "TFDzialy"); }
    {
        TFOpisy w(*ctx);
        shoot(w, "TFOpisy");
        w.cancelChanges();
    }
}

} // namespace
} // namespace kzp::test
