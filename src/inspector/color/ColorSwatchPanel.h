#pragma once

#include <QImage>
#include <QList>
#include <QSize>
#include <QStringList>
#include <QWidget>

class VelkNSButton;

// The grid of swatches the colour buttons open: one 20 x 20 swatch per palette entry, 20 to a row, the
// first entry being the transparent swatch whatever it holds. The swatch of the current colour string is
// marked; the transparent one is disabled where the target cannot be transparent.
class ColorSwatchPanel : public QWidget {
    Q_OBJECT

public:
    static constexpr int kSwatchSide = 20;
    static constexpr int kSwatchesPerRow = 20;

    ColorSwatchPanel(const QStringList& palette, bool disableClear, const QString& currentColorString,
                     QWidget* parent = nullptr);

    // Rows shown for a palette: every entry has a place, so a partial last row still shows.
    static int rowCount(qsizetype entries);

    // The swatches, in palette order.
    const QList<VelkNSButton*>& colorButtonMutableArray() const { return m_swatches; }
    // Unmarks every swatch.
    void resetAllColorButtons();

Q_SIGNALS:
    void colorPicked(VelkNSButton* swatch);

private:
    QList<VelkNSButton*> m_swatches;
};

// The picture of the transparent colour: the bundle's checkered grid, tiled over the size.
QImage clearGridImage(const QSize& size);
