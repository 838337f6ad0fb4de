#include "profile/services/ProgressWindow.h"

#include "platform/Format.h"
#include "platform/UserDefaults.h"
#include "profile/DataCentre.h"
#include "profile/services/LevelIndicator.h"

#include <QApplication>
#include <QHideEvent>
#include <QLabel>
#include <QMutex>
#include <QPointer>
#include <QProgressBar>
#include <QThread>
#include <QVBoxLayout>

#include <deque>
#include <functional>

namespace {

const QString kFrameKeyPrefix = QStringLiteral("Window Frame ");
const QString kPleaseWait = QStringLiteral("Please wait");

QString frameKey()
{
    return kFrameKeyPrefix + ProgressIndicatorWindowController::frameAutosaveName;
}

// Hands calls to the GUI thread in the order they were made, whichever thread makes them.
class GuiThreadCalls {
public:
    static GuiThreadCalls& instance()
    {
        static GuiThreadCalls calls;
        return calls;
    }

    void run(std::function<void()> call)
    {
        QCoreApplication* application = QCoreApplication::instance();
        if (!qobject_cast<QApplication*>(application))
            return;
        if (QThread::currentThread() == application->thread()) {
            runWaiting();
            call();
            return;
        }
        {
            QMutexLocker lock(&m_mutex);
            m_waiting.push_back(std::move(call));
        }
        QMetaObject::invokeMethod(
            application, [this] { runWaiting(); }, Qt::QueuedConnection);
    }

private:
    void runWaiting()
    {
        for (;;) {
            std::function<void()> call;
            {
                QMutexLocker lock(&m_mutex);
                if (m_waiting.empty())
                    return;
                call = std::move(m_waiting.front());
                m_waiting.pop_front();
            }
            call();
        }
    }

    QMutex m_mutex;
    std::deque<std::function<void()>> m_waiting;
};

QPointer<ProgressIndicatorWindowController>& sharedWindow()
{
    static QPointer<ProgressIndicatorWindowController> window;
    return window;
}

QPointer<QWidget>& registeredMainWindow()
{
    static QPointer<QWidget> window;
    return window;
}

QProgressBar* newSpinningBar(const QString& name)
{
    auto* bar = new QProgressBar;
    bar->setObjectName(name);
    bar->setRange(0, 0); // no range: the bar spins without a level
    bar->setTextVisible(false);
    return bar;
}

QLabel* newTextLine(const QString& name)
{
    auto* label = new QLabel;
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

void dismiss()
{
    QPointer<ProgressIndicatorWindowController>& shared = sharedWindow();
    if (ProgressIndicatorWindowController* window = shared.data()) {
        window->hide();
        shared.clear();
        delete window;
    }
}

// The two forms differ only in what shows progress: the level indicator of steps done, or a second
// spinning bar when the job counts no steps.
void openFreshWindow(bool countsSteps)
{
    dismiss();
    auto* window = new ProgressIndicatorWindowController;
    sharedWindow() = window;
    window->progressStatusTextfield()->setText(kPleaseWait);
    window->progressFileTextField()->setText(QString());
    window->show();
    window->raise();
    window->activateWindow();
    window->progressIndicator()->show();
    window->levelIndicator()->setDoubleValue(0.0);
    window->levelIndicator()->setMaxValue(10.0);
    window->levelIndicator()->setVisible(countsSteps);
    window->progressIndicator2()->setVisible(!countsSteps);
}

} // namespace

ProgressIndicatorWindowController::ProgressIndicatorWindowController()
    : QWidget(nullptr, Qt::Window)
    , m_progressIndicator(newSpinningBar(QStringLiteral("progressIndicator")))
    , m_progressStatusTextfield(newTextLine(QStringLiteral("progressStatusTextfield")))
    , m_progressFileTextField(newTextLine(QStringLiteral("progressFileTextField")))
    , m_levelIndicator(new LevelIndicator)
    , m_progressIndicator2(newSpinningBar(QStringLiteral("progressIndicator2")))
{
    setObjectName(frameAutosaveName);
    m_levelIndicator->setObjectName(QStringLiteral("levelIndicator"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_progressStatusTextfield);
    layout->addWidget(m_progressFileTextField);
    layout->addWidget(m_progressIndicator);
    layout->addWidget(m_levelIndicator);
    layout->addWidget(m_progressIndicator2);
    setMinimumWidth(320);

    const QRectF frame = Format::rectFromString(UserDefaults::standard().stringForKey(frameKey()));
    if (!frame.isEmpty())
        setGeometry(frame.toRect());
}

void ProgressIndicatorWindowController::hideEvent(QHideEvent* event)
{
    if (!event->spontaneous())
        UserDefaults::standard().setObject(Format::rect(geometry()), frameKey());
    QWidget::hideEvent(event);
}

namespace DataCentre {

ProgressIndicatorWindowController* sharedProgressWindow()
{
    return sharedWindow().data();
}

void showProgressIndicator()
{
    GuiThreadCalls::instance().run([] {
        openFreshWindow(true);
        if (profile().raiseProgressWindow)
            sharedWindow()->raise();
    });
}

void updateProgressBar(int step, int total, const QString& fileText)
{
    GuiThreadCalls::instance().run([step, total, fileText] {
        if (ProgressIndicatorWindowController* window = sharedWindow().data()) {
            QLabel* status = window->progressStatusTextfield();
            status->setText(QStringLiteral("Please wait: %1/%2 completed").arg(step).arg(total));
            window->levelIndicator()->setMaxValue(double(total));
            window->levelIndicator()->setDoubleValue(double(step));
            window->progressFileTextField()->setText(fileText);
            // Paint now: callers on the GUI thread may keep it busy until the job ends.
            try {
                window->levelIndicator()->repaint();
                window->progressFileTextField()->repaint();
                status->repaint();
            } catch (...) {
                qWarning("update progress bar - exception");
            }
            if (step == total)
                window->hide();
        }
        if (step == total) {
            if (QWidget* main = mainWindow()) {
                main->setWindowOpacity(1.0);
                main->raise();
            }
        }
    });
}

void dismissProgressIndicator()
{
    GuiThreadCalls::instance().run(dismiss);
}

void showMainThreadProgressIndicator()
{
    GuiThreadCalls::instance().run([] { openFreshWindow(false); });
}

void hideMainThreadProgressIndicator()
{
    GuiThreadCalls::instance().run([] {
        if (ProgressIndicatorWindowController* window = sharedWindow().data())
            window->hide();
    });
}

void setMainWindow(QWidget* window)
{
    registeredMainWindow() = window;
}

QWidget* mainWindow()
{
    return registeredMainWindow().data();
}

} // namespace DataCentre
