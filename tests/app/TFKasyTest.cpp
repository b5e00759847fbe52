// The fund register window and the register's record rules: adding a fund makes its folder and
// base tables, deleting asks, closing asks about unstored changes.
#include "AdminWindowsFixture.h"

#include "app/FieldChoiceEditors.h"
#include "app/TFKasy.h"
#include "data/FundRegisterRules.h"
#include "data/FundTables.h"
#include "data/TableNames.h"
#include "store/StoreError.h"
#include "store/Tables.h"
#include "support/PolishTyping.h"
#include "widgets/CursorGrid.h"
#include "widgets/CursorNavigator.h"
#include "widgets/CursorTableModel.h"
#include "widgets/FieldLineEdit.h"

#include <QDir>
#include <QFile>
#include <QTimer>
#include <QToolButton>

namespace kzp::test {
namespace {

using widgets::CursorNavigator;

class TFKasyTest : public AdminWindowsFixture {
protected:
    void SetUp() override
    {
        AdminWindowsFixture::SetUp();
        window = std::make_unique<TFKasy>(*ctx);
        showAndWait(*window);
    }

    store::Cursor& kasy() { return dm->TKasy; }

    template <class T>
    T* control(const char* name)
    {
        T* c = window->findChild<T*>(QLatin1String(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }

    // Adds a fund through the window as a clerk does: add, choose the type, type the name, store.
    void addFund(const QString& name, int typeIndex = 0)
    {
        ASSERT_TRUE(window->navigator()->trigger(CursorNavigator::Insert));
        ASSERT_TRUE(control<FieldItemCombo>("DBComboBoxRodzajKasy")->choose(typeIndex));
        auto* edit = control<widgets::FieldLineEdit>("DBEditNazwaKasy");
        edit->setFocus();
        typeText(edit, name);
        window->navigator()->trigger(CursorNavigator::Post);
    }

    // A stored fund, written without the window (its folder is not made).
    void storeFund(const QString& name, const QString& type)
    {
        kasy().insert();
        kasy().setValue("NazwaKasy", name);
        kasy().setValue("RodzajKasy", type);
        kasy().post();
        dialogs.clear();
    }

    QString folderOf(int id) const { return fundFolderPath(db.workDir(), id); }

    std::unique_ptr<TFKasy> window;
};

TEST_F(TFKasyTest, AddingAFundMakesItsFolderAndBaseTables)
{
    addFund(QStringLiteral("Kasa Zapomogowa Łódź"), 1);

    ASSERT_EQ(kasy().state(), store::Cursor::State::Browse);
    ASSERT_EQ(dialogs.texts(), QStringList{QStringLiteral("Tworze folder dla nowej kasy")});
    EXPECT_EQ(dialogs.last().icon, Dialogs::Icon::Information);
    EXPECT_EQ(kasy().field("RodzajKasy").asString(), QStringLiteral("M"));
    EXPECT_EQ(kasy().field("KtoZmienil").asInt(), 1);
    EXPECT_EQ(kasy().field("KtoZmienilNazwisko").asString(), QStringLiteral("Administrator"));
    const int id = kasy().field("Identyfikator").asInt();
    ASSERT_TRUE(QFileInfo(folderOf(id)).isDir());
    EXPECT_EQ(FundTables(db).firstMissingBaseTable(folderOf(id)), QString());
    EXPECT_TRUE(store::Tables(db).exists({folderOf(id), table::NumeryDok}));

    // The grid shows the type's text, not its letter.
    widgets::CursorTableModel* model = window->grid()->cursorModel();
    EXPECT_EQ(model->data(model->index(0, model->columnOf("RodzajKasy"))).toString(), QStringLiteral(" ZFM "));
}

TEST_F(TFKasyTest, AFolderAlreadyThereIsNotTakenOverByANewFund)
{
    // The next fund gets identifier 1; something of that name is already on disk.
    struct Case {
        const char* what;
        bool asFile;
    };
    for (const Case c : {Case{"folder", false}, Case{"file", true}}) {
        SCOPED_TRACE(c.what);
        const int nextId = kasy().recordCount() + 1;
        if (c.asFile) {
            QFile f(folderOf(nextId));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        } else {
            ASSERT_TRUE(QDir().mkdir(folderOf(nextId)));
        }
        dialogs.clear();
        addFund(QStringLiteral("Kasa %1").arg(nextId));

        ASSERT_EQ(dialogs.texts(), (QStringList{QStringLiteral("Tworze folder dla nowej kasy"),
                                                QStringLiteral("Katalog z daną kasą już istnieje !")}));
        EXPECT_EQ(dialogs.last().caption, QStringLiteral("B ł ą d"));
        EXPECT_EQ(dialogs.last().icon, Dialogs::Icon::Error);
        // The row is kept, and nothing was made in what was there.
        EXPECT_EQ(kasy().recordCount(), nextId);
        EXPECT_EQ(kasy().state(), store::Cursor::State::Browse);
        EXPECT_FALSE(store::Database::hasDatabaseFile(folderOf(nextId)));
    }
}

TEST_F(TFKasyTest, EditingAFundDoesNotMakeAFolder)
{
    storeFund(QStringLiteral("Kasa A"), QStringLiteral("K"));
    QDir(folderOf(1)).removeRecursively();
    // A new row started and dropped leaves nothing behind for the next post.
    ASSERT_TRUE(window->navigator()->trigger(CursorNavigator::Insert));
    ASSERT_TRUE(window->navigator()->trigger(CursorNavigator::Cancel));
    ASSERT_TRUE(window->navigator()->trigger(CursorNavigator::Edit));
    kasy().setValue("NazwaKasy", QStringLiteral("Kasa B"));
    ASSERT_TRUE(window->navigator()->trigger(CursorNavigator::Post));

    EXPECT_TRUE(dialogs.texts().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(folderOf(1)));
}

TEST_F(TFKasyTest, PostRefusesAnEmptyNameFirstThenAWrongType)
{
    struct Case {
        QString name;
        QString type;
        QString message;
    };
    const QList<Case> cases = {
        {QString(), QString(), QStringLiteral("Nazwa kasy nie może być pusta !!!")},
        {QStringLiteral("   "), QStringLiteral("K"), QStringLiteral("Nazwa kasy nie może być pusta !!!")},
        {QStringLiteral("Kasa"), QString(), QStringLiteral("Rodzaj kasy musi być K (KZP) lub M (ZFM) !!!")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.toStdString() + "/" + c.type.toStdString());
        ASSERT_TRUE(window->navigator()->trigger(CursorNavigator::Insert));
        kasy().setValue("NazwaKasy", c.name);
        if (!c.type.isEmpty())
            kasy().setValue("RodzajKasy", c.type);
        dialogs.clear();
        EXPECT_FALSE(window->navigator()->trigger(CursorNavigator::Post));
        EXPECT_EQ(dialogs.texts(), QStringList{c.message});
        // The typed values stay for the clerk to correct.
        EXPECT_EQ(kasy().state(), store::Cursor::State::Insert);
        EXPECT_EQ(kasy().field("NazwaKasy").asString(), c.name);
        kasy().cancel();
    }
    EXPECT_EQ(kasy().recordCount(), 0);
    EXPECT_FALSE(QFileInfo::exists(folderOf(1)));
}

TEST_F(TFKasyTest, FundTypeTakesOnlyKOrM)
{
    storeFund(QStringLiteral("Kasa"), QStringLiteral("K"));
    kasy().edit();
    EXPECT_THROW(kasy().setValue("RodzajKasy", QStringLiteral("X")), store::RuleError);
    EXPECT_EQ(kasy().field("RodzajKasy").asString(), QStringLiteral("K"));
    kasy().cancel();

    EXPECT_EQ(fundTypeText("K"), QStringLiteral(" KZP "));
    EXPECT_EQ(fundTypeText("M"), QStringLiteral(" ZFM "));
    EXPECT_EQ(fundTypeText(""), QStringLiteral("X"));
    EXPECT_EQ(fundTypeText("Z"), QStringLiteral("X"));
}

TEST_F(TFKasyTest, DeletingAFundAsksAndLeavesItsFolder)
{
    const QString question = QStringLiteral(" Skasowanie kasy spowoduje utratę danych całej wybranej kasy !!!\n"
                                            " ZFM     Kasa Mieszkaniowa\n\n Czy chcesz skasować wybraną kasę ?    ");
    struct Case {
        const char* what;
        bool administrator;
        Dialogs::Button answer;
        QStringList texts;
        int rowsAfter;
    };
    const QList<Case> cases = {
        {"no administrator", false, Dialogs::NoButton,
         {QStringLiteral("Brak uprawnień ADMINISTRATORA do skasowania kasy!!!")}, 1},
        {"answered No", true, Dialogs::No, {question, QStringLiteral(" Zrezygnowano z kasowania !!! ")}, 1},
        {"answered Yes", true, Dialogs::Yes, {question}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (kasy().isEmpty()) {
            addFund(QStringLiteral("Kasa Mieszkaniowa"), 1);
            ASSERT_TRUE(QFileInfo(folderOf(kasy().field("Identyfikator").asInt())).isDir());
        }
        const int id = kasy().field("Identyfikator").asInt();
        session.currentUser.rights[RightAdministrator] = c.administrator;
        dialogs.clear();
        if (c.answer != Dialogs::NoButton)
            dialogs.answer(c.answer);
        window->navigator()->trigger(CursorNavigator::Delete);

        EXPECT_EQ(dialogs.texts(), c.texts);
        if (c.answer != Dialogs::NoButton) {
            EXPECT_EQ(dialogs.shown().first().caption, QStringLiteral(" Wykaz kas"));
            EXPECT_EQ(dialogs.shown().first().icon, Dialogs::Icon::Question);
        }
        EXPECT_EQ(kasy().recordCount(), c.rowsAfter);
        EXPECT_EQ(store::Tables(db).rowCount({db.workDir(), table::Kasy}), c.rowsAfter);
        EXPECT_TRUE(QFileInfo(folderOf(id)).isDir());
    }
}

TEST_F(TFKasyTest, ClosingAsksAboutAFundBeingEditedOrAdded)
{
    storeFund(QStringLiteral("Kasa"), QStringLiteral("K"));
    struct Case {
        const char* what;
        bool adding;
        Dialogs::Button answer;
        bool closes;
        QString nameAfter; // of the first fund
        int rowsAfter;
    };
    const QList<Case> cases = {
        {"edited, Cancel", false, Dialogs::Cancel, false, QStringLiteral("Kasa"), 1},
        {"edited, No", false, Dialogs::No, true, QStringLiteral("Kasa"), 1},
        {"edited, Yes", false, Dialogs::Yes, true, QStringLiteral("Kasa zmieniona"), 1},
        {"added, Cancel", true, Dialogs::Cancel, false, QStringLiteral("Kasa zmieniona"), 1},
        {"added, No", true, Dialogs::No, true, QStringLiteral("Kasa zmieniona"), 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (!window->isVisible())
            showAndWait(*window);
        if (!kasy().isEditing()) {
            kasy().first();
            if (c.adding) {
                kasy().insert();
            } else {
                kasy().edit();
                kasy().setValue("NazwaKasy", QStringLiteral("Kasa zmieniona"));
            }
        }
        dialogs.clear();
        dialogs.answer(c.answer);
        pressEscape(*window);

        ASSERT_EQ(dialogs.shown().size(), 1);
        EXPECT_EQ(dialogs.last().text, c.adding ? QStringLiteral(" Czy dopisać nową KASĘ !!!")
                                                : QStringLiteral(" Czy zapisać zmiany w parametrach KASY!!!"));
        EXPECT_EQ(dialogs.last().caption, QStringLiteral("  Kontrola wprowadzania  "));
        EXPECT_EQ(dialogs.last().icon, Dialogs::Icon::Warning);
        EXPECT_EQ(window->isVisible(), !c.closes);
        EXPECT_EQ(kasy().isEditing(), !c.closes);
        if (!kasy().isEditing()) {
            kasy().first();
            EXPECT_EQ(kasy().field("NazwaKasy").asString(), c.nameAfter);
            EXPECT_EQ(kasy().recordCount(), c.rowsAfter);
        }
    }
}

TEST_F(TFKasyTest, ShownModallyClosesWithEscWithoutAskingWhenNothingIsPending)
{
    window->hide();
    QTimer::singleShot(0, [this] { pressEscape(*window); });
    EXPECT_EQ(window->exec(), QDialog::Rejected);
    EXPECT_TRUE(dialogs.shown().isEmpty());
}

TEST_F(TFKasyTest, FolderPickersWriteThePathIntoTheFund)
{
    storeFund(QStringLiteral("Kasa"), QStringLiteral("K"));
    QString askedCaption;
    QString answer;
    window->pickFolder = [&](QWidget*, const QString& caption, const QString&) {
        askedCaption = caption;
        return answer;
    };
    struct Case {
        const char* button;
        const char* field;
        QString caption;
        QString picked;
        QString stored;   // the field afterwards
        bool editing;     // the row is put into editing
        QString message;  // shown, if any
    };
    const QString tooLong = QStringLiteral("/a/very/long/path/to/the/payroll/files");
    const QList<Case> cases = {
        {"BBSciezkaPlac", "SciezkaPlac", QStringLiteral("Wybierz katalog PŁAC:"), QString(), QString(), false, {}},
        {"BBSciezkaPlac", "SciezkaPlac", QStringLiteral("Wybierz katalog PŁAC:"), QStringLiteral("/dane/place"),
         QStringLiteral("/dane/place"), true, {}},
        {"BBSciezkaKadr", "SciezkaKadr", QStringLiteral("Wybierz katalog KADR:"), QStringLiteral("/dane/kadry"),
         QStringLiteral("/dane/kadry"), true, {}},
        {"BBSciezkaPlac", "SciezkaPlac", QStringLiteral("Wybierz katalog PŁAC:"), tooLong, QString(), false,
         QStringLiteral("Ścieżka jest za długa (najwyżej 30 znaków):\n") + tooLong},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button + std::string(" ") + c.picked.toStdString());
        kasy().cancel();
        dialogs.clear();
        answer = c.picked;
        QTest::mouseClick(control<QToolButton>(c.button), Qt::LeftButton);
        EXPECT_EQ(askedCaption, c.caption);
        EXPECT_EQ(kasy().isEditing(), c.editing);
        EXPECT_EQ(kasy().field(c.field).asString(), c.stored);
        EXPECT_EQ(dialogs.texts(), c.message.isEmpty() ? QStringList() : QStringList{c.message});
    }
}

} // namespace
} // namespace kzp::test
