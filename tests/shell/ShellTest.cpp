#include "TestSupport.h"

#include "app/Screens.h"
#include "app/Selection.h"
#include "platform/Failure.h"
#include "platform/forms/Application.h"
#include "platform/forms/TForm.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

namespace {

// A screen that notes each activation and each end step.
class ProbeForm : public TForm {
public:
    using TForm::TForm;
    int activations = 0;
    int endings = 0;
    bool failOnActivate = false;
    void FormActivate() override
    {
        ++activations;
        if (failOnActivate)
            throw Failure("banner missing");
    }
    void ProgramEnding() override { ++endings; }
};

} // namespace

class ShellTest : public QObject {
    Q_OBJECT

    Application &app = Application::instance();
    ProbeForm *menu = nullptr;
    ProbeForm *card = nullptr;
    ProbeForm *about = nullptr;

private slots:
    void init()
    {
        for (auto [name, caption] : {std::pair{"MMenu", "Quillomet"}, {"secbase", "secbase"}, {"About", "About Breakout"}}) {
            auto *form = new ProbeForm(name, caption);
            app.addForm(form);
        }
        menu = static_cast<ProbeForm *>(app.form("MMenu"));
        card = static_cast<ProbeForm *>(app.form("secbase"));
        about = static_cast<ProbeForm *>(app.form("About"));
        about->setWindowPlacement(TForm::Placement::Designed, QRect(200, 108, 350, 250));
        app.show(menu);
    }
    void cleanup()
    {
        app.destroyForms();
        Selection::reset();
    }

    void showActivatesSynchronouslyOnlyOnChange()
    {
        QCOMPARE(menu->activations, 1);
        Screens::show("secbase");
        // Activation has run when show returns.
        QCOMPARE(card->activations, 1);
        QCOMPARE(app.activeForm(), card);
        Screens::show("secbase");
        QCOMPARE(card->activations, 1);
        QVERIFY(card->isVisible() && card->isMaximized());
        Screens::show("nothing built under this name");
        QCOMPARE(app.activeForm(), card);
    }

    void closingActivatesTheScreenBeneath()
    {
        app.show(card);
        app.show(about);
        QCOMPARE(app.stack(), (QList<TForm *>{menu, card, about}));
        about->Close();
        QVERIFY(!about->isVisible());
        QCOMPARE(app.activeForm(), card);
        QCOMPARE(card->activations, 2);
        // The window's close box does the same as Close.
        card->close();
        QVERIFY(!card->isVisible());
        QCOMPARE(app.activeForm(), menu);
        QCOMPARE(menu->activations, 2);
        QVERIFY(menu->isVisible());
    }

    void windowSystemActivationOnlyBetweenOurScreens()
    {
        app.show(card);
        // Back from another program or a message box: the same screen again.
        app.windowActivated(card);
        QCOMPARE(card->activations, 1);
        // A click into another of our screens.
        app.windowActivated(menu);
        QCOMPARE(menu->activations, 2);
        QCOMPARE(app.stack().last(), menu);
        app.windowActivated(card);
        QCOMPARE(card->activations, 2);
    }

    void designedScreensOpenAtTheirPlace()
    {
        app.show(about);
        QVERIFY(!about->isMaximized());
        QCOMPARE(about->frameGeometry().size(), QSize(350, 250));
        // Shown again it is the same window brought to the front.
        app.show(card);
        app.show(about);
        QCOMPARE(app.stack().last(), about);
        QCOMPARE(app.forms().count(about), 1);
    }

    void failingActivationIsReportedAndTheScreenStaysShown()
    {
        MessageRecorder recorder;
        card->failOnActivate = true;
        Selection::setPositionCode("SS");
        Screens::show("secbase");
        QCOMPARE(recorder.takeOne(), QString("banner missing"));
        QVERIFY(card->isVisible());
        QCOMPARE(Selection::positionCode(), QString("SS"));
    }

    void closingTheMainMenuEndsTheProgram()
    {
        app.show(card);
        int status = -1;
        QTimer::singleShot(0, [&] { menu->close(); });
        status = QApplication::exec();
        QCOMPARE(status, 0);
        QVERIFY(app.ending());
        // Every screen ran its end step once; all of them are gone from view.
        for (auto *form : {menu, card, about})
            QCOMPARE(form->endings, 1);
        QVERIFY(!card->isVisible() && !menu->isVisible());
    }
};

QTEST_MAIN(ShellTest)
#include "ShellTest.moc"
