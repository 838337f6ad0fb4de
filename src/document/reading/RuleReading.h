#pragma once

#include "document/format/PageFileFormat.h"
#include "document/format/PageObjectRules.h"
#include "model/NoNumber.h"

#include <QFont>
#include <QLatin1StringView>
#include <QList>
#include <QString>

class RecordBoxLevels;
class RecordBoxModel;
class SKTDocument;

// Readings that several kinds of object rule share.
namespace RuleReading {

using Names = QList<QLatin1StringView>;

// 0 for an element placed on the page ("absolute"), 1 for one fixed to the browser window.
int scrollFlagOf(const QString& position);
// "solid", "dotted" and "dashed" draw a line; any other style draws none and has no width.
bool isDrawnBorderStyle(const QString& style);

QString defaultFontFamily();
// The font a text element is shown in: its own family when this machine has it, else the default family,
// and then the family is listed once in the document's unsupported fonts. Sizes are pixels; 0 keeps the
// default size.
QFont displayFont(SKTDocument& document, const QString& family, int size);

// Properties that stored pages carry under two names: the page rule's name first, then the name of the
// responsive designer's snippet rules.
const Names& indentFlagNames();
const Names& shadowRadiusNames();
const Names& lineSpacingNames();
int integerOfAny(const PageObjectRule& rule, const Names& names, int fallback);
float realOfAny(const PageObjectRule& rule, const Names& names, float fallback);

// The eight padding and margin values (0 when missing) and their units.
void readBoxModel(const PageObjectRule& rule, RecordBoxModel& box, const QString& unitDefault);
// The eight level names ("None" when missing).
void readBoxLevels(const PageObjectRule& rule, RecordBoxLevels& levels);

// Responsive flags (0 when missing) and the place in a section (-99 when missing).
template <class Record> void readResponsivePlace(const PageObjectRule& rule, Record& record)
{
    namespace P = PageFile::Property;
    record.setResponsiveResizeFlag(rule.integer(P::responsiveResizeFlag, 0));
    record.setResponsiveAlignment(rule.integer(P::responsiveAlignmentFlag, 0));
    record.setSectionNumber(rule.integer(P::sectionNumber, kNoNumber));
    record.setSectionRowSpot(rule.integer(P::sectionRowSpot, kNoNumber));
    record.setSectionColumnSpot(rule.integer(P::sectionColumnSpot, kNoNumber));
}

} // namespace RuleReading
