#include "../input/CanvasInputTestSupport.h"

#include "canvas/view/CanvasContextMenu.h"

#include <QMenu>

#include <algorithm>

// The web-form fields built on the canvas: the pieces of each field, their places, tags and groups, the
// options added later, the form flags and the rules that keep option buttons with their labels.

namespace {

struct Piece {
    QString text;
    QString formType;
    int option;
    QRectF bounds;
};

class FormFieldBuilderTest : public CanvasInputTest {
protected:
    // The page's graphics in the order they were built (each went in at the front).
    GraphicList built() const
    {
        GraphicList list = document.graphics();
        std::reverse(list.begin(), list.end());
        return list;
    }

    QList<Piece> pieces() const
    {
        QList<Piece> result;
        for (const std::shared_ptr<SKTGraphic>& g : built())
            result.append({g->textString(), g->formType(), g->formOptionTag(), g->bounds()});
        return result;
    }

    void select(const GraphicList& graphics)
    {
        IndexSet indexes;
        for (const std::shared_ptr<SKTGraphic>& g : graphics)
            indexes.insert(int(document.graphics().indexOf(g)));
        view->changeSelectionIndexes(indexes);
    }

    std::shared_ptr<SKTGraphic> withText(const QString& text, const QString& formType) const
    {
        for (const std::shared_ptr<SKTGraphic>& g : document.graphics()) {
            if (g->textString() == text && g->formType() == formType)
                return g;
        }
        return nullptr;
    }
};

void expectPieces(const QList<Piece>& actual, const QList<Piece>& expected)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected.at(i).text.toStdString());
        EXPECT_EQ(actual.at(i).text, expected.at(i).text);
        EXPECT_EQ(actual.at(i).formType, expected.at(i).formType);
        EXPECT_EQ(actual.at(i).option, expected.at(i).option);
        EXPECT_EQ(actual.at(i).bounds, expected.at(i).bounds);
    }
}

} // namespace

TEST_F(FormFieldBuilderTest, AMultipleChoiceGroupStacksFourOptionsUnderItsLabel)
{
    view->addMultipleChoice_drag(QPointF(100.6, 100.2));

    QList<Piece> expected = {{"Multiple Choice Label", "textLabel", -99, QRectF(100, 100, 300, 40)}};
    for (int n = 1; n <= 4; ++n) {
        const QString text = QStringLiteral("Multiple Choice Option %1").arg(n);
        const int row = 110 + 45 * n;
        expected.append({text, "radio", n, QRectF(70, row, 15, 15)});
        expected.append({text, "textLabel", n, QRectF(100, row - 8, 300, 40)});
    }
    expectPieces(pieces(), expected);
    for (const std::shared_ptr<SKTGraphic>& g : built()) {
        EXPECT_EQ(g->formTag(), 1);
        EXPECT_EQ(g->groupNumber(), built().first()->groupNumber());
        EXPECT_EQ(g->fontFamily(), "Helvetica Neue");
    }
    EXPECT_NE(built().first()->groupNumber(), kNoNumber);
}

TEST_F(FormFieldBuilderTest, TheProductsTextBoxHeightSetsTheOptionRows)
{
    DataCentre::mutableProfile().customTextBoxHeight = true;
    DataCentre::mutableProfile().textBoxDefaultHeight = 30;
    view->addCheckboxes_drag(QPointF(100, 100));

    const GraphicList pieces = built();
    ASSERT_EQ(pieces.size(), 9);
    EXPECT_EQ(pieces.at(0)->bounds(), QRectF(100, 100, 300, 30));
    EXPECT_EQ(pieces.at(1)->formType(), "checkbox");
    EXPECT_EQ(pieces.at(1)->textString(), "Checkbox Option 1");
    EXPECT_EQ(pieces.at(1)->bounds(), QRectF(70, 140, 15, 15));
    EXPECT_EQ(pieces.at(3)->bounds(), QRectF(70, 170, 15, 15));
    EXPECT_EQ(pieces.at(4)->bounds(), QRectF(100, 162, 300, 30));
}

TEST_F(FormFieldBuilderTest, EachFieldIsALabelOverItsInputAndTakesTheNextTag)
{
    view->addTextField_drag(QPointF(20, 10));
    view->addEmailTextField_drag(QPointF(20, 100));
    view->addParagraph_drag(QPointF(20, 200));
    view->addSubmitButton_drag(QPointF(20, 400));

    expectPieces(pieces(), {
                               {"Text Field Label", "textLabel", -99, QRectF(20, 10, 300, 40)},
                               {"Text Field Placeholder", "text", -99, QRectF(20, 50, 300, 40)},
                               {"Email Address Text Field Label", "textLabel", -11, QRectF(20, 100, 300, 40)},
                               {"yourname@example.com", "text", -11, QRectF(20, 140, 300, 40)},
                               {"Paragraph Label", "textLabel", -99, QRectF(20, 200, 300, 40)},
                               {"Paragraph Placeholder", "textarea", -99, QRectF(20, 240, 300, 150)},
                               {"Submit", "submit", 0, QRectF(20, 400, 120, 45)},
                           });
    const GraphicList p = built();
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(p.at(i)->formTag(), i / 2 + 1) << i;
    EXPECT_EQ(p.at(0)->groupNumber(), p.at(1)->groupNumber());
    EXPECT_NE(p.at(1)->groupNumber(), p.at(2)->groupNumber());
    EXPECT_EQ(p.at(1)->backgroundHexColorString(), "FFFFFF");
    EXPECT_EQ(p.at(6)->responsiveResizeFlag(), 1);
}

TEST_F(FormFieldBuilderTest, ABotCheckIsACaptionAQuestionAndAnAnswer)
{
    view->addBotCheckerTextField_drag(QPointF(50, 60));

    expectPieces(pieces(), {
                               {"Bot check to make sure you're a human :)", "", -99, QRectF(50, 60, 300, 40)},
                               {"1+2=", "textLabel", -22, QRectF(50, 90, 110, 40)},
                               {"3", "text", -22, QRectF(160, 90, 100, 40)},
                           });
    const GraphicList p = built();
    EXPECT_EQ(p.at(0)->formTag(), 0);
    EXPECT_EQ(p.at(1)->formTag(), 0);
    EXPECT_EQ(p.at(2)->formTag(), 1);
    EXPECT_EQ(p.at(0)->fontSize(), 15);
    EXPECT_EQ(p.at(1)->fontSize(), 25);
    EXPECT_EQ(p.at(1)->fontAlignment(), 2) << "the question stands right-aligned against the answer";
    EXPECT_EQ(p.at(0)->groupNumber(), p.at(2)->groupNumber());
}

TEST_F(FormFieldBuilderTest, FieldsFromTheMenuGoToTheInsertionPoint)
{
    ASSERT_TRUE(QMetaObject::invokeMethod(view.get(), "addTextField"));
    const QPointF origin = view->calculateOriginPoint();
    ASSERT_EQ(document.graphics().size(), 2);
    EXPECT_EQ(built().first()->bounds().topLeft(), QPointF(int(origin.x()), int(origin.y())));
}

TEST_F(FormFieldBuilderTest, TheFormCodesOfTheObjectLibraryBuildTheirFieldsAtTheDropPoint)
{
    const struct {
        const char* code;
        const char* firstText;
        int pieces;
    } cases[] = {{"velk_textfield", "Text Field Label", 2},
                 {"velk_emailtextfield", "Email Address Text Field Label", 2},
                 {"velk_paragraph", "Paragraph Label", 2},
                 {"velk_multiplechoice", "Multiple Choice Label", 9},
                 {"velk_checkboxes", "Checkboxes Label", 9},
                 {"velk_botchecker", "Bot check to make sure you're a human :)", 3},
                 {"velk_submitbutton", "Submit", 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        while (!document.graphics().isEmpty())
            document.removeGraphicsAtIndexes({0});
        ASSERT_TRUE(drop(QString::fromLatin1(c.code), QPointF(40, 60)));
        ASSERT_EQ(document.graphics().size(), c.pieces);
        EXPECT_EQ(built().first()->textString(), QString::fromUtf8(c.firstText));
        EXPECT_EQ(built().first()->bounds().topLeft(), QPointF(40, 60));
    }
}

TEST_F(FormFieldBuilderTest, AnAddedOptionTakesTheNextNumberBelowTheSelectedLabel)
{
    view->addMultipleChoice_drag(QPointF(100, 100));
    const std::shared_ptr<SKTGraphic> last = withText("Multiple Choice Option 4", "textLabel");
    last->setFontFamily(QStringLiteral("Lato"));
    last->setFontSize(18);
    last->setTextHexColorString(QStringLiteral("112233"));
    select({last});
    ASSERT_TRUE(view->enableNewMultipleChoiceOption());
    EXPECT_FALSE(view->enableNewCheckboxChoiceOption());

    view->addNewMultipleChoiceOption();

    const GraphicList p = built();
    ASSERT_EQ(p.size(), 11);
    const SKTGraphic& button = *p.at(9);
    const SKTGraphic& label = *p.at(10);
    EXPECT_EQ(button.formType(), "radio");
    EXPECT_EQ(label.formType(), "textLabel");
    for (const SKTGraphic* piece : {&button, &label}) {
        EXPECT_EQ(piece->formOptionTag(), 5);
        EXPECT_EQ(piece->formTag(), last->formTag());
        EXPECT_EQ(piece->groupNumber(), last->groupNumber());
        EXPECT_EQ(piece->textString(), "New Multiple Choice Option");
    }
    EXPECT_EQ(label.bounds().topLeft(), last->bounds().topLeft() + QPointF(0, 30));
    EXPECT_EQ(button.bounds().topLeft(), last->bounds().topLeft() + QPointF(-30, 38));
    EXPECT_EQ(label.fontFamily(), "Lato");
    EXPECT_EQ(label.fontSize(), 18);
    EXPECT_EQ(label.textHexColorString(), "112233");
}

TEST_F(FormFieldBuilderTest, OptionButtonsFollowTheirLabels)
{
    view->addCheckboxes_drag(QPointF(100, 100));
    const std::shared_ptr<SKTGraphic> label = withText("Checkbox Option 2", "textLabel");
    const std::shared_ptr<SKTGraphic> button = withText("Checkbox Option 2", "checkbox");
    label->setBounds(label->bounds().translated(40, 25));
    // A button whose label is gone stays where it is.
    const std::shared_ptr<SKTGraphic> orphan = withText("Checkbox Option 3", "checkbox");
    const std::shared_ptr<SKTGraphic> orphanLabel = withText("Checkbox Option 3", "textLabel");
    document.removeGraphicsAtIndexes({int(document.graphics().indexOf(orphanLabel))});
    orphan->setBounds(QRectF(5, 5, 15, 15));

    view->reAlignFormOptions();
    EXPECT_EQ(button->bounds(), QRectF(label->bounds().x() - 30, label->bounds().y() + 8, 15, 15));
    EXPECT_EQ(orphan->bounds(), QRectF(5, 5, 15, 15));

    DataCentre::mutableProfile().preventOverlap = true;
    view->reAlignFormOptions();
    EXPECT_EQ(button->bounds(), QRectF(label->bounds().x() - 20, label->bounds().y(), 15, 15));
}

TEST_F(FormFieldBuilderTest, DeletingAnOptionLabelTakesItsButtonAndNotTheOtherWayRound)
{
    view->addMultipleChoice_drag(QPointF(100, 100));
    select({withText("Multiple Choice Option 1", "textLabel")});
    view->delete_();
    EXPECT_FALSE(withText("Multiple Choice Option 1", "radio"));
    EXPECT_EQ(document.graphics().size(), 7);

    select({withText("Multiple Choice Option 2", "radio")});
    view->delete_();
    EXPECT_FALSE(withText("Multiple Choice Option 2", "radio"));
    EXPECT_TRUE(withText("Multiple Choice Option 2", "textLabel"));
}

TEST_F(FormFieldBuilderTest, OneEmailInputCarriesTheReplyToFlag)
{
    view->addEmailTextField_drag(QPointF(10, 10));
    view->addEmailTextField_drag(QPointF(10, 200));
    const GraphicList p = built();
    const std::shared_ptr<SKTGraphic> first = p.at(1);
    const std::shared_ptr<SKTGraphic> second = p.at(3);

    select({p.at(0)});
    EXPECT_FALSE(view->showMarkAsReplyTo()) << "a label is no input";
    select({first});
    ASSERT_TRUE(view->showMarkAsReplyTo());
    view->markAsReplyTo();
    select({second});
    view->markAsReplyTo();
    EXPECT_EQ(first->markAsReplyToEmailFlag(), 0);
    EXPECT_EQ(second->markAsReplyToEmailFlag(), 1);
}

TEST_F(FormFieldBuilderTest, TheContextMenuOffersMandatoryOrOptionalForOneInput)
{
    view->addParagraph_drag(QPointF(10, 10));
    const std::shared_ptr<SKTGraphic> input = built().at(1);
    QMenu* menu = CanvasContextMenu::build(*view, view.get());
    const auto shown = [&](const char* action) {
        CanvasContextMenu::validate(*menu, *view);
        const QAction* item = menu->findChild<QAction*>(QString::fromLatin1(action));
        return item && item->isVisible();
    };
    select({input});
    EXPECT_TRUE(shown("makeFormMandatory"));
    EXPECT_FALSE(shown("makeFormOptional"));
    EXPECT_FALSE(shown("markAsReplyTo"));
    EXPECT_FALSE(shown("addNewMultipleChoiceOption"));

    menu->findChild<QAction*>(QStringLiteral("makeFormMandatory"))->trigger();
    EXPECT_EQ(input->formRequiredFlag(), 1);
    EXPECT_FALSE(shown("makeFormMandatory"));
    EXPECT_TRUE(shown("makeFormOptional"));
    menu->findChild<QAction*>(QStringLiteral("makeFormOptional"))->trigger();
    EXPECT_EQ(input->formRequiredFlag(), 0);

    select({input, built().at(0)});
    EXPECT_FALSE(shown("makeFormMandatory")) << "only for one selected input";
}

TEST_F(FormFieldBuilderTest, PartnerQueriesFindTheGroupLabelAndTheNextOption)
{
    view->addCheckboxes_drag(QPointF(100, 100));
    view->addTextField_drag(QPointF(100, 400));
    const std::shared_ptr<SKTGraphic> option = withText("Checkbox Option 3", "checkbox");
    EXPECT_EQ(view->grabRadioLabel(*option), withText("Checkboxes Label", "textLabel"));
    EXPECT_TRUE(view->IsThisMultipleChoiceLabel(*option));
    EXPECT_EQ(view->findLastOptionTag(option->formTag()), 5);
    const std::shared_ptr<SKTGraphic> textInput = withText("Text Field Placeholder", "text");
    EXPECT_FALSE(view->IsThisMultipleChoiceLabel(*textInput));
    EXPECT_EQ(view->findMatchingOption(*option), withText("Checkbox Option 3", "textLabel"));
}
