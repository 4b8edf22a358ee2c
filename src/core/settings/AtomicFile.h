#pragma once
// Replacing a file so that it is, at every moment, either the old file whole or the new
// file whole: the new bytes go to a temporary file beside it, are flushed to the disk,
// and only then renamed over it. A crash, a full disk or a missing permission at any
// step leaves the old file as it was.

#include <filesystem>
#include <string>
#include <string_view>

namespace kanavo {

struct WriteStatus {
    bool ok = true;
    std::string error; // why it failed, for the user or a log; empty when ok

    explicit operator bool() const { return ok; }
    static WriteStatus failure(std::string message) { return {false, std::move(message)}; }
};

// A temporary file written and flushed beside `target`, not yet in its place. Until
// commit() the target is untouched; destroying an uncommitted replacement removes the
// temporary file. A symbolic link at `target` is followed, so the link stays a link.
class PendingReplacement {
public:
    // Creates the target's folder when it is missing.
    PendingReplacement(const std::filesystem::path& target, std::string_view bytes);
    ~PendingReplacement();
    PendingReplacement(const PendingReplacement&) = delete;
    PendingReplacement& operator=(const PendingReplacement&) = delete;

    // The outcome of writing the temporary file.
    const WriteStatus& status() const { return m_status; }
    const std::filesystem::path& temporaryPath() const { return m_temporary; }
    // Renames the temporary file over the target (when the write succeeded).
    WriteStatus commit();

private:
    std::filesystem::path m_target;
    std::filesystem::path m_temporary;
    WriteStatus m_status;
    bool m_committed = false;
};

WriteStatus replaceFileAtomically(const std::filesystem::path& target, std::string_view bytes);

} // namespace kanavo
