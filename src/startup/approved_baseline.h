// The approved state the resident monitor compares against: the startup
// entries, browser helpers and scheduled tasks the user has accepted.
#pragma once

// Writes the current entries into the Run, IEHelpers and Tasks snapshot keys.
void RecordApprovedBaseline();
