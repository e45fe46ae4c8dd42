// The word layer's walks over a document's body: the input is the main part
// (word/document.xml) of an otherwise sound package, so every input reaches the
// XML instead of failing the zip's checks. As with fuzz_word, only the layer's
// own error may come out.
#include <cstdint>

#include "platform/office/word_blank.h"
#include "word_walk.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ooxml::Package package = word::blankPackage();
    package.setBytes(QStringLiteral("word/document.xml"),
                     QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    fuzz::writeDocument(package.toBytes());
    fuzz::walkDocument();
    return 0;
}
