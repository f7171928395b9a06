#include "screens/cards/Tsecbase.h"

#include "app/Selection.h"
#include "platform/db/TTable.h"
#include "platform/forms/Application.h"
#include "platform/forms/Look.h"
#include "screens/cards/CardSteps.h"

#include <QLineEdit>

namespace {

const CardLayout &hitterCard()
{
    static const CardLayout layout{
        .instanceName = "secbase",
        .restoredGeometry = {219, 61, 435, 378},
        .tableMember = "SecB",
        .tableName = "BTRMAST.DB",
        .indexFieldNames = "LST_NM_97;FRST_NM_97",
        .lastNameField = "LST_NM_97",
        .writeUpField = "WRITE_UPS",
        .positionCaptionMember = "Position",
        .navigator = {32, 0, 96, 25},
        .searchBox = {152, 0, 137, 24},
        .searchButton = {288, 0, 73, 25},
        .positionBox = {330, 24, 33, 21},
        .mainMenuButton = {424, 352, 169, 41},
        .statistics = {
            {"Year", 16, 41, {}},
            {"Team", 56, 113, {"TEAM_97", "Team_96", "Team_95", "Team_94", nullptr}},
            {"AB", 168, 73, {"ATBATS_97", "AB_96", "AB_95", "AB_94", "AB_T"}},
            {"AVG", 240, 73, {"BATAVG_97", "NEWAVG 96", "NEWAVG 95", "NEWAVG 94", "AVG_T"}},
            {"HR", 312, 41, {"HRS_97", "HR_96", "HR_95", "HR_94", "HR_T"}},
            {"RBI", 352, 41, {"RBI_97", "RBI_96", "RBI_95", "RBI_94", "RBI_T"}},
            {"SB", 392, 41, {"STOLEN_97", "SB_96", "SB_95", "SB_94", "SB_T"}},
            {"R", 432, 41, {"RUNS_97", "R_96", "Runs_95", "Runs_94", "Runs_T"}},
            {"H", 472, 41, {"HITS_97", "H_96", "Hits_95", "Hits_94", "H_T"}},
            {"2B", 512, 33, {"DOUBLES_97", "2B_96", "2b_95", "2B_94", "2B_T"}},
            {"3B", 544, 33, {"TRIPLES_97", "3B_96", "3B_95", "3B_94", "3B_T"}},
            {"BB", 576, 33, {"WALKS_97", "BB_96", "BB_95", "BB_94", "BB_T"}},
            {"CS", 608, 33, {"CAUGHT_97", "CS_96", "CS_95", "CS_94", "CS_T"}},
        },
        // Placed against the bases of the field picture beneath them.
        .diagram = {
            {"CF_97", {496, 16, 25, 17}, Look::green, 11},
            {"LF_97", {424, 32, 25, 17}, Look::green, 11},
            {"RF_97", {560, 32, 25, 17}, Look::green, 11},
            {"SS_97", {464, 80, 25, 17}, Look::maroon, 11},
            {"B2_97", {528, 80, 25, 17}, Look::maroon, 11},
            {"B3_97", {432, 120, 25, 17}, Look::green, 11},
            {"B1_97", {560, 120, 25, 17}, Look::green, 8},
            {"CT_97", {512, 168, 25, 17}, Look::green, 11},
            {"DH_97", {608, 160, 17, 17}, Look::green, 11},
        },
        .diagramCaptions = {{"DHLabel", "DH:", {584, 160, 23, 13}}},
        .tabOrder = {"Edit1", "Button1", "Button2", "Position", "DBEdit1"},
    };
    return layout;
}

} // namespace

Tsecbase::Tsecbase() : PlayerCard(hitterCard()), SecB(cardTable()), Position(positionCaption())
{
    SecB->OnFilterRecord = [this](TTable &table, bool &accept) { SecBFilterRecord(table, accept); };
    Application::instance().guard([this] { FormCreate(); });
}

void Tsecbase::FormCreate() { ShowTeamBanner(*SecB, *Image2); }

void Tsecbase::FormActivate()
{
    SecB->SetFiltered(true);
    ShowTeamBanner(*SecB, *Image2);
    setWindowTitle(Selection::positionCode());
}

void Tsecbase::SecBFilterRecord(TTable &table, bool &accept) { accept = PlaysSelectedPosition(table); }
