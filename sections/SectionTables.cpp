#include "SectionTables.h"
#include "BinFile.h"
#include "FileFault.h"
#include "RunError.h"

void WriteBuiltInTable(const std::string& file, std::span<const SectionRecord> records) {
    try {
        WriteSectionTable(file, records, BinFile::Mode::CreateOwn);
    } catch (const RunError& e) {
        throw RunError("Cannot write the section table \"" + file + "\" in the folder \"" + CurrentDir() +
                       "\": " + WriteFault(e.what()) + ".");
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
