// The "Sentrivox PLUS Info..." item that Explorer offers on every program file.
#pragma once

inline constexpr const char* kExplorerVerbKey = "exefile\\shell\\Sentrivox PLUS";

void CreateExplorerVerb();
void RemoveExplorerVerb();
bool ExplorerVerbPresent();
