// xpanel.cpp : implementation file
// Machine generated IDispatch wrapper class(es) created by Morva
//
//
//		DO NOT EDIT!!!
//
//

#include "stdafx.h"
#include "xpanel.h"



#ifdef _DEBUG
#define new DEBUG_NEW
#undef THIS_FILE
static char THIS_FILE[] = __FILE__;
#endif

/////////////////////////////////////////////////////////////////////////////
// CXAxPanel







/////////////////////////////////////////////////////////////////////////////
// CXAxPanel operations

void CXAxPanel::SetPtr()
{
	Margin.m_pDispDriver = this;

}

const long& CXAxPanelMargin::operator=(const long& newValue)
{
	static BYTE parms[] =
		VTS_I4;
	m_pDispDriver->InvokeHelper(1, DISPATCH_PROPERTYPUT, VT_EMPTY, NULL, parms,
		 newValue);
	return newValue;
}
CXAxPanelMargin::operator long()
{
	long result;
	m_pDispDriver->InvokeHelper(1, DISPATCH_PROPERTYGET, VT_I4, (void*)&result, NULL);
	return result;
}
CXAxPanel CXAxPanel::GetParent()
{
	LPDISPATCH pDispatch;
	InvokeHelper(2, DISPATCH_PROPERTYGET, VT_DISPATCH, (void*)&pDispatch, NULL);
	return CXAxPanel(pDispatch);
}

void CXAxPanel::SetParent(LPDISPATCH newValue)
{
	static BYTE parms[] =
		VTS_DISPATCH;
	InvokeHelper(2, DISPATCH_PROPERTYPUTREF,  VT_DISPATCH, NULL, parms,
		 newValue);
}
