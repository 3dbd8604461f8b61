// Drives the real tervalo.exe from another process, as a user would: starts
// it, finds its windows, types and clicks with real input, and reads the
// screen's pixels.
#ifndef TERVALO_TESTS_E2E_DRIVER_H
#define TERVALO_TESTS_E2E_DRIVER_H

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Set from the command line by the driver's main.
extern std::string ProgramPath; // Windows path of tervalo.exe
extern std::string ArtefactDir; // where screenshots go (Windows path), may be empty
// The screen's DPI as the driver sees it, 96 unless --dpi set the screen to
// another; there the driver sees the screen's own pixels, as the user does.
extern int ScreenDpi;
// A length of the form's 96-dpi design at that DPI, rounded as MulDiv does.
int AtDpi(int pixels);
// How far an edge may lie from that: a system that scales the program's
// window itself rounds each edge on its own.
int DpiSlack();
// Whether every edge of got lies within DpiSlack() of want's.
bool NearlyEqualRect(const RECT& got, const RECT& want);

// Every wait below fails only when its condition still fails after
// kDeadlineMs in which the program's thread did next to no work (it hangs,
// sits idle or has ended), or after kWaitCapMs however busy it is: a slow or
// emulated machine makes a wait longer, never a failure.
constexpr DWORD kDeadlineMs = 10000;
constexpr DWORD kWaitCapMs = 20 * 60 * 1000;

struct Program {
    PROCESS_INFORMATION process{};
    HWND window = nullptr;
};

// Starts the program and waits for its main window; false on time-out.  The
// waits watch the work of the program started last.
bool StartProgram(Program& program);
bool HasEnded(const Program& program);
// The exit code once the process has ended, or STILL_ACTIVE after the wait.
DWORD WaitForExit(const Program& program, DWORD timeoutMs = kDeadlineMs);
// Ends the process if it still runs and releases the handles.
void EndProgram(Program& program);

// Polls the condition, every pollMs at first, until it holds or the program
// has done next to nothing for timeoutMs.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = kDeadlineMs, DWORD pollMs = 10);
// Waits until the program's thread has handled everything sent or typed so
// far and sits idle in its message loop.
void WaitForIdle(const Program& program);

std::string WindowText(HWND window); // by WM_GETTEXT: works across processes
std::string ClassName(HWND window);
RECT ClientRectOnScreen(HWND window);
// The window's rectangle in its parent's client coordinates.
RECT RectInParent(HWND window);
// The window that has the keyboard focus in the program's UI thread.
HWND FocusOf(const Program& program);
// The program's About box, once it is open and shown.
HWND FindAboutBox(const Program& program);
// Waits for the program's About box to open and show; null when none does.
HWND WaitForAboutBox(const Program& program, DWORD pollMs = 10);
// Opens the About box through the menu, Alt then H then A, once the main
// window is ready for the keys, and returns the box once it is ready for
// them in its turn; null when none opens.
HWND OpenAboutByMenu(const Program& program);
// The child windows in creation order.
std::vector<HWND> Children(HWND parent);

bool BringToFront(HWND window);
// Waits until a person would type into the window: it is the foreground
// window and the active one of the program's UI thread, the keyboard focus
// is on focus (on the window or one of its children where focus is null),
// and the program has handled everything queued.  When a box closes, the
// program moves its focus back at once, but the system hands activation
// back only a while later, and a keystroke sent in between is lost.
bool WaitForKeyboard(const Program& program, HWND window, HWND focus = nullptr);

// Real keystrokes, to the foreground window.
void PressKey(WORD vk);
void PressKeyWithModifiers(WORD vk, bool alt, bool shift);
// Types the character as the keys that make it on the keyboard (ASCII).
void TypeCharacter(char character, bool alt = false);
void TypeText(const std::string& text);
// The key with Ctrl held down, Ctrl+V for instance.
void PressControlKey(WORD vk);
// Alt pressed and released on its own, which opens the menu bar.
void TapAlt();

// Puts the text on the clipboard as CF_TEXT; false when it cannot.
bool PutOnClipboard(const std::string& text);
// The process's private committed memory, as the system reports it.
std::size_t PrivateBytes(const Program& program);

// Real mouse input at screen coordinates.
void MouseDownAt(POINT point);
void MouseUp(); // where the mouse went down
void ClickAt(POINT point);
// Clicks the button and returns once the program has handled the click:
// the button holds the mouse capture from the press to the end of its
// release, where it sends its command.
bool ClickButton(const Program& program, HWND button);
POINT CentreOnScreen(HWND window);

// A copy of part of the screen, read from the display itself.
struct Capture {
    RECT area{};
    std::vector<std::uint32_t> pixels; // 0x00RRGGBB, row by row
    COLORREF At(int x, int y) const;   // screen coordinates
};
Capture CaptureScreen(const RECT& area);
// Keeps taking captures until the check passes or the time runs out; the
// last capture is left in capture.
bool WaitForPixels(const RECT& area, Capture& capture, const std::function<bool(const Capture&)>& check,
                   DWORD timeoutMs = kDeadlineMs);
// How far apart two colours are, channel by channel.
int Distance(COLORREF a, COLORREF b);
// Counts the pixels of this colour within rect (screen coordinates), or
// within the tolerance of it: a system that scales the window smooths it.
int CountColour(const Capture& capture, const RECT& rect, COLORREF colour, int tolerance = 0);
// Writes the capture as a 24-bit BMP into ArtefactDir; does nothing without one.
void SaveScreenshot(const Capture& capture, const char* name);

// The main window's background.
constexpr COLORREF kGold = RGB(243, 207, 110);
// The bounding box of everything in the top band of the client area that is
// not the background: the heading.
RECT HeadingBox(const Capture& capture, const RECT& client, int band);
// Whether the box is a heading: it starts at the client area's top edge and
// is narrower than the band.  A frame caught while the window is resized can
// have no background across the band, which gives a box of its whole width.
bool IsHeading(const RECT& box, const RECT& client);
// ... centred on the client area, within a pixel.
bool IsCentredHeading(const RECT& box, const RECT& client);

std::string Hex(const std::string& bytes);

#endif
