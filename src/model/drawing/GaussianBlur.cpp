#include "model/drawing/GaussianBlur.h"

#include <QImage>

#include <array>
#include <cmath>
#include <vector>

namespace Drawing {

namespace {

// Widths of three boxes whose repeated average approximates a Gaussian of deviation sigma.
std::array<int, 3> boxWidths(double sigma)
{
    const int passes = 3;
    const double ideal = std::sqrt(12.0 * sigma * sigma / passes + 1.0);
    int lower = int(std::floor(ideal));
    if (lower % 2 == 0)
        --lower;
    const int upper = lower + 2;
    const double m =
        std::round((12.0 * sigma * sigma - passes * lower * lower - 4.0 * passes * lower - 3.0 * passes) /
                   (-4.0 * lower - 4.0));
    std::array<int, 3> widths{};
    for (int i = 0; i < passes; ++i)
        widths[i] = i < m ? lower : upper;
    return widths;
}

// One box average of radius r along a run of `count` pixels, `stride` apart; outside pixels are clear.
void boxRun(QRgb* start, int count, int stride, int r, std::vector<QRgb>& scratch)
{
    scratch.resize(count);
    for (int i = 0; i < count; ++i)
        scratch[i] = start[i * stride];
    const int window = 2 * r + 1;
    long sum[4] = {0, 0, 0, 0};
    auto add = [&](int index, int sign) {
        if (index < 0 || index >= count)
            return;
        const QRgb p = scratch[index];
        sum[0] += sign * qAlpha(p);
        sum[1] += sign * qRed(p);
        sum[2] += sign * qGreen(p);
        sum[3] += sign * qBlue(p);
    };
    for (int i = -r; i < r; ++i)
        add(i, 1);
    for (int i = 0; i < count; ++i) {
        add(i + r, 1);
        start[i * stride] =
            qRgba(int(sum[1] / window), int(sum[2] / window), int(sum[3] / window), int(sum[0] / window));
        add(i - r, -1);
    }
}

} // namespace

void gaussianBlur(QImage& image, double sigma)
{
    if (sigma < 0.5 || image.isNull())
        return;
    if (image.format() != QImage::Format_ARGB32_Premultiplied)
        image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int width = image.width();
    const int height = image.height();
    const int stride = int(image.bytesPerLine() / sizeof(QRgb));
    auto* pixels = reinterpret_cast<QRgb*>(image.bits());
    std::vector<QRgb> scratch;
    for (int box : boxWidths(sigma)) {
        const int r = (box - 1) / 2;
        if (r <= 0)
            continue;
        for (int y = 0; y < height; ++y)
            boxRun(pixels + y * stride, width, 1, r, scratch);
        for (int x = 0; x < width; ++x)
            boxRun(pixels + x, height, stride, r, scratch);
    }
}

} // namespace Drawing
