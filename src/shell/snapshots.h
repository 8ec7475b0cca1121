// What the start fills from the category scanners (category_scanners.h): the
// snapshots the resident monitor compares against (the approved baselines
// Run, IEHelpers and Tasks, the first fills of Services, Hidden and ActiveX),
// the first seeding of the first-seen store, and the recorded system files.
#pragma once

#include <string_view>

enum class SnapshotKey { Services, Hidden, ActiveX };

// Deletes and re-creates the Run, IEHelpers and Tasks keys, then records the
// current entries into them as the approved baseline.
void ResetSnapshots();
// Writes the current entries into the Run, IEHelpers and Tasks snapshot keys:
// the startup entries, browser helpers and scheduled tasks the user accepted.
void RecordApprovedBaseline();
// Fills a snapshot key once (its default value "P" marks it filled).
void FirstFillSnapshot(SnapshotKey which);
// Seeds the first-seen store at the first start of a user (and the ActiveX
// category once) with what the scanners find.
void SeedFirstSeenStores();
// Records a system file under Sysfiles and keeps a copy in the data folder.
// Returns true when the copy was made.
bool RecordSystemFile(std::string_view name, std::string_view path, std::string_view comment);
