#include "document/writing/ResponsivePage.h"
#include "Chromium.h"
#include "HtmlParsing.h"
#include "PageAssemblyTestSupport.h"
#include "document/writing/PageLibraries.h"
#include "model/SKTTable.h"

#include <QCoreApplication>
#include <QTextDocument>

#include <QUrl>

namespace {

using namespace PageObjects;

const QString kEmailDesigner = QStringLiteral("Brevold Responsive Email Designer");

// The first row from the top at which the picture has the colour in column x; -1 when none has.
int firstRowOf(const QImage& picture, int x, const QColor& color)
{
    for (int y = 0; y < picture.height(); ++y) {
        if (picture.pixelColor(x, y) == color)
            return y;
    }
    return -1;
}

class ResponsivePageTest : public ResponsiveDesignerTest {
protected:
    // A page of two sections: a title row of one column, and a row of three coloured columns with a text in
    // each; a text outside every section is not on the published page.
    void addTwoSections()
    {
        add(textBox(QStringLiteral("Welcome"), QRectF(20, 20, 300, 40)));
        add(textBox(QStringLiteral("First"), QRectF(20, 120, 200, 40)));
        add(textBox(QStringLiteral("Second"), QRectF(320, 120, 200, 40)));
        add(textBox(QStringLiteral("Third"), QRectF(620, 120, 200, 40)));
        add(textBox(QStringLiteral("Nowhere"), QRectF(20, 400, 200, 40)));
        add(section(QRectF(0, 0, 900, 100),
                    {sectionColumn(QRectF(0, 0, 900, 100), 12, 12, 12, 12, QStringLiteral("FFFFFF"))}));
        add(section(QRectF(0, 100, 900, 200),
                    {sectionColumn(QRectF(0, 100, 300, 200), 12, 12, 4, 4, QStringLiteral("FF0000")),
                     sectionColumn(QRectF(300, 100, 300, 200), 12, 12, 4, 4, QStringLiteral("00FF00")),
                     sectionColumn(QRectF(600, 100, 300, 200), 12, 12, 4, 4, QStringLiteral("0000FF"))}));
    }
};

} // namespace

TEST_F(ResponsivePageTest, TheWebsitePageIsBootstrapRowsOfTheSections)
{
    addTwoSections();
    const QByteArray page = publishedPage();
    EXPECT_TRUE(htmlErrors(page).isEmpty()) << htmlErrors(page).join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(page.startsWith("<!DOCTYPE HTML>\n\n<html lang=\"en\">\n<head>\n<meta charset=\"UTF-8\">\n"));
    EXPECT_EQ(htmlTexts(page, "//title"), QStringList{QStringLiteral("Welcome")});
    EXPECT_EQ(htmlTexts(page, "//div[contains(@class,'row')]/@class"),
              (QStringList{QStringLiteral("row section2"), QStringLiteral("row section1")}));
    EXPECT_EQ(htmlTexts(page, "//div[contains(@class,'col-md-4')]/div"),
              (QStringList{QStringLiteral("First"), QStringLiteral("Second"), QStringLiteral("Third")}));
    EXPECT_EQ(htmlTexts(page, "//div[contains(@class,'col-md-12')]/div"),
              QStringList{QStringLiteral("Welcome")});
    EXPECT_FALSE(page.contains("(null)"));
    EXPECT_FALSE(page.contains("Nowhere")) << "the published page shows only what lies in sections";
    EXPECT_FALSE(page.contains("<div id=content>") || page.contains("BACKGROUNDIMAGESTART"))
        << "it carries no placed objects and no trailer markers";
    EXPECT_TRUE(page.contains("$(\".section1_column\").height(maxHeight);"));
    EXPECT_TRUE(page.contains(".col-lg-4:nth-child(3n+1)"));
    EXPECT_TRUE(page.endsWith("</body>\n</html>"));
}

TEST_F(ResponsivePageTest, ColumnsStandSideBySideOnWideScreensAndStackOnNarrowOnes)
{
    if (!QFileInfo::exists(Chromium::kPath))
        GTEST_SKIP() << "Chromium is not installed";
    const QString bootstrap = PageLibraries::sourceOf(QStringLiteral("bootstrap.min.css"));
    if (bootstrap.isNull())
        GTEST_SKIP() << "no copy of Bootstrap on this machine";
    addTwoSections();
    // The browser has no network here: the public style sheet is read from the machine's copy.
    QByteArray page = publishedPage();
    page.replace("https://maxcdn.bootstrapcdn.com/bootstrap/3.3.4/css/bootstrap.min.css",
                 QUrl::fromLocalFile(bootstrap).toEncoded());
    const QString file = pathInHome(QStringLiteral("browser/home.html"));
    QDir().mkpath(QFileInfo(file).path());
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(page);
    out.close();
    const QString url = QUrl::fromLocalFile(file).toString();

    const auto shot = [&](int width) {
        const QString png = pathInHome(QStringLiteral("shot%1.png").arg(width));
        Chromium::run(pathInHome(QStringLiteral("chromium/%1/x").arg(width)).chopped(2),
                      {QStringLiteral("--hide-scrollbars"), QStringLiteral("--screenshot=") + png,
                       QStringLiteral("--window-size=%1,900").arg(width), url});
        return QImage(png).convertToFormat(QImage::Format_RGB32);
    };
    const QColor red(0xFF, 0, 0), green(0, 0xFF, 0), blue(0, 0, 0xFF);

    const QImage wide = shot(1200);
    ASSERT_FALSE(wide.isNull());
    const int row = firstRowOf(wide, 200, red);
    ASSERT_GE(row, 0);
    EXPECT_EQ(wide.pixelColor(600, row + 2), green);
    EXPECT_EQ(wide.pixelColor(1000, row + 2), blue);

    const QImage narrow = shot(400);
    ASSERT_FALSE(narrow.isNull());
    const int redRow = firstRowOf(narrow, 200, red);
    const int greenRow = firstRowOf(narrow, 200, green);
    const int blueRow = firstRowOf(narrow, 200, blue);
    ASSERT_GE(redRow, 0);
    EXPECT_GT(greenRow, redRow);
    EXPECT_GT(blueRow, greenRow);
    EXPECT_EQ(narrow.pixelColor(350, redRow + 2), red) << "a stacked column takes the whole width";
}

TEST_F(ResponsivePageTest, TheEmailPageIsMadeOfInlineTablesOnly)
{
    launchAs(kEmailDesigner);
    addTwoSections();
    const QByteArray page = publishedPage();
    EXPECT_TRUE(htmlErrors(page).isEmpty()) << htmlErrors(page).join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(htmlTexts(page, "//*[contains(@class,'col-') or contains(@class,'row') or "
                                "contains(@class,'container')]")
                    .isEmpty());
    EXPECT_EQ(htmlTexts(page, "//td[@class='columnContainer']/div"),
              (QStringList{QStringLiteral("Welcome"), QStringLiteral("First"), QStringLiteral("Second"),
                           QStringLiteral("Third")}));
    EXPECT_EQ(htmlTexts(page, "//td[@class='columnContainer']/@style").value(1),
              QStringLiteral("width:33%;background-color:#FF0000;"));
    EXPECT_TRUE(page.contains(
        "@media only screen and (max-width: 480px){\n.columnContainer{\ndisplay:block !important;"));
    EXPECT_FALSE(page.contains("nth-child")) << "no column clearing for mail";
    EXPECT_TRUE(page.endsWith("</td></tr>\n</table>\n</body>\n</html>"));
}

TEST_F(ResponsivePageTest, PublishingTwiceWritesTheSamePage)
{
    addTwoSections();
    EXPECT_EQ(document.generateSourceCode(QStringLiteral("home"), 1),
              document.generateSourceCode(QStringLiteral("home"), 1));
}

TEST_F(ResponsivePageTest, ThePageRoundTrips)
{
    auto box = textBox(QStringLiteral("Kept <as> typed & more"), QRectF(20, 20, 300, 40));
    box->setTextHexColorString(QStringLiteral("CLEAR0"));
    add(box);
    add(textBox(QStringLiteral("Second line"), QRectF(20, 120, 200, 40)));
    const QString published = document.generateSourceCode(QStringLiteral("home"), 1);
    ASSERT_TRUE(document.saveThisPage(location, 0));
    const QString saved = pageTextIn(location, QStringLiteral("home.html"));
    ASSERT_FALSE(saved.isEmpty());

    SKTDocument opened;
    opened.setFileLocation(location);
    ASSERT_TRUE(opened.refreshDocument());
    QCoreApplication::processEvents();
    ASSERT_EQ(opened.graphics().size(), 2);
    EXPECT_EQ(opened.graphics().at(0)->textString(), QStringLiteral("Kept <as> typed & more"));
    EXPECT_EQ(opened.graphics().at(0)->textHexColorString(), QStringLiteral("000000"));
    EXPECT_EQ(opened.generateSourceCode(opened.pageName(), 1), published);
    const QString copy = pathInHome(QStringLiteral("documents/copy.velk"));
    ASSERT_TRUE(opened.saveThisPage(copy, 0));
    EXPECT_EQ(pageTextIn(copy, QStringLiteral("home.html")), saved);
}

TEST_F(ResponsivePageTest, APageOfSectionsRoundTrips)
{
    addTwoSections();
    const QString published = document.generateSourceCode(QStringLiteral("home"), 1);
    ASSERT_TRUE(document.saveThisPage(location, 0));
    const QString saved = pageTextIn(location, QStringLiteral("home.html"));
    ASSERT_FALSE(saved.isEmpty());

    SKTDocument opened;
    opened.setFileLocation(location);
    ASSERT_TRUE(opened.refreshDocument());
    QCoreApplication::processEvents();
    EXPECT_TRUE(opened.savingRefusal().isEmpty());
    ASSERT_EQ(opened.graphics().size(), document.graphics().size());
    EXPECT_EQ(opened.generateSourceCode(opened.pageName(), 1), published);
    const QString copy = pathInHome(QStringLiteral("documents/copy.velk"));
    ASSERT_TRUE(opened.saveThisPage(copy, 0));
    const QStringList again = pageTextIn(copy, QStringLiteral("home.html")).split(QLatin1Char('\n'));
    const QStringList first = saved.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < std::min(again.size(), first.size()); ++i)
        ASSERT_EQ(again.at(i).toStdString(), first.at(i).toStdString()) << "line " << i;
    EXPECT_EQ(again.size(), first.size());
}

TEST_F(ResponsivePageTest, ATableInASectionShowsItsCellsOnlyThroughItsGrid)
{
    myTextViewList cells;
    for (int column = 0; column < 2; ++column) {
        auto cell = myTextView::initWithFrame(QRectF(0, 0, 100, 30));
        cell->setRowSpot(0);
        cell->setColumnSpot(column);
        cell->setWidth(100);
        cell->setHeight(30);
        cell->setTextStorage(std::make_shared<QTextDocument>(QStringLiteral("Cell <%1>").arg(column)));
        cell->setTextColorString(QStringLiteral("000000"));
        cell->setBackgroundHexColorString(QStringLiteral("CLEAR0"));
        cells << cell;
    }
    auto table = std::make_shared<SKTTable>();
    table->initWithProperties({{QStringLiteral("bounds"), QStringLiteral("{{20, 20}, {200, 30}}")},
                               {QStringLiteral("numOfColumns"), QStringLiteral("2")},
                               {QStringLiteral("numOfRows"), QStringLiteral("1")},
                               {QStringLiteral("cellArray"), QVariant::fromValue(cells)}});
    add(table);
    add(section(QRectF(0, 0, 900, 100),
                {sectionColumn(QRectF(0, 0, 900, 100), 12, 12, 12, 12, QStringLiteral("FFFFFF"))}));
    const QByteArray page = publishedPage();
    EXPECT_EQ(page.count("Cell &lt;0&gt;"), 1) << page.toStdString();
    EXPECT_EQ(htmlTexts(page, "//div[contains(@class,'col-md-12')]//td").size(), 2);
}

TEST(ColumnClearing, EachBreakpointClearsItsOwnClassOnly)
{
    const QString css = ResponsivePage::columnClearingCss();
    EXPECT_TRUE(css.startsWith(QStringLiteral(
        "@media (min-width:767px){\n.col-sm-1:nth-child(12n+1),.col-sm-2:nth-child(6n+1),"
        ".col-sm-3:nth-child(4n+1),.col-sm-4:nth-child(3n+1),.col-sm-6:nth-child(2n+1){clear: left;}\n"
        ".col-md-1:nth-child(12n+1),")))
        << css.toStdString();
    EXPECT_TRUE(css.contains(QStringLiteral("@media (min-width:992px){\n.col-md-1:nth-child(12n+1)")));
    EXPECT_TRUE(css.contains(QStringLiteral(".col-lg-6:nth-child(2n+1){clear: left;}\n.col-sm-1")));
    EXPECT_EQ(css.count(QStringLiteral("@media")), 3);
}
