// The number conversion: any text that reads as a number has a text form that
// reads back as the same number, and any finite value's text form reads back.
#include <QString>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/numbers/numbers.h"

namespace {

void require(bool holds, const char* what, const QString& text) {
    if (holds)
        return;
    std::fprintf(stderr, "%s: «%s»\n", what, text.toUtf8().constData());
    std::abort();
}

// text(value) reads back, finite, within the 15 digits it keeps.
void roundTrip(double value) {
    const QString text = numbers::text(value);
    require(!text.isEmpty(), "a finite value has no text form", QString::number(value, 'g', 17));
    const std::optional<double> back = numbers::parse(text);
    require(back.has_value(), "the text form does not read back", text);
    require(std::isfinite(*back), "the text form reads back as no finite value", text);
    require(std::fabs(*back - value) <= std::fabs(value) * 1e-14, "the text form reads back changed", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (const std::optional<double> value = numbers::parse(text)) {
        require(std::isfinite(*value), "a text reads as no finite value", text);
        roundTrip(*value);
    }
    // The same bytes as a value, whatever its bits.
    if (size >= sizeof(double)) {
        double value;
        std::memcpy(&value, data, sizeof value);
        if (std::isfinite(value))
            roundTrip(value);
        else
            require(numbers::text(value).isEmpty(), "a value that is not finite has a text form", text);
    }
    return 0;
}
