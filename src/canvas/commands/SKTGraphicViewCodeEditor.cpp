#include "canvas/view/SKTGraphicView.h"

#include "canvas/dialogs/CodeEditorWindowController.h"
#include "document/core/GraphicClasses.h"
#include "model/SKTText.h"
#include "model/text/TextStorage.h"
#include "profile/DataCentre.h"

#include <QPlainTextEdit>
#include <QPushButton>

namespace {

const QString kSnippetTextType = QStringLiteral("HTMLSnippet");

bool isSnippetBox(const SKTGraphic& graphic)
{
    return GraphicClasses::isKindOfClass(graphic, GraphicClasses::text) &&
           graphic.textType() == kSnippetTextType;
}

} // namespace

CodeEditorWindowController* SKTGraphicView::codeEditorWindowController() const
{
    return m_codeEditorWindowController;
}

std::shared_ptr<SKTGraphic> SKTGraphicView::codeEditorBox() const
{
    // The box the last menu validation chose for the editor.
    return DataCentre::profile().codeEditorForAllTextBoxes ? m_workingState.selectedTextbox
                                                           : m_workingState.selectedSnippet;
}

void SKTGraphicView::showCodeEditor()
{
    const std::shared_ptr<SKTGraphic> box = codeEditorBox();
    auto* text = dynamic_cast<SKTText*>(box.get());
    if (!text || !graphics().contains(box))
        return;
    if (!m_codeEditorWindowController) {
        m_codeEditorWindowController = new CodeEditorWindowController(this);
        connect(m_codeEditorWindowController->saveButton(), &QPushButton::clicked, this,
                &SKTGraphicView::saveCodeEditor);
    }
    // The editor stays with this box until it is opened again, whatever the menu picks meanwhile.
    m_codeEditorBox = box;
    CodeEditorWindowController& editor = *m_codeEditorWindowController;
    editor.setWindowTitle(tr("Code Editor"));
    editor.codeEditorTextView()->setPlainText(text->contents().string());
    editor.show();
    editor.raise();
    editor.activateWindow();
}

void SKTGraphicView::saveCodeEditor()
{
    if (!m_codeEditorWindowController)
        return;
    CodeEditorWindowController& editor = *m_codeEditorWindowController;
    editor.hide();
    const std::shared_ptr<SKTGraphic> box = m_codeEditorBox.lock();
    // A box that has left the page meanwhile keeps its text: nothing on the page changes.
    auto* text = dynamic_cast<SKTText*>(box.get());
    if (!text || !graphics().contains(box))
        return;
    // The new text takes the attributes the old one had at its start.
    text->contents().setString(editor.codeEditorTextView()->toPlainText());
}

// ---- Snippet formatting

void SKTGraphicView::applyHTMLSnippetFormattingOption()
{
    for (const std::shared_ptr<SKTGraphic>& graphic : selectedGraphics()) {
        if (isSnippetBox(*graphic) && !graphic->snippetFormatFlag())
            graphic->setSnippetFormatFlag(true);
    }
}

void SKTGraphicView::removeHTMLSnippetFormattingOption()
{
    for (const std::shared_ptr<SKTGraphic>& graphic : selectedGraphics()) {
        if (isSnippetBox(*graphic) && graphic->snippetFormatFlag())
            graphic->setSnippetFormatFlag(false);
    }
}
