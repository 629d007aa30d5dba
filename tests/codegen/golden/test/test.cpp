// test.Cpp : Defines the class behaviors for the application.
//


/////////////////////////////////////////////////////////////////////////////
// CTestApp

#include "stdafx.h"
#include "test.h"
#include "form1.h"

#ifdef _DEBUG
#define new DEBUG_NEW
#undef THIS_FILE
static char THIS_FILE[] = __FILE__;
#endif


/////////////////////////////////////////////////////////////////////////////
// The one and only CTestApp object
CTestApp theApp;

CTestApp::CTestApp()
{
	m_pMainWndClass = RUNTIME_CLASS(CForm1);
	m_strRegisterKey ="test";
}

CTestApp::~CTestApp()
{
}
