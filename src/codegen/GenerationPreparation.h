#pragma once

#include <QString>

// Preparing elements for the generators.
namespace GenerationPreparation {

// A link as pages write it: white space and line ends trimmed at both ends, every blank as "%20", and only
// the part before its first line feed. An empty link stays empty.
QString verifyLink(const QString& link);

// Gives every padding and margin unit that is missing, empty or "(null)" the unit "%"; others are kept.
// Works on graphics and on element records alike and answers the element.
template <class Element> Element& populateTextViewMarginType(Element& element)
{
    using Getter = QString (Element::*)() const;
    using Setter = void (Element::*)(QString);
    struct Unit {
        Getter get;
        Setter set;
    };
    const Unit units[] = {
        {&Element::topPaddingType, &Element::setTopPaddingType},
        {&Element::bottomPaddingType, &Element::setBottomPaddingType},
        {&Element::leftPaddingType, &Element::setLeftPaddingType},
        {&Element::rightPaddingType, &Element::setRightPaddingType},
        {&Element::topMarginType, &Element::setTopMarginType},
        {&Element::bottomMarginType, &Element::setBottomMarginType},
        {&Element::leftMarginType, &Element::setLeftMarginType},
        {&Element::rightMarginType, &Element::setRightMarginType},
    };
    for (const Unit& unit : units) {
        const QString value = (element.*unit.get)();
        if (value.isEmpty() || value == QLatin1String("(null)"))
            (element.*unit.set)(QStringLiteral("%"));
    }
    return element;
}

} // namespace GenerationPreparation
