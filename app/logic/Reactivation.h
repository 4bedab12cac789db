// When the receiver is restarted after a while without IR commands.
#pragma once

// True once idleSeconds have passed without a command and the period of
// reactivateMinutes (the ReactivateTime setting) is over. Reckoned in 64
// bits, so that no period can overflow into a restart at every tick.
bool ReactivationDue(int idleSeconds, int reactivateMinutes);
