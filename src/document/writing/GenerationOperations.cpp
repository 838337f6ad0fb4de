#include "codegen/GenerationPreparation.h"
#include "codegen/ImageElementCode.h"
#include "codegen/SnippetCode.h"
#include "codegen/TextElementCode.h"
#include "document/core/SKTDocument.h"
#include "document/writing/PageAssembly.h"
#include "document/writing/PageLibraries.h"
#include "model/SKTGalleryGrid.h"
#include "model/SKTSlideshow.h"
#include "model/SKTText.h"
#include "profile/ProductSelection.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QStringList kBackgroundFiles = {QStringLiteral("background"), QStringLiteral("background@2x"),
                                      QStringLiteral("backgroundo")};

TransformViewList picturesOf(const std::shared_ptr<SKTGraphic>& graphic)
{
    if (const auto* gallery = qobject_cast<const SKTGalleryGrid*>(graphic.get()))
        return gallery->imageArray();
    if (const auto* slideshow = qobject_cast<const SKTSlideshow*>(graphic.get()))
        return slideshow->imageArray();
    return {};
}

} // namespace

PageCodeContext SKTDocument::pageCodeContext() const
{
    PageCodeContext context;
    context.graphics = m_graphics;
    context.mainTemplateName = m_mainTemplateName;
    context.pageName = m_pageName;
    return context;
}

QString SKTDocument::verifyLink(const QString& link)
{
    return GenerationPreparation::verifyLink(link);
}

int SKTDocument::calculateNumOfLines(const QString& text)
{
    return TextElementCode::calculateNumOfLines(text);
}

CodeWidgetHelper SKTDocument::generateTextViewCodeStatic(SKTText& text, int elementNumber,
                                                         bool responsiveOutput)
{
    return TextElementCode::generateTextViewCodeStatic(text, elementNumber, responsiveOutput,
                                                       pageCodeContext());
}

CodeWidgetHelper SKTDocument::generateSnippetCode(SKTText& snippet)
{
    return SnippetCode::generateSnippetCode(snippet, pageCodeContext());
}

CodeWidgetHelper SKTDocument::generateImageCode(SKTGraphic& image, bool responsiveOutput)
{
    return ImageElementCode::generateImageCode(image, responsiveOutput, pageCodeContext());
}

void SKTDocument::populateGalleryImageDimensions()
{
    const GraphicList all = galleries();
    for (qsizetype i = 0; i < all.size(); ++i) {
        const SKTGraphic& gallery = *all.at(i);
        for (const std::shared_ptr<TransformView>& picture : picturesOf(all.at(i))) {
            picture->setGalleryNumber(int(all.size() - 1 - i));
            picture->setShadowFlag(RecordFlag(gallery.shadowFlag()));
            picture->setBackdropLightingFlag(gallery.backdropLightingFlag());
        }
    }
}

bool SKTDocument::needImagePopupScript() const
{
    for (const std::shared_ptr<SKTGraphic>& image : images()) {
        if (image->imageEnlargeFlag() == 1)
            return true;
    }
    GraphicList containers = slideshows();
    containers += galleries();
    for (const std::shared_ptr<SKTGraphic>& container : containers) {
        for (const std::shared_ptr<TransformView>& picture : picturesOf(container)) {
            if (picture->imageEnlargeFlag() == 1)
                return true;
        }
    }
    return false;
}

bool SKTDocument::isImageInUse(const QString& fileName, const QString& extension,
                               const PageImageList& images) const
{
    for (const PageImage& image : images) {
        const QString name = image.imageName();
        if (image.imageType() == extension && image.templateName() == m_pageName &&
            (name == fileName || name + QStringLiteral("@2x") == fileName || name + u'o' == fileName))
            return true;
        if (image.hasMask() && name + QStringLiteral("_mask") == fileName)
            return true;
    }
    return kBackgroundFiles.contains(fileName) && m_backgroundImageFlag > 0 &&
           (m_pageName == DataCentre::kBaseTemplateName || m_useBaseTemplateFlag == 0);
}

void SKTDocument::transferJquery()
{
    if (m_tempSavePathLocal.isEmpty())
        return;
    const QDir workFolder(m_tempSavePathLocal);
    for (const QString& name : PageLibraries::localNames()) {
        const QString target = workFolder.filePath(name);
        if (QFileInfo::exists(target))
            continue;
        const QString source = PageLibraries::sourceOf(name);
        if (source.isNull() || !QFile::copy(source, target))
            qWarning("%s could not be put beside the page", qPrintable(name));
    }
}
