; The Windows setup program: NobrixVUZ and NobrixVUZ-cli with what they load, installed for every
; user of the machine into Program Files, a Start-menu entry for the window, an uninstaller in
; "Apps & features", and on request the command-line program's folder on the PATH. Built on Linux
; by scripts/package-windows, which passes the staged files and the facts CMake wrote:
;   makensis -DNOBRIX_FACTS=<installer_facts.nsh> -DNOBRIX_INSTALL_FILES=<nsh>
;            -DNOBRIX_UNINSTALL_FILES=<nsh> -DNOBRIX_ICON=<ico> -DNOBRIX_OUTPUT=<exe>
; Silent use: setup.exe /S [/PATH] [/D=<folder>]; Uninstall.exe /S. The uninstaller removes what
; was installed and the machine's update lock (%ProgramData%\NobrixVUZ), and leaves each user's
; service history (%LOCALAPPDATA%\NobrixVUZ) alone.

Unicode true
Target amd64-unicode
ManifestDPIAware true
RequestExecutionLevel admin
; The firmware image, most of the bytes, does not compress; zlib costs little time for that.
SetCompressor zlib

!include "${NOBRIX_FACTS}"
!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"
!include "x64.nsh"
!include "machine_path.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\NobrixVUZ"

Name "NobrixVUZ"
Caption "NobrixVUZ ${NOBRIX_VERSION} Setup"
OutFile "${NOBRIX_OUTPUT}"
InstallDir "$PROGRAMFILES64\NobrixVUZ"
BrandingText "NobrixVUZ ${NOBRIX_VERSION}"

VIProductVersion "${NOBRIX_FILE_VERSION}"
VIFileVersion "${NOBRIX_FILE_VERSION}"
VIAddVersionKey "ProductName" "NobrixVUZ for ${NOBRIX_PRODUCT_NAME}"
VIAddVersionKey "ProductVersion" "${NOBRIX_VERSION}"
VIAddVersionKey "FileVersion" "${NOBRIX_VERSION}"
VIAddVersionKey "CompanyName" "${NOBRIX_PUBLISHER}"
VIAddVersionKey "FileDescription" "NobrixVUZ Setup"
VIAddVersionKey "LegalCopyright" "${NOBRIX_PUBLISHER}"

!define MUI_ICON "${NOBRIX_ICON}"
!define MUI_UNICON "${NOBRIX_ICON}"
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_NOAUTOCLOSE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Var previousUninstaller

Section "NobrixVUZ (the window and NobrixVUZ-cli)" SecPrograms
  SectionIn RO
  Call RemovePreviousInstallation
  SetOutPath "$INSTDIR"
  !include "${NOBRIX_INSTALL_FILES}"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  SetShellVarContext all
  CreateShortCut "$SMPROGRAMS\NobrixVUZ.lnk" "$INSTDIR\NobrixVUZ.exe" "" "$INSTDIR\NobrixVUZ.exe" 0 SW_SHOWNORMAL "" "Update the firmware of ${NOBRIX_PRODUCT_NAME} printers"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "NobrixVUZ"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${NOBRIX_VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${NOBRIX_PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Comments" "Firmware update utility for ${NOBRIX_PRODUCT_NAME} printers. ${NOBRIX_IMAGE_NOTE}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\NobrixVUZ.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "AddedToPath" 0
SectionEnd

Section /o "Put NobrixVUZ-cli on the PATH" SecPath
  Call AddInstallFolderToPath
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "AddedToPath" $0
SectionEnd

; An earlier version's files go first, by its own uninstaller, so that none of them is left
; behind; its choice of the PATH is kept unless the command line says otherwise.
Function .onInit
  ${IfNot} ${RunningX64}
    MessageBox MB_ICONSTOP|MB_OK "NobrixVUZ needs 64-bit Windows." /SD IDOK
    Abort
  ${EndIf}
  SetRegView 64
  ReadRegStr $previousUninstaller HKLM "${UNINSTALL_KEY}" "UninstallString"
  ReadRegDWORD $0 HKLM "${UNINSTALL_KEY}" "AddedToPath"
  ${GetParameters} $1
  ClearErrors
  ${GetOptions} $1 "/PATH" $2
  ${IfNot} ${Errors}
  ${OrIf} $0 = 1
    SectionSetFlags ${SecPath} ${SF_SELECTED}
  ${EndIf}
FunctionEnd

Function RemovePreviousInstallation
  ${If} $previousUninstaller == ""
    Return
  ${EndIf}
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
  DetailPrint "Removing the installed version from $0"
  ExecWait '$previousUninstaller /S _?=$0'
  Delete "$0\Uninstall.exe"
  RMDir "$0"
FunctionEnd

Function un.onInit
  SetRegView 64
FunctionEnd

Section "Uninstall"
  SetShellVarContext all
  ReadRegDWORD $0 HKLM "${UNINSTALL_KEY}" "AddedToPath"
  ${If} $0 = 1
    Call un.RemoveInstallFolderFromPath
  ${EndIf}
  Delete "$SMPROGRAMS\NobrixVUZ.lnk"
  !include "${NOBRIX_UNINSTALL_FILES}"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  ; The programs' update lock; a run still holding it keeps its file, and so the folder.
  Delete "$APPDATA\NobrixVUZ\update.lock"
  RMDir "$APPDATA\NobrixVUZ"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
