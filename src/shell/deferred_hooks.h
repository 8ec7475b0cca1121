// Start-up and shutdown calls into parts of the program that are built later:
// the delayed-start list, the file-type snapshots, the Active Tasks refresh and
// the Set Patrol Time dialog. Each is completed where its owner lands.
#pragma once

void LoadDelayedList();
void RestoreAllDelayed();
void InitFileTypeSnapshots();
void RefreshActiveTasksList();
// The Set Patrol Time dialog of a page's category (its Monitor picture).
void OpenPatrolTimeDialog(int pageId);
