#include "core/long/long_precision.h"

#include "core/input/read_number.h"
#include "core/long/long_kernel.h"

namespace numerel {

Precision ReadPrecision(const std::string& answer) {
    return {.until_repeat = answer == "0", .digits = ReadLeadingNumber(answer)};
}

bool PrecisionTooLarge(const Precision& precision) {
    return !(precision.digits <= static_cast<double>(kMaxLongDigits));
}

}  // namespace numerel
