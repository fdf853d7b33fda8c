#pragma once
// The error value that loading code throws on bad stored data. The document's
// open and the File Open command catch it; the main frame shows its text.

enum eMERCAVO_ERROR : int {
    eMERCAVO_ERROR_FAILED = 0,  // e.g. a picture strip could not be built
    eMERCAVO_ERROR_MEMORY = 1,
    eMERCAVO_ERROR_VERSION = 2,
    eMERCAVO_ERROR_CONTENTS = 3,  // a stored value outside its range
};

// The message-box text for an error value.
inline const char* GetMercavoErrorText(int error) {
    switch (error) {
        case eMERCAVO_ERROR_MEMORY:
            return "Insufficient memory.  Game unplayable.";
        case eMERCAVO_ERROR_VERSION:
            return "Unavailable file.\nDifferent file version.";
        case eMERCAVO_ERROR_CONTENTS:
            return "Incorrect file contents.";
        default:
            return "Error.";
    }
}

// Throws eMERCAVO_ERROR_CONTENTS unless lo <= value <= hi: the range check
// that every loader applies to every stored value.
template <typename T>
inline T CheckRange(T value, T lo, T hi) {
    if (value < lo || value > hi) throw eMERCAVO_ERROR_CONTENTS;
    return value;
}
