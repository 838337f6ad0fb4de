#include "support/VelkTest.h"

#include "platform/Bundle.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSet>
#include <QTest>

// The real program started with scripts/run on a real X server (Xvfb) with a page document: its document
// window must reach the screen with the page drawn on its canvas.

namespace {

// An X server of its own on a free display; stopped when it goes.
class VirtualScreen {
public:
    VirtualScreen()
    {
        m_server.setProgram(QStringLiteral("Xvfb"));
        // The server picks a free display and writes its number on the descriptor given.
        m_server.setArguments({QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                               QStringLiteral("0"), QStringLiteral("1600x1000x24"),
                               QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        m_server.start();
        if (!m_server.waitForStarted(10000))
            return;
        QElapsedTimer clock;
        clock.start();
        while (!m_server.canReadLine() && clock.elapsed() < 15000 && m_server.state() == QProcess::Running)
            m_server.waitForReadyRead(500);
        bool number = false;
        const int display = m_server.readLine().trimmed().toInt(&number);
        if (number)
            m_display = QStringLiteral(":%1").arg(display);
    }
    ~VirtualScreen()
    {
        m_server.terminate();
        if (!m_server.waitForFinished(5000))
            m_server.kill();
        m_server.waitForFinished();
    }
    // Empty when the server did not start.
    QString display() const { return m_display; }

private:
    QProcess m_server;
    QString m_display;
};

struct ScreenStats {
    int colors = 0;
    QRect windows;
    bool canvasUniform = true;
};

// The colours of the screen, the area its windows cover (everything not of the empty screen's colour) and
// whether the middle of that area, where the canvas lies, shows a single colour.
ScreenStats statsOf(const QImage& screen)
{
    ScreenStats stats;
    if (screen.isNull())
        return stats;
    const QRgb empty = screen.pixel(screen.width() - 1, screen.height() - 1);
    QSet<QRgb> colors;
    int left = screen.width(), top = screen.height(), right = -1, bottom = -1;
    for (int y = 0; y < screen.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(screen.constScanLine(y));
        for (int x = 0; x < screen.width(); ++x) {
            colors.insert(line[x]);
            if (line[x] != empty) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    stats.colors = int(colors.size());
    if (right < 0)
        return stats;
    stats.windows = QRect(QPoint(left, top), QPoint(right, bottom));
    const QRect middle(stats.windows.x() + stats.windows.width() / 3,
                       stats.windows.y() + stats.windows.height() / 3, stats.windows.width() / 3,
                       stats.windows.height() / 3);
    const QRgb first = screen.pixel(middle.topLeft());
    for (int y = middle.top(); y <= middle.bottom() && stats.canvasUniform; ++y) {
        for (int x = middle.left(); x <= middle.right(); ++x) {
            if (screen.pixel(x, y) != first) {
                stats.canvasUniform = false;
                break;
            }
        }
    }
    return stats;
}

class ScreenCheckTest : public VelkTest {};

TEST_F(ScreenCheckTest, TheDocumentWindowReachesARealScreenWithItsPageDrawn)
{
    VirtualScreen screen;
    if (screen.display().isEmpty())
        GTEST_SKIP() << "the X server (Xvfb) could not be started";

    const QString page = pathInHome(QStringLiteral("Site/Consulting.velkpage"));
    ASSERT_TRUE(QFile::copy(QDir(Bundle::defaultResourcesPath())
                                .filePath(QStringLiteral("templates/business/Consulting.velkpage")),
                            page));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), screen.display());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("VELK_BUILD_DIR"), QStringLiteral(VELK_BUILD_DIR));
    // The program's settings and work folders stay in the test's home.
    environment.insert(QStringLiteral("HOME"), homePath());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), pathInHome(QStringLiteral("config/x")).chopped(2));
    environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));

    QProcess velk;
    velk.setProcessEnvironment(environment);
    velk.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    velk.start(QStringLiteral(VELK_SOURCE_DIR "/scripts/run"),
               {QStringLiteral("--product"), QStringLiteral("HTML Velk Pro"), page});
    ASSERT_TRUE(velk.waitForStarted(10000));

    QProcessEnvironment grabbing = environment;
    const QString shot = pathInHome(QStringLiteral("screen.png"));
    ScreenStats stats;
    QElapsedTimer clock;
    clock.start();
    // The window is up once the screen holds it with the page drawn on its canvas.
    while (clock.elapsed() < 120000 && velk.state() == QProcess::Running) {
        QProcess grab;
        grab.setProcessEnvironment(grabbing);
        grab.start(QStringLiteral(VELK_SCREEN_GRAB), {shot});
        ASSERT_TRUE(grab.waitForFinished(30000));
        ASSERT_EQ(grab.exitCode(), 0) << grab.readAllStandardError().toStdString();
        stats = statsOf(QImage(shot));
        if (stats.colors > 16 && !stats.canvasUniform && stats.windows.width() > 600)
            break;
        QTest::qWait(500);
    }
    const bool running = velk.state() == QProcess::Running;
    velk.terminate();
    if (!velk.waitForFinished(10000)) {
        velk.kill();
        velk.waitForFinished();
    }
    ASSERT_TRUE(running) << "velk ended early: " << velk.readAllStandardOutput().toStdString();
    EXPECT_GT(stats.colors, 16) << "a blank screen";
    EXPECT_GT(stats.windows.width(), 600) << "no document window on the screen";
    EXPECT_FALSE(stats.canvasUniform) << "the canvas shows nothing of the page";
}

} // namespace
