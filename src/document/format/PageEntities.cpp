#include "document/format/PageEntities.h"

namespace {

// The replacements in the order they are made.
const struct {
    char16_t character;
    const char* replacement;
} kTypographic[] = {
    {u'\u00A9', "&copy;"}, {u'\u00AE', "&reg;"}, {u'\u2019', "'"},      {u'\u2014', "-"},
    {u'\u2018', "'"},      {u'\u201C', "\""},    {u'\u201D', "\""},     {u'\u00A3', "&pound;"},
    {u'\u00A2', "&cent;"}, {u'\u00A5', "&yen;"}, {u'\u20AC', "&euro;"}, {u'\u00BF', "&iquest;"},
};

// "&amp;" is not among them: it is turned back after every other entity.
const struct {
    char16_t character;
    const char* entity;
} kMarkup[] = {{u'<', "&lt;"}, {u'>', "&gt;"}, {u'"', "&quot;"}};

} // namespace

namespace PageEntities {

QString withEntities(QString page)
{
    for (const auto& entity : kTypographic)
        page.replace(QChar(entity.character), QString::fromUtf8(entity.replacement));
    return page;
}

QString decoded(QString text, bool markup)
{
    for (const auto& entity : kTypographic) {
        if (entity.replacement[0] == '&')
            text.replace(QLatin1String(entity.replacement), QChar(entity.character));
    }
    if (!markup)
        return text;
    for (const auto& entity : kMarkup)
        text.replace(QLatin1String(entity.entity), QChar(entity.character));
    return text.replace(QLatin1String("&amp;"), QLatin1String("&"));
}

} // namespace PageEntities
