#include "canvas/view/SKTGraphicView.h"

#include "canvas/commands/StylePaste.h"
#include "model/SKTTable.h"
#include "model/SKTText.h"

// Style copy and paste: a text box or a table is remembered as the style source of its kind, and its look
// is carried onto the selected objects of that kind. The sources are the live objects, so a paste carries
// the look they have at that moment.

namespace {

template <class Kind> bool holds(const GraphicList& graphics)
{
    return std::any_of(graphics.cbegin(), graphics.cend(),
                       [](const std::shared_ptr<SKTGraphic>& g) { return dynamic_cast<Kind*>(g.get()); });
}

} // namespace

bool SKTGraphicView::grabCopyStyleShown() const
{
    const GraphicList selection = selectedGraphics();
    return selection.size() == 1 && (dynamic_cast<SKTText*>(selection.first().get()) ||
                                     dynamic_cast<SKTTable*>(selection.first().get()));
}

bool SKTGraphicView::applyPasteStyleShown() const
{
    const GraphicList selection = selectedGraphics();
    const CanvasWorkingState& w = m_workingState;
    return !selection.isEmpty() &&
           ((w.styleTextbox && holds<SKTText>(selection)) || (w.styleTable && holds<SKTTable>(selection)));
}

void SKTGraphicView::grabCopyStyle()
{
    CanvasWorkingState& w = m_workingState;
    for (const std::shared_ptr<SKTGraphic>& graphic : selectedGraphics()) {
        if (dynamic_cast<SKTText*>(graphic.get()))
            w.styleTextbox = graphic;
        else if (dynamic_cast<SKTTable*>(graphic.get()))
            w.styleTable = graphic;
    }
}

void SKTGraphicView::applyPasteStyle()
{
    const CanvasWorkingState& w = m_workingState;
    const auto* textSource = dynamic_cast<const SKTText*>(w.styleTextbox.get());
    const auto* tableSource = dynamic_cast<const SKTTable*>(w.styleTable.get());
    for (const std::shared_ptr<SKTGraphic>& graphic : selectedGraphics()) {
        // A source pasted onto itself already has its style; re-applying it would only flatten its text.
        if (auto* text = dynamic_cast<SKTText*>(graphic.get()); text && textSource && text != textSource) {
            StylePaste::copyTextBoxStyle(*text, *textSource);
            text->refreshStyle();
        } else if (auto* table = dynamic_cast<SKTTable*>(graphic.get());
                   table && tableSource && table != tableSource) {
            StylePaste::copyTableStyle(*table, *tableSource);
            table->refreshLayout();
        }
    }
}
