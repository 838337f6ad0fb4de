#include "codegen/CodeWidgetHelper.h"
#include "codegen/FormSortHelper.h"
#include "codegen/GenerateSourceCodeObject.h"
#include "codegen/ImageCounterHelp.h"
#include "model/SKTImage.h"
#include "profile/services/FileServices.h"

#include <gtest/gtest.h>

namespace {

TEST(CodeRecordsTest, AFreshElementRecordIsEmpty)
{
    const CodeWidgetHelper code;
    for (const QString& text : {code.headerString(), code.tableHeaderString(), code.bodyString(),
                                code.javaScriptString(), code.formResponseBody(), code.formMessageBody()})
        EXPECT_TRUE(text.isEmpty());
    EXPECT_EQ(code.rect(), QRectF());
    EXPECT_EQ(code.originY(), 0);
    EXPECT_EQ(code.responsiveResizeFlag(), 0);
    EXPECT_FALSE(code.addedToGrid() || code.partOfTableFlag() || code.noMarginAddOnFlag());

    const GenerateSourceCodeObject declaration;
    EXPECT_TRUE(declaration.sourceCodeObjectType().isNull());
    EXPECT_FALSE(declaration.importantFlag());
}

TEST(CodeRecordsTest, TheRectangleIsSetFromFourValues)
{
    CodeWidgetHelper code;
    code.setRect(1.5, 2, 300, 40.25);
    EXPECT_EQ(code.rect(), QRectF(1.5, 2, 300, 40.25));
}

TEST(CodeRecordsTest, ElementRecordsSortByOriginY)
{
    QList<CodeWidgetHelper> records;
    for (int y : {300, 20, 150}) {
        CodeWidgetHelper code;
        code.setOriginY(y);
        code.setBodyString(QString::number(y));
        records << code;
    }
    const QList<CodeWidgetHelper> sorted = DataCentre::sortArray(records, QStringLiteral("originY"), true);
    EXPECT_EQ(sorted.at(0).bodyString(), QStringLiteral("20"));
    EXPECT_EQ(sorted.at(2).bodyString(), QStringLiteral("300"));
}

TEST(CodeRecordsTest, FormFieldsSortByTheirTopEdge)
{
    QList<std::shared_ptr<FormSortHelper>> fields;
    for (int y : {90, 10, 50}) {
        auto field = std::make_shared<FormSortHelper>();
        field->setFormYPosition(y);
        field->setFormMessageBody(QStringLiteral("$form%1<p>").arg(y));
        fields << field;
    }
    const auto sorted = DataCentre::sortArray(fields, QStringLiteral("formYPosition"), true);
    EXPECT_EQ(sorted.first()->formMessageBody(), QStringLiteral("$form10<p>"));
    EXPECT_EQ(sorted.last()->formYPosition(), 90);
}

TEST(CodeRecordsTest, ImagesSortByTheNumberOfTheirNameNotItsText)
{
    QList<ImageCounterHelp> images;
    for (int number : {10, 2, 33, 1}) {
        ImageCounterHelp image;
        image.setImageNameIndex(number);
        image.setImageName(QStringLiteral("image%1").arg(number));
        image.setSktImage(std::make_shared<SKTImage>());
        images << image;
    }
    const QList<ImageCounterHelp> sorted =
        DataCentre::sortArray(images, QStringLiteral("imageNameIndex"), true);
    QStringList names;
    for (const ImageCounterHelp& image : sorted)
        names << image.imageName();
    EXPECT_EQ(names, (QStringList{"image1", "image2", "image10", "image33"}));
    EXPECT_TRUE(sorted.first().sktImage());
}

} // namespace
