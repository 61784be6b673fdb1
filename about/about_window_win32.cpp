#include "about/about_window.h"

#include "about/about_content.h"
#include "about/open_web_page.h"
#include "app/message_box.h"

#include <windows.h>

namespace {

COLORREF colorRef(about::Colour c) { return RGB(c.red, c.green, c.blue); }

// What the window procedure needs of the window it serves; lives on the constructor's
// stack for as long as the message loop runs.
struct AboutHandles {
    HWND window = nullptr;
    HBITMAP picture = nullptr;
    HWND notice = nullptr;
    HWND caption = nullptr;
    HWND button = nullptr;
};

void paint(HWND window, HBITMAP picture) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    RECT client;
    GetClientRect(window, &client);
    SetBkColor(dc, colorRef(about::kBackground));
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &client, nullptr, 0, nullptr);
    if (picture != nullptr) {
        HDC memory = CreateCompatibleDC(dc);
        HGDIOBJ previous = SelectObject(memory, picture);
        BITMAP info{};
        GetObjectA(picture, sizeof info, &info);
        BitBlt(dc, about::kPictureX, about::kPictureY, info.bmWidth, info.bmHeight, memory, 0, 0, SRCCOPY);
        SelectObject(memory, previous);
        DeleteDC(memory);
    }
    EndPaint(window, &ps);
}

LRESULT CALLBACK aboutProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // Kept for the life of the process, like the window class.
    static const HBRUSH background = CreateSolidBrush(colorRef(about::kBackground));

    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* handles = reinterpret_cast<AboutHandles*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (handles == nullptr) return DefWindowProcA(window, message, wParam, lParam);

    switch (message) {
    case WM_PAINT:
        paint(window, handles->picture);
        return 0;
    case WM_CTLCOLORSTATIC: {
        HDC dc = reinterpret_cast<HDC>(wParam);
        const bool isCaption = reinterpret_cast<HWND>(lParam) == handles->caption;
        SetTextColor(dc, colorRef(isCaption ? about::kCaptionColour : about::kNoticeColour));
        SetBkColor(dc, colorRef(about::kBackground));
        return reinterpret_cast<LRESULT>(background);
    }
    case WM_COMMAND:
        // The whole wParam: the button's id with the notification code BN_CLICKED (0).
        if (wParam == static_cast<WPARAM>(about::kButtonId)) {
            openWebPage(window, about::kWebPage);
        }
        return 0;
    case WM_CLOSE:
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        DeleteObject(handles->picture);
        handles->picture = nullptr;
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

void showError(const char* text) { showMessageBox(text, "Error!", MessageIcon::Exclamation); }

HFONT createFont(int height, int width, int weight, bool underline) {
    return CreateFontA(height, width, 0, 0, weight, FALSE, underline ? TRUE : FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_OUTLINE_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, VARIABLE_PITCH, "Arial");
}

HWND createControl(const char* className, DWORD style, const about::Rect& r, int id, HWND parent, HINSTANCE instance) {
    return CreateWindowExA(0, className, "", WS_CHILD | WS_VISIBLE | style, r.x, r.y, r.width, r.height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
}

}  // namespace

AboutWindow::AboutWindow(void* instanceHandle, int showCommand) {
    const auto instance = static_cast<HINSTANCE>(instanceHandle);
    AboutHandles handles;

    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = aboutProcedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = static_cast<HICON>(
        LoadImageA(GetModuleHandleA("user32.dll"), MAKEINTRESOURCEA(104), IMAGE_ICON, 16, 16, LR_SHARED));
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = about::kClassName;
    if (RegisterClassA(&windowClass) == 0) showError("Window Registration Failed!");

    // Physical pixels: the system must not scale the window or its layout.
    SetProcessDPIAware();

    HDC screen = GetDC(nullptr);
    const int x = about::centredOrigin(GetDeviceCaps(screen, HORZRES), about::kWindowWidth);
    const int y = about::centredOrigin(GetDeviceCaps(screen, VERTRES), about::kWindowHeight);
    ReleaseDC(nullptr, screen);

    handles.window = CreateWindowExA(0, about::kClassName, about::kTitle, WS_SYSMENU, x, y, about::kWindowWidth,
                                     about::kWindowHeight, nullptr, nullptr, instance, &handles);
    if (handles.window == nullptr) {
        // No window will ever post the quit message, so there is no loop to run.
        showError("Window Creation Failed!");
        return;
    }

    handles.picture = static_cast<HBITMAP>(
        LoadImageA(instance, MAKEINTRESOURCEA(about::kPictureResource), IMAGE_BITMAP, 0, 0, LR_SHARED));
    HFONT textFont = createFont(16, 6, FW_NORMAL, false);
    HFONT captionFont = createFont(18, 8, FW_BOLD, true);

    const auto controlInstance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(handles.window, GWLP_HINSTANCE));
    handles.notice = createControl("static", WS_TABSTOP, about::kNoticeRect, about::kNoticeId, handles.window,
                                   controlInstance);
    SetWindowTextA(handles.notice, about::kNoticeText);
    SendMessageA(handles.notice, WM_SETFONT, reinterpret_cast<WPARAM>(textFont), TRUE);

    handles.caption = createControl("static", WS_TABSTOP, about::kCaptionRect, about::kCaptionId, handles.window,
                                    controlInstance);
    SetWindowTextA(handles.caption, about::kCaptionText);
    SendMessageA(handles.caption, WM_SETFONT, reinterpret_cast<WPARAM>(captionFont), TRUE);

    handles.button = createControl("BUTTON", BS_PUSHBUTTON, about::kButtonRect, about::kButtonId, handles.window,
                                   instance);
    SetWindowTextA(handles.button, about::kButtonText);
    SendMessageA(handles.button, WM_SETFONT, reinterpret_cast<WPARAM>(textFont), TRUE);

    ShowWindow(handles.window, showCommand);
    UpdateWindow(handles.window);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}
