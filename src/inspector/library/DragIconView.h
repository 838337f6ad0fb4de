#pragma once

#include "inspector/library/ObjectCatalogue.h"

#include <QImage>
#include <QWidget>

class QLabel;

// Posted by a press on an item; every library then clears its highlights.
inline constexpr QLatin1StringView kClearDragAndDropIcons{"clearDragAndDropIcons"};

// One item of the object library: the catalogue record and its view, an icon beside a bold title and a
// grey description. A press highlights it (and only it, across every library); dragging it carries its
// drag code, when the product allows dragging.
class DragIconView : public QWidget {
    Q_OBJECT

public:
    explicit DragIconView(const ObjectCatalogueItem& item, QWidget* parent = nullptr);

    const QString& dragAndDropCodeName() const { return m_item.dragAndDropCodeName; }
    const QString& objectTitle() const { return m_objectTitle; }
    const QString& objectDescription() const { return m_item.objectDescription; }
    const QString& imageName() const { return m_item.imageName; }
    const std::optional<QStringList>& typeArray() const { return m_item.typeArray; }
    bool createOwnImageFlag() const { return m_item.createOwnImageFlag; }
    bool shapeFlag() const { return m_item.shapeFlag; }
    bool zoomBubbleImageFlag() const { return m_item.zoomBubbleImageFlag; }
    // The label's text: the title in bold, one space, the description in grey (rich text).
    const QString& iconLabelString() const { return m_iconLabelString; }
    // The icon: drawn for shape items, else the bundle image (null when the bundle has none).
    const QImage& iconImage() const { return m_iconImage; }

    bool highlightFlag() const { return m_highlightFlag; }
    void setHighlightFlag(bool flag);

    // Places the icon and the label inside the item's current frame.
    void setupSubViews();
    // A new 100 x 100 image: the item's shape outline filled white and stroked black (shape items) or red,
    // with zoom-bubble items showing the bundle's flower picture inside the outline.
    QImage createShapeImage() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    ObjectCatalogueItem m_item;
    QString m_objectTitle;
    QString m_iconLabelString;
    QImage m_iconImage;
    bool m_highlightFlag = false;
    QLabel* m_iconImageView;
    QLabel* m_iconLabel;
};
