#pragma once

// The stand-in for GetKeyState on the modifier keys: whether a physical key
// is held down right now, either of its left and right keys counting.
enum class HRXKey {
    Control,
    Alt,
    Windows,  // the Windows or Super key
};

// Where key states come from: a window system connection reads the keyboard
// (the X11 backend installs one while its display is open); tests install a
// replacement.
class HRXKeyStateSource {
public:
    virtual ~HRXKeyStateSource() = default;
    virtual bool isKeyDown(HRXKey key) = 0;
};

// Asks the replacement when one is installed, otherwise the platform's
// source; without either every key reads as up. Main thread only.
bool isKeyDown(HRXKey key);

// For tests: takes precedence over the platform's source; nullptr removes it.
void setKeyStateSource(HRXKeyStateSource* source);
// For a window backend: its keyboard reader; nullptr removes it.
void setPlatformKeyStateSource(HRXKeyStateSource* source);
HRXKeyStateSource* getPlatformKeyStateSource();
