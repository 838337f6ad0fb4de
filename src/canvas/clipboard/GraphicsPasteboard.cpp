#include "canvas/clipboard/GraphicsPasteboard.h"

#include "model/GraphicError.h"
#include "model/rendering/SKTRenderingView.h"

#include <QMimeData>
#include <QUrl>

#include <algorithm>

namespace GraphicsPasteboard {

namespace {

const QString kImageTypePrefix = QStringLiteral("image/");

QString plainText(const GraphicList& graphics)
{
    QStringList lines;
    for (const std::shared_ptr<SKTGraphic>& graphic : graphics) {
        const QString text = graphic->textString();
        if (!text.isEmpty())
            lines << text;
    }
    return lines.join(u'\n');
}

} // namespace

QMimeData* newMimeDataWithGraphics(const GraphicList& graphics)
{
    auto* data = new QMimeData;
    const QByteArray form = SKTGraphic::pasteboardDataWithGraphics(graphics);
    data->setData(QString(kTextBoxMimeType), form);
    data->setData(QString(kGraphicsMimeType), form);
    if (const QByteArray pdf = SKTRenderingView::pdfDataWithGraphics(graphics); !pdf.isEmpty())
        data->setData(QString(kPdfMimeType), pdf);
    GraphicError ignored;
    if (const QByteArray tiff = SKTRenderingView::tiffDataWithGraphics(graphics, &ignored); !tiff.isEmpty())
        data->setData(QString(kTiffMimeType), tiff);
    if (const QString text = plainText(graphics); !text.isEmpty())
        data->setText(text);
    return data;
}

Contents contentsOf(const QMimeData& data)
{
    if (data.hasFormat(QString(kGraphicsMimeType)))
        return Contents::Graphics;
    if (data.hasUrls())
        return Contents::FileNames;
    return Contents::Other;
}

QByteArray graphicsData(const QMimeData& data)
{
    return data.data(QString(kGraphicsMimeType));
}

QStringList fileNames(const QMimeData& data)
{
    QStringList names;
    for (const QUrl& url : data.urls()) {
        if (url.isLocalFile())
            names << url.toLocalFile();
    }
    return names;
}

bool offersImage(const QMimeData& data)
{
    if (data.hasImage())
        return true;
    const QStringList formats = data.formats();
    return std::any_of(formats.cbegin(), formats.cend(),
                       [](const QString& format) { return format.startsWith(kImageTypePrefix); });
}

QImage image(const QMimeData& data)
{
    if (data.hasImage()) {
        const QImage picture = qvariant_cast<QImage>(data.imageData());
        if (!picture.isNull())
            return picture;
    }
    for (const QString& format : data.formats()) {
        if (!format.startsWith(kImageTypePrefix))
            continue;
        const QImage picture = QImage::fromData(data.data(format));
        if (!picture.isNull())
            return picture;
    }
    return {};
}

} // namespace GraphicsPasteboard
