#pragma once

#include "../input/CanvasInputTestSupport.h"

#include "model/SKTImage.h"
#include "model/SKTTable.h"

#include <QMenu>

// A shown canvas whose object commands are chosen from its context menu, as the user chooses them.
class ObjectCommandsTest : public CanvasInputTest {
protected:
    // Whether the context menu opened at the point offers the item of the action.
    bool offered(const char* action, const QPointF& at = QPointF())
    {
        QMenu* menu = view->menuForEvent(at);
        const QAction* item = menu->findChild<QAction*>(QLatin1String(action));
        return item && item->isVisible() && item->isEnabled();
    }
    // Opens the context menu at the point and chooses the item; answers whether it was offered.
    bool choose(const char* action, const QPointF& at = QPointF())
    {
        if (!offered(action, at))
            return false;
        view->menu()->findChild<QAction*>(QLatin1String(action))->trigger();
        return true;
    }

    std::shared_ptr<SKTImage> addImage(const QRectF& bounds,
                                       const QImage& picture = QImage(40, 30, QImage::Format_RGB32))
    {
        auto image = std::make_shared<SKTImage>();
        image->set_contents(picture);
        image->setBounds(bounds);
        image->setSelectable(true);
        document.insertGraphics({image}, {int(document.graphics().size())});
        return image;
    }

    // A table of rows x columns cells 60 x 30, appended behind the others; pictures sit in the listed
    // cells (row, column).
    std::shared_ptr<SKTTable> addTable(int rows, int columns, const QPointF& origin,
                                       const QList<QPoint>& pictureSpots = {})
    {
        myTextViewList cells;
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < columns; ++c) {
                auto cell = SKTGraphicView::createNewTableCell();
                cell->setRowSpot(r);
                cell->setColumnSpot(c);
                cell->setWidth(60);
                cell->setHeight(30);
                cells << cell;
            }
        }
        TransformViewList pictures;
        for (const QPoint& spot : pictureSpots) {
            auto picture = std::make_shared<TransformView>();
            picture->setRowSpot(spot.x());
            picture->setColumnSpot(spot.y());
            pictures << picture;
        }
        auto table = std::make_shared<SKTTable>();
        table->initWithProperties(
            {{QStringLiteral("bounds"), Format::rect(QRectF(origin, QSizeF(60 * columns, 30 * rows)))},
             {QStringLiteral("numOfColumns"), QString::number(columns)},
             {QStringLiteral("numOfRows"), QString::number(rows)},
             {QStringLiteral("cellArray"), QVariant::fromValue(cells)},
             {QStringLiteral("imageArray"), QVariant::fromValue(pictures)}});
        table->setSelectable(true);
        document.insertGraphics({table}, {int(document.graphics().size())});
        return table;
    }
    // The middle of the cell on the canvas.
    static QPointF cellPoint(const SKTTable& table, int row, int column)
    {
        return QRectF(table.grabSelectedCellRect(row, column)).center();
    }
};
