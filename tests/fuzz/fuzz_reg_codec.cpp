// Decoding whatever a registry query may return never fails or reads past its data, and every
// text the program writes reads back unchanged.
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

#include "core/preset/reg_codec.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

const vx::reg::Expander kIdentity = [](const std::wstring& text) { return text; };

// Arbitrary type and data, as another program may have stored them.
void DecodeAnything(std::span<const std::uint8_t> input) {
    if (input.size() < 4) return;
    const std::uint32_t type =
        input[0] | input[1] << 8 | input[2] << 16 | static_cast<std::uint32_t>(input[3]) << 24;
    // Low type codes are the interesting ones; keep them frequent.
    const std::uint32_t chosen = (input[3] & 0x80) ? type : type % 12;
    const auto data = input.subspan(4);
    const vx::AnyValue value = vx::reg::DecodeValue(chosen, data, kIdentity);
    using Kind = vx::AnyValue::Kind;
    const Kind kind = value.kind();
    Check(kind == Kind::Text || kind == Kind::Bytes || kind == Kind::Int32);
    Check(kind != Kind::Text || vx::reg::ToUtf16(value.AsText()).size() <= data.size() / 2);
    Check(kind != Kind::Bytes || value.AsBytes().size() == data.size());
    (void)value.ToText();
}

// Texts made of arbitrary UTF-16 units, written with each text flag and read back.
void RoundTripText(std::span<const std::uint8_t> input) {
    if (input.empty()) return;
    const int flag = input[0] % 4;
    const std::wstring text = vx::reg::FromUtf16LeBytes(input.subspan(1));
    const vx::reg::Encoded e = vx::reg::EncodeValue(vx::AnyValue::FromText(text), flag);
    Check(e.action == vx::reg::Encoded::Action::Write);
    Check(e.type == vx::reg::TextTypeForFlag(flag));
    Check(e.bytes.size() >= 2 && e.bytes[e.bytes.size() - 1] == 0 &&
          e.bytes[e.bytes.size() - 2] == 0);
    const vx::AnyValue back = vx::reg::DecodeValue(e.type, e.bytes, kIdentity);
    Check(back.kind() == vx::AnyValue::Kind::Text);
    // A multi-string may lose one trailing NUL of its own to the closing pair.
    const bool lost = e.type == vx::reg::kMultiSz && text.ends_with(L'\0');
    Check(back.AsText() == (lost ? text.substr(0, text.size() - 1) : text));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::span<const std::uint8_t> input(data + 1, size - 1);
    if (data[0] & 1)
        RoundTripText(input);
    else
        DecodeAnything(input);
    return 0;
}
