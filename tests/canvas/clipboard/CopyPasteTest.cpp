#include "../input/CanvasInputTestSupport.h"

#include "canvas/clipboard/GraphicsPasteboard.h"
#include "canvas/drop/DropDispatch.h"
#include "model/SKTImage.h"
#include "model/SKTSlideshow.h"
#include "model/SKTTable.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QUrl>

// Copy, cut, paste and duplicate on the canvas through the real clipboard, and drops of files, colours and
// pictures from other programs.

namespace {

class CopyPasteTest : public CanvasInputTest {
protected:
    void SetUp() override
    {
        CanvasInputTest::SetUp();
        DataCentre::mutableProfile().maxImportedImageWidth = 600;
        document.setPagePath(pathInHome(QStringLiteral("site/home.html")));
        ASSERT_TRUE(QDir(homePath()).mkpath(QStringLiteral("site/home")));
    }
    void TearDown() override
    {
        clipboard().clear();
        CanvasInputTest::TearDown();
    }

    static QClipboard& clipboard() { return *QGuiApplication::clipboard(); }
    std::shared_ptr<SKTGraphic> front() const { return document.graphics().first(); }
    QString undoName() { return document.undoManager().undoActionName(); }

    // A picture file of the size in the test's home; answers its path.
    QString pictureFile(const QString& name, int width, int height) const
    {
        const QString path = pathInHome(QStringLiteral("pictures/") + name);
        QImage picture(width, height, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        EXPECT_TRUE(picture.save(path));
        return path;
    }
    static void putFilesOnClipboard(const QStringList& paths)
    {
        auto* data = new QMimeData;
        QList<QUrl> urls;
        for (const QString& path : paths)
            urls << QUrl::fromLocalFile(path);
        data->setUrls(urls);
        clipboard().setMimeData(data);
    }

    // Delivers a drop of the data at the canvas point, as the platform does; answers whether it was taken.
    bool dropData(QMimeData& data, const QPointF& at)
    {
        const QPoint pixel = view->canvasTransform().map(at).toPoint();
        QDragEnterEvent enter(pixel, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(view.get(), &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent event(QPointF(pixel), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(view.get(), &event);
        return event.isAccepted();
    }
};

TEST_F(CopyPasteTest, RepeatedPastesCascadeAndSelectOnlyWhatTheyInserted)
{
    addText(QStringLiteral("other"), QRectF(300, 200, 50, 20));
    const auto box = addText(QStringLiteral("copied"), QRectF(20, 30, 100, 40));
    selection.setSelectedGraphics({box});
    view->copy();
    for (int k = 1; k <= 3; ++k) {
        SCOPED_TRACE(k);
        forgetUndo();
        view->paste();
        ASSERT_NE(front(), box);
        EXPECT_EQ(front()->textString(), QStringLiteral("copied"));
        EXPECT_EQ(front()->bounds(), QRectF(20 + 10 * k, 30 + 10 * k, 100, 40));
        EXPECT_EQ(selected(), IndexSet({0}));
        EXPECT_EQ(undoName(), QStringLiteral("Paste"));
    }
    EXPECT_EQ(box->bounds(), QRectF(20, 30, 100, 40));
    undoStack().undo();
    EXPECT_EQ(document.graphics().size(), 4) << "each paste is one undo step";
}

TEST_F(CopyPasteTest, TheClipboardKeysCopyCutAndPaste)
{
    const auto box = addText(QStringLiteral("keyed"), QRectF(20, 30, 100, 40));
    selection.setSelectedGraphics({box});
    QTest::keyClick(view.get(), Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(view.get(), Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(document.graphics().size(), 2);
    EXPECT_EQ(front()->bounds(), QRectF(30, 40, 100, 40));
    QTest::keyClick(view.get(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(document.graphics(), GraphicList({box}));
}

TEST_F(CopyPasteTest, WithoutOverlapPastesAreNotCascaded)
{
    DataCentre::mutableProfile().preventOverlap = true;
    const auto box = addText(QStringLiteral("copied"), QRectF(20, 30, 100, 40));
    selection.setSelectedGraphics({box});
    view->copy();
    view->paste();
    view->paste();
    EXPECT_EQ(document.graphics().size(), 3);
    EXPECT_EQ(document.graphics().at(0)->bounds(), box->bounds());
    EXPECT_EQ(document.graphics().at(1)->bounds(), box->bounds());
}

TEST_F(CopyPasteTest, AnotherWindowStartsItsOwnCascadeAndADragMoveWidensTheStep)
{
    const auto box = addText(QStringLiteral("copied"), QRectF(20, 30, 100, 40));
    selection.setSelectedGraphics({box});
    view->copy();

    SKTDocument otherDocument;
    GraphicSelection otherSelection{otherDocument};
    SKTGraphicView other;
    other.bindGraphics(&otherDocument);
    other.bindSelectionIndexes(&otherSelection);
    other.paste();
    EXPECT_EQ(otherDocument.graphics().first()->bounds(), QRectF(20, 30, 100, 40));
    other.paste();
    EXPECT_EQ(otherDocument.graphics().first()->bounds(), QRectF(30, 40, 100, 40));

    // A pasted copy dragged 5 down: the next paste follows at the step it was dragged.
    view->paste();
    ASSERT_EQ(front()->bounds(), QRectF(30, 40, 100, 40));
    drag(QPointF(50, 60), QPointF(50, 80));
    ASSERT_EQ(front()->bounds(), QRectF(30, 60, 100, 40));
    view->paste();
    EXPECT_EQ(front()->bounds(), QRectF(40, 90, 100, 40));
}

TEST_F(CopyPasteTest, SlideshowsAreNotCopiedAndACutOfThemDeletesNothing)
{
    auto slideshow = std::make_shared<SKTSlideshow>();
    slideshow->initWithProperties({{QStringLiteral("bounds"), Format::rect(QRectF(10, 10, 300, 200))}});
    slideshow->setSelectable(true);
    document.insertGraphics({slideshow}, {0});
    const auto box = addText(QStringLiteral("box"), QRectF(20, 250, 100, 40));
    clipboard().setText(QStringLiteral("earlier"));

    selection.setSelectedGraphics({slideshow});
    view->copy();
    selection.setSelectedGraphics({slideshow, box});
    view->cut();

    ASSERT_EQ(alerts.records().size(), 2);
    EXPECT_EQ(alerts.records().at(0).message, QStringLiteral("Slideshows do not support copy"));
    EXPECT_EQ(alerts.records().at(0).informative, QStringLiteral("Sorry slideshows can not be copied."));
    EXPECT_EQ(alerts.records().at(0).buttons, QStringList({"OK"}));
    EXPECT_EQ(
        alerts.records().at(1).informative,
        QStringLiteral("Sorry slideshows can not be copied, please de-select slideshows and try copying "
                       "the other objects again"));
    EXPECT_EQ(clipboard().text(), QStringLiteral("earlier"));
    EXPECT_FALSE(clipboard().mimeData()->hasFormat(QString(GraphicsPasteboard::kGraphicsMimeType)));
    EXPECT_EQ(document.graphics().size(), 2) << "the refused cut deleted nothing";
}

TEST_F(CopyPasteTest, ACutIsOneUndoStepAndPastesBack)
{
    const auto box = addText(QStringLiteral("moving"), QRectF(20, 30, 100, 40));
    selection.setSelectedGraphics({box});
    forgetUndo();
    view->cut();
    EXPECT_TRUE(document.graphics().isEmpty());
    EXPECT_EQ(undoName(), QStringLiteral("Cut"));
    view->paste();
    ASSERT_EQ(document.graphics().size(), 1);
    EXPECT_EQ(front()->textString(), QStringLiteral("moving"));
}

TEST_F(CopyPasteTest, OneImageFileOnTheClipboardIsPastedLimitedToTheProductWidth)
{
    const QString wide = pictureFile(QStringLiteral("wide.png"), 1200, 900);
    putFilesOnClipboard({wide});
    forgetUndo();
    view->paste();
    ASSERT_EQ(document.graphics().size(), 1);
    const auto image = std::dynamic_pointer_cast<SKTImage>(front());
    ASSERT_TRUE(image);
    EXPECT_EQ(image->bounds(), QRectF(50, 50, 600, 450));
    EXPECT_EQ(image->imageType(), QStringLiteral("PNG"));
    EXPECT_EQ(undoName(), QStringLiteral("Paste"));

    putFilesOnClipboard({wide, pictureFile(QStringLiteral("b.jpg"), 10, 10)});
    view->paste();
    putFilesOnClipboard({pathInHome(QStringLiteral("notes.txt"))});
    view->paste();
    EXPECT_EQ(document.graphics().size(), 1) << "two files, or a file that is no picture, paste nothing";
}

TEST_F(CopyPasteTest, APictureFromAnotherProgramBecomesAnImage)
{
    QImage picture(300, 200, QImage::Format_ARGB32);
    picture.fill(Qt::magenta);
    clipboard().setImage(picture);
    view->paste();
    ASSERT_EQ(document.graphics().size(), 1);
    const auto image = std::dynamic_pointer_cast<SKTImage>(front());
    ASSERT_TRUE(image);
    EXPECT_EQ(image->bounds(), QRectF(50, 50, 300, 200));
    EXPECT_EQ(image->imageType(), QStringLiteral("PNG"));

    clipboard().setText(QStringLiteral("just words"));
    view->paste();
    EXPECT_EQ(document.graphics().size(), 1);
}

TEST_F(CopyPasteTest, OtherProgramsGetThePlainTextAndRenderings)
{
    const auto first = addText(QStringLiteral("Hello there"), QRectF(20, 30, 100, 40));
    const auto second = addText(QStringLiteral("second box"), QRectF(20, 90, 100, 40));
    selection.setSelectedGraphics({first});
    view->copy();
    QLineEdit field;
    field.paste();
    EXPECT_EQ(field.text(), QStringLiteral("Hello there"));

    selection.setSelectedGraphics({first, second});
    view->copy();
    EXPECT_EQ(clipboard().text(), QStringLiteral("Hello there\nsecond box"));
    const QMimeData* data = clipboard().mimeData();
    EXPECT_TRUE(data->hasFormat(QString(GraphicsPasteboard::kTextBoxMimeType)));
    EXPECT_TRUE(data->data(QString(GraphicsPasteboard::kPdfMimeType)).startsWith("%PDF"));
}

TEST_F(CopyPasteTest, PastedImagesTakeNewNamesWithCopiesOfTheirKeptOriginals)
{
    putFilesOnClipboard({pictureFile(QStringLiteral("photo.png"), 40, 30)});
    view->paste();
    const auto original = std::dynamic_pointer_cast<SKTImage>(front());
    ASSERT_TRUE(original);
    original->setSlideShowNumber(3);
    const QString folder = pathInHome(QStringLiteral("site/home"));
    const QString kept = QDir(folder).filePath(original->imageName() + QStringLiteral("o.PNG"));
    ASSERT_TRUE(QFileInfo::exists(kept));

    selection.setSelectedGraphics({original});
    view->copy();
    view->paste();
    const auto pasted = std::dynamic_pointer_cast<SKTImage>(front());
    ASSERT_TRUE(pasted);
    ASSERT_NE(pasted, original);
    EXPECT_NE(pasted->imageName(), original->imageName());
    EXPECT_EQ(pasted->slideShowNumber(), kNoNumber);
    EXPECT_EQ(pasted->bounds(), original->bounds().translated(10, 10));
    QFile copy(QDir(folder).filePath(pasted->imageName() + QStringLiteral("o.PNG")));
    QFile source(kept);
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly) && source.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), source.readAll());
}

TEST_F(CopyPasteTest, DuplicateCopiesAndPastesAnythingButATableAndTheMenuOffersIt)
{
    const auto box = addText(QStringLiteral("twin"), QRectF(20, 30, 100, 40));
    selection.setSelectedGraphics({box});
    QAction* item = view->menuForEvent(QPointF(50, 50))->findChild<QAction*>(QStringLiteral("duplicate"));
    ASSERT_TRUE(item && item->isVisible());
    item->trigger();
    ASSERT_EQ(document.graphics().size(), 2);
    EXPECT_EQ(front()->textString(), QStringLiteral("twin"));
    EXPECT_EQ(front()->bounds(), QRectF(30, 40, 100, 40));
    EXPECT_EQ(view->selectedGraphics(), GraphicList({front()}));
}

// A responsive page that pastes in place: copied sections come back one below the other from the last
// touch point, for as long as the clipboard holds the copy they came with.
class SectionPasteTest : public CopyPasteTest {
protected:
    void SetUp() override
    {
        CopyPasteTest::SetUp();
        ProductProfile& profile = DataCentre::mutableProfile();
        profile.responsiveDesign = true;
        profile.pasteInPlace = true;
        profile.sectionWidth = 1170;
        profile.sectionHeight = 300;
    }
    GraphicList sections() const
    {
        GraphicList found;
        for (const std::shared_ptr<SKTGraphic>& graphic : document.graphics()) {
            if (graphic->gridType() == QLatin1String("section"))
                found << graphic;
        }
        return found;
    }
};

TEST_F(SectionPasteTest, SectionsAreRecreatedBelowTheTouchPointWhileTheClipboardHoldsTheCopy)
{
    view->addSection({QStringLiteral("12")}, 1, QPointF(0, 400));
    view->addSection({QStringLiteral("12")}, 1, QPointF(0, 0));
    const GraphicList originals = sections();
    ASSERT_EQ(originals.size(), 2);
    selection.setSelectedGraphics(originals);
    view->copy();

    view->setLastTouchPoint(QPointF(0, 1000.7));
    view->paste();
    GraphicList now = sections();
    ASSERT_EQ(now.size(), 4);
    QList<double> tops;
    for (qsizetype i = 0; i < 2; ++i)
        tops << now.at(i)->bounds().y();
    std::sort(tops.begin(), tops.end());
    const double height = originals.first()->bounds().height();
    EXPECT_EQ(tops, QList<double>({1000, 1000 + height + 50}));
    view->paste();
    EXPECT_EQ(sections().size(), 6) << "a second paste re-creates them again";

    clipboard().setText(QStringLiteral("something else"));
    view->paste();
    EXPECT_EQ(sections().size(), 6) << "once the clipboard holds other contents the sections stay";
}

// ---- Drops

TEST_F(CopyPasteTest, ImageFilesDroppedTogetherLandSideBySide)
{
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(pictureFile(QStringLiteral("a.png"), 20, 20)),
                  QUrl::fromLocalFile(pictureFile(QStringLiteral("b.jpg"), 20, 20)),
                  QUrl::fromLocalFile(pictureFile(QStringLiteral("c.png"), 20, 20))});
    ASSERT_TRUE(dropData(data, QPointF(40, 60)));
    ASSERT_EQ(document.graphics().size(), 3);
    // Each goes in front of the one before.
    EXPECT_EQ(document.graphics().at(2)->bounds().topLeft(), QPointF(40, 60));
    EXPECT_EQ(document.graphics().at(1)->bounds().topLeft(), QPointF(90, 60));
    EXPECT_EQ(document.graphics().at(0)->bounds().topLeft(), QPointF(140, 60));
    EXPECT_EQ(document.graphics().at(1)->imageType(), QStringLiteral("JPG"));
}

TEST_F(CopyPasteTest, AColourDroppedOnAGraphicFillsItOpaque)
{
    const auto box = addText(QStringLiteral("box"), QRectF(20, 30, 100, 40));
    QMimeData colour;
    colour.setColorData(QColor(200, 10, 10, 60));
    EXPECT_FALSE(dropData(colour, QPointF(300, 250))) << "no graphic there";
    ASSERT_TRUE(dropData(colour, QPointF(50, 50)));
    EXPECT_EQ(box->fillColor(), QColor(200, 10, 10));
}

TEST_F(CopyPasteTest, PicturesAndPromisesDroppedFromOtherProgramsAddObjects)
{
    QMimeData picture;
    picture.setImageData(QImage(30, 20, QImage::Format_RGB32));
    ASSERT_TRUE(dropData(picture, QPointF(70, 80)));
    ASSERT_EQ(document.graphics().size(), 1);
    EXPECT_EQ(front()->bounds(), QRectF(70, 80, 30, 20));

    QMimeData promises;
    promises.setData(QString(DropDispatch::kFilePromiseMimeType), "first\n");
    EXPECT_FALSE(dropData(promises, QPointF(70, 80))) << "only products with the inspector panel take them";
    DataCentre::mutableProfile().dragInspector = true;
    ASSERT_TRUE(dropData(promises, QPointF(70, 80)));
    const qsizetype oneBadge = document.graphics().size() - 1;
    EXPECT_GT(oneBadge, 0);
    promises.setData(QString(DropDispatch::kFilePromiseMimeType), "first\nsecond\n");
    ASSERT_TRUE(dropData(promises, QPointF(70, 80)));
    EXPECT_EQ(document.graphics().size(), 1 + 3 * oneBadge);
}

} // namespace
