#include "testroot.h"
#include "textfile.h"

#include <gtest/gtest.h>

using namespace kvidrel;

namespace {

QString tempFile(const TestRoot &root, const char *name)
{
    return root.tempPath() + u'/' + QString::fromLatin1(name);
}

} // namespace

TEST(Ansi, EveryByteDecodesAndTheUnassignedOnesKeepTheirValue)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = ansi::decode(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(text.at(0x80), QChar(0x20AC));
    EXPECT_EQ(text.at(0x81), QChar(0x0081));
    EXPECT_EQ(text.at(0x8D), QChar(0x008D));
    EXPECT_EQ(text.at(0x8F), QChar(0x008F));
    EXPECT_EQ(text.at(0x90), QChar(0x0090));
    EXPECT_EQ(text.at(0x9D), QChar(0x009D));
    EXPECT_EQ(text.at(0xE6), QChar(u'æ'));
    // ... and every byte survives a round trip.
    EXPECT_EQ(ansi::encode(text), all);
}

TEST(Ansi, UnrepresentableCharactersBecomeAQuestionMark)
{
    EXPECT_EQ(ansi::encode(QStringLiteral("Ωa€")), QByteArray("?a\x80"));
    // A character outside the basic plane is one '?', not two.
    EXPECT_EQ(ansi::encode(QString::fromUtf8("x\xF0\x9F\x98\x80y")), QByteArray("x?y"));
}

TEST(TextFile, LinesAreCutAtEveryKindOfBreakWithoutAnEmptyLastLine)
{
    EXPECT_EQ(splitLines(QStringLiteral("a\r\nb\rc\nd")), (QStringList{"a", "b", "c", "d"}));
    EXPECT_EQ(splitLines(QStringLiteral("a\r\n")), QStringList{"a"});
    EXPECT_EQ(splitLines(QStringLiteral("a\r\n\r\nb\n\n")), (QStringList{"a", "", "b", ""}));
    EXPECT_EQ(splitLines(QString()), QStringList{});
    EXPECT_EQ(splitLines(QStringLiteral("\r\n")), QStringList{""});
}

TEST(TextFile, ByteOrderMarksSelectTheEncodingAndAreKeptOnWriting)
{
    TestRoot root;
    struct Case
    {
        QByteArray bytes;
        TextEncoding encoding;
    };
    const Case cases[] = {
        {QByteArray("\xEF\xBB\xBF\xC3\xA6"
                    "bler\r\n\xC3\xB8\r\n"),
         TextEncoding::Utf8},
        {QByteArray("\xFF\xFE\xE6\x00"
                    "b\x00\r\x00\n\x00\xF8\x00\r\x00\n\x00",
                    16),
         TextEncoding::Utf16LE},
        {QByteArray("\xFE\xFF\x00\xE6\x00"
                    "b\x00\r\x00\n\x00\xF8\x00\r\x00\n",
                    16),
         TextEncoding::Utf16BE},
        {QByteArray("\xE6"
                    "b\r\n\xF8\r\n"),
         TextEncoding::Ansi},
    };
    const QString path = tempFile(root, "liste.txt");
    for (const Case &c : cases) {
        writeAllBytes(path, c.bytes);
        const TextLines read = readLines(path);
        EXPECT_EQ(read.encoding, c.encoding);
        EXPECT_EQ(read.lines.size(), 2);
        EXPECT_EQ(read.lines.value(1), QStringLiteral("ø"));
        writeLines(path, read);
        EXPECT_EQ(readAllBytes(path), c.bytes);
    }
}

TEST(TextFile, WritingEndsEveryLineWithCrLfInTheCodePage)
{
    TestRoot root;
    const QString path = tempFile(root, "ud.txt");
    writeLines(path, {QStringLiteral("æøå"), QString(), QStringLiteral("€")});
    EXPECT_EQ(readAllBytes(path), QByteArray("\xE6\xF8\xE5\r\n\r\n\x80\r\n"));
    writeLines(path, QStringList{});
    EXPECT_EQ(readAllBytes(path), QByteArray());
}

TEST(TextFile, WrittenLinesReadBackUnchangedWhereBytesAloneWouldMislead)
{
    TestRoot root;
    const QString path = tempFile(root, "tvetydig.txt");
    // In the code page these are the bytes of UTF-8 "æ" and of "ɒ", and of
    // the three marks.
    const QStringList tvetydige[] = {{QStringLiteral("Ã¦")},
                                     {QStringLiteral("CAFÉ’en"), "2"},
                                     {QStringLiteral("ÿþ"), "x"},
                                     {QStringLiteral("þÿ\t¼")},
                                     {QStringLiteral("ï»¿Ã†)þÿ")}};
    for (const QStringList &lines : tvetydige) {
        writeLines(path, lines);
        EXPECT_EQ(readLineList(path), lines);
    }
    // Only the first mark is the file's; a second one belongs to the text.
    const QStringList medMaerke{QStringLiteral("\uFEFFa")};
    writeLines(path, medMaerke, TextEncoding::Utf8);
    EXPECT_EQ(readAllBytes(path), QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF"
                                             "a\r\n"));
    EXPECT_EQ(readLineList(path), medMaerke);
    writeLines(path, medMaerke, TextEncoding::Utf8NoMark);
    EXPECT_EQ(readLineList(path), medMaerke);
}

TEST(TextFile, AFailedWriteLeavesTheOldFileAndReportsIt)
{
    TestRoot root;
    EXPECT_THROW(writeLines(root.tempPath() + "/mangler/x.txt", {"a"}), FileError);
    EXPECT_THROW(readLines(root.tempPath() + "/mangler.txt"), FileError);
}

TEST(TextFile, CommentsKeepTheirTextAndNormaliseBreaks)
{
    TestRoot root;
    const QString path = tempFile(root, "kommentar.txt");
    writeAllBytes(path, QByteArray("en\rto\nen\r\ntre\r\n"));
    TextEncoding encoding;
    EXPECT_EQ(readComment(path, &encoding), QStringLiteral("en\r\nto\r\nen\r\ntre\r\n"));
    EXPECT_EQ(encoding, TextEncoding::Ansi);

    writeComment(path, QStringLiteral("linje\r\nslut"));
    EXPECT_EQ(readAllBytes(path), QByteArray("linje\r\nslut"));

    writeComment(path, QStringLiteral("ø"), TextEncoding::Utf8);
    EXPECT_EQ(readAllBytes(path), QByteArray("\xEF\xBB\xBF\xC3\xB8"));
}
