#include "canvas/TextEditingView.h"

#include <QAbstractTextDocumentLayout>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

TextEditingView::TextEditingView(QTextDocument& document, const TextEditorGeometry& geometry, QWidget* parent)
    : QTextEdit(parent)
    , m_geometry(geometry)
{
    setDocument(&document);
    setAcceptRichText(false);
    setUndoRedoEnabled(true);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The text graphic paints the background itself.
    setAutoFillBackground(false);
    viewport()->setAutoFillBackground(false);
    setAttribute(Qt::WA_TranslucentBackground);
    viewport()->setAttribute(Qt::WA_TranslucentBackground);
    setLineWrapMode(QTextEdit::FixedPixelWidth);
    setLineWrapColumnOrWidth(int(geometry.containerWidth));
    setGeometry(geometry.frame.toAlignedRect());
    selectAll();
    connect(document.documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged, this,
            &TextEditingView::fitHeightToText);
    fitHeightToText();
}

void TextEditingView::fitHeightToText()
{
    if (!document() || !document()->documentLayout())
        return;
    const double textHeight = std::ceil(document()->documentLayout()->documentSize().height());
    const double height = std::clamp(textHeight, m_geometry.minSize.height(),
                                     std::max(m_geometry.minSize.height(), m_geometry.maxSize.height()));
    resize(width(), int(height));
}

void TextEditingView::detachDocument()
{
    if (QTextDocument* edited = document(); edited && edited->documentLayout())
        disconnect(edited->documentLayout(), nullptr, this, nullptr);
    // An empty document of the view's own takes the text's place.
    setDocument(nullptr);
}

QWidget* TextEditingViewFactory::newEditor(QTextDocument& document, const TextEditorGeometry& geometry)
{
    return new TextEditingView(document, geometry);
}

void TextEditingViewFactory::finalizeEditor(QWidget* editor)
{
    if (auto* view = qobject_cast<TextEditingView*>(editor))
        view->detachDocument();
}

void TextEditingViewFactory::install()
{
    static TextEditingViewFactory factory;
    TextEditorFactory::setCurrent(&factory);
}
