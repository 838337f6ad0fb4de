#include "canvas/view/SKTGraphicView.h"

#include "canvas/factories/TextBoxArguments.h"
#include "profile/DataCentre.h"
#include "profile/services/LibraryImages.h"

// Ready-made groups of a picture with text: the badges that link to the maker's site, and the profile card.

namespace {

// A neutral address of our own for the site the badges link to.
const QString kMakerSite = QStringLiteral("https://velk.example.com");
const QString kCardFamily = QStringLiteral("Helvetica Neue");
const QString kBadgeFamily = QStringLiteral("Actor");
const QString kCardText = QStringLiteral("First Name Last Name\nBirth Date\nLocation\nProfile Details");
constexpr int kCardPictureSide = 100;
constexpr int kBadgePictureSide = 50;

struct Badge {
    const char* text;
    int width;
};

constexpr Badge kBadges[] = {{"Made with HTML Velk Pro", 200},
                             {"Made on my Mac with Velk", 200},
                             {"Powered by Velk", 200},
                             {"Proudly web designed with Velk", 220}};

// A picture of nominal side N no wider than the product's limit (600 when it sets none): N by N, or the
// limit wide and N divided by the ratio held in single precision (so a limit of 39 gives 38 high).
QRectF pictureFrame(const QPointF& at, int side)
{
    int limit = DataCentre::profile().maxImportedImageWidth;
    if (limit == 0)
        limit = 600;
    if (side <= limit)
        return QRectF(at, QSizeF(side, side));
    const float ratio = float(side) / float(limit);
    return QRectF(at, QSizeF(limit, int(side / double(ratio))));
}

TextBoxArguments box(const QString& text, const QRectF& frame, int group, const QString& family)
{
    TextBoxArguments a;
    a.text = text;
    a.link = QStringLiteral("");
    a.frame = frame;
    a.groupNumber = group;
    a.font = QFont(family);
    a.font.setPointSizeF(15);
    return a;
}

void addPicture(SKTGraphicView& canvas, const char* name, const QPointF& at, const QString& link, int group,
                int side)
{
    const QImage picture = libraryBundleImage(QString::fromLatin1(name));
    canvas.addImageIntoArray(picture, QStringLiteral("PNG"), at, false, link, QSizeF(picture.size()), group,
                             QSizeF(side, side), 0, QStringLiteral("none"), QStringLiteral("FFFFFF"), 0, 0, 0,
                             QStringLiteral(""), pictureFrame(at, side));
}

void addBadge(SKTGraphicView& canvas, const Badge& badge, const QPointF& point)
{
    const QPointF at(int(point.x()), int(point.y()));
    const int group = canvas.mutableGraphics().findNextGroupNumber();
    TextBoxArguments text = box(QString::fromLatin1(badge.text), QRectF(at.x() + 55, at.y() + 10, badge.width, 40),
                                group, kBadgeFamily);
    text.link = kMakerSite;
    canvas.addTextBox(text);
    addPicture(canvas, "velk_pro_badge", at, kMakerSite, group, kBadgePictureSide);
}

void addBadgeAtInsertionPoint(SKTGraphicView& canvas, const Badge& badge)
{
    addBadge(canvas, badge, canvas.calculateOriginPoint());
}

} // namespace

void SKTGraphicView::addVelkLink_drag(const QPointF& point)
{
    addBadge(*this, kBadges[0], point);
}

void SKTGraphicView::addVelkLink()
{
    addBadgeAtInsertionPoint(*this, kBadges[0]);
}

void SKTGraphicView::addVelkLink2()
{
    addBadgeAtInsertionPoint(*this, kBadges[1]);
}

void SKTGraphicView::addVelkLink3()
{
    addBadgeAtInsertionPoint(*this, kBadges[2]);
}

void SKTGraphicView::addVelkLink4()
{
    addBadgeAtInsertionPoint(*this, kBadges[3]);
}

void SKTGraphicView::addIndividual_drag(const QPointF& point)
{
    const QPointF at(int(point.x()), int(point.y()));
    const int group = mutableGraphics().findNextGroupNumber();
    TextBoxArguments background = box(QStringLiteral(""), QRectF(at, QSizeF(300, 200)), group, kCardFamily);
    background.fillColor = QStringLiteral("FDF5E6");
    background.cornerRadius = 10;
    addTextBox(background);
    TextBoxArguments text = box(kCardText, QRectF(at.x() + 100, at.y(), 200, 200), group, kCardFamily);
    text.cornerRadius = 5;
    addTextBox(text);
    addPicture(*this, "person_contacts", at, QStringLiteral(""), group, kCardPictureSide);
}
