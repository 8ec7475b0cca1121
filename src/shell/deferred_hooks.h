// Start-up and shutdown calls into parts of the program that are built later:
// the options kept in memory, the Explorer verb, the delayed-start list and the
// file-type snapshots. Each is completed where its owner lands.
#pragma once

void LoadOptions();
void SaveOptions();
void LoadDelayedList();
void RestoreAllDelayed();
void InitFileTypeSnapshots();
void RefreshActiveTasksList();
// The Set Patrol Time dialog of a page's category (its Monitor picture).
void OpenPatrolTimeDialog(int pageId);
