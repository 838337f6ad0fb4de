#include "document/core/SKTDocument.h"

#include "platform/Alert.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {

SKTDocument::SourceCodeViewerFactory& viewerFactory()
{
    static SKTDocument::SourceCodeViewerFactory factory;
    return factory;
}

// The flag under which the page is written as for publishing.
constexpr int kPublishingUpload = 999;

} // namespace

void SKTDocument::setSourceCodeViewerFactory(SourceCodeViewerFactory factory)
{
    viewerFactory() = std::move(factory);
}

QString SKTDocument::showSourceCode(bool responsiveOutput)
{
    setFTPUploadFlag(kPublishingUpload);
    if (pageName().isEmpty())
        setPageName(createFileName());
    const QString source = generateSourceCode(pageName(), responsiveOutput ? 1 : 0);
    setFTPUploadFlag(0);
    if (!m_sourceCodeController && viewerFactory())
        m_sourceCodeController = viewerFactory()(*this);
    if (m_sourceCodeController)
        m_sourceCodeController->showCode(QStringLiteral("Source Code"), source);
    return source;
}

void SKTDocument::grabSourceCode()
{
    if (!m_sourceCodeController)
        return;
    QGuiApplication::clipboard()->setText(m_sourceCodeController->code());
    Alert::show(QStringLiteral("Copied to Clipboard"));
}
