#include "application/window_definition.h"

#include "queries/file_query.h"
#include "queries/drop_registration.h"
#include "queries/home_page_link.h"
#include "queries/input_clearing.h"
#include "queries/report_case.h"
#include "queries/text_query.h"

namespace {
constexpr COLORREF Black = RGB(0, 0, 0);
constexpr COLORREF Blue = RGB(0, 0, 255);
constexpr DWORD OneLineEdit = ES_LEFT | ES_AUTOHSCROLL;
constexpr DWORD ReportEdit = ES_LEFT | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
}

const MainWindowDefinition MainWindow = {
    "QuorvikMD5哈希值查询工具",
    50, 50, 418, 362,
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
    {
        {标签4, ComponentKind::Label, 127, 307, 176, 24, HomePageAddress, 0, 0, false, true, Blue, {}},
        {标签3, ComponentKind::Label, 69, 307, 54, 24, "Quorvik", 0, 0, false, true, Black, {}},
        {按钮1, ComponentKind::Button, 288, 16, 72, 24, "查询文本",
         BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER, 0, true, true, Black, {}},
        {编辑框2, ComponentKind::EditBox, 32, 16, 248, 24, "查询文本MD5值复制到此框中点查询，双击清空！",
         OneLineEdit, WS_EX_STATICEDGE, true, true, Black, {}},
        {选择框1, ComponentKind::CheckBox, 288, 56, 72, 16, "小写显示",
         BS_AUTOCHECKBOX | BS_MULTILINE | BS_LEFT | BS_VCENTER, 0, true, true, Black, {}},
        {拖放对象1, ComponentKind::DropTarget, 192, 104, 48, 32, nullptr, 0, 0, false, false, Black,
         {1, 1, 0, 0, 1}},
        {标签1, ComponentKind::Label, 38, 51, 240, 24, "非文本内容请将需要查询的文件拖入此窗口", 0, 0, false,
         true, Black, {}},
        {编辑框1, ComponentKind::EditBox, 13, 80, 384, 224, "", ReportEdit, WS_EX_STATICEDGE, true, true,
         Black, {}},
    },
};

const EventBinding EventTable[] = {
    {窗口, ComponentEvent::Created, OnMainWindowCreated, nullptr, nullptr},
    {按钮1, ComponentEvent::Clicked, OnQueryButtonClicked, nullptr, nullptr},
    {选择框1, ComponentEvent::Clicked, OnCaseBoxClicked, nullptr, nullptr},
    {编辑框2, ComponentEvent::DoubleClicked, nullptr, OnInputBoxDoubleClicked, nullptr},
    {标签4, ComponentEvent::LeftButtonReleased, nullptr, OnLinkLabelMouseUp, nullptr},
    {拖放对象1, ComponentEvent::FilesDropped, nullptr, nullptr, OnFileDropped},
};
const int EventTableSize = sizeof EventTable / sizeof EventTable[0];

const ComponentDefinition& DefinitionOf(Component control)
{
    return MainWindow.controls[control - 1];
}
