#pragma once

// What the page-file benchmarks share: the process they run in, their timing, and the page they work on,
// 500 text boxes of two lines and 50 images, made the way opened pages make their objects, from property
// dictionaries.
#include "document/core/SKTDocument.h"
#include "model/SKTImage.h"
#include "model/SKTText.h"
#include "platform/Format.h"
#include "profile/DataCentre.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>

#include <chrono>
#include <clocale>

namespace BenchPage {

constexpr int kTextBoxes = 500;
constexpr int kImages = 50;
constexpr int kRuns = 5;

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

inline GraphicPropertyDictionary placed(const QRectF& bounds)
{
    return {{QStringLiteral("bounds"), Format::rect(bounds)},
            {QStringLiteral("slideShowNumber"), QStringLiteral("-99")},
            {QStringLiteral("opacity"), QStringLiteral("1.0")}};
}

inline void build(SKTDocument& document)
{
    GraphicList graphics;
    for (int i = 0; i < kTextBoxes; ++i) {
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
    for (int i = 0; i < kImages; ++i) {
        GraphicPropertyDictionary properties = placed(QRectF(820, 10 + i * 90, 120, 80));
        properties.insert(QStringLiteral("imageName"), QStringLiteral("image%1").arg(i + 1));
        properties.insert(QStringLiteral("imageType"), i % 2 ? QStringLiteral("JPG") : QStringLiteral("PNG"));
        auto image = std::make_shared<SKTImage>();
        image->initWithProperties(properties);
        QImage picture(240, 160, QImage::Format_ARGB32);
        picture.fill(QColor::fromHsv((i * 37) % 360, 200, 220));
        image->set_contents(picture);
        graphics.append(image);
    }
    IndexSet indexes;
    for (int i = 0; i < graphics.size(); ++i)
        indexes.insert(i);
    document.insertGraphics(graphics, indexes);
}

} // namespace BenchPage
