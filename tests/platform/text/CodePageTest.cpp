#include "platform/text/CodePage.h"
#include "platform/text/Utf8.h"

#include <gtest/gtest.h>

using text::CodePage;

namespace {
// "工程名称" in CP936, written out so the test does not depend on the encoder it checks.
const std::string kGongChengMingCheng = "\xB9\xA4\xB3\xCC\xC3\xFB\xB3\xC6";
} // namespace

TEST(CodePage, DecodesAndEncodesChineseAndAscii) {
    CodePage cp936("CP936");
    ASSERT_TRUE(cp936.IsValid());
    EXPECT_EQ(cp936.Decode("A:" + kGongChengMingCheng), L"A:工程名称");
    bool lossy = true;
    EXPECT_EQ(cp936.Encode(L"A:工程名称", &lossy), "A:" + kGongChengMingCheng);
    EXPECT_FALSE(lossy);
    for (const wchar_t* symbols : {L"：，★◆▽＆≥@", L"仿宋 GB2312"})
        EXPECT_EQ(cp936.Decode(cp936.Encode(symbols)), symbols);
}

TEST(CodePage, InvalidBytesDecodeToEscapesAndRoundTrip) {
    CodePage cp936("CP936");
    // A lone lead byte at the end, an invalid trail byte, and 0xFF, which starts nothing.
    const std::string bytes =
        std::string("ok\xB9", 3) + "\x81\x7F" + "\xFF" + kGongChengMingCheng + "\xB9";
    std::wstring decoded = cp936.Decode(bytes);
    EXPECT_EQ(decoded.substr(0, 2), L"ok");
    EXPECT_TRUE(text::IsEscapedByte(decoded.back()));
    EXPECT_NE(decoded.find(L"工程名称"), std::wstring::npos);
    bool lossy = true;
    EXPECT_EQ(cp936.Encode(decoded, &lossy), bytes);
    EXPECT_FALSE(lossy);
    // Telling whether bytes decode agrees with the decoding, each fault alone too, also after
    // runs of ASCII long enough to be passed over whole.
    EXPECT_FALSE(cp936.Holds(bytes));
    const std::string ascii = "$BEGIN NOTE OF PRJ\r\n";
    for (const std::string& fault : {std::string("\xB9"), std::string("\x81\x7F"),
                                     std::string("\xFF"), std::string("\x81\n")}) {
        bool valid = true;
        cp936.Decode(ascii + fault + ascii, &valid);
        EXPECT_FALSE(valid);
        EXPECT_FALSE(cp936.Holds(ascii + fault + ascii)) << fault;
        EXPECT_FALSE(cp936.Holds(ascii + kGongChengMingCheng + fault)) << fault;
    }
    EXPECT_TRUE(cp936.Holds(ascii + kGongChengMingCheng + ascii + kGongChengMingCheng));
    EXPECT_TRUE(cp936.Holds(""));
}

TEST(CodePage, CharactersOutsideTheCodePageBecomeQuestionMarksAndAreReported) {
    CodePage cp936("CP936");
    bool lossy = false;
    EXPECT_EQ(cp936.Encode(L"a•b✓", &lossy), "a?b?");
    EXPECT_TRUE(lossy);
    lossy = false;
    EXPECT_EQ(cp936.Encode(std::wstring(1, static_cast<wchar_t>(0xD800)), &lossy), "?");
    EXPECT_TRUE(lossy);
}

TEST(CodePage, MultiByteCodePagesWithoutTablesStillWork) {
    // GB18030 and UTF-8 have sequences longer than two bytes and go through iconv directly.
    CodePage gb18030("GB18030");
    std::string bytes = gb18030.Encode(L"工程•✓");
    EXPECT_EQ(gb18030.Decode(bytes), L"工程•✓");
    CodePage utf8("UTF-8");
    EXPECT_EQ(utf8.Decode(std::string("a\xE5\xB7\xA5\xFF", 5)),
              std::wstring(L"a工") + wchar_t(0xDCFF));
}

TEST(CodePage, UnknownNamesAreRefusedAndTheCurrentOneStays) {
    EXPECT_FALSE(CodePage("NO-SUCH-PAGE").IsValid());
    EXPECT_FALSE(text::SetAnsiCodePage("NO-SUCH-PAGE"));
    EXPECT_EQ(text::AnsiCodePage().Name(), "CP936");
    EXPECT_TRUE(text::SetAnsiCodePage("CP1252"));
    EXPECT_EQ(text::AnsiCodePage().Decode("\xE9"), L"é");
    EXPECT_TRUE(text::SetAnsiCodePage("CP936"));
}

TEST(Utf8, EscapedBytesTravelAsRawBytesAndBadSequencesEscape) {
    std::string nonUtf8Name("P\xB9\xA4.itm", 7);
    std::wstring decoded = text::FromUtf8(nonUtf8Name);
    EXPECT_EQ(text::ToUtf8(decoded), nonUtf8Name);
    EXPECT_EQ(text::FromUtf8("\xE5\xB7\xA5"), L"工");
    EXPECT_EQ(text::FromUtf8("\xC0\x80"),
              std::wstring({wchar_t(0xDCC0), wchar_t(0xDC80)})); // overlong
    EXPECT_EQ(text::ToUtf8(std::wstring(1, static_cast<wchar_t>(0xD800))), "\xEF\xBF\xBD");
}
