#include "canvas/view/SKTGraphicView.h"

#include "canvas/factories/TextBoxArguments.h"
#include "profile/DataCentre.h"

// Text boxes holding the placeholders that a personalised print or mailing replaces with each contact's
// values.

namespace {

const QString kTagFamily = QStringLiteral("Helvetica Neue");
// Five lines; there is no country line.
const QString kFullAddress = QStringLiteral("[TITLE] [FIRST_NAME] [LAST_NAME]\n[JOB_TITLE]\n[COMPANY_NAME]\n"
                                            "[STREET]\n[CITY] [STATE] [ZIPCODE]");

TextBoxArguments tagBox(const QString& text, const QRectF& frame, int groupNumber)
{
    TextBoxArguments a;
    a.text = text;
    a.link = QStringLiteral("");
    a.frame = frame;
    a.groupNumber = groupNumber;
    a.font = QFont(kTagFamily);
    a.font.setPointSizeF(DataCentre::profile().defaultFontSize);
    return a;
}

void addTagInView(SKTGraphicView& canvas, const char* tag)
{
    const QPointF visible = canvas.visiblePageOrigin();
    canvas.addPersonalizationTag(QString::fromLatin1(tag),
                                 QPointF(int(visible.x() + 100), int(visible.y() + 100)));
}

} // namespace

void SKTGraphicView::addPersonalizationTag(const QString& tag, const QPointF& point)
{
    const int size = DataCentre::profile().defaultFontSize;
    const QRectF frame(int(point.x()) + 55, int(point.y()) + 10, 10 * size, 3 * size);
    addTextBox(tagBox(tag, frame, mutableGraphics().findNextGroupNumber()));
}

void SKTGraphicView::addPerson_FullAddress()
{
    const int size = DataCentre::profile().defaultFontSize;
    const QPointF visible = visiblePageOrigin();
    const QRectF frame(int(visible.x() + 10), int(visible.y() + 10), 20 * size, 7 * size);
    addTextBox(tagBox(kFullAddress, frame, mutableGraphics().findNextGroupNumber()));
}

void SKTGraphicView::addFullAddress_drag(const QPointF& point)
{
    const ProductProfile& profile = DataCentre::profile();
    TextBoxArguments a;
    a.text = kFullAddress;
    a.frame = QRectF(point.x(), point.y(), int(profile.canvasWidth * 0.75), int(profile.canvasHeight * 0.6));
    a.font = QFont(kTagFamily);
    a.font.setPointSizeF(int(float(profile.canvasWidth) / 500.0f * 18.0f));
    addTextBox(a);
}

void SKTGraphicView::addPerson_FirstName()
{
    addTagInView(*this, "[FIRST_NAME]");
}

void SKTGraphicView::addPerson_LastName()
{
    addTagInView(*this, "[LAST_NAME]");
}

void SKTGraphicView::addPerson_CompanyName()
{
    addTagInView(*this, "[COMPANY_NAME]");
}

void SKTGraphicView::addPerson_Title()
{
    addTagInView(*this, "[TITLE]");
}

void SKTGraphicView::addPerson_JobTitle()
{
    addTagInView(*this, "[JOB_TITLE]");
}

void SKTGraphicView::addPerson_Email()
{
    addTagInView(*this, "[EMAIL]");
}

void SKTGraphicView::addPerson_Phone()
{
    addTagInView(*this, "[PHONE]");
}

void SKTGraphicView::addPerson_Address_Street()
{
    addTagInView(*this, "[STREET]");
}

void SKTGraphicView::addPerson_Address_Country()
{
    addTagInView(*this, "[COUNTRY]");
}

void SKTGraphicView::addPerson_Address_City()
{
    addTagInView(*this, "[CITY]");
}

void SKTGraphicView::addPerson_Address_Zipcode()
{
    addTagInView(*this, "[ZIPCODE]");
}

void SKTGraphicView::addPerson_Address_State()
{
    addTagInView(*this, "[STATE]");
}
