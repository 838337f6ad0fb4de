#pragma once

#include "model/GraphicPropertyDictionary.h"
#include "model/records/ElementRecord.h"

class myTextView;
class TransformView;
class OuterSlideShow;
class GalleryGridView;
class TableGridView;
class LineView;

// The dictionaries that single element records convert into, each with its "className" and the template
// name under "templateName". SKTGraphic::convertArrayToProperties decides which records become objects of
// their own and calls these; the containers gather their member records from the whole list.
namespace RecordConversion {

// "SKTText". Writes the defaults of missing text fields back into the record.
GraphicPropertyDictionary textProperties(myTextView& record, const QString& templateName);
// "SKTImage". A reflection counts from 0 to 1 (Drawing::clampedReflection).
GraphicPropertyDictionary imageProperties(TransformView& record, const QString& templateName);

// "SKTSlideshow": the image records of the slideshow's number in file-name order, each given its position
// in `records` as its slide number.
GraphicPropertyDictionary slideshowProperties(OuterSlideShow& record, const ElementRecordList& records,
                                              const QString& templateName);
// "SKTGalleryGrid": the image records of the gallery's number, in list order.
GraphicPropertyDictionary galleryProperties(GalleryGridView& record, const ElementRecordList& records,
                                            const QString& templateName);
// "SKTTable": the cell records of the table's number with their plain text, and, when the product has
// table images, its images and background images.
GraphicPropertyDictionary tableProperties(TableGridView& record, const ElementRecordList& records,
                                          const QString& templateName);
// "SKTLine".
GraphicPropertyDictionary lineProperties(LineView& record, const QString& templateName);

// The number in an image file name after its five letters "image": "image12.png" gives 12; no digits
// there give 0.
int imageNameIndex(const QString& imageName);

} // namespace RecordConversion
