#include "document/core/GraphicClasses.h"
#include "document/core/SKTDocument.h"

#include <stdexcept>

namespace {

// The collections that can be changed by index, with the error of a member that is not in the list.
struct ChangeableCollection {
    const QString& className;
    const char* missingMemberError;
};

const ChangeableCollection kRectangles{GraphicClasses::rectangle,
                                       "Could not find the given rectangle in the graphics."};
const ChangeableCollection kCircles{GraphicClasses::circle,
                                    "Could not find the given circle in the graphics."};
const ChangeableCollection kLines{GraphicClasses::line, "Could not find the given line in the graphics."};
const ChangeableCollection kTextAreas{GraphicClasses::text,
                                      "Could not find the given text area in the graphics."};
const ChangeableCollection kImages{GraphicClasses::image, "Could not find the given image in the graphics."};

void checkMemberIndex(int index, qsizetype count)
{
    if (index < 0 || index >= count)
        throw std::out_of_range("index beyond the members of the collection");
}

// The member's position in the whole list.
int positionInGraphics(const GraphicList& graphics, const std::shared_ptr<SKTGraphic>& member,
                       const ChangeableCollection& collection)
{
    const qsizetype position = graphics.indexOf(member);
    if (position < 0)
        throw std::out_of_range(collection.missingMemberError);
    return int(position);
}

} // namespace

GraphicList SKTDocument::graphicsWithClass(const QString& className) const
{
    GraphicList members;
    for (const std::shared_ptr<SKTGraphic>& graphic : m_graphics) {
        if (graphic && GraphicClasses::isKindOfClass(*graphic, className))
            members.append(graphic);
    }
    return members;
}

GraphicList SKTDocument::rectangles() const
{
    return graphicsWithClass(GraphicClasses::rectangle);
}

GraphicList SKTDocument::circles() const
{
    return graphicsWithClass(GraphicClasses::circle);
}

GraphicList SKTDocument::lines() const
{
    return graphicsWithClass(GraphicClasses::line);
}

GraphicList SKTDocument::textAreas() const
{
    return graphicsWithClass(GraphicClasses::text);
}

GraphicList SKTDocument::images() const
{
    return graphicsWithClass(GraphicClasses::image);
}

GraphicList SKTDocument::slideshows() const
{
    return graphicsWithClass(GraphicClasses::slideshow);
}

GraphicList SKTDocument::galleries() const
{
    return graphicsWithClass(GraphicClasses::gallery);
}

GraphicList SKTDocument::tables() const
{
    return graphicsWithClass(GraphicClasses::table);
}

void SKTDocument::insertGraphic(const std::shared_ptr<SKTGraphic>& graphic, int index)
{
    insertGraphics({graphic}, {index});
}

void SKTDocument::removeGraphicAtIndex(int index)
{
    removeGraphicsAtIndexes({index});
}

void SKTDocument::addInGraphics(const std::shared_ptr<SKTGraphic>& graphic)
{
    insertGraphic(graphic, int(m_graphics.size()));
}

namespace {

void insertIntoCollection(SKTDocument& document, const ChangeableCollection& collection,
                          const std::shared_ptr<SKTGraphic>& graphic, int index)
{
    const GraphicList members = document.graphicsWithClass(collection.className);
    if (index == members.size()) {
        document.addInGraphics(graphic);
        return;
    }
    checkMemberIndex(index, members.size());
    document.insertGraphic(graphic, positionInGraphics(document.graphics(), members.at(index), collection));
}

void removeFromCollection(SKTDocument& document, const ChangeableCollection& collection, int index)
{
    const GraphicList members = document.graphicsWithClass(collection.className);
    checkMemberIndex(index, members.size());
    document.removeGraphicAtIndex(positionInGraphics(document.graphics(), members.at(index), collection));
}

} // namespace

void SKTDocument::insertObjectInRectanglesAtIndex(const std::shared_ptr<SKTGraphic>& graphic, int index)
{
    insertIntoCollection(*this, kRectangles, graphic, index);
}

void SKTDocument::insertObjectInCirclesAtIndex(const std::shared_ptr<SKTGraphic>& graphic, int index)
{
    insertIntoCollection(*this, kCircles, graphic, index);
}

void SKTDocument::insertObjectInLinesAtIndex(const std::shared_ptr<SKTGraphic>& graphic, int index)
{
    insertIntoCollection(*this, kLines, graphic, index);
}

void SKTDocument::insertObjectInTextAreasAtIndex(const std::shared_ptr<SKTGraphic>& graphic, int index)
{
    insertIntoCollection(*this, kTextAreas, graphic, index);
}

void SKTDocument::insertObjectInImagesAtIndex(const std::shared_ptr<SKTGraphic>& graphic, int index)
{
    insertIntoCollection(*this, kImages, graphic, index);
}

void SKTDocument::removeObjectFromRectanglesAtIndex(int index)
{
    removeFromCollection(*this, kRectangles, index);
}

void SKTDocument::removeObjectFromCirclesAtIndex(int index)
{
    removeFromCollection(*this, kCircles, index);
}

void SKTDocument::removeObjectFromLinesAtIndex(int index)
{
    removeFromCollection(*this, kLines, index);
}

void SKTDocument::removeObjectFromTextAreasAtIndex(int index)
{
    removeFromCollection(*this, kTextAreas, index);
}

void SKTDocument::removeObjectFromImagesAtIndex(int index)
{
    removeFromCollection(*this, kImages, index);
}
