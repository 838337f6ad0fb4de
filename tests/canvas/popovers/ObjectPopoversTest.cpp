#include "ObjectCommandsTestSupport.h"

#include "canvas/popovers/HyperLinkViewController.h"
#include "canvas/popovers/PopoverTexts.h"
#include "canvas/popovers/VelkNSTextField.h"
#include "document/core/DocumentWindow.h"
#include "model/SKTGalleryGrid.h"
#include "model/SKTLine.h"
#include "model/SKTSlideshow.h"
#include "platform/SegmentedControl.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QUrl>

#include <limits>

// The tooltip, layer index and link popovers of the canvas, opened from its context menu and saved with
// their buttons.

namespace {

TEST(PopoverTexts, LinksAreTrimmedTheirSpacesEncodedAndCutAtTheFirstLineFeed)
{
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("  http://a.com/my page \n"), QStringLiteral("http://a.com/my%20page")},
        {QStringLiteral("first.html\nsecond.html"), QStringLiteral("first.html")},
        {QStringLiteral("\t a b \r\n"), QStringLiteral("a%20b")},
        {QString(), QString()},
    };
    for (const auto& [typed, stored] : cases)
        EXPECT_EQ(PopoverTexts::normalizedLink(typed), stored) << typed.toStdString();
}

TEST(PopoverTexts, ALayerIndexIsTheNumberTheTextStartsWith)
{
    const std::pair<QString, int> cases[] = {
        {QStringLiteral("12abc"), 12},
        {QString(), 0},
        {QStringLiteral("  -7"), -7},
        {QStringLiteral("+5"), 5},
        {QStringLiteral("abc12"), 0},
        {QStringLiteral("99999999999"), std::numeric_limits<int>::max()},
        {QStringLiteral("-99999999999"), std::numeric_limits<int>::min()},
    };
    for (const auto& [typed, index] : cases)
        EXPECT_EQ(PopoverTexts::integerValue(typed), index) << typed.toStdString();
}

// A document window that lists two pages of the website.
class PagesWindow : public DocumentWindow {
public:
    void hideAllDocPanels() override {}
    void deSelectAllObjects() override {}
    QBrush getDocumentColor() const override { return QBrush(Qt::white); }
    QImage renderCanvas(const QRectF&) override { return {}; }
    QImage findCurrentlySelectedVelkButtonImage(const QString&) override { return {}; }
    QString grabNextImageName() const override { return {}; }
    QPointF grabLastTouchPoint() const override { return {}; }
    SitePageList sitePages() const override
    {
        return {{QStringLiteral("Home"), QStringLiteral("index.html")},
                {QStringLiteral("Contact"), QStringLiteral("contact.html")}};
    }
};

class ObjectPopoversTest : public ObjectCommandsTest {
protected:
    template <class Widget> Widget* inPopover(const char* name) const
    {
        return view->velkPopOver() ? view->velkPopOver()->findChild<Widget*>(QLatin1String(name)) : nullptr;
    }
    bool popoverShown() const { return view->velkPopOver() && view->velkPopOver()->isVisible(); }
    void clickSave(const char* name)
    {
        QPushButton* save = inPopover<QPushButton>(name);
        ASSERT_NE(save, nullptr);
        QTest::mouseClick(save, Qt::LeftButton);
    }
    HyperLinkViewController& link() const { return *view->hyperLinkViewController(); }
};

TEST_F(ObjectPopoversTest, TheTooltipOfOneImageIsEditedAndCutAtItsFirstLine)
{
    const auto image = addImage(QRectF(20, 20, 80, 60));
    image->setAltText(QStringLiteral("Old"));
    selection.setSelectedGraphics({image});
    ASSERT_TRUE(choose("applyTooltip"));
    ASSERT_TRUE(popoverShown());
    QLineEdit* field = inPopover<QLineEdit>("tooltipTextbox");
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->text(), QStringLiteral("Old"));

    field->setText(QStringLiteral("Sunset\nover the sea"));
    clickSave("saveButton");
    EXPECT_EQ(image->altText(), QStringLiteral("Sunset"));
    EXPECT_FALSE(popoverShown()) << "saving closes the popover";
}

TEST_F(ObjectPopoversTest, TheTooltipIsOfferedForExactlyOneImage)
{
    const auto image = addImage(QRectF(20, 20, 80, 60));
    const auto text = addText(QStringLiteral("caption"), QRectF(20, 100, 80, 30));
    selection.setSelectedGraphics({image, text});
    EXPECT_FALSE(offered("applyTooltip"));
    selection.setSelectedGraphics({text});
    EXPECT_FALSE(offered("applyTooltip"));
    selection.setSelectedGraphics({image});
    EXPECT_TRUE(offered("applyTooltip"));
    DataCentre::mutableProfile().hideTooltipControls = true;
    EXPECT_FALSE(offered("applyTooltip"));
}

TEST_F(ObjectPopoversTest, TheLayerIndexIsSetOnEverySelectedObjectAndRemovedAgain)
{
    const auto text = addText(QStringLiteral("front"), QRectF(20, 20, 80, 30));
    const auto image = addImage(QRectF(20, 60, 80, 60));
    selection.setSelectedGraphics({text, image});
    EXPECT_FALSE(offered("removeManualLayerIndex"));
    ASSERT_TRUE(choose("applyLayerIndex"));
    QLineEdit* field = inPopover<QLineEdit>("zindexTextbox");
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->text(), QString()) << "no manual index shows as an empty field";

    field->setText(QStringLiteral("12abc"));
    clickSave("saveButton");
    EXPECT_EQ(text->manualLayerIndex(), 12);
    EXPECT_EQ(image->manualLayerIndex(), 12);
    EXPECT_FALSE(popoverShown());

    ASSERT_TRUE(choose("applyLayerIndex"));
    EXPECT_EQ(inPopover<QLineEdit>("zindexTextbox")->text(), QStringLiteral("12"));
    ASSERT_TRUE(choose("removeManualLayerIndex"));
    EXPECT_EQ(text->manualLayerIndex(), 0);
    EXPECT_EQ(image->manualLayerIndex(), 0);
    EXPECT_FALSE(offered("removeManualLayerIndex"));
}

TEST_F(ObjectPopoversTest, ATextBoxLinkIsNormalisedAndKeepsItsWindowKindAndClickLists)
{
    const auto text = addText(QStringLiteral("Read more"), QRectF(20, 20, 120, 30));
    text->setLink(QStringLiteral("old.html"));
    text->setLinkOption(QStringLiteral("_blank"));
    text->setLinkType(QStringLiteral("shape"));
    text->setOnClickShowString(QStringLiteral("menu"));
    selection.setSelectedGraphics({text});
    ASSERT_TRUE(choose("applyLinkPopOver"));
    ASSERT_TRUE(popoverShown());
    EXPECT_EQ(link().linkTextbox()->text(), QStringLiteral("old.html"));
    EXPECT_EQ(link().onClickShowTextField()->text(), QStringLiteral("menu"));
    EXPECT_EQ(link().linkOptionSegmentedControl()->selectedSegment(), 1);
    EXPECT_EQ(link().linkTypeSegmentedControl()->selectedSegment(), 1);
    EXPECT_TRUE(link().linkTypeSegmentedControl()->isVisible());
    EXPECT_FALSE(link().selectPagePopButton()->isVisible()) << "a page outside a website lists no pages";

    link().linkTextbox()->setText(QStringLiteral(" my page.html \n"));
    clickSave("saveLinkButton");
    EXPECT_EQ(text->link(), QStringLiteral("my%20page.html"));
    EXPECT_EQ(link().linkTextbox()->text(), QStringLiteral("my%20page.html"));
    EXPECT_EQ(text->linkOption(), QStringLiteral("_blank"));
    EXPECT_EQ(text->linkType(), QStringLiteral("shape"));
    EXPECT_EQ(text->onClickShowString(), QStringLiteral("menu"));
    EXPECT_FALSE(popoverShown());
}

TEST_F(ObjectPopoversTest, TheLinkCommandIsOfferedForTextBoxesImagesAndTablesThatAreNoSection)
{
    const auto text = addText(QStringLiteral("a"), QRectF(10, 10, 50, 20));
    const auto field = addText(QStringLiteral("b"), QRectF(70, 10, 50, 20));
    field->setFormType(QStringLiteral("text"));
    const auto snippet = addText(QStringLiteral("<b>c</b>"), QRectF(130, 10, 50, 20));
    snippet->setTextType(QStringLiteral("HTMLSnippet"));
    const auto image = addImage(QRectF(10, 40, 50, 40));
    const auto table = addTable(1, 2, QPointF(10, 100));
    const auto gallery = std::make_shared<SKTGalleryGrid>();
    const auto line = std::make_shared<SKTLine>();
    document.insertGraphics({gallery, line},
                            {int(document.graphics().size()), int(document.graphics().size()) + 1});

    const auto offeredFor = [&](const GraphicList& graphics) {
        selection.setSelectedGraphics(graphics);
        return offered("applyLinkPopOver");
    };
    EXPECT_TRUE(offeredFor({text}));
    EXPECT_TRUE(offeredFor({field}));
    EXPECT_TRUE(offeredFor({image}));
    EXPECT_TRUE(offeredFor({table}));
    EXPECT_FALSE(offeredFor({text, image}));
    EXPECT_FALSE(offeredFor({gallery}));
    EXPECT_FALSE(offeredFor({line}));
    table->setGridType(QStringLiteral("sectionTemplate"));
    EXPECT_TRUE(offeredFor({table}));
    table->setGridType(QStringLiteral("section"));
    EXPECT_FALSE(offeredFor({table}));

    // An HTML snippet only in the responsive designer, and only with its formatting on.
    EXPECT_FALSE(offeredFor({snippet}));
    snippet->setSnippetFormatFlag(true);
    EXPECT_FALSE(offeredFor({snippet}));
    DataCentre::mutableProfile().responsiveDesign = true;
    EXPECT_TRUE(offeredFor({snippet}));
    snippet->setSnippetFormatFlag(false);
    EXPECT_FALSE(offeredFor({snippet}));
    DataCentre::mutableProfile().hideLinkControls = true;
    EXPECT_FALSE(offeredFor({text}));
}

TEST_F(ObjectPopoversTest, AnImageLinkHidesTheLinkKindAndASlideLinkAlsoTheWindow)
{
    const auto image = addImage(QRectF(20, 20, 80, 60));
    image->setLinkOption(QStringLiteral("_parent"));
    selection.setSelectedGraphics({image});
    ASSERT_TRUE(choose("applyLinkPopOver"));
    EXPECT_FALSE(link().linkTypeSegmentedControl()->isVisible());
    EXPECT_FALSE(link().applyLinkTextLabel()->isVisible());
    EXPECT_TRUE(link().linkOptionSegmentedControl()->isVisible());
    link().linkTextbox()->setText(QStringLiteral("a.html"));
    clickSave("saveLinkButton");
    EXPECT_EQ(image->link(), QStringLiteral("a.html"));
    EXPECT_EQ(image->linkOption(), QStringLiteral("_parent"));

    // The slide command opens the same popover on the current slide of the slideshow.
    auto slideshow = std::make_shared<SKTSlideshow>();
    slideshow->setImageArray({std::make_shared<TransformView>(), std::make_shared<TransformView>()});
    slideshow->setCurrentImageIndex(1);
    slideshow->setBounds(QRectF(150, 20, 120, 90));
    document.insertGraphics({slideshow}, {0});
    selection.setSelectedGraphics({slideshow});
    ASSERT_TRUE(view->slideshowEditorShown());
    view->applyLinkPopOver();
    EXPECT_FALSE(link().linkTypeSegmentedControl()->isVisible());
    EXPECT_FALSE(link().linkOptionSegmentedControl()->isVisible());
    EXPECT_FALSE(link().linkOptionTextLabel()->isVisible());
    link().linkTextbox()->setText(QStringLiteral("b.html"));
    clickSave("saveLinkButton");
    EXPECT_EQ(slideshow->imageArray().at(1)->link(), QStringLiteral("b.html"));
    EXPECT_EQ(slideshow->imageArray().at(0)->link(), QString());
}

TEST_F(ObjectPopoversTest, ATableLinkGoesIntoTheCellUnderTheClickAndThePictureThere)
{
    const auto table = addTable(2, 2, QPointF(20, 20), {{1, 0}});
    selection.setSelectedGraphics({table});
    ASSERT_TRUE(choose("applyLinkPopOver", cellPoint(*table, 1, 0)));
    EXPECT_TRUE(link().linkTypeSegmentedControl()->isVisible());
    link().linkTextbox()->setText(QStringLiteral("page.html"));
    link().onClickHideTextField()->setText(QStringLiteral("intro"));
    clickSave("saveLinkButton");
    const std::shared_ptr<myTextView> cell = table->grabSelectedTableCellHelper(1, 0);
    EXPECT_EQ(cell->link(), QStringLiteral("page.html"));
    EXPECT_EQ(cell->onClickHideString(), QStringLiteral("intro"));
    EXPECT_EQ(table->grabSelectedImageAtSpot(1, 0)->link(), QStringLiteral("page.html"));
    EXPECT_EQ(table->grabSelectedTableCellHelper(0, 0)->link(), QString());

    // Reopened on that cell it shows the cell's link; outside every cell it opens empty and saves nothing.
    ASSERT_TRUE(choose("applyLinkPopOver", cellPoint(*table, 1, 0)));
    EXPECT_EQ(link().linkTextbox()->text(), QStringLiteral("page.html"));
    ASSERT_TRUE(choose("applyLinkPopOver", QPointF(350, 250)));
    EXPECT_EQ(link().linkTextbox()->text(), QString());
    link().linkTextbox()->setText(QStringLiteral("other.html"));
    clickSave("saveLinkButton");
    for (const std::shared_ptr<myTextView>& each : table->cellHelperArray())
        EXPECT_NE(each->link(), QStringLiteral("other.html"));
}

TEST_F(ObjectPopoversTest, ThePagePopUpPutsAPagesPublishedNameIntoTheLinkField)
{
    SKTDocument::setWindowControllerFactory([](SKTDocument&) { return std::make_unique<PagesWindow>(); });
    document.makeWindowControllers();
    SKTDocument::setWindowControllerFactory({});
    const auto text = addText(QStringLiteral("Contact us"), QRectF(20, 20, 120, 30));
    selection.setSelectedGraphics({text});
    ASSERT_TRUE(choose("applyLinkPopOver"));
    QComboBox* pages = link().selectPagePopButton();
    ASSERT_TRUE(pages->isVisible());
    ASSERT_EQ(pages->count(), 3);
    EXPECT_EQ(pages->currentText(), QStringLiteral("---- Select a page within the website ----"));
    link().linkTextbox()->setText(QStringLiteral("typed.html"));
    Q_EMIT pages->activated(0);
    EXPECT_EQ(link().linkTextbox()->text(), QStringLiteral("typed.html"));
    pages->setCurrentIndex(2);
    Q_EMIT pages->activated(2);
    EXPECT_EQ(link().linkTextbox()->text(), QStringLiteral("contact.html"));

    DataCentre::mutableProfile().hideLinkToPage = true;
    ASSERT_TRUE(choose("applyLinkPopOver"));
    EXPECT_FALSE(link().selectPagePopButton()->isVisible());
    EXPECT_FALSE(link().linkTypeSegmentedControl()->isVisible());
    EXPECT_FALSE(link().linkOptionSegmentedControl()->isVisible());
    EXPECT_TRUE(link().linkTextbox()->isVisible());
}

TEST_F(ObjectPopoversTest, ADroppedPageDocumentLeavesItsPublishedNameInTheLinkField)
{
    DataCentre::mutableProfile().documentExtension = QStringLiteral("velkpage");
    EXPECT_EQ(VelkNSTextField::textForDroppedFile(QStringLiteral("/site/pics/photo.png")),
              QStringLiteral("photo.png"));

    const auto text = addText(QStringLiteral("About"), QRectF(20, 20, 120, 30));
    selection.setSelectedGraphics({text});
    ASSERT_TRUE(choose("applyLinkPopOver"));
    VelkNSTextField* field = link().linkTextbox();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QStringLiteral("/site/about.velkpage"))});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(field, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(field, &drop);
    EXPECT_EQ(field->text(), QStringLiteral("about.html"));
}

} // namespace
