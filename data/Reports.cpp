#include "data/Reports.h"

#include "data/Careers.h"
#include "data/Phrase.h"
#include "data/PlayerFacts.h"

#include <QStringList>

#include <algorithm>

namespace {

using Pool = QVector<QString>;

constexpr int topPlayers = 98;
constexpr int prospectsListed = 30;
constexpr int breakoutsListed = 25;
constexpr int movesListed = 10;
constexpr int breakoutGain = 3;     // draft dollars over last season's line

// --- top 98 ---------------------------------------------------------------------

const Pool powerRankings = {
    "{full} is one of the surest power bats in the game: we project {phomers} and {prbi} RBI.",
    "Elite power from a {pos}: {phr} homers projected for 1998.",
};

const Pool speedRankings = {
    "{full} can win the stolen-base category by himself, with {psteals} projected.",
    "Speed to burn: {full} should steal {psb} bases and score {pruns} runs.",
};

const Pool averageRankings = {
    "{full} is a batting-title threat, projected at {pavg}.",
    "Few hitters are as safe a bet for average as {full}, projected at {pavg}.",
};

const Pool allRoundRankings = {
    "{full} does a bit of everything: {pavg}, {phr} HR, {psb} SB.",
    "A safe pick: {pavg} with {phomers} and {prbi} RBI from the {team} {pos}.",
    "{full} fills every column for the {team}: {pruns} runs, {prbi} RBI, {psteals}.",
};

const Pool aceRankings = {
    "{full} is a true ace: {pw} wins and a {pera} ERA projected.",
    "{full} heads the {team} rotation, good for {pstrikeouts} and a {pwhip} WHIP.",
};

const Pool closerRankings = {
    "{full} is a top-shelf closer, good for {psaves}.",
    "Saves win leagues, and {full} should give you {psv} of them.",
};

const Pool hittingRecaps = {
    "He hit {avg} with {homers} for the {club} last season.",
    "Last year: {avg}, {hr} HR, {rbi} RBI, {sb} SB.",
};

const Pool pitchingRecaps = {
    "He went {w}-{l} with a {era} ERA last season.",
    "Last year: {ip} innings, {era} ERA, {strikeouts}.",
};

const Pool prices = {
    "Bid up to {value}.",
    "Worth {value} in a standard league.",
    "We value him at {value}.",
};

// --- prospects -----------------------------------------------------------------------

const Pool hittingProspectLines = {
    "{full} hit {mavg} with {mhomers} and {msteals} at {levelName} in 1997.",
    "At {levelName} last year {last} batted {mavg} in {mab} at-bats, with {mrbi} RBI.",
};

const Pool hittingProspectTools = {
    "He has a quick bat and uses the whole field.",
    "Scouts grade his power as the best in the {team} system.",
    "His speed plays in the field and on the bases.",
    "He controls the strike zone unusually well for a {age}-year-old.",
};

const Pool pitchingProspectLines = {
    "{full} went {mw}-{ml} with a {mera} ERA at {levelName} in 1997, striking out {mso} in {mip} innings.",
    "At {levelName} last year {last} held hitters to a {mwhip} WHIP over {mip} innings.",
};

const Pool pitchingProspectTools = {
    "His fastball touches the mid-90s.",
    "He has a big-league curveball already and is learning a changeup.",
    "A {throwsNoun} with command of three pitches, he is polished for {age}.",
    "The {team} love his competitiveness as much as his stuff.",
};

const QHash<QString, Pool> &arrivalTimes()
{
    static const QHash<QString, Pool> times = {
        {"AAA", {"He should reach the majors by midseason, if not on opening day.",
                 "He is ready now and needs only an opening."}},
        {"AA", {"A September call-up is likely; a full-time job could come in 1999.",
                "Another half-season in the minors should finish him off."}},
        {"A", {"He is two years away, but worth a reserve pick in keeper leagues.",
               "Be patient: he will not be a big leaguer before 1999."}},
    };
    return times;
}

// --- breakouts -------------------------------------------------------------------------

const Pool breakoutBatterLines = {
    "{full} hit {avg} in {ab} at-bats for the {club} last year; with {pab} at-bats he could hit {pavg} with {phomers}.",
    "Given a full-time job, {full} projects to {pavg}, {phr} HR and {psb} SB after a {avg} season in a part-time role.",
    "{last} showed what he can do in 1997 ({avg}, {homers} in {ab} at-bats); now he gets to do it every day.",
};

const Pool breakoutPitcherLines = {
    "{full} posted a {era} ERA over {ip} innings last year, and better things are coming: we project {pw}-{pl}, {pera}.",
    "Look past the {w}-{l} record: {last} struck out {so} in {ip} innings and projects to a {pera} ERA.",
    "{full} should take a big step forward in 1998, with {pstrikeouts} and a {pwhip} WHIP projected.",
};

const Pool breakoutReasons = {
    "At {age}, he is entering his best years.",
    "He made adjustments over the winter that scouts liked.",
    "A clear path to playing time makes him a bargain.",
    "His underlying numbers were better than his results.",
};

// --- offseason moves -------------------------------------------------------------------------

const Pool freeAgentMoves = {
    "The {team} sign free agent {role} {full}",
    "{full}, {role}, signs with the {team}",
};

const Pool tradeMoves = {
    "The {former} trade {role} {full} to the {team}",
    "The {team} acquire {role} {full} from the {former}",
};

const Pool expansionMoves = {
    "The {team} take {role} {full} from the {former} in the expansion draft",
    "Expansion: the {team} claim {role} {full} from the {former}",
};

const Pool hitterMoveLines = {
    "{last} hit {avg} with {homers} and {rbi} RBI for the {former} in 1997.",
    "In 1997 {last} gave the {former} {ab} at-bats of {avg} hitting and {steals}.",
};

const Pool pitcherMoveLines = {
    "{last} went {w}-{l} with a {era} ERA for the {former} in 1997.",
    "In 1997 {last} pitched {ip} innings for the {former}, with a {era} ERA and {strikeouts}.",
};

const Pool newClubEffects = {
    "The {team} fill a hole with a proven player, and he should see more playing time than ever.",
    "For the {team} it is a statement that they mean to contend.",
    "The {team} get a veteran presence who should steady a young clubhouse.",
    "The change of scenery could do him good: the {team} need him every day.",
};

const Pool oldClubEffects = {
    "The {former} now have to replace his production from within.",
    "The {former} save money but lose a dependable player.",
    "The loss leaves a gap on the {former} roster that no one has filled yet.",
};

const Pool expansionEffects = {
    "For the new {team} he is a cornerstone; for the {former} he is one less arm or bat to protect.",
    "The {team} needed a name to sell tickets and found one.",
};

const Pool moveOutlooks = {
    "Our projection for 1998 puts his value at {value}.",
    "He remains worth {value} in his new colors.",
    "Bid up to {value}; the move does not change his value much.",
};

QString roleWord(const Hitter &hitter)
{
    return positionNoun(hitter);
}

QString roleWord(const Pitcher &pitcher)
{
    if (pitcher.role == PitcherRole::Closer)
        return "closer";
    return pitcher.throws == 'L' ? "left-hander" : "right-hander";
}

template <typename Player, typename Fits, typename Score>
QVector<const Player *> chosen(const QVector<Player> &players, Fits fits, Score score, int limit)
{
    QVector<const Player *> candidates;
    for (const Player &player : players)
        if (fits(player))
            candidates << &player;
    std::stable_sort(candidates.begin(), candidates.end(),
                     [&](const Player *a, const Player *b) { return score(*a) > score(*b); });
    candidates.resize(std::min<qsizetype>(candidates.size(), limit));
    return candidates;
}

int lastSeasonValue(const Hitter &hitter)
{
    return draftValue(*hitter.seasons[0]);
}

int lastSeasonValue(const Pitcher &pitcher)
{
    return draftValue(*pitcher.seasons[0]);
}

}

Reports ReportLists::build(const QVector<Hitter> &hitters, const QVector<Pitcher> &pitchers)
{
    Reports reports;
    reports.top98 = top98(hitters, pitchers);
    reports.hittingProspects = hittingProspects(hitters);
    reports.pitchingProspects = pitchingProspects(pitchers);
    reports.breakoutBatters = breakoutBatters(hitters);
    reports.breakoutPitchers = breakoutPitchers(pitchers);
    reports.moves = moves(hitters, pitchers);
    return reports;
}

QVector<RankedPlayer> ReportLists::top98(const QVector<Hitter> &hitters, const QVector<Pitcher> &pitchers)
{
    struct Candidate {
        const Hitter *hitter;
        const Pitcher *pitcher;
        int value;
    };
    QVector<Candidate> candidates;
    for (const Hitter &hitter : hitters)
        candidates << Candidate{&hitter, nullptr, hitter.value};
    for (const Pitcher &pitcher : pitchers)
        candidates << Candidate{nullptr, &pitcher, pitcher.value};
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const Candidate &a, const Candidate &b) { return a.value > b.value; });
    candidates.resize(std::min<qsizetype>(candidates.size(), topPlayers));

    QVector<RankedPlayer> ranked;
    for (const Candidate &candidate : candidates) {
        QStringList sentences;
        if (const Hitter *hitter = candidate.hitter) {
            const Phrase facts = factsOf(*hitter);
            const BattingLine &outlook = hitter->outlook;
            const Pool *kind = &allRoundRankings;
            if (outlook.homeRuns >= 30)
                kind = &powerRankings;
            else if (outlook.steals >= 30)
                kind = &speedRankings;
            else if (outlook.averageThousandths() >= 300)
                kind = &averageRankings;
            sentences << facts.any(m_random, *kind);
            if (hitter->seasons[0])
                sentences << facts.any(m_random, hittingRecaps);
            sentences << facts.any(m_random, prices);
            ranked << RankedPlayer{hitter, hitter->position, paragraph(sentences)};
        } else {
            const Pitcher *pitcher = candidate.pitcher;
            const Phrase facts = factsOf(*pitcher);
            sentences << facts.any(m_random, pitcher->outlook.saves >= 15 ? closerRankings : aceRankings);
            if (pitcher->seasons[0])
                sentences << facts.any(m_random, pitchingRecaps);
            sentences << facts.any(m_random, prices);
            ranked << RankedPlayer{pitcher, pitcher->position, paragraph(sentences)};
        }
    }
    return ranked;
}

QVector<Pick<Hitter>> ReportLists::hittingProspects(const QVector<Hitter> &hitters)
{
    QVector<Pick<Hitter>> picks;
    const auto prospects = chosen(hitters, [](const Hitter &h) { return h.minors.has_value(); },
                                  [](const Hitter &h) { return h.value; }, prospectsListed);
    for (const Hitter *hitter : prospects) {
        const Phrase facts = factsOf(*hitter);
        picks << Pick<Hitter>{hitter, paragraph({facts.any(m_random, hittingProspectLines),
                                                 facts.any(m_random, hittingProspectTools),
                                                 facts.any(m_random, arrivalTimes().value(hitter->level)),
                                                 facts.any(m_random, prices)})};
    }
    return picks;
}

QVector<Pick<Pitcher>> ReportLists::pitchingProspects(const QVector<Pitcher> &pitchers)
{
    QVector<Pick<Pitcher>> picks;
    const auto prospects = chosen(pitchers, [](const Pitcher &p) { return p.minors.has_value(); },
                                  [](const Pitcher &p) { return p.value; }, prospectsListed);
    for (const Pitcher *pitcher : prospects) {
        const Phrase facts = factsOf(*pitcher);
        picks << Pick<Pitcher>{pitcher, paragraph({facts.any(m_random, pitchingProspectLines),
                                                   facts.any(m_random, pitchingProspectTools),
                                                   facts.any(m_random, arrivalTimes().value(pitcher->level)),
                                                   facts.any(m_random, prices)})};
    }
    return picks;
}

QVector<Pick<Hitter>> ReportLists::breakoutBatters(const QVector<Hitter> &hitters)
{
    QVector<Pick<Hitter>> picks;
    const auto fits = [](const Hitter &h) {
        return h.role != HitterRole::Prospect && h.seasons[0] && h.age <= 29 && h.seasons[0]->atBats >= 100
            && h.seasons[0]->atBats <= 450 && h.value - lastSeasonValue(h) >= breakoutGain;
    };
    const auto gain = [](const Hitter &h) { return h.value - lastSeasonValue(h); };
    for (const Hitter *hitter : chosen(hitters, fits, gain, breakoutsListed)) {
        const Phrase facts = factsOf(*hitter);
        picks << Pick<Hitter>{hitter, paragraph({facts.any(m_random, breakoutBatterLines),
                                                 facts.any(m_random, breakoutReasons),
                                                 facts.any(m_random, prices)})};
    }
    return picks;
}

QVector<Pick<Pitcher>> ReportLists::breakoutPitchers(const QVector<Pitcher> &pitchers)
{
    QVector<Pick<Pitcher>> picks;
    const auto fits = [](const Pitcher &p) {
        return p.role != PitcherRole::Prospect && p.seasons[0] && p.age <= 29 && p.seasons[0]->outs >= 90
            && p.value - lastSeasonValue(p) >= breakoutGain;
    };
    const auto gain = [](const Pitcher &p) { return p.value - lastSeasonValue(p); };
    for (const Pitcher *pitcher : chosen(pitchers, fits, gain, breakoutsListed)) {
        const Phrase facts = factsOf(*pitcher);
        picks << Pick<Pitcher>{pitcher, paragraph({facts.any(m_random, breakoutPitcherLines),
                                                   facts.any(m_random, breakoutReasons),
                                                   facts.any(m_random, prices)})};
    }
    return picks;
}

QVector<OffseasonMove> ReportLists::moves(const QVector<Hitter> &hitters, const QVector<Pitcher> &pitchers)
{
    struct Mover {
        const Person *person;
        Phrase facts;
        bool hitter;
    };
    QVector<Mover> movers;
    const auto moved = [](const Person &p) { return p.arrival != Arrival::Stayed && p.formerTeam; };
    for (const Hitter &hitter : hitters)
        if (moved(hitter) && hitter.seasons[0])
            movers << Mover{&hitter, factsOf(hitter).set("role", roleWord(hitter)), true};
    for (const Pitcher &pitcher : pitchers)
        if (moved(pitcher) && pitcher.seasons[0])
            movers << Mover{&pitcher, factsOf(pitcher).set("role", roleWord(pitcher)), false};
    std::stable_sort(movers.begin(), movers.end(),
                     [](const Mover &a, const Mover &b) { return a.person->value > b.person->value; });
    movers.resize(std::min<qsizetype>(movers.size(), movesListed));

    QVector<OffseasonMove> moves;
    for (const Mover &mover : movers) {
        const Pool *headline = &freeAgentMoves;
        const Pool *effect = &newClubEffects;
        if (mover.person->arrival == Arrival::Trade) {
            headline = &tradeMoves;
        } else if (mover.person->arrival == Arrival::ExpansionDraft) {
            headline = &expansionMoves;
            effect = &expansionEffects;
        }
        const Phrase &facts = mover.facts;
        moves << OffseasonMove{facts.any(m_random, *headline),
                               paragraph({facts.any(m_random, mover.hitter ? hitterMoveLines : pitcherMoveLines),
                                          facts.any(m_random, *effect), facts.any(m_random, oldClubEffects),
                                          facts.any(m_random, moveOutlooks)})};
    }
    return moves;
}
