// The one-shot actions of the command line and the start-up initialisation.
#pragma once

#include "shell/command_switches.h"

// Detects 64-bit Windows and widens the registry masks; runs before anything
// touches the registry, so that every start reads and writes the same view.
void DetectWindows64();
// Performs an action switch.
void PerformStartAction(StartAction action);
// Removes the text overrides and the saved window placements.
void RestoreDefaults();
// Everything a start does before the first page is shown.
void InitializeStart();
// Runs the first-seen pruning of one category in every seven starts.
void RotateFirstSeenPruning();
