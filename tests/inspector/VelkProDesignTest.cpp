#include "InspectorTestSupport.h"

#include "inspector/classic/ClassicInspector.h"
#include "inspector/color/ColorModel.h"
#include "inspector/panel/FloatWindowController.h"
#include "model/ColorTarget.h"
#include "model/SKTImage.h"
#include "model/SKTText.h"
#include "platform/Bundle.h"
#include "platform/SegmentedControl.h"
#include "profile/LaunchInitialisation.h"
#include "window/pages/VelkNSButton.h"
#include "window/views/FlippedNSView.h"

#include <QAction>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>

namespace {

// The website designer without the object library, launched as the application launches it: the toolbar
// and the classic inspector are all it has to design with.
class VelkProDesignTest : public InspectorTest {
protected:
    void SetUp() override
    {
        InspectorTest::SetUp();
        DataCentre::resetProfile();
        Bundle::main().setInfoValue(QStringLiteral("CFBundleDisplayName"), QStringLiteral("HTML Velk Pro"));
        DataCentre::initializeData();
    }
    void TearDown() override
    {
        InspectorTest::TearDown();
        Bundle::main().load(Bundle::defaultResourcesPath());
    }

    static void clickToolbarItem(const QToolBar& toolbar, const char* name)
    {
        auto* item = toolbar.findChild<QAction*>(QString::fromLatin1(name));
        ASSERT_NE(item, nullptr) << name;
        QWidget* button = toolbar.widgetForAction(item);
        ASSERT_NE(button, nullptr) << name;
        QTest::mouseClick(button, Qt::LeftButton);
    }
};

TEST_F(VelkProDesignTest, TheToolbarAddsATextBoxAndAnImageAndTheClassicInspectorStylesTheBox)
{
    ASSERT_FALSE(DataCentre::profile().dragInspector);
    SKTWindowController& window = openDocumentWindow();
    SKTDocument& document = *window.document();
    auto* toolbar = child<QToolBar>(window, "velkToolbar");
    ASSERT_NE(toolbar, nullptr);
    EXPECT_TRUE(toolbar->isVisible());

    // Text box: the toolbar opens the text-box presets, the first one goes on the page.
    clickToolbarItem(*toolbar, "addNewTextboxToolbarItem");
    FloatWindowController* sheet = panel(window).floatWindowController();
    ASSERT_NE(sheet, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(sheet));
    auto* firstPreset = sheet->mainView()->findChild<QPushButton*>(QStringLiteral("preset0"));
    ASSERT_NE(firstPreset, nullptr);
    QTest::mouseClick(firstPreset, Qt::LeftButton);
    EXPECT_FALSE(sheet->isVisible());
    ASSERT_EQ(document.graphics().size(), 1);
    const auto box = std::dynamic_pointer_cast<SKTText>(document.graphics().first());
    ASSERT_NE(box, nullptr);

    // Image: the picture chosen in the open panel.
    const QString photo = pathInHome(QStringLiteral("photo.png"));
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    ASSERT_TRUE(picture.save(photo));
    panels.choose({photo});
    clickToolbarItem(*toolbar, "addNewImageToolbarItem");
    ASSERT_EQ(document.graphics().size(), 2);
    const auto image = std::dynamic_pointer_cast<SKTImage>(document.graphics().first());
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->bounds().size(), QSizeF(40, 30));
    EXPECT_EQ(image->imageType(), QStringLiteral("PNG"));

    // The style editor opens the classic inspector on the selected box.
    select(window, IndexSet{1});
    EXPECT_FALSE(window.isInspectorShown());
    clickToolbarItem(*toolbar, "styleEditorToolbarItem");
    ASSERT_TRUE(window.isInspectorShown());
    const InspectorControls& c = panel(window).controls();
    ASSERT_TRUE(c.fontSizeTextbox->isVisible());
    typeInto(*c.fontSizeTextbox, QStringLiteral("30"));
    EXPECT_EQ(box->fontSize(), 30);

    // Color page: the text button's swatches colour the box's text.
    QTest::mouseClick(c.inspectorPanelSegmentedControl->findChildren<QToolButton*>().at(1), Qt::LeftButton);
    ClassicInspector& classic = *panel(window).classicInspector();
    ASSERT_TRUE(classic.colorView()->isVisible());
    ColorModel& colors = panel(window).colors();
    QPushButton* textButton = colors.colorButton(ColorTarget::Text);
    ASSERT_TRUE(textButton->isVisible());
    QTest::mouseClick(textButton, Qt::LeftButton);
    ASSERT_NE(colors.colorPanelSelectorView(), nullptr);
    VelkNSButton* swatch = colors.colorPanelSelectorView()->colorButtonMutableArray().at(5);
    const QString picked = swatch->buttonColorString();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(swatch->window()));
    QTest::mouseClick(swatch, Qt::LeftButton);
    EXPECT_EQ(box->textHexColorString(), picked);
    EXPECT_EQ(classic.colorHexCodeTextField()->text(), picked);
    EXPECT_EQ(textButton->text(), picked.toUpper());
}

} // namespace
