#include "SectionTables.h"

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
