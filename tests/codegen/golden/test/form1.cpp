// form1.cpp : implementation file
//

#include "stdafx.h"
#include "test.h"
#include "form1.h"


#ifdef _DEBUG
#define new DEBUG_NEW
#undef THIS_FILE
static char THIS_FILE[] = __FILE__;
#endif

/////////////////////////////////////////////////////////////////////////////
// CForm1 Form



CForm1::CForm1()
{
	//{{AFX_TFX_FORM_DATA_START
	m_nPropStringID = IDS_PROP_FORM1;
	//}}AFX_TFX_FORM_DATA_END
}
CForm1::~CForm1()
{
}
IMPLEMENT_DYNCREATE(CForm1, CXForm)

BEGIN_MESSAGE_MAP(CForm1, CXForm)
	//{{AFX_MSG_MAP(CForm1)
	//}}AFX_MSG_MAP
END_MESSAGE_MAP()


/////////////////////////////////////////////////////////////////////////////
// CForm1 message handlers

void CForm1::CreateTFXControls()
{
	//{{AFX_TFX_CTRL_IMPL_START
	//}}AFX_TFX_CTRL_IMPL_END
}
