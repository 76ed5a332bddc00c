#include "core/oem/owner_panel.h"

#include "core/layouts/layout.h"
#include "core/texts.h"

namespace vx {

namespace {
// Texts go to the registry as expandable text; the type argument is not consulted.
constexpr int kValueType = 8;
constexpr int kExpandableFlag = 1;

// A heading without its closing colon, to name the field inside a sentence.
std::wstring FieldName(const wchar_t* heading) {
    std::wstring name = heading;
    while (!name.empty() && (name.back() == L'\uFF1A' || name.back() == L':')) name.pop_back();
    return name;
}
}  // namespace

const std::array<OwnerField, kOwnerFieldCount>& OwnerFields() {
    static const std::array<OwnerField, kOwnerFieldCount> fields = {{
        {text::kRegisteredOwner, text::kOwnerLabel},
        {text::kRegisteredOrganization, text::kOrganizationLabel},
        {text::kProductName, text::kProductNameLabel},
    }};
    return fields;
}

bool IsPanelExpanded(int outerWidthPixels, int dpi) {
    return static_cast<long long>(outerWidthPixels) * kTwipsPerInch >=
           static_cast<long long>(kOwnerExpandedFromTwips) * dpi;
}

PanelToggle DecideToggle(int outerWidthPixels, int dpi) {
    if (IsPanelExpanded(outerWidthPixels, dpi))
        return {kOwnerCollapsedWidthTwips, text::kMenuExpand, false};
    return {kOwnerExpandedWidthTwips, text::kMenuCollapse, true};
}

OwnerTexts OwnerPanel::Load(RegistryPort& registry) {
    OwnerTexts texts;
    for (int i = 0; i < kOwnerFieldCount; ++i) {
        texts[i] = registry
                       .GetRegistryValue(text::kOwnerKey, OwnerFields()[i].valueName,
                                         AnyValue::FromText(L""))
                       .ToText();
    }
    loaded_ = true;
    return texts;
}

ActionOutcome SaveOwnerValues(RegistryPort& registry, const OwnerValues& values) {
    std::wstring failed;
    for (int i = 0; i < kOwnerFieldCount; ++i) {
        const OwnerField& field = OwnerFields()[i];
        if (values[i].IsEmpty() ||
            registry.SetRegistryValue(text::kOwnerKey, field.valueName, values[i], kValueType,
                                      kExpandableFlag)
                .ok())
            continue;
        if (!failed.empty()) failed += text::kListSeparator;
        failed += FieldName(field.heading);
    }
    if (failed.empty()) return {OutcomeKind::Done, text::kMsgOwnerSaved};
    return {OutcomeKind::Failed, text::kMsgOwnerNotSavedPrefix + failed};
}

ActionOutcome OwnerPanel::Save(RegistryPort& registry, const OwnerTexts& texts) const {
    if (!loaded_) return {OutcomeKind::Refused, text::kMsgOwnerNotLoaded};
    return SaveOwnerValues(registry, {AnyValue::FromText(texts[0]), AnyValue::FromText(texts[1]),
                                      AnyValue::FromText(texts[2])});
}

}  // namespace vx
