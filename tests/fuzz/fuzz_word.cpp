// The package reader and the word layer: any file opened as a document either
// gives its paragraphs and tables, copied and pasted, or fails with the layer's
// own error (a message for the user). Anything else is a fault.
#include <cstdint>

#include "word_walk.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::writeDocument(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    fuzz::walkDocument();
    return 0;
}
