#include "data/PlayerWriteUps.h"

#include "data/PlayerFacts.h"

#include <QStringList>

namespace {

using Pool = QVector<QString>;

// --- hitters: what he did -------------------------------------------------

const Pool everydayOpenings = {
    "{full} hit {avg} with {homers} and {rbi} RBI for the {club} in 1997.",
    "{last} batted {avg} in {ab} at-bats last season, adding {homers}, {rbi} RBI and {runs} runs.",
    "A fixture in the {club} lineup, {last} put up a {avg} average, {homers} and {runs} runs scored in 1997.",
    "{full} played every day for the {club} last year and delivered {hits} hits, {doubles} and {homers}.",
    "{last} gave the {club} {ab} at-bats of {avg} hitting in 1997, with {rbi} runs driven in.",
    "Last season {full} was the regular {pos} for the {club}, batting {avg} with {homers}.",
    "{last} finished 1997 at {avg} with {homers}, {rbi} RBI, {runs} runs and {steals}.",
    "Over {ab} at-bats in 1997 {full} hit {avg} and drew {walks} walks for the {club}.",
};

const Pool partTimeOpenings = {
    "{full} saw {ab} at-bats with the {club} last season and hit {avg}.",
    "In part-time duty for the {club}, {last} batted {avg} with {homers} in {ab} at-bats.",
    "{last} spent 1997 as a spare part for the {club}: {avg}, {homers}, {rbi} RBI in {ab} trips to the plate.",
    "Used mostly against {platoonSide} pitching, {last} hit {avg} in {ab} at-bats for the {club}.",
    "{full} could not nail down a regular job with the {club} in 1997, hitting {avg} in {ab} at-bats.",
    "Injuries and a crowded depth chart held {last} to {ab} at-bats last year; he hit {avg} with {homers}.",
};

const Pool hittingProspectOpenings = {
    "{full} tore up {levelName} pitching in 1997, hitting {mavg} with {mhomers} and {mrbi} RBI in {mab} at-bats.",
    "The {team} think {last} is close: he batted {mavg} at {levelName} last summer with {mhomers} and {msteals}.",
    "{full}, {age}, is one of the better young bats in the {team} system after a {mavg} season with {mhomers} at {levelName}.",
    "Scouts rave about the bat speed of {full}, and his {mavg} average at {levelName} in 1997 backed them up.",
    "{full} opened eyes at {levelName} last year: {mab} at-bats, a {mavg} average, {mhomers} and {msteals}.",
};

const Pool hittingCallUps = {
    "He also got a {ab}-at-bat taste of the majors with the {club}, hitting {avg}.",
    "A late-season promotion to the {club} produced {hits} hits in {ab} at-bats.",
    "His September audition with the {club} went {hits}-for-{ab}.",
};

// --- hitters: how he changed ------------------------------------------------

const Pool averageUp = {
    "His average jumped {points} points from {avg96} in 1996, and the improvement looks real.",
    "That was a big step up from his {avg96} mark of 1996.",
    "He added {points} points to his average from the year before, a sign that he has learned to lay off the breaking ball.",
};

const Pool averageDown = {
    "That was a drop of {points} points from his {avg96} average of 1996.",
    "He slipped from {avg96} the year before, and scouts wondered whether his bat has slowed.",
    "The {points}-point fall from his 1996 average of {avg96} came with more strikeouts and fewer line drives.",
};

const Pool powerUp = {
    "His home runs climbed from {hr96} to {hr}, as he finally began to pull the ball with authority.",
    "The power surge, from {hr96} homers in 1996 to {hr}, was no fluke: he added muscle over the winter.",
};

const Pool powerDown = {
    "His home-run total fell from {hr96} to {hr}, and a nagging wrist injury may be the reason.",
    "The power went missing: {hr96} homers in 1996, only {hr} last year.",
};

const Pool battingSteady = {
    "Those numbers are right in line with his four-year average of {avgT}.",
    "He has been remarkably consistent, hitting {avgT} over the last four seasons.",
    "You know what you are getting: his four-year mark stands at {avgT}.",
};

// --- hitters: what he does well, or where he plays ----------------------------

const Pool speedNotes = {
    "His {steals} (he was caught {cs} times) make him a valuable source of speed.",
    "With {steals} last season he can carry a fantasy team in the stolen-base column.",
    "He runs well, and the {sb} bases he swiped in 1997 were no accident.",
};

const Pool powerNotes = {
    "Few hitters at his position can match his raw power: {homers} and {rbi} RBI last year.",
    "He is a genuine middle-of-the-order threat, with {homers} in 1997.",
    "His {hr} home runs ranked among the best at the position.",
};

const Pool patienceNotes = {
    "He drew {walks} walks, so his on-base percentage is far better than his average.",
    "A patient hitter, he walked {walks} times, which keeps him near the top of the order.",
};

const Pool contactNotes = {
    "He makes contact as well as anyone in the league and rarely falls into a long slump.",
    "A .300 hitter with his bat control is hard to find.",
    "He sprays line drives to all fields and hit {avg} against all kinds of pitching.",
};

const Pool singlesNotes = {
    "There is no power here: {homers} in {ab} at-bats.",
    "Do not count on home runs; he is a singles hitter who managed {homers}.",
};

const QHash<QString, Pool> &positionNotes()
{
    static const QHash<QString, Pool> notes = {
        {"C", {"Catchers who can hit are rare, and the {team} will give him every chance to catch 120 games.",
               "The grind of catching wears him down in the second half, so expect his numbers to fade late.",
               "Pitchers like throwing to him, which keeps him in the lineup through slumps."}},
        {"1B", {"First base is a power position, and his numbers have to keep pace with the league's sluggers.",
                "He is a sure-handed first baseman who saves his infielders a few errors a month."}},
        {"2B", {"He is steady around the bag and will hit near the top of the order.",
                "He turns the double play well and rarely makes the routine error."}},
        {"3B", {"He has the arm for third base and enough bat to hold the job.",
                "He is solid at the hot corner, charging the bunt as well as anyone."}},
        {"SS", {"His glove keeps him in the lineup even when the bat goes cold.",
                "He has the range and arm of a true shortstop, so the at-bats will come."}},
        {"OF", {"He covers a lot of ground in the outfield, which keeps his bat in the lineup.",
                "His arm keeps runners honest, and his bat keeps him in the lineup."}},
        {"DH", {"He will not see the field much; the {team} want his bat and nothing else.",
                "He is a hitter first and last, and the DH rule was made for him."}},
    };
    return notes;
}

// --- pitchers: what he did ----------------------------------------------------

const Pool rotationOpenings = {
    "{full} went {w}-{l} with a {era} ERA in {ip} innings for the {club} last season.",
    "{last} held a spot in the {club} rotation in 1997 and finished {w}-{l} with a {era} ERA and {strikeouts}.",
    "The {club} got {ip} innings of {era} pitching from {last}, who won {w} games.",
    "A {throwsNoun} with a live arm, {full} posted a {era} ERA and a {whip} WHIP over {ip} innings in 1997.",
    "{last} took the ball every fifth day for the {club}: {wins}, {l} losses and a {era} ERA.",
};

const Pool shortRotationOpenings = {
    "Injuries limited {last} to {ip} innings for the {club} in 1997, with an ERA of {era}.",
    "{full} bounced between the rotation and the disabled list last season: {w}-{l}, {era} in {ip} innings.",
    "{last} spent part of 1997 in the {club} rotation, going {w}-{l} with a {era} ERA.",
};

const Pool closingOpenings = {
    "{full} saved {sv} games for the {club} in 1997 with a {era} ERA.",
    "As the {club} closer, {last} converted {saves} and struck out {so} in {ip} innings.",
    "{last} nailed down {saves} last year while holding hitters to a {whip} WHIP.",
};

const Pool reliefOpenings = {
    "{full} worked {ip} innings out of the {club} bullpen in 1997 and finished with a {era} ERA.",
    "{last} was a workhorse in middle relief for the {club}: {ip} innings, a {era} ERA and {strikeouts}.",
    "In a set-up role for the {club}, {last} went {w}-{l} with a {era} ERA and {saves}.",
    "{last} pitched {ip} innings in relief last season, allowing {hitsAllowed} hits and {walks}.",
};

const Pool startingProspectOpenings = {
    "{full} dominated {levelName} hitters in 1997, going {mw}-{ml} with a {mera} ERA and {mstrikeouts} in {mip} innings.",
    "{last} struck out {mso} in {mip} innings at {levelName} last season, and the {team} think he is nearly ready.",
    "A hard-throwing {throwsNoun}, {full} posted a {mera} ERA at {levelName} in 1997.",
};

const Pool closingProspectOpenings = {
    "{full} closed at {levelName} last year, with {msaves} and a {mera} ERA.",
    "{last} racked up {msaves} and {mstrikeouts} in {mip} innings at {levelName} in 1997.",
    "A {throwsNoun} with a closer's fastball, {full} held {levelName} hitters to a {mwhip} WHIP last season.",
};

const Pool pitchingCallUps = {
    "He also pitched {ip} innings for the {club} in a late-season trial, with an ERA of {era}.",
    "A brief call-up to the {club} produced an ERA of {era} in {ip} innings.",
};

// --- pitchers: how he changed, what he does ---------------------------------------

const Pool eraBetter = {
    "That was a big improvement on his {era96} ERA of 1996.",
    "He knocked a run or more off his 1996 ERA of {era96} by throwing more strikes.",
};

const Pool eraWorse = {
    "That was a step back from his {era96} ERA of 1996.",
    "His ERA climbed from {era96} the year before, and hitters were squaring him up.",
};

const Pool eraSteady = {
    "His four-year ERA of {eraT} says that is who he is.",
    "He has been steady: a {eraT} ERA over the last four seasons.",
};

const Pool strikeoutNotes = {
    "He misses bats: {strikeouts} in {ip} innings.",
    "His strikeout rate is among the best in the league, and that usually means success.",
};

const Pool controlNotes = {
    "Control is the worry: he walked {bb} in {ip} innings.",
    "Until he cuts down on the walks ({bb} last year), he will be a roller-coaster.",
};

const Pool fewRunnersNotes = {
    "He keeps runners off base, with a {whip} WHIP.",
    "Opponents rarely got on against him, and his {whip} WHIP tells the story.",
};

const Pool leftyNotes = {
    "Left-handers with his stuff are rare, and the {team} value him accordingly.",
    "As a lefty he will always have a job.",
};

const Pool hittableNotes = {
    "He gives up too many hits ({hitsAllowed} in {ip} innings) to be trusted in a close game.",
    "Hitters see the ball well against him; {hitsAllowed} hits in {ip} innings is too many.",
};

const Pool starterNotes = {
    "He throws a heavy sinker and keeps the ball in the park.",
    "He relies on location more than velocity, mixing four pitches.",
    "His changeup is his out pitch, and it keeps left-handed hitters honest.",
};

const Pool closerNotes = {
    "He has the closer's mentality: a short memory and a big fastball.",
    "His split-finger fastball is as tough a pitch as there is in the late innings.",
};

const Pool relieverNotes = {
    "He is the kind of set-up man who piles up vulture wins and the odd save.",
    "He can pitch two or three days in a row, which managers love.",
};

// --- anyone: how he came to his club, how old he is ------------------------------------

const Pool freeAgentNotes = {
    "The {team} signed him as a free agent this winter, taking him away from the {former}.",
    "Free agency took him from the {former} to the {team}, who paid well for him.",
};

const Pool tradeNotes = {
    "The {former} traded him to the {team} in the offseason, and he should play a bigger role in his new home.",
    "An offseason trade sends him from the {former} to the {team}.",
};

const Pool expansionNotes = {
    "The {team} took him from the {former} in the expansion draft, and he will get every chance to play.",
    "An expansion-draft pick from the {former}, he is a building block for the new {team}.",
};

const Pool youngNotes = {
    "At {age}, he is still getting better.",
    "He is only {age}, and his best years lie ahead.",
    "Young players improve in leaps, and at {age} he is due for one.",
};

const Pool veteranNotes = {
    "At {age}, he has reached the age when players decline quickly.",
    "He is {age}, so do not pay for last year's numbers.",
    "Age is catching up with him; at {age} he needs more days off.",
};

const Pool primeNotes = {
    "At {age}, he is in the prime of his career.",
    "He is {age} and in his prime, so last year is a fair guide.",
};

// --- the outlook --------------------------------------------------------------------

const Pool everydayOutlooks = {
    "For 1998 look for about {pavg} with {phomers} and {prbi} RBI. Worth {value}.",
    "We project {pavg}, {phr} HR, {prbi} RBI and {psb} SB; bid up to {value}.",
    "Expect a line of {pavg}-{phr}-{prbi} with {pruns} runs scored; he is worth {value}.",
    "He should hit around {pavg} with {phomers} in {pab} at-bats this year; {value} is a fair price.",
    "Our projection: {pab} at-bats, {pavg}, {phomers}, {psteals}. Do not go past {value}.",
};

const Pool reserveOutlooks = {
    "Figure on {pab} at-bats and about {pavg}; at {value} he is a useful bench piece.",
    "He will play part-time again, good for {pavg} with {phomers}. Worth {value} as a reserve.",
    "Unless injuries open a spot, he hits about {pavg} in a limited role, worth {value}.",
    "Draft him late: {pab} at-bats of {pavg} hitting are worth about {value}.",
};

const Pool hittingProspectOutlooks = {
    "He should get a long look in spring training; if he wins a job, {pavg} with {phomers} is within reach. Bid {value}.",
    "The {team} will bring him along slowly, but he could hit {pavg} in {pab} at-bats. A gamble at {value}, with upside.",
    "Keep him on your reserve list: worth {value} now and much more in a year or two.",
    "He could be the regular {pos} for the {team} by midseason; {pavg} with {psteals} is a reasonable rookie line. Worth {value}.",
};

const Pool rotationOutlooks = {
    "For 1998 we see {pw}-{pl} with a {pera} ERA and {pstrikeouts}; worth {value}.",
    "Project {pip} innings, {pwins} and a {pera} ERA. Bid up to {value}.",
    "He should win {pw} games with an ERA near {pera}. Worth {value} as a starter.",
    "Expect {pw}-{pl}, {pera}, {pwhip} WHIP. Do not pay more than {value}.",
};

const Pool closingOutlooks = {
    "If he keeps the job, {psv} saves and a {pera} ERA are within reach. Worth {value}.",
    "We project {psaves}, a {pera} ERA and {pstrikeouts}; closers cost money, and he is worth {value}.",
    "Count on {psv} saves; bid up to {value}.",
};

const Pool reliefOutlooks = {
    "He is worth a late pick at {value} for his ERA and ratio.",
    "Figure on {pip} innings of {pera} ball; at {value} he helps your ratios.",
    "A sleeper for saves if the closer falters: {value}.",
};

const Pool fringeReliefOutlooks = {
    "Figure on {pip} innings with an ERA near {pera}; he is roster filler at {value}.",
    "A projected {pera} ERA will not help your ratios, so pass at anything over {value}.",
    "He is one bad week from the minors; {value} at most.",
};

const Pool pitchingProspectOutlooks = {
    "He could break camp with the {team}; a {pera} ERA as a rookie would be no surprise. Bid {value}.",
    "Stash him: worth {value} this year, with a much higher ceiling.",
    "The {team} will not rush him, but he could help by midseason. Worth {value}.",
};

// A sentence that names him in full, for the rare paragraph that came out twice.
const Pool namingNotes = {
    "{full} is {age} years old and belongs to the {team}.",
};

const Pool *arrivalNotes(const Person &person)
{
    switch (person.arrival) {
    case Arrival::FreeAgent: return &freeAgentNotes;
    case Arrival::Trade: return &tradeNotes;
    case Arrival::ExpansionDraft: return &expansionNotes;
    case Arrival::Stayed: break;
    }
    return nullptr;
}

const Pool &ageNotes(int age)
{
    if (age <= 25)
        return youngNotes;
    return age >= 33 ? veteranNotes : primeNotes;
}

// Of the notes that fit, one at random; none when nothing fits.
QString oneOf(Random &random, const Phrase &facts, const QVector<const Pool *> &fitting)
{
    if (fitting.isEmpty())
        return {};
    return facts.any(random, *fitting.at(random.between(0, int(fitting.size()) - 1)));
}

constexpr int fullSeasonAtBats = 400;
constexpr int trendAtBats = 150;
constexpr int fullSeasonOuts = 300;   // 100 innings
constexpr int trendOuts = 120;
constexpr int goodReliefEra = 375;   // hundredths

}

QString PlayerWriteUps::hitter(const Hitter &hitter)
{
    return unique(hitter, [this](const Hitter &player) { return composeHitter(player); });
}

QString PlayerWriteUps::pitcher(const Pitcher &pitcher)
{
    return unique(pitcher, [this](const Pitcher &player) { return composePitcher(player); });
}

template <typename Player, typename Compose>
QString PlayerWriteUps::unique(const Player &player, Compose compose)
{
    constexpr int attempts = 4;
    QString text = compose(player);
    for (int attempt = 1; attempt < attempts && m_written.contains(text); ++attempt)
        text = compose(player);
    if (m_written.contains(text))
        text += ' ' + factsOf(player).any(m_random, namingNotes);
    m_written.insert(text);
    return text;
}

QString PlayerWriteUps::composeHitter(const Hitter &hitter)
{
    const Phrase facts = factsOf(hitter);
    const std::optional<BattingLine> &last = hitter.seasons[0];
    const std::optional<BattingLine> &before = hitter.seasons[1];
    QStringList sentences;

    if (hitter.minors) {
        sentences << facts.any(m_random, hittingProspectOpenings);
        if (last)
            sentences << facts.any(m_random, hittingCallUps);
    } else if (last) {
        sentences << facts.any(m_random, last->atBats >= fullSeasonAtBats ? everydayOpenings : partTimeOpenings);
    }

    if (last && before && last->atBats >= trendAtBats && before->atBats >= trendAtBats) {
        const int points = last->averageThousandths() - before->averageThousandths();
        const int homers = last->homeRuns - before->homeRuns;
        QVector<const Pool *> trends;
        if (points >= 20)
            trends << &averageUp;
        if (points <= -20)
            trends << &averageDown;
        if (homers >= 7 && last->atBats >= before->atBats * 3 / 4)
            trends << &powerUp;
        if (homers <= -7 && last->atBats * 4 / 3 >= before->atBats)
            trends << &powerDown;
        if (trends.isEmpty() && hitter.seasons[2])
            trends << &battingSteady;
        sentences << oneOf(m_random, facts, trends);
    }

    QVector<const Pool *> strengths;
    if (last && last->atBats >= 300) {
        if (last->steals >= 20)
            strengths << &speedNotes;
        if (last->homeRuns >= 25)
            strengths << &powerNotes;
        if (last->walks >= 70)
            strengths << &patienceNotes;
        if (last->averageThousandths() >= 300)
            strengths << &contactNotes;
        if (last->homeRuns <= 3)
            strengths << &singlesNotes;
    }
    if (strengths.isEmpty() || m_random.chance(25))
        strengths << &*positionNotes().constFind(hitter.position);
    sentences << oneOf(m_random, facts, strengths);

    const Pool *arrival = arrivalNotes(hitter);
    sentences << facts.any(m_random, arrival ? *arrival : ageNotes(hitter.age));

    switch (hitter.role) {
    case HitterRole::Regular: sentences << facts.any(m_random, everydayOutlooks); break;
    case HitterRole::Reserve: sentences << facts.any(m_random, reserveOutlooks); break;
    case HitterRole::Prospect: sentences << facts.any(m_random, hittingProspectOutlooks); break;
    }
    return paragraph(sentences);
}

QString PlayerWriteUps::composePitcher(const Pitcher &pitcher)
{
    const Phrase facts = factsOf(pitcher);
    const std::optional<PitchingLine> &last = pitcher.seasons[0];
    const std::optional<PitchingLine> &before = pitcher.seasons[1];
    QStringList sentences;

    if (pitcher.minors) {
        sentences << facts.any(m_random, pitcher.position == "SP" ? startingProspectOpenings : closingProspectOpenings);
        if (last)
            sentences << facts.any(m_random, pitchingCallUps);
    } else if (last) {
        const Pool *opening = &reliefOpenings;
        if (last->saves >= 15)
            opening = &closingOpenings;
        else if (pitcher.role == PitcherRole::Starter)
            opening = last->outs >= fullSeasonOuts ? &rotationOpenings : &shortRotationOpenings;
        sentences << facts.any(m_random, *opening);
    }

    if (last && before && last->outs >= trendOuts && before->outs >= trendOuts) {
        const int change = last->eraHundredths() - before->eraHundredths();
        QVector<const Pool *> trends;
        if (change <= -75)
            trends << &eraBetter;
        else if (change >= 75)
            trends << &eraWorse;
        else if (pitcher.seasons[2])
            trends << &eraSteady;
        sentences << oneOf(m_random, facts, trends);
    }

    QVector<const Pool *> strengths;
    if (last && last->outs >= 150) {
        if (last->strikeouts * 27 >= last->outs * 17 / 2)
            strengths << &strikeoutNotes;
        if (last->walks * 27 >= last->outs * 21 / 5)
            strengths << &controlNotes;
        if (last->whipHundredths() <= 115)
            strengths << &fewRunnersNotes;
        if (last->hits * 27 >= last->outs * 10)
            strengths << &hittableNotes;
    }
    if (pitcher.throws == 'L')
        strengths << &leftyNotes;
    if (strengths.isEmpty() || m_random.chance(25)) {
        if (pitcher.role == PitcherRole::Closer)
            strengths << &closerNotes;
        else if (pitcher.position == "RP")
            strengths << &relieverNotes;
        else
            strengths << &starterNotes;
    }
    sentences << oneOf(m_random, facts, strengths);

    const Pool *arrival = arrivalNotes(pitcher);
    sentences << facts.any(m_random, arrival ? *arrival : ageNotes(pitcher.age));

    switch (pitcher.role) {
    case PitcherRole::Starter: sentences << facts.any(m_random, rotationOutlooks); break;
    case PitcherRole::Closer: sentences << facts.any(m_random, closingOutlooks); break;
    case PitcherRole::Setup:
        sentences << facts.any(m_random, pitcher.outlook.eraHundredths() <= goodReliefEra ? reliefOutlooks : fringeReliefOutlooks);
        break;
    case PitcherRole::Prospect: sentences << facts.any(m_random, pitchingProspectOutlooks); break;
    }
    return paragraph(sentences);
}
