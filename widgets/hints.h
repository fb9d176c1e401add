#pragma once

// Hints appear after wakeUpMs and stay for durationMs, program-wide.
void setHintDelays(int wakeUpMs, int durationMs);
