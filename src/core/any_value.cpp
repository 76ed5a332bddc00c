#include "core/any_value.h"

#include "core/decimal.h"

namespace vx {

std::wstring AnyValue::ToText() const {
    switch (kind()) {
        case Kind::Empty:
            return {};
        case Kind::Int32:
            return DecimalText(AsInt32());
        case Kind::Text:
            return AsText();
        case Kind::Bytes: {
            std::wstring out;
            for (std::uint8_t b : AsBytes()) out.push_back(static_cast<wchar_t>(b));
            return out;
        }
    }
    return {};
}

}  // namespace vx
