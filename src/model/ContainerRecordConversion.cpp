#include "model/RecordConversion.h"

#include "model/NoNumber.h"
#include "model/RecordKeyTable.h"
#include "model/records/GalleryGridView.h"
#include "model/records/ImageCounterHelpTransformView.h"
#include "model/records/LineView.h"
#include "model/records/OuterSlideShow.h"
#include "model/records/TableGridView.h"
#include "model/records/TransformView.h"
#include "model/records/myTextView.h"
#include "platform/Format.h"
#include "profile/DataCentre.h"

#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

using namespace GraphicProperties;
using namespace RecordKeys;

namespace {

template <class Member> struct Membership {
    qsizetype position; // in the whole record list
    std::shared_ptr<Member> record;
};

// The records of the member kind that carry the container's number, in list order, wherever they stand
// relative to the container. A container numbered "none" has no members: the free records that share
// that number belong to no container.
template <class Member>
QList<Membership<Member>> membersOf(const ElementRecordList& records, int number,
                                    int (Member::*numberOf)() const)
{
    QList<Membership<Member>> members;
    if (number == kNoNumber)
        return members;
    for (qsizetype i = 0; i < records.size(); ++i) {
        auto member = std::dynamic_pointer_cast<Member>(records[i]);
        if (member && ((*member).*numberOf)() == number)
            members.append({i, std::move(member)});
    }
    return members;
}

template <class R> RecordKey<R> boundsOfFrame()
{
    return custom<R>("bounds", [](R& r) { return Format::rect(r.frame()); });
}

const RecordKeyTable<OuterSlideShow>& slideshowKeyTable()
{
    using R = OuterSlideShow;
    static const RecordKeyTable<R> table{
        boundsOfFrame<R>(),
        integer<R>("groupNumber", &R::groupNumber),
        integer<R>("slideShowAutomaticFlag", &R::slideShowAutomaticFlag),
        integer<R>("manualLayerIndex", &R::manualLayerIndex),
        flagWhenSet<R>("moveLock", &R::moveLock),
        fixed<R>("slideShowNumber", integerText(kNoNumber)),
        fixed<R>("fontAlignment", QStringLiteral("1")),
        fixed<R>("cornerRadius", realText(0)),
        fixed<R>("fontSize", realText(25)),
        fixed<R>("opacity", realText(1)),
        fixed<R>("shadowFlag", QStringLiteral("0")),
        fixed<R>("fontColor", QStringLiteral("DC143C")),
        // A colour string here, where other kinds archive the fill colour.
        fixed<R>("fillColor", QStringLiteral("ffffff")),
        fixed<R>("fontFamily", QStringLiteral("Helvetica Neue")),
        fixed<R>("borderStyle", QStringLiteral("dashed")),
        fixed<R>("textString", QStringLiteral("Right click to edit slideshow")),
        fixed<R>("textHexColorString", QStringLiteral("000000")),
        fixed<R>("backgroundHexColorString", QStringLiteral("FFFFFF")),
        fixed<R>("link", QStringLiteral("")),
        fixed<R>("textType", QStringLiteral("")),
        fixed<R>("imageLastModDate", QStringLiteral("")),
        fixed<R>("altText", QStringLiteral("")),
        fixed<R>("linkOption", QStringLiteral("_self")),
        fixed<R>("linkType", QStringLiteral("text")),
    };
    return table;
}

// The keys that tables and galleries read alike from their grid fields.
template <class R> void addGridKeys(RecordKeyTable<R>& table)
{
    table.append(RecordKeyTable<R>{
        boundsOfFrame<R>(),
        integer<R>("numOfRows", &R::numOfRows),
        integer<R>("numOfColumns", &R::numOfColumns),
        integer<R>("padding", &R::padding),
        integer<R>("groupNumber", &R::groupNumber),
        integer<R>("moveLock", &R::moveLock),
        integer<R>("manualLayerIndex", &R::manualLayerIndex),
        flagWhenOne<R>("scrollFlag", &R::scrollFlag),
        fixed<R>("linkType", QStringLiteral("text")),
    });
}

const RecordKeyTable<GalleryGridView>& galleryKeyTable()
{
    using R = GalleryGridView;
    static const RecordKeyTable<R> table = [] {
        RecordKeyTable<R> t{
            integer<R>("shadowFlag", &R::shadowFlag),
            integer<R>("backdropLightingFlag", &R::backdropLightingFlag),
        };
        addGridKeys(t);
        return t;
    }();
    return table;
}

// The table's own border, shadow and backdrop fields are not read: every table starts from one look.
const RecordKeyTable<TableGridView>& tableKeyTable()
{
    using R = TableGridView;
    static const RecordKeyTable<R> table = [] {
        RecordKeyTable<R> t{
            string<R>("gridType", &R::gridType),
            integer<R>("initialLaunchStateFlag", &R::initialLaunchStateFlag),
            string<R>("sectionIDString", &R::sectionIDString),
            fixed<R>("fontSize", QStringLiteral("28")),
            fixed<R>("fontFamily", QStringLiteral("Anton")),
            fixed<R>("textHexColorString", QStringLiteral("4f4c4c")),
            fixed<R>("borderStyle", QStringLiteral("dashed")),
            fixed<R>("opacity", QStringLiteral("1.0")),
            fixed<R>("shadowFlag", QStringLiteral("0")),
            fixed<R>("reflection", QStringLiteral("0")),
        };
        addGridKeys(t);
        addBoxModelKeys(t);
        return t;
    }();
    return table;
}

const RecordKeyTable<LineView>& lineKeyTable()
{
    using R = LineView;
    static const RecordKeyTable<R> table{
        custom<R>("beginPoint", [](R& r) { return Format::point(r.beginPoint()); }),
        custom<R>("endPoint", [](R& r) { return Format::point(r.endPoint()); }),
        custom<R>("opacity", [](R& r) { return realText(r.alphaValue()); }),
        // A number, where text and image dictionaries hold the width as text.
        custom<R>("borderWidth", [](R& r) { return QVariant(double(r.borderWidth())); }),
        integer<R>("groupNumber", &R::groupNumber),
        archivedHexColor<R>("borderColor", &R::borderHexColorString),
        string<R>("borderHexColorString", &R::borderHexColorString),
        string<R>("borderStyle", &R::borderStyle),
        integer<R>("drawBeginArrow", &R::drawBeginArrow),
        integer<R>("drawEndArrow", &R::drawEndArrow),
        fixed<R>("slideShowNumber", integerText(kNoNumber)),
    };
    return table;
}

// A cell leaves the page file with its companion's text only; the table styles it afresh.
// The cell's text as the editor keeps it: every character in the font and colour its rule gave the text
// view, so a reopened cell draws and is written again as it was saved.
void giveTextStorage(myTextView& cell)
{
    auto storage = std::make_shared<QTextDocument>();
    if (const std::shared_ptr<MTextView>& view = cell.textView()) {
        storage->setDefaultFont(view->font());
        QTextCharFormat characters;
        characters.setFont(view->font(), QTextCharFormat::FontPropertiesAll);
        if (view->textColor().isValid())
            characters.setForeground(view->textColor());
        QTextCursor(storage.get()).insertText(view->string(), characters);
    }
    cell.setTextStorage(std::move(storage));
}

} // namespace

namespace RecordConversion {

int imageNameIndex(const QString& imageName)
{
    constexpr qsizetype kPrefixLength = 5; // "image"
    return imageName.size() <= kPrefixLength ? 0 : Format::intValue(imageName.mid(kPrefixLength));
}

GraphicPropertyDictionary slideshowProperties(OuterSlideShow& record, const ElementRecordList& records,
                                              const QString& templateName)
{
    QList<ImageCounterHelpTransformView> slides;
    for (const Membership<TransformView>& member :
         membersOf(records, record.slideShowNumber(), &TransformView::slideShowNumber)) {
        member.record->setSlideNumber(int(member.position));
        ImageCounterHelpTransformView slide;
        slide.setSktImage(member.record);
        slide.setImageName(member.record->imageName());
        slide.setImageNameIndex(imageNameIndex(slide.imageName()));
        slides.append(slide);
    }
    // Slides whose names give the same number keep their list order.
    std::stable_sort(slides.begin(), slides.end(),
                     [](const ImageCounterHelpTransformView& a, const ImageCounterHelpTransformView& b) {
                         return a.imageNameIndex() < b.imageNameIndex();
                     });
    TransformViewList images;
    for (const ImageCounterHelpTransformView& slide : slides)
        images.append(slide.sktImage());

    GraphicPropertyDictionary dictionary =
        recordProperties(record, slideshowKeyTable(), QStringLiteral("SKTSlideshow"), templateName);
    dictionary.insert(QStringLiteral("imageArray"), QVariant::fromValue(images));
    dictionary.insert(QStringLiteral("totalNumofSlide"), integerText(int(images.size())));
    return dictionary;
}

GraphicPropertyDictionary galleryProperties(GalleryGridView& record, const ElementRecordList& records,
                                            const QString& templateName)
{
    TransformViewList images;
    for (const Membership<TransformView>& member :
         membersOf(records, record.galleryNumber(), &TransformView::galleryNumber))
        images.append(member.record);

    GraphicPropertyDictionary dictionary =
        recordProperties(record, galleryKeyTable(), QStringLiteral("SKTGalleryGrid"), templateName);
    dictionary.insert(QStringLiteral("imageArray"), QVariant::fromValue(images));
    return dictionary;
}

GraphicPropertyDictionary tableProperties(TableGridView& record, const ElementRecordList& records,
                                          const QString& templateName)
{
    myTextViewList cells;
    for (const Membership<myTextView>& member :
         membersOf(records, record.tableNumber(), &myTextView::tableNumber)) {
        giveTextStorage(*member.record);
        cells.append(member.record);
    }

    TransformViewList images;
    TransformViewList backgrounds;
    if (DataCentre::profile().tableImages) {
        for (const Membership<TransformView>& member :
             membersOf(records, record.tableNumber(), &TransformView::tableNumber)) {
            TransformView& image = *member.record;
            // A slide or gallery picture keeps whatever table number it was given; it is not the table's.
            if (image.slideShowNumber() != kNoNumber || image.galleryNumber() != kNoNumber)
                continue;
            if (image.rowSpot() == kNoNumber && image.columnSpot() == kNoNumber) {
                image.setForceNonRetinaFlag(1);
                backgrounds.append(member.record);
            } else {
                images.append(member.record);
            }
        }
    }

    GraphicPropertyDictionary dictionary =
        recordProperties(record, tableKeyTable(), QStringLiteral("SKTTable"), templateName);
    dictionary.insert(QStringLiteral("cellArray"), QVariant::fromValue(cells));
    dictionary.insert(QStringLiteral("imageArray"), QVariant::fromValue(images));
    if (!backgrounds.isEmpty())
        dictionary.insert(QStringLiteral("tableBackgroundArray"), QVariant::fromValue(backgrounds));
    return dictionary;
}

GraphicPropertyDictionary lineProperties(LineView& record, const QString& templateName)
{
    return recordProperties(record, lineKeyTable(), QStringLiteral("SKTLine"), templateName);
}

} // namespace RecordConversion
