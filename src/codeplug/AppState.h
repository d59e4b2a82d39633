#pragma once
// The program's one state object: the codeplug image, the band facts derived
// from it and the program-wide flags. main() creates it and passes it by
// reference; a test builds a fresh one in a line.
#include "codeplug/CodeplugImage.h"

namespace vantrel {

// Facts of the loaded radio's band, set on every population.
struct BandFacts {
    int lowMHz = 0;
    int highMHz = 0;
    bool isUhf = false;
    // Added to a receive frequency before it is coded, taken off when decoding
    // (in kHz tenths would lose nothing, but the radio's rule is +-45.1 MHz).
    double ifOffsetMHz = 0.0;
    bool known = false;   // false until a radio of bands 0..4 has been loaded
};

struct AppState {
    CodeplugImage image;
    BandFacts band;

    // Editor flags.
    bool loadingImage = false;
    bool channelDataInvalid = false;
    bool dataChanged = false;
    bool passwordKept = false;
    // Data file.
    bool loadFailed = false;
    bool saveCancelled = false;
    // Application shell.
    bool toolbarButtonDown = false;
    bool appClosing = false;
    bool exitRequested = false;
    // Password prompts and the read/write dialog.
    int passwordAttempts = 0;
    bool readPending = false;
    bool passwordAccepted = false;
    // Scan list.
    bool prioChannelError = false;
    // Report.
    bool printerInInches = false;
};

}  // namespace vantrel
