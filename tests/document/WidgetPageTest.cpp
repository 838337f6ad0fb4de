#include "Chromium.h"
#include "HtmlParsing.h"
#include "PageAssemblyTestSupport.h"
#include "codegen/widgets/WidgetCode.h"
#include "document/writing/PageAssembly.h"
#include "model/SKTGalleryGrid.h"
#include "model/SKTSlideshow.h"

#include <QTextDocument>
#include <QUrl>

namespace {

std::shared_ptr<TransformView> picture(const QString& name, int row, int column)
{
    auto made = std::make_shared<TransformView>(QRectF(0, 0, 60, 40));
    made->setImageName(name);
    made->setImageType(QStringLiteral("png"));
    made->setAltText(QStringLiteral("Slide ") + name);
    made->setSelectable(1);
    made->setRowSpot(row);
    made->setColumnSpot(column);
    made->setSlideShowNumber(-99);
    made->setGalleryNumber(-99);
    return made;
}

// A navigation bar of three entries; the last leads to "#clicked".
WidgetTable navigationBar(int elementNumber)
{
    WidgetTable bar;
    bar.elementNumber = elementNumber;
    bar.numOfRows = 1;
    bar.numOfColumns = 3;
    bar.bounds = QRectF(0, 0, 800, 50);
    const QStringList links = {QStringLiteral("#one"), QStringLiteral("#two"), QStringLiteral("#clicked")};
    for (int column = 0; column < 3; ++column) {
        auto cell = std::make_shared<myTextView>(QRectF(0, 0, 100, 50));
        cell->setRowSpot(0);
        cell->setColumnSpot(column);
        cell->setTextStorage(std::make_shared<QTextDocument>(QStringLiteral("Entry %1").arg(column)));
        cell->setLink(links.at(column));
        cell->setBackgroundHexColorString(QStringLiteral("CLEAR0"));
        cell->setHoverColorString(QStringLiteral("DDDDDD"));
        cell->setTextColorString(QStringLiteral("000000"));
        cell->setHoverTextColorString(QStringLiteral("FFFFFF"));
        cell->setFontSize(16);
        cell->setFamilyName(QStringLiteral("Lato"));
        bar.cellHelperArray.append(cell);
    }
    return bar;
}

// Steps through the widgets a second after the page's scripts are ready (the widgets' own handlers are
// bound by then, and the pictures are in) and writes what it saw into the page: whether the
// last navigation link is the element at its own centre and where clicking it led (before the gallery's
// viewer covers the page), the active slide before and after a click on the carousel's next control, and
// the picture the gallery's viewer shows after a click on its second thumbnail.
const char* kProbe = R"~(<script>
$(function() { setTimeout(function() {
  var link = $('.navbar a[href="#clicked"]')[0];
  var r = link.getBoundingClientRect();
  var hit = document.elementFromPoint(r.left + r.width / 2, r.top + r.height / 2);
  var reachable = hit === link || link.contains(hit);
  if (reachable) hit.click();
  var carousel = $('.carousel').first();
  var before = carousel.find('.item.active').index();
  carousel.find('.right.carousel-control').click();
  $('ul.row li img').eq(1).click();
  setTimeout(function() {
    var after = carousel.find('.item.active').index();
    var viewer = $('.modal-body img').attr('src');
    $('body').append('<pre id="probe">' + [before, after, reachable, location.hash, viewer].join(' ') + '<\/pre>');
  }, 3000);
}, 1000); });
</script>
)~";

class WidgetPageTest : public PageDocumentTest {
protected:
    void SetUp() override
    {
        PageDocumentTest::SetUp();
        DataCentre::mutableProfile().responsiveDesign = true;
    }

    // The page made of the records, with the jQuery and Bootstrap 3 of this machine.
    static QString pageOf(const QList<CodeWidgetHelper>& records, const QString& probe)
    {
        QString css;
        QString body;
        QString scripts;
        for (const CodeWidgetHelper& record : records) {
            css += record.headerString() + QLatin1Char('\n');
            body += record.bodyString() + QLatin1Char('\n');
            scripts += record.javaScriptString() + QLatin1Char('\n');
        }
        return QStringLiteral(
                   "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta "
                   "charset=\"utf-8\">\n<title>Widgets</title>\n"
                   "<link rel=\"stylesheet\" "
                   "href=\"file:///usr/share/javascript/bootstrap/css/bootstrap.min.css\">\n"
                   "<script src=\"file:///usr/share/javascript/jquery/jquery.min.js\"></script>\n"
                   "<script src=\"file:///usr/share/javascript/bootstrap/js/bootstrap.min.js\"></script>\n"
                   "<style>\n") +
               css + QStringLiteral("</style>\n</head>\n<body>\n") + body + scripts + probe +
               QStringLiteral("</body>\n</html>\n");
    }
};

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

TEST_F(WidgetPageTest, NavigationCarouselAndGalleryWorkInABrowser)
{
    auto slideshow = std::make_shared<SKTSlideshow>();
    slideshow->setBounds(QRectF(0, 60, 800, 300));
    slideshow->setSelectable(true);
    slideshow->setImageArray({picture(QStringLiteral("image1"), -99, -99),
                              picture(QStringLiteral("image2"), -99, -99),
                              picture(QStringLiteral("image5"), -99, -99)});
    auto gallery = std::make_shared<SKTGalleryGrid>();
    gallery->setBounds(QRectF(0, 400, 600, 200));
    gallery->setNumOfRows(1);
    gallery->setNumOfColumns(3);
    gallery->setImageArray(
        {picture(QStringLiteral("image3"), 0, 0), picture(QStringLiteral("image4"), 0, 1)});
    add(slideshow);
    add(gallery);
    document.generateSourceCode(QStringLiteral("home"), 1);
    QList<CodeWidgetHelper> records = {*WidgetCode::generateNavBar_centered(navigationBar(3))};
    records += document.generatedLists().sourceCodeArray;
    ASSERT_EQ(records.size(), 3);

    const QString page = pageOf(records, QString::fromUtf8(kProbe));
    // libxml2's parser knows the elements of HTML 4 only; the bars' HTML5 "nav" is not among them.
    QStringList errors = htmlErrors(page.toUtf8());
    errors.removeIf([](const QString& error) { return error.endsWith(QLatin1String(": Tag nav invalid")); });
    EXPECT_EQ(errors, QStringList()) << errors.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(htmlTexts(page.toUtf8(), "//nav//ul/li/a"),
              (QStringList{QStringLiteral("Entry 0"), QStringLiteral("Entry 1"), QStringLiteral("Entry 2")}));
    EXPECT_EQ(htmlTexts(page.toUtf8(), "//div[@id='carousel2']//ol/li").size(), 3);
    EXPECT_EQ(htmlTexts(page.toUtf8(), "//ul[@class='galleryGrid1 row']/li").size(), 2);

    if (!QFileInfo::exists(Chromium::kPath))
        GTEST_SKIP() << "Chromium is not installed";
    const QString file = QDir(workFolder).filePath(QStringLiteral("widgets.html"));
    // The slides and the gallery's full-size pictures, in the page's folder.
    QDir().mkpath(QDir(workFolder).filePath(QStringLiteral("home")));
    QImage content(800, 300, QImage::Format_RGB32);
    content.fill(Qt::darkGreen);
    for (const char* name : {"image1@2x", "image2@2x", "image5@2x", "image3o", "image4o"})
        ASSERT_TRUE(
            content.save(QDir(workFolder).filePath(QStringLiteral("home/%1.png").arg(QLatin1String(name)))));
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(page.toUtf8());
    out.close();
    const QString dom = QString::fromUtf8(
        Chromium::run(pathInHome(QStringLiteral("chromium/widgets/x")).chopped(2),
                      {QStringLiteral("--dump-dom"), QStringLiteral("--virtual-time-budget=10000"),
                       QStringLiteral("--window-size=1200,900"), QUrl::fromLocalFile(file).toString()}));
    const QStringList probe = htmlTexts(dom.toUtf8(), "//pre[@id='probe']");
    ASSERT_EQ(probe.size(), 1) << dom.toStdString();
    // The first slide was active, the next control made the second one active; the last navigation link
    // was reachable and led to its target; the viewer shows the second thumbnail's picture.
    EXPECT_EQ(probe.first(), QStringLiteral("0 1 true #clicked home/image4o.png")) << dom.toStdString();
}

} // namespace
