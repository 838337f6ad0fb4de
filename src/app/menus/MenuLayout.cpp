#include "app/menus/MenuLayout.h"

namespace MenuLayout {

const QList<Item>& items()
{
    // clang-format off
    static const QList<Item> layout = {
        // The menu bar
        {kMenuBar, "", kProductNamePlaceholder, "", kApplicationMenu},
        {kMenuBar, "", "File", "", "fileMenu"},
        {kMenuBar, "editMenuItem", "Edit", "", "editMenu"},
        {kMenuBar, "viewMenuItem", "View", "", "viewMenu"},
        {kMenuBar, "formatMenuItem", "Format", "", "formatMenu"},
        {kMenuBar, "addNewParentMenuItem", "Add New", "", "insertMenu"},
        {kMenuBar, "publishMenuItem", "Publish", "", "publishMenu"},
        {kMenuBar, "publishMailMenuItem", "Email", "", "publishMenuMail"},
        {kMenuBar, "", "Photos", "", "photoMenu"},
        {kMenuBar, "printMenuItem", "Print", "", "printMenu"},
        {kMenuBar, "profileMenuItem", "Profile", "", "profileMenu"},
        {kMenuBar, "settingsMenuItem", "Settings", "", "settingsMenu"},
        {kMenuBar, "", "Windows", "", "windowsMenu"},
        {kMenuBar, "", "Help", "", "helpMenu"},

        // Application menu; the update item goes in above its last two items.
        {kApplicationMenu, "", "About %1", "orderFrontStandardAboutPanel", ""},
        {kApplicationMenu, "", "", "", ""},
        {kApplicationMenu, "", "Quit %1", "terminate", "", "Ctrl+Q"},

        // File
        {"fileMenu", "createNewParentMenuItem", "New", "", "newMenu"},
        {"newMenu", "addNewTemplateGroupMenuItem", "New From Template...", "showSiteLevelTemplate", ""},
        {"newMenu", "addNewBlankGroupMenuItem", "New Website", "saveNewWebsite", ""},
        {"newMenu", "addNewDirectlyFromTemplateMenuItem", "New Page", "addNewDirectlyFromTemplate", ""},
        {"fileMenu", "addIntoGroupMenuItem", "Add Page", "", "addPageMenu"},
        {"addPageMenu", "addInNewBlankPage", "New Blank Page", "addNewBlankPage", ""},
        {"addPageMenu", "addInNewFromTemplate", "New Page From Template", "addNewPageFromTemplate", ""},
        {"addPageMenu", "addInBaseTemplate", "Base Template", "addBaseTemplate", ""},
        {"addPageMenu", "addInNewBlankForm", "New Blank Form", "addNewBlankForm", ""},
        {"fileMenu", "tazmirLabelMakerMenuItem", "Tazmir Label Maker", "launchTazmirLabelMaker", ""},
        {"fileMenu", "", "", "", ""},
        {"fileMenu", "openMenuItem", "Open", "", "openMenu"},
        {"openMenu", "openPageMenuItem", "Open Page...", "openDocument", "", "Ctrl+O"},
        {"openMenu", "openGroupMenuItem", "Open Website...", "openWebsite", ""},
        {"openMenu", "openFormMenuItem", "Open Form...", "openForm", ""},
        {"fileMenu", "", "Open Recent", "", kRecentDocumentsMenu},
        {"fileMenu", "importPageMenuItem", "Import Page From URL...", "showImportPageWindow", ""},
        {"fileMenu", "importMultiplePagesMenuItem", "Import Multiple Pages...", "importMultiplePages", ""},
        {"fileMenu", "", "", "", ""},
        {"fileMenu", "", "Close", "performClose", "", "Ctrl+W"},
        {"fileMenu", "saveMenuItem", "Save", "saveDocument", "", "Ctrl+S"},
        {"fileMenu", "saveAsMenuItem", "Save As...", "saveDocumentAs", "", "Ctrl+Shift+S"},
        {"fileMenu", "", "Revert to Saved", "revertDocumentToSaved", ""},
        {"fileMenu", "", "", "", ""},
        {"fileMenu", "", "Export", "", "exportPDFMenu"},
        {"exportPDFMenu", "exportToPDFMenuItem", "PDF", "exportToPDF", ""},
        {"exportPDFMenu", "exportAllToPDFMenuItem", "All Pages To PDF", "exportAllToPDF", ""},
        {"exportPDFMenu", "exportToPNGMenuItem", "PNG Image", "exportToPNG", ""},
        {"exportPDFMenu", "exportToJPGMenuItem", "JPEG Image", "exportToJPG", ""},
        {"exportPDFMenu", "exportPDFSheetCopyMenuItem", "PDF Sheet", "exportPDFSheetCopy", ""},
        {"exportPDFMenu", "exportSingleLabelMenuItem", "Single Label PDF", "exportSingleLabel", ""},
        {"exportPDFMenu", "exportSingleLabelRepeatMenuItem", "Sheet Of Same Labels PDF", "exportSingleLabelRepeat", ""},
        {"exportPDFMenu", "exportDifferentLabelMenuItem", "Sheet Of Different Labels PDF", "exportDifferentLabel", ""},
        {"exportPDFMenu", "exportSourceFilesParentMenuItem", "Export Source Files", "", "exportSourceFilesMenu"},
        {"exportSourceFilesMenu", "exportToRawFilesMenuItem", "Export This Page", "exportToRawFiles", ""},
        {"exportSourceFilesMenu", "exportAllToRawFilesMenuItem", "Export All Pages", "exportAllToRawFiles", ""},
        {"fileMenu", "uploadDocumentMenuItem", "Upload Files...", "uploadDocuments", ""},
        {"fileMenu", "shareMenuItem", "Share...", "showShareWindow", ""},
        {"fileMenu", "addressBookMenuItem", "Contacts...", "showContacts", ""},
        {"fileMenu", "", "", "", ""},
        {"fileMenu", "printPageMenuItem", "Print...", "printDocument", "", "Ctrl+P"},

        // Edit
        {"editMenu", "", "Undo", "undo", "", "Ctrl+Z"},
        {"editMenu", "", "Redo", "redo", "", "Ctrl+Shift+Z"},
        {"editMenu", "", "", "", ""},
        {"editMenu", "", "Cut", "cut", "", "Ctrl+X"},
        {"editMenu", "", "Copy", "copy", "", "Ctrl+C"},
        {"editMenu", "", "Paste", "paste", "", "Ctrl+V"},
        {"editMenu", "", "Delete", "deleteSelection", ""},
        {"editMenu", "", "", "", ""},
        {"editMenu", "selectAllMenuItem", "Select All", "selectAll", "", "Ctrl+A"},

        // View
        {"viewMenu", "styleEditorMenuItem", "Style Editor", "toggleInspector", ""},
        {"viewMenu", "displayListingPanelMenuItem", "Page List", "toggleListingPanel", ""},
        {"viewMenu", "displayColumnOptionMenuItem", "Page List Columns", "switchDisplayColumns", ""},
        {"viewMenu", "webPreviewMenuItem", "Web Preview", "showWebPreview", ""},
        {"viewMenu", "sourcecodeMenuItem", "Source Code", "showOrHideSourceCode", ""},
        {"viewMenu", "", "Static Source Code", "showOrHideSourceCodeStatic", ""},
        {"viewMenu", "showProfileBadgeMenuItem", "Profile Badge", "showProfileBadge", ""},
        {"viewMenu", "rotateCanvasMenuItem", "Rotate Canvas", "rotateCanvas", ""},
        {"viewMenu", "", "Ruler Units", "", "rulerUnitsMenu"},
        {"rulerUnitsMenu", "", "Points", "updateRulers_points", ""},
        {"rulerUnitsMenu", "", "Centimeters", "updateRulers_centimeters", ""},
        {"rulerUnitsMenu", "", "Inches", "updateRulers_inches", ""},

        // Format
        {"formatMenu", "", "Bring To Front", "bringToFront", ""},
        {"formatMenu", "", "Send To Back", "sendToBack", ""},

        // Add New
        {"insertMenu", "addNewTextboxMenuItem", "Text Box", "addNewTextbox", ""},
        {"insertMenu", "addNewPhotoMenuItem", "Image", "addNewImage", ""},
        {"insertMenu", "addNewShapeMenuItem", "Shape", "addNewShape", ""},
        {"insertMenu", "addNewLineMenuItem", "Line", "addNewLine", ""},
        {"insertMenu", "addNewTableParentMenuItem", "Table", "", "tableMenu"},
        {"tableMenu", "addNewTableMenuItem", "Table", "addNewTable", ""},
        {"tableMenu", "addNewTableSiteMapMenuItem", "Site Map", "addNewTableSiteMap", ""},
        {"tableMenu", "addNewTableSiteMapHMenuItem", "Horizontal Site Map", "addNewTableSiteMapH", ""},
        {"insertMenu", "addNewGalleryMenuItem", "Gallery", "addNewGallery", ""},
        {"insertMenu", "addNewSlideshowMenuItem", "Slideshow", "addNewSlideshow", ""},
        {"insertMenu", "addNewSnippetMenuItem", "HTML Snippet", "addNewSnippet", ""},
        {"insertMenu", "addNewVelkLinkMenuItem", "Page Link", "addNewVelkLink", ""},
        {"insertMenu", "addNewFormObjectMenuItem", "Form Field", "addNewFormObject", ""},
        {"insertMenu", "addBranchMenuItem", "Branch", "addBranch", ""},
        {"insertMenu", "addNewPersonalizationMenuItem", "Personalization", "", "personalizationMenu"},
        {"personalizationMenu", "personalizationFirstNameMenuItem", "First Name", "insertPersonalizationFirstName", ""},
        {"personalizationMenu", "personalizationLastNameMenuItem", "Last Name", "insertPersonalizationLastName", ""},
        {"personalizationMenu", "personalizationTitleMenuItem", "Title", "insertPersonalizationTitle", ""},
        {"personalizationMenu", "personalizationEmailMenuItem", "Email", "insertPersonalizationEmail", ""},
        {"personalizationMenu", "personalizationAddressMenuItem", "Address", "insertPersonalizationAddress", ""},
        {"personalizationMenu", "personalizationAddressStreetMenuItem", "Street", "insertPersonalizationAddressStreet", ""},
        {"personalizationMenu", "personalizationAddressCityMenuItem", "City", "insertPersonalizationAddressCity", ""},
        {"personalizationMenu", "personalizationAddressStateMenuItem", "State", "insertPersonalizationAddressState", ""},
        {"personalizationMenu", "personalizationAddressZipCodeMenuItem", "Zip Code", "insertPersonalizationAddressZipCode", ""},
        {"personalizationMenu", "personalizationAddressCountryMenuItem", "Country", "insertPersonalizationAddressCountry", ""},
        {"insertMenu", "", "", "", ""},
        {"insertMenu", "insertNewDisplayOptionMenuItem", "Place New Objects", "", "placementMenu"},
        {"placementMenu", "insertNewAtCurrentViewMenuItem", "At The Current View", "switchAddNewLayout_Current", ""},
        {"placementMenu", "insertNewAtEndMenuItem", "At The End Of The Page", "switchAddNewLayout_End", ""},

        // Publish and e-mail
        {"publishMenu", "publishThisPageMenuItem", "Publish This Page", "publishThisPage", ""},
        {"publishMenu", "publishThisPageNoImagesMenuItem", "Quick Refresh This Page (No Images)", "publishThisPageNoImages", ""},
        {"publishMenu", "publishAllPagesMenuItem", "Publish All Pages", "publishAllPages", ""},
        {"publishMenu", "publishAllPagesNoImagesMenuItem", "Quick Refresh All Pages (No Images)", "publishAllPagesNoImages", ""},
        {"publishMenuMail", "", "Send Email...", "showSendMailWindow", ""},

        // Photos, print, profile
        {"photoMenu", "selectPhotosInputFolderMenuItem", "Select Photos Folder...", "selectPhotosInputFolder", ""},
        {"printMenu", "", "Print Same Labels...", "printSheetWithSameLabels", ""},
        {"printMenu", "", "Print Different Labels...", "printSheetWithDifferentLabels", ""},
        {"printMenu", "", "Print Settings...", "launchPrintSettings", ""},
        {"profileMenu", "addNewPatientMenuItem", "Add New Patient", "addNewPatient", ""},
        {"profileMenu", "updateProfileMenuItem", "Update Profile", "updateProfile", ""},

        // Settings
        {"settingsMenu", "ftpSettingsMenuItem", "FTP Settings...", "showFTPSettings", ""},
        {"settingsMenu", "senderSMTPSettingsMenuItem", "Sender SMTP Settings...", "showMailSettings", ""},
        {"settingsMenu", "imageSettingsMenuItem", "Image Settings...", "showImageSettings", ""},
        {"settingsMenu", "", "", "", ""},
        {"settingsMenu", "pagePreferencesMenuItem", "Page Settings...", "showPageSettings", ""},
        {"settingsMenu", "formPreferencesMenuItem", "Form Settings...", "showFormSettings", ""},
        {"settingsMenu", "websitePreferencesMenuItem", "Website Settings...", "showWebsiteSettings", ""},
        {"settingsMenu", "canvasSizeMenuItem", "Canvas Size...", "showAdjustCanvasSheet", ""},
        {"settingsMenu", "", "Page Title...", "showAdjustPageNumberSheet", ""},
        {"settingsMenu", "mailCanvasSizeMenuItem", "Email Width...", "showMailCanvasSize", ""},
        {"settingsMenu", "customizeCategoriesMenuItem", "Customize Text Categories...", "showCustomizeCategories", ""},

        // Windows
        {"windowsMenu", "", "Minimize", "performMiniaturize", "", "Ctrl+M"},
        {"windowsMenu", "", "Welcome Window", "showWelcomeWindow", ""},

        // Help
        {"helpMenu", "helpMenuItem", "Contact Support...", "showHelpAlert", ""},
        {"helpMenu", "", "User Guide", "launchUserGuide", ""},
        {"helpMenu", "gettingStartedMenuItem", "Getting Started", "launchGettingStartedGuide", ""},
        {"helpMenu", "videoTutorialMenuItem", "Video Tutorials", "launchVideoTutorials", ""},
        {"helpMenu", "iOSEditionMenuItem", "iOS Edition", "showiPhoneAlert", ""},
        {"helpMenu", "feedbackMenuItem", "Send Feedback...", "showFeedbackWindow", ""},
    };
    // clang-format on
    return layout;
}

} // namespace MenuLayout
