// Counting frames and the processor time they take, for the pacing
// benchmark. Off unless FLURRYDALE_FRAME_STATS=1 is in the environment; then
// one line goes to standard error when the process ends:
//   flurrydale: frame stats: frames=N frame_cpu_ms=X process_cpu_ms=Y wall_ms=Z
//               first_frame_unix_ms=T
// frame_cpu_ms is the processor time of the whole process (renderer threads
// included) spent while frames were being drawn and presented;
// process_cpu_ms and wall_ms run from the first frame to the end, so the
// start-up (loading the first scene) is left out. first_frame_unix_ms is the
// calendar time (milliseconds since the epoch) when the first frame had been
// presented, so that a caller noting the time of the start can tell how long
// the start took.
#pragma once

void frameStatsBegin();
void frameStatsEnd();
