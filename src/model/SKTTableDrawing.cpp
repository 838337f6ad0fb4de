#include "model/SKTTable.h"

#include "model/GraphicPropertyDictionary.h"
#include "model/drawing/BezierPath.h"
#include "model/drawing/BorderStroke.h"
#include "model/drawing/DrawingView.h"
#include "model/drawing/PictureDrawing.h"
#include "model/geometry/Rects.h"
#include "model/text/SharedTextLayout.h"
#include "model/text/TextEditorFactory.h"
#include "model/text/TextStorage.h"
#include "profile/DataCentre.h"
#include "profile/services/HexColor.h"

#include <QPainter>
#include <QPen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace {

const QString kSection = QStringLiteral("section");
const QString kSectionTemplate = QStringLiteral("sectionTemplate");
const QString kNullColor = QStringLiteral("(null)");

const QColor kLightGray = QColor::fromRgbF(2.0f / 3, 2.0f / 3, 2.0f / 3);
const QColor kDarkGray = QColor::fromRgbF(1.0f / 3, 1.0f / 3, 1.0f / 3);

// The mark of a selected cell: 20 x 16 points in the cell's top-right corner.
constexpr QSizeF kCheckSize(20, 16);

QColor withAlpha(QColor color, double alpha)
{
    color.setAlphaF(float(std::clamp(alpha, 0.0, 1.0)));
    return color;
}

// A cell's background fills only with a colour string: an absent, empty, clear or "(null)" one is none.
std::optional<QColor> cellFill(const myTextView& cell)
{
    const QString background = cell.backgroundHexColorString();
    if (background.isEmpty() || background == DataCentre::kClearColorString || background == kNullColor)
        return std::nullopt;
    return withAlpha(DataCentre::colorWithHexString(background), cell.alphaValue());
}

// The cell's `textAlignment` word as a paragraph alignment; no word or an unknown one is left, as the
// generated page writes it.
Qt::Alignment alignmentOfWord(const QString& word)
{
    if (word == u"right")
        return Qt::AlignRight;
    if (word == u"center")
        return Qt::AlignHCenter;
    if (word == u"justify")
        return Qt::AlignJustify;
    return Qt::AlignLeft;
}

TextStyle cellTextStyle(const myTextView& cell)
{
    TextStyle style;
    style.font = QFont(cell.familyName());
    if (cell.fontSize() > 0)
        style.font.setPixelSize(cell.fontSize());
    style.alignment = alignmentOfWord(cell.textAlignment());
    style.color = withAlpha(DataCentre::colorWithHexString(cell.textColorString()), cell.alphaValue());
    style.lineHeight = double(float(cell.fontSize()) * cell.lineSpacing());
    return style;
}

// Whether the whole text already has the style: restyling a text on every redraw would fill its undo.
bool hasStyle(const QTextDocument& text, const TextStyle& style)
{
    for (QTextBlock block = text.begin(); block.isValid(); block = block.next()) {
        const QTextBlockFormat paragraph = block.blockFormat();
        if ((paragraph.alignment() & Qt::AlignHorizontal_Mask) != style.alignment)
            return false;
        const bool fixed = paragraph.lineHeightType() == QTextBlockFormat::FixedHeight;
        if (fixed != (style.lineHeight > 0) || (fixed && paragraph.lineHeight() != style.lineHeight))
            return false;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat characters = it.fragment().charFormat();
            const QFont font = characters.font();
            if (font.family() != style.font.family() || font.pixelSize() != style.font.pixelSize() ||
                characters.foreground().color() != style.color)
                return false;
        }
    }
    return true;
}

const QImage& checkIcon()
{
    static const QImage icon = [] {
        QImage image(kCheckSize.toSize() * 2, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(2, 2);
        painter.setBrush(QColor(0x2E, 0x9E, 0x44));
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(QRectF(2, 0, 16, 16));
        QPen tick(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        painter.setPen(tick);
        painter.setBrush(Qt::NoBrush);
        painter.drawPolyline(QPolygonF({QPointF(6, 8.5), QPointF(9, 11.5), QPointF(14, 5)}));
        painter.end();
        image.setDevicePixelRatio(2);
        return image;
    }();
    return icon;
}

QPainterPath rectanglePath(const QRectF& rect)
{
    QPainterPath path;
    path.addRect(rect);
    return path;
}

// Integer division truncating toward zero, a negative result counting as 0.
int centringOffset(int free)
{
    return std::max(0, free / 2);
}

} // namespace

QRectF SKTTable::drawingBounds()
{
    return Rects::unite(SKTGraphic::drawingBounds(), bounds().adjusted(-1, -1, 1, 1));
}

BezierPath SKTTable::bezierPathForDrawing(DrawingView* view)
{
    if (!view)
        return {};
    const ProductProfile& profile = DataCentre::profile();
    const bool section = gridType() == kSection;
    if (section && !GraphicProperties::isClearColor(fillColor()))
        view->fillPath(rectanglePath(noMarginRect()), withAlpha(fillColor(), opacity()));

    const BorderStroke::Style* style = BorderStroke::styleNamed(borderStyle());
    if (style && borderWidth() == 0)
        setBorderWidth(1);
    const int b = borderWidth();
    const int gap = padding() + b;
    const double radius = cornerRadius();
    int x = int(contentRect().x() + padding() + b);
    for (int column = 0; column < numOfColumns(); ++column) {
        int y = int(contentRect().y() + padding() + b);
        int lastWidth = 0;
        for (int row = 0; row < numOfRows(); ++row) {
            const std::shared_ptr<myTextView> cell = grabSelectedTableCellHelper(row, column);
            const int w = cell ? cell->width() : 0;
            const int h = cell ? cell->height() : 0;
            lastWidth = w;
            if (cell) {
                if (cell->shadowFlag())
                    view->setShadow({kDarkGray, 3, QPointF()});
                QPainterPath outer;
                outer.addRoundedRect(QRectF(x, y, w, h), cell->cornerRadius(), radius);
                QPainterPath border;
                border.addRoundedRect(QRectF(x + b / 2, y + b / 2, w - b, h - b), radius, radius);
                if (const std::optional<QColor> fill = cellFill(*cell))
                    view->fillPath(outer, *fill);
                const QColor line = withAlpha(DataCentre::colorWithHexString(cell->borderHexColorString()),
                                              cell->alphaValue());
                if (style)
                    view->strokePath(border, BorderStroke::pen(line, b, *style));
                else if (borderStyle() == u"none" && profile.dashedTableOutline)
                    view->strokePath(border,
                                     BorderStroke::pen(kLightGray, 1,
                                                       *BorderStroke::styleNamed(QStringLiteral("dotted"))));
                if (cell->shadowFlag())
                    view->setShadow(Shadow::none());
            }
            y += h + gap;
        }
        x += lastWidth + gap;
    }

    if (profile.responsiveDesign && section) {
        QPen outline(kLightGray, std::max(1, borderWidth()));
        outline.setDashPattern({2.0 / outline.widthF(), 3.0 / outline.widthF()});
        outline.setDashOffset(1.0 / outline.widthF());
        view->strokePath(rectanglePath(bounds()), outline);
    }
    return {};
}

void SKTTable::layOutCell(myTextView& cell, int x, int y) const
{
    if (DataCentre::profile().responsiveDesign) {
        cell.setTextType(QStringLiteral("HTMLSnippet"));
        cell.setSnippetFormatFlag(1);
    } else {
        cell.setTextType(QStringLiteral("Text"));
    }
    cell.setOriginX(x);
    cell.setOriginY(y);
    cell.setSelectable(selectable());
    cell.setResponsiveResizeFlag(responsiveResizeFlag());
    cell.setResponsiveAlignment(responsiveAlignment());
    cell.setManualLayerIndex(manualLayerIndex());
    cell.setSectionNumber(sectionNumber());
    cell.setSectionRowSpot(sectionRowSpot());
    cell.setSectionColumnSpot(sectionColumnSpot());
    cell.setPartOfTableFlag(1);
    cell.setBorderWidth(borderWidth());
    cell.setBorderStyle(borderStyle());
    if (cell.textView())
        cell.textView()->setBorderLine(borderStyle());
    cell.setCornerRadius(float(cornerRadius()));
    cell.setTableCellCornerRadius(float(cornerRadius()));
    cell.setVerticalAlignment(verticalAlignment());
}

void SKTTable::drawCellText(DrawingView& view, myTextView& cell, int x, int y)
{
    QTextDocument& text = *cell.textStorage();
    const TextStyle style = cellTextStyle(cell);
    if (!hasStyle(text, style))
        TextStorage::applyStyle(text, style);
    if (text.isEmpty())
        return;

    const int b = borderWidth();
    const int w = cell.width();
    const int h = cell.height();
    if (cell.textView())
        cell.textView()->setFont(style.font);
    SharedTextLayout& layout = sharedLayoutManager();
    layout.setContainerSize(QSizeF(w - 2 * b, h - 2 * b));
    layout.attach(text);
    cell.setTextHeight(int(layout.usedRect().height()));
    if (layout.hasGlyphs()) {
        QPointF origin;
        switch (verticalAlignment()) {
        case 1:
            origin = QPointF(x, y + h / 2 - cell.textHeight() / 2);
            break;
        case 2:
            origin = QPointF(x, y + h - cell.textHeight() - (bottomMarginInPx() + bottomPaddingInPx()));
            break;
        default:
            origin = QPointF(x + b, y + b);
            break;
        }
        layout.draw(view, origin);
    }
    layout.detach();
}

void SKTTable::drawCellPictures(DrawingView& view, const myTextView& cell, int row, int column)
{
    const int w = cell.width();
    const int h = cell.height();
    for (const std::shared_ptr<TransformView>& picture : m_imageArray) {
        if (!picture)
            continue;
        TransformView& p = *picture;
        p.setSelectable(selectable());
        p.setManualLayerIndex(manualLayerIndex());
        p.setTemplateName(templateName());
        p.setOpacity(1.0f);
        p.setAlphaValue(1.0);
        p.setSectionNumber(sectionNumber());
        p.setSectionRowSpot(sectionRowSpot());
        p.setSectionColumnSpot(sectionColumnSpot());
        if (p.rowSpot() != row || p.columnSpot() != column)
            continue;
        if (!cell.link().isEmpty())
            p.setLink(cell.link());
        // A picture without a size of its own cannot be fitted.
        if (p.originalWidth() <= 0 || p.originalHeight() <= 0)
            continue;
        const float ratio = float(p.originalWidth()) / float(p.originalHeight());
        const int fittedHeight = int(float(w) / ratio);
        const int fittedWidth = int(ratio * float(h));
        const QSize drawn = fittedHeight <= h ? QSize(w, fittedHeight) : QSize(fittedWidth, h);
        const QRectF placed(cell.originX() + centringOffset(w - drawn.width()),
                            cell.originY() + centringOffset(h - drawn.height()), drawn.width(),
                            drawn.height());
        QImage image = p.image();
        if (!drawn.isEmpty() && Drawing::isDrawable(image)) {
            Drawing::setPictureSize(image, QSizeF(drawn));
            p.setImage(image);
            // The shadow stays on for the rest of the table, as every picture after this one casts it.
            if (shadowFlag() == 1)
                view.setShadow({Qt::gray, 1, QPointF(1, 0)});
            view.save();
            Drawing::drawPictureUpright(view, placed, image);
            view.restore();
        }
        p.setGalleryDimension(placed);
        p.setFrame(placed);
        p.setBounds(placed);
    }
}

void SKTTable::drawBackgroundPicture(DrawingView& view)
{
    TransformView& background = *m_tableBackgroundImage;
    background.setSelectable(selectable());
    const QImage image = background.image();
    if (!Drawing::isDrawable(image))
        return;
    // The picture is not scaled: the box shows the part of it that the box covers.
    const QRectF box = noMarginRect();
    view.save();
    view.painter().setOpacity(std::clamp(opacity(), 0.0, 1.0));
    view.painter().setClipRect(box, Qt::IntersectClip);
    view.drawImage(QRectF(box.topLeft(), image.deviceIndependentSize()), image);
    view.restore();
}

void SKTTable::layOutCells()
{
    // The resize rule runs first, so sizes changed in the cells are shared out or snapped to.
    drawBoxModel();
    setBounds(bounds());
    drawBoxModel();
    const int gap = padding() + borderWidth();
    int x = int(contentRect().x() + padding());
    for (int column = 0; column < numOfColumns(); ++column) {
        int y = int(contentRect().y() + padding());
        int lastWidth = 0;
        for (int row = 0; row < numOfRows(); ++row) {
            const std::shared_ptr<myTextView> cell = grabSelectedTableCellHelper(row, column);
            lastWidth = cell ? cell->width() : 0;
            if (cell)
                layOutCell(*cell, x, y);
            y += (cell ? cell->height() : 0) + gap;
        }
        x += lastWidth + gap;
    }
}

void SKTTable::drawContentsInView(DrawingView& view, bool beingCreatedOrEdited)
{
    layOutCells();
    if (m_tableBackgroundImage)
        drawBackgroundPicture(view);
    bezierPathForDrawing(&view);

    const bool pictures = DataCentre::profile().tableImages;
    const std::shared_ptr<QTextDocument> edited = beingCreatedOrEdited ? grabCurrentTextStorage() : nullptr;
    for (int column = 0; column < numOfColumns(); ++column) {
        for (int row = 0; row < numOfRows(); ++row) {
            const std::shared_ptr<myTextView> cell = grabSelectedTableCellHelper(row, column);
            if (!cell)
                continue;
            const int x = cell->originX();
            const int y = cell->originY();
            if (cell->textStorage() && cell->textStorage() != edited)
                drawCellText(view, *cell, x, y);
            if (cell->selected())
                Drawing::drawPictureUpright(
                    view, QRectF(QPointF(x + cell->width() - kCheckSize.width(), y), kCheckSize),
                    checkIcon());
            if (pictures)
                drawCellPictures(view, *cell, row, column);
        }
    }
}

QWidget* SKTTable::newEditingViewWithSuperviewBounds(const QRectF& superviewBounds)
{
    TextEditorFactory* factory = TextEditorFactory::current();
    const std::shared_ptr<QTextDocument> storage = grabCurrentTextStorage();
    if (!factory || !storage || !selectable() || gridType() == kSection || gridType() == kSectionTemplate)
        return nullptr;
    const QPointF touch = getLastTouchPoint();
    const QRect cell = grabCurrentCellRect(touch.x(), touch.y());
    TextEditorGeometry geometry;
    geometry.frame = QRectF(cell);
    geometry.containerWidth = cell.width();
    geometry.minSize = QSizeF(cell.width(), 0);
    geometry.maxSize = QSizeF(cell.width(), superviewBounds.height() - cell.y());
    setSelectedTextStorage(storage);
    return factory->newEditor(*storage, geometry);
}

void SKTTable::finalizeEditingView(QWidget* editingView)
{
    if (TextEditorFactory* factory = TextEditorFactory::current(); factory && editingView)
        factory->finalizeEditor(editingView);
}
