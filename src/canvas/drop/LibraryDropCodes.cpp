#include "canvas/drop/LibraryDropCodes.h"

#include "canvas/drop/TableDropCodes.h"
#include "canvas/factories/TextBoxArguments.h"
#include "canvas/view/SKTGraphicView.h"
#include "profile/DataCentre.h"

#include <QDateTime>
#include <QHash>
#include <QLocale>

#include <algorithm>
#include <functional>

// The library items whose objects are sections, and those whose objects are text boxes: texts, lists,
// placeholders, tags, stamps, markup outlines and plain shapes. Sizes marked zoom-scaled are divided by the
// zoom, so the object looks the same size on screen at any zoom.

namespace {

// The drop as the actions see it: the point, and the zoom the sizes are scaled by.
struct DropSpot {
    QPointF point;
    double zoom = 1;

    // n divided by the zoom, in whole points.
    int zs(int n) const { return int(n / zoom); }
    // A line or border width that stays visible when zoomed out: 2 / zoom, at least 1.
    int zoomStep() const { return int(std::max(1.0, 2.0 / zoom)); }
};

struct Row {
    QString code;
    std::function<TextBoxArguments(const DropSpot&)> make;
    DropFlow flow = DropFlow::Ends;
};

const QString kHelveticaNeue = QStringLiteral("Helvetica Neue");
const QString kTitleText = QStringLiteral("Placeholder text for title.  Double click me to edit.");
const QString kSubtitleText = QStringLiteral("Placeholder text for subtitle.  Double click me to edit.");

QFont fontOf(const QString& family, int size)
{
    QFont font(family);
    font.setPointSizeF(size);
    return font;
}

// A box at the drop point with the common preset.
TextBoxArguments box(const DropSpot& at, const QString& text, int width, int height, const QString& family,
                     int fontSize)
{
    TextBoxArguments a;
    a.text = text;
    a.frame = QRectF(at.point, QSizeF(width, height));
    a.font = fontOf(family, fontSize);
    return a;
}

// A box as wide as the canvas at the drop's height, white on grey.
TextBoxArguments divider(const DropSpot& at, const QString& text, int height, int fontSize)
{
    TextBoxArguments a = box(at, text, 0, height, kHelveticaNeue, fontSize);
    a.frame = QRectF(0, at.point.y(), DataCentre::profile().canvasWidth, height);
    a.fillColor = QStringLiteral("555555");
    a.textColor = QStringLiteral("FFFFFF");
    return a;
}

QString now(const QString& format)
{
    return QLocale::c().toString(QDateTime::currentDateTime(), format);
}

QString bodyText()
{
    const QString text = QStringLiteral("Placeholder paragraph body text\n\nLorem ipsum dolor sit amet, "
                                        "consectetur adipiscing elit. Phasellus at tincidunt dolor.\n\n"
                                        "Double click me to edit.");
    if (!DataCentre::profile().dateStampNewText)
        return text;
    return now(QStringLiteral("MMM dd yyyy,  dddd h:mm AP")) + u'\n' + text;
}

// A markup object: one blank of text, zoom-scaled, outlined or filled.
TextBoxArguments markup(const DropSpot& at, int width, int height)
{
    return box(at, QStringLiteral(" "), at.zs(width), at.zs(height), kHelveticaNeue, at.zs(20));
}

TextBoxArguments dashed(const DropSpot& at, int width, int height, const char* colour, bool round)
{
    TextBoxArguments a = markup(at, width, height);
    a.borderStyle = QStringLiteral("dashed");
    a.borderWidth = at.zoomStep();
    a.borderColor = QString::fromLatin1(colour);
    if (round)
        a.cornerRadius = at.zs(100);
    return a;
}

TextBoxArguments cover(const DropSpot& at, int width, int height, const char* fill, const char* text,
                       float opacity, bool round)
{
    TextBoxArguments a = markup(at, width, height);
    a.fillColor = QString::fromLatin1(fill);
    a.textColor = QString::fromLatin1(text);
    a.opacity = opacity;
    a.font = fontOf(kHelveticaNeue, at.zs(40));
    if (round)
        a.cornerRadius = at.zs(100);
    return a;
}

TextBoxArguments shape(const DropSpot& at, int width, int height, int cornerRadius)
{
    TextBoxArguments a = markup(at, width, height);
    a.borderStyle = QStringLiteral("solid");
    a.borderColor = QStringLiteral("555555");
    a.cornerRadius = cornerRadius;
    return a;
}

TextBoxArguments stamp(const DropSpot& at, const QString& text, int width, int fontSize)
{
    TextBoxArguments a = box(at, text, width, 50, kHelveticaNeue, fontSize);
    a.cornerRadius = 15;
    return a;
}

QList<Row> rows()
{
    QList<Row> table;
    const struct {
        const char* code;
        const char* colour;
    } coloured[] = {{"velk_textbox", "555555"},        {"velk_textbox_red", "EE0000"},
                    {"velk_textbox_yellow", "FFC125"}, {"velk_textbox_blue", "00B2EE"},
                    {"velk_textbox_green", "00CD00"},  {"velk_textbox_black", "000000"}};
    for (const auto& c : coloured) {
        table.append({c.code, [colour = c.colour](const DropSpot& at) {
                          TextBoxArguments a =
                              box(at, QStringLiteral("New text box"), 300, 150, kHelveticaNeue, 20);
                          a.textColor = QString::fromLatin1(colour);
                          return a;
                      }});
    }
    const auto list = [](const char* text) {
        return [text](const DropSpot& at) {
            return box(at, QString::fromUtf8(text), at.zs(300), at.zs(150), kHelveticaNeue, at.zs(25));
        };
    };
    table.append(
        {"velk_bulletedlist", list("\u2022 Item number 1\n\u2022 Item number 2\n\u2022 Item number 3")});
    table.append({"velk_numberedlist", list("1. First item\n2. Second item\n3. Third item")});
    table.append({"velk_textbox_title",
                  [](const DropSpot& at) { return box(at, kTitleText, 1000, 200, kHelveticaNeue, 80); }});
    table.append({"velk_textbox_subtitle",
                  [](const DropSpot& at) { return box(at, kSubtitleText, 800, 150, kHelveticaNeue, 50); }});
    table.append(
        {"velk_textbox_section_title", [](const DropSpot& at) { return divider(at, kTitleText, 80, 60); }});
    table.append({"velk_textbox_section_subtitle",
                  [](const DropSpot& at) { return divider(at, kSubtitleText, 50, 30); }});
    table.append({"velk_textbox_body",
                  [](const DropSpot& at) { return box(at, bodyText(), 500, 350, kHelveticaNeue, 18); }});
    table.append({"velk_textbox_footnote", [](const DropSpot& at) {
                      return box(at,
                                 QStringLiteral("Placeholder text for footnote.\n\nDouble click me to edit."),
                                 400, 75, kHelveticaNeue, 10);
                  }});
    table.append({"velk_textbox_label", [](const DropSpot& at) {
                      const ProductProfile& profile = DataCentre::profile();
                      return box(at, QStringLiteral("New text box.  Double click me to edit."),
                                 int(profile.canvasWidth * 0.75), int(profile.canvasHeight * 0.75),
                                 kHelveticaNeue, 30 * int(profile.canvasWidth / 500));
                  }});
    table.append({"velk_markup_watermark", [](const DropSpot& at) {
                      TextBoxArguments a = box(at, QStringLiteral("Watermark"), at.zs(325), at.zs(70),
                                               kHelveticaNeue, at.zs(40));
                      a.opacity = 0.4f;
                      return a;
                  }});
    table.append({"velk_pagenumber", [](const DropSpot& at) {
                      return box(at, QStringLiteral("Page [PAGE_NUMBER]"), 250, 30, kHelveticaNeue, 25);
                  }});
    for (const auto& [code, tag] : {std::pair{"velk_personaltag_firstname", "[FIRST_NAME]"},
                                    std::pair{"velk_personaltag_lastname", "[LAST_NAME]"}}) {
        table.append({code, [tag](const DropSpot& at) {
                          return box(at, QString::fromLatin1(tag), at.zs(300), at.zs(50), kHelveticaNeue,
                                     at.zs(40));
                      }});
    }

    const struct {
        const char* word;
        const char* colour;
    } markupColours[] = {{"red", "EE0000"},
                         {"yellow", "FFC125"},
                         {"blue", "00B2EE"},
                         {"green", "00CD00"},
                         {"black", "000000"}};
    for (const auto& c : markupColours) {
        const bool red = QLatin1String(c.word) == QLatin1String("red");
        const QByteArray square = QByteArray("velk_square_markup_") + c.word + "_dashed";
        const QByteArray circle = QByteArray("velk_circle_markup_") + c.word + "_dashed";
        table.append({QString::fromLatin1(square), [colour = c.colour, red](const DropSpot& at) {
                          return dashed(at, red ? 200 : 100, 100, colour, false);
                      }});
        table.append({QString::fromLatin1(circle), [colour = c.colour](const DropSpot& at) {
                          return dashed(at, 100, 100, colour, true);
                      }});
    }
    table.append({"velk_markup_blackout",
                  [](const DropSpot& at) { return cover(at, 200, 70, "000000", "FFFFFF", 1.0f, false); }});
    table.append({"velk_markup_blackout_circle",
                  [](const DropSpot& at) { return cover(at, 100, 100, "000000", "FFFFFF", 1.0f, true); }});
    table.append({"velk_markup_dim",
                  [](const DropSpot& at) { return cover(at, 200, 100, "000000", "FFFFFF", 0.5f, false); }});
    table.append({"velk_markup_dim_circle",
                  [](const DropSpot& at) { return cover(at, 200, 200, "000000", "FFFFFF", 0.5f, true); }});
    table.append({"velk_markup_whiten",
                  [](const DropSpot& at) { return cover(at, 200, 100, "FFFFFF", "000000", 0.5f, false); }});
    table.append({"velk_markup_whiten_circle",
                  [](const DropSpot& at) { return cover(at, 200, 200, "FFFFFF", "000000", 0.5f, true); }});
    table.append({"velk_square", [](const DropSpot& at) { return shape(at, 100, 100, 0); }});
    table.append({"velk_square_rounded", [](const DropSpot& at) { return shape(at, 100, 100, 10); }});
    table.append({"velk_rectangle", [](const DropSpot& at) { return shape(at, 100, 80, 0); }});
    table.append({"velk_rectangle_rounded", [](const DropSpot& at) { return shape(at, 100, 80, 10); }});
    table.append({"velk_circle", [](const DropSpot& at) { return shape(at, 100, 100, at.zs(100)); }});

    for (int digit = 1; digit <= 9; ++digit) {
        const QByteArray code = "velk_numbertag_" + QByteArray::number(digit);
        table.append({QString::fromLatin1(code), [digit](const DropSpot& at) {
                          TextBoxArguments a =
                              box(at, QString::number(digit), 40, 50, QStringLiteral("Arial Black"), 30);
                          a.fillColor = QStringLiteral("4F94CD");
                          a.textColor = QStringLiteral("FFFFFF");
                          a.cornerRadius = 5;
                          return a;
                      }});
    }
    table.append({"velk_markup_datestamp",
                  [](const DropSpot& at) { return stamp(at, now(QStringLiteral("MMM dd yyyy")), 270, 30); },
                  DropFlow::GoesOn});
    table.append(
        {"velk_markup_timestamp",
         [](const DropSpot& at) { return stamp(at, now(QStringLiteral("MMM dd yyyy HH:mm AP")), 300, 20); },
         DropFlow::GoesOn});
    return table;
}

// The section items: the spans of their columns on the 12-column grid.
const QHash<QString, QStringList>& sectionSpans()
{
    static const QHash<QString, QStringList> spans = {
        {QStringLiteral("velk_section1"), {"12"}},
        {QStringLiteral("velk_section2"), {"6", "6"}},
        {QStringLiteral("velk_section3"), {"4", "4", "4"}},
        {QStringLiteral("velk_section4"), {"3", "3", "3", "3"}},
        {QStringLiteral("velk_section6"), QStringList(6, QStringLiteral("2"))},
        {QStringLiteral("velk_section12"), QStringList(12, QStringLiteral("1"))},
        {QStringLiteral("velk_section4_8"), {"4", "8"}},
        {QStringLiteral("velk_section8_4"), {"8", "4"}},
        {QStringLiteral("velk_section10_2"), {"10", "2"}},
        {QStringLiteral("velk_section2_10"), {"2", "10"}},
    };
    return spans;
}

const QString kWebstoreSection = QStringLiteral("velk_webstore_section");
constexpr int kWebstoreItems = 4;

// The outlined shapes and zoom bubbles: "velk_shape_" or "velk_zoom_bubble_" and the outline's name;
// "velk_zoom_bubble" alone is the rectangular bubble.
struct Bubble {
    QString shape;
    int zoomFlag = 0;
};

std::optional<Bubble> bubbleOf(const QString& code)
{
    static const QStringList outlines = {
        "circle",   "star",      "star2",   "star4",    "star4b",   "star10",   "star25",    "octagon",
        "triangle", "triangle2", "pyramid", "polygon5", "polygon6", "polygon7", "polygon10", "polygon12"};
    const QString zoomPrefix = QStringLiteral("velk_zoom_bubble");
    if (code == zoomPrefix)
        return Bubble{QStringLiteral("rectangle"), 1};
    for (const auto& [prefix, flag] :
         {std::pair{zoomPrefix + u'_', 1}, std::pair{QStringLiteral("velk_shape_"), 0}}) {
        if (code.startsWith(prefix) && outlines.contains(code.mid(prefix.size())))
            return Bubble{code.mid(prefix.size()), flag};
    }
    return std::nullopt;
}

// The line items: a line zs 200 long to the right of the drop point, zs 10 wide; the section rule spans the
// page at the drop's height.
struct LineItem {
    const char* code;
    const char* color;
    const char* style;
    const char* beginArrow;
    const char* endArrow;
};

// clang-format off
const LineItem kLineItems[] = {
    {"velk_line_solid", "555555", "solid", "0", "0"},
    {"velk_line_dotted", "555555", "dotted", "0", "0"},
    {"velk_line_dashed", "555555", "dashed", "0", "0"},
    {"velk_line_solid_start_arrow", "555555", "solid", "1", "0"},
    {"velk_line_dashed_start_arrow", "555555", "dashed", "1", "0"},
    {"velk_line_solid_red_start_arrow", "9E0018", "solid", "1", "0"},
    {"velk_line_dashed_red_start_arrow", "9E0018", "dashed", "1", "0"},
    {"velk_line_solid_end_arrow", "555555", "solid", "0", "1"},
    {"velk_line_solid_both_arrows", "555555", "solid", "1", "1"},
};
// clang-format on

const QString kSectionRule = QStringLiteral("velk_line_solid_section");
const QString kFullAddress = QStringLiteral("velk_personaltag_fulladdress");

bool addLine(SKTGraphicView& view, const QString& code, const DropSpot& at)
{
    const QPointF& p = at.point;
    if (code == kSectionRule) {
        view.addTrueLine(QPointF(0, p.y()), QPointF(3000, p.y()), QStringLiteral("555555"), QStringLiteral("solid"),
                         2, QStringLiteral("0"), QStringLiteral("0"), -99);
        return true;
    }
    const auto item = std::find_if(std::begin(kLineItems), std::end(kLineItems),
                                   [&](const LineItem& candidate) { return code == QLatin1String(candidate.code); });
    if (item == std::end(kLineItems))
        return false;
    view.addTrueLine(p, QPointF(p.x() + at.zs(200), p.y()), QString::fromLatin1(item->color),
                     QString::fromLatin1(item->style), at.zs(10), QString::fromLatin1(item->beginArrow),
                     QString::fromLatin1(item->endArrow), -99);
    return true;
}

// ---- Web-form fields: each code builds its field at the drop point.
using FieldBuilder = void (SKTGraphicView::*)(const QPointF&);

const QHash<QString, FieldBuilder>& formFieldBuilders()
{
    static const QHash<QString, FieldBuilder> builders = {
        {QStringLiteral("velk_textfield"), &SKTGraphicView::addTextField_drag},
        {QStringLiteral("velk_paragraph"), &SKTGraphicView::addParagraph_drag},
        {QStringLiteral("velk_multiplechoice"), &SKTGraphicView::addMultipleChoice_drag},
        {QStringLiteral("velk_checkboxes"), &SKTGraphicView::addCheckboxes_drag},
        {QStringLiteral("velk_submitbutton"), &SKTGraphicView::addSubmitButton_drag},
        {QStringLiteral("velk_botchecker"), &SKTGraphicView::addBotCheckerTextField_drag},
        {QStringLiteral("velk_emailtextfield"), &SKTGraphicView::addEmailTextField_drag},
    };
    return builders;
}

} // namespace

std::optional<DropFlow> runLibraryDropCode(SKTGraphicView& view, const QString& code, const QPointF& point)
{
    if (const std::optional<DropFlow> flow = runTableDropCode(view, code, point))
        return flow;
    if (const auto spans = sectionSpans().constFind(code); spans != sectionSpans().constEnd()) {
        view.addSection(*spans, int(spans->size()), point);
        return DropFlow::Ends;
    }
    if (code == kWebstoreSection) {
        view.addSectionTemplate(kWebstoreItems, point);
        return DropFlow::Ends;
    }
    if (const auto builder = formFieldBuilders().constFind(code); builder != formFieldBuilders().constEnd()) {
        (view.*builder.value())(point);
        return DropFlow::Ends;
    }
    // Pictures and PDF pages, chosen in an open panel.
    if (code == QLatin1String("velk_photo")) {
        view.addNewImage_drag(point);
        return DropFlow::Ends;
    }
    if (code == QLatin1String("velk_pdf")) {
        view.addNewPDF_drag(point);
        return DropFlow::Ends;
    }
    if (const std::optional<Bubble> bubble = bubbleOf(code)) {
        const int cornerRadius = bubble->shape == QLatin1String("rectangle") ? 0 : 1000;
        view.addZoomBubbleTextbox_drag(point, cornerRadius, bubble->shape, bubble->zoomFlag);
        return DropFlow::Ends;
    }
    if (addLine(view, code, DropSpot{point, view.canvasScale()}))
        return DropFlow::Ends;
    if (code == kFullAddress) {
        view.addFullAddress_drag(point);
        return DropFlow::Ends;
    }
    if (code == QLatin1String("velk_link")) {
        view.addVelkLink_drag(point);
        return DropFlow::Ends;
    }
    if (code == QLatin1String("velk_individual")) {
        view.addIndividual_drag(point);
        return DropFlow::Ends;
    }
    // Galleries: four cells in a row, or one photo that enlarges on a click.
    if (code == QLatin1String("velk_gallery")) {
        view.addImageGallery_drag(point);
        return DropFlow::Ends;
    }
    if (code == QLatin1String("velk_enlargeable_photo")) {
        view.addEnlargeablePhoto_drag(point);
        return DropFlow::Ends;
    }
    static const QList<Row> table = rows();
    const auto row = std::find_if(table.cbegin(), table.cend(),
                                  [&](const Row& candidate) { return code == candidate.code; });
    if (row == table.cend())
        return std::nullopt;
    view.addTextBox(row->make(DropSpot{point, view.canvasScale()}));
    return row->flow;
}
