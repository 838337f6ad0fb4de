#include "inspector/library/ObjectCatalogue.h"
#include "inspector/library/DragIconView.h"
#include "profile/services/LibraryImages.h"

#include <gtest/gtest.h>

#include <QSet>

namespace {

const QStringList kEveryKey = {"Velk",           "Tazmir",          "Crovane",      "Mail",   "Chart",
                               "Forms",          "ResponsiveForms", "Label",        "Flyer",  "GreetingCard",
                               "Markup",         "MarkupExpress",   "LummetMarkup", "Manual", "familyTree",
                               "AllMyWendrils2", "QuorvikVirAvivu", "Shop",         "Cards"};

QList<ObjectCatalogueItem> shownFor(const QString& key, const QString& extension)
{
    QList<ObjectCatalogueItem> shown;
    for (const ObjectCatalogueItem& item : objectCatalogueItems()) {
        if (isShownInLibrary(item, key, extension))
            shown.append(item);
    }
    return shown;
}

// Pixels of the image that are not fully clear.
int paintedPixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
    }
    return count;
}

// Opaque pixels within a small distance of the colour.
int pixelsLike(const QImage& image, const QColor& colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const int distance = std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                                 std::abs(c.blue() - colour.blue());
            count += c.alpha() == 255 && distance < 40 ? 1 : 0;
        }
    }
    return count;
}

// Pixels, however faint, that are clearly red.
int reddishPixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += c.alpha() > 0 && c.red() > c.green() + 80 && c.red() > c.blue() + 80 ? 1 : 0;
        }
    }
    return count;
}

TEST(ObjectCatalogue, HoldsTwoHundredAndSixItemsWithOneHundredAndSeventyCodes)
{
    QSet<QString> codes;
    for (const ObjectCatalogueItem& item : objectCatalogueItems()) {
        EXPECT_TRUE(item.dragAndDropCodeName.startsWith("velk_")) << item.dragAndDropCodeName.toStdString();
        EXPECT_FALSE(item.objectTitle.isEmpty());
        EXPECT_FALSE(item.objectDescription.isEmpty());
        codes.insert(item.dragAndDropCodeName);
    }
    EXPECT_EQ(objectCatalogueItems().size(), 206);
    EXPECT_EQ(codes.size(), 170);
}

TEST(ObjectCatalogue, EachKeyShowsItsItemsOnPhpPages)
{
    const struct {
        const char* key;
        int items;
    } cases[] = {{"Velk", 24},
                 {"Tazmir", 61},
                 {"Crovane", 55},
                 {"Mail", 24},
                 {"Chart", 18},
                 {"Forms", 19},
                 {"ResponsiveForms", 19},
                 {"Label", 37},
                 {"Flyer", 57},
                 {"GreetingCard", 56},
                 {"Markup", 73},
                 {"MarkupExpress", 62},
                 {"LummetMarkup", 4},
                 {"Manual", 80},
                 {"familyTree", 29},
                 {"AllMyWendrils2", 4},
                 {"QuorvikVirAvivu", 49},
                 {"Shop", 7},
                 {"Cards", 0},
                 {"", 0}};
    for (const auto& c : cases)
        EXPECT_EQ(shownFor(c.key, "php").size(), c.items) << c.key;
}

TEST(ObjectCatalogue, HtmlPagesLeaveOutTheFormItems)
{
    const struct {
        const char* key;
        int items;
    } cases[] = {{"Velk", 17}, {"Tazmir", 54}, {"Forms", 12}, {"ResponsiveForms", 12}, {"Markup", 73}};
    for (const auto& c : cases) {
        const QList<ObjectCatalogueItem> shown = shownFor(c.key, "html");
        EXPECT_EQ(shown.size(), c.items) << c.key;
        for (const ObjectCatalogueItem& item : shown)
            EXPECT_NE(item.imageName, "form_checkbox") << c.key;
    }
}

TEST(ObjectCatalogue, ItemsWithoutKeysNeverShow)
{
    const QList<ObjectCatalogueItem>& items = objectCatalogueItems();
    const struct {
        int row;
        const char* code;
    } cases[] = {{21, "velk_textbox_title_tazmir"},
                 {22, "velk_textbox_subtitle_tazmir"},
                 {25, "velk_textbox_footnote_tazmir"}};
    for (const auto& c : cases) {
        const ObjectCatalogueItem& item = items.at(c.row - 1);
        EXPECT_EQ(item.dragAndDropCodeName, c.code);
        EXPECT_FALSE(item.typeArray.has_value());
        for (const QString& key : kEveryKey + QStringList{"All"}) {
            EXPECT_FALSE(isShownInLibrary(item, key, "php")) << c.code;
            EXPECT_FALSE(isShownInLibrary(item, key, "html")) << c.code;
        }
    }
    int keyless = 0;
    for (const ObjectCatalogueItem& item : items)
        keyless += item.typeArray ? 0 : 1;
    EXPECT_EQ(keyless, 3);
}

TEST(ObjectCatalogue, AnItemCarryingAllWouldShowForEveryProduct)
{
    ObjectCatalogueItem item = objectCatalogueItems().at(27);
    item.typeArray = QStringList{"All"};
    EXPECT_TRUE(isShownInLibrary(item, "Cards", "html"));
    EXPECT_TRUE(isShownInLibrary(item, "", "php"));
}

TEST(ObjectCatalogue, MarkupListBeginsWithPhotoAndPhotoGrid)
{
    const QList<ObjectCatalogueItem> shown = shownFor("Markup", "html");
    ASSERT_GE(shown.size(), 2);
    EXPECT_EQ(shown.at(0).dragAndDropCodeName, "velk_photo");
    EXPECT_EQ(shown.at(0).objectTitle, "Photo");
    EXPECT_EQ(shown.at(1).dragAndDropCodeName, "velk_gallery");
    EXPECT_EQ(shown.at(1).objectTitle, "Photo Grid");
}

TEST(ObjectCatalogue, SharedCodesAndDrawnIconsSitOnTheirRows)
{
    const QList<ObjectCatalogueItem>& items = objectCatalogueItems();
    const struct {
        int row;
        const char* code;
        const char* title;
        const char* image;
    } cases[] = {{42, "velk_htmlsnippet", "Code Snippet", "snippet_icon"},
                 {41, "velk_htmlsnippet", "HTML Snippet", "snippet_icon"},
                 {105, "velk_gallery", "Photo Gallery", "photo_simple"},
                 {158, "velk_navbar", "Navigation Bar - Brand Centered", "photo_simple"},
                 {159, "velk_navbar", "Navigation Bar - Mega Menu", "photo_simple"},
                 {160, "velk_navbar", "Navigation Bar - Underline Menu", "photo_simple"},
                 {163, "velk_navbar_fixed", "Grid Panel", "photo_simple"},
                 {166, "velk_navbar_fixed", "Scroll To Top Button", "photo_simple"},
                 {177, "velk_buynowbutton", "Product Photo Slideshow", "shopping_cart"},
                 {92, "velk_zoom_bubble_star4", "Zoom Bubble", "star4"},
                 {93, "velk_zoom_bubble_star4b", "Zoom Bubble", "star4"},
                 {206, "velk_sibling", "Cousin", "person_contacts"}};
    for (const auto& c : cases) {
        const ObjectCatalogueItem& item = items.at(c.row - 1);
        EXPECT_EQ(item.dragAndDropCodeName, c.code) << c.row;
        EXPECT_EQ(item.objectTitle, c.title) << c.row;
        EXPECT_EQ(item.imageName, c.image) << c.row;
    }
    for (int row = 1; row <= items.size(); ++row) {
        const ObjectCatalogueItem& item = items.at(row - 1);
        const bool shape = row >= 63 && row <= 82;
        const bool bubble = row >= 88 && row <= 104;
        EXPECT_EQ(item.createOwnImageFlag, shape || bubble) << row;
        EXPECT_EQ(item.shapeFlag, shape) << row;
        EXPECT_EQ(item.zoomBubbleImageFlag, bubble) << row;
    }
}

TEST(ObjectCatalogue, EveryItemHasAnIcon)
{
    for (const ObjectCatalogueItem& item : objectCatalogueItems()) {
        const DragIconView view(item);
        ASSERT_FALSE(view.iconImage().isNull()) << item.dragAndDropCodeName.toStdString();
        EXPECT_EQ(view.iconImage().size(), QSize(100, 100));
        EXPECT_GT(paintedPixels(view.iconImage()), 300) << item.dragAndDropCodeName.toStdString();
    }
    EXPECT_TRUE(libraryBundleImage("no_such_image").isNull());
}

TEST(ObjectCatalogue, DrawnIconsFollowTheShapeAndItsKind)
{
    const QList<ObjectCatalogueItem>& items = objectCatalogueItems();
    const QImage shape = DragIconView(items.at(64)).createShapeImage();  // "star4", black outline
    const QImage bubble = DragIconView(items.at(92)).createShapeImage(); // "star4", red outline, flower
    // The centre lies inside the star, the corners outside it.
    EXPECT_EQ(shape.pixelColor(50, 50), QColor(Qt::white));
    EXPECT_EQ(qAlpha(shape.pixel(3, 3)), 0);
    EXPECT_EQ(qAlpha(bubble.pixel(3, 3)), 0);
    EXPECT_NE(bubble.pixelColor(50, 50), QColor(Qt::white));
    // Shapes are outlined in black, zoom bubbles in red.
    EXPECT_GT(pixelsLike(shape, Qt::black), 100);
    EXPECT_EQ(pixelsLike(shape, QColor(0xEE, 0, 0)), 0);
    // The flower covers the inner half of the bubble's stroke.
    EXPECT_GT(reddishPixels(bubble), 100);
    EXPECT_EQ(reddishPixels(shape), 0);
    EXPECT_EQ(pixelsLike(bubble, Qt::black), 0);
    // Items 92 and 93 draw the same icon.
    EXPECT_EQ(DragIconView(items.at(91)).createShapeImage(), bubble);
    // A name outside the shape outlines draws nothing.
    ObjectCatalogueItem unknown = items.at(64);
    unknown.imageName = "hexagram";
    EXPECT_EQ(paintedPixels(DragIconView(unknown).createShapeImage()), 0);
}

} // namespace
