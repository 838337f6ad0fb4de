#include "inspector/library/ObjectCatalogue.h"

#include <vector>

namespace {

enum class IconSource { BundleImage, BlackShapeOutline, ZoomBubbleOutline };

struct Entry {
    const char* code;
    const char* title;
    const char* imageName;
    const char* description;
};

// Consecutive items that share their keys and the way their icons are made.
struct Run {
    std::optional<QStringList> keys;
    IconSource icon;
    std::vector<Entry> entries;
};

// Descriptions several items share.
constexpr const char* kTitleText = "Text box styled as a title.  Customizable font color, style and size.";
constexpr const char* kSubtitleText =
    "Text box styled as a subtitle.  Customizable font color, style and size.";
constexpr const char* kBodyText = "Text box for body text.  Customizable font color, style and size.";
constexpr const char* kFootnoteText =
    "Text box styled as a footnote.  Customizable font color, style and size.";
constexpr const char* kPhotoGrid = "Grid of photos, customizable number of rows and columns.";
constexpr const char* kTable = "Grid of text boxes, customizable number of rows and columns.";
constexpr const char* kShape = "Shape with customizable fill color, border, shadow and rotation.";
constexpr const char* kMarkupText = "Colored text box for notes on an image.  Customizable font style.";
constexpr const char* kZoomBubble = "Bubble that magnifies a selected area of an image.  Drag onto an image, "
                                    "open the context menu and choose \"Create Zoom Bubble\".";
constexpr const char* kDashedOutline = "Dashed outline for marking an area of an image.  Customizable color.";
constexpr const char* kBubbleOutline =
    "Bubble outline for pointing at an area of an image.  Customizable color.";
constexpr const char* kMarkupButton = "Labelled button for marking status on an image.  Customizable text.";
constexpr const char* kLine = "Line with customizable color, width and arrows.";
constexpr const char* kNumberTag = "Predefined number tag.  Customizable font style, font size and color.  "
                                   "Easy plugin for labeling sections, "
                                   "steps and instructions.";
constexpr const char* kWebComponent = "Responsive web component.  Customizable colors, text and links.";
constexpr const char* kShopComponent =
    "Web store component that sells a product with a Paypal Buy Now button.";
constexpr const char* kProfileDetails = "Customize name, photo, birthdate and other profile details.";
constexpr const char* kSpecificBranch = "Choose a more specific relation where one fits.";

QStringList keys(std::initializer_list<const char*> names)
{
    QStringList list;
    for (const char* name : names)
        list.append(QString::fromLatin1(name));
    return list;
}

// Family-tree relations: "Adds a <relation> branch to a selected individual on the canvas." and the advice
// that the relation asks for.
QString relationDescription(const char* relation, const char* advice)
{
    return QStringLiteral("Adds a%1 %2 branch to a selected individual on the canvas.  %3")
        .arg(QStringLiteral("aeiou").contains(QLatin1Char(relation[0])) ? "n" : "")
        .arg(QString::fromLatin1(relation), QString::fromLatin1(advice));
}

std::vector<Run> catalogueRuns()
{
    using I = IconSource;
    const QStringList markupManual = keys({"Markup", "MarkupExpress", "Manual"});
    const QStringList markupBoth = keys({"Markup", "MarkupExpress"});
    const QStringList shapeProducts =
        keys({"Crovane", "Label", "Flyer", "GreetingCard", "Manual", "QuorvikVirAvivu"});
    const QStringList zoomProducts =
        keys({"Crovane", "Flyer", "GreetingCard", "Markup", "MarkupExpress", "QuorvikVirAvivu"});
    return {
        {keys({"Velk", "Tazmir", "Forms", "ResponsiveForms"}),
         I::BundleImage,
         {{"velk_textfield", "Text Field", "form_checkbox",
           "One line input field for text, can be marked as completion mandatory.  Form component."},
          {"velk_emailtextfield", "Email Address Field", "form_checkbox",
           "One line input field for an email address, can be marked as completion mandatory.  Form "
           "component."},
          {"velk_paragraph", "Paragraph Box", "form_checkbox",
           "Multi-line input field for longer text, can be marked as completion mandatory.  Form component."},
          {"velk_multiplechoice", "Multiple Choice", "form_checkbox",
           "List of options of which one can be chosen.  Form component."},
          {"velk_checkboxes", "Checkboxes", "form_checkbox",
           "List of options of which any can be checked.  Form component."},
          {"velk_submitbutton", "Submit Button", "form_checkbox",
           "Button that sends the completed form.  Form component."},
          {"velk_botchecker", "Bot Checker", "form_checkbox",
           "Presents a simple, randomly generated math question.  Helps reduce unwanted form submission "
           "spam.  "
           "Form component."}}},
        {keys({"Tazmir", "Mail", "ResponsiveForms"}),
         I::BundleImage,
         {{"velk_section1", "Section - Single Column", "section1",
           "Single column section with support for responsive fluid layout."},
          {"velk_section2", "Section - 2 Columns", "section2",
           "Two column section with support for responsive fluid layout."},
          {"velk_section4_8", "Section - 2 Columns", "section1_2",
           "Two column section, the right column twice as wide, with support for responsive fluid layout."},
          {"velk_section8_4", "Section - 2 Columns", "section2_1",
           "Two column section, the left column twice as wide, with support for responsive fluid layout."},
          {"velk_section3", "Section - 3 Columns", "section3",
           "Three column section with support for responsive fluid layout."}}},
        {keys({"Tazmir", "ResponsiveForms"}),
         I::BundleImage,
         {{"velk_section4", "Section - 4 Columns", "section4",
           "Four column section with support for responsive fluid layout."},
          {"velk_section2_10", "Section - 2:10 Columns", "section1_5",
           "Two column section with a narrow left column, with support for responsive fluid layout."},
          {"velk_section10_2", "Section - 10:2 Columns", "section5_1",
           "Two column section with a narrow right column, with support for responsive fluid layout."}}},
        {keys({"Tazmir"}),
         I::BundleImage,
         {{"velk_webstore_section", "Product Section - 4 Columns", "section4",
           "Four column section with support for responsive fluid layout.  Tazmir Web Store template."}}},
        {keys({"Crovane", "Forms", "Flyer", "GreetingCard", "Manual"}),
         I::BundleImage,
         {{"velk_textbox_title", "Text Box", "textbox_simple", kTitleText},
          {"velk_textbox_subtitle", "Text Box", "textbox_simple", kSubtitleText}}},
        {keys({"Crovane", "Forms", "Flyer", "GreetingCard", "Manual", "AllMyWendrils2"}),
         I::BundleImage,
         {{"velk_textbox_body", "Text Box", "textbox_simple", kBodyText}}},
        {keys({"Crovane", "Forms", "Flyer", "GreetingCard", "Manual"}),
         I::BundleImage,
         {{"velk_textbox_footnote", "Text Box", "textbox_simple", kFootnoteText}}},
        {std::nullopt,
         I::BundleImage,
         {{"velk_textbox_title_tazmir", "Text Box", "textbox_simple", kTitleText},
          {"velk_textbox_subtitle_tazmir", "Text Box", "textbox_simple", kSubtitleText}}},
        {keys({"Tazmir", "ResponsiveForms"}),
         I::BundleImage,
         {{"velk_textbox_body_tazmir", "Text Box", "textbox_simple",
           "Responsive text box for body text.  Customizable font color, style and size."}}},
        {keys({"Tazmir", "Mail", "ResponsiveForms"}),
         I::BundleImage,
         {{"velk_textbox_body_tazmir_rich", "Text Box", "textbox_simple",
           "Text box with support for HTML markup syntax such as <i> for italics, <b> for bold, <u> for "
           "underline. Customizable font color, style and size."}}},
        {std::nullopt,
         I::BundleImage,
         {{"velk_textbox_footnote_tazmir", "Text Box", "textbox_simple", kFootnoteText}}},
        {keys({"Manual"}),
         I::BundleImage,
         {{"velk_textbox_section_title", "Section Divider - Title", "textbox_simple",
           "Title that opens a section of the manual.  Listed in the table of contents."},
          {"velk_textbox_section_subtitle", "Section Divider - Subtitle", "textbox_simple",
           "Subtitle that opens a part of a section.  Listed in the table of contents."}}},
        {keys({"Velk", "Tazmir", "Crovane", "Mail", "Chart", "Forms", "ResponsiveForms", "Label", "Flyer",
               "GreetingCard", "Markup", "MarkupExpress", "LummetMarkup", "Manual", "AllMyWendrils2",
               "QuorvikVirAvivu"}),
         I::BundleImage,
         {{"velk_photo", "Photo", "photo_simple",
           "Photo from an image file.  Customizable border, shadow, rotation and opacity."}}},
        {keys({"Flyer", "Markup", "Manual"}),
         I::BundleImage,
         {{"velk_gallery", "Photo Grid", "photo_simple", kPhotoGrid}}},
        {keys({"Markup", "Manual", "AllMyWendrils2"}),
         I::BundleImage,
         {{"velk_pdf", "PDF", "pdf_icon", "Adds all pages of selected PDF file to canvas."}}},
        {keys({"Tazmir", "Mail", "Forms", "ResponsiveForms", "Label", "Flyer", "GreetingCard",
               "QuorvikVirAvivu"}),
         I::BundleImage,
         {{"velk_backgroundpattern", "Background Pattern", "texture",
           "Background image or repeating pattern behind the design."}}},
        {keys({"Tazmir"}),
         I::BundleImage,
         {{"velk_backgroundpattern_video", "Background Pattern", "texture",
           "Video background, supports compatible video file in mov or mp4 format.  Video ONLY plays when "
           "page "
           "is loaded on Desktop browsers, defaults to still image on mobile and tablet browsers."}}},
        {keys({"Tazmir", "Mail"}),
         I::BundleImage,
         {{"velk_responsive_button", "Button", "button",
           "Button with a link.  Customizable colors, hover colors and text."},
          {"velk_bulletedlist_html", "Bulleted List", "bullet_list",
           "Text box with a bulleted list.  Customizable font color, style and size."},
          {"velk_numberedlist_html", "Numbered List", "number_list",
           "Text box with a numbered list.  Customizable font color, style and size."}}},
        {keys({"Velk", "LummetMarkup", "QuorvikVirAvivu"}),
         I::BundleImage,
         {{"velk_textbox", "Text Box", "textbox_simple",
           "Text box for text of any length.  Customizable font color, style and size."}}},
        {keys({"Label"}),
         I::BundleImage,
         {{"velk_textbox_label", "Text Box", "textbox_simple",
           "Text box for the text of a label.  Customizable font color, style and size."},
          {"velk_personaltag_firstname", "Personalization Tag - First Name", "person_outline",
           "Placeholder for a contact's first name, presented with the tag [FIRST_NAME].  Used for "
           "generating "
           "personalized designs from Contacts."},
          {"velk_personaltag_lastname", "Personalization Tag - Last Name", "person_outline",
           "Placeholder for a contact's last name, presented with the tag [LAST_NAME].  Used for generating "
           "personalized designs from Contacts."},
          {"velk_personaltag_fulladdress", "Personalization Tag - Full Address", "person_outline",
           "Placeholder for a contact's full address, presented with the tags [STREET], [CITY], [STATE] and "
           "[ZIPCODE].  Used for generating personalized designs from Contacts."}}},
        {keys({"Velk", "Forms"}),
         I::BundleImage,
         {{"velk_htmlsnippet", "HTML Snippet", "snippet_icon",
           "Box for HTML code of your own, such as embedded maps, videos or widgets."}}},
        {keys({"Manual"}),
         I::BundleImage,
         {{"velk_htmlsnippet", "Code Snippet", "snippet_icon",
           "Box for a code listing in a fixed-width font.  Customizable font size and colors."},
          {"velk_pagenumber", "Page Number", "page_number",
           "Placeholder for page number, expressed as [PAGE_NUMBER].  This placeholder tag will be "
           "automatically converted to the appropriate page number."}}},
        {keys({"Flyer"}),
         I::BundleImage,
         {{"velk_tear_off_tab_1", "Tear Off Tabs I", "tab_icon",
           "Row of upright tear-off tabs along the bottom of the flyer.  Customizable text."},
          {"velk_tear_off_tab_2", "Tear Off Tabs II", "tab_icon",
           "Row of wide tear-off tabs along the bottom of the flyer.  Customizable text."}}},
        {keys({"Manual"}),
         I::BundleImage,
         {{"velk_table_of_contents", "Table of Contents", "table_of_contents",
           "Auto generate table of contents with titles and page numbers; table lists pages with assigned "
           "title."}}},
        {keys({"Velk", "Crovane", "Chart", "Label", "Flyer", "GreetingCard", "Markup", "Manual",
               "AllMyWendrils2"}),
         I::BundleImage,
         {{"velk_table", "Table", "table_simple", kTable}}},
        {keys({"Tazmir", "Mail"}),
         I::BundleImage,
         {{"velk_table1x2", "Table: 1x2", "table_2column", kTable},
          {"velk_table1x3", "Table: 1x3", "table_3column", kTable},
          {"velk_table1x4", "Table: 1x4", "table_4column", kTable},
          {"velk_table1x5", "Table: 1x5", "table_5column", kTable},
          {"velk_table1x6", "Table: 1x6", "table_6column", kTable},
          {"velk_table1_2", "Table: 1:2", "table_1_2column", kTable},
          {"velk_table1_3", "Table: 1:3", "table_1_3column", kTable},
          {"velk_table1_5", "Table: 1:5", "table_1_5column", kTable},
          {"velk_table2_3", "Table: 2:3", "table_2_3column", kTable},
          {"velk_table2_1", "Table: 2:1", "table_2_1column", kTable},
          {"velk_table3_1", "Table: 3:1", "table_3_1column", kTable},
          {"velk_table5_1", "Table: 5:1", "table_5_1column", kTable},
          {"velk_table3_2", "Table: 3:2", "table_3_2column", kTable}}},
        {keys({"Crovane", "Flyer", "GreetingCard"}),
         I::BundleImage,
         {{"velk_bulletedlist", "Bulleted List", "bullet_list",
           "Text box with a bulleted list.  Customizable font color, style and size."},
          {"velk_numberedlist", "Numbered List", "number_list",
           "Text box with a numbered list.  Customizable font color, style and size."}}},
        {shapeProducts,
         I::BlackShapeOutline,
         {{"velk_shape_star", "Shape", "star", kShape},
          {"velk_shape_star2", "Shape", "star2", kShape},
          {"velk_shape_star4", "Shape", "star4", kShape},
          {"velk_shape_star4b", "Shape", "star4b", kShape},
          {"velk_shape_star10", "Shape", "star10", kShape},
          {"velk_shape_star25", "Shape", "star25", kShape},
          {"velk_shape_octagon", "Shape", "octagon", kShape},
          {"velk_shape_triangle", "Shape", "triangle", kShape}}},
        {keys({"Crovane", "Label", "GreetingCard", "QuorvikVirAvivu"}),
         I::BlackShapeOutline,
         {{"velk_shape_triangle2", "Shape", "triangle2", kShape}}},
        {shapeProducts,
         I::BlackShapeOutline,
         {{"velk_shape_pyramid", "Shape", "pyramid", kShape},
          {"velk_shape_polygon5", "Shape", "polygon5", kShape},
          {"velk_shape_polygon6", "Shape", "polygon6", kShape},
          {"velk_shape_polygon7", "Shape", "polygon7", kShape},
          {"velk_shape_polygon10", "Shape", "polygon10", kShape},
          {"velk_shape_polygon12", "Shape", "polygon12", kShape}}},
        {keys({"Velk", "Tazmir", "Crovane", "Chart", "Forms", "Label", "Flyer", "GreetingCard", "Manual",
               "QuorvikVirAvivu"}),
         I::BlackShapeOutline,
         {{"velk_square", "Shape", "square", kShape},
          {"velk_square_rounded", "Shape", "square_roundcorners", kShape},
          {"velk_rectangle", "Shape", "rectangle", kShape},
          {"velk_rectangle_rounded", "Shape", "rectangle_roundcorners", kShape},
          {"velk_circle", "Shape", "circle", kShape}}},
        {markupBoth,
         I::BundleImage,
         {{"velk_textbox_red", "Text Box", "text_box_red", kMarkupText},
          {"velk_textbox_blue", "Text Box", "text_box_blue", kMarkupText}}},
        {keys({"Markup"}),
         I::BundleImage,
         {{"velk_textbox_yellow", "Text Box", "text_box_yellow", kMarkupText}}},
        {markupBoth, I::BundleImage, {{"velk_textbox_black", "Text Box", "text_box_black", kMarkupText}}},
        {keys({"Markup"}),
         I::BundleImage,
         {{"velk_textbox_green", "Text Box", "text_box_green", kMarkupText}}},
        {keys({"Crovane", "Chart", "Flyer", "GreetingCard", "Markup", "MarkupExpress", "Manual",
               "QuorvikVirAvivu"}),
         I::ZoomBubbleOutline,
         {{"velk_zoom_bubble_circle", "Zoom Bubble", "circle", kZoomBubble},
          {"velk_zoom_bubble", "Zoom Bubble", "rectangle", kZoomBubble}}},
        {zoomProducts,
         I::ZoomBubbleOutline,
         {{"velk_zoom_bubble_star", "Zoom Bubble", "star", kZoomBubble},
          {"velk_zoom_bubble_star2", "Zoom Bubble", "star2", kZoomBubble},
          {"velk_zoom_bubble_star4", "Zoom Bubble", "star4", kZoomBubble},
          {"velk_zoom_bubble_star4b", "Zoom Bubble", "star4", kZoomBubble},
          {"velk_zoom_bubble_star10", "Zoom Bubble", "star10", kZoomBubble},
          {"velk_zoom_bubble_star25", "Zoom Bubble", "star25", kZoomBubble},
          {"velk_zoom_bubble_octagon", "Zoom Bubble", "octagon", kZoomBubble},
          {"velk_zoom_bubble_triangle", "Zoom Bubble", "triangle", kZoomBubble},
          {"velk_zoom_bubble_triangle2", "Zoom Bubble", "triangle2", kZoomBubble},
          {"velk_zoom_bubble_pyramid", "Zoom Bubble", "pyramid", kZoomBubble},
          {"velk_zoom_bubble_polygon5", "Zoom Bubble", "polygon5", kZoomBubble},
          {"velk_zoom_bubble_polygon6", "Zoom Bubble", "polygon6", kZoomBubble},
          {"velk_zoom_bubble_polygon7", "Zoom Bubble", "polygon7", kZoomBubble}}},
        {keys({"Crovane", "GreetingCard", "Markup", "MarkupExpress", "QuorvikVirAvivu"}),
         I::ZoomBubbleOutline,
         {{"velk_zoom_bubble_polygon10", "Zoom Bubble", "polygon10", kZoomBubble}}},
        {zoomProducts,
         I::ZoomBubbleOutline,
         {{"velk_zoom_bubble_polygon12", "Zoom Bubble", "polygon12", kZoomBubble}}},
        {keys({"Velk", "Tazmir"}),
         I::BundleImage,
         {{"velk_gallery", "Photo Gallery", "photo_simple", kPhotoGrid},
          {"velk_enlargeable_photo", "Photo - Click To Enlarge", "photo_simple",
           "Photo that opens enlarged over the page when clicked."}}},
        {keys({"Markup", "MarkupExpress", "LummetMarkup", "Manual"}),
         I::BundleImage,
         {{"velk_square_markup_red_dashed", "Outline", "selection_rectangular_red", kDashedOutline}}},
        {markupManual,
         I::BundleImage,
         {{"velk_circle_markup_red_dashed", "Outline", "selection_elliptical_red", kDashedOutline}}},
        {keys({"Markup", "MarkupExpress", "LummetMarkup", "Manual"}),
         I::BundleImage,
         {{"velk_circle_markup_red_bubble", "Outline", "selection_elliptical_red", kBubbleOutline}}},
        {markupManual,
         I::BundleImage,
         {{"velk_square_markup_blue_dashed", "Outline", "selection_rectangular_blue", kDashedOutline},
          {"velk_circle_markup_blue_dashed", "Outline", "selection_elliptical_blue", kDashedOutline}}},
        {markupBoth,
         I::BundleImage,
         {{"velk_circle_markup_blue_bubble", "Outline", "selection_elliptical_blue", kBubbleOutline}}},
        {keys({"Markup", "Manual"}),
         I::BundleImage,
         {{"velk_square_markup_yellow_dashed", "Outline", "selection_rectangular_yellow", kDashedOutline},
          {"velk_circle_markup_yellow_dashed", "Outline", "selection_elliptical_yellow", kDashedOutline},
          {"velk_circle_markup_yellow_bubble", "Outline", "selection_elliptical_yellow", kBubbleOutline}}},
        {markupManual,
         I::BundleImage,
         {{"velk_square_markup_black_dashed", "Outline", "selection_rectangular_black", kDashedOutline},
          {"velk_circle_markup_black_dashed", "Outline", "selection_elliptical_black", kDashedOutline},
          {"velk_circle_markup_black_bubble", "Outline", "selection_elliptical_black", kBubbleOutline}}},
        {keys({"Markup", "Manual"}),
         I::BundleImage,
         {{"velk_square_markup_green_dashed", "Outline", "selection_rectangular_green", kDashedOutline},
          {"velk_circle_markup_green_dashed", "Outline", "selection_elliptical_green", kDashedOutline},
          {"velk_circle_markup_green_bubble", "Outline", "selection_elliptical_green", kBubbleOutline}}},
        {markupManual,
         I::BundleImage,
         {{"velk_markup_watermark", "Watermark", "watermark",
           "Faint text across the image that marks it as yours.  Customizable text."},
          {"velk_markup_timestamp", "Time Stamp", "timestamp", "Stamp with the current time."},
          {"velk_markup_datestamp", "Date Stamp", "calendar", "Stamp with the current date."},
          {"velk_markup_approved", "Button - Green", "button", kMarkupButton},
          {"velk_markup_error", "Button - Red", "button", kMarkupButton},
          {"velk_markup_warning", "Button - Yellow", "button", kMarkupButton},
          {"velk_markup_info", "Button - Blue", "button", kMarkupButton},
          {"velk_markup_blackout", "Black Out - Rectangle", "blackout",
           "Black rectangle that hides private details of an image."},
          {"velk_markup_blackout_circle", "Black Out - Circle", "blackout",
           "Black circle that hides private details of an image."},
          {"velk_markup_dim", "Darken Area - Rectangle", "blackout",
           "Rectangle that darkens an area of an image."},
          {"velk_markup_dim_circle", "Darken Area - Circle", "blackout",
           "Circle that darkens an area of an image."},
          {"velk_markup_whiten", "Whiten Area - Rectangle", "blackout",
           "Rectangle that whitens an area of an image."},
          {"velk_markup_whiten_circle", "Whiten Area - Circle", "blackout",
           "Circle that whitens an area of an image."}}},
        {keys({"Crovane", "Label", "Flyer", "GreetingCard", "Markup", "MarkupExpress", "Manual"}),
         I::BundleImage,
         {{"velk_line_solid_section", "Line - Section Line", "horizontal_line",
           "Horizontal line that divides sections of the design."}}},
        {keys({"Crovane", "Chart", "Label", "Flyer", "GreetingCard", "Markup", "MarkupExpress", "Manual",
               "QuorvikVirAvivu"}),
         I::BundleImage,
         {{"velk_line_solid", "Line - Solid", "line_icon", kLine},
          {"velk_line_dotted", "Line - Dotted", "line_icon", kLine},
          {"velk_line_dashed", "Line - Dashed", "line_icon", kLine},
          {"velk_line_solid_both_arrows", "Line - Solid - Start and End Arrows", "line_icon", kLine},
          {"velk_line_solid_start_arrow", "Line - Solid - Start Arrow", "arrow_backward", kLine},
          {"velk_line_solid_red_start_arrow", "Line - Red Solid - Start Arrow", "arrow_backward", kLine},
          {"velk_line_dashed_start_arrow", "Line - Dashed - Start Arrow", "arrow_backward", kLine},
          {"velk_line_dashed_red_start_arrow", "Line - Red Dashed - Start Arrow", "arrow_backward", kLine},
          {"velk_line_solid_end_arrow", "Line - Solid - End Arrow", "arrow_forward", kLine}}},
        {markupManual,
         I::BundleImage,
         {{"velk_numbertag_1", "Number Tag - 1", "ic_looks_1", kNumberTag},
          {"velk_numbertag_2", "Number Tag - 2", "ic_looks_2", kNumberTag},
          {"velk_numbertag_3", "Number Tag - 3", "ic_looks_3", kNumberTag},
          {"velk_numbertag_4", "Number Tag - 4", "ic_looks_4", kNumberTag},
          {"velk_numbertag_5", "Number Tag - 5", "ic_looks_5", kNumberTag},
          {"velk_numbertag_6", "Number Tag - 6", "ic_looks_6", kNumberTag},
          {"velk_numbertag_7", "Number Tag - 7", "ic_looks_7", kNumberTag},
          {"velk_numbertag_8", "Number Tag - 8", "ic_looks_8", kNumberTag},
          {"velk_numbertag_9", "Number Tag - 9", "ic_looks_9", kNumberTag}}},
        {keys({"Velk"}),
         I::BundleImage,
         {{"velk_link", "Link Badge", "photo_simple", "Small badge that links to another page or website."}}},
        {keys({"Tazmir"}),
         I::BundleImage,
         {{"velk_dropdownmenu", "Dropdown Menu", "photo_simple", kWebComponent},
          {"velk_navbar", "Navigation Bar", "photo_simple", kWebComponent},
          {"velk_navbar_centered", "Navigation Bar - Centered", "photo_simple", kWebComponent},
          {"velk_navbar", "Navigation Bar - Brand Centered", "photo_simple", kWebComponent},
          {"velk_navbar", "Navigation Bar - Mega Menu", "photo_simple", kWebComponent},
          {"velk_navbar", "Navigation Bar - Underline Menu", "photo_simple", kWebComponent},
          {"velk_navbar_fixed", "Navigation Bar - Fixed To Top", "photo_simple", kWebComponent},
          {"velk_navbar_fixed_centered", "Navigation Bar - Fixed To Top - Centered", "photo_simple",
           kWebComponent},
          {"velk_navbar_fixed", "Grid Panel", "photo_simple", kWebComponent},
          {"velk_collapsible_image_panel", "Collapsible Image Panel", "photo_simple", kWebComponent},
          {"velk_collapsible_text_panel", "Collapsible Text Panel", "photo_simple", kWebComponent},
          {"velk_navbar_fixed", "Scroll To Top Button", "photo_simple", kWebComponent}}},
        {keys({"Velk", "Tazmir"}),
         I::BundleImage,
         {{"velk_slideshow", "Carousel", "photo_simple", "Slideshow of photos that turn one after another."},
          {"velk_photo_hover_caption", "Image With Hover Caption", "photo_simple",
           "Photo that shows a caption while the pointer is over it."},
          {"velk_text_carousel", "Text Carousel", "photo_simple", "Slideshow of text panels."},
          {"velk_video", "Video", "movie",
           "Embed video media, supports streaming video URL from YouTube and Vimeo."}}},
        {keys({"Velk", "Tazmir", "Shop"}),
         I::BundleImage,
         {{"velk_buynowbutton", "Buy Now Button", "shopping_cart",
           "Accept credit card payments online with Paypal Buy Now button."}}},
        {keys({"Shop"}),
         I::BundleImage,
         {{"velk_buynowbutton", "Add to Cart Button", "shopping_cart", kShopComponent},
          {"velk_buynowbutton", "Product Description", "shopping_cart", kShopComponent},
          {"velk_buynowbutton", "Product Title", "shopping_cart", kShopComponent},
          {"velk_buynowbutton", "Product Photo", "shopping_cart", kShopComponent},
          {"velk_buynowbutton", "Product Photo Gallery", "shopping_cart", kShopComponent},
          {"velk_buynowbutton", "Product Photo Slideshow", "shopping_cart", kShopComponent}}},
    };
}

// The family-tree relations: (code, title, relation word, advice).
struct Relation {
    const char* code;
    const char* title;
    const char* relation;
    const char* advice;
};

const Relation kRelations[] = {
    {"velk_mother", "Mother", "mother", kProfileDetails},
    {"velk_father", "Father", "father", kProfileDetails},
    {"velk_brother", "Brother", "brother", kProfileDetails},
    {"velk_sister", "Sister", "sister", kProfileDetails},
    {"velk_sibling", "Sibling", "sibling", kSpecificBranch},
    {"velk_sibling", "Son", "son", kProfileDetails},
    {"velk_sibling", "Daughter", "daughter", kProfileDetails},
    {"velk_sibling", "Child", "child", kSpecificBranch},
    {"velk_sibling", "Grandma", "grandma", kProfileDetails},
    {"velk_sibling", "Grandpa", "grandpa", kProfileDetails},
    {"velk_sibling", "Pet", "pet", kProfileDetails},
    {"velk_sibling", "Uncle", "uncle", kProfileDetails},
    {"velk_sibling", "Aunt", "aunt", kProfileDetails},
    {"velk_sibling", "Godfather", "godfather", kProfileDetails},
    {"velk_sibling", "Godmother", "godmother", kProfileDetails},
    {"velk_sibling", "Distant Relative", "distant relative", kSpecificBranch},
    {"velk_sibling", "Wife", "wife", kProfileDetails},
    {"velk_sibling", "Husband", "husband", kProfileDetails},
    {"velk_sibling", "Ex-Wife", "ex-wife", kProfileDetails},
    {"velk_sibling", "Ex-Husband", "ex-husband", kProfileDetails},
    {"velk_sibling", "Step Father", "step father", kProfileDetails},
    {"velk_sibling", "Step Mother", "step mother", kProfileDetails},
    {"velk_sibling", "Step Brother", "step brother", kProfileDetails},
    {"velk_sibling", "Step Sister", "step sister", kProfileDetails},
    {"velk_sibling", "Half Sister", "half sister", kProfileDetails},
    {"velk_sibling", "Half Brother", "half brother", kProfileDetails},
    {"velk_sibling", "Half Sibling", "half sibling", kSpecificBranch},
    {"velk_sibling", "Cousin", "cousin", kProfileDetails},
};

QList<ObjectCatalogueItem> buildCatalogue()
{
    QList<ObjectCatalogueItem> items;
    for (const Run& run : catalogueRuns()) {
        for (const Entry& entry : run.entries) {
            ObjectCatalogueItem item;
            item.dragAndDropCodeName = QString::fromLatin1(entry.code);
            item.objectTitle = QString::fromLatin1(entry.title);
            item.imageName = QString::fromLatin1(entry.imageName);
            item.objectDescription = QString::fromLatin1(entry.description);
            item.typeArray = run.keys;
            item.createOwnImageFlag = run.icon != IconSource::BundleImage;
            item.shapeFlag = run.icon == IconSource::BlackShapeOutline;
            item.zoomBubbleImageFlag = run.icon == IconSource::ZoomBubbleOutline;
            items.append(item);
        }
    }
    const QStringList familyTree = keys({"familyTree"});
    ObjectCatalogueItem individual;
    individual.dragAndDropCodeName = QStringLiteral("velk_individual");
    individual.objectTitle = QStringLiteral("Individual");
    individual.imageName = QStringLiteral("person_contacts");
    individual.objectDescription =
        QStringLiteral("An individual.  Always start by adding an individual to a new "
                       "family tree design.  %1")
            .arg(QString::fromLatin1(kProfileDetails));
    individual.typeArray = familyTree;
    items.append(individual);
    for (const Relation& relation : kRelations) {
        ObjectCatalogueItem item = individual;
        item.dragAndDropCodeName = QString::fromLatin1(relation.code);
        item.objectTitle = QString::fromLatin1(relation.title);
        item.objectDescription = relationDescription(relation.relation, relation.advice);
        items.append(item);
    }
    return items;
}

} // namespace

const QList<ObjectCatalogueItem>& objectCatalogueItems()
{
    static const QList<ObjectCatalogueItem> items = buildCatalogue();
    return items;
}

bool isShownInLibrary(const ObjectCatalogueItem& item, const QString& objectCatalogName,
                      const QString& pageFileExtension)
{
    static const QString kEveryProduct = QStringLiteral("All");
    static const QString kFormItemImage = QStringLiteral("form_checkbox");
    static const QString kPlainPageExtension = QStringLiteral("html");
    if (!item.typeArray)
        return false;
    if (!item.typeArray->contains(objectCatalogName) && !item.typeArray->contains(kEveryProduct))
        return false;
    return !(item.imageName == kFormItemImage && pageFileExtension == kPlainPageExtension);
}
