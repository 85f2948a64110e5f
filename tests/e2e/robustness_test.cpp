// Large and unusual input through the real window.
#include "foundation/block_memory.h"
#include "foundation/byte_buffer_operations.h"
#include "program_driver.h"
#include "queries/digest_report.h"

#include <gtest/gtest.h>

#include <string>

namespace {

ByteBuffer FetchText(void* context)
{
    return TextToBytes(static_cast<const std::string*>(context)->c_str());
}

// The report that the digest engine makes of these bytes, in this process.
std::string ReportOf(const std::string& text)
{
    Text report = BuildDigestReport({FetchText, const_cast<std::string*>(&text)});
    std::string result = report;
    ReleaseBlock(report);
    return result;
}

std::string QueryThroughWindow(const ProgramUnderTest& program)
{
    program.PutText(编辑框1, "");
    program.ClickCentre(按钮1);
    WaitUntil([&] { return !program.TextOf(编辑框1).empty(); }, 60000);
    return program.TextOf(编辑框1);
}

TEST(RobustnessTest, AMillionCharactersOfInput)
{
    ProgramUnderTest program;
    program.PasteText(编辑框2, std::string(1000000, 'a'));
    DWORD_PTR length = 0;
    SendMessageTimeoutA(program.Control(编辑框2), WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 60000, &length);
    ASSERT_EQ(length, 1000000u);
    const std::string report = QueryThroughWindow(program);
    // The published digests of one million "a" (RFC 1321 suite, FIPS 180).
    EXPECT_EQ(report.substr(0, 36), "MD5:7707D6AE4E027C70EEA2A935C2296F21");
    EXPECT_NE(report.find("SHA1:34AA973CD4C4DAA4F61EEB2BDBAD27316534016F"), std::string::npos);
    EXPECT_EQ(report.size(), 486u);
}

// Every character that code page 936 can express: printable ASCII, then
// each double-byte code that converts to Unicode and back unchanged.
std::string EveryCodePage936Character()
{
    std::string text;
    for (int c = 0x20; c < 0x7F; ++c)
        text.push_back(static_cast<char>(c));
    for (int lead = 0x81; lead <= 0xFE; ++lead)
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
            wchar_t wide[2];
            if (MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, pair, 2, wide, 2) != 1)
                continue;
            char back[4];
            BOOL lossy = FALSE;
            if (WideCharToMultiByte(936, 0, wide, 1, back, 4, nullptr, &lossy) == 2 && !lossy &&
                back[0] == pair[0] && back[1] == pair[1])
                text.append(pair, 2);
        }
    return text;
}

TEST(RobustnessTest, EveryCodePage936CharacterIsHashedAsItsBytes)
{
    const std::string text = EveryCodePage936Character();
    ASSERT_GT(text.size(), 40000u);
    ProgramUnderTest program;
    program.PasteText(编辑框2, text);
    ASSERT_EQ(program.TextOf(编辑框2), text);
    EXPECT_EQ(QueryThroughWindow(program), ReportOf(text));
}

TEST(RobustnessTest, APasteWithLineBreaksIntoTheOneLineBox)
{
    ProgramUnderTest program;
    program.PasteText(编辑框2, "first line\r\nsecond line\r\n");
    const std::string held = program.TextOf(编辑框2);
    EXPECT_EQ(held.find('\n'), std::string::npos) << "a one-line box holding a line break";
    EXPECT_EQ(QueryThroughWindow(program), ReportOf(held));
}

TEST(RobustnessTest, CaseSwitchOfAHundredThousandCharactersOfTheUsersOwn)
{
    std::string own, lower;
    for (int i = 0; own.size() < 100000; ++i) {
        own += (i % 3 == 0) ? "中文" : (i % 3 == 1 ? "MixedCase" : "0123");
        lower += (i % 3 == 0) ? "中文" : (i % 3 == 1 ? "mixedcase" : "0123");
    }
    ProgramUnderTest program;
    program.PutText(编辑框1, own);
    program.ClickAt(选择框1, 6, 8);
    EXPECT_TRUE(WaitUntil([&] { return program.TextOf(编辑框1) == lower; }, 30000));
}

}
