// Sound servers run their own audio threads under real-time scheduling so
// that a busy machine never makes them late; the thread that renders our
// audio gets the same where the system allows it (root, CAP_SYS_NICE or a
// real-time limit for the user).

#include <sched.h>

#include "playback/audio_output.h"

namespace lyrova {

bool RaiseToRealTime(int priority) {
  sched_param param{};
  param.sched_priority = priority;
  // On Linux, 0 is the calling thread; programs it starts run as usual.
  return sched_setscheduler(0, SCHED_FIFO | SCHED_RESET_ON_FORK, &param) == 0;
}

}  // namespace lyrova
