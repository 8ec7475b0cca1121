// Start-up and shutdown calls into parts of the program that are built later:
// the file-type snapshots and the Active Tasks refresh. Each is completed
// where its owner lands.
#pragma once

void InitFileTypeSnapshots();
void RefreshActiveTasksList();
