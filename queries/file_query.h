// FilesDropped of 拖放对象1: the report of the dropped file, or a plain
// message when the file could not be read.
#pragma once
#include "foundation/values.h"
#include "foundation/whole_file_read.h"
#include "queries/digest_report.h"

void OnFileDropped(Text path);

// The report of a file read afresh for each section; when any read fails
// the result is the message for that failure instead.
Text BuildFileReport(Text path, FileReadOutcome* failure);

// Builds the report with any fetch; true when every fetch succeeded. The
// file query reports through this, so a failing read can be simulated.
struct FailableFetch {
    ByteBuffer (*fetch)(void* context, FileReadOutcome* outcome);
    void* context;
};
Text BuildReportUnlessReadFails(FailableFetch fetch, FileReadOutcome* failure);
