// Title-block maps: any bytes give at most 101 records.
#include "document/TitleBlock.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto records = ParseTitleBlockMap({data, size});
    if (records.size() > MaxTitleBlockRecords || records.size() > size / TitleBlockRecordSize) std::abort();
    return 0;
}
