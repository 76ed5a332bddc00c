#pragma once
// The main window `main`: brand list, logo preview, apply button, owner panel and menu bar.
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "core/any_value.h"
#include "core/oem/owner_panel.h"
#include "core/oem/picture_fit.h"
#include "system/handles.h"
#include "system/window.h"

namespace vx {

class ActedOnWindows;
class Program;

class MainWindow : public Window {
  public:
    explicit MainWindow(Program& program) : program_(program) {}

    // Creates the window, runs the load step and shows it.
    bool Open(int showCommand);

    // The version text `vs`, set by the load step.
    const std::wstring& vs() const { return vs_; }
    HWND Control(int id) const;

    // Shows a picture file fitted into `logo`; on a fault `logo` is unchanged.
    PictureFault ShowLogoFile(const std::wstring& path);

    // Reads the brand list again and selects and previews `brand` in it (a saved preset, whose
    // save message already told of a missing logo).
    void ReloadBrandList(const std::wstring& brand);

    // 选择目标系统 (target.cpp): `folder` (empty: the running Windows) checked, loaded once, and
    // made what the actions, the preview, the owner boxes and the information window act on.
    void OnTargetChosen(const std::wstring& folder);

  private:
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    void OnClosed() override;
    void OnCreate();
    void OnLoad();
    void OnCommand(int id, int code, HWND control);
    HMENU BuildMenu() const;

    // Brand list and preview (brand_picker.cpp, preview.cpp).
    void LoadBrandList();
    void OnPick();
    // Selects and previews the brand preset that matches the firmware's maker, as a pick does.
    void OnMachineBrand();
    void PreviewBrand(const std::wstring& brand);
    void LoadStoredPictures();
    // Shows the placeholder stored with the window in `logo` again.
    void ShowPlaceholder();
    void RepaintNow();
    // The apply button (apply.cpp).
    void OnApply();
    // The owner panel (owner_boxes.cpp).
    void OnTogglePanel();
    void OnSaveOwner();
    void OnOwnerBoxFocus(HWND box);
    void LoadOwnerBoxes();
    // 撤销上次更改 (undo.cpp): grayed without a restore point; puts the newest back once asked.
    void OnUndo();
    void UpdateUndoItem();
    // The preview and the owner boxes show what the system now holds.
    void ShowRestoredState();
    // The caption, ending in the target's folder while another Windows is the target.
    void ShowCaption();
    // Whether the Windows acted on can be reached; when not, the message says why.
    bool Reachable(const ActedOnWindows& system);

    Program& program_;
    std::wstring vs_;
    // A problem met by the load step, reported once the window is on screen.
    std::wstring startupProblem_;
    std::map<int, HWND> controls_;
    std::vector<std::wstring> entries_;  // the list's entries as it was last filled
    UniqueFont font_;
    UniqueBitmap placeholderPicture_;  // stored with the window: the logo placeholder
    UniqueBitmap cleanPicture_;        // stored with the window: the prohibition sign
    UniqueBitmap logoPicture_;         // the last bitmap file loaded into `logo`
    OwnerPanel ownerPanel_;            // whether the owner boxes were loaded in this run
};

}  // namespace vx
