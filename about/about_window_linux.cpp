#include "about/about_window.h"

#include "about/about_content.h"
#include "about/open_web_page.h"
#include "app/message_box.h"
#include "render/resource_data.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace {

int ignoreXError(Display*, XErrorEvent*) { return 0; }

// Losing the display leaves nothing to show; the run still ends with status 0.
int endOnLostDisplay(Display*) { std::exit(0); }

XFontStruct* loadFirstFont(Display* display, std::initializer_list<const char*> names) {
    for (const char* name : names) {
        if (XFontStruct* font = XLoadQueryFont(display, name)) return font;
    }
    return nullptr;
}

unsigned long allocateColour(Display* display, about::Colour c) {
    XColor colour{};
    colour.red = static_cast<unsigned short>(c.red * 257);
    colour.green = static_cast<unsigned short>(c.green * 257);
    colour.blue = static_cast<unsigned short>(c.blue * 257);
    colour.flags = DoRed | DoGreen | DoBlue;
    if (!XAllocColor(display, DefaultColormap(display, DefaultScreen(display)), &colour)) {
        return BlackPixel(display, DefaultScreen(display));
    }
    return colour.pixel;
}

unsigned long channel(std::uint8_t value, unsigned long mask) {
    if (mask == 0) return 0;
    int shift = 0;
    while (((mask >> shift) & 1) == 0) ++shift;
    const unsigned long top = mask >> shift;
    return ((value * top + 127) / 255) << shift;
}

// The picture as a server-side pixmap of the window's depth, or None when the bitmap
// is missing or the visual is not TrueColor.
Pixmap loadPicture(Display* display, Window window, int& width, int& height) {
    const BitmapPicture picture(about::kPictureResource);
    const int screen = DefaultScreen(display);
    Visual* visual = DefaultVisual(display, screen);
    width = picture.width();
    height = picture.height();
    if (width <= 0 || height <= 0 || visual->c_class != TrueColor) return None;

    const unsigned depth = static_cast<unsigned>(DefaultDepth(display, screen));
    XImage* image = XCreateImage(display, visual, depth, ZPixmap, 0, nullptr, static_cast<unsigned>(width),
                                 static_cast<unsigned>(height), 32, 0);
    if (image == nullptr) return None;
    std::vector<char> data(static_cast<std::size_t>(image->bytes_per_line) * static_cast<std::size_t>(height));
    image->data = data.data();
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const PixelColour c = picture.pixel(x, y);
            XPutPixel(image, x, y,
                      channel(c.red, visual->red_mask) | channel(c.green, visual->green_mask) |
                          channel(c.blue, visual->blue_mask));
        }
    }
    const Pixmap pixmap =
        XCreatePixmap(display, window, static_cast<unsigned>(width), static_cast<unsigned>(height), depth);
    GC gc = XCreateGC(display, pixmap, 0, nullptr);
    XPutImage(display, pixmap, gc, image, 0, 0, 0, 0, static_cast<unsigned>(width), static_cast<unsigned>(height));
    XFreeGC(display, gc);
    image->data = nullptr;  // the vector owns the pixels
    XDestroyImage(image);
    return pixmap;
}

bool inside(const about::Rect& r, int x, int y) {
    return x >= r.x && x < r.x + r.width && y >= r.y && y < r.y + r.height;
}

std::vector<std::string_view> noticeLines() {
    std::vector<std::string_view> lines;
    std::string_view text = about::kNoticeText;
    for (std::size_t end; (end = text.find("\r\n")) != std::string_view::npos; text.remove_prefix(end + 2)) {
        lines.push_back(text.substr(0, end));
    }
    lines.push_back(text);
    return lines;
}

class AboutX11 {
public:
    explicit AboutX11(Display* display) : display_(display), screen_(DefaultScreen(display)) {}
    ~AboutX11();
    AboutX11(const AboutX11&) = delete;
    AboutX11& operator=(const AboutX11&) = delete;

    bool create();
    void run();

private:
    void drawAll();
    void drawText(XFontStruct* font, unsigned long colour, const about::Rect& clip, int x, int baseline,
                  std::string_view text);
    void drawButton();

    Display* display_;
    int screen_;
    Window window_ = None;
    GC gc_ = nullptr;
    XFontStruct* textFont_ = nullptr;
    XFontStruct* captionFont_ = nullptr;
    Pixmap picture_ = None;
    int pictureWidth_ = 0;
    int pictureHeight_ = 0;
    unsigned long background_ = 0, captionColour_ = 0, noticeColour_ = 0;
    unsigned long buttonFace_ = 0, buttonPressedFace_ = 0, buttonBorder_ = 0, buttonPressedBorder_ = 0;
    Atom protocols_ = None;
    Atom deleteWindow_ = None;
    bool buttonPressed_ = false;
};

AboutX11::~AboutX11() {
    if (picture_ != None) XFreePixmap(display_, picture_);
    if (textFont_ != nullptr) XFreeFont(display_, textFont_);
    if (captionFont_ != nullptr) XFreeFont(display_, captionFont_);
    if (gc_ != nullptr) XFreeGC(display_, gc_);
}

bool AboutX11::create() {
    const int x = about::centredOrigin(DisplayWidth(display_, screen_), about::kWindowWidth);
    const int y = about::centredOrigin(DisplayHeight(display_, screen_), about::kWindowHeight);
    background_ = allocateColour(display_, about::kBackground);
    captionColour_ = allocateColour(display_, about::kCaptionColour);
    noticeColour_ = allocateColour(display_, about::kNoticeColour);
    buttonFace_ = allocateColour(display_, {225, 225, 225});
    buttonBorder_ = allocateColour(display_, {173, 173, 173});
    buttonPressedFace_ = allocateColour(display_, {204, 228, 247});
    buttonPressedBorder_ = allocateColour(display_, {0, 84, 153});

    XSetWindowAttributes attributes{};
    attributes.background_pixel = background_;
    attributes.event_mask = ExposureMask | ButtonPressMask | ButtonReleaseMask | StructureNotifyMask;
    window_ = XCreateWindow(display_, RootWindow(display_, screen_), x, y, about::kWindowWidth, about::kWindowHeight,
                            0, CopyFromParent, InputOutput, CopyFromParent, CWBackPixel | CWEventMask, &attributes);
    if (window_ == None) return false;

    XStoreName(display_, window_, about::kTitle);
    const std::string_view title = about::kTitle;
    XChangeProperty(display_, window_, XInternAtom(display_, "_NET_WM_NAME", False),
                    XInternAtom(display_, "UTF8_STRING", False), 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(title.data()), static_cast<int>(title.size()));
    XClassHint classHint{const_cast<char*>("orlinde-saver"), const_cast<char*>(about::kClassName)};
    XSetClassHint(display_, window_, &classHint);

    // A fixed-size window whose frame, if a window manager adds one, keeps its top-left
    // corner at the centred position.
    XSizeHints hints{};
    hints.flags = PPosition | PSize | PMinSize | PMaxSize | PWinGravity;
    hints.x = x;
    hints.y = y;
    hints.width = hints.min_width = hints.max_width = about::kWindowWidth;
    hints.height = hints.min_height = hints.max_height = about::kWindowHeight;
    hints.win_gravity = NorthWestGravity;
    XSetWMNormalHints(display_, window_, &hints);

    protocols_ = XInternAtom(display_, "WM_PROTOCOLS", False);
    deleteWindow_ = XInternAtom(display_, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(display_, window_, &deleteWindow_, 1);

    gc_ = XCreateGC(display_, window_, 0, nullptr);
    textFont_ = loadFirstFont(display_, {"-misc-fixed-medium-r-semicondensed--13-*-*-*-c-60-iso8859-1", "6x13", "fixed"});
    captionFont_ = loadFirstFont(display_, {"-misc-fixed-bold-r-normal--18-*-*-*-c-90-iso8859-1",
                                            "-misc-fixed-bold-r-normal--15-*-*-*-c-90-iso8859-1", "fixed"});
    picture_ = loadPicture(display_, window_, pictureWidth_, pictureHeight_);
    XMapWindow(display_, window_);
    return true;
}

void AboutX11::drawText(XFontStruct* font, unsigned long colour, const about::Rect& clip, int x, int baseline,
                        std::string_view text) {
    XRectangle area{static_cast<short>(clip.x), static_cast<short>(clip.y), static_cast<unsigned short>(clip.width),
                    static_cast<unsigned short>(clip.height)};
    XSetClipRectangles(display_, gc_, 0, 0, &area, 1, Unsorted);
    XSetForeground(display_, gc_, colour);
    if (font != nullptr) XSetFont(display_, gc_, font->fid);
    XDrawString(display_, window_, gc_, x, baseline, text.data(), static_cast<int>(text.size()));
    XSetClipMask(display_, gc_, None);
}

void AboutX11::drawButton() {
    const about::Rect& r = about::kButtonRect;
    XSetForeground(display_, gc_, buttonPressed_ ? buttonPressedFace_ : buttonFace_);
    XFillRectangle(display_, window_, gc_, r.x, r.y, static_cast<unsigned>(r.width), static_cast<unsigned>(r.height));
    XSetForeground(display_, gc_, buttonPressed_ ? buttonPressedBorder_ : buttonBorder_);
    XDrawRectangle(display_, window_, gc_, r.x, r.y, static_cast<unsigned>(r.width - 1),
                   static_cast<unsigned>(r.height - 1));
    const std::string_view text = about::kButtonText;
    int textWidth = 0, ascent = 0, descent = 0;
    if (textFont_ != nullptr) {
        textWidth = XTextWidth(textFont_, text.data(), static_cast<int>(text.size()));
        ascent = textFont_->ascent;
        descent = textFont_->descent;
    }
    const int baseline = r.y + (r.height - ascent - descent) / 2 + ascent;
    drawText(textFont_, BlackPixel(display_, screen_), r, r.x + (r.width - textWidth) / 2, baseline, text);
}

void AboutX11::drawAll() {
    XSetForeground(display_, gc_, background_);
    XFillRectangle(display_, window_, gc_, 0, 0, about::kWindowWidth, about::kWindowHeight);

    // The caption: bold, with the underline drawn as a line under the baseline.
    const about::Rect& caption = about::kCaptionRect;
    const int captionAscent = captionFont_ != nullptr ? captionFont_->ascent : 12;
    const int captionBaseline = caption.y + captionAscent;
    const std::string_view captionText = about::kCaptionText;
    drawText(captionFont_, captionColour_, caption, caption.x, captionBaseline, captionText);
    if (captionFont_ != nullptr) {
        unsigned long position = 1;
        unsigned long thickness = 1;
        XGetFontProperty(captionFont_, XA_UNDERLINE_POSITION, &position);
        XGetFontProperty(captionFont_, XA_UNDERLINE_THICKNESS, &thickness);
        const int width = XTextWidth(captionFont_, captionText.data(), static_cast<int>(captionText.size()));
        XSetForeground(display_, gc_, captionColour_);
        XFillRectangle(display_, window_, gc_, caption.x, captionBaseline + static_cast<int>(position),
                       static_cast<unsigned>(std::min(width, caption.width)), static_cast<unsigned>(thickness));
    }

    const about::Rect& notice = about::kNoticeRect;
    const int ascent = textFont_ != nullptr ? textFont_->ascent : 10;
    const int lineHeight = textFont_ != nullptr ? textFont_->ascent + textFont_->descent : 13;
    int baseline = notice.y + ascent;
    for (const std::string_view line : noticeLines()) {
        drawText(textFont_, noticeColour_, notice, notice.x, baseline, line);
        baseline += lineHeight;
    }

    if (picture_ != None) {
        XCopyArea(display_, picture_, window_, gc_, 0, 0, static_cast<unsigned>(pictureWidth_),
                  static_cast<unsigned>(pictureHeight_), about::kPictureX, about::kPictureY);
    }
    drawButton();
}

void AboutX11::run() {
    // No key handling at all: Escape, Tab and the rest do nothing, as in the Win32 window.
    for (;;) {
        XEvent event;
        XNextEvent(display_, &event);
        switch (event.type) {
        case Expose:
            if (event.xexpose.count == 0) drawAll();
            break;
        case ButtonPress:
            if (event.xbutton.button == Button1 && inside(about::kButtonRect, event.xbutton.x, event.xbutton.y)) {
                buttonPressed_ = true;
                drawButton();
            }
            break;
        case ButtonRelease:
            if (event.xbutton.button == Button1 && buttonPressed_) {
                buttonPressed_ = false;
                drawButton();
                XFlush(display_);
                // Like a push button: a press released outside it is no click.
                if (inside(about::kButtonRect, event.xbutton.x, event.xbutton.y)) {
                    openWebPage(nullptr, about::kWebPage);
                }
            }
            break;
        case ClientMessage:
            if (event.xclient.message_type == protocols_ &&
                static_cast<Atom>(event.xclient.data.l[0]) == deleteWindow_) {
                XDestroyWindow(display_, window_);
            }
            break;
        case DestroyNotify:
            if (event.xdestroywindow.window == window_) return;
            break;
        default:
            break;
        }
    }
}

}  // namespace

AboutWindow::AboutWindow(void* /*instance*/, int /*showCommand*/) {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        showMessageBox("Window Creation Failed!", "Error!", MessageIcon::Exclamation);
        return;
    }
    XSetErrorHandler(ignoreXError);
    XSetIOErrorHandler(endOnLostDisplay);
    {
        AboutX11 about(display);
        if (about.create()) {
            about.run();
        } else {
            showMessageBox("Window Creation Failed!", "Error!", MessageIcon::Exclamation);
        }
    }
    XCloseDisplay(display);
}
