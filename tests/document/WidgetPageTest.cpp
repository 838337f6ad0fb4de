#include "Chromium.h"
#include "HtmlParsing.h"
#include "PageAssemblyTestSupport.h"
#include "document/writing/PageAssembly.h"
#include "document/writing/PageLibraries.h"
#include "model/SKTGalleryGrid.h"
#include "model/SKTSlideshow.h"
#include "model/records/MTextView.h"

#include <QCoreApplication>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>

// The web components of the responsive designers (navigation bars, panels, carousels, hover captions,
// galleries) on the published page, in a browser, and through saving and opening again.

namespace {

using namespace PageObjects;

std::shared_ptr<TransformView> picture(const QString& name, int row, int column)
{
    auto made = std::make_shared<TransformView>(QRectF(0, 0, 60, 40));
    made->setImageName(name);
    made->setImageType(QStringLiteral("png"));
    // An unlinked slide keeps no alternative text in the page file; a grid picture keeps it.
    if (row >= 0)
        made->setAltText(QStringLiteral("Picture ") + name);
    made->setSelectable(1);
    made->setRowSpot(row);
    made->setColumnSpot(column);
    made->setSlideShowNumber(-99);
    made->setGalleryNumber(-99);
    return made;
}

// A picture with pixels, so that saving the page writes its files.
std::shared_ptr<TransformView> paintedPicture(const QString& name, int row, int column)
{
    auto made = picture(name, row, column);
    made->setImageType(QStringLiteral("PNG"));
    QImage pixels(60, 40, QImage::Format_ARGB32);
    pixels.fill(Qt::darkGreen);
    made->setImage(pixels);
    made->setOriginalWidth(60);
    made->setOriginalHeight(40);
    made->setAlpha(1.0f);
    return made;
}

struct CellText {
    QString text;
    QString link;
};

std::shared_ptr<myTextView> widgetCell(int row, int column, const QSize& size, const CellText& content)
{
    auto cell = myTextView::initWithFrame(QRectF(QPointF(), size));
    cell->setRowSpot(row);
    cell->setColumnSpot(column);
    cell->setWidth(size.width());
    cell->setHeight(size.height());
    cell->setTableNumber(-99);
    // The text as the editor leaves it: every character carries its font and colour.
    auto storage = std::make_shared<QTextDocument>();
    QTextCharFormat look;
    look.setFont(QFont(QStringLiteral("Lato"), 16));
    look.setForeground(QColor(Qt::black));
    QTextCursor(storage.get()).insertText(content.text, look);
    cell->setTextStorage(storage);
    cell->setBorderStyle(QStringLiteral("none"));
    cell->setLink(content.link);
    cell->setBackgroundHexColorString(QStringLiteral("CLEAR0"));
    cell->setHoverColorString(QStringLiteral("DDDDDD"));
    cell->setTextColorString(QStringLiteral("000000"));
    cell->setTextHexColorString(QStringLiteral("000000"));
    cell->setHoverTextColorString(QStringLiteral("FFFFFF"));
    cell->setBorderHexColorString(QStringLiteral("000000"));
    cell->setTextAlignment(QStringLiteral("left"));
    cell->setFamilyName(QStringLiteral("Lato"));
    cell->setFontSize(16);
    cell->textView()->setFont(QFont(QStringLiteral("Lato"), 16));
    cell->textView()->setTextColor(Qt::black);
    cell->textView()->setBorderLine(QStringLiteral("none"));
    cell->setGroupNumber(-99);
    cell->setSectionNumber(-99);
    cell->setSectionRowSpot(-99);
    cell->setSectionColumnSpot(-99);
    return cell;
}

// A web component of rows x columns cells of one size at the origin, its cells' texts in reading order; its
// bounds are the cells' total.
std::shared_ptr<SKTTable> widget(const QString& gridType, int rows, int columns, const QPointF& origin,
                                 const QSize& cellSize, const QList<CellText>& cells)
{
    myTextViewList records;
    for (int i = 0; i < rows * columns; ++i)
        records << widgetCell(i / columns, i % columns, cellSize, cells.value(i));
    auto table = std::make_shared<SKTTable>();
    const QRectF bounds(origin, QSizeF(columns * cellSize.width(), rows * cellSize.height()));
    table->initWithProperties({{QStringLiteral("bounds"), Format::rect(bounds)},
                               {QStringLiteral("numOfColumns"), QString::number(columns)},
                               {QStringLiteral("numOfRows"), QString::number(rows)},
                               {QStringLiteral("padding"), QStringLiteral("0")},
                               {QStringLiteral("gridType"), gridType},
                               {QStringLiteral("cellArray"), QVariant::fromValue(records)}});
    table->setSelectable(true);
    table->setGroupNumber(-99);
    table->setSectionNumber(-99);
    table->setSectionRowSpot(-99);
    table->setSectionColumnSpot(-99);
    return table;
}

std::shared_ptr<myTextView> fullColumn(const QRectF& r)
{
    return sectionColumn(r, 12, 12, 12, 12, QStringLiteral("FFFFFF"));
}

// Steps through the widgets a second after the page's scripts are ready (the widgets' own handlers are
// bound by then, and the pictures are in) and writes what it saw into the page: whether the last navigation
// link is the element at its own centre and where clicking it led, which panels are open after a click on
// the first panel's title, the active slide before and after a click on the carousel's next control, and
// the picture the gallery's viewer shows after a click on its second thumbnail (the viewer covers the page,
// so it comes last).
const char* kProbe = R"~(<script>
$(function() { setTimeout(function() {
  var link = $('.navbar a[href="#clicked"]')[0];
  var r = link.getBoundingClientRect();
  var hit = document.elementFromPoint(r.left + r.width / 2, r.top + r.height / 2);
  var reachable = hit === link || link.contains(hit);
  if (reachable) hit.click();
  $('.panel-title a').first().click();
  var carousel = $('.carousel').first();
  var before = carousel.find('.item.active').index();
  carousel.find('.right.carousel-control').click();
  setTimeout(function() {
    var open = $('.panel-collapse').map(function() { return $(this).hasClass('in') ? 1 : 0; }).get().join('');
    $('ul.row li img').eq(1).click();
    setTimeout(function() {
      var after = carousel.find('.item.active').index();
      var viewer = $('.modal-body img').attr('src');
      $('body').append('<pre id="probe">' + [before, after, reachable, location.hash, open, viewer].join(' ') +
                       '<\/pre>');
    }, 2000);
  }, 1500);
}, 1000); });
</script>
)~";

class WidgetPageTest : public ResponsiveDesignerTest {
protected:
    // A page of four sections: a navigation bar of three entries (the last leads to "#clicked"), a
    // slideshow of three slides, a gallery of two pictures, and two collapsible text panels side by side.
    void addWidgetPage()
    {
        document.setPageName(QStringLiteral("home"));
        add(widget(QStringLiteral("navbar_centered"), 1, 3, QPointF(0, 0), QSize(100, 50),
                   {{QStringLiteral("Entry 0"), QStringLiteral("#one")},
                    {QStringLiteral("Entry 1"), QStringLiteral("#two")},
                    {QStringLiteral("Entry 2"), QStringLiteral("#clicked")}}));
        auto slideshow = std::make_shared<SKTSlideshow>();
        slideshow->setBounds(QRectF(0, 60, 800, 300));
        slideshow->setSelectable(true);
        slideshow->setSectionNumber(-99);
        slideshow->setSectionRowSpot(-99);
        slideshow->setSectionColumnSpot(-99);
        slideshow->setImageArray({paintedPicture(QStringLiteral("image1"), -99, -99),
                                  paintedPicture(QStringLiteral("image2"), -99, -99),
                                  paintedPicture(QStringLiteral("image5"), -99, -99)});
        add(slideshow);
        auto gallery = std::make_shared<SKTGalleryGrid>();
        gallery->setBounds(QRectF(0, 380, 600, 160));
        gallery->setNumOfRows(1);
        gallery->setNumOfColumns(3);
        gallery->setImageArray(
            {paintedPicture(QStringLiteral("image3"), 0, 0), paintedPicture(QStringLiteral("image4"), 0, 1)});
        add(gallery);
        for (const int x : {0, 450}) {
            add(widget(QStringLiteral("collapsible_text_panel"), 2, 1, QPointF(x, 580), QSize(300, 40),
                       {{QStringLiteral("Title at %1").arg(x), QString()},
                        {QStringLiteral("Fish & <chips> at %1").arg(x), QString()}}));
        }
        add(section(QRectF(0, 0, 900, 60), {fullColumn(QRectF(0, 0, 900, 60))}));
        add(section(QRectF(0, 60, 900, 310), {fullColumn(QRectF(0, 60, 900, 310))}));
        add(section(QRectF(0, 370, 900, 200), {fullColumn(QRectF(0, 370, 900, 200))}));
        add(section(QRectF(0, 570, 900, 120),
                    {sectionColumn(QRectF(0, 570, 450, 120), 6, 6, 6, 6, QStringLiteral("FFFFFF")),
                     sectionColumn(QRectF(450, 570, 450, 120), 6, 6, 6, 6, QStringLiteral("FFFFFF"))}));
    }
};

} // namespace

TEST_F(WidgetPageTest, PublishedSlideshowsAndGalleriesGiveTheirRecords)
{
    auto slideshow = std::make_shared<SKTSlideshow>();
    slideshow->setBounds(QRectF(0, 60, 800, 300));
    slideshow->setSelectable(true);
    slideshow->setImageArray(
        {picture(QStringLiteral("image1"), -99, -99), picture(QStringLiteral("image2"), -99, -99)});
    auto gallery = std::make_shared<SKTGalleryGrid>();
    gallery->setBounds(QRectF(0, 400, 600, 200));
    gallery->setNumOfRows(1);
    gallery->setNumOfColumns(3);
    gallery->setImageArray(
        {picture(QStringLiteral("image3"), 0, 0), picture(QStringLiteral("image4"), 0, 1)});
    add(slideshow);
    add(gallery);

    document.generateSourceCode(QStringLiteral("home"), 1);
    const QList<CodeWidgetHelper>& published = document.generatedLists().sourceCodeArray;
    ASSERT_EQ(published.size(), 2);
    EXPECT_TRUE(published.at(0).bodyString().contains(
        QStringLiteral("<div id=\"carousel2\" class=\"carousel slide\"")));
    EXPECT_TRUE(published.at(1).bodyString().contains(QStringLiteral("<ul class=\"galleryGrid1 row\">")));
    EXPECT_EQ(published.at(1).bodyString().count(QStringLiteral("<li ")), 2);

    // The stored page shows the slideshow as it always has, without a carousel.
    document.generateSourceCode(QStringLiteral("home"), 0);
    EXPECT_EQ(document.generatedLists().sourceCodeArray.size(), 1);
    DataCentre::mutableProfile().responsiveDesign = false;
    document.generateSourceCode(QStringLiteral("home"), 1);
    EXPECT_TRUE(document.generatedLists().sourceCodeArray.isEmpty());
}

TEST_F(WidgetPageTest, AWebComponentIsPublishedOnlyInsideASectionAndItsCellsOnlyThroughIt)
{
    const auto inside = widget(QStringLiteral("text_carousel"), 3, 2, QPointF(10, 10), QSize(200, 30),
                               {{}, {}, {QStringLiteral("Quote A")}, {QStringLiteral("Quote B")}});
    const auto outside = widget(QStringLiteral("navbar_centered"), 1, 2, QPointF(10, 400), QSize(100, 40),
                                {{QStringLiteral("Lost entry")}, {QStringLiteral("Gone")}});
    add(inside);
    add(outside);
    add(section(QRectF(0, 0, 900, 200), {fullColumn(QRectF(0, 0, 900, 200))}));
    const QByteArray page = publishedPage();
    EXPECT_EQ(page.count("Quote A"), 1) << page.toStdString();
    EXPECT_EQ(htmlTexts(page, "//div[@id='quote-carousel3']//div[contains(@class,'item')]").size(), 2);
    EXPECT_FALSE(page.contains("Lost entry")) << "a component outside every section is not published";
}

TEST_F(WidgetPageTest, NavigationCarouselGalleryAndPanelsWorkInABrowser)
{
    addWidgetPage();
    QByteArray page = publishedPage();
    // libxml2's parser knows the elements of HTML 4 only; the bars' HTML5 "nav" is not among them.
    QStringList errors = htmlErrors(page);
    errors.removeIf([](const QString& error) { return error.endsWith(QLatin1String(": Tag nav invalid")); });
    EXPECT_EQ(errors, QStringList()) << errors.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(htmlTexts(page, "//nav//ul/li/a"),
              (QStringList{QStringLiteral("Entry 0"), QStringLiteral("Entry 1"), QStringLiteral("Entry 2")}));
    EXPECT_EQ(htmlTexts(page, "//div[contains(@class,'carousel slide')]//ol/li").size(), 3);
    EXPECT_EQ(htmlTexts(page, "//ul[contains(@class,'galleryGrid')]/li").size(), 2);
    EXPECT_EQ(htmlTexts(page, "//div[@class='panel-body']/div"),
              (QStringList{QStringLiteral("Fish & <chips> at 0"), QStringLiteral("Fish & <chips> at 450")}))
        << "typed text is written as text";

    if (!QFileInfo::exists(Chromium::kPath))
        GTEST_SKIP() << "Chromium is not installed";
    // The browser has no network here: the public libraries are read from this machine's copies.
    for (const Chromium::PublicLibrary& library : Chromium::kPublicLibraries) {
        const QString local = PageLibraries::sourceOf(QString::fromLatin1(library.local));
        if (local.isNull())
            GTEST_SKIP() << "no copy of " << library.local << " on this machine";
        ASSERT_TRUE(page.contains(library.cdn)) << library.cdn;
        page.replace(library.cdn, QUrl::fromLocalFile(local).toEncoded());
    }
    page.replace("</body>", QByteArray(kProbe) + "</body>");
    const QString file = pathInHome(QStringLiteral("published/home.html"));
    const QDir pictures(pathInHome(QStringLiteral("published/home/x")).chopped(2));
    QDir().mkpath(pictures.path());
    QImage content(800, 300, QImage::Format_RGB32);
    content.fill(Qt::darkGreen);
    for (const char* name : {"image1@2x", "image2@2x", "image5@2x", "image3o", "image4o"})
        ASSERT_TRUE(content.save(pictures.filePath(QStringLiteral("%1.PNG").arg(QLatin1String(name)))));
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(page);
    out.close();
    const QString dom = QString::fromUtf8(
        Chromium::run(pathInHome(QStringLiteral("chromium/widgets/x")).chopped(2),
                      {QStringLiteral("--dump-dom"), QStringLiteral("--virtual-time-budget=10000"),
                       QStringLiteral("--window-size=1200,900"), QUrl::fromLocalFile(file).toString()}));
    const QStringList probe = htmlTexts(dom.toUtf8(), "//pre[@id='probe']");
    ASSERT_EQ(probe.size(), 1) << dom.toStdString();
    // The first slide was active, the next control made the second one active; the last navigation link
    // was reachable and led to its target; only the first panel opened; the viewer shows the second
    // thumbnail's picture.
    EXPECT_EQ(probe.first(), QStringLiteral("0 1 true #clicked 10 home/image4o.PNG")) << dom.toStdString();
}

TEST_F(WidgetPageTest, APageWithWebComponentsOpensEditableAndWritesTheSamePages)
{
    addWidgetPage();
    auto caption = widget(QStringLiteral("photo_hover_caption"), 2, 1, QPointF(300, 0), QSize(120, 25),
                          {{}, {QStringLiteral("Look"), QStringLiteral("more.html")}});
    caption->setImageArray({paintedPicture(QStringLiteral("image6"), 0, 0)});
    add(caption);
    const QString published = document.generateSourceCode(QStringLiteral("home"), 1);
    ASSERT_TRUE(published.contains(QStringLiteral("<img src=\"home/image6o.PNG\">")))
        << qPrintable(published);
    ASSERT_TRUE(document.saveThisPage(location, 0));
    const QString saved = pageTextIn(location, QStringLiteral("home.html"));
    ASSERT_FALSE(saved.isEmpty());

    SKTDocument opened;
    opened.setFileLocation(location);
    ASSERT_TRUE(opened.refreshDocument());
    QCoreApplication::processEvents();
    EXPECT_TRUE(opened.savingRefusal().isEmpty()) << "a page with web components can be saved";
    ASSERT_EQ(opened.graphics().size(), document.graphics().size());
    for (qsizetype i = 0; i < document.graphics().size(); ++i) {
        const auto before = std::dynamic_pointer_cast<SKTTable>(document.graphics().at(i));
        if (!before)
            continue;
        const auto after = std::dynamic_pointer_cast<SKTTable>(opened.graphics().at(i));
        ASSERT_TRUE(after) << i;
        EXPECT_EQ(after->gridType(), before->gridType()) << i;
        ASSERT_EQ(after->cellHelperArray().size(), before->cellHelperArray().size()) << i;
        for (const auto& cell : before->cellHelperArray()) {
            const auto reopened = after->grabSelectedTableCellHelper(cell->rowSpot(), cell->columnSpot());
            ASSERT_TRUE(reopened) << i;
            // A cell that holds only a picture has no text.
            const auto plainText = [](const auto& c) {
                return c->textStorage() ? c->textStorage()->toPlainText() : QString();
            };
            EXPECT_EQ(plainText(reopened), plainText(cell)) << i;
            if (before->gridType() != u"section")
                EXPECT_EQ(reopened->link(), cell->link()) << i;
        }
        EXPECT_EQ(after->imageArray().size(), before->imageArray().size()) << i;
    }
    EXPECT_EQ(opened.generateSourceCode(opened.pageName(), 1), published);
    const QString copy = pathInHome(QStringLiteral("documents/copy.velk"));
    ASSERT_TRUE(opened.saveThisPage(copy, 0));
    EXPECT_EQ(pageTextIn(copy, QStringLiteral("home.html")), saved);
}
