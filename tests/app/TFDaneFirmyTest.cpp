// The company data window: the postal code as typed, the archive folder picker, OK and closing.
#include "AdminWindowsFixture.h"

#include "app/TFDaneFirmy.h"
#include "support/PolishTyping.h"
#include "widgets/FieldLineEdit.h"

#include <QPushButton>
#include <QToolButton>

namespace kzp::test {
namespace {

class TFDaneFirmyTest : public AdminWindowsFixture {
protected:
    void SetUp() override
    {
        AdminWindowsFixture::SetUp();
        window = std::make_unique<TFDaneFirmy>(*ctx);
        showAndWait(*window);
    }

    store::Cursor& parametry() { return dm->TParametry; }

    std::unique_ptr<TFDaneFirmy> window;
};

TEST_F(TFDaneFirmyTest, PostalCodeIsTypedAsTwoDigitsDashThreeDigits)
{
    struct Case {
        QString typed;
        QString stored;
    };
    const QList<Case> cases = {
        {QStringLiteral("00950"), QStringLiteral("00-950")},
        {QStringLiteral("90-001"), QStringLiteral("90-001")},
        {QStringLiteral("9a0b0c1d2"), QStringLiteral("90-012")}, // only digits are taken
        {QStringLiteral("1234567"), QStringLiteral("12-345")},    // no more than five
    };
    widgets::FieldLineEdit* edit = window->postalCodeEdit();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        typeText(edit, c.typed);
        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("BBOk")), Qt::LeftButton);
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(parametry().state(), store::Cursor::State::Browse);
        EXPECT_EQ(parametry().field("Kod_Pocz").asString(), c.stored);
        showAndWait(*window);
    }
    EXPECT_TRUE(dialogs.texts().isEmpty());
}

TEST_F(TFDaneFirmyTest, PickedArchiveFolderPutsTheRowIntoEditing)
{
    QString askedCaption;
    window->pickFolder = [&](QWidget*, const QString& caption, const QString&) {
        askedCaption = caption;
        return askedCaption.isEmpty() ? QString() : QStringLiteral("/srv/kopie");
    };
    QTest::mouseClick(window->findChild<QToolButton*>(QStringLiteral("BBKatalogArchiwum")), Qt::LeftButton);
    EXPECT_EQ(askedCaption, QStringLiteral("Wybierz katalog:"));
    EXPECT_EQ(parametry().state(), store::Cursor::State::Edit);
    EXPECT_EQ(parametry().field("KatalogArchiwum").asString(), QStringLiteral("/srv/kopie"));

    // Closing asks; Yes stores the folder.
    dialogs.answer(Dialogs::Yes);
    pressEscape(*window);
    ASSERT_EQ(dialogs.shown().size(), 1);
    EXPECT_EQ(dialogs.last().text, QStringLiteral(" Czy zapisać zmiany w parametrach "));
    EXPECT_EQ(dialogs.last().caption, QStringLiteral("  Kontrola wprowadzania  "));
    EXPECT_FALSE(window->isVisible());
    parametry().refresh();
    EXPECT_EQ(parametry().field("KatalogArchiwum").asString(), QStringLiteral("/srv/kopie"));
}

TEST_F(TFDaneFirmyTest, AnulujAsksAndCanDropTheChange)
{
    const QString before = parametry().field("NazwaFirmy").asString();
    auto* name = window->findChild<widgets::FieldLineEdit*>(QStringLiteral("DBEditNazwaFirmy"));
    name->setFocus();
    typeText(name, QStringLiteral(" Spółka"));
    dialogs.answer(Dialogs::Cancel);
    dialogs.answer(Dialogs::No);
    QPushButton* anuluj = window->findChild<QPushButton*>(QStringLiteral("BBAnuluj"));
    QTest::mouseClick(anuluj, Qt::LeftButton);
    EXPECT_TRUE(window->isVisible()) << "Cancel keeps the window";
    QTest::mouseClick(anuluj, Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(dialogs.texts(), QStringList(2, QStringLiteral(" Czy zapisać zmiany w parametrach ")));
    EXPECT_EQ(parametry().field("NazwaFirmy").asString(), before);
}

} // namespace
} // namespace kzp::test
