#include <cstddef>
#include <cstdint>

#include "xml/XmlReader.h"

// Arbitrary bytes as a level map file: the read must succeed or fail cleanly, never crash,
// leak or run into undefined behaviour.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    XmlReader reader;
    reader.ReadBuffer(reinterpret_cast<const char*>(data), size);
    return 0;
}
