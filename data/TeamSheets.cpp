#include "data/TeamSheets.h"

#include "data/Phrase.h"
#include "data/PlayerFacts.h"

#include <QHash>
#include <QStringList>

#include <algorithm>
#include <functional>

namespace {

using Pool = QVector<QString>;

const Pool expansionOffense = {
    "As a first-year club, the {team} have pieced together a lineup of expansion picks and veterans.",
    "Nobody expects much offense from the new {team}, a lineup assembled in one winter.",
};

const Pool unsettledOffense = {
    "The {team} go to camp without a settled lineup.",
};

const Pool powerOffense = {
    "The {team} can mash: our projections give the regulars {powerTotal} home runs.",
    "Few lineups have the thunder the {team} bring, with {cleanup} leading a group good for {powerTotal} homers.",
};

const Pool contactOffense = {
    "The {team} will not hit many balls out, but they put the ball in play; the regulars project to a {teamAvg} average.",
    "This is a line-drive lineup: a {teamAvg} projected average, if only {powerTotal} home runs.",
};

const Pool plainOffense = {
    "The {team} offense looks middle-of-the-pack, with {powerTotal} projected homers and a {teamAvg} average from the regulars.",
    "On paper the {team} lineup is ordinary: about {powerTotal} home runs and a {teamAvg} average.",
};

const Pool tableSetters = {
    "{lead} sets the table with his speed ({leadSteals} projected), and {second} should get on base in front of the big bats.",
    "The top of the order, {lead} and {second}, will score plenty of runs if they stay healthy.",
};

const Pool heartOfOrder = {
    "{third} and {cleanup} form the heart of the order; {cleanup} alone could hit {cleanupHomers}.",
    "Everything depends on {cleanup} in the cleanup spot, projected for {cleanupHomers} and {cleanupRbi} RBI.",
};

const Pool newcomerHitters = {
    "The key addition is {newcomer}, who came over from the {newcomerFrom}.",
    "{newcomer}, new from the {newcomerFrom}, changes the look of the lineup.",
};

const Pool weakSpots = {
    "The weak spot is {weakPos}, where {weak} projects to only {weakAvg}.",
    "Look for an upgrade at {weakPos}; {weak} ({weakAvg} projected) is the weak link.",
};

const Pool aceLines = {
    "{ace} anchors the staff and projects to {aceWins} with a {aceEra} ERA.",
    "It starts with {ace}, who should win {aceW} games with an ERA around {aceEra}.",
};

const Pool deepRotations = {
    "The five starters project to a combined {rotationEra} ERA, one of the deepest rotations in the league.",
    "With a projected {rotationEra} ERA from the rotation, the {team} will be in most games.",
};

const Pool thinRotations = {
    "Behind the top two it gets thin: the rotation projects to a {rotationEra} ERA, and {fifth} will be hard-pressed to hold his spot.",
    "The back of the rotation is a problem; the five starters project to a {rotationEra} ERA.",
};

const Pool plainRotations = {
    "The rotation projects to a {rotationEra} ERA, about league average.",
    "The rest of the rotation is serviceable, with a projected {rotationEra} ERA.",
};

const Pool closers = {
    "{closer} closes, and {closerSaves} look likely.",
    "In the ninth inning the {team} turn to {closer}, good for {closerSaves}.",
};

const Pool noCloser = {
    "The bullpen has no proven closer, and that will cost the {team} a few games.",
};

const Pool newcomerPitchers = {
    "{newcomer}, acquired from the {newcomerFrom}, should help right away.",
    "The staff adds {newcomer} from the {newcomerFrom}.",
};

const Pool staffVerdicts = {
    "If the staff stays healthy, {rank} place is within reach.",
    "The pitching is a big reason we see them {rank} in the {division}.",
    "This staff is good enough for {rank} in the {division}, and no better.",
};

const Pool finishes = {
    "We see them finishing {rank} in the {division}.",
    "Our pick: {rank} in the {division}.",
    "Put them down for {rank} place in the {division}.",
};

QString ordinal(int rank)
{
    static const QStringList words = {"first", "second", "third", "fourth", "fifth", "sixth"};
    return words.value(rank - 1, QString::number(rank) + "th");
}

QString divisionName(const Team &team)
{
    return (team.league == Team::League::American ? "AL " : "NL ") + team.division;
}

template <typename T, typename Score>
const T *takeBest(QVector<const T *> &players, Score score)
{
    if (players.isEmpty())
        return nullptr;
    const auto best = std::max_element(players.begin(), players.end(),
                                       [&](const T *a, const T *b) { return score(*a) < score(*b); });
    const T *player = *best;
    players.erase(best);
    return player;
}

// Speed leads off, contact bats second, the best hitter third, the most power
// fourth, then the run producers and the rest by value.
QVector<const Hitter *> battingOrder(QVector<const Hitter *> players)
{
    const auto avg = [](const Hitter &h) { return h.outlook.averageThousandths(); };
    const Hitter *first = takeBest(players, [&](const Hitter &h) { return h.outlook.steals * 10 + avg(h) / 10; });
    const Hitter *second = takeBest(players, avg);
    const Hitter *fourth = takeBest(players, [](const Hitter &h) { return h.outlook.homeRuns; });
    const Hitter *third = takeBest(players, [&](const Hitter &h) { return avg(h) + h.outlook.homeRuns * 8; });
    const Hitter *fifth = takeBest(players, [](const Hitter &h) { return h.outlook.rbi; });
    QVector<const Hitter *> order;
    for (const Hitter *hitter : {first, second, third, fourth, fifth})
        if (hitter)
            order << hitter;
    while (const Hitter *next = takeBest(players, [](const Hitter &h) { return h.value; }))
        order << next;
    return order;
}

bool byValue(const Person *a, const Person *b)
{
    return a->value > b->value;
}

}

struct TeamSheets::Staff {
    const Team *team = nullptr;
    QVector<const Hitter *> lineup;      // batting order
    QVector<const Pitcher *> rotation;   // best first
    const Pitcher *closer = nullptr;
    int strength = 0;
};

QVector<TeamSheet> TeamSheets::build(const QVector<Hitter> &hitters, const QVector<Pitcher> &pitchers)
{
    QHash<const Team *, QVector<const Hitter *>> hittersByClub;
    for (const Hitter &hitter : hitters)
        hittersByClub[hitter.team98] << &hitter;
    QHash<const Team *, QVector<const Pitcher *>> pitchersByClub;
    for (const Pitcher &pitcher : pitchers)
        pitchersByClub[pitcher.team98] << &pitcher;

    QVector<Staff> staffs;
    for (const Team &team : allTeams())
        staffs << staffOf(team, hittersByClub.value(&team), pitchersByClub.value(&team));

    // Within a division the stronger club finishes ahead; ties go by key.
    QHash<const Team *, int> ranks;
    for (const Staff &staff : staffs) {
        int rank = 1;
        for (const Staff &rival : staffs)
            if (rival.team->league == staff.team->league && rival.team->division == staff.team->division
                && (rival.strength > staff.strength
                    || (rival.strength == staff.strength && rival.team->key < staff.team->key)))
                ++rank;
        ranks.insert(staff.team, rank);
    }

    std::sort(staffs.begin(), staffs.end(), [](const Staff &a, const Staff &b) { return a.team->key < b.team->key; });
    QVector<TeamSheet> sheets;
    for (const Staff &staff : staffs)
        sheets << sheetOf(staff, ranks.value(staff.team));
    return sheets;
}

TeamSheets::Staff TeamSheets::staffOf(const Team &team, const QVector<const Hitter *> &hitters,
                                      const QVector<const Pitcher *> &pitchers) const
{
    Staff staff;
    staff.team = &team;

    QVector<const Hitter *> available = hitters;
    std::stable_sort(available.begin(), available.end(), byValue);
    const auto takeFirst = [&](const std::function<bool(const Hitter &)> &fits) -> const Hitter * {
        for (auto it = available.begin(); it != available.end(); ++it)
            if (fits(**it)) {
                const Hitter *hitter = *it;
                available.erase(it);
                return hitter;
            }
        return nullptr;
    };
    QVector<const Hitter *> nine;
    for (const QString &position : startingPositions(team)) {
        const Hitter *hitter = takeFirst([&](const Hitter &h) { return h.position == position && h.role == HitterRole::Regular; });
        if (!hitter)
            hitter = takeFirst([&](const Hitter &h) { return h.position == position && h.role != HitterRole::Prospect; });
        if (!hitter)
            hitter = takeFirst([](const Hitter &h) { return h.role != HitterRole::Prospect; });
        if (hitter)
            nine << hitter;
    }
    staff.lineup = battingOrder(nine);

    QVector<const Pitcher *> arms = pitchers;
    std::stable_sort(arms.begin(), arms.end(), byValue);
    for (const Pitcher *pitcher : arms)
        if (pitcher->role == PitcherRole::Starter && staff.rotation.size() < 5)
            staff.rotation << pitcher;
    for (const Pitcher *pitcher : arms)
        if (pitcher->role == PitcherRole::Prospect && pitcher->position == "SP" && staff.rotation.size() < 5)
            staff.rotation << pitcher;
    for (PitcherRole role : {PitcherRole::Closer, PitcherRole::Setup})
        for (const Pitcher *pitcher : arms)
            if (!staff.closer && pitcher->role == role)
                staff.closer = pitcher;

    for (const Hitter *hitter : staff.lineup)
        staff.strength += hitter->value;
    for (const Pitcher *pitcher : staff.rotation)
        staff.strength += pitcher->value;
    if (staff.closer)
        staff.strength += staff.closer->value;
    return staff;
}

TeamSheet TeamSheets::sheetOf(const Staff &staff, int divisionRank)
{
    TeamSheet sheet;
    sheet.team = staff.team;
    sheet.divisionRank = divisionRank;
    for (int slot = 0; slot < staff.lineup.size(); ++slot)
        sheet.batters[slot] = {staff.lineup[slot]->lineupName(), staff.lineup[slot]->position};
    // Without the DH the pitcher bats ninth.
    if (staff.team->league == Team::League::National && !staff.rotation.isEmpty())
        sheet.batters[8] = {staff.rotation.first()->lineupName(), "P"};
    for (int slot = 0; slot < staff.rotation.size(); ++slot)
        sheet.starters[slot] = {staff.rotation[slot]->lineupName(), staff.rotation[slot]->throws == 'L' ? "LHP" : "RHP"};
    if (staff.closer)
        sheet.closer = {staff.closer->lineupName(), staff.closer->throws == 'L' ? "LH" : "RH"};
    sheet.hitting = hittingOutlook(staff, divisionRank);
    sheet.pitching = pitchingOutlook(staff, divisionRank);
    return sheet;
}

QString TeamSheets::hittingOutlook(const Staff &staff, int divisionRank)
{
    Phrase facts;
    facts.set("team", staff.team->nickname)
        .set("rank", ordinal(divisionRank))
        .set("division", divisionName(*staff.team));
    if (staff.lineup.isEmpty())
        return paragraph({facts.any(m_random, unsettledOffense), facts.any(m_random, finishes)});

    BattingLine total;
    for (const Hitter *hitter : staff.lineup) {
        total.atBats += hitter->outlook.atBats;
        total.hits += hitter->outlook.hits;
        total.homeRuns += hitter->outlook.homeRuns;
    }
    const auto name = [&](int slot) { return staff.lineup.value(slot, staff.lineup.first())->fullName(); };
    const Hitter &cleanup = *staff.lineup.value(3, staff.lineup.first());
    facts.set("powerTotal", total.homeRuns)
        .set("teamAvg", averageText(total.averageThousandths()))
        .set("lead", name(0))
        .setCount("leadSteals", staff.lineup.first()->outlook.steals, "steal", "steals")
        .set("second", name(1))
        .set("third", name(2))
        .set("cleanup", cleanup.fullName())
        .setCount("cleanupHomers", cleanup.outlook.homeRuns, "homer", "homers")
        .set("cleanupRbi", cleanup.outlook.rbi);

    QStringList sentences;
    const Pool *opening = &plainOffense;
    if (joinedIn1998(*staff.team))
        opening = &expansionOffense;
    else if (total.homeRuns >= 190)
        opening = &powerOffense;
    else if (total.averageThousandths() >= 280)
        opening = &contactOffense;
    sentences << facts.any(m_random, *opening);
    sentences << facts.any(m_random, m_random.chance(50) ? tableSetters : heartOfOrder);

    const Hitter *weakest = *std::min_element(staff.lineup.begin(), staff.lineup.end(),
                                              [](const Hitter *a, const Hitter *b) { return a->value < b->value; });
    for (const Hitter *hitter : staff.lineup)
        if (hitter != weakest && hitter->arrival != Arrival::Stayed && hitter->formerTeam) {
            facts.set("newcomer", hitter->fullName()).set("newcomerFrom", hitter->formerTeam->nickname);
            sentences << facts.any(m_random, newcomerHitters);
            break;
        }
    facts.set("weak", weakest->fullName())
        .set("weakPos", positionPlace(*weakest))
        .set("weakAvg", averageText(weakest->outlook.averageThousandths()));
    sentences << facts.any(m_random, weakSpots) << facts.any(m_random, finishes);
    return paragraph(sentences);
}

QString TeamSheets::pitchingOutlook(const Staff &staff, int divisionRank)
{
    Phrase facts;
    facts.set("team", staff.team->nickname)
        .set("rank", ordinal(divisionRank))
        .set("division", divisionName(*staff.team));
    QStringList sentences;
    if (!staff.rotation.isEmpty()) {
        const Pitcher &ace = *staff.rotation.first();
        PitchingLine total;
        for (const Pitcher *pitcher : staff.rotation) {
            total.outs += pitcher->outlook.outs;
            total.earnedRuns += pitcher->outlook.earnedRuns;
        }
        facts.set("ace", ace.fullName())
            .set("aceW", ace.outlook.wins)
            .setCount("aceWins", ace.outlook.wins, "win", "wins")
            .set("aceEra", hundredthsText(ace.outlook.eraHundredths()))
            .set("rotationEra", hundredthsText(total.eraHundredths()))
            .set("fifth", staff.rotation.last()->fullName());
        sentences << facts.any(m_random, aceLines);
        const Pool *depth = &plainRotations;
        if (total.eraHundredths() <= 380)
            depth = &deepRotations;
        else if (total.eraHundredths() >= 460)
            depth = &thinRotations;
        sentences << facts.any(m_random, *depth);
    }
    if (staff.closer) {
        facts.set("closer", staff.closer->fullName())
            .setCount("closerSaves", staff.closer->outlook.saves, "save", "saves");
        sentences << facts.any(m_random, staff.closer->role == PitcherRole::Closer ? closers : noCloser);
    } else {
        sentences << facts.any(m_random, noCloser);
    }
    QVector<const Pitcher *> staffMembers = staff.rotation;
    if (staff.closer)
        staffMembers << staff.closer;
    for (const Pitcher *pitcher : staffMembers)
        if (pitcher->arrival != Arrival::Stayed && pitcher->formerTeam) {
            facts.set("newcomer", pitcher->fullName()).set("newcomerFrom", pitcher->formerTeam->nickname);
            sentences << facts.any(m_random, newcomerPitchers);
            break;
        }
    sentences << facts.any(m_random, staffVerdicts);
    return paragraph(sentences);
}
