// The confirmation texts window: its one row, the place-and-date line, saving and closing.
#include "AdminWindowsFixture.h"

#include "app/TFOpisy.h"
#include "app/logic/ConfirmationTexts.h"
#include "support/PolishTyping.h"
#include "widgets/FieldMemo.h"

#include <QLabel>
#include <QPushButton>

namespace kzp::test {
namespace {

class TFOpisyTest : public AdminWindowsFixture {
protected:
    store::Cursor& opisy() { return dm->TOpisy; }
};

TEST_F(TFOpisyTest, EmptyTableStartsTheRowAndSavingMakesTheOnlyOne)
{
    ASSERT_EQ(opisy().recordCount(), 0);
    for (const QString& text : {QStringLiteral("Uprzejmie informujemy, że"), QStringLiteral("Prosimy o zgodność")}) {
        SCOPED_TRACE(text.toStdString());
        const bool empty = opisy().recordCount() == 0;
        TFOpisy window(*ctx);
        EXPECT_EQ(opisy().state(), empty ? store::Cursor::State::Insert : store::Cursor::State::Edit);
        showAndWait(window);
        auto* mem1 = window.findChild<widgets::FieldMemo*>(QStringLiteral("DBMemoMem1"));
        mem1->setFocus();
        mem1->selectAll();
        typeText(mem1, text);
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("BBZapisz")), Qt::LeftButton);
        EXPECT_FALSE(window.isVisible());
        EXPECT_EQ(opisy().state(), store::Cursor::State::Browse);
        EXPECT_EQ(opisy().recordCount(), 1);
        EXPECT_EQ(opisy().field("Mem1").asString(), text);
    }
    EXPECT_TRUE(dialogs.texts().isEmpty());
}

TEST_F(TFOpisyTest, PlaceAndDateLineNamesTheCompanyTown)
{
    dm->TParametry.edit();
    dm->TParametry.setValue("Miejscowosc", QStringLiteral("Łódź"));
    dm->TParametry.post();
    EXPECT_EQ(placeAndDateText(*dm, QDate(2003, 5, 7)), QStringLiteral("Łódź, dnia 07-05-2003"));
    TFOpisy window(*ctx);
    EXPECT_EQ(window.placeAndDateLabel()->text(),
              QStringLiteral("Łódź, dnia ") + QDate::currentDate().toString(QStringLiteral("dd-MM-yyyy")));
    window.cancelChanges();
}

TEST_F(TFOpisyTest, ClosingAsksAndCancelDropsTheChanges)
{
    opisy().insert();
    opisy().setValue("Podpis", QStringLiteral("Zarząd"));
    opisy().post();

    struct Case {
        const char* what;
        bool byEsc;
        Dialogs::Button answer;
        QString podpisAfter;
    };
    const QList<Case> cases = {
        {"Esc, No", true, Dialogs::No, QStringLiteral("Zarząd")},
        {"Esc, Yes", true, Dialogs::Yes, QStringLiteral("Zarząd KZP")},
        {"Anuluj", false, Dialogs::NoButton, QStringLiteral("Zarząd KZP")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TFOpisy window(*ctx);
        showAndWait(window);
        ASSERT_EQ(opisy().state(), store::Cursor::State::Edit);
        opisy().setValue("Podpis", c.byEsc ? QStringLiteral("Zarząd KZP") : QStringLiteral("Prezes"));
        dialogs.clear();
        if (c.byEsc) {
            dialogs.answer(c.answer);
            pressEscape(window);
            EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral(" Czy zapisać zmiany w Treści powiadomień!!")});
            EXPECT_EQ(dialogs.last().caption, QStringLiteral("  Kontrola wprowadzania  "));
        } else {
            QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("BBAnuluj")), Qt::LeftButton);
            EXPECT_TRUE(dialogs.texts().isEmpty());
        }
        EXPECT_FALSE(window.isVisible());
        EXPECT_EQ(opisy().state(), store::Cursor::State::Browse);
        EXPECT_EQ(opisy().field("Podpis").asString(), c.podpisAfter);
    }
}

} // namespace
} // namespace kzp::test
