#pragma once

#include "model/SKTGraphic.h"
#include "model/records/TransformView.h"
#include "model/records/myTextView.h"

#include <QStringList>

// Element records as the page loader leaves them: every number that means "none" at -99 and every text
// the loader always sets given a value.
inline std::shared_ptr<myTextView> loadedTextRecord(const QString& text = QStringLiteral("Hello"))
{
    auto record = myTextView::initWithFrame(QRectF(10, 20, 200, 50));
    record->textView()->setString(text);
    record->textView()->setBorderLine(QStringLiteral("solid"));
    record->setTextType(QStringLiteral("Text"));
    for (auto set : {&myTextView::setTableNumber, &myTextView::setGroupNumber, &myTextView::setSectionNumber,
                     &myTextView::setSectionRowSpot, &myTextView::setSectionColumnSpot,
                     &myTextView::setFormTag, &myTextView::setFormOptionTag})
        ((*record).*set)(-99);
    return record;
}

inline std::shared_ptr<TransformView> loadedImageRecord(const QString& name = QStringLiteral("image1.png"))
{
    auto record = TransformView::initWithFrame(QRectF(5, 6, 100, 80));
    record->setImageName(name);
    record->setImageType(QStringLiteral("png"));
    record->setBorderStyle(QStringLiteral("none"));
    record->setBubbleShape(QStringLiteral(""));
    record->setAlpha(1.0f);
    for (auto set :
         {&TransformView::setSlideShowNumber, &TransformView::setGalleryNumber,
          &TransformView::setTableNumber, &TransformView::setGroupNumber, &TransformView::setRowSpot,
          &TransformView::setColumnSpot, &TransformView::setSectionNumber, &TransformView::setSectionRowSpot,
          &TransformView::setSectionColumnSpot})
        ((*record).*set)(-99);
    for (auto set : {&TransformView::setTopPaddingType, &TransformView::setBottomPaddingType,
                     &TransformView::setLeftPaddingType, &TransformView::setRightPaddingType,
                     &TransformView::setTopMarginType, &TransformView::setBottomMarginType,
                     &TransformView::setLeftMarginType, &TransformView::setRightMarginType})
        ((*record).*set)(QStringLiteral("pixel"));
    return record;
}

inline QList<GraphicPropertyDictionary> converted(const ElementRecordList& records,
                                                  const QString& templateName = QStringLiteral("index"))
{
    return SKTGraphic::convertArrayToProperties(records, templateName);
}

// The one dictionary that a single record converts into.
inline GraphicPropertyDictionary convertedOne(const std::shared_ptr<ElementRecord>& record)
{
    const QList<GraphicPropertyDictionary> dictionaries = converted({record});
    return dictionaries.size() == 1 ? dictionaries.first() : GraphicPropertyDictionary();
}

inline QStringList classNames(const QList<GraphicPropertyDictionary>& dictionaries)
{
    QStringList names;
    for (const GraphicPropertyDictionary& dictionary : dictionaries)
        names << dictionary.value(QStringLiteral("className")).toString();
    return names;
}
