#include "codegen/widgets/WidgetCode.h"
#include "codegen/CodeText.h"
#include "codegen/PageCodeContext.h"
#include "codegen/TextElementCode.h"
#include "model/records/myTextView.h"

#include <QTextDocument>

#include <gtest/gtest.h>

namespace {

struct CellValues {
    int row;
    int column;
    QString text;
    QString link;
};

std::shared_ptr<myTextView> cell(const CellValues& values)
{
    auto made = std::make_shared<myTextView>(QRectF(0, 0, 100, 40));
    made->setRowSpot(values.row);
    made->setColumnSpot(values.column);
    made->setTextStorage(std::make_shared<QTextDocument>(values.text));
    made->setLink(values.link);
    made->setBackgroundHexColorString(QStringLiteral("112233"));
    made->setHoverColorString(QStringLiteral("445566"));
    made->setTextColorString(QStringLiteral("778899"));
    made->setHoverTextColorString(QStringLiteral("AABBCC"));
    made->setFontSize(17);
    made->setFamilyName(QStringLiteral("Lato"));
    return made;
}

// A widget table of the cells; the cells' text code is the page's own text element code.
WidgetTable table(int rows, int columns, const QList<CellValues>& cells, int elementNumber = 4)
{
    WidgetTable made;
    made.elementNumber = elementNumber;
    made.numOfRows = rows;
    made.numOfColumns = columns;
    made.padding = 6;
    made.bounds = QRectF(10, 120.75, 400, 90);
    made.pageName = QStringLiteral("home");
    for (const CellValues& values : cells)
        made.cellHelperArray.append(cell(values));
    made.cellTextCode = [](myTextView& c) {
        PageCodeContext page;
        page.pageName = QStringLiteral("home");
        return TextElementCode::generateTextViewCodeStatic(c, c.columnSpot() + 10 * c.rowSpot(), true, page);
    };
    return made;
}

// Every cell of the grid, with its spot as text.
WidgetTable fullTable(int rows, int columns, int elementNumber = 4)
{
    QList<CellValues> cells;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            cells.append({r, c, QStringLiteral("Cell %1 %2").arg(r).arg(c),
                          QStringLiteral("page%1%2.html").arg(r).arg(c)});
    return table(rows, columns, cells, elementNumber);
}

struct NavGenerator {
    const char* name;
    WidgetCode::Generator generate;
    bool fixed;
};
const NavGenerator kNavGenerators[] = {
    {"dropdownmenu", WidgetCode::generateDropdownmenu, false},
    {"navbar_centered", WidgetCode::generateNavBar_centered, false},
    {"navbar_fixed", WidgetCode::generateNavBar_Fixed, true},
    {"navbar_fixed_centered", WidgetCode::generateNavBar_Fixed_Centered, true},
    {"navbar", WidgetCode::generateNavBar, false},
};

TEST(WidgetCodeTest, ANavigationWidgetWithoutCellsGivesNoRecord)
{
    for (const NavGenerator& nav : kNavGenerators) {
        WidgetTable empty = table(2, 3, {});
        EXPECT_FALSE(nav.generate(empty).has_value()) << nav.name;
        EXPECT_TRUE(nav.generate(fullTable(2, 3)).has_value()) << nav.name;
    }
}

TEST(WidgetCodeTest, GridTypesNameTheirGenerators)
{
    for (const NavGenerator& nav : kNavGenerators)
        EXPECT_EQ(WidgetCode::generatorForGridType(QLatin1String(nav.name)), nav.generate) << nav.name;
    EXPECT_EQ(WidgetCode::generatorForGridType(QStringLiteral("text_carousel")),
              WidgetCode::generateTextCarousel);
    EXPECT_EQ(WidgetCode::generatorForGridType(QStringLiteral("photo_hover_caption")),
              WidgetCode::generatePhoto_Hover_Caption);
    EXPECT_EQ(WidgetCode::generatorForGridType(QStringLiteral("collapsible_text_panel")),
              WidgetCode::generateCollapsibleTextPanel);
    EXPECT_EQ(WidgetCode::generatorForGridType(QStringLiteral("collapsible_image_panel")),
              WidgetCode::generateCollapsibleImagePanel);
    EXPECT_EQ(WidgetCode::generatorForGridType(QStringLiteral("section")), nullptr);
    EXPECT_EQ(WidgetCode::generatorForGridType(QStringLiteral("table")), nullptr);
}

TEST(WidgetCodeTest, ClearBackgroundsAreTransparentExceptInTheFixedBars)
{
    for (const NavGenerator& nav : kNavGenerators) {
        WidgetTable bar = fullTable(1, 3);
        // The cells' own code keeps their colours for the editor; the bar's template is what counts here.
        bar.cellTextCode = nullptr;
        for (const std::shared_ptr<myTextView>& c : bar.cellHelperArray) {
            c->setBackgroundHexColorString(QStringLiteral("CLEAR0"));
            c->setHoverColorString(QStringLiteral("CLEAR0"));
        }
        const QString css = nav.generate(bar)->headerString();
        if (nav.fixed) {
            EXPECT_TRUE(css.contains(QStringLiteral(".navbar {\nborder:0px;\nbackground-color: #CLEAR0;")))
                << nav.name;
            EXPECT_FALSE(css.contains(QStringLiteral("transparent;\n}\n.navbar .navbar-nav"))) << nav.name;
        } else {
            EXPECT_TRUE(css.contains(QStringLiteral(".navbar-default {\nborder:0px;\nbackground-color: "
                                                    "transparent;")))
                << nav.name;
            EXPECT_FALSE(css.contains(QStringLiteral("CLEAR0"))) << nav.name;
        }
    }
}

TEST(WidgetCodeTest, StyleCellColoursAndFontFillTheTemplate)
{
    WidgetTable bar = fullTable(1, 2);
    bar.cellHelperArray.last()->setTextColorString(QStringLiteral("0000FF"));
    const QString css = WidgetCode::generateNavBar_centered(bar)->headerString();
    EXPECT_TRUE(css.startsWith(QStringLiteral(
        ".navbar-default .navbar-nav > li > a:hover, .navbar-default .navbar-nav > li > a:focus {\ncolor: "
        "#AABBCC;\nbackground-color: #445566;\nwidth:100%;\n}\n.navbar-default "
        "{\nborder:0px;\nbackground-color: "
        "#112233;\nborder-radius:0px;\n}\n.navbar-default .navbar-nav > li > a {\ncolor: "
        "#0000FF;\nfont-size:17px;"
        "\nfont-family:\"Lato\";\nwidth:100%;\n}\n")))
        << css.toStdString();
    // The drop-down menu's CSS holds every one of its values and no placeholder.
    const QString dropdown = WidgetCode::generateDropdownmenu(bar)->headerString();
    EXPECT_FALSE(dropdown.contains(QStringLiteral("%@")));
    EXPECT_FALSE(dropdown.contains(QStringLiteral("%d")));
    EXPECT_EQ(dropdown.count(QStringLiteral("font-family:\"Lato\"")), 4);
    EXPECT_EQ(dropdown.count(QStringLiteral("width:100%;")), 6);
}

TEST(WidgetCodeTest, DropdownMenuEntriesCarryTheirLists)
{
    // Column 0 opens a list of one entry (its empty sub-cell is skipped); column 1 is linked.
    WidgetTable menu = table(3, 2,
                             {{0, 0, QStringLiteral("Menu"), QString()},
                              {1, 0, QStringLiteral("One"), QStringLiteral("one.html")},
                              {2, 0, QString(), QStringLiteral("none.html")},
                              {0, 1, QStringLiteral("Home"), QStringLiteral("index.html")}},
                             7);
    const CodeWidgetHelper code = *WidgetCode::generateDropdownmenu(menu);
    const QString expected =
        "<nav class=\"navbar navbar-default\">\n<div class=container-fluid>\n<div class=navbar-header>\n"
        "<button type=button class=\"navbar-toggle collapsed\" data-toggle=collapse data-target=#navbar7 "
        "aria-expanded=false aria-controls=navbar7>\n<span class=sr-only>Toggle navigation</span>\n"
        "<span class=icon-bar></span>\n<span class=icon-bar></span>\n<span "
        "class=icon-bar></span>\n</button>\n"
        "</div>\n<div id=navbar7 class=\"navbar-collapse collapse\">\n<ul class=\"nav navbar-nav\">\n\n"
        "<!--START NAVIGATION MENU-->\n"
        "<li class=\"dropdown\">\n<a class=\"dropdown-toggle\" data-toggle=\"dropdown\" role=\"button\" "
        "aria-haspopup=\"true\" aria-expanded=\"false\">Menu</a>\n\n<ul class=\"dropdown-menu\">\n"
        "<li><a href=one.html>One</a></li>\n\n</ul></li>\n"
        "<li><a href=index.html>Home</a>\n\n<ul class=\"dropdown-menu\">\n</ul></li><!--END NAVIGATION "
        "MENU-->\n"
        "</ul>\n</div>\n</div>\n</nav>\n";
    EXPECT_EQ(code.bodyString(), expected);
    EXPECT_EQ(code.javaScriptString(), QStringLiteral(""));
    EXPECT_EQ(code.originY(), 120);
    EXPECT_TRUE(code.rect().isNull());
    EXPECT_FALSE(code.partOfTableFlag());
}

TEST(WidgetCodeTest, FixedBarsTakeTheirBrandFromTheFirstColumn)
{
    for (const NavGenerator& nav : kNavGenerators) {
        if (!nav.fixed)
            continue;
        const QString one = nav.generate(fullTable(1, 1))->bodyString();
        EXPECT_TRUE(one.contains(QStringLiteral("class=\"navbar-brand\"")) &&
                    one.contains(QStringLiteral(">Cell 0 0</a>")))
            << nav.name;
        EXPECT_FALSE(one.contains(QStringLiteral("<li>"))) << nav.name;
        // Without an entry the bar has no style cell and writes a look of its own, never a placeholder.
        EXPECT_FALSE(nav.generate(fullTable(1, 1))->headerString().contains(QStringLiteral("%@")))
            << nav.name;

        const QString three = nav.generate(fullTable(1, 3))->bodyString();
        EXPECT_EQ(three.count(QStringLiteral("<li>")), 2) << nav.name;
        EXPECT_TRUE(three.contains(QStringLiteral("<li><a href=page02.html>Cell 0 2</a></li>"))) << nav.name;
        EXPECT_FALSE(three.contains(QStringLiteral("NAVIGATION MENU"))) << nav.name;
        EXPECT_TRUE(three.endsWith(QStringLiteral("</ul>\n</div>\n</div>\n</nav>\n"))) << nav.name;
    }
    EXPECT_TRUE(WidgetCode::generateNavBar_Fixed_Centered(fullTable(1, 2))
                    ->bodyString()
                    .contains(QStringLiteral("<a class=\"navbar-brand\" href=\"page00.html\">Cell 0 0</a>")));
}

TEST(WidgetCodeTest, NavBarWritesItsCellsThroughTheirTextCode)
{
    WidgetTable bar = fullTable(2, 3);
    const CodeWidgetHelper code = *WidgetCode::generateNavBar(bar);
    const QString body = code.bodyString();
    EXPECT_TRUE(body.contains(QStringLiteral("<div class=\"navbar-brand\">")));
    // Cells (0, 1), (0, 2), (1, 1) and (1, 2) are entries; column 0 is not.
    EXPECT_EQ(body.count(QStringLiteral("<li>")), 4);
    EXPECT_TRUE(body.contains(QStringLiteral("Cell 1 1")));
    EXPECT_FALSE(body.contains(QStringLiteral("Cell 1 0")));
    // Every cell's CSS reaches the header: the text code names each cell's class by its number.
    for (const int number : {0, 1, 2, 10, 11, 12})
        EXPECT_TRUE(code.headerString().contains(QStringLiteral(".text%1{").arg(number))) << number;
    EXPECT_TRUE(code.partOfTableFlag());
}

TEST(WidgetCodeTest, TypedTextAndLinksCannotBreakTheMarkup)
{
    const QString typed = QStringLiteral("Fish & <b>Chips</b>");
    const QString link = QStringLiteral("x.html\"><script>alert(1)</script>");
    for (const NavGenerator& nav : kNavGenerators) {
        if (nav.generate == WidgetCode::generateNavBar)
            continue; // its cells are written by the text code
        WidgetTable bar = table(1, 2, {{0, 0, typed, link}, {0, 1, typed, link}});
        const QString body = nav.generate(bar)->bodyString();
        EXPECT_FALSE(body.contains(QStringLiteral("<b>"))) << nav.name;
        EXPECT_FALSE(body.contains(QStringLiteral("<script>"))) << nav.name;
        EXPECT_TRUE(body.contains(CodeText::escapedText(typed))) << nav.name;
    }
    WidgetTable bar =
        table(1, 2, {{0, 0, QStringLiteral("A"), QString()}, {0, 1, QStringLiteral("B"), QString()}});
    bar.cellHelperArray.last()->setFamilyName(QStringLiteral("Evil\";}</style><script>"));
    const QString css = WidgetCode::generateNavBar_centered(bar)->headerString();
    EXPECT_FALSE(css.contains(QStringLiteral("</style>")));
    // An entry without a link still has a well-formed href.
    EXPECT_TRUE(WidgetCode::generateNavBar_centered(bar)->bodyString().contains(
        QStringLiteral("<li><a href=#>B</a></li>")));
}

TEST(WidgetCodeTest, TwoWidgetsOfAKindHaveTheirOwnIds)
{
    struct Case {
        WidgetCode::Generator generate;
        const char* id;
    };
    const Case cases[] = {
        {WidgetCode::generateDropdownmenu, "id=navbar%1 "},
        {WidgetCode::generateNavBar_centered, "id=navbar%1 "},
        {WidgetCode::generateNavBar, "id=navbar%1 "},
        {WidgetCode::generateNavBar_Fixed, "id=\"navbar%1\""},
        {WidgetCode::generateNavBar_Fixed_Centered, "id=\"navbar%1\""},
        {WidgetCode::generateTextCarousel, "id=\"quote-carousel%1\""},
        {WidgetCode::generateCollapsibleTextPanel, "id=\"collapse%1\""},
        {WidgetCode::generateCollapsibleImagePanel, "id=\"toggle-%1\""},
        {WidgetCode::generatePhoto_Hover_Caption, "class=\"caption%1\""},
    };
    for (const Case& c : cases) {
        const QString first = c.generate(fullTable(3, 2, 3))->bodyString();
        const QString second = c.generate(fullTable(3, 2, 5))->bodyString();
        EXPECT_TRUE(first.contains(QString::fromUtf8(c.id).arg(3))) << c.id;
        EXPECT_TRUE(second.contains(QString::fromUtf8(c.id).arg(5))) << c.id;
        EXPECT_FALSE(second.contains(QString::fromUtf8(c.id).arg(3))) << c.id;
    }
    // The toggle button and the text carousel's controls and script name their own widget.
    EXPECT_TRUE(WidgetCode::generateNavBar_Fixed(fullTable(1, 2, 5))
                    ->bodyString()
                    .contains(QStringLiteral("data-target=\"#navbar5\"")));
    const CodeWidgetHelper carousel = *WidgetCode::generateTextCarousel(fullTable(3, 2, 5));
    EXPECT_EQ(carousel.bodyString().count(QStringLiteral("href=\"#quote-carousel5\"")), 2);
    EXPECT_TRUE(carousel.javaScriptString().contains(QStringLiteral("$('#quote-carousel5').carousel(")));
    EXPECT_TRUE(carousel.headerString().startsWith(QStringLiteral("#quote-carousel5\n{")));
}

TEST(WidgetCodeTest, TextCarouselHasOneSlidePerColumn)
{
    const CodeWidgetHelper one = *WidgetCode::generateTextCarousel(fullTable(3, 1));
    EXPECT_EQ(one.bodyString().count(QStringLiteral("class=\"active\"")), 1);
    EXPECT_EQ(one.bodyString().count(QStringLiteral("class=\"item active\"")), 1);
    EXPECT_EQ(one.bodyString().count(QStringLiteral("class=\"item\"")), 0);

    const CodeWidgetHelper three = *WidgetCode::generateTextCarousel(fullTable(3, 3));
    const QString body = three.bodyString();
    EXPECT_TRUE(body.contains(QStringLiteral(
        "<ol class=\"carousel-indicators\">\n<li data-target=\"#quote-carousel4\" data-slide-to=\"0\" "
        "class=\"active\"></li>\n<li data-target=\"#quote-carousel4\" data-slide-to=\"1\"></li>\n<li "
        "data-target=\"#quote-carousel4\" data-slide-to=\"2\"></li>\n\n</ol>")))
        << body.toStdString();
    EXPECT_EQ(body.count(QStringLiteral("class=\"item\"")), 2);
    // Row 0 is not written; rows 1 and 2 are each slide's quotation and author.
    EXPECT_FALSE(body.contains(QStringLiteral("Cell 0 1")));
    EXPECT_LT(body.indexOf(QStringLiteral("Cell 1 1")), body.indexOf(QStringLiteral("Cell 2 1")));
    EXPECT_TRUE(three.javaScriptString().contains(QStringLiteral("interval: 20000")));
    EXPECT_TRUE(three.partOfTableFlag());
    EXPECT_EQ(three.rect(), QRectF(10, 120.75, 400, 90));

    // A carousel of two rows has slides without authors.
    const QString short_ = WidgetCode::generateTextCarousel(fullTable(2, 2))->bodyString();
    EXPECT_TRUE(short_.contains(QStringLiteral("Cell 1 1")));
    EXPECT_FALSE(short_.contains(QStringLiteral("(null)")));
}

TEST(WidgetCodeTest, CollapsibleTextPanelTakesTheLastCellsAsTitleAndContent)
{
    WidgetTable panel = table(
        2, 1, {{0, 0, QStringLiteral("Title"), QString()}, {1, 0, QStringLiteral("Body"), QString()}}, 6);
    panel.cellTextCode = [](myTextView& c) {
        CodeWidgetHelper code;
        code.setBodyString(c.textStorage()->toPlainText());
        code.setHeaderString(QStringLiteral(".cell%1{}").arg(c.rowSpot()));
        return code;
    };
    const CodeWidgetHelper code = *WidgetCode::generateCollapsibleTextPanel(panel);
    EXPECT_EQ(
        code.bodyString(),
        QStringLiteral(
            "<div class=\"panel-group\">\n<div class=\"panel panel-default\">\n<div "
            "class=\"panel-heading\">\n<h4 class=\"panel-title\">\n<a data-toggle=\"collapse\" "
            "href=\"#collapse6\">Title</a>\n</h4>\n</div>\n<div id=\"collapse6\" class=\"panel-collapse "
            "collapse\">\n<div class=\"panel-body\">Body\n</div>\n</div>\n</div>\n</div>\n"));
    EXPECT_EQ(code.headerString(), QStringLiteral(".tableGrid6 td{padding:6px;}\n.cell0{}\n.cell1{}"));
    EXPECT_EQ(code.javaScriptString(), QStringLiteral(""));
}

std::shared_ptr<TransformView> picture(const QString& name, bool selectable, const QString& templateName)
{
    auto made = std::make_shared<TransformView>(QRectF(0, 0, 50, 50));
    made->setImageName(name);
    made->setImageType(QStringLiteral("png"));
    made->setSelectable(selectable);
    made->setTemplateName(templateName);
    return made;
}

TEST(WidgetCodeTest, PicturePanelsShowTheFullSizePicture)
{
    for (const WidgetCode::Generator generate :
         {WidgetCode::generateCollapsibleImagePanel, WidgetCode::generatePhoto_Hover_Caption}) {
        WidgetTable widget = fullTable(3, 1);
        EXPECT_TRUE(generate(widget)->bodyString().contains(QStringLiteral("src=\"\"")));
        widget.imageArray = {picture(QStringLiteral("image4"), true, QString())};
        EXPECT_TRUE(generate(widget)->bodyString().contains(QStringLiteral("src=\"home/image4o.png\"")));
        widget.imageArray = {picture(QStringLiteral("image5"), false, QStringLiteral("basetemplate"))};
        EXPECT_TRUE(
            generate(widget)->bodyString().contains(QStringLiteral("src=\"basetemplate/image5o.png\"")));
    }
}

TEST(WidgetCodeTest, HoverCaptionIsLinkedOnlyWhenItsCellIs)
{
    WidgetTable plain =
        table(2, 1, {{0, 0, QString(), QString()}, {1, 0, QStringLiteral("Look"), QString()}}, 2);
    plain.cellHelperArray.last()->setAlphaValue(0.25);
    const CodeWidgetHelper code = *WidgetCode::generatePhoto_Hover_Caption(plain);
    EXPECT_TRUE(code.bodyString().startsWith(
        QStringLiteral("<div class=\"thumbnail\">\n<div class=\"caption2\">\n")));
    EXPECT_FALSE(code.bodyString().contains(QStringLiteral("<a href")));
    EXPECT_TRUE(
        code.headerString().contains(QStringLiteral(".caption2{\nposition:absolute;\ntop:0;\nright:0;\n"
                                                    "background-color:#112233;\nwidth:100%;\nheight:100%;\n"
                                                    "padding:2%;\nopacity:0.250000;")));
    EXPECT_TRUE(
        code.javaScriptString().contains(QStringLiteral("$(this).find('.caption2').slideDown(1250);")));

    WidgetTable linked = table(
        2, 1,
        {{0, 0, QString(), QString()}, {1, 0, QStringLiteral("Look"), QStringLiteral("more page.html")}});
    linked.cellHelperArray.last()->setBackgroundHexColorString(QStringLiteral("CLEAR0"));
    const CodeWidgetHelper withLink = *WidgetCode::generatePhoto_Hover_Caption(linked);
    EXPECT_TRUE(withLink.bodyString().contains(QStringLiteral("<a href=more%20page.html>")));
    EXPECT_TRUE(withLink.headerString().contains(QStringLiteral("background-color:transparent;")));
}

} // namespace
