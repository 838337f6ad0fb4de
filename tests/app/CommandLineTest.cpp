#include "app/launch/CommandLine.h"
#include "profile/configurations/Configurations.h"
#include "support/VelkTest.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

// The command line: options, product names, and the program answering them.

namespace {

struct ProgramRun {
    int exitCode = -1;
    bool stillRunning = false;
    QString out;
    QString err;
};

// Runs the program; one still running after the wait is stopped and marked so.
ProgramRun runProgram(const QStringList& arguments, int waitMilliseconds = 30000)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.remove(QStringLiteral("VELK_PRODUCT"));
    // The platform asks for a private runtime folder; a session without one gets one, as the run script does.
    static QTemporaryDir runtimeFolder;
    if (!environment.contains(QStringLiteral("XDG_RUNTIME_DIR")))
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeFolder.path());
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VELK_EXECUTABLE), arguments);
    ProgramRun run;
    if (!process.waitForFinished(waitMilliseconds)) {
        run.stillRunning = true;
        process.kill();
        process.waitForFinished();
    } else {
        run.exitCode = process.exitCode();
    }
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

} // namespace

TEST(CommandLineTest, ArgumentsAreReadAsOptionsAndDocuments)
{
    const struct {
        QStringList arguments;
        bool help;
        bool version;
        QString product;
        QStringList documents;
        QString error;
    } cases[] = {
        {{"page.velkpage"}, false, false, {}, {"page.velkpage"}, {}},
        {{"--help"}, true, false, {}, {}, {}},
        {{"-h"}, true, false, {}, {}, {}},
        {{"--version"}, false, true, {}, {}, {}},
        {{"--product", "Quarnel Pro", "a.velkpage", "b.velkpage"},
         false,
         false,
         "Quarnel Pro",
         {"a.velkpage", "b.velkpage"},
         {}},
        {{"--product=Water Snibbet"}, false, false, "Water Snibbet", {}, {}},
        {{"--", "--help"}, false, false, {}, {"--help"}, {}},
        {{"--product"}, false, false, {}, {}, "--product needs a product name"},
        {{"--frobnicate"}, false, false, {}, {}, "unknown option --frobnicate"},
    };
    for (const auto& expected : cases) {
        const CommandLine line = CommandLine::parse(expected.arguments);
        EXPECT_EQ(line.help, expected.help) << expected.arguments.join(u' ').toStdString();
        EXPECT_EQ(line.version, expected.version) << expected.arguments.join(u' ').toStdString();
        EXPECT_EQ(line.product, expected.product) << expected.arguments.join(u' ').toStdString();
        EXPECT_EQ(line.documents, expected.documents) << expected.arguments.join(u' ').toStdString();
        EXPECT_EQ(line.error, expected.error) << expected.arguments.join(u' ').toStdString();
    }
}

TEST(CommandLineTest, AnUnknownProductIsNamedWithTheClosestKnownOne)
{
    const struct {
        const char* given;
        const char* closest;
    } cases[] = {
        {"Kestrand Foto Grid", "Kestrand Photo Grid"},
        {"html velk pro", "HTML Velk Pro"},
        {"All My Wendrils 3", "All My Wendrils 2"},
        {"Blue Skelow Envelope Designer", "Blue Skellow Envelope Designer"},
    };
    for (const auto& expected : cases)
        EXPECT_EQ(CommandLine::closestProduct(QString::fromUtf8(expected.given)),
                  QString::fromUtf8(expected.closest));
    EXPECT_EQ(CommandLine::unknownProductWarning(QStringLiteral("Kestrand Foto Grid")),
              QStringLiteral(
                  "Unknown product \"Kestrand Foto Grid\"; the closest known product is \"Kestrand Photo "
                  "Grid\". Running the default configuration."));
    EXPECT_TRUE(CommandLine::unknownProductWarning(QStringLiteral("Kestrand Photo Grid")).isNull());
}

TEST(CommandLineTest, HelpListsTheOptionsAndEveryProduct)
{
    const ProgramRun run = runProgram({QStringLiteral("--help")});
    EXPECT_EQ(run.exitCode, 0);
    for (const char* option : {"--help", "--version", "--product NAME"})
        EXPECT_TRUE(run.out.contains(QString::fromLatin1(option))) << option;
    const QStringList& products = Configurations::productChain();
    ASSERT_EQ(products.size(), 35);
    for (qsizetype i = 0; i < products.size(); ++i)
        EXPECT_TRUE(run.out.contains(QStringLiteral("%1  %2\n").arg(i + 1, 2).arg(products[i])))
            << products[i].toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("36  any other name: the default configuration")));
    EXPECT_TRUE(run.err.isEmpty());
}

TEST(CommandLineTest, VersionNamesTheProductAndItsVersion)
{
    const ProgramRun run =
        runProgram({QStringLiteral("--product"), QStringLiteral("Quarnel Pro"), QStringLiteral("--version")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, QStringLiteral("Quarnel Pro 1.0\n"));
}

TEST(CommandLineTest, AnUnknownOptionEndsTheProgramWithAHint)
{
    const ProgramRun run = runProgram({QStringLiteral("--frobnicate")});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains(QStringLiteral("unknown option --frobnicate")));
    EXPECT_TRUE(run.err.contains(QStringLiteral("--help")));
}

TEST(CommandLineTest, AnUnknownProductWarnsAndRunsTheDefaultConfiguration)
{
    const ProgramRun run =
        runProgram({QStringLiteral("--product"), QStringLiteral("Kestrand Foto Grid")}, 3000);
    EXPECT_TRUE(run.stillRunning);
    EXPECT_TRUE(run.err.contains(QStringLiteral("the closest known product is \"Kestrand Photo Grid\"")))
        << run.err.toStdString();
}

TEST(CommandLineTest, AKnownProductLaunchesWithoutAWordOnTheTerminal)
{
    const ProgramRun run = runProgram({QStringLiteral("--product"), QStringLiteral("HTML Velk Pro")}, 3000);
    EXPECT_TRUE(run.stillRunning);
    // The offscreen platform names window calls it cannot carry out; a real display has none of those lines.
    QStringList lines = run.err.split(u'\n', Qt::SkipEmptyParts);
    lines.removeIf(
        [](const QString& line) { return line.startsWith(QLatin1String("This plugin does not support")); });
    EXPECT_EQ(lines, QStringList());
    EXPECT_EQ(run.out, QString());
}
