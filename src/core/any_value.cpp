#include "any_value.h"

#include <cstdio>

namespace vx {

std::wstring AnyValue::ToText() const {
    switch (kind()) {
        case Kind::Empty:
            return {};
        case Kind::UInt8:
            return std::to_wstring(AsUInt8());
        case Kind::Int16:
            return std::to_wstring(AsInt16());
        case Kind::Int32:
            return std::to_wstring(AsInt32());
        case Kind::Text:
            return AsText();
        case Kind::Bytes: {
            std::wstring out;
            for (std::uint8_t b : AsBytes()) out.push_back(static_cast<wchar_t>(b));
            return out;
        }
        case Kind::Boolean:
            return AsBool() ? L"True" : L"False";
        case Kind::Double: {
            char buf[64];
            std::snprintf(buf, sizeof buf, "%.15g", AsDouble());
            return std::wstring(buf, buf + std::char_traits<char>::length(buf));
        }
    }
    return {};
}

}  // namespace vx
