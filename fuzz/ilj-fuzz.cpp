// Compressed sketch files: read, refused, or a damaged stream; never more output than
// the header implies.
#include "document/FileErrors.h"
#include "document/IljFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        ReadIljImage({data, size});
    } catch (const SketchFileError&) {
    } catch (const DecompressionError&) {
    }
    return 0;
}
