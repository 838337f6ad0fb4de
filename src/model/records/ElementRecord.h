#pragma once

#include "platform/Accessors.h"

#include <QList>
#include <QRectF>

#include <memory>

// A plain stored field of an element record: getter `name()` and setter `setter(value)`. Numbers start at 0,
// texts as none (null), as the page loader and the factories expect of a fresh record.
#define ELEMENT_RECORD_FIELD(Type, name, setter) VELK_STORED_FIELD(Type, name, setter, )

// Flags of element records are 8-bit values: 0 or 1 as a rule, but a page file may store a lock as any small
// number, and the conversion into graphics tells those apart.
using RecordFlag = qint8;

// The view part of every element record: the element's frame on the canvas, its stacking number and its
// alpha value. A record of no more specific kind is a plain view that the conversion into graphics passes
// over.
class ElementRecord {
public:
    ElementRecord() = default;
    explicit ElementRecord(const QRectF& frame)
        : m_frame(frame)
        , m_bounds(QPointF(), frame.size())
    {}
    virtual ~ElementRecord() = default;

    // Geometry in canvas pixels, origin at the top left of the page, y growing downward. As a view's, the
    // bounds keep their origin and take the size of a new frame.
    QRectF frame() const { return m_frame; }
    void setFrame(const QRectF& frame)
    {
        m_frame = frame;
        m_bounds.setSize(frame.size());
    }
    // The frame in the record's own coordinates: at the origin, unless stored otherwise (a gallery or table
    // picture stores where it was placed).
    QRectF bounds() const { return m_bounds; }
    void setBounds(const QRectF& bounds) { m_bounds = bounds; }

    // Stacking order on the page (the CSS z-index).
    ELEMENT_RECORD_FIELD(int, tag, setTag)
    ELEMENT_RECORD_FIELD(bool, hidden, setHidden)

public:
    // The opacity of the element as loaded; a record starts opaque, as a view does.
    double alphaValue() const { return m_alphaValue; }
    void setAlphaValue(double alpha) { m_alphaValue = alpha; }

private:
    QRectF m_frame;
    QRectF m_bounds;
    double m_alphaValue = 1.0;
};

// A page's element records in one list, of mixed kinds.
using ElementRecordList = QList<std::shared_ptr<ElementRecord>>;
