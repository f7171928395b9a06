// A team session in a process of its own, for what only a new process can
// show: what the table file holds after the program ended or was killed.
//
//   teams_session <install folder> type <team key> <box> <text> <stay|leave>
//       shows the team's breakdown, types the text into the box, then ends
//       the program by closing the main menu: with the focus still in the
//       box (stay), or after leaving the breakdown with "Main Menu" (leave).
//   teams_session <install folder> churn <team key>...
//       writes the given teams' records over and over, every name field and
//       the division finish set to the round number, printing
//       "posted <round>" after each round, until it is killed.
//
// Every failure message is printed as "message: <text>".

#include "TeamSession.h"

#include "app/Screens.h"
#include "app/Selection.h"
#include "platform/db/TTable.h"
#include "platform/forms/Application.h"
#include "screens/teams/TForm2.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {

void print(const QString &line)
{
    std::fputs(qPrintable(line + '\n'), stdout);
    std::fflush(stdout);
}

TForm2 *breakdown(const QString &teamKey)
{
    Selection::setTeamKey(teamKey);
    Screens::show("Form2");
    auto *form = static_cast<TForm2 *>(Screens::find("Form2"));
    if (!QTest::qWaitForWindowActive(form))
        qFatal("the team breakdown did not become active");
    return form;
}

void typeThenEnd(const QString &teamKey, const QString &boxName, const QString &text, bool leave)
{
    TForm2 *form = breakdown(teamKey);
    auto *box = form->findChild<QLineEdit *>(boxName);
    if (!box)
        qFatal("no box %s", qPrintable(boxName));
    box->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(box, text);
    if (leave)
        QTest::mouseClick(form->Button2, Qt::LeftButton);
    Screens::find("MMenu")->close();
}

[[noreturn]] void churn(const QStringList &teamKeys)
{
    TTable *table = breakdown(teamKeys.first())->Table1;
    for (int round = 1;; ++round) {
        const QString value = QString("G%1").arg(round);
        for (const QString &key : teamKeys) {
            Selection::setTeamKey(key);
            table->SetFiltered(true);
            table->Edit();
            for (const QString &field : TeamSession::nameFields())
                table->SetFieldText(field, value);
            table->SetFieldText("Division Rank", QString::number(round));
            table->Post();
        }
        print(QString("posted %1").arg(round));
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const QStringList args = QApplication::arguments().mid(1);
    const bool typing = args.size() == 6 && args[1] == "type";
    const bool churning = args.size() >= 3 && args[1] == "churn";
    if (!typing && !churning) {
        print("usage: teams_session <install folder> type <team key> <box> <text> <stay|leave>\n"
              "       teams_session <install folder> churn <team key>...");
        return 2;
    }

    Application::instance().setMessageHandler([](const QString &text) { print("message: " + text); });
    TeamSession::begin(args[0]);
    QTimer::singleShot(0, [&] {
        Application::instance().guard([&] {
            if (typing)
                typeThenEnd(args[2], args[3], args[4], args[5] == "leave");
            else
                churn(args.mid(2));
        });
    });
    const int status = QApplication::exec();
    Application::instance().destroyForms();
    return status;
}
