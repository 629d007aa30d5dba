#if !defined(AFX_TEST_H__XXXXXXXX_XXXX_XXXX_XXXX_XXXXXXXXXXXX__INCLUDED_)
#define AFX_TEST_H__XXXXXXXX_XXXX_XXXX_XXXX_XXXXXXXXXXXX__INCLUDED_

#if _MSC_VER >= 1000
#pragma once
#endif // _MSC_VER >= 1000
// test.h : header file
//
#include "tfxWinApp.h"
#include "resource.h"

/////////////////////////////////////////////////////////////////////////////
// CTestApp thread
class CTestApp : public CXWinApp
{
public:
	CTestApp();      
	~CTestApp();
};


#endif // !defined(AFX_TEST_H__XXXXXXXX_XXXX_XXXX_XXXX_XXXXXXXXXXXX__INCLUDED_)
