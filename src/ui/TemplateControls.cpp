#include "ui/TemplateControls.h"

#include <cstdint>
#include <cstring>
#include <string>

namespace tessary {

namespace {

// Reads a template's fields in order, refusing to run past its end.
class TemplateReader {
  public:
    TemplateReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool ok() const { return ok_; }

    template <class T>
    T read() {
        T value{};
        if (!take(sizeof(T))) return value;
        std::memcpy(&value, data_ + at_ - sizeof(T), sizeof(T));
        return value;
    }

    // A class or caption: nothing, a number after 0xFFFF, or a string ending in 0.
    struct NameOrNumber {
        std::wstring name;
        WORD number = 0;
    };
    NameOrNumber readNameOrNumber() {
        NameOrNumber result;
        const auto first = read<WORD>();
        if (first == 0xFFFF) {
            result.number = read<WORD>();
            return result;
        }
        for (WORD unit = first; ok_ && unit != 0; unit = read<WORD>()) {
            result.name.push_back(static_cast<wchar_t>(unit));
        }
        return result;
    }

    void skip(std::size_t bytes) { take(bytes); }
    void alignTo4() { take((4 - at_ % 4) % 4); }

  private:
    bool take(std::size_t bytes) {
        if (!ok_ || bytes > size_ - at_) {
            ok_ = false;
            return false;
        }
        at_ += bytes;
        return true;
    }

    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
    bool ok_ = true;
};

// The classes a template names by number.
const wchar_t* predefinedClass(WORD number) {
    switch (number) {
        case 0x0080:
            return L"Button";
        case 0x0081:
            return L"Edit";
        case 0x0082:
            return L"Static";
        case 0x0083:
            return L"ListBox";
        case 0x0084:
            return L"ScrollBar";
        case 0x0085:
            return L"ComboBox";
        default:
            return nullptr;
    }
}

}  // namespace

std::vector<HWND> createTemplateControls(HWND parent, HINSTANCE instance, int templateId) {
    std::vector<HWND> created;
    HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(templateId), MAKEINTRESOURCEW(5));
    if (found == nullptr) return created;
    HGLOBAL loaded = LoadResource(instance, found);
    const auto* data = static_cast<const std::uint8_t*>(LockResource(loaded));
    if (data == nullptr) return created;
    TemplateReader in(data, SizeofResource(instance, found));

    const auto version = in.read<WORD>();
    const auto signature = in.read<WORD>();
    if (!in.ok() || version != 1 || signature != 0xFFFF) return created;
    in.skip(sizeof(DWORD) * 2);  // help id, extended style
    const auto templateStyle = in.read<DWORD>();
    const auto count = in.read<WORD>();
    in.skip(sizeof(short) * 4);  // the template's own rectangle
    in.readNameOrNumber();       // menu
    in.readNameOrNumber();       // class
    in.readNameOrNumber();       // caption
    if ((templateStyle & (DS_SETFONT | DS_SHELLFONT)) != 0) {
        in.skip(sizeof(WORD) * 2 + 2);  // point size, weight, italic, character set
        in.readNameOrNumber();          // typeface: the parent's font is used
    }

    const auto font = static_cast<WPARAM>(SendMessageW(parent, WM_GETFONT, 0, 0));
    for (WORD i = 0; i < count && in.ok(); ++i) {
        in.alignTo4();
        in.skip(sizeof(DWORD));  // help id
        const auto exStyle = in.read<DWORD>();
        const auto itemStyle = in.read<DWORD>();
        const auto x = in.read<short>();
        const auto y = in.read<short>();
        const auto cx = in.read<short>();
        const auto cy = in.read<short>();
        const auto id = in.read<DWORD>();
        const TemplateReader::NameOrNumber className = in.readNameOrNumber();
        // A caption given by number (an icon of a static) is not used by these forms.
        const TemplateReader::NameOrNumber caption = in.readNameOrNumber();
        in.skip(in.read<WORD>());  // creation data
        if (!in.ok()) break;

        const wchar_t* windowClass =
            className.name.empty() ? predefinedClass(className.number) : className.name.c_str();
        if (windowClass == nullptr) continue;
        // The dialog manager gives a bordered edit the sunken edge of its time.
        DWORD style = itemStyle | WS_CHILD;
        DWORD extendedStyle = exStyle | WS_EX_NOPARENTNOTIFY;
        if (lstrcmpiW(windowClass, L"Edit") == 0 && (style & WS_BORDER) != 0) {
            style &= ~WS_BORDER;
            extendedStyle |= WS_EX_CLIENTEDGE;
        }
        // Each field in the parent's dialog units, as the dialog manager converts them.
        RECT place{x, y, cx, cy};
        MapDialogRect(parent, &place);
        HWND control =
            CreateWindowExW(extendedStyle, windowClass, caption.name.c_str(), style, place.left,
                            place.top, place.right, place.bottom, parent,
                            reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), instance, nullptr);
        if (control == nullptr) continue;
        if (font != 0) SendMessageW(control, WM_SETFONT, font, FALSE);
        created.push_back(control);
    }
    return created;
}

}  // namespace tessary
