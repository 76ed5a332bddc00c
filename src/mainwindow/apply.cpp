// The apply button `ok`: the selected entry's action run against the real system, its one
// message shown when it is done.
#include "core/apply_actions.h"
#include "core/main_layout.h"
#include "core/texts.h"
#include "customwindow/custom_window.h"
#include "mainwindow/main_window.h"
#include "mainwindow/program.h"
#include "registry/registry.h"
#include "system/controls.h"
#include "system/native_view.h"
#include "system/run_hidden_command.h"
#include "system/ui.h"

namespace vx {

using namespace main_ids;

namespace {

// The folder the commands reach through "%windir%\system32\oem\": the native one, as the
// command interpreter started by RunHiddenCommand sees it.
class SystemOemFiles : public OemFilesProbe {
  public:
    bool OemFolderExists() override {
        const DWORD a = ::GetFileAttributesW(folder_.c_str());
        return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
    }
    bool OemLogoExists() override {
        return ::GetFileAttributesW((folder_ + L"\\oemlogo.bmp").c_str()) !=
               INVALID_FILE_ATTRIBUTES;
    }

  private:
    std::wstring folder_ = NativeSystemFolder() + L"\\oem";
};

class ProcessCurrentFolder : public CurrentFolder {
  public:
    bool Enter(const std::wstring& folder) override {
        return ::SetCurrentDirectoryW(folder.c_str()) != FALSE;
    }
};

class CustomWindowFields : public CustomFieldsReader {
  public:
    explicit CustomWindowFields(CustomWindow& diy) : diy_(diy) {}
    AnyValue Diy(int number) override {
        switch (number) {
            case 1:
                return diy_.Diy1;
            case 2:
                return diy_.Diy2;
            case 3:
                return diy_.Diy3;
            case 4:
                return diy_.Diy4;
            case 5:
                return diy_.Diy5;
            case 6:
                return diy_.Diy6;
            default:
                return {};
        }
    }

  private:
    CustomWindow& diy_;
};

}  // namespace

void MainWindow::OnApply() {
    // The list cannot be edited: its text is the selected entry's, empty while none is.
    const std::wstring selected = ControlText(Control(kCombolist));
    HiddenCommandRunner commands;
    SystemOemFiles oemFiles;
    ProcessCurrentFolder currentFolder;
    MachineRegistry registry;
    ApplyPorts ports{commands, oemFiles, currentFolder, registry};

    switch (ChooseApplyAction(selected)) {
        case ApplyChoice::NothingSelected:
            ShowMessage(hwnd(), text::kMsgNothingSelected);
            return;
        case ApplyChoice::Brand:
            ShowMessage(hwnd(), RunBrandAction(ProgramFolder(), selected, ports).message);
            return;
        case ApplyChoice::Clear:
            ShowMessage(hwnd(), RunClearAction(ports).message);
            // The entry stays selected; pressing ok again clears again.
            ::ShowWindow(Control(kCleanOEM), SW_HIDE);
            return;
        case ApplyChoice::Custom: {
            CustomWindowFields fields(program_.Custom());
            ShowMessage(hwnd(), RunCustomAction(fields, ports).message);
            return;
        }
    }
}

}  // namespace vx
