// UI driver commands on the started program's own windows, their controls and
// menus. WIN is a window class ("NORMAL") or a class and an exact title
// ("NORMAL=Paint"); the program's top-level windows are searched.
//
//   wait-for WIN MS             waits for the window (and up to 1 s, at most MS, for it
//                               to show); "window WIN visible=0|1" or "no-window WIN"
//   click-control WIN TEXT|ID   BM_CLICK to the child control with that text or control
//                               id (what a click on it does); "clicked X" or "no-control X"
//   choose WIN ID               the menu choice ID: WM_COMMAND (ID, 0) posted to the window
//   menu-keys WIN LETTER VKS    opens the menu-bar item of mnemonic LETTER as the keyboard
//                               does (SC_KEYMENU), then presses each virtual key of VKS
//                               (comma-separated, e.g. 0x28,0x0D) in the open menu, whose
//                               first item is chosen when it opens
//   wait-popup WIN MS           waits for a pop-up menu of the program; prints
//                               "popup DX DY": its corner relative to WIN's client corner
//   popup-keys VKS              presses keys in the open pop-up menu
//   chars WIN TEXT              WM_CHAR for each byte of TEXT, posted to the window
//   close-box WIN               what the close box does: WM_SYSCOMMAND SC_CLOSE
//   mouse-at WIN MSG X Y        a mouse message at client X,Y (left button held for
//                               down and move messages)
//   drag WIN X1 Y1 X2 Y2        left button down at 1, eight moves, up at 2
//   rect WIN                    prints "rect LEFT TOP RIGHT BOTTOM client WIDTH HEIGHT"
//                               (the window on the screen, the size of its client area)
//   client WIN                  prints "client X Y WIDTH HEIGHT": the client area's
//                               corner on the screen and its size
//   redraw WIN                  asks the window to repaint itself now (for tests
//                               about repainting only); prints "redrawn"
//   move WIN X Y W H            MoveWindow
//   show WIN CMD                ShowWindow with that show command
//   capture-raw WIN FILE.bmp    the client area as it is, without asking for a repaint
//   capture-fresh WIN FILE.bmp  the client area after a repaint (as capture does)
//   scroll-info WIN TEXT|ID     of a scroll-bar control: "scroll MIN MAX PAGE POS"
//   wait-text FILE TEXT MS      waits until FILE (a transcript) holds TEXT; prints
//                               "text TEXT" or "no-text TEXT"
//   title WIN                   prints "title TEXT"
//   controls WIN                prints "controls TEXT|TEXT": the child windows' texts
//   items WIN TEXT|ID           prints "items A|B": a list or combo box's items
#pragma once
#include <windows.h>

#include <string>

struct WindowCommandHost {
  DWORD pid;
  void (*say)(const std::string&);
  bool (*save_bmp)(HWND, const char*);
};

// Runs cmd with its arguments; answers how many arguments it used, or -1 when
// cmd is not one of these commands.
int run_window_command(const WindowCommandHost& host, const std::string& cmd, char** args, int available);
