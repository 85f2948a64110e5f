#include "queries/file_query.h"

#include "application/control_access.h"
#include "application/program_state.h"
#include "foundation/block_memory.h"
#include "foundation/text_operations.h"
#include "queries/shortcut_target.h"

namespace {

constexpr char SeveralFilesMessage[] = "一次只能查询一个文件";
constexpr char TooLargePrefix[] = "文件太大，无法查询：";
constexpr char UnreadablePrefix[] = "无法读取文件：";

struct FailureWatch {
    FailableFetch inner;
    FileReadOutcome failure;
};

// After one read has failed the rest are skipped: the report is discarded.
ByteBuffer FetchWatchingForFailure(void* context)
{
    auto* watch = static_cast<FailureWatch*>(context);
    if (watch->failure != FileReadOutcome::Read)
        return nullptr;
    FileReadOutcome outcome = FileReadOutcome::Read;
    ByteBuffer content = watch->inner.fetch(watch->inner.context, &outcome);
    if (outcome != FileReadOutcome::Read) {
        ReleaseBlock(content);
        watch->failure = outcome;
        return nullptr;
    }
    return content;
}

Text FileFailureMessage(FileReadOutcome failure, Text path)
{
    return ConcatText({failure == FileReadOutcome::TooLarge ? TooLargePrefix : UnreadablePrefix, path});
}

ByteBuffer FetchWholeFile(void* context, FileReadOutcome* outcome)
{
    return ReadWholeFile(static_cast<Text>(context), outcome);
}

}

Text BuildReportUnlessReadFails(FailableFetch fetch, FileReadOutcome* failure)
{
    FailureWatch watch{fetch, FileReadOutcome::Read};
    Text report = BuildDigestReport({FetchWatchingForFailure, &watch});
    *failure = watch.failure;
    if (watch.failure == FileReadOutcome::Read)
        return report;
    ReleaseBlock(report);
    return nullptr;
}

Text BuildFileReport(Text path, FileReadOutcome* failure)
{
    Text report = BuildReportUnlessReadFails({FetchWholeFile, const_cast<char*>(path ? path : "")}, failure);
    return report ? report : FileFailureMessage(*failure, path);
}

void OnFileDropped(Text path)
{
    // A list of several files is the only text with CR LF in it.
    const bool severalFiles = FindInText(path, "\r\n") > 0;
    ShortcutResolution resolution = ShortcutResolution::NotShortcut;
    Text newPath = nullptr;
    if (FindInText(path, ".lnk") == -1) {
        newPath = CopyText(path);
    } else {
        resolution = ResolveShortcut(path, &newPath);
        // Not a shortcut after all (notes.lnk.txt): the file is what it is.
        if (resolution == ShortcutResolution::NotShortcut && !severalFiles)
            newPath = CopyText(path);
    }
    ReplaceDroppedFilePath(newPath);

    Text shown = nullptr;
    if (severalFiles) {
        shown = ConcatText({SeveralFilesMessage});
    } else if (resolution == ShortcutResolution::Failed) {
        shown = FileFailureMessage(FileReadOutcome::Unreadable, path);
    } else {
        FileReadOutcome failure;
        shown = BuildFileReport(DroppedFilePath, &failure);
    }
    WriteControlText(编辑框1, shown);
    ReleaseBlock(shown);
    ReleaseSpareBlocks();
}
