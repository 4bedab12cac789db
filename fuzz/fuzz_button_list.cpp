// The button list reader: any text reads without a fault, and a list that
// Tovanix writes reads back as the same list.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "display/ButtonList.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const TBtnList list = ReadButtonList(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::string written = WriteButtonList(list);
    if (WriteButtonList(ReadButtonList(written)) != written) std::abort();
    return 0;
}
