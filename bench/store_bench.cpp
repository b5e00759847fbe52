// The member ledger's everyday reads on a large fund: opening the members in surname order,
// walking them with their balances, searching by surname, opening one member's details.
#include "LedgerFund.h"

#include "data/TDM.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <random>

namespace {

// The members' balances are the ledger's own calculated fields (indexed sums per member).
bench::LedgerFund& fund()
{
    return bench::ledgerFund();
}

void OpenMembersInSurnameOrder(benchmark::State& state)
{
    store::Cursor& members = fund().dm->TCzlonkowie;
    for (auto _ : state) {
        members.close();
        members.open();
        benchmark::DoNotOptimize(members.recordCount());
    }
    state.counters["members"] = members.recordCount();
}
BENCHMARK(OpenMembersInSurnameOrder)->Unit(benchmark::kMillisecond);

void WalkAllMembersWithBalances(benchmark::State& state)
{
    kzp::TDM& dm = *fund().dm;
    store::Cursor& members = dm.TCzlonkowie;
    for (auto _ : state) {
        double total = 0;
        members.disableControls(); // details need not follow a walk
        for (members.first(); !members.eof(); members.next())
            total += members.field("Wklad").asFloat();
        members.enableControls();
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(WalkAllMembersWithBalances)->Unit(benchmark::kMillisecond);

void NearestSurnameSearch(benchmark::State& state)
{
    store::Cursor& members = fund().dm->TCzlonkowie;
    const QStringList typed{"K", "Kow", "Łuk", "Ż", "Zi", "Nowako", "Wiś", "a"};
    int i = 0;
    for (auto _ : state) {
        members.findNearest({typed[i++ % typed.size()]});
        benchmark::DoNotOptimize(members.recNo());
    }
}
BENCHMARK(NearestSurnameSearch)->Unit(benchmark::kMicrosecond);

void OpenOneMembersDetails(benchmark::State& state)
{
    kzp::TDM& dm = *fund().dm;
    std::mt19937 random(7);
    for (auto _ : state) {
        dm.TCzlonkowie.setRecNo(int(random() % dm.TCzlonkowie.recordCount()));
        dm.TPozyczki.last();
        benchmark::DoNotOptimize(dm.TWplaty.recordCount() + dm.TPozyczki.recordCount() + dm.TRaty.recordCount());
    }
    state.counters["contributions"] = dm.TWplaty.recordCount();
    state.counters["repayments"] = dm.TRaty.recordCount();
}
BENCHMARK(OpenOneMembersDetails)->Unit(benchmark::kMillisecond);

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
