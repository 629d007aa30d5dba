#if !defined(AFX_FORM1_H__XXXXXXXX_XXXX_XXXX_XXXX_XXXXXXXXXXXX__INCLUDED_)
#define AFX_FORM1_H__XXXXXXXX_XXXX_XXXX_XXXX_XXXXXXXXXXXX__INCLUDED_

#if _MSC_VER >= 1000
#pragma once
#endif // _MSC_VER >= 1000
// form1.h : header file
//

/////////////////////////////////////////////////////////////////////////////
// CForm1 form



class CForm1 : public CXForm
{
	DECLARE_DYNCREATE(CForm1)
// Construction
public:
	CForm1();   // standard constructor
	~CForm1();
	// tfx controls
	//{{AFX_TFX_CTRL_DECLR_START
	//}}AFX_TFX_CTRL_DECLR_END
//Overrides
	//ClassWizard generated virtual function overrides
	//{{AFX_VIRTUAL(CForm1)
	//}}AFX_VIRTUAL
protected:
	virtual void CreateTFXControls();
	// Generated message map functions
	//{{AFX_MSG(CForm1)
	//}}AFX_MSG
	DECLARE_MESSAGE_MAP()
};
#endif// AFX_FORM1_H__XXXXXXXX_XXXX_XXXX_XXXX_XXXXXXXXXXXX__INCLUDED_
