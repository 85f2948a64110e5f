// Real OLE drag and drop from this process onto the running program.
#include "program_driver.h"
#include "support/known_digests.h"
#include "support/scratch_files.h"
#include "support/test_data_object.h"

#include <gtest/gtest.h>
#include <ole2.h>
#include <shlwapi.h>

namespace {

// Lets go of the button after a few rounds of the drag loop.
class ReleasingDropSource final : public IDropSource {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override
    {
        static const QITAB interfaces[] = {QITABENT(ReleasingDropSource, IDropSource), {nullptr, 0}};
        return QISearch(this, interfaces, riid, object);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references)); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const LONG left = InterlockedDecrement(&references);
        if (left == 0)
            delete this;
        return static_cast<ULONG>(left);
    }
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escapePressed, DWORD) override
    {
        if (escapePressed)
            return DRAGDROP_S_CANCEL;
        return ++rounds >= 4 ? DRAGDROP_S_DROP : S_OK;
    }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }

private:
    LONG references = 1;
    int rounds = 0;
};

class DragDropTest : public testing::Test {
protected:
    void SetUp() override { OleInitialize(nullptr); }
    void TearDown() override { OleUninitialize(); }

    // Drags the list from this process and lets go over the point.
    HRESULT DropFilesAt(const ProgramUnderTest& program, Component over, POINT point,
                        const std::vector<std::string>& paths)
    {
        ClientToScreen(program.Control(over), &point);
        WaitUntil([point] {
            SetCursorPos(point.x, point.y);
            Sleep(20);
            POINT now;
            GetCursorPos(&now);
            return now.x == point.x && now.y == point.y;
        }, 3000);
        IDataObject* data = CreateTestDataObject({{CF_HDROP, AnsiFileList(paths)}});
        IDropSource* source = new ReleasingDropSource;
        DWORD effect = DROPEFFECT_NONE;
        const HRESULT result = DoDragDrop(data, source, DROPEFFECT_COPY | DROPEFFECT_MOVE, &effect);
        source->Release();
        data->Release();
        program.Settle();
        return result;
    }
};

TEST_F(DragDropTest, TheWholeWindowIsOneDropArea)
{
    const std::string folder = ScratchFolder("drag-drop");
    WriteFileBytes(folder + "abc.txt", "abc");
    WriteFileBytes(folder + "empty.txt", "");
    ProgramUnderTest program;
    ASSERT_NE(program.Main(), nullptr);

    // Over the report box: the program reads the file and answers E_FAIL.
    EXPECT_EQ(DropFilesAt(program, 编辑框1, {100, 100}, {folder + "abc.txt"}), E_FAIL);
    EXPECT_TRUE(WaitUntil([&] { return program.TextOf(编辑框1) == AbcReport(); }, 10000))
        << program.TextOf(编辑框1);

    // Over the bare client area below the report box, and over a label.
    DropFilesAt(program, 窗口, {8, 320}, {folder + "empty.txt"});
    EXPECT_TRUE(WaitUntil([&] { return program.TextOf(编辑框1) == EmptyMessageReport(); }, 10000));
    DropFilesAt(program, 标签1, {5, 5}, {folder + "abc.txt", folder + "empty.txt"});
    EXPECT_TRUE(WaitUntil([&] { return program.TextOf(编辑框1) == "一次只能查询一个文件"; }, 10000));
}

}
