#pragma once
// The program's one state object: the codeplug image, the band facts derived
// from it and the program-wide flags. main() creates it and passes it by
// reference; a test builds a fresh one in a line.
#include "codeplug/ChangeFlag.h"
#include "codeplug/CodeplugImage.h"

namespace vantrel {

// Facts of the loaded radio's band, set by ApplyBandLimits on every population
// (codeplug/Identity.h).
struct BandFacts {
    int lowMHz = 0;    // inclusive limits of the band
    int highMHz = 0;
    bool isUhf = false;
    // The receive synthesizer runs 45.1 MHz off the channel frequency: the
    // codec adds the offset to a receive frequency before coding it and takes
    // it off when decoding. -45.1 MHz on UHF bands, +45.1 MHz on VHF bands.
    double ifOffsetMHz = 0.0;
    bool known = false;   // false until a radio of bands 0..4 has been loaded
};

struct AppState {
    CodeplugImage image;
    BandFacts band;

    // Editor flags.
    bool loadingImage = false;
    ChangeFlag dataChanged;   // the data differ from the last save
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
    bool transferRunning = false;   // a read or write exchange is under way
    bool passwordAccepted = false;
    // Scan list.
    bool prioChannelError = false;
    // Report.
    bool printerInInches = false;
};

}  // namespace vantrel
