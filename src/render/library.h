#pragma once
// The resource library "QLR.RGF" beside the program: every picture, pointer
// and sound the program shows or plays. It is a Qt binary resource file,
// read into memory once at start-up and asked by ASCII name; names compare without
// regard to case. Kinds live apart: bitmaps, cursors (with their hot spot)
// and "WAVE" sounds.
//
// Pictures with a key colour keep it (they are opaque): shadows use white,
// stack borders pure blue (0,0,255), tree pictures dark red (128,0,0).
// Tool-bar, fact, suit and badge pictures, the icon and the cursors carry
// an alpha channel instead.
#include <QByteArray>
#include <QCursor>
#include <QImage>
#include <string>
#include <vector>

#include "core/ports.h"

namespace bw {

// Loads program folder + "QLR.RGF"; false when it is missing or not a
// resource library. Loading again while loaded keeps the loaded one.
bool LoadResourceLibrary();
// The same for an explicit file (tests, tools).
bool LoadResourceLibraryFile(const std::string& path);
// Start-up: loads the library, or shows "Can't find/load " and the library's
// path (an error box titled "Error") and returns false; the
// caller then ends the program with exit code 0.
bool OpenResourceLibraryOrReport();

// Non-null while a library is loaded.
struct LibraryModule;
const LibraryModule* LibraryHandle();
// The path of the loaded library, or empty.
std::string LibraryPath();
// Counts the libraries loaded in this run: what was taken from one library
// is known not to come from another.
int LibraryGeneration();

// Loads the named bitmap into `bitmap`; true when it then holds a picture.
// A missing name leaves `bitmap` empty (null) and returns false.
bool LoadLibraryBitmap(QImage& bitmap, const std::string& name);
QImage LibraryBitmap(const std::string& name);
// The names of every bitmap in the library, in upper case, sorted.
std::vector<std::string> LibraryBitmapNames();

// A pointer picture with its hot spot; false when the name is missing.
bool LoadLibraryCursorImage(const std::string& name, QImage& image, QPoint& hotSpot);
// Installs the twelve table pointers into the screen's pointer table:
// "CUR_ARROW1A", "CUR_ARROW2A", "CUR_RIGHT_HAND1A", "CUR_RIGHT_HAND2A",
// "CUR_LEFT_HAND1A", "CUR_LEFT_HAND2A" as numbers 10..15 and the same names
// ending in "B" as 20..25, plus the system's pointing hand as 30. Needs a
// QGuiApplication. Returns how many library pointers were installed.
int LoadLibraryCursors();
// The installed pointer of a number; null when none is installed there.
const QCursor* ScreenCursor(int number);

// The bytes of a "WAVE" sound; empty when the name is missing.
QByteArray LibrarySoundData(const std::string& name);
// Plays the named sound asynchronously from memory, once or looping until
// stopped; a new sound replaces the playing one. A missing name stops any
// playing sound. Silent without an audio device.
void PlayLibrarySound(const std::string& name, bool loop);
// Plays "_tmp_stop_", which no library has: the missing-name path stops.
void StopLibrarySound();

// Releases the library, the pointer table and the sound output.
void FreeResourceLibrary();

// The sound port for the game core, playing through the library.
class LibrarySound : public ISound {
public:
    void Play(const std::string& name, bool loop) override { PlayLibrarySound(name, loop); }
    void Stop() override { StopLibrarySound(); }
};

}  // namespace bw
