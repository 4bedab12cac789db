// Letting a thread handle its waiting messages in the middle of its work.
#pragma once

// Dispatches the messages that wait on the calling thread. A quit message
// is posted again for the thread's own loop and ends the processing: false
// then, true otherwise.
bool ProcessPendingMessages();
