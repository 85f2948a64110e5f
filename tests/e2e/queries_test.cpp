// The text query and the small handlers, driven through the real window.
#include "program_driver.h"
#include "support/known_digests.h"
#include "support/scratch_files.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Md5LineOf(const std::string& report)
{
    return report.substr(0, report.find("\r\n"));
}

struct TextCase {
    const char* input;  // null: the untouched hint text
    const char* md5;
    const char* sha256;
};

TEST(TextQueryTest, ReportsOfTypicalInputs)
{
    ProgramUnderTest program;
    const TextCase cases[] = {
        {nullptr, "A41F1003157C738923184016077EF8E3",
         "C1AE65317192B53D54B610BB7A18B74F237C4A59728E685835FDE4F5434181B7"},
        {"", EmptyMd5, EmptySha256},
        {"abc", AbcMd5, AbcSha256},
        // Hashed as its code page 936 bytes.
        {"中文测试：哈希值", "677C2005A588DBD3E84816DCCFA6ACC2",
         "A271A244E88C1A3CB771B7A0F382F23214EE816638185124A39504E47DD89BAE"},
    };
    for (const TextCase& c : cases) {
        if (c.input)
            program.PutText(编辑框2, c.input);
        program.PutText(编辑框1, "previous content");
        program.ClickCentre(按钮1);
        ASSERT_TRUE(WaitUntil([&] { return program.TextOf(编辑框1) != "previous content"; }));
        const std::string report = program.TextOf(编辑框1);
        EXPECT_EQ(report.size(), 486u);
        EXPECT_EQ(Md5LineOf(report), std::string("MD5:") + c.md5);
        EXPECT_NE(report.find(std::string("\r\n\r\nSHA256:") + c.sha256 + "\r\n\r\n"), std::string::npos);
    }
    program.PutText(编辑框2, "abc");
    program.ClickCentre(按钮1);
    EXPECT_EQ(program.TextOf(编辑框1), AbcReport());
    program.PutText(编辑框2, "");
    program.ClickCentre(按钮1);
    EXPECT_EQ(program.TextOf(编辑框1), EmptyMessageReport());
}

TEST(TextQueryTest, SpaceOnTheFocusedButtonQueries)
{
    ProgramUnderTest program;
    program.PutText(编辑框2, "abc");
    program.PressKey(VK_TAB, true);
    ASSERT_EQ(program.FocusedWindow(), program.Control(按钮1));
    program.PressKey(VK_SPACE);
    EXPECT_TRUE(WaitUntil([&] { return program.TextOf(编辑框1) == AbcReport(); }));
}

std::string Lower(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

TEST(ReportCaseTest, CaseBoxConvertsTheWholeBoxAndNewReportsStayUpper)
{
    ProgramUnderTest program;
    program.PutText(编辑框2, "abc");
    program.ClickCentre(按钮1);
    ASSERT_EQ(program.TextOf(编辑框1), AbcReport());

    program.ClickAt(选择框1, 6, 8);
    EXPECT_EQ(SendMessageA(program.Control(选择框1), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(program.TextOf(编辑框1), Lower(AbcReport()));
    Sleep(GetDoubleClickTime() + 100);

    program.ClickAt(选择框1, 6, 8);
    EXPECT_EQ(program.TextOf(编辑框1), AbcReport());
    Sleep(GetDoubleClickTime() + 100);

    // A user's own text is converted too, Chinese left intact.
    program.PutText(编辑框1, "Mixed 中文 Text");
    program.ClickAt(选择框1, 6, 8);
    EXPECT_EQ(program.TextOf(编辑框1), "mixed 中文 text");

    // Checked box, new query: the report comes out upper case.
    program.ClickCentre(按钮1);
    EXPECT_EQ(program.TextOf(编辑框1), AbcReport());
    EXPECT_EQ(SendMessageA(program.Control(选择框1), BM_GETCHECK, 0, 0), BST_CHECKED);
    Sleep(GetDoubleClickTime() + 100);

    // An empty box stays empty.
    program.PutText(编辑框1, "");
    program.ClickAt(选择框1, 6, 8);
    EXPECT_EQ(program.TextOf(编辑框1), "");
}

TEST(InputClearingTest, DoubleClickEmptiesTheInputBoxButASingleClickDoesNot)
{
    ProgramUnderTest program;
    program.ClickCentre(编辑框2);
    EXPECT_EQ(program.TextOf(编辑框2), "查询文本MD5值复制到此框中点查询，双击清空！");
    Sleep(GetDoubleClickTime() + 100);
    program.DoubleClickCentre(编辑框2);
    EXPECT_TRUE(WaitUntil([&] { return program.TextOf(编辑框2).empty(); }, 3000));
    Sleep(GetDoubleClickTime() + 100);
    program.DoubleClickCentre(编辑框2);
    EXPECT_EQ(program.TextOf(编辑框2), "");
}

// Points the https handler of this prefix at the recorder for one test.
class RecordedBrowser {
public:
    RecordedBrowser()
    {
        RegCreateKeyExA(HKEY_CLASSES_ROOT, "https\\shell\\open\\command", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr);
        char previous[1024] = "";
        DWORD size = sizeof previous;
        hadPrevious = RegQueryValueExA(key, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(previous), &size) ==
                      ERROR_SUCCESS;
        previousCommand = previous;
        const std::string command = "\"" + TestProgramFolder() + "url_recorder.exe\" \"%1\"";
        RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                       static_cast<DWORD>(command.size() + 1));
        DeleteFileA(LogPath().c_str());
    }
    ~RecordedBrowser()
    {
        if (hadPrevious)
            RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(previousCommand.c_str()),
                           static_cast<DWORD>(previousCommand.size() + 1));
        else
            RegDeleteValueA(key, nullptr);
        RegCloseKey(key);
    }
    static std::string LogPath() { return TestProgramFolder() + "url_recorder.log"; }

private:
    HKEY key = nullptr;
    bool hadPrevious = false;
    std::string previousCommand;
};

TEST(HomePageLinkTest, ReleasingTheButtonOverTheLabelOpensTheHomePage)
{
    RecordedBrowser browser;
    ProgramUnderTest program;
    RECT label;
    GetClientRect(program.Control(标签4), &label);
    program.ClickAt(标签4, 3, 3, true);
    Sleep(1500);
    EXPECT_FALSE(FileExists(RecordedBrowser::LogPath())) << "the right button opened the page";

    // The whole rectangle counts, not only the text.
    program.ClickAt(标签4, label.right - 2, label.bottom - 2);
    ASSERT_TRUE(WaitUntil([] { return FileExists(RecordedBrowser::LogPath()); }, 15000));
    WaitUntil([] { return ReadFileBytes(RecordedBrowser::LogPath()).find('\n') != std::string::npos; }, 5000);
    EXPECT_EQ(ReadFileBytes(RecordedBrowser::LogPath()), "https://quorvik.example/\n");
    EXPECT_TRUE(program.Running());
}

}
