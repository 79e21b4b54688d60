// The company name that heads every printed page, as the installation gives
// it: a one-line text file beside the unit settings in the program folder.
#pragma once

constexpr const char* CompanyFileName = "Company.txt";

// Sets Header_Company from the file's first line, cut to its 100 characters.
// Without the file it is left as it is; a file that cannot be read is
// reported in a message box.
void ReadCompanyFile();
