// The string resources of the code generator: file templates, their message texts and the
// default property value strings of new start-up forms. The bytes are exact: templates of
// files the IDE reads as text (project and workspace files, stdafx.h, stdafx.cpp, the .rc2)
// use LF, the others CR LF; indentation is one tab per level; trailing blanks are kept.

#include "codegen/TemplateTable.h"

#include <algorithm>
#include <cstddef>
#include <iterator>

namespace morva {

namespace {

struct TemplateEntry {
    int id;
    std::string_view text;
};

// Sorted by identifier.
constexpr TemplateEntry kTemplates[] = {
    // include-guard GUID format
    {106, "%08lX_%04X_%04x_%02X%02X_%02X%02X%02X%02X%02X%02X"},
    // application header
    {61446,
     "#if !defined($GUID_INCLUDED$)\r\n"
     "#define $GUID_INCLUDED$\r\n"
     "\r\n"
     "#if _MSC_VER >= 1000\r\n"
     "#pragma once\r\n"
     "#endif // _MSC_VER >= 1000\r\n"
     "// $WinAppH$ : header file\r\n"
     "//\r\n"
     "#include \"tfxWinApp.h\"\r\n"
     "#include \"resource.h\"\r\n"
     "\r\n"
     "/////////////////////////////////////////////////////////////////////////////\r\n"
     "// $WinAppClassName$ thread\r\n"
     "class $WinAppClassName$ : public CXWinApp\r\n"
     "{\r\n"
     "public:\r\n"
     "\t$WinAppClassName$();      \r\n"
     "\t~$WinAppClassName$();\r\n"
     "};\r\n"
     "\r\n"
     "\r\n"
     "#endif // !defined($GUID_INCLUDED$)\r\n"},
    // application source
    {61447,
     "// $WinAppCpp$ : Defines the class behaviors for the application.\r\n"
     "//\r\n"
     "\r\n"
     "\r\n"
     "/////////////////////////////////////////////////////////////////////////////\r\n"
     "// $WinAppClassName$\r\n"
     "\r\n"
     "#include \"stdafx.h\"\r\n"
     "#include \"$WinAppH$\"\r\n"
     "#include \"$StartupFormH$\"\r\n"
     "\r\n"
     "#ifdef _DEBUG\r\n"
     "#define new DEBUG_NEW\r\n"
     "#undef THIS_FILE\r\n"
     "static char THIS_FILE[] = __FILE__;\r\n"
     "#endif\r\n"
     "\r\n"
     "\r\n"
     "/////////////////////////////////////////////////////////////////////////////\r\n"
     "// The one and only $WinAppClassName$ object\r\n"
     "$WinAppClassName$ theApp;\r\n"
     "\r\n"
     "$WinAppClassName$::$WinAppClassName$()\r\n"
     "{\r\n"
     "\tm_pMainWndClass = RUNTIME_CLASS($StartupFormClassName$);\r\n"
     "\tm_strRegisterKey =\"$ProjectName$\";\r\n"
     "}\r\n"
     "\r\n"
     "$WinAppClassName$::~$WinAppClassName$()\r\n"
     "{\r\n"
     "}\r\n"},
    // form source, first part
    {61448,
     "// $StartupFormCpp$ : implementation file\r\n"
     "//\r\n"
     "\r\n"
     "#include \"stdafx.h\"\r\n"
     "#include \"$WinAppH$\"\r\n"
     "#include \"$StartupFormH$\"\r\n"
     "\r\n"
     "\r\n"
     "#ifdef _DEBUG\r\n"
     "#define new DEBUG_NEW\r\n"
     "#undef THIS_FILE\r\n"
     "static char THIS_FILE[] = __FILE__;\r\n"
     "#endif\r\n"
     "\r\n"
     "/////////////////////////////////////////////////////////////////////////////\r\n"
     "// $StartupFormClassName$ Form\r\n"
     "\r\n"
     "\r\n"
     "\r\n"
     "$StartupFormClassName$::$StartupFormClassName$()\r\n"
     "{\r\n"
     "\t//{{AFX_TFX_FORM_DATA_START\r\n"
     "\tm_nPropStringID = $IDS_PROP$;\r\n"
     "\t//}}AFX_TFX_FORM_DATA_END\r\n"
     "}\r\n"
     "$StartupFormClassName$::~$StartupFormClassName$()\r\n"
     "{\r\n"
     "}\r\n"
     "IMPLEMENT_DYNCREATE($StartupFormClassName$, $BaseFormClassName$)\r\n"
     "\r\n"
     "BEGIN_MESSAGE_MAP($StartupFormClassName$, $BaseFormClassName$)\r\n"
     "\t//{{AFX_MSG_MAP($StartupFormClassName$)\r\n"
     "\t//}}AFX_MSG_MAP\r\n"
     "END_MESSAGE_MAP()\r\n"
     "\r\n"
     "\r\n"
     "/////////////////////////////////////////////////////////////////////////////\r\n"
     "// $StartupFormClassName$ message handlers\r\n"
     "\r\n"},
    // form header
    {61449,
     "#if !defined($GUID_INCLUDED$)\r\n"
     "#define $GUID_INCLUDED$\r\n"
     "\r\n"
     "#if _MSC_VER >= 1000\r\n"
     "#pragma once\r\n"
     "#endif // _MSC_VER >= 1000\r\n"
     "// $StartupFormH$ : header file\r\n"
     "//\r\n"
     "\r\n"
     "/////////////////////////////////////////////////////////////////////////////\r\n"
     "// $StartupFormClassName$ form\r\n"
     "\r\n"
     "\r\n"
     "\r\n"
     "class $StartupFormClassName$ : public $BaseFormClassName$\r\n"
     "{\r\n"
     "\tDECLARE_DYNCREATE($StartupFormClassName$)\r\n"
     "// Construction\r\n"
     "public:\r\n"
     "\t$StartupFormClassName$();   // standard constructor\r\n"
     "\t~$StartupFormClassName$();\r\n"
     "\t// tfx controls\r\n"
     "\t//{{AFX_TFX_CTRL_DECLR_START\r\n"
     "\t//}}AFX_TFX_CTRL_DECLR_END\r\n"
     "//Overrides\r\n"
     "\t//ClassWizard generated virtual function overrides\r\n"
     "\t//{{AFX_VIRTUAL($StartupFormClassName$)\r\n"
     "\t//}}AFX_VIRTUAL\r\n"
     "protected:\r\n"
     "\tvirtual void CreateTFXControls();\r\n"
     "\t// Generated message map functions\r\n"
     "\t//{{AFX_MSG($StartupFormClassName$)\r\n"
     "\t//}}AFX_MSG\r\n"
     "\tDECLARE_MESSAGE_MAP()\r\n"
     "};\r\n"
     "#endif// $GUID_INCLUDED$\r\n"},
    // resource script: includes
    {61450,
     "//Microsoft Developer Studio generated resource script.\r\n"
     "//\r\n"
     "#include \"resource.h\"\r\n"
     "\r\n"
     "#define APSTUDIO_READONLY_SYMBOLS\r\n"
     "/////////////////////////////////////////////////////////////////////////////\r\n"
     "//\r\n"
     "// Generated from the TEXTINCLUDE 2 resource.\r\n"
     "//\r\n"
     "#include \"afxres.h\"\r\n"
     "\r\n"
     "/////////////////////////////////////////////////////////////////////////////\r\n"
     "#undef APSTUDIO_READONLY_SYMBOLS"},
    // resource script: language and TEXTINCLUDE
    {61451,
     "\r\n"
     "\r\n"
     "/////////////////////////////////////////////////////////////////////////////\r\n"
     "// English (U.S.) resources\r\n"
     "\r\n"
     "#if !defined(AFX_RESOURCE_DLL) || defined(AFX_TARG_ENU)\r\n"
     "#ifdef _WIN32\r\n"
     "LANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US\r\n"
     "#pragma code_page(1252)\r\n"
     "#endif //_WIN32\r\n"
     "\r\n"
     "#ifdef APSTUDIO_INVOKED\r\n"
     "/////////////////////////////////////////////////////////////////////////////\r\n"
     "//\r\n"
     "// TEXTINCLUDE\r\n"
     "//\r\n"
     "\r\n"
     "1 TEXTINCLUDE DISCARDABLE \r\n"
     "BEGIN\r\n"
     "\t\"resource.h\\0\"\r\n"
     "END\r\n"
     "\r\n"
     "2 TEXTINCLUDE DISCARDABLE \r\n"
     "BEGIN\r\n"
     "\t\"#include \"\"afxres.h\"\"\\r\\n\"\r\n"
     "\t\"\\0\"\r\n"
     "END\r\n"
     "\r\n"
     "3 TEXTINCLUDE DISCARDABLE \r\n"
     "BEGIN\r\n"
     "\t\"#define _AFX_NO_SPLITTER_RESOURCES\\r\\n\"\r\n"
     "\t\"#define _AFX_NO_OLE_RESOURCES\\r\\n\"\r\n"
     "\t\"#define _AFX_NO_TRACKER_RESOURCES\\r\\n\"\r\n"
     "\t\"#define _AFX_NO_PROPERTY_RESOURCES\\r\\n\"\r\n"
     "\t\"\\r\\n\"\r\n"
     "\t\"#if !defined(AFX_RESOURCE_DLL) || defined(AFX_TARG_ENU)\\r\\n\"\r\n"
     "\t\"#ifdef _WIN32\\r\\n\"\r\n"
     "\t\"LANGUAGE 9, 1\\r\\n\"\r\n"
     "\t\"#pragma code_page(1252)\\r\\n\"\r\n"
     "\t\"#endif\\r\\n\"\r\n"
     "\t\"#include \"\"res\\$ProjectName$.rc2\"\"  // non-Microsoft Visual C++ edited resources\\r\\n\"\r\n"
     "\t\"#include \"\"afxres.rc\"\"         // Standard components\\r\\n\"\r\n"
     "\t\"#include \"\"afxprint.rc\"\"       // printing/print preview resources\\r\\n\"\r\n"
     "\t\"#endif\\0\"\r\n"
     "END\r\n"
     "\r\n"
     "#endif    // APSTUDIO_INVOKED\r\n"
     "\r\n"
     "\r\n"
     "\r\n"},
    // resource script: icons
    {61452,
     "/////////////////////////////////////////////////////////////////////////////\r\n"
     "//\r\n"
     "// Icon\r\n"
     "//\r\n"
     "\r\n"
     "// Icon with lowest ID value placed first to ensure application icon\r\n"
     "// remains consistent on all systems.\r\n"
     "\r\n"},
    // resource script: bitmaps, cursors, menus
    {61453,
     "/////////////////////////////////////////////////////////////////////////////\r\n"
     "//\r\n"
     "// Bitmap\r\n"
     "//\r\n"
     "\r\n"
     "/////////////////////////////////////////////////////////////////////////////\r\n"
     "//\r\n"
     "// Cursor\r\n"
     "//\r\n"
     "\r\n"
     "/////////////////////////////////////////////////////////////////////////////\r\n"
     "//\r\n"
     "// Menu\r\n"
     "//\r\n"
     "\r\n"
     "\r\n"
     "\r\n"},
    // resource.h
    {61463,
     "//{{NO_DEPENDENCIES}}\r\n"
     "// Microsoft Developer Studio generated include file.\r\n"
     "// Used by $ProjectName$.rc\r\n"
     "//\r\n"
     "#define $IDS_PROP$                  61446\r\n"
     "\r\n"
     "// Next default values for new objects\r\n"
     "// \r\n"
     "#ifdef APSTUDIO_INVOKED\r\n"
     "#ifndef APSTUDIO_READONLY_SYMBOLS\r\n"
     "#define _APS_3D_CONTROLS                     1\r\n"
     "#define _APS_NEXT_RESOURCE_VALUE        128\r\n"
     "#define _APS_NEXT_COMMAND_VALUE         32771\r\n"
     "#define _APS_NEXT_CONTROL_VALUE         1000\r\n"
     "#define _APS_NEXT_SYMED_VALUE           101\r\n"
     "#endif\r\n"
     "#endif\r\n"},
    // project file: header (LF line breaks)
    {61464,
     "# Microsoft Developer Studio Project File - Name=\"$ProjectName$\" - Package Owner=<4>\n"
     "# Microsoft Developer Studio Generated Build File, Format Version $VER$\n"
     "# ** DO NOT EDIT **\n"
     "\n"
     "# TARGTYPE \"Win32 (x86) Application\" 0x0101\n"
     "\n"
     "CFG=$ProjectName$ - Win32 Debug\n"
     "!MESSAGE This is not a valid makefile. To build this project using NMAKE,\n"
     "!MESSAGE use the Export Makefile command and run\n"
     "!MESSAGE \n"
     "!MESSAGE NMAKE /f \"$ProjectName$.mak\".\n"
     "!MESSAGE \n"
     "!MESSAGE You can specify a configuration when running NMAKE\n"
     "!MESSAGE by defining the macro CFG on the command line. For example:\n"
     "!MESSAGE \n"
     "!MESSAGE NMAKE /f \"$ProjectName$.mak\" CFG=\"$ProjectName$ - Win32 Debug\"\n"
     "!MESSAGE \n"
     "!MESSAGE Possible choices for configuration are:\n"
     "!MESSAGE \n"
     "!MESSAGE \"$ProjectName$ - Win32 Release\" (based on \"Win32 (x86) Application\")\n"
     "!MESSAGE \"$ProjectName$ - Win32 Debug\" (based on \"Win32 (x86) Application\")\n"
     "!MESSAGE \n"
     "\n"
     "# Begin Project\n"
     "# PROP Scc_ProjName \"\"\n"
     "# PROP Scc_LocalPath \"\"\n"
     "CPP=cl.exe\n"
     "MTL=midl.exe\n"
     "RSC=rc.exe\n"
     "\n"},
    // resource script: version
    {61495,
     "#ifndef _MAC\r\n"
     "/////////////////////////////////////////////////////////////////////////////\r\n"
     "//\r\n"
     "// Version\r\n"
     "//\r\n"
     "\r\n"
     "VS_VERSION_INFO VERSIONINFO\r\n"
     " FILEVERSION 1,0,0,1\r\n"
     " PRODUCTVERSION 1,0,0,1\r\n"
     " FILEFLAGSMASK 0x3fL\r\n"
     "#ifdef _DEBUG\r\n"
     " FILEFLAGS 0x1L\r\n"
     "#else\r\n"
     " FILEFLAGS 0x0L\r\n"
     "#endif\r\n"
     " FILEOS 0x4L\r\n"
     " FILETYPE 0x1L\r\n"
     " FILESUBTYPE 0x0L\r\n"
     "BEGIN\r\n"
     "\tBLOCK \"StringFileInfo\"\r\n"
     "\tBEGIN\r\n"
     "\t\tBLOCK \"040904B0\"\r\n"
     "\t\tBEGIN\r\n"
     "\t\t\tVALUE \"CompanyName\", \"\\0\"\r\n"
     "\t\t\tVALUE \"FileDescription\", \"$ProjectName$ MFC Application\\0\"\r\n"
     "\t\t\tVALUE \"FileVersion\", \"1, 0, 0, 1\\0\"\r\n"
     "\t\t\tVALUE \"InternalName\", \"$ProjectName$\\0\"\r\n"
     "\t\t\tVALUE \"LegalCopyright\", \"Copyright (C) 1998\\0\"\r\n"
     "\t\t\tVALUE \"LegalTrademarks\", \"\\0\"\r\n"
     "\t\t\tVALUE \"OriginalFilename\", \"$ProjectName$.EXE\\0\"\r\n"
     "\t\t\tVALUE \"ProductName\", \"$ProjectName$ Application\\0\"\r\n"
     "\t\t\tVALUE \"ProductVersion\", \"1, 0, 0, 1\\0\"\r\n"
     "\t\tEND\r\n"
     "\tEND\r\n"
     "\tBLOCK \"VarFileInfo\"\r\n"
     "\tBEGIN\r\n"
     "\t\tVALUE \"Translation\", 0x409, 1200\r\n"
     "\tEND\r\n"
     "END\r\n"
     "\r\n"
     "#endif    // !_MAC\r\n"
     "\r\n"
     "\r\n"
     "\r\n"},
    // project file: release configuration (LF line breaks)
    {61499,
     "!IF  \"$(CFG)\" == \"$ProjectName$ - Win32 Release\"\n"
     "\n"
     "# PROP BASE Use_MFC 6\n"
     "# PROP BASE Use_Debug_Libraries 0\n"
     "# PROP BASE Output_Dir \"Release\"\n"
     "# PROP BASE Intermediate_Dir \"Release\"\n"
     "# PROP BASE Target_Dir \"\"\n"
     "# PROP Use_MFC 6\n"
     "# PROP Use_Debug_Libraries 0\n"
     "# PROP Output_Dir \"Release\"\n"
     "# PROP Intermediate_Dir \"Release\"\n"
     "# PROP Target_Dir \"\"\n"
     "# ADD BASE CPP /nologo /MD /W3 /GX /O2 /D \"WIN32\" /D \"NDEBUG\" /D \"_WINDOWS\" /D \"_AFXDLL\" /Yu\"stdafx.h\" /FD /c\n"
     "# ADD CPP /nologo /MD /W3 /GX /O2 /D \"WIN32\" /D \"NDEBUG\" /D \"_WINDOWS\" /D \"_AFXDLL\" /Yu\"stdafx.h\" /FD /c\n"
     "# ADD BASE MTL /nologo /D \"NDEBUG\" /mktyplib203 /o NUL /win32\n"
     "# ADD MTL /nologo /D \"NDEBUG\" /mktyplib203 /o NUL /win32\n"
     "# ADD BASE RSC /l 0x409 /d \"NDEBUG\" /d \"_AFXDLL\"\n"
     "# ADD RSC /l 0x409 /d \"NDEBUG\" /d \"_AFXDLL\"\n"
     "BSC32=bscmake.exe\n"
     "# ADD BASE BSC32 /nologo\n"
     "# ADD BSC32 /nologo\n"
     "LINK32=link.exe\n"
     "# ADD BASE LINK32 /nologo /subsystem:windows /machine:I386\n"
     "# ADD LINK32 $TFX_LIB$ /nologo /subsystem:windows /machine:I386\n"
     "\n"},
    // project file: debug configuration (LF line breaks)
    {61500,
     "!ELSEIF  \"$(CFG)\" == \"$ProjectName$ - Win32 Debug\"\n"
     "\n"
     "# PROP BASE Use_MFC 6\n"
     "# PROP BASE Use_Debug_Libraries 1\n"
     "# PROP BASE Output_Dir \"Debug\"\n"
     "# PROP BASE Intermediate_Dir \"Debug\"\n"
     "# PROP BASE Target_Dir \"\"\n"
     "# PROP Use_MFC 6\n"
     "# PROP Use_Debug_Libraries 1\n"
     "# PROP Output_Dir \"Debug\"\n"
     "# PROP Intermediate_Dir \"Debug\"\n"
     "# PROP Ignore_Export_Lib 0\n"
     "# PROP Target_Dir \"\"\n"
     "# ADD BASE CPP /nologo /MDd /W3 /Gm /GX /Zi /Od /D \"WIN32\" /D \"_DEBUG\" /D \"_WINDOWS\" /D \"_AFXDLL\" /Yu\"stdafx.h\" /FD /c\n"
     "# ADD CPP /nologo /MDd /W3 /Gm /GX /Zi /Od /D \"WIN32\" /D \"_DEBUG\" /D \"_WINDOWS\" /D \"_AFXDLL\" /Yu\"stdafx.h\" /FD /c\n"
     "# ADD BASE MTL /nologo /D \"_DEBUG\" /mktyplib203 /o NUL /win32\n"
     "# ADD MTL /nologo /D \"_DEBUG\" /mktyplib203 /o NUL /win32\n"
     "# ADD BASE RSC /l 0x409 /d \"_DEBUG\" /d \"_AFXDLL\"\n"
     "# ADD RSC /l 0x409 /d \"_DEBUG\" /d \"_AFXDLL\"\n"
     "BSC32=bscmake.exe\n"
     "# ADD BASE BSC32 /nologo\n"
     "# ADD BSC32 /nologo\n"
     "LINK32=link.exe\n"
     "# ADD BASE LINK32 /nologo /subsystem:windows /debug /machine:I386 /pdbtype:sept\n"
     "# ADD LINK32 $TFX_LIB_DEBUG$ /nologo /subsystem:windows /debug /machine:I386 /out:\"Debug/$ProjectName$.exe\" /pdbtype:sept\n"
     "\n"},
    // project file: target and source files (LF line breaks)
    {61502,
     "!ENDIF \n"
     "\n"
     "# Begin Target\n"
     "\n"
     "# Name \"$ProjectName$ - Win32 Release\"\n"
     "# Name \"$ProjectName$ - Win32 Debug\"\n"
     "# Begin Group \"Source Files\"\n"
     "\n"
     "# PROP Default_Filter \"cpp;c;cxx;rc;def;r;odl;idl;hpj;bat\"\n"
     "# Begin Source File\n"
     "\n"
     "SOURCE=.\\$StartupFormCpp$\n"
     "# End Source File\n"
     "# Begin Source File\n"
     "\n"
     "SOURCE=.\\$ProjectName$.cpp\n"
     "# End Source File\n"
     "# Begin Source File\n"
     "\n"
     "SOURCE=.\\$ProjectName$.rc\n"
     "# End Source File\n"
     "# Begin Source File\n"
     "\n"
     "SOURCE=.\\StdAfx.cpp\n"
     "# ADD CPP /Yc\"stdafx.h\"\n"
     "# End Source File\n"
     "# End Group\n"},
    // project file: header and resource files (LF line breaks)
    {61504,
     "# Begin Group \"Header Files\"\n"
     "\n"
     "# PROP Default_Filter \"h;hpp;hxx;hm;inl\"\n"
     "# Begin Source File\n"
     "\n"
     "SOURCE=.\\$StartupFormH$\n"
     "# End Source File\n"
     "# Begin Source File\n"
     "\n"
     "SOURCE=.\\$ProjectName$.h\n"
     "# End Source File\n"
     "# Begin Source File\n"
     "\n"
     "SOURCE=.\\Resource.h\n"
     "# End Source File\n"
     "# Begin Source File\n"
     "\n"
     "SOURCE=.\\StdAfx.h\n"
     "# End Source File\n"
     "# End Group\n"
     "# Begin Group \"Resource Files\"\n"
     "\n"
     "# PROP Default_Filter \"ico;cur;bmp;dlg;rc2;rct;bin;cnt;rtf;gif;jpg;jpeg;jpe\"\n"
     "\n"
     "# Begin Source File\n"
     "\n"
     "SOURCE=.\\res\\$ProjectName$.rc2\n"
     "# End Source File\n"
     "\n"
     "# End Group\n"
     "# End Target\n"
     "# End Project\n"},
    // workspace file (LF line breaks)
    {61520,
     "Microsoft Developer Studio Workspace File, Format Version 5.00\n"
     "\n"
     "\n"
     "# WARNING: DO NOT EDIT OR DELETE THIS WORKSPACE FILE!\n"
     "\n"
     "###############################################################################\n"
     "\n"
     "Project: \"$ProjectName$\"=.\\$ProjectName$.dsp - Package Owner=<4>\n"
     "\n"
     "Package=<5>\n"
     "{{{\n"
     "}}}\n"
     "\n"
     "Package=<4>\n"
     "{{{\n"
     "}}}\n"
     "\n"
     "###############################################################################\n"
     "\n"
     "Global:\n"
     "\n"
     "Package=<5>\n"
     "{{{\n"
     "}}}\n"
     "\n"
     "Package=<3>\n"
     "{{{\n"
     "}}}\n"
     "\n"
     "###############################################################################\n"},
    // .rc2 (LF line breaks)
    {61521,
     "//\n"
     "// $PROJECTNAME$.RC2 - resources Microsoft Visual C++ does not edit directly\n"
     "//\n"
     "\n"
     "#ifdef APSTUDIO_INVOKED\n"
     "\t#error this file is not editable by Microsoft Visual C++\n"
     "#endif //APSTUDIO_INVOKED\n"
     "\n"
     "\n"
     "/////////////////////////////////////////////////////////////////////////////\n"
     "// Add manually edited resources here...\n"
     "\n"
     "/////////////////////////////////////////////////////////////////////////////\n"},
    // stdafx.cpp (LF line breaks)
    {61522,
     "// stdafx.cpp : source file that includes just the standard includes\n"
     "//    $ProjectName$.pch will be the pre-compiled header\n"
     "//    stdafx.obj will contain the pre-compiled type information\n"
     "\n"
     "#include \"stdafx.h\"\n"},
    // stdafx.h (LF line breaks)
    {61561,
     "// stdafx.h : include file for standard system include files,\n"
     "//  or project specific include files that are used frequently, but\n"
     "//      are changed infrequently\n"
     "//\n"
     "\n"
     "#if !defined($GUID_INCLUDED$)\n"
     "#define $GUID_INCLUDED$\n"
     "\n"
     "#if _MSC_VER >= 1000\n"
     "#pragma once\n"
     "#endif // _MSC_VER >= 1000\n"
     "\n"
     "#define VC_EXTRALEAN        // Exclude rarely-used stuff from Windows headers\n"
     "\n"
     "#include <afxwin.h>         // MFC core and standard components\n"
     "#include <afxext.h>         // MFC extensions\n"
     "#include <afxdisp.h>        // MFC OLE automation classes\n"
     "#ifndef _AFX_NO_AFXCMN_SUPPORT\n"
     "#include <afxcmn.h>         // MFC support for Windows Common Controls\n"
     "#endif // _AFX_NO_AFXCMN_SUPPORT\n"
     "\n"
     "// TFX core and standard components\n"
     "#include <tfxControls.h>         \n"
     "#include <tfxform.h>\n"
     "\n"
     "//{{AFX_INSERT_LOCATION}}\n"
     "// Microsoft Developer Studio will insert additional declarations immediately before the previous line.\n"
     "\n"
     "#endif // !defined($GUID_INCLUDED$)\n"},
    // message: the project folder is taken
    {61562, "A workspace with the specified name already exists at the specified location."},
    // resource script: string table
    {61563,
     "/////////////////////////////////////////////////////////////////////////////\r\n"
     "//\r\n"
     "// String Table\r\n"
     "//\r\n"
     "\r\n"
     "STRINGTABLE PRELOAD DISCARDABLE \r\n"
     "BEGIN\r\n"
     "\t$IDS_PROP$          $FORM_PROP_VALS$\r\n"
     "END\r\n"
     "\r\n"},
    // resource script: TEXTINCLUDE 3 part
    {61564,
     "#endif    // English (U.S.) resources\r\n"
     "/////////////////////////////////////////////////////////////////////////////\r\n"
     "\r\n"
     "\r\n"
     "\r\n"
     "#ifndef APSTUDIO_INVOKED\r\n"
     "/////////////////////////////////////////////////////////////////////////////\r\n"
     "//\r\n"
     "// Generated from the TEXTINCLUDE 3 resource.\r\n"
     "//\r\n"
     "#define _AFX_NO_SPLITTER_RESOURCES\r\n"
     "#define _AFX_NO_OLE_RESOURCES\r\n"
     "#define _AFX_NO_TRACKER_RESOURCES\r\n"
     "#define _AFX_NO_PROPERTY_RESOURCES\r\n"
     "\r\n"
     "\r\n"
     "#if !defined(AFX_RESOURCE_DLL) || defined(AFX_TARG_ENU)\r\n"
     "#ifdef _WIN32\r\n"
     "LANGUAGE 9, 1\r\n"
     "#pragma code_page(1252)\r\n"
     "#endif\r\n"
     "#include \"res\\$ProjectName$.rc2\"  // non-Microsoft Visual C++ edited resources\r\n"
     "#include \"afxres.rc\"         // Standard components\r\n"
     "#include \"afxprint.rc\"       // printing/print preview resources\r\n"
     "#endif\r\n"
     "/////////////////////////////////////////////////////////////////////////////\r\n"
     "#endif    // not APSTUDIO_INVOKED\r\n"},
    // form source, CreateTFXControls
    {61590,
     "void $StartupFormClassName$::CreateTFXControls()\r\n"
     "{\r\n"
     "\t//{{AFX_TFX_CTRL_IMPL_START\r\n"
     "\t//}}AFX_TFX_CTRL_IMPL_END\r\n"
     "}\r\n"},
    // message: a project file could not be written
    {61593, "Error in generating project"},
    // property value string of a new start-up form
    {61615,
     "\"1,12632256,1,MS Sans Serif,0,0,14,0,0,0,213,0,0,0,0,0,Tag,0,1,312,0,2,Form1,1,1,13,0,1,0,1,1,0,0,0,Form1,"
     "1,0,1,1,1,0,0,0,0,10,0,3,0,10,1,0,0,0,0,\""},
    // property value string of a new MDI start-up form
    {61616, "\"1,8421504,1,213,0,0,0,0,0,Tag,0,1,312,1,MDIForm,0,0,Form,1,1,0,0,1,0,0,0,\""},
};

constexpr bool IsSorted()
{
    for (size_t i = 1; i < std::size(kTemplates); ++i)
        if (kTemplates[i - 1].id >= kTemplates[i].id)
            return false;
    return true;
}
static_assert(IsSorted(), "template identifiers must be unique and in ascending order");

} // namespace

std::string_view TemplateText(int id)
{
    const auto it = std::lower_bound(std::begin(kTemplates), std::end(kTemplates), id,
                                     [](const TemplateEntry& entry, int key) { return entry.id < key; });
    if (it == std::end(kTemplates) || it->id != id)
        return {};
    return it->text;
}

bool HasTemplate(int id)
{
    return !TemplateText(id).empty();
}

std::string JoinTemplates(std::initializer_list<int> ids)
{
    size_t size = 0;
    for (int id : ids)
        size += TemplateText(id).size();
    std::string text;
    text.reserve(size);
    for (int id : ids)
        text += TemplateText(id);
    return text;
}

} // namespace morva
