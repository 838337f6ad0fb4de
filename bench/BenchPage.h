#pragma once

// The page the page-file benchmarks work on: 500 text boxes of two lines and 50 images, made the way
// opened pages make their objects, from property dictionaries.
#include "document/SKTDocument.h"
#include "model/SKTImage.h"
#include "model/SKTText.h"
#include "platform/Format.h"

#include <QImage>

namespace BenchPage {

constexpr int kTextBoxes = 500;
constexpr int kImages = 50;

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
