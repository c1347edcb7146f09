// The class framework: a small layer over Win32 for the setup's wizard.
//
//   CApplication    (application.h) the one global application object; wWinMain calls
//                   its InitInstance once and ends the process when it returns FALSE.
//   CWnd            (window.h) a C++ object attached to an existing window.
//                   SubclassWindow routes the window's messages to the object
//                   (SetWindowSubclass; undone at WM_NCDESTROY) after PreSubclassWindow.
//                   WindowProc is the message map: a switch that hands WM_TIMER,
//                   WM_MOUSEMOVE, WM_SETCURSOR, WM_ERASEBKGND, WM_PAINT, WM_COMMAND,
//                   WM_SYSCOMMAND and WM_INITDIALOG to virtual On... handlers; every
//                   base handler calls Default(), the window's own processing.
//                   Reflection: the parent of a subclassed control hands its
//                   WM_CTLCOLORSTATIC and WM_COMMAND notifications (STN_CLICKED) back
//                   to the control's OnChildNotify.
//   CStatic         (static_control.h) a static control.
//   CFont, CBrush   (gdi_objects.h) owners of GDI objects.
//   CPropertySheet  (property_sheet.h) a modal PropertySheetW, here in wizard mode; its
//                   window is subclassed as it is created, so OnInitDialog, OnCommand
//                   and OnSysCommand wrap the common controls' own handling.
//   CPropertyPage   (property_page.h) a page with its dialog procedure: OnSetActive,
//                   OnKillActive, OnWizardBack/Next, OnNotify, DoDataExchange.
//   DDX_Control     (data_exchange.h) binds a template control to a CWnd, once.
//   Click maps      (click_map.h) a table "button id -> member function" per class.
//
// No C++ exception crosses a window procedure, dialog procedure or hook: each of
// them catches at its boundary.
#pragma once

#include "framework/application.h"
#include "framework/click_map.h"
#include "framework/data_exchange.h"
#include "framework/gdi_objects.h"
#include "framework/property_page.h"
#include "framework/property_sheet.h"
#include "framework/static_control.h"
#include "framework/window.h"
