#include "drag_source.h"

#include "support/test_data_object.h"

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
        if (++rounds < 4)
            return S_OK;
        QueryPerformanceCounter(&droppedAt);
        return DRAGDROP_S_DROP;
    }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }

    LARGE_INTEGER droppedAt{};

private:
    LONG references = 1;
    int rounds = 0;
};

}

HRESULT DropFilesOn(const ProgramUnderTest& program, Component over, POINT point,
                    const std::vector<std::string>& paths, LARGE_INTEGER* droppedAt)
{
    ClientToScreen(program.Control(over), &point);
    MoveCursorTo(point);
    IDataObject* data = CreateTestDataObject({{CF_HDROP, AnsiFileList(paths)}});
    auto* source = new ReleasingDropSource;
    DWORD effect = DROPEFFECT_NONE;
    const HRESULT result = DoDragDrop(data, source, DROPEFFECT_COPY | DROPEFFECT_MOVE, &effect);
    if (droppedAt)
        *droppedAt = source->droppedAt;
    source->Release();
    data->Release();
    return result;
}
