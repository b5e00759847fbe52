// The member ledger's record rules and balances on a large fund (5,000 members, 600,000
// contribution rows): walking the members with their calculated fields, and storing a contribution
// by hand with the member's Wklad read again.
#include "LedgerFund.h"

#include "data/TDM.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <random>

namespace {

using bench::LedgerFund;

LedgerFund& fund()
{
    return bench::ledgerFund();
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
