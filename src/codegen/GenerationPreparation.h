#pragma once

#include <QString>

class RecordBoxModel;
class SKTGraphic;

// Preparing elements for the generators.
namespace GenerationPreparation {

// A link as pages write it: white space and line ends trimmed at both ends, every blank as "%20", and only
// the part before its first line feed. An empty link stays empty.
QString verifyLink(const QString& link);

// Gives every padding and margin unit that is missing, empty or "(null)" the unit "%"; others are kept.
void settleMarginTypes(SKTGraphic& graphic);
void settleMarginTypes(RecordBoxModel& record);

// The same for graphics and element records alike; answers the element.
template <class Element> Element& populateTextViewMarginType(Element& element)
{
    settleMarginTypes(element);
    return element;
}

} // namespace GenerationPreparation
