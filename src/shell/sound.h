// The program's "Open" sound, played when the sheet opens.
#pragma once

void PlayOpenSound();
