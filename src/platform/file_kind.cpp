#include "platform/file_kind.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "platform/texts.h"

namespace textaria::platform {

std::FILE* openRegularFile(const std::filesystem::path& path, std::string& reason) {
    // Non-blocking, so that opening a FIFO returns at once; the check then refuses it.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        reason = std::generic_category().message(errno);
        return nullptr;
    }
    struct stat info {};
    const bool statOk = ::fstat(fd, &info) == 0;
    const int statError = errno;
    if (!statOk || !S_ISREG(info.st_mode)) {
        reason = !statOk                 ? std::generic_category().message(statError)
                 : S_ISDIR(info.st_mode) ? std::generic_category().message(EISDIR)
                                         : std::string(texts::kNotRegularFile);
        ::close(fd);
        return nullptr;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    std::FILE* file = ::fdopen(fd, "rb");
    if (!file) {
        reason = std::generic_category().message(errno);
        ::close(fd);
    }
    return file;
}

std::string replaceableOutputReason(const std::filesystem::path& path) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (!std::filesystem::exists(status) || std::filesystem::is_regular_file(status)) return {};
    if (std::filesystem::is_directory(status)) return std::generic_category().message(EISDIR);
    return texts::kNotRegularFile;
}

}  // namespace textaria::platform
