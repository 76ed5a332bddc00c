#include <gtest/gtest.h>

#include "core/any_value.h"

namespace vx {
namespace {

TEST(AnyValue, EmptyAndEmptyTextAreDifferentKindsWithTheSameText) {
    const AnyValue empty;
    const AnyValue emptyText = AnyValue::FromText(L"");
    EXPECT_TRUE(empty.IsEmpty());
    EXPECT_FALSE(emptyText.IsEmpty());
    EXPECT_NE(empty, emptyText);
    EXPECT_EQ(empty.ToText(), L"");
    EXPECT_EQ(emptyText.ToText(), L"");
}

TEST(AnyValue, TextOfEachKind) {
    EXPECT_EQ(AnyValue::FromUInt8(255).ToText(), L"255");
    EXPECT_EQ(AnyValue::FromInt16(-1).ToText(), L"-1");
    EXPECT_EQ(AnyValue::FromInt32(-2147483647 - 1).ToText(), L"-2147483648");
    EXPECT_EQ(AnyValue::FromText(std::wstring(L"a\0b", 3)).ToText(), std::wstring(L"a\0b", 3));
    EXPECT_EQ(AnyValue::FromBool(true).ToText(), L"True");
    EXPECT_EQ(AnyValue::FromDouble(1.5).ToText(), L"1.5");
    // Bytes map one to one onto the first 256 characters.
    EXPECT_EQ(AnyValue::FromBytes({0x41, 0x00, 0xE9}).ToText(), std::wstring(L"A\0\u00e9", 3));
    EXPECT_EQ(AnyValue::FromBytes({}).ToText(), L"");
}

}  // namespace
}  // namespace vx
