// The interface between tovdrv.dll and a receiver driver library.
//
// A driver library lives in the program folder and exports two functions:
//
//   void getDriverName(char* name);
//       Fills a 33-byte buffer with the driver's display name (at most 32
//       characters, zero-terminated). The settings dialog lists drivers by it.
//
//   const TovReceiverDriver* tovReceiverDriver(unsigned version);
//       The driver's functions for the requested interface version, or null
//       when it does not speak that version. tovdrv asks for version 2 and
//       then for version 1, whose host has no status member.
//
// Loading and unloading a driver library does nothing else: no threads,
// windows, sockets or devices before open and start.
//
// Life of a receiver: open, then start/stop any number of times, close; all
// on one thread (the host's user-interface thread). settings may be called at
// any time, usually while no receiver is open. No exception crosses these
// functions.
#pragma once

#include <windows.h>

#define TOV_RECEIVER_DRIVER_VERSION 2u
// Drivers of version 1 are still loaded; their host ends before status.
#define TOV_RECEIVER_DRIVER_VERSION_1 1u

extern "C" {

// What the host offers a receiver.
struct TovReceiverHost {
    void* context;
    // Reports one received button: command is a zero-terminated text (the
    // host cuts it to 128 characters and replaces ";", "," and control
    // characters), repeatCount 0 for a new press and n for the n-th repeat
    // of a held button; -1 when it is let go, from drivers that know (others
    // leave the host to tell it from the repeats stopping). Thread-safe and
    // quick: called from the receiver's own background thread.
    void (*press)(void* context, const char* command, int repeatCount);
    // Version 2: tells the user how the receiver fares, in a short sentence
    // (at most 255 characters), for example that its server cannot be
    // reached. Tell a state once when it begins, not at every retry. Same
    // threads as press.
    void (*status)(void* context, const char* text);
};

// The driver's functions, the same in versions 1 and 2.
struct TovReceiverDriver {
    // A new receiver that reports through host (copied); null on failure.
    void* (*open)(const TovReceiverHost* host);
    // Stops the receiver if needed and frees it.
    void (*close)(void* receiver);
    // Starts receiving in the background; false when the receiver cannot be
    // reached. Called only while stopped.
    bool (*start)(void* receiver);
    // Stops receiving; when it returns no press is reported any more.
    void (*stop)(void* receiver);
    // Produces a command on demand into a 129-byte buffer ("" for none); null
    // when the driver cannot.
    void (*learn)(void* receiver, char* command);
    // Shows the driver's modal settings dialog.
    void (*settings)(HWND owner);
};

typedef const TovReceiverDriver* (*TovReceiverDriverEntry)(unsigned version);
}
