// Speed of start-up and of the table cursor, on the demo data and on a hitter
// table a hundred times larger. Run offscreen:
//   QT_QPA_PLATFORM=offscreen build/bin/quillomet-bench --benchmark_repetitions=5
#include "app/InstallFolder.h"
#include "app/ScreenSet.h"
#include "data/DemoData.h"
#include "platform/db/Database.h"
#include "platform/db/TTable.h"
#include "platform/forms/Application.h"
#include "platform/forms/Look.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QString positionCode;

// The hitter card's cursor: last-name order, filtered on the position code.
std::unique_ptr<TTable> openHitters(const QString &alias)
{
    auto table = std::make_unique<TTable>();
    table->DatabaseName = alias;
    table->TableName = "BTRMAST.DB";
    table->IndexFieldNames = "LST_NM_97;FRST_NM_97";
    table->ReadOnly = true;
    table->OnFilterRecord = [](TTable &t, bool &accept) {
        const TField position = t.FieldByName("POS_97");
        accept = !position.isNull() && position.asText() == positionCode;
    };
    table->Open();
    return table;
}

void BM_StartUp(benchmark::State &state)
{
    for (auto _ : state) {
        const QString failure = createScreenSet();
        if (!failure.isEmpty())
            state.SkipWithError(failure.toUtf8().constData());
        Application::instance().destroyForms();
    }
}

void BM_FilterOnFirstRecord(benchmark::State &state, const char *alias)
{
    auto table = openHitters(alias);
    positionCode = "SS";
    for (auto _ : state)
        table->SetFiltered(true);
}

void BM_NavigatorStep(benchmark::State &state, const char *alias)
{
    auto table = openHitters(alias);
    positionCode = "2B";
    table->SetFiltered(true);
    table->Next();
    bool forward = true;
    for (auto _ : state) {
        forward ? table->Next() : table->Prior();
        forward = !forward;
    }
}

void BM_KeySearch(benchmark::State &state, const char *alias)
{
    auto table = openHitters(alias);
    positionCode = "OF";
    table->SetFiltered(true);
    const QString firstColumn = table->Columns().first().name;
    for (auto _ : state) {
        table->SetKey();
        table->SetKeyFieldText(firstColumn, "M");
        table->GotoNearest();
    }
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    Look::installFontSubstitutions();
    InstallFolder::setPath(QUILLOMET_SHARE_DIR);
    Database::setAliasPath("Baseball", InstallFolder::path() + "Baseball");

    QTemporaryDir large;
    DemoData::Options options;
    options.hitterCount = 65000;
    DemoData::writeDatabase(large.path(), options);
    Database::setAliasPath("Large", large.path());

    benchmark::RegisterBenchmark("StartUp/all screens", BM_StartUp)->Unit(benchmark::kMillisecond);
    for (const char *alias : {"Baseball", "Large"}) {
        const std::string suffix = std::string("/") + (alias == std::string("Large") ? "65000 hitters" : "demo");
        benchmark::RegisterBenchmark(("FilterOnFirstRecord" + suffix).c_str(), BM_FilterOnFirstRecord, alias)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("NavigatorStep" + suffix).c_str(), BM_NavigatorStep, alias)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("KeySearch" + suffix).c_str(), BM_KeySearch, alias)->Unit(benchmark::kMicrosecond);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
