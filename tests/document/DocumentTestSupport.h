#pragma once

#include "document/core/DocumentWindow.h"
#include "document/core/SKTDocument.h"
#include "model/SKTGraphic.h"
#include "profile/DataCentre.h"
#include "support/VelkTest.h"

#include <QStringList>

// Graphics that answer to a kind's class name where the kind itself lives elsewhere: what the document
// asks of them is the class name and the base graphic's fields.
template <const char* Kind> class KindStandIn : public SKTGraphic {
public:
    QString className() const override { return QString::fromLatin1(Kind); }
};
inline constexpr char kImageKind[] = "SKTImage";
inline constexpr char kTextKind[] = "SKTText";
inline constexpr char kSlideshowKind[] = "SKTSlideshow";
inline constexpr char kGalleryKind[] = "SKTGalleryGrid";
using ImageStandIn = KindStandIn<kImageKind>;
using TextStandIn = KindStandIn<kTextKind>;
using SlideshowStandIn = KindStandIn<kSlideshowKind>;
using GalleryStandIn = KindStandIn<kGalleryKind>;

inline std::shared_ptr<SKTGraphic> graphicAt(const QRectF& bounds)
{
    auto graphic = std::make_shared<SKTGraphic>();
    graphic->setBounds(bounds);
    return graphic;
}

// A window without widgets: it paints the canvas in one colour and remembers what the document asked.
class PlainDocumentWindow : public DocumentWindow {
public:
    void hideAllDocPanels() override { calls << QStringLiteral("hideAllDocPanels"); }
    void deSelectAllObjects() override { calls << QStringLiteral("deSelectAllObjects"); }
    QBrush getDocumentColor() const override { return pageBrush; }
    QImage renderCanvas(const QRectF& rect) override
    {
        renderedRect = rect;
        QImage picture(rect.size().toSize(), QImage::Format_ARGB32);
        picture.fill(Qt::darkCyan);
        return picture;
    }
    QImage findCurrentlySelectedVelkButtonImage(const QString& pageFileName) override
    {
        calls << QStringLiteral("tile ") + pageFileName;
        return tileImage;
    }
    QString grabNextImageName() const override { return QStringLiteral("image7"); }
    QPointF grabLastTouchPoint() const override { return QPointF(12, 34); }

    QStringList calls;
    QRectF renderedRect;
    QBrush pageBrush = QBrush(Qt::white);
    QImage tileImage;
};

// Documents get plain windows from here on; `window` points at the last one made.
inline void usePlainWindows(PlainDocumentWindow*& window)
{
    window = nullptr;
    SKTDocument::setWindowControllerFactory([&window](SKTDocument&) {
        auto made = std::make_unique<PlainDocumentWindow>();
        window = made.get();
        return made;
    });
}

// Each test gets a home of its own and the product profile back at its start values afterwards.
class DocumentTest : public VelkTest {
protected:
    void TearDown() override
    {
        SKTDocument::setWindowControllerFactory({});
        DataCentre::resetProfile();
        VelkTest::TearDown();
    }
};
