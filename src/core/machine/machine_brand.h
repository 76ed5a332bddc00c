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

// The brand preset for this machine, by three rules in order (the fixed entries skipped; the
// first rule any brand meets decides, and within it the first brand listed):
// 1. the brand's name is the firmware manufacturer's, or whole words of it ("Dell" for
//    "Dell Inc.");
// 2. the brand is another name the maker is known by: its short, long or Chinese name ("华硕"
//    or "ASUS" for "ASUSTeK COMPUTER INC.");
// 3. the brand's oem.reg sets the OEM information's Manufacturer to a text holding the
//    manufacturer's name, the corporate words at its end left out, as whole words.
// Names compare by their words (WordsOf), each without regard to case: a name inside another
// word is no match ("Acer" is not in "Tracer", "Intel" not in "Intelligent").
MachineBrand FindMachineBrand(const std::vector<std::wstring>& brands,
                              const std::wstring& manufacturer, const std::wstring& programFolder,
                              PresetFiles& files);

}  // namespace vx
