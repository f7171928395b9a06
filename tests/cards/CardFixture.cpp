#include "CardFixture.h"

#include "TestSupport.h"

#include <QImage>
#include <QVariant>

namespace CardFixture {

namespace {

QStringList fieldsOf(const QVector<StatisticsColumn> &columns)
{
    QStringList fields;
    for (const StatisticsColumn &column : columns)
        for (const QString &field : column.fields)
            if (!field.isEmpty())
                fields << field;
    return fields;
}

bool isTeamColumn(const QString &field) { return field.startsWith("TEAM", Qt::CaseInsensitive); }

// The table declares the statistics in capitals: the cards bind them in
// mixed case ("Team_96", "2b_95"), and field names match letter case apart.
QString columnDefinition(const QString &field)
{
    return QString("\"%1\" %2").arg(field.toUpper(), isTeamColumn(field) ? "VARCHAR(20)" : "INTEGER");
}

QVariant fieldValue(const QString &field)
{
    return isTeamColumn(field) ? QVariant(valueOf(field)) : QVariant(valueOf(field).toInt());
}

struct Player {
    const char *last;
    const char *first;
    QVariant position;
    QVariant team;
};

void createPlayerTable(const TestInstall &install, const QString &file, const QString &lastNameField,
                       const QString &writeUpField, const QStringList &numbers, const QVector<Player> &players)
{
    // The last name comes first: the search keys on the first column.
    QStringList columns = {QString("\"%1\" VARCHAR(12)").arg(lastNameField), "\"FRST_NM_97\" VARCHAR(12)",
                           "\"POS_97\" VARCHAR(3)", QString("\"%1\" TEXT").arg(writeUpField),
                           "\"TEAM_98\" VARCHAR(20)"};
    for (const QString &field : numbers)
        columns << columnDefinition(field);
    QList<QVariantList> rows;
    for (const Player &player : players) {
        QVariantList row = {player.last, player.first, player.position,
                            QString("%1 %2 looks set for a full season.").arg(player.first, player.last),
                            player.team};
        for (const QString &field : numbers)
            row << fieldValue(field);
        rows << row;
    }
    install.createTable(file, columns, rows);
}

} // namespace

const QVector<StatisticsColumn> &hitterStatistics()
{
    static const QVector<StatisticsColumn> columns = {
        {"Team", {"TEAM_97", "Team_96", "Team_95", "Team_94", ""}},
        {"AB", {"ATBATS_97", "AB_96", "AB_95", "AB_94", "AB_T"}},
        {"AVG", {"BATAVG_97", "NEWAVG 96", "NEWAVG 95", "NEWAVG 94", "AVG_T"}},
        {"HR", {"HRS_97", "HR_96", "HR_95", "HR_94", "HR_T"}},
        {"RBI", {"RBI_97", "RBI_96", "RBI_95", "RBI_94", "RBI_T"}},
        {"SB", {"STOLEN_97", "SB_96", "SB_95", "SB_94", "SB_T"}},
        {"R", {"RUNS_97", "R_96", "Runs_95", "Runs_94", "Runs_T"}},
        {"H", {"HITS_97", "H_96", "Hits_95", "Hits_94", "H_T"}},
        {"2B", {"DOUBLES_97", "2B_96", "2b_95", "2B_94", "2B_T"}},
        {"3B", {"TRIPLES_97", "3B_96", "3B_95", "3B_94", "3B_T"}},
        {"BB", {"WALKS_97", "BB_96", "BB_95", "BB_94", "BB_T"}},
        {"CS", {"CAUGHT_97", "CS_96", "CS_95", "CS_94", "CS_T"}},
    };
    return columns;
}

const QVector<StatisticsColumn> &pitcherStatistics()
{
    static const QVector<StatisticsColumn> columns = {
        {"Team", {"TEAM_97", "Team_96", "TEAM95", "TEAM_94", ""}},
        {"ERA", {"ERA_97a", "ERA_96", "ERA_95", "ERA_94", "ERA_TOT"}},
        {"W", {"WIN_97", "WINS96", "WINS95", "WINS_94", "WINS_TOT"}},
        {"L", {"LOSS_97", "LOSSES96", "LOSSES95", "LOSSES_94", "LOSSES_TOT"}},
        {"SO", {"STRKOUT_97", "SO96", "SO95", "SO_94", "SO_TOT"}},
        {"SV", {"SAVE_97", "SV96", "SV95", "SV_94", "SV_TOT"}},
        {"WHIP", {"WHIP_97", "WHIP_96", "WHIP_95", "WHIP_94", "WHIP_TOT"}},
        {"IP", {"INNGS_97", "IP96", "IP95", "IP_94", "IP_TOT"}},
        {"H", {"HITSAGN_97", "HITS96", "HITS95", "HITS_94", "HITS_TOT"}},
        {"BB", {"BB_97", "BB96", "BB95", "BB_94", "BB_TOT"}},
        {"ER", {"ERUNS_97", "ER96", "ER95", "ER_94", "ER_TOT"}},
        {"R", {"RUNSALW_97", "RUNS96", "RUNS95", "RUNS_94", "RUNS_TOT"}},
    };
    return columns;
}

const QStringList &diagramFields()
{
    static const QStringList fields = {"CF_97", "LF_97", "RF_97", "SS_97", "B2_97",
                                       "B3_97", "B1_97", "CT_97", "DH_97"};
    return fields;
}

const QStringList &statisticsRowLabels()
{
    static const QStringList labels = {"97", "96", "95", "94", "4 Year Average"};
    return labels;
}

QString valueOf(const QString &field)
{
    // Numbered in one list of both cards' fields, so the two tables agree.
    static const QStringList all = [] {
        QStringList fields = fieldsOf(hitterStatistics()) + diagramFields() + fieldsOf(pitcherStatistics());
        for (QString &field : fields)
            field = field.toUpper();
        fields.removeDuplicates();
        return fields;
    }();
    const int number = 101 + int(all.indexOf(field.toUpper()));
    return isTeamColumn(field) ? QString("T%1").arg(number) : QString::number(number);
}

QStringList teams() { return {"Red Sox", "Cubs", "Mets", "AS"}; }

QColor bannerColor(const QString &team)
{
    static const QHash<QString, QColor> colors = {
        {"Red Sox", QColor(200, 0, 0)}, {"Cubs", QColor(0, 0, 200)}, {"Mets", QColor(250, 160, 0)},
        {"AS", QColor(0, 120, 60)},     {"A's", QColor(0, 120, 60)},
    };
    return colors.value(team);
}

void writeBanner(const QString &path, const QColor &color)
{
    QImage image(40, 10, QImage::Format_RGB32);
    image.fill(color);
    if (!image.save(path, "BMP"))
        qFatal("cannot write %s", qPrintable(path));
}

void create(const TestInstall &install)
{
    QStringList hitterNumbers = fieldsOf(hitterStatistics());
    hitterNumbers << diagramFields();
    createPlayerTable(install, "BTRMAST.DB", "LST_NM_97", "WRITE_UPS", hitterNumbers,
                      {
                          {"AARDVARK", "Zed", "of", "Mets"},
                          {"ADAMS", "Bob", "SS", "Red Sox"},
                          {"BAKER", "Carl", "SS", "Cubs"},
                          {"BAKER", "Al", "SS", "A's"},
                          {"CARTER", "Gus", "1B", "Cubs"},
                          {"DAVIS", "Hal", "SS", "Mets"},
                          {"EDWARDS", "Ike", "OF", "Cubs"},
                          {"EVANS", "Jack", "OF ", "Cubs"},
                          {"FOSTER", "Ken", "", "Cubs"},
                          {"FULLER", "Len", QVariant(), "Cubs"},
                          {"GARCIA", "Moe", " OF", "Cubs"},
                          {"HILL", "Ned", "OF", "Mets"},
                          {"KING", "Bo", "2B", "Cubs"},
                          {"KING", "Al", "2B", "Mets"},
                          {"KNOX", "Cy", "2B", "Red Sox"},
                          {"LANE", "Dee", "2B", "Mets"},
                          {"LONGNAMEPLAY", "Dan", "SS", "Cubs"},
                          {"MILLER", "Ed", "SS", "Red Sox"},
                          {"NASH", "Oz", "C", "Mets"},
                          {"NOLAN", "Pete", "C", "Cubs"},
                          {"YOUNG", "Fred", "SS", "Mets"},
                          {"NULLTEAM", "Abe", "DH", QVariant()},
                          {"EMPTYTEAM", "Bea", "3B", ""},
                      });
    createPlayerTable(install, "PITMAST.DB", "LAST_NM_97", "WRITE UPS", fieldsOf(pitcherStatistics()),
                      {
                          {"CLARK", "Cy", "SP", "Red Sox"},
                          {"ABBOTT", "Al", "SP", "Cubs"},
                          {"BROWN", "Bo", "RP", "Red Sox"},
                          {"ADLER", "Abe", "RP", "Mets"},
                          {"EVANS", "Ed", "sp", "Cubs"},
                      });
    for (const QString &team : teams())
        writeBanner(install.path() + team + ".bmp", bannerColor(team));
}

}
