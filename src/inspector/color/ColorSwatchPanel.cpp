#include "inspector/color/ColorSwatchPanel.h"

#include "platform/Bundle.h"
#include "profile/services/HexColor.h"
#include "window/pages/VelkNSButton.h"

#include <QPainter>

QImage clearGridImage(const QSize& size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    const QImage grid(Bundle::main().pathForResource(QStringLiteral("clearGrid"), QStringLiteral("png")));
    if (!grid.isNull()) {
        QPainter painter(&image);
        painter.fillRect(image.rect(), QBrush(grid));
    }
    return image;
}

int ColorSwatchPanel::rowCount(qsizetype entries)
{
    return int((entries + kSwatchesPerRow - 1) / kSwatchesPerRow);
}

ColorSwatchPanel::ColorSwatchPanel(const QStringList& palette, bool disableClear,
                                   const QString& currentColorString, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("colorPanelSelectorView"));
    setFixedSize(kSwatchSide * kSwatchesPerRow, kSwatchSide * rowCount(palette.size()));
    const QSize side(kSwatchSide, kSwatchSide);
    for (qsizetype i = 0; i < palette.size(); ++i) {
        auto* swatch = new VelkNSButton(this);
        swatch->setObjectName(QStringLiteral("colorSwatch%1").arg(i));
        swatch->setGeometry(QRect(QPoint(int(i % kSwatchesPerRow) * kSwatchSide,
                                         int(i / kSwatchesPerRow) * kSwatchSide),
                                  side));
        swatch->setButtonColorString(palette.at(i));
        swatch->setToolTip(palette.at(i));
        if (i == 0) {
            swatch->setImage(clearGridImage(side));
            swatch->setEnabled(!disableClear);
        } else {
            QImage filled(side, QImage::Format_ARGB32_Premultiplied);
            filled.fill(DataCentre::colorWithHexString(palette.at(i)));
            swatch->setImage(filled);
            swatch->setBorderFlag(palette.at(i) == currentColorString);
        }
        connect(swatch, &QAbstractButton::clicked, this, [this, swatch] { Q_EMIT colorPicked(swatch); });
        m_swatches.append(swatch);
    }
}

void ColorSwatchPanel::resetAllColorButtons()
{
    for (VelkNSButton* swatch : std::as_const(m_swatches))
        swatch->setBorderFlag(false);
}
