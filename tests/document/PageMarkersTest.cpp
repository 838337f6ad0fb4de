#include "PageFileTestSupport.h"

#include "document/format/PageMarkers.h"
#include "document/format/PageText.h"

#include <functional>

namespace {

// A stored page as the assembler lays it out, with the head lines, trailer and keyed blocks readers use.
QString samplePage()
{
    return QStringLiteral("<!DOCTYPE html><html><head>\n"
                          "<title>Home</title>\n"
                          "<meta name=\"keywords\" content=\"cats, dogs\">\n"
                          "<meta name=\"description\" content=\"A page\">\n"
                          "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=Win-1251\"/> \n"
                          "<meta http-equiv=\"X-UA-Compatible\" content=\"IE=edge\"/>\n"
                          "<!--Custom Header Code:2-->\n"
                          "<script>a()</script>\n"
                          "<script>b()</script>\n"
                          "<link rel=\"stylesheet\" href=\"bootstrap.min.css\">\n"
                          "<style type=text/css>\n"
                          "#content{position:relative;width:800px;margin-left:auto;margin-right:auto;}\n"
                          "</style></head>\n"
                          "<body bgcolor=#FFFFFF leftmargin=0 topmargin=0>\n"
                          "<div id=content>\n"
                          "</div></body></html>\n"
                          "\n"
                          "<!--USE BASE TEMPLATE-->\n"
                          "<!--INHERIT CUSTOM HEADER-->\n"
                          "<!--INHERIT METADATA-->\n"
                          "<!--PUBLISHEXTSTART==php==PUBLISHEXTEND-->\n"
                          "<!--BACKGROUNDIMAGESTART==1.00==BACKGROUNDIMAGEEND-->\n"
                          "<!--PAGETITLESTART==Home==PAGETITLEEND-->\n"
                          "<!--FIXEDCANVASSTART==0==FIXEDCANVASEND-->\n"
                          "\n"
                          "<!--CANVAS_SIZE_TYPE====CANVAS_SIZE_TYPE_END-->\n"
                          "\n"
                          "<!====Owner First NameSTARTSTRING--Ann--Owner First NameENDSTRING====>\n"
                          "\n"
                          "<!====NotesSTARTSTRING--line one\nline two--NotesENDSTRING====>");
}

QString withCrLf(const QString& text)
{
    return QString(text).replace(u'\n', QStringLiteral("\r\n"));
}

class PageMarkersTest : public VelkTest {
protected:
    QString page(const QString& text, const QString& name = QStringLiteral("page.html"))
    {
        const QString path = pathInHome(QStringLiteral("work/") + name);
        EXPECT_TRUE(PageText::write(path, text));
        return path;
    }
};

TEST_F(PageMarkersTest, MetaLinesAreReadInEveryStoredForm)
{
    const struct {
        const char* name;
        QByteArray bytes;
    } forms[] = {
        {"LF ASCII", samplePage().toLatin1()},
        {"CRLF ASCII", withCrLf(samplePage()).toLatin1()},
        {"UTF-16 little-endian", utf16LeWithMark(samplePage() + QStringLiteral("\u00e9"))},
        {"UTF-16 big-endian, CRLF", utf16BeWithMark(withCrLf(samplePage()))},
    };
    for (const auto& form : forms) {
        SCOPED_TRACE(form.name);
        const QString path = pathInHome(QStringLiteral("page.html"));
        writeBytes(path, form.bytes);
        EXPECT_EQ(DataCentre::grabEncodingType(path), QStringLiteral("Win-1251"));
        EXPECT_EQ(DataCentre::grabMetaKeywords(path), QStringLiteral("cats, dogs"));
        EXPECT_EQ(DataCentre::grabMetaDescription(path), QStringLiteral("A page"));
        EXPECT_EQ(DataCentre::grabCustomHeaderCode(path),
                  QStringLiteral("<script>a()</script>\n<script>b()</script>"));
        EXPECT_EQ(DataCentre::grabPublishExt(path), QStringLiteral("php"));
        EXPECT_TRUE(DataCentre::isBootStrapBeingUsed(path));
        EXPECT_TRUE(DataCentre::grabBaseTemplateStatusFlag(path));
        EXPECT_TRUE(DataCentre::grabInheritMetadataFlag(path));
        EXPECT_TRUE(DataCentre::grabInheritCustomHeadercodeFlag(path));
        EXPECT_FALSE(DataCentre::grabRotateCanvas90Flag(path));
        EXPECT_FALSE(DataCentre::grabDuplicateBaseTemplateStatusFlag(path));
    }
}

TEST_F(PageMarkersTest, MetaReaderCases)
{
    const struct {
        const char* name;
        QString text;
        QString encoding;
        QString keywords;
        QString description;
    } cases[] = {
        {"responsive page without Content-Type", QStringLiteral("<meta charset=\"UTF-8\">\n"), "UTF-8", "",
         ""},
        {"later lines win",
         QStringLiteral(
             "<meta name=\"keywords\" content=\"first\">\n<meta name=\"keywords\" content=\"second\">\n"
             "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\"/> \n"
             "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-16\"/> \n"),
         "UTF-16", "second", ""},
        {"value with a line feed is cut at its line",
         QStringLiteral("<meta name=\"keywords\" content=\"one\ntwo\">\n"), "UTF-8", "o", ""},
        {"short values are kept whole",
         QStringLiteral("<meta name=\"keywords\" content=\"x\n<meta name=\"description\" content=\"\n"),
         "UTF-8", "x", ""},
        {"indented lines", QStringLiteral("   \t<meta name=\"description\" content=\"Indented\">\n"), "UTF-8",
         "", "Indented"},
        {"charset too short to cut",
         QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=ab\n"), "UTF-8", "",
         ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = page(c.text);
        EXPECT_EQ(DataCentre::grabEncodingType(path), c.encoding);
        EXPECT_EQ(DataCentre::grabMetaKeywords(path), c.keywords);
        EXPECT_EQ(DataCentre::grabMetaDescription(path), c.description);
    }
}

TEST_F(PageMarkersTest, CustomHeaderCodeCases)
{
    const struct {
        const char* name;
        QString text;
        QString code;
    } cases[] = {
        {"marker with trailing blanks",
         QStringLiteral("<html>\nfirst\n<!--Custom Header Code:1-->  \t\ncode\nafter"), "code"},
        {"count past the end of the file", QStringLiteral("<!--Custom Header Code:5-->\none\ntwo"),
         "one\ntwo"},
        {"count 0", QStringLiteral("<html>\n<!--Custom Header Code:0-->\n\nnext"), ""},
        {"no marker", QStringLiteral("<html>\none\ntwo\n"), ""},
        {"only the old form-page marker", QStringLiteral("<html>\n<!--Quarnel Custom Header Code:1-->\ncode"),
         ""},
        {"marker not at the line start", QStringLiteral("<html>\n <!--Custom Header Code:1-->\ncode"), ""},
        {"last marker wins", QStringLiteral("<!--Custom Header Code:1-->\na\n<!--Custom Header Code:1-->\nb"),
         "b"},
        {"carriage returns", QStringLiteral("x\r\n<!--Custom Header Code:2-->\r\nc1\r\nc2\r\nend"), "c1\nc2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(DataCentre::grabCustomHeaderCode(page(c.text)), c.code);
    }
}

TEST_F(PageMarkersTest, FlagWritersAddCopiesAndClearEveryCopy)
{
    using Writer = std::function<bool(const QString&, int)>;
    using Reader = std::function<bool(const QString&)>;
    const struct {
        const char* marker;
        Writer write;
        Reader read;
    } flags[] = {
        {"<!--USE BASE TEMPLATE-->", DataCentre::applyBaseTemplate, DataCentre::grabBaseTemplateStatusFlag},
        {"<!--INHERIT METADATA-->", DataCentre::applyInheritMetadata, DataCentre::grabInheritMetadataFlag},
        {"<!--INHERIT CUSTOM HEADER-->", DataCentre::applyInheritCustomHeaderCode,
         DataCentre::grabInheritCustomHeadercodeFlag},
        {"<!--BASE TEMPLATE DUPLICATED-->", DataCentre::applyDuplicateBaseTemplateFlag,
         DataCentre::grabDuplicateBaseTemplateStatusFlag},
    };
    const QString original = QStringLiteral("<html></html>\n<!--PAGETITLESTART==T==PAGETITLEEND-->");
    for (const auto& flag : flags) {
        SCOPED_TRACE(flag.marker);
        const QString marker = QString::fromLatin1(flag.marker);
        const QString path = page(original);
        EXPECT_FALSE(flag.read(path));

        ASSERT_TRUE(flag.write(path, 1));
        EXPECT_EQ(PageText::read(path), original + u'\n' + marker);
        EXPECT_TRUE(flag.read(path));

        ASSERT_TRUE(flag.write(path, 1));
        EXPECT_EQ(PageText::read(path).count(marker), 2);

        ASSERT_TRUE(flag.write(path, 0));
        EXPECT_EQ(PageText::read(path), original + QStringLiteral("\n\n"));
        EXPECT_FALSE(flag.read(path));

        ASSERT_TRUE(flag.write(path, 1));
        ASSERT_TRUE(flag.write(path, 2));
        EXPECT_FALSE(flag.read(path));
    }
}

TEST_F(PageMarkersTest, PresenceReaders)
{
    const QString rotated = page(QStringLiteral("<html>\n<!--ROTATE CANVAS:90-->\n"));
    EXPECT_TRUE(DataCentre::grabRotateCanvas90Flag(rotated));
    EXPECT_FALSE(DataCentre::isBootStrapBeingUsed(rotated));

    EXPECT_TRUE(DataCentre::grabCenterFlag(samplePage()));
    EXPECT_FALSE(DataCentre::grabCenterFlag(QStringLiteral("#content{position:absolute;width:800px;}")));
    EXPECT_TRUE(
        DataCentre::grabManualPageWidthFlag(QStringLiteral("a\n<!---manual view port calculation--->\n")));
    EXPECT_FALSE(DataCentre::grabManualPageWidthFlag(QStringLiteral("<!--manual view port calculation-->")));
}

TEST_F(PageMarkersTest, TitleMarkerIsReplacedAtItsFirstOccurrence)
{
    const QString marker = QStringLiteral("<!--PAGETITLESTART==New==PAGETITLEEND-->");
    const struct {
        const char* name;
        QString before;
        QString after;
    } cases[] = {
        {"own line", QStringLiteral("<html>\n<!--PAGETITLESTART==Old==PAGETITLEEND-->\n<!--X-->"),
         QStringLiteral("<html>\n") + marker + QStringLiteral("\n<!--X-->")},
        {"indented", QStringLiteral("<html>\n    <!--PAGETITLESTART==Old==PAGETITLEEND-->\nend"),
         QStringLiteral("<html>\n    ") + marker + QStringLiteral("\nend")},
        {"inside a line", QStringLiteral("a<!--PAGETITLESTART====PAGETITLEEND-->b\n"),
         QStringLiteral("a") + marker + QStringLiteral("b\n")},
        {"two markers",
         QStringLiteral("<!--PAGETITLESTART==A==PAGETITLEEND-->\n<!--PAGETITLESTART==B==PAGETITLEEND-->"),
         marker + QStringLiteral("\n<!--PAGETITLESTART==B==PAGETITLEEND-->")},
        {"no end name", QStringLiteral("x\n<!--PAGETITLESTART==Old\ny"),
         QStringLiteral("x\n") + marker + QStringLiteral("\ny")},
        {"end name on a later line", QStringLiteral("<!--PAGETITLESTART==\n==PAGETITLEEND-->"),
         marker + QStringLiteral("\n==PAGETITLEEND-->")},
        {"carriage returns kept", QStringLiteral("a\r\n<!--PAGETITLESTART==Old==PAGETITLEEND-->\r\nb\r\n"),
         QStringLiteral("a\r\n") + marker + QStringLiteral("\r\nb\r\n")},
        {"no marker", QStringLiteral("<html>\n</html>"), QStringLiteral("<html>\n</html>\n") + marker},
        {"no marker, final line feed", QStringLiteral("<html>\n"), QStringLiteral("<html>\n") + marker},
        {"empty file", QStringLiteral(""), marker},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = page(c.before);
        ASSERT_TRUE(DataCentre::applyPageTitle(path, QStringLiteral("New")));
        EXPECT_EQ(PageText::read(path), c.after);
        // Applied again, the title replaces itself instead of adding a marker.
        ASSERT_TRUE(DataCentre::applyPageTitle(path, QStringLiteral("New")));
        EXPECT_EQ(PageText::read(path), c.after);
        EXPECT_EQ(DataCentre::grabMiddleString(QStringLiteral("<!--PAGETITLESTART=="),
                                               QStringLiteral("==PAGETITLEEND-->"), PageText::read(path)),
                  QStringLiteral("New"));
    }
}

TEST_F(PageMarkersTest, NonAsciiTitleTurnsThePageIntoUtf16AndBack)
{
    const QString path = page(samplePage());
    const QString title = QStringLiteral("Caf\u00e9 \u00dcber");
    ASSERT_TRUE(DataCentre::applyPageTitle(path, title));
    EXPECT_TRUE(readBytes(path).startsWith("\xFF\xFE"));
    EXPECT_EQ(PageText::read(path),
              QString(samplePage())
                  .replace(QStringLiteral("==Home=="), QStringLiteral("==") + title + QStringLiteral("==")));
    EXPECT_EQ(DataCentre::grabMetaKeywords(path), QStringLiteral("cats, dogs"));

    ASSERT_TRUE(DataCentre::applyPageTitle(path, QStringLiteral("Home")));
    EXPECT_EQ(readBytes(path), samplePage().toLatin1());
}

TEST_F(PageMarkersTest, PublishExtensionLinesAreReplacedOneBreakPerLine)
{
    const struct {
        const char* name;
        QString before;
        QString after;
    } cases[] = {
        {"marker line", QStringLiteral("a\n  x<!--PUBLISHEXTSTART==html==PUBLISHEXTEND-->y\nb\n"),
         QStringLiteral("a\n<!--PUBLISHEXTSTART==php==PUBLISHEXTEND-->\nb\n")},
        {"every marker line",
         QStringLiteral("<!--PUBLISHEXTSTART==\n<!--PUBLISHEXTSTART==a==PUBLISHEXTEND-->"),
         QStringLiteral(
             "<!--PUBLISHEXTSTART==php==PUBLISHEXTEND-->\n<!--PUBLISHEXTSTART==php==PUBLISHEXTEND-->")},
        {"CRLF text", QStringLiteral("a\r\n<!--PUBLISHEXTSTART====PUBLISHEXTEND-->\r\nb\r\n\r\nc"),
         QStringLiteral("a\n<!--PUBLISHEXTSTART==php==PUBLISHEXTEND-->\nb\n\nc")},
        {"no marker adds nothing", QStringLiteral("a\nb"), QStringLiteral("a\nb")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = page(c.before);
        ASSERT_TRUE(DataCentre::applyPublishingExt(path, QStringLiteral("php")));
        EXPECT_EQ(PageText::read(path), c.after);
    }
}

TEST_F(PageMarkersTest, PublishExtensionReader)
{
    const struct {
        QString text;
        QString extension;
    } cases[] = {
        {QStringLiteral("<!--PUBLISHEXTSTART==shtml==PUBLISHEXTEND-->"), "shtml"},
        {QStringLiteral("<!--PUBLISHEXTSTART====PUBLISHEXTEND-->"), ""},
        {QStringLiteral("==PUBLISHEXTEND-->"), ""},
        {QStringLiteral("<!--PUBLISHEXTSTART==php"), ""},
        {QStringLiteral("==PUBLISHEXTEND-->\n<!--PUBLISHEXTSTART==asp==PUBLISHEXTEND-->"), "asp"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(DataCentre::grabPublishExt(page(c.text)), c.extension);
    }
}

TEST_F(PageMarkersTest, MiddleStringCases)
{
    const struct {
        const char* start;
        const char* end;
        const char* text;
        const char* middle;
    } cases[] = {
        {"[", "]", "a[b]c[d]", "b"}, {"[", "]", "a]b", ""},    {"[", "]", "a[b", ""},
        {"[", "]", "]x[y]", "y"},    {"<<", ">>", "<<>>", ""}, {"ab", "b", "abc", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(DataCentre::grabMiddleString(QString::fromLatin1(c.start), QString::fromLatin1(c.end),
                                               QString::fromLatin1(c.text)),
                  QString::fromLatin1(c.middle));
    }
}

TEST_F(PageMarkersTest, KeyedBlockMarkers)
{
    EXPECT_EQ(DataCentre::generateStartString(QStringLiteral("Pet Sex")),
              QStringLiteral("<!====Pet SexSTARTSTRING--"));
    EXPECT_EQ(DataCentre::generateEndString(QStringLiteral("Pet Sex")),
              QStringLiteral("--Pet SexENDSTRING====>"));
    EXPECT_EQ(DataCentre::generateFullString(QStringLiteral("1"), QStringLiteral("Pet Sex")),
              QStringLiteral("<!====Pet SexSTARTSTRING--1--Pet SexENDSTRING====>"));
    EXPECT_EQ(DataCentre::generateFullString(QString(), QStringLiteral("Notes")),
              QStringLiteral("<!====NotesSTARTSTRING--(null)--NotesENDSTRING====>"));
    EXPECT_EQ(DataCentre::generateFullString(QStringLiteral(""), QStringLiteral("Notes")),
              QStringLiteral("<!====NotesSTARTSTRING----NotesENDSTRING====>"));
}

TEST_F(PageMarkersTest, KeyedBlockIsFoundAndReplacedInPlace)
{
    const auto valueOf = [](const QString& key, const QString& text) {
        return DataCentre::grabMiddleString(DataCentre::generateStartString(key),
                                            DataCentre::generateEndString(key), text);
    };
    const QString notes = QStringLiteral("Notes");
    const QString firstName = QStringLiteral("Owner First Name");
    const QString path = page(samplePage());
    QString text = PageText::read(path);
    EXPECT_EQ(valueOf(firstName, text), QStringLiteral("Ann"));
    EXPECT_EQ(valueOf(notes, text), QStringLiteral("line one\nline two"));
    EXPECT_EQ(valueOf(QStringLiteral("Owner Last Name"), text), QString());

    // The block built from the value read is exactly the stored one, so it can be replaced where it stands.
    const QString oldBlock = DataCentre::generateFullString(valueOf(firstName, text), firstName);
    const qsizetype at = text.indexOf(oldBlock);
    ASSERT_GE(at, 0);
    text.replace(at, oldBlock.size(), DataCentre::generateFullString(QStringLiteral("Bo\u00eb"), firstName));
    ASSERT_TRUE(PageText::write(path, text));

    const QString reread = PageText::read(path);
    EXPECT_EQ(valueOf(firstName, reread), QStringLiteral("Bo\u00eb"));
    EXPECT_EQ(valueOf(notes, reread), QStringLiteral("line one\nline two"));
    EXPECT_EQ(reread.indexOf(DataCentre::generateStartString(firstName)), at);
    EXPECT_EQ(reread.count(DataCentre::generateStartString(firstName)), 1);
    EXPECT_EQ(reread.left(at), samplePage().left(at));
}

TEST_F(PageMarkersTest, AppendingAddsTwoLineFeedsAndKeepsTheEncodingRule)
{
    const QString path = page(QStringLiteral("<html>"));
    ASSERT_TRUE(DataCentre::appendStringToFile(path, QStringLiteral("<!--A-->")));
    EXPECT_EQ(readBytes(path), QByteArray("<html>\n\n<!--A-->"));

    ASSERT_TRUE(DataCentre::appendStringToFile(path, QStringLiteral("\u00c5sa")));
    EXPECT_EQ(readBytes(path), utf16LeWithMark(QStringLiteral("<html>\n\n<!--A-->\n\n\u00c5sa")));
    EXPECT_EQ(PageText::read(path), QStringLiteral("<html>\n\n<!--A-->\n\n\u00c5sa"));
}

TEST_F(PageMarkersTest, UnreadableFilesGiveDefaultsAndAreNeverRewritten)
{
    const QByteArray utf8 =
        QByteArray("<meta name=\"keywords\" content=\"caf\xC3\xA9\">\n<!--USE BASE TEMPLATE-->\n"
                   "<!--PUBLISHEXTSTART==php==PUBLISHEXTEND-->\n");
    const QString path = pathInHome(QStringLiteral("utf8.html"));
    writeBytes(path, utf8);
    EXPECT_EQ(DataCentre::grabMetaKeywords(path), QString());
    EXPECT_EQ(DataCentre::grabEncodingType(path), QStringLiteral("UTF-8"));
    EXPECT_EQ(DataCentre::grabPublishExt(path), QString());
    EXPECT_FALSE(DataCentre::grabBaseTemplateStatusFlag(path));

    using Writer = std::function<bool(const QString&)>;
    const Writer writers[] = {
        [](const QString& p) { return DataCentre::applyPageTitle(p, QStringLiteral("T")); },
        [](const QString& p) { return DataCentre::applyPublishingExt(p, QStringLiteral("html")); },
        [](const QString& p) { return DataCentre::applyBaseTemplate(p, 0); },
        [](const QString& p) { return DataCentre::applyInheritMetadata(p, 1); },
        [](const QString& p) { return DataCentre::appendStringToFile(p, QStringLiteral("x")); },
    };
    const QString missing = homePath() + QStringLiteral("/missing.html");
    for (const Writer& write : writers) {
        EXPECT_FALSE(write(path));
        EXPECT_EQ(readBytes(path), utf8);
        EXPECT_FALSE(write(missing));
        EXPECT_FALSE(QFileInfo::exists(missing));
    }
}

TEST_F(PageMarkersTest, SourceCodeIsReadByTheFileOwnEncoding)
{
    const QString text = QStringLiteral("<html>caf\u00e9 \u20ac</html>");
    const struct {
        const char* name;
        QByteArray bytes;
        QString text;
    } cases[] = {
        {"UTF-8", text.toUtf8(), text},
        {"UTF-8 with mark", QByteArray("\xEF\xBB\xBF") + text.toUtf8(), text},
        {"UTF-16 with mark", utf16BeWithMark(text), text},
        {"Latin-1", QByteArray("caf\xE9"), QStringLiteral("caf\u00e9")},
        {"empty", QByteArray(), QStringLiteral("")},
    };
    const QString path = pathInHome(QStringLiteral("published.html"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeBytes(path, c.bytes);
        const QString read = DataCentre::grabSourceCode(path);
        EXPECT_FALSE(read.isNull());
        EXPECT_EQ(read, c.text);
    }
    EXPECT_TRUE(DataCentre::grabSourceCode(homePath() + QStringLiteral("/missing.html")).isNull());
}

} // namespace
