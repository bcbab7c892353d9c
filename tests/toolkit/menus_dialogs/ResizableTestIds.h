// Resource ids of the resizable-window tests.
#pragma once
#define IDD_RESIZABLE_FORM 4200
#define IDC_FORM_STRETCH   4201
#define IDC_FORM_BOTTOM    4202
