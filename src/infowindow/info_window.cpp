#include "infowindow/info_window.h"

#include <utility>

#include "core/layouts/info_layout.h"
#include "core/texts.h"
#include "resource_ids.h"
#include "system/controls.h"
#include "system/offline_windows.h"
#include "system/system_ports.h"
#include "system/preset_files.h"
#include "system/ui.h"

namespace vx {

using namespace info_ids;

namespace {

constexpr DWORD kInfoStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

LocalMinute Now() {
    SYSTEMTIME t;
    ::GetLocalTime(&t);
    return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute};
}

}  // namespace

InfoWindow::InfoWindow(std::function<void(const std::wstring&)> saved,
                       std::function<std::wstring()> target, std::function<void()> closed)
    : saved_(std::move(saved)), target_(std::move(target)), closed_(std::move(closed)) {}

void InfoWindow::Show() {
    if (!CreateOrRaise(L"VendrixInfo", text::kInfoCaption, kInfoStyle, kInfoClientWidthTwips,
                       kInfoClientHeightTwips))
        return;
    OnLoad();
    ::ShowWindow(hwnd(), SW_SHOW);
    ::UpdateWindow(hwnd());
    ::SetFocus(Control(kName));
    ::SendMessageW(Control(kName), EM_SETSEL, 0, -1);
}

HWND InfoWindow::Control(int id) const { return FindControl(controls_, id); }

void InfoWindow::OnCreate() {
    font_.reset(CreateUiFont(WindowDpi(hwnd())));
    controls_ = CreateControls(hwnd(), InfoLayout(), font_.get());
    SetDefaultButton(kSave, true);
    // Every box but the name shows what was read.
    for (const ControlDef& c : InfoLayout())
        if (c.kind == ControlKind::Edit && c.id != kName)
            ::SendMessageW(Control(c.id), EM_SETREADONLY, TRUE, 0);
}

void InfoWindow::OnLoad() {
    // The target's hive is loaded for this read only; one that cannot be shows nothing.
    ActedOnWindows system(target_());
    current_ = system.refusal().empty() ? system.Current().Read() : CurrentOem{};
    if (!system.refusal().empty()) ShowMessage(hwnd(), system.refusal());
    const OemRawValues& values = current_.values;
    for (size_t i = 0; i < values.size(); ++i)
        ::SetWindowTextW(Control(kValueBoxes[i]), ShownText(values[i]).c_str());
    ShowLogo();
    const MachineIdentity machine = ThisMachine();
    ::SetWindowTextW(Control(kFirmwareMaker), machine.manufacturer.c_str());
    ::SetWindowTextW(Control(kFirmwareModel), machine.model.c_str());
    const std::wstring name = DefaultPresetName(ShownText(values[0]), Now());
    ::SetWindowTextW(Control(kName), name.c_str());
}

void InfoWindow::ShowLogo() {
    const UINT flags = LR_CREATEDIBSECTION;
    if (!current_.logoFile.empty())
        picture_.reset(static_cast<HBITMAP>(
            ::LoadImageW(nullptr, current_.logoFile.c_str(), IMAGE_BITMAP, 0, 0, flags | LR_LOADFROMFILE)));
    if (current_.logoFile.empty() || !picture_)
        picture_.reset(static_cast<HBITMAP>(::LoadImageW(::GetModuleHandleW(nullptr),
                                                         MAKEINTRESOURCEW(IDB_LOGO_PLACEHOLDER),
                                                         IMAGE_BITMAP, 0, 0, flags)));
    ::SendMessageW(Control(kLogo), kPictureSetBitmap, reinterpret_cast<WPARAM>(picture_.get()), 0);
}

void InfoWindow::OnSave() {
    const std::wstring name = ControlText(Control(kName));
    SystemPresetFiles files;
    MessageBoxQuestioner questioner(hwnd());
    PresetPorts preset{files, questioner};
    const ActionOutcome outcome = SavePreset({ProgramFolder(), name, current_.values, current_.logoFile}, preset);
    if (outcome.kind == OutcomeKind::Done && saved_) saved_(name);
    // The user's own No to replacing the preset is the last word.
    if (outcome.kind != OutcomeKind::Declined) ShowMessage(hwnd(), outcome.message);
}

LRESULT InfoWindow::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_CREATE:
            OnCreate();
            return 0;
        case WM_COMMAND:
            if (LOWORD(wp) == kSave) OnSave();
            if (LOWORD(wp) == kClose) ::DestroyWindow(hwnd());
            return 0;
        case WM_CLOSE:
            ::DestroyWindow(hwnd());
            return 0;
        default:
            return Window::OnMessage(msg, wp, lp);
    }
}

void InfoWindow::OnClosed() {
    // The picture box is gone, so its bitmap can go too.
    controls_.clear();
    picture_.reset();
    font_.reset();
    if (closed_) closed_();
}

}  // namespace vx
