#include "inspector/library/ObjectLibraryView.h"
#include "canvas/drop/DragCodePasteboard.h"
#include "inspector/library/DragIconView.h"
#include "profile/DataCentre.h"

#include <gtest/gtest.h>

#include <QDrag>
#include <QLabel>
#include <QMimeData>
#include <QScrollArea>
#include <QTest>

namespace {

class ObjectLibraryViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_saved = DataCentre::profile();
        DataCentre::resetProfile();
        library.resize(270, 510);
        library.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&library));
    }
    void TearDown() override { DataCentre::mutableProfile() = m_saved; }

    void show(const QString& key, const QString& extension)
    {
        DataCentre::mutableProfile().objectCatalogName = key;
        library.showObjectsList(extension);
    }
    DragIconView* item(int index) const { return library.objectCatalogue().at(index); }

    ObjectLibraryView library;

private:
    ProductProfile m_saved;
};

TEST_F(ObjectLibraryViewTest, ListsTheItemsOfTheKeyOneUnderTheOther)
{
    const struct {
        const char* key;
        const char* extension;
        int items;
    } cases[] = {{"Velk", "html", 17},
                 {"Velk", "php", 24},
                 {"Tazmir", "php", 61},
                 {"Crovane", "php", 55},
                 {"Mail", "php", 24},
                 {"Chart", "php", 18},
                 {"Forms", "php", 19},
                 {"ResponsiveForms", "php", 19},
                 {"Label", "php", 37},
                 {"Flyer", "php", 57},
                 {"GreetingCard", "php", 56},
                 {"Markup", "php", 73},
                 {"MarkupExpress", "php", 62},
                 {"LummetMarkup", "php", 4},
                 {"Manual", "php", 80},
                 {"familyTree", "php", 29},
                 {"AllMyWendrils2", "php", 4},
                 {"QuorvikVirAvivu", "php", 49},
                 {"Shop", "php", 7},
                 {"Cards", "php", 0},
                 {"", "html", 0}};
    for (const auto& c : cases) {
        show(c.key, c.extension);
        QWidget* list = library.dragObjectsClipView();
        ASSERT_EQ(library.objectCatalogue().size(), c.items) << c.key << " " << c.extension;
        EXPECT_EQ(list->height(), 75 * c.items + 60) << c.key;
        EXPECT_EQ(list->findChildren<DragIconView*>().size(), c.items) << c.key;
        for (int n = 0; n < c.items; ++n) {
            EXPECT_EQ(item(n)->geometry(), QRect(0, 30 + 75 * n, list->width(), 75)) << c.key << " " << n;
            EXPECT_TRUE(item(n)->isVisible());
        }
    }
}

TEST_F(ObjectLibraryViewTest, HeaderAloneForAProductWithoutItems)
{
    show("Cards", "php");
    QWidget* list = library.dragObjectsClipView();
    EXPECT_EQ(list->height(), 60);
    auto* header = list->findChild<QLabel*>("dragObjectsHeader");
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->text(), "Drag and drop to add");
    EXPECT_EQ(header->geometry(), QRect(0, 0, list->width(), 30));
    EXPECT_EQ(library.dragObjectsScrollView()->widget(), list);
}

TEST_F(ObjectLibraryViewTest, ALibraryNotYetOnScreenBuildsWhenShownAtItsWidth)
{
    ObjectLibraryView hidden;
    hidden.resize(270, 510);
    DataCentre::mutableProfile().objectCatalogName = QStringLiteral("Velk");
    hidden.showObjectsList(QStringLiteral("php"));
    EXPECT_TRUE(hidden.objectCatalogue().isEmpty());
    hidden.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&hidden));
    ASSERT_EQ(hidden.objectCatalogue().size(), 24);
    EXPECT_EQ(hidden.objectCatalogue().first()->width(), hidden.dragObjectsScrollView()->viewport()->width());
}

TEST_F(ObjectLibraryViewTest, ItemShowsIconTitleAndDescription)
{
    show("Velk", "php");
    DragIconView* textField = item(0);
    EXPECT_EQ(textField->objectName(), "velk_textfield");
    auto* icon = textField->findChild<QLabel*>("iconImageView");
    auto* label = textField->findChild<QLabel*>("iconLabel");
    ASSERT_NE(icon, nullptr);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(icon->geometry(), QRect(10, 10, 30, 30));
    EXPECT_EQ(label->geometry(), QRect(50, 10, textField->width() - 60, 75));
    EXPECT_FALSE(icon->pixmap().isNull());
    EXPECT_TRUE(label->text().contains("font-weight:bold"));
    EXPECT_TRUE(label->text().contains(">Text Field</span> <span"));

    // Markup in a description is shown as text, not applied.
    show("Tazmir", "php");
    DragIconView* rich =
        library.dragObjectsClipView()->findChild<DragIconView*>("velk_textbox_body_tazmir_rich");
    ASSERT_NE(rich, nullptr);
    EXPECT_TRUE(rich->iconLabelString().contains("&lt;i&gt; for italics"));
}

TEST_F(ObjectLibraryViewTest, ClickingAThenBHighlightsOnlyB)
{
    show("Markup", "php");
    QTest::mouseClick(item(2), Qt::LeftButton, {}, QPoint(60, 40));
    EXPECT_TRUE(item(2)->highlightFlag());
    QTest::mouseClick(item(5), Qt::LeftButton, {}, QPoint(15, 15)); // on the icon
    for (int n = 0; n < library.objectCatalogue().size(); ++n)
        EXPECT_EQ(item(n)->highlightFlag(), n == 5) << n;

    // The highlight is painted behind the item.
    EXPECT_EQ(item(5)->grab().toImage().pixelColor(5, 60), QColor(0xF5, 0xF5, 0xF5));
    EXPECT_NE(item(2)->grab().toImage().pixelColor(5, 60), QColor(0xF5, 0xF5, 0xF5));

    // A rebuild starts without a highlight.
    show("Markup", "php");
    for (DragIconView* view : library.objectCatalogue())
        EXPECT_FALSE(view->highlightFlag());
}

TEST_F(ObjectLibraryViewTest, APressInOneLibraryClearsTheHighlightOfAnother)
{
    show("Velk", "php");
    ObjectLibraryView other;
    other.resize(270, 510);
    other.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
    other.showObjectsList("php");
    QTest::mouseClick(item(1), Qt::LeftButton, {}, QPoint(60, 40));
    QTest::mouseClick(other.objectCatalogue().at(3), Qt::LeftButton, {}, QPoint(60, 40));
    EXPECT_FALSE(item(1)->highlightFlag());
    EXPECT_TRUE(other.objectCatalogue().at(3)->highlightFlag());
}

// Presses an item and drags from it; answers the drag it started, if any.
QDrag* dragFrom(DragIconView* view)
{
    QTest::mousePress(view, Qt::LeftButton, {}, QPoint(60, 40));
    QTest::mouseMove(view, QPoint(90, 50));
    QDrag* drag = view->findChild<QDrag*>();
    QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(90, 50));
    return drag;
}

TEST_F(ObjectLibraryViewTest, DraggingAnItemCarriesItsCodeAlone)
{
    DataCentre::mutableProfile().dragInspector = true;
    const struct {
        const char* key;
        const char* title;
        const char* code;
    } cases[] = {{"Velk", "Photo", "velk_photo"},
                 {"Tazmir", "Navigation Bar - Mega Menu", "velk_navbar"},
                 {"Manual", "Code Snippet", "velk_htmlsnippet"},
                 {"GreetingCard", "Zoom Bubble", "velk_zoom_bubble_circle"},
                 {"familyTree", "Cousin", "velk_sibling"}};
    for (const auto& c : cases) {
        show(c.key, "php");
        DragIconView* view = nullptr;
        for (DragIconView* candidate : library.objectCatalogue()) {
            if (candidate->objectTitle() == c.title) {
                view = candidate;
                break;
            }
        }
        ASSERT_NE(view, nullptr) << c.title;
        library.dragObjectsScrollView()->ensureWidgetVisible(view);
        QDrag* drag = dragFrom(view);
        ASSERT_NE(drag, nullptr) << c.title;
        const QMimeData* data = drag->mimeData();
        EXPECT_EQ(data->formats(), (QStringList{QString(kDragCodeMimeType), "text/plain"})) << c.title;
        EXPECT_EQ(dragCodeFromMimeData(*data), c.code) << c.title;
        EXPECT_EQ(data->text(), c.code);
        EXPECT_FALSE(data->hasUrls());
        EXPECT_EQ(drag->pixmap().size(), QSize(30, 30));
    }
}

TEST_F(ObjectLibraryViewTest, WithoutDraggingAPressStillHighlights)
{
    DataCentre::mutableProfile().dragInspector = false;
    show("Velk", "php");
    EXPECT_EQ(dragFrom(item(0)), nullptr);
    EXPECT_TRUE(item(0)->highlightFlag());
}

TEST(DragCodePasteboard, OtherDataCarriesNoCode)
{
    QMimeData plain;
    plain.setText("velk_photo");
    EXPECT_TRUE(dragCodeFromMimeData(plain).isNull());
    std::unique_ptr<QMimeData> empty(newDragCodeMimeData({}));
    EXPECT_TRUE(dragCodeFromMimeData(*empty).isEmpty());
}

} // namespace
