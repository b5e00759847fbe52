#pragma once

#include <QString>

namespace store { class Database; }

namespace bench {

// The size of a generated fund.
struct FundSize {
    int members = 5000;
    int contributionMonths = 120; // one contribution a member a month: 600,000 rows at 5,000 members
    int loansPerMember = 3;       // 15,000 loans
    int repaymentsPerLoan = 20;   // 300,000 repayments
};

// Makes a working directory with the shared tables and one fund (Identyfikator 1, folder Kas1)
// filled with members, contributions, loans and repayments, written in one transaction with plain
// inserts. Deterministic: the same size gives the same data. Answers the fund folder.
QString makeSyntheticFund(store::Database& db, const QString& workDir, const FundSize& size = FundSize());

} // namespace bench
