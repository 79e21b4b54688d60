#include "Company.h"
#include <filesystem>
#include <optional>
#include <string_view>
#include "BinFile.h"
#include "FileFault.h"
#include "Global.h"
#include "RunError.h"
#include "gui.h"

namespace {

// Enough of the file for the longest name kept in any of its encodings.
constexpr size_t CompanyBytesRead = 1024;

void PutUtf8(std::string& out, char32_t c) {
    const int extra = c < 0x80 ? 0 : c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
    const uint8_t lead[] = {0, 0xC0, 0xE0, 0xF0};
    out += char(lead[extra] | (c >> (6 * extra)));
    for (int i = extra - 1; i >= 0; --i) out += char(0x80 | ((c >> (6 * i)) & 0x3F));
}

bool LineEnd(char32_t c) { return c == '\r' || c == '\n'; }

// The first line of UTF-16 of either byte order, after its mark.
std::optional<std::string> Utf16Line(std::string_view b, bool bigEndian) {
    auto unit = [&](size_t i) -> char32_t {
        const uint8_t first = uint8_t(b[i]), second = uint8_t(b[i + 1]);
        return bigEndian ? first << 8 | second : second << 8 | first;
    };
    std::string line;
    for (size_t i = 0; i + 1 < b.size(); i += 2) {
        char32_t c = unit(i);
        if (LineEnd(c)) break;
        if (c >= 0xDC00 && c < 0xE000) return std::nullopt;
        if (c >= 0xD800 && c < 0xDC00) {
            if (i + 3 >= b.size()) break;  // cut by the end of what was read
            const char32_t low = unit(i + 2);
            if (low < 0xDC00 || low >= 0xE000) return std::nullopt;
            c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
            i += 2;
        }
        PutUtf8(line, c);
    }
    return line;
}

// The first line of well-formed UTF-8.
std::optional<std::string> Utf8Line(std::string_view b) {
    b = b.substr(0, b.find_first_of("\r\n"));
    const char32_t least[] = {0, 0x80, 0x800, 0x10000};
    size_t i = 0;
    while (i < b.size()) {
        const uint8_t c = uint8_t(b[i]);
        const int extra = c < 0x80 ? 0 : c < 0xC2 ? -1 : c < 0xE0 ? 1 : c < 0xF0 ? 2 : c < 0xF5 ? 3 : -1;
        if (extra < 0) return std::nullopt;
        if (i + extra >= b.size()) break;  // cut by the end of what was read
        char32_t cp = c & (0x7F >> extra);
        for (int k = 1; k <= extra; ++k) {
            const uint8_t t = uint8_t(b[i + k]);
            if ((t & 0xC0) != 0x80) return std::nullopt;
            cp = cp << 6 | (t & 0x3F);
        }
        if (cp < least[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp < 0xE000)) return std::nullopt;
        i += extra + 1;
    }
    return std::string(b.substr(0, i));
}

// The first line of a text file as UTF-8: UTF-16 after its mark, else UTF-8
// with or without its mark; nothing when the line is neither.
std::optional<std::string> FirstLine(std::string_view b) {
    if (b.starts_with("\xFF\xFE")) return Utf16Line(b.substr(2), false);
    if (b.starts_with("\xFE\xFF")) return Utf16Line(b.substr(2), true);
    if (b.starts_with("\xEF\xBB\xBF")) b.remove_prefix(3);
    return Utf8Line(b);
}

}  // namespace

void ReadCompanyFile() {
    const std::string name = ProgramFile(CompanyFileName);
    // Only no entry at all means no company name: a link that leads nowhere
    // or back to itself is read, and says why it cannot be.
    std::error_code ec;
    if (std::filesystem::symlink_status(name, ec).type() == std::filesystem::file_type::not_found) return;
    std::string fault;
    try {
        BinFile f(name, BinFile::Mode::Read);
        char bytes[CompanyBytesRead];
        const std::optional<std::string> line = FirstLine(std::string_view(bytes, f.ReadSome(bytes, sizeof bytes)));
        if (line)
            Header_Company = *line;
        else
            fault = "it is not text in UTF-8, or in UTF-16 with its byte-order mark";
    } catch (const RunError& e) {
        fault = FileFault(e.what());
    }
    if (!fault.empty()) gui::ShowMessage("The company name cannot be read from " + name + ": " + fault + ".");
}
