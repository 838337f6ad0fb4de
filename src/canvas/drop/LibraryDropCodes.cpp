#include "canvas/drop/LibraryDropCodes.h"

#include "canvas/drop/LibraryTextBoxes.h"
#include "canvas/factories/HtmlSnippets.h"
#include "canvas/view/SKTGraphicView.h"
#include "profile/DataCentre.h"

#include <QHash>

#include <algorithm>
#include <functional>

// The codes of the object library with the action of each, in the order a dropped name is compared with
// them. Each action builds its object through one factory of the canvas, with the item's own values.

namespace {

using namespace LibraryTextBoxes;

using Action = std::function<void(SKTGraphicView&, const DropSpot&)>;

struct Row {
    QString code;
    Action action;
    DropFlow flow = DropFlow::Ends;
};

using PointFactory = void (SKTGraphicView::*)(const QPointF&);
using MakeTextBox = std::function<TextBoxArguments(const DropSpot&)>;

// On a responsive page some text boxes take the width of the section cell under the drop point; some also
// push the cell's lower objects down to make room for themselves.
enum class Fitting { None, Section, SectionWithRoom };

// The outlines the shape and zoom-bubble items are drawn in, in the order their codes are compared.
const QStringList kShapeOutlines = {"star",     "star2",    "star4",    "star4b",    "star10",
                                    "star25",   "octagon",  "triangle", "triangle2", "pyramid",
                                    "polygon5", "polygon6", "polygon7", "polygon10", "polygon12"};

const QString kGrey = QStringLiteral("555555");
const QString kTitleText = QStringLiteral("Placeholder text for title.  Double click me to edit.");
const QString kSubtitleText = QStringLiteral("Placeholder text for subtitle.  Double click me to edit.");

QString colourOf(const char* word)
{
    static const QHash<QString, QString> colours = {{"red", "EE0000"},
                                                    {"yellow", "FFC125"},
                                                    {"blue", "00B2EE"},
                                                    {"green", "00CD00"},
                                                    {"black", "000000"}};
    return colours.value(QString::fromLatin1(word));
}

QStringList spansOf(std::initializer_list<int> spans)
{
    QStringList list;
    for (int span : spans)
        list.append(QString::number(span));
    return list;
}

// A table of rows in dispatch order, with one appender per kind of action.
class Table {
public:
    QList<Row> rows;

    void factory(const char* code, PointFactory make)
    {
        add(code, [make](SKTGraphicView& view, const DropSpot& at) { (view.*make)(at.point); });
    }
    void section(const char* code, const QStringList& spans)
    {
        add(code, [spans](SKTGraphicView& view, const DropSpot& at) {
            view.addSection(spans, int(spans.size()), at.point);
        });
    }
    void responsiveTable(const char* code, const QStringList& spans)
    {
        add(code, [spans](SKTGraphicView& view, const DropSpot& at) {
            view.addTable_Responsive(spans, int(spans.size()), at.point);
        });
    }
    void textBox(const QString& code, MakeTextBox make, Fitting fitting = Fitting::None,
                 DropFlow flow = DropFlow::Ends)
    {
        rows.append({code,
                     [make = std::move(make), fitting](SKTGraphicView& view, const DropSpot& at) {
                         TextBoxArguments arguments = make(at);
                         if (fitting != Fitting::None && DataCentre::profile().responsiveDesign) {
                             arguments.frame = view.grabSectionRect(at.point, arguments.frame);
                             if (fitting == Fitting::SectionWithRoom)
                                 view.shiftObjectsInSection(at.point, arguments.frame);
                         }
                         view.addTextBox(arguments);
                     },
                     flow});
    }
    void bubble(const QString& code, int cornerRadius, const QString& outline, int zoomFlag)
    {
        add(code, [=](SKTGraphicView& view, const DropSpot& at) {
            view.addZoomBubbleTextbox_drag(at.point, cornerRadius, outline, zoomFlag);
        });
    }
    void shapes(const char* prefix, int zoomFlag)
    {
        for (const QString& outline : kShapeOutlines)
            bubble(QString::fromLatin1(prefix) + outline, 1000, outline, zoomFlag);
    }
    void dashedSquare(const char* word, int width)
    {
        textBox(QStringLiteral("velk_square_markup_%1_dashed").arg(QLatin1String(word)),
                [colour = colourOf(word), width](const DropSpot& at) {
                    return dashedOutline(at, width, 100, colour, false);
                });
    }
    void dashedCircle(const char* word)
    {
        textBox(QStringLiteral("velk_circle_markup_%1_dashed").arg(QLatin1String(word)),
                [colour = colourOf(word)](const DropSpot& at) {
                    return dashedOutline(at, 100, 100, colour, true);
                });
    }
    // A dashed circle with a dashed arrow pointing up and right from its top, the two in a new group.
    void pointerCircle(const char* word)
    {
        add(QStringLiteral("velk_circle_markup_%1_bubble").arg(QLatin1String(word)),
            [colour = colourOf(word)](SKTGraphicView& view, const DropSpot& at) {
                const int group = view.mutableGraphics().findNextGroupNumber();
                TextBoxArguments circle = dashedOutline(at, 100, 100, colour, true);
                circle.groupNumber = group;
                view.addTextBox(circle);
                const QPointF& p = at.point;
                view.addTrueLine(QPointF(p.x() + at.zs(100) / 2, p.y()),
                                 QPointF(p.x() + at.zs(300), p.y() - 100), colour, QStringLiteral("dashed"),
                                 at.zoomStep(), QStringLiteral("0"), QStringLiteral("1"), group);
            });
    }
    void line(const char* code, const char* colour, const char* style, const char* beginArrow,
              const char* endArrow)
    {
        add(code, [=](SKTGraphicView& view, const DropSpot& at) {
            const QPointF& p = at.point;
            view.addTrueLine(p, QPointF(p.x() + at.zs(200), p.y()), QString::fromLatin1(colour),
                             QString::fromLatin1(style), at.zs(10), QString::fromLatin1(beginArrow),
                             QString::fromLatin1(endArrow), -99);
        });
    }
    // A snippet box at the drop point in whole points; the buy button's notice follows it.
    void snippet(const char* code, const HtmlSnippets::Snippet& (*made)(), DropFlow flow)
    {
        rows.append({code,
                     [made](SKTGraphicView& view, const DropSpot& at) {
                         const HtmlSnippets::Snippet& snippet = made();
                         view.addSnippet_drag(snippet.html,
                                              QRectF(QPointF(int(at.point.x()), int(at.point.y())), snippet.size));
                         if (snippet.buyButtonNotice)
                             HtmlSnippets::showBuyButtonNotice(view.window());
                     },
                     flow});
    }
    void add(const QString& code, Action action) { rows.append({code, std::move(action), DropFlow::Ends}); }
};

// The page background picture, or that of the section cell under the drop point.
void addBackgroundPattern(SKTGraphicView& view, const DropSpot& at)
{
    if (view.grabOverLappingSectionCell(at.point) != QRect())
        view.addSectionBackgroundImage();
    else
        view.mutableGraphics().newBackground();
}

QList<Row> buildRows()
{
    Table t;
    t.section("velk_section1", spansOf({12}));
    t.section("velk_section2", spansOf({6, 6}));
    t.section("velk_section3", spansOf({4, 4, 4}));
    t.section("velk_section4", spansOf({3, 3, 3, 3}));
    t.section("velk_section6", spansOf({2, 2, 2, 2, 2, 2}));
    t.section("velk_section12", spansOf({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}));
    t.section("velk_section4_8", spansOf({4, 8}));
    t.section("velk_section8_4", spansOf({8, 4}));
    t.section("velk_section10_2", spansOf({10, 2}));
    t.section("velk_section2_10", spansOf({2, 10}));
    t.add("velk_webstore_section",
          [](SKTGraphicView& view, const DropSpot& at) { view.addSectionTemplate(4, at.point); });
    t.factory("velk_dropdownmenu", &SKTGraphicView::addDropdownmenu);
    t.factory("velk_navbar_centered", &SKTGraphicView::addNavbar_centered);
    t.factory("velk_navbar", &SKTGraphicView::addNavbar);
    t.factory("velk_navbar_fixed", &SKTGraphicView::addNavbar_Fixed);
    t.factory("velk_navbar_fixed_centered", &SKTGraphicView::addNavbar_Fixed_Centered);
    t.factory("velk_collapsible_text_panel", &SKTGraphicView::addCollapsibleTextPanel);
    t.factory("velk_collapsible_image_panel", &SKTGraphicView::addCollapsibleImagePanel);
    t.factory("velk_text_carousel", &SKTGraphicView::addTextCarousel);
    t.factory("velk_photo_hover_caption", &SKTGraphicView::addPhoto_Hover_Caption);

    t.factory("velk_link", &SKTGraphicView::addVelkLink_drag);
    t.factory("velk_photo", &SKTGraphicView::addNewImage_drag);
    t.factory("velk_pdf", &SKTGraphicView::addNewPDF_drag);
    t.add("velk_backgroundpattern", addBackgroundPattern);
    t.factory("velk_textfield", &SKTGraphicView::addTextField_drag);
    t.factory("velk_paragraph", &SKTGraphicView::addParagraph_drag);
    t.factory("velk_multiplechoice", &SKTGraphicView::addMultipleChoice_drag);
    t.factory("velk_checkboxes", &SKTGraphicView::addCheckboxes_drag);
    t.factory("velk_submitbutton", &SKTGraphicView::addSubmitButton_drag);
    t.factory("velk_botchecker", &SKTGraphicView::addBotCheckerTextField_drag);
    t.factory("velk_emailtextfield", &SKTGraphicView::addEmailTextField_drag);

    t.textBox("velk_textbox", [](const DropSpot& at) { return plainTextBox(at, kGrey); });
    for (const char* word : {"red", "yellow", "blue", "green", "black"}) {
        t.textBox(QStringLiteral("velk_textbox_") + QLatin1String(word),
                  [colour = colourOf(word)](const DropSpot& at) { return plainTextBox(at, colour); });
    }
    t.textBox("velk_bulletedlist", [](const DropSpot& at) {
        return list(at, QStringLiteral("\u2022 Item number 1\n\u2022 Item number 2\n\u2022 Item number 3"));
    });
    t.textBox("velk_numberedlist", [](const DropSpot& at) {
        return list(at, QStringLiteral("1. First item\n2. Second item\n3. Third item"));
    });
    t.textBox(
        "velk_bulletedlist_html", [](const DropSpot& at) { return htmlList(at, QStringLiteral("ul")); },
        Fitting::SectionWithRoom, DropFlow::GoesOn);
    t.textBox(
        "velk_numberedlist_html", [](const DropSpot& at) { return htmlList(at, QStringLiteral("ol")); },
        Fitting::SectionWithRoom, DropFlow::GoesOn);
    t.textBox("velk_textbox_title",
              [](const DropSpot& at) { return box(at, kTitleText, 1000, 200, "Helvetica Neue", 80); });
    t.textBox("velk_textbox_subtitle",
              [](const DropSpot& at) { return box(at, kSubtitleText, 800, 150, "Helvetica Neue", 50); });
    t.textBox("velk_textbox_section_title",
              [](const DropSpot& at) { return divider(at, kTitleText, 80, 60); });
    t.textBox("velk_textbox_section_subtitle",
              [](const DropSpot& at) { return divider(at, kSubtitleText, 50, 30); });
    t.textBox("velk_textbox_body", body);
    t.textBox("velk_textbox_footnote", [](const DropSpot& at) {
        return box(at, QStringLiteral("Placeholder text for footnote.\n\nDouble click me to edit."), 400, 75,
                   "Helvetica Neue", 10);
    });
    t.textBox(
        "velk_textbox_title_tazmir",
        [](const DropSpot& at) {
            return box(at, QStringLiteral("Placeholder text for title. Double click me to edit."), 1000, 200,
                       "Actor", 80);
        },
        Fitting::Section);
    t.textBox(
        "velk_textbox_subtitle_tazmir",
        [](const DropSpot& at) {
            return box(at, QStringLiteral("Placeholder text for subtitle. Double click me to edit."), 800,
                       150, "Actor", 50);
        },
        Fitting::Section);
    t.textBox(
        "velk_textbox_body_tazmir",
        [](const DropSpot& at) {
            return box(at, QStringLiteral("Double click me to edit."), 350, 50, "Actor", 15);
        },
        Fitting::Section);
    t.textBox("velk_textbox_body_tazmir_rich", richSample, Fitting::SectionWithRoom, DropFlow::GoesOn);
    t.textBox(
        "velk_textbox_footnote_tazmir",
        [](const DropSpot& at) {
            return box(at, QStringLiteral("Placeholder text for footnote. Double click me to edit."), 400, 75,
                       "Actor", 10);
        },
        Fitting::Section);
    t.textBox("velk_textbox_label", label);
    t.textBox("velk_markup_watermark", [](const DropSpot& at) {
        TextBoxArguments a =
            box(at, QStringLiteral("Watermark"), at.zs(325), at.zs(70), "Helvetica Neue", at.zs(40));
        a.opacity = 0.4f;
        return a;
    });

    t.bubble("velk_zoom_bubble", 0, QStringLiteral("rectangle"), 1);
    t.bubble("velk_zoom_bubble_circle", 1000, QStringLiteral("circle"), 1);
    t.bubble("velk_zoom_bubble_star", 1000, QStringLiteral("star"), 1);
    t.shapes("velk_shape_", 0);
    for (const QString& outline : kShapeOutlines.mid(1))
        t.bubble(QStringLiteral("velk_zoom_bubble_") + outline, 1000, outline, 1);

    t.dashedSquare("red", 200);
    t.dashedCircle("red");
    for (const char* word : {"red", "blue", "yellow", "green", "black"})
        t.pointerCircle(word);
    for (const char* word : {"yellow", "blue", "green", "black"}) {
        t.dashedSquare(word, 100);
        t.dashedCircle(word);
    }

    for (int digit = 1; digit <= 9; ++digit) {
        t.textBox(QStringLiteral("velk_numbertag_%1").arg(digit),
                  [digit](const DropSpot& at) { return numberTag(at, digit); });
    }
    t.textBox("velk_markup_datestamp", dateStamp, Fitting::None, DropFlow::GoesOn);
    t.textBox("velk_markup_timestamp", timeStamp, Fitting::None, DropFlow::GoesOn);
    const struct {
        const char* code;
        const char* text;
        const char* fill;
    } buttons[] = {{"velk_responsive_button", "Click Here", "33A1C9"},
                   {"velk_markup_approved", "Like It", "00CD00"},
                   {"velk_markup_error", "Special", "B0171F"},
                   {"velk_markup_info", "Next", "00B2EE"},
                   {"velk_markup_warning", "Important", "FFC125"}};
    for (const auto& b : buttons) {
        t.textBox(
            b.code,
            [text = QString::fromLatin1(b.text), fill = QString::fromLatin1(b.fill)](const DropSpot& at) {
                return button(at, text, fill);
            },
            Fitting::SectionWithRoom);
    }
    t.textBox("velk_markup_blackout",
              [](const DropSpot& at) { return cover(at, 200, 70, "000000", "FFFFFF", 1.0f, false); });
    t.textBox("velk_markup_blackout_circle",
              [](const DropSpot& at) { return cover(at, 100, 100, "000000", "FFFFFF", 1.0f, true); });
    t.textBox("velk_markup_dim",
              [](const DropSpot& at) { return cover(at, 200, 100, "000000", "FFFFFF", 0.5f, false); });
    t.textBox("velk_markup_dim_circle",
              [](const DropSpot& at) { return cover(at, 200, 200, "000000", "FFFFFF", 0.5f, true); });
    t.textBox("velk_markup_whiten",
              [](const DropSpot& at) { return cover(at, 200, 100, "FFFFFF", "000000", 0.5f, false); });
    t.textBox("velk_markup_whiten_circle",
              [](const DropSpot& at) { return cover(at, 200, 200, "FFFFFF", "000000", 0.5f, true); });
    t.textBox("velk_square", [](const DropSpot& at) { return shape(at, 100, 100, 0); });
    t.textBox("velk_square_rounded", [](const DropSpot& at) { return shape(at, 100, 100, 10); });
    t.textBox("velk_rectangle", [](const DropSpot& at) { return shape(at, 100, 80, 0); });
    t.textBox("velk_rectangle_rounded", [](const DropSpot& at) { return shape(at, 100, 80, 10); });
    t.textBox("velk_circle", [](const DropSpot& at) { return shape(at, 100, 100, at.zs(100)); });

    // The section rule spans every page width at the drop's height, unscaled.
    t.snippet("velk_htmlsnippet", &HtmlSnippets::freeSnippet, DropFlow::Ends);
    t.add("velk_line_solid_section", [](SKTGraphicView& view, const DropSpot& at) {
        view.addTrueLine(QPointF(0, at.point.y()), QPointF(3000, at.point.y()), kGrey,
                         QStringLiteral("solid"), 2, QStringLiteral("0"), QStringLiteral("0"), -99);
    });
    t.line("velk_line_solid", "555555", "solid", "0", "0");
    t.line("velk_line_dotted", "555555", "dotted", "0", "0");
    t.line("velk_line_dashed", "555555", "dashed", "0", "0");
    t.line("velk_line_solid_start_arrow", "555555", "solid", "1", "0");
    t.line("velk_line_solid_red_start_arrow", "9E0018", "solid", "1", "0");
    t.line("velk_line_dashed_start_arrow", "555555", "dashed", "1", "0");
    t.line("velk_line_dashed_red_start_arrow", "9E0018", "dashed", "1", "0");
    t.line("velk_line_solid_end_arrow", "555555", "solid", "0", "1");
    t.line("velk_line_solid_both_arrows", "555555", "solid", "1", "1");

    t.factory("velk_table", &SKTGraphicView::addTable_drag);
    t.responsiveTable("velk_table1x2", spansOf({6, 6}));
    t.responsiveTable("velk_table1x3", spansOf({4, 4, 4}));
    t.responsiveTable("velk_table1x4", spansOf({3, 3, 3, 3}));
    t.responsiveTable("velk_table1x6", spansOf({2, 2, 2, 2, 2, 2}));
    // Some spans add up to 10; the table shares its width by their sum, so they still fill it.
    t.responsiveTable("velk_table1_2", spansOf({4, 8}));
    t.responsiveTable("velk_table1_3", spansOf({3, 9}));
    t.responsiveTable("velk_table1_5", spansOf({2, 10}));
    t.responsiveTable("velk_table5_1", spansOf({10, 2}));
    t.responsiveTable("velk_table2_3", spansOf({4, 6}));
    t.responsiveTable("velk_table3_2", spansOf({6, 4}));
    t.responsiveTable("velk_table3_1", spansOf({9, 3}));
    t.responsiveTable("velk_table2_1", spansOf({8, 4}));
    t.factory("velk_table_of_contents", &SKTGraphicView::addTableOfContents);
    t.factory("velk_table_multiColumnWidth", &SKTGraphicView::addTable_multiColumnWidth_drag);
    t.factory("velk_tear_off_tab_1", &SKTGraphicView::addTable_Strip);
    t.factory("velk_tear_off_tab_2", &SKTGraphicView::addTable_Strip2);
    t.factory("velk_slideshow", &SKTGraphicView::addSlideshow_drag);
    t.factory("velk_gallery", &SKTGraphicView::addImageGallery_drag);
    t.factory("velk_enlargeable_photo", &SKTGraphicView::addEnlargeablePhoto_drag);

    t.textBox("velk_pagenumber", [](const DropSpot& at) {
        return box(at, QStringLiteral("Page [PAGE_NUMBER]"), 250, 30, "Helvetica Neue", 25);
    });
    for (const auto& [code, tag] : {std::pair{"velk_personaltag_firstname", "[FIRST_NAME]"},
                                    std::pair{"velk_personaltag_lastname", "[LAST_NAME]"}}) {
        t.textBox(code, [tag = QString::fromLatin1(tag)](const DropSpot& at) {
            return box(at, tag, at.zs(300), at.zs(50), "Helvetica Neue", at.zs(40));
        });
    }
    t.factory("velk_individual", &SKTGraphicView::addIndividual_drag);
    t.factory("velk_personaltag_fulladdress", &SKTGraphicView::addFullAddress_drag);
    t.snippet("velk_video", &HtmlSnippets::video, DropFlow::GoesOn);
    t.snippet("velk_buynowbutton", &HtmlSnippets::buyButton, DropFlow::GoesOn);
    return t.rows;
}

const QList<Row>& rows()
{
    static const QList<Row> table = buildRows();
    return table;
}

} // namespace

QStringList libraryDropCodes()
{
    QStringList codes;
    for (const Row& row : rows())
        codes.append(row.code);
    return codes;
}

std::optional<DropFlow> runLibraryDropCode(SKTGraphicView& view, const QString& code, const QPointF& point)
{
    const auto row = std::find_if(rows().cbegin(), rows().cend(),
                                  [&](const Row& candidate) { return candidate.code == code; });
    if (row == rows().cend())
        return std::nullopt;
    row->action(view, DropSpot{point, view.canvasScale()});
    return row->flow;
}
