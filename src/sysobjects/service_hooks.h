// What the services add to the rest of the program: the service controls of
// the information dialog (item types 700 and 701) and the service
// description look-up the dialog uses for running tasks and system parts.
#pragma once

// Sets both; called once at start.
void RegisterServiceHooks();
