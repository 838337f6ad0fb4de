#include "document/core/PageCanvasState.h"

#include "profile/DataCentre.h"

PageCanvasState PageCanvasState::ofLaunchProfile()
{
    const ProductProfile& profile = DataCentre::profile();
    PageCanvasState state;
    static_cast<PrintCanvas&>(state) = DataCentre::printCanvasOf(profile);
    state.selectedPrintSheet = profile.selectedPrintSheet;
    return state;
}

std::shared_ptr<const LabelHelper> PageCanvasState::grabLabelHelper(const QString& description)
{
    std::shared_ptr<const LabelHelper> sheet = DataCentre::grabLabelHelper(description);
    if (sheet)
        selectedPrintSheet = description;
    return sheet;
}

void PageCanvasState::resetPrintCanvas(const std::shared_ptr<const LabelHelper>& sheet)
{
    if (!sheet)
        return;
    static_cast<PrintCanvas&>(*this) =
        DataCentre::printCanvasOfSheet(*sheet, canvasRotation, DataCentre::profile().printPointsPerInch);
}
