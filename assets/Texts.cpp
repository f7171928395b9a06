#include "assets/Texts.h"

#include <QList>

namespace {

// A tip is its heading's title and its paragraphs; tips() adds the number,
// the blank line under the heading and the tab that opens each paragraph.
struct Tip {
    QString title;
    QStringList paragraphs;
};

const QList<Tip> &winningTips()
{
    static const QList<Tip> tips = {
        {"Do your homework.",
         {"It sounds too obvious to print, yet every spring it decides more leagues than any "
          "trade or waiver pickup. The owner who has been through the numbers three or four "
          "times before draft day walks in knowing whom he wants, what each player is worth to "
          "him and where the talent drops off at every position. When the bidding starts, he "
          "can bid or pick with confidence while the others are still turning pages.",
          "Compare him with the owner who crams the night before. Halfway through the draft he "
          "is flipping through a magazine in a panic, hunting for the name of somebody's "
          "backup catcher while the rest of the table waits. He ends up with whatever the "
          "others left him.",
          "Homework will not win your league for you; injuries, slumps and plain bad luck see "
          "to that. But skip it, and you have no chance of winning at all."}},
        {"Look at more than last year's statistics.",
         {"One season can lie. Hitters stay hot for five months, pitchers catch every break, "
          "and a player who does it once gets priced as if he will do it forever. Before you "
          "put a value on anybody, look at what he has done over the last three years, not "
          "just the last one.",
          "Brady Anderson is the textbook case. He hit 50 home runs in 1996 after never hitting "
          "more than 21 in a season, and the owners who paid for another 50 in 1997 got 18. "
          "Pick out the overachievers whose fluke year is still fresh in everyone's mind, and "
          "let somebody else pay for it.",
          "The same look works the other way. A good player coming off an off year, or off a "
          "season lost to injury, often goes for far less than he is worth, because all anyone "
          "remembers is his last line of statistics. Those are the bargains that win titles."}},
        {"Remember basic supply-and-demand economics.",
         {"In a straight draft, know before you sit down which positions are short of talent. "
          "Good catchers are always scarce: after Mike Piazza and Ivan Rodriguez the position "
          "turns into a guessing game. When a position has only a handful of good players, "
          "each of them is worth more than his numbers alone suggest, because the owner who "
          "misses out will be playing a .240 hitter there all summer.",
          "In an auction, be wary of the prices printed in the magazines. They are worked out "
          "for ten owners drafting from one league. If your league takes its players from "
          "both leagues, there is far more talent to go around, and nearly every player is "
          "worth less than the price beside his name.",
          "Above all, let the other owners do the overspending. Every auction opens with a rush "
          "of money on the big names. Sit on your hands, keep your budget whole, and buy the "
          "good players who are still on the board once the others have run short."}},
        {"Watch your spending.",
         {"There are two ways to spend yourself out of a title, and most leagues see both of "
          "them every year. The first is going wild early. Say you land four of the first ten "
          "players put up for bids and pay 115 dollars for them. That leaves you 145 dollars "
          "for the other 18 places on your roster, about 8 dollars a player, and 8 dollars "
          "does not buy much in a competitive league. Four stars and a pile of fill-ins do not "
          "win pennants.",
          "The second is the opposite mistake: sitting on your money while the good players go "
          "one by one, waiting for a bargain that never comes. By the time you start spending, "
          "all that is left is a mediocre team, and you go home with money that bought "
          "nothing. Set a budget for each place on your roster before the auction and stay "
          "close to it."}},
        {"At-bats are important.",
         {"Every hitting category except batting average is a counting category. Home runs, "
          "runs batted in, runs and stolen bases all grow with playing time, so a .280 hitter "
          "with 600 at-bats does far more for your team than a .300 hitter who comes to the "
          "plate 350 times.",
          "When two players look alike on paper, take the one who hits higher in the batting "
          "order. Over a season a leadoff man comes to the plate more than a hundred times "
          "more than the man hitting eighth, and every one of those trips is another chance "
          "at a hit, a run or a stolen base.",
          "And never let a roster place sit empty for long. When one of your starters is "
          "benched or goes on the disabled list, replace him right away; a few weeks of zeros "
          "at one spot add up faster than most owners think."}},
        {"Be careful about injury-prone players.",
         {"A player who spends a month or two on the disabled list every year costs you twice: "
          "once in the money you paid for him, and again in the statistics you do not get "
          "while he sits. Lose two of them at once and your season can be over by the "
          "All-Star break.",
          "Everybody knows the names. Jose Canseco can still hit a ball as far as anyone, but "
          "he has not given his owners a full season in years. Steer around the expensive "
          "ones, or, if you must have one, get a good backup for him as well and count the "
          "backup's price as part of the cost."}},
        {"Young, experienced players are breakout candidates.",
         {"Some of the best buys on the board are players who have been in the league for "
          "three or four years, are 27 or younger and are still with the team that brought "
          "them up. They have learned the league, their club knows what it has in them, and "
          "their best years are often still ahead. Toronto's Shawn Green and Carlos Delgado "
          "fit the bill this spring.",
          "Such players are worth the most in keeper leagues, where you can hold on to them at "
          "this year's price while their numbers climb. Our breakout reports list the best of "
          "them."}},
        {"A word about potential.",
         {"In a league with carry-over, potential counts, and the longer players can be kept, "
          "the more it counts. A young player bought cheaply today can be the best bargain on "
          "your roster for three or four seasons.",
          "In a league without carry-over, potential is virtually meaningless: you are buying "
          "this season's statistics and nothing else. Every spring a few big-name rookies "
          "arrive with headlines ahead of them, and this year Ben Grieve, Paul Konerko and "
          "Travis Lee will draw heavy bidding. Unless you can keep them, an overpriced rookie "
          "is not worth the extra money; let somebody else pay for the future."}},
        {"Get a top-notch pitcher to anchor your staff.",
         {"Pitching is where most owners get hurt. Each league has only about 20 good pitchers "
          "and about 15 who are consistently mediocre. Everybody else is a gamble who may "
          "help you one year and wreck your ERA and ratio the next.",
          "So get yourself an ace, a Greg Maddux, a Roger Clemens or a Pedro Martinez, who "
          "gives you innings, wins and strikeouts and steadies both ratio categories all "
          "year. Then put two more good pitchers behind him. For the rest of the staff, pay "
          "no more than 5 dollars for any one pitcher: a 12-dollar gamble is still a gamble."}},
        {"Bidding someone up can mean getting that player.",
         {"Pushing up the price of a player so that a rival has to pay more for him is a lot "
          "like bluffing at poker. Done well, it drains the other owners' budgets; done badly, "
          "the table goes quiet and you are holding a player you never wanted at a price you "
          "cannot afford.",
          "So bid up only players you could stand to be stuck with, at a price you could live "
          "with. If the bidding stops on you, you should be able to shrug and write his name "
          "on your roster, not spend the rest of the auction digging out of the hole."}},
    };
    return tips;
}

// A help section gives its line in the table of contents, its heading and
// its body; body lines carry their own opening tab or list letter.
struct HelpSection {
    QString contentsEntry;
    QString heading;
    QStringList body;
};

const QList<HelpSection> &helpSections()
{
    static const QList<HelpSection> sections = {
        {"Overview", "Overview",
         {"\tQuillomet has one purpose: to help you win your league. It holds more information "
          "than any magazine on the newsstand, and it is more current, because it was put "
          "together after the winter's trades and signings instead of months before the "
          "season.",
          "\tEverything starts from the main menu, which has four headings: \"Positions\", "
          "\"American League\", \"National League\" and \"Reports\". The buttons on the main "
          "screen offer the same choices.",
          "\tThe program also comes with a spreadsheet that lets you make a customised draft or "
          "auction sheet with very little effort (see section 5)."}},
        {"The Position Analyses", "Positions",
         {"\tClick on a position, on the ballpark picture of the main screen or in the "
          "Positions menu, and a screen opens with the players of that position. Every player "
          "is shown in the same format.",
          "\tThe navigation buttons at the top left of the screen step from one player to the "
          "next or back, or jump to the first or the last player. Next to them, type a "
          "player's last name and press Search to go straight to him.",
          "\tThe rest of the page holds a write-up of the player's projected role in 1998, his "
          "statistics for the last four years, a diamond that shows a hitter's games at each "
          "position in 1997, and the banner of his 1998 team."}},
        {"Team Analyses", "Teams",
         {"\tThe team menu, opened with \"Team By Team Reports\" on the main screen, lists every "
          "major-league team of 1998; the American League and National League menus list them "
          "as well. Click on a team to open its screen, with the offensive and defensive "
          "projections for the club, its starting lineup and the finish we predict for it.",
          "\tThe lineups can be edited, so you can keep them up to date as trades, injuries and "
          "spring training change them: click into the lineup and type. Be careful, though: "
          "an edit cannot be undone, and the only way back is to type the old entry in "
          "again."}},
        {"Reports", "Reports",
         {"\tThe Reports menu offers several entries besides the positions and the teams:",
          "a) \tHot Hitting Prospects: the young hitters most likely to make an impact this "
          "year.",
          "b) \tBreakout Pitchers: pitchers ready to put up the numbers they are capable of.",
          "c) \tBreakout Batters: the same for hitters.",
          "d) \tTop 98 for 1998: our ranking of the 98 best players for the coming season.",
          "e) \tAbout Quillomet: the version of the program and the people behind it.",
          "f) \tTop Offseason Moves: the top 10 trades and signings of the winter and what they "
          "mean for your draft.",
          "g) \tHot Pitching Prospects: the young pitchers to watch.",
          "\tThe breakout and prospect reports each have a button that explains how their "
          "players were chosen."}},
        {"The Spreadsheets", "The Spreadsheet",
         {"\tQuillomet comes with a workbook, \"Draftday.xls\", for sorting the players and "
          "building a draft sheet of your own. It is an Excel workbook, and other spreadsheet "
          "programs, Quattro Pro among them, can import it.",
          "\tMake a copy of it before you change anything, so that the original is always "
          "there to go back to.",
          "\tThe workbook lies in the program's install folder: share/quillomet beside the "
          "program's bin folder.",
          "\tIts league headings let you separate the players by league, if your league uses "
          "only one of them. It holds the hitting and pitching statistics of 1996 and 1997.",
          "\tHow to sort is explained in the help of your spreadsheet program."}},
    };
    return sections;
}

} // namespace

namespace Texts {

QStringList tips()
{
    QStringList lines{QString()};
    const QList<Tip> &all = winningTips();
    for (qsizetype i = 0; i < all.size(); ++i) {
        if (i > 0)
            lines << QString();
        lines << QStringLiteral("%1)  %2  ").arg(QString::number(i + 1), all[i].title)
              << QString();
        for (const QString &paragraph : all[i].paragraphs)
            lines << u'\t' + paragraph;
    }
    return lines;
}

QStringList help()
{
    QStringList lines{"Quillomet", "Version 1.0", QString(), "Table of Contents"};
    const QList<HelpSection> &sections = helpSections();
    for (qsizetype i = 0; i < sections.size(); ++i)
        lines << QStringLiteral("%1 \t%2").arg(QString::number(i + 1), sections[i].contentsEntry);
    for (qsizetype i = 0; i < sections.size(); ++i) {
        lines << QString() << QString()
              << QStringLiteral("%1) %2").arg(QString::number(i + 1), sections[i].heading)
              << sections[i].body;
    }
    return lines;
}

// The box shows 18-point text without a scroll bar, so the credits stay brief.
QStringList aboutProduct()
{
    return {"Version 1.0a",
            "Brantell Software",
            "Editor: Walt Pruett",
            "Code: Ann Tisdale",
            "Copyright 1998"};
}

QStringList aboutBreakout()
{
    return {"    Breakout candidates are players who",
            "have been in the league for a couple of",
            "years but have not yet put up the kind",
            "of numbers they are capable of. None of",
            "them is a mystery: scouts and owners",
            "have known their names for a while.",
            "Think of them as highly touted rookies",
            "who never got into the race for rookie",
            "of the year; some will also be starting",
            "for the first time this year."};
}

QStringList aboutProspects()
{
    return {"Prospects are players who have never",
            "played a full season in the major leagues",
            "and who had more at-bats in the minors",
            "than in the majors last year. This list",
            "holds the best of them. Some of these",
            "players will make an impact this year;",
            "others will need more time in the minors",
            "before they can help a fantasy team. We",
            "chose the players on the list for their",
            "chance of making an impact this year, and",
            "most of them should get a significant",
            "amount of playing time this season."};
}

QStringList spreadsheet()
{
    return {"Quillomet comes with \"Draftday.xls\", an Excel",
            "workbook made to help you build a customised draft",
            "sheet with a minimum of effort. Before you use it,",
            "make a copy of it and work on the copy. The workbook",
            "lies in the program's install folder: share/quillomet",
            "beside the program's bin folder.",
            QString(),
            "To use it, open it from any spreadsheet program. If",
            "your program is not Excel, it may ask for the",
            "workbook's format: it is Excel 5.0. The players are",
            "divided by position to make sorting and classifying",
            "them easier. Changes you make to the workbook do not",
            "affect Quillomet in any way."};
}

QStringList spreadsheetNote()
{
    return {"Note: This button will only work ",
            "if you have Excel and it is ",
            "stored on your root C drive.  If ",
            "not, you will have to launch the ",
            "spreadsheet manually."};
}

} // namespace Texts
