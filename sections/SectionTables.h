// The built-in section table writers, in the order the main window calls them.
#pragma once
#include <span>
#include <string>
#include "SectionRecord.h"

void WriteUbTable();
void WriteUcTable();
void WriteRsjTable();
void WriteIpeTable();
void WriteHeTable();
void WriteWsBeamTable();
void WriteWsColTable();
void WriteRscTable();
void WritePfcTable();
void WriteUpnTable();
void WriteEqRsaTable();
void WriteUnEqRsaTable();
void WriteEqLTable();
void WriteUnEqLTable();
void WriteRhsTable();
void WriteChsTable();
void WriteCTable();

// Rewrites all 17 files into the program folder, UB first and C last;
// a file error passes out and the writers after it do not run.
void WriteSectionTables();

// Writes one table into the program folder; a failure is raised naming
// the file, the folder and what went wrong.
void WriteBuiltInTable(const std::string& file, std::span<const SectionRecord> records);
