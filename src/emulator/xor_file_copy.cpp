#include "emulator/xor_file_copy.h"

#include <vector>

#include "emulator/session_paths.h"
#include "emulator/state_scrambler.h"

namespace emulator {
namespace {

// Large enough that per-call overhead vanishes against the disk, small enough to stay a few MiB.
constexpr std::size_t kChunkSize = 1 << 20;

CopyResult Failure(CopyResult::Failed side, const FileError& error) { return CopyResult{side, error}; }

}  // namespace

CopyResult ScrambledCopy(SessionFiles& files, std::u16string_view source, std::u16string_view target,
                         const CopyOptions& options)
{
    FileError error;
    auto input = files.OpenExclusive(source, error);
    if (!input)
        return Failure(CopyResult::Failed::SourceOpen, error);
    auto output = files.CreateReplacement(target, error);
    if (!output)
        return Failure(CopyResult::Failed::Target, error);

    std::vector<std::byte> buffer(kChunkSize);
    std::uint64_t offset = 0;
    for (;;) {
        auto count = input->Read(buffer, error);
        if (!count)
            return Failure(CopyResult::Failed::SourceRead, error);
        if (*count == 0)
            break;
        std::span<std::byte> chunk(buffer.data(), *count);
        if (options.digestOfSource)
            options.digestOfSource->Add(chunk);
        ScrambleInPlace(chunk, offset);
        if (options.digestOfTarget)
            options.digestOfTarget->Add(chunk);
        offset += *count;
        if (!output->Write(chunk, error))
            return Failure(CopyResult::Failed::Target, error);
    }
    if (!output->Commit(options.keepReplacedAs, error))
        return Failure(CopyResult::Failed::Target, error);
    return {};
}

std::optional<StateDigest> DigestOfFile(SessionFiles& files, std::u16string_view path, CopyResult& failure)
{
    FileError error;
    auto input = files.OpenExclusive(path, error);
    if (!input) {
        failure = Failure(CopyResult::Failed::SourceOpen, error);
        return std::nullopt;
    }
    StateDigester digester;
    std::vector<std::byte> buffer(kChunkSize);
    for (;;) {
        auto count = input->Read(buffer, error);
        if (!count) {
            failure = Failure(CopyResult::Failed::SourceRead, error);
            return std::nullopt;
        }
        if (*count == 0)
            return digester.Finish();
        digester.Add(std::span(buffer.data(), *count));
    }
}

CopyResult XorFileCopy(SessionFiles& files, Desktop& desktop, std::u16string_view source, CopyDirection direction,
                       const CopyOptions& options)
{
    const std::u16string& target = direction == CopyDirection::Unpack ? g_strTempStateFile : g_strLaunchedEmulationFile;
    CopyResult result = ScrambledCopy(files, source, target, options);
    if (direction == CopyDirection::Unpack)
        ReportUnpackFailure(desktop, result, source, target);
    return result;
}

void ReportUnpackFailure(Desktop& desktop, const CopyResult& result, std::u16string_view source, std::u16string_view target)
{
    if (result.failed == CopyResult::Failed::SourceOpen)
        desktop.ShowMessage(desktop.LanguageText(u"IDS_PCKovrin_FileNoFind"));
    else if (!result.Ok())
        desktop.ShowFileError(result.FailedPath(source, target), result.error);
}

}  // namespace emulator
