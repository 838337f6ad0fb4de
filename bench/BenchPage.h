#pragma once

// What the page-file benchmarks share: the process they run in, their timing, the archive tools they are
// measured against, and the page they work on: text boxes of two lines and photo-like images (a gradient
// with noise, which compresses like a photograph), made the way opened pages make their objects, from
// property dictionaries.
#include "document/core/SKTDocument.h"
#include "model/SKTImage.h"
#include "model/SKTText.h"
#include "platform/Format.h"
#include "profile/DataCentre.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace BenchPage {

// The page size and the number of timed runs: "BENCH [text boxes] [images] [runs]".
struct Size {
    int textBoxes = 500;
    int images = 50;
    int runs = 7;

    static Size fromArguments(int argc, char** argv)
    {
        Size size;
        if (argc > 1)
            size.textBoxes = std::atoi(argv[1]);
        if (argc > 2)
            size.images = std::atoi(argv[2]);
        if (argc > 3)
            size.runs = std::max(1, std::atoi(argv[3]));
        return size;
    }
};

// The application, numbers in the C locale, and a product profile whose folders lie in a temporary work
// folder that goes with the process.
class Process {
public:
    Process(int& argc, char** argv)
        : m_application(argc, argv)
    {
        std::setlocale(LC_NUMERIC, "C");
        ProductProfile& profile = DataCentre::mutableProfile();
        profile.productDisplayName = QStringLiteral("HTML Velk Pro");
        profile.documentExtension = QStringLiteral("velk");
        profile.workingFolderPath = m_work.path();
        profile.tempSaveFolder = filePath(QStringLiteral("tempSave000000"));
    }

    QString workPath() const { return m_work.path(); }
    QString filePath(const QString& name) const { return QDir(m_work.path()).filePath(name); }

private:
    // Offscreen unless a platform is named; it must be chosen before the application is made.
    struct Platform {
        Platform()
        {
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
                qputenv("QT_QPA_PLATFORM", "offscreen");
        }
    };

    Platform m_platform;
    QGuiApplication m_application;
    QTemporaryDir m_work;
};

inline double millisecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// The times of one measured step over the runs.
class Times {
public:
    void add(double milliseconds) { m_times.push_back(milliseconds); }
    double min() const { return *std::min_element(m_times.begin(), m_times.end()); }
    double median() const
    {
        std::vector<double> sorted = m_times;
        std::sort(sorted.begin(), sorted.end());
        return sorted[sorted.size() / 2];
    }

private:
    std::vector<double> m_times;
};

// Runs an archive tool to its end and answers how long it took; exits the benchmark when it fails.
inline double timedTool(const QString& program, const QStringList& arguments, const QString& folder = {})
{
    QProcess tool;
    tool.setWorkingDirectory(folder);
    const auto start = std::chrono::steady_clock::now();
    tool.start(program, arguments);
    if (!tool.waitForFinished(-1) || tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0) {
        std::fprintf(stderr, "%s failed: %s\n", qPrintable(program), tool.readAllStandardError().constData());
        std::exit(1);
    }
    return millisecondsSince(start);
}

inline void printRow(const char* what, const Times& ours, const Times& tool, const char* toolName)
{
    std::printf("%-26s min %8.1f ms  median %8.1f ms   %-8s min %8.1f ms  median %8.1f ms   ratio %.2f\n", what,
                ours.min(), ours.median(), toolName, tool.min(), tool.median(), ours.median() / tool.median());
}

// 1200 x 800: a diagonal gradient in the picture's own hue with noise on every pixel.
inline QImage photoLike(int seed)
{
    QImage picture(1200, 800, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    const int hue = (seed * 37) % 360;
    for (int y = 0; y < picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            const int value = 60 + (x + y) * 150 / (picture.width() + picture.height());
            const QColor base = QColor::fromHsv(hue, 160, value);
            const int noise = int(random.bounded(41)) - 20;
            line[x] = qRgb(std::clamp(base.red() + noise, 0, 255), std::clamp(base.green() + noise, 0, 255),
                           std::clamp(base.blue() + noise, 0, 255));
        }
    }
    return picture;
}

inline GraphicPropertyDictionary placed(const QRectF& bounds)
{
    return {{QStringLiteral("bounds"), Format::rect(bounds)},
            {QStringLiteral("slideShowNumber"), QStringLiteral("-99")},
            {QStringLiteral("opacity"), QStringLiteral("1.0")}};
}

inline std::vector<QImage> pictures(const Size& size)
{
    std::vector<QImage> list;
    for (int i = 0; i < size.images; ++i)
        list.push_back(photoLike(i + 1));
    return list;
}

inline void build(SKTDocument& document, const Size& size, const std::vector<QImage>& pictures)
{
    GraphicList graphics;
    for (int i = 0; i < size.textBoxes; ++i) {
        GraphicPropertyDictionary properties = placed(QRectF(10 + (i % 5) * 160, 10 + (i / 5) * 40, 150, 30));
        properties.insert(QStringLiteral("textString"),
                          QStringLiteral("Text box %1\nwith a second line").arg(i));
        properties.insert(QStringLiteral("textType"), QStringLiteral("Text"));
        properties.insert(QStringLiteral("fontFamily"), QStringLiteral("Lato"));
        properties.insert(QStringLiteral("fontSize"), QStringLiteral("14"));
        auto box = std::make_shared<SKTText>();
        box->initWithProperties(properties);
        graphics.append(box);
    }
    for (int i = 0; i < size.images; ++i) {
        GraphicPropertyDictionary properties = placed(QRectF(820, 10 + i * 210, 300, 200));
        properties.insert(QStringLiteral("imageName"), QStringLiteral("image%1").arg(i + 1));
        properties.insert(QStringLiteral("imageType"), i % 2 ? QStringLiteral("JPG") : QStringLiteral("PNG"));
        auto image = std::make_shared<SKTImage>();
        image->initWithProperties(properties);
        image->set_contents(pictures.at(i));
        graphics.append(image);
    }
    IndexSet indexes;
    for (int i = 0; i < graphics.size(); ++i)
        indexes.insert(i);
    document.insertGraphics(graphics, indexes);
}

} // namespace BenchPage
