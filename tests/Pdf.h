// A PDF read back with poppler's tools: its text laid out as printed, its page count.
#pragma once
#include <cstdio>
#include <memory>
#include <string>

inline std::string ShellOutput(const std::string& cmd) {
    std::string out;
    std::unique_ptr<FILE, int (*)(FILE*)> p(popen(cmd.c_str(), "r"), pclose);
    char buf[512];
    while (p && fgets(buf, sizeof buf, p.get())) out += buf;
    return out;
}

inline std::string PdfText(const std::string& pdf) { return ShellOutput("pdftotext -layout '" + pdf + "' -"); }

// -1 when pdfinfo gives no page count.
inline int PdfPages(const std::string& pdf) {
    const std::string info = ShellOutput("pdfinfo '" + pdf + "'");
    const size_t at = info.find("Pages:");
    return at == std::string::npos ? -1 : std::stoi(info.substr(at + 6));
}
