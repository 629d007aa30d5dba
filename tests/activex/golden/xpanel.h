#if !defined(AFX_XPANEL_H__11111111_2222_3333_4444_555555555555__INCLUDED_)
#define AFX_XPANEL_H__11111111_2222_3333_4444_555555555555__INCLUDED_

#if _MSC_VER >= 1000
#pragma once
#endif // _MSC_VER >= 1000
// Machine generated IDispatch wrapper class(es) created by Morva
// xpanel.h : header file
//
/////////////////////////////////////////////////////////////////////////////
// CXAxPanel wrapper class
//
//
//		DO NOT EDIT!!!
//
//
class	CXAxPanel;
struct CXAxPanelPropVal
{
	COleDispatchDriver* m_pDispDriver;
};

#define DEFINE_AX_PROP_XAXPANEL(thePropClass, thePropType)\
struct thePropClass :  CXAxPanelPropVal \
{\
	const thePropType& operator=(const thePropType& nValue);\
	operator thePropType();\
};\

DEFINE_AX_PROP_XAXPANEL(CXAxPanelMargin, long)


class CXAxPanel : public COleDispatchDriver
{
public:
	CXAxPanel() {SetPtr();}		// Calls COleDispatchDriver default constructor
	CXAxPanel(LPDISPATCH pDispatch) : COleDispatchDriver(pDispatch) {SetPtr();}
	CXAxPanel(const  CXAxPanel& dispatchSrc) : COleDispatchDriver(dispatchSrc) {SetPtr();}


	virtual void SetPtr();
	CXAxPanelMargin	Margin;
	CXAxPanel GetParent();
	void	SetParent(LPDISPATCH newValue);

//Operations
//{{AFX_X_AX_FUNC_DECLR_START

//}}AFX_X_AX_FUNC_DECLR_END
};
#endif// AFX_XPANEL_H__11111111_2222_3333_4444_555555555555__INCLUDED_
