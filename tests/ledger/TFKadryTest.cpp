#include "SmallFundFixture.h"

#include "hr/RegisterWriter.h"
#include "ledger/TFKadry.h"
#include "support/PolishTyping.h"
#include "widgets/CursorGrid.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace kzp::test {
namespace {

hr::Employee person(int number, const QString& surname, const QString& name1, const QString& house)
{
    hr::Employee e;
    e.NumerPracownika = number;
    e.Nazwisko = surname;
    e.Imie1 = name1;
    e.Imie2 = QStringLiteral("Maria");
    e.PESEL = QStringLiteral("7109230123499");
    e.KodPocztowy = QStringLiteral("43-382");
    e.Miejscowosc = QStringLiteral("Bielsko-Biała");
    e.Poczta = QStringLiteral("Bielsko-Biała 2");
    e.Ulica = QStringLiteral("Cieszyńska");
    e.NrDomuiMieszkania = house;
    e.NumerDowoduOsobistego = QStringLiteral("AB1234567");
    return e;
}

class HrWindow : public SmallFund {
protected:
    void SetUp() override
    {
        SmallFund::SetUp();
        FundSetup setup;
        setup.hrFolder = QStringLiteral("kadry");
        QDir().mkpath(path("kadry"));
        QString error;
        ASSERT_TRUE(hr::RegisterWriter().write(path("kadry/KADRY.DB"),
                                               {person(310, "Łukasik", "Halina", "44/12 klatka B"),
                                                person(207, "Nowak", "Anna", "3"),
                                                person(150, "Adamczyk", "Katarzyna", "9")},
                                               &error))
            << error.toStdString();
        openFund(setup);
        existing = addMember("Nowakowa", "Ania", 207);
        refreshFund();
        // The member window marks the coming insert as taken from the register.
        m_rules->setMemberFromHr(true);
    }

    void activateRow(TFKadry& w, const QString& surname)
    {
        w.searchEdit()->setFocus();
        w.searchEdit()->clear();
        typeText(w.searchEdit(), surname);
        ASSERT_EQ(m_dm->TKadry.field("Nazwisko").asString(), surname);
        const QModelIndex index = w.grid()->currentIndex();
        ASSERT_TRUE(index.isValid());
        QTest::mouseDClick(w.grid()->viewport(), Qt::LeftButton, {}, w.grid()->visualRect(index).center());
    }

    int existing = 0;
};

TEST_F(HrWindow, ShowsTheRegisterOfTheFundsHrFolderInNameOrder)
{
    TFKadry w(*m_ctx);
    ASSERT_TRUE(w.prepare());
    w.show();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Obsluga zbioru: ") + QDir::toNativeSeparators(
                                                                        QDir::cleanPath(path("kadry/KADRY.DB"))));
    QAbstractItemModel* model = w.grid()->model();
    ASSERT_EQ(model->rowCount(), 3);
    EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Nr prac."));
    EXPECT_EQ(model->index(0, 1).data().toString(), QStringLiteral("Adamczyk"));
    EXPECT_EQ(model->index(1, 1).data().toString(), QStringLiteral("Łukasik"));
    EXPECT_EQ(model->index(2, 1).data().toString(), QStringLiteral("Nowak"));
    EXPECT_TRUE(m_dialogs.shown().isEmpty());
}

TEST_F(HrWindow, DoubleClickOnANewNumberStartsAnUnsavedMemberWithThePersonsData)
{
    TFKadry w(*m_ctx);
    ASSERT_TRUE(w.prepare());
    w.show();
    const int before = m_dm->TCzlonkowie.recordCount();
    activateRow(w, QStringLiteral("Łukasik"));

    store::Cursor& m = m_dm->TCzlonkowie;
    ASSERT_EQ(m.state(), store::Cursor::State::Insert);
    EXPECT_EQ(m.field("NrPracownika").asInt(), 310);
    EXPECT_EQ(m.field("Nazwisko").asString(), QStringLiteral("Łukasik"));
    EXPECT_EQ(m.field("Imie").asString(), QStringLiteral("Halina"));
    EXPECT_TRUE(m.field("PracownikWlasny").asBool());
    EXPECT_EQ(m.field("PESEL").asString(), QStringLiteral("71092301234"));
    EXPECT_EQ(m.field("NrDowoduOsobistego").asString(), QStringLiteral("AB1234567"));
    EXPECT_EQ(m.field("KodPocztowy").asString(), QStringLiteral("43-382"));
    EXPECT_EQ(m.field("Poczta").asString(), QStringLiteral("Bielsko-Biała 2"));
    EXPECT_EQ(m.field("Miejscowosc").asString(), QStringLiteral("Bielsko-Biała"));
    EXPECT_EQ(m.field("Ulica").asString(), QStringLiteral("Cieszyńska"));
    EXPECT_EQ(m.field("NrDomu").asString(), QStringLiteral("44/12"));
    EXPECT_TRUE(m.field("NrLok").asString().isEmpty());
    EXPECT_TRUE(m_dialogs.shown().isEmpty());
    EXPECT_TRUE(w.isVisible()) << "the window stays open after an assignment";

    // Nothing is stored until the member window stores it.
    EXPECT_EQ(rows("CZLONKOWIE", {"Nazwisko"}).size(), before);
    // Choosing another person replaces the unstored one rather than storing it.
    activateRow(w, QStringLiteral("Adamczyk"));
    ASSERT_EQ(m.state(), store::Cursor::State::Insert);
    EXPECT_EQ(m.field("NrPracownika").asInt(), 150);
    EXPECT_EQ(rows("CZLONKOWIE", {"Nazwisko"}).size(), before);

    m.post();
    EXPECT_EQ(rows("CZLONKOWIE", {"Nazwisko", "NrPracownika", "PracownikWlasny"}, "NrPracownika = 150"),
              (QList<QVariantList>{{QStringLiteral("Adamczyk"), 150, 1}}));
    EXPECT_EQ(m_dm->TKasy.field("LicznikNRP").asInt(), 150) << "the counter follows stored numbers";
}

TEST_F(HrWindow, AssigningAKnownNumberRefreshesThatMemberAfterYes)
{
    store::Cursor& m = m_dm->TCzlonkowie;
    goToMember(existing);
    m.edit();
    m.setValue("IdentyfikatorDzialu", 3);
    m.setValue("NrLok", QStringLiteral("7"));
    m.post();
    goToMember(existing);

    TFKadry w(*m_ctx);
    ASSERT_TRUE(w.prepare());
    w.show();
    m_dialogs.answer(Dialogs::Yes);
    w.searchEdit()->setFocus();
    typeText(w.searchEdit(), QStringLiteral("Nowak"));
    w.assignButton()->click();

    ASSERT_EQ(m_dialogs.shown().size(), 1);
    EXPECT_EQ(m_dialogs.last().text, HrRegister::ReplaceQuestion);
    EXPECT_EQ(m_dialogs.last().caption, QStringLiteral("Uwaga "));
    EXPECT_EQ(m_dialogs.last().icon, Dialogs::Icon::Question);
    ASSERT_EQ(m.state(), store::Cursor::State::Edit);
    EXPECT_EQ(m.field("IdentyfikatorPracownika").asInt(), existing);
    EXPECT_EQ(m.field("Nazwisko").asString(), QStringLiteral("Nowak"));
    EXPECT_EQ(m.field("Imie").asString(), QStringLiteral("Anna"));
    EXPECT_EQ(m.field("NrDomu").asString(), QStringLiteral("3"));
    // Number, department, dates and the flat number stay.
    EXPECT_EQ(m.field("NrPracownika").asInt(), 207);
    EXPECT_EQ(m.field("IdentyfikatorDzialu").asInt(), 3);
    EXPECT_EQ(m.field("NrLok").asString(), QStringLiteral("7"));
    EXPECT_EQ(m.field("DataWpisuDoKasy").asDate(), QDate(2002, 1, 1));
    EXPECT_EQ(m_dm->TCzlonkowie.indexFieldNames(), QStringLiteral("Nazwisko"));
}

TEST_F(HrWindow, NoOrAMissingRightEndsTheAssignmentSilently)
{
    TFKadry w(*m_ctx);
    ASSERT_TRUE(w.prepare());
    store::Cursor& m = m_dm->TCzlonkowie;
    const QList<QVariantList> before = rows("CZLONKOWIE", {"Nazwisko", "Imie", "NrPracownika"});

    m_dialogs.answer(Dialogs::No);
    ASSERT_TRUE(m_dm->TKadry.locate(QStringLiteral("NumerPracownika"), {207}));
    EXPECT_EQ(w.assign(), HrRegister::Assignment::Abandoned);
    EXPECT_EQ(m_dialogs.shown().size(), 1) << "only the question";
    EXPECT_FALSE(m.isEditing());

    m_dialogs.clear();
    m_session.currentUser.rights[RightUpdate] = false;
    ASSERT_TRUE(m_dm->TKadry.locate(QStringLiteral("NumerPracownika"), {310}));
    EXPECT_EQ(w.assign(), HrRegister::Assignment::Abandoned);
    EXPECT_TRUE(m_dialogs.shown().isEmpty());
    EXPECT_FALSE(m.isEditing());
    EXPECT_EQ(rows("CZLONKOWIE", {"Nazwisko", "Imie", "NrPracownika"}), before);
}

TEST_F(HrWindow, ChangesTypedBeforeTheRegisterWasOpenedAreNeitherStoredNorDropped)
{
    store::Cursor& m = m_dm->TCzlonkowie;
    goToMember(existing);
    m.edit();
    m.setValue("Uwagi", QStringLiteral("wpisane ręcznie"));
    TFKadry w(*m_ctx);
    ASSERT_TRUE(w.prepare());
    ASSERT_TRUE(m_dm->TKadry.locate(QStringLiteral("NumerPracownika"), {310}));
    EXPECT_EQ(w.assign(), HrRegister::Assignment::Abandoned);
    EXPECT_EQ(m_dialogs.texts(), QStringList{"Zapisz lub anuluj zmiany danych członków kasy"});
    ASSERT_EQ(m.state(), store::Cursor::State::Edit);
    EXPECT_EQ(m.field("Uwagi").asString(), QStringLiteral("wpisane ręcznie"));
    EXPECT_EQ(m.field("Nazwisko").asString(), QStringLiteral("Nowakowa"));
    EXPECT_EQ(rows("CZLONKOWIE", {"Uwagi"}).value(0).value(0).toString(), QString());
}

TEST_F(HrWindow, AnUnreadableRegisterIsReportedAndTheWindowIsNotShown)
{
    QFile f(path("kadry/KADRY.DB"));
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    f.resize(f.size() / 3);
    f.close();
    TFKadry w(*m_ctx);
    EXPECT_EQ(w.showRegister(), QDialog::Rejected);
    EXPECT_FALSE(w.isVisible());
    ASSERT_EQ(m_dialogs.shown().size(), 1);
    EXPECT_TRUE(m_dialogs.last().text.contains(QStringLiteral("KADRY.DB"))) << m_dialogs.last().text.toStdString();
}

} // namespace
} // namespace kzp::test
