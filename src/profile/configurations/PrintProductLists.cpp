#include "profile/configurations/PrintProductLists.h"

#include "profile/print/PrintCanvas.h"

namespace Configurations {

std::shared_ptr<LabelTemplateHelper> sheetTemplate(const char* description, const char* paperSize)
{
    auto entry = std::make_shared<LabelTemplateHelper>();
    entry->setBrand(QStringLiteral(""));
    entry->setTemplateNumber(QStringLiteral(""));
    entry->setPaperSize(QString::fromUtf8(paperSize));
    entry->setTemplateDescription(QString::fromUtf8(description));
    return entry;
}

void applySelectedPrintSheet(ProductProfile& profile)
{
    DataCentre::resetPrintCanvas(DataCentre::grabLabelHelper(profile.selectedPrintSheet));
}

QStringList personalMergeTags(const ProductProfile&)
{
    return {"[FIRST_NAME]", "[LAST_NAME]", "[TITLE]",   "[JOB_TITLE]", "[STREET]", "[CITY]",
            "[STATE]",      "[ZIPCODE]",   "[COUNTRY]", "[EMAIL]",     "[PHONE]"};
}

QStringList personalAndCompanyMergeTags(const ProductProfile& profile)
{
    return personalMergeTags(profile) << QStringLiteral("[COMPANY_NAME]");
}

QStringList decorativeTextStyleFonts(const ProductProfile&)
{
    return {"Marlett",  "Impact",    "Noteworthy",         "Stencil", "Caflisch Script Pro",
            "Heiti TC", "Phosphate", "Nanum Brush Script", "PilGi",   "Rosewood Std"};
}

QStringList fennickTextStyleFonts(const ProductProfile&)
{
    return {"Helvetica Neue", "Helvetica Neue", "Impact", "Impact",    "Heiti TC",
            "Heiti TC",       "Futura",         "Futura", "Gill Sans", "Gill Sans"};
}

void useUsLetterLandscapeTemplate(ProductProfile& profile)
{
    profile.defaultLabelTemplate = sheetTemplate("US Letter - Landscape", "na-letter");
}

} // namespace Configurations
