; The install folder on the machine's PATH, and off it again, without harm to the rest of the
; value. This NSIS keeps strings of NSIS_MAX_STRLEN (1024) characters: a PATH it cannot read
; whole, or that would not fit with the folder added, is left exactly as it is and the user is
; told, rather than written back cut short. The folder is added as ";<folder>" and taken out with
; the separator before it, so that the PATH is as it was, whatever it ended in.

!include "LogicLib.nsh"
!include "WinMessages.nsh"

!define MACHINE_ENVIRONMENT_KEY "SYSTEM\CurrentControlSet\Control\Session Manager\Environment"

; Open windows learn that the environment changed; consoles started afterwards see the new PATH.
!macro NOBRIX_ANNOUNCE_ENVIRONMENT
  SendMessage ${HWND_BROADCAST} ${WM_SETTINGCHANGE} 0 "STR:Environment" /TIMEOUT=5000
!macroend

; In: $1 a PATH value. Out: $2 the value without its folders that are $INSTDIR (case aside, with
; or without a final backslash), $3 how many there were. Uses $4 to $8.
!macro NOBRIX_PATH_WITHOUT_INSTALL_FOLDER un
Function ${un}PathWithoutInstallFolder
  StrCpy $2 ""
  StrCpy $3 0
  StrCpy $4 ""
  StrCpy $5 0
  StrCpy $7 0
  StrLen $6 $1
  ${Do}
    StrCpy $8 $1 1 $5
    ${If} $8 == ";"
    ${OrIf} $5 >= $6
      ${If} $4 == $INSTDIR
      ${OrIf} $4 == "$INSTDIR\"
        IntOp $3 $3 + 1
      ${Else}
        ${If} $7 > 0
          StrCpy $2 "$2;"
        ${EndIf}
        StrCpy $2 "$2$4"
        IntOp $7 $7 + 1
      ${EndIf}
      StrCpy $4 ""
    ${Else}
      StrCpy $4 "$4$8"
    ${EndIf}
    IntOp $5 $5 + 1
  ${LoopUntil} $5 > $6
FunctionEnd
!macroend
!insertmacro NOBRIX_PATH_WITHOUT_INSTALL_FOLDER ""
!insertmacro NOBRIX_PATH_WITHOUT_INSTALL_FOLDER "un."

!macro NOBRIX_PATH_LEFT_ALONE
  DetailPrint "The PATH is left as it is: this setup program cannot change it safely."
  MessageBox MB_ICONEXCLAMATION|MB_OK "The PATH is too long for this setup program to change it safely. Add $INSTDIR to it yourself to run NobrixVUZ-cli from any folder." /SD IDOK
!macroend

; Out: $0 "1" when this installation added the folder (the uninstaller then takes it out).
Function AddInstallFolderToPath
  StrCpy $0 "0"
  ClearErrors
  ReadRegStr $1 HKLM "${MACHINE_ENVIRONMENT_KEY}" "Path"
  ${If} ${Errors}
    !insertmacro NOBRIX_PATH_LEFT_ALONE
    Return
  ${EndIf}
  Call PathWithoutInstallFolder
  ${If} $3 > 0
    DetailPrint "$INSTDIR is on the PATH already."
    Return
  ${EndIf}
  StrLen $4 $1
  StrLen $5 $INSTDIR
  IntOp $4 $4 + $5
  IntOp $4 $4 + 2
  ${If} $4 >= ${NSIS_MAX_STRLEN}
    !insertmacro NOBRIX_PATH_LEFT_ALONE
    Return
  ${EndIf}
  ${If} $1 == ""
    WriteRegExpandStr HKLM "${MACHINE_ENVIRONMENT_KEY}" "Path" "$INSTDIR"
  ${Else}
    WriteRegExpandStr HKLM "${MACHINE_ENVIRONMENT_KEY}" "Path" "$1;$INSTDIR"
  ${EndIf}
  !insertmacro NOBRIX_ANNOUNCE_ENVIRONMENT
  DetailPrint "Added $INSTDIR to the PATH."
  StrCpy $0 "1"
FunctionEnd

Function un.RemoveInstallFolderFromPath
  ClearErrors
  ReadRegStr $1 HKLM "${MACHINE_ENVIRONMENT_KEY}" "Path"
  ${If} ${Errors}
    DetailPrint "The PATH could not be read whole: take $INSTDIR out of it yourself."
    MessageBox MB_ICONEXCLAMATION|MB_OK "The PATH is too long for this program to change it safely. Take $INSTDIR out of it yourself." /SD IDOK
    Return
  ${EndIf}
  Call un.PathWithoutInstallFolder
  ${If} $3 > 0
    WriteRegExpandStr HKLM "${MACHINE_ENVIRONMENT_KEY}" "Path" $2
    !insertmacro NOBRIX_ANNOUNCE_ENVIRONMENT
    DetailPrint "Took $INSTDIR out of the PATH."
  ${EndIf}
FunctionEnd
