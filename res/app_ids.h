// Resource ids of the application's main window.
#pragma once
// Menu, icon and document string of the main frame.
#define IDR_MAINFRAME 128
