#pragma once

#include "../media/ImageTestSupport.h"

#include "model/SKTGalleryGrid.h"
#include "model/records/TransformView.h"
#include "platform/Format.h"

#include <QAction>
#include <QFile>
#include <QMenu>

// Galleries on a page that has a file, reached through the canvas's context menu as the user reaches them.
class GalleryCanvasTest : public ImageCanvasTest {
protected:
    // A gallery of the counts over the bounds, in front of the others.
    std::shared_ptr<SKTGalleryGrid> addGallery(int columns, int rows, const QRectF& bounds)
    {
        auto gallery = std::make_shared<SKTGalleryGrid>();
        gallery->initWithProperties({{QStringLiteral("bounds"), Format::rect(bounds)},
                                     {QStringLiteral("numOfColumns"), QString::number(columns)},
                                     {QStringLiteral("numOfRows"), QString::number(rows)},
                                     {QStringLiteral("padding"), QStringLiteral("5")}});
        document.insertGraphics({gallery}, {0});
        return gallery;
    }

    // A picture record named so in the cell.
    static std::shared_ptr<TransformView> cellPicture(const QString& name, int row, int column)
    {
        auto record = std::make_shared<TransformView>();
        record->setImageName(name);
        record->setImage(picture(10, 10));
        record->setOriginalWidth(10);
        record->setOriginalHeight(10);
        record->setRowSpot(row);
        record->setColumnSpot(column);
        return record;
    }

    // The context menu opened by a click at the point on the selected graphic.
    void openMenuAt(const std::shared_ptr<SKTGraphic>& graphic, const QPointF& point)
    {
        selection.setSelectedGraphics({graphic});
        view->menuForEvent(point);
    }
    QAction* item(const char* action) const
    {
        QAction* found = view->menu()->findChild<QAction*>(QLatin1String(action));
        EXPECT_NE(found, nullptr) << action;
        return found;
    }
    bool offered(const char* action) const
    {
        const QAction* found = item(action);
        return found && found->isVisible() && found->isEnabled();
    }
    void choose(const char* action) const
    {
        QAction* found = item(action);
        ASSERT_TRUE(found && found->isVisible() && found->isEnabled()) << action;
        found->trigger();
    }

    // A file whose name promises a picture it does not hold.
    QString brokenFile(const QString& name) const
    {
        const QString path = pathInHome(QStringLiteral("pictures/") + name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("not a picture");
        return path;
    }

    bool keptOriginal(const QString& fileName) const
    {
        return QFile::exists(QDir(pageFolder).filePath(fileName));
    }
};
