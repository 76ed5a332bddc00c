#pragma once
// The owner panel's decisions: which way the menu command toggles the window, and the load and
// save sequences over the registry, with the message each save ends with.
#include <array>
#include <string>

#include "core/any_value.h"
#include "core/outcome.h"
#include "core/ports.h"

namespace vx {

// Outer window widths in twips.
inline constexpr int kOwnerExpandedFromTwips = 3000;
inline constexpr int kOwnerCollapsedWidthTwips = 2600;
inline constexpr int kOwnerExpandedWidthTwips = 5000;

struct OwnerField {
    const wchar_t* valueName;  // under the owner key
    const wchar_t* heading;    // the box's heading label
};

// Registered owner, organization and product name: the order of the boxes, reads and writes.
inline constexpr int kOwnerFieldCount = 3;
const std::array<OwnerField, kOwnerFieldCount>& OwnerFields();

using OwnerTexts = std::array<std::wstring, kOwnerFieldCount>;
// Values to write, by field; an empty one (the kind) is not written.
using OwnerValues = std::array<AnyValue, kOwnerFieldCount>;

// Writes the given values as expandable texts, each whatever became of the one before; Failed,
// naming each field that could not be written, when any could not.
ActionOutcome SaveOwnerValues(RegistryPort& registry, const OwnerValues& values);

struct PanelToggle {
    int widthTwips;          // the new outer width
    const wchar_t* caption;  // the menu command's new caption
    bool load;               // whether the boxes are filled from the registry
};

// A window whose outer width is 3000 twips or more counts as expanded and collapses;
// a narrower one expands and loads. Compared exactly, without rounding the pixels.
bool IsPanelExpanded(int outerWidthPixels, int dpi);
PanelToggle DecideToggle(int outerWidthPixels, int dpi);

class OwnerPanel {
  public:
    // Reads the three values (a missing one as the empty text), as the boxes show them.
    OwnerTexts Load(RegistryPort& registry);

    // Writes the three texts through SaveOwnerValues. Until the panel has been loaded once it writes nothing:
    // the boxes then hold only their placeholder, which must never replace the user's data.
    ActionOutcome Save(RegistryPort& registry, const OwnerTexts& texts) const;
    bool loaded() const { return loaded_; }

  private:
    bool loaded_ = false;
};

}  // namespace vx
