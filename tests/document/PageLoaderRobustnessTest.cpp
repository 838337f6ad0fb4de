#include "PageAssemblyTestSupport.h"

#include <QFile>

#include <algorithm>
#include <functional>
#include <random>

// A damaged page document opens either with the failure alert or with as much as can be read; it never
// takes the application down. A saved page is damaged in many small ways, repeatably, and each result
// is opened the way documents open: unpacked from its package by refreshDocument.

namespace {

using namespace PageObjects;

// What damage brings into a page: the format's own punctuation, numbers out of range, characters outside
// ASCII and the NUL character.
const QStringList kInsertions = {
    QStringLiteral(";"),
    QStringLiteral(":"),
    QStringLiteral("{"),
    QStringLiteral("}"),
    QStringLiteral("="),
    QStringLiteral("<"),
    QStringLiteral(">"),
    QStringLiteral("\""),
    QStringLiteral("'"),
    QStringLiteral("0"),
    QStringLiteral("7"),
    QStringLiteral("-99"),
    QStringLiteral("-1"),
    QStringLiteral("99999999999999999999999999999999"),
    QStringLiteral("-2147483649"),
    QStringLiteral("1e308"),
    QStringLiteral("px"),
    QStringLiteral("<!--"),
    QStringLiteral("-->"),
    QStringLiteral("\n"),
    QStringLiteral("\r"),
    QStringLiteral("\u00e9"),
    QStringLiteral("\u65e5\u672c"),
    QStringLiteral("\U0001F600"),
    QString(QChar(0)),
};

// Endings whose loss leaves a part of the page open.
const QStringList kClosings = {
    QStringLiteral("}"),  QStringLiteral(";"),      QStringLiteral("-->"),     QStringLiteral("</style>"),
    QStringLiteral(">"),  QStringLiteral("</div>"), QStringLiteral("</body>"), QStringLiteral("</html>"),
    QStringLiteral("\""), QStringLiteral("</a>"),
};

// Every draw goes through the engine's raw output, which is the same on every standard library.
class Damage {
public:
    explicit Damage(std::mt19937& engine)
        : m_engine(engine)
    {}

    qsizetype below(qsizetype bound) { return bound <= 0 ? 0 : qsizetype(m_engine() % quint64(bound)); }
    QString insertion() { return kInsertions.at(below(kInsertions.size())); }

    // A line of the page chosen among those that pass the filter; -1 when none does.
    qsizetype lineWhere(const QStringList& lines, const std::function<bool(const QString&)>& filter)
    {
        QList<qsizetype> candidates;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (filter(lines.at(i)))
                candidates.append(i);
        }
        return candidates.isEmpty() ? -1 : candidates.at(below(candidates.size()));
    }

    void insertInto(QStringList& lines, qsizetype index)
    {
        if (index < 0)
            return;
        QString& line = lines[index];
        line.insert(below(line.size() + 1), insertion());
    }

private:
    std::mt19937& m_engine;
};

bool isRuleLine(const QString& line)
{
    return line.startsWith(u'.') || line.startsWith(u'#') || (line.contains(u'{') && line.contains(u':'));
}

bool isBodyLine(const QString& line)
{
    return line.startsWith(u'<') && !line.startsWith(QStringLiteral("<meta")) &&
           !line.startsWith(QStringLiteral("<!--"));
}

using Mutation = std::function<void(QStringList& lines, Damage& damage)>;

const QList<Mutation>& mutations()
{
    static const QList<Mutation> all = {
        // Cut off anywhere.
        [](QStringList& lines, Damage& damage) {
            const QString text = lines.join(u'\n');
            lines = text.left(damage.below(text.size())).split(u'\n');
        },
        // One line lost.
        [](QStringList& lines, Damage& damage) { lines.removeAt(damage.below(lines.size())); },
        // One line twice.
        [](QStringList& lines, Damage& damage) {
            const qsizetype at = damage.below(lines.size());
            lines.insert(at, lines.at(at));
        },
        // Two lines in each other's place.
        [](QStringList& lines, Damage& damage) {
            lines.swapItemsAt(damage.below(lines.size()), damage.below(lines.size()));
        },
        // A stray character in a rule line.
        [](QStringList& lines, Damage& damage) {
            damage.insertInto(lines, damage.lineWhere(lines, isRuleLine));
        },
        // A stray character in a body line.
        [](QStringList& lines, Damage& damage) {
            damage.insertInto(lines, damage.lineWhere(lines, isBodyLine));
        },
        // A stray character in any line.
        [](QStringList& lines, Damage& damage) { damage.insertInto(lines, damage.below(lines.size())); },
        // A closing marker lost.
        [](QStringList& lines, Damage& damage) {
            const QString closing = kClosings.at(damage.below(kClosings.size()));
            const qsizetype index =
                damage.lineWhere(lines, [&closing](const QString& line) { return line.contains(closing); });
            if (index < 0)
                return;
            QString& line = lines[index];
            QList<qsizetype> places;
            for (qsizetype at = line.indexOf(closing); at >= 0; at = line.indexOf(closing, at + 1))
                places.append(at);
            line.remove(places.at(damage.below(places.size())), closing.size());
        },
        // A number replaced by another, or by something that is none.
        [](QStringList& lines, Damage& damage) {
            const qsizetype index = damage.lineWhere(lines, [](const QString& line) {
                return std::any_of(line.begin(), line.end(), [](QChar c) { return c.isDigit(); });
            });
            if (index < 0)
                return;
            QString& line = lines[index];
            QList<qsizetype> digits;
            for (qsizetype at = 0; at < line.size(); ++at) {
                if (line.at(at).isDigit() && (at == 0 || !line.at(at - 1).isDigit()))
                    digits.append(at);
            }
            const qsizetype start = digits.at(damage.below(digits.size()));
            qsizetype end = start;
            while (end < line.size() && line.at(end).isDigit())
                ++end;
            line.replace(start, end - start, damage.insertion());
        },
        // A span of characters lost within a line.
        [](QStringList& lines, Damage& damage) {
            QString& line = lines[damage.below(lines.size())];
            const qsizetype start = damage.below(line.size());
            line.remove(start, 1 + damage.below(line.size() - start));
        },
    };
    return all;
}

// A damaged copy of the page: one to three mutations, each drawn from the engine.
QString damaged(const QString& page, std::mt19937& engine)
{
    Damage damage(engine);
    QStringList lines = page.split(u'\n');
    const qsizetype count = 1 + damage.below(3);
    for (qsizetype i = 0; i < count && !lines.isEmpty(); ++i)
        mutations().at(damage.below(mutations().size()))(lines, damage);
    return lines.join(u'\n');
}

class PageLoaderRobustnessTest : public ReopenedPageTest {
protected:
    void SetUp() override
    {
        ReopenedPageTest::SetUp();
        buildPage();
        ASSERT_TRUE(document.saveThisPage(location, 0));
        packageFolder = pathInHome(QStringLiteral("package/x")).chopped(2);
        ZipArchive saved;
        ASSERT_TRUE(saved.openZip(location));
        ASSERT_GT(saved.unzip(packageFolder), 0);
        pageFile = QDir(packageFolder).filePath(QStringLiteral("home.html"));
        page = PageText::read(pageFile);
        ASSERT_FALSE(page.isEmpty());
    }

    // A page with objects of several kinds and settings in head, body and trailer.
    void buildPage()
    {
        auto box =
            textBox(QStringLiteral("Fresh fruit: \"apples\" & pears\n<daily>"), QRectF(20, 30, 240, 60));
        box->setLink(QStringLiteral("page2.html"));
        box->setLinkOption(QStringLiteral("_blank"));
        box->setBorderStyle(QStringLiteral("dashed"));
        box->setBorderWidth(2);
        box->setBorderHexColorString(QStringLiteral("00FF00"));
        box->setTopPadding(4);
        box->setLeftPadding(8);
        add(box);
        auto picture = image(QStringLiteral("image1"), QRectF(300, 30, 80, 60));
        picture->setLink(QStringLiteral("http://example.com/fruit"));
        picture->setAltText(QStringLiteral("A basket"));
        picture->setInputImage(picture->_contents());
        add(picture);
        box->setGroupNumber(-98);
        picture->setGroupNumber(-98);
        auto arrow = line(QPointF(20, 120), QPointF(380, 160));
        arrow->setDrawEndArrow(true);
        arrow->setBorderWidth(3);
        add(arrow);
        add(textBox(QStringLiteral("<b>bold</b>\n<i>italic</i>"), QRectF(20, 180, 200, 50),
                    QStringLiteral("HTMLSnippet")));
        auto layered = textBox(QStringLiteral("On top"), QRectF(400, 30, 100, 30));
        layered->setManualLayerIndex(50);
        add(layered);
        document.setPageOfficialName(QStringLiteral("Fruit and more"));
        document.setPublishExt(QStringLiteral("php"));
        document.setDocSpecificFixedCanvasFlag(1);
        document.setDocSpecificPageWidth(800);
        document.setDocSpecificPageHeight(600);
        document.setMetaKeywords(QStringLiteral("fruit, baskets"));
        document.setMetaDescription(QStringLiteral("Fruit in baskets"));
        document.setCustomHeaderCode(QStringLiteral("<script>var shop = 1;</script>\n<meta name=\"shop\">"));
    }

    // The package again, with the page file holding these bytes.
    void repack(const QByteArray& pageBytes)
    {
        QFile file(pageFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(pageBytes), pageBytes.size());
        file.close();
        ZipArchive archive;
        ASSERT_TRUE(archive.newZip(location));
        archive.setAppendFromDir(packageFolder);
        ASSERT_TRUE(archive.appendFiles(QDir(packageFolder).filePath(QStringLiteral("*")), true));
        ASSERT_TRUE(archive.writeZipAndClose());
    }

    // Opens the package as documents open; a page that cannot be read says why, one that can be read can
    // be generated again. Without a window neither shows anything.
    void expectOpensOrReportsFailure(const QByteArray& pageBytes, const std::string& what)
    {
        SCOPED_TRACE(what);
        repack(pageBytes);
        alerts.clear();
        SKTDocument opened;
        opened.setFileLocation(location);
        const DocumentResult result = opened.refreshDocument();
        if (result) {
            EXPECT_FALSE(opened.pageLoadFailed());
            opened.generateSourceCode(opened.pageName(), 0);
        } else {
            EXPECT_TRUE(opened.pageLoadFailed());
            EXPECT_EQ(result.outcome, DocumentResult::NotOpened);
            EXPECT_FALSE(result.error.isEmpty());
        }
        EXPECT_TRUE(alerts.records().isEmpty());
    }

    QString packageFolder;
    QString pageFile;
    QString page;
};

TEST_F(PageLoaderRobustnessTest, TheUndamagedPageOpens)
{
    repack(PageText::encoded(page));
    SKTDocument opened;
    opened.setFileLocation(location);
    ASSERT_TRUE(opened.refreshDocument());
    EXPECT_EQ(opened.graphics().size(), document.graphics().size());
}

TEST_F(PageLoaderRobustnessTest, DamagedPageTextOpensOrReportsTheFailure)
{
    std::mt19937 engine(20261210);
    for (int variant = 0; variant < 300; ++variant) {
        const QString text = damaged(page, engine);
        expectOpensOrReportsFailure(PageText::encoded(text), "variant " + std::to_string(variant));
        if (HasFatalFailure())
            return;
    }
}

TEST_F(PageLoaderRobustnessTest, DamagedPageBytesOpenOrReportTheFailure)
{
    std::mt19937 engine(7);
    Damage damage(engine);
    // Stored as UTF-16 with its mark, so flipped bytes meet both decodings.
    const QByteArray stored = PageText::encoded(page + QStringLiteral("<!--\u00e9-->"));
    for (int variant = 0; variant < 60; ++variant) {
        QByteArray bytes = stored;
        for (qsizetype flips = 1 + damage.below(4); flips > 0; --flips)
            bytes[damage.below(bytes.size())] = char(damage.below(256));
        if (damage.below(3) == 0)
            bytes.truncate(damage.below(bytes.size()));
        expectOpensOrReportsFailure(bytes, "byte variant " + std::to_string(variant));
        if (HasFatalFailure())
            return;
    }
}

} // namespace
