#include "shell/patrol_time.h"

void OpenPatrolTimeDialog(int) {}
