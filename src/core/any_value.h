#pragma once
// A tagged value as the registry procedures and the custom window's fields carry it.
// The empty value (never assigned) and an empty text are different kinds.
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace vx {

class AnyValue {
  public:
    // Int32 is what a REG_DWORD value reads as; the program writes texts only.
    enum class Kind { Empty, Int32, Text, Bytes };

    AnyValue() = default;
    static AnyValue FromInt32(std::int32_t v) {
        return AnyValue(Storage(std::in_place_index<1>, v));
    }
    static AnyValue FromText(std::wstring v) {
        return AnyValue(Storage(std::in_place_index<2>, std::move(v)));
    }
    static AnyValue FromBytes(std::vector<std::uint8_t> v) {
        return AnyValue(Storage(std::in_place_index<3>, std::move(v)));
    }

    Kind kind() const { return static_cast<Kind>(v_.index()); }
    bool IsEmpty() const { return kind() == Kind::Empty; }

    // Accessors for the held kind; calling one for another kind is a programming error.
    std::int32_t AsInt32() const { return std::get<1>(v_); }
    const std::wstring& AsText() const { return std::get<2>(v_); }
    const std::vector<std::uint8_t>& AsBytes() const { return std::get<3>(v_); }

    // Text form: empty -> "", a number -> decimal, text -> itself, bytes -> each byte as the
    // character of the same code (0..255), so a byte array read from a text-like value still
    // shows its Latin-1 letters and nothing is dropped.
    std::wstring ToText() const;

    friend bool operator==(const AnyValue&, const AnyValue&) = default;

  private:
    using Storage =
        std::variant<std::monostate, std::int32_t, std::wstring, std::vector<std::uint8_t>>;
    explicit AnyValue(Storage v) : v_(std::move(v)) {}
    Storage v_;
};

}  // namespace vx
