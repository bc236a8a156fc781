; The Windows installer: the editor, the checker and the language server,
; for the current user only (no administrator rights), with a Start-menu
; entry and an uninstaller that leaves nothing behind.
;   makensis -INPUTCHARSET UTF8 -DDOSSIER=<the programs' folder> -DSORTIE=<installer.exe> quillomat.nsi
; scripts/release.sh builds it; tests/windows/installer.sh tries it under Wine.
Unicode true
; The programs are 64-bit; so is the installer (it runs where they run).
Target amd64-unicode
!include "MUI2.nsh"

!define VERSION "3.02"
!define CLE_DESINSTALLATION "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillomat"

Name "Quillomat ${VERSION}"
OutFile "${SORTIE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\Quillomat"
InstallDirRegKey HKCU "Software\Quillomat" "Dossier"
SetCompressor /SOLID lzma
Icon "${__FILEDIR__}/quillomat.ico"
UninstallIcon "${__FILEDIR__}/quillomat.ico"
VIProductVersion "3.2.0.0"
VIAddVersionKey /LANG=1036 "ProductName" "Quillomat"
VIAddVersionKey /LANG=1036 "FileDescription" "Installation de Quillomat ${VERSION}"
VIAddVersionKey /LANG=1036 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1036 "LegalCopyright" "Tous droits réservés"

!define MUI_ICON "${__FILEDIR__}/quillomat.ico"
!define MUI_UNICON "${__FILEDIR__}/quillomat.ico"
!define MUI_FINISHPAGE_RUN "$INSTDIR\quillomat.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Lancer Quillomat"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "French"

; Every file installed is named here and removed by name below.
!macro FICHIERS ACTION
  ${ACTION} "quillomat.exe"
  ${ACTION} "quillomat-check.exe"
  ${ACTION} "quillomat-lsp.exe"
  ${ACTION} "fonctions.txt"
  ${ACTION} "AideDebug.htm"
  ${ACTION} "AideDebug.txt"
  ${ACTION} "LISEZMOI.txt"
!macroend
!macro INSTALLER NOM
  File "${DOSSIER}/${NOM}"
!macroend
!macro SUPPRIMER NOM
  Delete "$INSTDIR\${NOM}"
!macroend
!define INSTALLER "!insertmacro INSTALLER"
!define SUPPRIMER "!insertmacro SUPPRIMER"

Section "Quillomat"
  SetOutPath "$INSTDIR"
  !insertmacro FICHIERS "${INSTALLER}"
  WriteUninstaller "$INSTDIR\Désinstaller.exe"
  CreateDirectory "$SMPROGRAMS\Quillomat"
  CreateShortcut "$SMPROGRAMS\Quillomat\Quillomat.lnk" "$INSTDIR\quillomat.exe"
  CreateShortcut "$SMPROGRAMS\Quillomat\Aide du quillomat.lnk" "$INSTDIR\AideDebug.htm"
  CreateShortcut "$SMPROGRAMS\Quillomat\Désinstaller Quillomat.lnk" "$INSTDIR\Désinstaller.exe"
  WriteRegStr HKCU "Software\Quillomat" "Dossier" "$INSTDIR"
  WriteRegStr HKCU "${CLE_DESINSTALLATION}" "DisplayName" "Quillomat ${VERSION}"
  WriteRegStr HKCU "${CLE_DESINSTALLATION}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${CLE_DESINSTALLATION}" "DisplayIcon" "$INSTDIR\quillomat.exe"
  WriteRegStr HKCU "${CLE_DESINSTALLATION}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${CLE_DESINSTALLATION}" "UninstallString" '"$INSTDIR\Désinstaller.exe"'
  WriteRegStr HKCU "${CLE_DESINSTALLATION}" "QuietUninstallString" '"$INSTDIR\Désinstaller.exe" /S'
  WriteRegDWORD HKCU "${CLE_DESINSTALLATION}" "NoModify" 1
  WriteRegDWORD HKCU "${CLE_DESINSTALLATION}" "NoRepair" 1
SectionEnd

; The user's scripts, settings and recovery copies are not the program's:
; only what the installer put there goes.
Section "Uninstall"
  !insertmacro FICHIERS "${SUPPRIMER}"
  Delete "$INSTDIR\Désinstaller.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\Quillomat\Quillomat.lnk"
  Delete "$SMPROGRAMS\Quillomat\Aide du quillomat.lnk"
  Delete "$SMPROGRAMS\Quillomat\Désinstaller Quillomat.lnk"
  RMDir "$SMPROGRAMS\Quillomat"
  DeleteRegKey HKCU "${CLE_DESINSTALLATION}"
  DeleteRegKey HKCU "Software\Quillomat"
SectionEnd
