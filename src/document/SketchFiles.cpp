#include "document/SketchFiles.h"

#include "document/BmpFile.h"
#include "document/FileErrors.h"
#include "document/FileIo.h"
#include "document/IljFile.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <optional>
#include <system_error>

namespace {

std::string describe(const std::system_error& e) {
    switch (e.code().value()) {
    case ENOENT:
        return "файл или папка не найдены";
    case EACCES:
    case EPERM:
        return "нет доступа";
    case ENOSPC:
        return "на диске нет места";
    case EROFS:
        return "диск только для чтения";
    case EISDIR:
        return "это папка, а не файл";
    default:
        return e.code().message();
    }
}

} // namespace

TSketchFormat SketchFormatOf(const std::string& path) {
    std::string ext = std::filesystem::path(path).extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    if (ext == ".bmp") return TSketchFormat::Bmp;
    if (ext == ".ilj") return TSketchFormat::Ilj;
    return TSketchFormat::None;
}

gdi::BitmapPtr ReadSketchFile(const std::string& path) {
    const TSketchFormat format = SketchFormatOf(path);
    if (format == TSketchFormat::None)
        throw SketchFileError("неизвестное расширение файла (нужно .bmp или .ilj)");
    std::optional<MappedFile> file;
    try {
        file.emplace(path);
    } catch (const std::system_error& e) {
        throw SketchFileError(describe(e));
    }
    return format == TSketchFormat::Bmp ? ReadBmpImage(file->bytes()) : ReadIljImage(file->bytes());
}

gdi::BitmapPtr LoadSketchImage(const std::string& path) {
    try {
        return ReadSketchFile(path);
    } catch (const SketchFileError&) {
        return nullptr;
    }
}

void SaveSketchImage(const gdi::BitmapPtr& bitmap, const std::string& path) {
    std::vector<uint8_t> data;
    switch (SketchFormatOf(path)) {
    case TSketchFormat::Bmp:
        data = EncodeBmpImage(bitmap);
        break;
    case TSketchFormat::Ilj:
        data = EncodeIljImage(bitmap);
        break;
    case TSketchFormat::None:
        throw SketchFileError("неизвестное расширение файла (нужно .bmp или .ilj)");
    }
    try {
        WriteFileAtomically(path, data);
    } catch (const std::system_error& e) {
        throw SketchFileError(describe(e));
    }
}
