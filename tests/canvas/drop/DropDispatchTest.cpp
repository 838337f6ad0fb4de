#include "canvas/drop/DropDispatch.h"
#include "canvas/drop/DragCodePasteboard.h"
#include "profile/ProductProfile.h"

#include <QMimeData>
#include <QUrl>

#include <gtest/gtest.h>

#include <memory>

// The drop rules as plain functions of the dropped data, the point, the zoom and the product.

namespace {

using DropDispatch::PageAtPoint;

std::unique_ptr<QMimeData> files(const QStringList& paths)
{
    auto data = std::make_unique<QMimeData>();
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls << QUrl::fromLocalFile(path);
    data->setUrls(urls);
    return data;
}

std::unique_ptr<QMimeData> code(const QString& name)
{
    return std::unique_ptr<QMimeData>(newDragCodeMimeData(name));
}

TEST(DropDispatchTest, TheFirstAcceptedKindDecidesAndPromisesNeedTheInspectorPanel)
{
    ProductProfile profile;
    QMimeData colourAndFiles;
    colourAndFiles.setColorData(QColor(Qt::red));
    colourAndFiles.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/a.png"))});
    EXPECT_EQ(DropDispatch::dragKindOf(colourAndFiles, profile), DropDispatch::DragKind::Colour);
    EXPECT_EQ(DropDispatch::dragKindOf(*files({"/tmp/a.png"}), profile), DropDispatch::DragKind::FileNames);
    EXPECT_EQ(DropDispatch::dragKindOf(*code("velk_textbox"), profile), DropDispatch::DragKind::FileNames);

    QMimeData promises;
    promises.setData(QString(DropDispatch::kFilePromiseMimeType), "one\ntwo\n");
    EXPECT_EQ(DropDispatch::dragKindOf(promises, profile), DropDispatch::DragKind::Other);
    profile.dragInspector = true;
    EXPECT_EQ(DropDispatch::dragKindOf(promises, profile), DropDispatch::DragKind::FilePromises);
    EXPECT_EQ(DropDispatch::filePromiseCount(promises), 2);

    // Web addresses are no file names.
    QMimeData web;
    web.setUrls({QUrl(QStringLiteral("https://example.com/a.png"))});
    EXPECT_EQ(DropDispatch::dragKindOf(web, profile), DropDispatch::DragKind::Other);
    EXPECT_EQ(DropDispatch::droppedNames(*files({"/tmp/a.png", "/tmp/b.jpg"})),
              QStringList({"/tmp/a.png", "/tmp/b.jpg"}));
    EXPECT_EQ(DropDispatch::droppedNames(*code("velk_line")), QStringList({"velk_line"}));
}

TEST(DropDispatchTest, TheOperationOfferedFollowsTheKindThePageAndTheProduct)
{
    const PageAtPoint empty;
    PageAtPoint overGraphic;
    overGraphic.graphicUnderPoint = true;
    overGraphic.graphicAtPoint = true;
    PageAtPoint inSection;
    inSection.insideSectionContent = true;
    PageAtPoint onObjectInSection = inSection;
    onObjectInSection.graphicAtPoint = true;

    QMimeData colour;
    colour.setColorData(QColor(Qt::blue));
    QMimeData picture;
    picture.setImageData(QImage(4, 4, QImage::Format_RGB32));
    QMimeData text;
    text.setText(QStringLiteral("velk_textbox"));

    const auto textBox = code("velk_textbox");
    const auto section = code("velk_section2");
    const auto bareSection = code("velk_section");
    const auto storeSection = code("velk_webstore_section");
    const auto file = files({"/tmp/a.png"});

    ProductProfile plain;
    ProductProfile responsive;
    responsive.responsiveDesign = true;
    const struct {
        const char* name;
        const QMimeData* data;
        PageAtPoint page;
        const ProductProfile* profile;
        Qt::DropAction expected;
    } cases[] = {
        {"colour over a graphic", &colour, overGraphic, &plain, Qt::LinkAction},
        {"colour over nothing", &colour, empty, &plain, Qt::IgnoreAction},
        {"picture", &picture, empty, &plain, Qt::CopyAction},
        {"plain text", &text, empty, &plain, Qt::IgnoreAction},
        {"code anywhere", textBox.get(), overGraphic, &plain, Qt::CopyAction},
        {"responsive code outside a section", textBox.get(), empty, &responsive, Qt::IgnoreAction},
        {"responsive code in a section", textBox.get(), inSection, &responsive, Qt::CopyAction},
        {"responsive code on an object", textBox.get(), onObjectInSection, &responsive, Qt::IgnoreAction},
        {"responsive file in a section", file.get(), inSection, &responsive, Qt::CopyAction},
        {"section code anywhere", section.get(), empty, &responsive, Qt::CopyAction},
        {"bare section prefix", bareSection.get(), empty, &responsive, Qt::IgnoreAction},
        {"store section", storeSection.get(), empty, &responsive, Qt::IgnoreAction},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DropDispatch::dragOperation(*c.data, c.page, *c.profile), c.expected) << c.name;
}

TEST(DropDispatchTest, TheDropPointSnapsToTheTextBoxLatticeAndTheZoomStepStaysVisible)
{
    ProductProfile profile;
    EXPECT_EQ(DropDispatch::dropPoint(QPointF(97.8, 61.2), profile), QPointF(97, 61));
    profile.customTextBoxHeight = true;
    profile.textBoxDefaultHeight = 40;
    EXPECT_EQ(DropDispatch::dropPoint(QPointF(97, 61), profile), QPointF(80, 80));
    EXPECT_EQ(DropDispatch::dropPoint(QPointF(20, 59), profile), QPointF(40, 40)) << "halves away from zero";

    EXPECT_EQ(DropDispatch::zoomStep(0.5), 4);
    EXPECT_EQ(DropDispatch::zoomStep(1), 2);
    EXPECT_EQ(DropDispatch::zoomStep(0.3), 6);
    EXPECT_EQ(DropDispatch::zoomStep(4), 1);
}

// Records the actions a dispatch asks for; the codes named in `codes` run, with their flows.
struct Recorder {
    QMap<QString, DropFlow> codes;
    QStringList log;

    DropDispatch::NameActions actions()
    {
        DropDispatch::NameActions a;
        a.runLibraryCode = [this](const QString& name, const QPointF& at) -> std::optional<DropFlow> {
            if (!codes.contains(name))
                return std::nullopt;
            log << QStringLiteral("%1 at %2,%3").arg(name).arg(at.x()).arg(at.y());
            return codes.value(name);
        };
        a.addImageFile = [this](const QString& path, const QPointF& at) {
            log << QStringLiteral("file %1 at %2,%3").arg(path).arg(at.x()).arg(at.y());
            return true;
        };
        return a;
    }
};

TEST(DropDispatchTest, NamesAreHandledInOrderUntilACodeEndsTheDrop)
{
    ProductProfile profile;
    Recorder files;
    DropDispatch::dispatchNames({"/p/a.png", "/p/b.png", "/p/c.png"}, QPointF(30.6, 70.2), profile,
                                files.actions());
    EXPECT_EQ(files.log,
              QStringList({"file /p/a.png at 30,70", "file /p/b.png at 80,70", "file /p/c.png at 130,70"}));

    Recorder mixed;
    mixed.codes = {{"velk_textbox", DropFlow::Ends}, {"velk_markup_datestamp", DropFlow::GoesOn}};
    DropDispatch::dispatchNames({"velk_textbox", "/p/a.png"}, QPointF(10, 10), profile, mixed.actions());
    EXPECT_EQ(mixed.log, QStringList({"velk_textbox at 10,10"}));
    mixed.log.clear();
    DropDispatch::dispatchNames({"velk_markup_datestamp", "/p/a.png", "velk_textbox", "/p/b.png"},
                                QPointF(10, 10), profile, mixed.actions());
    EXPECT_EQ(mixed.log, QStringList({"velk_markup_datestamp at 10,10", "file /p/a.png at 60,10",
                                      "velk_textbox at 10,10"}));

    profile.customTextBoxHeight = true;
    profile.textBoxDefaultHeight = 40;
    Recorder snapped;
    DropDispatch::dispatchNames({"/p/a.png", "/p/b.png"}, QPointF(97, 61), profile, snapped.actions());
    EXPECT_EQ(snapped.log, QStringList({"file /p/a.png at 80,80", "file /p/b.png at 130,80"}));
}

} // namespace
