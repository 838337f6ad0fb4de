#include "Chromium.h"
#include "PageAssemblyTestSupport.h"

#include <QUrl>

namespace {

using namespace PageObjects;

class PageInBrowserTest : public PageDocumentTest {};

TEST_F(PageInBrowserTest, TheSavedPageShowsItsTextAndPicture)
{
    if (!QFileInfo::exists(Chromium::kPath))
        GTEST_SKIP() << "Chromium is not installed";
    auto box = textBox(QStringLiteral("Hello from Velk"), QRectF(40, 30, 300, 60));
    box->setBackgroundHexColorString(QStringLiteral("00AA00"));
    add(box);
    add(image(QStringLiteral("image1"), QRectF(40, 150, 100, 80)));
    add(line(QPointF(40, 260), QPointF(300, 260)));
    add(textBox(QStringLiteral("<b id=snip>Snippet text</b>"), QRectF(400, 30, 200, 40),
                QStringLiteral("HTMLSnippet")));
    ASSERT_TRUE(document.saveThisPage(pathInHome(QStringLiteral("documents/home.velk")), 0));
    const QString url =
        QUrl::fromLocalFile(QDir(workFolder).filePath(QStringLiteral("home.html"))).toString();

    const QString dom = QString::fromUtf8(Chromium::run(
        pathInHome(QStringLiteral("chromium/dom/x")).chopped(2), {QStringLiteral("--dump-dom"), url}));
    EXPECT_TRUE(dom.contains(QStringLiteral("<div class=\"text0\">Hello from Velk</div>")))
        << dom.toStdString();
    EXPECT_TRUE(dom.contains(QStringLiteral("<b id=\"snip\">Snippet text</b>")));

    const QString shot = pathInHome(QStringLiteral("shot.png"));
    Chromium::run(pathInHome(QStringLiteral("chromium/shot/x")).chopped(2),
                  {QStringLiteral("--screenshot=") + shot, QStringLiteral("--window-size=800,400"), url});
    const QImage picture(shot);
    ASSERT_FALSE(picture.isNull());
    // The text box's green stands where the page placed it, and the picture's blue and red below it.
    EXPECT_EQ(picture.pixelColor(320, 80), QColor(0x00, 0xAA, 0x00));
    EXPECT_EQ(picture.pixelColor(90, 160), QColor(Qt::blue));
    EXPECT_EQ(picture.pixelColor(90, 220), QColor(Qt::red));
    EXPECT_EQ(picture.pixelColor(700, 350), QColor(Qt::white));
}

} // namespace
