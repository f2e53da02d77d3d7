#include "ColorDlg.h"

#include <windowsx.h>

#include "res/resource.h"

namespace tessary {
namespace frame {
namespace {

bool inRange(LONG v, LONG from, LONG to) { return v >= from && v < to; }

bool inBox(POINT p, LONG left, LONG top, LONG right, LONG bottom) {
    return inRange(p.x, left, right) && inRange(p.y, top, bottom);
}

// Copies a bitmap in tiles of tileW x tileH over [x0, x1) x [y0, y1).
void tile(HDC dc, HDC source, int tileW, int tileH, int x0, int y0, int x1, int y1) {
    for (int y = y0; y < y1; y += tileH) {
        for (int x = x0; x < x1; x += tileW) {
            BitBlt(dc, x, y, tileW, tileH, source, 0, 0, SRCCOPY);
        }
    }
}

// Left, right and bottom borders from the 4 x 4 border tile.
void paintBorders(HDC dc, int width, int height) {
    UniqueBitmap borderTile = loadBitmap(IDB_BORDER_TILE);
    if (!borderTile) return;
    MemoryDC mem(dc);
    SelectScope keep(mem, borderTile.get());
    for (int y = kCaptionHeight; y < height; y += 3) {
        BitBlt(dc, 0, y, kBorder, 3, mem, 0, 0, SRCCOPY);
        BitBlt(dc, width - kBorder, y, kBorder, 3, mem, 0, 0, SRCCOPY);
    }
    for (int x = 0; x < width; x += 2) {
        BitBlt(dc, x, height - kBorder, 2, kBorder, mem, 0, 0, SRCCOPY);
    }
}

void fillCaptionTile(HDC dc, int x0, int x1) {
    UniqueBitmap captionTile = loadBitmap(IDB_CAPTION_TILE);
    if (!captionTile) return;
    MemoryDC mem(dc);
    SelectScope keep(mem, captionTile.get());
    tile(dc, mem, 2, kCaptionHeight, x0, 0, x1, kCaptionHeight);
}

// The caption band is composed off screen and copied in one piece, so hovering does not flicker.
class CaptionSurface {
  public:
    CaptionSurface(HDC target, int width)
        : target_(target),
          width_(width),
          mem_(target),
          bitmap_(CreateCompatibleBitmap(target, width > 0 ? width : 1, kCaptionHeight)),
          keep_(mem_, bitmap_.get()) {}
    HDC dc() const { return mem_; }
    void present() { BitBlt(target_, 0, 0, width_, kCaptionHeight, mem_, 0, 0, SRCCOPY); }

  private:
    HDC target_;
    int width_;
    MemoryDC mem_;
    UniqueBitmap bitmap_;
    SelectScope keep_;
};

}  // namespace

CaptionPart mainCaptionPartAt(POINT p, int width) {
    if (!inRange(p.y, 8, 32)) return CaptionPart::None;
    if (inRange(p.x, width - 82, width - 58)) return CaptionPart::Minimize;
    if (inRange(p.x, width - 58, width - 34)) return CaptionPart::MaxRestore;
    if (inRange(p.x, width - 34, width - 10)) return CaptionPart::Close;
    if (inRange(p.x, 8, 42)) return CaptionPart::Icon;
    return CaptionPart::None;
}

CaptionPart dialogCaptionPartAt(POINT p, int width) {
    if (inBox(p, width - 34, 8, width - 10, 32)) return CaptionPart::Close;
    return CaptionPart::None;
}

std::optional<LRESULT> mainHitTest(const RECT& w, POINT p) {
    const LONG L = w.left, T = w.top, R = w.right, B = w.bottom;
    // First match wins: the caption takes the band below the top sizing edge, corners and edges
    // share the rest of the rim.
    if (inBox(p, L, T + 4, R, T + 44)) return HTCAPTION;
    if (inBox(p, L + 14, T, R - 14, T + 4)) return HTTOP;
    if (inBox(p, L, T + 14, L + 4, B - 14)) return HTLEFT;
    if (inBox(p, L, T, L + 14, T + 14)) return HTTOPLEFT;
    if (inBox(p, L, B - 14, L + 14, B)) return HTBOTTOMLEFT;
    if (inBox(p, R - 4, T + 14, R, B - 14)) return HTRIGHT;
    if (inBox(p, R - 14, B - 14, R, B)) return HTBOTTOMRIGHT;
    if (inBox(p, R - 14, T, R, T + 14)) return HTTOPRIGHT;
    if (inBox(p, L + 14, B - 4, R - 14, B)) return HTBOTTOM;
    return std::nullopt;
}

LRESULT dialogHitTest(const RECT& w, POINT p) {
    if (!inBox(p, w.left, w.top, w.right, w.bottom)) return HTNOWHERE;
    if (inRange(p.y, w.top, w.top + kCaptionHeight)) return HTCAPTION;
    const RECT client = dialogClientRect(w);
    if (inBox(p, client.left, client.top, client.right, client.bottom)) return HTCLIENT;
    return HTBORDER;
}

RECT mainClientRect(const RECT& w, int thinBorder) {
    return RECT{w.left + kBorder + thinBorder, w.top + kCaptionHeight + thinBorder,
                w.right - kBorder - thinBorder, w.bottom - kBorder - thinBorder};
}

RECT dialogClientRect(const RECT& w) {
    return RECT{w.left + kBorder, w.top + kCaptionHeight, w.right - kBorder, w.bottom - kBorder};
}

UniqueRegion createFrameRegion(int width, int height) {
    UniqueRegion shape(CreateRoundRectRgn(0, 0, 50, 40, 19, 19));
    const UniqueRegion parts[] = {
        UniqueRegion(CreateRectRgn(25, 0, width - 31, 40)),
        UniqueRegion(CreateRoundRectRgn(width - 56, 0, width - 1, 40, 16, 16)),
        UniqueRegion(CreateRectRgn(0, 10, width - 1, height))};
    for (const UniqueRegion& part : parts) {
        CombineRgn(shape.get(), shape.get(), part.get(), RGN_OR);
    }
    return shape;
}

void applyFrameShape(HWND window) {
    RECT r{};
    if (!GetWindowRect(window, &r)) return;
    UniqueRegion shape = createFrameRegion(r.right - r.left, r.bottom - r.top);
    // On success the system owns the region.
    if (SetWindowRgn(window, shape.get(), TRUE) != 0) (void)shape.release();
}

UINT mainRightPiece(bool maximized, CaptionPart highlighted) {
    switch (highlighted) {
        case CaptionPart::Minimize:
            return maximized ? IDB_MAIN_ZOOMED_BUTTONS_MIN : IDB_MAIN_BUTTONS_MIN;
        case CaptionPart::MaxRestore:
            return maximized ? IDB_MAIN_ZOOMED_BUTTONS_RESTORE : IDB_MAIN_BUTTONS_MAX;
        case CaptionPart::Close:
            return maximized ? IDB_MAIN_ZOOMED_BUTTONS_CLOSE : IDB_MAIN_BUTTONS_CLOSE;
        default:
            return maximized ? IDB_MAIN_ZOOMED_BUTTONS : IDB_MAIN_BUTTONS;
    }
}

UINT mainLeftPiece(bool iconHovered, bool iconPressed) {
    if (iconPressed) return IDB_MAIN_ICON_PRESSED;
    return iconHovered ? IDB_MAIN_ICON_HOVER : IDB_MAIN_ICON;
}

UINT dialogRightPiece(bool closeHovered, bool closePressed) {
    if (closePressed) return IDB_DLG_CLOSE_PRESSED;
    return closeHovered ? IDB_DLG_CLOSE_HOVER : IDB_DLG_CLOSE;
}

int mainTitleX(int width) { return (width - 300) / 2 + 50; }

void paintMainFrame(HDC dc, int width, int height, UINT rightPiece, UINT leftPiece) {
    paintBorders(dc, width, height);
    CaptionSurface caption(dc, width);
    // The filler runs under the whole middle; the title covers its centre. Filling the whole
    // run (rather than the two halves beside the title) leaves no one-pixel seam at odd widths.
    fillCaptionTile(caption.dc(), 50, width - 90);
    UniqueBitmap title = loadBitmap(IDB_MAIN_TITLE);
    drawBitmap(caption.dc(), title.get(), mainTitleX(width), 0);
    UniqueBitmap right = loadBitmap(rightPiece);
    drawBitmap(caption.dc(), right.get(), width - 90, 0);
    UniqueBitmap left = loadBitmap(leftPiece);
    drawBitmap(caption.dc(), left.get(), 0, 0);
    caption.present();
}

void paintDialogFrame(HDC dc, int width, int height, UINT rightPiece, const std::wstring& text,
                      HFONT font) {
    paintBorders(dc, width, height);
    CaptionSurface caption(dc, width);
    fillCaptionTile(caption.dc(), 20, width - 88);
    UniqueBitmap right = loadBitmap(rightPiece);
    drawBitmap(caption.dc(), right.get(), width - 90, 0);
    // Only the 20 real pixels of the left piece are copied; the filler continues behind it.
    UniqueBitmap left = loadBitmap(IDB_DLG_CAPTION_LEFT);
    drawBitmap(caption.dc(), left.get(), 0, 0, 20, kCaptionHeight);
    HDC c = caption.dc();
    SelectScope keepFont(c, font);
    SetBkMode(c, TRANSPARENT);
    SetTextColor(c, RGB(255, 255, 255));
    const UINT oldAlign = SetTextAlign(c, TA_CENTER | TA_TOP);
    TextOutW(c, width / 2, 13, text.c_str(), static_cast<int>(text.size()));
    SetTextAlign(c, oldAlign);
    caption.present();
}

void printClientAndChildren(HWND window, HDC dc, LPARAM flags) {
    POINT client{0, 0};
    ClientToScreen(window, &client);
    RECT w{};
    GetWindowRect(window, &w);
    POINT old{};
    OffsetViewportOrgEx(dc, client.x - w.left, client.y - w.top, &old);
    if (flags & PRF_ERASEBKGND) {
        // The dialog's background brush, filled here: the platform's erase works in device
        // coordinates and would land at the window's corner.
        auto brush = reinterpret_cast<HBRUSH>(SendMessageW(window, WM_CTLCOLORDLG,
                                                           reinterpret_cast<WPARAM>(dc),
                                                           reinterpret_cast<LPARAM>(window)));
        RECT c{};
        GetClientRect(window, &c);
        FillRect(dc, &c, brush != nullptr ? brush : GetSysColorBrush(COLOR_BTNFACE));
    }
    if (flags & PRF_CLIENT)
        SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), flags);
    if (flags & PRF_CHILDREN) {
        // Bottom of the z-order first, so that the top control ends up on top.
        for (HWND child = GetWindow(GetWindow(window, GW_CHILD), GW_HWNDLAST); child != nullptr;
             child = GetWindow(child, GW_HWNDPREV)) {
            if (!IsWindowVisible(child)) continue;
            RECT r{};
            GetWindowRect(child, &r);
            POINT at{r.left, r.top};
            ScreenToClient(window, &at);
            // Each control prints into a surface of its own: controls clip to their rectangle in
            // device coordinates, which an offset origin would put in the wrong place.
            const int cw = r.right - r.left;
            const int ch = r.bottom - r.top;
            if (cw <= 0 || ch <= 0) continue;
            MemoryDC mem(dc);
            UniqueBitmap surface(CreateCompatibleBitmap(dc, cw, ch));
            SelectScope keep(mem, surface.get());
            BitBlt(mem, 0, 0, cw, ch, dc, at.x, at.y, SRCCOPY);
            SendMessageW(child, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(mem.get()), PRF_CLIENT);
            BitBlt(dc, at.x, at.y, cw, ch, mem, 0, 0, SRCCOPY);
        }
    }
    SetViewportOrgEx(dc, old.x, old.y, nullptr);
}

}  // namespace frame

namespace {

POINT toWindowPoint(HWND window, LPARAM screenPoint) {
    RECT r{};
    GetWindowRect(window, &r);
    return POINT{GET_X_LPARAM(screenPoint) - r.left, GET_Y_LPARAM(screenPoint) - r.top};
}

int windowWidth(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r.right - r.left;
}

void trackNonClientLeave(HWND window) {
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE | TME_NONCLIENT, window, 0};
    TrackMouseEvent(&track);
}

void setClientRect(LPARAM lParam, WPARAM wParam, RECT (*calc)(const RECT&, int), int border) {
    RECT* proposed = wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0]
                            : reinterpret_cast<RECT*>(lParam);
    *proposed = calc(*proposed, border);
}

RECT dialogClientCalc(const RECT& w, int) { return frame::dialogClientRect(w); }

}  // namespace

// --- MainFrameSkin ------------------------------------------------------------------------------

frame::CaptionPart MainFrameSkin::partAt(LPARAM screenPoint) const {
    return frame::mainCaptionPartAt(toWindowPoint(window_, screenPoint), windowWidth(window_));
}

void MainFrameSkin::paint() {
    if (window_ == nullptr) return;
    if (rightPiece_ == 0 || leftPiece_ == 0) {
        rightPiece_ = frame::mainRightPiece(IsZoomed(window_), frame::CaptionPart::None);
        leftPiece_ = IDB_MAIN_ICON;
    }
    // The show state may have changed since the last caption event: keep the highlight but
    // switch between the normal and the maximised set.
    const bool zoomed = IsZoomed(window_);
    const bool zoomedPiece =
        rightPiece_ == IDB_MAIN_ZOOMED_BUTTONS || rightPiece_ == IDB_MAIN_ZOOMED_BUTTONS_RESTORE ||
        rightPiece_ == IDB_MAIN_ZOOMED_BUTTONS_MIN || rightPiece_ == IDB_MAIN_ZOOMED_BUTTONS_CLOSE;
    if (zoomed != zoomedPiece)
        rightPiece_ = frame::mainRightPiece(zoomed, frame::CaptionPart::None);
    RECT r{};
    GetWindowRect(window_, &r);
    WindowDC dc(window_);
    frame::paintMainFrame(dc, r.right - r.left, r.bottom - r.top, rightPiece_, leftPiece_);
}

void MainFrameSkin::drawPieces(UINT right, UINT left) {
    rightPiece_ = right;
    leftPiece_ = left;
    WindowDC dc(window_);
    UniqueBitmap rightBitmap = loadBitmap(right);
    drawBitmap(dc, rightBitmap.get(), windowWidth(window_) - 90, 0);
    UniqueBitmap leftBitmap = loadBitmap(left);
    drawBitmap(dc, leftBitmap.get(), 0, 0);
}

void MainFrameSkin::trackLeave() const { trackNonClientLeave(window_); }

void MainFrameSkin::print(HDC dc, LPARAM what) const {
    if (what & PRF_NONCLIENT) {
        RECT r{};
        GetWindowRect(window_, &r);
        const UINT right = rightPiece_ != 0
                               ? rightPiece_
                               : frame::mainRightPiece(IsZoomed(window_), frame::CaptionPart::None);
        frame::paintMainFrame(dc, r.right - r.left, r.bottom - r.top, right,
                              leftPiece_ != 0 ? leftPiece_ : IDB_MAIN_ICON);
    }
    frame::printClientAndChildren(window_, dc, what);
}

std::optional<LRESULT> MainFrameSkin::onButtonDown(UINT message, WPARAM hit, LPARAM screenPoint) {
    using frame::CaptionPart;
    if (hit != HTCAPTION) return std::nullopt;
    const CaptionPart part = partAt(screenPoint);
    if (part == CaptionPart::None) {
        pressed_ = CaptionPart::None;
        if (message == WM_NCLBUTTONDOWN) return std::nullopt;  // drag the window
        SendMessageW(window_, WM_SYSCOMMAND,
                     IsZoomed(window_) ? IDM_FRAME_RESTORE : IDM_FRAME_MAXIMIZE, screenPoint);
        return 0;
    }
    // A press on a button is the button's, not the start of a drag (the drag loop would
    // swallow the release); a quick second click counts as a second press.
    pressed_ = part;
    const bool onIcon = part == CaptionPart::Icon;
    drawPieces(frame::mainRightPiece(IsZoomed(window_), onIcon ? CaptionPart::None : part),
               frame::mainLeftPiece(onIcon, onIcon));
    trackLeave();
    return 0;
}

void MainFrameSkin::runCaptionButton(frame::CaptionPart part, LPARAM screenPoint) const {
    using frame::CaptionPart;
    switch (part) {
        case CaptionPart::Minimize:
            SendMessageW(window_, WM_SYSCOMMAND, IDM_FRAME_MINIMIZE, screenPoint);
            break;
        case CaptionPart::Close:
            SendMessageW(window_, WM_SYSCOMMAND, IDM_FRAME_CLOSE, screenPoint);
            break;
        case CaptionPart::MaxRestore:
            SendMessageW(window_, WM_SYSCOMMAND,
                         IsZoomed(window_) ? IDM_FRAME_RESTORE : IDM_FRAME_MAXIMIZE, screenPoint);
            break;
        case CaptionPart::Icon: {
            RECT r{};
            GetWindowRect(window_, &r);
            const UINT command = static_cast<UINT>(
                TrackPopupMenu(GetSystemMenu(window_, FALSE),
                               TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON,
                               r.left + 8, r.top + 32, 0, window_, nullptr));
            if (command != 0) PostMessageW(window_, WM_SYSCOMMAND, command, 0);
            break;
        }
        default:
            break;
    }
}

std::optional<LRESULT> MainFrameSkin::onButtonUp(WPARAM hit, LPARAM screenPoint) {
    using frame::CaptionPart;
    const CaptionPart part = hit == HTCAPTION ? partAt(screenPoint) : CaptionPart::None;
    const CaptionPart pressed = pressed_;
    pressed_ = CaptionPart::None;
    if (part != CaptionPart::None && part == pressed) runCaptionButton(part, screenPoint);
    // The command may have closed the window.
    if (!IsWindow(window_)) return 0;
    const CaptionPart hover = part == CaptionPart::Icon ? CaptionPart::None : part;
    drawPieces(frame::mainRightPiece(IsZoomed(window_), hover), IDB_MAIN_ICON);
    return part != CaptionPart::None || pressed != CaptionPart::None ? std::optional<LRESULT>(0)
                                                                     : std::nullopt;
}

std::optional<LRESULT> MainFrameSkin::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    using frame::CaptionPart;
    if (window_ == nullptr) return std::nullopt;
    switch (message) {
        case WM_NCCALCSIZE:
            setClientRect(lParam, wParam, &frame::mainClientRect, GetSystemMetrics(SM_CXBORDER));
            return 0;
        case WM_NCPAINT:
            paint();
            return 0;
        case WM_NCACTIVATE:
            // Focus does not change the look; the platform must not draw its caption.
            paint();
            return TRUE;
        case WM_PRINT:
            // Drawn here: the platform's print would draw its own caption, not ours.
            print(reinterpret_cast<HDC>(wParam), lParam);
            return 0;
        case WM_SETTEXT:
        case WM_SETICON: {
            // The platform redraws its own caption while it stores the text or icon.
            const LRESULT r = DefWindowProcW(window_, message, wParam, lParam);
            paint();
            return r;
        }
        case WM_NCHITTEST: {
            RECT r{};
            GetWindowRect(window_, &r);
            return frame::mainHitTest(r, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        }
        case WM_NCMOUSEMOVE: {
            const CaptionPart part = wParam == HTCAPTION ? partAt(lParam) : CaptionPart::None;
            const bool onIcon = part == CaptionPart::Icon;
            drawPieces(frame::mainRightPiece(IsZoomed(window_), onIcon ? CaptionPart::None : part),
                       frame::mainLeftPiece(onIcon, onIcon && pressed_ == CaptionPart::Icon));
            trackLeave();
            return std::nullopt;
        }
        case WM_NCMOUSELEAVE:
            pressed_ = CaptionPart::None;
            drawPieces(frame::mainRightPiece(IsZoomed(window_), CaptionPart::None), IDB_MAIN_ICON);
            return 0;
        case WM_NCLBUTTONDOWN:
        case WM_NCLBUTTONDBLCLK:
            return onButtonDown(message, wParam, lParam);
        case WM_NCLBUTTONUP:
            return onButtonUp(wParam, lParam);
        default:
            return std::nullopt;
    }
}

// --- DialogFrameSkin ----------------------------------------------------------------------------

frame::CaptionPart DialogFrameSkin::partAt(LPARAM screenPoint) const {
    return frame::dialogCaptionPartAt(toWindowPoint(window_, screenPoint), windowWidth(window_));
}

void DialogFrameSkin::paint() {
    if (window_ == nullptr) return;
    if (rightPiece_ == 0) rightPiece_ = IDB_DLG_CLOSE;
    RECT r{};
    GetWindowRect(window_, &r);
    WindowDC dc(window_);
    auto font = reinterpret_cast<HFONT>(SendMessageW(window_, WM_GETFONT, 0, 0));
    frame::paintDialogFrame(dc, r.right - r.left, r.bottom - r.top, rightPiece_,
                            CColorDlg::captionText(), font);
}

void DialogFrameSkin::drawRightPiece(UINT piece) {
    rightPiece_ = piece;
    WindowDC dc(window_);
    UniqueBitmap bitmap = loadBitmap(piece);
    drawBitmap(dc, bitmap.get(), windowWidth(window_) - 90, 0);
}

std::optional<LRESULT> DialogFrameSkin::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    using frame::CaptionPart;
    if (window_ == nullptr) return std::nullopt;
    switch (message) {
        case WM_NCCALCSIZE:
            setClientRect(lParam, wParam, &dialogClientCalc, 0);
            return 0;
        case WM_NCPAINT:
            paint();
            return 0;
        case WM_NCACTIVATE:
            paint();
            return TRUE;
        case WM_SETTEXT:
        case WM_SETICON: {
            const LRESULT r = DefWindowProcW(window_, message, wParam, lParam);
            paint();
            return r;
        }
        case WM_NCHITTEST: {
            RECT r{};
            GetWindowRect(window_, &r);
            return frame::dialogHitTest(r, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        }
        case WM_NCMOUSEMOVE: {
            const bool onClose = wParam == HTCAPTION && partAt(lParam) == CaptionPart::Close;
            drawRightPiece(frame::dialogRightPiece(onClose, onClose && closePressed_));
            trackNonClientLeave(window_);
            return std::nullopt;
        }
        case WM_NCMOUSELEAVE:
            closePressed_ = false;
            drawRightPiece(IDB_DLG_CLOSE);
            return 0;
        case WM_NCLBUTTONDOWN:
        case WM_NCLBUTTONDBLCLK:
            if (wParam != HTCAPTION || partAt(lParam) != CaptionPart::Close) {
                closePressed_ = false;
                return std::nullopt;
            }
            closePressed_ = true;
            drawRightPiece(IDB_DLG_CLOSE_PRESSED);
            trackNonClientLeave(window_);
            return 0;
        case WM_NCLBUTTONUP: {
            const bool onClose = wParam == HTCAPTION && partAt(lParam) == CaptionPart::Close;
            const bool wasPressed = closePressed_;
            closePressed_ = false;
            if (onClose && wasPressed) {
                drawRightPiece(IDB_DLG_CLOSE);
                // The platform's close command: the dialog takes it as its cancel action.
                SendMessageW(window_, WM_SYSCOMMAND, SC_CLOSE, lParam);
                return 0;
            }
            if (IsWindow(window_)) drawRightPiece(frame::dialogRightPiece(onClose, false));
            return wasPressed ? std::optional<LRESULT>(0) : std::nullopt;
        }
        default:
            return std::nullopt;
    }
}

// --- CColorDlg ----------------------------------------------------------------------------------

CColorDlg::CColorDlg(UINT templateId)
    : DialogBase(templateId), background_(CreateSolidBrush(frame::kBackground)) {}

CColorDlg::~CColorDlg() = default;

BOOL CColorDlg::onInitDialog() {
    RECT client{};
    GetClientRect(hwnd(), &client);
    frame_.attach(hwnd());
    SetWindowTextW(hwnd(), L"Tessary批量改名器");
    // The window was sized for the platform's frame; let the drawn frame take its place around
    // the client area the template asked for.
    setClientSizeCentered(client.right - client.left, client.bottom - client.top);
    return TRUE;
}

void CColorDlg::setClientSizeCentered(int width, int height) {
    SetWindowPos(hwnd(), nullptr, 0, 0, width + 2 * frame::kBorder,
                 height + frame::kCaptionHeight + frame::kBorder,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    centerOverOwner(hwnd());
    frame::applyFrameShape(hwnd());
}

std::optional<LRESULT> CColorDlg::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (std::optional<LRESULT> r = frame_.handle(message, wParam, lParam)) return r;
    if (message == WM_SIZE) frame::applyFrameShape(hwnd());
    if (message == WM_PRINT) {
        HDC dc = reinterpret_cast<HDC>(wParam);
        if (lParam & PRF_NONCLIENT) {
            RECT r{};
            GetWindowRect(hwnd(), &r);
            auto font = reinterpret_cast<HFONT>(SendMessageW(hwnd(), WM_GETFONT, 0, 0));
            frame::paintDialogFrame(dc, r.right - r.left, r.bottom - r.top,
                                    frame_.rightPiece() ? frame_.rightPiece() : IDB_DLG_CLOSE,
                                    captionText(), font);
        }
        frame::printClientAndChildren(hwnd(), dc, lParam);
        return 0;
    }
    if (std::optional<LRESULT> r = DialogBase::onMessage(message, wParam, lParam)) return r;
    switch (message) {
        case WM_CTLCOLORDLG:
            return reinterpret_cast<LRESULT>(background_.get());
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN: {
            HDC dc = reinterpret_cast<HDC>(wParam);
            SetBkColor(dc, frame::kBackground);
            SetTextColor(dc, RGB(0, 0, 0));
            return reinterpret_cast<LRESULT>(background_.get());
        }
        default:
            return std::nullopt;
    }
}

}  // namespace tessary
