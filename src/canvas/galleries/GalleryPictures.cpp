#include "canvas/view/SKTGraphicView.h"

#include "canvas/galleries/PictureRecord.h"
#include "model/NoNumber.h"
#include "model/SKTGalleryGrid.h"
#include "model/SKTTable.h"
#include "model/records/TransformView.h"

#include <cmath>

// Picture files put into consecutive cells of a gallery grid or a table, from the cell the user clicked.

namespace {

// What a gallery picture carries in place of a slideshow number.
constexpr int kGallerySlideShowNumber = -66;

struct Spot {
    int row;
    int column;
};

Spot nextSpot(const SKTGalleryGrid& gallery, const Spot& spot)
{
    const SKTGalleryGrid::CellSpot next = gallery.grabNextSpot(spot.row, spot.column);
    return {next.row, next.column};
}

Spot nextSpot(const SKTTable& table, const Spot& spot)
{
    const QPoint next = table.grabNextSpot(spot.row, spot.column);
    return {next.x(), next.y()};
}

// The files fill the cells of the grid from the one under the point (the first cell when none is under
// it) in reading order; files beyond the last cell are left out. `mark` gives each record its membership.
template <class Grid, class Mark>
void addPicturesIntoCells(SKTGraphicView& view, Grid& grid, QStringList paths, const QPointF& point,
                          Mark mark)
{
    const int x = int(std::trunc(point.x()));
    const int y = int(std::trunc(point.y()));
    Spot spot{grid.grabRowSpot(x, y), grid.grabColumnSpot(x, y)};
    int room = grid.grabMaxNumToAdd(QPointF(x, y));
    if (spot.row == kNoNumber || spot.column == kNoNumber) {
        spot = {0, 0};
        room = grid.numOfRows() * grid.numOfColumns();
    }
    while (paths.size() > std::max(room, 0))
        paths.removeLast();

    bool first = true;
    for (const QString& path : paths) {
        const std::shared_ptr<TransformView> record = newPictureRecord(view, path);
        if (!record)
            continue;
        if (!first)
            spot = nextSpot(grid, spot);
        first = false;
        record->setImageEnlargeFlag(1);
        mark(*record);
        record->setRowSpot(spot.row);
        record->setColumnSpot(spot.column);
        view.saveOriginalImage(record->image(), record->imageName(), record->imageType(), false,
                               QSizeF(record->originalWidth(), record->originalHeight()));
        grid.addIntoImageArray(record);
        grid.setNumOfColumns(grid.numOfColumns());
    }
    if (!first)
        view.noteInPlaceChange();
}

} // namespace

void SKTGraphicView::proceedsToAddGalleryImages(const QStringList& paths)
{
    auto* gallery = dynamic_cast<SKTGalleryGrid*>(m_workingState.selectedGalleryGrid.get());
    if (!gallery)
        return;
    addPicturesIntoCells(*this, *gallery, paths, m_lastTouchPoint, [](TransformView& record) {
        record.setSlideShowNumber(kGallerySlideShowNumber);
        record.setTableNumber(kNoNumber);
    });
}

void SKTGraphicView::proceedsToAddGalleryImagesToTable(const QStringList& paths)
{
    auto* table = dynamic_cast<SKTTable*>(m_workingState.selectedTable.get());
    if (!table)
        return;
    addPicturesIntoCells(*this, *table, paths, m_lastTouchPoint, [](TransformView& record) {
        record.setSlideShowNumber(kNoNumber);
        record.setGalleryNumber(kNoNumber);
    });
}
