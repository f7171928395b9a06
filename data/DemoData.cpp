#include "data/DemoData.h"

#include "data/DemoTables.h"
#include "data/LeagueBuilder.h"
#include "data/PlayerWriteUps.h"
#include "data/Reports.h"
#include "data/TeamSheets.h"
#include "platform/Failure.h"

#include <QDir>

namespace DemoData {

namespace {

// Each part of the generator draws from its own stream, so rewording a
// sentence pattern never changes a single statistic.
enum class Stream { Players = 0, WriteUps = 1, TeamSheets = 2, Reports = 3 };

quint64 streamSeed(quint32 seed, Stream stream)
{
    return quint64(seed) << 8 | quint64(stream);
}

}

void writeDatabase(const QString &baseballFolder, const Options &options)
{
    if (!QDir().mkpath(baseballFolder))
        throw Failure(QStringLiteral("Cannot create folder %1").arg(QDir::toNativeSeparators(baseballFolder)));

    LeagueBuilder builder(streamSeed(options.seed, Stream::Players));
    League league;
    league.hitters = builder.hitters(options.hitterCount);
    league.pitchers = builder.pitchers(options.pitcherCount);

    PlayerWriteUps writeUps(streamSeed(options.seed, Stream::WriteUps));
    for (Hitter &hitter : league.hitters)
        hitter.writeUp = writeUps.hitter(hitter);
    for (Pitcher &pitcher : league.pitchers)
        pitcher.writeUp = writeUps.pitcher(pitcher);

    league.sheets = TeamSheets(streamSeed(options.seed, Stream::TeamSheets)).build(league.hitters, league.pitchers);
    const Reports reports = ReportLists(streamSeed(options.seed, Stream::Reports)).build(league.hitters, league.pitchers);
    writeDemoTables(baseballFolder, league, reports);
}

}
