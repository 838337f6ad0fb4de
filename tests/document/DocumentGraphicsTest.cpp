#include "DocumentTestSupport.h"

#include <functional>
#include <stdexcept>

namespace {

QString text(const IndexSet& indexes)
{
    QStringList numbers;
    for (int index : indexes)
        numbers << QString::number(index);
    return numbers.join(u',');
}

// Every change of the document's list as one line, in the order the signals came.
class ListChanges {
public:
    explicit ListChanges(SKTDocument& document)
    {
        QObject::connect(&document, &SKTDocument::graphicsInserted, [this](const IndexSet& indexes) {
            lines << QStringLiteral("inserted ") + text(indexes);
        });
        QObject::connect(&document, &SKTDocument::graphicsRemoved,
                         [this](const IndexSet& indexes, const GraphicList& graphics) {
                             lines << QStringLiteral("removed ") + text(indexes) + QStringLiteral(" of ") +
                                          QString::number(graphics.size());
                         });
        QObject::connect(
            &document, &SKTDocument::graphicsMoved, [this](const IndexSet& from, const IndexSet& to) {
                lines << QStringLiteral("moved ") + text(from) + QStringLiteral(" to ") + text(to);
            });
    }
    QStringList lines;
};

class DocumentGraphicsTest : public DocumentTest {
protected:
    // Four graphics a, b, c, d at indexes 0 to 3, in an undo group already closed.
    void SetUp() override
    {
        DocumentTest::SetUp();
        for (int i = 0; i < 4; ++i)
            graphics << graphicAt(QRectF(i * 20, 0, 10, 10));
        document.insertGraphics(graphics, {0, 1, 2, 3});
        document.undoManager().checkpoint();
    }
    GraphicList inOrder(std::initializer_list<int> positions) const
    {
        GraphicList list;
        for (int position : positions)
            list << graphics.at(position);
        return list;
    }

    SKTDocument document;
    GraphicList graphics;
};

TEST_F(DocumentGraphicsTest, EveryListOperationAndItsUndoAndRedoAreAnnouncedWithIndexes)
{
    const struct {
        const char* name;
        std::function<void(SKTDocument&)> change;
        QStringList done, undone;
    } cases[] = {
        {"insert",
         [](SKTDocument& d) {
             d.insertGraphics({graphicAt(QRectF()), graphicAt(QRectF())}, {1, 5});
         },
         {"inserted 1,5"},
         {"removed 1,5 of 2"}},
        {"remove",
         [](SKTDocument& d) {
             d.removeGraphicsAtIndexes({0, 2});
         },
         {"removed 0,2 of 2"},
         {"inserted 0,2"}},
        {"move",
         [](SKTDocument& d) {
             d.moveGraphicsAtIndexes({2, 3}, {0, 1});
         },
         {"moved 2,3 to 0,1"},
         {"moved 0,1 to 2,3"}},
    };
    for (const auto& c : cases) {
        SKTDocument doc;
        doc.insertGraphics(graphics, {0, 1, 2, 3});
        doc.undoManager().checkpoint();
        ListChanges changes(doc);
        c.change(doc);
        EXPECT_EQ(changes.lines, c.done) << c.name;
        changes.lines.clear();
        doc.undoManager().undo();
        EXPECT_EQ(changes.lines, c.undone) << c.name;
        EXPECT_EQ(doc.graphics(), graphics) << c.name;
        changes.lines.clear();
        doc.undoManager().redo();
        EXPECT_EQ(changes.lines, c.done) << c.name;
    }
}

TEST_F(DocumentGraphicsTest, MovingPutsTheGraphicsAtTheNewIndexesInTheirOrder)
{
    const struct {
        const char* name;
        IndexSet from, to;
        GraphicList expected;
    } cases[] = {
        {"to the front", {2, 3}, {0, 1}, inOrder({2, 3, 0, 1})},
        {"to the back", {0, 2}, {2, 3}, inOrder({1, 3, 0, 2})},
        {"one step back", {1}, {2}, inOrder({0, 2, 1, 3})},
        {"spread out", {0, 1}, {1, 3}, inOrder({2, 0, 3, 1})},
    };
    for (const auto& c : cases) {
        SKTDocument doc;
        doc.insertGraphics(graphics, {0, 1, 2, 3});
        doc.undoManager().checkpoint();
        doc.moveGraphicsAtIndexes(c.from, c.to);
        EXPECT_EQ(doc.graphics(), c.expected) << c.name;
        EXPECT_EQ(doc.undoManager().stack()->count(), 2) << c.name;
        doc.undoManager().undo();
        EXPECT_EQ(doc.graphics(), graphics) << c.name;
    }
}

TEST_F(DocumentGraphicsTest, AMoveThatChangesNothingIsNeitherAnnouncedNorRecorded)
{
    ListChanges changes(document);
    document.moveGraphicsAtIndexes({1, 2}, {1, 2});
    document.moveGraphicsAtIndexes({}, {});
    EXPECT_TRUE(changes.lines.isEmpty());
    EXPECT_EQ(document.undoManager().stack()->count(), 1);
}

TEST_F(DocumentGraphicsTest, BadMovesChangeNothing)
{
    ListChanges changes(document);
    EXPECT_THROW(document.moveGraphicsAtIndexes({0, 1}, {0}), std::out_of_range);
    EXPECT_THROW(document.moveGraphicsAtIndexes({4}, {0}), std::out_of_range);
    EXPECT_THROW(document.moveGraphicsAtIndexes({0}, {4}), std::out_of_range);
    EXPECT_THROW(document.moveGraphicsAtIndexes({-1}, {0}), std::out_of_range);
    EXPECT_EQ(document.graphics(), graphics);
    EXPECT_TRUE(changes.lines.isEmpty());
    EXPECT_EQ(document.undoManager().stack()->count(), 1);
}

TEST_F(DocumentGraphicsTest, AMovedGraphicStaysObservedAndItsChangesJoinTheMovesStep)
{
    document.moveGraphicsAtIndexes({3}, {0});
    graphics.at(3)->setFillColor(Qt::red);
    document.undoManager().checkpoint();
    EXPECT_EQ(document.undoManager().stack()->count(), 2);
    document.undoManager().undo();
    EXPECT_EQ(document.graphics(), graphics);
    EXPECT_EQ(graphics.at(3)->fillColor(), QColor(Qt::transparent));
}

// Two pages open at once: each graphic asks the document that holds it, and no longer once it is removed.
TEST_F(DocumentGraphicsTest, EachGraphicAsksItsOwnDocumentWhileItHoldsIt)
{
    SKTDocument other;
    document.setPageName(QStringLiteral("home"));
    other.setPageName(QStringLiteral("about"));
    auto elsewhere = graphicAt(QRectF(0, 0, 10, 10));
    other.insertGraphics({elsewhere}, {0});
    EXPECT_EQ(graphics.at(0)->graphicContext(), &document);
    EXPECT_EQ(elsewhere->graphicContext(), &other);
    document.setHandleScale(2);
    other.setHandleScale(0.5f);
    EXPECT_EQ(graphics.at(0)->handleScale(), 2.0f);
    EXPECT_EQ(elsewhere->handleScale(), 0.5f);

    document.removeGraphicsAtIndexes({0});
    EXPECT_EQ(graphics.at(0)->graphicContext(), nullptr);
    document.undoManager().undo();
    EXPECT_EQ(graphics.at(0)->graphicContext(), &document) << "undoing the removal gives it back";
}

TEST_F(DocumentGraphicsTest, ABaseTemplateObjectIsSelectableOnlyOnTheBaseTemplatePage)
{
    const struct {
        const char* pageName;
        const char* templateName;
        bool selectable;
    } cases[] = {
        {"about", "basetemplate", false}, {"basetemplate", "basetemplate", true}, {"about", "about", true}};
    for (const auto& c : cases) {
        SKTDocument page;
        page.setPageName(QString::fromLatin1(c.pageName));
        auto graphic = graphicAt(QRectF(0, 0, 10, 10));
        graphic->setTemplateName(QString::fromLatin1(c.templateName));
        graphic->setSelectable(true);
        page.insertGraphics({graphic}, {0});
        EXPECT_EQ(graphic->selectable(), c.selectable) << c.pageName << " " << c.templateName;
    }
}

} // namespace
