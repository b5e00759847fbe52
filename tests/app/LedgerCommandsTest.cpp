#include "MainWindowFixture.h"

#include "app/LedgerCommands.h"
#include "app/TFDzialy.h"
#include "data/LedgerRules.h"
#include "ledger/TFCzlonkowie.h"
#include "reports/ReportPrinting.h"
#include "reports/TfrmOrvikPreview.h"

#include <QToolButton>

using namespace kzp;
using namespace kzp::test;

namespace {

class LedgerCommandsTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        m_rules = installLedgerRules(*m_ctx);
        m_printing = std::make_unique<ReportPrinting>(m_dialogs, m_window.get());
        wireLedgerCommands(*m_window, *m_ctx, *m_rules, *m_printing);
        addFund(1, "KZP testowa", false);
        logInAs({"ADMIN", "Administrator", "admin", {}}, DateTriple::fromValues(2003, 5, 31));
        m_dm->TKasy.open();
        m_dm->TKasy.first();
    }
    void TearDown() override
    {
        m_printing.reset();
        m_rules.reset();
        MainWindowFixture::TearDown();
    }

    std::unique_ptr<LedgerRules> m_rules;
    std::unique_ptr<ReportPrinting> m_printing;
};

} // namespace

TEST_F(LedgerCommandsTest, WybierzOpensTheMemberCardOfTheSelectedFund)
{
    ASSERT_TRUE(m_window->hasOpener(Command::Wybierz));
    QString shown;
    whenModal([&](QWidget* w) {
        shown = w->metaObject()->className();
        if (auto* card = qobject_cast<TFCzlonkowie*>(w))
            shown += " " + card->windowTitle();
        w->close();
    });
    m_dialogs.answer(Dialogs::Yes); // make the year's accounting tables
    m_window->runCommand(Command::Wybierz);
    EXPECT_EQ(shown, "kzp::TFCzlonkowie KZP testowa") << m_dialogs.texts().join(" | ").toStdString();
}

TEST_F(LedgerCommandsTest, DepartmentsWindowPreviewsTheDepartmentList)
{
    int previewPages = -1;
    QString caption;
    whenModal([&](QWidget* w) {
        auto* departments = qobject_cast<TFDzialy*>(w);
        ASSERT_NE(departments, nullptr) << w->metaObject()->className();
        ASSERT_TRUE(departments->printButton()->isEnabled());
        whenModal([&](QWidget* p) {
            if (auto* preview = qobject_cast<TfrmOrvikPreview*>(p)) {
                previewPages = preview->pageCount();
                caption = preview->windowTitle();
            }
            p->close();
        });
        departments->printButton()->click();
        departments->reject();
    });
    m_window->runCommand(Command::Dzialy);
    EXPECT_EQ(previewPages, 1);
    EXPECT_TRUE(caption.contains("Słownik - Działy")) << caption.toStdString();
}
