#include "codegen/ElementCodeParts.h"

#include "codegen/CodeTemplate.h"
#include "codegen/CodeText.h"
#include "profile/DataCentre.h"
#include "profile/services/WebFonts.h"

#include <algorithm>

using CodeTemplate::format;

namespace ElementCodeParts {

QString alignmentWord(Qt::Alignment alignment)
{
    if (alignment & Qt::AlignRight)
        return QStringLiteral("right");
    if (alignment & Qt::AlignHCenter)
        return QStringLiteral("center");
    if (alignment & Qt::AlignJustify)
        return QStringLiteral("justify");
    return QStringLiteral("left");
}

QString withoutPathExtension(const QString& name)
{
    const qsizetype slash = name.lastIndexOf(QLatin1Char('/'));
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot > slash + 1 ? name.left(dot) : name;
}

QString imageSource(const QString& folder, const QString& name, const char* variant, const QString& type)
{
    return CodeText::safeUrlPath(folder + QLatin1Char('/') + name + QLatin1String(variant) +
                                 QLatin1Char('.') + type);
}

QString companionRules(const CompanionRuleValues& values)
{
    // Colours that are no colour strings write the text black and no hover colour.
    CompanionRuleValues v = values;
    v.textColor = CodeText::safeColor(v.textColor, QStringLiteral("000000"));
    v.hoverColor = CodeText::safeColor(v.hoverColor, QString());
    v.hoverTextColor = CodeText::safeColor(v.hoverTextColor, QString());
    const QString& s = v.selector;
    const bool hover = !v.hoverColor.isEmpty();
    const bool hoverText = !v.hoverTextColor.isEmpty();
    QString keys;
    QString css;
    if (hover && hoverText) {
        keys = s + format("{hoverColor:%@;hoverTextColor:%@;}", {v.hoverColor, v.hoverTextColor});
        css = s + format(":hover{background-color:#%@;color:#%@;}\n", {v.hoverColor, v.hoverTextColor});
    } else if (hover) {
        keys = s + format("{hoverColor:%@;}", {v.hoverColor});
        css = s + format(":hover{background-color:#%@;}\n", {v.hoverColor});
    } else if (hoverText) {
        keys = s + format("{hoverTextColor:%@;}", {v.hoverTextColor});
        css = s + format(":hover{color:#%@ !important;}\n", {v.hoverTextColor});
    }
    QString links =
        s + format(" a:link {text-decoration: none; color: #%@;font-weight:normal;}", {v.textColor});
    if (hoverText)
        links += s + format(" a:hover {text-decoration: none; color: #%@;font-weight:normal;}",
                            {v.hoverTextColor});
    const QString visited =
        s + format(" a:visited {text-decoration: none; color: #%@;font-weight:normal;formType:%@;formTag:%d;"
                   "formOptionTag:%d;formRequiredFlag:%d;}",
                   {v.textColor, CodeText::safeRuleText(v.formType), v.formTag, v.formOptionTag,
                    v.formRequiredFlag});
    return keys + links + visited + css;
}

RuleShadow ruleShadow(bool shown, double radius, double horizontalOffset, double verticalOffset)
{
    if (!shown)
        return {};
    RuleShadow shadow{1.0, std::max(radius, 1.0), horizontalOffset, verticalOffset, QString()};
    shadow.css = format("%dpx %dpx %fpx #000000",
                        {int(shadow.horizontalOffset), int(shadow.verticalOffset), shadow.radius});
    return shadow;
}

bool escapesTypedMarkup(bool publishing)
{
    const ProductProfile& profile = DataCentre::profile();
    return profile.responsiveDesign ? !publishing : !profile.htmlTextBoxes;
}

void markWebFontUsed(const QString& family)
{
    if (family.isEmpty())
        return;
    for (const std::shared_ptr<CustomFont>& font : DataCentre::webFontList()) {
        if (font && font->fontName() == family)
            font->setIsUsed(true);
    }
}

} // namespace ElementCodeParts
