#pragma once

#include "profile/LabelTemplateHelper.h"

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class ShapeSelectionView;

using ShapePresetList = QList<std::shared_ptr<ShapeSelectionView>>;
using LabelTemplateList = QList<std::shared_ptr<LabelTemplateHelper>>;

// clang-format off
// The fields of the product profile, group by group: X(type, name).
#define VELK_PROFILE_FIELDS(X)                                                                                    \
    /* Identity and bundle */                                                                                     \
    X(QString, productDisplayName)                                                                                \
    X(QString, appVersion)                                                                                        \
    X(QString, bundleIdentifier)                                                                                  \
    X(QImage, productIcon)                                                                                        \
    X(QString, distributionChannel)                                                                               \
    /* Documents, templates and starter pages */                                                                  \
    X(QString, documentExtension)                                                                                 \
    X(QString, templateFolder)                                                                                    \
    X(QString, newDocumentName)                                                                                   \
    X(QString, pageNoun)                                                                                          \
    X(QString, gettingStartedFile)                                                                                \
    X(QStringList, starterPages)                                                                                  \
    X(QString, samplePage)                                                                                        \
    X(QString, baseTemplateFile)                                                                                  \
    X(bool, usePageOrderIndex)                                                                                    \
    X(bool, singleDocumentMode)                                                                                   \
    X(bool, neverEdited)                                                                                          \
    X(bool, keepUnnamedPage)                                                                                      \
    X(bool, useOfficialPageName)                                                                                  \
    X(bool, refreshIconOnSave)                                                                                    \
    X(bool, refreshAllPagesInLoop)                                                                                \
    X(int, templateIconsPerRow)                                                                                   \
    X(bool, templateIconCounterReset)                                                                             \
    X(QString, welcomeNote)                                                                                       \
    /* Canvas size, scale and zoom */                                                                             \
    X(int, canvasWidth)                                                                                           \
    X(int, canvasHeight)                                                                                          \
    X(int, defaultPageWidth)                                                                                      \
    X(int, defaultPageHeight)                                                                                     \
    X(float, canvasScale)                                                                                         \
    X(float, selectionHandleLineWidth)                                                                            \
    X(int, sectionWidth)                                                                                          \
    X(int, sectionHeight)                                                                                         \
    X(QStringList, zoomFactors)                                                                                   \
    /* Page images */                                                                                             \
    X(int, screenshotSize)                                                                                        \
    X(bool, snapshotFullCanvas)                                                                                   \
    X(bool, transparentSnapshotBackground)                                                                        \
    X(bool, noSnapshotMargin)                                                                                     \
    /* Window, page list and page tiles */                                                                        \
    X(bool, simplifiedWindow)                                                                                     \
    X(bool, inspectorInitiallyOpen)                                                                               \
    X(bool, dragInspector)                                                                                        \
    X(int, pageListMinWidth)                                                                                      \
    X(int, pageIconColumns)                                                                                       \
    X(bool, showPageExtensionInList)                                                                              \
    X(bool, hidePageSearchField)                                                                                  \
    X(bool, plainPageTileLabels)                                                                                  \
    X(bool, baseTemplateTileOption)                                                                               \
    X(bool, pageTileExtraView)                                                                                    \
    X(bool, headerFooterTileLabel)                                                                                \
    X(bool, pageTileFrameOption)                                                                                  \
    X(bool, hideMainLaunchPageOption)                                                                             \
    X(bool, pageTitlesEnabled)                                                                                    \
    X(bool, fullWebsiteSettings)                                                                                  \
    X(bool, lockPageFileName)                                                                                     \
    X(bool, lockPageTitle)                                                                                        \
    /* Menus and canvas commands */                                                                               \
    X(bool, hideLinkControls)                                                                                     \
    X(bool, hideGrabPageLink)                                                                                     \
    X(bool, hideRemoveTablePattern)                                                                               \
    X(bool, hideDuplicatePage)                                                                                    \
    X(bool, hidePositionSettings)                                                                                 \
    X(bool, hideTotalRefreshWebsite)                                                                              \
    X(bool, hideClickToEnlarge)                                                                                   \
    X(bool, hideTooltipControls)                                                                                  \
    X(bool, hideGalleryCaptionEdit)                                                                               \
    X(bool, hideLinkToPage)                                                                                       \
    X(bool, allowInsertPage)                                                                                      \
    X(bool, allowAddBranch)                                                                                       \
    X(bool, hideLayerArrangement)                                                                                 \
    X(bool, hideGroupCommand)                                                                                     \
    X(bool, hideAlignLeftEdges)                                                                                   \
    X(bool, hideAlignRightEdges)                                                                                  \
    X(bool, hideMakeSameWidth)                                                                                    \
    X(bool, hideMakeSameSize)                                                                                     \
    X(bool, hideCenterGroup)                                                                                      \
    X(bool, hideDuplicate)                                                                                        \
    X(bool, hideAlignHorizontalSpacing)                                                                           \
    X(bool, hideAlignHorizontalCenters)                                                                           \
    X(bool, hideAlignVerticalCenters)                                                                             \
    X(bool, hideLockCommands)                                                                                     \
    /* Editing behaviour */                                                                                       \
    X(bool, responsiveDesign)                                                                                     \
    X(bool, preventOverlap)                                                                                       \
    X(bool, pasteInPlace)                                                                                         \
    X(QString, objectCatalogName)                                                                                 \
    X(int, maxImportedImageWidth)                                                                                 \
    X(int, originalImageMaxSize)                                                                                  \
    X(bool, dateStampNewText)                                                                                     \
    X(bool, tableCellSelection)                                                                                   \
    X(bool, tableImages)                                                                                          \
    X(bool, sameWidthTableColumns)                                                                                \
    X(bool, dashedTableOutline)                                                                                   \
    /* Text boxes, fonts, colours and palette */                                                                  \
    X(int, defaultFontSize)                                                                                       \
    X(bool, customTextBoxHeight)                                                                                  \
    X(int, textBoxDefaultHeight)                                                                                  \
    X(bool, cornerTextInset)                                                                                      \
    X(bool, dashedTextOutline)                                                                                    \
    X(bool, snippetFormattingEnabled)                                                                             \
    X(QStringList, textCategoryNames)                                                                             \
    X(QStringList, textCategoryFonts)                                                                             \
    X(QStringList, textCategoryForegroundColors)                                                                  \
    X(QStringList, textCategoryFillColors)                                                                        \
    X(ShapePresetList, defaultTextViewPresets)                                                                    \
    X(ShapePresetList, defaultShapePresets)                                                                       \
    X(QStringList, colorPalette)                                                                                  \
    X(bool, showColorView)                                                                                        \
    X(bool, wideBorderRange)                                                                                      \
    X(bool, hideStandardFonts)                                                                                    \
    X(bool, fontMenuPreview)                                                                                      \
    /* Generated page code */                                                                                     \
    X(bool, inlineStyleCode)                                                                                      \
    X(bool, separateStyleSheet)                                                                                   \
    X(bool, transparentBackgroundAllowed)                                                                         \
    /* Print sheets and rulers */                                                                                 \
    X(bool, printSheetDesign)                                                                                     \
    X(LabelTemplateList, printTemplateList)                                                                       \
    X(QString, selectedPrintSheet)                                                                                \
    X(std::shared_ptr<LabelTemplateHelper>, defaultLabelTemplate)                                                 \
    X(bool, paperSizeChoice)                                                                                      \
    X(QString, rulerUnits)                                                                                        \
    X(float, printPointsPerInch)                                                                                  \
    X(float, printLineScale)                                                                                      \
    /* Profile records and personalisation */                                                                     \
    X(bool, showProfilePopoverOnOpen)                                                                             \
    X(QStringList, profileFieldKeys)                                                                              \
    X(QStringList, personalizedTagList)                                                                           \
    /* Catalogue modes */                                                                                         \
    X(bool, fileCatalogMode)                                                                                      \
    X(bool, photoCatalogMode)                                                                                     \
    X(bool, videoCatalogMode)                                                                                     \
    /* Help and web addresses */                                                                                  \
    X(QString, supportEmail)                                                                                      \
    X(QString, productWebsiteURL)                                                                                 \
    X(QString, videoTutorialsURL)                                                                                 \
    X(QString, rateAppURL)                                                                                        \
    X(QString, userGuideFile)                                                                                     \
    /* E-mail image hosting */                                                                                    \
    X(QString, dropboxAppKey)                                                                                     \
    X(QString, dropboxAppSecret)                                                                                  \
    /* Image settings and working folders */                                                                      \
    X(QString, imageTypeSetting)                                                                                  \
    X(int, retinaFlagSetting)                                                                                     \
    X(QString, workingFolderPath)                                                                                 \
    X(QString, receivedPagesFolderName)                                                                           \
    X(QString, tempSaveFolder)

// Fields beyond the launch list: flags the generators read, and the label grid of the sheet the product
// starts its pages on. Each document keeps its own canvas, rotation, mail preset and sheet from there on.
#define VELK_PROFILE_RUNTIME_FIELDS(X)                                                                            \
    X(bool, presentationExportFlag)  /* set while a page is generated for preview or presentation export */      \
    X(bool, codeEditorForAllTextBoxes) /* the code editor edits any text box, not only HTML snippets */          \
    X(bool, htmlTextBoxes)           /* text boxes hold raw HTML */                                               \
    /* The 1-based row and column of the first label to print on a partly used sheet, set in the print */         \
    /* settings sheet; kept while the program runs, never stored. 0 and below print from the first label. */      \
    X(int, printStartingRowSpot)                                                                                  \
    X(int, printStartingColumnSpot)                                                                               \
    /* The launch sheet (lengths in inches), and its label grid in print points */                                \
    X(int, printRowsPerSheet)                                                                                     \
    X(int, printColumnsPerSheet)                                                                                  \
    X(float, printLabelWidthInch)                                                                                 \
    X(float, printLabelHeightInch)                                                                                \
    X(float, printColumnSpacingInch)                                                                              \
    X(float, printRowSpacingInch)                                                                                 \
    X(float, printTopMarginInch)                                                                                  \
    X(float, printBottomMarginInch)                                                                               \
    X(float, printLeftMarginInch)                                                                                 \
    X(float, printRightMarginInch)                                                                                \
    X(float, printSheetWidthPoints)                                                                               \
    X(float, printSheetHeightPoints)

// Behaviours of single products. Their configuration tables set them, so that code asks for the behaviour
// rather than for a product by its name.
#define VELK_PROFILE_PRODUCT_TRAITS(X)                                                                            \
    X(bool, mailCanvasPresets)        /* a page's mail canvas type sets its width: 700 "Standard", else 900 */    \
    X(bool, pageTileScreenshots)      /* page pictures are the page list's tiles */                               \
    X(bool, pagesWithoutBaseTemplate) /* generated pages never use the site's base template */                    \
    X(bool, raiseProgressWindow)      /* the progress window comes to the front when shown */                     \
    X(QStringList, pageTitleProfileKeys) /* the profile fields whose values, joined by blanks, title a page */

// clang-format on

// The one record of launch-time settings of the running product. Every field starts at zero (a null
// string or image, an empty list, 0, 0.0 or false); the chosen configuration assigns the rest.
struct ProductProfile {
#define VELK_DECLARE_PROFILE_FIELD(type, name) type name{};
    VELK_PROFILE_FIELDS(VELK_DECLARE_PROFILE_FIELD)
    VELK_PROFILE_RUNTIME_FIELDS(VELK_DECLARE_PROFILE_FIELD)
    VELK_PROFILE_PRODUCT_TRAITS(VELK_DECLARE_PROFILE_FIELD)
#undef VELK_DECLARE_PROFILE_FIELD

    // Calls visit(name, value) for each launch field in declaration order.
    template <typename Visitor> void forEachField(Visitor&& visit) const
    {
#define VELK_VISIT_PROFILE_FIELD(type, name) visit(#name, name);
        VELK_PROFILE_FIELDS(VELK_VISIT_PROFILE_FIELD)
#undef VELK_VISIT_PROFILE_FIELD
    }
    template <typename Visitor> void forEachRuntimeField(Visitor&& visit) const
    {
#define VELK_VISIT_PROFILE_FIELD(type, name) visit(#name, name);
        VELK_PROFILE_RUNTIME_FIELDS(VELK_VISIT_PROFILE_FIELD)
#undef VELK_VISIT_PROFILE_FIELD
    }
    template <typename Visitor> void forEachProductTrait(Visitor&& visit) const
    {
#define VELK_VISIT_PROFILE_FIELD(type, name) visit(#name, name);
        VELK_PROFILE_PRODUCT_TRAITS(VELK_VISIT_PROFILE_FIELD)
#undef VELK_VISIT_PROFILE_FIELD
    }
};
