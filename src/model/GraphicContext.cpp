#include "model/GraphicContext.h"

namespace {
GraphicContext* currentContext = nullptr;
}

GraphicContext::~GraphicContext()
{
    if (currentContext == this)
        currentContext = nullptr;
}

GraphicContext* GraphicContext::current()
{
    return currentContext;
}

void GraphicContext::setCurrent(GraphicContext* context)
{
    currentContext = context;
}
