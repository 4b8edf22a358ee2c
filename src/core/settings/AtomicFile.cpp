#include "settings/AtomicFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace kanavo {
namespace {

std::string systemError(const std::string& what, const std::filesystem::path& path, int error) {
    return what + " " + path.string() + ": " + std::strerror(error);
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// So that the rename itself survives a power cut; a failure here does not undo it.
void syncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

PendingReplacement::PendingReplacement(const std::filesystem::path& target, std::string_view bytes)
    : m_target(target) {
    std::error_code ec;
    if (std::filesystem::is_symlink(m_target, ec)) {
        const std::filesystem::path resolved = std::filesystem::weakly_canonical(m_target, ec);
        if (!ec) {
            m_target = resolved;
        }
    }
    std::filesystem::path folder = m_target.parent_path();
    if (folder.empty()) {
        folder = ".";
    }
    if (m_target.filename().empty()) {
        m_status = WriteStatus::failure("not a file name: " + m_target.string());
        return;
    }
    std::filesystem::create_directories(folder, ec);
    if (ec) {
        m_status = WriteStatus::failure("cannot create the folder " + folder.string() + ": " + ec.message());
        return;
    }

    const std::string pattern = (folder / (m_target.filename().string() + ".tmp-XXXXXX")).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) {
        m_status = WriteStatus::failure(systemError("cannot create a temporary file in", folder, errno));
        return;
    }
    m_temporary = name.data();

    struct stat old {};
    if (::stat(m_target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
        ::fchmod(fd, old.st_mode & 07777);
    }
    const bool written = writeAll(fd, bytes);
    const int writeError = errno;
    const bool synced = written && ::fsync(fd) == 0;
    const int syncError = errno;
    const bool closed = ::close(fd) == 0;
    if (!written || !synced || !closed) {
        const int error = !written ? writeError : (!synced ? syncError : errno);
        m_status = WriteStatus::failure(systemError("cannot write", m_temporary, error));
        ::unlink(m_temporary.c_str());
        m_temporary.clear();
    }
}

PendingReplacement::~PendingReplacement() {
    if (!m_committed && !m_temporary.empty()) {
        ::unlink(m_temporary.c_str());
    }
}

WriteStatus PendingReplacement::commit() {
    if (!m_status) {
        return m_status;
    }
    if (m_committed) {
        return {};
    }
    if (::rename(m_temporary.c_str(), m_target.c_str()) != 0) {
        return WriteStatus::failure(systemError("cannot replace", m_target, errno));
    }
    m_committed = true;
    syncFolder(m_target.parent_path().empty() ? std::filesystem::path(".") : m_target.parent_path());
    return {};
}

WriteStatus replaceFileAtomically(const std::filesystem::path& target, std::string_view bytes) {
    PendingReplacement pending(target, bytes);
    return pending.commit();
}

} // namespace kanavo
