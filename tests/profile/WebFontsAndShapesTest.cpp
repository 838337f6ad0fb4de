#include "profile/ShapeSelectionView.h"
#include "profile/services/DefaultShapes.h"
#include "profile/services/WebFonts.h"

#include "platform/Bundle.h"
#include "support/VelkTest.h"

#include <QDir>
#include <QFile>

#include <QFontDatabase>
#include <QLineEdit>

namespace {

TEST(WebFontsTest, PreparesTheFortyNineFontsInDisplayNameOrder)
{
    DataCentre::prepCustomFont();
    const auto& fonts = DataCentre::webFontList();
    ASSERT_EQ(fonts.size(), 49);
    EXPECT_EQ(fonts.first()->fontName(), "Actor");
    EXPECT_EQ(fonts.last()->fontName(), "Vollkorn");
    QMap<QString, QString> css;
    for (qsizetype i = 0; i < fonts.size(); ++i) {
        EXPECT_FALSE(fonts[i]->isUsed());
        EXPECT_FALSE(fonts[i]->isCustomFont());
        if (i > 0) {
            EXPECT_LT(QString::compare(fonts[i - 1]->fontName(), fonts[i]->fontName(), Qt::CaseInsensitive),
                      0);
        }
        css.insert(fonts[i]->fontName(), fonts[i]->sourceCodeName());
    }
    EXPECT_EQ(css["PT Mono"], "PT+Mono");
    EXPECT_EQ(css["Passion"], "Passion+One");
    EXPECT_EQ(css["Raleway"], "Raleway:100");
    EXPECT_EQ(css["Source Sans Pro"], "Source+Sans+Pro:300");
    EXPECT_EQ(css["Lobster Two"], "Lobster Two");
}

TEST(WebFontsTest, ASecondPreparationClearsTheMarks)
{
    DataCentre::prepCustomFont();
    const auto first = DataCentre::webFontList();
    first[3]->setIsUsed(true);
    DataCentre::prepCustomFont();
    const auto& second = DataCentre::webFontList();
    ASSERT_EQ(second.size(), first.size());
    for (qsizetype i = 0; i < second.size(); ++i) {
        EXPECT_EQ(second[i]->fontName(), first[i]->fontName());
        EXPECT_FALSE(second[i]->isUsed());
    }
}

class BundledFontsTest : public VelkTest {
protected:
    void TearDown() override
    {
        Bundle::main().load(Bundle::defaultResourcesPath());
        VelkTest::TearDown();
    }
};

TEST_F(BundledFontsTest, ActivatesEveryFontFileOfTheFontsFolder)
{
    const QString bundle = homePath() + "/bundle";
    QDir().mkpath(bundle + "/fonts");
    ASSERT_TRUE(
        QFile::copy("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", bundle + "/fonts/DejaVuSans.ttf"));
    QFile notAFont(bundle + "/fonts/notes.ttf");
    ASSERT_TRUE(notAFont.open(QIODevice::WriteOnly));
    notAFont.write("not a font");
    notAFont.close();

    Bundle::main().load(bundle);
    EXPECT_EQ(DataCentre::loadCustomFont(), 1);
    EXPECT_TRUE(QFontDatabase::families().contains("DejaVu Sans"));
}

TEST_F(BundledFontsTest, ABundleWithoutFontsActivatesNothing)
{
    Bundle::main().load(homePath());
    EXPECT_EQ(DataCentre::loadCustomFont(), 0);
}

TEST(DefaultShapesTest, ABatchHoldsSevenPreviewsInOneColour)
{
    const auto batch = DataCentre::createBatchOfShapes("4682B4");
    ASSERT_EQ(batch.size(), 7);
    const int radii[] = {0, 10, 100, 20, 20, 0, 0};
    const QSizeF sizes[] = {{70, 70}, {70, 70}, {70, 70}, {70, 52.5}, {52.5, 70}, {70, 7}, {7, 70}};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(batch[i]->fillColor(), QColor(70, 130, 180));
        EXPECT_EQ(batch[i]->cornerRadius(), radii[i]);
        EXPECT_EQ(batch[i]->frame(), QRectF(QPointF(0, 0), sizes[i]));
    }
}

TEST(DefaultShapesTest, UnknownKindsAreHorizontalLinesAndBadColoursBlack)
{
    const auto preview = DataCentre::createDefaultShape("triangle", "#123456", 5);
    EXPECT_EQ(preview->frame().size(), QSizeF(70, 7));
    EXPECT_EQ(preview->fillColor(), QColor(0, 0, 0));
    EXPECT_EQ(preview->cornerRadius(), 5);
}

TEST(DefaultShapesTest, TextPreviewsAreAlways400By42)
{
    const auto preview = DataCentre::createDefaultTextView("FFFFFF", "8B0000", QFont("Actor", 80), "abc");
    EXPECT_EQ(preview->frame(), QRectF(0, 0, 400, 42));
    EXPECT_EQ(preview->fillColor(), QColor(255, 255, 255));
    EXPECT_EQ(preview->textColor(), QColor(0x8B, 0, 0));
    EXPECT_EQ(preview->textString(), "abc");
    EXPECT_EQ(preview->font().family(), "Actor");
}

TEST(DefaultShapesTest, EnableTextViewSwitchesEditing)
{
    QLineEdit field;
    DataCentre::enableTextView(false, &field);
    EXPECT_TRUE(field.isReadOnly());
    DataCentre::enableTextView(true, &field);
    EXPECT_FALSE(field.isReadOnly());
}

} // namespace
