#pragma once

#include "document/core/DocumentResult.h"
#include "document/core/DocumentUndoManager.h"
#include "document/core/ImageFileLedger.h"
#include "document/core/PageCanvasState.h"
#include "document/core/SourceCodeViewer.h"
#include "model/GraphicContext.h"
#include "model/SKTGraphic.h"
#include "platform/Accessors.h"

#include <QColor>
#include <QHash>
#include <QImage>
#include <QMap>
#include <QObject>
#include <QPageLayout>
#include <QSet>
#include <QSizeF>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <set>

class CodeWidgetHelper;
class DocumentWindow;
class PageImage;
class SKTTable;
class SKTText;
struct PageCodeContext;
struct PageWorkLists;
using PageImageList = QList<PageImage>;
class LabelTemplateHelper;
class PageObjectRule;
class SKTMapTableOwner;
class TransformView;
class myTextView;
struct ImageAsset;
struct PageRecords;
struct SnippetTextContent;
using myTextViewList = QList<std::shared_ptr<myTextView>>;
using TransformViewList = QList<std::shared_ptr<TransformView>>;

// Positions in the graphics list, ascending.
using IndexSet = std::set<int>;
// A page's profile fields by key.
using ProfileDictionary = QMap<QString, QString>;

// The page's settings and working state: plain stored fields, X(type, getter, setter). Each starts empty,
// zero or off, except the page colour, which starts white.
#define SKT_DOCUMENT_FIELDS(X)                                                                               \
    /* Page identity and files */                                                                            \
    X(QString, pageName, setPageName)                                                                        \
    X(QString, pageOfficialName, setPageOfficialName)                                                        \
    X(QString, pageFileType, setPageFileType)           /* the product's document extension or "quarnel" */  \
    X(QString, pageFileExtension, setPageFileExtension) /* "html" or "php" */                                \
    X(QString, publishExt, setPublishExt)                                                                    \
    X(QString, pagePath, setPagePath)                   /* the page source file in the working folder */     \
    X(QString, tempSavePathLocal, setTempSavePathLocal) /* the folder the page's files are saved into */     \
    X(QString, openWebsiteFolderTempPath, setOpenWebsiteFolderTempPath)                                      \
    /* Set before opening a page of a website: it is read where it lies. The opening takes the folder */     \
    /* when the document has no window to ask, and clears it. */                                             \
    X(bool, openingFromWebsiteFlag, setOpeningFromWebsiteFlag)                                               \
    X(QString, openingWebsiteFolderPath, setOpeningWebsiteFolderPath)                                        \
    X(QString, mainTemplateName, setMainTemplateName)                                                        \
    X(std::shared_ptr<LabelTemplateHelper>, labelTemplateHelper, setLabelTemplateHelper)                     \
    X(bool, usingBootStrapFlag, setUsingBootStrapFlag)                                                       \
    /* Look, head and metadata */                                                                            \
    X(QColor, pageColor, setPageColor)                                                                       \
    X(QString, pageColorHexString, setPageColorHexString)                                                    \
    X(QString, metaKeywords, setMetaKeywords)                                                                \
    X(QString, metaDescription, setMetaDescription)                                                          \
    X(QString, customHeaderCode, setCustomHeaderCode)                                                        \
    X(QString, baseTemplateCustomHeaderCode, setBaseTemplateCustomHeaderCode)                                \
    X(QString, encodingType, setEncodingType) /* "UTF-8", "UTF-16" or "Win-1251" */                          \
    X(int, webPageWidth, setWebPageWidth)                                                                    \
    X(bool, webPageWidthManualFlag, setWebPageWidthManualFlag)                                               \
    X(int, centreFlag, setCentreFlag)                                                                        \
    X(int, useBaseTemplateFlag, setUseBaseTemplateFlag)                                                      \
    X(int, inheritMetadataFlag, setInheritMetadataFlag)                                                      \
    X(int, inheritCustomHeaderCodeFlag, setInheritCustomHeaderCodeFlag)                                      \
    X(int, inheritMetaDescriptionFlag, setInheritMetaDescriptionFlag)                                        \
    X(int, inheritMetaKeywordsFlag, setInheritMetaKeywordsFlag)                                              \
    X(bool, duplicateBasetemplateFlag, setDuplicateBasetemplateFlag)                                         \
    X(int, backgroundImageFlag, setBackgroundImageFlag)                                                      \
    X(QString, backgroundImageType, setBackgroundImageType) /* "PNG" or "JPG" */                             \
    X(QImage, backgroundImage, setBackgroundImage)                                                           \
    X(int, docSpecificFixedCanvasFlag, setDocSpecificFixedCanvasFlag)                                        \
    X(int, docSpecificPageWidth, setDocSpecificPageWidth)                                                    \
    X(int, docSpecificPageHeight, setDocSpecificPageHeight)                                                  \
    X(bool, mobileVersionFlag, setMobileVersionFlag)                                                         \
    X(QString, fullCSSString, setFullCSSString)                                                              \
    /* Web form */                                                                                           \
    X(QString, formRedirectURL, setFormRedirectURL)                                                          \
    X(QString, formSentResponse, setFormSentResponse)                                                        \
    X(QString, formRequiredResponse, setFormRequiredResponse)                                                \
    X(QString, formSubmitButtonValue, setFormSubmitButtonValue)                                              \
    X(QString, formEmailVerificationMsg, setFormEmailVerificationMsg)                                        \
    X(QString, formBotCheckerResponse, setFormBotCheckerResponse)                                            \
    X(QString, siteFeedbackEmail, setSiteFeedbackEmail)                                                      \
    X(QString, siteCCFeedbackEmail, setSiteCCFeedbackEmail)                                                  \
    X(QString, formEmailServer, setFormEmailServer)                                                          \
    X(QString, formEmailUsername, setFormEmailUsername)                                                      \
    X(QString, formEmailPassword, setFormEmailPassword)                                                      \
    X(int, grabIPFlag, setGrabIPFlag)                                                                        \
    X(int, formOrderLayoutOption, setFormOrderLayoutOption)                                                  \
    /* Saving */                                                                                             \
    X(bool, storeImageNowFlag, setStoreImageNowFlag)                                                         \
    X(bool, ignoreImageSaveErrorFlag, setIgnoreImageSaveErrorFlag)                                           \
    X(int, documentChangedCounter, setDocumentChangedCounter)                                                \
    X(int, FTPUploadFlag, setFTPUploadFlag) /* 999 while written for publishing, preview or source view */   \
    X(bool, loopThroughFlag, setLoopThroughFlag)                                                             \
    /* Publishing and mail */                                                                                \
    X(int, uploadCounter, setUploadCounter)                                                                  \
    X(bool, uploadDocumentsFlag, setUploadDocumentsFlag)                                                     \
    X(bool, uploadAllPagesFlag, setUploadAllPagesFlag)                                                       \
    X(bool, uploadImageFlag, setUploadImageFlag)                                                             \
    X(QString, connectionLog, setConnectionLog)                                                              \
    X(QString, sendMailResults, setSendMailResults)                                                          \
    X(QString, sendMailInCompleteString, setSendMailInCompleteString)                                        \
    X(QString, mailHeader, setMailHeader)                                                                    \
    X(QString, mailFooter, setMailFooter)                                                                    \
    X(QString, mailTooltipText, setMailTooltipText)                                                          \
    X(QImage, mailImage, setMailImage)                                                                       \
    X(QString, uploadTimeStampFolder, setUploadTimeStampFolder)                                              \
    X(bool, showCodeOnlyFlag, setShowCodeOnlyFlag)                                                           \
    X(QString, shareLink, setShareLink)                                                                      \
    X(QString, dropboxLink, setDropboxLink)                                                                  \
    X(QString, dbUserID, setDbUserID)

// Lists and sets that their users fill in place: getter (mutable and const) and setter. Each exists from
// the document's creation, so what is added to it is kept.
#define SKT_DOCUMENT_COLLECTIONS(X)                                                                          \
    X(ProfileDictionary, profileDictionary, setProfileDictionary)                                            \
    X(QSet<QString>, notSupportedFontSet, setNotSupportedFontSet)                                            \
    X(QStringList, formItemArray, setFormItemArray)   /* names of the page's form items */                   \
    X(GraphicList, slideshowArray, setSlideshowArray) /* the page's slideshows by slide show number */

// Getter and setter of a field; lists and sets also hand out their contents for changing in place.
#define SKT_DOCUMENT_ACCESSORS(Type, name, setter) VELK_ACCESSORS(Type, name, setter)
#define SKT_DOCUMENT_COLLECTION_ACCESSORS(Type, name, setter)                                                \
    Type& name()                                                                                             \
    {                                                                                                        \
        return m_##name;                                                                                     \
    }                                                                                                        \
    const Type& name() const                                                                                 \
    {                                                                                                        \
        return m_##name;                                                                                     \
    }                                                                                                        \
    VELK_SETTER(Type, name, setter)

// One page document: the page's graphics in z-order (index 0 frontmost) with undo, and its page, form,
// mail and publishing settings. Insertion, removal and reordering of graphics go through insertGraphics,
// removeGraphicsAtIndexes and moveGraphicsAtIndexes, which record undo and tell the document's windows;
// property changes of the graphics are recorded by observing them. Opening, saving and page generation add
// further operations in their own files.
class SKTDocument : public QObject, public GraphicContext {
    Q_OBJECT

public:
    SKTDocument();
    ~SKTDocument() override;

    // ---- Settings and working state
    SKT_DOCUMENT_FIELDS(SKT_DOCUMENT_ACCESSORS)
    SKT_DOCUMENT_COLLECTIONS(SKT_DOCUMENT_COLLECTION_ACCESSORS)

    // ---- The canvas the page is designed on
    PageCanvasState& canvasState() { return m_canvasState; }
    const PageCanvasState& canvasState() const { return m_canvasState; }

    // ---- Object list
    const GraphicList& graphics() const { return m_graphics; }
    // Inserts each graphic at its index (ascending; positions in the list after insertion). Throws
    // std::out_of_range, changing nothing, when the indexes do not fit the graphics or the list.
    void insertGraphics(const GraphicList& graphics, const IndexSet& indexes);
    // Throws std::out_of_range, changing nothing, for an index beyond the list.
    void removeGraphicsAtIndexes(const IndexSet& indexes);
    // Reorders: the graphics at `indexes` come to stand, in their order, at `newIndexes` (positions in the
    // list after the move), the others keeping their order. One undo action, and the graphics stay observed
    // as they were. Throws std::out_of_range, changing nothing, when the index sets differ in size or leave
    // the list.
    void moveGraphicsAtIndexes(const IndexSet& indexes, const IndexSet& newIndexes);
    void startObservingGraphics(const GraphicList& graphics);
    void stopObservingGraphics(const GraphicList& graphics);
    // Sets every graphic of the owner back to its recorded values.
    void setGraphicProperties(const SKTMapTableOwner& owner);
    // Ends the undo group of the property recording.
    void observeUndoManagerCheckpoint();
    DocumentUndoManager& undoManager() { return m_undoManager; }

    // ---- Typed collections: the graphics of one class (or a class derived from it) in list order
    GraphicList graphicsWithClass(const QString& className) const;
    GraphicList rectangles() const;
    GraphicList circles() const;
    GraphicList lines() const;
    GraphicList textAreas() const;
    GraphicList images() const;
    GraphicList slideshows() const;
    GraphicList galleries() const;
    GraphicList tables() const;
    void insertGraphic(const std::shared_ptr<SKTGraphic>& graphic, int index);
    void removeGraphicAtIndex(int index);
    void addInGraphics(const std::shared_ptr<SKTGraphic>& graphic);
    // Index in the collection. Insertion at the collection's count appends to the list; otherwise the
    // graphic goes in front of the member at the index. An index beyond the members, or a member missing
    // from the list, throws std::out_of_range and changes nothing.
    void insertObjectInRectanglesAtIndex(const std::shared_ptr<SKTGraphic>& graphic, int index);
    void insertObjectInCirclesAtIndex(const std::shared_ptr<SKTGraphic>& graphic, int index);
    void insertObjectInLinesAtIndex(const std::shared_ptr<SKTGraphic>& graphic, int index);
    void insertObjectInTextAreasAtIndex(const std::shared_ptr<SKTGraphic>& graphic, int index);
    void insertObjectInImagesAtIndex(const std::shared_ptr<SKTGraphic>& graphic, int index);
    void removeObjectFromRectanglesAtIndex(int index);
    void removeObjectFromCirclesAtIndex(int index);
    void removeObjectFromLinesAtIndex(int index);
    void removeObjectFromTextAreasAtIndex(int index);
    void removeObjectFromImagesAtIndex(int index);

    // ---- Document life
    static bool canConcurrentlyReadDocumentsOfType(const QString& typeName);
    // Makes the window of a document; the window subsystem installs it, headless runs have none.
    using WindowControllerFactory = std::function<std::unique_ptr<DocumentWindow>(SKTDocument&)>;
    static void setWindowControllerFactory(WindowControllerFactory factory);
    // Gives the document its window when it has none yet.
    void makeWindowControllers();
    DocumentWindow* windowController() const { return m_windowController.get(); }
    // The file of the page document; null while it was never saved.
    QString fileLocation() const { return m_fileLocation; }
    void setFileLocation(const QString& path) { m_fileLocation = path; }
    bool isDraft() const;
    void setDraft(bool draft) { m_draft = draft; }
    // Edited while the undo stack is away from its clean state or the document was marked edited.
    bool isDocumentEdited() const;
    // false marks the current state as saved.
    void setDocumentEdited(bool edited);
    QSizeF canvasSize() const;
    void hideAllDocPanels();
    // Interactive: asks before an edited document closes and answers whether it may close; the callback,
    // when given, hears the same answer. "Yes" saves, and the document closes once the save succeeded.
    using CloseCallback = std::function<void(SKTDocument&, bool shouldClose)>;
    bool canCloseDocumentWithDelegate(const CloseCallback& callback = {});
    // The page's name for files: the document file's name without extension, else the template name,
    // else "untitled".
    QString createFileName() const;

    // ---- Saving
    // The step that writes the page document; it answers whether the page was saved. Without one the page
    // is saved to its file, or to a file chosen in a save panel.
    using SaveOperation = std::function<bool(SKTDocument&)>;
    void setSaveOperation(SaveOperation operation) { m_saveOperation = std::move(operation); }
    // Interactive (the Save command): runs the save step, tells the user what it came to and the callback,
    // when given, whether it saved.
    bool saveDocumentWithDelegate(const std::function<void(SKTDocument&, bool didSave)>& callback = {});

    // ---- What graphics ask of their document window
    QString getDocumentPageName() const override { return pageName(); }
    QString grabCurrentDocPath() const override;
    QString grabNextImageName() const override;
    QPointF grabLastTouchPoint() const override;
    // The section rules over the page's graphics, with the window's selection.
    SectionLayout sectionLayout() const override;
    // The scale the document's canvas shows it at, set by the canvas; the product's until then.
    float handleScale() const override;
    // The selection's colours go to the inspector of the document's window.
    void setSelectedTextColor(const QColor& color) override;
    void setSelectedShapeColor(const QColor& color) override;
    void setSelectedHoverColor(const QColor& color) override;
    void setSelectedHoverTextColor(const QColor& color) override;
    void setSelectedBorderColor(const QColor& color) override;
    void refreshColorButtons() override;
    void refreshInspectorPanel() override;
    // The window's canvas lines the option buttons of the page's choices up with their labels again.
    void reAlignFormOptions() override;
    void setHandleScale(float scale) { m_handleScale = scale; }

    // ---- Page geometry, in whole canvas points
    int findMaxScreenWidth() const;
    int findMaxScreenHeight() const;
    int findMinScreenX() const;
    static int findMaxScreenWidthForArray(const GraphicList& graphics);
    static int findMinScreenXForArray(const GraphicList& graphics);
    static void trimAllObjects(int offset, const GraphicList& graphics);
    void trimAndCenter();

    // ---- Image assets and screenshots
    // The folder the page's files are saved into: tempSavePathLocal joined with pageName.
    QString pageFolderPath() const;
    void saveImage(const ImageAsset& image);
    void createRetinaVersion(const ImageAsset& image);
    void createNonRetinaVersion(const ImageAsset& image);
    void checkAndSaveOriginalImage(const ImageAsset& image);
    void saveMaskImage(const ImageAsset& image);
    void saveBackgroundImage();
    // ---- Background picture of the page
    // Asks for a picture in an open panel; the chosen one replaces the page's background picture, which
    // the canvas shows as its pattern. Cancelling changes nothing.
    void newBackground();
    // The page goes back to plain white and the background picture files leave the page folder.
    void removeBackground();
    // Whether the page folder holds image files and every one of them is empty.
    bool checkToMakeSureOriginalImagesAreSavedProperly() const;
    void saveScreenshot();
    void saveCustomScreenshot(const QImage& picture);
    // The rendered page; null without a window.
    QImage imageWithSubviews();

    // ---- Page assembly: the page file, written from the graphics
    // The whole page text: the stored page, or with `publishFlag` the published one. Only the low byte of the
    // flag counts. Writes no file: the save and publish paths write the files the page refers to.
    QString generateSourceCode(const QString& pageName, int publishFlag);
    // The objects of the last generation sorted by what they became.
    const PageWorkLists& generatedLists() const;
    // Puts the local jQuery and Bootstrap files beside the page when they are not there yet.
    void transferJquery();
    bool needImagePopupScript() const;
    // Whether an image of the list (or the page background) uses the file of the page folder.
    bool isImageInUse(const QString& fileName, const QString& extension, const PageImageList& images) const;
    void populateGalleryImageDimensions();
    // Numbers the tables from the last (0) to the first, and gives each table's number to its background
    // picture and cells, and under table pictures to its pictures.
    void populateTableNumbers();
    // Stamps the template name on every text box, image, slideshow and gallery (and their pictures), table
    // and line of the page.
    void resetTemplateName(const QString& templateName);
    // Whether the page needs the slideshow scripts: it has a slideshow.
    bool needJqueryScripts() const;
    // The section's row of the responsive page, with the element records that lie in its columns moved into
    // it (see ResponsiveArrangement).
    CodeWidgetHelper arrangeResponsiveElements(const SKTTable& section,
                                               QList<CodeWidgetHelper>& sourceCodeArray);
    // The element generators, as the page's own operations.
    static QString verifyLink(const QString& link);
    static int calculateNumOfLines(const QString& text);
    CodeWidgetHelper generateTextViewCodeStatic(SKTText& text, int elementNumber, bool responsiveOutput);
    CodeWidgetHelper generateSnippetCode(SKTText& snippet);
    CodeWidgetHelper generateTextViewCode(SKTText& text);
    CodeWidgetHelper generateTextViewCode(myTextView& cell, const SKTTable& table);
    CodeWidgetHelper generateImageCode(SKTGraphic& image, bool responsiveOutput);
    CodeWidgetHelper generateTableCode(SKTTable& table, bool responsiveOutput);
    PageCodeContext pageCodeContext() const;

    // ---- Saving the page document: page file, style sheet, images and screenshots into the page's working
    // folder, packed into the document's file. The saves answer what they came to and show nothing; a failed
    // save leaves the document edited and the stored package as it was. The steps answer whether they did
    // their job, and lastSaveError says why one did not.
    DocumentResult askPageToSaveItself();
    DocumentResult saveToURL(const QString& location);
    DocumentResult saveThisPage(const QString& location, int mode);
    // Whether the generated page text equals the page file it would be written to.
    bool compareSource(const QString& source) const;
    bool savePagePreparation();
    // Generates the page in the mode, writes the files it refers to, and the page file when it changed.
    bool savePageFile(int mode);
    bool directlySavePageFile(const QString& source);
    bool saveCSSFile();
    void clearTempFolder();
    bool generatePublishVersion();
    bool exportPublishVersion(const QString& path);
    // The stored page file W/P.ext, and the file publish writes (FTPUploadFlag 999) go to beside it, so
    // they never replace the working copy.
    QString storedPageFilePath() const;
    QString publishPageFilePath() const;
    void updateWindowTitle();
    QString windowTitle() const { return m_windowTitle; }
    // The document's data for the platform: none, pages are written by saveThisPage.
    QByteArray dataOfType(const QString& typeName) const;
    QColor pageBackgroundColor() const { return m_pageColor; }
    // Why the last save step failed; empty after a success.
    QString lastSaveError() const { return m_lastSaveError; }

    // ---- Viewing the generated code: one viewer per document, made at first use by the installed maker
    // (none headless) and kept for the document's life.
    using SourceCodeViewerFactory = std::function<std::unique_ptr<SourceCodeViewer>(SKTDocument&)>;
    static void setSourceCodeViewerFactory(SourceCodeViewerFactory factory);
    SourceCodeViewer* sourceCodeController() const { return m_sourceCodeController.get(); }
    // Generates the page as for publishing (FTPUploadFlag 999 meanwhile), on the responsive path when asked
    // and the product is responsive, under the page name (taken from the file name, else "untitled", when
    // the page has none), and shows the code in the viewer. Answers the code.
    QString showSourceCode(bool responsiveOutput);

public Q_SLOTS:
    // The menu commands: the page's code as published, or as placed on the canvas.
    void showOrHideSourceCode() { showSourceCode(true); }
    void showOrHideSourceCodeStatic() { showSourceCode(false); }
    // The viewer's copy button: its whole text to the clipboard as plain text, confirmed by an alert.
    void grabSourceCode();

public:
    // ---- Reading a stored page back (the loader throws PageReadError for a page it cannot read)
    // The element records of the page text, highest stacking number first; fills pageRecords() and the
    // page settings it reads, and notSupportedFontSet with the families this machine lacks.
    ElementRecordList presentObjects(const QString& source, const QString& pageName,
                                     const QString& folderPath, const QString& templateName,
                                     const QString& pagePath);
    PageRecords& pageRecords() { return *m_pageRecords; }
    // The families of notSupportedFontSet the default font replaces, by name.
    QStringList replacedFontFamilies() const;
    std::shared_ptr<myTextView> generateATextView(const PageObjectRule& rule, const QString& pageName);
    static QString parseForItemTypeString(const PageObjectRule& rule, const QString& key,
                                          const QString& fallback);
    static int parseForItemTypeInt(const PageObjectRule& rule, const QString& key, int fallback);
    static float parseForItemTypeFloat(const PageObjectRule& rule, const QString& key, float fallback);
    static SnippetTextContent grabTextContent(const QStringList& bodyLines, const myTextViewList& records,
                                              const QString& classPrefix);
    // The picture of an image in the page folder (the page file path without extension); null when none.
    static QImage retrieveImageFile(const QString& pagePath, const QString& imageName,
                                    const QString& imageType);
    void transferImageFilesForNewName(const QString& oldName, const QString& newName,
                                      const QString& extension);
    // Names among the page's images and the extra records, which are not on the page yet.
    QString getNextImageName(const TransformViewList& extraImages) const;
    bool isImageNameAlreadyInUse(const TransformView& image, const TransformViewList& extraImages) const;
    // Each of the records whose name another image already uses takes the next free name, with copies of
    // its files under that name; the page then counts as changed.
    void settleImageNames(const TransformViewList& images);

    // ---- Opening a page document
    // Opens or reloads the page from the document's file and answers what it came to; it shows no alert.
    // A page that cannot be read leaves the document empty, with the reader's words in the result.
    DocumentResult refreshDocument();
    // The platform's read: the page is always read from the document's file, not from the data.
    DocumentResult readFromData(const QByteArray& data, const QString& typeName)
    {
        Q_UNUSED(data);
        Q_UNUSED(typeName);
        return refreshDocument();
    }
    DocumentResult updateMobileView(int selectedSegment);
    void clearAllGraphics();
    void applyAutoBaseTemplate();
    // The last open or reload failed: the document holds no page, and saving must not write over the file.
    bool pageLoadFailed() const { return m_pageLoadFailed; }
    // A web-form page: its file type is "quarnel" or its page file a PHP one.
    bool isFormPage() const;
    // Every save asks first: why it must not write over the page, which failed to load or holds elements
    // of kinds this version cannot edit that a save would drop (a form page is one of those until form pages
    // are written); empty when it may.
    QString savingRefusal() const;
    void setPrintInfo(const std::optional<QPageLayout>& printInfo);
    std::optional<QPageLayout> printInfo() const { return m_printInfo; }

    // ---- Form element records (not inserted anywhere)
    std::shared_ptr<myTextView> createNewTextField(int x, int y, int width, int height);
    std::shared_ptr<myTextView> createNewParagraph(int x, int y, int width, int height);
    std::shared_ptr<myTextView> createCheckbox(int x, int y);
    std::shared_ptr<myTextView> createRadioButton(int x, int y);
    std::shared_ptr<myTextView> createSubmitButton(int x, int y);
    // A field label, 300 wide and as high as the product's text boxes; the bot check's question, 110 by 40
    // and right-aligned.
    std::shared_ptr<myTextView> createNewTextLabel(int x, int y);
    std::shared_ptr<myTextView> createNewBotCheckerTextLabel(int x, int y);
    int findNextFormTag() const;
    int findNextGroupNumber() const;
    // Copies every option label's text of the last read page into the option it labels.
    void syncAllOptionForms();
    void updateFormOption2(const std::shared_ptr<myTextView>& label);

Q_SIGNALS:
    // The list of graphics changed, by the operations above or by undoing and redoing them; each is sent once
    // the list holds its new order. Inserted graphics stand at `indexes`; removed ones stood at `indexes`;
    // moved ones stood at `from` and stand at `to`.
    void graphicsInserted(const IndexSet& indexes);
    void graphicsRemoved(const IndexSet& indexes, const GraphicList& graphics);
    void graphicsMoved(const IndexSet& from, const IndexSet& to);
    // The canvas size may have changed (new print settings).
    void canvasSizeChanged();
    // The document window shows this title.
    void windowTitleChanged(const QString& title);

private:
    struct Observation {
        std::shared_ptr<SKTGraphic> graphic;
        QSet<QString> keys;
        QVariantMap values; // each observed key's value, the old value of its next change
        QMetaObject::Connection connection;
    };

    void graphicValueChanged(const SKTGraphic* graphic, const QString& key);
    void observeUndoKeysChange(Observation& observation);
    void observeValueForKeyPath(const QString& keyPath, const std::shared_ptr<SKTGraphic>& graphic,
                                const QVariant& oldValue, const QVariant& newValue);
    void nameUndoGroup(const SKTGraphic& graphic, const QString& keyPath);
    // The graphics are this document's no more.
    void leaveGraphics(const GraphicList& graphics);
    // Fills an empty page name and makes the page folder; answers its path, null without a save folder.
    QString preparePageFolder();
    // The file in the page folder; null without a save folder or for a name that is not a plain file name.
    QString pageFilePath(const QString& fileName) const;
    void writeScreenshots(const QImage& picture);
    // The files the last generated page refers to, into the page folder: with `storeImages` its image files,
    // and the style sheet, the local scripts and the background picture; files of the website's page folder
    // that no image uses any more go. False when the style sheet could not be written.
    bool writePageFiles(const QString& pageName, bool storeImages);
    // The save without an installed save step: to the document's file, or to one chosen in a save panel.
    DocumentResult savePageDocument();
    // The body of saveThisPage, which may break off with an exception.
    DocumentResult writePageDocument(const QString& location, int mode);

#define SKT_DOCUMENT_MEMBER(Type, name, setter) Type m_##name{};
    SKT_DOCUMENT_FIELDS(SKT_DOCUMENT_MEMBER)
    SKT_DOCUMENT_COLLECTIONS(SKT_DOCUMENT_MEMBER)
#undef SKT_DOCUMENT_MEMBER

    PageCanvasState m_canvasState;
    float m_handleScale = 0;
    GraphicList m_graphics;
    QHash<const SKTGraphic*, Observation> m_observations;
    // The undo group between two checkpoints.
    std::set<std::shared_ptr<SKTGraphic>> m_undoGroupInsertedGraphics;
    std::shared_ptr<SKTMapTableOwner> m_undoGroupOldPropertiesPerGraphic;
    QString m_undoGroupPresentablePropertyName;
    bool m_undoGroupHasChangesToMultipleProperties = false;
    DocumentUndoManager m_undoManager;

    std::unique_ptr<DocumentWindow> m_windowController;
    std::unique_ptr<SourceCodeViewer> m_sourceCodeController;
    SaveOperation m_saveOperation;
    QString m_fileLocation;
    bool m_draft = false;
    bool m_edited = false;
    std::unique_ptr<PageRecords> m_pageRecords;
    bool m_pageLoadFailed = false;
    bool m_pageHoldsUneditableElements = false;
    std::optional<QPageLayout> m_printInfo;
    std::shared_ptr<PageWorkLists> m_generatedLists;
    QString m_windowTitle;
    QString m_lastSaveError;
    ImageFileLedger m_writtenImageFiles;
    // The page a save has generated already, while that save writes it.
    struct GeneratedPage {
        QString pageName;
        int mode = 0;
        QString source;
    };
    std::optional<GeneratedPage> m_generatedForSave;
};
