#include "model/text/TextEditorFactory.h"

namespace {
TextEditorFactory* g_current = nullptr;
} // namespace

TextEditorFactory::~TextEditorFactory()
{
    if (g_current == this)
        g_current = nullptr;
}

TextEditorFactory* TextEditorFactory::current()
{
    return g_current;
}

void TextEditorFactory::setCurrent(TextEditorFactory* factory)
{
    g_current = factory;
}
