#include "inspector/layers/LayersTabView.h"

#include "inspector/controls/RowListScrollView.h"
#include "inspector/format/FormatIconView.h"
#include "model/SKTGalleryGrid.h"
#include "model/SKTImage.h"
#include "model/SKTLine.h"
#include "model/SKTTable.h"
#include "model/SKTText.h"
#include "platform/StringsTable.h"

#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>

namespace {

constexpr QLatin1StringView kTitleTable{"Localizable"};
constexpr QLatin1StringView kGeometryColour{"999999"};

} // namespace

LayersTabView::LayersTabView(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("layersTab"));
    m_dragObjectsScrollView = makeRowListScrollView(*this, QStringLiteral("layersScrollView"));
}

LayersTabView::Kind LayersTabView::layerKindOf(const SKTGraphic& graphic)
{
    if (dynamic_cast<const SKTText*>(&graphic))
        return graphic.bubbleShape().isEmpty() ? Kind{"textbox_simple", "Text"}
                                               : Kind{"shape_simple", "Shape"};
    if (dynamic_cast<const SKTLine*>(&graphic))
        return {"line_icon", "Line"};
    if (dynamic_cast<const SKTTable*>(&graphic))
        return {"table_simple", "Table"};
    if (dynamic_cast<const SKTImage*>(&graphic))
        return {"photo_simple", "Image"};
    if (dynamic_cast<const SKTGalleryGrid*>(&graphic))
        return {"gallery", "Photo Grid"};
    return {"selection_elliptical_black", ""};
}

QString LayersTabView::layerText(const SKTGraphic& graphic, int layer)
{
    const QRectF b = graphic.bounds();
    return QStringLiteral("Layer %1\nx:%2 y:%3 size:%4x%5 opacity:%6%")
        .arg(layer)
        .arg(int(b.x()))
        .arg(int(b.y()))
        .arg(int(b.width()))
        .arg(int(b.height()))
        .arg(int(graphic.opacity() * 100));
}

QString LayersTabView::headerText(qsizetype layers)
{
    return layers < 2 ? QObject::tr("%1 layer").arg(layers) : QObject::tr("%1 layers").arg(layers);
}

void LayersTabView::showLayers(const GraphicList& graphics)
{
    // Rows take the panel's width beside the scroll bar, also while the tab is not yet laid out.
    const int width =
        parentWidget()->width() - m_dragObjectsScrollView->verticalScrollBar()->sizeHint().width();
    auto* list = new QWidget;
    list->setObjectName(QStringLiteral("dragObjectsClipView"));
    m_layerIconViews.clear();
    for (qsizetype i = 0; i < graphics.size(); ++i) {
        const SKTGraphic& graphic = *graphics.at(i);
        const Kind kind = layerKindOf(graphic);
        const QString kindName = kind.kindName.isEmpty()
                                     ? QString()
                                     : StringsTable::localizedString(kind.kindName, {}, QString(kTitleTable));
        auto* row = new FormatIconView(list);
        row->setObjectName(QStringLiteral("layerRow%1").arg(i));
        row->setSupportsHightlightFlag(true);
        row->setGeometry(0, kListTop + kRowHeight * int(i), width, kRowHeight);
        row->setImageName(kind.imageName);
        row->setIconLabelString(
            FormatIconView::labelString(kindName, layerText(graphic, int(i)), QString(kGeometryColour)));
        row->setObjectIndex(int(i));
        row->setupSubViews();
        connect(row, &FormatIconView::clicked, this,
                [this](FormatIconView* clicked) { Q_EMIT manuallySelectObject(clicked->objectIndex()); });
        m_layerIconViews.append(row);
    }
    m_header = new QLabel(headerText(graphics.size()), list);
    m_header->setObjectName(QStringLiteral("layersHeader"));
    m_header->setGeometry(0, 0, width, kHeaderHeight);
    m_header->setAlignment(Qt::AlignCenter);
    m_header->setStyleSheet(QStringLiteral("color: #555555"));
    m_header->setTextInteractionFlags(Qt::NoTextInteraction);
    list->resize(width, int(graphics.size()) * kRowHeight + 60);
    m_dragObjectsClipView = list;
    m_dragObjectsScrollView->setWidget(list); // deletes the previous rows
    m_dragObjectsScrollView->verticalScrollBar()->setValue(0);
}

void LayersTabView::clearLayerListingIcons()
{
    for (FormatIconView* row : std::as_const(m_layerIconViews))
        row->setHighlightFlag(false);
}
