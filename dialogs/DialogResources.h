/* Resource ids of the dialogs' pictures (shared by C++ and the resource script). */
#pragma once

#define IDB_EDITFORM_IMAGE1 201
#define IDB_EDITFORM_SPEEDBUTTON1 202
#define IDR_ABOUT_LOGO 203
