#include "PageFileTestSupport.h"

#include "document/format/PageText.h"

namespace {

class PageTextTest : public VelkTest {};

TEST_F(PageTextTest, AsciiTextIsStoredAsPlainBytes)
{
    const QString path = pathInHome("page.html");
    const QString text = QStringLiteral("<html>\n<!--PAGETITLESTART==Home==PAGETITLEEND-->\n");
    ASSERT_TRUE(PageText::write(path, text));
    EXPECT_EQ(readBytes(path), text.toLatin1());
    EXPECT_EQ(PageText::read(path), text);
}

TEST_F(PageTextTest, NonAsciiTextRoundTripsAsUtf16WithByteOrderMark)
{
    const QString cases[] = {
        QStringLiteral("Caf\u00e9 \u20ac5"),
        QStringLiteral("\u65e5\u672c\u8a9e\n<!--PAGETITLESTART==\u00dcber==PAGETITLEEND-->"),
        QString::fromUtf8("emoji \xF0\x9F\x98\x80 line\r\nnext"),
    };
    const QString path = pathInHome("page.html");
    for (const QString& text : cases) {
        SCOPED_TRACE(text.toStdString());
        ASSERT_TRUE(PageText::write(path, text));
        const QByteArray bytes = readBytes(path);
        EXPECT_EQ(bytes, utf16LeWithMark(text));
        EXPECT_EQ(PageText::read(path), text);
    }
}

TEST_F(PageTextTest, DecodesBothByteOrdersAndRefusesWhatIsNeither)
{
    const QString text = QStringLiteral("Zo\u00eb");
    EXPECT_EQ(PageText::decoded(utf16LeWithMark(text)), text);
    EXPECT_EQ(PageText::decoded(utf16BeWithMark(text)), text);
    // Text marked as UTF-16 that is plain ASCII still reads.
    EXPECT_EQ(PageText::decoded(utf16BeWithMark(QStringLiteral("abc"))), QStringLiteral("abc"));

    const struct {
        const char* name;
        QByteArray bytes;
    } unreadable[] = {
        {"UTF-8 without a mark", QByteArray("Caf\xC3\xA9")},
        {"odd length", utf16LeWithMark(text) + QByteArray("x")},
        {"mark only half there", QByteArray("\xFF")},
    };
    for (const auto& c : unreadable) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(PageText::decoded(c.bytes).isNull());
    }
}

TEST_F(PageTextTest, EmptyFileReadsAsEmptyTextAndMissingFileAsNone)
{
    const QString path = pathInHome("empty.html");
    writeBytes(path, QByteArray());
    const QString empty = PageText::read(path);
    EXPECT_FALSE(empty.isNull());
    EXPECT_TRUE(empty.isEmpty());
    EXPECT_TRUE(PageText::read(pathInHome("missing.html")).isNull());
}

TEST_F(PageTextTest, FailedWriteLeavesNoFile)
{
    const QString path = homePath() + QStringLiteral("/no/such/folder/page.html");
    EXPECT_FALSE(PageText::write(path, QStringLiteral("text")));
    EXPECT_FALSE(QFileInfo::exists(path));
}

TEST_F(PageTextTest, EveryLineBreakEndsOneLine)
{
    const struct {
        QString text;
        QStringList lines;
    } cases[] = {
        {QStringLiteral("a\nb"), {"a", "b"}},
        {QStringLiteral("a\r\nb\r\nc"), {"a", "b", "c"}},
        {QStringLiteral("a\rb"), {"a", "b"}},
        {QStringLiteral("a\n\nb"), {"a", "", "b"}},
        {QStringLiteral("a\r\n\r\nb"), {"a", "", "b"}},
        {QStringLiteral("a\n\rb"), {"a", "", "b"}},
        {QStringLiteral("a\u2028b\u2029c\u0085d"), {"a", "b", "c", "d"}},
        {QStringLiteral("a\n"), {"a", ""}},
        {QString(), {""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(PageText::lines(c.text), c.lines);
    }
}

TEST_F(PageTextTest, ScannedLinesSkipLeadingBlanksAndEmptyLines)
{
    EXPECT_EQ(PageText::scannedLines(QStringLiteral("  a b \n\n \t\r\n\tc\r\n")), QStringList({"a b ", "c"}));
    EXPECT_EQ(PageText::firstScannedLine(QStringLiteral(" \n\t <!--\r\nrest")), QStringLiteral("<!--"));
    EXPECT_EQ(PageText::firstScannedLine(QStringLiteral(" \n ")), QString());
}

} // namespace
