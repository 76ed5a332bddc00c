#include "any_value.h"

#include <cmath>

#include "core/decimal.h"

namespace vx {

namespace {

// As printf's "%.15g" writes it, without linking printf's formatting code into the exe.
std::wstring DoubleText(double x) {
    if (std::isnan(x)) return L"nan";
    const std::wstring sign = std::signbit(x) ? L"-" : L"";
    if (std::isinf(x)) return sign + L"inf";
    if (x == 0) return sign + L"0";
    const double a = std::fabs(x);
    int e = static_cast<int>(std::floor(std::log10(a)));
    const auto digits = [&] { return std::llround(a / std::pow(10.0, e) * 1e14); };
    long long m = digits();  // 15 significant digits
    if (m >= 1000000000000000LL) ++e, m = digits();
    std::wstring d = DecimalText(m);
    while (d.size() > 1 && d.back() == L'0') d.pop_back();
    if (e < -4 || e >= 15) {
        const std::wstring mantissa = d.size() > 1 ? d.substr(0, 1) + L"." + d.substr(1) : d;
        return sign + mantissa + (e < 0 ? L"e-" : L"e+") + DecimalText(e < 0 ? -e : e, 2);
    }
    if (e < 0) return sign + L"0." + std::wstring(-e - 1, L'0') + d;
    if (d.size() <= static_cast<size_t>(e) + 1) return sign + d + std::wstring(e + 1 - d.size(), L'0');
    return sign + d.substr(0, e + 1) + L"." + d.substr(e + 1);
}

}  // namespace

std::wstring AnyValue::ToText() const {
    switch (kind()) {
        case Kind::Empty:
            return {};
        case Kind::UInt8:
            return DecimalText(AsUInt8());
        case Kind::Int16:
            return DecimalText(AsInt16());
        case Kind::Int32:
            return DecimalText(AsInt32());
        case Kind::Text:
            return AsText();
        case Kind::Bytes: {
            std::wstring out;
            for (std::uint8_t b : AsBytes()) out.push_back(static_cast<wchar_t>(b));
            return out;
        }
        case Kind::Boolean:
            return AsBool() ? L"True" : L"False";
        case Kind::Double:
            return DoubleText(AsDouble());
    }
    return {};
}

}  // namespace vx
