#!/bin/sh
# The real exe short of memory ends with exit code 5 and a line, in its output and at the end of
# its log, and no box waits for a click; a script or list over 64 MB is refused before it is
# read, so the same shortage never comes. Under tools/wine-harness.sh the shell holds the data
# to 200 MB: a run needs about 20 MB, reading and checking a 60 MB script about 1 GB.
dir="$WINEPREFIX/drive_c/vx-e2e/memory" at='C:\vx-e2e\memory' status=0
rm -rf "$dir" && mkdir -p "$dir/oemdata/Big" "$dir/oemdata/Huge" "$dir/list" && cp "$1" "$dir" || exit 1
for script in Big:62914560 Huge:67108864; do  # OEM values only, then comment lines
    { printf 'REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\'
      printf 'OEMInformation]\r\n"Model"="x"\r\n' && yes ';' | head -c "${script#*:}"
    } >"$dir/oemdata/${script%:*}/oem.reg"
done
yes Brand | head -c 67108870 >"$dir/list/oemlist.ini"
run() {  # run CODE TEXT ARGS...: the exit code and text printed
    code=$1 text=$2 && shift 2
    got=$(cd "$dir" && ulimit -d 200000 &&
        { timeout 60 "$VX_WINE_EXEC" Vendrix.exe "$@" 2>&1; echo " $?"; } | iconv -f GBK -t UTF-8)
    case $got in *"$text"*" $code") ;; *) printf '%s: not %s, "%s": %s\n' "$*" "$code" "$text" "$got"; status=1 ;; esac
}
run 5 "内存不足或程序内部错误，程序已中止，操作可能未完成。" /apply Big /log "$at\\log.txt"
tail -n 2 "$dir/log.txt" | tr -d '\r\n' | grep -q "操作可能未完成。.*退出代码：5$" || { cat "$dir/log.txt" && status=1; }
run 2 "品牌预设的注册表文件无法读取或不是有效的注册表文件" /apply Huge
run 2 "无法读取品牌列表文件：" /apply auto /presets "$at\\list"
rm -rf "$dir" && exit $status
