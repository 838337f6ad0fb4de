#include "FileTestSupport.h"

#include "platform/Format.h"
#include "platform/UserDefaults.h"
#include "profile/DataCentre.h"
#include "profile/services/LevelIndicator.h"
#include "profile/services/ProgressWindow.h"
#include "support/VelkTest.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QTest>

#include <thread>

namespace {

using DataCentre::sharedProgressWindow;

class ProgressWindowTest : public VelkTest {
protected:
    void SetUp() override
    {
        VelkTest::SetUp();
        DataCentre::resetProfile();
    }
    void TearDown() override
    {
        DataCentre::dismissProgressIndicator();
        DataCentre::setMainWindow(nullptr);
        DataCentre::resetProfile();
        VelkTest::TearDown();
    }

    static QString status() { return sharedProgressWindow()->progressStatusTextfield()->text(); }
    static QString fileLine() { return sharedProgressWindow()->progressFileTextField()->text(); }
    static LevelIndicator* level() { return sharedProgressWindow()->levelIndicator(); }
    static bool spinning(QProgressBar* bar)
    {
        return bar->isVisible() && bar->minimum() == 0 && bar->maximum() == 0;
    }

    // A document window made transparent, as page loops leave it while they run.
    QWidget* transparentMainWindow()
    {
        m_main.show();
        m_main.setWindowOpacity(0.0);
        DataCentre::setMainWindow(&m_main);
        return &m_main;
    }

private:
    QWidget m_main;
};

TEST_F(ProgressWindowTest, WindowHoldsTheNamedControls)
{
    DataCentre::showProgressIndicator();
    ProgressIndicatorWindowController* window = sharedProgressWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isWindow());
    EXPECT_EQ(window->objectName(), "ProgressIndicatorWindowController");
    EXPECT_EQ(window->findChild<QProgressBar*>("progressIndicator"), window->progressIndicator());
    EXPECT_EQ(window->findChild<QLabel*>("progressStatusTextfield"), window->progressStatusTextfield());
    EXPECT_EQ(window->findChild<QLabel*>("progressFileTextField"), window->progressFileTextField());
    EXPECT_EQ(window->findChild<LevelIndicator*>("levelIndicator"), window->levelIndicator());
    EXPECT_EQ(window->findChild<QProgressBar*>("progressIndicator2"), window->progressIndicator2());
}

TEST_F(ProgressWindowTest, ShowOpensTheStepForm)
{
    DataCentre::showProgressIndicator();
    EXPECT_EQ(status(), "Please wait");
    EXPECT_EQ(fileLine(), "");
    EXPECT_TRUE(spinning(sharedProgressWindow()->progressIndicator()));
    EXPECT_TRUE(level()->isVisible());
    EXPECT_EQ(level()->doubleValue(), 0.0);
    EXPECT_EQ(level()->maxValue(), 10.0);
    EXPECT_FALSE(sharedProgressWindow()->progressIndicator2()->isVisible());
}

TEST_F(ProgressWindowTest, UpdateShowsStepOfTotal)
{
    DataCentre::showProgressIndicator();
    DataCentre::updateProgressBar(3, 7, "image3.png");
    EXPECT_EQ(status(), "Please wait: 3/7 completed");
    EXPECT_EQ(fileLine(), "image3.png");
    EXPECT_EQ(level()->doubleValue(), 3.0);
    EXPECT_EQ(level()->maxValue(), 7.0);
    EXPECT_TRUE(sharedProgressWindow()->isVisible());
}

TEST_F(ProgressWindowTest, FinalStepHidesButKeepsTheWindowAndRestoresTheMainWindow)
{
    const int finalSteps[][2] = {{7, 7}, {0, 0}};
    for (const auto& step : finalSteps) {
        QWidget* main = transparentMainWindow();
        DataCentre::showProgressIndicator();
        QPointer<ProgressIndicatorWindowController> window = sharedProgressWindow();
        DataCentre::updateProgressBar(step[0], step[1], "last.png");
        ASSERT_EQ(sharedProgressWindow(), window.data()) << step[1];
        EXPECT_FALSE(window->isVisible()) << step[1];
        EXPECT_EQ(main->windowOpacity(), 1.0) << step[1];

        // Hidden: further updates rewrite the hidden controls; dismiss still forgets the window.
        DataCentre::updateProgressBar(1, 4, "again.png");
        EXPECT_EQ(status(), "Please wait: 1/4 completed");
        EXPECT_FALSE(window->isVisible());
        DataCentre::dismissProgressIndicator();
        EXPECT_EQ(sharedProgressWindow(), nullptr);
        EXPECT_TRUE(window.isNull());
    }
}

TEST_F(ProgressWindowTest, ShowWhileOpenGivesAFreshWindow)
{
    DataCentre::showProgressIndicator();
    DataCentre::updateProgressBar(4, 9, "page4.html");
    QPointer<ProgressIndicatorWindowController> old = sharedProgressWindow();
    DataCentre::showProgressIndicator();
    EXPECT_TRUE(old.isNull());
    ASSERT_NE(sharedProgressWindow(), nullptr);
    EXPECT_TRUE(sharedProgressWindow()->isVisible());
    EXPECT_EQ(status(), "Please wait");
    EXPECT_EQ(fileLine(), "");
    EXPECT_EQ(level()->doubleValue(), 0.0);
    EXPECT_EQ(level()->maxValue(), 10.0);
}

TEST_F(ProgressWindowTest, WithoutAWindowOnlyAFinalStepRestoresTheMainWindow)
{
    QWidget* main = transparentMainWindow();
    DataCentre::updateProgressBar(2, 5, "a.png");
    DataCentre::dismissProgressIndicator();
    EXPECT_EQ(sharedProgressWindow(), nullptr);
    EXPECT_EQ(main->windowOpacity(), 0.0);
    DataCentre::updateProgressBar(5, 5, "a.png");
    EXPECT_EQ(sharedProgressWindow(), nullptr);
    EXPECT_EQ(main->windowOpacity(), 1.0);
}

TEST_F(ProgressWindowTest, SecondFormSpinsBothBarsAndHidesWithoutForgetting)
{
    DataCentre::showProgressIndicator();
    QPointer<ProgressIndicatorWindowController> old = sharedProgressWindow();
    DataCentre::showMainThreadProgressIndicator();
    EXPECT_TRUE(old.isNull());
    ProgressIndicatorWindowController* window = sharedProgressWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(status(), "Please wait");
    EXPECT_EQ(fileLine(), "");
    EXPECT_TRUE(spinning(window->progressIndicator()));
    EXPECT_TRUE(spinning(window->progressIndicator2()));
    EXPECT_FALSE(level()->isVisible());
    EXPECT_EQ(level()->doubleValue(), 0.0);
    EXPECT_EQ(level()->maxValue(), 10.0);

    DataCentre::hideMainThreadProgressIndicator();
    EXPECT_EQ(sharedProgressWindow(), window);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(ProgressWindowTest, WindowReopensWhereItWasLeft)
{
    DataCentre::showProgressIndicator();
    const QRect moved(QPoint(140, 95), sharedProgressWindow()->size());
    sharedProgressWindow()->setGeometry(moved);
    DataCentre::dismissProgressIndicator();
    EXPECT_EQ(UserDefaults::standard().stringForKey("Window Frame ProgressIndicatorWindowController"),
              Format::rect(moved));
    DataCentre::showProgressIndicator();
    EXPECT_EQ(sharedProgressWindow()->geometry(), moved);
}

TEST_F(ProgressWindowTest, CallsFromAWorkerThreadRunInOrderOnTheGuiThread)
{
    DataCentre::showProgressIndicator();
    ProgressSteps recorded;
    constexpr int total = 300;
    bool touchedOffGuiThread = false;
    QObject::connect(level(), &LevelIndicator::valueChanged, level(),
                     [&] { touchedOffGuiThread |= QThread::currentThread() != qApp->thread(); });

    std::thread worker([] {
        for (int step = 1; step <= total; ++step)
            DataCentre::updateProgressBar(step, total, QStringLiteral("file%1.png").arg(step));
    });
    const bool arrived = QTest::qWaitFor([&] { return recorded.steps().size() == total; }, 20000);
    worker.join();
    ASSERT_TRUE(arrived);

    QList<int> expected;
    for (int step = 1; step <= total; ++step)
        expected.append(step);
    EXPECT_EQ(recorded.steps(), expected);
    EXPECT_FALSE(touchedOffGuiThread);
    EXPECT_EQ(status(), "Please wait: 300/300 completed");
    EXPECT_EQ(fileLine(), "file300.png");
    EXPECT_FALSE(sharedProgressWindow()->isVisible());
}

TEST_F(ProgressWindowTest, AGuiThreadCallRunsAfterTheWorkerCallsMadeBeforeIt)
{
    std::thread worker([] {
        DataCentre::showProgressIndicator();
        DataCentre::updateProgressBar(1, 3, "one.png");
        DataCentre::updateProgressBar(2, 3, "two.png");
    });
    worker.join();
    // Nothing has been delivered yet; this call must come after the three queued ones.
    DataCentre::updateProgressBar(0, 3, "zero.png");
    ASSERT_NE(sharedProgressWindow(), nullptr);
    EXPECT_EQ(status(), "Please wait: 0/3 completed");
    EXPECT_EQ(fileLine(), "zero.png");
    QCoreApplication::processEvents();
    EXPECT_EQ(status(), "Please wait: 0/3 completed");
}

TEST_F(ProgressWindowTest, DismissFromAWorkerThreadForgetsTheWindow)
{
    DataCentre::showProgressIndicator();
    QPointer<ProgressIndicatorWindowController> window = sharedProgressWindow();
    std::thread worker([] { DataCentre::dismissProgressIndicator(); });
    worker.join();
    EXPECT_FALSE(window.isNull());
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.isNull(); }, 5000));
    EXPECT_EQ(sharedProgressWindow(), nullptr);
}

} // namespace
