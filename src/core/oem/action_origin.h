#pragma once
// What started an action, in the words its restore point keeps: the window's command and its
// subject ("窗口：应用品牌预设 Kestrel"), or the command line as typed ("命令行：/clear").
#include <string>
#include <string_view>
#include <vector>

namespace vx {

enum class WindowCommand { ApplyBrand, Clear, Custom, Owner, Undo };

// The subject follows the command's words after a blank: the brand of ApplyBrand.
std::wstring WindowOrigin(WindowCommand command, std::wstring_view subject = {});

// The words after the program's name, each quoted where it holds a blank or is empty, so that
// the line reads as it could be typed again.
std::wstring CommandLineOrigin(const std::vector<std::wstring>& words);

}  // namespace vx
