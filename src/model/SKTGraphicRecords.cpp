#include "model/SKTGraphic.h"

#include "model/NoNumber.h"
#include "model/RecordConversion.h"
#include "model/records/GalleryGridView.h"
#include "model/records/LineView.h"
#include "model/records/OuterSlideShow.h"
#include "model/records/TableGridView.h"
#include "model/records/TransformView.h"
#include "model/records/myTextView.h"

// The page loader's records become page objects here. Text and image records that belong to a container
// (a table's cells, a slideshow's or table's images) reach the result only inside it.

namespace {

// A form field is never a table cell. Clearing every form field's table number before any table gathers
// its cells makes the order of field and table in the list irrelevant: the field is its own object, once.
void detachFormFieldsFromTables(const ElementRecordList& records)
{
    for (const std::shared_ptr<ElementRecord>& record : records) {
        const auto text = std::dynamic_pointer_cast<myTextView>(record);
        if (text && !text->formType().isEmpty())
            text->setTableNumber(kNoNumber);
    }
}

} // namespace

QList<GraphicPropertyDictionary> SKTGraphic::convertArrayToProperties(const ElementRecordList& records,
                                                                      const QString& templateName)
{
    using namespace RecordConversion;
    detachFormFieldsFromTables(records);

    // The first kind a record is an instance of decides; records of any other kind are passed over.
    QList<GraphicPropertyDictionary> dictionaries;
    for (const std::shared_ptr<ElementRecord>& record : records) {
        if (const auto text = std::dynamic_pointer_cast<myTextView>(record)) {
            // Every text record gets its defaults written back, cells included.
            GraphicPropertyDictionary dictionary = textProperties(*text, templateName);
            if (text->tableNumber() == kNoNumber)
                dictionaries.append(std::move(dictionary));
        } else if (const auto gallery = std::dynamic_pointer_cast<GalleryGridView>(record)) {
            dictionaries.append(galleryProperties(*gallery, records, templateName));
        } else if (const auto table = std::dynamic_pointer_cast<TableGridView>(record)) {
            dictionaries.append(tableProperties(*table, records, templateName));
        } else if (const auto line = std::dynamic_pointer_cast<LineView>(record)) {
            dictionaries.append(lineProperties(*line, templateName));
        } else if (const auto slideshow = std::dynamic_pointer_cast<OuterSlideShow>(record)) {
            dictionaries.append(slideshowProperties(*slideshow, records, templateName));
        } else if (const auto image = std::dynamic_pointer_cast<TransformView>(record)) {
            // Gallery pictures with no slideshow or table are objects of their own as well.
            if (image->slideShowNumber() == kNoNumber && image->tableNumber() == kNoNumber)
                dictionaries.append(imageProperties(*image, templateName));
        }
    }
    return dictionaries;
}

GraphicList SKTGraphic::graphicsWithProperties(const ElementRecordList& records, const QString& templateName)
{
    QVariantList dictionaries;
    for (const GraphicPropertyDictionary& dictionary : convertArrayToProperties(records, templateName))
        dictionaries.append(dictionary);
    return graphicsWithPropertiesPasted(dictionaries);
}
