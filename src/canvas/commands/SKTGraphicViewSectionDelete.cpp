#include "canvas/view/SKTGraphicView.h"

#include "platform/Alert.h"

namespace {

const char* const kDeleteMessage = "Delete";
const char* const kDeleteInformative =
    "Deleting sections will also delete all objects contained within the section.";
const char* const kDeleteAll = "Delete All";
const char* const kSkipSections = "Skip Sections";

} // namespace

void SKTGraphicView::checkForSelectedSections()
{
    // The question is asked for the sections selected when the delete began, in selection order.
    const GraphicList selected = selectedGraphics();
    for (const std::shared_ptr<SKTGraphic>& graphic : selected) {
        if (graphic->gridType() != QLatin1String("section"))
            continue;
        const GraphicList members = findObjectsInSection(*graphic);
        if (members.isEmpty())
            continue;
        Alert alert(tr(kDeleteMessage), tr(kDeleteInformative), {tr(kDeleteAll), tr(kSkipSections)});
        alert.style = Alert::Warning;
        const GraphicList page = graphics();
        IndexSet selection = selectionIndexes();
        if (alert.runModal(window()) == Alert::FirstButton) {
            for (const std::shared_ptr<SKTGraphic>& member : members)
                selection.insert(int(page.indexOf(member)));
        } else {
            selection.erase(int(page.indexOf(graphic)));
        }
        changeSelectionIndexes(selection);
    }
}

void SKTGraphicView::manuallySelectObject(int objectIndex)
{
    if (objectIndex < 0 || objectIndex >= graphics().size())
        return;
    IndexSet selection = selectionIndexes();
    if (selection.insert(objectIndex).second)
        changeSelectionIndexes(selection);
}
