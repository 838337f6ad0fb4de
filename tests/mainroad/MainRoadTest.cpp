#include "MainRoadSupport.h"

#include "Chromium.h"
#include "HtmlParsing.h"

#include "canvas/drop/DragCodePasteboard.h"
#include "document/writing/PageLibraries.h"
#include "inspector/color/ColorSwatchPanel.h"
#include "inspector/library/DragIconView.h"
#include "model/SKTImage.h"
#include "model/SKTText.h"

#include <QApplication>
#include <QMimeData>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QUrl>

// What a new user does in the first minutes: a new website from the blank template, a text box typed in
// place and styled in the inspector, a picture added from a file, moved and enlarged with the mouse, the
// move undone and redone, the page saved, closed and opened again from the page list; then the page as a
// browser shows it.

namespace {

// The picture added to the page: four quarters of clearly different colours, so that where each lands
// tells whether the picture fills its frame the right way round.
struct Quarters {
    static inline const QColor topLeft{0xD0, 0x20, 0x20};
    static inline const QColor topRight{0x20, 0xA0, 0x20};
    static inline const QColor bottomLeft{0x20, 0x40, 0xD0};
    static inline const QColor bottomRight{0xE0, 0xC0, 0x10};

    static QImage picture(const QSize& size)
    {
        QImage image(size, QImage::Format_RGB32);
        QPainter painter(&image);
        const int w = size.width() / 2, h = size.height() / 2;
        painter.fillRect(0, 0, w, h, topLeft);
        painter.fillRect(w, 0, size.width() - w, h, topRight);
        painter.fillRect(0, h, w, size.height() - h, bottomLeft);
        painter.fillRect(w, h, size.width() - w, size.height() - h, bottomRight);
        return image;
    }
    // The centres of the four quarters of the rectangle, with the colour each should show.
    static QList<std::pair<QPointF, QColor>> samples(const QRectF& r)
    {
        const double w = r.width() / 4, h = r.height() / 4;
        return {{r.topLeft() + QPointF(w, h), topLeft},
                {r.topLeft() + QPointF(3 * w, h), topRight},
                {r.topLeft() + QPointF(w, 3 * h), bottomLeft},
                {r.topLeft() + QPointF(3 * w, 3 * h), bottomRight}};
    }
};

bool near(const QColor& a, const QColor& b, int tolerance = 24)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

std::string colorText(const QColor& color)
{
    return color.name().toStdString();
}

// Rectangles agree within two pixels on every edge.
bool closeRects(const QRectF& a, const QRectF& b)
{
    return std::abs(a.left() - b.left()) <= 2 && std::abs(a.top() - b.top()) <= 2 &&
           std::abs(a.right() - b.right()) <= 2 && std::abs(a.bottom() - b.bottom()) <= 2;
}

// Rectangles equal but for the rounding of stored numbers.
bool sameRects(const QRectF& a, const QRectF& b)
{
    return std::abs(a.x() - b.x()) < 0.01 && std::abs(a.y() - b.y()) < 0.01 &&
           std::abs(a.width() - b.width()) < 0.01 && std::abs(a.height() - b.height()) < 0.01;
}

std::string rectText(const QRectF& r)
{
    return QStringLiteral("(%1, %2, %3 x %4)")
        .arg(r.x())
        .arg(r.y())
        .arg(r.width())
        .arg(r.height())
        .toStdString();
}

template <typename Kind> std::shared_ptr<Kind> onlyOf(const SKTDocument& document)
{
    std::shared_ptr<Kind> found;
    int count = 0;
    for (const std::shared_ptr<SKTGraphic>& graphic : document.graphics()) {
        if (auto kind = std::dynamic_pointer_cast<Kind>(graphic)) {
            found = kind;
            ++count;
        }
    }
    EXPECT_EQ(count, 1) << "objects of the kind on the page";
    return found;
}

// The text of a page file in whichever encoding its byte order mark names.
QString pageText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    QStringDecoder decoder(QStringConverter::encodingForData(bytes).value_or(QStringConverter::Utf8));
    QString text = decoder(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

// The page with the public libraries it loads read from this machine's copies: the browser has no network.
// False when a copy is missing here.
bool useLocalLibraries(QString& page)
{
    for (const Chromium::PublicLibrary& library : Chromium::kPublicLibraries) {
        const QString local = PageLibraries::sourceOf(QString::fromLatin1(library.local));
        if (local.isNull())
            return false;
        page.replace(QString::fromLatin1(library.cdn), QUrl::fromLocalFile(local).toString());
    }
    return true;
}

// A script that, once the page and its pictures have loaded, runs the body (which fills the array `lines`)
// and writes the lines into the page, where probedRects finds them.
QString probeScript(const QString& body)
{
    return QStringLiteral(R"~(<script>
window.addEventListener('load', function() {
  var lines = [];
%1
  var probe = document.createElement('pre');
  probe.id = 'probe';
  probe.textContent = lines.join('\n');
  document.body.appendChild(probe);
});
</script>
)~")
        .arg(body);
}

// Writes the rectangles of the elements the selectors find as "x y width height" lines, and whether each
// picture has pixels.
QString geometryProbe(const QStringList& selectors)
{
    QStringList quoted;
    for (const QString& selector : selectors)
        quoted << u'"' + selector + u'"';
    return probeScript(QStringLiteral(R"~(
  lines = [%1].map(function(selector) {
    var element = document.querySelector(selector);
    if (!element) return selector + ' missing';
    var r = element.getBoundingClientRect();
    var loaded = element.tagName === 'IMG' ? (element.complete && element.naturalWidth > 0) : true;
    return [r.left + window.scrollX, r.top + window.scrollY, r.width, r.height, loaded].join(' ');
  });)~")
                           .arg(quoted.join(u", ")));
}

QList<QRectF> probedRects(const QString& dom, qsizetype expected, QStringList* loaded = nullptr)
{
    const QStringList probe = htmlTexts(dom.toUtf8(), "//pre[@id='probe']");
    QList<QRectF> rects;
    if (probe.size() != 1)
        return rects;
    for (const QString& line : probe.first().split(u'\n')) {
        const QStringList parts = line.split(u' ');
        if (parts.size() != 5)
            return {};
        rects << QRectF(parts[0].toDouble(), parts[1].toDouble(), parts[2].toDouble(), parts[3].toDouble());
        if (loaded)
            *loaded << parts[4];
    }
    return rects.size() == expected ? rects : QList<QRectF>();
}

// What the canvas holds after the road, to be found again after opening the page anew.
struct PageState {
    QString text;
    QRectF textBounds;
    int fontSize = 0;
    QString textColor;
    QRectF imageBounds;
};

class DesignRoadTest : public MainRoadTest {
protected:
    // Adds a text box from the toolbar's preset picker, types the text into it in place and ends the
    // editing with a click beside it. Answers the text box.
    std::shared_ptr<SKTText> addTextBox(SKTWindowController& window, const QString& text)
    {
        SKTGraphicView& canvas = *control<SKTGraphicView>(&window, QStringLiteral("graphicView"));
        const GraphicList before = window.document()->graphics();
        clickToolbarItem(window, QStringLiteral("addNewTextboxToolbarItem"));
        QWidget* picker = control<QWidget>(&window, QStringLiteral("textViewPickerView"));
        click(control<QPushButton>(picker, QStringLiteral("preset0")));
        std::shared_ptr<SKTText> box;
        for (const std::shared_ptr<SKTGraphic>& graphic : window.document()->graphics()) {
            if (!before.contains(graphic))
                box = std::dynamic_pointer_cast<SKTText>(graphic);
        }
        EXPECT_NE(box, nullptr) << "the picker adds a text box";
        if (!box)
            return box;
        QTest::mouseDClick(&canvas, Qt::LeftButton, {}, pixel(canvas, box->bounds().center()));
        QWidget* editor = canvas.editingView();
        EXPECT_NE(editor, nullptr) << "a double click edits the text in place";
        if (!editor)
            return box;
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(editor, text);
        clickOnCanvas(canvas, emptySpot(window));
        EXPECT_EQ(canvas.editingView(), nullptr);
        EXPECT_EQ(box->textString().trimmed(), text);
        return box;
    }

    // A point of the canvas that no object covers: below everything.
    static QPointF emptySpot(const SKTWindowController& window)
    {
        double bottom = 0;
        for (const std::shared_ptr<SKTGraphic>& graphic : window.document()->graphics())
            bottom = std::max(bottom, graphic->drawingBounds().bottom());
        return QPointF(5, bottom + 20);
    }

    // Sets the selected text box's size in the font size field and its colour with the text colour button's
    // swatches; answers the colour string of the swatch chosen.
    QString styleSelectedText(SKTWindowController& window, int fontSize)
    {
        if (!window.isInspectorShown())
            clickToolbarItem(window, QStringLiteral("styleEditorToolbarItem"));
        EXPECT_TRUE(window.isInspectorShown());
        const bool classic = window.findChild<QObject*>(QStringLiteral("classicInspector")) != nullptr;
        if (classic)
            clickSegment(&window, QStringLiteral("inspectorPanelSegmentedControl"), QStringLiteral("Style"));
        else
            clickSegment(&window, QStringLiteral("sidebarSwitchSegmentedControl"), QStringLiteral("Format"));
        typeInto(control<QLineEdit>(&window, QStringLiteral("fontSizeTextbox")), QString::number(fontSize));
        if (classic)
            clickSegment(&window, QStringLiteral("inspectorPanelSegmentedControl"), QStringLiteral("Color"));
        click(control<QPushButton>(&window, QStringLiteral("selectedTextColorButton")));
        ColorSwatchPanel* swatches = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (auto* found = top->findChild<ColorSwatchPanel*>(); found && found->isVisible())
                swatches = found;
        }
        EXPECT_NE(swatches, nullptr) << "the text colour button opens the swatches";
        if (!swatches)
            return {};
        // A strong colour, unlike the text's own grey.
        for (VelkNSButton* swatch : swatches->colorButtonMutableArray()) {
            const QColor color(u'#' + swatch->buttonColorString());
            if (color.isValid() && color.hsvSaturation() > 180 && color.value() > 120) {
                click(swatch);
                // The swatches stay open for another pick until the user sends them away.
                QTest::keyClick(swatches, Qt::Key_Escape);
                EXPECT_FALSE(swatches->isVisible());
                return swatch->buttonColorString();
            }
        }
        ADD_FAILURE() << "no strong colour among the swatches";
        return {};
    }

    // The road of steps 1 to 3 on the product; answers the reopened window and what the page held.
    SKTWindowController* walkDesignRoad(const QString& product, PageState& state)
    {
        launchAs(product);
        site = pathInHome(QStringLiteral("Sites/First Site/x")).chopped(2);
        QDir(site).removeRecursively();
        SKTWindowController* window = startNewWebsiteFromBlank(site);
        if (!window)
            return nullptr;
        EXPECT_NE(window->findChild<QWidget*>(QStringLiteral("pageListingView")), nullptr);
        EXPECT_NE(window->findChild<QObject*>(QStringLiteral("inspectorPanel")), nullptr);
        SKTGraphicView& canvas = *control<SKTGraphicView>(window, QStringLiteral("graphicView"));
        SKTDocument& document = *window->document();
        EXPECT_EQ(QFileInfo(document.fileLocation()).absolutePath(), site) << "the page lives in the folder";

        const std::shared_ptr<SKTText> box = addTextBox(*window, QStringLiteral("Hello Velk"));
        if (!box)
            return nullptr;
        clickOnCanvas(canvas, box->bounds().center());
        EXPECT_TRUE(canvas.selectedGraphics().contains(box));
        state.textColor = styleSelectedText(*window, 40);
        EXPECT_EQ(box->fontSize(), 40);
        EXPECT_EQ(box->textHexColorString(), state.textColor);

        // A picture from a file, through the toolbar and the open panel.
        const QString picturePath = pathInHome(QStringLiteral("Pictures/quarters.png"));
        EXPECT_TRUE(Quarters::picture(QSize(160, 120)).save(picturePath));
        panels.choose({picturePath});
        clickToolbarItem(*window, QStringLiteral("addNewImageToolbarItem"));
        const std::shared_ptr<SKTImage> image = onlyOf<SKTImage>(document);
        if (!image)
            return nullptr;
        const QRectF placed = image->bounds();
        EXPECT_EQ(placed.size(), QSizeF(160, 120));

        // Moved with the mouse, the move undone and redone with the keyboard.
        const QPointF by(60, 40);
        dragOnCanvas(canvas, placed.center(), placed.center() + by);
        EXPECT_TRUE(sameRects(image->bounds(), placed.translated(by))) << rectText(image->bounds());
        QTest::keyClick(&canvas, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_TRUE(sameRects(image->bounds(), placed)) << "undo puts the picture back";
        QTest::keyClick(&canvas, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_TRUE(sameRects(image->bounds(), placed.translated(by))) << "redo moves it again";

        // Made larger by its lower right handle.
        clickOnCanvas(canvas, image->bounds().center());
        const QRectF moved = image->bounds();
        dragOnCanvas(canvas, moved.bottomRight(), moved.bottomRight() + QPointF(80, 60));
        EXPECT_TRUE(
            sameRects(QRectF(image->bounds().topLeft(), QSizeF()), QRectF(moved.topLeft(), QSizeF())));
        EXPECT_GT(image->bounds().width(), moved.width() + 40) << rectText(image->bounds());
        EXPECT_GT(image->bounds().height(), moved.height() + 30) << rectText(image->bounds());
        expectPictureFills(canvas, image->bounds());

        state.text = box->textString().trimmed();
        state.textBounds = box->bounds();
        state.fontSize = box->fontSize();
        state.imageBounds = image->bounds();
        EXPECT_TRUE(alerts.records().isEmpty()) << alerts.messages().join(u'\n').toStdString();

        SKTWindowController* reopened = saveCloseAndReopen(window, site);
        if (!reopened)
            return nullptr;
        expectPageAsLeft(*reopened, state);
        return reopened;
    }

    // The canvas shows the picture's four quarters in the four quarters of its frame.
    static void expectPictureFills(SKTGraphicView& canvas, const QRectF& frame)
    {
        const QImage shown = canvas.grab().toImage();
        for (const auto& [point, color] : Quarters::samples(frame)) {
            const QColor onCanvas = shown.pixelColor(pixel(canvas, point));
            EXPECT_TRUE(near(onCanvas, color)) << colorText(onCanvas) << " for " << colorText(color);
        }
    }

    void expectPageAsLeft(SKTWindowController& window, const PageState& state)
    {
        SKTDocument& document = *window.document();
        std::shared_ptr<SKTText> box;
        for (const std::shared_ptr<SKTGraphic>& graphic : document.graphics()) {
            if (graphic->textString().trimmed() == state.text)
                box = std::dynamic_pointer_cast<SKTText>(graphic);
        }
        const std::shared_ptr<SKTImage> image = onlyOf<SKTImage>(document);
        ASSERT_TRUE(box && image) << "the text box and the picture are there again";
        EXPECT_TRUE(sameRects(box->bounds(), state.textBounds)) << rectText(box->bounds());
        EXPECT_EQ(box->fontSize(), state.fontSize);
        EXPECT_EQ(box->textHexColorString(), state.textColor);
        EXPECT_TRUE(sameRects(image->bounds(), state.imageBounds)) << rectText(image->bounds());
        expectPictureFills(*control<SKTGraphicView>(&window, QStringLiteral("graphicView")), image->bounds());
        EXPECT_TRUE(alerts.records().isEmpty()) << alerts.messages().join(u'\n').toStdString();
    }

    QString site;
};

TEST_F(DesignRoadTest, AWebsitePageIsDesignedSavedReopenedAndShownByABrowserAsOnTheCanvas)
{
    PageState state;
    SKTWindowController* window = walkDesignRoad(QStringLiteral("HTML Velk Pro"), state);
    ASSERT_NE(window, nullptr);
    if (HasFailure())
        return;

    // The saved page document, unpacked as a web server would get it.
    const QString pageDocument = window->document()->fileLocation();
    const QString unpacked = pathInHome(QStringLiteral("unpacked/x")).chopped(2);
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"),
                {QStringLiteral("-q"), QStringLiteral("-o"), pageDocument, QStringLiteral("-d"), unpacked});
    ASSERT_TRUE(unzip.waitForFinished(30000) && unzip.exitCode() == 0) << unzip.readAllStandardError().data();
    const QString pageName = QFileInfo(pageDocument).completeBaseName();
    // A published page finds its pictures in the folder named after it.
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-q"), QStringLiteral("-o"), pageDocument,
                                          QStringLiteral("-d"), QDir(unpacked).filePath(pageName)});
    ASSERT_TRUE(unzip.waitForFinished(30000) && unzip.exitCode() == 0) << unzip.readAllStandardError().data();
    const QString pagePath = QDir(unpacked).filePath(pageName + QStringLiteral(".html"));
    QString page = pageText(pagePath);
    ASSERT_TRUE(page.contains(QStringLiteral("Hello Velk"))) << pagePath.toStdString();

    // The text's rule carries the size and the colour chosen.
    const QRegularExpression rule(QStringLiteral("\\.(text\\d+)\\{([^}]*)\\}"));
    QString textClass;
    for (const QRegularExpressionMatch& match : rule.globalMatch(page)) {
        const QString body = match.captured(2);
        if (body.contains(QStringLiteral("font-size:40px")) &&
            body.contains(QStringLiteral("color:#") + state.textColor, Qt::CaseInsensitive))
            textClass = match.captured(1);
    }
    ASSERT_FALSE(textClass.isEmpty())
        << "no text rule of size 40 and colour " << state.textColor.toStdString();
    EXPECT_EQ(htmlErrors(page.toUtf8()), QStringList());
    const QStringList texts =
        htmlTexts(page.toUtf8(), qPrintable(QStringLiteral("//*[@class='%1']").arg(textClass)));
    ASSERT_EQ(texts.size(), 1);
    EXPECT_EQ(texts.first().trimmed(), QStringLiteral("Hello Velk"));

    if (!QFileInfo::exists(Chromium::kPath))
        GTEST_SKIP() << "Chromium is not installed";
    ASSERT_TRUE(useLocalLibraries(page)) << "jQuery and Bootstrap are installed with the dependencies";
    page.replace(
        QStringLiteral("</body>"),
        geometryProbe({u'.' + textClass, QStringLiteral("div[class^=image]"), QStringLiteral("img")}) +
            QStringLiteral("</body>"));
    const QString probed = QDir(unpacked).filePath(QStringLiteral("probed.html"));
    {
        QFile out(probed);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(page.toUtf8());
    }
    const QString url = QUrl::fromLocalFile(probed).toString();
    const QString windowSize = QStringLiteral("--window-size=1400,1000");
    const QString dom = QString::fromUtf8(Chromium::run(
        pathInHome(QStringLiteral("chromium/dom/x")).chopped(2),
        {QStringLiteral("--dump-dom"), QStringLiteral("--virtual-time-budget=5000"), windowSize, url}));
    QStringList loaded;
    const QList<QRectF> rects = probedRects(dom, 3, &loaded);
    ASSERT_EQ(rects.size(), 3) << dom.toStdString();
    // The text box, the image's frame and the picture in it.
    for (const auto& [rect, bounds] :
         {std::pair{rects[0], state.textBounds}, std::pair{rects[1], state.imageBounds},
          std::pair{rects[2], state.imageBounds}}) {
        EXPECT_TRUE(closeRects(rect, bounds))
            << rectText(rect) << " in the browser, " << rectText(bounds) << " on the canvas";
    }
    EXPECT_EQ(loaded.value(2), QStringLiteral("true")) << "the picture is there";

    const QString shot = pathInHome(QStringLiteral("shot.png"));
    Chromium::run(pathInHome(QStringLiteral("chromium/shot/x")).chopped(2),
                  {QStringLiteral("--screenshot=") + shot, QStringLiteral("--virtual-time-budget=5000"),
                   windowSize, url});
    const QImage picture(shot);
    ASSERT_FALSE(picture.isNull());
    for (const auto& [point, color] : Quarters::samples(rects[2])) {
        const QColor shown = picture.pixelColor(point.toPoint());
        EXPECT_TRUE(near(shown, color)) << colorText(shown) << " for " << colorText(color);
    }
}

TEST_F(DesignRoadTest, AMailDesignTakesTheSameRoadUpToSavingAndReopening)
{
    PageState state;
    EXPECT_NE(walkDesignRoad(QStringLiteral("Plimsy Mails Pro 2"), state), nullptr);
}

// The label's canvas is shown at a scale of 0.4.
TEST_F(DesignRoadTest, ALabelTakesTheSameRoadUpToSavingAndReopening)
{
    PageState state;
    EXPECT_NE(walkDesignRoad(QStringLiteral("Fennick Label Designer Pro"), state), nullptr);
}

// The library's items are dragged onto the canvas. The offscreen platform has no drag session of its own,
// so the canvas gets the events the platform's drag delivers, carrying what the pressed item puts on the
// drag pasteboard.
void dropFromLibrary(DragIconView& item, SKTGraphicView& canvas, const QPoint& at)
{
    QTest::mousePress(&item, Qt::LeftButton, {}, item.rect().center());
    EXPECT_TRUE(item.highlightFlag()) << "the pressed item is highlighted";
    const std::unique_ptr<QMimeData> data(newDragCodeMimeData(item.dragAndDropCodeName()));
    QDragEnterEvent enter(at, Qt::CopyAction, data.get(), Qt::LeftButton, {});
    QApplication::sendEvent(&canvas, &enter);
    ASSERT_TRUE(enter.isAccepted()) << item.dragAndDropCodeName().toStdString();
    QDragMoveEvent move(at, Qt::CopyAction, data.get(), Qt::LeftButton, {});
    QApplication::sendEvent(&canvas, &move);
    QDropEvent drop(QPointF(at), Qt::CopyAction, data.get(), Qt::LeftButton, {});
    QApplication::sendEvent(&canvas, &drop);
    EXPECT_TRUE(drop.isAccepted()) << item.dragAndDropCodeName().toStdString();
    QTest::mouseRelease(&item, Qt::LeftButton, {}, item.rect().center());
}

DragIconView* libraryItem(const SKTWindowController& window, const QString& code)
{
    for (DragIconView* item : window.findChildren<DragIconView*>()) {
        if (item->dragAndDropCodeName() == code)
            return item;
    }
    ADD_FAILURE() << "the object library offers no " << code.toStdString();
    return nullptr;
}

// Writes the rectangle of the innermost element holding the text and that of the section column around it,
// "x y width height" each.
QString columnProbe(const QString& text)
{
    return probeScript(QStringLiteral(R"~(
  var holders = Array.prototype.filter.call(document.querySelectorAll('body *'), function(element) {
    return element.textContent.trim() === '%1' && element.children.length === 0;
  });
  if (holders.length === 1) {
    var column = holders[0].closest('[class*="col-"]');
    [holders[0], column].forEach(function(element) {
      if (!element) { lines.push('missing'); return; }
      var r = element.getBoundingClientRect();
      lines.push([r.left, r.top + window.scrollY, r.width, r.height, true].join(' '));
    });
  })~")
                           .arg(text));
}

TEST_F(DesignRoadTest, AResponsivePageGetsASectionAndATextBoxFromTheLibraryAndShowsTheTextInTheColumn)
{
    launchAs(QStringLiteral("Brevold Responsive Website Designer"));
    site = pathInHome(QStringLiteral("Sites/Responsive/x")).chopped(2);
    QDir(site).removeRecursively();
    SKTWindowController* window = startNewWebsiteFromBlank(site);
    ASSERT_NE(window, nullptr);
    SKTGraphicView& canvas = *control<SKTGraphicView>(window, QStringLiteral("graphicView"));
    SKTDocument& document = *window->document();
    const GraphicList blank = document.graphics();

    clickSegment(window, QStringLiteral("sidebarSwitchSegmentedControl"), QStringLiteral("Add"));
    DragIconView* sectionItem = libraryItem(*window, QStringLiteral("velk_section1"));
    DragIconView* textItem = libraryItem(*window, QStringLiteral("velk_textbox_body_tazmir"));
    ASSERT_TRUE(sectionItem && textItem);
    dropFromLibrary(*sectionItem, canvas, pixel(canvas, emptySpot(*window)));
    std::shared_ptr<SKTGraphic> section;
    for (const std::shared_ptr<SKTGraphic>& graphic : document.graphics()) {
        if (!blank.contains(graphic) && graphic->isSectionContainer())
            section = graphic;
    }
    ASSERT_NE(section, nullptr) << "the section is on the page";
    const GraphicList withSection = document.graphics();
    // Onto the section's column, inside its padding: the library's items land only there.
    dropFromLibrary(*textItem, canvas, pixel(canvas, section->contentRect().topLeft() + QPointF(30, 30)));
    std::shared_ptr<SKTText> box;
    for (const std::shared_ptr<SKTGraphic>& graphic : document.graphics()) {
        if (!withSection.contains(graphic))
            box = std::dynamic_pointer_cast<SKTText>(graphic);
    }
    ASSERT_NE(box, nullptr) << "the text box is on the page";
    EXPECT_EQ(box->sectionNumber(), section->sectionNumber()) << "the text box went into the section";

    QTest::mouseDClick(&canvas, Qt::LeftButton, {}, pixel(canvas, box->bounds().center()));
    ASSERT_NE(canvas.editingView(), nullptr);
    QTest::keyClick(canvas.editingView(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(canvas.editingView(), QStringLiteral("Hello Velk"));
    clickOnCanvas(canvas, emptySpot(*window));
    clickOnCanvas(canvas, box->bounds().center());
    ASSERT_TRUE(canvas.selectedGraphics().contains(box));
    const QString color = styleSelectedText(*window, 40);
    EXPECT_EQ(box->fontSize(), 40);
    EXPECT_EQ(box->textHexColorString(), color);
    EXPECT_TRUE(alerts.records().isEmpty()) << alerts.messages().join(u'\n').toStdString();

    window = saveCloseAndReopen(window, site);
    ASSERT_NE(window, nullptr);
    std::shared_ptr<SKTText> reopened;
    for (const std::shared_ptr<SKTGraphic>& graphic : window->document()->graphics()) {
        if (graphic->textString().trimmed() == u"Hello Velk")
            reopened = std::dynamic_pointer_cast<SKTText>(graphic);
    }
    ASSERT_NE(reopened, nullptr) << "the text box is there again";
    EXPECT_EQ(reopened->fontSize(), 40);
    EXPECT_EQ(reopened->textHexColorString(), color);
    EXPECT_NE(reopened->sectionNumber(), -99) << "and still in its section";
    EXPECT_TRUE(alerts.records().isEmpty()) << alerts.messages().join(u'\n').toStdString();

    // The page as it is published.
    const QString published = pathInHome(QStringLiteral("published/index.html"));
    ASSERT_TRUE(window->document()->exportPublishVersion(published));
    QString page = pageText(published);
    ASSERT_TRUE(page.contains(QStringLiteral("Hello Velk")));
    if (!QFileInfo::exists(Chromium::kPath))
        GTEST_SKIP() << "Chromium is not installed";
    ASSERT_TRUE(useLocalLibraries(page)) << "jQuery and Bootstrap are installed with the dependencies";
    page.replace(QStringLiteral("</body>"),
                 columnProbe(QStringLiteral("Hello Velk")) + QStringLiteral("</body>"));
    QFile out(published);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
    out.write(page.toUtf8());
    out.close();
    const QString dom = QString::fromUtf8(
        Chromium::run(pathInHome(QStringLiteral("chromium/dom/x")).chopped(2),
                      {QStringLiteral("--dump-dom"), QStringLiteral("--virtual-time-budget=5000"),
                       QStringLiteral("--window-size=1200,900"), QUrl::fromLocalFile(published).toString()}));
    const QList<QRectF> rects = probedRects(dom, 2);
    ASSERT_EQ(rects.size(), 2) << dom.toStdString();
    EXPECT_GT(rects[0].width(), 0);
    EXPECT_TRUE(rects[1].adjusted(-1, -1, 1, 1).contains(rects[0]))
        << "the text " << rectText(rects[0]) << " lies in its column " << rectText(rects[1]);
}

} // namespace
