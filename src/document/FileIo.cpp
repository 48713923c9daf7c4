#include "document/FileIo.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>
#include <utility>
#include <vector>

namespace {

[[noreturn]] void fail(const std::string& what) {
    throw std::system_error(errno, std::generic_category(), what);
}

class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor() {
        if (m_fd >= 0) ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return m_fd; }
    // Closes now, so that errors of the close itself are seen.
    bool close() { return ::close(std::exchange(m_fd, -1)) == 0; }

  private:
    int m_fd;
};

} // namespace

MappedFile::MappedFile(const std::string& path) {
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) fail(path);
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) fail(path);
    if (!S_ISREG(st.st_mode)) {
        errno = EISDIR;
        fail(path);
    }
    m_size = size_t(st.st_size);
    if (m_size == 0) return;
    void* p = ::mmap(nullptr, m_size, PROT_READ, MAP_PRIVATE, fd.get(), 0);
    if (p == MAP_FAILED) fail(path);
    m_data = static_cast<const uint8_t*>(p);
}

MappedFile::~MappedFile() {
    if (m_data) ::munmap(const_cast<uint8_t*>(m_data), m_size);
}

void WriteFileAtomically(const std::string& path, std::span<const uint8_t> data) {
    const std::filesystem::path target(path);
    std::filesystem::path folder = target.parent_path();
    if (folder.empty()) folder = ".";
    std::string name = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    std::vector<char> temp(name.begin(), name.end());
    temp.push_back('\0');

    FileDescriptor fd(::mkstemp(temp.data()));
    if (fd.get() < 0) fail(path);
    const std::string tempPath(temp.data());
    try {
        // Keep the permissions of the file being replaced; a new file gets the usual ones.
        struct stat old {};
        mode_t mode = 0666;
        if (::stat(path.c_str(), &old) == 0) {
            mode = old.st_mode & 07777;
        } else {
            const mode_t mask = ::umask(0);
            ::umask(mask);
            mode &= ~mask;
        }
        if (::fchmod(fd.get(), mode) != 0) fail(path);
        size_t done = 0;
        while (done < data.size()) {
            const ssize_t n = ::write(fd.get(), data.data() + done, data.size() - done);
            if (n < 0) {
                if (errno == EINTR) continue;
                fail(path);
            }
            done += size_t(n);
        }
        if (::fdatasync(fd.get()) != 0) fail(path);
        if (!fd.close()) fail(path);
        if (::rename(tempPath.c_str(), path.c_str()) != 0) fail(path);
    } catch (...) {
        ::unlink(tempPath.c_str());
        throw;
    }
}
