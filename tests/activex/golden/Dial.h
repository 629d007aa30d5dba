#if !defined(AFX_DIAL_H__11111111_2222_3333_4444_555555555555__INCLUDED_)
#define AFX_DIAL_H__11111111_2222_3333_4444_555555555555__INCLUDED_

#if _MSC_VER >= 1000
#pragma once
#endif // _MSC_VER >= 1000
// Machine generated IDispatch wrapper class(es) created by Morva
// Dial.h : header file
//
#include "xfont.h"
#include "xpicture.h"
#include "xPanel.h"

/////////////////////////////////////////////////////////////////////////////
// CXAxDial wrapper class
//
//
//		DO NOT EDIT!!!
//
//
class	CXAxPanel;
struct CXAxDialPropVal
{
	CWnd* m_pWnd;
};

#define DEFINE_AX_PROP_XAXDIAL(thePropClass, thePropType)\
struct thePropClass :  CXAxDialPropVal \
{\
	const thePropType& operator=(const thePropType& nValue);\
	operator thePropType();\
};\

DEFINE_AX_PROP_XAXDIAL(CXAxDialBackColor, COLORREF)


class CXAxDial : public CXActiveXCtrl
{
protected:
	DECLARE_DYNCREATE(CXAxDial)
public:
	CXAxDial();
	~CXAxDial();
	virtual CLSID const& GetClsid()
	{
		static CLSID const clsid
			= { 0xa1b2c3d, 0x4, 0x5, { 0x6, 0x7, 0x8, 0x9, 0xa, 0xb, 0xc, 0xd } };
		return clsid;
	}
	CString GetProgID(){return _T("DialLib.Dial.1");}
	virtual void SetPtr();
	CXAxDialBackColor	BackColor;
	CXOleFont	Font;
	CXOlePicture	Picture;
	CXAxPanel	Panel;
	long	GetReading(long index);
	void	SetReading(long index, long newValue);

//Operations
//{{AFX_X_AX_FUNC_DECLR_START
	void AboutBox();
	void Fill(long a, BSTR* b);
	long Count();
	CXAxPanel Item(VARIANT index);

//}}AFX_X_AX_FUNC_DECLR_END
};
#endif// AFX_DIAL_H__11111111_2222_3333_4444_555555555555__INCLUDED_
