#include "Company.h"
#include <filesystem>
#include <string_view>
#include "BinFile.h"
#include "Global.h"
#include "RunError.h"
#include "gui.h"

void ReadCompanyFile() {
    const std::string name = (std::filesystem::path(StartDir) / CompanyFileName).string();
    std::error_code ec;
    if (!std::filesystem::exists(name, ec)) return;
    try {
        BinFile f(name, BinFile::Mode::Read);
        char text[decltype(Header_Company)::Capacity + 2];  // the longest line kept and its end
        const std::string_view read(text, f.ReadSome(text, sizeof text));
        Header_Company = read.substr(0, read.find_first_of("\r\n"));
    } catch (const RunError& e) {
        gui::ShowMessage("The company name cannot be read from " + name + ": " + e.what());
    }
}
