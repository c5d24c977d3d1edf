#pragma once

#include <functional>
#include <string>
#include <vector>

#include "win32/WinApi.h"

// Looking at windows as a user sees them: by class and caption, in this process or
// another one.

// How many times the usual time the program under test may take for a step: the
// whole number in VELMORA_PATIENCE, 1 when unset (a program under emulation is slow).
int Patience();

// Polls until the condition holds or the time (times the patience) is up; whether it
// held. `pump` runs between polls (this process's messages, when its windows are the
// ones looked at).
bool WaitFor(const std::function<bool()>& condition, int milliseconds = 20000,
             const std::function<void()>& pump = nullptr);

std::wstring WindowText(HWND window);
// Whether a window or one of its descendants has yet to paint a part of itself.
bool PaintPending(HWND window);
std::wstring ClassName(HWND window);
// The first descendant of a window of a class (any case), and caption when one is
// given, in creation order.
HWND FindChild(HWND parent, const std::wstring& className, const std::wstring& text = L"");
// The lines of a list box.
std::vector<std::string> ListBoxLines(HWND list);
// The first line of a list box, empty when it has none.
std::string ListBoxFirstLine(HWND list);
// The command of a menu item of a window's menu bar, by its caption ("&Refresh").
UINT MenuCommand(HWND window, const std::wstring& caption);
