#include "canvas/view/SKTGraphicView.h"

#include "canvas/commands/LockableKinds.h"
#include "document/core/GraphicClasses.h"
#include "model/NoNumber.h"
#include "profile/DataCentre.h"

#include <algorithm>
#include <functional>

namespace {

using GraphicTest = bool (*)(const SKTGraphic&);
using GraphicChange = void (*)(SKTGraphic&);

// The distinct group numbers of the selected graphics of groupable kinds, as decimal texts.
QStringList groupNumbersOf(const GraphicList& selection)
{
    QStringList numbers;
    for (const std::shared_ptr<SKTGraphic>& graphic : selection) {
        if (LockableKinds::takesGroupsAndLocks(*graphic) &&
            !SKTGraphicView::existInArray(graphic->groupNumber(), numbers))
            numbers.append(QString::number(graphic->groupNumber()));
    }
    return numbers;
}

// Whether a graphic of the kinds passes the test.
bool anyOf(const GraphicList& graphics, GraphicTest kinds, const std::function<bool(const SKTGraphic&)>& test)
{
    return std::any_of(graphics.cbegin(), graphics.cend(),
                       [&](const std::shared_ptr<SKTGraphic>& g) { return kinds(*g) && test(*g); });
}

void applyToKinds(const GraphicList& graphics, GraphicTest kinds, GraphicChange change)
{
    for (const std::shared_ptr<SKTGraphic>& graphic : graphics) {
        if (kinds(*graphic))
            change(*graphic);
    }
}

} // namespace

// ---- Queries

GraphicList SKTGraphicView::findMatchingGroupObjects(const SKTGraphic& graphic) const
{
    GraphicList members;
    for (const std::shared_ptr<SKTGraphic>& other : graphics()) {
        if (other.get() != &graphic && other->groupNumber() == graphic.groupNumber() &&
            LockableKinds::takesGroupsAndLocks(*other))
            members.append(other);
    }
    return members;
}

GraphicList SKTGraphicView::graphicsWithGroupMembers(const GraphicList& graphics) const
{
    GraphicList members;
    for (const std::shared_ptr<SKTGraphic>& graphic : graphics) {
        if (graphic->groupNumber() == kNoNumber || members.contains(graphic))
            continue;
        for (const std::shared_ptr<SKTGraphic>& member : findMatchingGroupObjects(*graphic)) {
            if (!members.contains(member))
                members.append(member);
        }
    }
    GraphicList all = graphics;
    for (const std::shared_ptr<SKTGraphic>& member : std::as_const(members)) {
        if (!all.contains(member))
            all.append(member);
    }
    return all;
}

bool SKTGraphicView::existInArray(int number, const QStringList& array)
{
    return std::any_of(array.cbegin(), array.cend(),
                       [&](const QString& text) { return text.toInt() == number; });
}

// ---- What the context menu offers

bool SKTGraphicView::groupShown() const
{
    const GraphicList selection = selectedGraphics();
    if (DataCentre::profile().hideGroupCommand || selection.size() < 2)
        return false;
    // One group already holds the whole selection.
    const QStringList numbers = groupNumbersOf(selection);
    return !(numbers.size() == 1 && numbers.first().toInt() != kNoNumber);
}

bool SKTGraphicView::ungroupShown() const
{
    const GraphicList selection = selectedGraphics();
    if (selection.isEmpty())
        return false;
    // Nothing of the selection is grouped.
    const QStringList numbers = groupNumbersOf(selection);
    return !(numbers.size() == 1 && numbers.first().toInt() == kNoNumber);
}

bool SKTGraphicView::lockShown() const
{
    return !DataCentre::profile().hideLockCommands &&
           anyOf(selectedGraphics(), LockableKinds::takesGroupsAndLocks,
                 [](const SKTGraphic& g) { return g.moveLock() == 0; });
}

bool SKTGraphicView::unLockShown() const
{
    return !DataCentre::profile().hideLockCommands &&
           anyOf(selectedGraphics(), LockableKinds::takesGroupsAndLocks,
                 [](const SKTGraphic& g) { return g.moveLock() == 1; });
}

bool SKTGraphicView::scrollShown() const
{
    return !DataCentre::profile().hidePositionSettings &&
           anyOf(selectedGraphics(), LockableKinds::takesScrollLock,
                 [](const SKTGraphic& g) { return g.scrollFlag() == 0; });
}

bool SKTGraphicView::unScrollShown() const
{
    return anyOf(selectedGraphics(), LockableKinds::takesScrollLock,
                 [](const SKTGraphic& g) { return g.scrollFlag() == 1; });
}

bool SKTGraphicView::positionSettingsShown() const
{
    return !DataCentre::profile().hidePositionSettings && !selectedGraphics().isEmpty();
}

bool SKTGraphicView::addBranchShown() const
{
    const GraphicList selection = selectedGraphics();
    return DataCentre::profile().allowAddBranch && !selection.isEmpty() &&
           std::all_of(selection.cbegin(), selection.cend(), [](const std::shared_ptr<SKTGraphic>& g) {
               return GraphicClasses::isKindOfClass(*g, GraphicClasses::text);
           });
}

// ---- Commands

void SKTGraphicView::groupObjects()
{
    const GraphicList selection = selectedGraphics();
    if (selection.isEmpty())
        return;
    const int number = mutableGraphics().findNextGroupNumber();
    for (const std::shared_ptr<SKTGraphic>& graphic : selection) {
        if (LockableKinds::takesGroupsAndLocks(*graphic))
            graphic->setGroupNumber(number);
    }
}

void SKTGraphicView::unGroupObjects()
{
    // Members that are not selected keep their number, and so stay grouped with each other.
    applyToKinds(selectedGraphics(), LockableKinds::takesGroupsAndLocks,
                 [](SKTGraphic& g) { g.setGroupNumber(kNoNumber); });
}

void SKTGraphicView::lockObjects()
{
    applyToKinds(graphicsWithGroupMembers(selectedGraphics()), LockableKinds::takesGroupsAndLocks,
                 [](SKTGraphic& g) { g.setMoveLock(1); });
}

void SKTGraphicView::unLockObjects()
{
    applyToKinds(graphicsWithGroupMembers(selectedGraphics()), LockableKinds::takesGroupsAndLocks,
                 [](SKTGraphic& g) { g.setMoveLock(0); });
}

void SKTGraphicView::scrollLockObjects()
{
    applyToKinds(graphicsWithGroupMembers(selectedGraphics()), LockableKinds::takesScrollLock,
                 [](SKTGraphic& g) { g.setScrollFlag(1); });
}

void SKTGraphicView::unScrollLockObjects()
{
    applyToKinds(graphicsWithGroupMembers(selectedGraphics()), LockableKinds::takesScrollLock,
                 [](SKTGraphic& g) { g.setScrollFlag(0); });
}

void SKTGraphicView::positionSettingActions() {}
