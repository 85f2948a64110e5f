#include "application/drop_target.h"

#include "application/event_dispatch.h"
#include "application/window_layer.h"
#include "foundation/block_memory.h"
#include "foundation/text_operations.h"

#include <shellapi.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <cstddef>

namespace {

enum Switch { AcceptText = 1, AcceptHtml = 2, AcceptUrl = 3, AcceptFiles = 4 };

class DropTarget final : public IDropTarget {
public:
    DropTarget(const int32_t switchRecord[5], DropEventSink eventSink, void* eventContext)
        : sink(eventSink), context(eventContext)
    {
        for (int i = 0; i < 5; ++i)
            switches[i] = switchRecord[i];
        htmlFormat = static_cast<CLIPFORMAT>(RegisterClipboardFormatA("HTML Format"));
        urlFormat = static_cast<CLIPFORMAT>(RegisterClipboardFormatA("UniformResourceLocator"));
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override
    {
        static const QITAB interfaces[] = {QITABENT(DropTarget, IDropTarget), {nullptr, 0}};
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

    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL, DWORD* effect) override
    {
        accepted = false;
        const CLIPFORMAT formats[5] = {0, CF_TEXT, htmlFormat, urlFormat, CF_HDROP};
        for (int which = AcceptText; which <= AcceptFiles && !accepted; ++which) {
            if (switches[which] != 1)
                continue;
            FORMATETC format = GlobalFormat(formats[which]);
            accepted = data && data->QueryGetData(&format) == S_OK;
        }
        *effect = ChooseDropEffect(accepted, keys, *effect);
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL, DWORD* effect) override
    {
        *effect = ChooseDropEffect(accepted, keys, *effect);
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE DragLeave() override
    {
        accepted = false;
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL, DWORD* effect) override
    {
        *effect = ChooseDropEffect(accepted, keys, *effect);
        if (*effect == DROPEFFECT_NONE || !data)
            return E_FAIL;
        if (switches[AcceptText] == 1)
            DeliverText(data);
        if (switches[AcceptHtml] == 1)
            DeliverPlain(data, htmlFormat, ComponentEvent::HtmlDropped);
        if (switches[AcceptUrl] == 1)
            DeliverPlain(data, urlFormat, ComponentEvent::UrlDropped);
        if (switches[AcceptFiles] == 1)
            DeliverFiles(data);
        // The system never takes over, moves or removes what was dropped.
        return E_FAIL;
    }

    HWND registeredWindow = nullptr;
    bool windowRecorded = false;

private:
    static FORMATETC GlobalFormat(CLIPFORMAT format)
    {
        return FORMATETC{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    }

    void Raise(ComponentEvent event, Text text)
    {
        if (sink)
            sink(context, event, text);
    }

    // Foreign data: read only within its memory block, NUL or not.
    static Text TextOfMedium(const STGMEDIUM& medium)
    {
        const SIZE_T size = GlobalSize(medium.hGlobal);
        const char* bytes = static_cast<const char*>(GlobalLock(medium.hGlobal));
        Text text = bytes ? TextFromBoundedBytes(bytes, size) : nullptr;
        if (bytes)
            GlobalUnlock(medium.hGlobal);
        return text;
    }

    void DeliverPlain(IDataObject* data, CLIPFORMAT clipFormat, ComponentEvent event)
    {
        FORMATETC format = GlobalFormat(clipFormat);
        STGMEDIUM medium{};
        if (data->GetData(&format, &medium) != S_OK)
            return;
        Text text = TextOfMedium(medium);
        ReleaseStgMedium(&medium);
        Raise(event, text);
        ReleaseBlock(text);
    }

    void DeliverText(IDataObject* data)
    {
        FORMATETC html = GlobalFormat(htmlFormat);
        STGMEDIUM medium{};
        if (data->GetData(&html, &medium) == S_OK) {
            ReleaseStgMedium(&medium);
            return;
        }
        DeliverPlain(data, CF_TEXT, ComponentEvent::TextDropped);
    }

    void DeliverFiles(IDataObject* data)
    {
        FORMATETC format = GlobalFormat(CF_HDROP);
        STGMEDIUM medium{};
        if (data->GetData(&format, &medium) != S_OK)
            return;
        if (!IsWellFormedFileList(medium.hGlobal)) {
            ReleaseStgMedium(&medium);
            return;
        }
        HDROP list = static_cast<HDROP>(medium.hGlobal);
        const UINT count = DragQueryFileA(list, 0xFFFFFFFF, nullptr, 0);
        Text joined = nullptr;
        for (UINT index = 0; index < count; ++index) {
            const UINT length = DragQueryFileA(list, index, nullptr, 0);
            char* path = static_cast<char*>(AllocateBlock(static_cast<size_t>(length) + 1));
            path[0] = '\0';
            DragQueryFileA(list, index, path, length + 1);
            path[length] = '\0';
            Text longer = count == 1 ? ConcatText({path}) : ConcatText({joined, path, "\r\n"});
            ReleaseBlock(path);
            ReleaseBlock(joined);
            joined = longer;
        }
        ReleaseStgMedium(&medium);
        Raise(ComponentEvent::FilesDropped, joined ? joined : "");
        ReleaseBlock(joined);
    }

    // The list must lie inside its block and end with its double NUL there,
    // or the shell's own reading of it would run past the end: it always
    // looks one character beyond a terminator, even in an empty list.
    static bool IsWellFormedFileList(HGLOBAL block)
    {
        const SIZE_T size = GlobalSize(block);
        const auto* bytes = static_cast<const unsigned char*>(GlobalLock(block));
        if (!bytes)
            return false;
        bool wellFormed = false;
        if (size >= sizeof(DROPFILES)) {
            const auto* header = reinterpret_cast<const DROPFILES*>(bytes);
            const size_t unit = header->fWide ? 2 : 1;
            for (size_t at = header->pFiles; at + 2 * unit <= size && at >= sizeof(DROPFILES); at += unit) {
                bool endsHere = true;
                for (size_t k = 0; k < 2 * unit; ++k)
                    endsHere = endsHere && bytes[at + k] == 0;
                if (endsHere) {
                    wellFormed = true;
                    break;
                }
            }
        }
        GlobalUnlock(block);
        return wellFormed;
    }

    LONG references = 1;
    int32_t switches[5];
    DropEventSink sink;
    void* context;
    bool accepted = false;
    CLIPFORMAT htmlFormat;
    CLIPFORMAT urlFormat;
};

constexpr char ComponentClass[] = "QuorvikDropTarget";

void RaiseComponentEvent(void* context, ComponentEvent event, Text text)
{
    RaiseTextEvent(static_cast<Component>(reinterpret_cast<INT_PTR>(context)), event, text);
}

DropTarget* TargetOf(HWND componentWindow)
{
    return reinterpret_cast<DropTarget*>(GetWindowLongPtrA(componentWindow, GWLP_USERDATA));
}

LRESULT CALLBACK ComponentProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        if (DropTarget* target = TargetOf(window)) {
            if (target->registeredWindow)
                RevokeDragDrop(target->registeredWindow);
            SetWindowLongPtrA(window, GWLP_USERDATA, 0);
            target->Release();
        }
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}

IDropTarget* CreateDropTarget(const int32_t switches[5], DropEventSink sink, void* context)
{
    return new DropTarget(switches, sink, context);
}

bool RegisterDropTargetWindow(IDropTarget* target, HWND window)
{
    auto* ours = static_cast<DropTarget*>(target);
    if (!ours || ours->windowRecorded)
        return false;
    ours->windowRecorded = true;
    ours->registeredWindow = window;
    return RegisterDragDrop(window, ours) == S_OK;
}

bool RegisterDropWindow(Component component, HWND window)
{
    return RegisterDropTargetWindow(TargetOf(ComponentWindow(component)), window);
}

DWORD ChooseDropEffect(bool accepted, DWORD keyState, DWORD offered)
{
    if (!accepted)
        return DROPEFFECT_NONE;
    const bool ctrl = keyState & MK_CONTROL;
    const bool shift = keyState & MK_SHIFT;
    if (ctrl && shift)
        return DROPEFFECT_NONE;
    if (ctrl)
        return offered & DROPEFFECT_COPY ? DROPEFFECT_COPY : DROPEFFECT_NONE;
    if (shift)
        return offered & DROPEFFECT_MOVE ? DROPEFFECT_MOVE : DROPEFFECT_NONE;
    if (offered & DROPEFFECT_COPY)
        return DROPEFFECT_COPY;
    if (offered & DROPEFFECT_MOVE)
        return DROPEFFECT_MOVE;
    if (offered & DROPEFFECT_LINK)
        return DROPEFFECT_LINK;
    return DROPEFFECT_NONE;
}

HWND CreateDropTargetComponent(HWND parent, HINSTANCE instance, const ComponentDefinition& definition)
{
    WNDCLASSEXA componentClass{};
    componentClass.cbSize = sizeof componentClass;
    componentClass.lpfnWndProc = ComponentProcedure;
    componentClass.hInstance = instance;
    componentClass.lpszClassName = ComponentClass;
    RegisterClassExA(&componentClass);
    HWND window = CreateWindowExA(0, ComponentClass, "", WS_CHILD | WS_CLIPSIBLINGS, definition.left,
                                  definition.top, definition.width, definition.height, parent,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(definition.name)), instance,
                                  nullptr);
    if (!window)
        return nullptr;
    IDropTarget* target = CreateDropTarget(
        definition.dropSwitches, RaiseComponentEvent,
        reinterpret_cast<void*>(static_cast<INT_PTR>(definition.name)));
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(target));
    return window;
}
