#pragma once

#include "data/LedgerRules.h"
#include "data/RuleContext.h"
#include "data/Session.h"
#include "data/TDM.h"
#include "store/Database.h"
#include "support/ScriptedDialogs.h"

#include <QDate>
#include <QTemporaryDir>
#include <QVariantMap>
#include <gtest/gtest.h>
#include <memory>

namespace kzp::test {

// A working directory with one fund (Kas1), opened for the processing date 2003-06-30 by a user
// with every right, with the ledger's record rules in place. Rows are written
// straight into the tables, so what a test sets up passes no rule.
class SmallFund : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The fund's register row; call before openFund.
    struct FundSetup {
        bool payroll = true;
        QString hrFolder;          // SciezkaKadr
        double entryFee = 50.0;    // KwotaWpisowe
        QDate closedUntil = QDate(2003, 5, 31);
    };
    // Writes the fund row and its tables and opens the fund as the member window does.
    void openFund(const FundSetup& setup);
    void openFund() { openFund(FundSetup{}); }

    int addMember(const QString& surname, const QString& name, int number, const QDate& left = QDate());
    void addContribution(int member, const QString& operation, double amount, const QDate& date = QDate(2003, 1, 31));
    int addLoan(int member, double amount, int guarantor1 = 0, int guarantor2 = 0, double percent = 0.0);
    void addRepayment(int loan, double amount);
    // Reads the fund's cursors again after rows were written behind their backs.
    void refreshFund();
    // Puts TCzlonkowie on the member (visible ones only).
    void goToMember(int member);

    // The columns of a fund table's rows (those matching the SQL condition), in storing order.
    QList<QVariantList> rows(const QString& table, const QStringList& columns, const QString& where = QString());

    QString path(const QString& relative) const;

    QTemporaryDir m_dir;
    store::Database m_db;
    std::unique_ptr<TDM> m_dm;
    Session m_session;
    ScriptedDialogs m_dialogs;
    std::unique_ptr<RuleContext> m_ctx;
    // The ledger's record rules, installed once the fund is open.
    std::unique_ptr<LedgerRules> m_rules;

private:
    qint64 insert(const QString& table, const QVariantMap& values);
};

} // namespace kzp::test
