// The member ledger's record rules and balances on a large fund (5,000 members, 600,000
// contribution rows): walking the members with their calculated fields, and storing a contribution
// by hand with the member's Wklad read again.
#include "SyntheticFund.h"

#include "common/Dialogs.h"
#include "data/LedgerRules.h"
#include "data/RuleContext.h"
#include "data/Session.h"
#include "data/TDM.h"
#include "store/Database.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>
#include <optional>
#include <random>

namespace {

// Answers Yes to every question.
class YesDialogs : public kzp::Dialogs {
public:
    Button show(const Message& message) override { return (message.buttons & Yes) ? Yes : Ok; }
};

struct LedgerFund {
    QTemporaryDir dir;
    store::Database db;
    kzp::Session session;
    YesDialogs dialogs;
    std::unique_ptr<kzp::TDM> dm;
    std::optional<kzp::RuleContext> ctx;
    std::unique_ptr<kzp::LedgerRules> rules;

    LedgerFund()
    {
        db.open(dir.path());
        const QString folder = bench::makeSyntheticFund(db, dir.path());
        session.processingDate = kzp::DateTriple::fromValues(2030, 6, 15);
        session.currentUser.identyfikator = 1;
        session.currentUser.rights[kzp::RightUpdate] = true;
        session.users = {session.currentUser};
        dm = std::make_unique<kzp::TDM>(db);
        dm->openSharedCursors();
        dm->TKasy.first();
        dm->pointAtFund(folder, 2003, 5);
        ctx.emplace(kzp::RuleContext{*dm, session, dialogs, {}});
        rules = kzp::installLedgerRules(*ctx);
        dm->setReportFlag(false);
        dm->openFundCursors();
    }
};

LedgerFund& fund()
{
    static LedgerFund instance;
    return instance;
}

void WalkMembersWithCalculatedFields(benchmark::State& state)
{
    kzp::TDM& dm = *fund().dm;
    store::Cursor& members = dm.TCzlonkowie;
    for (auto _ : state) {
        double total = 0;
        for (members.first(); !members.eof(); members.next())
            total += members.field("Wklad").asFloat() + members.field("Wpisowe").asFloat();
        benchmark::DoNotOptimize(total);
    }
    state.counters["members"] = members.recordCount();
}
BENCHMARK(WalkMembersWithCalculatedFields)->Unit(benchmark::kMillisecond)->Iterations(3);

// The same walk with the details left where they are: the cost of the calculated fields alone.
void WalkMembersWithoutDetails(benchmark::State& state)
{
    store::Cursor& members = fund().dm->TCzlonkowie;
    for (auto _ : state) {
        double total = 0;
        members.disableControls();
        for (members.first(); !members.eof(); members.next())
            total += members.field("Wklad").asFloat() + members.field("Wpisowe").asFloat();
        members.enableControls();
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(WalkMembersWithoutDetails)->Unit(benchmark::kMillisecond)->Iterations(3);

void MoveToAMember(benchmark::State& state)
{
    kzp::TDM& dm = *fund().dm;
    std::mt19937 random(11);
    for (auto _ : state) {
        dm.TCzlonkowie.setRecNo(int(random() % dm.TCzlonkowie.recordCount()));
        benchmark::DoNotOptimize(dm.TCzlonkowie.field("Wklad").asFloat());
    }
}
BENCHMARK(MoveToAMember)->Unit(benchmark::kMillisecond);

void StoreAContributionAndRefreshWklad(benchmark::State& state)
{
    LedgerFund& f = fund();
    kzp::TDM& dm = *f.dm;
    std::mt19937 random(5);
    double before = 0, after = 0;
    for (auto _ : state) {
        state.PauseTiming();
        dm.TCzlonkowie.setRecNo(int(random() % dm.TCzlonkowie.recordCount()));
        before = dm.TCzlonkowie.field("Wklad").asFloat();
        state.ResumeTiming();
        store::Cursor& w = dm.TWplaty;
        w.insert();
        f.rules->chooseOperation("20");
        w.setValue("Forma", "K");
        w.post();
        after = dm.TCzlonkowie.field("Wklad").asFloat();
    }
    if (!(after > before))
        state.SkipWithError("Wklad did not follow the stored contribution");
}
BENCHMARK(StoreAContributionAndRefreshWklad)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    fund();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
