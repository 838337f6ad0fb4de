#pragma once

// What the page-file benchmarks share: the process they run in and the page they work on: text boxes of
// two lines and photo-like images (a gradient with noise, which compresses like a photograph), made the
// way opened pages make their objects, from property dictionaries.
#include "document/core/SKTDocument.h"
#include "model/SKTImage.h"
#include "model/SKTText.h"
#include "platform/Format.h"
#include "profile/DataCentre.h"

#include "BenchTiming.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <clocale>
#include <cstdlib>

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
