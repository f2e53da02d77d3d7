// The native stand-in for the Windows ANSI code page: GBK through the C library's iconv.

#include <errno.h>
#include <iconv.h>

#include <stdexcept>

#include "platform/SystemServices.h"

namespace tessary {

namespace {

class IconvHandle {
  public:
    IconvHandle(const char* to, const char* from) : handle_(iconv_open(to, from)) {
        if (handle_ == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error("iconv cannot convert between GBK and UTF-16LE");
        }
    }
    ~IconvHandle() { iconv_close(handle_); }
    IconvHandle(const IconvHandle&) = delete;
    IconvHandle& operator=(const IconvHandle&) = delete;

    // Converts all of `in`; every unit that cannot be converted is replaced by `replacement`
    // and skipped (`step` bytes of input).
    std::string convert(const char* data, std::size_t size, std::size_t step,
                        std::string_view replacement) const {
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        std::string out;
        char buffer[4096];
        char* in = const_cast<char*>(data);
        std::size_t left = size;
        while (left > 0) {
            char* dst = buffer;
            std::size_t room = sizeof buffer;
            const std::size_t done = iconv(handle_, &in, &left, &dst, &room);
            out.append(buffer, dst - buffer);
            if (done == static_cast<std::size_t>(-1) && errno != E2BIG) {
                // An invalid or incomplete sequence: replace one unit and go on.
                const std::size_t skip = left < step ? left : step;
                in += skip;
                left -= skip;
                out.append(replacement);
                iconv(handle_, nullptr, nullptr, nullptr, nullptr);
            }
        }
        return out;
    }

  private:
    iconv_t handle_;
};

class GbkCodePage final : public AnsiCodePage {
  public:
    GbkCodePage() : toGbk_("CP936", "UTF-16LE"), fromGbk_("UTF-16LE", "CP936") {}

    std::string encode(std::u16string_view text) const override {
        std::string bytes;
        bytes.reserve(text.size() * 2);
        for (char16_t c : text) {
            bytes += static_cast<char>(c & 0xFF);
            bytes += static_cast<char>(c >> 8);
        }
        return toGbk_.convert(bytes.data(), bytes.size(), 2, "?");
    }

    std::u16string decode(std::string_view bytes) const override {
        const std::string units =
            fromGbk_.convert(bytes.data(), bytes.size(), 1, std::string_view("?\0", 2));
        std::u16string text;
        text.reserve(units.size() / 2);
        for (std::size_t i = 0; i + 1 < units.size(); i += 2) {
            text += static_cast<char16_t>(static_cast<unsigned char>(units[i]) |
                                          static_cast<unsigned char>(units[i + 1]) << 8);
        }
        return text;
    }

    unsigned number() const override { return 936; }

    std::size_t wholeCharacterLength(std::string_view bytes) const override {
        // GBK lead bytes are 0x81 to 0xFE; each takes the byte after it as its trail byte.
        std::size_t i = 0;
        while (i < bytes.size()) {
            const auto b = static_cast<unsigned char>(bytes[i]);
            if (b < 0x81 || b == 0xFF) {
                ++i;
            } else if (i + 1 == bytes.size()) {
                return i;
            } else {
                i += 2;
            }
        }
        return bytes.size();
    }

  private:
    IconvHandle toGbk_;
    IconvHandle fromGbk_;
};

}  // namespace

std::unique_ptr<AnsiCodePage> makeSystemAnsiCodePage() { return std::make_unique<GbkCodePage>(); }

}  // namespace tessary
