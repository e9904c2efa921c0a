#pragma once
// Ids the framework itself relies on. Plain macros, so resource scripts can include this too.

#define IDS_APP_TITLE 57344         // string resource: caption of every message box
#define ID_APP_ABOUT 0xE140         // command: show the about box
#define ID_APP_EXIT 0xE141          // command: close the main window
#define AFX_IDW_PANE_FIRST 0xE900   // child id of a frame's client pane (and of a splitter's first pane)
