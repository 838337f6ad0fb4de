#include "DocumentTestSupport.h"

#include "model/GraphicKinds.h"
#include "support/LogCapture.h"

#include <QCoreApplication>

#include <stdexcept>

namespace {

// A graphic whose undoable keys can drop "bounds", and which adds "opacity" without giving it a readable
// name, as a faulty kind might.
class ShiftingKeysGraphic : public SKTGraphic {
public:
    QSet<QString> keysForValuesToObserveForUndo() const override
    {
        QSet<QString> keys = SKTGraphic::keysForValuesToObserveForUndo();
        if (!m_boundsUndoable)
            keys.remove(QStringLiteral("bounds"));
        if (m_opacityUndoable)
            keys.insert(QStringLiteral("opacity"));
        return keys;
    }
    void setBoundsUndoable(bool undoable)
    {
        m_boundsUndoable = undoable;
        didChangeValueForKey(kUndoKeysKey);
    }
    void setOpacityUndoable(bool undoable)
    {
        m_opacityUndoable = undoable;
        didChangeValueForKey(kUndoKeysKey);
    }

private:
    bool m_boundsUndoable = true;
    bool m_opacityUndoable = false;
};

class DocumentUndoTest : public DocumentTest {
protected:
    // Two graphics inserted in a group of their own, already closed.
    void insertTwo()
    {
        first = graphicAt(QRectF(0, 0, 10, 10));
        second = graphicAt(QRectF(20, 0, 10, 10));
        document.insertGraphics({first, second}, {0, 1});
        undo().checkpoint();
    }
    DocumentUndoManager& undo() { return document.undoManager(); }

    SKTDocument document;
    std::shared_ptr<SKTGraphic> first;
    std::shared_ptr<SKTGraphic> second;
};

TEST_F(DocumentUndoTest, NewDocumentStartsEmptyWhiteAndAtTheProfileCanvasSize)
{
    DataCentre::mutableProfile().canvasWidth = 960;
    DataCentre::mutableProfile().canvasHeight = 700;
    SKTDocument fresh;
    EXPECT_TRUE(fresh.graphics().isEmpty());
    EXPECT_EQ(fresh.pageColor(), QColor(Qt::white));
    EXPECT_EQ(fresh.canvasSize(), QSizeF(960, 700));
    EXPECT_FALSE(fresh.undoManager().canUndo());
    EXPECT_FALSE(fresh.isDocumentEdited());

    fresh.setDocSpecificPageWidth(400);
    fresh.setDocSpecificPageHeight(300);
    for (const int flag : {0, 2, -1}) {
        fresh.setDocSpecificFixedCanvasFlag(flag);
        EXPECT_EQ(fresh.canvasSize(), QSizeF(960, 700)) << flag;
    }
    fresh.setDocSpecificFixedCanvasFlag(1);
    EXPECT_EQ(fresh.canvasSize(), QSizeF(400, 300));
}

TEST_F(DocumentUndoTest, FormItemNamesAddedToANewDocumentAreKept)
{
    EXPECT_EQ(document.formItemArray().size(), 0);
    document.formItemArray().append(QStringLiteral("textField1"));
    document.formItemArray().append(QStringLiteral("textField2"));
    EXPECT_EQ(document.formItemArray(), QStringList({"textField1", "textField2"}));
}

TEST_F(DocumentUndoTest, InsertionIsUndoneAndRedoneWithTheSameGraphicsAtTheSameIndexes)
{
    auto back = graphicAt(QRectF(5, 5, 5, 5));
    document.insertGraphics({back}, {0});
    undo().checkpoint();
    insertTwo();
    EXPECT_EQ(document.graphics(), GraphicList({first, second, back}));
    EXPECT_TRUE(document.isDocumentEdited());
    // The list operations leave naming to their callers.
    EXPECT_EQ(undo().undoActionName(), QString());

    undo().undo();
    EXPECT_EQ(document.graphics(), GraphicList({back}));
    undo().redo();
    EXPECT_EQ(document.graphics(), GraphicList({first, second, back}));
    undo().undo();
    undo().undo();
    EXPECT_TRUE(document.graphics().isEmpty());
    EXPECT_FALSE(undo().canUndo());
}

TEST_F(DocumentUndoTest, RemovalUndoneReinsertsTheSameGraphicWhichIsObservedAgain)
{
    insertTwo();
    document.removeGraphicsAtIndexes({0});
    undo().setActionName(QStringLiteral("Delete"));
    EXPECT_EQ(document.graphics(), GraphicList({second}));
    EXPECT_EQ(undo().undoActionName(), QStringLiteral("Delete"));

    // A removed graphic is no longer watched.
    first->setStrokeWidth(9);
    undo().checkpoint();
    EXPECT_EQ(undo().undoActionName(), QStringLiteral("Delete"));

    undo().undo();
    EXPECT_EQ(document.graphics(), GraphicList({first, second}));
    EXPECT_EQ(undo().redoActionName(), QStringLiteral("Delete"));
    first->setStrokeWidth(3);
    undo().checkpoint();
    EXPECT_EQ(undo().undoActionName(), QStringLiteral("Change of Stroke Width"));
    undo().undo();
    EXPECT_EQ(first->strokeWidth(), 9);
}

TEST_F(DocumentUndoTest, PropertyChangesOfGraphicsInsertedInTheSameGroupAreNotRecorded)
{
    first = graphicAt(QRectF(0, 0, 10, 10));
    second = graphicAt(QRectF(20, 0, 10, 10));
    document.insertGraphics({first, second}, {0, 1});
    first->setFillColor(Qt::red);
    undo().checkpoint();
    EXPECT_EQ(undo().stack()->count(), 1);
    EXPECT_EQ(undo().undoActionName(), QString());
    undo().undo();
    EXPECT_TRUE(document.graphics().isEmpty());
    EXPECT_EQ(first->fillColor(), QColor(Qt::red));
}

TEST_F(DocumentUndoTest, OneGroupRestoresTheValueFromBeforeItsFirstChange)
{
    insertTwo();
    first->setStrokeWidth(2);
    first->setStrokeWidth(3);
    first->setStrokeWidth(4);
    undo().checkpoint();
    EXPECT_EQ(undo().stack()->count(), 2);
    EXPECT_EQ(undo().undoActionName(), QStringLiteral("Change of Stroke Width"));
    undo().undo();
    EXPECT_EQ(first->strokeWidth(), 1.0);
    EXPECT_EQ(document.graphics().size(), 2);
}

TEST_F(DocumentUndoTest, ActionNamesFollowTheReadableNamesOfTheChangedKeys)
{
    const struct {
        const char* name;
        std::function<void(SKTGraphic&, SKTGraphic&)> changes;
        const char* actionName;
    } cases[] = {
        {"fill colour", [](SKTGraphic& a, SKTGraphic&) { a.setFillColor(Qt::blue); }, "Change of Fill Color"},
        {"one key of two graphics",
         [](SKTGraphic& a, SKTGraphic& b) {
             a.setBounds(QRectF(1, 1, 10, 10));
             b.setBounds(QRectF(2, 2, 10, 10));
         },
         "Change of Bounds"},
        {"two keys",
         [](SKTGraphic& a, SKTGraphic&) {
             a.setFillColor(Qt::blue);
             a.setDrawingFill(true);
         },
         "Change of Multiple Graphic Properties"},
        {"a third key keeps the multiple name",
         [](SKTGraphic& a, SKTGraphic& b) {
             a.setFillColor(Qt::blue);
             a.setDrawingFill(true);
             b.setFillColor(Qt::green);
             b.setStrokeColor(Qt::yellow);
         },
         "Change of Multiple Graphic Properties"},
    };
    for (const auto& c : cases) {
        SKTDocument doc;
        auto a = graphicAt(QRectF(0, 0, 10, 10));
        auto b = graphicAt(QRectF(0, 0, 10, 10));
        doc.insertGraphics({a, b}, {0, 1});
        doc.undoManager().checkpoint();
        c.changes(*a, *b);
        doc.undoManager().checkpoint();
        EXPECT_EQ(doc.undoManager().undoActionName(), QString::fromLatin1(c.actionName)) << c.name;
        doc.undoManager().undo();
        EXPECT_EQ(a->fillColor(), QColor(Qt::transparent)) << c.name;
        EXPECT_EQ(a->bounds(), QRectF(0, 0, 10, 10)) << c.name;
        EXPECT_EQ(b->bounds(), QRectF(0, 0, 10, 10)) << c.name;
        EXPECT_FALSE(a->isDrawingFill()) << c.name;
        EXPECT_EQ(b->fillColor(), QColor(Qt::transparent)) << c.name;
    }
}

TEST_F(DocumentUndoTest, SettingAPropertyToItsCurrentValueRecordsNothing)
{
    insertTwo();
    first->setStrokeWidth(first->strokeWidth());
    first->setBounds(first->bounds());
    undo().checkpoint();
    EXPECT_EQ(undo().stack()->count(), 1);
}

TEST_F(DocumentUndoTest, NoKindRecordsASetOfAnUndoableKeyToTheValueItHolds)
{
    for (const QString& kind : GraphicKinds::names()) {
        const auto graphic = GraphicKinds::make(kind);
        document.insertGraphics({graphic}, {0});
        undo().checkpoint();
        const int steps = undo().stack()->count();
        for (const QString& key : graphic->keysForValuesToObserveForUndo())
            graphic->setValueForKey(key, graphic->valueForKey(key));
        undo().checkpoint();
        EXPECT_EQ(undo().stack()->count(), steps) << qPrintable(kind);
    }
}

TEST_F(DocumentUndoTest, UndoAndRedoOfAPropertyChangeRestoreBothValuesAndKeepTheName)
{
    insertTwo();
    second->setBounds(QRectF(40, 50, 60, 70));
    undo().undo();
    EXPECT_EQ(second->bounds(), QRectF(20, 0, 10, 10));
    undo().redo();
    EXPECT_EQ(second->bounds(), QRectF(40, 50, 60, 70));
    EXPECT_EQ(undo().undoActionName(), QStringLiteral("Change of Bounds"));
    EXPECT_EQ(undo().stack()->count(), 2);
    undo().undo();
    EXPECT_EQ(second->bounds(), QRectF(20, 0, 10, 10));
}

TEST_F(DocumentUndoTest, InsertionsWhileRegistrationIsOffAreNotUndoableButLaterChangesAre)
{
    undo().disableUndoRegistration();
    undo().disableUndoRegistration();
    first = graphicAt(QRectF(0, 0, 10, 10));
    document.insertGraphics({first}, {0});
    undo().enableUndoRegistration();
    document.insertGraphics({graphicAt(QRectF())}, {1});
    first->setFillColor(Qt::red);
    undo().enableUndoRegistration();
    EXPECT_TRUE(undo().isUndoRegistrationEnabled());
    EXPECT_FALSE(undo().canUndo());
    EXPECT_FALSE(document.isDocumentEdited());

    // In the same group, a graphic loaded with registration off is an ordinary graphic.
    first->setFillColor(Qt::blue);
    undo().checkpoint();
    EXPECT_EQ(undo().undoActionName(), QStringLiteral("Change of Fill Color"));
    undo().undo();
    EXPECT_EQ(first->fillColor(), QColor(Qt::red));
    EXPECT_EQ(document.graphics().size(), 2);
}

TEST_F(DocumentUndoTest, TheEventLoopClosesTheGroup)
{
    document.insertGraphics({graphicAt(QRectF())}, {0});
    document.insertGraphics({graphicAt(QRectF())}, {1});
    QCoreApplication::processEvents();
    document.insertGraphics({graphicAt(QRectF())}, {2});
    QCoreApplication::processEvents();
    EXPECT_EQ(undo().stack()->count(), 2);
    undo().undo();
    EXPECT_EQ(document.graphics().size(), 2);
}

TEST_F(DocumentUndoTest, ADragOverTwentyMouseMovesIsOneStepNamedMove)
{
    insertTwo();
    first->setSelectable(true);
    undo().checkpoint();
    undo().beginUndoGrouping();
    for (int move = 0; move < 20; ++move) {
        SKTGraphic::translateGraphics({first}, 2, 1);
        // Each mouse move is an event of its own.
        QCoreApplication::processEvents();
    }
    undo().setActionName(QStringLiteral("Move"));
    undo().endUndoGrouping();
    QCoreApplication::processEvents();

    EXPECT_EQ(first->bounds(), QRectF(40, 20, 10, 10));
    EXPECT_EQ(undo().stack()->count(), 2);
    EXPECT_EQ(undo().undoActionName(), QStringLiteral("Move"));
    undo().undo();
    EXPECT_EQ(first->bounds(), QRectF(0, 0, 10, 10));
    EXPECT_EQ(undo().stack()->count(), 2);
    undo().redo();
    EXPECT_EQ(first->bounds(), QRectF(40, 20, 10, 10));
}

TEST_F(DocumentUndoTest, AGroupingIsAStepOfItsOwnAndNestedGroupingsJoinIt)
{
    insertTwo();
    first->setStrokeWidth(2);
    undo().beginUndoGrouping();
    second->setStrokeWidth(3);
    undo().beginUndoGrouping();
    QCoreApplication::processEvents();
    second->setFillColor(Qt::red);
    undo().endUndoGrouping();
    QCoreApplication::processEvents();
    second->setStrokeWidth(4);
    undo().endUndoGrouping();
    first->setStrokeWidth(5);
    QCoreApplication::processEvents();

    EXPECT_EQ(undo().stack()->count(), 4);
    undo().undo();
    EXPECT_EQ(first->strokeWidth(), 2);
    undo().undo();
    EXPECT_EQ(second->strokeWidth(), 1);
    EXPECT_EQ(second->fillColor(), QColor(Qt::transparent));
    EXPECT_EQ(first->strokeWidth(), 2);
    undo().undo();
    EXPECT_EQ(first->strokeWidth(), 1);
}

TEST_F(DocumentUndoTest, UndoThroughTheStackClosesTheOpenGroup)
{
    insertTwo();
    first->setStrokeWidth(5);
    undo().stack()->undo();
    EXPECT_EQ(first->strokeWidth(), 1.0);
    // This change starts a group of its own instead of joining the undone one.
    second->setStrokeWidth(6);
    undo().checkpoint();
    EXPECT_EQ(undo().stack()->count(), 2);
    undo().undo();
    EXPECT_EQ(second->strokeWidth(), 1.0);
    EXPECT_EQ(first->strokeWidth(), 1.0);
}

TEST_F(DocumentUndoTest, BadIndexSetsChangeNothing)
{
    insertTwo();
    const auto extra = graphicAt(QRectF());
    EXPECT_THROW(document.insertGraphics({extra}, {3}), std::out_of_range);
    EXPECT_THROW(document.insertGraphics({extra, extra}, {1}), std::out_of_range);
    EXPECT_THROW(document.insertGraphics({extra}, {-1}), std::out_of_range);
    EXPECT_THROW(document.removeGraphicsAtIndexes({0, 2}), std::out_of_range);
    EXPECT_EQ(document.graphics(), GraphicList({first, second}));
    EXPECT_EQ(undo().stack()->count(), 1);

    // The end of the list is a valid place to insert.
    document.insertGraphics({extra}, {2});
    EXPECT_EQ(document.graphics().last(), extra);
}

TEST_F(DocumentUndoTest, ChangesOfAGraphicsSetOfUndoableKeysAreFollowed)
{
    auto shifting = std::make_shared<ShiftingKeysGraphic>();
    document.insertGraphics({shifting}, {0});
    undo().checkpoint();

    shifting->setBoundsUndoable(false);
    shifting->setBounds(QRectF(1, 2, 3, 4));
    undo().checkpoint();
    EXPECT_EQ(undo().stack()->count(), 1);

    shifting->setBoundsUndoable(true);
    shifting->setBounds(QRectF(5, 6, 7, 8));
    undo().undo();
    EXPECT_EQ(shifting->bounds(), QRectF(1, 2, 3, 4));
}

TEST_F(DocumentUndoTest, AnUndoableKeyWithoutAReadableNameIsReportedAndNamesTheStepItself)
{
    auto shifting = std::make_shared<ShiftingKeysGraphic>();
    document.insertGraphics({shifting}, {0});
    undo().checkpoint();
    shifting->setOpacityUndoable(true);
    LogCapture log;
    EXPECT_NO_THROW(shifting->setOpacity(0.5));
    EXPECT_EQ(log.linesContaining(QStringLiteral("keysForValuesToObserveForUndo")),
              QStringList{QStringLiteral(
                  "[[SKTGraphic class] keysForValuesToObserveForUndo] returns a set that includes "
                  "@\"opacity\", but [[SKTGraphic class] presentablePropertyNameForKey:@\"opacity\"] "
                  "returns nil.")});
    undo().checkpoint();
    EXPECT_EQ(undo().undoActionName(), QStringLiteral("Change of opacity"));
    undo().undo();
    EXPECT_EQ(shifting->opacity(), 1.0);
}

TEST_F(DocumentUndoTest, OpeningDropsEveryAction)
{
    insertTwo();
    first->setStrokeWidth(4);
    undo().removeAllActions();
    EXPECT_FALSE(undo().canUndo());
    EXPECT_FALSE(document.isDocumentEdited());
    // The dropped group is closed: the next change is a group of its own.
    first->setStrokeWidth(5);
    undo().undo();
    EXPECT_EQ(first->strokeWidth(), 4);
}

TEST_F(DocumentUndoTest, GraphicsAskTheDocumentForItsPageAndPath)
{
    document.setPageName(QStringLiteral("contact"));
    document.setPagePath(QStringLiteral("/work/site/contact.html"));
    EXPECT_EQ(document.getDocumentPageName(), QStringLiteral("contact"));
    EXPECT_EQ(document.grabCurrentDocPath(), QStringLiteral("/work/site/contact"));
    EXPECT_TRUE(document.grabNextImageName().isNull());
    EXPECT_EQ(document.grabLastTouchPoint(), QPointF());
}

} // namespace
