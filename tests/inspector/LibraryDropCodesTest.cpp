#include "window/WindowTestSupport.h"

#include "canvas/drop/LibraryDropCodes.h"
#include "canvas/factories/HtmlSnippets.h"
#include "canvas/factories/TextBoxArguments.h"
#include "inspector/library/ObjectCatalogue.h"
#include "model/SKTImage.h"
#include "model/SKTLine.h"
#include "model/SKTTable.h"
#include "model/records/TransformView.h"
#include "platform/Bundle.h"
#include "profile/ProductSelection.h"
#include "profile/configurations/Configurations.h"
#include "profile/print/PrintSheetCatalogue.h"
#include "window/pages/VelkNSButton.h"

#include <QDateTime>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QPointer>
#include <QRegularExpression>

#include <functional>

// Every code of the object library dropped on a fresh page of a product that offers it: the page holds
// what the factory the code names makes from the code's own values.

namespace {

// The codes in the order a dropped name is compared with them.
// clang-format off
const QStringList kLibraryCodes = {
    "velk_section1", "velk_section2", "velk_section3", "velk_section4", "velk_section6", "velk_section12",
    "velk_section4_8", "velk_section8_4", "velk_section10_2", "velk_section2_10", "velk_webstore_section",
    "velk_dropdownmenu", "velk_navbar_centered", "velk_navbar", "velk_navbar_fixed",
    "velk_navbar_fixed_centered", "velk_collapsible_text_panel", "velk_collapsible_image_panel",
    "velk_text_carousel", "velk_photo_hover_caption", "velk_link", "velk_photo", "velk_pdf",
    "velk_backgroundpattern", "velk_textfield", "velk_paragraph", "velk_multiplechoice", "velk_checkboxes",
    "velk_submitbutton", "velk_botchecker", "velk_emailtextfield", "velk_textbox", "velk_textbox_red",
    "velk_textbox_yellow", "velk_textbox_blue", "velk_textbox_green", "velk_textbox_black",
    "velk_bulletedlist", "velk_numberedlist", "velk_bulletedlist_html", "velk_numberedlist_html",
    "velk_textbox_title", "velk_textbox_subtitle", "velk_textbox_section_title",
    "velk_textbox_section_subtitle", "velk_textbox_body", "velk_textbox_footnote",
    "velk_textbox_title_tazmir", "velk_textbox_subtitle_tazmir", "velk_textbox_body_tazmir",
    "velk_textbox_body_tazmir_rich", "velk_textbox_footnote_tazmir", "velk_textbox_label",
    "velk_markup_watermark", "velk_zoom_bubble", "velk_zoom_bubble_circle", "velk_zoom_bubble_star",
    "velk_shape_star", "velk_shape_star2", "velk_shape_star4", "velk_shape_star4b", "velk_shape_star10",
    "velk_shape_star25", "velk_shape_octagon", "velk_shape_triangle", "velk_shape_triangle2",
    "velk_shape_pyramid", "velk_shape_polygon5", "velk_shape_polygon6", "velk_shape_polygon7",
    "velk_shape_polygon10", "velk_shape_polygon12", "velk_zoom_bubble_star2", "velk_zoom_bubble_star4",
    "velk_zoom_bubble_star4b", "velk_zoom_bubble_star10", "velk_zoom_bubble_star25",
    "velk_zoom_bubble_octagon", "velk_zoom_bubble_triangle", "velk_zoom_bubble_triangle2",
    "velk_zoom_bubble_pyramid", "velk_zoom_bubble_polygon5", "velk_zoom_bubble_polygon6",
    "velk_zoom_bubble_polygon7", "velk_zoom_bubble_polygon10", "velk_zoom_bubble_polygon12",
    "velk_square_markup_red_dashed", "velk_circle_markup_red_dashed", "velk_circle_markup_red_bubble",
    "velk_circle_markup_blue_bubble", "velk_circle_markup_yellow_bubble", "velk_circle_markup_green_bubble",
    "velk_circle_markup_black_bubble", "velk_square_markup_yellow_dashed", "velk_circle_markup_yellow_dashed",
    "velk_square_markup_blue_dashed", "velk_circle_markup_blue_dashed", "velk_square_markup_green_dashed",
    "velk_circle_markup_green_dashed", "velk_square_markup_black_dashed", "velk_circle_markup_black_dashed",
    "velk_numbertag_1", "velk_numbertag_2", "velk_numbertag_3", "velk_numbertag_4", "velk_numbertag_5",
    "velk_numbertag_6", "velk_numbertag_7", "velk_numbertag_8", "velk_numbertag_9", "velk_markup_datestamp",
    "velk_markup_timestamp", "velk_responsive_button", "velk_markup_approved", "velk_markup_error",
    "velk_markup_info", "velk_markup_warning", "velk_markup_blackout", "velk_markup_blackout_circle",
    "velk_markup_dim", "velk_markup_dim_circle", "velk_markup_whiten", "velk_markup_whiten_circle",
    "velk_square", "velk_square_rounded", "velk_rectangle", "velk_rectangle_rounded", "velk_circle",
    "velk_htmlsnippet", "velk_line_solid_section", "velk_line_solid", "velk_line_dotted", "velk_line_dashed",
    "velk_line_solid_start_arrow", "velk_line_solid_red_start_arrow", "velk_line_dashed_start_arrow",
    "velk_line_dashed_red_start_arrow", "velk_line_solid_end_arrow", "velk_line_solid_both_arrows",
    "velk_table", "velk_table1x2", "velk_table1x3", "velk_table1x4", "velk_table1x6", "velk_table1_2",
    "velk_table1_3", "velk_table1_5", "velk_table5_1", "velk_table2_3", "velk_table3_2", "velk_table3_1",
    "velk_table2_1", "velk_table_of_contents", "velk_table_multiColumnWidth", "velk_tear_off_tab_1",
    "velk_tear_off_tab_2", "velk_slideshow", "velk_gallery", "velk_enlargeable_photo", "velk_pagenumber",
    "velk_personaltag_firstname", "velk_personaltag_lastname", "velk_individual",
    "velk_personaltag_fulladdress", "velk_video", "velk_buynowbutton"};
// clang-format on

constexpr double kZoom = 2;
const QPointF kDrop(400, 300);

int zs(int n)
{
    return int(n / kZoom);
}

QRectF at(double width, double height)
{
    return QRectF(kDrop, QSizeF(width, height));
}

QFont font(const char* family, int size)
{
    QFont f{QString::fromLatin1(family)};
    f.setPointSizeF(size);
    return f;
}

QStringList spans(std::initializer_list<int> list)
{
    QStringList all;
    for (int span : list)
        all.append(QString::number(span));
    return all;
}

QString now(const char* format)
{
    return QLocale().toString(QDateTime::currentDateTime(), QString::fromLatin1(format));
}

using Call = std::function<void(SKTGraphicView&)>;

// A code, the factory call it stands for, the kinds of object the page then holds, and whether a drop
// goes on to its next name.
struct Case {
    QString code;
    Call expected;
    QString kinds = QStringLiteral("SKTText");
    DropFlow flow = DropFlow::Ends;
};

Call textBox(const TextBoxArguments& arguments)
{
    return [arguments](SKTGraphicView& view) { view.addTextBox(arguments); };
}
// A text box whose values are read at the moment of the drop.
Call textBoxNow(std::function<TextBoxArguments()> make)
{
    return [make](SKTGraphicView& view) { view.addTextBox(make()); };
}
Call factory(void (SKTGraphicView::*make)(const QPointF&))
{
    return [make](SKTGraphicView& view) { (view.*make)(kDrop); };
}
Call snippet(const HtmlSnippets::Snippet& (*made)())
{
    return [made](SKTGraphicView& view) { view.addSnippet_drag(made().html, QRectF(kDrop, made().size)); };
}
Call section(const QStringList& columns)
{
    return [columns](SKTGraphicView& view) { view.addSection(columns, int(columns.size()), kDrop); };
}
Call table(const QStringList& columns)
{
    return [columns](SKTGraphicView& view) { view.addTable_Responsive(columns, int(columns.size()), kDrop); };
}
Call bubble(int cornerRadius, const QString& shape, int zoomFlag)
{
    return
        [=](SKTGraphicView& view) { view.addZoomBubbleTextbox_drag(kDrop, cornerRadius, shape, zoomFlag); };
}
Call line(const QPointF& end, const char* colour, const char* style, int width, const char* beginArrow,
          const char* endArrow, const QPointF& begin = kDrop)
{
    return [=](SKTGraphicView& view) {
        view.addTrueLine(begin, end, QString::fromLatin1(colour), QString::fromLatin1(style), width,
                         QString::fromLatin1(beginArrow), QString::fromLatin1(endArrow), -99);
    };
}

TextBoxArguments markup(double width, double height, const char* colour, int cornerRadius)
{
    return {.text = " ",
            .frame = at(width, height),
            .font = font("Helvetica Neue", zs(20)),
            .cornerRadius = cornerRadius,
            .borderStyle = "dashed",
            .borderWidth = 1,
            .borderColor = colour};
}

TextBoxArguments cover(double width, double height, const char* fill, const char* text, float opacity,
                       int cornerRadius)
{
    return {.text = " ",
            .frame = at(width, height),
            .fillColor = fill,
            .textColor = text,
            .font = font("Helvetica Neue", zs(40)),
            .cornerRadius = cornerRadius,
            .opacity = opacity};
}

TextBoxArguments shape(double width, double height, int cornerRadius)
{
    return {.text = " ",
            .frame = at(width, height),
            .font = font("Helvetica Neue", zs(20)),
            .cornerRadius = cornerRadius,
            .borderStyle = "solid",
            .borderColor = "555555"};
}

TextBoxArguments button(const char* text, const char* fill)
{
    return {.text = text,
            .frame = at(240, 50),
            .fillColor = fill,
            .textColor = "FFFFFF",
            .font = font("Helvetica Neue", 25),
            .cornerRadius = 10,
            .alignment = "center",
            .textType = "HTMLSnippet",
            .button = true};
}

QList<Case> cases()
{
    QList<Case> all = {
        {"velk_section1", section(spans({12})), "SKTTable"},
        {"velk_section2", section(spans({6, 6})), "SKTTable"},
        {"velk_section3", section(spans({4, 4, 4})), "SKTTable"},
        {"velk_section4", section(spans({3, 3, 3, 3})), "SKTTable"},
        {"velk_section6", section(spans({2, 2, 2, 2, 2, 2})), "SKTTable"},
        {"velk_section12", section(spans({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1})), "SKTTable"},
        {"velk_section4_8", section(spans({4, 8})), "SKTTable"},
        {"velk_section8_4", section(spans({8, 4})), "SKTTable"},
        {"velk_section10_2", section(spans({10, 2})), "SKTTable"},
        {"velk_section2_10", section(spans({2, 10})), "SKTTable"},
        {"velk_webstore_section", [](SKTGraphicView& view) { view.addSectionTemplate(4, kDrop); },
         "SKTTable"},
        {"velk_dropdownmenu", factory(&SKTGraphicView::addDropdownmenu), "SKTTable"},
        {"velk_navbar_centered", factory(&SKTGraphicView::addNavbar_centered), "SKTTable"},
        {"velk_navbar", factory(&SKTGraphicView::addNavbar), "SKTTable"},
        {"velk_navbar_fixed", factory(&SKTGraphicView::addNavbar_Fixed), "SKTTable"},
        {"velk_navbar_fixed_centered", factory(&SKTGraphicView::addNavbar_Fixed_Centered), "SKTTable"},
        {"velk_collapsible_text_panel", factory(&SKTGraphicView::addCollapsibleTextPanel), "SKTTable"},
        {"velk_collapsible_image_panel", factory(&SKTGraphicView::addCollapsibleImagePanel), "SKTTable"},
        {"velk_text_carousel", factory(&SKTGraphicView::addTextCarousel), "SKTTable"},
        {"velk_photo_hover_caption", factory(&SKTGraphicView::addPhoto_Hover_Caption), "SKTTable"},
        {"velk_link", factory(&SKTGraphicView::addVelkLink_drag), "SKTImage SKTText"},
        {"velk_photo", factory(&SKTGraphicView::addNewImage_drag), "SKTImage"},
        {"velk_pdf", factory(&SKTGraphicView::addNewPDF_drag), "SKTImage"},
        {"velk_backgroundpattern", [](SKTGraphicView& view) { view.mutableGraphics().newBackground(); },
         "background picture"},
        {"velk_textfield", factory(&SKTGraphicView::addTextField_drag)},
        {"velk_paragraph", factory(&SKTGraphicView::addParagraph_drag)},
        {"velk_multiplechoice", factory(&SKTGraphicView::addMultipleChoice_drag)},
        {"velk_checkboxes", factory(&SKTGraphicView::addCheckboxes_drag)},
        {"velk_submitbutton", factory(&SKTGraphicView::addSubmitButton_drag)},
        {"velk_botchecker", factory(&SKTGraphicView::addBotCheckerTextField_drag)},
        {"velk_emailtextfield", factory(&SKTGraphicView::addEmailTextField_drag)},
    };
    const struct {
        const char* code;
        const char* colour;
    } plain[] = {{"velk_textbox", "555555"},        {"velk_textbox_red", "EE0000"},
                 {"velk_textbox_yellow", "FFC125"}, {"velk_textbox_blue", "00B2EE"},
                 {"velk_textbox_green", "00CD00"},  {"velk_textbox_black", "000000"}};
    for (const auto& p : plain) {
        all.append({p.code, textBox({.text = "New text box",
                                     .frame = at(300, 150),
                                     .textColor = p.colour,
                                     .font = font("Helvetica Neue", 20)})});
    }
    const QString html = QStringLiteral(
        "<%1>\n<li>First item\n<li>Second item\n<li>Third item\n<li>Fourth item\n<li>More...\n</%1>");
    const QString placeholderBody = QStringLiteral("Placeholder paragraph body text\n\nLorem ipsum dolor sit "
                                                   "amet, consectetur adipiscing elit. Phasellus at "
                                                   "tincidunt dolor.\n\nDouble click me to edit.");
    all += QList<Case>{
        {"velk_bulletedlist",
         textBox({.text = "\u2022 Item number 1\n\u2022 Item number 2\n\u2022 Item number 3",
                  .frame = at(zs(300), zs(150)),
                  .font = font("Helvetica Neue", zs(25))})},
        {"velk_numberedlist", textBox({.text = "1. First item\n2. Second item\n3. Third item",
                                       .frame = at(zs(300), zs(150)),
                                       .font = font("Helvetica Neue", zs(25))})},
        {"velk_bulletedlist_html",
         textBox({.text = html.arg(QStringLiteral("ul")),
                  .frame = at(350, 150),
                  .font = font("Lato", 15),
                  .textType = "HTMLSnippet"}),
         "SKTText", DropFlow::GoesOn},
        {"velk_numberedlist_html",
         textBox({.text = html.arg(QStringLiteral("ol")),
                  .frame = at(350, 150),
                  .font = font("Lato", 15),
                  .textType = "HTMLSnippet"}),
         "SKTText", DropFlow::GoesOn},
        {"velk_textbox_title", textBox({.text = "Placeholder text for title.  Double click me to edit.",
                                        .frame = at(1000, 200),
                                        .font = font("Helvetica Neue", 80)})},
        {"velk_textbox_subtitle", textBox({.text = "Placeholder text for subtitle.  Double click me to edit.",
                                           .frame = at(800, 150),
                                           .font = font("Helvetica Neue", 50)})},
        // The dividers are as wide as the canvas of the product: each row reads it when it runs.
        {"velk_textbox_section_title", textBoxNow([] {
             return TextBoxArguments{.text = "Placeholder text for title.  Double click me to edit.",
                                     .frame = QRectF(0, kDrop.y(), DataCentre::profile().canvasWidth, 80),
                                     .fillColor = "555555",
                                     .textColor = "FFFFFF",
                                     .font = font("Helvetica Neue", 60)};
         })},
        {"velk_textbox_section_subtitle", textBoxNow([] {
             return TextBoxArguments{.text = "Placeholder text for subtitle.  Double click me to edit.",
                                     .frame = QRectF(0, kDrop.y(), DataCentre::profile().canvasWidth, 50),
                                     .fillColor = "555555",
                                     .textColor = "FFFFFF",
                                     .font = font("Helvetica Neue", 30)};
         })},
        {"velk_textbox_body", textBoxNow([placeholderBody] {
             const QString text = DataCentre::profile().dateStampNewText
                                      ? now("MMM dd yyyy,  dddd h:mm AP") + "\n" + placeholderBody
                                      : placeholderBody;
             return TextBoxArguments{.text = text, .frame = at(500, 350), .font = font("Helvetica Neue", 18)};
         })},
        {"velk_textbox_footnote",
         textBox({.text = "Placeholder text for footnote.\n\nDouble click me to edit.",
                  .frame = at(400, 75),
                  .font = font("Helvetica Neue", 10)})},
        {"velk_textbox_title_tazmir", textBox({.text = "Placeholder text for title. Double click me to edit.",
                                               .frame = at(1000, 200),
                                               .font = font("Actor", 80)})},
        {"velk_textbox_subtitle_tazmir",
         textBox({.text = "Placeholder text for subtitle. Double click me to edit.",
                  .frame = at(800, 150),
                  .font = font("Actor", 50)})},
        {"velk_textbox_body_tazmir",
         textBox({.text = "Double click me to edit.", .frame = at(350, 50), .font = font("Actor", 15)})},
        {"velk_textbox_body_tazmir_rich",
         textBox({.text =
                      "This text box supports simple HTML markups such as <i>italics</i>, <b>bold</b> and "
                      "<u>underline</u>. Links work too, for example "
                      "<a href=\"https://www.example.com\">a link to example.com</a>.",
                  .frame = at(350, 100),
                  .font = font("Lato", 15),
                  .textType = "HTMLSnippet"}),
         "SKTText", DropFlow::GoesOn},
        {"velk_textbox_footnote_tazmir",
         textBox({.text = "Placeholder text for footnote. Double click me to edit.",
                  .frame = at(400, 75),
                  .font = font("Actor", 10)})},
        {"velk_textbox_label", textBoxNow([] {
             const ProductProfile& profile = DataCentre::profile();
             return TextBoxArguments{
                 .text = "New text box.  Double click me to edit.",
                 .frame = at(int(profile.canvasWidth * 0.75), int(profile.canvasHeight * 0.75)),
                 .font = font("Helvetica Neue", 30 * (profile.canvasWidth / 500))};
         })},
        {"velk_markup_watermark", textBox({.text = "Watermark",
                                           .frame = at(zs(325), zs(70)),
                                           .font = font("Helvetica Neue", zs(40)),
                                           .opacity = 0.4f})},
        {"velk_zoom_bubble", bubble(0, "rectangle", 1)},
        {"velk_zoom_bubble_circle", bubble(1000, "circle", 1)},
        {"velk_zoom_bubble_star", bubble(1000, "star", 1)},
    };
    const QStringList outlines = {"star",     "star2",    "star4",    "star4b",    "star10",
                                  "star25",   "octagon",  "triangle", "triangle2", "pyramid",
                                  "polygon5", "polygon6", "polygon7", "polygon10", "polygon12"};
    for (const QString& outline : outlines)
        all.append({"velk_shape_" + outline, bubble(1000, outline, 0)});
    for (const QString& outline : outlines.mid(1))
        all.append({"velk_zoom_bubble_" + outline, bubble(1000, outline, 1)});

    const struct {
        const char* word;
        const char* colour;
    } colours[] = {{"red", "EE0000"},
                   {"blue", "00B2EE"},
                   {"yellow", "FFC125"},
                   {"green", "00CD00"},
                   {"black", "000000"}};
    all.append({"velk_square_markup_red_dashed", textBox(markup(zs(200), zs(100), "EE0000", 0))});
    all.append({"velk_circle_markup_red_dashed", textBox(markup(zs(100), zs(100), "EE0000", zs(100)))});
    for (const auto& c : colours) {
        all.append({QStringLiteral("velk_circle_markup_%1_bubble").arg(QLatin1String(c.word)),
                    [colour = c.colour](SKTGraphicView& view) {
                        const int group = view.mutableGraphics().findNextGroupNumber();
                        TextBoxArguments circle = markup(zs(100), zs(100), colour, zs(100));
                        circle.groupNumber = group;
                        view.addTextBox(circle);
                        view.addTrueLine(QPointF(425, 300), QPointF(550, 200), colour, "dashed", 1, "0", "1",
                                         group);
                    },
                    "SKTLine SKTText"});
    }
    for (const auto& c : std::initializer_list<std::pair<const char*, const char*>>{
             {"yellow", "FFC125"}, {"blue", "00B2EE"}, {"green", "00CD00"}, {"black", "000000"}}) {
        all.append({QStringLiteral("velk_square_markup_%1_dashed").arg(QLatin1String(c.first)),
                    textBox(markup(zs(100), zs(100), c.second, 0))});
        all.append({QStringLiteral("velk_circle_markup_%1_dashed").arg(QLatin1String(c.first)),
                    textBox(markup(zs(100), zs(100), c.second, zs(100)))});
    }
    for (int digit = 1; digit <= 9; ++digit) {
        all.append({QStringLiteral("velk_numbertag_%1").arg(digit), textBox({.text = QString::number(digit),
                                                                             .frame = at(40, 50),
                                                                             .fillColor = "4F94CD",
                                                                             .textColor = "FFFFFF",
                                                                             .font = font("Arial Black", 30),
                                                                             .cornerRadius = 5})});
    }
    all += QList<Case>{
        {"velk_markup_datestamp", textBoxNow([] {
             return TextBoxArguments{.text = now("MMM dd yyyy"),
                                     .frame = at(270, 50),
                                     .font = font("Helvetica Neue", 30),
                                     .cornerRadius = 15};
         }),
         "SKTText", DropFlow::GoesOn},
        {"velk_markup_timestamp", textBoxNow([] {
             return TextBoxArguments{.text = now("MMM dd yyyy hh:mm AP"),
                                     .frame = at(300, 50),
                                     .font = font("Helvetica Neue", 20),
                                     .cornerRadius = 15};
         }),
         "SKTText", DropFlow::GoesOn},
        {"velk_responsive_button", textBox(button("Click Here", "33A1C9"))},
        {"velk_markup_approved", textBox(button("Like It", "00CD00"))},
        {"velk_markup_error", textBox(button("Special", "B0171F"))},
        {"velk_markup_info", textBox(button("Next", "00B2EE"))},
        {"velk_markup_warning", textBox(button("Important", "FFC125"))},
        {"velk_markup_blackout", textBox(cover(zs(200), zs(70), "000000", "FFFFFF", 1.0f, 0))},
        {"velk_markup_blackout_circle", textBox(cover(zs(100), zs(100), "000000", "FFFFFF", 1.0f, zs(100)))},
        {"velk_markup_dim", textBox(cover(zs(200), zs(100), "000000", "FFFFFF", 0.5f, 0))},
        {"velk_markup_dim_circle", textBox(cover(zs(200), zs(200), "000000", "FFFFFF", 0.5f, zs(100)))},
        {"velk_markup_whiten", textBox(cover(zs(200), zs(100), "FFFFFF", "000000", 0.5f, 0))},
        {"velk_markup_whiten_circle", textBox(cover(zs(200), zs(200), "FFFFFF", "000000", 0.5f, zs(100)))},
        {"velk_square", textBox(shape(zs(100), zs(100), 0))},
        {"velk_square_rounded", textBox(shape(zs(100), zs(100), 10))},
        {"velk_rectangle", textBox(shape(zs(100), zs(80), 0))},
        {"velk_rectangle_rounded", textBox(shape(zs(100), zs(80), 10))},
        {"velk_circle", textBox(shape(zs(100), zs(100), zs(100)))},
        {"velk_htmlsnippet", snippet(&HtmlSnippets::freeSnippet)},
        {"velk_line_solid_section", line(QPointF(3000, 300), "555555", "solid", 2, "0", "0", QPointF(0, 300)),
         "SKTLine"},
    };
    const QPointF lineEnd(kDrop.x() + zs(200), kDrop.y());
    const struct {
        const char* code;
        const char* colour;
        const char* style;
        const char* beginArrow;
        const char* endArrow;
    } lines[] = {{"velk_line_solid", "555555", "solid", "0", "0"},
                 {"velk_line_dotted", "555555", "dotted", "0", "0"},
                 {"velk_line_dashed", "555555", "dashed", "0", "0"},
                 {"velk_line_solid_start_arrow", "555555", "solid", "1", "0"},
                 {"velk_line_solid_red_start_arrow", "9E0018", "solid", "1", "0"},
                 {"velk_line_dashed_start_arrow", "555555", "dashed", "1", "0"},
                 {"velk_line_dashed_red_start_arrow", "9E0018", "dashed", "1", "0"},
                 {"velk_line_solid_end_arrow", "555555", "solid", "0", "1"},
                 {"velk_line_solid_both_arrows", "555555", "solid", "1", "1"}};
    for (const auto& l : lines)
        all.append({l.code, line(lineEnd, l.colour, l.style, zs(10), l.beginArrow, l.endArrow), "SKTLine"});
    all += QList<Case>{
        {"velk_table", factory(&SKTGraphicView::addTable_drag), "SKTTable"},
        {"velk_table1x2", table(spans({6, 6})), "SKTTable"},
        {"velk_table1x3", table(spans({4, 4, 4})), "SKTTable"},
        {"velk_table1x4", table(spans({3, 3, 3, 3})), "SKTTable"},
        {"velk_table1x6", table(spans({2, 2, 2, 2, 2, 2})), "SKTTable"},
        {"velk_table1_2", table(spans({4, 8})), "SKTTable"},
        {"velk_table1_3", table(spans({3, 9})), "SKTTable"},
        {"velk_table1_5", table(spans({2, 10})), "SKTTable"},
        {"velk_table5_1", table(spans({10, 2})), "SKTTable"},
        {"velk_table2_3", table(spans({4, 6})), "SKTTable"},
        {"velk_table3_2", table(spans({6, 4})), "SKTTable"},
        {"velk_table3_1", table(spans({9, 3})), "SKTTable"},
        {"velk_table2_1", table(spans({8, 4})), "SKTTable"},
        {"velk_table_of_contents", factory(&SKTGraphicView::addTableOfContents), "SKTTable"},
        {"velk_table_multiColumnWidth", factory(&SKTGraphicView::addTable_multiColumnWidth_drag), "SKTTable"},
        {"velk_tear_off_tab_1", factory(&SKTGraphicView::addTable_Strip), "SKTTable"},
        {"velk_tear_off_tab_2", factory(&SKTGraphicView::addTable_Strip2), "SKTTable"},
        {"velk_slideshow", factory(&SKTGraphicView::addSlideshow_drag), "SKTSlideshow"},
        {"velk_gallery", factory(&SKTGraphicView::addImageGallery_drag), "SKTGalleryGrid"},
        {"velk_enlargeable_photo", factory(&SKTGraphicView::addEnlargeablePhoto_drag), "SKTGalleryGrid"},
        {"velk_pagenumber",
         textBox({.text = "Page [PAGE_NUMBER]", .frame = at(250, 30), .font = font("Helvetica Neue", 25)})},
        {"velk_personaltag_firstname",
         textBox(
             {.text = "[FIRST_NAME]", .frame = at(zs(300), zs(50)), .font = font("Helvetica Neue", zs(40))})},
        {"velk_personaltag_lastname",
         textBox(
             {.text = "[LAST_NAME]", .frame = at(zs(300), zs(50)), .font = font("Helvetica Neue", zs(40))})},
        {"velk_individual", factory(&SKTGraphicView::addIndividual_drag), "SKTImage SKTText"},
        {"velk_personaltag_fulladdress", factory(&SKTGraphicView::addFullAddress_drag)},
        {"velk_video", snippet(&HtmlSnippets::video), "SKTText", DropFlow::GoesOn},
        {"velk_buynowbutton", snippet(&HtmlSnippets::buyButton), "SKTText", DropFlow::GoesOn},
    };
    return all;
}

// The first product, in the order of the configuration tables, whose library shows the item.
QString productOffering(const QString& code)
{
    for (const ObjectCatalogueItem& item : objectCatalogueItems()) {
        if (item.dragAndDropCodeName != code || !item.typeArray)
            continue;
        for (const Configurations::ConfigurationTable* configurations :
             Configurations::allConfigurationTables()) {
            for (const Configurations::ConfigurationRow& row : configurations->rows) {
                if (row.field != QLatin1String("objectCatalogName"))
                    continue;
                for (size_t column = 0; column < row.cells.size(); ++column) {
                    const char* key = row.cells[column].text;
                    if (key && item.typeArray->contains(QString::fromLatin1(key)))
                        return configurations->displayNames.at(int(column));
                }
            }
        }
    }
    return {};
}

// The graphics of a page, each as its property dictionary without the moment a picture was made.
QVariantList pageOf(const SKTDocument& document)
{
    QVariantList page = SKTGraphic::propertiesWithGraphics(document.graphics());
    for (QVariant& graphic : page) {
        QVariantMap properties = graphic.toMap();
        properties.remove(QStringLiteral("imageLastModDate"));
        graphic = properties;
    }
    return page;
}

// The kinds of object on the page, each once, by name; a page background picture counts as one.
QString kindsOn(SKTWindowController& window)
{
    QStringList kinds;
    for (const std::shared_ptr<SKTGraphic>& graphic : window.document()->graphics()) {
        if (!kinds.contains(graphic->className()))
            kinds.append(graphic->className());
    }
    if (window.document()->backgroundImageFlag() != 0 && !window.document()->backgroundImage().isNull())
        kinds.append(QStringLiteral("background picture"));
    kinds.sort();
    return kinds.join(u' ');
}

class LibraryDropCodesTest : public WindowTest {
protected:
    void TearDown() override
    {
        closeWindows();
        Bundle::main().load(Bundle::defaultResourcesPath());
        DataCentre::loadPrintLabels();
        WindowTest::TearDown();
    }

    void launchAs(const QString& displayName)
    {
        const ProductProfile before = DataCentre::profile();
        Bundle::main().setInfoValue(QStringLiteral("CFBundleDisplayName"), displayName);
        DataCentre::runAppSpecificSetups();
        ProductProfile& profile = DataCentre::mutableProfile();
        profile.workingFolderPath = before.workingFolderPath;
        profile.tempSaveFolder = before.tempSaveFolder;
        profile.receivedPagesFolderName = before.receivedPagesFolderName;
        profile.zoomFactors = zoomTitles();
    }

    // A fresh page of a website of two titled pages, in a window at the zoom. A window that lays the page
    // tiles out takes them; the others go with closeWindows.
    SKTWindowController& freshPage(double zoom)
    {
        SKTWindowController& window = openWindow(true);
        QList<VelkNSButton*> list;
        for (const char* title : {"Home", "Contact"}) {
            auto* tile = new VelkNSButton;
            tile->createLabels();
            tile->setPageTitle(QString::fromLatin1(title));
            tile->setPagePublishFileName(QString::fromLatin1(title).toLower() + ".html");
            tiles.append(tile);
            list << tile;
        }
        window.setSiteIconArray(list);
        window.setZoomFactor(zoom);
        return window;
    }

    // A picture file and a PDF file of one page for the open panels.
    QString pictureFile()
    {
        const QString path = pathInHome(QStringLiteral("pictures/pattern.png"));
        QImage picture(60, 40, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        picture.save(path);
        return path;
    }
    QString pdfFile()
    {
        const QString path = pathInHome(QStringLiteral("pictures/page.pdf"));
        QPdfWriter writer(path);
        writer.setPageSize(QPageSize(QSizeF(200, 100), QPageSize::Point));
        QPainter painter(&writer);
        painter.fillRect(QRect(0, 0, 100, 50), Qt::red);
        return path;
    }

    void closeWindows()
    {
        windows.clear();
        for (const QPointer<VelkNSButton>& tile : std::as_const(tiles))
            delete tile.data();
        tiles.clear();
    }

    QList<QPointer<VelkNSButton>> tiles;
};

TEST_F(LibraryDropCodesTest, TheTableHoldsEveryCodeInDispatchOrder)
{
    ASSERT_EQ(kLibraryCodes.size(), 166);
    EXPECT_EQ(libraryDropCodes(), kLibraryCodes);
    QStringList tested;
    for (const Case& c : cases())
        tested.append(c.code);
    EXPECT_EQ(tested, kLibraryCodes);
}

TEST_F(LibraryDropCodesTest, EveryCodeBuildsItsObjectOnAFreshPageOfAProductThatOffersIt)
{
    for (const Case& c : cases()) {
        SCOPED_TRACE(qPrintable(c.code));
        const QString product = productOffering(c.code);
        // The responsive products' own text boxes show in no library.
        launchAs(product.isEmpty() ? QStringLiteral("Brevold Responsive Website Designer") : product);
        // Stamps read the clock: a drop and a call a minute apart are made again.
        for (int attempt = 0; attempt < 2; ++attempt) {
            // The items that ask for a file get one, for the drop and for the call.
            for (int panel = 0; panel < 2; ++panel) {
                if (c.code == u"velk_pdf")
                    panels.choose({pdfFile()});
                else if (c.code == u"velk_photo" || c.code == u"velk_backgroundpattern")
                    panels.choose({pictureFile()});
            }
            SKTWindowController& dropped = freshPage(kZoom);
            const std::optional<DropFlow> flow = runLibraryDropCode(*dropped.graphicView(), c.code, kDrop);
            const QVariantList droppedPage = pageOf(*dropped.document());
            const QString kinds = kindsOn(dropped);
            SKTWindowController& called = freshPage(kZoom);
            c.expected(*called.graphicView());
            const QVariantList calledPage = pageOf(*called.document());
            const QString calledKinds = kindsOn(called);
            closeWindows();
            if (attempt == 0 && droppedPage != calledPage)
                continue;
            EXPECT_EQ(flow, c.flow);
            EXPECT_EQ(kinds, c.kinds);
            EXPECT_EQ(calledKinds, c.kinds);
            EXPECT_EQ(droppedPage, calledPage);
            break;
        }
    }
}

TEST_F(LibraryDropCodesTest, AtZoomTwoThePointerCircleIsHalfSizeAndItsArrowJoinsItInANewGroup)
{
    SKTWindowController& window = freshPage(2);
    SKTDocument& page = *window.document();
    const int group = page.findNextGroupNumber();
    ASSERT_EQ(runLibraryDropCode(*window.graphicView(), "velk_circle_markup_red_bubble", QPointF(400, 300)),
              DropFlow::Ends);
    ASSERT_EQ(page.graphics().size(), 2);
    const auto arrow = std::dynamic_pointer_cast<SKTLine>(page.graphics().at(0));
    const std::shared_ptr<SKTGraphic> circle = page.graphics().at(1);
    ASSERT_TRUE(arrow);
    EXPECT_EQ(circle->bounds(), QRectF(400, 300, 50, 50));
    EXPECT_EQ(circle->cornerRadius(), 50);
    EXPECT_EQ(circle->borderStyle(), QStringLiteral("dashed"));
    EXPECT_EQ(circle->borderHexColorString(), QStringLiteral("EE0000"));
    EXPECT_EQ(arrow->beginPoint(), QPointF(425, 300));
    EXPECT_EQ(arrow->endPoint(), QPointF(550, 200));
    EXPECT_EQ(arrow->borderStyle(), QStringLiteral("dashed"));
    EXPECT_EQ(arrow->borderHexColorString(), QStringLiteral("EE0000"));
    EXPECT_FALSE(arrow->drawBeginArrow());
    EXPECT_TRUE(arrow->drawEndArrow());
    EXPECT_NE(group, -99);
    EXPECT_EQ(circle->groupNumber(), group);
    EXPECT_EQ(arrow->groupNumber(), group);
}

TEST_F(LibraryDropCodesTest, TheSectionRuleSpansThePageAtTheDropHeightAtAnyZoom)
{
    for (double zoom : {0.5, 1.0, 4.0}) {
        SKTWindowController& window = freshPage(zoom);
        runLibraryDropCode(*window.graphicView(), "velk_line_solid_section", QPointF(120, 75));
        const auto rule = std::dynamic_pointer_cast<SKTLine>(window.document()->graphics().value(0));
        ASSERT_TRUE(rule) << zoom;
        EXPECT_EQ(rule->beginPoint(), QPointF(0, 75)) << zoom;
        EXPECT_EQ(rule->endPoint(), QPointF(3000, 75)) << zoom;
        EXPECT_EQ(rule->borderWidth(), 2) << zoom;
    }
}

TEST_F(LibraryDropCodesTest, TheBuyButtonLetsTheDropGoOnToTheImageFileAfterIt)
{
    launchAs(productOffering(QStringLiteral("velk_buynowbutton")));
    SKTWindowController& window = freshPage(1);
    window.graphicView()->concludeDragOperation({QStringLiteral("velk_buynowbutton"), pictureFile()},
                                                QPointF(200, 100));
    EXPECT_EQ(alerts.messages(), QStringList{QStringLiteral("Looking for more Buy Button styles?")});
    const GraphicList page = window.document()->graphics();
    ASSERT_EQ(page.size(), 2);
    const auto image = std::dynamic_pointer_cast<SKTImage>(page.at(0));
    ASSERT_TRUE(image) << "the image comes after the form";
    EXPECT_EQ(image->bounds(), QRectF(250, 100, 60, 40));
    EXPECT_EQ(page.at(1)->bounds(), QRectF(200, 100, 700, 200));
}

TEST_F(LibraryDropCodesTest, TheLabelTextAndTheAddressBlockGrowWithTheCanvas)
{
    launchAs(productOffering(QStringLiteral("velk_textbox_label")));
    DataCentre::mutableProfile().canvasWidth = 1000;
    DataCentre::mutableProfile().canvasHeight = 800;
    const struct {
        const char* code;
        QSizeF size;
        int fontSize;
    } cases[] = {{"velk_textbox_label", {750, 600}, 60}, {"velk_personaltag_fulladdress", {750, 480}, 36}};
    for (const auto& c : cases) {
        SKTWindowController& window = freshPage(1);
        runLibraryDropCode(*window.graphicView(), QString::fromLatin1(c.code), QPointF(20, 30));
        const std::shared_ptr<SKTGraphic> box = window.document()->graphics().value(0);
        ASSERT_TRUE(box) << c.code;
        EXPECT_EQ(box->bounds(), QRectF(QPointF(20, 30), c.size)) << c.code;
        EXPECT_EQ(box->fontSize(), c.fontSize) << c.code;
    }
}

TEST_F(LibraryDropCodesTest, OnAResponsivePageSomeTextBoxesTakeTheCellWidthAndMakeRoomBelowThem)
{
    launchAs(QStringLiteral("Brevold Responsive Website Designer"));
    SKTWindowController& window = freshPage(1);
    SKTGraphicView& canvas = *window.graphicView();
    canvas.addSection(spans({6, 6}), 2, QPointF(0, 100));
    const QPointF inRightCell(900, 200);
    const QRect cell = canvas.grabOverLappingSectionCell(inRightCell);
    ASSERT_FALSE(cell.isEmpty());

    runLibraryDropCode(canvas, "velk_textbox_title_tazmir", inRightCell);
    const std::shared_ptr<SKTGraphic> title = window.document()->graphics().value(0);
    EXPECT_EQ(title->bounds(), QRectF(cell.x(), 200, cell.width(), 200));

    // A button 50 high dropped 30 above the title ends 20 into it: the title moves down by those 20.
    const double titleTop = title->bounds().y();
    EXPECT_EQ(runLibraryDropCode(canvas, "velk_responsive_button", QPointF(900, titleTop - 30)),
              DropFlow::Ends);
    EXPECT_EQ(window.document()->graphics().value(0)->bounds().width(), cell.width());
    EXPECT_EQ(title->bounds().y(), titleTop + 20);

    // Without the responsive layout the title keeps its own size at the drop point.
    windows.clear();
    launchAs(productOffering(QStringLiteral("velk_textbox_title")));
    SKTWindowController& plain = freshPage(1);
    runLibraryDropCode(*plain.graphicView(), "velk_textbox_title_tazmir", inRightCell);
    EXPECT_EQ(plain.document()->graphics().value(0)->bounds(), QRectF(900, 200, 1000, 200));
}

TEST_F(LibraryDropCodesTest, TheBackgroundPatternGoesToTheSectionCellUnderTheDropElseToThePage)
{
    launchAs(QStringLiteral("Brevold Responsive Website Designer"));
    // The page's window, as the application makes it: the document gives it its background.
    SKTWindowController::installAsWindowMaker();
    SKTDocument& document = newDocument();
    document.makeWindowControllers();
    auto& window = *static_cast<SKTWindowController*>(document.windowController());
    window.show();
    SKTGraphicView& canvas = *window.graphicView();

    panels.choose({pictureFile()});
    runLibraryDropCode(canvas, "velk_backgroundpattern", QPointF(50, 50));
    EXPECT_EQ(panels.lastRequest().prompt, QStringLiteral("Select"));
    EXPECT_EQ(canvas.pageColor().textureImage().size(), QSize(60, 40));
    EXPECT_EQ(window.document()->backgroundImageFlag(), 2);
    EXPECT_EQ(window.document()->backgroundImageType(), QStringLiteral("PNG"));

    canvas.addSection(spans({12}), 1, QPointF(0, 100));
    const auto section = std::dynamic_pointer_cast<SKTTable>(window.document()->graphics().last());
    ASSERT_TRUE(section);
    panels.choose({pictureFile()});
    runLibraryDropCode(canvas, "velk_backgroundpattern", QPointF(300, 200));
    EXPECT_EQ(panels.lastRequest().title, QStringLiteral("Select image"));
    const std::shared_ptr<TransformView> background = section->tableBackgroundImage();
    ASSERT_TRUE(background);
    const double width = section->bounds().width();
    EXPECT_EQ(background->image().size(), QSize(int(width), int(width * 40 / 60)));
    EXPECT_EQ(background->imageType(), QStringLiteral("PNG"));
    EXPECT_EQ(background->rowSpot(), -99);
    EXPECT_EQ(canvas.pageColor().textureImage().size(), QSize(60, 40));
}

TEST_F(LibraryDropCodesTest, StampsShowTheCalendarYearAndATwelveHourClock)
{
    QLocale::setDefault(QLocale::c());
    SKTWindowController& window = freshPage(1);
    window.graphicView()->concludeDragOperation({"velk_markup_datestamp", "velk_markup_timestamp"}, kDrop);
    const GraphicList stamps = window.document()->graphics();
    QLocale::setDefault(QLocale::system());
    ASSERT_EQ(stamps.size(), 2);
    const QString year = QString::number(QDate::currentDate().year());
    EXPECT_TRUE(QRegularExpression("^[A-Z][a-z]{2} \\d\\d " + year + "$")
                    .match(stamps.at(1)->textString())
                    .hasMatch())
        << qPrintable(stamps.at(1)->textString());
    EXPECT_TRUE(QRegularExpression("^[A-Z][a-z]{2} \\d\\d " + year + " (0[1-9]|1[0-2]):[0-5]\\d (AM|PM)$")
                    .match(stamps.at(0)->textString())
                    .hasMatch())
        << qPrintable(stamps.at(0)->textString());
}

} // namespace
