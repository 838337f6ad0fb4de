#include "canvas/view/SKTGraphicView.h"

#include "canvas/popovers/HyperLinkViewController.h"
#include "canvas/popovers/LayerArrangementViewController.h"
#include "canvas/popovers/PopoverTexts.h"
#include "canvas/popovers/TooltipViewController.h"
#include "canvas/popovers/VelkNSTextField.h"
#include "model/SKTImage.h"
#include "model/SKTSlideshow.h"
#include "model/SKTTable.h"
#include "model/SKTText.h"
#include "platform/SegmentedControl.h"
#include "profile/DataCentre.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

// The canvas's three small editors of one value of the selected objects: the tooltip of an image, the
// manual layer index of any object, and the link of a text box, image, table cell or slide.

namespace {

const QString kSelectPageTitle = QStringLiteral("---- Select a page within the website ----");
const QString kTextType = QStringLiteral("Text");
const QString kSnippetTextType = QStringLiteral("HTMLSnippet");
const QString kSectionGridType = QStringLiteral("section");

constexpr QSize kTooltipSize(448, 47);
constexpr QSize kLayerIndexSize(189, 59);
constexpr QSize kLinkSize(507, 160);
constexpr QSize kLinkSizeWithOnClickFields(507, 260);

template <class Kind> Kind* as(const std::shared_ptr<SKTGraphic>& graphic)
{
    return dynamic_cast<Kind*>(graphic.get());
}

void showWidgets(std::initializer_list<QWidget*> widgets, bool visible)
{
    for (QWidget* widget : widgets)
        widget->setVisible(visible);
}

// A line of a popover's field before its first line feed, written back into the field.
QString firstLineOf(QLineEdit& field)
{
    field.setText(PopoverTexts::firstLine(field.text()));
    return field.text();
}

} // namespace

void SKTGraphicView::showInVelkPopOver(QWidget* content)
{
    if (m_velkPopOver)
        m_velkPopOver->close();
    delete m_velkPopOver;
    m_velkPopOver = new Popover(this);
    m_velkPopOver->setObjectName(QStringLiteral("velkPopOver"));
    const GraphicList selection = selectedGraphics();
    const QRectF anchor = selection.isEmpty() ? QRectF() : selection.first()->bounds();
    m_velkPopOver->showContent(content, *this, canvasTransform().mapRect(anchor).toAlignedRect());
}

TooltipViewController* SKTGraphicView::tooltipViewController() const
{
    return m_tooltipViewController;
}

LayerArrangementViewController* SKTGraphicView::layerArrangementViewController() const
{
    return m_layerArrangementViewController;
}

HyperLinkViewController* SKTGraphicView::hyperLinkViewController() const
{
    return m_hyperLinkViewController;
}

std::shared_ptr<myTextView> SKTGraphicView::tableCellUnderTouch(const SKTGraphic& graphic) const
{
    const auto* table = dynamic_cast<const SKTTable*>(&graphic);
    if (!table)
        return nullptr;
    const QPointF touch = m_lastTouchPoint;
    return table->grabSelectedTableCellHelper(table->grabRowSpot(touch.x(), touch.y()),
                                              table->grabColumnSpot(touch.x(), touch.y()));
}

// ---- Tooltip

bool SKTGraphicView::tooltipShown()
{
    if (DataCentre::profile().hideTooltipControls)
        return false;
    CanvasWorkingState& w = m_workingState;
    w.existingTooltip = QString();
    const GraphicList selection = selectedGraphics();
    if (selection.size() != 1 || !as<SKTImage>(selection.first()))
        return false;
    w.existingTooltip = selection.first()->altText();
    return true;
}

void SKTGraphicView::applyTooltip()
{
    auto* controller = new TooltipViewController;
    controller->setFixedSize(kTooltipSize);
    m_tooltipViewController = controller;
    controller->tooltipTextbox()->setText(m_workingState.existingTooltip);
    connect(controller->saveButton(), &QPushButton::clicked, this, &SKTGraphicView::saveTooltip);
    showInVelkPopOver(controller);
}

void SKTGraphicView::saveTooltip()
{
    if (TooltipViewController* controller = m_tooltipViewController) {
        const QString text = firstLineOf(*controller->tooltipTextbox());
        for (const std::shared_ptr<SKTGraphic>& graphic : selectedGraphics()) {
            if (as<SKTImage>(graphic))
                graphic->setAltText(text);
        }
    }
    if (m_velkPopOver)
        m_velkPopOver->close();
}

// ---- Manual layer index

bool SKTGraphicView::manualLayerIndexShown()
{
    CanvasWorkingState& w = m_workingState;
    w.existingZIndex = QString();
    const GraphicList selection = selectedGraphics();
    if (selection.isEmpty())
        return false;
    if (const int index = selection.first()->manualLayerIndex(); index != 0)
        w.existingZIndex = QString::number(index);
    return true;
}

void SKTGraphicView::applyLayerIndex()
{
    auto* controller = new LayerArrangementViewController;
    controller->setFixedSize(kLayerIndexSize);
    m_layerArrangementViewController = controller;
    controller->zindexTextbox()->setText(m_workingState.existingZIndex);
    connect(controller->saveButton(), &QPushButton::clicked, this, &SKTGraphicView::saveLayerIndex);
    showInVelkPopOver(controller);
}

void SKTGraphicView::saveLayerIndex()
{
    if (LayerArrangementViewController* controller = m_layerArrangementViewController) {
        const int index = PopoverTexts::integerValue(firstLineOf(*controller->zindexTextbox()));
        for (const std::shared_ptr<SKTGraphic>& graphic : selectedGraphics())
            graphic->setManualLayerIndex(index);
    }
    if (m_velkPopOver)
        m_velkPopOver->close();
}

bool SKTGraphicView::removeManualLayerIndexShown() const
{
    const GraphicList selection = selectedGraphics();
    return std::any_of(selection.cbegin(), selection.cend(),
                       [](const std::shared_ptr<SKTGraphic>& g) { return g->manualLayerIndex() != 0; });
}

void SKTGraphicView::removeManualLayerIndex()
{
    for (const std::shared_ptr<SKTGraphic>& graphic : selectedGraphics())
        graphic->setManualLayerIndex(0);
}

// ---- Link

bool SKTGraphicView::linkShown()
{
    const ProductProfile& profile = DataCentre::profile();
    const GraphicList selection = selectedGraphics();
    if (profile.hideLinkControls || selection.size() != 1)
        return false;
    const std::shared_ptr<SKTGraphic>& graphic = selection.first();
    CanvasWorkingState& w = m_workingState;
    const auto collect = [&w](const auto& from) {
        w.existingHyperLink = from.link();
        w.existingOnClickHideString = from.onClickHideString();
        w.existingOnClickShowString = from.onClickShowString();
    };
    if (as<SKTText>(graphic)) {
        const bool formattedSnippet = graphic->textType() == kSnippetTextType &&
                                      graphic->snippetFormatFlag() && profile.responsiveDesign;
        if (graphic->textType() != kTextType && !formattedSnippet)
            return false;
        collect(*graphic);
        return true;
    }
    if (as<SKTImage>(graphic)) {
        w.existingHyperLink = graphic->link();
        return true;
    }
    if (as<SKTTable>(graphic)) {
        // Without a cell under the click the popover opens empty, and saving changes nothing.
        if (const std::shared_ptr<myTextView> cell = tableCellUnderTouch(*graphic)) {
            collect(*cell);
        } else {
            w.existingHyperLink.clear();
            w.existingOnClickHideString.clear();
            w.existingOnClickShowString.clear();
        }
        return graphic->gridType() != kSectionGridType;
    }
    return false;
}

void SKTGraphicView::applyLinkPopOver()
{
    const ProductProfile& profile = DataCentre::profile();
    const bool onClickFields = profile.responsiveDesign && !profile.inlineStyleCode;
    auto* controller = new HyperLinkViewController;
    controller->setFixedSize(onClickFields ? kLinkSizeWithOnClickFields : kLinkSize);
    controller->setOnClickFieldsVisible(onClickFields);
    m_hyperLinkViewController = controller;
    connect(controller->saveLinkButton(), &QPushButton::clicked, this, &SKTGraphicView::saveLink);

    const CanvasWorkingState& w = m_workingState;
    controller->linkTextbox()->setText(w.existingHyperLink);
    controller->onClickShowTextField()->setText(w.existingOnClickShowString);
    controller->onClickHideTextField()->setText(w.existingOnClickHideString);

    QComboBox* pages = controller->selectPagePopButton();
    pages->clear();
    connect(pages, &QComboBox::activated, this, &SKTGraphicView::updateHyperLink);

    // The controls start from the object's own link kind and window, so saving keeps them.
    const GraphicList selection = selectedGraphics();
    const std::shared_ptr<SKTGraphic> first = selection.value(0);
    SegmentedControl* kind = controller->linkTypeSegmentedControl();
    SegmentedControl* window = controller->linkOptionSegmentedControl();
    const bool text = first && as<SKTText>(first);
    const bool table = first && as<SKTTable>(first);
    const std::shared_ptr<myTextView> cell = table ? tableCellUnderTouch(*first) : nullptr;
    showWidgets({kind, controller->applyLinkTextLabel()}, text || table);
    if (first && as<SKTSlideshow>(first))
        showWidgets({window, controller->linkOptionTextLabel()}, false);
    if (text) {
        kind->setSelectedSegment(PopoverTexts::linkKindSegment(first->linkType()));
        window->setSelectedSegment(PopoverTexts::windowOptionSegment(first->linkOption()));
    } else if (cell) {
        kind->setSelectedSegment(PopoverTexts::linkKindSegment(cell->linkType()));
        window->setSelectedSegment(PopoverTexts::windowOptionSegment(cell->linkOption()));
    } else if (table) {
        kind->setSelectedSegment(PopoverTexts::linkKindSegment(QString()));
    } else if (first && as<SKTImage>(first)) {
        window->setSelectedSegment(PopoverTexts::windowOptionSegment(first->linkOption()));
    }

    pages->addItem(kSelectPageTitle);
    const SitePageList sitePages = this->sitePages();
    for (const SitePage& page : sitePages)
        pages->addItem(page.pagePublishFileName);
    pages->setCurrentIndex(0);
    pages->setVisible(!sitePages.isEmpty());

    if (profile.hideLinkToPage)
        showWidgets(
            {pages, kind, controller->applyLinkTextLabel(), window, controller->linkOptionTextLabel()},
            false);
    showInVelkPopOver(controller);
}

void SKTGraphicView::updateHyperLink()
{
    HyperLinkViewController* controller = m_hyperLinkViewController;
    if (!controller)
        return;
    const QString title = controller->selectPagePopButton()->currentText();
    if (title != kSelectPageTitle)
        controller->linkTextbox()->setText(title);
}

void SKTGraphicView::saveLink()
{
    if (HyperLinkViewController* controller = m_hyperLinkViewController) {
        controller->linkTextbox()->setText(PopoverTexts::normalizedLink(controller->linkTextbox()->text()));
        const QString link = controller->linkTextbox()->text();
        const QString window =
            PopoverTexts::windowOptionWord(controller->linkOptionSegmentedControl()->selectedSegment());
        const QString kind =
            PopoverTexts::linkKindWord(controller->linkTypeSegmentedControl()->selectedSegment());
        const QString show = controller->onClickShowTextField()->text();
        const QString hide = controller->onClickHideTextField()->text();
        for (const std::shared_ptr<SKTGraphic>& graphic : selectedGraphics()) {
            if (as<SKTText>(graphic)) {
                graphic->setLink(link);
                graphic->setLinkOption(window);
                graphic->setLinkType(kind);
                graphic->setOnClickShowString(show);
                graphic->setOnClickHideString(hide);
            } else if (as<SKTImage>(graphic)) {
                graphic->setLink(link);
                graphic->setLinkOption(window);
            } else if (const auto* table = as<SKTTable>(graphic)) {
                const std::shared_ptr<myTextView> cell = tableCellUnderTouch(*table);
                if (!cell)
                    continue;
                cell->setLink(link);
                cell->setOnClickShowString(show);
                cell->setOnClickHideString(hide);
                if (const std::shared_ptr<TransformView> picture =
                        table->grabSelectedImageAtSpot(cell->rowSpot(), cell->columnSpot()))
                    picture->setLink(link);
                cell->setLinkOption(window);
                cell->setLinkType(kind);
            } else if (as<SKTSlideshow>(graphic)) {
                if (const auto* slideshow = as<SKTSlideshow>(m_workingState.selectedSlideshow)) {
                    if (const std::shared_ptr<TransformView> slide =
                            slideshow->imageArray().value(slideshow->currentImageIndex()))
                        slide->setLink(link);
                }
            }
        }
    }
    if (m_velkPopOver)
        m_velkPopOver->close();
}
