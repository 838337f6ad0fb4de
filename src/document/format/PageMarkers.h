#pragma once

#include "document/format/PageFileFormat.h"

#include <QString>

// Single facts read out of a page file, and single markers rewritten in it, without parsing the page.
// Paths are those of unpacked page files; their text is read and written by the PageText rule (ASCII, or
// UTF-16 with a byte-order mark). A file that cannot be read gives the readers' defaults and is never
// rewritten by the writers, which answer whether the file was rewritten.
namespace DataCentre {

// Readers of a page file.

// The whole text by the file's own encoding (byte-order mark, else UTF-8, else Latin-1); null when the
// file cannot be read.
QString grabSourceCode(const QString& path);
// The charset of the last Content-Type meta line; "UTF-8" when there is none.
QString grabEncodingType(const QString& path);
// The value of the last keywords (description) meta line; empty when there is none.
QString grabMetaKeywords(const QString& path);
QString grabMetaDescription(const QString& path);
// The lines of the page's custom-header block, joined with line feeds; empty when there is none.
QString grabCustomHeaderCode(const QString& path);
// The publish extension recorded in the trailer; empty when it is not recorded.
QString grabPublishExt(const QString& path);
bool isBootStrapBeingUsed(const QString& path);
bool grabBaseTemplateStatusFlag(const QString& path);
bool grabInheritMetadataFlag(const QString& path);
bool grabInheritCustomHeadercodeFlag(const QString& path);
bool grabRotateCanvas90Flag(const QString& path);
bool grabDuplicateBaseTemplateStatusFlag(const QString& path);

// Readers of page text in memory.

// The markers a page text holds, read from text the opener has in hand: the same facts as the readers of
// a page file above.
struct PageMarkerFlags {
    bool useBaseTemplate = false;
    bool inheritMetadata = false;
    bool inheritCustomHeaderCode = false;
    bool rotateCanvas90 = false;
    bool baseTemplateDuplicated = false;
    bool bootstrapUsed = false;
    // Empty when it is not recorded.
    QString publishExt;
};
PageMarkerFlags grabMarkerFlags(const QString& text);
bool grabCenterFlag(const QString& text);
bool grabManualPageWidthFlag(const QString& text);
// The text between the first `start` and the first `end` after it; empty when either is missing.
QString grabMiddleString(const QString& start, const QString& end, const QString& text);

// Writers of a page file.

// Replaces the first title marker wherever it stands on its line, or appends one as the new last line.
bool applyPageTitle(const QString& path, const QString& title);
// Replaces every line holding the publish-extension marker; adds nothing when there is none.
bool applyPublishingExt(const QString& path, const QString& extension);
// Flag 1 appends the marker on a line of its own (again, when it is there already); any other value
// removes every copy, leaving its line empty.
bool applyBaseTemplate(const QString& path, int flag);
bool applyInheritMetadata(const QString& path, int flag);
bool applyInheritCustomHeaderCode(const QString& path, int flag);
bool applyDuplicateBaseTemplateFlag(const QString& path, int flag);
// The file's text, two line feeds, then the given text.
bool appendStringToFile(const QString& path, const QString& text);

} // namespace DataCentre
