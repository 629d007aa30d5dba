// Dial.cpp : implementation file
// Machine generated IDispatch wrapper class(es) created by Morva
//
//
//		DO NOT EDIT!!!
//
//

#include "stdafx.h"
#include "Dial.h"



#ifdef _DEBUG
#define new DEBUG_NEW
#undef THIS_FILE
static char THIS_FILE[] = __FILE__;
#endif

/////////////////////////////////////////////////////////////////////////////
// CXAxDial



CXAxDial::CXAxDial()
{
	
}
CXAxDial::~CXAxDial()
{
}
IMPLEMENT_DYNCREATE(CXAxDial, CXActiveXCtrl)



/////////////////////////////////////////////////////////////////////////////
// CXAxDial operations

void CXAxDial::SetPtr()
{
	BackColor.m_pWnd = this;
	InvokeHelper(-512, DISPATCH_PROPERTYGET, VT_DISPATCH, (void*)&Font.m_lpDispatch, NULL);
	Font.SetPtr();
	InvokeHelper(-523, DISPATCH_PROPERTYGET, VT_DISPATCH, (void*)&Picture.m_lpDispatch, NULL);
	Picture.SetPtr();
	InvokeHelper(5, DISPATCH_PROPERTYGET, VT_DISPATCH, (void*)&Panel.m_lpDispatch, NULL);
	Panel.SetPtr();

}

const COLORREF& CXAxDialBackColor::operator=(const COLORREF& newValue)
{
	static BYTE parms[] =
		VTS_I4;
	m_pWnd->InvokeHelper(DISPID_BACKCOLOR, DISPATCH_PROPERTYPUT, VT_EMPTY, NULL, parms,
		 newValue);
	return newValue;
}
CXAxDialBackColor::operator COLORREF()
{
	COLORREF result;
	m_pWnd->InvokeHelper(DISPID_BACKCOLOR, DISPATCH_PROPERTYGET, VT_I4, (void*)&result, NULL);
	return result;
}
long CXAxDial::GetReading(long index)
{
	long	ret;
	static BYTE parms[] =
		VTS_I4 ;
	InvokeHelper(8, DISPATCH_PROPERTYGET, VT_I4 ,(void*)&ret, parms,
		index);
	return ret;
}
void CXAxDial::SetReading(long index, long newValue)
{
	static BYTE parms[] =
		VTS_I4 VTS_I4;
	InvokeHelper(8, DISPATCH_PROPERTYPUT, VT_EMPTY, NULL, parms,
		index, newValue);
}
void CXAxDial::AboutBox()
{
	InvokeHelper(DISPID_ABOUTBOX, DISPATCH_METHOD, VT_EMPTY, NULL, NULL);
}
void CXAxDial::Fill(long a, BSTR* b)
{
	static BYTE params[] =
		VTS_I4 VTS_PBSTR;
	InvokeHelper(10, DISPATCH_METHOD, VT_EMPTY, NULL, params, 
		a, b);
}
long CXAxDial::Count()
{
	long ret;

	InvokeHelper(11, DISPATCH_METHOD, VT_I4, (void*)&ret, NULL);
	return ret;
}
CXAxPanel CXAxDial::Item(VARIANT index)
{
	static BYTE params[] =
		VTS_VARIANT;
	LPDISPATCH ret;

	InvokeHelper(12, DISPATCH_METHOD, VT_DISPATCH, (void*)&ret, params, 
		index);
	return CXAxPanel(ret);
}
