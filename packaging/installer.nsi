; The installer lvtx-<version>-setup.exe and the uninstaller uninst.exe it writes.
; scripts/package.sh builds it from the staged program folder:
;   makensis -INPUTCHARSET UTF8 -DVERSION=… -DPRODUCT=… -DMUTEX=… -DWATCHDOG_STOP=… \
;            -DWEB_PORT=… -DWEB_RULE=… \
;            -DSTAGE=<program folder> -DREMOVAL_LIST=<nsh> -DICON=<ico> -DOUTFILE=<exe> installer.nsi
; VERSION, PRODUCT (the product's name), MUTEX (the running program's single-instance mutex),
; WATCHDOG_STOP (the event that ends the program's watcher), WEB_PORT (the web console's port at
; first) and WEB_RULE (its firewall rules' name) are the project's own, as CMake writes them into
; the build folder's product.sh.
; REMOVAL_LIST deletes exactly the staged files and then their folders when empty, so that
; whatever the user put into the program folder (songs in music\, say) stays.
; Both run with /S silently. The data folder %APPDATA%\lvtx.10 is never touched: an upgrade and
; an uninstall keep every program, holiday, setting and the log.

Unicode true
Target amd64-unicode
ManifestDPIAware true
; Program Files and the all-users shortcuts need an administrator.
RequestExecutionLevel admin
SetCompressor /SOLID lzma

; The program's own port would otherwise be a literal "${WEB_PORT}" in netsh's commands.
!ifndef WEB_PORT
  !error "WEB_PORT is missing: scripts/package.sh passes it"
!endif
!ifndef WEB_RULE
  !error "WEB_RULE is missing: scripts/package.sh passes it"
!endif

!define PUBLISHER "岚铃软件工作室"
!define LAUNCHER "TolvarBroadcasting.exe"
!define UNINSTALLER "uninst.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\TolvarBroadcasting"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define RUN_VALUE "TolvarBroadcasting"
!define MAIN_CLASS "TolvarBroadcasting"
!define MENU_FOLDER "$SMPROGRAMS\${PRODUCT}"
!define MENU_LINK "${MENU_FOLDER}\${PRODUCT}.lnk"
!define MENU_UNINSTALL_LINK "${MENU_FOLDER}\卸载 ${PRODUCT}.lnk"
!define DESKTOP_LINK "$DESKTOP\${PRODUCT}.lnk"
!define NETSH '"$SYSDIR\netsh.exe"'
!define WEB_URL "http://+:${WEB_PORT}/"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
; An upgrade goes where the installed copy lies.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=2052 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=2052 "FileDescription" "${PRODUCT} ${VERSION} 安装程序"
VIAddVersionKey /LANG=2052 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=2052 "LegalCopyright" "Copyright © 2026 ${PUBLISHER}"

!include MUI2.nsh
!include LogicLib.nsh
!include WinMessages.nsh
!include FileFunc.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "SimpChinese"

; Ends the program's watcher first: it would start again a copy that ends any other way than by
; its own exit (the forced end below, say) and hold lvtx.exe open. Every watcher waits on the
; stop event and holds it while it runs; it is set until no watcher holds it any more.
!macro DEFINE_END_WATCHERS un
Function ${un}endWatchers
  StrCpy $1 0
  ${Do}
    ; EVENT_MODIFY_STATE
    System::Call 'kernel32::OpenEventW(i 0x0002, i 0, w "${WATCHDOG_STOP}") p .r0'
    ${If} $0 P= 0
      ${Break}
    ${EndIf}
    DetailPrint "正在停止 ${PRODUCT} 的自动重启…"
    System::Call 'kernel32::SetEvent(p r0)'
    System::Call 'kernel32::CloseHandle(p r0)'
    IntOp $1 $1 + 1
    ${If} $1 > 100
      ${Break}
    ${EndIf}
    Sleep 100
  ${Loop}
FunctionEnd
!macroend
!insertmacro DEFINE_END_WATCHERS ""
!insertmacro DEFINE_END_WATCHERS "un."

; Ends every running copy of the program before its files are replaced or removed (Windows
; refuses both while it runs). The program is asked the way Windows' restart manager asks it at
; the end of a session: WM_ENDSESSION takes it through its own exit, which fades the sound out and
; closes the window. Only when it has not ended within ten seconds is it terminated, with exit
; code 1. Beside the running copy a crashed one may still wait for OK on its message: each window
; of the class is ended in turn. A copy that is still starting holds the mutex before its window
; exists: wait for the window.
!macro DEFINE_END_RUNNING_COPY un
Function ${un}endRunningCopy
  StrCpy $1 0
  ${Do}
    FindWindow $0 "${MAIN_CLASS}"
    ${If} $0 <> 0
      System::Call 'user32::GetWindowThreadProcessId(p r0, *i .r2)'
      ; SYNCHRONIZE | PROCESS_TERMINATE
      System::Call 'kernel32::OpenProcess(i 0x00100001, i 0, i r2) p .r3'
      DetailPrint "正在关闭运行中的 ${PRODUCT}…"
      SendMessage $0 ${WM_ENDSESSION} 1 1 /TIMEOUT=5000
      ${If} $3 P<> 0
        System::Call 'kernel32::WaitForSingleObject(p r3, i 10000) i .r4'
        ${If} $4 <> 0
          System::Call 'kernel32::TerminateProcess(p r3, i 1)'
          System::Call 'kernel32::WaitForSingleObject(p r3, i 5000)'
        ${EndIf}
        System::Call 'kernel32::CloseHandle(p r3)'
      ${EndIf}
    ${Else}
      ; SYNCHRONIZE
      System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "${MUTEX}") p .r3'
      ${If} $3 P= 0
        ${Break}
      ${EndIf}
      System::Call 'kernel32::CloseHandle(p r3)'
      Sleep 200
    ${EndIf}
    IntOp $1 $1 + 1
    ${If} $1 > 50
      ${Break}
    ${EndIf}
  ${Loop}
FunctionEnd
!macroend
!insertmacro DEFINE_END_RUNNING_COPY ""
!insertmacro DEFINE_END_RUNNING_COPY "un."

; Runs netsh hidden and logs its exit code. Its refusals are expected (nothing to delete, say), and
; the program tells on its settings page what it lacks: no code of netsh's fails the installation.
!macro NETSH what arguments
  nsExec::Exec '${NETSH} ${arguments}'
  Pop $0
  DetailPrint "${what}：netsh 返回 $0"
!macroend

; The web console serves through the system's HTTP service: a program run without an
; administrator's rights may listen only on a URL reserved for it, and the firewall lets only the
; local network's clients reach the port, on a private or domain network. What an earlier copy
; reserved and opened goes first, so that a repeated installation leaves one of each. Only the
; rule of the installer's own port goes: those the settings page added for another port stay.
Function openWebPort
  !insertmacro NETSH "删除旧的网页控制台地址保留" "http delete urlacl url=${WEB_URL}"
  !insertmacro NETSH "为所有用户保留网页控制台地址 ${WEB_URL}" `http add urlacl url=${WEB_URL} "sddl=D:(A;;GX;;;AU)"`
  !insertmacro NETSH "删除旧的防火墙规则" `advfirewall firewall delete rule "name=${WEB_RULE}" protocol=tcp localport=${WEB_PORT}`
  !insertmacro NETSH "防火墙允许局域网访问端口 ${WEB_PORT}" `advfirewall firewall add rule "name=${WEB_RULE}" dir=in action=allow protocol=TCP localport=${WEB_PORT} remoteip=localsubnet profile=private,domain`
FunctionEnd

; Every rule of the name goes, the settings page's for other ports too. A reservation the page
; added for another port stays: the uninstaller does not know its port, and it opens nothing.
Function un.closeWebPort
  !insertmacro NETSH "删除网页控制台地址保留" "http delete urlacl url=${WEB_URL}"
  !insertmacro NETSH "删除网页控制台的防火墙规则" `advfirewall firewall delete rule "name=${WEB_RULE}"`
FunctionEnd

Section
  Call endWatchers
  Call endRunningCopy
  SetOutPath "$INSTDIR"
  File /r "${STAGE}/*"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"

  SetShellVarContext all
  SetOutPath "$INSTDIR"
  CreateDirectory "${MENU_FOLDER}"
  CreateShortcut "${MENU_LINK}" "$INSTDIR\${LAUNCHER}"
  CreateShortcut "${MENU_UNINSTALL_LINK}" "$INSTDIR\${UNINSTALLER}"
  CreateShortcut "${DESKTOP_LINK}" "$INSTDIR\${LAUNCHER}"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${LAUNCHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0

  Call openWebPort
SectionEnd

Section "Uninstall"
  Call un.endWatchers
  Call un.endRunningCopy
  !include /CHARSET=UTF8 "${REMOVAL_LIST}"
  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir "$INSTDIR"

  SetShellVarContext all
  Delete "${MENU_LINK}"
  Delete "${MENU_UNINSTALL_LINK}"
  RMDir "${MENU_FOLDER}"
  Delete "${DESKTOP_LINK}"

  Call un.closeWebPort
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  ; The logon start of the settings page names the removed program.
  DeleteRegValue HKCU "${RUN_KEY}" "${RUN_VALUE}"
SectionEnd
