#include "platform/Workspace.h"

#include <QDesktopServices>

namespace {
Workspace::Responder& responder()
{
    static Workspace::Responder installed;
    return installed;
}
} // namespace

bool Workspace::openURL(const QUrl& url)
{
    if (responder())
        return responder()(url);
    return QDesktopServices::openUrl(url);
}

void Workspace::setResponder(Responder newResponder)
{
    responder() = std::move(newResponder);
}
