#pragma once

#include "data/LedgerRules.h"
#include "data/RuleContext.h"
#include "data/Session.h"
#include "data/TDM.h"
#include "store/Database.h"
#include "support/ScriptedDialogs.h"

#include <QDate>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <ostream>

// Readable texts in failure messages.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace kzp::test {

// An open fund (Kas1) with the ledger's rules installed, a clerk with the update right working on
// 2003-06-15, and helpers that write rows straight into the tables, past the rules.
class LedgerFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Plain inserts; the cursors are read again afterwards.
    int addMember(const QString& surname, int employeeNumber = 0, const QDate& left = QDate());
    int addContribution(int member, const QString& operation, double amount, const QDate& date,
                        const QString& status = QString(), const QString& form = "K");
    int addLoan(int member, const QDate& date, double amount, double percent = 5, int installments = 3,
                double first = 0, double regular = 0, double last = 0, const QString& status = QString(),
                double previousBalance = 0);
    int addRepayment(int loan, double amount, const QDate& date, const QString& status = QString(),
                     const QString& form = "K");
    void setFund(const QString& field, const QVariant& value);
    void readAgain();
    void goToMember(int id);
    void goToLoan(int id);
    QVariant sqlValue(const QString& sql);
    void exec(const QString& sql);
    QString fundTable(const QString& name);

    // The message of the refusal f raises; "<accepted>" when it raises none.
    static QString refusal(const std::function<void()>& f);

    QTemporaryDir m_dir;
    store::Database db;
    Session session;
    ScriptedDialogs dialogs;
    std::unique_ptr<TDM> dm;
    std::optional<RuleContext> ctx;
    std::unique_ptr<LedgerRules> rules;
};

} // namespace kzp::test
