#pragma once
// The texts the program shows, its fixed command lines and its registry and file names,
// kept together so that each exists once and can be compared exactly.

namespace vx::text {

inline constexpr const wchar_t* kAppTitle = L"Vendrix";
inline constexpr const wchar_t* kVersion = L"1.5.2";
inline constexpr const wchar_t* kCaptionPrefix = L"Vendrix ";
inline constexpr const wchar_t* kCustomEntry = L"自定义...";
inline constexpr const wchar_t* kClearEntry = L"清除OEM信息...";
inline constexpr const wchar_t* kMsgNothingSelected = L"请先选择电脑品牌！";
inline constexpr const wchar_t* kMsgBrandDone = L"修改OEM信息完成！";
inline constexpr const wchar_t* kMsgClearDone = L"清除OEM信息完成！";
inline constexpr const wchar_t* kMsgCustomDone = L"自定义OEM信息修改完成！";
inline constexpr const wchar_t* kMsgOwnerSaved = L"修改个人信息完成！";
// Messages for what cannot be done; each ends with the file or address it is about.
inline constexpr const wchar_t* kMsgListUnreadable = L"无法读取品牌列表文件：\n";
inline constexpr const wchar_t* kMsgLogoUnreadable =
    L"无法显示品牌图标，文件不存在或不是有效的BMP位图：\n";
inline constexpr const wchar_t* kMsgPageNotOpened = L"无法打开浏览器，请手动访问以下网址：\n";
inline constexpr const wchar_t* kMenuFile = L"文件";
inline constexpr const wchar_t* kMenuExit = L"退出";
inline constexpr const wchar_t* kMenuExpand = L"扩展";
inline constexpr const wchar_t* kMenuCollapse = L"收缩";
inline constexpr const wchar_t* kMenuUpdate = L"更新";
inline constexpr const wchar_t* kMenuAbout = L"关于";
inline constexpr const wchar_t* kChooseBrandLabel = L"请选择你的电脑品牌：";
inline constexpr const wchar_t* kOwnerLabel = L"注册用户名：";
inline constexpr const wchar_t* kOrganizationLabel = L"使用单位：";
inline constexpr const wchar_t* kProductNameLabel = L"操作系统名称：";
inline constexpr const wchar_t* kOk = L"确定";
inline constexpr const wchar_t* kCancel = L"取消";
inline constexpr const wchar_t* kSave = L"修改";
inline constexpr const wchar_t* kOwnerBoxPlaceholder = L"Text1";
inline constexpr const wchar_t* kCustomCaption = L"自定义OEM信息";
inline constexpr const wchar_t* kManufacturerLabel = L"品牌：";
inline constexpr const wchar_t* kModelLabel = L"型号：";
inline constexpr const wchar_t* kSupportUrlLabel = L"网站：";
inline constexpr const wchar_t* kSupportPhoneLabel = L"电话：";
inline constexpr const wchar_t* kSupportHoursLabel = L"工时：";
inline constexpr const wchar_t* kLogoPathLabel = L"LOGO：";
inline constexpr const wchar_t* kBrowse = L"...";
inline constexpr const wchar_t* kManufacturerHint = L"示例:联想";
inline constexpr const wchar_t* kModelHint = L"示例:联想电脑";
// A fictional computer maker's site: the sample must not point anyone at a real company.
inline constexpr const wchar_t* kSupportUrlHint = L"示例:http://www.qiming-pc.example";
inline constexpr const wchar_t* kSupportPhoneHint = L"示例:800-810-8888";
inline constexpr const wchar_t* kLogoPathHint = L"可选BMP/PNG/JPG/GIF，将缩放为120x120";
inline constexpr const wchar_t* kSupportHoursHint = L"示例:9：00-20：00";
inline constexpr const wchar_t* kBmpFilterName = L"(Windows位图)";
inline constexpr const wchar_t* kBmpFilterPattern = L"*.bmp";
// Shown when the bitmap chosen with the browse button cannot be loaded; the path follows.
inline constexpr const wchar_t* kMsgPictureLoadFailed = L"无法载入这个图片文件：";
inline constexpr const wchar_t* kPictureFilterName = L"图片文件";
inline constexpr const wchar_t* kPictureFilterPattern = L"*.bmp;*.png;*.jpg;*.jpeg;*.gif";
inline constexpr const wchar_t* kMsgPictureTooLarge =
    L"图片太大，无法使用（每边最多10000像素，总共最多5000万像素）：";
inline constexpr const wchar_t* kAboutCaption = L"关于";
inline constexpr const wchar_t* kAboutProduct = L"Vendrix";
inline constexpr const wchar_t* kAboutDescription = L"修改Win7OEM信息的小工具";
inline constexpr const wchar_t* kAboutThanks = L"特别感谢：李明远,Anna Berg";
inline constexpr const wchar_t* kAboutNotice = L"仅供学习交流使用";
inline constexpr const wchar_t* kAboutFontFace = L"宋体";
// Outcomes of the apply button's actions beyond their completion messages.
inline constexpr const wchar_t* kMsgPresetFolderMissing = L"找不到品牌预设文件夹，未做任何修改：";
inline constexpr const wchar_t* kMsgLogoPathHasQuote =
    L"LOGO图片路径中不能含有双引号（\"），未做任何修改：";
inline constexpr const wchar_t* kMsgLogoPathHasPercent =
    L"LOGO图片路径中不能含有百分号（%），未做任何修改：";
inline constexpr const wchar_t* kMsgBrandFailed = L"修改OEM信息未能完成，以下步骤失败：";
inline constexpr const wchar_t* kMsgClearFailed = L"清除OEM信息未能完成，以下步骤失败：";
inline constexpr const wchar_t* kMsgCustomFailed = L"自定义OEM信息修改未能完成，以下步骤失败：";
inline constexpr const wchar_t* kStepBullet = L"· ";
inline constexpr const wchar_t* kStepMakeFolder = L"创建文件夹 ";
inline constexpr const wchar_t* kStepCopyLogo = L"复制LOGO图片 ";
inline constexpr const wchar_t* kStepCopyTo = L" 到 ";
inline constexpr const wchar_t* kStepImportScript = L"导入注册表文件 ";
inline constexpr const wchar_t* kStepDeleteFile = L"删除文件 ";
inline constexpr const wchar_t* kStepRemoveFolder = L"删除文件夹 ";
inline constexpr const wchar_t* kStepWriteValue = L"写入注册表值 ";
inline constexpr const wchar_t* kReasonOpen = L"（";
inline constexpr const wchar_t* kReasonClose = L"）";
inline constexpr const wchar_t* kWhyNotStarted = L"命令未能启动";
inline constexpr const wchar_t* kWhyTimedOutPrefix = L"命令在";
inline constexpr const wchar_t* kWhyTimedOutSuffix = L"秒内未结束，已被终止";
inline constexpr const wchar_t* kWhyExitCode = L"命令返回错误代码 ";
inline constexpr const wchar_t* kWhyFolderMissing = L"文件夹不存在";
inline constexpr const wchar_t* kWhyTargetMissing = L"目标文件不存在";
inline constexpr const wchar_t* kWhyFileStays = L"文件仍然存在";
inline constexpr const wchar_t* kWhyWriteRefused = L"写入被拒绝";
// A brand preset's registry script, read before any step of the preset is applied.
inline constexpr const wchar_t* kMsgScriptUnreadable =
    L"品牌预设的注册表文件无法读取或不是有效的注册表文件，未做任何修改：";
inline constexpr const wchar_t* kScriptBadLinePrefix = L"\n无法识别第 ";
inline constexpr const wchar_t* kScriptBadLineSuffix = L" 行：";
inline constexpr const wchar_t* kMsgPresetHasRegCommand =
    L"品牌预设文件夹中有与系统命令 reg 同名的文件，导入时会运行它而不是系统命令，未做任何修改：";
inline constexpr const wchar_t* kAskScriptPrefix =
    L"该品牌预设的注册表文件除OEM信息外，还将修改以下内容：";
inline constexpr const wchar_t* kAskScriptMorePrefix = L"\n等 ";
inline constexpr const wchar_t* kAskScriptMoreSuffix = L" 处";
inline constexpr const wchar_t* kAskScriptSuffix = L"\n\n是否仍要导入？";
inline constexpr const wchar_t* kChangeKey = L"键 ";
inline constexpr const wchar_t* kChangeDeleteKey = L"删除键 ";
inline constexpr const wchar_t* kChangeValue = L"值 ";
inline constexpr const wchar_t* kChangeDeleteValue = L"删除值 ";
inline constexpr const wchar_t* kDefaultValueShown = L"(默认)";
inline constexpr const wchar_t* kRegLookalikePattern = L"\\reg.*";
inline constexpr const wchar_t* kMachineRoot = L"HKEY_LOCAL_MACHINE\\";
inline constexpr const wchar_t* kWhyNotAPicture = L"不是可以载入的图片文件";
inline constexpr const wchar_t* kWhyPictureTooLarge = L"图片太大";
inline constexpr const wchar_t* kWhyTempFileFailed = L"无法写入临时文件";

// The current OEM information window and saving it as a brand preset.
inline constexpr const wchar_t* kMenuSaveCurrent = L"将当前OEM信息存为品牌预设...";
inline constexpr const wchar_t* kInfoCaption = L"当前OEM信息";
inline constexpr const wchar_t* kInfoNameLabel = L"预设名称：";
inline constexpr const wchar_t* kInfoSave = L"存为预设";
inline constexpr const wchar_t* kInfoClose = L"关闭";
inline constexpr const wchar_t* kBackupPrefix = L"备份";
inline constexpr const wchar_t* kMsgNameEmpty = L"请输入预设名称。";
inline constexpr const wchar_t* kMsgNameBadChar =
    L"预设名称不能含有以下字符：\\ / : * ? \" < > |，也不能含有控制字符。";
inline constexpr const wchar_t* kMsgNameBadEnd = L"预设名称不能以空格或句点结尾。";
inline constexpr const wchar_t* kMsgNameFixedEntry =
    L"预设名称不能是“自定义...”或“清除OEM信息...”。";
inline constexpr const wchar_t* kMsgNameNotAnsi =
    L"预设名称含有系统ANSI代码页无法表示的字符。品牌列表文件oemlist.ini以ANSI编码保存，"
    L"无法写入这个名称。";
inline constexpr const wchar_t* kMsgPresetExistsPrefix = L"品牌预设“";
inline constexpr const wchar_t* kMsgPresetExistsSuffix = L"”已存在，要替换它吗？";
inline constexpr const wchar_t* kMsgPresetSavedPrefix = L"已将当前OEM信息存为品牌预设“";
inline constexpr const wchar_t* kMsgPresetSavedSuffix = L"”。";
inline constexpr const wchar_t* kMsgPresetNoLogo =
    L"\n当前的LOGO图片文件不存在或无法读取，这个预设不含LOGO图片，"
    L"应用它时复制LOGO图片的步骤会失败。";
inline constexpr const wchar_t* kMsgPresetNotSaved = L"品牌预设未能保存，无法写入：\n";
inline constexpr const wchar_t* kMsgPresetNotRead = L"品牌预设未能保存，无法读取：\n";

inline constexpr const wchar_t* kCmdMdOem = L"cmd /c md %windir%\\system32\\oem\\";
inline constexpr const wchar_t* kCmdCopyBrandLogo =
    L"cmd /c copy /y oemlogo.bmp %windir%\\system32\\oem\\";
inline constexpr const wchar_t* kCmdRegImport = L"cmd /c reg import oem.reg";
inline constexpr const wchar_t* kCmdDelLogo = L"cmd /c del %windir%\\system32\\oem\\oemlogo.bmp";
inline constexpr const wchar_t* kCmdRdOem = L"cmd /c rd %windir%\\system32\\oem\\";
inline constexpr const wchar_t* kCmdCustomCopyPrefix = L"cmd /c copy /y ";
inline constexpr const wchar_t* kCmdCustomCopySuffix = L" %windir%\\system32\\oem\\oemlogo.bmp";
inline constexpr const wchar_t* kOemFolderShown = L"%windir%\\system32\\oem\\";
inline constexpr const wchar_t* kPresetScriptSuffix = L"\\oem.reg";
inline constexpr const wchar_t* kOemLogoValue = L"%windir%\\system32\\oem\\oemlogo.bmp";
inline constexpr const wchar_t* kOemKey =
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\OEMInformation";
inline constexpr const wchar_t* kOwnerKey = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
inline constexpr const wchar_t* kRegisteredOwner = L"RegisteredOwner";
inline constexpr const wchar_t* kRegisteredOrganization = L"RegisteredOrganization";
inline constexpr const wchar_t* kProductName = L"ProductName";
inline constexpr const wchar_t* kMsgOwnerNotLoaded =
    L"请先点击菜单“扩展”读取当前的个人信息，再进行修改。";
inline constexpr const wchar_t* kMsgOwnerNotSavedPrefix = L"以下个人信息未能保存：";
inline constexpr const wchar_t* kListSeparator = L"、";
inline constexpr const wchar_t* kListFileSuffix = L"\\oemlist.ini";
inline constexpr const wchar_t* kPresetRootSuffix = L"\\oemdata\\";
inline constexpr const wchar_t* kPresetLogoSuffix = L"\\oemlogo.bmp";

// What a careful reader found: a temporary logo path the copy command would expand
inline constexpr const wchar_t* kWhyTempPathHasPercent =
    L"临时文件夹的路径含有 %，复制命令会将其展开";

// The silent command line, and the custom logo checked before any step.
inline constexpr const wchar_t* kMsgLogoUnusable = L"无法使用这个LOGO图片，未做任何修改：";
inline constexpr const wchar_t* kCliUnknown = L"无法识别的参数：";
inline constexpr const wchar_t* kCliTwice = L"参数重复：";
inline constexpr const wchar_t* kCliTwoActions = L"只能指定一个操作：";
inline constexpr const wchar_t* kCliNoValue = L"参数缺少值：";
inline constexpr const wchar_t* kCliLineBreak = L"参数中不能含有换行：";
inline constexpr const wchar_t* kCliNoAction = L"没有指定要执行的操作。";
inline constexpr const wchar_t* kCliPresetsMissing = L"找不到品牌预设库文件夹，未做任何修改：";
inline constexpr const wchar_t* kCliLogUnwritable = L"无法写入日志文件，未做任何修改：";
inline constexpr const wchar_t* kCliNeedYes = L"未做任何修改；接受这些修改请加上 /yes。";
inline constexpr const wchar_t* kCliNeedReplace = L"未做任何修改；替换它请加上 /replace。";
inline constexpr const wchar_t* kCliNothingToWrite = L"没有指定要写入的值：";
inline constexpr const wchar_t* kCliOnlyAfterPrefix = L"只能写在 ";
inline constexpr const wchar_t* kCliOnlyAfterSuffix = L" 之后的参数：";
inline constexpr const wchar_t* kCliMachineUnknown =
    L"本机固件中没有制造商和型号信息，未做任何修改。";
inline constexpr const wchar_t* kMsgInternalError =
    L"内存不足或程序内部错误，程序已中止，操作可能未完成。";
// The first and last lines a run appends to its log.
inline constexpr const wchar_t* kLogCommandLine = L" 命令行：";
inline constexpr const wchar_t* kLogExitCode = L"退出代码：";
inline constexpr const wchar_t* kCliUsage =
    L"用法：Vendrix.exe 操作 [选项]\n"
    L"/apply <品牌>|auto  应用品牌预设，auto：与本机相符的预设\n"
    L"/clear  清除OEM信息\n"
    L"/set [名称=值]... [/logo <图片>] [/machine]  名称：Manufacturer Model SupportURL "
    L"SupportPhone SupportHours；/machine：品牌、型号取自本机\n"
    L"/owner [名称=值]...  名称：RegisteredOwner RegisteredOrganization ProductName\n"
    L"/save <名称>  存为品牌预设\n"
    L"/show  显示当前信息\n"
    L"/restore [还原点]  撤销更改：还原到最新的或指定的还原点\n"
    L"/restorepoints  列出还原点，最新的在前\n"
    L"选项：/presets <文件夹>  /yes  /replace  /log <文件>  /whatif（只列出将做的修改）"
    L"  /json（/show、/whatif、/restorepoints 输出JSON）\n"
    L"  /target <Windows文件夹>（作用于未运行的Windows，如 D:\\Windows）\n"
    L"退出代码：0 完成，1 命令行有误，2 已拒绝，3 有步骤失败，4 没有与本机相符的预设，"
    L"5 内存不足或内部错误";

// This machine's maker and model, read from its firmware, and the brand preset matching them.
inline constexpr const wchar_t* kMenuMachineBrand = L"选择本机品牌";
inline constexpr const wchar_t* kReadMachine = L"读取本机";
inline constexpr const wchar_t* kMsgNoFirmwareMaker =
    L"本机固件中没有制造商信息，无法选择本机品牌。";
inline constexpr const wchar_t* kMsgNoMatchPrefix = L"本机固件中的制造商为“";
inline constexpr const wchar_t* kMsgNoMatchSuffix = L"”，没有与之相符的品牌预设。";
inline constexpr const wchar_t* kInfoFirmwareMaker = L"本机品牌：";
inline constexpr const wchar_t* kInfoFirmwareModel = L"本机型号：";

// Restore points, the undo and the dry run.
inline constexpr const wchar_t* kOriginWindow = L"窗口：";
inline constexpr const wchar_t* kOriginCommandLine = L"命令行：";
inline constexpr const wchar_t* kOriginApplyBrand = L"应用品牌预设";
inline constexpr const wchar_t* kOriginClear = L"清除OEM信息";
inline constexpr const wchar_t* kOriginCustom = L"自定义OEM信息";
inline constexpr const wchar_t* kOriginOwner = L"修改个人信息";
inline constexpr const wchar_t* kOriginUndo = L"撤销上次更改";

inline constexpr const wchar_t* kAbsentShown = L"(无)";
inline constexpr const wchar_t* kLogoReplaced = L"替换";
inline constexpr const wchar_t* kLogoRemoved = L"删除";
inline constexpr const wchar_t* kLogoSame = L"不变";
inline constexpr const wchar_t* kLogoKeptLine = L"oemlogo.bmp：已保存";
inline constexpr const wchar_t* kLogoAbsentLine = L"oemlogo.bmp：原先没有";
inline constexpr const wchar_t* kMsgUnchanged = L"OEM信息已是所选内容，无需修改。";

inline constexpr const wchar_t* kWhatIfBeyondOem = L"另将修改OEM信息以外的注册表内容";
inline constexpr const wchar_t* kMsgCurrentUnreadable = L"无法读取当前的内容，未做任何修改：";
inline constexpr const wchar_t* kMsgRestorePointUnwritable = L"无法建立还原点，未做任何修改：";
inline constexpr const wchar_t* kMsgNoRestorePoint = L"没有还原点，无法撤销。";
inline constexpr const wchar_t* kMsgRestorePointUnknown = L"找不到这个还原点，未做任何修改：";
inline constexpr const wchar_t* kMsgRestorePointUnreadable = L"无法读取还原点，未做任何修改：";
inline constexpr const wchar_t* kMsgRestoreDone = L"已还原到还原点：";
inline constexpr const wchar_t* kMsgRestoreFailed = L"还原未能全部完成：";
inline constexpr const wchar_t* kStepWriteFile = L"写入文件 ";
inline constexpr const wchar_t* kMenuUndo = L"撤销上次更改...";
inline constexpr const wchar_t* kAskUndoPrefix = L"要撤销上次更改吗？\n\n还原点：";
inline constexpr const wchar_t* kAskUndoMadeBy = L"\n由此建立：";
inline constexpr const wchar_t* kAskUndoSuffix = L"\n\n将恢复到这次更改之前的内容。";
inline constexpr const wchar_t* kNoRestorePoints = L"没有还原点。";

inline constexpr const wchar_t* kCliWhatIfHere = L"/whatif 只能与 /apply、/clear、/set、/owner 或 /restore 一起使用。";
inline constexpr const wchar_t* kCliJsonHere = L"/json 只能与 /show、/restorepoints 或 /whatif 一起使用。";

// A Windows that is not running, named with /target or 选择目标系统...: refused before any change.
inline constexpr const wchar_t* kMenuChooseTarget = L"选择目标系统...";
inline constexpr const wchar_t* kTargetRunning = L"当前系统";
inline constexpr const wchar_t* kTargetCaption = L"选择目标系统";
inline constexpr const wchar_t* kTargetListLabel = L"请选择要修改的系统：";
inline constexpr const wchar_t* kCaptionTarget = L" — 目标：";
inline constexpr const wchar_t* kMsgTargetOwnDrive =
    L"目标系统不能位于当前运行的系统所在的驱动器，未做任何修改：";
inline constexpr const wchar_t* kMsgTargetNoHive =
    L"该文件夹中没有 System32\\config\\SOFTWARE，不是已安装的Windows文件夹，未做任何修改：";
inline constexpr const wchar_t* kMsgTargetNotLoaded = L"无法加载目标系统的注册表文件，未做任何修改：";
inline constexpr const wchar_t* kMsgTargetNotUnloaded = L"目标系统的注册表文件未能卸载：";
inline constexpr const wchar_t* kWhySourceUnreadable = L"无法读取这个文件";
inline constexpr const wchar_t* kMsgScriptOutsideSoftware =
    L"品牌预设的注册表文件修改 HKEY_LOCAL_MACHINE\\SOFTWARE 以外的内容，无法写入目标系统，"
    L"未做任何修改：";

}  // namespace vx::text
