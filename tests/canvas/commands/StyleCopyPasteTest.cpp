#include "../popovers/ObjectCommandsTestSupport.h"

#include "model/SKTLine.h"
#include "model/text/TextStorage.h"

#include <QTextCursor>
#include <QTextDocument>

// Copy Style and Paste Style of the canvas's context menu: text boxes take the style of the copied text
// box, tables that of the copied table, cell by cell.

namespace {

class StyleCopyPasteTest : public ObjectCommandsTest {
protected:
    std::shared_ptr<SKTText> styledText(const QRectF& bounds)
    {
        auto box = addText(QStringLiteral("Styled"), bounds);
        box->setFontFamily(QStringLiteral("Georgia"));
        box->setFontSize(30);
        box->setFontAlignment(1);
        box->setFontColor(QColor(0x11, 0x22, 0x33));
        box->setTextHexColorString(QStringLiteral("112233"));
        box->setBackgroundHexColorString(QStringLiteral("FFEEDD"));
        box->setFillColor(QColor(0xFF, 0xEE, 0xDD));
        box->setBorderStyle(QStringLiteral("dashed"));
        box->setBorderWidth(4);
        box->setBorderHexColorString(QStringLiteral("00AA00"));
        box->setLineSpacing(1.5f);
        return box;
    }
    void copyStyleOf(const std::shared_ptr<SKTGraphic>& source)
    {
        selection.setSelectedGraphics({source});
        ASSERT_TRUE(choose("grabCopyStyle"));
    }
    bool pasteOnto(const GraphicList& targets)
    {
        selection.setSelectedGraphics(targets);
        return choose("applyPasteStyle");
    }
};

TEST_F(StyleCopyPasteTest, CopyIsOfferedForOneTextBoxOrTableAndPasteForTheKindsThatHaveASource)
{
    const auto text = addText(QStringLiteral("a"), QRectF(10, 10, 80, 30));
    const auto image = addImage(QRectF(10, 50, 80, 40));
    const auto table = addTable(1, 1, QPointF(10, 120));
    const auto line = std::make_shared<SKTLine>();
    document.insertGraphics({line}, {0});
    const auto copyOffered = [&](const GraphicList& graphics) {
        selection.setSelectedGraphics(graphics);
        return offered("grabCopyStyle");
    };
    EXPECT_TRUE(copyOffered({text}));
    EXPECT_TRUE(copyOffered({table}));
    EXPECT_FALSE(copyOffered({image}));
    EXPECT_FALSE(copyOffered({line}));
    EXPECT_FALSE(copyOffered({text, table}));

    selection.setSelectedGraphics({text});
    EXPECT_FALSE(offered("applyPasteStyle")) << "nothing copied yet";
    copyStyleOf(text);
    selection.setSelectedGraphics({image, text});
    EXPECT_TRUE(offered("applyPasteStyle"));
    selection.setSelectedGraphics({image});
    EXPECT_FALSE(offered("applyPasteStyle"));
    selection.setSelectedGraphics({table});
    EXPECT_FALSE(offered("applyPasteStyle")) << "no table was copied";
}

TEST_F(StyleCopyPasteTest, ATextBoxTakesTheSourcesStyleAsItIsAtThePasteAndKeepsEverythingElse)
{
    const auto source = styledText(QRectF(10, 10, 120, 40));
    const auto target = addText(QStringLiteral("Plain"), QRectF(10, 80, 100, 30), 7);
    target->setLink(QStringLiteral("keep.html"));
    copyStyleOf(source);
    // The source is the live object: what it looks like at the paste is what is pasted.
    source->setFontFamily(QStringLiteral("Courier"));
    ASSERT_TRUE(pasteOnto({target}));

    EXPECT_EQ(target->fontFamily(), QStringLiteral("Courier"));
    EXPECT_EQ(target->fontSize(), 30);
    EXPECT_EQ(target->fontAlignment(), 1);
    EXPECT_EQ(target->fontColor(), QColor(0x11, 0x22, 0x33));
    EXPECT_EQ(target->textHexColorString(), QStringLiteral("112233"));
    EXPECT_EQ(target->backgroundHexColorString(), QStringLiteral("FFEEDD"));
    EXPECT_EQ(target->fillColor(), QColor(0xFF, 0xEE, 0xDD));
    EXPECT_EQ(target->borderStyle(), QStringLiteral("dashed"));
    EXPECT_EQ(target->borderWidth(), 4);
    EXPECT_EQ(target->borderHexColorString(), QStringLiteral("00AA00"));
    EXPECT_FLOAT_EQ(target->lineSpacing(), 1.5f);
    EXPECT_EQ(TextStorage::fontOfFirstCharacter(target->contents().document())->family(),
              QStringLiteral("Courier"))
        << "the style reaches the text";
    EXPECT_EQ(target->textString(), QStringLiteral("Plain"));
    EXPECT_EQ(target->link(), QStringLiteral("keep.html"));
    EXPECT_EQ(target->groupNumber(), 7);
    EXPECT_EQ(target->bounds().topLeft(), QPointF(10, 80));
}

TEST_F(StyleCopyPasteTest, PastingATextBoxStyleOntoItselfChangesNothing)
{
    const auto source = styledText(QRectF(10, 10, 120, 40));
    QTextCursor bold(&source->contents().document());
    bold.setPosition(0);
    bold.setPosition(3, QTextCursor::KeepAnchor);
    QTextCharFormat heavy;
    heavy.setFontWeight(QFont::Bold);
    bold.mergeCharFormat(heavy);
    const QString before = source->contents().document().toHtml();
    const GraphicPropertyDictionary properties = source->properties();
    copyStyleOf(source);
    ASSERT_TRUE(pasteOnto({source}));
    EXPECT_EQ(source->contents().document().toHtml(), before);
    EXPECT_EQ(source->properties(), properties);
}

TEST_F(StyleCopyPasteTest, AMixedSelectionTakesTheStyleOfEachKindThatHasASource)
{
    const auto sourceText = styledText(QRectF(10, 10, 120, 40));
    const auto sourceTable = addTable(1, 1, QPointF(200, 10));
    sourceTable->setPadding(9);
    sourceTable->setFontFamily(QStringLiteral("Verdana"));
    const auto text = addText(QStringLiteral("t"), QRectF(10, 80, 80, 30));
    const auto table = addTable(1, 1, QPointF(200, 120));
    copyStyleOf(sourceText);
    ASSERT_TRUE(pasteOnto({text, table}));
    EXPECT_EQ(text->fontFamily(), QStringLiteral("Georgia"));
    EXPECT_NE(table->fontFamily(), QStringLiteral("Georgia")) << "a table takes no text-box style";

    copyStyleOf(sourceTable);
    ASSERT_TRUE(pasteOnto({text, table}));
    EXPECT_EQ(table->fontFamily(), QStringLiteral("Verdana"));
    EXPECT_EQ(table->padding(), 9);
    EXPECT_EQ(text->fontFamily(), QStringLiteral("Georgia")) << "the text-box source stays";
}

TEST_F(StyleCopyPasteTest, ATableStyleIsPastedCellByCellOverTheRowsAndColumnsBothTablesHave)
{
    const auto source = addTable(3, 3, QPointF(10, 10));
    // The table's own border, which its layout hands to every cell, matches its cells'.
    source->setBorderWidth(5);
    source->setBorderStyle(QStringLiteral("dotted"));
    const QString alignments[] = {QStringLiteral("center"), QStringLiteral("right"),
                                  QStringLiteral("justify"), QStringLiteral("left"),
                                  QStringLiteral("middle")};
    int n = 0;
    for (const std::shared_ptr<myTextView>& cell : source->cellHelperArray()) {
        cell->setBackgroundHexColorString(QStringLiteral("AA00%1").arg(n, 2, 10, QLatin1Char('0')));
        cell->setTextHexColorString(QStringLiteral("0000FF"));
        cell->setTextAlignment(alignments[n % 5]);
        cell->setFamilyName(QStringLiteral("Georgia"));
        cell->setFontSize(22);
        cell->setBorderWidth(5);
        cell->textView()->setBorderLine(QStringLiteral("dotted"));
        ++n;
    }
    const auto target = addTable(2, 4, QPointF(10, 200));
    for (const std::shared_ptr<myTextView>& cell : target->cellHelperArray()) {
        cell->setBackgroundHexColorString(QStringLiteral("123456"));
        cell->textStorage()->setPlainText(QStringLiteral("keep"));
        cell->setLink(QStringLiteral("cell.html"));
        cell->setFormType(QStringLiteral("text"));
        cell->setFormTag(4);
        cell->setGroupNumber(3);
    }
    copyStyleOf(source);
    ASSERT_TRUE(pasteOnto({target}));

    const QString expectedAlignment[2][3] = {
        {QStringLiteral("center"), QStringLiteral("right"), QStringLiteral("justify")},
        {QStringLiteral("left"), QStringLiteral("justify"), QStringLiteral("center")}};
    for (int r = 0; r < 2; ++r) {
        for (int c = 0; c < 3; ++c) {
            const std::shared_ptr<myTextView> cell = target->grabSelectedTableCellHelper(r, c);
            const std::shared_ptr<myTextView> from = source->grabSelectedTableCellHelper(r, c);
            SCOPED_TRACE(QStringLiteral("cell %1,%2").arg(r).arg(c).toStdString());
            EXPECT_EQ(cell->backgroundHexColorString(), from->backgroundHexColorString());
            EXPECT_EQ(cell->colorString(), from->backgroundHexColorString());
            EXPECT_EQ(cell->textColorString(), QStringLiteral("0000FF"));
            EXPECT_EQ(cell->textAlignment(), expectedAlignment[r][c]);
            EXPECT_EQ(cell->familyName(), QStringLiteral("Georgia"));
            EXPECT_EQ(cell->fontSize(), 22);
            EXPECT_EQ(cell->borderWidth(), 5);
            EXPECT_EQ(cell->textView()->borderLine(), QStringLiteral("dotted"));
            EXPECT_EQ(cell->textView()->font().family(), QStringLiteral("Georgia"));
            EXPECT_EQ(TextStorage::fontOfFirstCharacter(*cell->textStorage())->family(),
                      QStringLiteral("Georgia"));
            EXPECT_EQ(TextStorage::alignmentOfFirstParagraph(*cell->textStorage()) & Qt::AlignHorizontal_Mask,
                      Qt::Alignment(expectedAlignment[r][c] == u"center"  ? Qt::AlignHCenter
                                    : expectedAlignment[r][c] == u"right" ? Qt::AlignRight
                                    : expectedAlignment[r][c] == u"left"  ? Qt::AlignLeft
                                                                          : Qt::AlignJustify));
            // Only the style changes: the text, link, form settings and group stay.
            EXPECT_EQ(cell->textStorage()->toPlainText(), QStringLiteral("keep"));
            EXPECT_EQ(cell->link(), QStringLiteral("cell.html"));
            EXPECT_EQ(cell->formType(), QStringLiteral("text"));
            EXPECT_EQ(cell->formTag(), 4);
            EXPECT_EQ(cell->groupNumber(), 3);
        }
        EXPECT_EQ(target->grabSelectedTableCellHelper(r, 3)->backgroundHexColorString(),
                  QStringLiteral("123456"))
            << "column 3 has no source cell";
    }
}

} // namespace
