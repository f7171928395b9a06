#include "CardFixture.h"
#include "TestSupport.h"

#include "app/InstallFolder.h"
#include "app/Selection.h"
#include "assets/Pictures.h"
#include "platform/Failure.h"
#include "platform/controls/TDBEdit.h"
#include "platform/controls/TDBMemo.h"
#include "platform/controls/TDBNavigator.h"
#include "platform/controls/TDBText.h"
#include "platform/controls/TImage.h"
#include "platform/db/Database.h"
#include "platform/db/TTable.h"
#include "platform/forms/Application.h"
#include "platform/forms/Look.h"
#include "screens/cards/CardSteps.h"
#include "screens/cards/Tsecbase.h"
#include "screens/cards/Tstarters.h"
#include "screens/menu/TMMenu.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QtEndian>

#include <memory>

using CardFixture::bannerColor;
using CardFixture::valueOf;

namespace {

const QString notValid = "Bitmap image is not valid";
const QString noTeam = "Invalid variant type conversion";

QString cannotOpen(const QString &path) { return "Cannot open file " + QDir::toNativeSeparators(path); }

// The teams of the shortstops, in last-name order.
const QList<std::pair<QString, QString>> shortstops = {
    {"ADAMS Bob", "Red Sox"}, {"BAKER Al", "A's"},       {"BAKER Carl", "Cubs"}, {"DAVIS Hal", "Mets"},
    {"LONGNAMEPLAY Dan", "Cubs"}, {"MILLER Ed", "Red Sox"}, {"YOUNG Fred", "Mets"},
};

QByteArray bitmapBytes(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "BMP"))
        qFatal("cannot encode a bitmap");
    return bytes;
}

QImage filled(int width, int height, QImage::Format format = QImage::Format_RGB32)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(0, 120, 60));
    return image.convertToFormat(format);
}

// A valid bitmap with one little-endian header field overwritten.
template <typename T>
QByteArray patched(QByteArray bytes, int offset, T value)
{
    qToLittleEndian<T>(value, bytes.data() + offset);
    return bytes;
}

// Offsets in a bitmap file: the file header, then the info header.
enum : int { dataOffsetAt = 10, widthAt = 18, heightAt = 22, bitsAt = 28, compressionAt = 30, imageSizeAt = 34 };

} // namespace

class CardsTest : public QObject {
    Q_OBJECT

    Application &app = Application::instance();
    std::unique_ptr<TestInstall> install;
    std::unique_ptr<MessageRecorder> recorder;
    TForm *menu = nullptr;

    void createScreens(TForm *mainScreen)
    {
        menu = mainScreen;
        app.addForm(menu);
        app.addForm(new Tsecbase);
        app.addForm(new Tstarters);
        app.show(menu);
    }

    PlayerCard *card(const QString &name) { return static_cast<PlayerCard *>(app.form(name)); }
    static TTable *table(PlayerCard *card) { return card->findChild<TTable *>(); }

    // Shows a card for a position the way a main-menu action does.
    void open(PlayerCard *card, const QString &code)
    {
        if (card->isVisible())
            card->Close();
        Selection::setPositionCode(code);
        app.show(card);
    }

    // The name header as it reads: "LAST First", empty when no player shows.
    static QString player(PlayerCard *card)
    {
        auto *last = card->findChild<TDBText *>(card->objectName() == "secbase" ? "LST_NM_97" : "LAST_NM_97");
        auto *first = card->findChild<TDBText *>("FRST_NM_97");
        return QString("%1 %2").arg(last->text(), first->text()).trimmed();
    }

    static QColor banner(PlayerCard *card)
    {
        const QImage &picture = card->Image2->Picture();
        return picture.isNull() ? QColor() : picture.pixelColor(0, 0);
    }

    static void press(PlayerCard *card, TDBNavigator::Button which, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            QTest::mouseClick(card->DBNavigator1->button(which), Qt::LeftButton);
    }

    static QList<bool> navigatorEnabled(PlayerCard *card)
    {
        QList<bool> enabled;
        for (auto which : {TDBNavigator::nbFirst, TDBNavigator::nbPrior, TDBNavigator::nbNext, TDBNavigator::nbLast})
            enabled << card->DBNavigator1->button(which)->isEnabled();
        return enabled;
    }

    // The label (not a data label) that reads the text.
    static QLabel *caption(PlayerCard *card, const QString &text)
    {
        for (QLabel *label : card->findChildren<QLabel *>())
            if (!qobject_cast<TDBText *>(label) && label->text() == text)
                return label;
        return nullptr;
    }

    static QList<TDBText *> showing(PlayerCard *card, const QString &text)
    {
        QList<TDBText *> found;
        for (TDBText *label : card->findChildren<TDBText *>())
            if (label->text() == text)
                found << label;
        return found;
    }

    // The card as its window shows it, and its whole client area.
    void takeScreenshots(PlayerCard *card, const QString &name)
    {
        QTest::qWait(100);
        saveScreenshot(card, name + "-window");
        saveScreenshot(card->client(), name);
    }

private slots:
    void initTestCase() { Look::installFontSubstitutions(); }

    void init()
    {
        install = std::make_unique<TestInstall>();
        CardFixture::create(*install);
        recorder = std::make_unique<MessageRecorder>();
        createScreens(new TForm("MMenu", "Quillomet"));
    }

    void cleanup()
    {
        app.destroyForms();
        Selection::reset();
        recorder.reset();
        install.reset();
    }

    void filterAcceptsTheWholeCodeOnly_data()
    {
        QTest::addColumn<QString>("cardName");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("players");
        QTest::newRow("OF: not lower case, not with blanks")
            << "secbase" << "OF" << QStringList{"EDWARDS Ike", "HILL Ned"};
        QTest::newRow("of: case counts") << "secbase" << "of" << QStringList{"AARDVARK Zed"};
        QTest::newRow("trailing blank is part of the code") << "secbase" << "OF " << QStringList{"EVANS Jack"};
        QTest::newRow("empty code: not the empty or null positions") << "secbase" << "" << QStringList{};
        QTest::newRow("shortstops in last, first name order")
            << "secbase" << "SS"
            << QStringList{"ADAMS Bob", "BAKER Al", "BAKER Carl", "DAVIS Hal",
                           "LONGNAMEPLAY Dan", "MILLER Ed", "YOUNG Fred"};
        QTest::newRow("SP") << "starters" << "SP" << QStringList{"ABBOTT Al", "CLARK Cy"};
        QTest::newRow("RP") << "starters" << "RP" << QStringList{"ADLER Abe", "BROWN Bo"};
        QTest::newRow("sp") << "starters" << "sp" << QStringList{"EVANS Ed"};
    }

    void filterAcceptsTheWholeCodeOnly()
    {
        QFETCH(QString, cardName);
        QFETCH(QString, code);
        QFETCH(QStringList, players);
        PlayerCard *c = card(cardName);
        open(c, code);
        QStringList seen;
        if (!table(c)->IsEmpty()) {
            seen << player(c);
            for (press(c, TDBNavigator::nbNext); !table(c)->Eof(); press(c, TDBNavigator::nbNext))
                seen << player(c);
        }
        QCOMPARE(seen, players);
    }

    void aCodeNoPlayerCarriesLeavesTheViewEmpty_data()
    {
        QTest::addColumn<QString>("cardName");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QColor>("bannerKept");
        // The hitter card sets its caption after the banner step, the
        // pitcher card before it.
        QTest::newRow("hitter card") << "secbase" << "secbase" << bannerColor("Mets");
        QTest::newRow("pitcher card") << "starters" << "ZZ" << QColor();
    }

    void aCodeNoPlayerCarriesLeavesTheViewEmpty()
    {
        QFETCH(QString, cardName);
        QFETCH(QString, caption);
        QFETCH(QColor, bannerKept);
        PlayerCard *c = card(cardName);
        open(c, "ZZ");
        QVERIFY(table(c)->IsEmpty());
        for (TDBText *label : c->findChildren<TDBText *>())
            QVERIFY2(label->text().isEmpty(), qPrintable(label->objectName()));
        QCOMPARE(c->DBMemo1->toPlainText(), QString());
        QCOMPARE(c->DBEdit1->text(), QString());
        QCOMPARE(navigatorEnabled(c), (QList<bool>{false, false, false, false}));
        QCOMPARE(recorder->takeOne(), noTeam);
        QCOMPARE(c->windowTitle(), caption);
        QCOMPARE(banner(c), bannerKept);
    }

    void activationStartsAgainAtTheFirstPlayer()
    {
        PlayerCard *c = card("secbase");
        open(c, "2B");
        press(c, TDBNavigator::nbNext, 2);
        QCOMPARE(player(c), QString("KNOX Cy"));
        QTest::mouseClick(c->Button2, Qt::LeftButton);
        QVERIFY(!c->isVisible());
        QCOMPARE(app.activeForm(), menu);

        open(c, "2B");
        QCOMPARE(player(c), QString("KING Al"));
        QCOMPARE(banner(c), bannerColor("Mets"));
        QCOMPARE(c->windowTitle(), QString("2B"));
        QCOMPARE(recorder->messages, QStringList());
    }

    void aFailingBannerEndsTheActivation_data()
    {
        QTest::addColumn<QString>("cardName");
        QTest::addColumn<QString>("firstCode");
        QTest::addColumn<QString>("failingCode");
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("failingPlayer");
        QTest::addColumn<QString>("nextPlayer");
        QTest::addColumn<QString>("nextTeam");
        // NASH and ADLER play for the Mets, whose banner gets damaged.
        QTest::newRow("hitter card keeps its caption") << "secbase" << "SS" << "C" << "missing" << "SS" << "NASH Oz"
                                                       << "NOLAN Pete" << "Cubs";
        QTest::newRow("hitter card, not a bitmap") << "secbase" << "SS" << "C" << "garbage" << "SS" << "NASH Oz"
                                                   << "NOLAN Pete" << "Cubs";
        QTest::newRow("pitcher card has its new caption") << "starters" << "SP" << "RP" << "missing" << "RP"
                                                          << "ADLER Abe" << "BROWN Bo" << "Red Sox";
    }

    void aFailingBannerEndsTheActivation()
    {
        QFETCH(QString, cardName);
        QFETCH(QString, firstCode);
        QFETCH(QString, failingCode);
        QFETCH(QString, damage);
        QFETCH(QString, caption);
        QFETCH(QString, failingPlayer);
        QFETCH(QString, nextPlayer);
        QFETCH(QString, nextTeam);
        PlayerCard *c = card(cardName);
        open(c, firstCode);
        const QColor before = banner(c);
        QCOMPARE(recorder->messages, QStringList());

        const QString mets = install->path() + "Mets.bmp";
        QFile::remove(mets);
        if (damage == "garbage") {
            QFile file(mets);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("BM this is not a bitmap at all");
        }
        open(c, failingCode);
        QCOMPARE(recorder->takeOne(), damage == "missing" ? cannotOpen(mets) : notValid);
        QCOMPARE(player(c), failingPlayer);
        QCOMPARE(c->windowTitle(), caption);
        QCOMPARE(banner(c), before);

        // Stepping on to a player whose bitmap is there shows it again.
        press(c, TDBNavigator::nbNext);
        QCOMPARE(player(c), nextPlayer);
        QCOMPARE(banner(c), bannerColor(nextTeam));
        QCOMPARE(recorder->messages, QStringList());
    }

    void bannerStep_data()
    {
        QTest::addColumn<QVariant>("team");
        QTest::addColumn<QStringList>("bitmaps");   // under the folder that holds the install folder
        QTest::addColumn<QString>("message");       // %1: the install folder
        const QString loaded;
        QTest::newRow("A's is AS.bmp") << QVariant("A's") << QStringList{"install/AS.bmp"} << loaded;
        QTest::newRow("a's names its own file") << QVariant("a's") << QStringList{"install/a's.bmp"} << loaded;
        QTest::newRow("a's is not AS.bmp") << QVariant("a's") << QStringList{"install/AS.bmp"}
                                           << cannotOpen("%1a's.bmp");
        QTest::newRow("A's with a blank is not AS.bmp") << QVariant("A's ") << QStringList{"install/AS.bmp"}
                                                        << cannotOpen("%1A's .bmp");
        QTest::newRow("blanks and punctuation kept") << QVariant("St. Louis") << QStringList{"install/St. Louis.bmp"}
                                                     << loaded;
        QTest::newRow("missing file") << QVariant("Red Sox") << QStringList{} << cannotOpen("%1Red Sox.bmp");
        QTest::newRow("null team") << QVariant() << QStringList{"install/.bmp"} << noTeam;
        QTest::newRow("empty team") << QVariant("") << QStringList{"install/.bmp"} << noTeam;
        QTest::newRow("no climbing out") << QVariant("../outside") << QStringList{"outside.bmp"}
                                         << cannotOpen("%1../outside.bmp");
        QTest::newRow("no sub-folder") << QVariant("sub/inner") << QStringList{"install/sub/inner.bmp"}
                                       << cannotOpen("%1sub/inner.bmp");
        QTest::newRow("no backslash") << QVariant("back\\slash") << QStringList{"install/back\\slash.bmp"}
                                      << cannotOpen("%1back\\slash.bmp");
        const QString withNul = QString("nul") + QChar(0) + "x";
        QTest::newRow("no NUL") << QVariant(withNul) << QStringList{"install/nul"}
                                << cannotOpen("%1" + withNul + ".bmp");
    }

    void bannerStep()
    {
        QFETCH(QVariant, team);
        QFETCH(QStringList, bitmaps);
        QFETCH(QString, message);
        const QString root = install->path();
        for (const QString &bitmap : bitmaps) {
            QDir().mkpath(QFileInfo(root + bitmap).path());
            CardFixture::writeBanner(root + bitmap, bannerColor("Cubs"));
        }
        InstallFolder::setPath(root + "install");
        install->createTable("TEAMS.DB", {"\"TEAM_98\" VARCHAR(30)"}, {{team}});
        TTable teams;
        teams.DatabaseName = "Baseball";
        teams.TableName = "TEAMS.DB";
        teams.ReadOnly = true;
        teams.Open();
        TImage image;
        const QImage previous = filled(3, 3);
        image.SetPicture(previous);

        QString failure;
        try {
            ShowTeamBanner(teams, image);
        } catch (const Failure &f) {
            failure = f.text();
        }
        QCOMPARE(failure, QString(message).replace("%1", InstallFolder::path()));
        if (message.isEmpty())
            QCOMPARE(image.Picture().pixelColor(0, 0), bannerColor("Cubs"));
        else
            QCOMPARE(image.Picture(), previous);
    }

    void pictureLoad_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QSize>("size");
        const QByteArray rgb = bitmapBytes(filled(64, 32));
        const QByteArray paletted = bitmapBytes(filled(30, 20, QImage::Format_Indexed8));
        QTest::newRow("24 bits") << rgb << QString() << QSize(64, 32);
        QTest::newRow("256 colours") << paletted << QString() << QSize(30, 20);
        QTest::newRow("1 bit") << bitmapBytes(filled(17, 5, QImage::Format_Mono)) << QString() << QSize(17, 5);
        QTest::newRow("top-down rows") << patched<qint32>(rgb, heightAt, -32) << QString() << QSize(64, 32);

        QTest::newRow("claims 100000 x 100000")
            << patched<qint32>(patched<qint32>(rgb, widthAt, 100000), heightAt, 100000) << notValid << QSize();
        QTest::newRow("claims 4000 x 4000") << patched<qint32>(patched<qint32>(rgb, widthAt, 4000), heightAt, 4000)
                                            << notValid << QSize();
        QTest::newRow("claims the most negative height") << patched<qint32>(rgb, heightAt, INT32_MIN) << notValid
                                                         << QSize();
        QTest::newRow("cut short") << rgb.left(rgb.size() * 3 / 5) << notValid << QSize();
        QTest::newRow("headers only") << rgb.left(54) << notValid << QSize();
        QTest::newRow("half a header") << rgb.left(20) << notValid << QSize();
        QTest::newRow("empty file") << QByteArray() << notValid << QSize();
        QTest::newRow("zero width") << patched<qint32>(rgb, widthAt, 0) << notValid << QSize();
        QTest::newRow("negative width") << patched<qint32>(rgb, widthAt, -64) << notValid << QSize();
        QTest::newRow("7 bits per pixel") << patched<quint16>(rgb, bitsAt, 7) << notValid << QSize();
        QTest::newRow("pixels after the end") << patched<quint32>(rgb, dataOffsetAt, rgb.size() + 10) << notValid
                                              << QSize();
        QTest::newRow("run-length data beyond the end")
            << patched<quint32>(patched<quint32>(paletted, compressionAt, 1), imageSizeAt, paletted.size())
            << notValid << QSize();
        QTest::newRow("unknown compression") << patched<quint32>(rgb, compressionAt, 9) << notValid << QSize();

        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        filled(8, 8).save(&buffer, "PNG");
        QTest::newRow("a PNG file") << png << notValid << QSize();
        QTest::newRow("text") << QByteArray("Red Sox\n") << notValid << QSize();
    }

    void pictureLoad()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        QFETCH(QSize, size);
        const QString path = install->path() + "picture.bmp";
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        TImage image;
        const QImage previous = filled(3, 3);
        image.SetPicture(previous);

        QString failure;
        try {
            image.LoadFromFile(path);
        } catch (const Failure &f) {
            failure = f.text();
        }
        QCOMPARE(failure, message);
        QCOMPARE(image.Picture().size(), message.isEmpty() ? size : previous.size());
        if (!message.isEmpty())
            QCOMPARE(image.Picture(), previous);
    }

    void pictureThatCannotBeOpened()
    {
        const QString folder = install->path() + "folder.bmp";
        QVERIFY(QDir().mkpath(folder));
        TImage image;
        for (const QString &path : {folder, install->path() + "none.bmp"}) {
            try {
                image.LoadFromFile(path);
                QFAIL("loaded");
            } catch (const Failure &f) {
                QCOMPARE(f.text(), cannotOpen(path));
            }
        }
        QVERIFY(image.Picture().isNull());
    }

    void searchFindsTheNearestPlayerOfThePosition_data()
    {
        QTest::addColumn<QString>("cardName");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("found");
        QTest::addColumn<QString>("team");
        // The search starts from the last player but one.
        QTest::newRow("full name: lowest first name") << "secbase" << "SS" << "BAKER" << "BAKER Al" << "A's";
        QTest::newRow("typed in lower case") << "secbase" << "SS" << "baker" << "BAKER Al" << "A's";
        QTest::newRow("first letters") << "secbase" << "SS" << "BAK" << "BAKER Al" << "A's";
        QTest::newRow("between two names") << "secbase" << "SS" << "BB" << "DAVIS Hal" << "Mets";
        QTest::newRow("another position's name passed over") << "secbase" << "SS" << "CARTER" << "DAVIS Hal" << "Mets";
        QTest::newRow("beyond the last name") << "secbase" << "SS" << "ZZZZ" << "YOUNG Fred" << "Mets";
        QTest::newRow("empty text: the first player") << "secbase" << "SS" << "" << "ADAMS Bob" << "Red Sox";
        QTest::newRow("cut to the column's 12 characters")
            << "secbase" << "SS" << "LONGNAMEPLAYERS" << "LONGNAMEPLAY Dan" << "Cubs";
        QTest::newRow("pitchers") << "starters" << "RP" << "B" << "BROWN Bo" << "Red Sox";
        QTest::newRow("pitchers, beyond the last") << "starters" << "SP" << "ZED" << "CLARK Cy" << "Red Sox";
    }

    void searchFindsTheNearestPlayerOfThePosition()
    {
        QFETCH(QString, cardName);
        QFETCH(QString, code);
        QFETCH(QString, typed);
        QFETCH(QString, found);
        QFETCH(QString, team);
        PlayerCard *c = card(cardName);
        open(c, code);
        press(c, TDBNavigator::nbLast);
        press(c, TDBNavigator::nbPrior);
        recorder->messages.clear();

        QTest::keyClicks(c->Edit1, typed);
        QTest::mouseClick(c->Button1, Qt::LeftButton);
        QCOMPARE(player(c), found);
        QCOMPARE(banner(c), bannerColor(team));
        QCOMPARE(recorder->messages, QStringList());
        QCOMPARE(c->Edit1->text(), typed.toUpper());
    }

    void onlyTheSearchButtonSearches()
    {
        PlayerCard *c = card("secbase");
        open(c, "SS");
        QVERIFY(QTest::qWaitForWindowActive(c));
        c->Edit1->setFocus();
        QTest::keyClicks(c->Edit1, "miller");
        QTest::keyClick(c->Edit1, Qt::Key_Return);
        QTest::keyClick(c->Edit1, Qt::Key_Enter);
        QCOMPARE(player(c), QString("ADAMS Bob"));

        c->Button1->setFocus();
        QTest::keyClick(c->Button1, Qt::Key_Space);
        QCOMPARE(player(c), QString("MILLER Ed"));
        QCOMPARE(banner(c), bannerColor("Red Sox"));

        // The text stays through leaving and coming back.
        open(c, "SS");
        QCOMPARE(c->Edit1->text(), QString("MILLER"));
    }

    void searchBoxTurnsLettersIntoCapitalsWhereTyped()
    {
        PlayerCard *c = card("starters");
        open(c, "SP");
        QTest::keyClicks(c->Edit1, "ab1");
        QTest::keyClick(c->Edit1, Qt::Key_Home);
        QTest::keyClicks(c->Edit1, "z");
        QCOMPARE(c->Edit1->text(), QString("ZAB1"));
        QCOMPARE(c->Edit1->cursorPosition(), 1);
        c->Edit1->clear();
        const QString many(300, 'q');
        QTest::keyClicks(c->Edit1, many);
        QCOMPARE(c->Edit1->text(), many.toUpper());
    }

    void aSinglePlayerPosition()
    {
        PlayerCard *c = card("secbase");
        open(c, "1B");
        QCOMPARE(player(c), QString("CARTER Gus"));
        QCOMPARE(navigatorEnabled(c), (QList<bool>{false, false, true, true}));

        // The step reloads the banner: with the bitmap gone it says so.
        const QString cubs = install->path() + "Cubs.bmp";
        QFile::remove(cubs);
        press(c, TDBNavigator::nbNext);
        QCOMPARE(player(c), QString("CARTER Gus"));
        QVERIFY(!c->DBNavigator1->button(TDBNavigator::nbNext)->isEnabled());
        QVERIFY(!c->DBNavigator1->button(TDBNavigator::nbLast)->isEnabled());
        QCOMPARE(recorder->takeOne(), cannotOpen(cubs));
        QCOMPARE(banner(c), bannerColor("Cubs"));
    }

    void stepsFollowTheButtons()
    {
        PlayerCard *c = card("secbase");
        open(c, "SS");
        QCOMPARE(navigatorEnabled(c), (QList<bool>{false, false, true, true}));
        press(c, TDBNavigator::nbLast);
        QCOMPARE(player(c), QString("YOUNG Fred"));
        QCOMPARE(navigatorEnabled(c), (QList<bool>{true, true, false, false}));
        press(c, TDBNavigator::nbPrior);
        QCOMPARE(player(c), QString("MILLER Ed"));
        QCOMPARE(banner(c), bannerColor("Red Sox"));
        QCOMPARE(navigatorEnabled(c), (QList<bool>{true, true, true, true}));
        press(c, TDBNavigator::nbFirst);
        QCOMPARE(player(c), QString("ADAMS Bob"));
        QCOMPARE(navigatorEnabled(c), (QList<bool>{false, false, true, true}));
        QCOMPARE(recorder->messages, QStringList());
    }

    void holdingNextStepsAndShowsEachBanner()
    {
        PlayerCard *c = card("secbase");
        open(c, "SS");
        QToolButton *next = c->DBNavigator1->button(TDBNavigator::nbNext);
        QList<std::pair<QString, QString>> steps;
        connect(next, &QToolButton::clicked, this, [&] {
            QString team;
            for (const auto &[name, playsFor] : shortstops)
                if (banner(c) == bannerColor(playsFor))
                    team = playsFor;
            steps.append({player(c), team});
        });
        QTest::mousePress(next, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(steps.size() >= 4, 30000);
        QTest::mouseRelease(next, Qt::LeftButton);
        QVERIFY(steps.size() >= 4);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(steps.at(i), shortstops.at(i + 1));
        QCOMPARE(recorder->messages, QStringList());
    }

    void creationShowsABannerOnTheHitterCardOnly()
    {
        QCOMPARE(banner(card("secbase")), bannerColor("Mets"));   // AARDVARK, first of the whole table
        QVERIFY(card("starters")->Image2->Picture().isNull());
        QCOMPARE(recorder->messages, QStringList());

        open(card("secbase"), "SS");
        QCOMPARE(banner(card("secbase")), bannerColor("Red Sox"));
        open(card("starters"), "SP");
        QCOMPARE(banner(card("starters")), bannerColor("Cubs"));
    }

    void aBannerFailureAtCreationLeavesAUsableCard()
    {
        app.destroyForms();
        for (const QString &team : CardFixture::teams())
            QFile::remove(install->path() + team + ".bmp");
        createScreens(new TForm("MMenu", "Quillomet"));
        // Only the hitter card loads a banner while it is created.
        QCOMPARE(recorder->takeOne(), cannotOpen(install->path() + "Mets.bmp"));
        QVERIFY(card("secbase")->Image2->Picture().isNull());

        CardFixture::writeBanner(install->path() + "Red Sox.bmp", bannerColor("Red Sox"));
        open(card("secbase"), "SS");
        QCOMPARE(player(card("secbase")), QString("ADAMS Bob"));
        QCOMPARE(banner(card("secbase")), bannerColor("Red Sox"));
        QCOMPARE(card("secbase")->windowTitle(), QString("SS"));
    }

    void tabOrder_data()
    {
        QTest::addColumn<QString>("cardName");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("hitter card") << "secbase" << "SS"
                                     << QStringList{"Edit1", "Button1", "Button2", "Position", "DBEdit1", "DBMemo1"};
        QTest::newRow("pitcher card") << "starters" << "SP"
                                      << QStringList{"Edit1", "Button1", "Edit2", "DBEdit1", "Button2", "DBMemo1"};
    }

    void tabOrder()
    {
        QFETCH(QString, cardName);
        QFETCH(QString, code);
        QFETCH(QStringList, order);
        PlayerCard *c = card(cardName);
        open(c, code);
        QVERIFY(QTest::qWaitForWindowActive(c));
        QCOMPARE(QApplication::focusWidget(), c->DBMemo1);
        QStringList visited;
        for (int i = 0; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, order);
    }

    void statisticsSitUnderTheirHeadingInTheirRow_data()
    {
        QTest::addColumn<QString>("cardName");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("row");
        const std::pair<const char *, const QVector<CardFixture::StatisticsColumn> *> cards[] = {
            {"secbase", &CardFixture::hitterStatistics()}, {"starters", &CardFixture::pitcherStatistics()}};
        for (const auto &[cardName, columns] : cards)
            for (const CardFixture::StatisticsColumn &column : *columns)
                for (int row = 0; row < column.fields.size(); ++row)
                    if (!column.fields[row].isEmpty())
                        QTest::addRow("%s %s", cardName, qPrintable(column.fields[row]))
                            << cardName << (QString(cardName) == "secbase" ? "SS" : "SP") << column.fields[row]
                            << column.heading << CardFixture::statisticsRowLabels().at(row);
    }

    void statisticsSitUnderTheirHeadingInTheirRow()
    {
        QFETCH(QString, cardName);
        QFETCH(QString, code);
        QFETCH(QString, field);
        QFETCH(QString, heading);
        QFETCH(QString, row);
        PlayerCard *c = card(cardName);
        open(c, code);
        const QList<TDBText *> cells = showing(c, valueOf(field));
        QCOMPARE(cells.size(), 1);
        const QRect cell = cells.first()->geometry();
        QLabel *column = caption(c, heading);
        QLabel *line = caption(c, row);
        QVERIFY(column && line);
        QCOMPARE(cell.left(), column->x());
        QCOMPARE(cell.width(), column->width());
        QCOMPARE(cell.top(), line->y());
        QCOMPARE(cell.height(), line->height());
    }

    void theDiagramIsOnTheHitterCardOnly()
    {
        PlayerCard *hitters = card("secbase");
        open(hitters, "SS");
        const QRect field = hitters->Image1->geometry();
        for (const QString &box : CardFixture::diagramFields()) {
            const QList<TDBText *> cells = showing(hitters, valueOf(box));
            QCOMPARE(cells.size(), 1);
            QVERIFY2(field.contains(cells.first()->geometry()), qPrintable(box));
        }
        QVERIFY(caption(hitters, "Games by Position") && caption(hitters, "DH:"));

        PlayerCard *pitchers = card("starters");
        open(pitchers, "SP");
        for (TDBText *label : pitchers->findChildren<TDBText *>())
            QVERIFY2(!pitchers->Image1->geometry().intersects(label->geometry()), qPrintable(label->objectName()));
        QVERIFY(caption(pitchers, "Games by Position"));
        QVERIFY(!caption(pitchers, "DH:"));
    }

    void theWriteUpAndPositionShow()
    {
        PlayerCard *c = card("starters");
        open(c, "RP");
        QCOMPARE(c->DBMemo1->toPlainText(), QString("Abe ADLER looks set for a full season."));
        QCOMPARE(c->DBEdit1->text(), QString("RP"));
        QVERIFY(c->DBEdit1->isReadOnly());
        QTest::keyClicks(c->DBEdit1, "X");
        QCOMPARE(c->DBEdit1->text(), QString("RP"));
        QCOMPARE(static_cast<Tstarters *>(c)->Edit2->text(), QString("Position"));
    }

    // The whole road from the main menu's buttons.
    void theMainMenuOpensTheCards()
    {
        app.destroyForms();
        createScreens(new TMMenu);
        const auto click = [this](TForm *screen, const char *member) {
            QTest::mouseClick(screen->findChild<QPushButton *>(member), Qt::LeftButton);
            return app.activeForm();
        };
        const struct {
            const char *button;
            const char *screen;
            const char *code;
            const char *player;
            const char *team;
        } roads[] = {
            {"Button1", "secbase", "SS", "ADAMS Bob", "Red Sox"},
            {"Button10", "starters", "SP", "ABBOTT Al", "Cubs"},
            {"Button11", "starters", "RP", "ADLER Abe", "Mets"},
            {"Button4", "secbase", "1B", "CARTER Gus", "Cubs"},
        };
        for (const auto &road : roads) {
            auto *shown = static_cast<PlayerCard *>(click(menu, road.button));
            QCOMPARE(shown->objectName(), QString(road.screen));
            QCOMPARE(shown->windowTitle(), QString(road.code));
            QCOMPARE(player(shown), QString(road.player));
            QCOMPARE(banner(shown), bannerColor(road.team));
            QCOMPARE(click(shown, "Button2"), menu);
            QVERIFY(!shown->isVisible());
        }
        QCOMPARE(Selection::positionCode(), QString("1B"));
        QCOMPARE(recorder->messages, QStringList());
    }

    void screenshots()
    {
        Pictures::writePictures(install->path());
        app.destroyForms();
        createScreens(new TForm("MMenu", "Quillomet"));
        open(card("secbase"), "SS");
        takeScreenshots(card("secbase"), "cards-secbase-fixture");
        open(card("starters"), "SP");
        takeScreenshots(card("starters"), "cards-starters-fixture");
        QCOMPARE(recorder->messages, QStringList());
    }

    // The cards over the generated demo data, when the build has made it.
    void screenshotsOnDemoData()
    {
        const QString share = qEnvironmentVariable("QUILLOMET_TEST_SHARE");
        if (share.isEmpty() || !QFile::exists(share + "/Baseball/BTRMAST.DB"))
            QSKIP("no demo data in this build");
        app.destroyForms();
        InstallFolder::setPath(share);
        Database::setAliasPath("Baseball", InstallFolder::path() + "Baseball");
        createScreens(new TForm("MMenu", "Quillomet"));
        const std::pair<const char *, QStringList> cards[] = {{"secbase", {"C", "1B", "2B", "3B", "SS", "OF", "DH"}},
                                                             {"starters", {"SP", "RP"}}};
        for (const auto &[name, codes] : cards) {
            PlayerCard *c = card(name);
            for (const QString &code : codes) {
                open(c, code);
                QVERIFY2(!table(c)->IsEmpty(), qPrintable(code));
                takeScreenshots(c, QString("cards-%1-demo-%2").arg(name, code));
            }
            c->Close();
        }
        QCOMPARE(recorder->messages, QStringList());
    }
};

QTEST_MAIN(CardsTest)
#include "tst_cards.moc"
