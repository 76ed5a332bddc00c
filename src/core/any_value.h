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
    enum class Kind { Empty, UInt8, Int16, Int32, Text, Bytes, Boolean, Double };

    AnyValue() = default;
    static AnyValue FromUInt8(std::uint8_t v) {
        return AnyValue(Storage(std::in_place_index<1>, v));
    }
    static AnyValue FromInt16(std::int16_t v) {
        return AnyValue(Storage(std::in_place_index<2>, v));
    }
    static AnyValue FromInt32(std::int32_t v) {
        return AnyValue(Storage(std::in_place_index<3>, v));
    }
    static AnyValue FromText(std::wstring v) {
        return AnyValue(Storage(std::in_place_index<4>, std::move(v)));
    }
    static AnyValue FromBytes(std::vector<std::uint8_t> v) {
        return AnyValue(Storage(std::in_place_index<5>, std::move(v)));
    }
    static AnyValue FromBool(bool v) { return AnyValue(Storage(std::in_place_index<6>, v)); }
    static AnyValue FromDouble(double v) { return AnyValue(Storage(std::in_place_index<7>, v)); }

    Kind kind() const { return static_cast<Kind>(v_.index()); }
    bool IsEmpty() const { return kind() == Kind::Empty; }

    // Accessors for the held kind; calling one for another kind is a programming error.
    std::uint8_t AsUInt8() const { return std::get<1>(v_); }
    std::int16_t AsInt16() const { return std::get<2>(v_); }
    std::int32_t AsInt32() const { return std::get<3>(v_); }
    const std::wstring& AsText() const { return std::get<4>(v_); }
    const std::vector<std::uint8_t>& AsBytes() const { return std::get<5>(v_); }
    bool AsBool() const { return std::get<6>(v_); }
    double AsDouble() const { return std::get<7>(v_); }

    // Text form: empty -> "", numbers -> decimal, text -> itself, Boolean -> "True"/"False",
    // bytes -> each byte as the character of the same code (0..255), so a byte array
    // read from a text-like value still shows its Latin-1 letters and nothing is dropped.
    std::wstring ToText() const;

    friend bool operator==(const AnyValue&, const AnyValue&) = default;

  private:
    using Storage = std::variant<std::monostate, std::uint8_t, std::int16_t, std::int32_t,
                                 std::wstring, std::vector<std::uint8_t>, bool, double>;
    explicit AnyValue(Storage v) : v_(std::move(v)) {}
    Storage v_;
};

}  // namespace vx
