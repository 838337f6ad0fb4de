#include "model/SKTText.h"

#include "model/text/TextEditorFactory.h"
#include "model/text/TextStorage.h"
#include "profile/DataCentre.h"

#include <QStringList>

namespace {

// Form fields are filled in on the page, not edited on the canvas.
bool isFormField(const QString& formType)
{
    static const QStringList fields = {QStringLiteral("text"), QStringLiteral("textarea"),
                                       QStringLiteral("checkbox"), QStringLiteral("radio")};
    return fields.contains(formType);
}

// The label of the bot checker's question keeps its fixed text.
constexpr int kBotCheckerOptionTag = -22;

} // namespace

bool SKTText::isEditableInPlace() const
{
    if (!selectable() || zoomBubbleFlag() == 1 || isFormField(formType()))
        return false;
    return !(formType() == QLatin1String("textLabel") && formOptionTag() == kBotCheckerOptionTag);
}

TextEditorGeometry SKTText::editingGeometry(const QRectF& superviewBounds)
{
    drawBoxModel();
    const QRectF content = contentRect();
    TextEditorGeometry geometry;
    geometry.frame = content;
    geometry.containerWidth = content.width();
    if (DataCentre::profile().cornerTextInset) {
        const int inset = textCornerInset();
        geometry.frame = bounds().adjusted(inset, inset, -inset, -inset);
    }
    geometry.minSize = QSizeF(content.width(), 0);
    geometry.maxSize = QSizeF(content.width(), superviewBounds.height() - bounds().y());
    return geometry;
}

QWidget* SKTText::newEditingViewWithSuperviewBounds(const QRectF& superviewBounds)
{
    TextEditorFactory* factory = TextEditorFactory::current();
    if (!factory || !isEditableInPlace())
        return nullptr;
    return factory->newEditor(contents().document(), editingGeometry(superviewBounds));
}

void SKTText::finalizeEditingView(QWidget* editingView)
{
    if (TextEditorFactory* factory = TextEditorFactory::current(); factory && editingView)
        factory->finalizeEditor(editingView);
}
