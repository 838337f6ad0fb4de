#pragma once

#include <QString>

#include <memory>

class GalleryGridView;
class LineView;
class OuterSlideShow;
class PageObjectRule;
class SKTDocument;
class TableGridView;
class TransformView;
class myTextView;

// One element record from one object rule of a stored page, per kind of rule. A rule without one of
// its kind's required properties throws PageReadError; every other property has its default.
namespace ObjectRuleReaders {

// `countSoFar` is the number of rules of the kind read before this one: a slideshow, gallery or table
// without its own number takes it.
std::shared_ptr<OuterSlideShow> readSlideshow(const PageObjectRule& rule, int countSoFar);
std::shared_ptr<GalleryGridView> readGalleryGrid(const PageObjectRule& rule, int countSoFar);
std::shared_ptr<TableGridView> readTableGrid(const PageObjectRule& rule, int countSoFar);
std::shared_ptr<LineView> readLine(const PageObjectRule& rule);
// With its picture (and mask) from the page folder of the page file, the picture still decoding on the
// pool; none when the rule names a picture file that is not a plain name and type in that folder.
std::shared_ptr<TransformView> readImage(const PageObjectRule& rule, const QString& pagePath);
// A formatted snippet is read as a text box; a plain one is shown as a grey box of code.
std::shared_ptr<myTextView> readSnippet(SKTDocument& document, const PageObjectRule& rule,
                                        const QString& pageName);
// A text box; on a form page (other than the base template) a form field of the rule's form type.
std::shared_ptr<myTextView> readText(SKTDocument& document, const PageObjectRule& rule,
                                     const QString& pageName, bool formPage);

// The tables and cells that the profile products wrote before table grids.
std::shared_ptr<TableGridView> readOldTable(const PageObjectRule& rule);
std::shared_ptr<myTextView> readOldTableCell(const PageObjectRule& rule);

} // namespace ObjectRuleReaders
