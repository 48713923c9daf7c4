#pragma once
// Reading whole files without copying them, and replacing files so that a failed write
// never destroys what was there.

#include <cstdint>
#include <span>
#include <string>

// A file mapped read-only for the life of the object.
class MappedFile {
  public:
    // Throws std::system_error when the file cannot be opened or mapped.
    explicit MappedFile(const std::string& path);
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    std::span<const uint8_t> bytes() const { return {m_data, m_size}; }

  private:
    const uint8_t* m_data = nullptr;
    size_t m_size = 0;
};

// Writes the data to a new file in the same folder, flushes its data to the disk and renames
// it over path. On failure the temporary file is removed, an existing file at path is
// left as it was, and std::system_error is thrown.
void WriteFileAtomically(const std::string& path, std::span<const uint8_t> data);
