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
//       when it does not speak that version.
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

#define TOV_RECEIVER_DRIVER_VERSION 1u

extern "C" {

// What the host offers a receiver.
struct TovReceiverHost {
    void* context;
    // Reports one received button: command is a zero-terminated text (the
    // host cuts it to 128 characters and replaces ";", "," and control
    // characters), repeatCount 0 for a new press and n for the n-th repeat
    // of a held button. Thread-safe and quick: called from the receiver's
    // own background thread.
    void (*press)(void* context, const char* command, int repeatCount);
};

// Version 1 of the driver's functions.
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
