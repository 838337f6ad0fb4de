#include "codegen/CodeTemplate.h"
#include "codegen/widgets/PhotoGalleryCode.h"
#include "codegen/RuleWriter.h"
#include "document/format/PageFileFormat.h"
#include "document/writing/PageAssembly.h"
#include "document/writing/PageKinds.h"
#include "model/SKTGalleryGrid.h"
#include "profile/DataCentre.h"

namespace Property = PageFile::Property;

namespace PageKinds {

void writeLines(PageAssembly& page)
{
    int number = 0;
    for (const std::shared_ptr<SKTGraphic>& graphic : page.lists.lineArray) {
        SKTGraphic& line = *graphic;
        const QPointF begin = line.beginPoint();
        const QPointF end = line.endPoint();
        const QString templateName = page.settleTemplateNameOrMain(line);
        page.pieces.lineCss += QLatin1Char('\n') +
                               RuleWriter(PageFile::Rule::line + QString::number(number++))
                                   .text(Property::position, PageAssembly::positionOf(line.scrollFlag()))
                                   .integer(Property::lineOriginX, int(begin.x()))
                                   .integer(Property::lineOriginY, int(begin.y()))
                                   .integer(Property::lineEndX, int(end.x()))
                                   .integer(Property::lineEndY, int(end.y()))
                                   .integer(Property::zIndex, page.layerOf(line))
                                   .integer(Property::fixed, line.moveLock())
                                   .real(Property::lineAlpha, line.opacity())
                                   .freeText(Property::borderStyle, line.borderStyle())
                                   .pixels(Property::borderWidth, line.borderWidth())
                                   .color(Property::borderColor, PageAssembly::settleBorderColor(line))
                                   .integer(Property::groupNumber, line.groupNumber())
                                   .integer(Property::shadowFlag, line.shadowFlag())
                                   .freeText(Property::templateName, templateName)
                                   .integer(Property::manualLayerIndex, line.manualLayerIndex())
                                   .integer(Property::drawBeginArrow, line.drawBeginArrow() ? 1 : 0)
                                   .integer(Property::drawEndArrow, line.drawEndArrow() ? 1 : 0)
                                   .closed() +
                               QLatin1Char('\n');
    }
}

void writeGalleryGrids(PageAssembly& page)
{
    const GraphicList& galleries = page.lists.galleryArray;
    int number = 0;
    for (auto it = galleries.crbegin(); it != galleries.crend(); ++it, ++number) {
        SKTGraphic& gallery = **it;
        const auto* grid = qobject_cast<const SKTGalleryGrid*>(&gallery);
        const QRectF b = gallery.bounds();
        const QString templateName = page.settleTemplateNameOrMain(gallery);
        page.pieces.galleryCss += QLatin1Char('\n') +
                                  RuleWriter(PageFile::Rule::galleryGrid + QString::number(number))
                                      .text(Property::position, QStringLiteral("absolute"))
                                      .pixels(Property::left, int(b.x()))
                                      .pixels(Property::top, int(b.y()))
                                      .integer(Property::zIndex, page.layerOf(gallery))
                                      .pixels(Property::width, int(b.width()))
                                      .pixels(Property::height, int(b.height()))
                                      .integer(Property::fixed, gallery.moveLock())
                                      .integer(Property::numOfRows, grid ? grid->numOfRows() : 0)
                                      .integer(Property::numOfColumns, grid ? grid->numOfColumns() : 0)
                                      .integer(Property::groupNumber, gallery.groupNumber())
                                      .integer(Property::padding, grid ? grid->padding() : 0)
                                      .integer(Property::shadowFlag, gallery.shadowFlag())
                                      .integer(Property::backdrop, gallery.backdropLightingFlag())
                                      .freeText(Property::templateName, templateName)
                                      .integer(Property::manualLayerIndex, gallery.manualLayerIndex())
                                      .integer(Property::galleryNumber, number)
                                      .integer(Property::sectionNumber, gallery.sectionNumber())
                                      .integer(Property::sectionRowSpot, gallery.sectionRowSpot())
                                      .integer(Property::sectionColumnSpot, gallery.sectionColumnSpot())
                                      .closed() +
                                  QStringLiteral("\n\n");
        if (!grid)
            continue;
        // The responsive page shows the gallery as a grid of thumbnails.
        if (DataCentre::profile().responsiveDesign)
            page.lists.sourceCodeArray.append(
                PhotoGalleryCode::grabPhotoGalleryCode(*grid, page.codeContext()));
        // The pictures are written with the page's images; the gallery shows them on the published page.
        const TransformViewList pictures = grid->imageArray();
        for (qsizetype i = 0; i < pictures.size(); ++i) {
            pictures.at(i)->setTag(int(i));
            page.lists.imageViewArray.append(PageImage(pictures.at(i)));
        }
    }
}

} // namespace PageKinds
