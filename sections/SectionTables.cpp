#include "SectionTables.h"
#include <filesystem>
#include "BinFile.h"
#include "FileFault.h"
#include "Global.h"
#include "RunError.h"

void WriteBuiltInTable(const std::string& file, std::span<const SectionRecord> records) {
    const std::string path = ProgramFile(file);
    try {
        WriteSectionTable(path, records, BinFile::Mode::CreateOwn);
    } catch (const RunError& e) {
        std::error_code ec;
        throw RunError("Cannot write the section table \"" + file + "\" in the folder \"" +
                       std::filesystem::absolute(path, ec).parent_path().string() + "\": " + WriteFault(e.what()) +
                       ".");
    }
}

void WriteSectionTables() {
    WriteUbTable();
    WriteUcTable();
    WriteRsjTable();
    WriteIpeTable();
    WriteHeTable();
    WriteWsBeamTable();
    WriteWsColTable();
    WriteRscTable();
    WritePfcTable();
    WriteUpnTable();
    WriteEqRsaTable();
    WriteUnEqRsaTable();
    WriteEqLTable();
    WriteUnEqLTable();
    WriteRhsTable();
    WriteChsTable();
    WriteCTable();
}
