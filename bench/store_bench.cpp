// The member ledger's everyday reads on a large fund: opening the members in surname order,
// walking them with their balances, searching by surname, opening one member's details.
#include "SyntheticFund.h"

#include "data/TDM.h"
#include "store/Database.h"
#include "store/Statement.h"
#include "store/Tables.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>
#include <random>

namespace {

struct LargeFund {
    QTemporaryDir dir;
    store::Database db;
    std::unique_ptr<kzp::TDM> dm;
    std::unique_ptr<store::Statement> sums;

    LargeFund()
    {
        db.open(dir.path());
        const QString folder = bench::makeSyntheticFund(db, dir.path());
        dm = std::make_unique<kzp::TDM>(db);
        dm->openSharedCursors();
        dm->pointAtFund(folder, 2003, 5);
        // The members' balances as the ledger computes them: indexed sums of the member's rows.
        sums = std::make_unique<store::Statement>(db.prepare(
            "SELECT coalesce(sum(CASE WHEN Operacja IN ('20','40') THEN Kwota WHEN Operacja = '50' THEN -Kwota END), 0), "
            "coalesce(sum(CASE WHEN Operacja = '10' THEN Kwota END), 0) FROM " +
            store::Tables(db).qualified({folder, "WPLATY"}) + " WHERE IdentyfikatorPracownika = ?"));
        dm->TCzlonkowie.onCalcFields = [this](store::Cursor& c) {
            if (dm->reportFlag())
                return;
            sums->reset();
            sums->bind(1, c.value("IdentyfikatorPracownika"));
            sums->step();
            c.field("Wklad").setValue(sums->real(0));
            c.field("Wpisowe").setValue(sums->real(1));
            sums->reset();
        };
        dm->setReportFlag(false);
        dm->openFundCursors();
    }
};

LargeFund& fund()
{
    static LargeFund instance;
    return instance;
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
