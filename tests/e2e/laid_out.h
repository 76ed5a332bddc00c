#pragma once
// Checks a window of the running program against its layout table, as the screen shows it.
#include <gtest/gtest.h>
#include <windows.h>

#include <span>

#include "core/layout.h"
#include "driver.h"

namespace e2e {

// Every control sits at its table rectangle converted at 96 DPI and, with `captions`, shows
// the table's caption. A vertical line is checked by its height, a closed drop-down list (as
// high as its font makes it) by its place and width.
inline void ExpectLaidOut(HWND window, std::span<const vx::ControlDef> layout,
                          bool captions = true) {
    for (const vx::ControlDef& spec : layout) {
        HWND control = ::GetDlgItem(window, spec.id);
        ASSERT_NE(control, nullptr) << spec.name;
        const vx::PixelRect want = vx::ToPixels(spec, 96);
        const RECT got = ClientRectOf(control);
        EXPECT_EQ(got.left, want.x) << spec.name;
        EXPECT_EQ(got.top, want.y) << spec.name;
        if (spec.kind != vx::ControlKind::VerticalLine) {
            EXPECT_EQ(got.right - got.left, want.width) << spec.name;
        }
        if (spec.kind != vx::ControlKind::DropDownList) {
            EXPECT_EQ(got.bottom - got.top, want.height) << spec.name;
        }
        if (captions && spec.caption && *spec.caption) {
            EXPECT_EQ(TextOf(control), spec.caption) << spec.name;
        }
    }
}

}  // namespace e2e
