#include "document/reading/RuleReading.h"

#include "codegen/CodeVocabulary.h"
#include "document/reading/FontAvailability.h"
#include "document/format/PageFileFormat.h"
#include "document/core/SKTDocument.h"
#include "model/records/RecordBoxModel.h"

namespace {

namespace P = PageFile::Property;

using IntSetter = void (RecordBoxModel::*)(int);
using TextSetter = void (RecordBoxModel::*)(QString);
using LevelSetter = void (RecordBoxLevels::*)(QString);

// Sides in the order of the property-name tables: top, bottom, left, right padding, then the margins.
const IntSetter kValueSetters[] = {&RecordBoxModel::setTopPadding,  &RecordBoxModel::setBottomPadding,
                                   &RecordBoxModel::setLeftPadding, &RecordBoxModel::setRightPadding,
                                   &RecordBoxModel::setTopMargin,   &RecordBoxModel::setBottomMargin,
                                   &RecordBoxModel::setLeftMargin,  &RecordBoxModel::setRightMargin};
const TextSetter kUnitSetters[] = {&RecordBoxModel::setTopPaddingType,  &RecordBoxModel::setBottomPaddingType,
                                   &RecordBoxModel::setLeftPaddingType, &RecordBoxModel::setRightPaddingType,
                                   &RecordBoxModel::setTopMarginType,   &RecordBoxModel::setBottomMarginType,
                                   &RecordBoxModel::setLeftMarginType,  &RecordBoxModel::setRightMarginType};
const LevelSetter kLevelSetters[] = {
    &RecordBoxLevels::setTopPaddingLevelString,  &RecordBoxLevels::setBottomPaddingLevelString,
    &RecordBoxLevels::setLeftPaddingLevelString, &RecordBoxLevels::setRightPaddingLevelString,
    &RecordBoxLevels::setTopMarginLevelString,   &RecordBoxLevels::setBottomMarginLevelString,
    &RecordBoxLevels::setLeftMarginLevelString,  &RecordBoxLevels::setRightMarginLevelString};

static_assert(std::size(kValueSetters) == std::size(P::boxValues));
static_assert(std::size(kUnitSetters) == std::size(P::boxUnits));
static_assert(std::size(kLevelSetters) == std::size(P::boxLevels));

std::optional<QString> valueOfAny(const PageObjectRule& rule, const RuleReading::Names& names)
{
    for (const QLatin1StringView name : names) {
        if (std::optional<QString> value = rule.value(name))
            return value;
    }
    return std::nullopt;
}

} // namespace

namespace RuleReading {

int scrollFlagOf(const QString& position)
{
    return position == u"absolute" ? 0 : 1;
}

bool isDrawnBorderStyle(const QString& style)
{
    return style == u"solid" || style == u"dotted" || style == u"dashed";
}

QString defaultFontFamily()
{
    return QStringLiteral("Helvetica Neue");
}

QFont displayFont(SKTDocument& document, const QString& family, int size)
{
    QFont font;
    if (FontAvailability::isInstalled(family)) {
        font.setFamilies({family});
    } else {
        document.notSupportedFontSet().insert(family);
        font.setFamilies({defaultFontFamily()});
    }
    if (size > 0)
        font.setPixelSize(size);
    return font;
}

const Names& indentFlagNames()
{
    static const Names names = {P::indentFlag, CodeVocabulary::Css::indentFlag};
    return names;
}

const Names& shadowRadiusNames()
{
    static const Names names = {P::shadowRadius, CodeVocabulary::Css::shadowRadius};
    return names;
}

const Names& lineSpacingNames()
{
    static const Names names = {P::lineSpacingMultiple, CodeVocabulary::Css::lineMultiple};
    return names;
}

int integerOfAny(const PageObjectRule& rule, const Names& names, int fallback)
{
    const std::optional<QString> value = valueOfAny(rule, names);
    return value ? PageObjectRules::intOf(*value) : fallback;
}

float realOfAny(const PageObjectRule& rule, const Names& names, float fallback)
{
    const std::optional<QString> value = valueOfAny(rule, names);
    return value ? PageObjectRules::floatOf(*value) : fallback;
}

void readBoxModel(const PageObjectRule& rule, RecordBoxModel& box, const QString& unitDefault)
{
    // Each pointer is taken from its table before the call: GCC's bounds check misreads an index inside a
    // call through a member-function pointer.
    for (size_t side = 0; side < std::size(kValueSetters); ++side) {
        const IntSetter setValue = kValueSetters[side];
        const TextSetter setUnit = kUnitSetters[side];
        (box.*setValue)(rule.integer(P::boxValues[side], 0));
        (box.*setUnit)(rule.string(P::boxUnits[side], unitDefault));
    }
}

void readBoxLevels(const PageObjectRule& rule, RecordBoxLevels& levels)
{
    for (size_t side = 0; side < std::size(kLevelSetters); ++side) {
        const LevelSetter setLevel = kLevelSetters[side];
        (levels.*setLevel)(rule.string(P::boxLevels[side], QStringLiteral("None")));
    }
}

} // namespace RuleReading
