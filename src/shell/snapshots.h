// The snapshots the resident monitor compares against: the approved baselines
// (Run, IEHelpers, Tasks), the first fills of Services, Hidden and ActiveX, and
// the recorded system files.
#pragma once

#include <string_view>

enum class SnapshotKey { Services, Hidden, ActiveX };

// Deletes and re-creates the Run, IEHelpers and Tasks keys, then records the
// current entries into them as the approved baseline.
void ResetSnapshots();
// Fills a snapshot key once (its default value "P" marks it filled).
void FirstFillSnapshot(SnapshotKey which);
// Records a system file under Sysfiles and keeps a copy in the data folder.
// Returns true when the copy was made.
bool RecordSystemFile(std::string_view name, std::string_view path, std::string_view comment);
