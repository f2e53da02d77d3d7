// The drawn frame of every window of Tessary: a 40-pixel caption band of bitmaps, 4-pixel bitmap
// borders, caption buttons drawn by the program and a window shape with rounded top corners.
//
// Two variants share the painting, the geometry and the window shape:
//
//   * CColorDlg - a dialog base class (fixed size, a close button, the caption text
//     "Tessary Renamer"). Derive a secondary dialog from it instead of DialogBase and call
//     CColorDlg::onInitDialog() / CColorDlg::onMessage() from your overrides.
//
//   * MainFrameSkin - the main window's frame (resizable, minimise / maximise-restore / close
//     buttons, the icon area that opens the system menu, the centred title picture). The main
//     window keeps one as a member and offers it every message first:
//
//         MainFrameSkin frame_;                         // member of the main window
//         BOOL onInitDialog() override { frame_.attach(hwnd()); ...; frame_.applyShape(); }
//         std::optional<LRESULT> onMessage(UINT m, WPARAM w, LPARAM l) override {
//             if (auto r = frame_.handle(m, w, l)) return r;   // WM_NC*, WM_SIZE shape, ...
//             ...
//         }
//
//     A click on the caption buttons sends WM_SYSCOMMAND with IDM_FRAME_MINIMIZE (0xFF01),
//     IDM_FRAME_MAXIMIZE (0xFF02) or IDM_FRAME_RESTORE (0xFF03); the close button sends
//     IDM_FRAME_CLOSE (0xFF04), which the main window answers with its exit confirmation. The
//     icon area opens the system menu and posts the chosen command as WM_SYSCOMMAND.
//
// The free functions in namespace `frame` are the geometry and the painting on their own, for
// tests and for windows that want only a piece of it.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "DialogBase.h"
#include "GdiHandles.h"

namespace tessary {

namespace frame {

constexpr int kCaptionHeight = 40;
constexpr int kBorder = 4;
// The window background of every skinned window (red 217, green 214, blue 214).
constexpr COLORREF kBackground = 0xD6D6D9;

enum class CaptionPart { None, Minimize, MaxRestore, Close, Icon };

// Which caption button a point lies on; the point is in window coordinates (0, 0 = the window's
// top-left corner) and width is the window width.
CaptionPart mainCaptionPartAt(POINT windowPoint, int width);
CaptionPart dialogCaptionPartAt(POINT windowPoint, int width);

// The main window's hit test of a screen point against the window rectangle; nullopt means the
// platform's default answer.
std::optional<LRESULT> mainHitTest(const RECT& windowRect, POINT screenPoint);
// The dialog frame's hit test: the caption band drags, the borders do not size.
LRESULT dialogHitTest(const RECT& windowRect, POINT screenPoint);

// The client rectangle inside a proposed window rectangle. thinBorder is the platform's
// one-pixel border width (SM_CXBORDER), which the main window keeps on every side.
RECT mainClientRect(const RECT& windowRect, int thinBorder);
RECT dialogClientRect(const RECT& windowRect);

// The window shape for a window of width x height (both variants), and setting it.
UniqueRegion createFrameRegion(int width, int height);
void applyFrameShape(HWND window);

// The pictures the caption shows for a state.
UINT mainRightPiece(bool maximized, CaptionPart highlighted);
UINT mainLeftPiece(bool iconHovered, bool iconPressed);
UINT dialogRightPiece(bool closeHovered, bool closePressed);
// x of the title picture on a main window of this width.
int mainTitleX(int width);

// Paints the whole frame of a width x height window into dc (in window coordinates).
void paintMainFrame(HDC dc, int width, int height, UINT rightPiece, UINT leftPiece);
void paintDialogFrame(HDC dc, int width, int height, UINT rightPiece, const std::wstring& caption,
                      HFONT font);

// Prints a window's client area and its child controls into dc, whose origin is the window's
// top-left corner (what WM_PRINT asks; the platform's own handling prints neither the client at
// its place inside a drawn frame nor the children everywhere).
void printClientAndChildren(HWND window, HDC dc, LPARAM flags);

}  // namespace frame

// The main window's frame. It keeps only the pictures last drawn and the caption button a press
// began on, so that a release acts only on the button that was pressed.
class MainFrameSkin {
  public:
    void attach(HWND window) { window_ = window; }
    HWND window() const { return window_; }

    // Handles the frame's messages: WM_NCCALCSIZE, WM_NCPAINT, WM_NCACTIVATE, WM_NCHITTEST,
    // WM_NCMOUSEMOVE, WM_NCMOUSELEAVE, WM_NCLBUTTONDOWN, WM_NCLBUTTONUP, WM_NCLBUTTONDBLCLK,
    // WM_SETTEXT, WM_SETICON (the platform would draw its own caption) and WM_SIZE (shape).
    // nullopt: not a frame matter, or the platform's default must run.
    std::optional<LRESULT> handle(UINT message, WPARAM wParam, LPARAM lParam);

    void paint();
    void applyShape() const { frame::applyFrameShape(window_); }

    // The pictures drawn last (bitmap ids), for tests and for redraws.
    UINT rightPiece() const { return rightPiece_; }
    UINT leftPiece() const { return leftPiece_; }

  private:
    frame::CaptionPart partAt(LPARAM screenPoint) const;
    void drawPieces(UINT right, UINT left);
    void trackLeave() const;
    void print(HDC dc, LPARAM what) const;
    std::optional<LRESULT> onButtonDown(UINT message, WPARAM hit, LPARAM screenPoint);
    std::optional<LRESULT> onButtonUp(WPARAM hit, LPARAM screenPoint);
    // A click released on the caption button it was pressed on.
    void runCaptionButton(frame::CaptionPart part, LPARAM screenPoint) const;

    HWND window_ = nullptr;
    UINT rightPiece_ = 0;
    UINT leftPiece_ = 0;
    frame::CaptionPart pressed_ = frame::CaptionPart::None;
};

// The secondary dialogs' frame, as a piece of its own for windows that are not a CColorDlg.
class DialogFrameSkin {
  public:
    void attach(HWND window) { window_ = window; }

    std::optional<LRESULT> handle(UINT message, WPARAM wParam, LPARAM lParam);
    void paint();
    UINT rightPiece() const { return rightPiece_; }

  private:
    frame::CaptionPart partAt(LPARAM screenPoint) const;
    void drawRightPiece(UINT piece);

    HWND window_ = nullptr;
    UINT rightPiece_ = 0;
    bool closePressed_ = false;
};

// Base class of the skinned secondary dialogs. When the dialog opens it sets the window text
// "Tessary批量改名器", grows the window so that the client area keeps the template's size inside
// the drawn frame, centres it over its owner and applies the window shape. The background of
// the dialog and of its static controls is frame::kBackground.
class CColorDlg : public DialogBase {
  public:
    explicit CColorDlg(UINT templateId);
    ~CColorDlg() override;

    const DialogFrameSkin& frameSkin() const { return frame_; }
    // The text drawn in the caption band.
    static const wchar_t* captionText() { return L"Tessary Renamer"; }

  protected:
    BOOL onInitDialog() override;
    std::optional<LRESULT> onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Sets the client area to width x height pixels inside the frame and centres the dialog.
    void setClientSizeCentered(int width, int height);
    HBRUSH backgroundBrush() const { return background_.get(); }

  private:
    DialogFrameSkin frame_;
    UniqueBrush background_;
};

}  // namespace tessary
