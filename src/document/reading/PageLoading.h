#pragma once

#include "document/format/PageObjectRules.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class SKTDocument;
class myTextView;
using myTextViewList = QList<std::shared_ptr<myTextView>>;

// One reading of a page text into element records, in the loader's steps: the page settings of the head
// and trailer, the object rules of the style part, then the contents, links and image links of the body.
struct PageLoad {
    SKTDocument& document;
    QString pageName;
    QString pagePath;
    // The page takes its canvas-wide settings (centring, width, background) from its own text, not from
    // the site's base template.
    bool ownSettings = true;
    bool formPage = false;
    // A background picture was read for the page: its colour then stays.
    bool backgroundImageRead = false;
};

namespace PageLoading {

// The page's lines, every form of line break counted as one.
QStringList pageLines(const QString& text);

// The style part: object rules and the head's meta lines, each line as the scanner meets it.
void readStylePart(PageLoad& load, const QString& stylePart);
// The legacy tables and cells of the profile products; the cells go to `cells`.
void readOldTables(PageLoad& load, const QString& stylePart, myTextViewList& cells);
// The page's own background picture from its page folder.
void readBackgroundImage(PageLoad& load);

// The body part: snippet code, the page colour, text contents and links, old cells and image links.
void readBodyPart(PageLoad& load, const QString& bodyPart, const myTextViewList& cells);

} // namespace PageLoading
