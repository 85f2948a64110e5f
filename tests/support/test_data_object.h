// A data object made by a test: chosen formats with chosen bytes, and a
// count of every GetData call, to act as any drag source would.
#pragma once
#include <ole2.h>
#include <string>
#include <vector>
#include <windows.h>

struct OfferedFormat {
    CLIPFORMAT format;
    std::string bytes;  // the whole global memory block, exactly
    bool getDataFails = false;
};

IDataObject* CreateTestDataObject(const std::vector<OfferedFormat>& formats);

// GetData calls made so far on an object of CreateTestDataObject.
int GetDataCalls(IDataObject* object);

// The shell's file list as a drop handle's bytes.
std::string AnsiFileList(const std::vector<std::string>& paths);
std::string WideFileList(const std::vector<std::wstring>& paths);

CLIPFORMAT HtmlFormat();
