#pragma once
// The brand preset that matches this machine's maker, as its firmware names it.
#include <string>
#include <vector>

#include "core/ports.h"

namespace vx {

struct MachineBrand {
    int index;             // in the brands given; -1 for none
    std::wstring message;  // why there is none, naming the maker; empty when there is one
};

// The brand preset for this machine: the first of `brands` (the fixed entries skipped) whose
// name is the firmware manufacturer's, or whose oem.reg sets Manufacturer to a text holding the
// manufacturer's name, or by which the manufacturer is known in Chinese; all compared as names
// are (SameName), without regard to '.', ',' and corporate words such as Inc. or Co., Ltd. at
// the end.
MachineBrand FindMachineBrand(const std::vector<std::wstring>& brands,
                              const std::wstring& manufacturer, const std::wstring& programFolder,
                              PresetFiles& files);

}  // namespace vx
