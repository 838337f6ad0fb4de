#pragma once

#include "codegen/CodeWidgetHelper.h"
#include "codegen/FormSortHelper.h"
#include "codegen/PageCodeContext.h"
#include "document/writing/PageImage.h"
#include "model/SKTGraphic.h"

#include <QHash>
#include <QString>

class SKTDocument;
class myTextView;

// The objects of one page generation sorted by what they become, rebuilt empty at the start of every run
// and left in the document afterwards for the save, image and mail code.
struct PageWorkLists {
    GraphicList textViewArray;    // text boxes of type "Text"
    PageImageList imageViewArray; // images, then the pictures of slideshows and galleries
    GraphicList htmlSnippetArray; // text boxes of type "HTMLSnippet"
    GraphicList slideshowArray;
    GraphicList galleryArray;
    GraphicList tableArray;
    GraphicList lineArray;
    // The code records the responsive page is arranged from.
    QList<CodeWidgetHelper> sourceCodeArray;
    // Table cells are written as text boxes: the cell each such box of textViewArray or htmlSnippetArray
    // stands for.
    QHash<const SKTGraphic*, std::shared_ptr<myTextView>> tableCellOfBox;
    // Records that stand on the responsive page beside the arranged sections, in a section of their own.
    QList<CodeWidgetHelper> sectionRecordArray;
};

// The text of the page being built, by the place it takes in the page; empty, never none, while a kind
// writes nothing.
struct PagePieces {
    QString slideshowCss = QStringLiteral("");
    QString slideshowButtonCss = QStringLiteral("");
    QString slideshowScript = QStringLiteral("");
    QString slideshowBody = QStringLiteral("");
    QString galleryCss = QStringLiteral("");
    QString tableCss = QStringLiteral("");
    QString snippetCss = QStringLiteral("");
    QString snippetBody = QStringLiteral("");
    QString lineCss = QStringLiteral("");
    QString imageCss = QStringLiteral("");
    QString imageBody = QStringLiteral("");
    QString retinaCss = QStringLiteral("");
    QString textCss = QStringLiteral("");
    QString textBody = QStringLiteral("");
};

// What the fields of a form page give its form mail.
struct PageFormParts {
    // One record per field and label, in the order the text boxes are written.
    QList<FormSortHelper> fields;
    // The PHP lines that read the posted values, each once.
    QString reads = QStringLiteral("");
};

// One run of the page assembler: the document and the run's arguments, the rules every kind shares, and
// what the kinds write.
class PageAssembly {
public:
    PageAssembly(SKTDocument& document, const QString& pageName, bool publish);

    SKTDocument& document;
    const QString pageName;
    // The published page rather than the stored one.
    const bool publish;

    PageWorkLists lists;
    PagePieces pieces;
    PageFormParts form;

    // Published under the responsive designer: the page is rebuilt from section rows.
    bool responsiveOutput() const;
    // A web-form page, whose fields are form inputs mailed by the page's PHP.
    bool formPage() const;
    // The stacking number: the object's own layer when set, else the number of graphics less its place
    // in the list, so the front object is highest. An object outside the list counts as one beyond it.
    int layerOf(const SKTGraphic& graphic) const;
    int layerOfRecord(int manualLayerIndex) const;
    static QString positionOf(int scrollFlag);
    // The template name without its file extension, stored back; an object without one takes the page's
    // main template name.
    QString settleTemplateNameOrMain(SKTGraphic& graphic) const;
    // The folder images of the template name are found in, relative to the page file.
    QString imageFolderOf(const QString& templateName) const;
    PageCodeContext codeContext() const;

    // A link as the page writes it: cleaned, and unable to end the attribute it stands in.
    static QString writtenLink(const QString& link);
    // A link that leads somewhere: neither missing, "(null)", empty nor "http://".
    static bool isLink(const QString& link);
    // A colour string written where a colour must stand: "CLEAR0", missing ones and texts that are no colour
    // string become "000000".
    static QString solidColor(const QString& colorString);
    // The colours of a graphic as colour strings; a graphic without a string of its own gives its colour.
    // Text and border colours are written solid, and a "CLEAR0" one is stored back as "000000". A text that
    // is no colour string is written as the default: black, or transparent for the background.
    static QString backgroundColorOf(const SKTGraphic& graphic); // "CLEAR0" when transparent
    static QString settleTextColor(SKTGraphic& graphic);
    static QString settleBorderColor(SKTGraphic& graphic);

private:
    GraphicList m_graphics;
};
