; The per-user installer: no administrator rights, the program under the user's own programs
; folder (%LOCALAPPDATA%\Programs, a hidden folder, so the installed program writes its
; worksheet into the user's Documents), a Start-menu shortcut, and an uninstaller registered
; for the user. The uninstaller removes by name the files it installed, never a folder's
; contents wholesale.
;
; makensis -INPUTCHARSET UTF8 -DVERSION=... -DEXE=... -DREADME_SOURCE=... -DICON=... -DOUTFILE=...

Unicode True
Target amd64-unicode
RequestExecutionLevel user
ManifestDPIAware true
SetCompressor /SOLID lzma
; The installer keeps no file's modification time, so the same files always make the same
; installer; what it installs is dated when it is installed.
SetDateSave off

!include "FileFunc.nsh"

!define NAME "Τακτικά και απόλυτα αριθμητικά"
!define PUBLISHER "TRELOVANDIKA"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Arithmitika"
!define README "ΔΙΑΒΑΣΕ.txt"
!define WORKSHEET "numbers.txt"

Name "${NAME}"
OutFile "${OUTFILE}"
Icon "${ICON}"
UninstallIcon "${ICON}"
InstallDir "$LOCALAPPDATA\Programs\Arithmitika"
BrandingText "${PUBLISHER}"
ShowInstDetails nevershow
ShowUninstDetails nevershow

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1032 "ProductName" "${NAME}"
VIAddVersionKey /LANG=1032 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1032 "FileDescription" "Εγκατάσταση: ${NAME}"
VIAddVersionKey /LANG=1032 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1032 "LegalCopyright" "© ${PUBLISHER}"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

LoadLanguageFile "${NSISDIR}\Contrib\Language files\Greek.nlf"

Section
    SetShellVarContext current
    SetOutPath "$INSTDIR"
    File "/oname=arithmitika.exe" "${EXE}"
    File "/oname=${README}" "${README_SOURCE}"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\${NAME}.lnk" "$INSTDIR\arithmitika.exe" "" \
        "$INSTDIR\arithmitika.exe" 0

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\arithmitika.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    IntFmt $0 "0x%08X" $0
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

Section "Uninstall"
    SetShellVarContext current
    Delete "$INSTDIR\arithmitika.exe"
    Delete "$INSTDIR\${README}"
    ; A worksheet that an earlier version wrote beside itself: the teacher is asked first, a
    ; silent uninstall removes it. The ones in her Documents are hers to keep.
    IfFileExists "$INSTDIR\${WORKSHEET}" 0 worksheet_done
    MessageBox MB_YESNO|MB_ICONQUESTION \
        "Να διαγραφεί και το τελευταίο φύλλο εργασίας, το $INSTDIR\${WORKSHEET};" \
        /SD IDYES IDNO worksheet_done
    Delete "$INSTDIR\${WORKSHEET}"
    worksheet_done:
    Delete "$INSTDIR\uninstall.exe"
    Delete "$SMPROGRAMS\${NAME}.lnk"
    RMDir "$INSTDIR" ; only when nothing else is left in it
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
