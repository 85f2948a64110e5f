// The drop target component with data objects made by the test.
#include "application/drop_target.h"
#include "support/block_counting.h"
#include "support/test_data_object.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <string>
#include <vector>

namespace {

struct RaisedEvent {
    ComponentEvent event;
    std::string text;
};

void Record(void* context, ComponentEvent event, Text text)
{
    static_cast<std::vector<RaisedEvent>*>(context)->push_back({event, text ? text : ""});
}

constexpr int32_t DefinitionSwitches[5] = {1, 1, 0, 0, 1};
constexpr DWORD AllEffects = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;

class DropTargetTest : public testing::Test {
protected:
    void SetUp() override { target = CreateDropTarget(DefinitionSwitches, Record, &events); }
    void TearDown() override { target->Release(); }

    // Enter, then drop with the same keys; returns Drop's answer.
    HRESULT DragAndDrop(IDataObject* data, DWORD keys, DWORD offered, DWORD* enterEffect, DWORD* dropEffect)
    {
        POINTL point{10, 10};
        *enterEffect = offered;
        target->DragEnter(data, keys, point, enterEffect);
        *dropEffect = offered;
        return target->Drop(data, keys, point, dropEffect);
    }

    std::vector<RaisedEvent> DropAndCollect(const std::vector<OfferedFormat>& formats)
    {
        IDataObject* data = CreateTestDataObject(formats);
        DWORD enter = 0, drop = 0;
        EXPECT_EQ(DragAndDrop(data, 0, AllEffects, &enter, &drop), E_FAIL);
        data->Release();
        std::vector<RaisedEvent> raised = events;
        events.clear();
        return raised;
    }

    IDropTarget* target = nullptr;
    std::vector<RaisedEvent> events;
};

TEST(DropEffectTest, EveryKeyCombinationAndOffer)
{
    struct Case {
        bool accepted;
        DWORD keys;
        DWORD offered;
        DWORD expected;
    };
    const DWORD CopyLink = DROPEFFECT_COPY | DROPEFFECT_LINK;
    const Case cases[] = {
        {false, 0, AllEffects, DROPEFFECT_NONE},
        {false, MK_CONTROL, AllEffects, DROPEFFECT_NONE},
        {true, 0, AllEffects, DROPEFFECT_COPY},
        {true, 0, DROPEFFECT_MOVE | DROPEFFECT_LINK, DROPEFFECT_MOVE},
        {true, 0, DROPEFFECT_LINK, DROPEFFECT_LINK},
        {true, 0, DROPEFFECT_NONE, DROPEFFECT_NONE},
        {true, MK_CONTROL, AllEffects, DROPEFFECT_COPY},
        {true, MK_CONTROL, DROPEFFECT_MOVE | DROPEFFECT_LINK, DROPEFFECT_NONE},
        {true, MK_SHIFT, AllEffects, DROPEFFECT_MOVE},
        {true, MK_SHIFT, CopyLink, DROPEFFECT_NONE},
        {true, MK_CONTROL | MK_SHIFT, AllEffects, DROPEFFECT_NONE},
        // Alt and the mouse buttons do not count.
        {true, MK_ALT | MK_LBUTTON, AllEffects, DROPEFFECT_COPY},
        {true, MK_SHIFT | MK_RBUTTON, AllEffects, DROPEFFECT_MOVE},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChooseDropEffect(c.accepted, c.keys, c.offered), c.expected)
            << c.accepted << " keys " << c.keys << " offered " << c.offered;
}

TEST_F(DropTargetTest, FileListsOfEveryShape)
{
    struct Case {
        const char* what;
        std::string list;
        std::vector<std::string> expectedFilesDropped;  // empty vector: no event at all
    };
    const std::string longPath = "C:\\" + std::string(600, 'p') + ".txt";
    const Case cases[] = {
        {"no entries", AnsiFileList({}), {""}},
        {"one ANSI entry", AnsiFileList({"C:\\a.txt"}), {"C:\\a.txt"}},
        {"two ANSI entries", AnsiFileList({"C:\\a.txt", "C:\\b.txt"}), {"C:\\a.txt\r\nC:\\b.txt\r\n"}},
        {"one wide entry", WideFileList({L"C:\\w.txt"}), {"C:\\w.txt"}},
        {"two wide entries", WideFileList({L"C:\\w.txt", L"C:\\v.txt"}), {"C:\\w.txt\r\nC:\\v.txt\r\n"}},
        {"a path beyond MAX_PATH", AnsiFileList({longPath}), {longPath}},
        {"a list without its terminator", AnsiFileList({"C:\\a.txt"}).substr(0, sizeof(DROPFILES) + 4), {}},
        {"a header alone", AnsiFileList({}).substr(0, sizeof(DROPFILES)), {}},
        {"an empty list with one NUL", AnsiFileList({}).substr(0, sizeof(DROPFILES) + 1), {}},
        {"no wide entries", WideFileList({}), {""}},
        {"less than a header", std::string(3, '\0'), {}},
    };
    for (const Case& c : cases) {
        std::vector<RaisedEvent> raised = DropAndCollect({{CF_HDROP, c.list}});
        ASSERT_EQ(raised.size(), c.expectedFilesDropped.size()) << c.what;
        for (size_t i = 0; i < raised.size(); ++i) {
            EXPECT_EQ(raised[i].event, ComponentEvent::FilesDropped) << c.what;
            EXPECT_EQ(raised[i].text, c.expectedFilesDropped[i]) << c.what;
        }
    }
}

TEST_F(DropTargetTest, PlainTextHtmlAndTheirOrder)
{
    // Text is read only within its block, terminated or not.
    auto raised = DropAndCollect({{CF_TEXT, std::string("hello\0junk", 10)}});
    ASSERT_EQ(raised.size(), 1u);
    EXPECT_EQ(raised[0].event, ComponentEvent::TextDropped);
    EXPECT_EQ(raised[0].text, "hello");

    raised = DropAndCollect({{CF_TEXT, "unterminated"}});
    ASSERT_EQ(raised.size(), 1u);
    EXPECT_EQ(raised[0].text, "unterminated");

    // HTML beside the text silences the text.
    raised = DropAndCollect({{HtmlFormat(), "<b>x</b>"}, {CF_TEXT, std::string("x\0", 2)}});
    EXPECT_TRUE(raised.empty());

    // Text first, files second.
    raised = DropAndCollect({{CF_HDROP, AnsiFileList({"C:\\a.txt"})}, {CF_TEXT, std::string("t\0", 2)}});
    ASSERT_EQ(raised.size(), 2u);
    EXPECT_EQ(raised[0].event, ComponentEvent::TextDropped);
    EXPECT_EQ(raised[1].event, ComponentEvent::FilesDropped);
    EXPECT_EQ(raised[1].text, "C:\\a.txt");

    // A list that cannot be had at the drop raises nothing.
    raised = DropAndCollect({{CF_HDROP, AnsiFileList({"C:\\a.txt"}), true}});
    EXPECT_TRUE(raised.empty());
}

TEST_F(DropTargetTest, UnacceptedOrRefusedDropsReadNothingAndAnswerEFail)
{
    IDataObject* neither = CreateTestDataObject({{HtmlFormat(), "<b>x</b>"}});
    DWORD enter = 0, drop = 0;
    EXPECT_EQ(DragAndDrop(neither, 0, AllEffects, &enter, &drop), E_FAIL);
    EXPECT_EQ(enter, DROPEFFECT_NONE);
    EXPECT_EQ(drop, DROPEFFECT_NONE);
    EXPECT_EQ(GetDataCalls(neither), 0);
    neither->Release();

    IDataObject* files = CreateTestDataObject({{CF_HDROP, AnsiFileList({"C:\\a.txt"})}});
    EXPECT_EQ(DragAndDrop(files, MK_CONTROL | MK_SHIFT, AllEffects, &enter, &drop), E_FAIL);
    EXPECT_EQ(enter, DROPEFFECT_NONE);
    EXPECT_EQ(GetDataCalls(files), 0);
    EXPECT_TRUE(events.empty());

    // Shift asks for a move: the report is made, the answer is still E_FAIL.
    EXPECT_EQ(DragAndDrop(files, MK_SHIFT, AllEffects, &enter, &drop), E_FAIL);
    EXPECT_EQ(enter, DROPEFFECT_MOVE);
    EXPECT_EQ(drop, DROPEFFECT_MOVE);
    EXPECT_EQ(events.size(), 1u);

    // Leaving clears the flag; DragOver then keeps the no-drop effect.
    DWORD over = AllEffects;
    target->DragLeave();
    target->DragOver(0, POINTL{0, 0}, &over);
    EXPECT_EQ(over, DROPEFFECT_NONE);
    files->Release();
}

TEST_F(DropTargetTest, DropLeavesNothingOnTheHeap)
{
    PrivateBlockHeap heap;
    DropAndCollect({{CF_HDROP, AnsiFileList({"C:\\a.txt", "C:\\b.txt"})}, {CF_TEXT, std::string("t\0", 2)}});
    EXPECT_EQ(heap.BlocksInUse(), 0u);
}

TEST(DropRegistrationTest, AComponentRecordsOneWindowInItsLife)
{
    OleInitialize(nullptr);
    IDropTarget* target = CreateDropTarget(DefinitionSwitches, nullptr, nullptr);
    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    EXPECT_TRUE(RegisterDropTargetWindow(target, window));
    EXPECT_FALSE(RegisterDropTargetWindow(target, window));
    RevokeDragDrop(window);
    DestroyWindow(window);
    target->Release();

    // Refused by the platform, the window is recorded all the same.
    IDropTarget* refused = CreateDropTarget(DefinitionSwitches, nullptr, nullptr);
    EXPECT_FALSE(RegisterDropTargetWindow(refused, reinterpret_cast<HWND>(0x1234)));
    HWND other = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    EXPECT_FALSE(RegisterDropTargetWindow(refused, other));
    DestroyWindow(other);
    refused->Release();
    OleUninitialize();
}

}
