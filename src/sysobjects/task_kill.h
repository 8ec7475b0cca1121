// Ending the process of an Active Tasks row.
#pragma once

// Item type of a running-task row (INFO_TASK), made by ListRunningPrograms.
inline constexpr int kRunningTaskType = 600;

// Ends the process whose id the row of the shared list store holds, but only
// while that process still runs the row's file (a process id can be reused by
// another program once the listed one has ended). On success writes the
// TASK_Kill history line and sends the removal report. True when the process
// was ended; nothing happens otherwise.
bool KillTaskRow(int row);
