#include "core/long/long_messages.h"

#include <cmath>

#include "core/long/long_kernel.h"

namespace numerel {

namespace {

// 12345678 -> "12,345,678"
std::string Grouped(double value) {
    const std::string digits = std::to_string(static_cast<long long>(std::llround(value)));
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) grouped.push_back(',');
        grouped.push_back(digits[i]);
    }
    return grouped;
}

}  // namespace

const char* const kDivisionPrecisionPrompt =
    "在下面文本框中输入您希望达到的精确度位数.\r\n不能超过 2,147,483,648 位\r\n\r\n"
    "如果希望运算到直至出现循环为止,在文本框中输入 0 ";
const char* const kDivisionPrecisionTitle = "设定精确度";
const char* const kSqrtPrecisionPrompt =
    "在下面文本框中输入您希望达到的精确度位数.\r\n不能超过 999,999,999,999,999 位";
const char* const kSqrtPrecisionTitle = kAppTitle;

Message ZeroDivisorMessage() {
    return {"除数为零!", "除数为零!", MessageIcon::Exclamation, MessageButtons::Ok};
}

Message PrecisionNoticeMessage() {
    return {"请点击 '确定',然后设定精确度", "设定精确度", MessageIcon::None, MessageButtons::Ok};
}

Message PrecisionTooLargeMessage() {
    return {"精确度位数太大,最多 " + Grouped(static_cast<double>(kMaxLongDigits)) + " 位",
            "设定精确度", MessageIcon::Exclamation, MessageButtons::Ok};
}

Message RefusalMessage(LongRefusal refusal) {
    return refusal == LongRefusal::ZeroDivisor ? ZeroDivisorMessage() : PrecisionTooLargeMessage();
}

Message RepetendNotFoundMessage() {
    return {"已算到 " + Grouped(static_cast<double>(kMaxLongDigits)) + " 位,仍未出现循环,运算停止",
            "设定精确度", MessageIcon::Information, MessageButtons::Ok};
}

Message PowerTooLargeMessage() {
    return {"次数太大,请小于 2147483647 ", "超出范围", MessageIcon::Exclamation,
            MessageButtons::Ok};
}

Message FactorialTooLargeMessage() {
    return {"A最大2,147,483,647", kAppTitle, MessageIcon::Exclamation, MessageButtons::Ok};
}

Message ResultTooLongMessage(double digits) {
    return {"结果约有 " + Grouped(digits) + " 位,超过了 " +
                Grouped(static_cast<double>(kMaxLongDigits)) + " 位的上限",
            "超出范围", MessageIcon::Exclamation, MessageButtons::Ok};
}

Message ConfirmLongResultMessage(double digits) {
    return {"结果约有 " + Grouped(digits) + " 位,计算需要较长时间和大量内存.\r\n要继续吗?",
            "结果很大", MessageIcon::Exclamation, MessageButtons::OkCancel};
}

Message NotANumeralMessage(const std::string& name) {
    return {name + "只能由数字和一个小数点组成", "输入错误", MessageIcon::Exclamation,
            MessageButtons::Ok};
}

Message NotAnIntegerMessage() {
    return {"请输入整数:只能由数字组成,不能有小数点、正负号或其他字符", "输入错误",
            MessageIcon::Exclamation, MessageButtons::Ok};
}

}  // namespace numerel
