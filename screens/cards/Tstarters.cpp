#include "screens/cards/Tstarters.h"

#include "app/Selection.h"
#include "platform/db/TTable.h"
#include "screens/cards/CardSteps.h"

#include <QLineEdit>

namespace {

const CardLayout &pitcherCard()
{
    static const CardLayout layout{
        .instanceName = "starters",
        .restoredGeometry = {184, 138, 435, 378},
        .tableMember = "FirstB",
        .tableName = "PITMAST.DB",
        .indexFieldNames = "LAST_NM_97;FRST_NM_97",
        .lastNameField = "LAST_NM_97",
        .writeUpField = "WRITE UPS",
        .positionCaptionMember = "Edit2",
        .navigator = {24, 0, 96, 25},
        .searchBox = {144, 0, 137, 24},
        .searchButton = {280, 0, 73, 25},
        .positionBox = {328, 24, 33, 21},
        .mainMenuButton = {408, 344, 193, 49},
        .statistics = {
            {"Year", 16, 41, {}},
            {"Team", 56, 113, {"TEAM_97", "Team_96", "TEAM95", "TEAM_94", nullptr}},
            {"ERA", 168, 65, {"ERA_97a", "ERA_96", "ERA_95", "ERA_94", "ERA_TOT"}},
            {"W", 232, 33, {"WIN_97", "WINS96", "WINS95", "WINS_94", "WINS_TOT"}},
            {"L", 264, 33, {"LOSS_97", "LOSSES96", "LOSSES95", "LOSSES_94", "LOSSES_TOT"}},
            {"SO", 296, 41, {"STRKOUT_97", "SO96", "SO95", "SO_94", "SO_TOT"}},
            {"SV", 336, 33, {"SAVE_97", "SV96", "SV95", "SV_94", "SV_TOT"}},
            {"WHIP", 368, 57, {"WHIP_97", "WHIP_96", "WHIP_95", "WHIP_94", "WHIP_TOT"}},
            {"IP", 424, 65, {"INNGS_97", "IP96", "IP95", "IP_94", "IP_TOT"}},
            {"H", 488, 49, {"HITSAGN_97", "HITS96", "HITS95", "HITS_94", "HITS_TOT"}},
            {"BB", 536, 41, {"BB_97", "BB96", "BB95", "BB_94", "BB_TOT"}},
            {"ER", 576, 33, {"ERUNS_97", "ER96", "ER95", "ER_94", "ER_TOT"}},
            {"R", 608, 33, {"RUNSALW_97", "RUNS96", "RUNS95", "RUNS_94", "RUNS_TOT"}},
        },
        .diagram = {},
        .diagramCaptions = {},
        .tabOrder = {"Edit1", "Button1", "Edit2", "DBEdit1", "Button2"},
    };
    return layout;
}

} // namespace

Tstarters::Tstarters() : PlayerCard(pitcherCard()), FirstB(cardTable()), Edit2(positionCaption())
{
    FirstB->OnFilterRecord = [this](TTable &table, bool &accept) { FirstBFilterRecord(table, accept); };
}

// Unlike the hitter card, the caption is set before the banner step, so a
// failing banner leaves the new caption in place.
void Tstarters::FormActivate()
{
    FirstB->SetFiltered(true);
    setWindowTitle(Selection::positionCode());
    ShowTeamBanner(*FirstB, *Image2);
}

void Tstarters::FirstBFilterRecord(TTable &table, bool &accept) { accept = PlaysSelectedPosition(table); }
