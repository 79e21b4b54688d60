// The company name that heads every printed page, as the installation gives
// it: a one-line text file beside the unit settings in the program folder.
#pragma once

constexpr const char* CompanyFileName = "Company.txt";

// Sets Header_Company from the file's first line: UTF-8, or UTF-16 of either
// byte order with its mark, cut between characters to the 100 bytes of UTF-8
// the name holds. Without the file it is left as it is; a file that cannot be
// read, or is not such text, is reported in a message box.
void ReadCompanyFile();
