#include "TestSupport.h"

#include "app/Selection.h"
#include "app/Startup.h"
#include "assets/Pictures.h"
#include "data/DemoData.h"
#include "platform/forms/Application.h"
#include "platform/forms/TForm.h"

#include <QFile>
#include <QProcess>
#include <QTest>

namespace {

const QStringList tableFiles = {"BTRMAST.DB", "PITMAST.DB", "TEAMPLAT.DB", "TOP98.DB", "PROSPECT.DB",
                                "PITPROS.DB", "BREAKOUT.DB", "BREAKPIT.DB", "BIGMOVES.DB"};

const QStringList creationOrder = {"MMenu", "secbase", "starters", "Form2", "tp98", "Prospec",
                                   "Form3", "Breakbat", "Breakpit", "About", "Abpros", "Form5",
                                   "Moves", "Sheet", "pitpros", "Help", "Teammenu"};

} // namespace

// The whole start-up on the demo data, and what a damaged table file does to it.
class StartupTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestInstall> install;
    Application &app = Application::instance();

private slots:
    void init()
    {
        install = std::make_unique<TestInstall>();
        DemoData::writeDatabase(install->baseballPath());
        Pictures::writeTeamBanners(install->path());
        Pictures::writePictures(install->path());
    }
    void cleanup()
    {
        app.destroyForms();
        Selection::reset();
        install.reset();
    }

    void createsEveryScreenInOrderAndShowsTheMainMenu()
    {
        MessageRecorder recorder;
        QVERIFY(Startup::begin(install->path()));
        QCOMPARE(recorder.messages, QStringList());
        QStringList created;
        for (TForm *form : app.forms())
            created << form->objectName();
        QCOMPARE(created, creationOrder);
        QCOMPARE(app.activeForm(), app.mainForm());
        QVERIFY(app.mainForm()->isVisible() && app.mainForm()->isMaximized());
        QCOMPARE(app.stack(), QList<TForm *>{app.mainForm()});
        saveScreenshot(app.mainForm(), "startup-main-menu");
    }

    void aDamagedTableEndsStartUpWithOneMessage_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("expected");
        for (const QString &file : tableFiles)
            QTest::newRow(qPrintable("missing " + file)) << file << "missing" << "does not exist";
        QTest::newRow("not a database") << "PITMAST.DB" << "garbage" << "not a database";
        QTest::newRow("bound field missing") << "BTRMAST.DB" << "field" << "field 'HRS_97' not found";
        QTest::newRow("locked") << "TEAMPLAT.DB" << "locked" << "locked";
    }
    void aDamagedTableEndsStartUpWithOneMessage()
    {
        QFETCH(QString, file);
        QFETCH(QString, damage);
        QFETCH(QString, expected);
        const QString path = install->baseballPath() + file;
        QProcess locker;
        if (damage == "missing") {
            QVERIFY(QFile::remove(path));
        } else if (damage == "garbage") {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write("this is not a table file, just text pretending to be one\n");
        } else if (damage == "field") {
            install->query(file, "ALTER TABLE BTRMAST DROP COLUMN \"HRS_97\"");
        } else {
            locker.start("python3", {"-c", "import sqlite3,sys,time\n"
                                           "c=sqlite3.connect(sys.argv[1],isolation_level=None)\n"
                                           "c.execute('BEGIN EXCLUSIVE')\nprint('locked',flush=True)\ntime.sleep(60)\n",
                                     path});
            if (!locker.waitForReadyRead(10000))
                QSKIP("python3 with sqlite3 is needed to lock a file from another process");
        }

        MessageRecorder recorder;
        QCOMPARE(Startup::run(install->path()), 1);
        const QString message = recorder.takeOne();
        QVERIFY2(message.contains(file) && message.contains(expected), qPrintable(message));
        // Nothing was shown, and the screens made before are gone.
        QVERIFY(app.forms().isEmpty());
        QVERIFY(app.activeForm() == nullptr);
        locker.kill();
        locker.waitForFinished();
    }
};

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"
